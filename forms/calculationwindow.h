#pragma once

// What every section calculator window has around its own controls: the
// last successful calculation (the entries as read and the rounded results),
// the actions that work on it (enabled only while it stands, so they never
// work on half-typed entries), the menu bar above the client area and the
// context menu they sit in, and the window's 剖面详图 (F2), which follows
// each calculation and goes and comes back with its window.
//
// The designed windows and the newer section windows differ only in how
// they lay out and read their entries; results leave either kind of window
// the same way (resultexport.h).

#include "form.h"
#include "sectionkind.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QAction;
class QMenu;

namespace corvane {

class SectionDetailsWindow;

// What one successful 计算 read and wrote.
struct SectionCalculation {
    std::vector<QString> entryTexts; // the inputs as the copied table shows them
    std::vector<double> entries;     // the millimetres read, one per input of the kind
    SectionResults results;          // the rounded results, as written
    // Rows the copied table shows before the inputs (caption, value): what
    // the entries came from where it is not a number, such as a profile's
    // listed name.
    std::vector<std::pair<QString, QString>> leadingRows;
};

class CalculationWindow : public Form {
    Q_OBJECT

  public:
    CalculationWindow(const FormDesign& design, SectionKind kind);

    SectionKind sectionKind() const { return kind_; }
    const SectionKindDescription& description() const { return describe(kind_); }

    // The last successful calculation; empty before the first and after 清除.
    const std::optional<SectionCalculation>& lastCalculation() const { return last_; }

    // Adds an action to the window's context menu and to the window itself,
    // so that its shortcut works anywhere in the window. The action is
    // enabled only while lastCalculation() holds a value.
    void addCalculationAction(QAction* action);
    void addContextMenuSeparator();
    QMenu* contextMenu() const { return menu_; }
    // The menu bar above the client area: 文件, 编辑, 查看.
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* editMenu() const { return editMenu_; }
    QMenu* viewMenu() const { return viewMenu_; }

    // The details window of this section window, created (hidden) on the
    // first request.
    SectionDetailsWindow* detailsWindow();
    // Opens or raises the details window; does nothing before a successful
    // calculation.
    void showDetails();
    QAction* detailsAction() const { return detailsAction_; }

  signals:
    // After every successful 计算 and after 清除.
    void calculationChanged();
    // Once, when the details window has been created (still hidden), so that
    // companion features can add to it.
    void detailsWindowCreated(SectionDetailsWindow* window);

  protected:
    // A calculation stands (or, empty, no longer does): the actions follow
    // and so do the details.
    void setCalculation(std::optional<SectionCalculation> calculation);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void addMenus();
    void addDetailsAction();

    SectionKind kind_;
    std::optional<SectionCalculation> last_;
    QMenu* menu_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    std::vector<QAction*> calculationActions_;
    QAction* detailsAction_ = nullptr;
    SectionDetailsWindow* details_ = nullptr;
    bool detailsWereOpen_ = false;
};

} // namespace corvane
