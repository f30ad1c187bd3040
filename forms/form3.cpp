#include "form3.h"

#include <QCoreApplication>

#include "resultexport.h"

#include "windownames.h"

namespace corvane {

namespace {

constexpr SectionKind kind = SectionKind::BuiltUp;

SectionFormDesign design() {
    SectionFormDesign d;
    d.sectionKind = kind;
    d.window = {WindowName::BuiltUpSection,
                QCoreApplication::translate("corvane::Form3", "组合型材剖面模数计算器"),
                7635,
                5070,
                BorderStyle::Sizable,
                SystemColour::menu(),
                designFont(QStringLiteral("楷体_GB2312"), 14.25)};

    // Entries from the top field down: face plate 1, the web, face plate 2,
    // the order in which the plates are stacked. Rows every 600 twips from
    // 480; the tab indexes run upwards, so Tab walks the entry fields from
    // the bottom one to the top one. Only face plate 2 is required (the
    // description says so): an empty field above it reads as 0, so a
    // T-profile is entered by leaving face plate 1 out.
    for (int i = 0; i < 6; ++i) {
        const int top = 480 + 600 * i;
        d.controls.push_back(ControlSpec::label(controlName(QStringLiteral("Label1"), i),
                                                inputCaption(kind, static_cast<std::size_t>(i)),
                                                {360, top, 2415, 375}, 19 - i));
    }
    for (int i = 0; i < 6; ++i) {
        const int top = 480 + 600 * i;
        d.controls.push_back(ControlSpec::textBox(controlName(QStringLiteral("Text1"), i),
                                                  {3000, top, 1335, 390}, 10 - i,
                                                  inputCaption(kind, static_cast<std::size_t>(i))));
        d.entryFields.push_back(controlName(QStringLiteral("Text1"), i));
    }

    const QString inertiaCaption = resultCaption(kind, 0);
    const QString modulusCaption = resultCaption(kind, 1);
    d.controls.insert(
        d.controls.end(),
        {
            ControlSpec::label(QStringLiteral("Label2"),
                               QCoreApplication::translate("corvane::Form3", "结果："),
                               {4680, 480, 1095, 255}, 13, 15),
            ControlSpec::label(QStringLiteral("Label3(0)"), inertiaCaption, {4680, 960, 2055, 255},
                               12),
            ControlSpec::textBox(QStringLiteral("Text2"), {4680, 1440, 2535, 615}, 4,
                                 inertiaCaption),
            ControlSpec::label(QStringLiteral("Label3(1)"), modulusCaption, {4680, 2280, 2055, 255},
                               11),
            ControlSpec::textBox(QStringLiteral("Text3"), {4680, 2760, 2535, 615}, 3,
                                 modulusCaption),
            ControlSpec::button(QStringLiteral("Command5"),
                                QCoreApplication::translate("corvane::Form3", "计算"),
                                {840, 4200, 1575, 495}, 2),
            ControlSpec::button(QStringLiteral("Command6"),
                                QCoreApplication::translate("corvane::Form3", "清除"),
                                {3000, 4200, 1575, 495}, 1),
            ControlSpec::button(QStringLiteral("Command7"),
                                QCoreApplication::translate("corvane::Form3", "返回"),
                                {5400, 4200, 1575, 495}, 0),
        });
    d.resultFields = {QStringLiteral("Text2"), QStringLiteral("Text3")};

    return d;
}

} // namespace

Form3::Form3() : SectionForm(design()) {
    setCaptionToolTip(QStringLiteral("Label3(0)"), inertiaCaptionTip());
    installResultExport(this, builtUpSheetSpec());
}

} // namespace corvane
