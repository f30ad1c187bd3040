#pragma once

// Cross-section properties of a round steel pipe from its outer diameter and
// wall thickness. The inner diameter D - 2t is never entered.

#include <optional>

namespace corvane {

// In the order of the result fields. computePipeSection returns each rounded
// to hundredths; pipeSectionDetail gives them unrounded.
struct PipeSectionResult {
    double area = 0;             // cross-sectional area A, cm2
    double radiusOfGyration = 0; // i = sqrt(I / A) from the unrounded I and A, cm
    double inertia = 0;          // second moment I about a diameter, cm4
    double modulus = 0;          // W = I / (D / 2), at the outer surface, cm3
    double massPerMetre = 0;     // steel of 7.85 g/cm3, kg per metre of pipe
};

// Every step of the computation, from millimetres, without checks or
// rounding.
PipeSectionResult pipeSectionDetail(double outerDiameterMm, double wallThicknessMm);

// Empty when the section has no defined result: a zero area (t = 0 or t = D)
// leaves i as 0/0, an outer diameter of 0 leaves W as I/0; likewise any
// quantity beyond the double range.
std::optional<PipeSectionResult> computePipeSection(double outerDiameterMm, double wallThicknessMm);

} // namespace corvane
