#pragma once

// Moment of inertia and section modulus of a profile welded from three
// rectangular plates stacked on one vertical axis, from top to bottom: face
// plate 1, the web, face plate 2. I-beams of all kinds, and T-profiles with
// one face plate at zero.

#include <optional>

namespace corvane {

// The six dimensions in millimetres, in the order of the entry fields. A zero
// dimension removes that plate's contribution.
struct BuiltUpDimensions {
    double facePlate1Width = 0;     // 0: b1
    double facePlate1Thickness = 0; // 1: t1
    double webHeight = 0;           // 2: h, clear height between the face plates
    double webThickness = 0;        // 3: tw
    double facePlate2Width = 0;     // 4: b2
    double facePlate2Thickness = 0; // 5: t2
};

struct BuiltUpSectionResult {
    // Second moment of area about the profile's own neutral axis, cm4,
    // rounded to hundredths.
    double inertia = 0;
    // Section modulus referred to the mid-thickness line of face plate 2: the
    // unrounded inertia divided by that line's distance from the neutral
    // axis, cm3, rounded to hundredths. Not the outer-fibre modulus.
    double modulus = 0;
};

// The unrounded quantities of the computation, measured upward from the
// mid-thickness line of face plate 2, in cm-based units.
struct BuiltUpSectionDetail {
    double area = 0;                // total area, cm2
    double firstMoment = 0;         // about face plate 2's mid-thickness line, cm3
    double neutralAxis = 0;         // height e of the neutral axis above that line, cm
    double inertiaAtFacePlate2 = 0; // second moment about that line, cm4
    double inertia = 0;             // about the neutral axis, cm4
    double modulus = 0;             // cm3
};

// Every step of the computation, without checks or rounding.
BuiltUpSectionDetail builtUpSectionDetail(const BuiltUpDimensions& mm);

// Empty when the section has no defined result: a total area of 0, a first
// moment of 0 (the neutral axis on face plate 2's line, as for a bare face
// plate 2), or any quantity beyond the double range.
std::optional<BuiltUpSectionResult> computeBuiltUpSection(const BuiltUpDimensions& mm);

} // namespace corvane
