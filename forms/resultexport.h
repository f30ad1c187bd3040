#pragma once

// Results that leave a section window: the result table copied to the
// clipboard, the calculation sheet saved as PDF, and the same sheet printed.
// All three work on the window's last successful calculation, so they are
// offered only while one stands.

#include "calcsheet.h"
#include "sectionsheet.h"

#include <QIODevice>
#include <QObject>
#include <QString>

#include <QSize>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QPrinter;
class QWidget;

namespace corvane {

class SectionDetailsWindow;
class CalculationWindow;

class ResultExport : public QObject {
    Q_OBJECT

  public:
    ResultExport(CalculationWindow* form, SectionSheetSpec spec);

    CalculationWindow* form() const { return form_; }

    // Creates the three actions (复制结果, 导出计算书(PDF)…, 打印计算书…)
    // for a window, enabled while the form's calculation stands; dialogs and
    // messages are parented to that window. The actions are children of it.
    struct Actions {
        QAction* copy = nullptr;
        QAction* exportPdf = nullptr;
        QAction* print = nullptr;
    };
    Actions createActions(QWidget* window);

    // Whether this build can write SVG (Qt's SVG module was at hand).
    static constexpr bool svgExportAvailable() { return CORVANE_HAVE_SVG != 0; }

    // The details window's further actions: 复制图形 and 导出图形(SVG)…, the
    // latter null in a build without SVG export.
    struct DrawingActions {
        QAction* copy = nullptr;
        QAction* exportSvg = nullptr;
    };
    DrawingActions createDrawingActions(QWidget* window);

    // Adds every action, and the project line, to the form's details window.
    void extendDetailsWindow(SectionDetailsWindow* details);

    void copyResults();
    // The section as the details window draws it: an image on the clipboard,
    // or an SVG file.
    void copyDrawing();
    bool exportDrawingSvg(QWidget* parent);
    // Each returns true when the sheet was written or printed; false when the
    // user cancelled or it failed (then after one message box).
    bool exportPdf(QWidget* parent);
    bool printSheet(QWidget* parent);

    // The sheet of the last successful calculation, as it would be written now.
    CalcSheet sheet() const;

    // Any sheet, as the section windows' sheets go: saved as PDF through the
    // save dialog (proposing `<title>-<yyyyMMdd-HHmm>.pdf` in the last
    // folder used), or printed through the printer dialog. True when written
    // or printed; false when cancelled or failed (then after one message).
    static bool exportSheetPdf(QWidget* parent, const QString& title, const CalcSheet& sheet);
    static bool printCalcSheet(QWidget* parent, const CalcSheet& sheet);

    // Writes the sheet as PDF through a temporary file beside the path, which
    // replaces the path only once complete. On failure returns false and says
    // why in `error`; the path is then untouched.
    static bool writeSheetPdf(const CalcSheet& sheet, const QString& path, QString* error);
    // The same for the section drawing as SVG, in millimetres at the sheet's
    // scale, which it states; its text names a list of faces with fallbacks.
    static bool writeDrawingSvg(const SectionGeometry& geometry, const QString& title,
                                const QString& path, QString* error);

    // Remembered between runs: the folder of the last sheet saved, and the
    // project line printed in the sheet's header.
    static QString lastFolder();
    static QString project();
    static void setProject(const QString& project);

    // Where the sheet takes the corrosion deduction Δt (mm) from: the
    // details window, when it has one. 0 by default: gross values only.
    void setDeductionSource(std::function<double()> source) { deduction_ = std::move(source); }

  private:
    // Writes a whole file or nothing: `paint` writes into a temporary file
    // beside `path`, which replaces `path` only when all of it was written.
    // On failure `error` says why (`paintFailure` when `paint` failed).
    static bool writeWhole(const QString& path, const QString& paintFailure, QString* error,
                           const std::function<bool(QIODevice&)>& paint);
    // Asks where to save (proposing `<title>-<yyyyMMdd-HHmm>.<suffix>`
    // in the last folder used), confirms replacing, writes through `write`
    // and reports a failure; remembers the folder after success.
    static bool
    saveThroughDialog(QWidget* parent, const QString& title, const QString& caption,
                      const QString& filter, const QString& suffix,
                      const std::function<bool(const QString& path, QString* error)>& write);
    // Printing to a PDF file: the sheet written whole or not at all.
    static bool printToFile(QWidget* parent, const CalcSheet& content, const QPrinter& printer,
                            int first, int last);
    std::optional<SectionGeometry> geometry() const;
    void setEnabledWithCalculation(const std::vector<QAction*>& actions);

    CalculationWindow* form_;
    SectionSheetSpec spec_;
    std::function<double()> deduction_;
};

// The window's leading rows (a profile's name), then one row per entry
// (caption with its unit, the text as typed) and one per
// result (caption with its unit, the value as the window shows it), from the
// last successful calculation; empty when there is none.
std::vector<std::pair<QString, QString>> resultRows(const CalculationWindow& form);

// Adds a separator and the three actions to the window's context menu.
ResultExport* installResultExport(CalculationWindow* form, SectionSheetSpec spec);

// The export installed on the form, if any.
ResultExport* resultExportOf(const CalculationWindow* form);

} // namespace corvane
