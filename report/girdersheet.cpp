#include "girdersheet.h"

#include "girderdrawing.h"
#include "girdertext.h"
#include "sectiontext.h"

#include <QPainter>

#include <algorithm>

namespace corvane {

namespace {

QStringList methodLines(const GirderTable& table) {
    const GirderSettings& settings = table.settings();
    QStringList lines{
        QStringLiteral(
            "每行：面积 A = n·a (cm²)，形心距基线 z (m)，A·z (cm²·m)，A·z² (cm²·m²)，"
            "自身惯性矩 i₀ 为 n 件之和 (cm⁴ 除以 10⁴ 换算为 cm²·m²)；n 为同一构件的件数，"
            "a 为一件的面积。"),
        QStringLiteral("板：厚度中线自 (y1, z1) 至 (y2, z2)，长 L，厚 t，与水平线夹角 θ；"
                       "a = L·t，i₀ = (L·t/12)(L²·sin²θ + t²·cos²θ)。水平、竖直与斜板同一公式。"),
        QStringLiteral("型材（球扁钢、扁钢、组合型材）：面积、形心与 i₀ 与各型材窗口同一计算，"
                       "只计型材本身（带板另列为板行，全宽有效）；趾端在 (y1, z1)，朝上或朝下。"),
        QStringLiteral(
            "自由构件：按输入的 A (cm²)、形心高度 z (mm) 与 i₀ (cm⁴) 计入，毛、净尺寸相同。"),
        settings.half ? QStringLiteral(
                            "半剖面：表中只列一舷，各项合计乘 2；标为中线的构件（龙骨板、中桁材等）"
                            "只计一次。")
                      : QStringLiteral("全剖面：各行按所列计入合计。"),
        QStringLiteral("zNA = ΣA·z / ΣA，I = ΣA·z² + Σi₀ − zNA·ΣA·z (cm²·m²，1 cm²·m² = 10⁻⁴ m⁴)；"
                       "WD = I / |D − zNA|，WB = I / zNA，Wmin 取二者较小者。"),
        QStringLiteral("净尺寸：板厚与型材厚度各减去腐蚀扣除 Δt（表的 Δt，行内另给者按该行），"
                       "与型材窗口的扣除相同。"),
        QStringLiteral("数值：A、A·z、A·z²、i₀、I 与 W 按 cm 制单位舍入到百分位，m⁴、m³ 为同一数值"
                       "移位；z 以 m 计舍入到毫米（三位小数）；无法计算的值记为“—”。"),
    };
    return lines;
}

SheetTable settingsTable(const GirderTable& table) {
    const GirderSettings& settings = table.settings();
    SheetTable inputs;
    inputs.title = QStringLiteral("输入数据");
    inputs.headers = {QStringLiteral("名称"), QStringLiteral("符号"), QStringLiteral("数值"),
                      QStringLiteral("单位")};
    inputs.columnWeights = {2.6, 0.8, 1.4, 0.8};
    inputs.firstNumberColumn = 2;
    inputs.rows = {
        {QStringLiteral("型深（甲板线距基线）"), QStringLiteral("D"), detailNumber(settings.depth),
         QStringLiteral("mm")},
        {QStringLiteral("半剖面"), QString(),
         settings.half ? QStringLiteral("是") : QStringLiteral("否"), QString()},
        {QStringLiteral("腐蚀扣除"), QStringLiteral("Δt"), detailNumber(settings.deduction),
         QStringLiteral("mm")},
        {QStringLiteral("构件行数"), QString(), QString::number(table.size()), QString()},
    };
    return inputs;
}

// The net lines differ from the gross ones: some deduction takes off steel.
bool deducts(const GirderTable& table) {
    if (!table.netDefined()) {
        return false;
    }
    if (table.settings().deduction != 0) {
        return true;
    }
    const auto& members = table.members();
    return std::any_of(members.begin(), members.end(), [](const GirderMember& m) {
        return m.kind != MemberKind::Free && m.dt && *m.dt != 0;
    });
}

SheetTable memberTable(const GirderTable& table, bool net) {
    SheetTable t;
    t.title = net ? QStringLiteral("构件计算表（净尺寸，Δt = %1 mm）")
                        .arg(detailNumber(table.settings().deduction))
                  : QStringLiteral("构件计算表（毛尺寸）");
    t.headers = girderTableHeaders();
    t.columnWeights = {1.3, 1.0, 0.45, 1.95, 1.0, 0.75, 1.25, 1.4, 1.25};
    t.firstNumberColumn = girderTableFirstNumber;
    t.rows.reserve(table.size() + 1);
    for (std::size_t row = 0; row < table.size(); ++row) {
        t.rows.push_back(
            girderTableRow(table.member(row), net ? table.net(row) : table.gross(row)));
    }
    const GirderResult result = net ? table.netResult() : table.grossResult();
    t.rows.push_back(girderSumsRow(result, table.settings().half));
    if (const QString leftOut = rowsLeftOutText(result.rowsLeftOut); !leftOut.isEmpty()) {
        t.notes << leftOut;
    }
    if (net) {
        t.notes << QStringLiteral("剖面/尺寸栏为毛尺寸；各行按减去 Δt 后的厚度计算。");
    }
    t.notes << QStringLiteral("型材 ↑ / ↓：自趾端朝上 / 朝下。");
    return t;
}

SheetTable resultsTable(const GirderTable& table) {
    const GirderResult gross = table.grossResult();
    const GirderResult net = table.netResult();
    SheetTable t;
    t.title = QStringLiteral("计算结果（毛尺寸与净尺寸）");
    t.headers = {QStringLiteral("项目"), grossHeading(), netHeading(table.settings().deduction)};
    t.columnWeights = {3.0, 1.4, 1.4};
    for (const GirderResultLine& line : girderResultLines(gross, net)) {
        t.rows.push_back({line.caption, line.gross, line.net});
    }
    if (const QString leftOut = rowsLeftOutText(gross.rowsLeftOut); !leftOut.isEmpty()) {
        t.notes << grossHeading() + QStringLiteral("：") + leftOut;
    }
    if (!table.netDefined()) {
        t.notes << QStringLiteral("表的 Δt 应为不小于 0 的数，无净尺寸结果。");
    } else if (const QString leftOut = rowsLeftOutText(net.rowsLeftOut); !leftOut.isEmpty()) {
        t.notes << QStringLiteral("净尺寸：") + leftOut;
    }
    return t;
}

} // namespace

CalcSheet girderSheet(const QString& title, const GirderTable& table, const SheetContext& context) {
    CalcSheet sheet;
    sheet.calculatorName = title;
    sheet.issuedAt = context.issuedAt.isValid() ? context.issuedAt : QDateTime::currentDateTime();
    sheet.program = context.program;
    sheet.project = context.project;
    sheet.inputs = settingsTable(table);
    sheet.method = methodLines(table);
    sheet.drawing.paint = [table](QPainter& painter, const QRectF& box) {
        GirderDrawingStyle style;
        style.font = calcSheetFont(false, 24);
        style.unitsPerPaperMm = 10; // the sheet's units are tenths of a millimetre
        const GirderDrawingLayout drawn = paintGirderSection(painter, box, table, style);
        return drawn.scaleText.isEmpty() ? QStringLiteral("—") : drawn.scaleText;
    };
    sheet.tables.push_back(memberTable(table, false));
    if (deducts(table)) {
        sheet.tables.push_back(memberTable(table, true));
    }
    sheet.tables.push_back(resultsTable(table));
    return sheet;
}

} // namespace corvane
