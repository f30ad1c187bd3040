// The number formatters on random bit patterns: Str and generalDouble (15
// significant digits) on a double, generalSingle (7) on a single. Every text
// is a plain number that reads back, finite, to the value it was written from,
// within half a unit of its last digit: the correctly rounded text. At the top
// of the range, where that rounding would give a text beyond the largest
// finite value, the text may stay below it, within one unit.

#include "fuzzcheck.h"
#include "numtext.h"

#include <cfloat>
#include <cstdlib>
#include <functional>

namespace {

using namespace corvane::fuzz;

// Names the text under test in a failure report; built only on failure.
using Describe = std::function<std::string()>;

struct Parsed {
    int digits = 0;   // significant digits written
    int exponent = 0; // decimal exponent of the first significant digit
};

// The shape [-]digits[.digits][E(+|-)digits] (with the optional leading blank
// already removed) and its significant digits; fails on anything else, "nan"
// and "inf" among it.
Parsed parse(const std::string& text, const Describe& what) {
    std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    Parsed parsed;
    int beforePoint = 0;  // digits before the point, leading zeros included
    int leadingZeros = 0; // zeros ahead of the first significant digit
    bool seenPoint = false;
    bool significant = false;
    int mantissaDigits = 0;
    for (; i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) != 0 ||
                               (text[i] == '.' && !seenPoint));
         ++i) {
        if (text[i] == '.') {
            seenPoint = true;
            continue;
        }
        ++mantissaDigits;
        if (!seenPoint) {
            ++beforePoint;
        }
        if (text[i] != '0') {
            significant = true;
        }
        if (significant) {
            ++parsed.digits;
        } else {
            ++leadingZeros;
        }
    }
    check(mantissaDigits > 0, [&] { return what() + ": no digits"; });
    int exponent = 0;
    if (i < text.size()) {
        check(text[i] == 'E' && i + 2 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'),
              [&] { return what() + ": not a number"; });
        const std::string digits = text.substr(i + 2);
        check(digits.find_first_not_of("0123456789") == std::string::npos && digits.size() <= 3,
              [&] { return what() + ": bad exponent"; });
        exponent = std::atoi(digits.c_str()) * (text[i + 1] == '-' ? -1 : 1);
    }
    parsed.exponent = exponent + beforePoint - leadingZeros - 1;
    // Trailing zeros of the mantissa are not written.
    check(!seenPoint || text[i - 1] != '0',
          [&] { return what() + ": trailing zero after the point"; });
    check(text[i - 1] != '.', [&] { return what() + ": trailing point"; });
    return parsed;
}

// value: what was written; maxDigits: 15 or 7; finite: whether the text reads
// back to a finite value of the written type.
void checkText(long double value, const std::string& text, int maxDigits, bool readsFinite,
               const Describe& what) {
    check(readsFinite, [&] { return what() + ": reads back as beyond the range"; });
    if (value == 0) {
        check(text == "0", [&] { return what() + ": zero is written \"0\""; });
        return;
    }
    const Parsed parsed = parse(text, what);
    check(parsed.digits >= 1 && parsed.digits <= maxDigits,
          [&] { return what() + ": " + std::to_string(parsed.digits) + " significant digits"; });
    const long double back = std::strtold(text.c_str(), nullptr);
    const long double unit =
        std::strtold(("1E" + std::to_string(parsed.exponent - maxDigits + 1)).c_str(), nullptr);
    // The correctly rounded text reads as infinity at the top of the range:
    // then the text may be the value one unit below it.
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.*Le", maxDigits - 1, value < 0 ? -value : value);
    const long double roundedBack = std::strtold(rounded, nullptr);
    const bool atEdge = maxDigits == 15 ? roundedBack > DBL_MAX : roundedBack > FLT_MAX;
    // Reading back into a long double is exact to 2^-64 of the value, which
    // is at most 1E15 units of the 15th digit: the error is known to within
    // 6E-5 units, and a margin of 1E-4 units lets exact halves pass.
    const long double allowed = (atEdge ? unit : unit / 2) + unit * 1e-4L;
    const long double error = back > value ? back - value : value - back;
    check(error <= allowed, [&] {
        return what() + " is off by " + std::to_string(double(error / unit)) +
               " units of its last digit";
    });
}

void checkDouble(double value) {
    if (!std::isfinite(value)) {
        return; // the callers never format a non-finite value
    }
    const std::string general = corvane::generalDouble(value);
    const Describe what = [&] {
        return "generalDouble(" + exact(value) + ") = \"" + general + "\"";
    };
    const bool negative = value < 0;
    check(!general.empty() && general[0] != ' ', [&] { return what() + ": leading blank"; });
    check((general[0] == '-') == negative, [&] { return what() + ": sign"; });
    const std::string digits = negative ? general.substr(1) : general;
    checkText(negative ? -static_cast<long double>(value) : value, digits, 15,
              corvane::readDouble(general).has_value(), what);
    // A number below 1 keeps its 0 before the point: "0.25".
    check(digits[0] != '.', [&] { return what() + ": no 0 before the point"; });

    // Str writes the same digits, with a blank for a value that is not
    // negative and without the 0 before the point.
    const std::string str = corvane::Str(value);
    std::string expected =
        digits.size() > 1 && digits.compare(0, 2, "0.") == 0 ? digits.substr(1) : digits;
    expected = (negative ? "-" : " ") + expected;
    check(str == expected, [&] {
        return "Str(" + exact(value) + ") = \"" + str + "\", expected \"" + expected +
               "\" from \"" + general + "\"";
    });
}

void checkSingle(float value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = corvane::generalSingle(value);
    const Describe what = [&] { return "generalSingle(" + exact(value) + ") = \"" + text + "\""; };
    const bool negative = value < 0;
    check(!text.empty() && (text[0] == '-') == negative, [&] { return what() + ": sign"; });
    const std::string digits = negative ? text.substr(1) : text;
    checkText(negative ? -static_cast<long double>(value) : value, digits, 7,
              corvane::readSingle(text).has_value(), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    const auto first = input.bits<double>();
    const auto second = input.bits<float>();
    checkDouble(first);
    checkSingle(second);
    // The single's bits also as a double and the double's as a single,
    // rounded: more values near both ranges' edges from short inputs.
    checkDouble(second);
    if (std::isfinite(first) && std::fabs(first) <= FLT_MAX) {
        checkSingle(static_cast<float>(first));
    }
    return 0;
}
