// readSingle against strtof.

#include "numtext.h"
#include "readoracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::checkReader<float>(std::string_view(reinterpret_cast<const char*>(data), size),
                                      &corvane::readSingle, "readSingle");
    return 0;
}
