#pragma once

// The calculation sheet (计算书) of a section: what it says, and one renderer
// that lays it out on A4 portrait and paints it onto any paint device — a
// PDF writer, a printer, or an image.
//
// The layout works in tenths of a millimetre on the A4 page and is scaled to
// the device, so the same rows fall on the same pages whatever the device's
// resolution. A page break never cuts a row: a table that does not fit goes
// on with its header repeated on the next page.

#include <QDateTime>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace corvane {

// A table of the sheet. Cells may mark a subscript with "_" ("t_p" is t with
// a subscript p, up to the next blank).
struct SheetTable {
    QString title;                     // heading above the table; may be empty
    QStringList headers;               // one per column
    std::vector<QStringList> rows;     // each as many cells as headers
    std::vector<double> columnWeights; // relative column widths
    int firstNumberColumn = 1;         // this column and those right of it align right
    QStringList notes;                 // lines in small print under the table
};

// The section drawn to scale. `size` is the drawing's extent on paper in
// millimetres at the stated scale; paint draws it into a rectangle of that
// size (in the painter's coordinates, which need not be millimetres).
struct SheetDrawing {
    QSizeF size;
    QString scale; // e.g. "1:10"
    std::function<void(QPainter& painter, const QRectF& target)> paint;
};

struct CalcSheet {
    QString calculatorName; // the window's title
    QDateTime issuedAt;     // when the sheet was made
    QString program;        // name and version
    QString project;        // optional; omitted when empty
    SheetTable inputs;
    QStringList method;
    SheetDrawing drawing; // no drawing when paint is empty
    std::vector<SheetTable> tables;
};

// The largest drawing box beside the inputs, in millimetres.
QSizeF sheetDrawingBox();

// The scale that fits a section of the given real extent (mm) into the box
// (mm): the smallest reduction 1:n of the usual series (1, 2, 2.5, 5 times a
// power of ten), or an enlargement 2:1, 5:1, 10:1 for a very small section.
// Returns the drawing's factor (paper mm per real mm) and its text.
struct DrawingScale {
    double factor = 1;
    QString text;
};
DrawingScale chooseDrawingScale(const QSizeF& extentMm, const QSizeF& boxMm);

// How many pages the sheet takes.
int sheetPageCount(const CalcSheet& sheet);

// Paints one page (0-based) so that the A4 page fills `page`, a rectangle in
// the painter's coordinates with A4 proportions.
void paintSheetPage(const CalcSheet& sheet, int pageIndex, QPainter& painter, const QRectF& page);

// Paints the pages from `first` to `last` (0-based, inclusive; clamped to the
// sheet) onto a paged device, starting a new page between them. The device
// must be set up for A4 (or paper of similar size) with no margins of its
// own. Returns false when the painter cannot start on the device.
bool renderSheet(const CalcSheet& sheet, QPagedPaintDevice& device, int first = 0, int last = -1);

} // namespace corvane
