#pragma once

namespace corvane {

// Half-up rounding at the second decimal: floor(x * 100 + 0.5) / 100 in
// double arithmetic, so 0.125 becomes 0.13 and -0.125 becomes -0.12. Every
// result the section calculators show passes through it.
double roundToHundredths(double x);

} // namespace corvane
