#include "girderdrawing.h"
#include "girdersheet.h"
#include "sectiondrawing.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::GirderMember)
Q_DECLARE_METATYPE(corvane::GirderTable)

namespace {

GirderMember plate(const char* name, double y1, double z1, double y2, double z2, double t) {
    GirderMember m;
    m.name = name;
    m.kind = MemberKind::Plate;
    m.y1 = y1;
    m.z1 = z1;
    m.y2 = y2;
    m.z2 = z2;
    m.t = t;
    return m;
}

GirderMember stiffener(const char* name, const char* profile, double y1, double z1,
                       ProfileSide side, double n = 1) {
    GirderMember m;
    m.name = name;
    m.kind = MemberKind::Profile;
    m.profile = profile;
    m.y1 = y1;
    m.z1 = z1;
    m.side = side;
    m.count = n;
    return m;
}

GirderMember freeRow(const char* name, std::optional<double> y1, double z1) {
    GirderMember m;
    m.name = name;
    m.kind = MemberKind::Free;
    m.y1 = y1;
    m.z1 = z1;
    m.area = 50;
    m.i0 = 100;
    return m;
}

// A rectangular tube B x H, flanges tf, webs tw, as four plates on their
// mid-thickness lines: I = (B*H^3 - b*h^3)/12. A half section lists the
// flanges from the centre line out and one web.
std::vector<GirderMember> boxGirder(double B, double H, double tf, double tw, bool half) {
    const double left = half ? 0 : -B / 2;
    std::vector<GirderMember> rows{
        plate("deck", left, H - tf / 2, B / 2, H - tf / 2, tf),
        plate("bottom", left, tf / 2, B / 2, tf / 2, tf),
        plate("side", B / 2 - tw / 2, tf, B / 2 - tw / 2, H - tf, tw),
    };
    if (!half) {
        rows.push_back(plate("side", -(B / 2 - tw / 2), tf, -(B / 2 - tw / 2), H - tf, tw));
    }
    return rows;
}

GirderTable boxTable(double B, double H, double tf, double tw, bool half = false) {
    return GirderTable({H, half, 0}, boxGirder(B, H, tf, tw, half));
}

// Every text the sheet sets, but the drawing's.
QStringList sheetTexts(const CalcSheet& sheet) {
    QStringList texts = sheet.method;
    texts << sheet.calculatorName;
    std::vector<SheetTable> tables = sheet.tables;
    tables.push_back(sheet.inputs);
    for (const SheetTable& table : tables) {
        texts << table.title << table.headers << table.notes;
        for (const QStringList& row : table.rows) {
            texts << row;
        }
    }
    return texts;
}

// The results table's row of that caption: {gross, net}.
QStringList resultRow(const CalcSheet& sheet, const QString& caption) {
    for (const QStringList& row : sheet.tables.back().rows) {
        if (row.first() == caption) {
            return row.mid(1);
        }
    }
    return {};
}

GirderDrawingLayout paintOnImage(QImage& image, const QRectF& box, const GirderTable& table,
                                 const GirderDrawingStyle& style = {}) {
    image.fill(Qt::white);
    QPainter painter(&image);
    return paintGirderSection(painter, box, table, style);
}

int inkedPixels(const QImage& image, const QRect& rect) {
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    return count;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        return QStringLiteral("<%1 failed>").arg(program);
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestGirderSheet : public QObject {
    Q_OBJECT

  private slots:
    void eachKindIsDrawnWhereItStands_data();
    void eachKindIsDrawnWhereItStands();
    void levelsAreLabelledAndTheAxisLiesAtZna();
    void sheetScaleIsOfTheSeriesAndBadRowsAreNotDrawn();
    void boxGirderResultsAreTheClosedForm_data();
    void boxGirderResultsAreTheClosedForm();
    void leftOutRowsAreStatedAndNothingIsNan_data();
    void leftOutRowsAreStatedAndNothingIsNan();
    void longTableRepeatsItsHeaderAndCutsNoRow_data();
    void longTableRepeatsItsHeaderAndCutsNoRow();
};

void TestGirderSheet::eachKindIsDrawnWhereItStands_data() {
    QTest::addColumn<GirderMember>("member");
    QTest::addColumn<QPointF>("anchor"); // (y, z) mm
    QTest::addColumn<int>("direction");  // +1 up from the anchor, -1 down, 0 centred on it

    QTest::newRow("horizontal plate")
        << plate("p", -300, 1500, 300, 1500, 1) << QPointF(0, 1500) << 0;
    QTest::newRow("inclined plate") << plate("p", 200, 100, 400, 500, 12) << QPointF(300, 300) << 0;
    QTest::newRow("HP up") << stiffener("s", "HP200x10", 250, 10, ProfileSide::Up, 12)
                           << QPointF(250, 10) << 1;
    QTest::newRow("HP down") << stiffener("s", "HP 240×10", -250, 1990, ProfileSide::Down)
                             << QPointF(-250, 1990) << -1;
    QTest::newRow("flat bar up") << stiffener("s", "FB150x12", 0, 10, ProfileSide::Up)
                                 << QPointF(0, 10) << 1;
    QTest::newRow("T down") << stiffener("s", "T300x10+100x12", 100, 1990, ProfileSide::Down)
                            << QPointF(100, 1990) << -1;
    QTest::newRow("free row at y1") << freeRow("f", 300.0, 800) << QPointF(300, 800) << 0;
    QTest::newRow("free row on the centre line")
        << freeRow("f", std::nullopt, 800) << QPointF(0, 800) << 0;
}

void TestGirderSheet::eachKindIsDrawnWhereItStands() {
    QFETCH(GirderMember, member);
    QFETCH(QPointF, anchor);
    QFETCH(int, direction);
    GirderTable table = boxTable(1000, 2000, 10, 10);
    table.insertMember(table.size(), member);
    QImage image(900, 700, QImage::Format_RGB32);
    const QRect box(30, 30, 840, 640);
    const GirderDrawingLayout layout = paintOnImage(image, box, table);
    QVERIFY(layout.valid());
    QCOMPARE(layout.rowsDrawn, table.size());

    const std::optional<QRectF> bounds = layout.memberBounds.back();
    QVERIFY(bounds);
    QVERIFY(QRectF(box).contains(*bounds));
    QVERIFY(inkedPixels(image, bounds->toAlignedRect()) > 0);
    const QPointF at = layout.map(anchor.x(), anchor.y());
    const double tolerance = 1.5;
    QVERIFY(bounds->left() - tolerance <= at.x() && at.x() <= bounds->right() + tolerance);
    if (direction == 0) {
        QVERIFY(std::fabs(bounds->center().y() - at.y()) <= tolerance);
        QVERIFY(std::fabs(bounds->center().x() - at.x()) <= tolerance);
    } else if (direction > 0) {
        QVERIFY(std::fabs(bounds->bottom() - at.y()) <= tolerance);
        QVERIFY(bounds->top() < at.y() - 3);
    } else {
        QVERIFY(std::fabs(bounds->top() - at.y()) <= tolerance);
        QVERIFY(bounds->bottom() > at.y() + 3);
    }
    // Nothing spills out of the box.
    QCOMPARE(inkedPixels(image, image.rect()), inkedPixels(image, box));
}

void TestGirderSheet::levelsAreLabelledAndTheAxisLiesAtZna() {
    // Deck heavier than the bottom: the axis above half depth.
    GirderTable table({2500, false, 0}, boxGirder(1000, 2000, 10, 10, false));
    table.insertMember(0, plate("deck 2", -500, 1990, 500, 1990, 10));
    const double zna = *table.grossResult().neutralAxis; // m
    QImage image(900, 700, QImage::Format_RGB32);
    const QRectF box(10, 10, 880, 680);
    const GirderDrawingLayout layout = paintOnImage(image, box, table);
    // The deck line above the steel is in the drawing too.
    QVERIFY(box.contains(layout.map(0, 2500)));
    QVERIFY(layout.sectionRect.top() <= layout.map(0, 2500).y());
    QVERIFY(layout.texts.contains(QStringLiteral("基线")));
    QVERIFY(layout.texts.contains(QStringLiteral("甲板线 D = 2.5 m")));
    // (596 cm2 at 1 m and 100 cm2 at 1.99 m)
    QVERIFY(layout.texts.contains(QStringLiteral("中和轴 z = 1.142 m")));
    // The axis's red dashes, right of the steel, centre on z_NA.
    const QRgb red = sectionDrawingPalette().axis.rgb();
    const int x = static_cast<int>(layout.sectionRect.right()) + 3;
    double sum = 0;
    int rows = 0;
    for (int dx = 0; dx < 12; ++dx) {
        for (int y = 0; y < image.height(); ++y) {
            if (qRed(image.pixel(x + dx, y)) > 150 && qGreen(image.pixel(x + dx, y)) < 120) {
                sum += y + 0.5;
                ++rows;
            }
        }
    }
    QVERIFY(rows > 0);
    QVERIFY(qRed(red) > 150);
    QVERIFY(std::fabs(sum / rows - layout.map(0, zna * 1000).y()) <= 1.0);
}

void TestGirderSheet::sheetScaleIsOfTheSeriesAndBadRowsAreNotDrawn() {
    GirderTable table = boxTable(16000, 18000, 14, 12, true);
    GirderMember bad = plate("no thickness", 0, 100, 800, 100, 1);
    bad.t.reset();
    table.insertMember(1, bad);
    GirderDrawingStyle style;
    style.unitsPerPaperMm = 10;
    style.highlightRow = 2;
    QImage image(900, 700, QImage::Format_RGB32);
    const GirderDrawingLayout layout = paintOnImage(image, QRectF(0, 0, 900, 700), table, style);
    QCOMPARE(layout.scaleText, QStringLiteral("1:500"));
    QCOMPARE(layout.scale, 10.0 / 500);
    QCOMPARE(layout.rowsSkipped, std::size_t{1});
    QVERIFY(!layout.memberBounds[1]);
    // The selected row (the bottom plate) stands out in its own colour.
    const QRect bottom = layout.memberBounds[2]->toAlignedRect();
    int orange = 0;
    for (int x = bottom.left(); x <= bottom.right(); ++x) {
        const QColor c = image.pixelColor(x, bottom.center().y());
        orange += c.red() > 180 && c.blue() < 80 ? 1 : 0;
    }
    QVERIFY(orange > bottom.width() / 2);
}

void TestGirderSheet::boxGirderResultsAreTheClosedForm_data() {
    QTest::addColumn<GirderTable>("table");
    QTest::addColumn<QStringList>("expected"); // A, zNA m, cm, I cm2m2, m4, W m3, cm3
    QTest::addColumn<QStringList>("net");      // the same, net; empty: as gross

    // Exact fractions of (B*H^3 - b*h^3)/12, rounded half-up to hundredths.
    const QStringList a{"596", "1", "100", "327.38", "0.032738", "0.03273799", "32737.99"};
    QTest::newRow("1000x2000, 10") << boxTable(1000, 2000, 10, 10) << a << QStringList();
    QTest::newRow("half 1000x2000, 10") << boxTable(1000, 2000, 10, 10, true) << a << QStringList();
    GirderTable keel = boxTable(1000, 2000, 10, 10, true);
    GirderMember bottom = plate("keel", -500, 5, 500, 5, 10);
    bottom.centreline = true;
    keel.setMember(1, bottom);
    QTest::newRow("half, keel on the centre line") << keel << a << QStringList();
    QTest::newRow("3000x1500, 12/8")
        << boxTable(3000, 1500, 12, 8)
        << QStringList{"956.16", "0.75", "75", "441.43", "0.044143", "0.05885719", "58857.19"}
        << QStringList();
    QTest::newRow("600x900, 20/15")
        << boxTable(600, 900, 20, 15)
        << QStringList{"498", "0.45", "45", "62.37", "0.006237", "0.01386076", "13860.76"}
        << QStringList();
    // Net: every plate 1 mm thinner on the same mid-thickness line, the webs
    // as long: 2*(B*t^3/12 + B*t*(H/2 - tf/2)^2) + 2*(t'*h^3/12).
    GirderTable deducted = boxTable(1000, 2000, 10, 10);
    deducted.setSettings({2000, false, 1});
    QTest::newRow("net, dt = 1") << deducted << a
                                 << QStringList{"536.4",    "1",          "100",     "294.64",
                                                "0.029464", "0.02946416", "29464.16"};
    // The same deduction given on each row instead of the table.
    GirderTable perRow = boxTable(1000, 2000, 10, 10);
    for (std::size_t r = 0; r < perRow.size(); ++r) {
        GirderMember m = perRow.member(r);
        m.dt = 1;
        perRow.setMember(r, m);
    }
    QTest::newRow("net, dt = 1 on each row")
        << perRow << a
        << QStringList{"536.4", "1", "100", "294.64", "0.029464", "0.02946416", "29464.16"};
}

void TestGirderSheet::boxGirderResultsAreTheClosedForm() {
    QFETCH(GirderTable, table);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, net);
    if (net.isEmpty()) {
        net = expected; // no deduction: the net column repeats the gross
    }
    const CalcSheet sheet = girderSheet(QStringLiteral("box"), table);
    const QStringList captions{
        "总面积 A (cm²)", "中和轴距基线 z_NA (m)",   "中和轴距基线 z_NA (cm)",  "惯性矩 I (cm²·m²)",
        "惯性矩 I (m⁴)",  "最小剖面模数 W_min (m³)", "最小剖面模数 W_min (cm³)"};
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(resultRow(sheet, captions[i]), QStringList({expected[i], net[i]}));
    }
    // Symmetric: the deck and the keel moduli are the same.
    QCOMPARE(resultRow(sheet, "甲板处剖面模数 W_D (cm³)"),
             resultRow(sheet, "基线处剖面模数 W_B (cm³)"));
    // A net member table only where a deduction takes off steel.
    QCOMPARE(sheet.tables.size(), std::size_t{net == expected ? 2 : 3});
}

void TestGirderSheet::leftOutRowsAreStatedAndNothingIsNan_data() {
    QTest::addColumn<GirderTable>("table");
    QTest::addColumn<QStringList>("leftOut"); // gross, net
    QTest::addColumn<QString>("minModulus");  // gross W_min (cm3)

    GirderTable bad = boxTable(1000, 2000, 10, 10);
    GirderMember noThickness = plate("x", 0, 0, 100, 0, 1);
    noThickness.t.reset();
    bad.insertMember(2, noThickness);
    bad.insertMember(0, stiffener("unlisted", "HP205x10", 0, 10, ProfileSide::Up));
    QTest::newRow("two bad rows") << bad << QStringList{"2", "2"} << "32737.99";

    GirderTable consumed({2000, false, 3}, boxGirder(1000, 2000, 10, 10, false));
    consumed.insertMember(0, plate("thin", -500, 1000, 500, 1000, 2));
    QTest::newRow("net consumes a plate") << consumed << QStringList{"0", "1"} << "32737.99";

    GirderTable empty({2000, true, 0}, {});
    empty.insertMember(0, noThickness);
    QTest::newRow("nothing counts") << empty << QStringList{"1", "1"} << "—";
    QTest::newRow("no depth") << GirderTable({0, false, 0}, boxGirder(1000, 2000, 10, 10, false))
                              << QStringList{"0", "0"} << "—";
    QTest::newRow("negative deduction")
        << GirderTable({2000, false, -1}, boxGirder(1000, 2000, 10, 10, false))
        << QStringList{"0", "4"} << "32737.99";
    QTest::newRow("infinite deduction")
        << GirderTable({2000, false, INFINITY}, boxGirder(1000, 2000, 10, 10, false))
        << QStringList{"0", "4"} << "32737.99";
    QTest::newRow("axis on the baseline")
        << GirderTable({2000, false, 0}, {plate("base", -500, 0, 500, 0, 10)})
        << QStringList{"0", "0"} << "—";
}

void TestGirderSheet::leftOutRowsAreStatedAndNothingIsNan() {
    QFETCH(GirderTable, table);
    QFETCH(QStringList, leftOut);
    QFETCH(QString, minModulus);
    const CalcSheet sheet = girderSheet(QStringLiteral("bad"), table);
    QCOMPARE(resultRow(sheet, "略去的行数（无法计算）"), leftOut);
    QCOMPARE(resultRow(sheet, "最小剖面模数 W_min (cm³)").first(), minModulus);
    const QStringList notes = sheet.tables.back().notes;
    if (leftOut[0] != "0") {
        QVERIFY(notes.contains(
            QStringLiteral("毛尺寸：有 %1 行无法计算，未计入合计。").arg(leftOut[0])));
    }
    QCOMPARE(sheet.tables.front().notes.first().startsWith("有"), leftOut[0] != "0");

    QImage image(600, 400, QImage::Format_RGB32);
    QStringList texts = sheetTexts(sheet);
    texts << paintOnImage(image, QRectF(0, 0, 600, 400), table).texts;
    const QRegularExpression nan(QStringLiteral("nan|inf"),
                                 QRegularExpression::CaseInsensitiveOption);
    for (const QString& text : texts) {
        QVERIFY2(!text.contains(nan), qPrintable(text));
    }
}

void TestGirderSheet::longTableRepeatsItsHeaderAndCutsNoRow_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    // A page holds the headers, then rows of 5 mm: the drawing, method and
    // results take the first page's and last page's room.
    QTest::newRow("10 rows") << 10 << 2;
    QTest::newRow("200 rows") << 200 << 5;
}

void TestGirderSheet::longTableRepeatsItsHeaderAndCutsNoRow() {
    QFETCH(int, rows);
    QFETCH(int, pages);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is needed");
    }
    GirderTable table({20000, true, 0}, {});
    for (int r = 0; r < rows; ++r) {
        const std::string name = "m" + std::to_string(1000 + r);
        const double z = 10 + 90 * r;
        table.insertMember(table.size(), plate(name.c_str(), 0, z, 1000, z, 10));
    }
    const CalcSheet sheet = girderSheet(QStringLiteral("长表"), table);
    QCOMPARE(sheetPageCount(sheet), pages);

    QTemporaryDir dir;
    const QString path = dir.filePath("girder.pdf");
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        QVERIFY(renderSheet(sheet, writer));
    }
    QStringList pageTexts;
    for (int p = 1; p <= pages; ++p) {
        pageTexts << run("pdftotext", {"-layout", "-f", QString::number(p), "-l",
                                       QString::number(p), path, "-"});
    }
    QVERIFY(!pageTexts.join("").contains("failed>"));
    // 20 m of depth in the box of some 64 mm: the deck line counts.
    QVERIFY(pageTexts[0].contains(QRegularExpression(QStringLiteral("比例\\s*1:500"))));
    for (int r = 0; r < rows; ++r) {
        // The row whole, from its name to its own moment, on one page.
        const QRegularExpression line(
            QStringLiteral("m%1\\s+板\\s+1\\s+1000×10\\s+100\\s+%2\\s+\\S+\\s+\\S+\\s+0$")
                .arg(1000 + r)
                .arg(QString::number((10 + 90 * r) / 1000.0, 'g', 10)));
        int seen = 0;
        for (const QString& text : pageTexts) {
            seen += text.split('\n').filter(line).size();
        }
        QVERIFY2(seen == 1, qPrintable(QStringLiteral("row %1 seen %2 times").arg(r).arg(seen)));
    }
    const QRegularExpression header(QStringLiteral("构件\\s+类型\\s+n\\s+剖面/尺寸"));
    for (int p = 0; p < pages; ++p) {
        if (pageTexts[p].contains(QRegularExpression("m1\\d\\d\\d\\s"))) {
            QVERIFY2(pageTexts[p].contains(header), qPrintable(QString::number(p + 1)));
        }
        QVERIFY(pageTexts[p].contains(QRegularExpression(
            QStringLiteral("第\\s*%1\\s*页\\s*/\\s*共\\s*%2\\s*页").arg(p + 1).arg(pages))));
    }
}

QTEST_MAIN(TestGirderSheet)
#include "tst_girdersheet.moc"
