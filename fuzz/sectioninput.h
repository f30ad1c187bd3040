#pragma once

// Entry values for the section computations, decoded from the fuzz input.
// Each value starts with a byte that chooses its kind, so that short inputs
// reach whole millimetres as the entry fields hold them as well as the far
// ends of the double range: a text read with Val (never a NaN, possibly
// infinite) or raw bits.

#include "fuzzcheck.h"
#include "numtext.h"
#include "rounding.h"

namespace corvane::fuzz {

inline double entryValue(ByteReader& input) {
    switch (input.byte() % 4) {
    case 0: // whole millimetres
        return input.byte() | (input.byte() << 8);
    case 1: { // a decimal text as typed, up to ';'
        std::string text;
        while (!input.atEnd()) {
            const char c = static_cast<char>(input.byte());
            if (c == ';') {
                break;
            }
            text.push_back(c);
        }
        return Val(text);
    }
    case 2: { // hundredths of a millimetre, also negative
        const auto raw = input.bits<std::int32_t>();
        return raw / 100.0;
    }
    default: { // any double that Val can give: NaN becomes infinity
        const auto value = input.bits<double>();
        return std::isnan(value) ? HUGE_VAL : value;
    }
    }
}

// A result shown in a result field: finite, already at hundredths, and the
// rounding of the unrounded value the detailed computation gives.
inline void checkResult(double shown, double unrounded, const char* name,
                        const std::string& inputs) {
    const auto what = [&] { return std::string(name) + " = " + exact(shown) + " for " + inputs; };
    check(std::isfinite(shown), [&] { return what() + ": not finite"; });
    const std::string text = Str(shown);
    check(text.find_first_of("naifNAIF") == std::string::npos,
          [&] { return what() + ": shows " + text; });
    check(sameBits(roundToHundredths(unrounded), shown),
          [&] { return what() + ": not the rounding of the unrounded " + exact(unrounded); });
}

inline std::string listed(std::initializer_list<double> values) {
    std::string text;
    for (const double v : values) {
        text += (text.empty() ? "" : ", ") + exact(v);
    }
    return text;
}

} // namespace corvane::fuzz
