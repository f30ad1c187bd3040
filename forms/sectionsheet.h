#pragma once

// What a section window contributes to its results leaving the window: the
// rows of the copied table, and the content of its calculation sheet.

#include "calcsheet.h"
#include "sectionform.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QMimeData;

namespace corvane {

// What the sheet says about one kind of section beyond the window's own
// captions: the symbol of each entry and result, and the method.
struct SectionSheetSpec {
    std::vector<QString> entrySymbols;   // per entry field, "_" marks a subscript
    std::vector<QString> entryCaptions;  // per entry, replacing the window's caption; may be empty
    std::vector<QString> resultSymbols;  // per result field
    std::vector<QString> resultCaptions; // per result, replacing the window's caption; may be empty
    std::function<QStringList(const SectionCalculation&)> method;
};

SectionSheetSpec hullSheetSpec();
SectionSheetSpec builtUpSheetSpec();
SectionSheetSpec pipeSheetSpec();

// One row per entry (caption with its unit, the text as typed) and one per
// result (caption with its unit, the value as the window shows it), from the
// last successful calculation; empty when there is none.
std::vector<std::pair<QString, QString>> resultRows(const SectionForm& form);

// The rows as tab-separated UTF-8 text and as an HTML table, together.
QMimeData* resultTableMimeData(const std::vector<std::pair<QString, QString>>& rows);

// A result as the window shows it, without the blank Str keeps for the sign.
QString shownResult(double value);

// "型材带板宽度(mm)" -> ("型材带板宽度", "mm"); a caption without a unit in
// brackets keeps its whole text and has no unit.
std::pair<QString, QString> splitCaption(const QString& caption);

// The unit written for print: cm2, cm3, cm4 with superscripts.
QString printedUnit(const QString& unit);

// The sheet of the form's last successful calculation (which must exist).
struct SheetContext {
    QDateTime issuedAt;
    QString project;
};
CalcSheet sectionSheet(const SectionForm& form, const SectionSheetSpec& spec,
                       const SheetContext& context);

} // namespace corvane
