#pragma once

namespace corvane {

// Half-up rounding at the second decimal: floor(x * 100 + 0.5) / 100 in
// double arithmetic, so 0.125 becomes 0.13 and -0.125 becomes -0.12. Every
// result the section calculators show passes through it.
double roundToHundredths(double x);

// The value the section details show for a derived quantity: rounded to
// hundredths like the calculators' results, except where forming x * 100
// overflows a finite x, which is then shown as it is. Non-finite values pass
// through for the caller to show as missing.
double detailRounding(double x);

// A height in metres to the millimetre, as the hull girder's working table
// writes its levers: half-up at the third decimal, floor(x * 1000 + 0.5) /
// 1000; a finite x whose x * 1000 overflows, and a value that is not
// finite, pass through as they are.
double levelRounding(double x);

} // namespace corvane
