#include "pipe.h"

#include "rounding.h"
#include "steel.h"

#include <cmath>

namespace corvane {

namespace {

constexpr double pi = pipePi;

} // namespace

PipeSectionResult pipeSectionDetail(double outerDiameterMm, double wallThicknessMm) {
    const double d = outerDiameterMm / 10;
    const double t = wallThicknessMm / 10;

    // Outer circle less inner circle, by their radii.
    const double area = pi * (std::pow(d / 2, 2) - std::pow(d / 2 - t, 2));
    const double inertia = pi * (std::pow(d, 4) - std::pow(d - 2 * t, 4)) / 64;
    const double radiusOfGyration = std::pow(inertia / area, 0.5);
    const double modulus = inertia / (d / 2);
    // The wall as mean circumference times thickness, in cm2; times the
    // density in g/cm3 that is grams per centimetre, and / 10 kilograms per
    // metre. Taken from D and t directly, not from the area above.
    const double massPerMetre = ((pi * (d - t)) * t) * steelDensity / 10;

    return {area, radiusOfGyration, inertia, modulus, massPerMetre};
}

std::optional<PipeSectionResult> computePipeSection(double outerDiameterMm,
                                                    double wallThicknessMm) {
    const PipeSectionResult p = pipeSectionDetail(outerDiameterMm, wallThicknessMm);
    const PipeSectionResult rounded{roundToHundredths(p.area),
                                    roundToHundredths(p.radiusOfGyration),
                                    roundToHundredths(p.inertia), roundToHundredths(p.modulus),
                                    roundToHundredths(p.massPerMetre)};
    // Rounding forms x * 100, which can overflow where x itself did not.
    for (const double value : {rounded.area, rounded.radiusOfGyration, rounded.inertia,
                               rounded.modulus, rounded.massPerMetre}) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return rounded;
}

} // namespace corvane
