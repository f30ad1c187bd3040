#include "pipe.h"

#include "near.h"

#include <QTest>

#include <cmath>
#include <utility>

using namespace corvane;
using test::near;

Q_DECLARE_METATYPE(corvane::PipeSectionResult)

namespace {

// Every digit of a double, so that a comparison is exact rather than fuzzy.
QString digits(double value) {
    return QString::number(value, 'g', 17);
}

QStringList digitsOf(const PipeSectionResult& p) {
    return {digits(p.area), digits(p.radiusOfGyration), digits(p.inertia), digits(p.modulus),
            digits(p.massPerMetre)};
}

} // namespace

class TestPipeSection : public QObject {
    Q_OBJECT

  private slots:
    void workedExamples_data();
    void workedExamples();
    void veryThinWallKeepsOnlyItsRadiusOfGyration();
    void solidBarIdentities_data();
    void solidBarIdentities();
    void radiusOfGyrationOfAnyWall_data();
    void radiusOfGyrationOfAnyWall();
    void massPerMetreFollowsTheArea();
    void undefinedSectionsFail_data();
    void undefinedSectionsFail();
};

void TestPipeSection::workedExamples_data() {
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("wall");
    QTest::addColumn<PipeSectionResult>("expected");
    QTest::newRow("100 x 10") << 100.0 << 10.0
                              << PipeSectionResult{28.27, 3.2, 289.81, 57.96, 22.2};
    QTest::newRow("89 x 4.5") << 89.0 << 4.5 << PipeSectionResult{11.95, 2.99, 106.92, 24.03, 9.38};
    QTest::newRow("219 x 8") << 219.0 << 8.0
                             << PipeSectionResult{53.03, 7.47, 2955.43, 269.9, 41.63};
    QTest::newRow("40 x 20 solid bar")
        << 40.0 << 20.0 << PipeSectionResult{12.57, 1, 12.57, 6.28, 9.86};
    // i from the rounded I and A would be sqrt(0.03 / 0.28) = 0.33.
    QTest::newRow("10 x 1, all below 1")
        << 10.0 << 1.0 << PipeSectionResult{0.28, 0.32, 0.03, 0.06, 0.22};
}

void TestPipeSection::workedExamples() {
    QFETCH(double, diameter);
    QFETCH(double, wall);
    QFETCH(PipeSectionResult, expected);
    const auto result = computePipeSection(diameter, wall);
    QVERIFY(result.has_value());
    QCOMPARE(digitsOf(*result), digitsOf(expected));
}

void TestPipeSection::veryThinWallKeepsOnlyItsRadiusOfGyration() {
    // A 0.1 micrometre wall: area, inertia, modulus and mass all vanish at
    // two decimals, but their ratio still gives the radius of a thin ring,
    // D / (2 sqrt 2) = 3.5355 cm.
    const auto result = computePipeSection(100, 0.0001);
    QVERIFY(result.has_value());
    QCOMPARE(digitsOf(*result), digitsOf({0, 3.54, 0, 0, 0}));
}

void TestPipeSection::solidBarIdentities_data() {
    QTest::addColumn<double>("diameter");
    QTest::newRow("40") << 40.0;
    QTest::newRow("100") << 100.0;
    QTest::newRow("25") << 25.0;
    QTest::newRow("219") << 219.0;
}

void TestPipeSection::solidBarIdentities() {
    // A wall of half the diameter leaves no bore: A = pi D^2 / 4,
    // I = pi D^4 / 64, W = pi D^3 / 32 and i = D / 4.
    QFETCH(double, diameter);
    const PipeSectionResult p = pipeSectionDetail(diameter, diameter / 2);
    const double pi = 3.14159265;
    const double d = diameter / 10;
    QVERIFY(near(p.area, pi * d * d / 4));
    QVERIFY(near(p.inertia, pi * d * d * d * d / 64));
    QVERIFY(near(p.modulus, pi * d * d * d / 32));
    QVERIFY(near(p.radiusOfGyration, d / 4));
}

void TestPipeSection::radiusOfGyrationOfAnyWall_data() {
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("wall");
    QTest::newRow("ordinary pipe") << 219.0 << 8.0;
    QTest::newRow("thick wall") << 60.0 << 25.0;
    QTest::newRow("small pipe") << 10.0 << 1.0;
    QTest::newRow("wall beyond the centre") << 100.0 << 60.0;
}

void TestPipeSection::radiusOfGyrationOfAnyWall() {
    // For a ring, I / A = (D^2 + d^2) / 16 with d = D - 2t: never negative,
    // whatever the wall.
    QFETCH(double, diameter);
    QFETCH(double, wall);
    const double outer = diameter / 10;
    const double inner = (diameter - 2 * wall) / 10;
    const double expected = std::sqrt(outer * outer + inner * inner) / 4;
    const auto result = computePipeSection(diameter, wall);
    QVERIFY(result.has_value());
    QVERIFY(std::fabs(pipeSectionDetail(diameter, wall).radiusOfGyration - expected) <
            1e-12 * expected);
}

void TestPipeSection::massPerMetreFollowsTheArea() {
    // Mean circumference times wall is the ring's area again, so the mass is
    // 0.785 kg per cm2 of section, though formed without the area.
    for (const auto& [diameter, wall] : {std::pair{100.0, 10.0}, {89.0, 4.5}, {219.0, 8.0}}) {
        const PipeSectionResult p = pipeSectionDetail(diameter, wall);
        QVERIFY(std::fabs(p.massPerMetre - 0.785 * p.area) < 1e-9 * p.massPerMetre);
    }
}

void TestPipeSection::undefinedSectionsFail_data() {
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("wall");
    QTest::newRow("no wall: area 0") << 100.0 << 0.0;
    QTest::newRow("wall equal to the diameter: area 0") << 100.0 << 100.0;
    QTest::newRow("diameter 0") << 0.0 << 10.0;
    QTest::newRow("nothing at all") << 0.0 << 0.0;
    QTest::newRow("beyond the double range") << 1e100 << 1e99;
}

void TestPipeSection::undefinedSectionsFail() {
    QFETCH(double, diameter);
    QFETCH(double, wall);
    QVERIFY(!computePipeSection(diameter, wall).has_value());
}

QTEST_APPLESS_MAIN(TestPipeSection)
#include "tst_sections_pipe.moc"
