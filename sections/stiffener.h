#pragma once

// Moment of inertia and section modulus of a hull stiffener with its attached
// plating: three rectangles in one plane (plating strip, web, face plate),
// where the plating counts with an effective breadth that depends on the
// ratio of span to plate width.

#include <optional>

namespace corvane {

// The seven dimensions in millimetres, in the order of the entry fields.
struct StiffenerDimensions {
    double plateWidth = 0;         // 0: attached plate width b
    double plateThickness = 0;     // 1: attached plate thickness t_p
    double webHeight = 0;          // 2: clear web height h_w
    double webThickness = 0;       // 3: web thickness t_w
    double facePlateWidth = 0;     // 4: face plate width b_f
    double facePlateThickness = 0; // 5: face plate thickness t_f
    double span = 0;               // 6: attached plate length l, the span
};

struct StiffenerSectionResult {
    // Second moment of area of the whole section about its neutral axis (the
    // axis parallel to the plating through the centroid), cm4, rounded to
    // hundredths.
    double inertia = 0;
    // Section modulus at the face plate: the unrounded inertia divided by the
    // distance from the neutral axis to the face plate's mid-thickness line,
    // cm3, rounded to hundredths.
    double modulus = 0;
};

// The coefficient of the effective-breadth factor k = 0.3 (l/b)^(2/3).
inline constexpr double effectiveBreadthCoefficient = 0.3;

// Effective-breadth factor 0.3 (l/b)^(2/3), capped at 1: the plating never
// counts with more than its real breadth. Not finite when b is 0 or l/b < 0.
//
// The rule is the classification societies' simplified effective breadth of
// the plating attached to a stiffener under lateral load, the span-to-
// breadth fit to the shear-lag analysis of H. A. Schade, "The effective
// breadth of stiffened plating under bending loads", Transactions SNAME 59
// (1951). A rule book may tabulate the factor instead; the calculator keeps
// the closed form.
double effectiveBreadthFactor(double spanMetres, double plateWidthMetres);

// The plating's area as it counts in the section, cm2: the effective breadth
// k*b (b in metres) taken to centimetres, times the thickness in cm,
// evaluated as (((10 * k) * b) * t) * 10.
double effectivePlatingArea(double k, double plateWidthMetres, double plateThicknessCm);

// A plate's second moment about its own centroidal axis parallel to its
// width, ((1/12) * width) * height^3, cm4 from cm.
double plateOwnInertia(double widthCm, double heightCm);

// The unrounded quantities of the computation, in cm-based units.
struct StiffenerSectionDetail {
    double k = 0;                  // effective-breadth factor
    double plateArea = 0;          // effective area of the plating, cm2
    double area = 0;               // total area, cm2
    double firstMoment = 0;        // about the face plate's mid-thickness line, cm3
    double neutralAxis = 0;        // distance of the neutral axis from that line, cm
    double inertiaAtFacePlate = 0; // second moment about that line, cm4
    double inertia = 0;            // about the neutral axis, cm4
    double modulus = 0;            // cm3
};

// Every step of the computation, without checks or rounding.
StiffenerSectionDetail stiffenerSectionDetail(const StiffenerDimensions& mm);

// Empty when the section has no defined result: a plate width of 0, a
// negative span ratio, a total area of 0, a neutral axis on the face plate
// line, or any intermediate beyond the double range.
std::optional<StiffenerSectionResult> computeStiffenerSection(const StiffenerDimensions& mm);

} // namespace corvane
