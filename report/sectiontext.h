#pragma once

// The texts of the section details: every caption, unit and number the
// details window shows, formed in one place so that anything else that
// reports a section (a calculation sheet, a clipboard table) shows the same
// rows with the same digits.
//
// Numbers: one formatter, detailNumber, the program's general form (up to 15
// significant digits, no trailing zeros, "0.25" with its zero). Computed
// quantities are rounded to hundredths first, as the calculators round
// theirs, so the calculator's own results appear with exactly the digits its
// window shows; inputs appear as they were read. A quantity that cannot be
// formed shows as "—", never as nan or inf. Units belong in the row or
// column header, never beside the number.

#include "sectiondetails.h"
#include "subscripts.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace corvane {

// A text of the section descriptions (a caption, a name), which are Chinese
// and marked for translation, in the language installed.
QString describedText(const char* text);

// The general form of a value; "—" when it is not finite.
QString detailNumber(double value);
// A computed quantity: rounded to hundredths, then detailNumber.
QString detailResult(double value);

// The window title of the details of a section kind:
// "剖面详图 — 船体结构剖面", "剖面详图 — 组合型材", "剖面详图 — 钢管".
QString detailsTitle(SectionKind kind);
// The name of the calculator the section belongs to, as its window is titled.
QString calculatorName(SectionKind kind);
QString plateCaption(PlateRole role);
// The effective-breadth factor's rule as the texts state it: "0.3·(l/b)^(2/3)".
QString effectiveBreadthRule();

// One input of the calculator: caption (as the entry field's label, without
// its unit), symbol, value as read, unit.
struct InputItem {
    QString caption;
    QString symbol;
    double value = 0;
    QString unit;
};
std::vector<InputItem> inputItems(const SectionDimensions& dimensions);
// An input as it is named in what leaves the program (the copied table):
// caption, symbol without its subscript mark, unit, "面板1宽度 b1 (mm)". The
// span is ℓ, which no face shows like the digit 1.
QString exportedCaption(const InputItem& item);
// The results the calculator's window shows, in its order, as they are named
// in what leaves the program: "惯性矩 I (cm⁴)" (the window's "极惯性矩(cm4)"
// is the second moment about the neutral axis), "每米质量 m (kg/m)".
QStringList resultCaptions(SectionKind kind);
// "b = 600, t_p = 10, … (mm)" on one line.
QString inputSummary(const SectionDimensions& dimensions);

// One row of the property table, as the kind's description lists them: the
// caption with its unit, the gross value and, when the net values show
// (showsNet), the net value. `shown` marks the rows the calculator's window
// shows too (same computation, same rounding).
struct PropertyRow {
    QString caption;
    QString gross;
    QString net; // empty unless the net values show
    bool shown = false;
};
std::vector<PropertyRow> propertyRows(const SectionDetails& details);

// The working table's column headers (plate, A_i, y_i, A_i·y_i, A_i·y_i²,
// I0_i with their units) and its rows: one per plate and a total row, for
// one set of properties. `suffix` is appended to the plate names (the net
// block is "（净）").
QStringList workingTableHeaders(SectionKind kind);
std::vector<QStringList> workingTableRows(const SectionProperties& properties,
                                          const QString& suffix = QString());
// What marks the net block's plate names: "（净）".
QString netSuffix();
// The whole working table of the details: the gross block and, when the net
// values show (showsNet), the net block after it.
std::vector<QStringList> workingTableRows(const SectionDetails& details);

// The heading of the gross and the net column: "毛尺寸", "净尺寸 (Δt = 1 mm)".
QString grossHeading();
QString netHeading(double deduction);

// The one line shown instead of the net column when there is none; empty
// when the net section exists.
QString refusalLine(const SectionDetails& details);

// A stiffener without a face plate (a flat bar): its reference line is the
// web's free edge.
bool withoutFacePlate(const SectionDetails& details);

// Notes that belong under the tables: where the computation takes a
// quantity differently from the textbook, and what the asterisk means.
QStringList footnotes(const SectionDetails& details);

} // namespace corvane
