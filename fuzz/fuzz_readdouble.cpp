// readDouble against strtod.

#include "numtext.h"
#include "readoracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::checkReader<double>(std::string_view(reinterpret_cast<const char*>(data), size),
                                       &corvane::readDouble, "readDouble");
    return 0;
}
