#include "form3.h"

#include "resultexport.h"

#include "builtup.h"

namespace corvane {

namespace {

// Entry captions from the top field down: face plate 1, the web, face
// plate 2, the order in which the plates are stacked.
const QString entryCaptions[] = {
    QStringLiteral("型材面板宽度(mm)"), QStringLiteral("型材面板厚度(mm)"),
    QStringLiteral("型材腹板高度(mm)"), QStringLiteral("型材腹板厚度(mm)"),
    QStringLiteral("型材面板宽度(mm)"), QStringLiteral("型材面板厚度(mm)"),
};

SectionFormDesign design() {
    SectionFormDesign d;
    d.window = {QStringLiteral("Form3"),
                QStringLiteral("组合型材剖面模数计算器"),
                7635,
                5070,
                BorderStyle::Sizable,
                SystemColour::menu(),
                designFont(QStringLiteral("楷体_GB2312"), 14.25)};

    // Rows every 600 twips from 480; the tab indexes run upwards, so Tab
    // walks the entry fields from the bottom one to the top one.
    for (int i = 0; i < 6; ++i) {
        const int top = 480 + 600 * i;
        d.controls.push_back(ControlSpec::label(controlName(QStringLiteral("Label1"), i),
                                                entryCaptions[i], {360, top, 2415, 375}, 19 - i));
    }
    for (int i = 0; i < 6; ++i) {
        const int top = 480 + 600 * i;
        d.controls.push_back(ControlSpec::textBox(controlName(QStringLiteral("Text1"), i),
                                                  {3000, top, 1335, 390}, 10 - i,
                                                  entryCaptions[i]));
        d.entryFields.push_back(controlName(QStringLiteral("Text1"), i));
    }
    // Only face plate 2 must be filled in: an empty field above it reads as
    // 0, so a T-profile is entered by leaving face plate 1 out.
    d.requiredFields = {QStringLiteral("Text1(4)"), QStringLiteral("Text1(5)")};

    const QString inertiaCaption = QStringLiteral("极惯性矩(cm4)");
    const QString modulusCaption = QStringLiteral("剖面模数(cm3)");
    d.controls.insert(d.controls.end(),
                      {
                          ControlSpec::label(QStringLiteral("Label2"), QStringLiteral("结果："),
                                             {4680, 480, 1095, 255}, 13, 15),
                          ControlSpec::label(QStringLiteral("Label3(0)"), inertiaCaption,
                                             {4680, 960, 2055, 255}, 12),
                          ControlSpec::textBox(QStringLiteral("Text2"), {4680, 1440, 2535, 615}, 4,
                                               inertiaCaption),
                          ControlSpec::label(QStringLiteral("Label3(1)"), modulusCaption,
                                             {4680, 2280, 2055, 255}, 11),
                          ControlSpec::textBox(QStringLiteral("Text3"), {4680, 2760, 2535, 615}, 3,
                                               modulusCaption),
                          ControlSpec::button(QStringLiteral("Command5"), QStringLiteral("计算"),
                                              {840, 4200, 1575, 495}, 2),
                          ControlSpec::button(QStringLiteral("Command6"), QStringLiteral("清除"),
                                              {3000, 4200, 1575, 495}, 1),
                          ControlSpec::button(QStringLiteral("Command7"), QStringLiteral("返回"),
                                              {5400, 4200, 1575, 495}, 0),
                      });
    d.resultFields = {QStringLiteral("Text2"), QStringLiteral("Text3")};

    d.sectionKind = SectionKind::BuiltUp;
    d.compute = [](const std::vector<double>& mm) -> std::optional<std::vector<double>> {
        const auto result = computeBuiltUpSection({mm[0], mm[1], mm[2], mm[3], mm[4], mm[5]});
        if (!result) {
            return std::nullopt;
        }
        return std::vector<double>{result->inertia, result->modulus};
    };
    return d;
}

} // namespace

Form3::Form3() : SectionForm(design()) {
    setCaptionToolTip(QStringLiteral("Label3(0)"), inertiaCaptionTip);
    installResultExport(this, builtUpSheetSpec());
}

} // namespace corvane
