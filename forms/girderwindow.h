#pragma once

// 船体剖面模数计算表: the midship section as a table of members, edited as a
// document that is a file. The table settings (D, half section, Δt) above
// the member table; beside it the results, gross and net, which follow every
// edit, and below them the working table and the drawing.
//
// Reached from the main menu's 工具 menu; 返回 and the close box ask about
// unsaved changes and go back to the main menu.

#include "calcsheet.h"
#include "form.h"

#include <QString>

#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QTableWidget;
class QTabWidget;

namespace corvane {

class GirderDrawingWidget;
class GirderModel;
struct GirderRowText;

class GirderWindow : public Form {
    Q_OBJECT

  public:
    GirderWindow();

    GirderModel* model() const { return model_; }
    QTableView* tableView() const { return view_; }
    QTableWidget* resultsTable() const { return results_; }
    QTableView* workingView() const { return working_; }
    QLabel* leftOutLabel() const { return leftOut_; }
    QLineEdit* depthField() const { return depth_; }
    QLineEdit* deductionField() const { return deduction_; }
    QCheckBox* halfBox() const { return half_; }

    // The file the table is saved in; empty for a new table.
    const QString& filePath() const { return path_; }

    // 文件. Each returns false when nothing was done (cancelled or failed,
    // after its message).
    bool newTable();
    bool open();
    // Opens the file in place of the table; a file that cannot be read is
    // refused with a message naming the line and the reason, and the table
    // stays as it was. Asks nothing about unsaved changes.
    bool openFile(const QString& path);
    bool save();
    bool saveAs();
    // Before the table goes: true when it may (saved, or the user chose not
    // to save, which returns the table to its saved state), false when the
    // user cancelled or saving failed.
    bool maySave();
    void goBack(); // 返回

    // 编辑
    void insertRow();
    void deleteRows();
    void moveUp();
    void moveDown();
    void duplicateRows();
    void clearCells();
    void copyRows();
    // Fills cells from the current cell, rightwards and down, adding rows
    // past the end.
    void pasteCells();
    // Inserts the pasted lines as rows after the current row.
    void pasteRows();

    // 导出计算书(PDF)… and 打印计算书…: the sheet of the table as it stands.
    CalcSheet sheet() const;
    void exportSheet();
    void printSheet();
    GirderDrawingWidget* drawing() const { return drawing_; }

    // The recent files, most recent first.
    static QStringList recentFiles();

  protected:
    void closeBox() override { goBack(); }
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildSettingsRow();
    QWidget* buildResultsPane();
    void buildMenus();
    QAction* addMenuAction(QMenu* menu, const QString& name, const QString& text,
                           const QKeySequence& key, void (GirderWindow::*handler)());
    void settingsEdited();
    void showSettings();
    void showResults();
    void updateTitle();
    void fillRecentMenu();
    void rememberFile(const QString& path);
    bool writeTo(const QString& path);
    // Why the table cannot be saved as it stands, or empty.
    QString saveRefusal() const;
    // The rows with a selected cell (or the current row), ascending.
    std::vector<int> selectedRows() const;
    // Parsed clipboard text: a header line naming columns is taken off and
    // gives the column of each pasted cell (`columns`); otherwise empty.
    std::vector<QStringList> clipboardLines(std::vector<int>* columns) const;
    void selectRows(int first, int last);

    GirderModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QLineEdit* depth_ = nullptr;
    QCheckBox* half_ = nullptr;
    QLineEdit* deduction_ = nullptr;
    QTableWidget* results_ = nullptr;
    QLabel* leftOut_ = nullptr;
    QTableView* working_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    GirderDrawingWidget* drawing_ = nullptr;
    QMenu* recent_ = nullptr;
    QString path_;
    int settingsSession_ = 1;
    bool showingSettings_ = false; // the fields follow the model: no edit
};

} // namespace corvane
