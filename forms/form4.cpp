#include "form4.h"

#include "resultexport.h"

#include "pipe.h"

namespace corvane {

namespace {

// One member of the Text1 array with its Label1 caption of the same index.
struct Field {
    int index;
    const char* caption; // UTF-8
    TwipsRect label;
    int labelTab;
    TwipsRect box;
    int boxTab;
};

SectionFormDesign design() {
    SectionFormDesign d;
    d.window = {QStringLiteral("Form4"),
                QStringLiteral("管材参数计算"),
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
        {0, "钢管外径(mm)", {240, 360, 1935, 375}, 9, {2160, 360, 1575, 405}, 0},
        {1, "钢管壁厚(mm)", {4080, 360, 1935, 375}, 10, {6000, 360, 1575, 405}, 1},
        {2, "剖面积(cm2)", {240, 1680, 1815, 375}, 11, {2160, 1680, 1575, 405}, 2},
        {4, "惯性矩(cm4)", {4080, 1680, 2055, 375}, 13, {6120, 1680, 1575, 405}, 4},
        {3, "惯性半径(cm)", {240, 2280, 1815, 375}, 12, {2160, 2280, 1575, 405}, 3},
        {5, "剖面模数(cm3)", {4080, 2280, 2055, 375}, 14, {6120, 2280, 1575, 405}, 5},
        {6, "每米钢管质量(kg)", {240, 3000, 2655, 375}, 17, {2760, 2880, 1815, 405}, 16},
    };
    for (const Field& f : fields) {
        const QString caption = QString::fromUtf8(f.caption);
        d.controls.push_back(ControlSpec::label(controlName(QStringLiteral("Label1"), f.index),
                                                caption, f.label, f.labelTab));
        d.controls.push_back(ControlSpec::textBox(controlName(QStringLiteral("Text1"), f.index),
                                                  f.box, f.boxTab, caption));
    }
    d.controls.insert(d.controls.end(),
                      {
                          ControlSpec::label(QStringLiteral("Label2"), QStringLiteral("结果："),
                                             {360, 1080, 975, 255}, 15, 15),
                          ControlSpec::button(QStringLiteral("Command5"), QStringLiteral("计算"),
                                              {600, 3720, 1575, 495}, 6),
                          ControlSpec::button(QStringLiteral("Command6"), QStringLiteral("清除"),
                                              {3360, 3720, 1575, 495}, 7),
                          ControlSpec::button(QStringLiteral("Command7"), QStringLiteral("返回"),
                                              {5880, 3720, 1575, 495}, 8),
                      });

    // Entries and results share the one array: 0 and 1 in, 2 to 6 out.
    d.requiredFields = {QStringLiteral("Text1(0)"), QStringLiteral("Text1(1)")};
    d.entryFields = d.requiredFields;
    for (int i = 2; i <= 6; ++i) {
        d.resultFields.push_back(controlName(QStringLiteral("Text1"), i));
    }

    d.sectionKind = SectionKind::Pipe;
    d.compute = [](const std::vector<double>& mm) -> std::optional<std::vector<double>> {
        const auto p = computePipeSection(mm[0], mm[1]);
        if (!p) {
            return std::nullopt;
        }
        return std::vector<double>{p->area, p->radiusOfGyration, p->inertia, p->modulus,
                                   p->massPerMetre};
    };
    return d;
}

} // namespace

Form4::Form4() : SectionForm(design()) {
    setCaptionToolTip(QStringLiteral("Label1(6)"), massCaptionTip);
    installResultExport(this, pipeSheetSpec());
}

} // namespace corvane
