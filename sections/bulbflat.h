#pragma once

// A rolled profile standing on its attached plating: a bulb flat (球扁钢,
// HP profile) or, as its degenerate case, a flat bar (扁钢).
//
// The bulb flat's outline, in mm, with the web's back face on x = 0, the toe
// (the edge welded to the plating) on y = 0 and the top of the bulb at y = h,
// followed clockwise round the steel:
// - the back face from (0, 0) up to (0, h);
// - the top edge from (0, h) to the start of the corner arc;
// - the convex corner arc of radius r centred at (t + c - r, h - r), from
//   straight up (90 deg) down to -60 deg, where its tangent falls at 30 deg;
// - the flank, falling towards the web at 30 deg to the horizontal;
// - the concave fillet of radius r, tangent to the flank and to the web's
//   face x = t;
// - the web's face down to (t, 0), and the toe back to (0, 0).
// c is how far the bulb stands out beyond the web's face: the corner arc
// reaches x = t + c. The flank, produced, meets the web's face at the bulb's
// depth (c + r) tan 30 + r below the top. The bulb therefore does not depend
// on t: a thicker profile is the same bulb moved out by the extra thickness.
//
// Area, first and second moments are integrated in closed form over the
// straight edges and circular arcs of the outline (Green's theorem round the
// boundary); nothing is approximated by a polygon.

#include <optional>
#include <variant>
#include <vector>

namespace corvane {

enum class ProfileKind {
    BulbFlat, // 球扁钢
    FlatBar,  // 扁钢: the rectangle h x t
};

// The profile's shape, in mm.
struct ProfileShape {
    ProfileKind kind = ProfileKind::FlatBar;
    double height = 0;       // h, from the toe to the top of the bulb
    double thickness = 0;    // t, of the web
    double bulbStandOut = 0; // c, bulb flat only
    double bulbRadius = 0;   // r of the corner arc and of the fillet, bulb flat only
};

ProfileShape flatBarShape(double heightMm, double thicknessMm);

// ---------------------------------------------------------------------------
// The outline

struct OutlinePoint {
    double x = 0; // mm from the back face
    double y = 0; // mm above the toe
};

// One piece of the outline. A line runs straight from `from` to `to`; an arc
// runs on the circle (centre, radius) from the angle startAngle to endAngle
// (radians, counterclockwise from +x; an end below the start runs clockwise),
// which put it at `from` and `to`.
struct OutlinePiece {
    enum class Kind { Line, Arc };
    Kind kind = Kind::Line;
    OutlinePoint from;
    OutlinePoint to;
    OutlinePoint centre;   // arc only
    double radius = 0;     // arc only
    double startAngle = 0; // arc only
    double endAngle = 0;   // arc only
};

// The closed outline in the order above, each piece starting where the one
// before ends: 7 pieces for the bulb flat (back face, top edge, corner arc,
// flank, fillet, web face, toe - pieces of zero length left out), 4 for the
// flat bar. Empty when the shape is not defined (see profileProperties).
std::vector<OutlinePiece> profileOutline(const ProfileShape& shape);

// Area and moments of the region a closed outline encloses, in mm, about the
// toe line y = 0 and the back face x = 0. Either direction round the
// outline gives the same, positive, area.
struct AreaMoments {
    double area = 0;          // A, mm2
    double firstMomentX = 0;  // integral of y dA, about the toe line, mm3
    double firstMomentY = 0;  // integral of x dA, about the back face, mm3
    double secondMomentX = 0; // integral of y^2 dA, mm4
    double secondMomentY = 0; // integral of x^2 dA, mm4
};

// Sums the closed-form boundary integral of every piece.
AreaMoments enclosedMoments(const std::vector<OutlinePiece>& outline);

// ---------------------------------------------------------------------------
// The profile alone

// In the units of the section tables, unrounded.
struct ProfileProperties {
    double area = 0;           // A, cm2
    double centroidHeight = 0; // e of the centroid above the toe, cm
    double centroidX = 0;      // centroid's distance from the back face, cm
    double leverFromTop = 0;   // the centroid's distance below the top, cm
    double inertia = 0;        // I about the own neutral axis parallel to the toe, cm4
    double modulusAtToe = 0;   // I / e, cm3
    double modulusAtTop = 0;   // I / (h - e), cm3
    double massPerMetre = 0;   // steel of 7.85 t/m3, kg/m
};

// Empty when the shape is not defined: h or t not above 0, c or r negative,
// c below r (a flank of negative length), a bulb deeper than h, any
// dimension or result not finite. A flat bar's area, lever and own inertia
// are formed exactly as the hull calculator forms its web's (h/10 * t/10,
// h/20 as (h/10)/2, (1/12 * t) * h^3 in cm), so that a flat bar with plating
// agrees with it to the last bit.
std::optional<ProfileProperties> profileProperties(const ProfileShape& shape);

// ---------------------------------------------------------------------------
// The profile with its attached plating

// In millimetres, as the window takes them.
struct PlatedProfileDimensions {
    ProfileShape profile;
    double plateWidth = 0;     // b
    double plateThickness = 0; // t_p
    double span = 0;           // l
};

// Every quantity unrounded, in cm-based units, measured downward from the
// top of the bulb (the hull calculator's reference line is its face plate's
// mid-thickness line, which with no face plate is the web's free edge: the
// same line for a flat bar).
struct PlatedProfileDetail {
    ProfileProperties profile;
    double k = 0;                      // effective-breadth factor
    double effectiveBreadth = 0;       // k * b, mm
    double plateArea = 0;              // effective area of the plating, cm2
    double area = 0;                   // profile plus effective plating, cm2
    double firstMoment = 0;            // about the top of the bulb, cm3
    double neutralAxisFromTop = 0;     // cm
    double neutralAxisFromPlating = 0; // from the plating's outer surface, cm
    double inertiaAtTop = 0;           // about the top of the bulb, cm4
    double inertia = 0;                // about the neutral axis, cm4
    double topModulus = 0;             // at the top of the bulb, cm3
    double platingModulus = 0;         // at the plating's outer surface, cm3
    double minModulus = 0;             // the smaller, cm3
};

// What the window shows, each rounded to hundredths.
struct PlatedProfileResult {
    double area = 0;                   // A used, cm2
    double neutralAxisFromPlating = 0; // cm
    double inertia = 0;                // cm4
    double topModulus = 0;             // W at the top of the bulb, cm3
    double platingModulus = 0;         // W at the plating's outer surface, cm3
    double minModulus = 0;             // the smaller of the two, cm3
    double massPerMetre = 0;           // the profile alone, kg/m
};

// Every step, unchecked. Empty only when the profile's shape is undefined.
std::optional<PlatedProfileDetail> platedProfileDetail(const PlatedProfileDimensions& mm);

// Empty when the input or the section has no defined result: an undefined
// profile, a plate width not above 0, a negative plate thickness or span, a
// dimension that is not finite, or any result beyond the double range.
std::optional<PlatedProfileResult> computePlatedProfile(const PlatedProfileDimensions& mm);

// ---------------------------------------------------------------------------
// Net scantlings

// Why a corrosion deduction leaves no net section.
struct PlatedProfileNetRefusal {
    enum class Reason {
        BadDeduction,    // negative or not finite
        ProfileConsumed, // t minus the deduction is at or below 0
        PlatingConsumed, // t_p minus the deduction is at or below 0
    };
    Reason reason = Reason::BadDeduction;
    double thickness = 0; // the gross thickness consumed, mm
};

// The profile's t and the plating's t_p each reduced by the deduction (mm);
// h, c, r, b and l kept, so a net bulb flat is the same shape at t - dt.
// Plating of zero thickness stays as it is. When both are consumed the
// thinner is named, the profile on a tie.
std::variant<PlatedProfileDimensions, PlatedProfileNetRefusal>
netPlatedProfile(const PlatedProfileDimensions& gross, double deduction);

} // namespace corvane
