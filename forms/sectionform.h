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
// Beyond those three buttons the window keeps its last successful
// calculation (the entries as they were read and the rounded results) and
// offers a context menu on its background, labels and result fields, to
// which companion features add their actions. Those actions are enabled only
// while a calculation stands, so they never work on half-typed entries.

#include "form.h"
#include "sectiondetails.h"
#include "sectionkind.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;

namespace corvane {

class SectionDetailsWindow;

inline const QString inputErrorText = QStringLiteral("输入内容有误,请重新检查");
inline const QString inputErrorTitle = QStringLiteral("注意");
// What the designed captions "极惯性矩(cm4)" and "每米钢管质量(kg)" stand for.
inline const QString inertiaCaptionTip =
    QStringLiteral("惯性矩 I (cm⁴)：剖面对中和轴的惯性矩（截面二次矩），不是极惯性矩");
inline const QString massCaptionTip = QStringLiteral("每米质量 m (kg/m)：每米长钢管的质量");

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

// What one successful 计算 read and wrote.
struct SectionCalculation {
    std::vector<QString> entryTexts; // the entry fields' texts, as typed
    std::vector<double> entries;     // the millimetres read from them
    SectionResults results;          // the rounded results, as written
};

// The caption of an input or a result of the window's kind, as its label and
// its field's accessible name show it.
QString inputCaption(SectionKind kind, std::size_t input);
QString resultCaption(SectionKind kind, std::size_t result);

class SectionForm : public Form {
    Q_OBJECT

  public:
    explicit SectionForm(const SectionFormDesign& design);

    // The last successful calculation; empty before the first and after 清除.
    const std::optional<SectionCalculation>& lastCalculation() const { return last_; }

    // Adds an action to the window's context menu and to the window itself,
    // so that its shortcut works anywhere in the window. The action is
    // enabled only while lastCalculation() holds a value.
    void addCalculationAction(QAction* action);
    void addContextMenuSeparator();
    QMenu* contextMenu() const { return menu_; }
    // The menu bar above the designed client area: 文件, 编辑, 查看.
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* editMenu() const { return editMenu_; }
    QMenu* viewMenu() const { return viewMenu_; }

    SectionKind sectionKind() const { return kind_; }
    const SectionKindDescription& description() const { return description_; }

    // The details window of this section window, created (hidden) on the
    // first request.
    SectionDetailsWindow* detailsWindow();
    // Opens or raises the details window; does nothing before a successful
    // calculation.
    void showDetails();
    QAction* detailsAction() const { return detailsAction_; }

    const std::vector<QLineEdit*>& entryFields() const { return entries_; }
    const std::vector<QLineEdit*>& resultFields() const { return results_; }

  signals:
    // After every successful 计算 and after 清除.
    void calculationChanged();
    // Once, when the details window has been created (still hidden), so that
    // companion features can add to it.
    void detailsWindowCreated(SectionDetailsWindow* window);

  public:
    void Command5_Click(); // 计算
    void Command6_Click(); // 清除
    void Command7_Click(); // 返回

    QLineEdit* textBox(const QString& name) const;
    // Explains a designed caption in its tooltip; its text stays as designed.
    void setCaptionToolTip(const QString& labelName, const QString& tip);

  protected:
    void closeBox() override { Command7_Click(); }
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void addControls(const std::vector<ControlSpec>& controls);
    // The entry, result and required fields, the required ones as the
    // description says.
    void findFields(const SectionFormDesign& design);
    void connectButtons();
    // The menu bar above the client area and the context menu.
    void addMenus();
    void addDetailsAction();
    std::vector<QLineEdit*> fields(const std::vector<QString>& names) const;
    void setCalculation(std::optional<SectionCalculation> calculation);

    const SectionKindDescription& description_;
    std::vector<QLineEdit*> required_;
    std::vector<QLineEdit*> entries_;
    std::vector<QLineEdit*> results_;
    std::optional<SectionCalculation> last_;
    QMenu* menu_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    std::vector<QAction*> calculationActions_;
    SectionKind kind_;
    QAction* detailsAction_ = nullptr;
    SectionDetailsWindow* details_ = nullptr;
    bool detailsWereOpen_ = false;
};

} // namespace corvane
