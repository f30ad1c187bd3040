#pragma once

// The whole-text readers against the C library: a text can be read when,
// with the blanks around it taken off, strtod (strtof) consumes all of it as a
// plain decimal number within the range of the type, and then to the same
// value.

#include "fuzzcheck.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <optional>

namespace corvane::fuzz {

inline float cRead(const char* text, char** end, float /*type*/) {
    return std::strtof(text, end);
}
inline double cRead(const char* text, char** end, double /*type*/) {
    return std::strtod(text, end);
}

template <typename T> std::optional<T> readByCLibrary(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    // Other white space (\v, \f) strtod would skip, but it is no blank.
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        return std::nullopt;
    }
    // Hexadecimal numbers, infinities and NaNs are no plain decimal numbers.
    const std::string_view body = text.substr(text[0] == '+' || text[0] == '-' ? 1 : 0);
    if (text.find_first_of("xX") != std::string_view::npos ||
        (!body.empty() && (body[0] == 'i' || body[0] == 'I' || body[0] == 'n' || body[0] == 'N'))) {
        return std::nullopt;
    }
    const std::string copy(text); // NUL-terminated; an inner NUL stops strtod early
    char* end = nullptr;
    errno = 0;
    const T value = cRead(copy.c_str(), &end, T{});
    if (end != copy.c_str() + copy.size()) {
        return std::nullopt;
    }
    if (errno == ERANGE && std::isinf(value)) {
        return std::nullopt; // beyond the range; an underflow reads as its rounded value
    }
    return value;
}

template <typename T>
void checkReader(std::string_view text, std::optional<T> (*reader)(std::string_view),
                 const char* name) {
    const std::optional<T> value = reader(text);
    const std::optional<T> expected = readByCLibrary<T>(text);
    const auto input = [&] { return std::string(name) + "(\"" + printable(text) + "\")"; };
    if (!expected) {
        check(!value, [&] { return input() + " reads " + exact(*value) + ", strtod cannot"; });
        return;
    }
    check(value.has_value(),
          [&] { return input() + " cannot be read, strtod reads " + exact(*expected); });
    check(sameBits(*value, *expected),
          [&] { return input() + " = " + exact(*value) + ", strtod reads " + exact(*expected); });
}

} // namespace corvane::fuzz
