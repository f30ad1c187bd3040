#pragma once

// Everything a designer checks about one of the three sections beyond the
// two or five numbers of its calculator window: the section as drawn (a list
// of rectangles, or a ring), the plate-by-plate working table, the moduli at
// both extreme fibres, masses per metre, and the same properties after a
// corrosion deduction (net scantlings).
//
// Plain C++, no Qt: the details window, the calculation sheet and the batch
// tool all read the same numbers from here.
//
// Where the numbers come from. The neutral axis e, the inertia I and the
// modulus W are those of the calculator's own computation
// (stiffenerSectionDetail, builtUpSectionDetail, pipeSectionDetail), and the
// rounded results are exactly what computeStiffenerSection and its siblings
// return, so a window and its details can never disagree. The working rows
// are the textbook decomposition of that same section, plate by plate; they
// add up to the computation's numbers: sum(A_i y_i) / A = e and
// sum(A_i y_i^2) + sum(I0_i) - A e^2 = I, to rounding error.
//
// Frames and units.
// - Geometry is in millimetres, x across the section with the web (or the
//   pipe's centre) on x = 0, y upward from the reference line: the line the
//   calculator's modulus refers to. For the stiffener that is the face
//   plate's mid-thickness line, with the web above it and the plating on top;
//   for the built-up profile the mid-thickness line of face plate 2, with
//   face plate 1 on top; for the pipe the horizontal diameter.
// - The working table is in centimetre units (cm2, cm, cm3, cm4), like the
//   calculators; masses in kg per metre; the pipe's inner diameter in mm and
//   its outer surface in m2 per metre.

#include "builtup.h"
#include "bulbflat.h"
#include "sectionkind.h"
#include "stiffener.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane {

// The pipe's two dimensions in millimetres, in the order of its entry fields.
struct PipeDimensions {
    double outerDiameter = 0; // 0: D
    double wallThickness = 0; // 1: t
};

// The dimensions of one section, in millimetres, exactly as its calculator
// takes them; the alternatives in SectionKind order.
// A plated profile's entries are h, t, b, t_p, l and the bulb's c and r; c
// and r both 0 make it a flat bar.
using SectionDimensions =
    std::variant<StiffenerDimensions, BuiltUpDimensions, PipeDimensions, PlatedProfileDimensions>;

SectionKind sectionKind(const SectionDimensions& dimensions);

// The dimensions from the millimetres a calculator window read from its entry
// fields, in field-index order (7 for the stiffener, 6 for the built-up
// profile, 2 for the pipe: one per input of the kind's description). Empty
// when the count does not fit the kind.
std::optional<SectionDimensions> sectionDimensions(SectionKind kind,
                                                   const std::vector<double>& entries);
// The other way round: the millimetres in input order.
std::vector<double> sectionEntries(const SectionDimensions& dimensions);

// ---------------------------------------------------------------------------
// Geometry

// The plate's name as the program writes it, UTF-8: "带板", "腹板", "面板",
// "面板1", "面板2", "管壁" (from the kinds' descriptions).
std::string_view plateName(PlateRole role);

// One rectangle, in mm, in the frame above.
struct PlateRect {
    PlateRole role = PlateRole::Web;
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;

    double width() const { return right - left; }
    double thickness() const { return top - bottom; } // the vertical extent
    // A plate of zero width or zero height takes no part in the section (a
    // T-profile's missing face plate); it is neither drawn nor deducted.
    bool present() const { return platePresent(width(), thickness()); }
};

// The pipe wall, centred on (0, 0), in mm.
struct SectionRing {
    double outerDiameter = 0;
    double innerDiameter = 0; // D - 2t
};

struct SectionGeometry {
    SectionKind kind = SectionKind::Stiffener;
    // Every plate of the section in working-table order, present or not
    // (check present()); empty for the pipe. The stiffener: plating, web,
    // face plate. The built-up profile: face plate 1, web, face plate 2.
    std::vector<PlateRect> plates;
    std::optional<SectionRing> ring; // the pipe only
    // Plated profile only: the profile's outline in this frame (lines and
    // circular arcs), which the drawing follows instead of the profile's
    // bounding rectangle in `plates`.
    std::vector<OutlinePiece> profileOutline;
    std::string profileName; // "HP 200×10", "FB 200×10"; plated profile only

    // Stiffener only: the breadth k*b the plating counts with (mm), centred
    // on the web and lying within the plating strip; k itself.
    double effectiveBreadth = 0;
    double effectiveBreadthFactor = 0;

    // Heights in mm, in the frame above.
    double referenceLine = 0; // always 0: the line the calculator's modulus refers to
    double neutralAxis = 0;   // the computation's e, converted to mm
    double topFibre = 0;      // the highest edge of a present plate (pipe: D/2)
    double bottomFibre = 0;   // the lowest (pipe: -D/2)

    // The smallest rectangle holding everything drawn, in mm.
    double minX = 0;
    double maxX = 0;
    double minY = 0;
    double maxY = 0;
};

// ---------------------------------------------------------------------------
// Working table and properties

// One plate's line of the working table. Area and own moment are what the
// computation used: for the stiffener's plating that is its effective area
// (k*b*t) but its own moment at the full breadth (b*t^3/12) - see
// SectionProperties::platingOwnMomentAtFullBreadth.
struct WorkingRow {
    PlateRole role = PlateRole::Web;
    double area = 0;        // A_i, cm2
    double lever = 0;       // y_i, centroid above the reference line, cm
    double firstMoment = 0; // A_i y_i, cm3
    double transfer = 0;    // A_i y_i^2, cm4
    double ownInertia = 0;  // I0_i about the plate's own centroidal axis, cm4
};

struct SectionProperties {
    SectionKind kind = SectionKind::Stiffener;
    std::vector<WorkingRow> rows; // one per plate, in geometry order
    WorkingRow total;             // the column sums (lever: 0, not a sum)

    double area = 0;        // A the computation used, cm2 (= total.area)
    double neutralAxis = 0; // e above the reference line, cm (pipe: 0)
    double inertia = 0;     // I about the neutral axis, unrounded, cm4
    double modulus = 0;     // the calculator's W, unrounded, cm3

    // The calculator's results exactly as its window shows them (rounded to
    // hundredths): the stiffener and the built-up profile fill I and W, the
    // pipe A, i, I, W and m.
    SectionResults shown;

    // Distances from the neutral axis to the two extreme fibres (cm) and the
    // moduli there (cm3). Top: the plating's outer surface (stiffener), face
    // plate 1's outer surface (built-up profile). Bottom: the face plate's
    // outer surface, face plate 2's. For the pipe both are D/2 and both
    // moduli equal W. A modulus that cannot be formed (a fibre on the neutral
    // axis) is not finite; check std::isfinite before showing it.
    double topFibreDistance = 0;
    double bottomFibreDistance = 0;
    double topModulus = 0;
    double bottomModulus = 0;
    double minModulus = 0; // the smaller of the two

    double radiusOfGyration = 0; // sqrt(I / A), cm, with the A the computation used

    // Masses per metre of steel (7.85 t/m3) from the real plate areas, kg/m.
    // Profile: web and face plates (the pipe: the whole wall, the pipe
    // calculator's own unrounded m). Plating: the strip at its full breadth,
    // stiffener only (0 otherwise).
    double profileMassPerMetre = 0;
    double platingMassPerMetre = 0;

    // Stiffener only: the effective-breadth factor k and the breadth k*b (mm).
    double effectiveBreadthFactor = 0;
    double effectiveBreadth = 0;
    // Stiffener only: the plating's area uses the effective breadth while its
    // own moment uses the full breadth; a table should say so.
    bool platingOwnMomentAtFullBreadth = false;

    // Pipe only: inner diameter D - 2t (mm) and outer surface per metre of
    // pipe (m2/m).
    double innerDiameter = 0;
    double outerSurfacePerMetre = 0;
};

// ---------------------------------------------------------------------------
// Net scantlings

// Why a corrosion deduction leaves no net section.
struct NetRefusal {
    enum class Reason {
        PlateConsumed, // a plate's thickness minus the deduction is at or below zero
        Undefined,     // the reduced section has no defined result
        BadDeduction,  // the deduction is negative or not a finite number
    };
    Reason reason = Reason::PlateConsumed;
    PlateRole plate = PlateRole::Web; // PlateConsumed: the thinnest such plate
    double thickness = 0;             // PlateConsumed: its gross thickness, mm
};

// The dimensions with every thickness reduced by `deduction` mm (plating,
// web, face plates; the pipe wall from the inside, its outer diameter kept),
// widths, heights and the span unchanged. A plate that is not present (zero
// width or thickness) stays as it is. A deduction of 0 returns the
// dimensions unchanged.
std::variant<SectionDimensions, NetRefusal> netDimensions(const SectionDimensions& gross,
                                                          double deduction);

// ---------------------------------------------------------------------------
// The routines

// The section as drawn. Empty when the calculator's computation has no
// defined result for these dimensions (its window would refuse them too).
std::optional<SectionGeometry> sectionGeometry(const SectionDimensions& dimensions);

// The working table and every property. Empty exactly when the calculator's
// computation is (the same inputs its window refuses).
std::optional<SectionProperties> sectionProperties(const SectionDimensions& dimensions);

// All of it at once, gross and net: what the details window and the
// calculation sheet show. `net` holds the net properties when the deduction
// leaves a section, `refusal` says why not otherwise; with a deduction of 0
// the net properties equal the gross ones exactly.
struct SectionDetails {
    SectionDimensions dimensions;
    SectionGeometry geometry;
    SectionProperties gross;
    double deduction = 0; // mm
    std::optional<SectionDimensions> netDimensions;
    std::optional<SectionProperties> net;
    std::optional<NetRefusal> refusal;
};

std::optional<SectionDetails> sectionDetails(const SectionDimensions& dimensions,
                                             double deduction = 0);

// The one rule for showing net values beside the gross ones (a net column,
// net rows of the working table): a deduction above 0 that leaves a net
// section. At a deduction of 0 the net section is the gross one, and a second
// column would only repeat it.
bool showsNet(const SectionDetails& details);

} // namespace corvane
