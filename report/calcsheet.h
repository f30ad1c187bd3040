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
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QFont;
class QPagedPaintDevice;
class QPainter;

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

// The section drawn to scale. paint draws it into `box` (in the painter's
// coordinates, where one unit is a tenth of a millimetre on paper) and
// returns the scale it drew at, e.g. "1:10".
struct SheetDrawing {
    std::function<QString(QPainter& painter, const QRectF& box)> paint;
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

// The Song (false) or Kai (true) face at a size in layout units (tenths of a
// millimetre on paper), as the sheet writes its text.
QFont calcSheetFont(bool kai, double size);

// The largest scale of the usual series that is not above `maxFactor`
// (paper millimetres per real millimetre): reductions 1:n with n = 1, 2,
// 2.5, 5 times a power of ten, and the enlargements 2:1, 5:1, 10:1 for very
// small sections. `text` states it ("1:20", "2:1").
struct DrawingScale {
    double factor = 1;
    QString text;
};
DrawingScale standardScale(double maxFactor);

// A number in a table lines up on its decimal point: the part before the
// point and the point with what follows (empty for a whole number). A text
// that is not a number is all `whole`.
struct DecimalParts {
    QString whole;
    QString fraction;
};
DecimalParts decimalParts(const QString& text);

// How many pages the sheet takes.
int sheetPageCount(const CalcSheet& sheet);

// What painting a page placed where: the drawing's frame (in the painter's
// coordinates; empty when the page has no drawing) and the scale it states.
struct SheetPageInfo {
    QRectF drawingBox;
    QString drawingScale;
};

// Paints one page (0-based) so that the A4 page fills `page`, a rectangle in
// the painter's coordinates with A4 proportions.
SheetPageInfo paintSheetPage(const CalcSheet& sheet, int pageIndex, QPainter& painter,
                             const QRectF& page);

// Paints the pages from `first` to `last` (0-based, inclusive; clamped to the
// sheet) onto a paged device, starting a new page between them. The device
// must be set up for A4 (or paper of similar size) with no margins of its
// own. Returns false when the painter cannot start on the device.
bool renderSheet(const CalcSheet& sheet, QPagedPaintDevice& device, int first = 0, int last = -1);

} // namespace corvane
