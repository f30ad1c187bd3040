#include "rounding.h"
#include "stiffener.h"

#include "near.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::StiffenerDimensions)

class TestSections : public QObject {
    Q_OBJECT

  private slots:
    void roundsHalfUpAtSecondDecimal_data();
    void roundsHalfUpAtSecondDecimal();
    void detailRoundingKeepsWhatCannotBeRounded();
    void levelRoundsHalfUpToTheMillimetre_data();
    void levelRoundsHalfUpToTheMillimetre();

    void stiffenerResults_data();
    void stiffenerResults();
    void stiffenerIntermediatesOfTheReferenceSection();
    void effectiveBreadthFactorIsCappedAtOne_data();
    void effectiveBreadthFactorIsCappedAtOne();
    void stiffenerUndefinedCasesFail_data();
    void stiffenerUndefinedCasesFail();
    void stiffenerFailsWhenOnlyTheRoundingOverflows();
};

void TestSections::roundsHalfUpAtSecondDecimal_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half up") << 0.125 << 0.13;
    QTest::newRow("negative half goes towards +inf") << -0.125 << -0.12;
    QTest::newRow("below half") << 1.234 << 1.23;
    QTest::newRow("a hair below a hundredth") << 2739.999999999999 << 2740.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("small negative becomes zero") << -0.004 << 0.0;
    QTest::newRow("small negative rounds down") << -0.006 << -0.01;
}

void TestSections::roundsHalfUpAtSecondDecimal() {
    QFETCH(double, x);
    QFETCH(double, rounded);
    QCOMPARE(roundToHundredths(x), rounded);
}

void TestSections::detailRoundingKeepsWhatCannotBeRounded() {
    const double huge = std::numeric_limits<double>::max() / 10; // x * 100 overflows
    const double infinity = std::numeric_limits<double>::infinity();
    QCOMPARE(detailRounding(0.125), 0.13);
    QCOMPARE(detailRounding(-0.125), -0.12);
    QCOMPARE(detailRounding(huge), huge);
    QCOMPARE(detailRounding(-huge), -huge);
    QVERIFY(std::isinf(detailRounding(infinity)));
    QVERIFY(std::isnan(detailRounding(std::nan(""))));
}

void TestSections::levelRoundsHalfUpToTheMillimetre_data() {
    QTest::addColumn<double>("metres");
    QTest::addColumn<double>("rounded");
    const double huge = std::numeric_limits<double>::max() / 100; // x * 1000 overflows
    QTest::newRow("half up") << 0.0625 << 0.063;
    QTest::newRow("negative half goes towards +inf") << -0.0625 << -0.062;
    QTest::newRow("below half") << 12.3454 << 12.345;
    QTest::newRow("a hair below a millimetre") << 8.194999999999999 << 8.195;
    QTest::newRow("finite beyond the product's range") << huge << huge;
    QTest::newRow("infinity passes")
        << std::numeric_limits<double>::infinity() << std::numeric_limits<double>::infinity();
}

void TestSections::levelRoundsHalfUpToTheMillimetre() {
    QFETCH(double, metres);
    QFETCH(double, rounded);
    QCOMPARE(levelRounding(metres), rounded);
}

void TestSections::stiffenerResults_data() {
    QTest::addColumn<StiffenerDimensions>("mm");
    QTest::addColumn<double>("inertia");
    QTest::addColumn<double>("modulus");
    // plate width, plate thickness, web height, web thickness, face width,
    // face thickness, span
    QTest::newRow("reference") << StiffenerDimensions{600, 10, 300, 10, 100, 12, 2400} << 13027.85
                               << 605.81;
    QTest::newRow("lighter") << StiffenerDimensions{500, 8, 200, 8, 80, 10, 1500} << 3488.16
                             << 247.63;
    QTest::newRow("span 0: no plate area, own term still counts")
        << StiffenerDimensions{600, 10, 300, 10, 100, 12, 0} << 4342.38 << 389.70;
    QTest::newRow("no face plate")
        << StiffenerDimensions{600, 10, 300, 10, 0, 0, 2400} << 6593.16 << 271.00;
    // k would be 1.0627 uncapped (14427.28 and 622.55); the plating counts
    // with its full breadth instead.
    QTest::newRow("long span, k capped")
        << StiffenerDimensions{600, 10, 300, 10, 100, 12, 4000} << 14182.43 << 619.80;
}

void TestSections::stiffenerResults() {
    QFETCH(StiffenerDimensions, mm);
    QFETCH(double, inertia);
    QFETCH(double, modulus);
    const auto result = computeStiffenerSection(mm);
    QVERIFY(result.has_value());
    QCOMPARE(result->inertia, inertia);
    QCOMPARE(result->modulus, modulus);
}

void TestSections::stiffenerIntermediatesOfTheReferenceSection() {
    const auto d = stiffenerSectionDetail({600, 10, 300, 10, 100, 12, 2400});
    const auto near = [](double actual, double expected) {
        return test::near(actual, expected, 0, 5e-7);
    };
    QVERIFY(near(d.k, 0.755953));
    QVERIFY(near(d.plateArea, 45.357158));
    QVERIFY(near(d.area, 87.357158));
    QVERIFY(near(d.firstMoment, 1878.607607));
    QVERIFY(near(d.neutralAxis, 21.504908));
    QVERIFY(near(d.inertiaAtFacePlate, 53427.136592));
}

void TestSections::effectiveBreadthFactorIsCappedAtOne_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("capped");
    const double limit = std::pow(1 / 0.3, 1.5); // about 6.0858
    QTest::newRow("well below") << 4.0 << false;
    QTest::newRow("just below the limit") << limit * (1 - 1e-9) << false;
    QTest::newRow("just above the limit") << limit * (1 + 1e-9) << true;
    QTest::newRow("far above") << 100.0 << true;
}

void TestSections::effectiveBreadthFactorIsCappedAtOne() {
    QFETCH(double, ratio);
    QFETCH(bool, capped);
    const double k = effectiveBreadthFactor(ratio, 1.0);
    const double uncapped = 0.3 * std::pow(ratio, 2.0 / 3.0);
    if (capped) {
        QCOMPARE(k, 1.0);
        QVERIFY(uncapped > 1.0);
    } else {
        QCOMPARE(k, uncapped);
        QVERIFY(k < 1.0);
    }
    QCOMPARE(effectiveBreadthFactor(0.0, 1.0), 0.0);
}

void TestSections::stiffenerUndefinedCasesFail_data() {
    QTest::addColumn<StiffenerDimensions>("mm");
    QTest::newRow("plate width 0") << StiffenerDimensions{0, 10, 300, 10, 100, 12, 2400};
    QTest::newRow("negative span ratio") << StiffenerDimensions{600, 10, 300, 10, 100, 12, -2400};
    QTest::newRow("total area 0") << StiffenerDimensions{600, 0, 0, 0, 0, 0, 2400};
    QTest::newRow("neutral axis on the face plate line")
        << StiffenerDimensions{600, 0, 0, 0, 100, 12, 2400};
    QTest::newRow("beyond the double range")
        << StiffenerDimensions{600, 10, 1e300, 1e300, 100, 12, 2400};
}

void TestSections::stiffenerUndefinedCasesFail() {
    QFETCH(StiffenerDimensions, mm);
    QVERIFY(!computeStiffenerSection(mm).has_value());
}

void TestSections::stiffenerFailsWhenOnlyTheRoundingOverflows() {
    // An enormous web: I itself is finite, I * 100 is not.
    const StiffenerDimensions mm{600, 10, 1e100, 1e12, 100, 12, 2400};
    QVERIFY(std::isfinite(stiffenerSectionDetail(mm).inertia));
    QVERIFY(!computeStiffenerSection(mm).has_value());
}

QTEST_APPLESS_MAIN(TestSections)
#include "tst_sections.moc"
