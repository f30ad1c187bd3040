#include "sectionsheet.h"

#include "appobject.h"
#include "numtext.h"
#include "stiffener.h"

#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>

namespace corvane {

namespace {

QString general(double value, int digits = 15) {
    return QString::fromStdString(formatNumber(value, {digits, false, true}));
}

QString programName() {
    return QStringLiteral("%1 %2.%3.%4")
        .arg(App::Title)
        .arg(App::Major)
        .arg(App::Minor)
        .arg(App::Revision);
}

QStringList hullMethod(const SectionCalculation& c) {
    const double b = c.entries[0];
    const double l = c.entries[6];
    const double k = effectiveBreadthFactor(l / 1000, b / 1000);
    QStringList lines;
    lines << QStringLiteral(
                 "带板有效宽度 k·b，k = 0.3 (l/b)^(2/3)，k 不大于 1（带板最多按全宽计）；"
                 "本例 l/b = %1，k = %2，k·b = %3 mm。")
                 .arg(general(l / b, 6), general(k, 6), general(k * b, 6));
    lines << QStringLiteral("带板面积按有效宽度 k·b 计；带板自身惯性矩按全宽 b 计。");
    lines << QStringLiteral("参考线为面板中线；e 为中和轴至面板中线的距离，I 为对中和轴的惯性矩，"
                            "剖面模数 W = I / e（面板中线处，不是外缘纤维处）。");
    lines << QStringLiteral("结果四舍五入保留两位小数。");
    return lines;
}

QStringList builtUpMethod(const SectionCalculation&) {
    return {
        QStringLiteral("剖面由面板1、腹板、面板2 三块矩形板叠成，各板中心在同一竖直轴上；"
                       "参考线为面板2 中线。"),
        QStringLiteral("e = Σ(A·y) / A；I = Σ(A·y²) + Σ(各板自身惯性矩) - A·e²。"),
        QStringLiteral("剖面模数 W = I / e，e 为中和轴至面板2 中线的距离（不是外缘纤维处的"
                       "剖面模数）。结果四舍五入保留两位小数。"),
    };
}

QStringList pipeMethod(const SectionCalculation&) {
    return {
        QStringLiteral("A = π[(D/2)² - (D/2 - t)²]，I = π[D⁴ - (D - 2t)⁴] / 64，i = √(I/A)，"
                       "W = I / (D/2)。"),
        QStringLiteral("每米质量 m = π(D - t)·t·7.85 / 10（kg），钢材密度取 7.85 t/m³。"),
        QStringLiteral("π 取 3.14159265；尺寸换算为 cm 计算；结果四舍五入保留两位小数。"),
    };
}

} // namespace

SectionSheetSpec hullSheetSpec() {
    return {{QStringLiteral("b"), QStringLiteral("t_p"), QStringLiteral("h_w"),
             QStringLiteral("t_w"), QStringLiteral("b_f"), QStringLiteral("t_f"),
             QStringLiteral("l")},
            {},
            {QStringLiteral("I"), QStringLiteral("W")},
            {QStringLiteral("惯性矩（对中和轴）"), QStringLiteral("剖面模数（面板中线处）")},
            hullMethod};
}

SectionSheetSpec builtUpSheetSpec() {
    // The window names both face plates alike; the sheet tells them apart.
    return {{QStringLiteral("b_1"), QStringLiteral("t_1"), QStringLiteral("h"),
             QStringLiteral("t_w"), QStringLiteral("b_2"), QStringLiteral("t_2")},
            {QStringLiteral("面板1 宽度"), QStringLiteral("面板1 厚度"), QStringLiteral("腹板高度"),
             QStringLiteral("腹板厚度"), QStringLiteral("面板2 宽度"),
             QStringLiteral("面板2 厚度")},
            {QStringLiteral("I"), QStringLiteral("W")},
            {QStringLiteral("惯性矩（对中和轴）"), QStringLiteral("剖面模数（面板2 中线处）")},
            builtUpMethod};
}

SectionSheetSpec pipeSheetSpec() {
    return {{QStringLiteral("D"), QStringLiteral("t")},
            {},
            {QStringLiteral("A"), QStringLiteral("i"), QStringLiteral("I"), QStringLiteral("W"),
             QStringLiteral("m")},
            {},
            pipeMethod};
}

QString shownResult(double value) {
    return QString::fromStdString(Str(value)).trimmed();
}

std::pair<QString, QString> splitCaption(const QString& caption) {
    static const QRegularExpression withUnit(QStringLiteral("^(.*)\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = withUnit.match(caption);
    if (!match.hasMatch()) {
        return {caption, {}};
    }
    return {match.captured(1).trimmed(), match.captured(2)};
}

QString printedUnit(const QString& unit) {
    QString printed = unit;
    printed.replace(QStringLiteral("cm2"), QStringLiteral("cm²"));
    printed.replace(QStringLiteral("cm3"), QStringLiteral("cm³"));
    printed.replace(QStringLiteral("cm4"), QStringLiteral("cm⁴"));
    return printed;
}

std::vector<std::pair<QString, QString>> resultRows(const SectionForm& form) {
    std::vector<std::pair<QString, QString>> rows;
    const auto& last = form.lastCalculation();
    if (!last) {
        return rows;
    }
    for (std::size_t i = 0; i < form.entryFields().size() && i < last->entryTexts.size(); ++i) {
        rows.emplace_back(form.entryFields()[i]->accessibleName(), last->entryTexts[i]);
    }
    for (std::size_t i = 0; i < form.resultFields().size() && i < last->results.size(); ++i) {
        rows.emplace_back(form.resultFields()[i]->accessibleName(), shownResult(last->results[i]));
    }
    return rows;
}

QMimeData* resultTableMimeData(const std::vector<std::pair<QString, QString>>& rows) {
    QString text;
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    for (const auto& [caption, value] : rows) {
        text += caption + QLatin1Char('\t') + value + QLatin1Char('\n');
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(caption.toHtmlEscaped(), value.toHtmlEscaped());
    }
    html += QStringLiteral("</table></body></html>");
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(html);
    return mime;
}

CalcSheet sectionSheet(const SectionForm& form, const SectionSheetSpec& spec,
                       const SheetContext& context) {
    const SectionCalculation& calc = *form.lastCalculation();
    CalcSheet sheet;
    sheet.calculatorName = form.windowTitle();
    sheet.issuedAt = context.issuedAt;
    sheet.program = programName();
    sheet.project = context.project;

    sheet.inputs.title = QStringLiteral("输入数据");
    sheet.inputs.headers = {QStringLiteral("名称"), QStringLiteral("符号"), QStringLiteral("数值"),
                            QStringLiteral("单位")};
    sheet.inputs.columnWeights = {3.2, 1.1, 1.6, 1.0};
    sheet.inputs.firstNumberColumn = 2;
    for (std::size_t i = 0; i < form.entryFields().size(); ++i) {
        auto [caption, unit] = splitCaption(form.entryFields()[i]->accessibleName());
        if (i < spec.entryCaptions.size()) {
            caption = spec.entryCaptions[i];
        }
        // The millimetres the computation read, which is what the results
        // rest on, whatever else the field held.
        sheet.inputs.rows.push_back(
            {caption, i < spec.entrySymbols.size() ? spec.entrySymbols[i] : QString(),
             general(calc.entries[i]), printedUnit(unit)});
    }
    if (spec.method) {
        sheet.method = spec.method(calc);
    }

    SheetTable results;
    results.title = QStringLiteral("计算结果");
    results.headers = {QStringLiteral("名称"), QStringLiteral("符号"), QStringLiteral("数值"),
                       QStringLiteral("单位")};
    results.columnWeights = {4.0, 1.0, 2.0, 1.0};
    results.firstNumberColumn = 2;
    for (std::size_t i = 0; i < form.resultFields().size(); ++i) {
        auto [caption, unit] = splitCaption(form.resultFields()[i]->accessibleName());
        if (i < spec.resultCaptions.size()) {
            caption = spec.resultCaptions[i];
        }
        results.rows.push_back({caption,
                                i < spec.resultSymbols.size() ? spec.resultSymbols[i] : QString(),
                                shownResult(calc.results[i]), printedUnit(unit)});
    }
    results.notes << QStringLiteral("数值与计算窗口显示的结果相同。");
    if (!spec.resultCaptions.empty()) {
        results.notes << QStringLiteral("窗口中惯性矩一栏标为“极惯性矩”，所示为对中和轴的惯性矩。");
    }
    sheet.tables.push_back(results);
    return sheet;
}

} // namespace corvane
