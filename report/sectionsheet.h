#pragma once

// What a section window contributes to its results leaving the window: the
// rows of the copied table, and the content of its calculation sheet.

#include "calcsheet.h"
#include "sectiondetails.h"
#include "sectionkind.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QMimeData;

namespace corvane {

// What the sheet says about one kind of section beyond its details: the
// method in a few lines.
struct SectionSheetSpec {
    SectionKind kind = SectionKind::Stiffener;
    std::function<QStringList(const SectionDetails&)> method;
};

SectionSheetSpec hullSheetSpec();
SectionSheetSpec builtUpSheetSpec();
SectionSheetSpec pipeSheetSpec();
SectionSheetSpec platedProfileSheetSpec();

// The rows of the copied result table of one calculation: one per input
// (its caption with the unit, the text as typed) and one per result (its
// caption with the unit, the value as the window shows it), as the kind's
// description names them.
std::vector<std::pair<QString, QString>>
resultRows(SectionKind kind, const std::vector<QString>& entryTexts, const SectionResults& results);

// The rows as tab-separated UTF-8 text and as an HTML table, together.
QMimeData* resultTableMimeData(const std::vector<std::pair<QString, QString>>& rows);

// What the details window shows, as tables one after the other (a blank line
// between them): the properties with their gross and net column, then the
// working table, gross and net.
std::vector<QStringList> detailsTableRows(const SectionDetails& details);
QMimeData* detailsMimeData(const SectionDetails& details);

// A result as the window shows it, without the blank Str keeps for the sign.
QString shownResult(double value);

// Paints the section into `box` at the largest scale of the usual series
// that lets it and its labels fit, and returns that scale ("1:10").
QString paintSectionToScale(QPainter& painter, const QRectF& box, const SectionGeometry& geometry);

// The sheet of one calculation (the millimetres its entries read, under the
// calculator's name): inputs, method, the section to scale, the working
// table and every property of the section details, gross and, for a
// deduction above 0, net.
struct SheetContext {
    QDateTime issuedAt;
    QString program; // name and version
    QString project;
    double deduction = 0; // corrosion deduction Δt, mm; 0: gross only
};
CalcSheet sectionSheet(const QString& calculatorName, const std::vector<double>& entries,
                       const SectionSheetSpec& spec, const SheetContext& context);

} // namespace corvane
