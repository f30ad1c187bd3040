#include "bulbflat.h"
#include "girder.h"
#include "hpprofiles.h"
#include "rounding.h"
#include "sectiondetails.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::GirderMember)
Q_DECLARE_METATYPE(std::vector<corvane::GirderMember>)
Q_DECLARE_METATYPE(corvane::MemberError::Reason)
Q_DECLARE_METATYPE(corvane::MemberField)
Q_DECLARE_METATYPE(corvane::ProfileSide)
Q_DECLARE_METATYPE(corvane::GirderProfileError::Reason)

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double pi = std::numbers::pi;

GirderMember plate(double y1, double z1, double y2, double z2, double t, bool centreline = false) {
    GirderMember m;
    m.name = "plate";
    m.kind = MemberKind::Plate;
    m.centreline = centreline;
    m.y1 = y1;
    m.z1 = z1;
    m.y2 = y2;
    m.z2 = z2;
    m.t = t;
    return m;
}

GirderMember stiffener(const std::string& profile, double y1, double z1, ProfileSide side,
                       double n = 1) {
    GirderMember m;
    m.name = "longitudinal";
    m.kind = MemberKind::Profile;
    m.count = n;
    m.profile = profile;
    m.y1 = y1;
    m.z1 = z1;
    m.side = side;
    return m;
}

GirderMember freeRow(double areaCm2, double zMm, double i0Cm4) {
    GirderMember m;
    m.name = "free";
    m.kind = MemberKind::Free;
    m.area = areaCm2;
    m.z1 = zMm;
    m.i0 = i0Cm4;
    return m;
}

// Within a relative tolerance of the magnitude compared.
bool near(double a, double b, double relative = 1e-12) {
    return std::abs(a - b) <= relative * std::max(std::abs(a), std::abs(b));
}

// The box B x H outside, b x h inside: top and bottom plates over the whole
// breadth, the sides between them, each plate on its mid-thickness line.
std::vector<GirderMember> box(double B, double H, double b, double h) {
    const double tf = (H - h) / 2;
    const double ts = (B - b) / 2;
    const double ys = (B - ts) / 2;
    return {plate(-B / 2, tf / 2, B / 2, tf / 2, tf),
            plate(-B / 2, H - tf / 2, B / 2, H - tf / 2, tf), plate(-ys, tf, -ys, H - tf, ts),
            plate(ys, tf, ys, H - tf, ts)};
}

GirderTable table(std::vector<GirderMember> members, double depth, bool half = false,
                  double dt = 0) {
    return GirderTable(GirderSettings{depth, half, dt}, std::move(members));
}

// One side (y >= 0) of a double-bottom section 20 m wide and 12 m deep: the
// members on the centre line whole, everything else once.
std::vector<GirderMember> halfSection() {
    std::vector<GirderMember> m = {
        plate(-800, -9, 800, -9, 18, true), // keel plate
        plate(0, 0, 0, 1500, 16, true),     // centre girder
        plate(800, -8, 10000, -8, 16),      // bottom shell
        plate(800, 1500, 10000, 1500, 14),  // inner bottom
        plate(4000, 0, 4000, 1500, 13),     // side girder
        plate(10000, -8, 10000, 12000, 15), // side shell
        plate(0, 12000, 10000, 12200, 14),  // deck with camber, inclined
        plate(7000, 1500, 10000, 4500, 13), // hopper, inclined
        stiffener("HP200x10", 2000, 0, ProfileSide::Up, 4),
        stiffener("HP 240×11", 1000, 11993, ProfileSide::Down, 9),
        stiffener("FB150x12", 9992.5, 6000, ProfileSide::Up, 3),
        stiffener("T400x12+150x16", 6000, 12000, ProfileSide::Down),
        freeRow(120, 11000, 5400),
    };
    m.back().centreline = true; // a hatch-side girder pair counted once, as typed
    return m;
}

// The same section entered whole: every off-centre member mirrored, the
// centre line's members once.
std::vector<GirderMember> wholeSection() {
    std::vector<GirderMember> whole;
    for (const GirderMember& m : halfSection()) {
        whole.push_back(m);
        if (m.centreline) {
            whole.back().centreline = false;
            continue;
        }
        GirderMember mirrored = m;
        mirrored.y1 = -*m.y1;
        if (m.y2) {
            mirrored.y2 = -*m.y2;
        }
        whole.push_back(mirrored);
    }
    return whole;
}

const GirderRowFigures& figures(const std::variant<GirderRowFigures, MemberError>& line) {
    return std::get<GirderRowFigures>(line);
}

} // namespace

class TestGirder : public QObject {
    Q_OBJECT

  private slots:
    void boxGirder_data();
    void boxGirder();
    void symmetricSectionHasItsAxisAtHalfDepth_data();
    void symmetricSectionHasItsAxisAtHalfDepth();
    void inclinedPlateIsTheTurnedRectangle_data();
    void inclinedPlateIsTheTurnedRectangle();
    void halfSectionEqualsTheWhole_data();
    void halfSectionEqualsTheWhole();

    void workedHalfSection_data();
    void workedHalfSection();

    void stiffenerRowIsItsProfile_data();
    void stiffenerRowIsItsProfile();

    void reorderingRowsChangesNothing();
    void splittingAPlateChangesNothing_data();
    void splittingAPlateChangesNothing();
    void movingTheSectionUp_data();
    void movingTheSectionUp();

    void netThinsEveryThicknessButFreeRows();
    void netRowDeductionAndConsumedRows();
    void badTableDeductionHasNoNet();

    void badRowsAreLeftOutAndCounted_data();
    void badRowsAreLeftOutAndCounted();
    void noModulusWhereNoneIsDefined_data();
    void noModulusWhereNoneIsDefined();

    void editsGiveTheTableAsItStands();

    void profileNamesRead_data();
    void profileNamesRead();
    void profileNamesRefused_data();
    void profileNamesRefused();
};

void TestGirder::boxGirder_data() {
    QTest::addColumn<double>("B");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("h");
    QTest::newRow("square 1000, walls 10") << 1000.0 << 1000.0 << 980.0 << 980.0;
    QTest::newRow("deep 800 x 2400, flanges 20, webs 12") << 800.0 << 2400.0 << 776.0 << 2360.0;
    QTest::newRow("wide 20 m x 12 m, 25 and 18") << 20000.0 << 12000.0 << 19964.0 << 11950.0;
    QTest::newRow("thick-walled 300 x 200") << 300.0 << 200.0 << 200.0 << 100.0;
}

// I = (B*H^3 - b*h^3)/12 about the mid-height; both moduli I/(H/2).
void TestGirder::boxGirder() {
    QFETCH(double, B);
    QFETCH(double, H);
    QFETCH(double, b);
    QFETCH(double, h);
    const GirderResult r = table(box(B, H, b, h), H).grossResult();
    const double inertiaCm4 = (B * H * H * H - b * h * h * h) / 12 / 10000;
    QVERIFY(r.inertiaCm4());
    QVERIFY2(near(*r.inertiaCm4(), inertiaCm4),
             qPrintable(QString::number(*r.inertiaCm4(), 'g', 17)));
    QVERIFY(near(*r.inertiaM4(), inertiaCm4 / 1e8));
    QVERIFY(near(*r.inertia, inertiaCm4 / 1e4)); // cm2*m2
    QVERIFY(near(r.sums.area, (B * H - b * h) / 100));
    QVERIFY(near(*r.neutralAxis, H / 2000));
    QVERIFY(near(*r.neutralAxisCm(), H / 20));
    const double modulusCm3 = inertiaCm4 / (H / 20);
    QVERIFY(near(*r.deckModulusCm3(), modulusCm3, 1e-9));
    QVERIFY(near(*r.keelModulusCm3(), modulusCm3, 1e-9));
    QVERIFY(near(*r.deckModulus, modulusCm3 / 1e6, 1e-9));
    QVERIFY(near(*r.minModulusCm3(), modulusCm3, 1e-9));
    QCOMPARE(r.rowsCounted, std::size_t{4});
    QCOMPARE(r.rowsLeftOut, std::size_t{0});
}

void TestGirder::symmetricSectionHasItsAxisAtHalfDepth_data() {
    QTest::addColumn<std::vector<GirderMember>>("members");
    QTest::addColumn<double>("depth");
    QTest::newRow("I of plates") << std::vector<GirderMember>{plate(-300, 10, 300, 10, 20),
                                                              plate(0, 20, 0, 980, 12),
                                                              plate(-300, 990, 300, 990, 20)}
                                 << 1000.0;
    // Bulb flats on the bottom pointing up, the same on the deck pointing
    // down: mirror images about mid-depth.
    QTest::newRow("deck and bottom with HP longitudinals")
        << std::vector<GirderMember>{plate(0, 6, 8000, 6, 12),
                                     stiffener("HP260x11", 700, 12, ProfileSide::Up, 10),
                                     plate(0, 3000, 0, 9000, 14),
                                     stiffener("HP260x11", 700, 11988, ProfileSide::Down, 10),
                                     plate(0, 11994, 8000, 11994, 12)}
        << 12000.0;
    QTest::newRow("T girders and free rows")
        << std::vector<GirderMember>{stiffener("T500x12+200x20", 0, 0, ProfileSide::Up),
                                     freeRow(80, 1500, 900), freeRow(80, 2500, 900),
                                     stiffener("T500x12+200x20", 0, 4000, ProfileSide::Down)}
        << 4000.0;
    QTest::newRow("inclined plates crossing")
        << std::vector<GirderMember>{plate(0, 0, 3000, 5000, 15), plate(0, 5000, 3000, 0, 15)}
        << 5000.0;
}

void TestGirder::symmetricSectionHasItsAxisAtHalfDepth() {
    QFETCH(std::vector<GirderMember>, members);
    QFETCH(double, depth);
    const GirderResult r = table(members, depth).grossResult();
    QVERIFY(near(*r.neutralAxis, depth / 2000));
    QVERIFY(near(*r.deckModulus, *r.keelModulus, 1e-10));
    QVERIFY(*r.inertia > 0);
}

void TestGirder::inclinedPlateIsTheTurnedRectangle_data() {
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("degrees");
    QTest::newRow("horizontal") << 2000.0 << 12.0 << 0.0;
    QTest::newRow("30 deg") << 2000.0 << 12.0 << 30.0;
    QTest::newRow("45 deg, thick") << 500.0 << 40.0 << 45.0;
    QTest::newRow("vertical") << 1500.0 << 15.0 << 90.0;
    QTest::newRow("120 deg, falling to the right") << 3000.0 << 18.0 << 120.0;
    QTest::newRow("200 deg, drawn backwards") << 1000.0 << 10.0 << 200.0;
}

// The plate against the rectangle's four corners integrated round its
// boundary (Green's theorem, independent of the turned-rectangle formula).
void TestGirder::inclinedPlateIsTheTurnedRectangle() {
    QFETCH(double, length);
    QFETCH(double, t);
    QFETCH(double, degrees);
    const double u = degrees * pi / 180;
    const double y1 = 500;
    const double z1 = 2000;
    const double y2 = y1 + length * std::cos(u);
    const double z2 = z1 + length * std::sin(u);
    const GirderResult r = table({plate(y1, z1, y2, z2, t)}, 10000).grossResult();

    // The corners, t/2 either side of the line, in cm from the first end,
    // so that the reference's own sums lose no digits to a long lever.
    const double ny = -std::sin(u) * t / 2;
    const double nz = std::cos(u) * t / 2;
    const double dy = y2 - y1;
    const double dz = z2 - z1;
    const std::vector<OutlinePoint> corners = {{ny / 10, nz / 10},
                                               {(dy + ny) / 10, (dz + nz) / 10},
                                               {(dy - ny) / 10, (dz - nz) / 10},
                                               {-ny / 10, -nz / 10}};
    std::vector<OutlinePiece> outline;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        OutlinePiece piece;
        piece.from = corners[i];
        piece.to = corners[(i + 1) % corners.size()];
        outline.push_back(piece);
    }
    const AreaMoments m = enclosedMoments(outline);
    const double zBar = m.firstMomentX / m.area + z1 / 10;
    const double ownCm4 = m.secondMomentX - m.firstMomentX / m.area * m.firstMomentX;
    QVERIFY(near(r.sums.area, m.area, 1e-12));
    QVERIFY(near(*r.neutralAxis * 100, zBar, 1e-12));
    QVERIFY2(
        near(*r.inertiaCm4(), ownCm4, 1e-9),
        qPrintable(QString("%1 vs %2").arg(*r.inertiaCm4(), 0, 'g', 17).arg(ownCm4, 0, 'g', 17)));
    // A single member: I is its own moment.
    QVERIFY(near(*r.inertia, r.sums.ownInertia, 1e-9));
}

void TestGirder::halfSectionEqualsTheWhole_data() {
    QTest::addColumn<double>("dt");
    QTest::newRow("gross") << 0.0;
    QTest::newRow("net 1.5") << 1.5;
    QTest::newRow("net 3") << 3.0;
}

void TestGirder::halfSectionEqualsTheWhole() {
    QFETCH(double, dt);
    const GirderTable half = table(halfSection(), 12000, true, dt);
    const GirderTable whole = table(wholeSection(), 12000, false, dt);
    for (const auto& [h, w] : {std::pair{half.grossResult(), whole.grossResult()},
                               std::pair{half.netResult(), whole.netResult()}}) {
        QCOMPARE(h.rowsLeftOut, std::size_t{0});
        QVERIFY(near(h.sums.area, w.sums.area));
        QVERIFY(near(*h.neutralAxis, *w.neutralAxis));
        QVERIFY(near(*h.inertia, *w.inertia, 1e-11));
        QVERIFY(near(*h.deckModulusCm3(), *w.deckModulusCm3(), 1e-11));
        QVERIFY(near(*h.keelModulusCm3(), *w.keelModulusCm3(), 1e-11));
    }
    // Counted as listed it would be another section: the factor is there.
    const GirderResult once = table(halfSection(), 12000, false, dt).grossResult();
    QVERIFY(!near(once.sums.area, half.grossResult().sums.area, 1e-3));
}

void TestGirder::workedHalfSection_data() {
    QTest::addColumn<double>("dt");
    QTest::addColumn<double>("area");    // cm2
    QTest::addColumn<double>("axis");    // cm
    QTest::addColumn<double>("inertia"); // cm4
    QTest::addColumn<double>("deck");    // cm3
    QTest::addColumn<double>("keel");    // cm3
    QTest::addColumn<double>("inertiaM4");
    QTest::addColumn<double>("deckM3");
    // Worked by hand in 60-digit decimal arithmetic.
    QTest::newRow("gross") << 0.0 << 11124.82 << 412.99 << 1856250434.12 << 3162228.22 << 4494630.43
                           << 18.56 << 3.16;
    QTest::newRow("net 1") << 1.0 << 10328.25 << 416.27 << 1731863996.75 << 2966891.23 << 4160436.27
                           << 17.32 << 2.97;
}

// A half section of plates (horizontal, vertical, inclined, on the centre
// line, with a count) and a free row, to the digits shown.
void TestGirder::workedHalfSection() {
    QFETCH(double, dt);
    QFETCH(double, area);
    QFETCH(double, axis);
    QFETCH(double, inertia);
    QFETCH(double, deck);
    QFETCH(double, keel);
    QFETCH(double, inertiaM4);
    QFETCH(double, deckM3);
    GirderMember sideGirders = plate(3000, 0, 3000, 1200, 11);
    sideGirders.count = 2;
    GirderMember hatchGirders = freeRow(60, 9000, 2000);
    hatchGirders.count = 2;
    const GirderTable t =
        table({plate(-700, -7.5, 700, -7.5, 15, true), plate(0, 0, 0, 1200, 12, true),
               plate(700, -7, 8000, -7, 14), plate(0, 1200, 8000, 1200, 12),
               plate(8000, 0, 8000, 10000, 14), plate(6000, 1200, 8000, 3200, 12),
               plate(0, 10000, 8000, 10000, 16), sideGirders, hatchGirders},
              10000, true, dt);
    const GirderResult r = dt == 0 ? t.grossResult() : t.netResult();
    QCOMPARE(roundToHundredths(r.sums.area), area);
    QCOMPARE(roundToHundredths(*r.neutralAxisCm()), axis);
    QCOMPARE(roundToHundredths(*r.inertiaCm4()), inertia);
    QCOMPARE(roundToHundredths(*r.deckModulusCm3()), deck);
    QCOMPARE(roundToHundredths(*r.keelModulusCm3()), keel);
    QCOMPARE(roundToHundredths(*r.minModulusCm3()), deck);
    QCOMPARE(roundToHundredths(*r.inertiaM4()), inertiaM4);
    QCOMPARE(roundToHundredths(*r.deckModulus), deckM3);
}

void TestGirder::stiffenerRowIsItsProfile_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<double>("dt");
    QTest::addColumn<double>("area");     // cm2, from the profile's window
    QTest::addColumn<double>("centroid"); // cm above the toe
    QTest::addColumn<double>("inertia");  // cm4
    const auto window = [](const ProfileShape& shape) {
        const ProfileProperties p = *profileProperties(shape);
        return std::tuple{p.area, p.centroidHeight, p.inertia};
    };
    const auto builtUp = [](double b, double tf, double h, double tw) {
        const SectionProperties p = *sectionProperties(BuiltUpDimensions{b, tf, h, tw, 0, 0});
        return std::tuple{p.area, p.neutralAxis, p.inertia};
    };
    const auto row = [](const char* name, const char* profile, double dt,
                        std::tuple<double, double, double> p) {
        QTest::newRow(name) << QString(profile) << dt << std::get<0>(p) << std::get<1>(p)
                            << std::get<2>(p);
    };
    row("HP 120x6", "HP120x6", 0, window(*hpShape({120, 6})));
    row("HP 200x10", "HP 200×10", 0, window(*hpShape({200, 10})));
    row("HP 370x12.5", "hp370*12.5", 0, window(*hpShape({370, 12.5})));
    row("HP 430x20", "HP430x20", 0, window(*hpShape({430, 20})));
    row("HP 200x10 net 1.5", "HP200x10", 1.5, window(*hpShapeWithThickness(200, 8.5)));
    row("flat bar 200x10", "FB200x10", 0, window(flatBarShape(200, 10)));
    row("flat bar 150x12 net 2", "FB150x12", 2, window(flatBarShape(150, 10)));
    row("T 300x10+100x12", "T300x10+100x12", 0, builtUp(100, 12, 300, 10));
    row("T 600x12+200x20", "T 600×12 + 200×20", 0, builtUp(200, 20, 600, 12));
    row("T 300x10+100x12 net 1", "T300x10+100x12", 1, builtUp(100, 11, 300, 9));
}

// A row's A, centroid and i0 are its profile window's, times n, placed on
// its toe; pointing down mirrors the centroid below the toe.
void TestGirder::stiffenerRowIsItsProfile() {
    QFETCH(QString, profile);
    QFETCH(double, dt);
    QFETCH(double, area);
    QFETCH(double, centroid);
    QFETCH(double, inertia);
    const double n = 7;
    const double toe = 4321;
    for (const ProfileSide side : {ProfileSide::Up, ProfileSide::Down}) {
        const GirderMember m = stiffener(profile.toStdString(), 100, toe, side, n);
        const auto line = dt == 0 ? girderRowFigures(m, std::nullopt) : girderRowFigures(m, dt);
        const GirderRowFigures& f = figures(line);
        const double z = side == ProfileSide::Up ? toe / 10 + centroid : toe / 10 - centroid;
        QCOMPARE(f.count, n);
        QCOMPARE(f.area, n * area);
        QCOMPARE(f.z, z / 100);
        QCOMPARE(f.firstMoment, n * area * (z / 100));
        QCOMPARE(f.transfer, n * area * (z / 100) * (z / 100));
        QCOMPARE(f.ownInertia, n * (inertia / 10000));
        const auto section = memberSection(m, dt == 0 ? std::nullopt : std::optional(dt));
        QCOMPARE(std::get<MemberSection>(section).area, area);
        QCOMPARE(std::get<MemberSection>(section).ownInertia, inertia);
    }
}

void TestGirder::reorderingRowsChangesNothing() {
    std::vector<GirderMember> members = wholeSection();
    const GirderResult a = table(members, 12000).grossResult();
    std::reverse(members.begin(), members.end());
    std::rotate(members.begin(), members.begin() + 5, members.end());
    const GirderResult b = table(members, 12000).grossResult();
    QVERIFY(near(a.sums.area, b.sums.area));
    QVERIFY(near(*a.neutralAxis, *b.neutralAxis));
    QVERIFY(near(*a.inertia, *b.inertia));
    QVERIFY(near(*a.minModulus, *b.minModulus));
}

void TestGirder::splittingAPlateChangesNothing_data() {
    QTest::addColumn<GirderMember>("whole");
    QTest::addColumn<double>("fraction"); // where the plate is split
    QTest::newRow("deck, halves") << plate(0, 12000, 8000, 12000, 14) << 0.5;
    QTest::newRow("side shell, halves") << plate(9000, 0, 9000, 12000, 16) << 0.5;
    QTest::newRow("hopper 45 deg, halves") << plate(6000, 1500, 9000, 4500, 13) << 0.5;
    QTest::newRow("bilge, inclined, at a third") << plate(8000, 0, 9000, 2500, 18) << 1.0 / 3;
}

// Two collinear pieces: the same area, first moment and I, though each
// piece's own moment is smaller and the transfer terms make up the rest.
void TestGirder::splittingAPlateChangesNothing() {
    QFETCH(GirderMember, whole);
    QFETCH(double, fraction);
    const GirderMember bottom = plate(0, 0, 9000, 0, 20);
    const double ym = *whole.y1 + (*whole.y2 - *whole.y1) * fraction;
    const double zm = *whole.z1 + (*whole.z2 - *whole.z1) * fraction;
    const GirderResult one = table({bottom, whole}, 12000).grossResult();
    const GirderResult two = table({bottom, plate(*whole.y1, *whole.z1, ym, zm, *whole.t),
                                    plate(ym, zm, *whole.y2, *whole.z2, *whole.t)},
                                   12000)
                                 .grossResult();
    QVERIFY(near(one.sums.area, two.sums.area));
    QVERIFY(near(*one.neutralAxis, *two.neutralAxis));
    QVERIFY2(near(*one.inertia, *two.inertia, 1e-11),
             qPrintable(
                 QString("%1 vs %2").arg(*one.inertia, 0, 'g', 17).arg(*two.inertia, 0, 'g', 17)));
    QVERIFY(two.sums.ownInertia <= one.sums.ownInertia * (1 + 1e-12));
}

void TestGirder::movingTheSectionUp_data() {
    QTest::addColumn<double>("lift"); // mm
    QTest::newRow("up 500") << 500.0;
    QTest::newRow("up 3 m") << 3000.0;
    QTest::newRow("down 200") << -200.0;
}

// I does not change; the axis moves with the section; the deck line moved
// with it keeps its modulus, the baseline (not moved) gets another.
void TestGirder::movingTheSectionUp() {
    QFETCH(double, lift);
    std::vector<GirderMember> members = halfSection();
    const GirderResult before = table(members, 12000, true).grossResult();
    for (GirderMember& m : members) {
        m.z1 = *m.z1 + lift;
        if (m.z2) {
            m.z2 = *m.z2 + lift;
        }
    }
    const GirderResult after = table(members, 12000 + lift, true).grossResult();
    QVERIFY(near(*after.inertia, *before.inertia, 1e-11));
    QVERIFY(near(*after.neutralAxis, *before.neutralAxis + lift / 1000, 1e-12));
    QVERIFY(near(*after.deckModulus, *before.deckModulus, 1e-11));
    QVERIFY(!near(*after.keelModulus, *before.keelModulus, 1e-3));
    QVERIFY(near(*after.keelModulus, *after.inertiaM4() / *after.neutralAxis, 1e-12));
}

// Plates by dt, profiles as their windows reduce them (checked row by row in
// stiffenerRowIsItsProfile), a free row as typed.
void TestGirder::netThinsEveryThicknessButFreeRows() {
    const GirderTable t = table({plate(0, 100, 2000, 100, 12), freeRow(50, 3000, 400),
                                 stiffener("HP200x10", 0, 112, ProfileSide::Up)},
                                5000, false, 2);
    QCOMPARE(figures(t.gross(0)).area, 200 * 1.2);
    QCOMPARE(figures(t.net(0)).area, 200 * 1.0);
    QCOMPARE(figures(t.net(0)).z, figures(t.gross(0)).z); // thinned about its own line
    QCOMPARE(figures(t.net(1)).area, figures(t.gross(1)).area);
    QCOMPARE(figures(t.net(1)).ownInertia, figures(t.gross(1)).ownInertia);
    QVERIFY(figures(t.net(2)).area < figures(t.gross(2)).area);
    const GirderResult gross = t.grossResult();
    const GirderResult net = t.netResult();
    QVERIFY(net.sums.area < gross.sums.area);
    QVERIFY(*net.inertia < *gross.inertia);
    // A deduction of 0 gives the gross figures exactly.
    const GirderTable zero = table(t.members(), 5000, false, 0);
    QCOMPARE(*zero.netResult().inertia, *zero.grossResult().inertia);
    QCOMPARE(*zero.netResult().minModulus, *t.grossResult().minModulus);
}

void TestGirder::netRowDeductionAndConsumedRows() {
    GirderMember own = plate(0, 0, 1000, 0, 10);
    own.dt = 0; // kept at its gross thickness whatever the table takes
    GirderMember thin = plate(0, 500, 1000, 500, 4);
    GirderMember badOwn = plate(0, 900, 1000, 900, 10);
    badOwn.dt = -1;
    const GirderTable t =
        table({own, thin, badOwn, stiffener("FB100x4", 0, 0, ProfileSide::Up)}, 1000, false, 4);
    QCOMPARE(figures(t.net(0)).area, figures(t.gross(0)).area);
    QCOMPARE(std::get<MemberError>(t.net(1)).reason, MemberError::Reason::Consumed);
    QCOMPARE(std::get<MemberError>(t.net(1)).field, MemberField::T);
    QCOMPARE(std::get<MemberError>(t.net(2)).reason, MemberError::Reason::Negative);
    QCOMPARE(std::get<MemberError>(t.net(2)).field, MemberField::Dt);
    QCOMPARE(std::get<MemberError>(t.net(3)).reason, MemberError::Reason::Consumed);
    QCOMPARE(std::get<MemberError>(t.net(3)).field, MemberField::Profile);
    QCOMPARE(t.grossResult().rowsLeftOut, std::size_t{0});
    QCOMPARE(t.netResult().rowsLeftOut, std::size_t{3});
    QCOMPARE(t.netResult().rowsCounted, std::size_t{1});
}

void TestGirder::badTableDeductionHasNoNet() {
    for (const double dt : {-0.5, notANumber, inf}) {
        const GirderTable t = table(box(1000, 1000, 980, 980), 1000, false, dt);
        QVERIFY(!t.netDefined());
        QVERIFY(t.grossResult().inertia.has_value());
        const GirderResult net = t.netResult();
        QVERIFY(!net.neutralAxis && !net.inertia && !net.minModulus);
        QCOMPARE(net.rowsLeftOut, std::size_t{4});
        QCOMPARE(std::get<MemberError>(t.net(0)).field, MemberField::Dt);
    }
}

void TestGirder::badRowsAreLeftOutAndCounted_data() {
    QTest::addColumn<GirderMember>("member");
    QTest::addColumn<MemberError::Reason>("reason");
    QTest::addColumn<MemberField>("field");
    using R = MemberError::Reason;
    using F = MemberField;
    const GirderMember good = plate(0, 100, 500, 100, 10);
    const auto with = [&good](auto change) {
        GirderMember m = good;
        change(m);
        return m;
    };
    QTest::newRow("t missing") << with([](GirderMember& m) { m.t.reset(); }) << R::Missing << F::T;
    QTest::newRow("t zero") << with([](GirderMember& m) { m.t = 0; }) << R::NotPositive << F::T;
    QTest::newRow("t negative") << with([](GirderMember& m) { m.t = -5; }) << R::NotPositive
                                << F::T;
    QTest::newRow("t nan") << with([](GirderMember& m) { m.t = notANumber; }) << R::NotFinite
                           << F::T;
    QTest::newRow("z2 infinite") << with([](GirderMember& m) { m.z2 = inf; }) << R::NotFinite
                                 << F::Z2;
    QTest::newRow("y1 missing") << with([](GirderMember& m) { m.y1.reset(); }) << R::Missing
                                << F::Y1;
    QTest::newRow("both ends the same")
        << with([](GirderMember& m) { m.y2 = 0; }) << R::ZeroLength << F::Y2;
    QTest::newRow("count zero") << with([](GirderMember& m) { m.count = 0; }) << R::NotPositive
                                << F::Count;
    QTest::newRow("count missing")
        << with([](GirderMember& m) { m.count.reset(); }) << R::Missing << F::Count;
    QTest::newRow("area out of range") << with([](GirderMember& m) {
        m.y2 = 1e300;
        m.t = 1e300;
    }) << R::OutOfRange << F::Row;
    QTest::newRow("area below range") << with([](GirderMember& m) {
        // one tenth of it, in cm, is the least subnormal; times 0.3 cm, 0
        m.y2 = std::numeric_limits<double>::denorm_min() * 10;
        m.t = 3;
    }) << R::OutOfRange << F::Row;
    QTest::newRow("HP size not listed")
        << stiffener("HP210x10", 0, 0, ProfileSide::Up) << R::BadProfile << F::Profile;
    QTest::newRow("not a profile")
        << stiffener("L100x10", 0, 0, ProfileSide::Up) << R::BadProfile << F::Profile;
    QTest::newRow("T face plate zero")
        << stiffener("T300x10+0x12", 0, 0, ProfileSide::Up) << R::BadProfile << F::Profile;
    QTest::newRow("profile empty")
        << stiffener("  ", 0, 0, ProfileSide::Up) << R::Missing << F::Profile;
    QTest::newRow("side missing") << [] {
        GirderMember m = stiffener("HP200x10", 0, 0, ProfileSide::Up);
        m.side.reset();
        return m;
    }() << R::Missing << F::Side;
    QTest::newRow("toe height missing") << [] {
        GirderMember m = stiffener("HP200x10", 0, 0, ProfileSide::Up);
        m.z1.reset();
        return m;
    }() << R::Missing << F::Z1;
    QTest::newRow("free area zero") << freeRow(0, 100, 10) << R::NotPositive << F::Area;
    QTest::newRow("free i0 negative") << freeRow(10, 100, -1) << R::Negative << F::I0;
    QTest::newRow("free z nan") << freeRow(10, notANumber, 1) << R::NotFinite << F::Z1;
}

// The row is reported with its reason, left out of the sums gross and net,
// and counted: the results are those of the table without it.
void TestGirder::badRowsAreLeftOutAndCounted() {
    QFETCH(GirderMember, member);
    QFETCH(MemberError::Reason, reason);
    QFETCH(MemberField, field);
    std::vector<GirderMember> members = box(1000, 1000, 980, 980);
    const GirderTable clean = table(members, 1000, false, 1);
    members.insert(members.begin() + 2, member);
    const GirderTable t = table(members, 1000, false, 1);
    for (const auto* line : {&t.gross(2), &t.net(2)}) {
        const MemberError& e = std::get<MemberError>(*line);
        QCOMPARE(e.reason, reason);
        QCOMPARE(e.field, field);
        QCOMPARE(e.profileError.has_value(), reason == MemberError::Reason::BadProfile);
    }
    for (const auto& [r, c] : {std::pair{t.grossResult(), clean.grossResult()},
                               std::pair{t.netResult(), clean.netResult()}}) {
        QCOMPARE(r.rowsLeftOut, std::size_t{1});
        QCOMPARE(r.rowsCounted, std::size_t{4});
        QCOMPARE(r.sums.area, c.sums.area);
        QCOMPARE(*r.inertia, *c.inertia);
        QCOMPARE(*r.minModulus, *c.minModulus);
    }
}

void TestGirder::noModulusWhereNoneIsDefined_data() {
    QTest::addColumn<std::vector<GirderMember>>("members");
    QTest::addColumn<double>("depth");
    QTest::addColumn<bool>("axis");
    QTest::addColumn<bool>("deck");
    QTest::addColumn<bool>("keel");
    QTest::newRow("no rows") << std::vector<GirderMember>{} << 1000.0 << false << false << false;
    QTest::newRow("only bad rows")
        << std::vector<GirderMember>{plate(0, 0, 0, 0, 10)} << 1000.0 << false << false << false;
    QTest::newRow("axis on the baseline")
        << std::vector<GirderMember>{plate(0, -500, 0, 500, 10)} << 1000.0 << true << true << false;
    QTest::newRow("axis on the deck line")
        << std::vector<GirderMember>{plate(0, 0, 0, 1000, 10)} << 500.0 << true << false << true;
    QTest::newRow("depth zero") << std::vector<GirderMember>{plate(0, 0, 0, 1000, 10)} << 0.0
                                << true << false << true;
    QTest::newRow("depth nan") << std::vector<GirderMember>{plate(0, 0, 0, 1000, 10)} << notANumber
                               << true << false << true;
    QTest::newRow("sums beyond range")
        << std::vector<GirderMember>{freeRow(1e308, 0, 0), freeRow(1e308, 0, 0)} << 1000.0 << false
        << false << false;
}

// Each value is there or explicitly not; what is there is finite.
void TestGirder::noModulusWhereNoneIsDefined() {
    QFETCH(std::vector<GirderMember>, members);
    QFETCH(double, depth);
    QFETCH(bool, axis);
    QFETCH(bool, deck);
    QFETCH(bool, keel);
    const GirderResult r = table(members, depth).grossResult();
    QCOMPARE(r.neutralAxis.has_value(), axis);
    QCOMPARE(r.inertia.has_value(), axis);
    QCOMPARE(r.deckModulus.has_value(), deck);
    QCOMPARE(r.keelModulus.has_value(), keel);
    QCOMPARE(r.minModulus.has_value(), deck && keel);
    for (const auto& v : {r.neutralAxis, r.inertia, r.deckModulus, r.keelModulus, r.minModulus,
                          r.neutralAxisCm(), r.inertiaM4(), r.inertiaCm4(), r.deckModulusCm3(),
                          r.keelModulusCm3(), r.minModulusCm3()}) {
        QVERIFY(!v || std::isfinite(*v));
    }
}

// After any sequence of edits the results are bit for bit those of the
// table built afresh as it stands.
void TestGirder::editsGiveTheTableAsItStands() {
    GirderTable t = table(halfSection(), 12000, true, 1);
    t.setMember(3, plate(800, 1500, 10000, 1500, 16));
    t.insertMember(5, stiffener("HP300x12", 3000, 1500, ProfileSide::Up, 6));
    t.removeMember(0);
    t.moveMember(2, 9);
    t.setMember(0, plate(0, 0, 0, 0, 10)); // now a bad row
    t.setSettings({12500, true, 2});
    t.moveMember(10, 1);
    const GirderTable fresh(t.settings(), t.members());
    for (const auto& [a, b] : {std::pair{t.grossResult(), fresh.grossResult()},
                               std::pair{t.netResult(), fresh.netResult()}}) {
        QCOMPARE(a.rowsLeftOut, std::size_t{1});
        QCOMPARE(a.sums.area, b.sums.area);
        QCOMPARE(a.sums.firstMoment, b.sums.firstMoment);
        QCOMPARE(a.sums.transfer, b.sums.transfer);
        QCOMPARE(a.sums.ownInertia, b.sums.ownInertia);
        QCOMPARE(*a.deckModulus, *b.deckModulus);
        QCOMPARE(*a.keelModulus, *b.keelModulus);
    }
    for (std::size_t i = 1; i < t.size(); ++i) {
        QCOMPARE(figures(t.net(i)).area, figures(fresh.net(i)).area);
    }
}

void TestGirder::profileNamesRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("bulb flat") << "HP200x10"
                               << "HP 200×10";
    QTest::newRow("flat bar") << "fb 150 * 12"
                              << "FB 150×12";
    QTest::newRow("T") << "T300x10+100x12"
                       << "T 300×10+100×12";
    QTest::newRow("T, lower case, blanks, times signs") << " t 300 × 10 + 100 × 12 "
                                                        << "T 300×10+100×12";
    QTest::newRow("T, full-width") << "Ｔ３００ｘ１０＋１００ｘ１２．５"
                                   << "T 300×10+100×12.5";
}

void TestGirder::profileNamesRead() {
    QFETCH(QString, text);
    QFETCH(QString, written);
    const auto read = readGirderProfile(text.toStdString());
    QVERIFY(std::holds_alternative<GirderProfile>(read));
    QCOMPARE(QString::fromStdString(girderProfileName(std::get<GirderProfile>(read))), written);
    // The name written reads back as the same profile.
    const auto again = readGirderProfile(written.toStdString());
    QCOMPARE(QString::fromStdString(girderProfileName(std::get<GirderProfile>(again))), written);
}

void TestGirder::profileNamesRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<GirderProfileError::Reason>("reason");
    QTest::addColumn<int>("nearest");
    using R = GirderProfileError::Reason;
    QTest::newRow("empty") << "" << R::NotAName << 0;
    QTest::newRow("angle") << "L100x10" << R::NotAName << 0;
    QTest::newRow("HP not listed") << "HP200x9.5" << R::NotListed << 2;
    QTest::newRow("T without face plate") << "T300x10" << R::NotAName << 0;
    QTest::newRow("T with two face plates") << "T300x10+100x12+100x12" << R::NotAName << 0;
    QTest::newRow("T web thickness zero") << "T300x0+100x12" << R::Undefined << 0;
    QTest::newRow("T of bulb flats") << "THP200x10+100x12" << R::NotAName << 0;
}

void TestGirder::profileNamesRefused() {
    QFETCH(QString, text);
    QFETCH(GirderProfileError::Reason, reason);
    QFETCH(int, nearest);
    const auto read = readGirderProfile(text.toStdString());
    QVERIFY(std::holds_alternative<GirderProfileError>(read));
    QCOMPARE(std::get<GirderProfileError>(read).reason, reason);
    QCOMPARE(static_cast<int>(std::get<GirderProfileError>(read).nearest.size()), nearest);
}

QTEST_APPLESS_MAIN(TestGirder)
#include "tst_sections_girder.moc"
