// Val against the C library: the value of an entry text is what strtod reads
// from the text with its blanks taken out, except where strtod accepts more
// than a plain decimal number.

#include "fuzzcheck.h"
#include "numtext.h"

#include <cctype>
#include <cstdlib>

namespace {

double valByStrtod(std::string_view text) {
    std::string packed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            packed.push_back(c);
        }
    }
    // strtod skips leading white space (here only what is left of it: \r, \v,
    // \f); an entry text starting with it has no leading number.
    if (packed.empty() || std::isspace(static_cast<unsigned char>(packed[0])) != 0) {
        return 0.0;
    }
    const bool hasSign = packed[0] == '+' || packed[0] == '-';
    const std::string_view body = std::string_view(packed).substr(hasSign ? 1 : 0);
    // strtod reads "0x1p4" as hexadecimal, "inf" and "nan" as special values;
    // a decimal reader sees the leading 0 in the first and nothing in the
    // others.
    if (body.size() >= 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        return packed[0] == '-' ? -0.0 : 0.0;
    }
    if (!body.empty() && (body[0] == 'i' || body[0] == 'I' || body[0] == 'n' || body[0] == 'N')) {
        return 0.0;
    }
    // The longest decimal prefix, correctly rounded; beyond the range,
    // HUGE_VAL with its sign, which is what Val reports too.
    return std::strtod(packed.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = corvane::Val(text);
    const double expected = valByStrtod(text);
    check(sameBits(value, expected), [&] {
        return "Val(\"" + printable(text) + "\") = " + exact(value) + ", strtod reads " +
               exact(expected);
    });
    return 0;
}
