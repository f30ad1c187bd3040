#pragma once

// What the three section calculator windows share. Each is a table of
// controls plus the computation it calls; this class gives them the same
// Calculate, Clear and Return:
// - Calculate checks the entry fields the description requires and reports
//   an exactly empty one; reads every entry with Val; computes; writes each
//   result field in order (enable, write with Str, disable). A computation
//   that cannot be formed, or an entry beyond the double range, gets the same
//   message as an empty field, and no result is touched.
// - Entry fields turn full-width digits, point, signs, "E"/"e" and the
//   ideographic space into ASCII as they are typed or pasted, before anything
//   reads them; result texts show from their beginning.
// - Clear enables every result field, empties them, then disables them.
// - Return hides the window and shows the main menu; so does the close box.
//
// Beyond those three buttons the window is a CalculationWindow: it keeps
// its last successful calculation, offers a context menu on its background,
// labels and result fields, and has its details window.

#include "calculationwindow.h"
#include "sectiondetails.h"
#include "sectionkind.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;

namespace corvane {

class SectionDetailsWindow;

// Functions, not constants: each is translated when it is asked for, after
// the language is installed.
inline QString inputErrorText() {
    return QCoreApplication::translate("corvane::SectionForm", "输入内容有误,请重新检查");
}
inline QString inputErrorTitle() {
    return QCoreApplication::translate("corvane::SectionForm", "注意");
}
// What the designed captions "极惯性矩(cm4)" and "每米钢管质量(kg)" stand for.
inline QString inertiaCaptionTip() {
    return QCoreApplication::translate(
        "corvane::SectionForm", "惯性矩 I (cm⁴)：剖面对中和轴的惯性矩（截面二次矩），不是极惯性矩");
}
inline QString massCaptionTip() {
    return QCoreApplication::translate("corvane::SectionForm",
                                       "每米质量 m (kg/m)：每米长钢管的质量");
}

struct ControlSpec {
    enum class Kind { Label, TextBox, Button };
    Kind kind = Kind::Label;
    QString name; // design name, arrays as "Text1(0)"
    QString caption;
    TwipsRect rect;
    int tabIndex = 0;
    double fontPoints = 0; // 0: the window font
    // For text boxes: what a screen reader announces, the caption of the
    // label beside it.
    QString accessibleName;

    static ControlSpec label(const QString& name, const QString& caption, const TwipsRect& rect,
                             int tabIndex, double fontPoints = 0) {
        return {Kind::Label, name, caption, rect, tabIndex, fontPoints, {}};
    }
    static ControlSpec textBox(const QString& name, const TwipsRect& rect, int tabIndex,
                               const QString& accessibleName, double fontPoints = 0) {
        return {Kind::TextBox, name, {}, rect, tabIndex, fontPoints, accessibleName};
    }
    static ControlSpec button(const QString& name, const QString& caption, const TwipsRect& rect,
                              int tabIndex) {
        return {Kind::Button, name, caption, rect, tabIndex, 0, {}};
    }
};

// A window's own design around its section kind. The kind's description
// (sectionkind.h) gives what the window computes, the captions of its entry
// and result fields and which entries it requires; the design places them.
struct SectionFormDesign {
    FormDesign window;
    SectionKind sectionKind = SectionKind::Stiffener;
    std::vector<ControlSpec> controls;
    std::vector<QString> entryFields;  // one per input of the description, in its order
    std::vector<QString> resultFields; // one per result of the description, in its order
};

// The caption of an input or a result of the window's kind, as its label and
// its field's accessible name show it.
QString inputCaption(SectionKind kind, std::size_t input);
QString resultCaption(SectionKind kind, std::size_t result);

class SectionForm : public CalculationWindow {
    Q_OBJECT

  public:
    explicit SectionForm(const SectionFormDesign& design);

    void Command5_Click(); // 计算
    void Command6_Click(); // 清除
    void Command7_Click(); // 返回

    const std::vector<QLineEdit*>& entryFields() const { return entries_; }
    const std::vector<QLineEdit*>& resultFields() const { return results_; }

    QLineEdit* textBox(const QString& name) const;
    // Explains a designed caption in its tooltip; its text stays as designed.
    void setCaptionToolTip(const QString& labelName, const QString& tip);

  protected:
    void closeBox() override { Command7_Click(); }

  private:
    void addControls(const std::vector<ControlSpec>& controls);
    // The entry, result and required fields, the required ones as the
    // description says.
    void findFields(const SectionFormDesign& design);
    void connectButtons();
    std::vector<QLineEdit*> fields(const std::vector<QString>& names) const;

    std::vector<QLineEdit*> required_;
    std::vector<QLineEdit*> entries_;
    std::vector<QLineEdit*> results_;
};

} // namespace corvane
