#pragma once

// Constants the section computations share.

namespace corvane {

// Density of steel, g/cm3 (= t/m3). An area in cm2 times this density is
// grams per centimetre of length; divided by 10, kilograms per metre.
inline constexpr double steelDensity = 7.85;

// The circle constant as the pipe calculator writes it, to eight decimals
// rather than the full-precision value: the last digits of every pipe result
// follow from this literal, so everything said about a pipe uses it too.
inline constexpr double pipePi = 3.14159265;

} // namespace corvane
