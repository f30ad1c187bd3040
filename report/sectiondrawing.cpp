#include "sectiondrawing.h"

#include "sectionkind.h"
#include "sectiontext.h"
#include "subscripts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace corvane {

namespace {

const QColor steelFill = sectionDrawingPalette().steelFill;
const QColor steelEdge = sectionDrawingPalette().steelEdge;
const QColor axisColour = sectionDrawingPalette().axis;
const QColor referenceColour = sectionDrawingPalette().reference;
const QColor fibreColour = sectionDrawingPalette().fibre;
const QColor inkColour = sectionDrawingPalette().ink;

// The length of one device pixel in the painter's logical units (the
// drawing never rotates or shears, so one number serves both axes).
double devicePixel(const QPainter& painter) {
    const double determinant = std::fabs(painter.deviceTransform().determinant());
    return determinant > 0 ? 1 / std::sqrt(determinant) : 1;
}

QPen linePen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCosmetic(width == 0);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// What a horizontal line across the section stands for; its pen and its
// label's colour follow from that.
enum class LineRole {
    Fibre,       // an extreme fibre
    NeutralAxis, // the neutral axis
    Reference,   // the line the calculator's modulus refers to
};

QPen penFor(LineRole role, double lineWidth) {
    switch (role) {
    case LineRole::NeutralAxis:
        return linePen(axisColour, lineWidth == 0 ? 2 : lineWidth * 2, Qt::DashDotLine);
    case LineRole::Reference:
        return linePen(referenceColour, lineWidth, Qt::DashLine);
    case LineRole::Fibre:
        break;
    }
    return linePen(fibreColour, lineWidth, Qt::DotLine);
}

// A horizontal line across the section, with the text that goes in the
// label column.
struct AxisLine {
    double y = 0; // mm
    QString text;
    LineRole role = LineRole::Fibre;
};

struct Dimension {
    double from = 0; // mm, along the dimension
    double to = 0;
    QString text;
};

// What one kind of section says about itself.
struct Annotations {
    std::vector<AxisLine> lines;
    std::vector<Dimension> top;    // widths above the section, nearest first
    std::vector<Dimension> bottom; // widths below it
    std::optional<Dimension> side; // a height beside it, on the left
    QString caption;               // the plates and their sizes
};

QString dimensionsText(double width, double thickness) {
    return QStringLiteral("%1×%2").arg(detailNumber(width), detailNumber(thickness));
}

// Distances from the neutral axis in cm, as the property table gives them.
QString centimetres(double mm) {
    return QStringLiteral("%1 cm").arg(detailResult(mm / 10));
}

Annotations pipeAnnotations(const SectionGeometry& g) {
    Annotations a;
    const auto fromAxis = [&g](double y) {
        return QStringLiteral("距中和轴 ") + centimetres(std::fabs(y - g.neutralAxis));
    };
    const double radius = g.ring->outerDiameter / 2;
    a.lines = {
        {g.topFibre, QStringLiteral("外表面  ") + fromAxis(g.topFibre), LineRole::Fibre},
        {g.neutralAxis, QStringLiteral("中和轴（过圆心）"), LineRole::NeutralAxis},
        {g.bottomFibre, QStringLiteral("外表面  ") + fromAxis(g.bottomFibre), LineRole::Fibre},
    };
    a.top = {{-radius, radius, QStringLiteral("D = %1").arg(detailNumber(2 * radius))}};
    const double wall = (g.ring->outerDiameter - g.ring->innerDiameter) / 2;
    a.caption = QStringLiteral("D = %1  t = %2  d = %3  （尺寸单位 mm）")
                    .arg(detailNumber(g.ring->outerDiameter), detailNumber(wall),
                         detailNumber(g.ring->innerDiameter));
    return a;
}

Annotations annotationsFor(const SectionGeometry& g) {
    if (g.kind == SectionKind::Pipe) {
        return pipeAnnotations(g);
    }
    Annotations a;
    if (g.plates.size() < 3) {
        // Not a stack of plating (or face plate), web and face plate: only
        // the neutral axis can be named without knowing the shape.
        a.lines = {{g.neutralAxis, QStringLiteral("中和轴"), LineRole::NeutralAxis}};
        return a;
    }
    const auto fromAxis = [&g](double y) {
        return QStringLiteral("距中和轴 ") + centimetres(std::fabs(y - g.neutralAxis));
    };
    const bool stiffener = g.kind == SectionKind::Stiffener;
    const PlateRect& upper = g.plates[0];
    const PlateRect& web = g.plates[1];
    const PlateRect& lower = g.plates[2];
    const QString upperName = plateCaption(upper.role);
    const QString lowerName = plateCaption(lower.role);
    const QString upperFibre =
        upper.present() ? upperName + QStringLiteral("外表面") : QStringLiteral("上缘");
    const QString lowerFibre =
        lower.present() ? lowerName + QStringLiteral("外表面") : QStringLiteral("下缘");
    // Without a face plate the reference line is the web's free edge.
    const QString reference = lower.present() || !stiffener ? lowerName + QStringLiteral("中线(W)")
                                                            : QStringLiteral("腹板自由边(W)");
    a.lines = {
        {g.topFibre, upperFibre + QStringLiteral("  ") + fromAxis(g.topFibre), LineRole::Fibre},
        {g.neutralAxis,
         QStringLiteral("中和轴  e = ") + centimetres(g.neutralAxis - g.referenceLine),
         LineRole::NeutralAxis},
        {g.referenceLine, reference + QStringLiteral("  ") + fromAxis(g.referenceLine),
         LineRole::Reference},
    };
    if (lower.present() || !stiffener) {
        a.lines.push_back({g.bottomFibre,
                           lowerFibre + QStringLiteral("  ") + fromAxis(g.bottomFibre),
                           LineRole::Fibre});
    }

    // Widths and the web's height by the symbols of the inputs they come from.
    const SectionKindDescription& kind = describe(g.kind);
    const auto symbolOf = [&kind](std::size_t plate) {
        return QString::fromUtf8(
            kind.inputs[static_cast<std::size_t>(kind.plates[plate].extent)].symbol);
    };
    const QString upperSymbol = symbolOf(0);
    const QString lowerSymbol = symbolOf(2);
    if (stiffener && g.effectiveBreadth != upper.width() && upper.present()) {
        a.top.push_back({-g.effectiveBreadth / 2, g.effectiveBreadth / 2,
                         QStringLiteral("k·b = %1").arg(detailResult(g.effectiveBreadth))});
    }
    if (upper.present()) {
        a.top.push_back({upper.left, upper.right,
                         QStringLiteral("%1 = %2").arg(upperSymbol, detailNumber(upper.width()))});
    }
    if (lower.present()) {
        a.bottom.push_back(
            {lower.left, lower.right,
             QStringLiteral("%1 = %2").arg(lowerSymbol, detailNumber(lower.width()))});
    }
    if (web.thickness() != 0) {
        a.side =
            Dimension{web.bottom, web.top,
                      QStringLiteral("%1 = %2").arg(symbolOf(1), detailNumber(web.thickness()))};
    }
    QStringList plates;
    for (const PlateRect& plate : g.plates) {
        if (plate.present()) {
            // Plates by their length and thickness: the web standing up.
            plates << plateCaption(plate.role) + QStringLiteral(" ") +
                          (plate.role == PlateRole::Web
                               ? dimensionsText(plate.thickness(), plate.width())
                               : dimensionsText(plate.width(), plate.thickness()));
        }
    }
    if (stiffener && g.effectiveBreadth == upper.width() && upper.present()) {
        plates << QStringLiteral("k·b = b（斜线）");
    }
    a.caption = plates.join(QStringLiteral("  ")) + QStringLiteral("  （尺寸单位 mm）");
    return a;
}

// A rectangle of the section in logical units, widened to one device pixel
// where it would be thinner, so that very thin or very flat plates stay
// visible.
QRectF plateRect(const SectionDrawingLayout& layout, const PlateRect& plate, double pixel,
                 bool& widened) {
    QRectF r = QRectF(layout.map(plate.left, plate.top), layout.map(plate.right, plate.bottom))
                   .normalized();
    if (r.width() < pixel) {
        r.adjust(-(pixel - r.width()) / 2, 0, (pixel - r.width()) / 2, 0);
        widened = true;
    }
    if (r.height() < pixel) {
        r.adjust(0, -(pixel - r.height()) / 2, 0, (pixel - r.height()) / 2);
        widened = true;
    }
    return r;
}

QFont scaledFont(const QFont& font, double factor) {
    QFont scaled = font;
    if (font.pixelSize() > 0) {
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    } else {
        scaled.setPointSizeF(std::max(1.0, font.pointSizeF() * factor));
    }
    return scaled;
}

double textWidth(const QPainter& painter, const QString& text) {
    const QFontMetricsF fm(painter.font(), painter.device());
    const QFontMetricsF sub(scaledFont(painter.font(), 0.7), painter.device());
    double width = 0;
    for (const TextRun& run : subscriptRuns(text)) {
        width += (run.subscript ? sub : fm).horizontalAdvance(run.text);
    }
    return width;
}

// Draws a one-line text, whole, in `box` (vertically centred), and records
// where it went.
void drawText(QPainter& painter, const QRectF& box, Qt::Alignment align, const QString& text,
              SectionDrawingLayout& layout) {
    const QFont font = painter.font();
    const QFont sub = scaledFont(font, 0.7);
    const QFontMetricsF fm(font, painter.device());
    const QFontMetricsF subMetrics(sub, painter.device());
    const double width = textWidth(painter, text);
    double x = box.left();
    if (align & Qt::AlignRight) {
        x = box.right() - width;
    } else if (align & Qt::AlignHCenter) {
        x = box.center().x() - width / 2;
    }
    const double baseline = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    for (const TextRun& run : subscriptRuns(text)) {
        if (run.text.isEmpty()) {
            continue;
        }
        painter.setFont(run.subscript ? sub : font);
        painter.drawText(QPointF(x, baseline + (run.subscript ? fm.descent() * 0.8 : 0)), run.text);
        x += (run.subscript ? subMetrics : fm).horizontalAdvance(run.text);
    }
    painter.setFont(font);
    const double left = x - width;
    layout.texts << text;
    layout.textBoxes.push_back(
        QRectF(left, box.center().y() - fm.height() / 2, width, fm.height()));
}

void drawTick(QPainter& painter, const QLineF& tick, SectionDrawingLayout& layout) {
    painter.drawLine(tick);
    layout.ticks.push_back(tick);
}

// A width with its ticks; the text between them when it fits there, else
// beside the right-hand tick, so that no tick crosses it.
void drawHorizontalDimension(QPainter& painter, double x0, double x1, double y, double tick,
                             const QString& text, bool textAbove, SectionDrawingLayout& layout) {
    painter.drawLine(QPointF(x0, y), QPointF(x1, y));
    drawTick(painter, QLineF(x0, y - tick, x0, y + tick), layout);
    drawTick(painter, QLineF(x1, y - tick, x1, y + tick), layout);
    const QFontMetricsF fm(painter.font(), painter.device());
    const double width = textWidth(painter, text);
    const double gap = tick;
    const double top = textAbove ? y - tick - fm.height() : y + tick;
    if (width + 2 * gap <= std::fabs(x1 - x0)) {
        drawText(painter, QRectF(std::min(x0, x1), top, std::fabs(x1 - x0), fm.height()),
                 Qt::AlignHCenter, text, layout);
    } else {
        drawText(painter, QRectF(std::max(x0, x1) + gap, top, width, fm.height()), Qt::AlignLeft,
                 text, layout);
    }
}

void drawVerticalDimension(QPainter& painter, double x, double y0, double y1, double tick,
                           const QString& text, SectionDrawingLayout& layout) {
    painter.drawLine(QPointF(x, y0), QPointF(x, y1));
    drawTick(painter, QLineF(x - tick, y0, x + tick, y0), layout);
    drawTick(painter, QLineF(x - tick, y1, x + tick, y1), layout);
    const QFontMetricsF fm(painter.font(), painter.device());
    const double width = textWidth(painter, text);
    const QRectF box(x - tick - width - fm.height() / 4, (y0 + y1) / 2 - fm.height() / 2, width,
                     fm.height());
    drawText(painter, box, Qt::AlignRight, text, layout);
}

// Numbers are never cut: when the labels need more than this share of the
// width, the drawing's text gets smaller instead, down to the floor.
constexpr double labelShare = 0.45;
constexpr double smallestText = 0.6;
// The rows of dimensions above and below the section, in text heights.
constexpr double dimensionPitch = 1.6;

// Fits the section into what the labels leave of the target: the layout's
// section area, scale and origin (scale 0 when the section has no extent).
void fitSection(SectionDrawingLayout& layout, const QRectF& target, const SectionGeometry& geometry,
                const Annotations& notes, const QPainter& painter, bool annotate, double pixel) {
    const QFontMetricsF fm(painter.font(), painter.device());
    const double lh = fm.height();
    double labelWidth = 0;
    for (const AxisLine& line : notes.lines) {
        labelWidth = std::max(labelWidth, textWidth(painter, line.text));
    }
    labelWidth += lh * 1.3;
    const double sideWidth = notes.side ? textWidth(painter, notes.side->text) + lh * 1.6 : lh;
    const double topMargin = lh * (0.6 + dimensionPitch * static_cast<double>(notes.top.size()));
    const double bottomMargin =
        lh * (0.5 + dimensionPitch * static_cast<double>(notes.bottom.size())) + lh * 1.4;
    QRectF area = target.adjusted(sideWidth, topMargin, -labelWidth, -bottomMargin);
    layout.annotated = annotate && area.width() > 4 * lh && area.height() > 3 * lh;
    if (!layout.annotated) {
        area = target.adjusted(pixel * 2, pixel * 2, -pixel * 2, -pixel * 2);
    }
    layout.sectionArea = area;

    const double extentX = geometry.maxX - geometry.minX;
    const double extentY = geometry.maxY - geometry.minY;
    double scale = 0;
    if (extentX > 0 && extentY > 0) {
        scale = std::min(area.width() / extentX, area.height() / extentY);
    } else if (extentX > 0) {
        scale = area.width() / extentX;
    } else if (extentY > 0) {
        scale = area.height() / extentY;
    }
    if (!(scale > 0) || !std::isfinite(scale)) {
        return;
    }
    layout.scale = scale;
    layout.originX = area.center().x() - (geometry.minX + geometry.maxX) / 2 * scale;
    layout.originY = area.center().y() + (geometry.minY + geometry.maxY) / 2 * scale;
}

// The steel, crisp and to scale: the ring, the plates, the effective breadth
// hatched on the plating.
void paintSteel(QPainter& painter, SectionDrawingLayout& layout, const SectionGeometry& geometry,
                double lineWidth, double pixel) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPen edgePen = linePen(steelEdge, lineWidth);
    if (geometry.ring) {
        const QPointF centre = layout.map(0, 0);
        const double outer = geometry.ring->outerDiameter / 2 * layout.scale;
        const double inner = std::max(0.0, geometry.ring->innerDiameter / 2 * layout.scale);
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (outer - inner < pixel) {
            // A wall thinner than a pixel: the ring as one line.
            layout.thinPlatesWidened = true;
            painter.setPen(linePen(steelEdge, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, outer, outer);
        } else {
            QPainterPath ring;
            ring.setFillRule(Qt::OddEvenFill);
            ring.addEllipse(centre, outer, outer);
            if (inner > 0) {
                ring.addEllipse(centre, inner, inner);
            }
            painter.setPen(edgePen);
            painter.setBrush(steelFill);
            painter.drawPath(ring);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    for (const PlateRect& plate : geometry.plates) {
        if (!plate.present()) {
            continue;
        }
        const QRectF r = plateRect(layout, plate, pixel, layout.thinPlatesWidened);
        painter.fillRect(r, steelFill);
        if (plate.role == PlateRole::AttachedPlating && geometry.effectiveBreadth > 0) {
            // The part of the plating the computation counts, hatched.
            PlateRect counted = plate;
            counted.left = -geometry.effectiveBreadth / 2;
            counted.right = geometry.effectiveBreadth / 2;
            bool unused = false;
            painter.fillRect(plateRect(layout, counted, pixel, unused),
                             QBrush(steelEdge, Qt::BDiagPattern));
        }
        if (r.width() > 2 * pixel && r.height() > 2 * pixel) {
            painter.setPen(edgePen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
        }
    }
}

// Where the axis lines end on the right: in the label column, or just past
// the section without labels.
double axisLinesRight(const SectionDrawingLayout& layout, const SectionGeometry& geometry,
                      double lh) {
    return layout.annotated ? layout.sectionArea.right() + lh / 2
                            : layout.xOf(geometry.maxX) + lh / 2;
}

// The axis lines across the section, into the label column. The fibres and
// the reference line go under the steel, whose edges they continue; the
// neutral axis over it. Without labels only the neutral axis is drawn.
void paintAxisLines(QPainter& painter, const SectionDrawingLayout& layout,
                    const SectionGeometry& geometry, const Annotations& notes, double lineWidth,
                    double lh, bool neutralAxis) {
    const double lineLeft = layout.xOf(geometry.minX) - lh / 2;
    const double lineRight = axisLinesRight(layout, geometry, lh);
    for (const AxisLine& line : notes.lines) {
        const bool isAxis = line.role == LineRole::NeutralAxis;
        if (isAxis != neutralAxis || (!layout.annotated && !isAxis)) {
            continue;
        }
        painter.setPen(penFor(line.role, lineWidth));
        const double y = layout.yOf(line.y);
        painter.drawLine(QPointF(lineLeft, y), QPointF(lineRight, y));
    }
}

// The labels of the axis lines in the column on the right, spread so that
// none hides another, each with a leader to its line.
void paintLineLabels(QPainter& painter, SectionDrawingLayout& layout, const Annotations& notes,
                     double lineRight, double lineWidth, double lh) {
    std::vector<double> wanted;
    for (const AxisLine& line : notes.lines) {
        wanted.push_back(layout.yOf(line.y));
    }
    const std::vector<double> placed =
        spreadLabels(wanted, lh, layout.target.top(), layout.target.bottom());
    const double labelLeft = lineRight + lh / 2;
    for (std::size_t i = 0; i < notes.lines.size(); ++i) {
        painter.setPen(linePen(fibreColour, lineWidth));
        painter.drawLine(QPointF(lineRight, wanted[i]), QPointF(labelLeft, placed[i]));
        painter.setPen(notes.lines[i].role == LineRole::NeutralAxis ? axisColour : inkColour);
        const QString& text = notes.lines[i].text;
        drawText(painter,
                 QRectF(labelLeft + lh / 8, placed[i] - lh / 2, textWidth(painter, text), lh),
                 Qt::AlignLeft, text, layout);
    }
}

// The widths above and below the section and its height on the left.
void paintDimensions(QPainter& painter, SectionDrawingLayout& layout,
                     const SectionGeometry& geometry, const Annotations& notes, double lh) {
    const double tick = lh / 4;
    double y = layout.yOf(geometry.maxY) - lh * 0.4;
    for (const Dimension& d : notes.top) {
        drawHorizontalDimension(painter, layout.xOf(d.from), layout.xOf(d.to), y, tick, d.text,
                                true, layout);
        y -= lh * dimensionPitch;
    }
    y = layout.yOf(geometry.minY) + lh * 0.4;
    for (const Dimension& d : notes.bottom) {
        drawHorizontalDimension(painter, layout.xOf(d.from), layout.xOf(d.to), y, tick, d.text,
                                false, layout);
        y += lh * dimensionPitch;
    }
    if (notes.side) {
        drawVerticalDimension(painter, layout.xOf(geometry.minX) - lh * 0.6,
                              layout.yOf(notes.side->to), layout.yOf(notes.side->from), tick,
                              notes.side->text, layout);
    }
}

// The pipe's centre, its bore along the vertical diameter, and the wall
// thickness on a leader to the middle of the wall.
void paintRingNotes(QPainter& painter, SectionDrawingLayout& layout, const SectionRing& ring,
                    double lh) {
    const double tick = lh / 4;
    const QPointF centre = layout.map(0, 0);
    painter.drawLine(centre - QPointF(tick * 2, 0), centre + QPointF(tick * 2, 0));
    painter.drawLine(centre - QPointF(0, tick * 2), centre + QPointF(0, tick * 2));
    const double inner = ring.innerDiameter / 2;
    if (inner > 0) {
        const double x = centre.x() + tick * 3;
        painter.drawLine(QPointF(x, layout.yOf(inner)), QPointF(x, layout.yOf(-inner)));
        drawTick(painter, QLineF(x - tick, layout.yOf(inner), x + tick, layout.yOf(inner)), layout);
        drawTick(painter, QLineF(x - tick, layout.yOf(-inner), x + tick, layout.yOf(-inner)),
                 layout);
        const QString text = QStringLiteral("d = %1").arg(detailNumber(ring.innerDiameter));
        drawText(painter,
                 QRectF(x + tick, layout.yOf(inner / 2) - lh / 2, textWidth(painter, text), lh),
                 Qt::AlignLeft, text, layout);
    }
    const double outer = ring.outerDiameter / 2;
    const double diagonal = 1 / std::sqrt(2.0);
    const double middle = (outer + inner) / 2 * diagonal;
    const QString wall = QStringLiteral("t = %1").arg(detailNumber(outer - inner));
    const QPointF onWall = layout.map(middle, middle);
    const QPointF labelAt = layout.map(outer * 0.95, outer * 0.95) + QPointF(tick, -tick);
    painter.drawLine(onWall, labelAt);
    drawText(painter, QRectF(labelAt.x(), labelAt.y() - lh, textWidth(painter, wall), lh),
             Qt::AlignLeft, wall, layout);
}

// The plates and their sizes along the foot, in smaller text where the line
// would otherwise not fit.
void paintCaption(QPainter& painter, SectionDrawingLayout& layout, const QString& caption,
                  double lh) {
    const QRectF& target = layout.target;
    const double width = textWidth(painter, caption);
    const QFont font = painter.font();
    if (width > target.width()) {
        painter.setFont(scaledFont(font, std::max(smallestText, target.width() / width)));
    }
    drawText(painter, QRectF(target.left(), target.bottom() - lh * 1.2, target.width(), lh),
             Qt::AlignLeft, caption, layout);
    painter.setFont(font);
}

// The text smaller where the labels' column would take more than its share.
void fitTextToWidth(QPainter& painter, const Annotations& notes, const QRectF& target) {
    const QFontMetricsF fm(painter.font(), painter.device());
    double labels = 0;
    for (const AxisLine& line : notes.lines) {
        labels = std::max(labels, textWidth(painter, line.text));
    }
    const double needed = labels + fm.height() * 1.3;
    if (needed > target.width() * labelShare) {
        painter.setFont(scaledFont(painter.font(),
                                   std::max(smallestText, target.width() * labelShare / needed)));
    }
}

} // namespace

SectionDrawingLayout paintSection(QPainter& painter, const QRectF& target,
                                  const SectionGeometry& geometry,
                                  const SectionDrawingStyle& style) {
    SectionDrawingLayout layout;
    layout.target = target;
    if (target.width() <= 0 || target.height() <= 0) {
        return layout;
    }
    painter.save();
    if (style.font != QFont()) {
        painter.setFont(style.font);
    }
    const Annotations notes = annotationsFor(geometry);
    if (style.annotate) {
        fitTextToWidth(painter, notes, target);
    }
    const double lh = QFontMetricsF(painter.font(), painter.device()).height();
    const double pixel = devicePixel(painter);
    fitSection(layout, target, geometry, notes, painter, style.annotate, pixel);
    if (!layout.valid()) {
        painter.restore();
        return layout;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintAxisLines(painter, layout, geometry, notes, style.lineWidth, lh, false);
    paintSteel(painter, layout, geometry, style.lineWidth, pixel);
    // The neutral axis smoothed, so that its two-pixel band centres on e
    // rather than on a rounded pixel row.
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintAxisLines(painter, layout, geometry, notes, style.lineWidth, lh, true);
    const double lineRight = axisLinesRight(layout, geometry, lh);
    if (layout.annotated) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        paintLineLabels(painter, layout, notes, lineRight, style.lineWidth, lh);
        painter.setPen(linePen(inkColour, style.lineWidth));
        paintDimensions(painter, layout, geometry, notes, lh);
        if (geometry.ring) {
            paintRingNotes(painter, layout, *geometry.ring, lh);
        }
        paintCaption(painter, layout,
                     layout.thinPlatesWidened
                         ? notes.caption + QStringLiteral("  过薄板件按 1 像素绘出")
                         : notes.caption,
                     lh);
    }
    painter.restore();
    return layout;
}

QColor sectionDrawingInk() {
    return inkColour;
}

const SectionDrawingPalette& sectionDrawingPalette() {
    static const SectionDrawingPalette palette{QColor(176, 190, 210), QColor(40, 52, 74),
                                               QColor(200, 0, 0),     QColor(0, 90, 200),
                                               QColor(110, 110, 110), QColor(20, 20, 20)};
    return palette;
}

std::vector<double> spreadLabels(std::vector<double> wanted, double height, double top,
                                 double bottom) {
    std::vector<std::size_t> order(wanted.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&wanted](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
    std::vector<double> placed(wanted.size());
    double next = top + height / 2;
    for (const std::size_t i : order) {
        placed[i] = std::max(wanted[i], next);
        next = placed[i] + height;
    }
    double last = bottom - height / 2;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        placed[*it] = std::min(placed[*it], last);
        last = placed[*it] - height;
    }
    return placed;
}

} // namespace corvane
