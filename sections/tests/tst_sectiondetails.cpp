#include "hpprofiles.h"
#include "near.h"
#include "pipe.h"
#include "sectiondetails.h"
#include "sectionkind.h"
#include "steel.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::SectionDimensions)

namespace {

// Within `relative` of the expected value, or of 1 where it is smaller.
bool nearOrSmall(double actual, double expected, double relative) {
    return test::near(actual, expected, relative, relative);
}

// A listed bulb flat (or, for "FB", a flat bar) on its plating.
PlatedProfileDimensions plated(double h, double t, double b, double tp, double l,
                               bool bulb = true) {
    const ProfileShape shape = bulb ? *hpShape({h, t}) : flatBarShape(h, t);
    return {shape, b, tp, l};
}

// The calculator's results in the order of its result fields.
std::vector<double> shown(const SectionProperties& p) {
    std::vector<double> values;
    for (const ResultDescription& result : describe(p.kind).results) {
        values.push_back(p.shown.*result.value);
    }
    return values;
}

#define QVERIFY_NEAR(actual, expected, relative)                                                   \
    QVERIFY2(nearOrSmall((actual), (expected), (relative)),                                        \
             qPrintable(QStringLiteral("%1 = %2, expected %3")                                     \
                            .arg(QLatin1String(#actual))                                           \
                            .arg((actual), 0, 'g', 17)                                             \
                            .arg((expected), 0, 'g', 17)))

SectionProperties properties(const SectionDimensions& mm) {
    const auto p = sectionProperties(mm);
    if (!p) {
        qFatal("no properties");
    }
    return *p;
}

SectionProperties net(const SectionDimensions& mm, double deduction) {
    const auto d = sectionDetails(mm, deduction);
    if (!d || !d->net) {
        qFatal("no net properties");
    }
    return *d->net;
}

// The working rows must add up to the computation's own neutral axis and
// inertia, whatever the section.
void checkRowsConsistent(const SectionProperties& p) {
    double area = 0;
    double first = 0;
    double transfer = 0;
    double own = 0;
    for (const WorkingRow& row : p.rows) {
        area += row.area;
        first += row.firstMoment;
        transfer += row.transfer;
        own += row.ownInertia;
    }
    QCOMPARE(p.total.area, area);
    QCOMPARE(p.total.firstMoment, first);
    QCOMPARE(p.area, area);
    QVERIFY_NEAR(first / area, p.neutralAxis, 1e-12);
    QVERIFY_NEAR(transfer + own - area * p.neutralAxis * p.neutralAxis, p.inertia, 1e-9);
}

// What a textbook gives for a symmetric I-beam of flange b x tf and web
// h x tw (all in cm): about its mid-height.
double iBeamInertia(double b, double tf, double h, double tw) {
    return (b * std::pow(h + 2 * tf, 3) - (b - tw) * std::pow(h, 3)) / 12;
}

} // namespace

class TestSectionDetails : public QObject {
    Q_OBJECT

  private slots:
    void bareRectangle_data();
    void bareRectangle();
    void symmetricIBeam_data();
    void symmetricIBeam();
    void solidBar_data();
    void solidBar();
    void thinWallPipe();
    void hullExample();
    void hullNetIsTheCalculatorOnReducedThicknesses();
    void rowsAddUpForEveryKind_data();
    void rowsAddUpForEveryKind();
    void zeroDeductionGivesExactlyTheGrossValues_data();
    void zeroDeductionGivesExactlyTheGrossValues();
    void netDecreasesWithTheDeduction();
    void deductionAtTheThinnestPlateIsRefused_data();
    void deductionAtTheThinnestPlateIsRefused();
    void missingPlatesAreNotDeducted();
    void geometryMatchesTheTable_data();
    void geometryMatchesTheTable();
    void netBulbFlatIsTheSameShapeThinner();
    void undefinedSectionsHaveNoDetails();
    void entriesMapToDimensions();
    void descriptionsAreWholeAndInOrder();
    void descriptionComputesTheWindowsResults_data();
    void descriptionComputesTheWindowsResults();
    void plateNamesComeFromTheDescriptions_data();
    void plateNamesComeFromTheDescriptions();
    void netShowsOnlyForADeductionAboveZero_data();
    void netShowsOnlyForADeductionAboveZero();
};

void TestSectionDetails::bareRectangle_data() {
    QTest::addColumn<double>("deduction");
    QTest::addColumn<double>("thickness"); // cm, after the deduction
    QTest::newRow("gross") << 0.0 << 1.0;
    QTest::newRow("net 2 mm") << 2.0 << 0.8;
    QTest::newRow("net 7.5 mm") << 7.5 << 0.25;
}

// A 200 x 10 mm web alone, as a built-up profile without face plates:
// I = t h^3 / 12 and Z = t h^2 / 6 at both fibres.
void TestSectionDetails::bareRectangle() {
    QFETCH(double, deduction);
    QFETCH(double, thickness);
    const SectionProperties p = net(BuiltUpDimensions{0, 0, 200, 10, 0, 0}, deduction);
    const double h = 20;
    QVERIFY_NEAR(p.area, thickness * h, 1e-14);
    QVERIFY_NEAR(p.neutralAxis, h / 2, 1e-14);
    QVERIFY_NEAR(p.inertia, thickness * std::pow(h, 3) / 12, 1e-12);
    QVERIFY_NEAR(p.topModulus, thickness * h * h / 6, 1e-12);
    QVERIFY_NEAR(p.bottomModulus, thickness * h * h / 6, 1e-12);
    QVERIFY_NEAR(p.minModulus, thickness * h * h / 6, 1e-12);
    QVERIFY_NEAR(p.radiusOfGyration, h / std::sqrt(12.0), 1e-12);
    QVERIFY_NEAR(p.profileMassPerMetre, thickness * h * 0.785, 1e-12);
    QCOMPARE(p.platingMassPerMetre, 0.0);
    checkRowsConsistent(p);
}

void TestSectionDetails::symmetricIBeam_data() {
    QTest::addColumn<double>("deduction");
    QTest::newRow("gross") << 0.0;
    QTest::newRow("net 1 mm") << 1.0;
    QTest::newRow("net 2 mm") << 2.0;
}

// Flanges 100 x 10, web 200 x 8: the neutral axis at mid-height, equal
// moduli at both outer fibres; the calculator's own W (at the face plate's
// mid-thickness) is larger than either.
void TestSectionDetails::symmetricIBeam() {
    QFETCH(double, deduction);
    const SectionProperties p = net(BuiltUpDimensions{100, 10, 200, 8, 100, 10}, deduction);
    const double tf = (10 - deduction) / 10;
    const double tw = (8 - deduction) / 10;
    const double inertia = iBeamInertia(10, tf, 20, tw);
    const double halfHeight = 10 + tf;
    QVERIFY_NEAR(p.area, 2 * 10 * tf + 20 * tw, 1e-14);
    // Measured from face plate 2's mid-thickness line.
    QVERIFY_NEAR(p.neutralAxis, halfHeight - tf / 2, 1e-14);
    QVERIFY_NEAR(p.inertia, inertia, 1e-12);
    QVERIFY_NEAR(p.topFibreDistance, halfHeight, 1e-14);
    QVERIFY_NEAR(p.bottomFibreDistance, halfHeight, 1e-14);
    QVERIFY_NEAR(p.topModulus, inertia / halfHeight, 1e-12);
    QVERIFY_NEAR(p.bottomModulus, inertia / halfHeight, 1e-12);
    QVERIFY(p.modulus > p.minModulus);
    checkRowsConsistent(p);
    if (deduction == 0) {
        QCOMPARE(shown(p), (std::vector<double>{2740, 260.95}));
        QCOMPARE(std::round(p.minModulus * 100) / 100, 249.09);
    }
}

void TestSectionDetails::solidBar_data() {
    QTest::addColumn<double>("deduction");
    QTest::addColumn<double>("inner"); // cm, inner diameter after the deduction
    QTest::newRow("solid bar") << 0.0 << 0.0;
    QTest::newRow("bored to 20 mm") << 10.0 << 2.0;
    QTest::newRow("bored to 39 mm") << 19.5 << 3.9;
}

// D = 40 mm, t = 20 mm: a solid round bar. A deduction takes the wall from
// the inside, leaving a ring of the same outer diameter.
void TestSectionDetails::solidBar() {
    QFETCH(double, deduction);
    QFETCH(double, inner);
    const SectionProperties p = net(PipeDimensions{40, 20}, deduction);
    const double pi = pipePi;
    const double outer = 4;
    const double area = pi * (outer * outer - inner * inner) / 4;
    const double inertia = pi * (std::pow(outer, 4) - std::pow(inner, 4)) / 64;
    QVERIFY_NEAR(p.area, area, 1e-12);
    QVERIFY_NEAR(p.inertia, inertia, 1e-12);
    QVERIFY_NEAR(p.topModulus, inertia / (outer / 2), 1e-12);
    QVERIFY_NEAR(p.minModulus, inertia / (outer / 2), 1e-12);
    QVERIFY_NEAR(p.radiusOfGyration, std::sqrt(outer * outer + inner * inner) / 4, 1e-12);
    QVERIFY_NEAR(p.innerDiameter, inner * 10, 1e-12);
    QVERIFY_NEAR(p.outerSurfacePerMetre, pi * 0.04, 1e-15);
    QCOMPARE(p.neutralAxis, 0.0);
    checkRowsConsistent(p);
    if (deduction == 0) {
        QCOMPARE(shown(p), (std::vector<double>{12.57, 1, 12.57, 6.28, 9.86}));
        QVERIFY_NEAR(p.radiusOfGyration, outer / 4, 1e-12);
    }
}

// A wall of 0.1 mm on a 1 m pipe: A -> pi D t, I -> pi D^3 t / 8 to within
// the wall's share of the diameter, gross and after taking off half of it.
void TestSectionDetails::thinWallPipe() {
    for (const double deduction : {0.0, 0.05}) {
        const SectionProperties p = net(PipeDimensions{1000, 0.1}, deduction);
        const double d = 100;
        const double t = (0.1 - deduction) / 10;
        const double tolerance = 2 * t / d;
        QVERIFY_NEAR(p.area, pipePi * d * t, tolerance);
        QVERIFY_NEAR(p.inertia, pipePi * std::pow(d, 3) * t / 8, 2 * tolerance);
        QVERIFY_NEAR(p.radiusOfGyration, d / std::sqrt(8.0), tolerance);
        QVERIFY_NEAR(p.profileMassPerMetre, p.area * 0.785, tolerance);
    }
}

// The stiffener every designer knows from the calculator: 600 x 10 plating,
// 300 x 10 web, 100 x 12 face plate, span 2400.
void TestSectionDetails::hullExample() {
    const StiffenerDimensions mm{600, 10, 300, 10, 100, 12, 2400};
    const SectionProperties p = properties(mm);
    QCOMPARE(shown(p), (std::vector<double>{13027.85, 605.81}));
    QVERIFY_NEAR(p.effectiveBreadthFactor, 0.755953, 1e-6);
    QVERIFY_NEAR(p.effectiveBreadth, 453.5718, 1e-6);
    QVERIFY_NEAR(p.area, 87.357158, 1e-8);
    QVERIFY_NEAR(p.total.firstMoment, 1878.607607, 1e-9);
    QVERIFY_NEAR(p.neutralAxis, 21.504908, 1e-7);
    QVERIFY_NEAR(p.total.transfer + p.total.ownInertia, 53427.136592, 1e-10);
    QVERIFY(p.platingOwnMomentAtFullBreadth);
    // The plating's own moment from its full 60 cm, its area from k*b.
    QCOMPARE(p.rows[0].ownInertia, 60.0 * 1 / 12);
    QVERIFY_NEAR(p.rows[0].area, 0.755953 * 60, 1e-6);
    QVERIFY_NEAR(p.rows[0].lever, 30 + 0.5 + 0.6, 1e-14);
    QVERIFY_NEAR(p.rows[1].lever, 15 + 0.6, 1e-14);
    QCOMPARE(p.rows[2].lever, 0.0);
    // Fibres: the plating's outer surface 31.6 cm above the face plate's
    // mid-thickness line, the face plate's outer surface 0.6 cm below it.
    QVERIFY_NEAR(p.topFibreDistance, 31.6 - p.neutralAxis, 1e-14);
    QVERIFY_NEAR(p.bottomFibreDistance, p.neutralAxis + 0.6, 1e-14);
    QVERIFY_NEAR(p.bottomModulus, p.inertia / (p.neutralAxis + 0.6), 1e-14);
    QCOMPARE(p.minModulus, p.bottomModulus);
    QVERIFY(p.minModulus < p.modulus);
    // Web 30 x 1 and face plate 10 x 1.2 cm2; plating 60 x 1 cm2.
    QVERIFY_NEAR(p.profileMassPerMetre, 42 * 0.785, 1e-14);
    QVERIFY_NEAR(p.platingMassPerMetre, 60 * 0.785, 1e-14);
    checkRowsConsistent(p);
}

// With 1 mm off every thickness the net properties are those of the
// calculator itself for 9 mm plating, 9 mm web and an 11 mm face plate, the
// effective breadth unchanged.
void TestSectionDetails::hullNetIsTheCalculatorOnReducedThicknesses() {
    const StiffenerDimensions gross{600, 10, 300, 10, 100, 12, 2400};
    const StiffenerDimensions reduced{600, 9, 300, 9, 100, 11, 2400};
    const SectionProperties p = net(gross, 1);
    const auto expected = computeStiffenerSection(reduced);
    QVERIFY(expected);
    QCOMPARE(shown(p), (std::vector<double>{expected->inertia, expected->modulus}));
    const StiffenerSectionDetail d = stiffenerSectionDetail(reduced);
    QCOMPARE(p.inertia, d.inertia);
    QCOMPARE(p.neutralAxis, d.neutralAxis);
    QCOMPARE(p.effectiveBreadthFactor, properties(gross).effectiveBreadthFactor);
    QVERIFY_NEAR(p.area, d.k * 60 * 0.9 + 30 * 0.9 + 10 * 1.1, 1e-14);
    QVERIFY_NEAR(p.topFibreDistance, 30 + 0.9 + 0.55 - d.neutralAxis, 1e-14);
    QVERIFY_NEAR(p.bottomFibreDistance, d.neutralAxis + 0.55, 1e-14);
    checkRowsConsistent(p);
}

void TestSectionDetails::rowsAddUpForEveryKind_data() {
    QTest::addColumn<SectionDimensions>("mm");
    QTest::newRow("hull, second example")
        << SectionDimensions{StiffenerDimensions{500, 8, 200, 8, 80, 10, 1500}};
    QTest::newRow("hull, span 0") << SectionDimensions{
        StiffenerDimensions{600, 10, 300, 10, 100, 12, 0}};
    QTest::newRow("hull, no face plate")
        << SectionDimensions{StiffenerDimensions{600, 10, 300, 10, 0, 0, 2400}};
    QTest::newRow("hull, long span")
        << SectionDimensions{StiffenerDimensions{600, 10, 300, 10, 100, 12, 4000}};
    QTest::newRow("T-profile") << SectionDimensions{BuiltUpDimensions{0, 0, 200, 10, 150, 12}};
    QTest::newRow("unequal I-beam")
        << SectionDimensions{BuiltUpDimensions{120, 12, 300, 10, 200, 14}};
    QTest::newRow("pipe 219 x 8") << SectionDimensions{PipeDimensions{219, 8}};
    QTest::newRow("HP 200x10 on 600x10") << SectionDimensions{plated(200, 10, 600, 10, 2400)};
    QTest::newRow("HP 430x20, k capped") << SectionDimensions{plated(430, 20, 500, 12, 9000)};
    QTest::newRow("flat bar, no span") << SectionDimensions{plated(200, 10, 600, 10, 0, false)};
}

void TestSectionDetails::rowsAddUpForEveryKind() {
    QFETCH(SectionDimensions, mm);
    checkRowsConsistent(properties(mm));
}

void TestSectionDetails::zeroDeductionGivesExactlyTheGrossValues_data() {
    rowsAddUpForEveryKind_data();
}

void TestSectionDetails::zeroDeductionGivesExactlyTheGrossValues() {
    QFETCH(SectionDimensions, mm);
    const auto d = sectionDetails(mm, 0);
    QVERIFY(d && d->net && !d->refusal);
    QCOMPARE(shown(*d->net), shown(d->gross));
    for (const auto field :
         {&SectionProperties::area, &SectionProperties::inertia, &SectionProperties::neutralAxis,
          &SectionProperties::topModulus, &SectionProperties::bottomModulus,
          &SectionProperties::minModulus, &SectionProperties::radiusOfGyration,
          &SectionProperties::profileMassPerMetre}) {
        QCOMPARE((*d->net).*field, d->gross.*field);
    }
}

// On a fixed random set of ordinary proportions, every deduction step takes
// something off the area, the inertia and both outer-fibre moduli.
void TestSectionDetails::netDecreasesWithTheDeduction() {
    std::mt19937 random(20261208);
    auto between = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    int checked = 0;
    for (int sample = 0; sample < 300; ++sample) {
        SectionDimensions mm;
        switch (sample % 3) {
        case 0:
            mm = StiffenerDimensions{between(300, 900), between(6, 20),   between(100, 600),
                                     between(6, 16),    between(50, 200), between(8, 25),
                                     between(500, 5000)};
            break;
        case 1:
            mm = BuiltUpDimensions{between(0, 300), between(6, 30),   between(100, 800),
                                   between(6, 20),  between(50, 300), between(6, 30)};
            break;
        default:
            mm = PipeDimensions{between(20, 600), between(2, 20)};
            break;
        }
        auto previous = properties(mm);
        for (double deduction = 0.5;; deduction += 0.5) {
            const auto d = sectionDetails(mm, deduction);
            QVERIFY(d);
            if (!d->net) {
                QVERIFY(d->refusal);
                break;
            }
            const SectionProperties& p = *d->net;
            const QByteArray where =
                QByteArray::number(sample) + " at " + QByteArray::number(deduction);
            QVERIFY2(p.area < previous.area, where);
            QVERIFY2(p.inertia < previous.inertia, where);
            QVERIFY2(p.topModulus < previous.topModulus, where);
            QVERIFY2(p.bottomModulus < previous.bottomModulus, where);
            previous = p;
            ++checked;
        }
    }
    QVERIFY(checked > 1000);
}

void TestSectionDetails::deductionAtTheThinnestPlateIsRefused_data() {
    QTest::addColumn<SectionDimensions>("mm");
    QTest::addColumn<double>("thinnest");
    QTest::addColumn<PlateRole>("plate");
    QTest::newRow("hull: web") << SectionDimensions{StiffenerDimensions{600, 10, 300, 8, 100, 12,
                                                                        2400}}
                               << 8.0 << PlateRole::Web;
    QTest::newRow("hull: plating")
        << SectionDimensions{StiffenerDimensions{600, 7, 300, 8, 100, 12, 2400}} << 7.0
        << PlateRole::AttachedPlating;
    QTest::newRow("built-up: face plate 2")
        << SectionDimensions{BuiltUpDimensions{100, 10, 200, 8, 100, 6}} << 6.0
        << PlateRole::FacePlate2;
    QTest::newRow("pipe wall") << SectionDimensions{PipeDimensions{89, 4.5}} << 4.5
                               << PlateRole::PipeWall;
    QTest::newRow("bulb flat: profile")
        << SectionDimensions{plated(120, 6, 500, 8, 1800)} << 6.0 << PlateRole::Profile;
    QTest::newRow("bulb flat: plating")
        << SectionDimensions{plated(200, 10, 600, 7, 2400)} << 7.0 << PlateRole::AttachedPlating;
    QTest::newRow("bulb flat: tie names the profile")
        << SectionDimensions{plated(200, 10, 600, 10, 2400)} << 10.0 << PlateRole::Profile;
}

void TestSectionDetails::deductionAtTheThinnestPlateIsRefused() {
    QFETCH(SectionDimensions, mm);
    QFETCH(double, thinnest);
    QFETCH(PlateRole, plate);
    for (const double deduction : {thinnest, thinnest + 3}) {
        const auto d = sectionDetails(mm, deduction);
        QVERIFY(d);
        QVERIFY(!d->net);
        QVERIFY(!d->netDimensions);
        QVERIFY(d->refusal);
        QCOMPARE(d->refusal->reason, NetRefusal::Reason::PlateConsumed);
        QCOMPARE(d->refusal->plate, plate);
        QCOMPARE(d->refusal->thickness, thinnest);
        // Nothing else changes: the gross side is still all there.
        QCOMPARE(shown(d->gross), shown(properties(mm)));
    }
    const auto justBelow = sectionDetails(mm, thinnest - 0.001);
    QVERIFY(justBelow && justBelow->net && !justBelow->refusal);

    for (const double bad : {-1.0, std::nan(""), HUGE_VAL}) {
        const auto d = sectionDetails(mm, bad);
        QVERIFY(d && !d->net && d->refusal);
        QCOMPARE(d->refusal->reason, NetRefusal::Reason::BadDeduction);
    }
}

// A T-profile has no face plate 1: a deduction thins the plates it has and
// leaves the missing one missing instead of refusing it.
void TestSectionDetails::missingPlatesAreNotDeducted() {
    const BuiltUpDimensions gross{0, 0, 200, 10, 150, 12};
    const auto d = sectionDetails(gross, 2);
    QVERIFY(d && d->net && d->netDimensions);
    const auto& reduced = std::get<BuiltUpDimensions>(*d->netDimensions);
    QCOMPARE(reduced.facePlate1Width, 0.0);
    QCOMPARE(reduced.facePlate1Thickness, 0.0);
    QCOMPARE(reduced.webThickness, 8.0);
    QCOMPARE(reduced.facePlate2Thickness, 10.0);
    QCOMPARE(reduced.webHeight, 200.0);
    QCOMPARE(reduced.facePlate2Width, 150.0);
    QVERIFY_NEAR(d->net->area, 20 * 0.8 + 15 * 1.0, 1e-14);
}

void TestSectionDetails::geometryMatchesTheTable_data() {
    rowsAddUpForEveryKind_data();
}

void TestSectionDetails::geometryMatchesTheTable() {
    QFETCH(SectionDimensions, mm);
    const auto g = sectionGeometry(mm);
    QVERIFY(g);
    const SectionProperties p = properties(mm);
    QCOMPARE(g->kind, p.kind);
    QCOMPARE(g->referenceLine, 0.0);
    QVERIFY_NEAR(g->neutralAxis, p.neutralAxis * 10, 1e-14);
    QVERIFY_NEAR(g->topFibre - g->neutralAxis, p.topFibreDistance * 10, 1e-12);
    QVERIFY_NEAR(g->neutralAxis - g->bottomFibre, p.bottomFibreDistance * 10, 1e-12);
    QVERIFY(g->minY <= g->bottomFibre && g->maxY >= g->topFibre);
    if (g->kind == SectionKind::Pipe) {
        QVERIFY(g->ring);
        QVERIFY(g->plates.empty());
        QVERIFY_NEAR(g->ring->innerDiameter, p.innerDiameter, 1e-14);
        return;
    }
    QCOMPARE(g->plates.size(), p.rows.size());
    for (std::size_t i = 0; i < g->plates.size(); ++i) {
        const PlateRect& plate = g->plates[i];
        QCOMPARE(plate.role, p.rows[i].role);
        if (plate.role == PlateRole::Profile) {
            // A rolled profile's box: from the bulb's top on the reference
            // line to its toe, holding its centroid, the web centred on x = 0.
            const auto& profile = std::get<PlatedProfileDimensions>(mm);
            QCOMPARE(plate.bottom, 0.0);
            QCOMPARE(plate.top, profile.profile.height);
            QCOMPARE(plate.left, -profile.profile.thickness / 2);
            QVERIFY(p.rows[i].lever > 0 && p.rows[i].lever * 10 < plate.top);
            // The drawn outline is the profile turned over into this frame:
            // a closed chain whose arcs end where their angles say, enclosing
            // the working row's area with its centroid at the row's lever.
            const std::vector<OutlinePiece>& outline = g->profileOutline;
            QCOMPARE(outline.size(), profile.profile.kind == ProfileKind::BulbFlat
                                         ? std::size_t(7)
                                         : std::size_t(4));
            for (std::size_t k = 0; k < outline.size(); ++k) {
                const OutlinePiece& piece = outline[k];
                const OutlinePiece& next = outline[(k + 1) % outline.size()];
                QVERIFY_NEAR(piece.to.x, next.from.x, 1e-12);
                QVERIFY_NEAR(piece.to.y, next.from.y, 1e-12);
                QVERIFY(piece.from.x >= plate.left - 1e-9 && piece.from.x <= plate.right + 1e-9);
                QVERIFY(piece.from.y >= plate.bottom - 1e-9 && piece.from.y <= plate.top + 1e-9);
                if (piece.kind == OutlinePiece::Kind::Arc) {
                    QVERIFY_NEAR(piece.centre.x + piece.radius * std::cos(piece.endAngle),
                                 piece.to.x, 1e-12);
                    QVERIFY_NEAR(piece.centre.y + piece.radius * std::sin(piece.endAngle),
                                 piece.to.y, 1e-12);
                    QVERIFY_NEAR(piece.centre.y + piece.radius * std::sin(piece.startAngle),
                                 piece.from.y, 1e-12);
                }
            }
            const AreaMoments drawn = enclosedMoments(outline);
            QVERIFY_NEAR(drawn.area / 100, p.rows[i].area, 1e-12);
            QVERIFY_NEAR(drawn.firstMomentX / drawn.area / 10, p.rows[i].lever, 1e-12);
            QCOMPARE(g->profileName, profileName(profile.profile));
            continue;
        }
        QVERIFY_NEAR((plate.bottom + plate.top) / 20, p.rows[i].lever, 1e-14);
        QVERIFY(plate.left == -plate.right);
    }
    if (g->kind == SectionKind::Stiffener) {
        // k is capped at 1: the plating never counts wider than it is.
        QVERIFY(g->effectiveBreadth <= g->plates[0].width());
        QCOMPARE(g->effectiveBreadth, p.effectiveBreadthFactor * g->plates[0].width());
        QCOMPARE(g->effectiveBreadth, p.effectiveBreadth);
    }
}

// The net bulb flat is the same shape at t - dt: height and bulb kept, so
// HP 200x10 less 1 mm is exactly the listed HP 200x9 on thinner plating.
void TestSectionDetails::netBulbFlatIsTheSameShapeThinner() {
    const auto d = sectionDetails(plated(200, 10, 600, 10, 2400), 1);
    QVERIFY(d && d->net && d->netDimensions);
    const auto& net = std::get<PlatedProfileDimensions>(*d->netDimensions);
    QCOMPARE(net.profile.kind, ProfileKind::BulbFlat);
    QCOMPARE(net.profile.height, 200.0);
    QCOMPARE(net.profile.thickness, 9.0);
    QCOMPARE(net.profile.bulbStandOut, 28.0);
    QCOMPARE(net.profile.bulbRadius, 8.0);
    QCOMPARE(net.plateThickness, 9.0);
    QCOMPARE(shown(*d->net), shown(properties(plated(200, 9, 600, 9, 2400))));
    // The gross and net rows: profile first, then the plating.
    QCOMPARE(d->gross.rows.size(), std::size_t(2));
    QCOMPARE(d->gross.rows[0].role, PlateRole::Profile);
    QCOMPARE(d->gross.rows[1].role, PlateRole::AttachedPlating);
    QVERIFY(d->net->rows[0].area < d->gross.rows[0].area);
}

void TestSectionDetails::undefinedSectionsHaveNoDetails() {
    QVERIFY(!sectionDetails(StiffenerDimensions{0, 10, 300, 10, 100, 12, 2400}));
    QVERIFY(!sectionDetails(BuiltUpDimensions{0, 0, 0, 0, 100, 10}));
    QVERIFY(!sectionDetails(PipeDimensions{100, 0}));
    QVERIFY(!sectionGeometry(PipeDimensions{0, 5}));
    QVERIFY(!sectionProperties(BuiltUpDimensions{}));
}

void TestSectionDetails::entriesMapToDimensions() {
    const auto hull = sectionDimensions(SectionKind::Stiffener, {1, 2, 3, 4, 5, 6, 7});
    QVERIFY(hull);
    QCOMPARE(sectionKind(*hull), SectionKind::Stiffener);
    QCOMPARE(std::get<StiffenerDimensions>(*hull).span, 7.0);
    const auto pipe = sectionDimensions(SectionKind::Pipe, {89, 4.5});
    QVERIFY(pipe);
    QCOMPARE(std::get<PipeDimensions>(*pipe).wallThickness, 4.5);
    QVERIFY(!sectionDimensions(SectionKind::BuiltUp, {1, 2, 3}));
}

// Every kind is described, in SectionKind order, with its plates' inputs
// among its inputs, and its entries and dimensions convert both ways.
void TestSectionDetails::descriptionsAreWholeAndInOrder() {
    QCOMPARE(sectionKinds().size(), sectionKindCount);
    for (const SectionKindDescription& kind : sectionKinds()) {
        QCOMPARE(&describe(kind.kind), &kind);
        QVERIFY(!kind.inputs.empty() && !kind.results.empty() && !kind.plates.empty());
        for (const PlateDescription& plate : kind.plates) {
            QVERIFY(plate.thickness >= 0 && std::size_t(plate.thickness) < kind.inputs.size());
            QVERIFY(plate.extent >= 0 && std::size_t(plate.extent) < kind.inputs.size());
            QVERIFY(plate.thickness != plate.extent);
        }
        std::vector<double> entries;
        for (std::size_t i = 0; i < kind.inputs.size(); ++i) {
            entries.push_back(double(i + 1));
        }
        const auto dimensions = sectionDimensions(kind.kind, entries);
        QVERIFY(dimensions);
        QCOMPARE(sectionKind(*dimensions), kind.kind);
        QCOMPARE(sectionEntries(*dimensions), entries);
    }
}

void TestSectionDetails::descriptionComputesTheWindowsResults_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<std::vector<double>>("entries");
    QTest::addColumn<std::vector<double>>("results"); // in result-field order
    QTest::newRow("hull example") << int(SectionKind::Stiffener)
                                  << std::vector<double>{600, 10, 300, 10, 100, 12, 2400}
                                  << std::vector<double>{13027.85, 605.81};
    QTest::newRow("built-up example")
        << int(SectionKind::BuiltUp) << std::vector<double>{100, 10, 200, 8, 100, 10}
        << std::vector<double>{2740, 260.95};
    QTest::newRow("pipe example") << int(SectionKind::Pipe) << std::vector<double>{100, 10}
                                  << std::vector<double>{28.27, 3.2, 289.81, 57.96, 22.2};
    QTest::newRow("pipe without a wall")
        << int(SectionKind::Pipe) << std::vector<double>{100, 0} << std::vector<double>{};
    QTest::newRow("HP 200x10 by its c and r")
        << int(SectionKind::PlatedProfile) << std::vector<double>{200, 10, 600, 10, 2400, 28, 8}
        << std::vector<double>{71.02, 5, 3565.81, 222.88, 712.96, 222.88, 20.14};
    QTest::newRow("flat bar: c and r 0")
        << int(SectionKind::PlatedProfile) << std::vector<double>{200, 10, 600, 10, 2400, 0, 0}
        << std::vector<double>{65.36, 3.71, 2201.91, 127.37, 593.01, 127.37, 15.7};
    QTest::newRow("plating of no breadth")
        << int(SectionKind::PlatedProfile) << std::vector<double>{200, 10, 0, 10, 2400, 28, 8}
        << std::vector<double>{};
}

// The description's computation gives the window's results under their
// names, and the details carry the same ones.
void TestSectionDetails::descriptionComputesTheWindowsResults() {
    QFETCH(int, kind);
    QFETCH(std::vector<double>, entries);
    QFETCH(std::vector<double>, results);
    const SectionKindDescription& description = describe(SectionKind(kind));
    const auto computed = description.compute(entries.data());
    QCOMPARE(computed.has_value(), !results.empty());
    if (!computed) {
        return;
    }
    std::vector<double> named;
    for (const ResultDescription& result : description.results) {
        QCOMPARE(result.rounding, Rounding::Hundredths);
        named.push_back((*computed).*result.value);
    }
    QCOMPARE(named, results);
    QCOMPARE(shown(properties(*sectionDimensions(SectionKind(kind), entries))), results);
}

void TestSectionDetails::plateNamesComeFromTheDescriptions_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("plating") << int(PlateRole::AttachedPlating) << "带板"
                             << "attached plating";
    QTest::newRow("web") << int(PlateRole::Web) << "腹板"
                         << "web";
    QTest::newRow("face plate") << int(PlateRole::FacePlate) << "面板"
                                << "face plate";
    QTest::newRow("face plate 1") << int(PlateRole::FacePlate1) << "面板1"
                                  << "face plate 1";
    QTest::newRow("face plate 2") << int(PlateRole::FacePlate2) << "面板2"
                                  << "face plate 2";
    QTest::newRow("pipe wall") << int(PlateRole::PipeWall) << "管壁"
                               << "pipe wall";
    QTest::newRow("profile") << int(PlateRole::Profile) << "型材"
                             << "profile";
}

void TestSectionDetails::plateNamesComeFromTheDescriptions() {
    QFETCH(int, role);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    const PlateDescription& plate = plateDescription(PlateRole(role));
    QCOMPARE(int(plate.role), role);
    QCOMPARE(QString::fromUtf8(plate.chinese), chinese);
    QCOMPARE(QString::fromUtf8(plate.english), english);
    QCOMPARE(QString::fromUtf8(plateName(PlateRole(role)).data(),
                               qsizetype(plateName(PlateRole(role)).size())),
             chinese);
}

void TestSectionDetails::netShowsOnlyForADeductionAboveZero_data() {
    QTest::addColumn<double>("deduction");
    QTest::addColumn<bool>("shows");
    QTest::newRow("0: the net section is the gross one") << 0.0 << false;
    QTest::newRow("1 mm") << 1.0 << true;
    QTest::newRow("consuming the web") << 10.0 << false;
    QTest::newRow("negative") << -1.0 << false;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false;
}

// One rule for the net column and the net rows, in the window and the sheet.
void TestSectionDetails::netShowsOnlyForADeductionAboveZero() {
    QFETCH(double, deduction);
    QFETCH(bool, shows);
    const auto d = sectionDetails(StiffenerDimensions{600, 12, 300, 10, 100, 12, 2400}, deduction);
    QVERIFY(d);
    QCOMPARE(showsNet(*d), shows);
    if (deduction == 0) {
        QVERIFY(d->net.has_value()); // there, but the same as the gross section
    }
}

QTEST_APPLESS_MAIN(TestSectionDetails)
#include "tst_sectiondetails.moc"
