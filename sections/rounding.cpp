#include "rounding.h"

#include <cmath>

namespace corvane {

double roundToHundredths(double x) {
    return std::floor(x * 100.0 + 0.5) / 100.0;
}

} // namespace corvane
