#include "rounding.h"

#include <cmath>

namespace corvane {

double roundToHundredths(double x) {
    return std::floor(x * 100.0 + 0.5) / 100.0;
}

double detailRounding(double x) {
    const double rounded = roundToHundredths(x);
    return std::isfinite(rounded) || !std::isfinite(x) ? rounded : x;
}

double levelRounding(double x) {
    const double rounded = std::floor(x * 1000.0 + 0.5) / 1000.0;
    return std::isfinite(rounded) || !std::isfinite(x) ? rounded : x;
}

} // namespace corvane
