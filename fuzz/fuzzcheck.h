#pragma once

// What the fuzz targets share: a failed property prints what was found and
// aborts, so that libFuzzer keeps the input that led to it.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace corvane::fuzz {

// The input as C-escaped text, for the failure report.
inline std::string printable(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\' && c != '"') {
            out.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "PROPERTY FAILED: %s\n", what.c_str());
    std::abort();
}

inline void check(bool holds, const std::string& what) {
    if (!holds) {
        fail(what);
    }
}

// The same with the report written only on failure, for checks inside long
// loops.
template <typename Report>
requires std::is_invocable_r_v<std::string, Report>
inline void check(bool holds, Report report) {
    if (!holds) {
        fail(report());
    }
}

// Equal to the last bit, so that 0 and -0 differ; never true for a NaN.
inline bool sameBits(double a, double b) {
    return !std::isnan(a) && std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline bool sameBits(float a, float b) {
    return !std::isnan(a) && std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

inline std::string exact(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
    return text;
}

// Reads the bytes of the input one after the other; past the end it gives
// zeros, so that every input decodes to something.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return position_ >= size_; }

    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }

    template <typename T> T bits() {
        unsigned char raw[sizeof(T)] = {};
        for (unsigned char& b : raw) {
            b = byte();
        }
        T value;
        std::memcpy(&value, raw, sizeof value);
        return value;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace corvane::fuzz
