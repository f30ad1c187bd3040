#include "calcsheet.h"

#include "subscripts.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numeric>

namespace corvane {

namespace {

// Layout units: tenths of a millimetre on an A4 portrait page.
constexpr double pageWidth = 2100;
constexpr double pageHeight = 2970;
constexpr double marginLeft = 200; // a binding edge on the left
constexpr double marginRight = 150;
constexpr double marginTop = 150;
constexpr double footerTop = 2970 - 150;
constexpr double contentWidth = pageWidth - marginLeft - marginRight;

constexpr double titleSize = 60; // 6 mm, about 17 pt
constexpr double headingSize = 38;
constexpr double bodySize = 30; // 3 mm, about 8.5 pt
constexpr double smallSize = 26;
constexpr double rowHeight = 50;
constexpr double headingHeight = 75;
constexpr double blockGap = 25;

// The page headers: the first page's title, date and program line, the
// project (as many lines as it needs) and the rule under them; a later
// page's title line with the date, the same project lines and a rule.
namespace header {
constexpr double titleLine = 90;
constexpr double dateLine = 50;
constexpr double projectLine = 45;
constexpr double ruleGap = 30;       // from the last header line to the content
constexpr double continuedLine = 50; // the title line of a later page
} // namespace header

// The drawing box beside the input table, and the input table's width. The
// box is as tall as the first of these heights that lets the sheet keep to
// one page (the drawing is then to a smaller scale), else the first.
constexpr double drawingBoxWidth = 920;
constexpr std::array<double, 5> drawingBoxHeights{680, 600, 520, 475, 430};
constexpr double scaleLineHeight = 45;
constexpr double inputsWidth = contentWidth - drawingBoxWidth - 60;

const QColor ruleColour(0x40, 0x40, 0x40);
const QColor gridColour(0x90, 0x90, 0x90);
const QColor headerFill(0xe8, 0xe8, 0xe8);

// The sheet speaks the windows' faces: the Kai face for the title and
// headings, the Song face for the body. The runtime maps both names to the
// installed CJK fonts, which a PDF writer embeds as subsets.
QFont sheetFont(bool kai, double pixelSize, bool bold = false) {
    QFont font = calcSheetFont(kai, pixelSize);
    font.setBold(bold);
    return font;
}

// The number of a section heading: Chinese numerals in Chinese ("三、计算表"),
// the translation's own in English ("3. Working table").
QString headingNumber(int n) {
    static const std::array<const char*, 10> numerals{
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "一"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "二"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "三"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "四"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "五"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "六"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "七"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "八"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "九"),
        QT_TRANSLATE_NOOP("corvane::CalcSheet", "十")};
    return n >= 1 && n <= 10 ? QCoreApplication::translate(
                                   "corvane::CalcSheet", numerals[static_cast<std::size_t>(n - 1)])
                             : QString::number(n);
}

// Draws a one-line text with subscripts, vertically centred in the cell.
void drawCellText(QPainter& painter, const QRectF& cell, const QString& text,
                  Qt::Alignment horizontal, const QFont& font) {
    QFont sub = font;
    sub.setPixelSize(std::max(1, font.pixelSize() * 7 / 10));
    const QFontMetricsF metrics(font);
    const QFontMetricsF subMetrics(sub);
    const std::vector<TextRun> runs = subscriptRuns(text);
    double width = 0;
    for (const TextRun& run : runs) {
        width += (run.subscript ? subMetrics : metrics).horizontalAdvance(run.text);
    }
    const double padding = 15;
    double x = cell.left() + padding;
    if (horizontal & Qt::AlignRight) {
        x = cell.right() - padding - width;
    } else if (horizontal & Qt::AlignHCenter) {
        x = cell.center().x() - width / 2;
    }
    const double baseline = cell.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    for (const TextRun& run : runs) {
        if (run.text.isEmpty()) {
            continue;
        }
        painter.setFont(run.subscript ? sub : font);
        const double shift = run.subscript ? metrics.descent() * 0.8 : 0;
        painter.drawText(QPointF(x, baseline + shift), run.text);
        x += (run.subscript ? subMetrics : metrics).horizontalAdvance(run.text);
    }
    painter.setFont(font);
}

// One piece of the flow: a heading, a table row, a paragraph. Pieces are
// never split across pages.
struct Piece {
    double height = 0;
    std::function<void(QPainter&, double top)> paint;
    bool keepWithNext = false;
    int repeatOnNewPage = -1; // the table header to draw first when this row opens a page
    bool outOfFlow = false;   // placed only as such a repeated header
};

struct Placement {
    int piece;
    double top;
};

struct Layout {
    std::shared_ptr<SheetPageInfo> info = std::make_shared<SheetPageInfo>();
    std::vector<Piece> pieces;
    std::vector<std::vector<Placement>> pages;
};

QString projectText(const CalcSheet& sheet) {
    return QCoreApplication::translate("corvane::CalcSheet", "项目：%1").arg(sheet.project);
}

// The project line, wrapped to the content width and printed whole; 0
// without a project.
double projectHeight(const CalcSheet& sheet) {
    if (sheet.project.isEmpty()) {
        return 0;
    }
    const QFontMetricsF metrics(sheetFont(false, bodySize));
    const double lines =
        std::ceil(metrics.boundingRect(QRectF(0, 0, contentWidth, 100000),
                                       Qt::TextWordWrap | Qt::AlignLeft, projectText(sheet))
                          .height() /
                      metrics.lineSpacing() -
                  0.01);
    return header::projectLine * std::max(1.0, lines);
}

double firstPageTop(const CalcSheet& sheet) {
    return marginTop + header::titleLine + header::dateLine + projectHeight(sheet) +
           header::ruleGap;
}

double laterPageTop(const CalcSheet& sheet) {
    return marginTop + header::continuedLine + projectHeight(sheet) + header::ruleGap;
}

std::vector<double> columnEdges(const SheetTable& table, double left, double width) {
    std::vector<double> weights = table.columnWeights;
    weights.resize(table.headers.size(), 1.0);
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    std::vector<double> edges{left};
    for (const double w : weights) {
        edges.push_back(edges.back() + width * w / total);
    }
    return edges;
}

// Per column, the widest part from the decimal point on, in the body face:
// numbers in a column stand with their points one above the other.
std::vector<double> fractionWidths(const SheetTable& table) {
    const QFontMetricsF metrics(sheetFont(false, bodySize));
    std::vector<double> widths(static_cast<std::size_t>(table.headers.size()), 0.0);
    for (const QStringList& row : table.rows) {
        for (int c = table.firstNumberColumn; c < row.size() && c < table.headers.size(); ++c) {
            widths[static_cast<std::size_t>(c)] =
                std::max(widths[static_cast<std::size_t>(c)],
                         metrics.horizontalAdvance(decimalParts(row[c]).fraction));
        }
    }
    return widths;
}

void paintRow(QPainter& painter, const SheetTable& table, const QStringList& cells, double left,
              double width, double top, bool header) {
    const std::vector<double> edges = columnEdges(table, left, width);
    const QRectF rowRect(left, top, width, rowHeight);
    if (header) {
        painter.fillRect(rowRect, headerFill);
    }
    painter.setPen(QPen(gridColour, 2));
    painter.drawLine(rowRect.bottomLeft(), rowRect.bottomRight());
    if (header) {
        painter.drawLine(rowRect.topLeft(), rowRect.topRight());
    }
    painter.setPen(Qt::black);
    const QFont font = sheetFont(false, bodySize, header);
    painter.setFont(font);
    for (int c = 0; c < cells.size() && c + 1 < static_cast<int>(edges.size()); ++c) {
        const QRectF cell(
            edges[static_cast<std::size_t>(c)], top,
            edges[static_cast<std::size_t>(c) + 1] - edges[static_cast<std::size_t>(c)], rowHeight);
        const Qt::Alignment align = header                         ? Qt::AlignHCenter
                                    : c >= table.firstNumberColumn ? Qt::AlignRight
                                                                   : Qt::AlignLeft;
        if (!header && c >= table.firstNumberColumn) {
            // The whole part ends where the column's widest fraction begins.
            const double fraction = fractionWidths(table)[static_cast<std::size_t>(c)];
            const DecimalParts parts = decimalParts(cells[c]);
            const double point = cell.right() - fraction;
            drawCellText(painter, QRectF(cell.left(), top, point - cell.left(), rowHeight),
                         parts.whole, Qt::AlignRight, font);
            if (!parts.fraction.isEmpty()) {
                const QFontMetricsF metrics(font);
                const double padding = 15;
                painter.drawText(
                    QPointF(point - padding,
                            cell.center().y() + (metrics.ascent() - metrics.descent()) / 2),
                    parts.fraction);
            }
            continue;
        }
        drawCellText(painter, cell, cells[c], align, font);
    }
}

double tableHeight(const SheetTable& table) {
    return rowHeight * static_cast<double>(table.rows.size() + 1);
}

void paintHeading(QPainter& painter, double top, int number, const QString& title) {
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(true, headingSize));
    painter.drawText(QRectF(marginLeft, top, contentWidth, headingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("corvane::CalcSheet", "%1、%2")
                         .arg(headingNumber(number), title));
}

// Adds a table as pieces: its heading with the header row, each row on its
// own, the notes last. The header row comes again on a page the table goes
// on to.
void addTable(Layout& layout, const SheetTable& table, int number, double left, double width,
              bool withHeading) {
    const double headingPart = withHeading ? headingHeight : 0;
    layout.pieces.push_back(
        {headingPart + rowHeight,
         [&table, number, left, width, headingPart, withHeading](QPainter& p, double top) {
             if (withHeading) {
                 paintHeading(p, top, number, table.title);
             }
             paintRow(p, table, table.headers, left, width, top + headingPart, true);
         },
         true});
    // On a new page only the header row repeats, not the heading.
    const int repeatPiece = static_cast<int>(layout.pieces.size());
    layout.pieces.push_back({rowHeight,
                             [&table, left, width](QPainter& p, double top) {
                                 paintRow(p, table, table.headers, left, width, top, true);
                             },
                             false, -1, true});
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool last = r + 1 == table.rows.size();
        layout.pieces.push_back({rowHeight,
                                 [&table, r, left, width](QPainter& p, double top) {
                                     paintRow(p, table, table.rows[r], left, width, top, false);
                                 },
                                 last && !table.notes.isEmpty(), repeatPiece});
    }
    if (!table.notes.isEmpty()) {
        const QFont font = sheetFont(false, smallSize);
        const QFontMetricsF metrics(font);
        const QString text = table.notes.join(QLatin1Char('\n'));
        const double height =
            metrics.boundingRect(QRectF(0, 0, width, 10000), Qt::TextWordWrap, text).height() + 10;
        layout.pieces.push_back({height,
                                 [font, text, left, width](QPainter& p, double top) {
                                     p.setPen(Qt::black);
                                     p.setFont(font);
                                     p.drawText(QRectF(left, top + 8, width, 10000),
                                                Qt::TextWordWrap, text);
                                 },
                                 false, -1});
    }
    layout.pieces.push_back({blockGap, [](QPainter&, double) {}, false, -1});
}

// Inputs on the left, the drawing to scale on the right, as one block.
void addInputsAndDrawing(Layout& layout, const CalcSheet& sheet, int number, double boxHeight) {
    const bool hasDrawing = static_cast<bool>(sheet.drawing.paint);
    const double inputsBlock = headingHeight + tableHeight(sheet.inputs);
    const double drawingBlock = hasDrawing ? boxHeight + scaleLineHeight : 0;
    const double inputsWidthUsed = hasDrawing ? inputsWidth : contentWidth;
    layout.pieces.push_back(
        {std::max(inputsBlock, drawingBlock + headingHeight) + blockGap,
         [&sheet, number, inputsWidthUsed, hasDrawing, boxHeight, info = layout.info](QPainter& p,
                                                                                      double top) {
             paintHeading(p, top, number, sheet.inputs.title);
             paintRow(p, sheet.inputs, sheet.inputs.headers, marginLeft, inputsWidthUsed,
                      top + headingHeight, true);
             for (std::size_t r = 0; r < sheet.inputs.rows.size(); ++r) {
                 paintRow(p, sheet.inputs, sheet.inputs.rows[r], marginLeft, inputsWidthUsed,
                          top + headingHeight + rowHeight * static_cast<double>(r + 1), false);
             }
             if (!hasDrawing) {
                 return;
             }
             const QRectF box(pageWidth - marginRight - drawingBoxWidth, top + headingHeight,
                              drawingBoxWidth, boxHeight);
             p.setPen(QPen(gridColour, 2));
             p.setBrush(Qt::NoBrush);
             p.drawRect(box);
             p.save();
             p.setClipRect(box);
             const QString scale = sheet.drawing.paint(p, box.adjusted(20, 20, -20, -20));
             p.restore();
             info->drawingBox = p.transform().mapRect(box);
             info->drawingScale = scale;
             p.setPen(Qt::black);
             p.setFont(sheetFont(false, bodySize));
             p.drawText(
                 QRectF(box.left(), box.bottom(), box.width(), scaleLineHeight),
                 Qt::AlignHCenter | Qt::AlignVCenter,
                 QCoreApplication::translate("corvane::CalcSheet", "剖面图  比例 %1").arg(scale));
         },
         false, -1});
}

void addMethod(Layout& layout, const CalcSheet& sheet, int number) {
    const QFont font = sheetFont(false, bodySize);
    const QFontMetricsF metrics(font);
    const QString text = sheet.method.join(QLatin1Char('\n'));
    const double textHeight =
        metrics.boundingRect(QRectF(0, 0, contentWidth - 40, 100000), Qt::TextWordWrap, text)
            .height();
    layout.pieces.push_back(
        {headingHeight + textHeight + blockGap + 10,
         [font, text, number](QPainter& p, double top) {
             paintHeading(p, top, number,
                          QCoreApplication::translate("corvane::CalcSheet", "计算方法"));
             p.setPen(Qt::black);
             p.setFont(font);
             p.drawText(QRectF(marginLeft + 40, top + headingHeight, contentWidth - 40, 100000),
                        Qt::TextWordWrap, text);
         },
         false, -1});
}

// A piece that does not fit goes to the next page, together with the pieces
// it keeps with; a row that opens a page brings its table's header row.
void paginate(Layout& layout, double firstTop, double laterTop) {
    const double bottom = footerTop - 20;
    layout.pages.emplace_back();
    double y = firstTop;
    bool pageHasContent = false;
    for (int i = 0; i < static_cast<int>(layout.pieces.size()); ++i) {
        const Piece& piece = layout.pieces[static_cast<std::size_t>(i)];
        if (piece.outOfFlow) {
            continue;
        }
        double chain = piece.height;
        for (int j = i; layout.pieces[static_cast<std::size_t>(j)].keepWithNext &&
                        j + 1 < static_cast<int>(layout.pieces.size());) {
            ++j;
            if (!layout.pieces[static_cast<std::size_t>(j)].outOfFlow) {
                chain += layout.pieces[static_cast<std::size_t>(j)].height;
            }
        }
        if (pageHasContent && y + chain > bottom) {
            layout.pages.emplace_back();
            y = laterTop;
            pageHasContent = false;
            if (piece.repeatOnNewPage >= 0) {
                layout.pages.back().push_back({piece.repeatOnNewPage, y});
                y += layout.pieces[static_cast<std::size_t>(piece.repeatOnNewPage)].height;
            }
        }
        layout.pages.back().push_back({i, y});
        y += piece.height;
        pageHasContent = true;
    }
}

Layout layoutSheetWithDrawing(const CalcSheet& sheet, double boxHeight) {
    Layout layout;
    int number = 1;
    addInputsAndDrawing(layout, sheet, number++, boxHeight);
    if (!sheet.method.isEmpty()) {
        addMethod(layout, sheet, number++);
    }
    for (const SheetTable& table : sheet.tables) {
        addTable(layout, table, number++, marginLeft, contentWidth, true);
    }
    paginate(layout, firstPageTop(sheet), laterPageTop(sheet));
    return layout;
}

Layout layoutSheet(const CalcSheet& sheet) {
    for (const double boxHeight : drawingBoxHeights) {
        Layout layout = layoutSheetWithDrawing(sheet, boxHeight);
        if (layout.pages.size() == 1 || !sheet.drawing.paint) {
            return layout;
        }
    }
    return layoutSheetWithDrawing(sheet, drawingBoxHeights.front());
}

void paintProject(const CalcSheet& sheet, QPainter& p, double top) {
    if (!sheet.project.isEmpty()) {
        p.setPen(Qt::black);
        p.setFont(sheetFont(false, bodySize));
        p.drawText(QRectF(marginLeft, top, contentWidth, projectHeight(sheet)),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, projectText(sheet));
    }
}

QString dateText(const CalcSheet& sheet) {
    return QCoreApplication::translate("corvane::CalcSheet", "日期：%1")
        .arg(sheet.issuedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

// Draws a one-line text in the box: a text wider than the box is set
// smaller, down to `smallest`, and what still does not fit is cut with an
// ellipsis, so that a long name (a document's, or a calculator's in
// English) never runs off the page or over the text beside it.
void drawFitted(QPainter& p, const QRectF& box, Qt::Alignment align, const QString& text, bool kai,
                double size, double smallest) {
    QFont font = sheetFont(kai, size);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > box.width() && width > 0) {
        font = sheetFont(kai, std::max(smallest, std::floor(size * box.width() / width)));
    }
    p.setFont(font);
    p.drawText(box, align, QFontMetricsF(font).elidedText(text, Qt::ElideRight, box.width()));
}

void paintFirstPageHeader(const CalcSheet& sheet, QPainter& p) {
    p.setPen(Qt::black);
    drawFitted(
        p, QRectF(marginLeft, marginTop, contentWidth, header::titleLine),
        Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("corvane::CalcSheet", "%1 计算书").arg(sheet.calculatorName),
        true, titleSize, headingSize);
    p.setFont(sheetFont(false, bodySize));
    double y = marginTop + header::titleLine;
    const QRectF dateLine(marginLeft, y, contentWidth, header::dateLine);
    p.drawText(dateLine, Qt::AlignLeft | Qt::AlignVCenter, dateText(sheet));
    p.drawText(dateLine, Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("corvane::CalcSheet", "程序：%1").arg(sheet.program));
    y += header::dateLine;
    paintProject(sheet, p, y);
    y += projectHeight(sheet);
    p.setPen(QPen(ruleColour, 5));
    p.drawLine(QPointF(marginLeft, y + 12), QPointF(pageWidth - marginRight, y + 12));
}

// A loose later page still names its section, project and date.
void paintLaterPageHeader(const CalcSheet& sheet, QPainter& p) {
    p.setPen(Qt::black);
    const QRectF titleLine(marginLeft, marginTop, contentWidth, header::continuedLine);
    p.setFont(sheetFont(false, bodySize));
    p.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter, dateText(sheet));
    const double dateWidth = QFontMetricsF(p.font()).horizontalAdvance(dateText(sheet));
    drawFitted(p, titleLine.adjusted(0, 0, -(dateWidth + 40), 0), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("corvane::CalcSheet", "%1 计算书（续）")
                   .arg(sheet.calculatorName),
               true, bodySize, bodySize);
    const double y = marginTop + header::continuedLine;
    paintProject(sheet, p, y);
    const double rule = y + projectHeight(sheet) + 5;
    p.setPen(QPen(ruleColour, 3));
    p.drawLine(QPointF(marginLeft, rule), QPointF(pageWidth - marginRight, rule));
}

void paintFooter(const CalcSheet& sheet, QPainter& p, int pageIndex, int pageCount) {
    p.setPen(QPen(ruleColour, 3));
    p.drawLine(QPointF(marginLeft, footerTop), QPointF(pageWidth - marginRight, footerTop));
    p.setPen(Qt::black);
    p.setFont(sheetFont(false, smallSize));
    const QRectF line(marginLeft, footerTop + 10, contentWidth, 50);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, sheet.program);
    const QString page = QCoreApplication::translate("corvane::CalcSheet", "第 %1 页 / 共 %2 页")
                             .arg(pageIndex + 1)
                             .arg(pageCount);
    p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, page);
    // The name on the right keeps clear of the page number in the middle.
    const double pageRight =
        line.center().x() + QFontMetricsF(p.font()).horizontalAdvance(page) / 2;
    drawFitted(p, QRectF(pageRight + 40, line.top(), line.right() - pageRight - 40, line.height()),
               Qt::AlignRight | Qt::AlignVCenter, sheet.calculatorName, false, smallSize,
               smallSize);
}

} // namespace

DecimalParts decimalParts(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^([-−]?\\d*)(\\.\\d+)$|^[-−]?\\d+$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch() || match.captured(2).isEmpty()) {
        return {text, {}};
    }
    return {match.captured(1), match.captured(2)};
}

QFont calcSheetFont(bool kai, double size) {
    QFont font(kai ? QStringLiteral("楷体_GB2312") : QStringLiteral("宋体"));
    font.setPixelSize(static_cast<int>(std::lround(size)));
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

DrawingScale standardScale(double maxFactor) {
    if (!(maxFactor > 0) || !std::isfinite(maxFactor)) {
        return {1, QStringLiteral("1:1")};
    }
    for (const int up : {10, 5, 2}) {
        if (up <= maxFactor) {
            return {static_cast<double>(up), QStringLiteral("%1:1").arg(up)};
        }
    }
    // 1:1, 1:2, 1:2.5, 1:5, 1:10, ... : the first reduction that fits.
    for (double decade = 1; std::isfinite(decade); decade *= 10) {
        for (const double step : {1.0, 2.0, 2.5, 5.0}) {
            const double n = step * decade;
            if (1 / n <= maxFactor) {
                return {1 / n, QStringLiteral("1:%1").arg(n)};
            }
        }
    }
    return {maxFactor, QStringLiteral("1:%1").arg(1 / maxFactor)};
}

int sheetPageCount(const CalcSheet& sheet) {
    return static_cast<int>(layoutSheet(sheet).pages.size());
}

SheetPageInfo paintSheetPage(const CalcSheet& sheet, int pageIndex, QPainter& painter,
                             const QRectF& page) {
    const Layout layout = layoutSheet(sheet);
    const int count = static_cast<int>(layout.pages.size());
    if (pageIndex < 0 || pageIndex >= count) {
        return {};
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(page.topLeft());
    painter.scale(page.width() / pageWidth, page.height() / pageHeight);
    if (pageIndex == 0) {
        paintFirstPageHeader(sheet, painter);
    } else {
        paintLaterPageHeader(sheet, painter);
    }
    for (const Placement& placed : layout.pages[static_cast<std::size_t>(pageIndex)]) {
        layout.pieces[static_cast<std::size_t>(placed.piece)].paint(painter, placed.top);
    }
    paintFooter(sheet, painter, pageIndex, count);
    painter.restore();
    return *layout.info;
}

bool renderSheet(const CalcSheet& sheet, QPagedPaintDevice& device, int first, int last) {
    const int count = sheetPageCount(sheet);
    if (last < 0 || last >= count) {
        last = count - 1;
    }
    first = std::max(first, 0);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The page in device pixels, A4 proportions, fitted to the paper.
    const double scale = std::min(device.width() / pageWidth, device.height() / pageHeight);
    const QRectF page(0, 0, pageWidth * scale, pageHeight * scale);
    for (int i = first; i <= last; ++i) {
        if (i > first && !device.newPage()) {
            painter.end();
            return false;
        }
        paintSheetPage(sheet, i, painter, page);
    }
    return painter.end();
}

} // namespace corvane
