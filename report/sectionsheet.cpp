#include "sectionsheet.h"

#include "hpprofiles.h"
#include "numtext.h"
#include "sectiondetails.h"
#include "sectiondrawing.h"
#include "sectiontext.h"
#include "steel.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QPainter>
#include <QPicture>

#include <cmath>
#include <variant>

namespace corvane {

namespace {

QStringList hullMethod(const SectionDetails& d) {
    const auto& mm = std::get<StiffenerDimensions>(d.dimensions);
    return {
        QCoreApplication::translate("corvane::SectionSheet",
                                    "带板有效宽度 k·b，k = %1，k 不大于 1（带板最多按全宽计）；"
                                    "本例 ℓ/b = %2，k = %3，k·b = %4 mm。")
            .arg(effectiveBreadthRule(), detailNumber(mm.span / mm.plateWidth),
                 QString::fromStdString(formatNumber(d.gross.effectiveBreadthFactor, {6})),
                 detailResult(d.gross.effectiveBreadth)),
        QCoreApplication::translate("corvane::SectionSheet",
                                    "带板面积按有效宽度 k·b 计，带板自身惯性矩按全宽 b 计；"
                                    "e = Σ(Aᵢyᵢ) / A，I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e²。"),
        withoutFacePlate(d)
            ? QCoreApplication::translate("corvane::SectionSheet",
                                          "无面板，参考线为腹板自由边：yᵢ 与 e 自腹板自由边量起，"
                                          "计算器的剖面模数 W = I / e 取在腹板自由边处；"
                                          "带板外表面处的剖面模数另行列出。")
            : QCoreApplication::translate(
                  "corvane::SectionSheet",
                  "参考线为面板中线：yᵢ 与 e 自面板中线量起，计算器的剖面模数 W = I / e "
                  "取在面板中线处，不是外表面处；两外表面处的剖面模数另行列出。"),
    };
}

QStringList platedProfileMethod(const SectionDetails& d) {
    const auto& mm = std::get<PlatedProfileDimensions>(d.dimensions);
    const ProfileShape& shape = mm.profile;
    const bool bulb = shape.kind == ProfileKind::BulbFlat;
    QStringList lines;
    lines << (bulb ? QCoreApplication::translate(
                         "corvane::SectionSheet",
                         "型材 %1（球扁钢）：外形由直线与圆弧组成，球头伸出腹板面 c = %2 mm，"
                         "圆角与过渡圆弧半径 r = %3 mm，侧面与水平成 30°；"
                         "面积、形心与自身惯性矩按外形逐段精确积分，不以多边形近似。")
                         .arg(QString::fromStdString(profileName(shape)),
                              detailNumber(shape.bulbStandOut), detailNumber(shape.bulbRadius))
                   : QCoreApplication::translate("corvane::SectionSheet",
                                                 "型材 %1（扁钢）：矩形 h × t。")
                         .arg(QString::fromStdString(profileName(shape))));
    lines << QCoreApplication::translate(
                 "corvane::SectionSheet",
                 "带板有效宽度 k·b，k = %1，k 不大于 1；本例 ℓ/b = %2，k = %3，"
                 "k·b = %4 mm。带板面积按 k·b 计，自身惯性矩按全宽 b 计。")
                 .arg(effectiveBreadthRule(), detailNumber(mm.span / mm.plateWidth),
                      QString::fromStdString(formatNumber(d.gross.effectiveBreadthFactor, {6})),
                      detailResult(d.gross.effectiveBreadth));
    lines << QCoreApplication::translate(
        "corvane::SectionSheet",
        "yᵢ 与 e 自球头顶端量起，e = Σ(Aᵢyᵢ) / A，I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e²；"
        "球头顶端与带板外表面两处的剖面模数取小者。");
    lines << (bulb ? QCoreApplication::translate(
                         "corvane::SectionSheet",
                         "净尺寸：带板厚 t_p 与型材厚 t 各减去 Δt，h、c、r 不变："
                         "净球扁钢即厚度为 t - Δt 的同一外形。")
                   : QCoreApplication::translate(
                         "corvane::SectionSheet",
                         "净尺寸：带板厚 t_p 与扁钢厚 t 各减去 Δt，高度 h 不变。"));
    return lines;
}

QStringList builtUpMethod(const SectionDetails&) {
    return {
        QCoreApplication::translate(
            "corvane::SectionSheet",
            "剖面由面板1、腹板、面板2 三块矩形板叠成，各板中心在同一竖直轴上。"),
        QCoreApplication::translate("corvane::SectionSheet",
                                    "e = Σ(Aᵢyᵢ) / A，I = Σ(Aᵢyᵢ²) + ΣI₀ᵢ - A·e²。"),
        QCoreApplication::translate(
            "corvane::SectionSheet",
            "参考线为面板2中线：yᵢ 与 e 自面板2中线量起，计算器的剖面模数 W = I / e "
            "取在面板2中线处，不是外表面处；两外表面处的剖面模数另行列出。"),
    };
}

QStringList pipeMethod(const SectionDetails&) {
    return {
        QCoreApplication::translate(
            "corvane::SectionSheet",
            "A = π·[(D/2)² - (D/2 - t)²]，I = π·[D⁴ - (D - 2t)⁴] / 64，i = √(I/A)，"
            "W = I / (D/2)；尺寸换算为 cm 计算。"),
        QCoreApplication::translate(
            "corvane::SectionSheet",
            "每米质量 m = π·(D - t)·t·%1 / 10 (kg/m)；常数 π 取 %2，钢材密度取 %1 t/m³。")
            .arg(detailNumber(steelDensity), detailNumber(pipePi)),
    };
}

} // namespace

SectionSheetSpec hullSheetSpec() {
    return {SectionKind::Stiffener, hullMethod};
}

SectionSheetSpec builtUpSheetSpec() {
    return {SectionKind::BuiltUp, builtUpMethod};
}

SectionSheetSpec platedProfileSheetSpec() {
    return {SectionKind::PlatedProfile, platedProfileMethod};
}

SectionSheetSpec pipeSheetSpec() {
    return {SectionKind::Pipe, pipeMethod};
}

QString shownResult(double value) {
    return QString::fromStdString(bareStr(value));
}

std::vector<std::pair<QString, QString>> resultRows(SectionKind kind,
                                                    const std::vector<QString>& entryTexts,
                                                    const SectionResults& results) {
    const SectionKindDescription& description = describe(kind);
    std::vector<std::pair<QString, QString>> rows;
    // The window's captions name both face plates of the built-up profile
    // alike and call I a polar moment; what leaves the window names each
    // input and result for what it is: "面板1宽度 b1 (mm)", "惯性矩 I (cm⁴)".
    for (std::size_t i = 0; i < description.inputs.size() && i < entryTexts.size(); ++i) {
        const InputDescription& input = description.inputs[i];
        const InputItem item{describedText(input.name), QString::fromUtf8(input.symbol), 0,
                             QStringLiteral("mm")};
        rows.emplace_back(exportedCaption(item), entryTexts[i]);
    }
    const QStringList captions = resultCaptions(kind);
    for (std::size_t r = 0; r < description.results.size(); ++r) {
        const ResultDescription& result = description.results[r];
        const auto at = static_cast<qsizetype>(r);
        rows.emplace_back(at < captions.size() ? captions[at] : describedText(result.caption),
                          shownResult(results.*result.value));
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

std::vector<QStringList> detailsTableRows(const SectionDetails& details) {
    std::vector<QStringList> rows;
    const bool withNet = details.net.has_value();
    QStringList head{QCoreApplication::translate("corvane::SectionSheet", "项目"), grossHeading()};
    if (withNet) {
        head << netHeading(details.deduction);
    }
    rows.push_back(head);
    for (const PropertyRow& row : propertyRows(details)) {
        QStringList cells{row.caption, row.gross};
        if (withNet) {
            cells << row.net;
        }
        rows.push_back(cells);
    }
    if (const QString refusal = refusalLine(details); !refusal.isEmpty()) {
        rows.push_back({refusal});
    }
    rows.push_back({});
    rows.push_back(workingTableHeaders(details.gross.kind));
    for (QStringList& row : workingTableRows(details.gross)) {
        rows.push_back(std::move(row));
    }
    if (withNet && details.deduction != 0) {
        for (QStringList& row : workingTableRows(*details.net, netSuffix())) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

QMimeData* detailsMimeData(const SectionDetails& details) {
    QString text;
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    for (const QStringList& row : detailsTableRows(details)) {
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
        html += QStringLiteral("<tr>");
        for (const QString& cell : row) {
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(html);
    return mime;
}

QString paintSectionToScale(QPainter& painter, const QRectF& box, const SectionGeometry& geometry) {
    SectionDrawingStyle style;
    style.font = calcSheetFont(false, 24);
    style.lineWidth = 2; // 0.2 mm on paper; the axis twice that

    // The drawing fits itself to its rectangle; measure that fit (on a
    // recording, painting nothing), then cut the rectangle's height (or, for
    // a section of no height, its width) so that the section lands on a
    // scale of the series. The label column depends on the width only, so
    // the labels keep their room.
    const auto measure = [&style, &geometry](const QRectF& target) {
        QPicture picture;
        QPainter dry(&picture);
        return paintSection(dry, target, geometry, style);
    };
    const SectionDrawingLayout fit = measure(box);
    if (fit.valid()) {
        // Layout units are tenths of a paper millimetre.
        const DrawingScale scale = standardScale(fit.scale / 10);
        const double wanted = scale.factor * 10;
        QRectF target = box;
        const double extentY = geometry.maxY - geometry.minY;
        if (extentY > 0) {
            const double height = box.height() - fit.sectionArea.height() + extentY * wanted;
            target.setTop(box.center().y() - height / 2);
            target.setHeight(height);
        } else {
            const double width =
                box.width() - fit.sectionArea.width() + (geometry.maxX - geometry.minX) * wanted;
            target.setWidth(width);
        }
        if (std::fabs(measure(target).scale - wanted) <= wanted * 1e-9) {
            paintSection(painter, target, geometry, style);
            return scale.text;
        }
    }
    // Not expected: say the scale the drawing took, whatever it is.
    const SectionDrawingLayout drawn = paintSection(painter, box, geometry, style);
    return drawn.valid() ? QStringLiteral("1:%1").arg(detailNumber(10 / drawn.scale))
                         : QStringLiteral("—");
}

namespace {

// The millimetres the computation read, which the results rest on.
SheetTable inputsTable(const SectionDetails& details) {
    SheetTable inputs;
    inputs.title = QCoreApplication::translate("corvane::SectionSheet", "输入数据");
    inputs.headers = {QCoreApplication::translate("corvane::SectionSheet", "名称"),
                      QCoreApplication::translate("corvane::SectionSheet", "符号"),
                      QCoreApplication::translate("corvane::SectionSheet", "数值"),
                      QCoreApplication::translate("corvane::SectionSheet", "单位")};
    inputs.columnWeights = {3.0, 1.0, 1.4, 0.9};
    inputs.firstNumberColumn = 2;
    for (const InputItem& item : inputItems(details.dimensions)) {
        inputs.rows.push_back({item.caption, item.symbol, detailNumber(item.value), item.unit});
    }
    return inputs;
}

SheetTable workingTable(const SectionDetails& details) {
    SheetTable working;
    working.title =
        showsNet(details)
            ? QCoreApplication::translate("corvane::SectionSheet", "计算表（毛尺寸与净尺寸）")
            : QCoreApplication::translate("corvane::SectionSheet", "计算表");
    working.headers = workingTableHeaders(details.gross.kind);
    working.columnWeights = {1.6, 1.0, 1.3, 1.1, 1.2, 1.1};
    working.rows = workingTableRows(details);
    return working;
}

SheetTable propertiesTable(const SectionDetails& details) {
    const bool withNet = showsNet(details);
    SheetTable properties;
    properties.title = QCoreApplication::translate("corvane::SectionSheet", "剖面特性与计算结果");
    properties.headers = {QCoreApplication::translate("corvane::SectionSheet", "项目"),
                          grossHeading()};
    properties.columnWeights = {3.4, 1.3};
    if (withNet) {
        properties.headers << netHeading(details.deduction);
        properties.columnWeights.push_back(1.3);
    }
    for (const PropertyRow& row : propertyRows(details)) {
        QStringList cells{row.caption, row.gross};
        if (withNet) {
            cells << row.net;
        }
        properties.rows.push_back(cells);
    }
    if (details.deduction > 0 && !withNet) {
        properties.notes << refusalLine(details);
    }
    properties.notes << footnotes(details);
    return properties;
}

} // namespace

CalcSheet sectionSheet(const QString& calculatorName, const std::vector<double>& entries,
                       const SectionSheetSpec& spec, const SheetContext& context) {
    CalcSheet sheet;
    sheet.calculatorName = calculatorName;
    sheet.issuedAt = context.issuedAt;
    sheet.program = context.program;
    sheet.project = context.project;

    const auto dimensions = sectionDimensions(spec.kind, entries);
    const auto details = dimensions ? sectionDetails(*dimensions, context.deduction) : std::nullopt;
    if (!details) {
        return sheet; // the window refuses such entries before they get here
    }
    sheet.inputs = inputsTable(*details);
    if (spec.method) {
        sheet.method = spec.method(*details);
    }
    sheet.drawing.paint = [geometry = details->geometry](QPainter& painter, const QRectF& box) {
        return paintSectionToScale(painter, box, geometry);
    };
    sheet.tables.push_back(workingTable(*details));
    sheet.tables.push_back(propertiesTable(*details));
    return sheet;
}

} // namespace corvane
