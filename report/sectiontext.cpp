#include "sectiontext.h"

#include "numtext.h"
#include "rounding.h"

#include <cmath>
#include <functional>

namespace corvane {

namespace {

const QString seededMark = QStringLiteral("＊");

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A property as a function of one set of properties, so that the gross and
// the net column come from the same line.
struct PropertyLine {
    QString caption;
    std::function<double(const SectionProperties&)> value;
    bool seeded = false;
};

std::vector<PropertyLine> stiffenerLines() {
    using P = const SectionProperties&;
    return {
        {QStringLiteral("有效宽度系数 k"), [](P p) { return p.effectiveBreadthFactor; }},
        {QStringLiteral("有效带板宽度 k·b (mm)"), [](P p) { return p.effectiveBreadth; }},
        {QStringLiteral("计算所用剖面积 A (cm²)"), [](P p) { return p.area; }},
        {QStringLiteral("中和轴距面板中线 e (cm)"), [](P p) { return p.neutralAxis; }},
        {QStringLiteral("惯性矩 I (cm⁴)"), [](P p) { return p.seeded[0]; }, true},
        {QStringLiteral("剖面模数（面板中线） W (cm³)"), [](P p) { return p.seeded[1]; }, true},
        {QStringLiteral("带板外表面距中和轴 (cm)"), [](P p) { return p.topFibreDistance; }},
        {QStringLiteral("剖面模数（带板外表面） (cm³)"), [](P p) { return p.topModulus; }},
        {QStringLiteral("面板外表面距中和轴 (cm)"), [](P p) { return p.bottomFibreDistance; }},
        {QStringLiteral("剖面模数（面板外表面） (cm³)"), [](P p) { return p.bottomModulus; }},
        {QStringLiteral("最小剖面模数 (cm³)"), [](P p) { return p.minModulus; }},
        {QStringLiteral("惯性半径 √(I/A) (cm)"), [](P p) { return p.radiusOfGyration; }},
        {QStringLiteral("型材每米质量（腹板与面板） (kg/m)"),
         [](P p) { return p.profileMassPerMetre; }},
        {QStringLiteral("带板每米质量（全宽） (kg/m)"), [](P p) { return p.platingMassPerMetre; }},
    };
}

std::vector<PropertyLine> builtUpLines() {
    using P = const SectionProperties&;
    return {
        {QStringLiteral("剖面积 A (cm²)"), [](P p) { return p.area; }},
        {QStringLiteral("中和轴距面板2中线 e (cm)"), [](P p) { return p.neutralAxis; }},
        {QStringLiteral("惯性矩 I (cm⁴)"), [](P p) { return p.seeded[0]; }, true},
        {QStringLiteral("剖面模数（面板2中线） W (cm³)"), [](P p) { return p.seeded[1]; }, true},
        {QStringLiteral("面板1外表面距中和轴 (cm)"), [](P p) { return p.topFibreDistance; }},
        {QStringLiteral("剖面模数（面板1外表面） (cm³)"), [](P p) { return p.topModulus; }},
        {QStringLiteral("面板2外表面距中和轴 (cm)"), [](P p) { return p.bottomFibreDistance; }},
        {QStringLiteral("剖面模数（面板2外表面） (cm³)"), [](P p) { return p.bottomModulus; }},
        {QStringLiteral("最小剖面模数 (cm³)"), [](P p) { return p.minModulus; }},
        {QStringLiteral("惯性半径 √(I/A) (cm)"), [](P p) { return p.radiusOfGyration; }},
        {QStringLiteral("每米质量 (kg/m)"), [](P p) { return p.profileMassPerMetre; }},
    };
}

std::vector<PropertyLine> pipeLines() {
    using P = const SectionProperties&;
    return {
        {QStringLiteral("剖面积 A (cm²)"), [](P p) { return p.seeded[0]; }, true},
        {QStringLiteral("惯性半径 i (cm)"), [](P p) { return p.seeded[1]; }, true},
        {QStringLiteral("惯性矩 I (cm⁴)"), [](P p) { return p.seeded[2]; }, true},
        {QStringLiteral("剖面模数（外表面） W (cm³)"), [](P p) { return p.seeded[3]; }, true},
        {QStringLiteral("每米质量 m (kg/m)"), [](P p) { return p.seeded[4]; }, true},
        {QStringLiteral("外表面距中和轴 D/2 (cm)"), [](P p) { return p.topFibreDistance; }},
        {QStringLiteral("内径 d (mm)"), [](P p) { return p.innerDiameter; }},
        {QStringLiteral("每米外表面积 (m²/m)"), [](P p) { return p.outerSurfacePerMetre; }},
    };
}

std::vector<PropertyLine> linesFor(SectionKind kind) {
    switch (kind) {
    case SectionKind::Stiffener:
        return stiffenerLines();
    case SectionKind::BuiltUp:
        return builtUpLines();
    case SectionKind::Pipe:
        return pipeLines();
    }
    return {};
}

} // namespace

QString detailNumber(double value) {
    if (!std::isfinite(value)) {
        return QStringLiteral("—");
    }
    return QString::fromStdString(generalDouble(value));
}

QString detailResult(double value) {
    return detailNumber(detailRounding(value));
}

QString calculatorName(SectionKind kind) {
    switch (kind) {
    case SectionKind::Stiffener:
        return QStringLiteral("船体结构剖面");
    case SectionKind::BuiltUp:
        return QStringLiteral("组合型材");
    case SectionKind::Pipe:
        return QStringLiteral("钢管");
    }
    return {};
}

QString detailsTitle(SectionKind kind) {
    return QStringLiteral("剖面详图 — ") + calculatorName(kind);
}

QString plateCaption(PlateRole role) {
    return fromUtf8(plateName(role));
}

std::vector<InputItem> inputItems(const SectionDimensions& dimensions) {
    const QString mm = QStringLiteral("mm");
    if (const auto* s = std::get_if<StiffenerDimensions>(&dimensions)) {
        return {
            {QStringLiteral("型材带板宽度"), QStringLiteral("b"), s->plateWidth, mm},
            {QStringLiteral("型材带板厚度"), QStringLiteral("t_p"), s->plateThickness, mm},
            {QStringLiteral("型材腹板高度"), QStringLiteral("h_w"), s->webHeight, mm},
            {QStringLiteral("型材腹板厚度"), QStringLiteral("t_w"), s->webThickness, mm},
            {QStringLiteral("型材面板宽度"), QStringLiteral("b_f"), s->facePlateWidth, mm},
            {QStringLiteral("型材面板厚度"), QStringLiteral("t_f"), s->facePlateThickness, mm},
            {QStringLiteral("型材带板长度（跨距）"), QStringLiteral("l"), s->span, mm},
        };
    }
    if (const auto* b = std::get_if<BuiltUpDimensions>(&dimensions)) {
        return {
            {QStringLiteral("面板1宽度"), QStringLiteral("b1"), b->facePlate1Width, mm},
            {QStringLiteral("面板1厚度"), QStringLiteral("t1"), b->facePlate1Thickness, mm},
            {QStringLiteral("腹板高度"), QStringLiteral("h"), b->webHeight, mm},
            {QStringLiteral("腹板厚度"), QStringLiteral("t_w"), b->webThickness, mm},
            {QStringLiteral("面板2宽度"), QStringLiteral("b2"), b->facePlate2Width, mm},
            {QStringLiteral("面板2厚度"), QStringLiteral("t2"), b->facePlate2Thickness, mm},
        };
    }
    const auto& p = std::get<PipeDimensions>(dimensions);
    return {
        {QStringLiteral("钢管外径"), QStringLiteral("D"), p.outerDiameter, mm},
        {QStringLiteral("钢管壁厚"), QStringLiteral("t"), p.wallThickness, mm},
    };
}

QString inputSummary(const SectionDimensions& dimensions) {
    QStringList parts;
    for (const InputItem& item : inputItems(dimensions)) {
        parts << QStringLiteral("%1 = %2").arg(item.symbol, detailNumber(item.value));
    }
    return QStringLiteral("输入：") + parts.join(QStringLiteral(", ")) + QStringLiteral(" (mm)");
}

std::vector<PropertyRow> propertyRows(const SectionDetails& details) {
    std::vector<PropertyRow> rows;
    for (const PropertyLine& line : linesFor(details.gross.kind)) {
        PropertyRow row;
        row.caption = line.seeded ? line.caption + seededMark : line.caption;
        row.gross = detailResult(line.value(details.gross));
        if (details.net) {
            row.net = detailResult(line.value(*details.net));
        }
        row.seeded = line.seeded;
        rows.push_back(row);
    }
    return rows;
}

QStringList workingTableHeaders(SectionKind kind) {
    const QString lever = kind == SectionKind::Pipe ? QStringLiteral("yᵢ 距圆心 (cm)")
                                                    : QStringLiteral("yᵢ 距参考线 (cm)");
    return {
        QStringLiteral("板件"),       QStringLiteral("Aᵢ (cm²)"),    lever,
        QStringLiteral("Aᵢyᵢ (cm³)"), QStringLiteral("Aᵢyᵢ² (cm⁴)"), QStringLiteral("I₀ᵢ (cm⁴)")};
}

std::vector<QStringList> workingTableRows(const SectionProperties& properties,
                                          const QString& suffix) {
    std::vector<QStringList> rows;
    for (const WorkingRow& row : properties.rows) {
        rows.push_back({plateCaption(row.role) + suffix, detailResult(row.area),
                        detailResult(row.lever), detailResult(row.firstMoment),
                        detailResult(row.transfer), detailResult(row.ownInertia)});
    }
    const WorkingRow& total = properties.total;
    rows.push_back({QStringLiteral("合计") + suffix, detailResult(total.area), QString(),
                    detailResult(total.firstMoment), detailResult(total.transfer),
                    detailResult(total.ownInertia)});
    return rows;
}

QString grossHeading() {
    return QStringLiteral("毛尺寸");
}

QString netHeading(double deduction) {
    return QStringLiteral("净尺寸 (Δt = %1 mm)").arg(detailNumber(deduction));
}

QString refusalLine(const SectionDetails& details) {
    if (!details.refusal) {
        return {};
    }
    const NetRefusal& r = *details.refusal;
    switch (r.reason) {
    case NetRefusal::Reason::PlateConsumed:
        return QStringLiteral("%1厚度 %2 mm 扣除 Δt = %3 mm 后不大于零，无净尺寸剖面。")
            .arg(plateCaption(r.plate), detailNumber(r.thickness), detailNumber(details.deduction));
    case NetRefusal::Reason::Undefined:
        return QStringLiteral("扣除 Δt = %1 mm 后剖面无确定结果，无净尺寸剖面。")
            .arg(detailNumber(details.deduction));
    case NetRefusal::Reason::BadDeduction:
        break;
    }
    return QStringLiteral("Δt 应为不小于 0 的数（小数点用“.”），无净尺寸剖面。");
}

QStringList footnotes(const SectionDetails& details) {
    QStringList notes;
    notes << seededMark + QStringLiteral(" 与计算器窗口显示的结果相同（同一计算，同一舍入）。");
    switch (details.gross.kind) {
    case SectionKind::Stiffener:
        notes << QStringLiteral("带板的面积按有效宽度 k·b 计（k = 0.3·(l/b)^(2/3)，不大于 1），"
                                "其自身惯性矩 I₀ 却按全宽 b 计：表中列出的是计算器实际所用的值。")
              << QStringLiteral("yᵢ 自面板中线量起；计算器的剖面模数 W 以面板中线为准，"
                                "不是外表面处的剖面模数。");
        break;
    case SectionKind::BuiltUp:
        notes << QStringLiteral("yᵢ 自面板2中线量起；计算器的剖面模数 W 以面板2中线为准，"
                                "不是外表面处的剖面模数。");
        break;
    case SectionKind::Pipe:
        notes << QStringLiteral("计算取 π = 3.14159265，钢材密度 7.85 t/m³；"
                                "腐蚀扣除自内壁计，外径不变。");
        break;
    }
    notes << QStringLiteral("净尺寸：各板厚减去 Δt，宽度与高度不变；质量按实际面积、"
                            "钢材密度 7.85 t/m³ 计。");
    return notes;
}

} // namespace corvane
