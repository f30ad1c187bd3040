#include "sectiondrawing.h"
#include "subscripts.h"
#include "testsupport.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

using namespace corvane;

Q_DECLARE_METATYPE(corvane::SectionDimensions)

namespace {

bool isAxis(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool isSteel(QRgb pixel) {
    const QColor c(pixel);
    return c == QColor(176, 190, 210) || c == QColor(40, 52, 74);
}

QImage paint(const SectionGeometry& geometry, const QSize& size, SectionDrawingLayout* layout) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    *layout = paintSection(painter, QRectF(QPointF(0, 0), QSizeF(size)), geometry);
    painter.end();
    if (!qEnvironmentVariableIsEmpty("CORVANE_DRAWING_DIR")) {
        image.save(qEnvironmentVariable("CORVANE_DRAWING_DIR") + QStringLiteral("/") +
                   QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png"));
    }
    return image;
}

// The neutral axis: the middle of the band of pixel rows with the most
// axis-coloured pixels (the axis is two pixels wide), as row + 0.5 measures
// it. Its label in the same colour does not count: only the part of each row
// left of the label column, where the line runs alone.
double axisRow(const QImage& image, const SectionDrawingLayout& layout) {
    const int right = static_cast<int>(layout.sectionArea.right());
    std::vector<int> counts(static_cast<std::size_t>(image.height()), 0);
    int bestCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < std::min(right, image.width()); ++x) {
            counts[static_cast<std::size_t>(y)] += isAxis(image.pixel(x, y)) ? 1 : 0;
        }
        bestCount = std::max(bestCount, counts[static_cast<std::size_t>(y)]);
    }
    double sum = 0;
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (bestCount > 0 && counts[static_cast<std::size_t>(y)] * 10 >= bestCount * 9) {
            sum += y;
            ++rows;
        }
    }
    return rows > 0 ? sum / rows : -1;
}

} // namespace

class TestSectionDrawing : public QObject {
    Q_OBJECT

  private slots:
    void symbolsHaveOneSubscriptRule_data();
    void symbolsHaveOneSubscriptRule();
    void neutralAxisWhereEPutsIt_data();
    void neutralAxisWhereEPutsIt();
    void sameScaleOnBothAxes();
    void thinPlatesStayVisible();
    void tinyTargetDrawsTheSectionAlone();
    void outlineKindIsDrawnWithoutAPlateStack_data();
    void outlineKindIsDrawnWithoutAPlateStack();
};

void TestSectionDrawing::neutralAxisWhereEPutsIt_data() {
    QTest::addColumn<SectionDimensions>("mm");
    QTest::addColumn<QSize>("size");
    QTest::newRow("hull") << SectionDimensions{StiffenerDimensions{600, 10, 300, 10, 100, 12, 2400}}
                          << QSize(640, 420);
    QTest::newRow("hull-span0") << SectionDimensions{StiffenerDimensions{600, 10, 300, 10, 100, 12,
                                                                         0}}
                                << QSize(500, 500);
    QTest::newRow("tee") << SectionDimensions{BuiltUpDimensions{0, 0, 200, 10, 150, 12}}
                         << QSize(480, 520);
    QTest::newRow("ibeam") << SectionDimensions{BuiltUpDimensions{120, 12, 300, 10, 200, 14}}
                           << QSize(700, 380);
    QTest::newRow("pipe") << SectionDimensions{PipeDimensions{100, 10}} << QSize(420, 420);
}

// Scanning the painted image down the web's centre line: the first and last
// steel pixels are the extreme fibres, and the neutral axis must lie between
// them where e puts it, within one pixel.
void TestSectionDrawing::neutralAxisWhereEPutsIt() {
    QFETCH(SectionDimensions, mm);
    QFETCH(QSize, size);
    const auto geometry = sectionGeometry(mm);
    QVERIFY(geometry);
    SectionDrawingLayout layout;
    const QImage image = paint(*geometry, size, &layout);
    QVERIFY(layout.valid());
    QVERIFY(layout.annotated);

    const int column = static_cast<int>(std::floor(layout.xOf(0)));
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (isSteel(image.pixel(column, y))) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    QVERIFY(top >= 0 && bottom > top);
    // Pixel rows cover [top, bottom + 1): the fibres are those two edges.
    const double fibreSpan = geometry->topFibre - geometry->bottomFibre;
    const double expected =
        top + (geometry->topFibre - geometry->neutralAxis) / fibreSpan * (bottom + 1 - top);
    const double row = axisRow(image, layout);
    QVERIFY2(std::fabs((row + 0.5) - expected) <= 1.0 + 1e-9,
             qPrintable(QStringLiteral("axis at row %1, e puts it at %2 (fibres %3..%4)")
                            .arg(row)
                            .arg(expected)
                            .arg(top)
                            .arg(bottom)));
}

// A section twice as wide as high is drawn twice as wide as high.
void TestSectionDrawing::sameScaleOnBothAxes() {
    const auto geometry = sectionGeometry(BuiltUpDimensions{0, 0, 100, 200, 0, 0});
    QVERIFY(geometry);
    QImage image(600, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    SectionDrawingStyle style;
    style.annotate = false;
    const SectionDrawingLayout layout =
        paintSection(painter, QRectF(0, 0, 600, 600), *geometry, style);
    painter.end();
    int left = image.width();
    int right = -1;
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isSteel(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const double width = right + 1 - left;
    const double height = bottom + 1 - top;
    QVERIFY2(std::fabs(width / height - 2.0) < 0.02,
             qPrintable(QStringLiteral("%1 x %2").arg(width).arg(height)));
    QVERIFY(std::fabs(width - 200 * layout.scale) <= 2);
}

// A 1 mm plating 6 m wide on a 600 px drawing is a tenth of a pixel thick:
// drawn at one pixel, and the drawing says so.
void TestSectionDrawing::thinPlatesStayVisible() {
    const auto geometry = sectionGeometry(StiffenerDimensions{6000, 1, 300, 10, 100, 12, 2400});
    QVERIFY(geometry);
    SectionDrawingLayout layout;
    const QImage image = paint(*geometry, QSize(600, 400), &layout);
    QVERIFY(layout.thinPlatesWidened);
    const int column = static_cast<int>(layout.xOf(-2500));
    int steel = 0;
    for (int y = 0; y < image.height(); ++y) {
        steel += isSteel(image.pixel(column, y)) ? 1 : 0;
    }
    QVERIFY(steel >= 1);

    const auto ordinary = sectionGeometry(StiffenerDimensions{600, 10, 300, 10, 100, 12, 2400});
    paint(*ordinary, QSize(600, 400), &layout);
    QVERIFY(!layout.thinPlatesWidened);
}

void TestSectionDrawing::tinyTargetDrawsTheSectionAlone() {
    const auto geometry = sectionGeometry(PipeDimensions{100, 10});
    SectionDrawingLayout layout;
    paint(*geometry, QSize(60, 50), &layout);
    QVERIFY(layout.valid());
    QVERIFY(!layout.annotated);
}

// The bulb flat is drawn by its outline, not by its box: the middle of the
// corner arc is steel, the box's corner beside the toe is not. Its lines and
// dimensions are those of a profile on its plating.
void TestSectionDrawing::outlineKindIsDrawnWithoutAPlateStack_data() {
    QTest::addColumn<std::vector<double>>("entries"); // h, t, b, t_p, l, c, r
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("freeEdge");
    QTest::newRow("HP 200×10") << std::vector<double>{200, 10, 600, 10, 2400, 28, 8} << "HP 200×10"
                               << "球头顶端";
    QTest::newRow("HP 430×20, k = 1")
        << std::vector<double>{430, 20, 500, 12, 9000, 62.5, 19.5} << "HP 430×20"
        << "球头顶端";
    QTest::newRow("flat bar") << std::vector<double>{200, 10, 600, 10, 2400, 0, 0} << "FB 200×10"
                              << "扁钢自由边";
}

void TestSectionDrawing::outlineKindIsDrawnWithoutAPlateStack() {
    QFETCH(std::vector<double>, entries);
    QFETCH(QString, name);
    QFETCH(QString, freeEdge);
    const auto dimensions = sectionDimensions(SectionKind::PlatedProfile, entries);
    QVERIFY(dimensions.has_value());
    const auto geometry = sectionGeometry(*dimensions);
    QVERIFY(geometry.has_value());
    SectionDrawingLayout layout;
    const QImage image = paint(*geometry, QSize(600, 500), &layout);
    QVERIFY(layout.valid());
    const double h = entries[0];
    const double t = entries[1];
    const double c = entries[5];
    const double r = entries[6];
    const auto pixelAt = [&](double x, double y) {
        const QPointF p = layout.map(x, y);
        return image.pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
    };
    QVERIFY(isSteel(pixelAt(0, h / 2))); // the web
    if (c > 0) {
        QVERIFY(isSteel(pixelAt(t / 2 + c - r, r)));       // the bulb, round its corner arc
        QVERIFY(!isSteel(pixelAt(t / 2 + c - 2, h - 10))); // the box beside the toe
    }
    const QString texts = layout.texts.join(QLatin1Char('|'));
    QVERIFY2(texts.contains(QStringLiteral("中和轴  距带板外表面")), qPrintable(texts));
    QVERIFY2(texts.contains(QStringLiteral("带板外表面  距中和轴")), qPrintable(texts));
    QVERIFY2(texts.contains(freeEdge + QStringLiteral("  距中和轴")), qPrintable(texts));
    QVERIFY2(texts.contains(QStringLiteral("h = %1").arg(h)), qPrintable(texts));
    QVERIFY2(texts.contains(QStringLiteral("b = %1").arg(entries[2])), qPrintable(texts));
    QVERIFY2(texts.contains(name), qPrintable(texts));
    // The effective breadth gets its own dimension where it is not b; where
    // it is, the caption says the whole plating is hatched.
    QCOMPARE(texts.contains(QStringLiteral("k·b = b（斜线）")),
             geometry->effectiveBreadth == entries[2]);
    QCOMPARE(texts.count(QStringLiteral("k·b = ")), 1);
}

// The drawing, the sheet and the details window's input line all set
// symbols through this one rule.
void TestSectionDrawing::symbolsHaveOneSubscriptRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("subscripts"); // the subscript runs, joined by "|"
    QTest::newRow("symbol and unit") << "t_p (mm)"
                                     << "t<sub>p</sub> (mm)"
                                     << "p";
    QTest::newRow("two letters") << "h_w = 200"
                                 << "h<sub>w</sub> = 200"
                                 << "w";
    QTest::newRow("digits") << "b_1, t_2"
                            << "b<sub>1</sub>, t<sub>2</sub>"
                            << "1|2";
    QTest::newRow("ends at a sign") << "A_i·y_i"
                                    << "A<sub>i</sub>·y<sub>i</sub>"
                                    << "i|i";
    QTest::newRow("bare underscore") << "x_ _y"
                                     << "x_ <sub>y</sub>"
                                     << "y";
    QTest::newRow("no mark") << "k·b < 1"
                             << "k·b &lt; 1"
                             << "";
    QTest::newRow("Chinese after") << "t_f面板"
                                   << "t<sub>f</sub>面板"
                                   << "f";
}

void TestSectionDrawing::symbolsHaveOneSubscriptRule() {
    QFETCH(QString, text);
    QFETCH(QString, html);
    QFETCH(QString, subscripts);
    QCOMPARE(withSubscripts(text), html);
    QStringList found;
    for (const TextRun& run : subscriptRuns(text)) {
        if (run.subscript) {
            found << run.text;
        }
    }
    QCOMPARE(found.join(QLatin1Char('|')), subscripts);
}

CORVANE_TEST_MAIN(TestSectionDrawing)
#include "tst_sectiondrawing.moc"
