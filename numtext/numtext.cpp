#include "numtext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>
#include <type_traits>

namespace corvane {

namespace {

using TextBuffer = std::array<char, 64>;

// Writes the %G text of `value` with `precision` significant digits (lower
// case 'e') from its shortest round-trip digits and returns its length, or 0
// where those digits are more than `precision`. When they are not more,
// rounding the exact binary value to `precision` digits gives those same
// digits: a normal double lies within half a unit in its last binary place
// of its shortest text, a relative 1.1e-16, while half a unit in the 15th
// decimal digit is at least 5e-16 relative, so no other `precision`-digit
// decimal is as near and no tie can occur. The shortest conversion is much
// faster than the one with a precision, which matters for tables of
// thousands of results.
std::size_t generalFromShortest(double value, int precision, TextBuffer& out) {
    // Subnormal numbers carry fewer significant bits, and the bound fails.
    constexpr int maxExact = 15;
    if (precision > maxExact || (value != 0.0 && !std::isnormal(value))) {
        return 0;
    }
    TextBuffer scientific{};
    const auto [end, ec] = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                         value, std::chars_format::scientific);
    if (ec != std::errc{}) {
        return 0;
    }
    // "-d.ddde+XX": sign, digits with the point after the first, exponent.
    const char* p = scientific.data();
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    std::array<char, 24> digits{};
    int digitCount = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            if (digitCount == precision) {
                return 0;
            }
            digits[static_cast<std::size_t>(digitCount++)] = *p;
        }
    }
    const char* exponentSign = p + 1;
    int exponent = 0;
    std::from_chars(exponentSign + 1, end, exponent);
    if (*exponentSign == '-') {
        exponent = -exponent;
    }
    if (exponent < -4 || exponent >= precision) {
        // Already %G's exponent form.
        const auto length = static_cast<std::size_t>(end - scientific.data());
        std::copy(scientific.data(), end, out.data());
        return length;
    }
    std::size_t n = 0;
    if (negative) {
        out[n++] = '-';
    }
    if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        for (int i = 0; i < integerDigits; ++i) {
            out[n++] = i < digitCount ? digits[static_cast<std::size_t>(i)] : '0';
        }
        if (digitCount > integerDigits) {
            out[n++] = '.';
            for (int i = integerDigits; i < digitCount; ++i) {
                out[n++] = digits[static_cast<std::size_t>(i)];
            }
        }
    } else {
        out[n++] = '0';
        out[n++] = '.';
        for (int i = 0; i < -exponent - 1; ++i) {
            out[n++] = '0';
        }
        for (int i = 0; i < digitCount; ++i) {
            out[n++] = digits[static_cast<std::size_t>(i)];
        }
    }
    return n;
}

// The %G text of `value` with `significantDigits` digits, exponent marker
// "E": from the shortest round-trip digits where they are few enough, else
// from std::to_chars in general format with a precision, which drops
// trailing zeros and switches to exponent form exactly as printf does, but
// never consults the locale.
std::string generalText(double value, int significantDigits) {
    TextBuffer buffer{};
    std::size_t length = generalFromShortest(value, significantDigits, buffer);
    if (length == 0) {
        const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                             std::chars_format::general, significantDigits);
        length = ec == std::errc{} ? static_cast<std::size_t>(end - buffer.data()) : 0;
    }
    std::string text(buffer.data(), length);
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
    TextBuffer buffer{};
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
// (1.79769313486231E+308), one unit of the last digit away. Only values
// within a factor ten of the largest T can round past it, so the read-back
// check is made for those alone.
template <typename T> std::string writeNumber(double value, const NumberFormat& format) {
    if (value == 0.0) {
        value = 0.0; // no "-0"
    }
    std::string text = generalText(value, format.significantDigits);
    constexpr double nearTop = static_cast<double>(std::numeric_limits<T>::max()) / 10;
    if (std::isfinite(value) && std::fabs(value) > nearTop && !readsFinite<T>(text)) {
        // The text below has the digit count's precision, and a double of
        // at most 15 digits writes back to the same digits.
        const std::string below = oneUnitBelow(value, format.significantDigits);
        double magnitude = 0;
        std::from_chars(below.data(), below.data() + below.size(), magnitude);
        text = generalText(std::signbit(value) ? -magnitude : magnitude, format.significantDigits);
    }
    std::string_view digits = text;
    std::string written;
    written.reserve(text.size() + 1);
    if (!digits.empty() && digits.front() == '-') {
        written.push_back('-');
        digits.remove_prefix(1);
    } else if (format.leadingBlank) {
        written.push_back(' ');
    }
    if (!format.leadingZero && digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
        digits.remove_prefix(1);
    }
    written.append(digits);
    return written;
}

} // namespace

std::string formatNumber(double value, const NumberFormat& format) {
    return writeNumber<double>(value, format);
}

std::string Str(double value) {
    return formatNumber(value,
                        {.significantDigits = 15, .leadingBlank = true, .leadingZero = false});
}

std::string bareStr(double value) {
    return formatNumber(value,
                        {.significantDigits = 15, .leadingBlank = false, .leadingZero = false});
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
// Plain decimals of at most 15 digits, as dimensions in millimetres are,
// without going through the general conversion: the digits form an integer
// below 2^53, exact in a double, and so is 10^k for k <= 22, so their IEEE
// quotient is the correctly rounded value of the decimal, the same double
// the general conversion gives. Empty for any other text.
std::optional<double> shortDecimal(std::string_view s) {
    constexpr std::size_t maxDigits = 15;
    constexpr std::array<double, 16> powersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t mantissa = 0;
    std::size_t digits = 0;
    std::size_t fractionDigits = 0;
    bool point = false;
    for (const char c : s) {
        if (c == '.' && !point) {
            point = true;
        } else if (isDigit(c) && digits < maxDigits) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            ++digits;
            fractionDigits += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return static_cast<double>(mantissa) / powersOfTen[fractionDigits];
}

template <typename T> std::optional<T> parseNumber(std::string_view s) {
    // from_chars takes no leading '+'; the sign is applied afterwards.
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if constexpr (std::is_same_v<T, double>) {
        if (const std::optional<double> value = shortDecimal(s)) {
            return negative ? -*value : *value;
        }
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

char16_t asciiForm(char16_t c) {
    constexpr char16_t fullWidthZero = u'\uFF10';
    constexpr char16_t fullWidthNine = u'\uFF19';
    if (c >= fullWidthZero && c <= fullWidthNine) {
        return static_cast<char16_t>(u'0' + (c - fullWidthZero));
    }
    switch (c) {
    case u'\uFF0E':
        return u'.';
    case u'\uFF0B':
        return u'+';
    case u'\uFF0D':
        return u'-';
    case u'\uFF25':
        return u'E';
    case u'\uFF45':
        return u'e';
    case u'\u3000': // ideographic space
        return u' ';
    default:
        return c;
    }
}

std::string toAsciiFormsUtf8(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // Every character concerned takes three bytes: U+3000 and U+FF01 to
        // U+FF5E (EF BC xx and EF BD xx).
        if (i + 2 < utf8.size()) {
            const auto b0 = static_cast<unsigned char>(utf8[i]);
            const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
            const auto b2 = static_cast<unsigned char>(utf8[i + 2]);
            if ((b0 == 0xEF || b0 == 0xE3) && b1 >= 0x80 && b1 <= 0xBF && b2 >= 0x80 &&
                b2 <= 0xBF) {
                const auto unit =
                    static_cast<char16_t>(((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F));
                const char16_t ascii = asciiForm(unit);
                if (ascii != unit) {
                    text.push_back(static_cast<char>(ascii));
                    i += 2;
                    continue;
                }
            }
        }
        text.push_back(utf8[i]);
    }
    return text;
}

} // namespace corvane
