#include "form4.h"

#include <QCoreApplication>

#include "resultexport.h"

#include "windownames.h"

namespace corvane {

namespace {

constexpr SectionKind kind = SectionKind::Pipe;

// One member of the Text1 array with its Label1 of the same index.
struct Field {
    int index;
    TwipsRect label;
    int labelTab;
    TwipsRect box;
    int boxTab;
};

SectionFormDesign design() {
    SectionFormDesign d;
    d.sectionKind = kind;
    d.window = {WindowName::Pipe,
                QCoreApplication::translate("corvane::Form4", "管材参数计算"),
                8085,
                4695,
                BorderStyle::Sizable,
                QColor(), // the platform's window colour
                designFont(QStringLiteral("楷体_GB2312"), 14.25)};

    // Entries 0 and 1 side by side on top; the results in two columns below,
    // area and radius of gyration left, inertia and modulus right, the mass
    // per metre on a row of its own. The mass field comes last in tab order,
    // after the buttons.
    const Field fields[] = {
        {0, {240, 360, 1935, 375}, 9, {2160, 360, 1575, 405}, 0},
        {1, {4080, 360, 1935, 375}, 10, {6000, 360, 1575, 405}, 1},
        {2, {240, 1680, 1815, 375}, 11, {2160, 1680, 1575, 405}, 2},
        {4, {4080, 1680, 2055, 375}, 13, {6120, 1680, 1575, 405}, 4},
        {3, {240, 2280, 1815, 375}, 12, {2160, 2280, 1575, 405}, 3},
        {5, {4080, 2280, 2055, 375}, 14, {6120, 2280, 1575, 405}, 5},
        {6, {240, 3000, 2655, 375}, 17, {2760, 2880, 1815, 405}, 16},
    };
    // Entries and results share the one array: 0 and 1 in (the inputs of
    // the description), 2 to 6 out (its results).
    const auto captionOf = [](int index) {
        const auto i = static_cast<std::size_t>(index);
        return i < describe(kind).inputs.size()
                   ? inputCaption(kind, i)
                   : resultCaption(kind, i - describe(kind).inputs.size());
    };
    for (const Field& f : fields) {
        const QString caption = captionOf(f.index);
        d.controls.push_back(ControlSpec::label(controlName(QStringLiteral("Label1"), f.index),
                                                caption, f.label, f.labelTab));
        d.controls.push_back(ControlSpec::textBox(controlName(QStringLiteral("Text1"), f.index),
                                                  f.box, f.boxTab, caption));
    }
    d.controls.insert(
        d.controls.end(),
        {
            ControlSpec::label(QStringLiteral("Label2"),
                               QCoreApplication::translate("corvane::Form4", "结果："),
                               {360, 1080, 975, 255}, 15, 15),
            ControlSpec::button(QStringLiteral("Command5"),
                                QCoreApplication::translate("corvane::Form4", "计算"),
                                {600, 3720, 1575, 495}, 6),
            ControlSpec::button(QStringLiteral("Command6"),
                                QCoreApplication::translate("corvane::Form4", "清除"),
                                {3360, 3720, 1575, 495}, 7),
            ControlSpec::button(QStringLiteral("Command7"),
                                QCoreApplication::translate("corvane::Form4", "返回"),
                                {5880, 3720, 1575, 495}, 8),
        });

    d.entryFields = {QStringLiteral("Text1(0)"), QStringLiteral("Text1(1)")};
    for (int i = 2; i <= 6; ++i) {
        d.resultFields.push_back(controlName(QStringLiteral("Text1"), i));
    }

    return d;
}

} // namespace

Form4::Form4() : SectionForm(design()) {
    setCaptionToolTip(QStringLiteral("Label1(6)"), massCaptionTip());
    installResultExport(this, pipeSheetSpec());
}

} // namespace corvane
