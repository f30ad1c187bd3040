#include "sectiontext.h"

#include "numtext.h"
#include "rounding.h"
#include "sectionkind.h"
#include "steel.h"
#include "stiffener.h"
#include "translatable.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <variant>

namespace corvane {

namespace {

// The mark of a row the calculator's window shows too.
QString shownMark() {
    return QCoreApplication::translate("corvane::SectionText", "＊");
}

// A stiffener without a face plate names its reference line for what it is,
// the web's free edge: the face plate's captions, so changed. The changed
// captions are translated in this file's context.
QString flatBarCaption(const char* caption) {
    static const char* const changed[] = {
        QT_TRANSLATE_NOOP("corvane::SectionText", "中和轴距腹板自由边 e (cm)"),
        QT_TRANSLATE_NOOP("corvane::SectionText", "剖面模数（腹板自由边） W (cm³)"),
        QT_TRANSLATE_NOOP("corvane::SectionText", "腹板自由边距中和轴 (cm)"),
        QT_TRANSLATE_NOOP("corvane::SectionText", "剖面模数（腹板自由边） (cm³)"),
        QT_TRANSLATE_NOOP("corvane::SectionText", "型材每米质量（腹板） (kg/m)"),
    };
    const QString chinese =
        QString::fromUtf8(caption)
            .replace(QStringLiteral("面板中线"), QStringLiteral("腹板自由边"))
            .replace(QStringLiteral("面板外表面"), QStringLiteral("腹板自由边"))
            .replace(QStringLiteral("（腹板与面板）"), QStringLiteral("（腹板）"));
    if (chinese == QString::fromUtf8(caption)) {
        return describedText(caption);
    }
    const QByteArray source = chinese.toUtf8();
    for (const char* text : changed) {
        if (source == text) {
            return QCoreApplication::translate("corvane::SectionText", text);
        }
    }
    return chinese;
}

} // namespace

QString describedText(const char* text) {
    return QCoreApplication::translate(sectionTextContext, text);
}

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
    return describedText(describe(kind).calculatorName);
}

QString detailsTitle(SectionKind kind) {
    return QCoreApplication::translate("corvane::SectionText", "剖面详图 — %1")
        .arg(calculatorName(kind));
}

QString plateCaption(PlateRole role) {
    return describedText(plateDescription(role).chinese);
}

QString effectiveBreadthRule() {
    return QStringLiteral("%1·(ℓ/b)^(2/3)").arg(detailNumber(effectiveBreadthCoefficient));
}

std::vector<InputItem> inputItems(const SectionDimensions& dimensions) {
    const std::vector<double> mm = sectionEntries(dimensions);
    const auto inputs = describe(sectionKind(dimensions)).inputs;
    std::size_t count = std::min(inputs.size(), mm.size());
    if (const auto* profile = std::get_if<PlatedProfileDimensions>(&dimensions);
        profile != nullptr && profile->profile.kind == ProfileKind::FlatBar) {
        // A flat bar has no bulb: its h, t, b, t_p and l, without c and r.
        constexpr std::size_t flatBarInputs = 5;
        count = std::min(count, flatBarInputs);
    }
    std::vector<InputItem> items;
    for (std::size_t i = 0; i < count; ++i) {
        items.push_back({describedText(inputs[i].name), QString::fromUtf8(inputs[i].symbol), mm[i],
                         QStringLiteral("mm")});
    }
    return items;
}

QString exportedCaption(const InputItem& item) {
    return QStringLiteral("%1 %2 (%3)")
        .arg(item.caption, QString(item.symbol).remove(QLatin1Char('_')), item.unit);
}

QStringList resultCaptions(SectionKind kind) {
    QStringList captions;
    for (const PropertyDescription& line : describe(kind).properties) {
        if (line.shown) {
            captions << describedText(line.caption);
        }
    }
    return captions;
}

QString inputSummary(const SectionDimensions& dimensions) {
    QStringList parts;
    for (const InputItem& item : inputItems(dimensions)) {
        parts << QStringLiteral("%1 = %2").arg(item.symbol, detailNumber(item.value));
    }
    return QCoreApplication::translate("corvane::SectionText", "输入：%1 (mm)")
        .arg(parts.join(QStringLiteral(", ")));
}

std::vector<PropertyRow> propertyRows(const SectionDetails& details) {
    std::vector<PropertyRow> rows;
    const bool noFacePlate = withoutFacePlate(details);
    for (const PropertyDescription& line : describe(details.gross.kind).properties) {
        // A flat bar: the calculator's reference line is the web's free edge.
        const QString caption =
            noFacePlate ? flatBarCaption(line.caption) : describedText(line.caption);
        PropertyRow row;
        row.caption = line.shown ? caption + shownMark() : caption;
        row.gross = detailResult(line.value(details.gross));
        if (showsNet(details)) {
            row.net = detailResult(line.value(*details.net));
        }
        row.shown = line.shown;
        rows.push_back(row);
    }
    return rows;
}

QStringList workingTableHeaders(SectionKind kind) {
    const QString lever =
        kind == SectionKind::Pipe
            ? QCoreApplication::translate("corvane::SectionText", "yᵢ 距圆心 (cm)")
            : QCoreApplication::translate("corvane::SectionText", "yᵢ 距参考线 (cm)");
    return {QCoreApplication::translate("corvane::SectionText", "板件"),
            QStringLiteral("Aᵢ (cm²)"),
            lever,
            QStringLiteral("Aᵢyᵢ (cm³)"),
            QStringLiteral("Aᵢyᵢ² (cm⁴)"),
            QStringLiteral("I₀ᵢ (cm⁴)")};
}

std::vector<QStringList> workingTableRows(const SectionProperties& properties,
                                          const QString& suffix) {
    std::vector<QStringList> rows;
    for (const WorkingRow& row : properties.rows) {
        if (row.area == 0 && row.ownInertia == 0) {
            continue; // an absent plate (a flat bar's face plate, a T's face plate 1)
        }
        rows.push_back({plateCaption(row.role) + suffix, detailResult(row.area),
                        detailResult(row.lever), detailResult(row.firstMoment),
                        detailResult(row.transfer), detailResult(row.ownInertia)});
    }
    const WorkingRow& total = properties.total;
    rows.push_back({QCoreApplication::translate("corvane::SectionText", "合计") + suffix,
                    detailResult(total.area), QString(), detailResult(total.firstMoment),
                    detailResult(total.transfer), detailResult(total.ownInertia)});
    return rows;
}

QString netSuffix() {
    return QCoreApplication::translate("corvane::SectionText", "（净）");
}

std::vector<QStringList> workingTableRows(const SectionDetails& details) {
    std::vector<QStringList> rows = workingTableRows(details.gross);
    if (showsNet(details)) {
        for (QStringList& row : workingTableRows(*details.net, netSuffix())) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

QString grossHeading() {
    return QCoreApplication::translate("corvane::SectionText", "毛尺寸");
}

QString netHeading(double deduction) {
    return QCoreApplication::translate("corvane::SectionText", "净尺寸 (Δt = %1 mm)")
        .arg(detailNumber(deduction));
}

QString refusalLine(const SectionDetails& details) {
    if (!details.refusal) {
        return {};
    }
    const NetRefusal& r = *details.refusal;
    switch (r.reason) {
    case NetRefusal::Reason::PlateConsumed:
        return QCoreApplication::translate(
                   "corvane::SectionText",
                   "%1厚度 %2 mm 扣除 Δt = %3 mm 后不大于零，无净尺寸剖面。")
            .arg(plateCaption(r.plate), detailNumber(r.thickness), detailNumber(details.deduction));
    case NetRefusal::Reason::Undefined:
        return QCoreApplication::translate("corvane::SectionText",
                                           "扣除 Δt = %1 mm 后剖面无确定结果，无净尺寸剖面。")
            .arg(detailNumber(details.deduction));
    case NetRefusal::Reason::BadDeduction:
        break;
    }
    return QCoreApplication::translate("corvane::SectionText",
                                       "Δt 应为不小于 0 的数（小数点用“.”），无净尺寸剖面。");
}

bool withoutFacePlate(const SectionDetails& details) {
    const auto* s = std::get_if<StiffenerDimensions>(&details.dimensions);
    return s != nullptr && (s->facePlateWidth == 0 || s->facePlateThickness == 0);
}

QStringList footnotes(const SectionDetails& details) {
    QStringList notes;
    notes << QCoreApplication::translate("corvane::SectionText",
                                         "%1 与计算器窗口显示的结果相同（同一计算，同一舍入）。")
                 .arg(shownMark());
    const QString mass =
        QCoreApplication::translate("corvane::SectionText", "质量按实际面积、钢材密度 %1 t/m³ 计。")
            .arg(detailNumber(steelDensity));
    switch (details.gross.kind) {
    case SectionKind::Stiffener:
        notes << QCoreApplication::translate(
                     "corvane::SectionText",
                     "带板的面积按有效宽度 k·b 计（k = %1，不大于 1），"
                     "其自身惯性矩 I₀ 却按全宽 b 计：表中列出的是计算器实际所用的值。")
                     .arg(effectiveBreadthRule());
        if (withoutFacePlate(details)) {
            notes << QCoreApplication::translate("corvane::SectionText",
                                                 "无面板：参考线为腹板自由边，yᵢ 自腹板自由边量起；"
                                                 "计算器的剖面模数 W 以腹板自由边为准。");
        } else {
            notes << QCoreApplication::translate(
                "corvane::SectionText", "yᵢ 自面板中线量起；计算器的剖面模数 W 以面板中线为准，"
                                        "不是外表面处的剖面模数。");
        }
        break;
    case SectionKind::BuiltUp:
        notes << QCoreApplication::translate(
            "corvane::SectionText", "yᵢ 自面板2中线量起；计算器的剖面模数 W 以面板2中线为准，"
                                    "不是外表面处的剖面模数。");
        break;
    case SectionKind::PlatedProfile:
        notes << QCoreApplication::translate(
                     "corvane::SectionText",
                     "带板的面积按有效宽度 k·b 计（k = %1，不大于 1），"
                     "其自身惯性矩 I₀ 却按全宽 b 计；型材的面积、形心与自身惯性矩"
                     "按其外形（直线与圆弧）精确积分。")
                     .arg(effectiveBreadthRule())
              << QCoreApplication::translate(
                     "corvane::SectionText",
                     "yᵢ 与 e 自球头顶端量起；窗口所示 e 自带板外表面量起。")
              << QCoreApplication::translate(
                     "corvane::SectionText",
                     "净尺寸：型材厚 t 与带板厚 t_p 各减去 Δt，型材高度 h 与球头 c、r "
                     "不变，净球扁钢即 t - Δt 的同一外形；") +
                     mass;
        return notes;
    case SectionKind::Pipe:
        notes << QCoreApplication::translate("corvane::SectionText",
                                             "计算取 π = %1，钢材密度 %2 t/m³。")
                     .arg(detailNumber(pipePi), detailNumber(steelDensity))
              << QCoreApplication::translate("corvane::SectionText",
                                             "净尺寸：壁厚自内壁减去 Δt，外径不变；") +
                     mass;
        return notes;
    }
    notes << QCoreApplication::translate("corvane::SectionText",
                                         "净尺寸：各板厚减去 Δt，宽度与高度不变；") +
                 mass;
    return notes;
}

} // namespace corvane
