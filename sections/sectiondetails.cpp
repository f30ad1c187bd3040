#include "sectiondetails.h"

#include "hpprofiles.h"

#include "pipe.h"
#include "steel.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace corvane {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// A rectangle centred on the web's axis, from its width and its bottom and
// top heights (mm).
PlateRect centred(PlateRole role, double width, double bottom, double top) {
    return {role, -width / 2, width / 2, bottom, top};
}

// The stiffener as the computation sees it: the face plate centred on the
// reference line, the web standing on the face plate's upper surface, the
// plating on the web's upper edge.
std::vector<PlateRect> stiffenerPlates(const StiffenerDimensions& mm) {
    const double webFoot = mm.facePlateThickness / 2;
    const double webHead = webFoot + mm.webHeight;
    return {
        centred(PlateRole::AttachedPlating, mm.plateWidth, webHead, webHead + mm.plateThickness),
        centred(PlateRole::Web, mm.webThickness, webFoot, webHead),
        centred(PlateRole::FacePlate, mm.facePlateWidth, -webFoot, webFoot),
    };
}

// The built-up profile: face plate 2 centred on the reference line, the web
// on it, face plate 1 on the web.
std::vector<PlateRect> builtUpPlates(const BuiltUpDimensions& mm) {
    const double webFoot = mm.facePlate2Thickness / 2;
    const double webHead = webFoot + mm.webHeight;
    return {
        centred(PlateRole::FacePlate1, mm.facePlate1Width, webHead,
                webHead + mm.facePlate1Thickness),
        centred(PlateRole::Web, mm.webThickness, webFoot, webHead),
        centred(PlateRole::FacePlate2, mm.facePlate2Width, -webFoot, webFoot),
    };
}

// A rectangle's line of the working table, in centimetre units.
WorkingRow rectangleRow(const PlateRect& plate) {
    const double width = plate.width() / 10;
    const double height = plate.thickness() / 10;
    WorkingRow row;
    row.role = plate.role;
    row.area = width * height;
    row.lever = (plate.bottom + plate.top) / 2 / 10;
    row.ownInertia = width * std::pow(height, 3) / 12;
    return row;
}

void completeRows(SectionProperties& p) {
    WorkingRow total;
    for (WorkingRow& row : p.rows) {
        row.firstMoment = row.area * row.lever;
        row.transfer = row.firstMoment * row.lever;
        total.area += row.area;
        total.firstMoment += row.firstMoment;
        total.transfer += row.transfer;
        total.ownInertia += row.ownInertia;
    }
    p.total = total;
}

double massPerMetre(double areaCm2) {
    return areaCm2 * steelDensity / 10;
}

// The heights of the highest and lowest edges of the present plates (mm).
std::pair<double, double> fibreHeights(const std::vector<PlateRect>& plates) {
    double top = 0;
    double bottom = 0;
    bool any = false;
    for (const PlateRect& plate : plates) {
        if (!plate.present()) {
            continue;
        }
        const double high = std::max(plate.bottom, plate.top);
        const double low = std::min(plate.bottom, plate.top);
        top = any ? std::max(top, high) : high;
        bottom = any ? std::min(bottom, low) : low;
        any = true;
    }
    return {top, bottom};
}

// Extreme fibres and the moduli there, for a section of rectangles whose
// neutral axis and inertia are already set.
void fibres(SectionProperties& p, const std::vector<PlateRect>& plates) {
    const auto [top, bottom] = fibreHeights(plates);
    p.topFibreDistance = top / 10 - p.neutralAxis;
    p.bottomFibreDistance = p.neutralAxis - bottom / 10;
    p.topModulus = p.inertia / p.topFibreDistance;
    p.bottomModulus = p.inertia / p.bottomFibreDistance;
    p.minModulus = std::min(p.topModulus, p.bottomModulus);
}

// The working rows of a section made of plates, one rectangle each.
SectionProperties plateRows(SectionKind kind, const std::vector<PlateRect>& plates) {
    SectionProperties p;
    p.kind = kind;
    for (const PlateRect& plate : plates) {
        p.rows.push_back(rectangleRow(plate));
    }
    return p;
}

// Sums the rows, then takes e, I and W from the calculator's own computation
// (the rows add up to them, to rounding error) and forms what follows from
// them: the fibre moduli and the radius of gyration.
void aboutTheSeededAxis(SectionProperties& p, const std::vector<PlateRect>& plates,
                        double neutralAxis, double inertia, double modulus) {
    completeRows(p);
    p.area = p.total.area;
    p.neutralAxis = neutralAxis;
    p.inertia = inertia;
    p.modulus = modulus;
    fibres(p, plates);
    p.radiusOfGyration = std::sqrt(p.inertia / p.area);
}

std::optional<SectionProperties> stiffenerProperties(const StiffenerDimensions& mm) {
    const auto seeded = computeStiffenerSection(mm);
    if (!seeded) {
        return std::nullopt;
    }
    const StiffenerSectionDetail d = stiffenerSectionDetail(mm);
    const std::vector<PlateRect> plates = stiffenerPlates(mm);

    SectionProperties p = plateRows(SectionKind::Stiffener, plates);
    // The plating counts with its effective breadth in the area (and so in
    // the first and transfer moments) but with its full breadth in its own
    // moment, as the computation takes it.
    const double platingArea = p.rows[0].area;
    p.rows[0].area = d.plateArea;
    p.platingOwnMomentAtFullBreadth = true;
    aboutTheSeededAxis(p, plates, d.neutralAxis, d.inertia, d.modulus);
    p.shown.inertia = seeded->inertia;
    p.shown.modulus = seeded->modulus;
    p.profileMassPerMetre = massPerMetre(p.rows[1].area + p.rows[2].area);
    p.platingMassPerMetre = massPerMetre(platingArea);
    p.effectiveBreadthFactor = d.k;
    p.effectiveBreadth = d.k * mm.plateWidth;
    return p;
}

std::optional<SectionProperties> builtUpProperties(const BuiltUpDimensions& mm) {
    const auto seeded = computeBuiltUpSection(mm);
    if (!seeded) {
        return std::nullopt;
    }
    const BuiltUpSectionDetail d = builtUpSectionDetail(mm);
    const std::vector<PlateRect> plates = builtUpPlates(mm);

    SectionProperties p = plateRows(SectionKind::BuiltUp, plates);
    aboutTheSeededAxis(p, plates, d.neutralAxis, d.inertia, d.modulus);
    p.shown.inertia = seeded->inertia;
    p.shown.modulus = seeded->modulus;
    p.profileMassPerMetre = massPerMetre(p.area);
    return p;
}

std::optional<SectionProperties> pipeProperties(const PipeDimensions& mm) {
    const auto seeded = computePipeSection(mm.outerDiameter, mm.wallThickness);
    if (!seeded) {
        return std::nullopt;
    }
    const PipeSectionResult d = pipeSectionDetail(mm.outerDiameter, mm.wallThickness);

    SectionProperties p;
    p.kind = SectionKind::Pipe;
    // One ring about its own centre: no lever arm, its own moment is the
    // whole inertia.
    WorkingRow wall;
    wall.role = PlateRole::PipeWall;
    wall.area = d.area;
    wall.ownInertia = d.inertia;
    p.rows = {wall};
    completeRows(p);

    p.area = d.area;
    p.inertia = d.inertia;
    p.modulus = d.modulus;
    p.shown = {seeded->area, seeded->radiusOfGyration, seeded->inertia, seeded->modulus,
               seeded->massPerMetre};
    // The calculator's modulus already is the outer-fibre modulus, at D/2 on
    // either side.
    p.topFibreDistance = mm.outerDiameter / 10 / 2;
    p.bottomFibreDistance = p.topFibreDistance;
    p.topModulus = d.modulus;
    p.bottomModulus = d.modulus;
    p.minModulus = d.modulus;
    p.radiusOfGyration = d.radiusOfGyration;
    p.profileMassPerMetre = d.massPerMetre;
    p.innerDiameter = mm.outerDiameter - 2 * mm.wallThickness;
    p.outerSurfacePerMetre = pipePi * (mm.outerDiameter / 1000);
    return p;
}

// The plated profile with its bulb's top on the reference line, the profile
// standing on it with the web centred on x = 0 and the plating on the toe:
// the hull stiffener's frame, in which a flat bar's free edge is the
// reference line too. The profile's rectangle is its bounding box, from the
// back face to the bulb's outer edge (the drawing takes the outline itself);
// the working table takes the profile's own area and centroid.
std::vector<PlateRect> platedProfilePlates(const PlatedProfileDimensions& mm) {
    const ProfileShape& shape = mm.profile;
    const double h = shape.height;
    const double halfWeb = shape.thickness / 2;
    const double reach =
        shape.kind == ProfileKind::BulbFlat ? halfWeb + shape.bulbStandOut : halfWeb;
    return {
        {PlateRole::Profile, -halfWeb, reach, 0, h},
        centred(PlateRole::AttachedPlating, mm.plateWidth, h, h + mm.plateThickness),
    };
}

// The profile's outline moved into the section's frame: its back face on
// x = -t/2 and the top of the bulb on y = 0, the toe up against the plating
// at y = h. Turning it upside down mirrors every arc, whose angles change
// sign and whose direction reverses with them.
std::vector<OutlinePiece> platedProfileOutline(const PlatedProfileDimensions& mm) {
    const ProfileShape& shape = mm.profile;
    const double shift = shape.thickness / 2;
    const auto moved = [&shape, shift](OutlinePoint p) {
        return OutlinePoint{p.x - shift, shape.height - p.y};
    };
    std::vector<OutlinePiece> outline = profileOutline(shape);
    for (OutlinePiece& piece : outline) {
        piece.from = moved(piece.from);
        piece.to = moved(piece.to);
        piece.centre = moved(piece.centre);
        piece.startAngle = -piece.startAngle;
        piece.endAngle = -piece.endAngle;
    }
    return outline;
}

std::optional<SectionProperties> platedProfileProperties(const PlatedProfileDimensions& mm) {
    const auto shown = computePlatedProfile(mm);
    if (!shown) {
        return std::nullopt;
    }
    const PlatedProfileDetail d = *platedProfileDetail(mm);
    SectionProperties p;
    p.kind = SectionKind::PlatedProfile;
    WorkingRow profile;
    profile.role = PlateRole::Profile;
    profile.area = d.profile.area;
    profile.lever = d.profile.leverFromTop;
    profile.ownInertia = d.profile.inertia;
    WorkingRow plating = rectangleRow(platedProfilePlates(mm)[1]);
    const double platingArea = plating.area;
    plating.area = d.plateArea;
    p.rows = {profile, plating};
    p.platingOwnMomentAtFullBreadth = true;
    completeRows(p);
    p.area = d.area;
    p.neutralAxis = d.neutralAxisFromTop;
    p.inertia = d.inertia;
    p.modulus = d.minModulus;
    p.shown.area = shown->area;
    p.shown.neutralAxis = shown->neutralAxisFromPlating;
    p.shown.inertia = shown->inertia;
    p.shown.freeEdgeModulus = shown->topModulus;
    p.shown.platingModulus = shown->platingModulus;
    p.shown.minModulus = shown->minModulus;
    p.shown.massPerMetre = shown->massPerMetre;
    // Top: the plating's outer surface; bottom: the top of the bulb.
    p.topFibreDistance = d.neutralAxisFromPlating;
    p.bottomFibreDistance = d.neutralAxisFromTop;
    p.topModulus = d.platingModulus;
    p.bottomModulus = d.topModulus;
    p.minModulus = d.minModulus;
    p.radiusOfGyration = std::sqrt(p.inertia / p.area);
    p.profileMassPerMetre = d.profile.massPerMetre;
    p.platingMassPerMetre = massPerMetre(platingArea);
    p.effectiveBreadthFactor = d.k;
    p.effectiveBreadth = d.effectiveBreadth;
    return p;
}

PlatedProfileDimensions platedProfileDimensions(const std::vector<double>& e) {
    ProfileShape shape = flatBarShape(e[0], e[1]);
    if (e[5] != 0 || e[6] != 0) {
        shape.kind = ProfileKind::BulbFlat;
        shape.bulbStandOut = e[5];
        shape.bulbRadius = e[6];
    }
    return {shape, e[2], e[3], e[4]};
}

} // namespace

// The variant's alternatives stand in SectionKind order.
static_assert(std::variant_size_v<SectionDimensions> == sectionKindCount);

SectionKind sectionKind(const SectionDimensions& dimensions) {
    return static_cast<SectionKind>(dimensions.index());
}

std::optional<SectionDimensions> sectionDimensions(SectionKind kind, const std::vector<double>& e) {
    if (e.size() != describe(kind).inputs.size()) {
        return std::nullopt;
    }
    switch (kind) {
    case SectionKind::Stiffener:
        return StiffenerDimensions{e[0], e[1], e[2], e[3], e[4], e[5], e[6]};
    case SectionKind::BuiltUp:
        return BuiltUpDimensions{e[0], e[1], e[2], e[3], e[4], e[5]};
    case SectionKind::Pipe:
        return PipeDimensions{e[0], e[1]};
    case SectionKind::PlatedProfile:
        return platedProfileDimensions(e);
    }
    return std::nullopt;
}

std::vector<double> sectionEntries(const SectionDimensions& dimensions) {
    return std::visit(
        Overloaded{
            [](const StiffenerDimensions& mm) {
                return std::vector<double>{
                    mm.plateWidth,     mm.plateThickness,     mm.webHeight, mm.webThickness,
                    mm.facePlateWidth, mm.facePlateThickness, mm.span};
            },
            [](const BuiltUpDimensions& mm) {
                return std::vector<double>{mm.facePlate1Width, mm.facePlate1Thickness,
                                           mm.webHeight,       mm.webThickness,
                                           mm.facePlate2Width, mm.facePlate2Thickness};
            },
            [](const PipeDimensions& mm) {
                return std::vector<double>{mm.outerDiameter, mm.wallThickness};
            },
            [](const PlatedProfileDimensions& mm) {
                const ProfileShape& s = mm.profile;
                const bool bulb = s.kind == ProfileKind::BulbFlat;
                return std::vector<double>{s.height,
                                           s.thickness,
                                           mm.plateWidth,
                                           mm.plateThickness,
                                           mm.span,
                                           bulb ? s.bulbStandOut : 0,
                                           bulb ? s.bulbRadius : 0};
            },
        },
        dimensions);
}

std::string_view plateName(PlateRole role) {
    return plateDescription(role).chinese;
}

std::optional<SectionProperties> sectionProperties(const SectionDimensions& dimensions) {
    return std::visit(
        Overloaded{
            [](const StiffenerDimensions& mm) { return stiffenerProperties(mm); },
            [](const BuiltUpDimensions& mm) { return builtUpProperties(mm); },
            [](const PipeDimensions& mm) { return pipeProperties(mm); },
            [](const PlatedProfileDimensions& mm) { return platedProfileProperties(mm); },
        },
        dimensions);
}

std::optional<SectionGeometry> sectionGeometry(const SectionDimensions& dimensions) {
    const auto properties = sectionProperties(dimensions);
    if (!properties) {
        return std::nullopt;
    }
    SectionGeometry g;
    g.kind = sectionKind(dimensions);
    g.neutralAxis = properties->neutralAxis * 10;
    if (const auto* pipe = std::get_if<PipeDimensions>(&dimensions)) {
        const double outer = std::fabs(pipe->outerDiameter);
        g.ring = SectionRing{outer, pipe->outerDiameter - 2 * pipe->wallThickness};
        g.topFibre = outer / 2;
        g.bottomFibre = -outer / 2;
        g.minX = -outer / 2;
        g.maxX = outer / 2;
        g.minY = -outer / 2;
        g.maxY = outer / 2;
        return g;
    }
    if (const auto* stiffener = std::get_if<StiffenerDimensions>(&dimensions)) {
        g.plates = stiffenerPlates(*stiffener);
        g.effectiveBreadthFactor = properties->effectiveBreadthFactor;
        g.effectiveBreadth = properties->effectiveBreadth;
    } else if (const auto* profile = std::get_if<PlatedProfileDimensions>(&dimensions)) {
        g.plates = platedProfilePlates(*profile);
        g.profileOutline = platedProfileOutline(*profile);
        g.profileName = profileName(profile->profile);
        g.effectiveBreadthFactor = properties->effectiveBreadthFactor;
        g.effectiveBreadth = properties->effectiveBreadth;
    } else {
        g.plates = builtUpPlates(std::get<BuiltUpDimensions>(dimensions));
    }
    std::tie(g.topFibre, g.bottomFibre) = fibreHeights(g.plates);
    bool any = false;
    for (const PlateRect& plate : g.plates) {
        if (!plate.present()) {
            continue;
        }
        const double left = std::min(plate.left, plate.right);
        const double right = std::max(plate.left, plate.right);
        const double low = std::min(plate.bottom, plate.top);
        const double high = std::max(plate.bottom, plate.top);
        g.minX = any ? std::min(g.minX, left) : left;
        g.maxX = any ? std::max(g.maxX, right) : right;
        g.minY = any ? std::min(g.minY, low) : low;
        g.maxY = any ? std::max(g.maxY, high) : high;
        any = true;
    }
    // The neutral axis and the reference line are drawn too.
    g.minY = std::min({g.minY, g.neutralAxis, g.referenceLine});
    g.maxY = std::max({g.maxY, g.neutralAxis, g.referenceLine});
    return g;
}

std::variant<SectionDimensions, NetRefusal> netDimensions(const SectionDimensions& gross,
                                                          double deduction) {
    if (!std::isfinite(deduction) || deduction < 0) {
        return NetRefusal{NetRefusal::Reason::BadDeduction, PlateRole::Web, 0};
    }
    if (deduction == 0) {
        return gross;
    }
    // A plated profile keeps its height and bulb: the same shape at t - dt.
    if (const auto* profile = std::get_if<PlatedProfileDimensions>(&gross)) {
        const auto net = netPlatedProfile(*profile, deduction);
        if (const auto* refusal = std::get_if<PlatedProfileNetRefusal>(&net)) {
            const bool platingConsumed =
                refusal->reason == PlatedProfileNetRefusal::Reason::PlatingConsumed;
            return NetRefusal{NetRefusal::Reason::PlateConsumed,
                              platingConsumed ? PlateRole::AttachedPlating : PlateRole::Profile,
                              refusal->thickness};
        }
        return std::get<PlatedProfileDimensions>(net);
    }
    // Each present plate's thickness, as its kind's description names it
    // (a pipe's wall wastes from the inside: its outer diameter stays).
    const SectionKindDescription& kind = describe(sectionKind(gross));
    std::vector<double> mm = sectionEntries(gross);
    const PlateDescription* consumed = nullptr;
    for (const PlateDescription& plate : kind.plates) {
        const double thickness = mm[static_cast<std::size_t>(plate.thickness)];
        const bool present = platePresent(mm[static_cast<std::size_t>(plate.extent)], thickness);
        if (present && thickness - deduction <= 0 &&
            (consumed == nullptr ||
             thickness < mm[static_cast<std::size_t>(consumed->thickness)])) {
            consumed = &plate;
        }
    }
    if (consumed != nullptr) {
        return NetRefusal{NetRefusal::Reason::PlateConsumed, consumed->role,
                          mm[static_cast<std::size_t>(consumed->thickness)]};
    }
    std::vector<double> net = mm;
    for (const PlateDescription& plate : kind.plates) {
        const auto t = static_cast<std::size_t>(plate.thickness);
        if (platePresent(mm[static_cast<std::size_t>(plate.extent)], mm[t])) {
            net[t] = mm[t] - deduction;
        }
    }
    return *sectionDimensions(kind.kind, net);
}

std::optional<SectionDetails> sectionDetails(const SectionDimensions& dimensions,
                                             double deduction) {
    auto geometry = sectionGeometry(dimensions);
    auto gross = sectionProperties(dimensions);
    if (!geometry || !gross) {
        return std::nullopt;
    }
    SectionDetails details{dimensions,   std::move(*geometry), std::move(*gross), deduction,
                           std::nullopt, std::nullopt,         std::nullopt};
    auto net = netDimensions(dimensions, deduction);
    if (const auto* refusal = std::get_if<NetRefusal>(&net)) {
        details.refusal = *refusal;
        return details;
    }
    details.netDimensions = std::get<SectionDimensions>(net);
    if (deduction == 0) {
        details.net = details.gross;
        return details;
    }
    details.net = sectionProperties(*details.netDimensions);
    if (!details.net) {
        details.netDimensions.reset();
        details.refusal = NetRefusal{NetRefusal::Reason::Undefined, PlateRole::Web, 0};
    }
    return details;
}

bool showsNet(const SectionDetails& details) {
    return details.deduction > 0 && details.net.has_value();
}

} // namespace corvane
