#include "form1.h"

#include "resultexport.h"

#include "keypress.h"
#include "msgbox.h"
#include "windownames.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace corvane {

namespace {

constexpr SectionKind kind = SectionKind::Stiffener;

SectionFormDesign design() {
    SectionFormDesign d;
    d.sectionKind = kind;
    d.window = {WindowName::HullSection,
                QCoreApplication::translate("corvane::Form1", "船体结构剖面模数计算器"),
                7770,
                5700,
                BorderStyle::Sizable,
                SystemColour::scrollBar(),
                designFont(QStringLiteral("楷体_GB2312"), 14.25)};

    // Entries in input order; the span field (6) stands at the top. Span row
    // at top 480, then inputs 0..5 every 600 twips from 1080.
    const int entryTop[] = {1080, 1680, 2280, 2880, 3480, 4080, 480};
    const int labelTab[] = {0, 1, 2, 3, 4, 5, 21};
    const int fieldTab[] = {6, 7, 8, 9, 10, 11, 20};
    for (int i = 0; i < 7; ++i) {
        const QString caption = inputCaption(kind, static_cast<std::size_t>(i));
        d.controls.push_back(ControlSpec::label(controlName(QStringLiteral("Label1"), i), caption,
                                                {360, entryTop[i], 2415, 375}, labelTab[i]));
        d.controls.push_back(ControlSpec::textBox(controlName(QStringLiteral("Text1"), i),
                                                  {3000, entryTop[i], 1335, 390}, fieldTab[i],
                                                  caption));
        d.entryFields.push_back(controlName(QStringLiteral("Text1"), i));
    }

    const QString inertiaCaption = resultCaption(kind, 0);
    const QString modulusCaption = resultCaption(kind, 1);
    d.controls.insert(
        d.controls.end(),
        {
            ControlSpec::label(QStringLiteral("Label2"),
                               QCoreApplication::translate("corvane::Form1", "结果："),
                               {4800, 600, 1095, 255}, 12, 15),
            ControlSpec::label(QStringLiteral("Label3(0)"), inertiaCaption, {4800, 1080, 2055, 255},
                               13),
            ControlSpec::textBox(QStringLiteral("Text2"), {4800, 1560, 2535, 615}, 14,
                                 inertiaCaption, 15),
            ControlSpec::label(QStringLiteral("Label3(1)"), modulusCaption, {4800, 2400, 2055, 255},
                               15),
            ControlSpec::textBox(QStringLiteral("Text3"), {4800, 2880, 2535, 615}, 16,
                                 modulusCaption, 15),
            ControlSpec::button(QStringLiteral("Command5"),
                                QCoreApplication::translate("corvane::Form1", "计算"),
                                {720, 4800, 1575, 495}, 17),
            ControlSpec::button(QStringLiteral("Command6"),
                                QCoreApplication::translate("corvane::Form1", "清除"),
                                {2880, 4800, 1575, 495}, 18),
            ControlSpec::button(QStringLiteral("Command7"),
                                QCoreApplication::translate("corvane::Form1", "返回"),
                                {5400, 4800, 1575, 495}, 19),
        });
    d.resultFields = {QStringLiteral("Text2"), QStringLiteral("Text3")};

    return d;
}

} // namespace

Form1::Form1() : SectionForm(design()) {
    setCaptionToolTip(QStringLiteral("Label3(0)"), inertiaCaptionTip());
    for (int i = 0; i < 7; ++i) {
        onKeyPress(textBox(controlName(QStringLiteral("Text1"), i)),
                   [this, i](int& keyAscii) { Text1_KeyPress(i, keyAscii); });
    }
    installResultExport(this, hullSheetSpec());
}

void Form1::Text1_KeyPress(int /*index*/, int& keyAscii) {
    // Codes below 33 are Backspace, Enter, the Ctrl+C/X/V/Z controls and the
    // space; they pass like the digits.
    if (keyAscii < 33 || (keyAscii >= '0' && keyAscii <= '9')) {
        return;
    }
    keyAscii = 0;
    MsgBox(this, QCoreApplication::translate("corvane::Form1", "不可输入非数字"),
           QCoreApplication::translate("corvane::Form1", "注意!"));
}

} // namespace corvane
