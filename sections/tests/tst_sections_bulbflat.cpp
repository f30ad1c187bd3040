#include "bulbflat.h"
#include "hpprofiles.h"
#include "rounding.h"
#include "stiffener.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::ProfileShape)
Q_DECLARE_METATYPE(corvane::PlatedProfileDimensions)
Q_DECLARE_METATYPE(corvane::PlatedProfileNetRefusal::Reason)
Q_DECLARE_METATYPE(std::vector<corvane::OutlinePiece>)
Q_DECLARE_METATYPE(corvane::ProfileNameError::Reason)

namespace {

constexpr double sqrt3 = std::numbers::sqrt3;
constexpr double pi = std::numbers::pi;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

ProfileShape hp(double h, double t) {
    return *hpShape({h, t});
}

ProfileShape bulbShape(double h, double t, double c, double r) {
    return {ProfileKind::BulbFlat, h, t, c, r};
}

// An arc of the circle (centre, radius) from angle u0 to u1, closed by its
// chord (a circular segment) or by two radii (a sector).
std::vector<OutlinePiece> arcRegion(OutlinePoint centre, double radius, double u0, double u1,
                                    bool sector) {
    const OutlinePoint a{centre.x + radius * std::cos(u0), centre.y + radius * std::sin(u0)};
    const OutlinePoint b{centre.x + radius * std::cos(u1), centre.y + radius * std::sin(u1)};
    const auto line = [](OutlinePoint from, OutlinePoint to) {
        OutlinePiece piece;
        piece.from = from;
        piece.to = to;
        return piece;
    };
    OutlinePiece arc = line(a, b);
    arc.kind = OutlinePiece::Kind::Arc;
    arc.centre = centre;
    arc.radius = radius;
    arc.startAngle = u0;
    arc.endAngle = u1;
    if (sector) {
        return {arc, line(b, centre), line(centre, a)};
    }
    return {arc, line(b, a)};
}

// Moments of a polygon by the shoelace sums, mm units, either direction.
AreaMoments polygonMoments(const std::vector<OutlinePoint>& p) {
    AreaMoments m;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const OutlinePoint a = p[i];
        const OutlinePoint b = p[(i + 1) % p.size()];
        const double cross = a.x * b.y - b.x * a.y;
        m.area += cross / 2;
        m.firstMomentX += (a.y + b.y) * cross / 6;
        m.firstMomentY += (a.x + b.x) * cross / 6;
        m.secondMomentX += (a.y * a.y + a.y * b.y + b.y * b.y) * cross / 12;
        m.secondMomentY += (a.x * a.x + a.x * b.x + b.x * b.x) * cross / 12;
    }
    if (m.area < 0) {
        m = {-m.area, -m.firstMomentX, -m.firstMomentY, -m.secondMomentX, -m.secondMomentY};
    }
    return m;
}

// The outline with every arc replaced by `chords` straight chords.
std::vector<OutlinePoint> polygonOf(const std::vector<OutlinePiece>& outline, int chords) {
    std::vector<OutlinePoint> points;
    for (const OutlinePiece& piece : outline) {
        points.push_back(piece.from);
        if (piece.kind == OutlinePiece::Kind::Arc) {
            for (int i = 1; i < chords; ++i) {
                const double u =
                    piece.startAngle + (piece.endAngle - piece.startAngle) * i / chords;
                points.push_back({piece.centre.x + piece.radius * std::cos(u),
                                  piece.centre.y + piece.radius * std::sin(u)});
            }
        }
    }
    return points;
}

double largestRelativeError(const AreaMoments& a, const AreaMoments& exact) {
    double worst = 0;
    const double pairs[][2] = {{a.area, exact.area},
                               {a.firstMomentX, exact.firstMomentX},
                               {a.firstMomentY, exact.firstMomentY},
                               {a.secondMomentX, exact.secondMomentX},
                               {a.secondMomentY, exact.secondMomentY}};
    for (const auto& pair : pairs) {
        worst = std::max(worst, std::abs(pair[0] - pair[1]) / std::abs(pair[1]));
    }
    return worst;
}

std::uint64_t bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

bool samePoint(OutlinePoint a, OutlinePoint b, double tolerance = 1e-9) {
    return std::abs(a.x - b.x) <= tolerance && std::abs(a.y - b.y) <= tolerance;
}

// Rounded to three significant figures, as steel mills list their tables.
double threeFigures(double x) {
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(std::abs(x))));
    return std::round(x * scale) / scale;
}

} // namespace

class TestBulbFlat : public QObject {
    Q_OBJECT

  private slots:
    void listHoldsTheSizesAndBulbs();

    void outlineFollowsTheShape_data();
    void outlineFollowsTheShape();
    void closedFormIsTheLimitOfFinePolygons_data();
    void closedFormIsTheLimitOfFinePolygons();
    void profileIsRectangleAndBulb_data();
    void profileIsRectangleAndBulb();
    void publishedValues();
    void flatBarIsTheRectangle();

    void flatBarWithPlatingMatchesTheHullCalculator_data();
    void flatBarWithPlatingMatchesTheHullCalculator();
    void bulbFlatWithPlatingIsTheSumOfItsParts_data();
    void bulbFlatWithPlatingIsTheSumOfItsParts();
    void workedExamples_data();
    void workedExamples();
    void undefinedInputHasNoResult_data();
    void undefinedInputHasNoResult();

    void netScantlingsThinTheWebAndPlating();
    void netScantlingRefusals_data();
    void netScantlingRefusals();

    void namesAccepted_data();
    void namesAccepted();
    void namesRefused_data();
    void namesRefused();
    void namesWritten();
};

void TestBulbFlat::listHoldsTheSizesAndBulbs() {
    QCOMPARE(hpSizes().size(), std::size_t{59});
    QCOMPARE(hpBulbs().size(), std::size_t{15});
    for (std::size_t i = 1; i < hpSizes().size(); ++i) {
        const HpSize a = hpSizes()[i - 1];
        const HpSize b = hpSizes()[i];
        QVERIFY(a.height < b.height || (a.height == b.height && a.thickness < b.thickness));
    }
    for (const HpSize& s : hpSizes()) {
        QVERIFY(hpBulb(s.height).has_value());
        QVERIFY(profileProperties(hp(s.height, s.thickness)).has_value());
    }
    QCOMPARE(hpBulb(370)->standOut, 53.5);
    QCOMPARE(hpBulb(370)->radius, 16.5);
    QVERIFY(!hpBulb(210).has_value());
    QVERIFY(!hpShape({200, 9.5}).has_value());
}

void TestBulbFlat::outlineFollowsTheShape_data() {
    QTest::addColumn<ProfileShape>("shape");
    QTest::newRow("HP 120x6, the smallest") << hp(120, 6);
    QTest::newRow("HP 200x10") << hp(200, 10);
    QTest::newRow("HP 370x12.5, half-millimetre bulb") << hp(370, 12.5);
    QTest::newRow("HP 430x20, the largest") << hp(430, 20);
    QTest::newRow("net HP 200x10 at 7.5") << *hpShapeWithThickness(200, 7.5);
}

// Every property the shape is defined by, checked on the outline: where the
// pieces start and end, the 30 deg flank, the two tangencies, how far the
// bulb stands out and the bulb's depth where the flank meets the web.
void TestBulbFlat::outlineFollowsTheShape() {
    QFETCH(ProfileShape, shape);
    const double h = shape.height;
    const double t = shape.thickness;
    const double c = shape.bulbStandOut;
    const double r = shape.bulbRadius;
    const std::vector<OutlinePiece> o = profileOutline(shape);
    QCOMPARE(o.size(), std::size_t{7});
    for (std::size_t i = 0; i < o.size(); ++i) {
        QVERIFY(samePoint(o[i].to, o[(i + 1) % o.size()].from));
    }
    const OutlinePiece& back = o[0];
    const OutlinePiece& top = o[1];
    const OutlinePiece& corner = o[2];
    const OutlinePiece& flank = o[3];
    const OutlinePiece& fillet = o[4];
    const OutlinePiece& web = o[5];
    QVERIFY(samePoint(back.from, {0, 0}) && samePoint(back.to, {0, h}));
    QCOMPARE(top.to.y, h);
    QCOMPARE(corner.kind, OutlinePiece::Kind::Arc);
    QVERIFY(samePoint(corner.centre, {t + c - r, h - r}));
    QCOMPARE(corner.radius, r);
    QCOMPARE(corner.startAngle, pi / 2);
    QCOMPARE(corner.endAngle, -pi / 3);
    // The arc passes through 0 deg: the bulb stands out c beyond the web.
    QVERIFY(std::abs(corner.centre.x + r - (t + c)) < 1e-12);
    // Flank: falls towards the web at 30 deg.
    QCOMPARE(flank.kind, OutlinePiece::Kind::Line);
    QVERIFY(flank.to.x < flank.from.x);
    const double slope = (flank.from.y - flank.to.y) / (flank.from.x - flank.to.x);
    QVERIFY(std::abs(slope - 1 / sqrt3) < 1e-12);
    // The flank produced meets the web's face at the bulb's depth.
    const double meetsWebAt = flank.to.y - (flank.to.x - t) * slope;
    QVERIFY(std::abs(h - meetsWebAt - ((c + r) / sqrt3 + r)) < 1e-9);
    // Fillet: concave, radius r, centre r outside the web's face and r from
    // the flank's line: tangent to both.
    QCOMPARE(fillet.kind, OutlinePiece::Kind::Arc);
    QCOMPARE(fillet.radius, r);
    QVERIFY(fillet.endAngle > fillet.startAngle); // turns the other way round
    QCOMPARE(fillet.centre.x, t + r);
    const double toFlank =
        std::abs((fillet.centre.y - flank.to.y) - slope * (fillet.centre.x - flank.to.x)) /
        std::sqrt(1 + slope * slope);
    QVERIFY(std::abs(toFlank - r) < 1e-9);
    QVERIFY(fillet.centre.y < flank.to.y - slope * (flank.to.x - fillet.centre.x)); // below it
    QVERIFY(samePoint(fillet.to, {t, fillet.centre.y}));
    QVERIFY(samePoint(web.to, {t, 0}) && web.from.x == t);
}

void TestBulbFlat::closedFormIsTheLimitOfFinePolygons_data() {
    QTest::addColumn<std::vector<OutlinePiece>>("outline");
    QTest::newRow("HP 120x8") << profileOutline(hp(120, 8));
    QTest::newRow("HP 200x10") << profileOutline(hp(200, 10));
    QTest::newRow("HP 340x15") << profileOutline(hp(340, 15));
    QTest::newRow("HP 430x14") << profileOutline(hp(430, 14));
    QTest::newRow("a bulb with no flank, c = r") << profileOutline(bulbShape(100, 6, 8, 8));
    // In the profile the corner arc's and the fillet's terms partly cancel
    // (same radius); single arcs at odd angles check each term alone.
    QTest::newRow("segment, counterclockwise") << arcRegion({40, -25}, 17, 0.3, 2.1, false);
    QTest::newRow("segment, clockwise") << arcRegion({30, 60}, 9.5, 1.0, -2.6, false);
    QTest::newRow("sector") << arcRegion({25, 35}, 30, -0.7, 1.9, true);
}

// Chords cut off circular segments whose area falls as 1/n^2: a polygon of
// n chords per arc approaches the closed form, sixteen times closer each time
// n is multiplied by 4, and is within a part in 10^6 at 4096 chords.
void TestBulbFlat::closedFormIsTheLimitOfFinePolygons() {
    QFETCH(std::vector<OutlinePiece>, outline);
    const AreaMoments exact = enclosedMoments(outline);
    double previous = inf;
    for (int chords = 16; chords <= 4096; chords *= 4) {
        const double error =
            largestRelativeError(polygonMoments(polygonOf(outline, chords)), exact);
        QVERIFY2(error < previous / 12, qPrintable(QString::number(chords)));
        previous = error;
    }
    QVERIFY(previous < 1e-6);
    QVERIFY(previous > 0); // the polygon is not the closed form
}

void TestBulbFlat::profileIsRectangleAndBulb_data() {
    QTest::addColumn<double>("h");
    for (const HpBulb& b : hpBulbs()) {
        QTest::newRow(qPrintable(QStringLiteral("h = %1").arg(b.height))) << b.height;
    }
}

// The bulb stands beyond the web's face and does not depend on t. Built here
// from elementary pieces and the bulb's depth as stated for the shape: the
// polygon of the bulb's corners plus the circular segment of the corner arc
// (150 deg) minus that of the fillet (60 deg), whose centroids lie on their
// bisectors 4 R sin^3(phi/2) / (3 (phi - sin phi)) from the centre.
void TestBulbFlat::profileIsRectangleAndBulb() {
    QFETCH(double, h);
    const HpBulb bulb = *hpBulb(h);
    const double c = bulb.standOut;
    const double r = bulb.radius;
    const double depth = (c + r) / sqrt3 + r; // where the flank produced meets the web

    for (const HpSize& size : hpSizes()) {
        if (size.height != h) {
            continue;
        }
        const double t = size.thickness;
        // The fillet sits in the 120 deg corner between flank and web, its
        // tangent points r / tan 60 from the corner.
        const double tangentLength = r / sqrt3;
        const OutlinePoint webTangent{t, h - depth - tangentLength};
        const OutlinePoint flankTangent{t + tangentLength * sqrt3 / 2,
                                        h - depth + tangentLength / 2};
        const OutlinePoint cornerStart{t + c - r, h};
        const OutlinePoint cornerEnd{t + c - r / 2, h - r - r * sqrt3 / 2};
        const AreaMoments polygon =
            polygonMoments({webTangent, {t, h}, cornerStart, cornerEnd, flankTangent});
        const auto segment = [](double radius, double phi) {
            return radius * radius / 2 * (phi - std::sin(phi));
        };
        const auto centroidDistance = [](double radius, double phi) {
            return 4 * radius * std::pow(std::sin(phi / 2), 3) / (3 * (phi - std::sin(phi)));
        };
        const double cornerPhi = 5 * pi / 6;
        const double filletPhi = pi / 3;
        const double cornerY = h - r + centroidDistance(r, cornerPhi) * std::sin(pi / 12);
        const double filletY = webTangent.y + centroidDistance(r, filletPhi) * std::sin(5 * pi / 6);
        const double bulbArea = polygon.area + segment(r, cornerPhi) - segment(r, filletPhi);
        const double bulbMoment = polygon.firstMomentX + segment(r, cornerPhi) * cornerY -
                                  segment(r, filletPhi) * filletY;

        const AreaMoments whole = enclosedMoments(profileOutline(hp(h, t)));
        QVERIFY(std::abs(whole.area - (t * h + bulbArea)) < 1e-9 * whole.area);
        QVERIFY(std::abs(whole.firstMomentX - (t * h * h / 2 + bulbMoment)) <
                1e-9 * whole.firstMomentX);

        // A thicker web adds a rectangle and nothing else: the bulb moves out
        // unchanged, keeping its area, height moments and second moment.
        const AreaMoments thicker =
            enclosedMoments(profileOutline(*hpShapeWithThickness(h, t + 3)));
        QVERIFY(std::abs(thicker.area - whole.area - 3 * h) < 1e-9 * whole.area);
        QVERIFY(std::abs(thicker.firstMomentX - whole.firstMomentX - 3 * h * h / 2) <
                1e-9 * whole.firstMomentX);
        QVERIFY(std::abs(thicker.secondMomentX - whole.secondMomentX - 3 * h * h * h / 3) <
                1e-9 * whole.secondMomentX);
    }
}

// Steel mills list their tables to three figures; the shape reproduces the
// areas within about 0.6 %.
void TestBulbFlat::publishedValues() {
    const ProfileProperties hp200 = *profileProperties(hp(200, 10));
    QVERIFY(std::abs(hp200.area / 25.6 - 1) < 0.006);
    QCOMPARE(threeFigures(hp200.massPerMetre), 20.1);
    const ProfileProperties hp120 = *profileProperties(hp(120, 8));
    QCOMPARE(threeFigures(hp120.inertia), 165.0);
    QCOMPARE(threeFigures(hp120.modulusAtToe), 23.6);
}

void TestBulbFlat::flatBarIsTheRectangle() {
    const ProfileShape bar = flatBarShape(200, 10);
    const ProfileProperties p = *profileProperties(bar);
    QCOMPARE(p.area, 20.0);
    QCOMPARE(p.centroidHeight, 10.0);
    QVERIFY(std::abs(p.inertia - 1 * 20.0 * 20 * 20 / 12) < 1e-9);
    QVERIFY(std::abs(p.modulusAtToe - 1 * 20.0 * 20 / 6) < 1e-9);
    QCOMPARE(p.massPerMetre, 15.7);
    // Its outline is the rectangle, and the boundary integrals agree.
    const AreaMoments m = enclosedMoments(profileOutline(bar));
    QCOMPARE(profileOutline(bar).size(), std::size_t{4});
    QCOMPARE(m.area, 2000.0);
    QCOMPARE(m.firstMomentX, 200000.0);
    QVERIFY(std::abs(m.secondMomentX - 10 * std::pow(200.0, 3) / 3) < 1e-6);
}

void TestBulbFlat::flatBarWithPlatingMatchesTheHullCalculator_data() {
    QTest::addColumn<StiffenerDimensions>("hull");
    // plate width, plate thickness, web height, web thickness, span; face
    // plate 0 x 0.
    const auto row = [](const char* name, double b, double tp, double h, double t, double l) {
        QTest::newRow(name) << StiffenerDimensions{b, tp, h, t, 0, 0, l};
    };
    row("the issue's example", 600, 10, 200, 10, 2400);
    row("hull example without face plate", 600, 10, 300, 10, 2400);
    row("span 0: the plating's own term only", 600, 10, 300, 10, 0);
    row("long span, k capped at 1", 600, 10, 300, 10, 4000);
    row("thin plating", 500, 6, 150, 8, 1800);
    row("thick plating, short span", 800, 16, 250, 12, 900);
    row("fractional millimetres", 612.5, 9.5, 187.5, 11.5, 2437);
    row("no plating thickness", 600, 0, 200, 10, 2400);
    row("deep bar", 700, 12, 430, 20, 3600);
    row("tiny", 1, 0.1, 1, 0.1, 1);
    // Inputs where (t/12) h^3 and t h h h / 12 differ in the last bit.
    row("order of the web's own term, 1", 400, 6, 250, 11.5, 1200);
    row("order of the web's own term, 2", 400, 8, 150, 7, 2400);
    row("order of the web's own term, 3", 500, 6, 250, 6, 1800);
}

// The flat bar with plating is the hull calculator's section with face plate
// 0 x 0; its W at the top is the hull calculator's modulus, which is taken at
// the face plate's mid-thickness line: with no face plate, the web's free
// edge. Same steps in the same order, so the same bits before rounding.
void TestBulbFlat::flatBarWithPlatingMatchesTheHullCalculator() {
    QFETCH(StiffenerDimensions, hull);
    const PlatedProfileDimensions mm{flatBarShape(hull.webHeight, hull.webThickness),
                                     hull.plateWidth, hull.plateThickness, hull.span};
    const auto twin = computeStiffenerSection(hull);
    const auto result = computePlatedProfile(mm);
    QVERIFY(twin.has_value() && result.has_value());
    QCOMPARE(result->inertia, twin->inertia);
    QCOMPARE(result->topModulus, twin->modulus);
    const StiffenerSectionDetail twinDetail = stiffenerSectionDetail(hull);
    const PlatedProfileDetail detail = *platedProfileDetail(mm);
    // QCOMPARE on doubles allows a relative 1e-12; these must be the same bits.
    QCOMPARE(bits(detail.area), bits(twinDetail.area));
    QCOMPARE(bits(detail.neutralAxisFromTop), bits(twinDetail.neutralAxis));
    QCOMPARE(bits(detail.inertia), bits(twinDetail.inertia));
    QCOMPARE(bits(detail.topModulus), bits(twinDetail.modulus));
}

void TestBulbFlat::bulbFlatWithPlatingIsTheSumOfItsParts_data() {
    QTest::addColumn<PlatedProfileDimensions>("mm");
    QTest::newRow("HP 200x10, 600 x 10, 2400")
        << PlatedProfileDimensions{hp(200, 10), 600, 10, 2400};
    QTest::newRow("HP 120x8, 500 x 8, 1800") << PlatedProfileDimensions{hp(120, 8), 500, 8, 1800};
    QTest::newRow("HP 430x20, k capped") << PlatedProfileDimensions{hp(430, 20), 700, 14, 6000};
    QTest::newRow("HP 280x10.5, span 0") << PlatedProfileDimensions{hp(280, 10.5), 650, 11, 0};
}

// Built here from a fine polygon of the profile and the plating strip: the
// strip counts with k*b in area and with its full breadth in its own term.
void TestBulbFlat::bulbFlatWithPlatingIsTheSumOfItsParts() {
    QFETCH(PlatedProfileDimensions, mm);
    const AreaMoments profile = polygonMoments(polygonOf(profileOutline(mm.profile), 4096));
    const double k = std::min(1.0, 0.3 * std::pow(mm.span / mm.plateWidth, 2.0 / 3.0));
    const double plateArea = k * mm.plateWidth * mm.plateThickness; // mm2
    const double plateY = -mm.plateThickness / 2;                   // below the toe
    const double area = profile.area + plateArea;
    const double y = (profile.firstMomentX + plateArea * plateY) / area;
    const double aboutToe = profile.secondMomentX + plateArea * plateY * plateY +
                            mm.plateWidth * std::pow(mm.plateThickness, 3) / 12;
    const double inertia = (aboutToe - area * y * y) / 1e4; // cm4
    const double fromPlating = (y + mm.plateThickness) / 10;
    const double toTop = (mm.profile.height - y) / 10;

    const PlatedProfileDetail d = *platedProfileDetail(mm);
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6 * std::abs(b); };
    QVERIFY(near(d.area, area / 100));
    QVERIFY(near(d.neutralAxisFromPlating, fromPlating));
    QVERIFY(near(d.inertia, inertia));
    QVERIFY(near(d.topModulus, inertia / toTop));
    QVERIFY(near(d.platingModulus, inertia / fromPlating));
    QCOMPARE(d.minModulus, std::min(d.topModulus, d.platingModulus));
    QVERIFY(near(d.profile.massPerMetre, profile.area / 100 * 0.785));
}

void TestBulbFlat::workedExamples_data() {
    QTest::addColumn<PlatedProfileDimensions>("mm");
    QTest::addColumn<std::vector<double>>("shown"); // A, e, I, W top, W plating, W min, m
    QTest::newRow("HP 200x10, plating 600 x 10, span 2400")
        << PlatedProfileDimensions{hp(200, 10), 600, 10, 2400}
        << std::vector<double>{71.02, 5.00, 3565.81, 222.88, 712.96, 222.88, 20.14};
    QTest::newRow("HP 120x8, plating 500 x 8, span 1800")
        << PlatedProfileDimensions{hp(120, 8), 500, 8, 1800}
        << std::vector<double>{39.91, 2.56, 615.21, 60.09, 240.14, 60.09, 9.20};
    QTest::newRow("flat bar 200 x 10, plating 600 x 10, span 2400")
        << PlatedProfileDimensions{flatBarShape(200, 10), 600, 10, 2400}
        << std::vector<double>{65.36, 3.71, 2201.91, 127.37, 593.01, 127.37, 15.70};
}

void TestBulbFlat::workedExamples() {
    QFETCH(PlatedProfileDimensions, mm);
    QFETCH(std::vector<double>, shown);
    const auto r = computePlatedProfile(mm);
    QVERIFY(r.has_value());
    QCOMPARE(r->area, shown[0]);
    QCOMPARE(r->neutralAxisFromPlating, shown[1]);
    QCOMPARE(r->inertia, shown[2]);
    QCOMPARE(r->topModulus, shown[3]);
    QCOMPARE(r->platingModulus, shown[4]);
    QCOMPARE(r->minModulus, shown[5]);
    QCOMPARE(r->massPerMetre, shown[6]);
}

void TestBulbFlat::undefinedInputHasNoResult_data() {
    QTest::addColumn<PlatedProfileDimensions>("mm");
    const ProfileShape hp200 = hp(200, 10);
    const auto row = [](const char* name, ProfileShape s, double b, double tp, double l) {
        QTest::newRow(name) << PlatedProfileDimensions{s, b, tp, l};
    };
    row("plate width 0", hp200, 0, 10, 2400);
    row("plate width 0, span 0", hp200, 0, 10, 0);
    row("negative plate width", hp200, -600, 10, -2400);
    row("negative plate thickness", hp200, 600, -10, 2400);
    row("negative span", hp200, 600, 10, -2400);
    row("bulb flat of height 0", bulbShape(0, 10, 28, 8), 600, 10, 2400);
    row("flat bar of height 0", flatBarShape(0, 10), 600, 10, 2400);
    row("flat bar of thickness 0", flatBarShape(200, 0), 600, 10, 2400);
    row("negative flat bar", flatBarShape(-200, -10), 600, 10, 2400);
    row("bulb flat of thickness 0", *hpShapeWithThickness(200, 0), 600, 10, 2400);
    row("bulb flat of negative thickness", *hpShapeWithThickness(200, -1), 600, 10, 2400);
    row("bulb deeper than the profile", bulbShape(30, 10, 28, 8), 600, 10, 2400);
    row("flank of negative length", bulbShape(200, 10, 5, 8), 600, 10, 2400);
    row("negative radius", bulbShape(200, 10, 28, -8), 600, 10, 2400);
    row("height not a number", flatBarShape(notANumber, 10), 600, 10, 2400);
    row("thickness infinite", flatBarShape(200, inf), 600, 10, 2400);
    row("plate width not a number", hp200, notANumber, 10, 2400);
    row("plate thickness infinite", hp200, 600, inf, 2400);
    row("span infinite", hp200, 600, 10, inf);
    row("beyond the double range", flatBarShape(1e300, 1e300), 600, 10, 2400);
    row("only the rounding overflows", flatBarShape(1e100, 1e12), 600, 10, 2400);
}

void TestBulbFlat::undefinedInputHasNoResult() {
    QFETCH(PlatedProfileDimensions, mm);
    QVERIFY(!computePlatedProfile(mm).has_value());
}

void TestBulbFlat::netScantlingsThinTheWebAndPlating() {
    const PlatedProfileDimensions gross{hp(200, 10), 600, 10, 2400};
    const auto net = std::get<PlatedProfileDimensions>(netPlatedProfile(gross, 1));
    // h, c, r kept: the net HP 200x10 is the listed HP 200x9 on 9 mm plating.
    const ProfileShape hp2009 = hp(200, 9);
    QCOMPARE(net.profile.kind, ProfileKind::BulbFlat);
    QCOMPARE(net.profile.height, hp2009.height);
    QCOMPARE(net.profile.thickness, hp2009.thickness);
    QCOMPARE(net.profile.bulbStandOut, hp2009.bulbStandOut);
    QCOMPARE(net.profile.bulbRadius, hp2009.bulbRadius);
    QCOMPARE(net.plateThickness, 9.0);
    QCOMPARE(net.plateWidth, 600.0);
    QCOMPARE(net.span, 2400.0);
    const auto unchanged = std::get<PlatedProfileDimensions>(netPlatedProfile(gross, 0));
    QCOMPARE(computePlatedProfile(unchanged)->inertia, computePlatedProfile(gross)->inertia);
    // Plating of no thickness has nothing to lose.
    const auto bare = std::get<PlatedProfileDimensions>(
        netPlatedProfile({flatBarShape(200, 10), 600, 0, 2400}, 2));
    QCOMPARE(bare.plateThickness, 0.0);
    QCOMPARE(bare.profile.thickness, 8.0);
}

void TestBulbFlat::netScantlingRefusals_data() {
    using Reason = PlatedProfileNetRefusal::Reason;
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("tp");
    QTest::addColumn<double>("deduction");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<double>("thickness");
    QTest::newRow("negative") << 10.0 << 10.0 << -1.0 << Reason::BadDeduction << 0.0;
    QTest::newRow("not a number") << 10.0 << 10.0 << notANumber << Reason::BadDeduction << 0.0;
    QTest::newRow("infinite") << 10.0 << 10.0 << inf << Reason::BadDeduction << 0.0;
    QTest::newRow("web consumed exactly") << 6.0 << 10.0 << 6.0 << Reason::ProfileConsumed << 6.0;
    QTest::newRow("plating consumed") << 10.0 << 5.0 << 7.0 << Reason::PlatingConsumed << 5.0;
    QTest::newRow("both, plating thinner") << 8.0 << 6.0 << 9.0 << Reason::PlatingConsumed << 6.0;
    QTest::newRow("both, a tie names the web")
        << 8.0 << 8.0 << 9.0 << Reason::ProfileConsumed << 8.0;
}

void TestBulbFlat::netScantlingRefusals() {
    QFETCH(double, t);
    QFETCH(double, tp);
    QFETCH(double, deduction);
    QFETCH(PlatedProfileNetRefusal::Reason, reason);
    QFETCH(double, thickness);
    const auto net = netPlatedProfile({flatBarShape(200, t), 600, tp, 2400}, deduction);
    QVERIFY(std::holds_alternative<PlatedProfileNetRefusal>(net));
    QCOMPARE(std::get<PlatedProfileNetRefusal>(net).reason, reason);
    QCOMPARE(std::get<PlatedProfileNetRefusal>(net).thickness, thickness);
}

void TestBulbFlat::namesAccepted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bulbFlat");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("t");
    QTest::newRow("compact") << u"HP200x10"_qs << true << 200.0 << 10.0;
    QTest::newRow("blank and times sign") << u"HP 200×10"_qs << true << 200.0 << 10.0;
    QTest::newRow("lower case and star") << u"hp200*10"_qs << true << 200.0 << 10.0;
    QTest::newRow("capital X, blanks round it") << u"  Hp 200 X 10  "_qs << true << 200.0 << 10.0;
    QTest::newRow("half millimetre") << u"HP200x8.5"_qs << true << 200.0 << 8.5;
    QTest::newRow("trailing zeros") << u"HP200.0x10.00"_qs << true << 200.0 << 10.0;
    QTest::newRow("full-width digits") << u"HP２００×１０"_qs << true << 200.0 << 10.0;
    QTest::newRow("full-width throughout") << u"ＨＰ　３７０ｘ１２．５"_qs << true << 370.0 << 12.5;
    QTest::newRow("full-width star") << u"hp120＊6"_qs << true << 120.0 << 6.0;
    QTest::newRow("flat bar") << u"FB200x10"_qs << false << 200.0 << 10.0;
    QTest::newRow("flat bar of any size") << u"fb 173.5 × 9.25"_qs << false << 173.5 << 9.25;
    QTest::newRow("flat bar, full-width") << u"ＦＢ１５０Ｘ１２"_qs << false << 150.0 << 12.0;
}

void TestBulbFlat::namesAccepted() {
    QFETCH(QString, text);
    QFETCH(bool, bulbFlat);
    QFETCH(double, h);
    QFETCH(double, t);
    const auto read = readProfileName(text.toStdString());
    QVERIFY(std::holds_alternative<ProfileShape>(read));
    const ProfileShape s = std::get<ProfileShape>(read);
    QCOMPARE(s.kind, bulbFlat ? ProfileKind::BulbFlat : ProfileKind::FlatBar);
    QCOMPARE(s.height, h);
    QCOMPARE(s.thickness, t);
    if (bulbFlat) {
        QCOMPARE(s.bulbStandOut, hpBulb(h)->standOut);
        QCOMPARE(s.bulbRadius, hpBulb(h)->radius);
    }
}

void TestBulbFlat::namesRefused_data() {
    using Reason = ProfileNameError::Reason;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<QString>("nearest"); // the nearest sizes' names, "; " between
    QTest::newRow("empty") << u""_qs << Reason::NotAName << u""_qs;
    QTest::newRow("no letters") << u"200x10"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("other letters") << u"HB200x10"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("no thickness") << u"HP200"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("no height") << u"HPx10"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("two separators") << u"HP200x10x2"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("letters in the number") << u"HP20O×10"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("a comma for the point") << u"HP200x8,5"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("beyond the double range") << u"FB1e400x10"_qs << Reason::NotAName << u""_qs;
    QTest::newRow("thickness between listed ones")
        << u"HP200x10.5"_qs << Reason::NotListed << u"HP 200×10; HP 200×11"_qs;
    QTest::newRow("thickness below the thinnest")
        << u"HP200x6"_qs << Reason::NotListed << u"HP 200×8.5"_qs;
    QTest::newRow("thickness above the thickest")
        << u"HP430x25"_qs << Reason::NotListed << u"HP 430×20"_qs;
    QTest::newRow("height between listed ones")
        << u"HP210x10"_qs << Reason::NotListed << u"HP 200×10; HP 220×10"_qs;
    QTest::newRow("height between, thickness nearest at each")
        << u"HP350x12.2"_qs << Reason::NotListed << u"HP 340×12; HP 370×12.5"_qs;
    QTest::newRow("a tie takes the thicker")
        << u"HP150x7.5"_qs << Reason::NotListed << u"HP 140×8; HP 160×8"_qs;
    QTest::newRow("below the lowest") << u"HP100x6"_qs << Reason::NotListed << u"HP 120×6"_qs;
    QTest::newRow("above the highest") << u"HP500x20"_qs << Reason::NotListed << u"HP 430×20"_qs;
    QTest::newRow("negative height") << u"HP-200x10"_qs << Reason::NotListed << u"HP 120×8"_qs;
    QTest::newRow("flat bar of thickness 0") << u"FB200x0"_qs << Reason::FlatBarUndefined << u""_qs;
    QTest::newRow("flat bar of negative height")
        << u"FB-200x10"_qs << Reason::FlatBarUndefined << u""_qs;
}

void TestBulbFlat::namesRefused() {
    QFETCH(QString, text);
    QFETCH(ProfileNameError::Reason, reason);
    QFETCH(QString, nearest);
    const auto read = readProfileName(text.toStdString());
    QVERIFY(std::holds_alternative<ProfileNameError>(read));
    const ProfileNameError error = std::get<ProfileNameError>(read);
    QCOMPARE(error.reason, reason);
    QStringList names;
    for (const HpSize& s : error.nearest) {
        names << QString::fromStdString(profileName(*hpShape(s)));
    }
    QCOMPARE(names.join(u"; "), nearest);
}

void TestBulbFlat::namesWritten() {
    QCOMPARE(QString::fromStdString(profileName(hp(200, 10))), u"HP 200×10"_qs);
    QCOMPARE(QString::fromStdString(profileName(hp(370, 12.5))), u"HP 370×12.5"_qs);
    QCOMPARE(QString::fromStdString(profileName(flatBarShape(150, 9.25))), u"FB 150×9.25"_qs);
    // Every listed size reads back from its own name.
    for (const HpSize& s : hpSizes()) {
        const auto read = readProfileName(profileName(hp(s.height, s.thickness)));
        QVERIFY(std::holds_alternative<ProfileShape>(read));
        QCOMPARE(std::get<ProfileShape>(read).thickness, s.thickness);
    }
}

QTEST_APPLESS_MAIN(TestBulbFlat)
#include "tst_sections_bulbflat.moc"
