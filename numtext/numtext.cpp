#include "numtext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace corvane {

namespace {

// The general text of a value (%G semantics), exponent marker "E".
// std::to_chars in general format with a precision drops trailing zeros and
// switches to exponent form exactly as printf does, but never consults the
// locale.
std::string generalText(double value, int significantDigits) {
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, significantDigits);
    std::string text(buffer.data(), ec == std::errc{} ? end : buffer.data());
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

// Whether a written text reads back as a finite number of type T.
template <typename T> bool readsFinite(const std::string& text) {
    std::string_view s = text;
    if (!s.empty() && s.front() == '-') {
        s.remove_prefix(1);
    }
    T read{};
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), read);
    return ec == std::errc{} && std::isfinite(read);
}

// The next value below |value| with `significantDigits` digits, written in
// scientific form ("1.79769313486231e+308"): the rounded mantissa less one
// unit in its last digit, with the borrow carried through the digits.
std::string oneUnitBelow(double value, int significantDigits) {
    std::array<char, 64> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, significantDigits - 1);
    std::string text(buffer.data(), ec == std::errc{} ? end : buffer.data());
    const std::size_t exponentMark = text.find('e');
    for (std::size_t i = exponentMark; i-- > 0;) {
        if (text[i] == '.') {
            continue;
        }
        if (text[i] != '0') {
            --text[i];
            break;
        }
        text[i] = '9';
    }
    return text;
}

// Writes a finite value with at most `format.significantDigits` digits such
// that the text reads back as a finite T. Rounding to the digit count can
// pass the largest finite T (the largest double, 1.7976931348623157E+308,
// rounds to 1.79769313486232E+308, which no double holds); there the largest
// value of that many digits below it is written instead
// (1.79769313486231E+308), one unit of the last digit away.
template <typename T> std::string writeNumber(double value, const NumberFormat& format) {
    if (value == 0.0) {
        value = 0.0; // no "-0"
    }
    std::string text = generalText(value, format.significantDigits);
    if (std::isfinite(value) && !readsFinite<T>(text)) {
        // The text below has the digit count's precision, and a double of
        // at most 15 digits writes back to the same digits.
        const std::string below = oneUnitBelow(value, format.significantDigits);
        double magnitude = 0;
        std::from_chars(below.data(), below.data() + below.size(), magnitude);
        text = generalText(std::signbit(value) ? -magnitude : magnitude, format.significantDigits);
    }
    const bool negative = !text.empty() && text.front() == '-';
    std::string digits = negative ? text.substr(1) : text;
    if (!format.leadingZero && digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
        digits.erase(0, 1);
    }
    if (negative) {
        return "-" + digits;
    }
    return format.leadingBlank ? " " + digits : digits;
}

} // namespace

std::string formatNumber(double value, const NumberFormat& format) {
    return writeNumber<double>(value, format);
}

std::string Str(double value) {
    return formatNumber(value,
                        {.significantDigits = 15, .leadingBlank = true, .leadingZero = false});
}

std::string generalDouble(double value) {
    return formatNumber(value,
                        {.significantDigits = 15, .leadingBlank = false, .leadingZero = true});
}

std::string generalSingle(float value) {
    return writeNumber<float>(value,
                              {.significantDigits = 7, .leadingBlank = false, .leadingZero = true});
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of `s` that has the shape
// [sign] digits [. digits] [E [sign] digits], with at least one mantissa
// digit; 0 when there is none. An exponent marker without digits is not part
// of the number ("2E" is 2).
std::size_t numberPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// Whether a number text that the conversion reports as out of range is too
// large (true) or too small (false): the position of its first significant
// digit relative to the point, shifted by the exponent, decides.
bool beyondRangeIsOverflow(std::string_view s) {
    long long order = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    std::size_t i = 0;
    for (; i < s.size() && (isDigit(s[i]) || s[i] == '.'); ++i) {
        if (s[i] == '.') {
            seenPoint = true;
        } else if (!seenSignificant && s[i] == '0') {
            if (seenPoint) {
                --order;
            }
        } else {
            seenSignificant = true;
            if (!seenPoint) {
                ++order;
            }
        }
    }
    if (i < s.size()) { // exponent
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negative = s[i] == '-';
            ++i;
        }
        long long exponent = 0;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000'000LL);
        }
        order += negative ? -exponent : exponent;
    }
    return order > 0;
}

// Converts a text that has the shape numberPrefix accepts, all of it.
template <typename T> std::optional<T> parseNumber(std::string_view s) {
    // from_chars takes no leading '+'; the sign is applied afterwards.
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    T value{};
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (beyondRangeIsOverflow(s)) {
            return std::nullopt;
        }
        value = T(0); // too small to represent: it reads as zero
    } else if (ec != std::errc{} || ptr != s.data() + s.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

template <typename T> std::optional<T> readWhole(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty() || numberPrefix(text) != text.size()) {
        return std::nullopt;
    }
    return parseNumber<T>(text);
}

} // namespace

double Val(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            packed.push_back(c);
        }
    }
    const std::size_t length = numberPrefix(packed);
    if (length == 0) {
        return 0.0;
    }
    const std::optional<double> value =
        parseNumber<double>(std::string_view(packed).substr(0, length));
    if (!value) {
        // Beyond the double range: report it as infinite so that the caller's
        // finiteness check turns it into an input error.
        return packed.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return *value;
}

std::optional<double> readDouble(std::string_view text) {
    return readWhole<double>(text);
}

std::optional<float> readSingle(std::string_view text) {
    return readWhole<float>(text);
}

} // namespace corvane
