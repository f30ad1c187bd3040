#include "bulbflat.h"

#include "rounding.h"
#include "steel.h"
#include "stiffener.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr double sqrt3 = std::numbers::sqrt3;
constexpr double pi = std::numbers::pi;

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool shapeDefined(const ProfileShape& s) {
    if (!allFinite({s.height, s.thickness, s.bulbStandOut, s.bulbRadius}) || s.height <= 0 ||
        s.thickness <= 0) {
        return false;
    }
    if (s.kind == ProfileKind::FlatBar) {
        return true;
    }
    const double r = s.bulbRadius;
    const double c = s.bulbStandOut;
    // The fillet meets the web's face r + r*sqrt(3) + (c - r)/sqrt(3) below
    // the top; the web's face must not start below the toe.
    return r >= 0 && c >= r && r + r * sqrt3 + (c - r) / sqrt3 <= s.height;
}

OutlinePiece line(OutlinePoint from, OutlinePoint to) {
    OutlinePiece p;
    p.kind = OutlinePiece::Kind::Line;
    p.from = from;
    p.to = to;
    return p;
}

OutlinePiece arc(OutlinePoint centre, double radius, double startAngle, double endAngle,
                 OutlinePoint from, OutlinePoint to) {
    OutlinePiece p;
    p.kind = OutlinePiece::Kind::Arc;
    p.from = from;
    p.to = to;
    p.centre = centre;
    p.radius = radius;
    p.startAngle = startAngle;
    p.endAngle = endAngle;
    return p;
}

bool sameAs(OutlinePoint a, OutlinePoint b) {
    return a.x == b.x && a.y == b.y;
}

// Boundary integrals of one straight edge, counterclockwise positive:
// A = int x dy, Sy = int x^2/2 dy, Sx = -int y^2/2 dx, Iyy = int x^3/3 dy,
// Ixx = -int y^3/3 dx, with x and y linear along the edge.
AreaMoments lineMoments(const OutlinePiece& p) {
    const double x0 = p.from.x;
    const double y0 = p.from.y;
    const double x1 = p.to.x;
    const double y1 = p.to.y;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    AreaMoments m;
    m.area = (x0 + x1) / 2 * dy;
    m.firstMomentY = dy / 6 * (x0 * x0 + x0 * x1 + x1 * x1);
    m.firstMomentX = -dx / 6 * (y0 * y0 + y0 * y1 + y1 * y1);
    m.secondMomentY = dy / 12 * (x0 * x0 * x0 + x0 * x0 * x1 + x0 * x1 * x1 + x1 * x1 * x1);
    m.secondMomentX = -dx / 12 * (y0 * y0 * y0 + y0 * y0 * y1 + y0 * y1 * y1 + y1 * y1 * y1);
    return m;
}

// The same integrals along an arc x = a + R cos u, y = b + R sin u, u from
// u0 to u1. Expanding the powers of x and y leaves integrals of cos^n u and
// sin^n u (n = 1..4), whose antiderivatives are elementary.
AreaMoments arcMoments(const OutlinePiece& p) {
    const double a = p.centre.x;
    const double b = p.centre.y;
    const double R = p.radius;
    const auto between = [&](auto antiderivative) {
        return antiderivative(p.endAngle) - antiderivative(p.startAngle);
    };
    // int cos^n u du and int sin^n u du over the arc.
    const double c1 = between([](double u) { return std::sin(u); });
    const double s1 = between([](double u) { return -std::cos(u); });
    const double c2 = between([](double u) { return u / 2 + std::sin(2 * u) / 4; });
    const double s2 = between([](double u) { return u / 2 - std::sin(2 * u) / 4; });
    const double c3 = between([](double u) { return std::sin(u) - std::pow(std::sin(u), 3) / 3; });
    const double s3 = between([](double u) { return -std::cos(u) + std::pow(std::cos(u), 3) / 3; });
    const double c4 =
        between([](double u) { return 3 * u / 8 + std::sin(2 * u) / 4 + std::sin(4 * u) / 32; });
    const double s4 =
        between([](double u) { return 3 * u / 8 - std::sin(2 * u) / 4 + std::sin(4 * u) / 32; });

    // dx = -R sin u du, dy = R cos u du.
    AreaMoments m;
    m.area = R * (a * c1 + R * c2);
    m.firstMomentY = R / 2 * (a * a * c1 + 2 * a * R * c2 + R * R * c3);
    m.firstMomentX = R / 2 * (b * b * s1 + 2 * b * R * s2 + R * R * s3);
    m.secondMomentY =
        R / 3 * (a * a * a * c1 + 3 * a * a * R * c2 + 3 * a * R * R * c3 + R * R * R * c4);
    m.secondMomentX =
        R / 3 * (b * b * b * s1 + 3 * b * b * R * s2 + 3 * b * R * R * s3 + R * R * R * s4);
    return m;
}

ProfileProperties flatBarProperties(const ProfileShape& s) {
    // The hull calculator's web, operation for operation.
    const double hw = s.height / 10;
    const double tw = s.thickness / 10;
    ProfileProperties p;
    p.area = hw * tw;
    p.leverFromTop = hw / 2;
    p.centroidHeight = hw - p.leverFromTop;
    p.centroidX = tw / 2;
    p.inertia = plateOwnInertia(tw, hw);
    return p;
}

ProfileProperties bulbFlatProperties(const ProfileShape& s) {
    const AreaMoments m = enclosedMoments(profileOutline(s));
    const double yBar = m.firstMomentX / m.area;                   // mm above the toe
    const double ownMm4 = m.secondMomentX - yBar * m.firstMomentX; // parallel-axis shift
    ProfileProperties p;
    p.area = m.area / 100;
    p.centroidHeight = yBar / 10;
    p.centroidX = m.firstMomentY / m.area / 10;
    p.leverFromTop = (s.height - yBar) / 10;
    p.inertia = ownMm4 / 10000;
    return p;
}

} // namespace

ProfileShape flatBarShape(double heightMm, double thicknessMm) {
    ProfileShape s;
    s.kind = ProfileKind::FlatBar;
    s.height = heightMm;
    s.thickness = thicknessMm;
    return s;
}

std::vector<OutlinePiece> profileOutline(const ProfileShape& s) {
    if (!shapeDefined(s)) {
        return {};
    }
    const double h = s.height;
    const double t = s.thickness;
    const OutlinePoint toeBack{0, 0};
    const OutlinePoint topBack{0, h};
    const OutlinePoint toeFace{t, 0};
    if (s.kind == ProfileKind::FlatBar) {
        const OutlinePoint topFace{t, h};
        return {line(toeBack, topBack), line(topBack, topFace), line(topFace, toeFace),
                line(toeFace, toeBack)};
    }

    const double c = s.bulbStandOut;
    const double r = s.bulbRadius;
    // Corner arc: centre (t + c - r, h - r), from 90 deg to -60 deg, where its
    // clockwise tangent (-sqrt(3)/2, -1/2) falls at 30 deg towards the web.
    const OutlinePoint corner{t + c - r, h - r};
    const OutlinePoint cornerStart{corner.x, h};
    const OutlinePoint cornerEnd{corner.x + r / 2, corner.y - r * sqrt3 / 2};
    // The flank runs from cornerEnd with slope tan 30 = 1/sqrt(3) a
    // horizontal distance of c - r to the fillet. The fillet's centre lies r
    // outside the web's face, at x = t + r, and r below the flank; the
    // fillet runs from 120 deg (on the flank) to 180 deg (on the web's face).
    const OutlinePoint filletStart{t + r / 2, cornerEnd.y - (c - r) / sqrt3};
    const OutlinePoint fillet{t + r, filletStart.y - r * sqrt3 / 2};
    const OutlinePoint filletEnd{t, fillet.y};

    std::vector<OutlinePiece> outline;
    const auto add = [&outline](const OutlinePiece& piece) {
        if (!sameAs(piece.from, piece.to)) {
            outline.push_back(piece);
        }
    };
    add(line(toeBack, topBack));
    add(line(topBack, cornerStart));
    add(arc(corner, r, pi / 2, -pi / 3, cornerStart, cornerEnd));
    add(line(cornerEnd, filletStart));
    add(arc(fillet, r, 2 * pi / 3, pi, filletStart, filletEnd));
    add(line(filletEnd, toeFace));
    add(line(toeFace, toeBack));
    return outline;
}

AreaMoments enclosedMoments(const std::vector<OutlinePiece>& outline) {
    AreaMoments sum;
    for (const OutlinePiece& piece : outline) {
        const AreaMoments m =
            piece.kind == OutlinePiece::Kind::Line ? lineMoments(piece) : arcMoments(piece);
        sum.area += m.area;
        sum.firstMomentX += m.firstMomentX;
        sum.firstMomentY += m.firstMomentY;
        sum.secondMomentX += m.secondMomentX;
        sum.secondMomentY += m.secondMomentY;
    }
    // Clockwise round the region every integral comes out negated.
    if (sum.area < 0) {
        sum.area = -sum.area;
        sum.firstMomentX = -sum.firstMomentX;
        sum.firstMomentY = -sum.firstMomentY;
        sum.secondMomentX = -sum.secondMomentX;
        sum.secondMomentY = -sum.secondMomentY;
    }
    return sum;
}

std::optional<ProfileProperties> profileProperties(const ProfileShape& shape) {
    if (!shapeDefined(shape)) {
        return std::nullopt;
    }
    ProfileProperties p =
        shape.kind == ProfileKind::FlatBar ? flatBarProperties(shape) : bulbFlatProperties(shape);
    const double hw = shape.height / 10;
    p.modulusAtToe = p.inertia / p.centroidHeight;
    p.modulusAtTop = p.inertia / (hw - p.centroidHeight);
    // A cm2 times 7.85 g/cm3 is grams per centimetre; divided by 10, kg/m.
    p.massPerMetre = p.area * steelDensity / 10;
    if (!allFinite({p.area, p.centroidHeight, p.centroidX, p.leverFromTop, p.inertia,
                    p.modulusAtToe, p.modulusAtTop, p.massPerMetre}) ||
        p.area <= 0) {
        return std::nullopt;
    }
    return p;
}

std::optional<PlatedProfileDetail> platedProfileDetail(const PlatedProfileDimensions& mm) {
    const std::optional<ProfileProperties> profile = profileProperties(mm.profile);
    if (!profile) {
        return std::nullopt;
    }
    // The steps and their order are the hull calculator's (stiffener.cpp)
    // with the profile in place of web and face plate: the plate width in
    // metres for the span ratio and the plating's area, in centimetres for
    // the plating's own moment at its full breadth; lever arms downward from
    // the top of the bulb.
    const double b = mm.plateWidth / 1000;
    const double bc = mm.plateWidth / 10;
    const double tp = mm.plateThickness / 10;
    const double hw = mm.profile.height / 10;
    const double l = mm.span / 1000;

    PlatedProfileDetail d;
    d.profile = *profile;
    d.k = effectiveBreadthFactor(l, b);
    d.effectiveBreadth = d.k * mm.plateWidth;
    d.plateArea = effectivePlatingArea(d.k, b, tp);
    const double aw = profile->area;
    d.area = d.plateArea + aw;

    const double dp = hw + tp / 2;
    const double dw = profile->leverFromTop;
    d.firstMoment = d.plateArea * dp + aw * dw;
    d.neutralAxisFromTop = d.firstMoment / d.area;
    d.inertiaAtTop = d.plateArea * std::pow(dp, 2) + aw * std::pow(dw, 2) + profile->inertia +
                     plateOwnInertia(bc, tp);
    d.inertia = d.inertiaAtTop - d.neutralAxisFromTop * d.firstMoment;
    d.topModulus = d.inertia / d.neutralAxisFromTop;
    d.neutralAxisFromPlating = hw + tp - d.neutralAxisFromTop;
    d.platingModulus = d.inertia / d.neutralAxisFromPlating;
    d.minModulus = std::min(d.topModulus, d.platingModulus);
    return d;
}

std::optional<PlatedProfileResult> computePlatedProfile(const PlatedProfileDimensions& mm) {
    if (!allFinite({mm.plateWidth, mm.plateThickness, mm.span}) || mm.plateWidth <= 0 ||
        mm.plateThickness < 0 || mm.span < 0) {
        return std::nullopt;
    }
    const std::optional<PlatedProfileDetail> d = platedProfileDetail(mm);
    if (!d) {
        return std::nullopt;
    }
    const PlatedProfileResult r{roundToHundredths(d->area),
                                roundToHundredths(d->neutralAxisFromPlating),
                                roundToHundredths(d->inertia),
                                roundToHundredths(d->topModulus),
                                roundToHundredths(d->platingModulus),
                                roundToHundredths(d->minModulus),
                                roundToHundredths(d->profile.massPerMetre)};
    // An overflow anywhere reaches one of these, or the rounding's x * 100.
    if (!allFinite({d->k, d->neutralAxisFromTop, r.area, r.neutralAxisFromPlating, r.inertia,
                    r.topModulus, r.platingModulus, r.minModulus, r.massPerMetre})) {
        return std::nullopt;
    }
    return r;
}

std::variant<PlatedProfileDimensions, PlatedProfileNetRefusal>
netPlatedProfile(const PlatedProfileDimensions& gross, double deduction) {
    using Reason = PlatedProfileNetRefusal::Reason;
    if (!std::isfinite(deduction) || deduction < 0) {
        return PlatedProfileNetRefusal{Reason::BadDeduction, 0};
    }
    PlatedProfileDimensions net = gross;
    net.profile.thickness = gross.profile.thickness - deduction;
    if (gross.plateThickness != 0) {
        net.plateThickness = gross.plateThickness - deduction;
    }
    const bool profileConsumed = net.profile.thickness <= 0;
    const bool platingConsumed = gross.plateThickness != 0 && net.plateThickness <= 0;
    if (profileConsumed && (!platingConsumed || gross.profile.thickness <= gross.plateThickness)) {
        return PlatedProfileNetRefusal{Reason::ProfileConsumed, gross.profile.thickness};
    }
    if (platingConsumed) {
        return PlatedProfileNetRefusal{Reason::PlatingConsumed, gross.plateThickness};
    }
    return net;
}

} // namespace corvane
