#pragma once

// Comparing computed doubles in tests, for the window tests and the Qt-free
// tests alike: within `relative` of the expected value's magnitude, or within
// `absolute`, whichever is larger.

#include <algorithm>
#include <cmath>

namespace corvane::test {

inline bool near(double actual, double expected, double relative = 1e-12, double absolute = 0) {
    return std::fabs(actual - expected) <= std::max(absolute, relative * std::fabs(expected));
}

} // namespace corvane::test
