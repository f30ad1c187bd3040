#include "stiffener.h"

#include "rounding.h"

#include <algorithm>
#include <cmath>

namespace corvane {

double effectiveBreadthFactor(double spanMetres, double plateWidthMetres) {
    const double k =
        effectiveBreadthCoefficient * std::pow(spanMetres / plateWidthMetres, 2.0 / 3.0);
    // The factor reaches 1 at l/b = (1/0.3)^1.5, about 6.09; beyond that the
    // effective breadth stays the full breadth instead of exceeding it, which
    // would overstate the section modulus of long spans.
    return std::isfinite(k) ? std::min(k, 1.0) : k;
}

double effectivePlatingArea(double k, double plateWidthMetres, double plateThicknessCm) {
    return 10 * k * plateWidthMetres * plateThicknessCm * 10;
}

double plateOwnInertia(double widthCm, double heightCm) {
    const double twelfth = 1.0 / 12.0;
    return twelfth * widthCm * std::pow(heightCm, 3);
}

// The built-up profile (builtup.cpp) sums three rectangles the same way, but
// the two are deliberately not one routine: each keeps the exact sequence of
// operations of its own calculator. Here the plating's area comes from the
// factor and the width in metres, ((10·k·b)·t_p)·10, and the levers are
// h_w + t_p/2 + t_f/2; there the areas are formed in centimetres and the
// levers as (t1/2 + h) + t2/2. Another grouping of the same products and sums
// rounds differently in the last bit, and a result on a rounding boundary
// (x.xx5) would then show another last digit than the window always has.
StiffenerSectionDetail stiffenerSectionDetail(const StiffenerDimensions& mm) {
    // The plate width enters twice: in metres in the span ratio and the plate
    // area, in centimetres in the plate's own second moment.
    const double b = mm.plateWidth / 1000;
    const double bc = mm.plateWidth / 10;
    const double tp = mm.plateThickness / 10;
    const double hw = mm.webHeight / 10;
    const double tw = mm.webThickness / 10;
    const double bf = mm.facePlateWidth / 10;
    const double tf = mm.facePlateThickness / 10;
    const double l = mm.span / 1000;

    const double k = effectiveBreadthFactor(l, b);

    // Only the plating's area is corrected: its effective breadth k*b, taken
    // from metres to centimetres, times its thickness.
    const double ap = effectivePlatingArea(k, b, tp);
    const double aw = hw * tw;
    const double af = bf * tf;
    const double area = ap + aw + af;

    // Lever arms from the face plate's mid-thickness line towards the plating;
    // the face plate itself lies on that line and adds no first moment.
    const double dp = hw + tp / 2 + tf / 2;
    const double dw = hw / 2 + tf / 2;

    const double s = ap * dp + aw * dw;
    const double e = s / area;

    // Each plate's own term is ((1/12) * width) * height^3; the plating's uses
    // its full width, not the effective one.
    const double i0 = ap * std::pow(dp, 2) + aw * std::pow(dw, 2) + plateOwnInertia(tw, hw) +
                      plateOwnInertia(bc, tp) + plateOwnInertia(bf, tf);
    const double inertia = i0 - e * s; // parallel-axis shift, as s = area * e
    const double modulus = inertia / e;

    return {k, ap, area, s, e, i0, inertia, modulus};
}

std::optional<StiffenerSectionResult> computeStiffenerSection(const StiffenerDimensions& mm) {
    const StiffenerSectionDetail d = stiffenerSectionDetail(mm);
    const StiffenerSectionResult rounded{roundToHundredths(d.inertia),
                                         roundToHundredths(d.modulus)};
    // A zero plate width or a negative span ratio spoils k, a zero area e, a
    // neutral axis on the face plate line W; an overflow anywhere reaches I or
    // W, or the rounding's x * 100.
    for (const double value :
         {d.k, d.neutralAxis, d.inertia, d.modulus, rounded.inertia, rounded.modulus}) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return rounded;
}

} // namespace corvane
