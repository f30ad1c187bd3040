#include "builtup.h"

#include "rounding.h"

#include <cmath>

namespace corvane {

// Like the stiffener (stiffener.cpp), three rectangles about one line, but in
// this calculator's own order of operations, kept exactly: areas as
// thickness times width in centimetres, (a1 + a2) + a3, levers as
// (t1/2 + h) + t2/2, each own term as height³·(width·(1/12)). The last digit
// of a result on a rounding boundary depends on that order, so the two
// computations stay apart rather than share a routine with one order.
BuiltUpSectionDetail builtUpSectionDetail(const BuiltUpDimensions& mm) {
    const double b1 = mm.facePlate1Width / 10;
    const double t1 = mm.facePlate1Thickness / 10;
    const double h = mm.webHeight / 10;
    const double tw = mm.webThickness / 10;
    const double b2 = mm.facePlate2Width / 10;
    const double t2 = mm.facePlate2Thickness / 10;

    const double a1 = t1 * b1; // face plate 1
    const double a2 = tw * h;  // web
    const double a3 = t2 * b2; // face plate 2
    const double area = (a1 + a2) + a3;

    // Lever arms above face plate 2's mid-thickness line. Face plate 2 lies
    // on that line, so it adds area but neither first moment nor transfer
    // term; that is also why the modulus below refers to face plate 2.
    const double y1 = (t1 / 2 + h) + t2 / 2;
    const double y2 = h / 2 + t2 / 2;

    const double s = y1 * a1 + y2 * a2;
    const double e = s / area;

    // Each plate's own term is (width * (1/12)) * height^3, with the twelfth
    // formed once rather than divided out at the end.
    const double c = 1.0 / 12.0;
    const double i0 = std::pow(y1, 2) * a1 + std::pow(y2, 2) * a2 + std::pow(h, 3) * (tw * c) +
                      std::pow(t1, 3) * (b1 * c) + std::pow(t2, 3) * (b2 * c);
    const double inertia = i0 - s * e; // parallel-axis shift, as s * e = area * e^2
    const double modulus = inertia / e;

    return {area, s, e, i0, inertia, modulus};
}

std::optional<BuiltUpSectionResult> computeBuiltUpSection(const BuiltUpDimensions& mm) {
    const BuiltUpSectionDetail d = builtUpSectionDetail(mm);
    const BuiltUpSectionResult rounded{roundToHundredths(d.inertia), roundToHundredths(d.modulus)};
    // A zero area gives e = 0/0 and a zero first moment gives W = I/0; an
    // overflow anywhere reaches e, I or W, or the rounding's x * 100.
    for (const double value : {d.area, d.firstMoment, d.neutralAxis, d.inertiaAtFacePlate2,
                               d.inertia, d.modulus, rounded.inertia, rounded.modulus}) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return rounded;
}

} // namespace corvane
