#pragma once

// The details of one section window ("剖面详图 — 船体结构剖面" and its two
// siblings): the section drawn to scale, the property table with a gross and
// a net column, and the plate-by-plate working table, for the inputs of the
// section window's last successful 计算.
//
// Non-modal and owned by its section window: it closes with its close box or
// Escape (and is only hidden, keeping its Δt), goes when its section window
// is hidden and comes back with it, and is destroyed with it when the
// program ends. The corrosion deduction Δt is typed here; every number is in
// an accessible table.

#include "sectiondetails.h"

#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTableWidget;
class QVBoxLayout;

namespace corvane {

class SectionDrawing;

// The frame `wanted` moved (and, where it is larger, shrunk) so that it lies
// within `available`, a screen's area without its panels.
QRect fittedFrame(const QRect& wanted, const QRect& available);

class SectionDetailsWindow : public QWidget {
    Q_OBJECT

  public:
    // A window of its own, owned by `owner`.
    SectionDetailsWindow(SectionKind kind, QWidget* owner);

    SectionKind kind() const { return kind_; }

    // Shows the section of these millimetres, in the section window's
    // entry-field order, as read by a successful 计算.
    void setEntries(const std::vector<double>& millimetres);

    // What the window shows now: empty before the first calculation.
    const std::optional<SectionDetails>& details() const { return details_; }
    // The corrosion deduction in force, mm; empty while the entry does not
    // hold a number (the window then shows why instead of the net column).
    std::optional<double> deduction() const;

    // Adds an action to the window (its shortcut works anywhere in it) and to
    // the context menu of the drawing and the tables.
    void addDetailsAction(QAction* action);

    // Adds a control to the row of the Δt entry, after what is there.
    void addHeaderWidget(QWidget* widget);

    QLineEdit* deductionField() const { return deductionField_; }
    QLabel* refusalLabel() const { return refusal_; }
    QTableWidget* propertyTable() const { return properties_; }
    QTableWidget* workingTable() const { return working_; }
    SectionDrawing* drawing() const { return drawing_; }

  signals:
    // After the shown section or the deduction changed.
    void detailsChanged();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildDeductionRow(QVBoxLayout* layout);
    QWidget* buildDrawingAndTables();
    // Beside the section window, the whole frame (title bar included)
    // within the screen's available area.
    void placeBeside(const QWidget* owner);
    QMargins expectedFrameMargins() const;
    void refresh();
    void fillPropertyTable();
    void fillWorkingTable();

    SectionKind kind_;
    std::optional<SectionDimensions> dimensions_;
    std::optional<SectionDetails> details_;

    QLabel* inputs_ = nullptr;
    QLineEdit* deductionField_ = nullptr;
    QLabel* refusal_ = nullptr;
    SectionDrawing* drawing_ = nullptr;
    QTableWidget* properties_ = nullptr;
    QTableWidget* working_ = nullptr;
    QLabel* notes_ = nullptr;
    QHBoxLayout* deductionRow_ = nullptr;
    bool placedWithFrame_ = false;
};

} // namespace corvane
