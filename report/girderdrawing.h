#pragma once

// The hull girder's section drawn to scale from its table, gross
// scantlings, equal scale on both axes: y across (0 on the centre line), z
// up from the baseline, in mm. A half section shows the side it lists.
//
// - A plate is a filled quadrilateral of its true thickness along its
//   mid-thickness line, outlined with a one-pixel cosmetic pen so that a
//   plate thinner than a pixel still shows.
// - A stiffener is its outline with its toe at (y1, z1), the web centred on
//   y1, pointing up or down: a bulb flat with the straight edges and arcs of
//   its outline, the bulb standing out away from the centre line (outboard);
//   a flat bar as its rectangle; a built-up T as its web and face plate. A
//   row of n stiffeners is drawn once, at its toe.
// - A free row, which has no shape, is a small circled cross at (y1, z1),
//   at the centre line when y1 is empty.
// - The centre line, the baseline, the deck line z = D and the gross neutral
//   axis cross the section; the last three are labelled in a column on the
//   right: "中和轴 z = 9.123 m", "甲板线 D = 18.5 m", "基线".
//
// Rows that cannot be formed (gross) are not drawn. Paints onto any QPainter
// (a widget, an image, a PDF writer); the painter's state is restored.

#include "girder.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace corvane {

struct GirderDrawingStyle {
    QFont font;           // the labels; the painter's font if not set
    double lineWidth = 0; // outlines in logical units; 0: one device pixel
    // Paper units per millimetre of paper (10 on the sheet, whose units are
    // tenths of a millimetre): when above 0 the scale is the largest of the
    // usual series that fits (standardScale) and the layout states it;
    // otherwise the drawing fills what it is given.
    double unitsPerPaperMm = 0;
    // The row whose member is drawn highlighted (the row selected in the
    // table); nothing is highlighted when empty or out of range.
    std::optional<std::size_t> highlightRow;
};

// Where the drawing went, in the painter's logical coordinates.
struct GirderDrawingLayout {
    QRectF sectionRect; // what the section, its lines and markers take
    double scale = 0;   // logical units per mm of the section, both axes
    double originY = 0; // logical x of the centre line y = 0
    double originZ = 0; // logical y of the baseline z = 0 (z grows downward on the device)
    QString scaleText;  // "1:100" when drawn to a scale of the series, else empty
    // Per row of the table: the member's bounding rectangle as drawn, empty
    // for a row that is not drawn.
    std::vector<std::optional<QRectF>> memberBounds;
    std::size_t rowsDrawn = 0;
    std::size_t rowsSkipped = 0;
    QStringList texts; // every label as drawn

    bool valid() const { return scale > 0; }
    QPointF map(double yMm, double zMm) const {
        return {originY + yMm * scale, originZ - zMm * scale};
    }
};

GirderDrawingLayout paintGirderSection(QPainter& painter, const QRectF& box,
                                       const GirderTable& table,
                                       const GirderDrawingStyle& style = {});

} // namespace corvane
