#pragma once

// The texts of the hull girder's section table: the working table's columns
// and rows, its sums, the results and why a row is left out, formed in one
// place so that the window, the sheet and the drawing show the same digits.
//
// Numbers: A, A·z, A·z², i0, I and the moduli are rounded to hundredths in
// their cm-based unit (cm², cm²·m, cm²·m², cm³) as the section calculators
// round theirs; a height z in metres to the millimetre (three decimals), the
// neutral axis also in cm to hundredths. A value in a larger unit (I in m⁴,
// W in m³) is the rounded value moved by the unit's power of ten, so both
// lines carry the same digits. Written by the program's general form
// (detailNumber): no trailing zeros, "—" for what cannot be formed.

#include "girder.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace corvane {

// A height in metres, rounded to the millimetre: "12.346".
QString girderLevel(double metres);
// A result in its cm-based unit, rounded to hundredths.
QString girderFigure(double value);

// "板", "型材", "自由构件".
QString memberKindText(MemberKind kind);
// Why a row cannot be formed is memberErrorText (girderfile.h), the one
// text the window's tooltips, the sheet and the batch tool share.

// The member table's columns: 构件, 类型, n, 剖面/尺寸 (mm), A (cm²), z (m),
// A·z (cm²·m), A·z² (cm²·m²), i₀ (cm²·m²).
QStringList girderTableHeaders();
constexpr int girderTableFirstNumber = 4; // A and the columns right of it

// What the row's member is, in mm: a plate "L×t", a profile by its name and
// the side it points to ("HP 200×10 ↑"), a free row "给定 A、z、i₀".
QString memberDimensions(const GirderMember& member);

// One row of the member table: its line of figures, or, for a row left out,
// "略去：" and why in place of the dimensions and no figures.
QStringList girderTableRow(const GirderMember& member,
                           const std::variant<GirderRowFigures, MemberError>& line);
// The sums as they count in the section; a half section says how they are
// formed.
QStringList girderSumsRow(const GirderResult& result, bool half);

// One line of the results: caption with its unit (symbols marked "z_NA"),
// gross and net.
struct GirderResultLine {
    QString caption;
    QString gross;
    QString net;
};
// The rows counted and left out, A, the neutral axis in m and cm, I in
// cm²·m² and m⁴, the moduli at the deck, at the baseline and the smaller, in
// m³ and cm³.
std::vector<GirderResultLine> girderResultLines(const GirderResult& gross, const GirderResult& net);

// "有 3 行无法计算，未计入合计。"; empty when every row counts.
QString rowsLeftOutText(std::size_t count);

} // namespace corvane
