#include "girderdrawing.h"

#include "bulbflat.h"
#include "calcsheet.h"
#include "girdertext.h"
#include "sectiondrawing.h"
#include "sectiontext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

const QColor highlightFill(255, 170, 40);
const QColor highlightEdge(190, 90, 0);

// Shapes are built in millimetres with the axes (y, -z): Qt's arcs turn as
// on a device whose vertical axis points down, so an outline given with its
// heights upward is built with them negated and its arcs come out right.
QPointF mm(double y, double z) {
    return {y, -z};
}

// The plate as the quadrilateral of its thickness about its line.
QPainterPath platePath(double y1, double z1, double y2, double z2, double t) {
    const double length = std::hypot(y2 - y1, z2 - z1);
    const double ny = -(z2 - z1) / length * t / 2;
    const double nz = (y2 - y1) / length * t / 2;
    QPainterPath path(mm(y1 + ny, z1 + nz));
    path.lineTo(mm(y2 + ny, z2 + nz));
    path.lineTo(mm(y2 - ny, z2 - nz));
    path.lineTo(mm(y1 - ny, z1 - nz));
    path.closeSubpath();
    return path;
}

// A bulb flat's or flat bar's outline about its toe: x from the back face,
// the height up from the toe.
QPainterPath outlinePath(const std::vector<OutlinePiece>& outline) {
    QPainterPath path;
    if (outline.empty()) {
        return path;
    }
    path.moveTo(mm(outline.front().from.x, outline.front().from.y));
    constexpr double degrees = 180 / std::numbers::pi;
    for (const OutlinePiece& piece : outline) {
        if (piece.kind == OutlinePiece::Kind::Line) {
            path.lineTo(mm(piece.to.x, piece.to.y));
            continue;
        }
        const double r = piece.radius;
        path.arcTo(QRectF(piece.centre.x - r, -piece.centre.y - r, 2 * r, 2 * r),
                   piece.startAngle * degrees, (piece.endAngle - piece.startAngle) * degrees);
    }
    path.closeSubpath();
    return path;
}

// A built-up T about its toe: the web centred on x = 0, the face plate on
// top of it.
QPainterPath teePath(const TeeProfile& tee) {
    QPainterPath path;
    path.addRect(QRectF(mm(-tee.webThickness / 2, tee.webHeight), mm(tee.webThickness / 2, 0)));
    path.addRect(QRectF(mm(-tee.faceWidth / 2, tee.webHeight + tee.faceThickness),
                        mm(tee.faceWidth / 2, tee.webHeight)));
    return path;
}

// The profile placed with its toe at (y1, z1): the web centred on y1, a bulb
// standing out away from the centre line, pointing up or down.
QPainterPath profilePath(const GirderProfile& profile, double y1, double z1, ProfileSide side) {
    const double sense = side == ProfileSide::Up ? 1 : -1;
    if (const auto* tee = std::get_if<TeeProfile>(&profile)) {
        return QTransform(1, 0, 0, sense, y1, -z1).map(teePath(*tee));
    }
    const ProfileShape& shape = std::get<ProfileShape>(profile);
    const double outboard = y1 < 0 ? -1 : 1;
    const QTransform place(outboard, 0, 0, sense, y1 - outboard * shape.thickness / 2, -z1);
    return place.map(outlinePath(profileOutline(shape)));
}

// What one row draws, in the (y, -z) millimetres.
struct MemberShape {
    QPainterPath path;
    std::optional<QPointF> marker; // a free row
};

std::optional<MemberShape> memberShape(const GirderTable& table, std::size_t row) {
    if (!std::holds_alternative<GirderRowFigures>(table.gross(row))) {
        return std::nullopt;
    }
    const GirderMember& m = table.member(row);
    switch (m.kind) {
    case MemberKind::Plate:
        return MemberShape{platePath(*m.y1, *m.z1, *m.y2, *m.z2, *m.t), std::nullopt};
    case MemberKind::Profile: {
        const auto read = readGirderProfile(m.profile);
        if (const auto* profile = std::get_if<GirderProfile>(&read)) {
            return MemberShape{profilePath(*profile, *m.y1, *m.z1, *m.side), std::nullopt};
        }
        return std::nullopt;
    }
    case MemberKind::Free:
        break;
    }
    const double y = m.y1 && std::isfinite(*m.y1) ? *m.y1 : 0;
    return MemberShape{{}, mm(y, *m.z1)};
}

// A horizontal line across the section and its label.
struct Level {
    double z = 0; // mm
    QString text;
    enum class Role { Baseline, Deck, NeutralAxis } role = Role::Baseline;
};

QPen cosmeticPen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCosmetic(width == 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QPen levelPen(Level::Role role, double lineWidth) {
    const SectionDrawingPalette& colours = sectionDrawingPalette();
    switch (role) {
    case Level::Role::NeutralAxis:
        return cosmeticPen(colours.axis, lineWidth == 0 ? 2 : lineWidth * 2, Qt::DashDotLine);
    case Level::Role::Deck:
        return cosmeticPen(colours.reference, lineWidth, Qt::DashLine);
    case Level::Role::Baseline:
        break;
    }
    return cosmeticPen(colours.ink, lineWidth);
}

std::vector<Level> levelsOf(const GirderTable& table) {
    std::vector<Level> levels{{0, QStringLiteral("基线"), Level::Role::Baseline}};
    const double depth = table.settings().depth;
    if (std::isfinite(depth) && depth > 0) {
        levels.push_back({depth, QStringLiteral("甲板线 D = %1 m").arg(detailNumber(depth / 1000)),
                          Level::Role::Deck});
    }
    if (const std::optional<double> axis = table.grossResult().neutralAxis) {
        levels.push_back({*axis * 1000, QStringLiteral("中和轴 z = %1 m").arg(girderLevel(*axis)),
                          Level::Role::NeutralAxis});
    }
    return levels;
}

double devicePixel(const QPainter& painter) {
    const double determinant = std::fabs(painter.deviceTransform().determinant());
    return determinant > 0 ? 1 / std::sqrt(determinant) : 1;
}

// The scale that fits `extent` (mm) into `area`, with no extent in one
// direction fitted by the other; 0 when there is nothing to fit.
double fitScale(const QRectF& extent, const QRectF& area) {
    const double w = extent.width();
    const double h = extent.height();
    double scale = 0;
    if (w > 0 && h > 0) {
        scale = std::min(area.width() / w, area.height() / h);
    } else if (w > 0) {
        scale = area.width() / w;
    } else if (h > 0) {
        scale = area.height() / h;
    }
    return std::isfinite(scale) && scale > 0 ? scale : 0;
}

QString captionOf(const std::vector<std::optional<MemberShape>>& shapes) {
    QString caption = QStringLiteral("毛尺寸；每行构件只绘一件（n 件不重复绘出）");
    const bool freeRows = std::any_of(shapes.begin(), shapes.end(),
                                      [](const auto& s) { return s && s->marker.has_value(); });
    if (freeRows) {
        caption += QStringLiteral("；⊕ 自由构件");
    }
    return caption;
}

void paintMember(QPainter& painter, const MemberShape& shape, const QTransform& toDevice,
                 bool highlighted, double lineWidth, double markerRadius, QRectF& bounds) {
    const SectionDrawingPalette& colours = sectionDrawingPalette();
    if (shape.marker) {
        const QPointF at = toDevice.map(*shape.marker);
        painter.setPen(
            cosmeticPen(highlighted ? highlightEdge : colours.ink, highlighted ? 2 : lineWidth));
        painter.setBrush(highlighted ? QBrush(highlightFill) : QBrush(Qt::NoBrush));
        painter.drawEllipse(at, markerRadius, markerRadius);
        const double arm = markerRadius * 0.7;
        painter.drawLine(at - QPointF(arm, arm), at + QPointF(arm, arm));
        painter.drawLine(at - QPointF(arm, -arm), at + QPointF(arm, -arm));
        bounds = QRectF(at - QPointF(markerRadius, markerRadius),
                        at + QPointF(markerRadius, markerRadius));
        return;
    }
    const QPainterPath path = toDevice.map(shape.path);
    painter.setPen(cosmeticPen(highlighted ? highlightEdge : colours.steelEdge,
                               highlighted && lineWidth == 0 ? 2 : lineWidth));
    painter.setBrush(highlighted ? highlightFill : colours.steelFill);
    painter.drawPath(path);
    bounds = path.boundingRect();
}

void drawLabel(QPainter& painter, const QRectF& box, Qt::Alignment align, const QString& text,
               GirderDrawingLayout& layout) {
    painter.drawText(box, align | Qt::AlignVCenter | Qt::TextDontClip, text);
    layout.texts << text;
}

} // namespace

GirderDrawingLayout paintGirderSection(QPainter& painter, const QRectF& box,
                                       const GirderTable& table, const GirderDrawingStyle& style) {
    GirderDrawingLayout layout;
    layout.memberBounds.resize(table.size());
    if (!(box.width() > 0) || !(box.height() > 0)) {
        return layout;
    }
    std::vector<std::optional<MemberShape>> shapes;
    shapes.reserve(table.size());
    // The extent by its corners: QRectF::united passes over a point (a
    // rectangle of no size), which a level or a free row is.
    double left = 0; // the centre line is always in the drawing
    double right = 0;
    double top = INFINITY;
    double bottom = -INFINITY;
    const auto include = [&](const QRectF& r) {
        left = std::min(left, r.left());
        right = std::max(right, r.right());
        top = std::min(top, r.top());
        bottom = std::max(bottom, r.bottom());
    };
    for (std::size_t row = 0; row < table.size(); ++row) {
        shapes.push_back(memberShape(table, row));
        if (!shapes.back()) {
            ++layout.rowsSkipped;
            continue;
        }
        ++layout.rowsDrawn;
        include(shapes.back()->marker ? QRectF(*shapes.back()->marker, QSizeF(0, 0))
                                      : shapes.back()->path.boundingRect());
    }
    const std::vector<Level> levels = levelsOf(table);
    for (const Level& level : levels) {
        include(QRectF(mm(0, level.z), QSizeF(0, 0)));
    }
    const QRectF extent(QPointF(left, top), QPointF(right, bottom));

    painter.save();
    if (style.font != QFont()) {
        painter.setFont(style.font);
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lh = metrics.height();
    const double pixel = devicePixel(painter);
    double labelWidth = 0;
    for (const Level& level : levels) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(level.text));
    }
    labelWidth += lh * 1.5;
    QRectF area = box.adjusted(lh * 0.5, lh * 0.8, -labelWidth, -lh * 1.8);
    const bool annotated = area.width() > 4 * lh && area.height() > 3 * lh;
    if (!annotated) {
        area = box.adjusted(pixel * 2, pixel * 2, -pixel * 2, -pixel * 2);
    }
    const double fit = fitScale(extent, area);
    if (fit == 0) {
        painter.restore();
        return layout;
    }
    layout.scale = fit;
    if (style.unitsPerPaperMm > 0) {
        const DrawingScale series = standardScale(fit / style.unitsPerPaperMm);
        layout.scale = series.factor * style.unitsPerPaperMm;
        layout.scaleText = series.text;
    }
    const double s = layout.scale;
    layout.originY = area.center().x() - extent.center().x() * s;
    layout.originZ = area.center().y() - extent.center().y() * s;
    const QTransform toDevice(s, 0, 0, s, layout.originY, layout.originZ);
    layout.sectionRect = toDevice.mapRect(extent);

    const SectionDrawingPalette& colours = sectionDrawingPalette();
    const double lineLeft = layout.sectionRect.left() - lh / 2;
    const double lineRight =
        annotated ? area.right() + lh / 2 : layout.sectionRect.right() + lh / 2;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(cosmeticPen(colours.fibre, style.lineWidth, Qt::DashDotLine));
    painter.drawLine(QPointF(layout.originY, layout.sectionRect.top() - lh / 2),
                     QPointF(layout.originY, layout.sectionRect.bottom() + lh / 2));
    for (const Level& level : levels) {
        if (level.role != Level::Role::NeutralAxis) {
            painter.setPen(levelPen(level.role, style.lineWidth));
            const double y = layout.originZ - level.z * s;
            painter.drawLine(QPointF(lineLeft, y), QPointF(lineRight, y));
        }
    }

    // The steel crisp, as the section windows draw it; the highlighted
    // member last, over its neighbours (table.size(): none).
    const std::size_t highlight = std::min(style.highlightRow.value_or(table.size()), table.size());
    const double markerRadius = std::max(lh * 0.3, 3 * pixel);
    for (std::size_t row = 0; row < shapes.size(); ++row) {
        if (shapes[row] && row != highlight) {
            QRectF bounds;
            paintMember(painter, *shapes[row], toDevice, false, style.lineWidth, markerRadius,
                        bounds);
            layout.memberBounds[row] = bounds;
        }
    }
    if (highlight < shapes.size() && shapes[highlight]) {
        QRectF bounds;
        paintMember(painter, *shapes[highlight], toDevice, true, style.lineWidth, markerRadius,
                    bounds);
        layout.memberBounds[highlight] = bounds;
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Level& level : levels) {
        if (level.role == Level::Role::NeutralAxis) {
            painter.setPen(levelPen(level.role, style.lineWidth));
            const double y = layout.originZ - level.z * s;
            painter.drawLine(QPointF(lineLeft, y), QPointF(lineRight, y));
        }
    }
    if (annotated) {
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        std::vector<double> wanted;
        wanted.reserve(levels.size());
        for (const Level& level : levels) {
            wanted.push_back(layout.originZ - level.z * s);
        }
        const std::vector<double> placed = spreadLabels(wanted, lh, box.top(), box.bottom());
        const double labelLeft = lineRight + lh / 2;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            painter.setPen(cosmeticPen(colours.fibre, style.lineWidth));
            painter.drawLine(QPointF(lineRight, wanted[i]), QPointF(labelLeft, placed[i]));
            painter.setPen(levels[i].role == Level::Role::NeutralAxis ? colours.axis : colours.ink);
            drawLabel(painter, QRectF(labelLeft + lh / 8, placed[i] - lh / 2, labelWidth, lh),
                      Qt::AlignLeft, levels[i].text, layout);
        }
        painter.setPen(colours.ink);
        const QString caption = captionOf(shapes);
        const double width = metrics.horizontalAdvance(caption);
        if (width > box.width()) {
            QFont smaller = painter.font();
            const double factor = box.width() / width;
            if (smaller.pixelSize() > 0) {
                smaller.setPixelSize(
                    std::max(1, static_cast<int>(std::floor(smaller.pixelSize() * factor))));
            } else {
                smaller.setPointSizeF(std::max(1.0, smaller.pointSizeF() * factor));
            }
            painter.setFont(smaller);
        }
        drawLabel(painter, QRectF(box.left(), box.bottom() - lh * 1.2, box.width(), lh),
                  Qt::AlignLeft, caption, layout);
    }
    painter.restore();
    return layout;
}

} // namespace corvane
