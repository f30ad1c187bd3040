#include "sectiondrawing.h"

#include "sectionkind.h"
#include "sectiontext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace corvane {

namespace {

const QColor steelFill(176, 190, 210);
const QColor steelEdge(40, 52, 74);
const QColor axisColour(200, 0, 0);
const QColor referenceColour(0, 90, 200);
const QColor fibreColour(110, 110, 110);
const QColor inkColour(20, 20, 20);

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

// A horizontal line across the section, with the text that goes in the
// label column.
struct AxisLine {
    double y = 0; // mm
    QString text;
    QPen pen;
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

Annotations annotationsFor(const SectionGeometry& g, double lineWidth) {
    Annotations a;
    const double axisWidth = lineWidth == 0 ? 2 : lineWidth * 2;
    const QPen axisPen = linePen(axisColour, axisWidth, Qt::DashDotLine);
    const QPen referencePen = linePen(referenceColour, lineWidth, Qt::DashLine);
    const QPen fibrePen = linePen(fibreColour, lineWidth, Qt::DotLine);
    const auto fromAxis = [&g](double y) {
        return QStringLiteral("距中和轴 %1").arg(detailResult(std::fabs(y - g.neutralAxis)));
    };

    if (g.kind == SectionKind::Pipe) {
        const double radius = g.ring->outerDiameter / 2;
        a.lines = {
            {g.topFibre, QStringLiteral("外表面  ") + fromAxis(g.topFibre), fibrePen},
            {g.neutralAxis, QStringLiteral("中和轴（过圆心）"), axisPen},
            {g.bottomFibre, QStringLiteral("外表面  ") + fromAxis(g.bottomFibre), fibrePen},
        };
        a.top = {{-radius, radius, QStringLiteral("D = %1").arg(detailNumber(2 * radius))}};
        const double wall = (g.ring->outerDiameter - g.ring->innerDiameter) / 2;
        a.caption = QStringLiteral("D = %1  t = %2  d = %3  （尺寸单位 mm）")
                        .arg(detailNumber(g.ring->outerDiameter), detailNumber(wall),
                             detailNumber(g.ring->innerDiameter));
        return a;
    }

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
    a.lines = {
        {g.topFibre, upperFibre + QStringLiteral("  ") + fromAxis(g.topFibre), fibrePen},
        {g.neutralAxis,
         QStringLiteral("中和轴  e = %1").arg(detailResult(g.neutralAxis - g.referenceLine)),
         axisPen},
        {g.referenceLine, lowerName + QStringLiteral("中线(W)  ") + fromAxis(g.referenceLine),
         referencePen},
        {g.bottomFibre, lowerFibre + QStringLiteral("  ") + fromAxis(g.bottomFibre), fibrePen},
    };

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

void drawHorizontalDimension(QPainter& painter, double x0, double x1, double y, double tick,
                             const QString& text, bool textAbove) {
    painter.drawLine(QPointF(x0, y), QPointF(x1, y));
    painter.drawLine(QPointF(x0, y - tick), QPointF(x0, y + tick));
    painter.drawLine(QPointF(x1, y - tick), QPointF(x1, y + tick));
    const QFontMetricsF fm(painter.font(), painter.device());
    const double width = fm.horizontalAdvance(text);
    const QRectF box((x0 + x1) / 2 - width / 2, textAbove ? y - fm.height() : y, width,
                     fm.height());
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawVerticalDimension(QPainter& painter, double x, double y0, double y1, double tick,
                           const QString& text) {
    painter.drawLine(QPointF(x, y0), QPointF(x, y1));
    painter.drawLine(QPointF(x - tick, y0), QPointF(x + tick, y0));
    painter.drawLine(QPointF(x - tick, y1), QPointF(x + tick, y1));
    const QFontMetricsF fm(painter.font(), painter.device());
    const double width = fm.horizontalAdvance(text);
    const QRectF box(x - tick - width - fm.height() / 4, (y0 + y1) / 2 - fm.height() / 2, width,
                     fm.height());
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
}

// Spreads the labels of the axis lines so that none overlaps the next,
// keeping each as near its line as it can, within [top, bottom].
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
    const QFontMetricsF fm(painter.font(), painter.device());
    const double lh = fm.height();
    const double pixel = devicePixel(painter);
    const Annotations notes = annotationsFor(geometry, style.lineWidth);

    // Margins for the labels: dimensions above, below and on the left, the
    // axis labels in a column on the right, the caption at the foot.
    double labelWidth = 0;
    for (const AxisLine& line : notes.lines) {
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(line.text));
    }
    labelWidth = std::min(labelWidth + lh * 1.3, target.width() * 0.5);
    const double sideWidth = notes.side ? fm.horizontalAdvance(notes.side->text) + lh * 1.6 : lh;
    const double topMargin = lh * (0.6 + 1.1 * static_cast<double>(notes.top.size()));
    const double bottomMargin =
        lh * (0.5 + 1.1 * static_cast<double>(notes.bottom.size())) + lh * 1.4;
    QRectF area = target.adjusted(sideWidth, topMargin, -labelWidth, -bottomMargin);
    layout.annotated = style.annotate && area.width() > 4 * lh && area.height() > 3 * lh;
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
        painter.restore();
        return layout;
    }
    layout.scale = scale;
    layout.originX = area.center().x() - (geometry.minX + geometry.maxX) / 2 * scale;
    layout.originY = area.center().y() + (geometry.minY + geometry.maxY) / 2 * scale;

    // The steel, crisp and to scale.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPen edgePen = linePen(steelEdge, style.lineWidth);
    if (geometry.ring) {
        const QPointF centre = layout.map(0, 0);
        const double outer = geometry.ring->outerDiameter / 2 * scale;
        const double inner = std::max(0.0, geometry.ring->innerDiameter / 2 * scale);
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

    // The axis lines across the section, into the label column.
    const double lineLeft = layout.xOf(geometry.minX) - lh / 2;
    const double lineRight =
        layout.annotated ? area.right() + lh / 2 : layout.xOf(geometry.maxX) + lh / 2;
    for (const AxisLine& line : notes.lines) {
        if (!layout.annotated && line.pen.color() != axisColour) {
            continue;
        }
        painter.setPen(line.pen);
        const double y = layout.yOf(line.y);
        painter.drawLine(QPointF(lineLeft, y), QPointF(lineRight, y));
    }

    if (layout.annotated) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const double tick = lh / 4;
        const QPen inkPen = linePen(inkColour, style.lineWidth);

        // Labels of the axis lines, spread so that none hides another.
        std::vector<double> wanted;
        for (const AxisLine& line : notes.lines) {
            wanted.push_back(layout.yOf(line.y));
        }
        const std::vector<double> placed = spreadLabels(wanted, lh, target.top(), target.bottom());
        const double labelLeft = lineRight + lh / 2;
        for (std::size_t i = 0; i < notes.lines.size(); ++i) {
            painter.setPen(linePen(fibreColour, style.lineWidth));
            painter.drawLine(QPointF(lineRight, wanted[i]), QPointF(labelLeft, placed[i]));
            painter.setPen(notes.lines[i].pen.color() == axisColour ? axisColour : inkColour);
            painter.drawText(
                QRectF(labelLeft + lh / 8, placed[i] - lh / 2, target.right() - labelLeft, lh),
                Qt::AlignLeft | Qt::AlignVCenter,
                fm.elidedText(notes.lines[i].text, Qt::ElideRight,
                              target.right() - labelLeft - lh / 8));
        }

        painter.setPen(inkPen);
        double y = layout.yOf(geometry.maxY) - lh * 0.4;
        for (const Dimension& d : notes.top) {
            drawHorizontalDimension(painter, layout.xOf(d.from), layout.xOf(d.to), y, tick, d.text,
                                    true);
            y -= lh * 1.1;
        }
        y = layout.yOf(geometry.minY) + lh * 0.4;
        for (const Dimension& d : notes.bottom) {
            drawHorizontalDimension(painter, layout.xOf(d.from), layout.xOf(d.to), y, tick, d.text,
                                    false);
            y += lh * 1.1;
        }
        if (notes.side) {
            drawVerticalDimension(painter, layout.xOf(geometry.minX) - lh * 0.6,
                                  layout.yOf(notes.side->to), layout.yOf(notes.side->from), tick,
                                  notes.side->text);
        }
        if (geometry.ring) {
            // The centre, and the bore along the vertical diameter.
            const QPointF centre = layout.map(0, 0);
            painter.drawLine(centre - QPointF(tick * 2, 0), centre + QPointF(tick * 2, 0));
            painter.drawLine(centre - QPointF(0, tick * 2), centre + QPointF(0, tick * 2));
            const double inner = geometry.ring->innerDiameter / 2;
            if (inner > 0) {
                const double x = centre.x() + tick * 3;
                painter.drawLine(QPointF(x, layout.yOf(inner)), QPointF(x, layout.yOf(-inner)));
                painter.drawLine(QPointF(x - tick, layout.yOf(inner)),
                                 QPointF(x + tick, layout.yOf(inner)));
                painter.drawLine(QPointF(x - tick, layout.yOf(-inner)),
                                 QPointF(x + tick, layout.yOf(-inner)));
                const QString text =
                    QStringLiteral("d = %1").arg(detailNumber(geometry.ring->innerDiameter));
                painter.drawText(QRectF(x + tick, layout.yOf(inner / 2) - lh / 2,
                                        fm.horizontalAdvance(text) + lh, lh),
                                 Qt::AlignLeft | Qt::AlignVCenter, text);
            }
            const double outer = geometry.ring->outerDiameter / 2;
            const QString wall = QStringLiteral("t = %1").arg(
                detailNumber((geometry.ring->outerDiameter - geometry.ring->innerDiameter) / 2));
            const QPointF corner = layout.map(outer * 0.72, outer * 0.72);
            painter.drawText(
                QRectF(corner.x() + tick, corner.y() - lh, fm.horizontalAdvance(wall) + lh, lh),
                Qt::AlignLeft | Qt::AlignVCenter, wall);
        }

        QString caption = notes.caption;
        if (layout.thinPlatesWidened) {
            caption += QStringLiteral("  过薄板件按 1 像素绘出");
        }
        painter.drawText(QRectF(target.left(), target.bottom() - lh * 1.2, target.width(), lh),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         fm.elidedText(caption, Qt::ElideRight, target.width()));
    }
    painter.restore();
    return layout;
}

QColor sectionDrawingInk() {
    return inkColour;
}

} // namespace corvane
