#include "builtup.h"

#include "near.h"

#include <QTest>

#include <cmath>

using namespace corvane;
using test::near;

Q_DECLARE_METATYPE(corvane::BuiltUpDimensions)

namespace {

// Every digit of a double, so that a comparison is exact rather than fuzzy.
QString digits(double value) {
    return QString::number(value, 'g', 17);
}

} // namespace

class TestBuiltUpSection : public QObject {
    Q_OBJECT

  private slots:
    void workedExamples_data();
    void workedExamples();
    void symmetricBeamLandsAHairBelowItsHundredth();
    void bareWebIsARectangle_data();
    void bareWebIsARectangle();
    void modulusAlwaysRefersToFacePlate2();
    void undefinedSectionsFail_data();
    void undefinedSectionsFail();
};

void TestBuiltUpSection::workedExamples_data() {
    QTest::addColumn<BuiltUpDimensions>("mm");
    QTest::addColumn<double>("area");
    QTest::addColumn<double>("neutralAxis");
    QTest::addColumn<double>("inertia");
    QTest::addColumn<double>("modulus");
    // b1, t1, h, tw, b2, t2
    QTest::newRow("symmetric I-beam")
        << BuiltUpDimensions{100, 10, 200, 8, 100, 10} << 36.0 << 10.5 << 2740.0 << 260.95;
    QTest::newRow("T-profile, face plate 1 at zero")
        << BuiltUpDimensions{0, 0, 200, 10, 150, 12} << 38.0 << 5.5789 << 1733.29 << 310.68;
    QTest::newRow("bare web") << BuiltUpDimensions{0, 0, 200, 10, 0, 0} << 20.0 << 10.0 << 666.67
                              << 66.67;
    QTest::newRow("unequal I-beam")
        << BuiltUpDimensions{120, 12, 300, 10, 200, 14} << 72.4 << 12.7309 << 12024.18 << 944.48;
}

void TestBuiltUpSection::workedExamples() {
    QFETCH(BuiltUpDimensions, mm);
    QFETCH(double, area);
    QFETCH(double, neutralAxis);
    QFETCH(double, inertia);
    QFETCH(double, modulus);
    const BuiltUpSectionDetail d = builtUpSectionDetail(mm);
    QVERIFY(std::fabs(d.area - area) < 1e-9);
    // The neutral axis is given to four decimals, truncated.
    QVERIFY(d.neutralAxis >= neutralAxis && d.neutralAxis < neutralAxis + 1e-4);
    const auto result = computeBuiltUpSection(mm);
    QVERIFY(result.has_value());
    QCOMPARE(digits(result->inertia), digits(inertia));
    QCOMPARE(digits(result->modulus), digits(modulus));
}

void TestBuiltUpSection::symmetricBeamLandsAHairBelowItsHundredth() {
    const BuiltUpSectionDetail d = builtUpSectionDetail({100, 10, 200, 8, 100, 10});
    QCOMPARE(digits(d.inertia), QStringLiteral("2739.9999999999991"));
    // W comes from the unrounded I and refers to face plate 2's mid-plane,
    // 10.5 cm from the neutral axis; at the outer fibre (11 cm) it would be
    // 249.09.
    QVERIFY(std::fabs(d.modulus - 260.952380952) < 1e-9);
    QCOMPARE(digits(computeBuiltUpSection({100, 10, 200, 8, 100, 10})->inertia),
             QStringLiteral("2740"));
}

void TestBuiltUpSection::bareWebIsARectangle_data() {
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("thickness");
    QTest::newRow("200 x 10") << 200.0 << 10.0;
    QTest::newRow("300 x 12") << 300.0 << 12.0;
    QTest::newRow("75 x 6") << 75.0 << 6.0;
    QTest::newRow("1000 x 20") << 1000.0 << 20.0;
}

void TestBuiltUpSection::bareWebIsARectangle() {
    QFETCH(double, height);
    QFETCH(double, thickness);
    const BuiltUpSectionDetail d = builtUpSectionDetail({0, 0, height, thickness, 0, 0});
    // A rectangle about its own mid-height: I = tw h^3 / 12 and, at its lower
    // edge (where the reference line lies), W = tw h^2 / 6.
    const double h = height / 10;
    const double tw = thickness / 10;
    QVERIFY(near(d.neutralAxis, h / 2));
    QVERIFY(near(d.inertia, tw * h * h * h / 12));
    QVERIFY(near(d.modulus, tw * h * h / 6));
    QVERIFY(computeBuiltUpSection({0, 0, height, thickness, 0, 0}).has_value());
}

void TestBuiltUpSection::modulusAlwaysRefersToFacePlate2() {
    // The T-profile's flange once at the bottom (face plate 2), once at the
    // top (face plate 1): the same section turned over has the same inertia,
    // but its modulus is now taken at the far end from the neutral axis.
    const auto flangeBelow = computeBuiltUpSection({0, 0, 200, 10, 150, 12});
    const auto flangeAbove = computeBuiltUpSection({150, 12, 200, 10, 0, 0});
    QVERIFY(flangeBelow && flangeAbove);
    QCOMPARE(digits(flangeAbove->inertia), digits(flangeBelow->inertia));
    QCOMPARE(digits(flangeBelow->modulus), digits(310.68));
    QCOMPARE(digits(flangeAbove->modulus), digits(115.39));
}

void TestBuiltUpSection::undefinedSectionsFail_data() {
    QTest::addColumn<BuiltUpDimensions>("mm");
    QTest::newRow("all zero: area 0") << BuiltUpDimensions{};
    QTest::newRow("bare face plate 2: first moment 0") << BuiltUpDimensions{0, 0, 0, 0, 100, 10};
    QTest::newRow("web of no height on face plate 2") << BuiltUpDimensions{0, 0, 0, 10, 100, 10};
    QTest::newRow("negative web cancels face plate 1's area")
        << BuiltUpDimensions{100, 10, 100, -10, 0, 0};
    QTest::newRow("plate areas beyond the double range")
        << BuiltUpDimensions{0, 0, 1e300, 1e300, 0, 0};
    // I is about 1e307, finite, but I * 100 in the rounding is not.
    QTest::newRow("inertia beyond the rounding's range")
        << BuiltUpDimensions{0, 0, 1e101, 1.2e9, 0, 0};
}

void TestBuiltUpSection::undefinedSectionsFail() {
    QFETCH(BuiltUpDimensions, mm);
    QVERIFY(!computeBuiltUpSection(mm).has_value());
}

QTEST_APPLESS_MAIN(TestBuiltUpSection)
#include "tst_sections_builtup.moc"
