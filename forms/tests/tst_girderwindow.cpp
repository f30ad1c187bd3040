#include "appobject.h"
#include "exportdialogs.h"
#include "girderfile.h"
#include "girdermodel.h"
#include "girderwindow.h"
#include "menustub.h"
#include "tabseparated.h"
#include "testsupport.h"
#include "windownames.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace corvane;

namespace {

constexpr int nameColumn = static_cast<int>(GirderColumn::Name);
constexpr int tColumn = static_cast<int>(GirderColumn::T);
constexpr int z2Column = static_cast<int>(GirderColumn::Z2);

// One vertical plate 2000 x 10 from the baseline, D = 2000: A = 200 cm²,
// z = 1 m, I = i0 = 200·200²/12 cm⁴ = 66.67 cm²·m², W = I / 1 m.
GirderRowText plate(const char* name, const char* z2, const char* t) {
    GirderRowText row;
    row.cells[static_cast<std::size_t>(GirderColumn::Name)] = name;
    row.cells[static_cast<std::size_t>(GirderColumn::Kind)] = "plate";
    row.cells[static_cast<std::size_t>(GirderColumn::Count)] = "1";
    row.cells[static_cast<std::size_t>(GirderColumn::Y1)] = "0";
    row.cells[static_cast<std::size_t>(GirderColumn::Z1)] = "0";
    row.cells[static_cast<std::size_t>(GirderColumn::Y2)] = "0";
    row.cells[static_cast<std::size_t>(GirderColumn::Z2)] = z2;
    row.cells[static_cast<std::size_t>(GirderColumn::T)] = t;
    return row;
}

GirderDocument threePlates() {
    GirderDocument document;
    document.settings.depth = 2000;
    document.rows = {plate("web 1", "2000", "10"), plate("web 2", "2000", "10"),
                     plate("web 3", "1000", "12")};
    return document;
}

// The results pane's row of that caption (its start), gross and net.
QStringList resultLine(const GirderWindow* window, const QString& caption) {
    QTableWidget* table = window->resultsTable();
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->verticalHeaderItem(r)->text().startsWith(caption)) {
            return {table->item(r, 0)->text(), table->item(r, 1)->text()};
        }
    }
    return {};
}

// Everything the user would see change: the rows' texts, the settings and
// the results.
QString snapshot(const GirderWindow* window) {
    const GirderModel* model = window->model();
    QStringList parts;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) {
            cells << model->cellText(r, c);
        }
        parts << cells.join(QLatin1Char('|'));
    }
    const GirderSettingsText& s = model->settingsText();
    parts << s.depth << (s.half ? "half" : "whole") << s.deduction;
    QTableWidget* results = window->resultsTable();
    for (int r = 0; r < results->rowCount(); ++r) {
        parts << results->item(r, 0)->text() + QLatin1Char('/') + results->item(r, 1)->text();
    }
    return parts.join(QLatin1Char('\n'));
}

// Makes the cell current and the only one selected, whatever modifier keys
// the last key event left behind.
void putCurrent(QTableView* view, int row, int column) {
    view->selectionModel()->setCurrentIndex(view->model()->index(row, column),
                                            QItemSelectionModel::ClearAndSelect);
}

// Types into a cell as a user does: F2 opens the editor, the text replaces
// what was there, Return commits. Text beyond Latin-1 arrives as an input
// method commits it.
void typeCell(QTableView* view, int row, int column, const QString& text) {
    view->setFocus();
    putCurrent(view, row, column);
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; })) {
        QTest::keyClicks(editor, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(editor, &commit);
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the editor's text from the event loop.
    QCoreApplication::processEvents();
}

void key(QWidget* target, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(target, k, modifiers);
}

// Answers the file dialogs and the save question at once while alive.
struct DialogAnswers {
    QString savePath;
    QString openPath;
    SaveChangesAnswer answer = SaveChangesAnswer::Cancel;
    int saveQuestions = 0;
    SavePathAsker previousSave =
        setSavePathAsker([this](const SavePathRequest&) { return savePath; });
    OpenPathAsker previousOpen =
        setOpenPathAsker([this](const OpenPathRequest&) { return openPath; });
    SaveChangesAsker previousQuestion = setSaveChangesAsker([this](QWidget*, const QString&) {
        ++saveQuestions;
        return answer;
    });
    OverwriteConfirmer previousOverwrite =
        setOverwriteConfirmer([](QWidget*, const QString&) { return true; });
    ~DialogAnswers() {
        setSavePathAsker(previousSave);
        setOpenPathAsker(previousOpen);
        setSaveChangesAsker(previousQuestion);
        setOverwriteConfirmer(previousOverwrite);
    }
};

} // namespace

class TestGirderWindow : public QObject {
    Q_OBJECT
    GirderWindow* window_ = nullptr;
    QTemporaryDir dir_;

    QTableView* view() const { return window_->tableView(); }
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    void load(const GirderDocument& document) {
        std::string error;
        QVERIFY(saveGirderFile(path("start.csv").toStdString(), document, &error));
        QVERIFY(window_->openFile(path("start.csv")));
    }

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void editingACellUpdatesTheResults_data();
    void editingACellUpdatesTheResults();
    void unreadableCellIsMarkedAndLeftOut_data();
    void unreadableCellIsMarkedAndLeftOut();
    void undoAndRedoCoverEveryEdit_data();
    void undoAndRedoCoverEveryEdit();
    void settingsFieldUndoKeepsTheTableInStep();
    void kindIsChosenFromItsList();
    void faultsAndCaptionsFollowTheLanguage_data();
    void faultsAndCaptionsFollowTheLanguage();
    void kindListAndNewRowFollowTheLanguage_data();
    void kindListAndNewRowFollowTheLanguage();
    void copiedRowsPasteBackAsTheSameRows();
    void pasteFillsCellsFromTheCurrentCell_data();
    void pasteFillsCellsFromTheCurrentCell();
    void newOpenSaveAndSaveAsKeepTheModifiedMark();
    void closingWithUnsavedChangesAsks_data();
    void closingWithUnsavedChangesAsks();
    void fileThatCannotBeReadLeavesTheTable();
    void exampleTableOpensWhole();
    void unreadableTableIsNotSaved();
    void sheetIsWrittenAsPdfOrPrinted_data();
    void sheetIsWrittenAsPdfOrPrinted();
};

void TestGirderWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(App::SettingsOrganization, App::SettingsApplication).clear();
    test::defineMenuStub();
    WindowRuntime::instance().define(WindowName::GirderTable, [] { return new GirderWindow; });
    QVERIFY(dir_.isValid());
}

void TestGirderWindow::init() {
    window_ = static_cast<GirderWindow*>(Show(WindowName::GirderTable));
    QVERIFY(QTest::qWaitForWindowActive(window_));
    load(threePlates());
}

void TestGirderWindow::cleanup() {
    window_->model()->undoStack()->setClean(); // nothing to ask about
    test::unloadAll({"frmGirderTable", "Form2"});
}

void TestGirderWindow::editingACellUpdatesTheResults_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("neutralAxis");
    QTest::addColumn<QString>("deckCm3");

    // As loaded: 200 + 200 + 120 cm², z = (400·1 + 120·0.5)/520 = 0.8846 m.
    QTest::newRow("thicker web") << 0 << tColumn << "20"
                                 << "720"
                                 << "0.917"
                                 << "21692.31";
    QTest::newRow("full-width digits") << 0 << tColumn << "２０"
                                       << "720"
                                       << "0.917"
                                       << "21692.31";
    QTest::newRow("shorter web") << 2 << z2Column << "2000"
                                 << "640"
                                 << "1"
                                 << "21333.33";
    QTest::newRow("name only") << 1 << nameColumn << "side"
                               << "520"
                               << "0.885"
                               << "14919.54";
}

void TestGirderWindow::editingACellUpdatesTheResults() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, area);
    QFETCH(QString, neutralAxis);
    QFETCH(QString, deckCm3);
    QVERIFY(!window_->isWindowModified());
    typeCell(view(), row, column, typed);
    QCOMPARE(resultLine(window_, QStringLiteral("总面积"))[0], area);
    QCOMPARE(resultLine(window_, QStringLiteral("中和轴距基线 z_NA (m)"))[0], neutralAxis);
    QCOMPARE(resultLine(window_, QStringLiteral("甲板处剖面模数 W_D (cm³)"))[0], deckCm3);
    QCOMPARE(resultLine(window_, QStringLiteral("略去的行数"))[0], QStringLiteral("0"));
    QVERIFY(window_->isWindowModified());
}

void TestGirderWindow::unreadableCellIsMarkedAndLeftOut_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("area");

    QTest::newRow("text for t") << 0 << tColumn << "abc"
                                << "320";
    QTest::newRow("text for z2") << 2 << z2Column << "1o00"
                                 << "400";
    QTest::newRow("zero thickness") << 1 << tColumn << "0"
                                    << "320";
}

void TestGirderWindow::unreadableCellIsMarkedAndLeftOut() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, area);
    typeCell(view(), row, column, typed);
    const QModelIndex cell = window_->model()->index(row, column);
    QVERIFY(cell.data(Qt::BackgroundRole).isValid());
    QVERIFY(!cell.data(Qt::ToolTipRole).toString().isEmpty());
    // The other cells of the row are not marked.
    QVERIFY(!window_->model()->index(row, nameColumn).data(Qt::BackgroundRole).isValid());
    QCOMPARE(resultLine(window_, QStringLiteral("总面积"))[0], area);
    QCOMPARE(resultLine(window_, QStringLiteral("略去的行数"))[0], QStringLiteral("1"));
    QVERIFY(window_->leftOutLabel()->text().contains(QStringLiteral("有 1 行无法计算")));
    // Typing a number again mends it.
    typeCell(view(), row, column, QStringLiteral("10"));
    QVERIFY(!cell.data(Qt::BackgroundRole).isValid());
    QCOMPARE(resultLine(window_, QStringLiteral("略去的行数"))[0], QStringLiteral("0"));
    QVERIFY(window_->leftOutLabel()->text().isEmpty());
}

void TestGirderWindow::undoAndRedoCoverEveryEdit_data() {
    QTest::addColumn<QString>("edit");
    for (const char* edit :
         {"cell", "insert", "delete", "delete two", "move up", "move down", "duplicate", "paste",
          "paste rows", "clear", "depth", "half", "deduction"}) {
        QTest::newRow(edit) << QString::fromLatin1(edit);
    }
}

void TestGirderWindow::undoAndRedoCoverEveryEdit() {
    QFETCH(QString, edit);
    const QString before = snapshot(window_);
    QTableView* table = view();
    table->setFocus();
    putCurrent(table, 1, tColumn);
    QGuiApplication::clipboard()->setText(QStringLiteral("7\t8\n9\t10\n"));
    if (edit == "cell") {
        typeCell(table, 1, tColumn, QStringLiteral("15"));
    } else if (edit == "insert") {
        key(table, Qt::Key_Insert);
    } else if (edit == "delete") {
        key(table, Qt::Key_Delete, Qt::ControlModifier);
    } else if (edit == "delete two") {
        QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
        key(table, Qt::Key_Delete, Qt::ControlModifier);
    } else if (edit == "move up") {
        key(table, Qt::Key_Up, Qt::AltModifier);
    } else if (edit == "move down") {
        key(table, Qt::Key_Down, Qt::AltModifier);
    } else if (edit == "duplicate") {
        key(table, Qt::Key_D, Qt::ControlModifier);
    } else if (edit == "paste") {
        key(table, Qt::Key_V, Qt::ControlModifier);
    } else if (edit == "paste rows") {
        key(table, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (edit == "clear") {
        key(table, Qt::Key_Delete);
    } else if (edit == "depth" || edit == "deduction") {
        QLineEdit* field = edit == "depth" ? window_->depthField() : window_->deductionField();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("1500"));
        key(field, Qt::Key_Return);
        table->setFocus();
    } else if (edit == "half") {
        QTest::mouseClick(window_->halfBox(), Qt::LeftButton, {},
                          QPoint(6, window_->halfBox()->height() / 2));
        table->setFocus();
    }
    const QString after = snapshot(window_);
    QVERIFY(after != before);
    QVERIFY(window_->isWindowModified());
    // One step back and forth, by the keys.
    key(table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(snapshot(window_), before);
    QVERIFY(!window_->isWindowModified());
    key(table, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(snapshot(window_), after);
    QVERIFY(window_->isWindowModified());
}

void TestGirderWindow::settingsFieldUndoKeepsTheTableInStep() {
    QLineEdit* depth = window_->depthField();
    depth->setFocus();
    depth->selectAll();
    QTest::keyClicks(depth, QStringLiteral("1500"));
    QCOMPARE(window_->model()->settingsText().depth, QStringLiteral("1500"));
    // The field's own undo (Ctrl+Z while typing in it) is an edit too.
    key(depth, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window_->model()->settingsText().depth, depth->text());
    // Undone from the table, the field and the results follow.
    key(depth, Qt::Key_Return);
    view()->setFocus();
    while (window_->model()->undoStack()->canUndo()) {
        key(view(), Qt::Key_Z, Qt::ControlModifier);
    }
    QCOMPARE(depth->text(), QStringLiteral("2000"));
    QCOMPARE(resultLine(window_, QStringLiteral("甲板处剖面模数 W_D (cm³)"))[0],
             QStringLiteral("14919.54"));
    QVERIFY(!window_->isWindowModified());
}

void TestGirderWindow::kindIsChosenFromItsList() {
    constexpr int kindColumn = static_cast<int>(GirderColumn::Kind);
    putCurrent(view(), 2, kindColumn);
    view()->setFocus();
    key(view(), Qt::Key_F2);
    auto* box = view()->findChild<QComboBox*>();
    QVERIFY(box != nullptr);
    QCOMPARE(box->count(), 3);
    // Down from 板 to 型材, down again to 自由构件, and Return.
    key(box, Qt::Key_Down);
    key(box, Qt::Key_Down);
    key(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(window_->model()->cellText(2, kindColumn), QStringLiteral("自由构件"));
    // A free row needs its A: that cell is marked, the row left out.
    const QModelIndex area = window_->model()->index(2, static_cast<int>(GirderColumn::Area));
    QVERIFY(area.data(Qt::BackgroundRole).isValid());
    QCOMPARE(resultLine(window_, QStringLiteral("总面积"))[0], QStringLiteral("400"));
}

// The cells' faults come from the table file in both languages: its own
// English in English, its Chinese as it is in Chinese; the captions follow.
void TestGirderWindow::faultsAndCaptionsFollowTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("caption");

    const Language zh = Language::Chinese;
    const Language en = Language::English;
    QTest::newRow("text for t") << zh << tColumn << "abc"
                                << "板厚 t：“abc”不是数字"
                                << "板厚 (mm)";
    QTest::newRow("text for t in English") << en << tColumn << "abc"
                                           << "t: \"abc\" is not a number"
                                           << "Thickness (mm)";
    QTest::newRow("zero thickness") << zh << tColumn << "0"
                                    << "板厚 t 应大于 0"
                                    << "板厚 (mm)";
    QTest::newRow("zero thickness in English") << en << tColumn << "0"
                                               << "t must be above 0"
                                               << "Thickness (mm)";
    QTest::newRow("text for z2 in English") << en << z2Column << "1o00"
                                            << "z2: \"1o00\" is not a number"
                                            << "z2 (mm)";
}

void TestGirderWindow::faultsAndCaptionsFollowTheLanguage() {
    QFETCH(Language, language);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, tooltip);
    QFETCH(QString, caption);
    const test::LanguageScope scope(language);
    typeCell(view(), 1, column, typed);
    const QModelIndex cell = window_->model()->index(1, column);
    QVERIFY(cell.data(Qt::BackgroundRole).isValid());
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), tooltip);
    QCOMPARE(window_->model()->headerData(column, Qt::Horizontal).toString(), caption);
}

// The kind cell offers the kinds in the window's language, and a new row is
// a plate in that language; the reader takes either.
void TestGirderWindow::kindListAndNewRowFollowTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("kinds");

    QTest::newRow("Chinese") << Language::Chinese
                             << QStringList{QStringLiteral("板"), QStringLiteral("型材"),
                                            QStringLiteral("自由构件")};
    QTest::newRow("English") << Language::English
                             << QStringList{QStringLiteral("plate"), QStringLiteral("profile"),
                                            QStringLiteral("free")};
}

void TestGirderWindow::kindListAndNewRowFollowTheLanguage() {
    QFETCH(Language, language);
    QFETCH(QStringList, kinds);
    const test::LanguageScope scope(language);
    constexpr int kindColumn = static_cast<int>(GirderColumn::Kind);
    putCurrent(view(), 2, kindColumn);
    view()->setFocus();
    key(view(), Qt::Key_F2);
    auto* box = view()->findChild<QComboBox*>();
    QVERIFY(box != nullptr);
    QStringList offered;
    for (int i = 0; i < box->count(); ++i) {
        offered << box->itemText(i);
    }
    QCOMPARE(offered, kinds);
    key(box, Qt::Key_Down);
    key(box, Qt::Key_Down);
    key(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(window_->model()->cellText(2, kindColumn), kinds[2]);
    // Read as a free member: its A is wanted.
    const QModelIndex area = window_->model()->index(2, static_cast<int>(GirderColumn::Area));
    QVERIFY(area.data(Qt::BackgroundRole).isValid());
    // A new row is a plate that reads without a fault.
    const GirderRowText blank = window_->model()->blankRow();
    QCOMPARE(QString::fromStdString(blank.cells[static_cast<std::size_t>(kindColumn)]), kinds[0]);
    QVERIFY(readGirderRow(blank).faults.empty());
}

void TestGirderWindow::copiedRowsPasteBackAsTheSameRows() {
    GirderModel* model = window_->model();
    // A cell with a tab and a quote, as a spreadsheet would quote it.
    typeCell(view(), 0, nameColumn, QStringLiteral("web \"A\""));
    view()->setFocus();
    putCurrent(view(), 0, 0);
    QTest::keyClick(view(), Qt::Key_Down, Qt::ShiftModifier);
    key(view(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(readTabSeparated(copied).size(), std::size_t(3)); // header and two rows
    putCurrent(view(), 2, 0);
    key(view(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(model->rowCount(), 5);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < model->columnCount(); ++c) {
            QCOMPARE(model->cellText(3 + r, c), model->cellText(r, c));
        }
    }
    QCOMPARE(resultLine(window_, QStringLiteral("总面积"))[0], QStringLiteral("920"));
}

void TestGirderWindow::pasteFillsCellsFromTheCurrentCell_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastRowT");

    // From row 2's t: its t and profile, then a row appended at the end.
    QTest::newRow("two lines") << "20\tx\n30\ty\n" << 4 << "30";
    QTest::newRow("windows line ends") << "20\r\n" << 3 << "20";
    // A header line is the column names, not data.
    QTest::newRow("header skipped") << "t\n25\n" << 3 << "25";
    QTest::newRow("quoted cell") << "\"2\"\"5\"\n" << 3 << "2\"5";
}

void TestGirderWindow::pasteFillsCellsFromTheCurrentCell() {
    QFETCH(QString, clipboard);
    QFETCH(int, rows);
    QFETCH(QString, lastRowT);
    QGuiApplication::clipboard()->setText(clipboard);
    view()->setFocus();
    putCurrent(view(), 2, tColumn);
    key(view(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window_->model()->rowCount(), rows);
    QCOMPARE(window_->model()->cellText(rows - 1, tColumn), lastRowT);
    // The whole paste is one step.
    key(view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window_->model()->rowCount(), 3);
    QCOMPARE(window_->model()->cellText(2, tColumn), QStringLiteral("12"));
}

void TestGirderWindow::newOpenSaveAndSaveAsKeepTheModifiedMark() {
    DialogAnswers answers;
    QCOMPARE(window_->windowTitle(), QStringLiteral("start.csv[*] — 船体剖面模数计算表"));
    typeCell(view(), 0, tColumn, QStringLiteral("14"));
    QVERIFY(window_->isWindowModified());

    // 保存 writes the file it came from.
    key(view(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!window_->isWindowModified());
    QCOMPARE(answers.saveQuestions, 0);

    // 另存为 writes another and names the window after it.
    answers.savePath = path("copy");
    key(view(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window_->filePath(), path("copy.corvane.csv"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("copy.corvane.csv[*] — 船体剖面模数计算表"));
    QCOMPARE(GirderWindow::recentFiles().value(0), path("copy.corvane.csv"));

    // 新建: an empty, unnamed table.
    key(view(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(window_->model()->rowCount(), 0);
    QVERIFY(window_->filePath().isEmpty());
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("未命名")));
    // D is left to fill in, and the field says so.
    QVERIFY(window_->depthField()->text().isEmpty());
    QVERIFY(!window_->depthField()->toolTip().isEmpty());
    QCOMPARE(resultLine(window_, QStringLiteral("总面积"))[0], QStringLiteral("—"));

    // 打开 the saved copy: the same rows and the same digits.
    answers.openPath = path("copy.corvane.csv");
    key(view(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window_->model()->rowCount(), 3);
    QCOMPARE(window_->model()->cellText(0, tColumn), QStringLiteral("14"));
    QCOMPARE(resultLine(window_, QStringLiteral("总面积"))[0], QStringLiteral("600"));
    QVERIFY(!window_->isWindowModified());
}

void TestGirderWindow::closingWithUnsavedChangesAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("savedT"); // t of row 1 in the file afterwards
    QTest::addColumn<QString>("shownT"); // and in the table

    QTest::newRow("save") << int(SaveChangesAnswer::Save) << true << "16"
                          << "16";
    QTest::newRow("don't save") << int(SaveChangesAnswer::Discard) << true << "10"
                                << "10";
    QTest::newRow("cancel") << int(SaveChangesAnswer::Cancel) << false << "10"
                            << "16";
}

void TestGirderWindow::closingWithUnsavedChangesAsks() {
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(QString, savedT);
    QFETCH(QString, shownT);
    DialogAnswers answers;
    answers.answer = static_cast<SaveChangesAnswer>(answer);
    typeCell(view(), 0, tColumn, QStringLiteral("16"));
    window_->close(); // the close box
    QCOMPARE(answers.saveQuestions, 1);
    QCOMPARE(window_->isVisible(), !closes);
    QCOMPARE(WindowRuntime::instance().find(WindowName::MainMenu) != nullptr &&
                 WindowRuntime::instance().find(WindowName::MainMenu)->isVisible(),
             closes);
    QCOMPARE(window_->model()->cellText(0, tColumn), shownT);
    const auto saved = openGirderFile(path("start.csv").toStdString());
    QCOMPARE(QString::fromStdString(
                 std::get<GirderDocument>(saved).rows[0].cells[static_cast<std::size_t>(tColumn)]),
             savedT);
    // Saved or given up: nothing is asked a second time.
    if (closes) {
        QVERIFY(!window_->isWindowModified());
    }
}

void TestGirderWindow::fileThatCannotBeReadLeavesTheTable() {
    DialogAnswers answers;
    QFile bad(path("bad.csv"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("depth,2000\nname,kind,n,y1,z1,y2,z2,t\nweb,plate,1,0,0,0,2000,ten\n");
    bad.close();
    typeCell(view(), 0, tColumn, QStringLiteral("11"));
    const QString before = snapshot(window_);
    test::MessageBoxRecorder messages;
    answers.answer = SaveChangesAnswer::Discard;
    answers.openPath = path("bad.csv");
    QVERIFY(!window_->openFile(path("bad.csv")));
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QVERIFY(messages.shown[0].text.contains(QStringLiteral("bad.csv")));
    QVERIFY(messages.shown[0].text.contains(QStringLiteral("第 3 行")));
    QCOMPARE(snapshot(window_), before);
    QCOMPARE(window_->filePath(), path("start.csv"));
    QVERIFY(window_->isWindowModified());
}

void TestGirderWindow::exampleTableOpensWhole() {
    QVERIFY(window_->openFile(QStringLiteral(CORVANE_EXAMPLE_TABLE)));
    QVERIFY(window_->model()->rowCount() >= 40);
    QCOMPARE(resultLine(window_, QStringLiteral("略去的行数"))[0], QStringLiteral("0"));
    for (const char* caption : {"中和轴距基线 z_NA (m)", "最小剖面模数 W_min (cm³)"}) {
        const QStringList line = resultLine(window_, QString::fromUtf8(caption));
        QVERIFY2(line[0] != QStringLiteral("—") && line[1] != QStringLiteral("—"), caption);
    }
    // No cell of the example is marked.
    for (int r = 0; r < window_->model()->rowCount(); ++r) {
        for (int c = 0; c < window_->model()->columnCount(); ++c) {
            QVERIFY(window_->model()->cellFault(r, c).isEmpty());
        }
    }
    QCOMPARE(window_->sheet().calculatorName, QStringLiteral("bulk-carrier-midship"));
}

void TestGirderWindow::unreadableTableIsNotSaved() {
    DialogAnswers answers;
    typeCell(view(), 1, tColumn, QStringLiteral("abc"));
    QFile file(path("start.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    test::MessageBoxRecorder messages;
    key(view(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QVERIFY(messages.shown[0].text.contains(QStringLiteral("第 2 行")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(window_->isWindowModified());
}

void TestGirderWindow::sheetIsWrittenAsPdfOrPrinted_data() {
    QTest::addColumn<bool>("print");
    QTest::newRow("导出计算书(PDF)") << false;
    QTest::newRow("打印计算书 to a PDF file") << true;
}

void TestGirderWindow::sheetIsWrittenAsPdfOrPrinted() {
    QFETCH(bool, print);
    DialogAnswers answers;
    const QString target = path(print ? "printed.pdf" : "sheet.pdf");
    answers.savePath = target;
    const PrinterAsker previous = setPrinterAsker([&target](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return true;
    });
    key(view(), print ? Qt::Key_P : Qt::Key_E, Qt::ControlModifier);
    setPrinterAsker(previous);
    QFile pdf(target);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    // The sheet is of the table: it names the document.
    QCOMPARE(window_->sheet().calculatorName, QStringLiteral("start"));
}

CORVANE_TEST_MAIN(TestGirderWindow)
#include "tst_girderwindow.moc"
