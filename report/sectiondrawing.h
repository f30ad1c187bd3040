#pragma once

// The section drawn to scale, with equal scale on both axes: every plate as
// a filled rectangle (the pipe as a ring), the stiffener's plating at its
// full breadth with the effective breadth k·b hatched on it, the neutral
// axis as a dash-dot line with its height, the line the calculator's modulus
// refers to, the two extreme fibres with their distances from the neutral
// axis, and the main dimensions in millimetres.
//
// paintSection paints onto any QPainter: a widget, a QImage, a PDF writer, a
// printer, an SVG generator. The drawing fills the target rectangle (in the
// painter's logical coordinates), keeps the section's proportions, and
// leaves margins for its labels; when the target is too small for labels it
// draws the section alone.

#include "sectiondetails.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;

namespace corvane {

struct SectionDrawingStyle {
    QFont font;           // labels and dimensions; the default font if not set
    bool annotate = true; // false: the section and its axis lines only
    double lineWidth = 0; // logical units; 0: one device pixel (two for the axis)
};

// Where the drawing put the section: logical coordinates of a point given in
// the section's millimetres (x across, y up from the reference line).
struct SectionDrawingLayout {
    QRectF target;      // the rectangle painted into
    QRectF sectionArea; // the part of it reserved for the section itself
    double scale = 0;   // logical units per millimetre, the same on both axes
    double originX = 0; // logical x of x = 0 mm
    double originY = 0; // logical y of y = 0 mm (y grows downward on the device)
    bool annotated = false;
    bool thinPlatesWidened = false; // a plate was drawn at the one-pixel minimum
    // Every label and dimension text as drawn (symbols written "b_f", drawn
    // with real subscripts), where it went, and the dimensions' ticks.
    QStringList texts;
    std::vector<QRectF> textBoxes;
    std::vector<QLineF> ticks;

    bool valid() const { return scale > 0; }
    double xOf(double mmX) const { return originX + mmX * scale; }
    double yOf(double mmY) const { return originY - mmY * scale; }
    QPointF map(double mmX, double mmY) const { return {xOf(mmX), yOf(mmY)}; }
};

// Paints the section into `target` and returns where it went. The painter's
// state is saved and restored.
SectionDrawingLayout paintSection(QPainter& painter, const QRectF& target,
                                  const SectionGeometry& geometry,
                                  const SectionDrawingStyle& style = {});

// The colour of the drawing's text and dimension lines, for a widget that
// shows it on its own background.
QColor sectionDrawingInk();

// The colours every section drawing uses, so that a steel plate, a neutral
// axis or a label looks the same in each of them.
struct SectionDrawingPalette {
    QColor steelFill;
    QColor steelEdge;
    QColor axis;      // the neutral axis and its label
    QColor reference; // a line a modulus or a level refers to
    QColor fibre;     // extreme fibres and label leaders
    QColor ink;       // text and dimension lines
};
const SectionDrawingPalette& sectionDrawingPalette();

// The centres of labels one `height` tall, each as near its wanted centre
// as it can be with none overlapping the next, all within [top, bottom].
std::vector<double> spreadLabels(std::vector<double> wanted, double height, double top,
                                 double bottom);

} // namespace corvane
