#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "forms.h"
#include "menustub.h"
#include "sectiondetailswindow.h"
#include "sectiondrawingwidget.h"
#include "testsupport.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

using namespace corvane;

namespace {

const QStringList hullExample{"600", "10", "300", "10", "100", "12", "2400"};

using test::entry;
using test::typeEntries;

void calculate(SectionForm* form) {
    QTest::mouseClick(form->findChild<QPushButton*>("Command5"), Qt::LeftButton);
}

// Waits until the application has made the window its active one, so that
// key presses reach it as they would reach the window the user works in.
bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Presses F2 in the section window, as the user would with it active, and
// waits for the details to take the keyboard.
SectionDetailsWindow* openDetails(SectionForm* form) {
    if (!activate(form)) {
        return nullptr;
    }
    QTest::keyClick(form, Qt::Key_F2);
    auto* details = form->findChild<SectionDetailsWindow*>();
    if (details != nullptr &&
        !QTest::qWaitFor([details] { return QApplication::activeWindow() == details; })) {
        return nullptr;
    }
    return details;
}

// The text of the property table's cell in the row whose caption starts
// with `caption`; column 0 gross, 1 net.
QString cell(const SectionDetailsWindow* details, const QString& caption, int column = 0) {
    const QTableWidget* table = details->propertyTable();
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->verticalHeaderItem(r)->text().startsWith(caption)) {
            const QTableWidgetItem* item = table->item(r, column);
            return item != nullptr ? item->text() : QStringLiteral("<none>");
        }
    }
    return QStringLiteral("<no row %1>").arg(caption);
}

// Right-clicks the label and returns the context menu that opened.
QMenu* openContextMenu(SectionForm* form, const char* labelName) {
    auto* label = form->findChild<QLabel*>(labelName);
    const QPoint at = label->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &event);
    return form->contextMenu();
}

void saveScreenshot(QWidget* window, const QString& name) {
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        window->grab().save(dir + QStringLiteral("/") + name + QStringLiteral(".png"));
    }
}

} // namespace

class TestSectionDetailsWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup();

    void disabledBeforeTheFirstCalculation();
    void openedByF2AfterCalculate();
    void openedFromTheContextMenu();
    void showsExactlyWhatTheWindowShows_data();
    void showsExactlyWhatTheWindowShows();
    void followsTheNextCalculation();
    void halfTypedEntriesAreNotShown();
    void keepsItsDeduction();
    void deductionConsumingAPlateShowsOneLine();
    void unreadableDeductionShowsOneLine();
    void zeroDeductionShowsTheGrossValuesOnce();
    void escapeClosesAndF2Raises();
    void clearDisablesTheActionOnly();
    void returnTakesTheDetailsAlong();
    void keyboardWalksEntryAndTables();
    void frameFitsTheScreen_data();
    void frameFitsTheScreen();
    void inputLineUsesRealSubscripts();
    void tablesAreAccessible();
    void drawingScalesWithTheWindow();
    void companionActionsReachTheDetails();

  private:
    Form1* form_ = nullptr;
};

void TestSectionDetailsWindow::init() {
    auto& runtime = WindowRuntime::instance();
    runtime.define("Form1", [] { return new Form1; });
    runtime.define("Form3", [] { return new Form3; });
    runtime.define("Form4", [] { return new Form4; });
    form_ = static_cast<Form1*>(Show("Form1"));
    QVERIFY(QTest::qWaitForWindowActive(form_));
}

void TestSectionDetailsWindow::cleanup() {
    test::unloadAll({"Form1", "Form3", "Form4", "Form2"});
}

void TestSectionDetailsWindow::disabledBeforeTheFirstCalculation() {
    QVERIFY(!form_->detailsAction()->isEnabled());
    QTest::keyClick(form_, Qt::Key_F2);
    QVERIFY(form_->findChild<SectionDetailsWindow*>() == nullptr);

    QMenu* menu = openContextMenu(form_, "Label2");
    QVERIFY(menu->isVisible());
    QVERIFY(menu->actions().contains(form_->detailsAction()));
    QCOMPARE(form_->detailsAction()->text(), QStringLiteral("剖面详图…"));
    QVERIFY(!form_->detailsAction()->isEnabled());
    menu->close();

    // An empty field refuses the calculation; still nothing to show.
    typeEntries(form_, {"600", "10", "300", "10", "100", "12"});
    test::MessageBoxRecorder boxes;
    calculate(form_);
    QCOMPARE(boxes.shown.size(), std::size_t{1});
    QVERIFY(!form_->detailsAction()->isEnabled());
}

void TestSectionDetailsWindow::openedByF2AfterCalculate() {
    typeEntries(form_, hullExample);
    calculate(form_);
    QVERIFY(form_->detailsAction()->isEnabled());
    SectionDetailsWindow* details = openDetails(form_);
    QVERIFY(details != nullptr);
    QVERIFY(details->isVisible());
    QVERIFY(details->isWindow());
    QCOMPARE(details->windowTitle(), QStringLiteral("剖面详图 — 船体结构剖面"));
    QVERIFY(!details->isModal());
    QCOMPARE(cell(details, "惯性矩 I"), QStringLiteral("13027.85"));
}

void TestSectionDetailsWindow::openedFromTheContextMenu() {
    typeEntries(form_, hullExample);
    calculate(form_);
    for (const char* target : {"Label1(3)", "Label3(1)"}) {
        QMenu* menu = openContextMenu(form_, target);
        QVERIFY(menu->isVisible());
        QAction* action = form_->detailsAction();
        QVERIFY(action->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QVERIFY(!menu->isVisible());
        auto* details = form_->findChild<SectionDetailsWindow*>();
        QVERIFY(details != nullptr && details->isVisible());
        QCOMPARE(form_->findChildren<SectionDetailsWindow*>().size(), 1);
        details->close();
    }
}

void TestSectionDetailsWindow::showsExactlyWhatTheWindowShows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("resultFields");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("screenshot");
    QTest::newRow("hull") << "Form1" << hullExample << "剖面详图 — 船体结构剖面"
                          << QStringList{"Text2", "Text3"}
                          << QStringList{"惯性矩 I", "剖面模数（面板中线）"} << "details-hull";
    QTest::newRow("built-up") << "Form3" << QStringList{"100", "10", "200", "8", "100", "10"}
                              << "剖面详图 — 组合型材" << QStringList{"Text2", "Text3"}
                              << QStringList{"惯性矩 I", "剖面模数（面板2中线）"}
                              << "details-builtup";
    QTest::newRow("pipe") << "Form4" << QStringList{"100", "10"} << "剖面详图 — 钢管"
                          << QStringList{"Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)"}
                          << QStringList{"剖面积 A", "惯性半径 i", "惯性矩 I", "剖面模数（外表面）",
                                         "每米质量 m"}
                          << "details-pipe";
}

// The calculator's own results appear in the table with the digits of the
// result fields, and at Δt = 1 mm the net column is filled.
void TestSectionDetailsWindow::showsExactlyWhatTheWindowShows() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(QString, title);
    QFETCH(QStringList, resultFields);
    QFETCH(QStringList, captions);
    QFETCH(QString, screenshot);
    auto* form = static_cast<SectionForm*>(Show(window));
    typeEntries(form, entries);
    calculate(form);
    SectionDetailsWindow* details = openDetails(form);
    QVERIFY(details != nullptr && details->isVisible());
    QCOMPARE(details->windowTitle(), title);
    for (int i = 0; i < resultFields.size(); ++i) {
        const QString shown = form->textBox(resultFields[i])->text().trimmed();
        QString expected = shown.startsWith('.') ? QStringLiteral("0") + shown : shown;
        QCOMPARE(cell(details, captions[i]), expected);
    }
    QTest::keyClicks(details->deductionField(), QStringLiteral("\b1"));
    QCOMPARE(details->deductionField()->text(), QStringLiteral("1"));
    QCOMPARE(details->propertyTable()->columnCount(), 2);
    QCOMPARE(details->propertyTable()->horizontalHeaderItem(1)->text(),
             QStringLiteral("净尺寸 (Δt = 1 mm)"));
    QVERIFY(!details->refusalLabel()->isVisible());
    for (int r = 0; r < details->propertyTable()->rowCount(); ++r) {
        const QString net = details->propertyTable()->item(r, 1)->text();
        QVERIFY(!net.isEmpty());
        QVERIFY(!net.contains("nan") && !net.contains("inf"));
    }
    saveScreenshot(details, screenshot);
}

void TestSectionDetailsWindow::followsTheNextCalculation() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    entry(form_, 2)->clear();
    QTest::keyClicks(entry(form_, 2), "400");
    calculate(form_);
    const QString shown = form_->textBox("Text2")->text().trimmed();
    QVERIFY(shown != QStringLiteral("13027.85"));
    QCOMPARE(cell(details, "惯性矩 I"), shown);
    QCOMPARE(cell(details, "剖面模数（面板中线）"), form_->textBox("Text3")->text().trimmed());
    QVERIFY(details->details());
    QCOMPARE(std::get<StiffenerDimensions>(details->details()->dimensions).webHeight, 400.0);
}

// Typing into an entry without pressing 计算 changes nothing in the details.
void TestSectionDetailsWindow::halfTypedEntriesAreNotShown() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QTest::keyClicks(entry(form_, 0), "0");
    QCOMPARE(entry(form_, 0)->text(), QStringLiteral("6000"));
    QCOMPARE(cell(details, "惯性矩 I"), QStringLiteral("13027.85"));
    QCOMPARE(std::get<StiffenerDimensions>(details->details()->dimensions).plateWidth, 600.0);
}

void TestSectionDetailsWindow::keepsItsDeduction() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "1.5");
    QCOMPARE(details->deduction(), std::optional<double>(1.5));
    const QString net = cell(details, "惯性矩 I", 1);
    QTest::keyClick(details, Qt::Key_Escape);
    QVERIFY(!details->isVisible());

    entry(form_, 2)->clear();
    QTest::keyClicks(entry(form_, 2), "320");
    calculate(form_);
    QCOMPARE(openDetails(form_), details);
    QCOMPARE(details->deductionField()->text(), QStringLiteral("1.5"));
    QCOMPARE(details->propertyTable()->horizontalHeaderItem(1)->text(),
             QStringLiteral("净尺寸 (Δt = 1.5 mm)"));
    QVERIFY(cell(details, "惯性矩 I", 1) != net);
    // The net inertia is the calculator's own for the thinned plates.
    const auto thinned = computeStiffenerSection({600, 8.5, 320, 8.5, 100, 10.5, 2400});
    QCOMPARE(cell(details, "惯性矩 I", 1), QString::number(thinned->inertia, 'g', 15));
    // The working table gains the net block.
    QCOMPARE(details->workingTable()->rowCount(), 8);
    QCOMPARE(details->workingTable()->verticalHeaderItem(7)->text(), QStringLiteral("合计（净）"));
}

void TestSectionDetailsWindow::deductionConsumingAPlateShowsOneLine() {
    typeEntries(form_, {"600", "10", "300", "8", "100", "12", "2400"});
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    const int workingRows = details->workingTable()->rowCount();
    const QString gross = cell(details, "最小剖面模数");
    const QString shown = form_->textBox("Text2")->text();
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "8");
    QVERIFY(details->refusalLabel()->isVisible());
    QCOMPARE(details->refusalLabel()->text(),
             QStringLiteral("腹板厚度 8 mm 扣除 Δt = 8 mm 后不大于零，无净尺寸剖面。"));
    QVERIFY(!details->refusalLabel()->text().contains('\n'));
    QCOMPARE(details->propertyTable()->columnCount(), 1);
    // Nothing else changes.
    QCOMPARE(cell(details, "最小剖面模数"), gross);
    QCOMPARE(details->workingTable()->rowCount(), workingRows);
    QCOMPARE(form_->textBox("Text2")->text(), shown);

    QTest::keyClick(details->deductionField(), Qt::Key_Backspace);
    QTest::keyClicks(details->deductionField(), "7.9");
    QVERIFY(!details->refusalLabel()->isVisible());
    QCOMPARE(details->propertyTable()->columnCount(), 2);
}

void TestSectionDetailsWindow::unreadableDeductionShowsOneLine() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    // The message moves nothing: the project field and the tables stay put.
    const auto* project = details->findChild<QLineEdit*>("project");
    QVERIFY(project != nullptr);
    const QPoint projectAt = project->mapTo(details, QPoint(0, 0));
    const QRect tableAt = details->propertyTable()->geometry();
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "-1");
    QVERIFY(details->refusalLabel()->isVisible());
    QCOMPARE(details->propertyTable()->columnCount(), 1);
    QApplication::processEvents();
    QCOMPARE(project->mapTo(details, QPoint(0, 0)), projectAt);
    QCOMPARE(details->propertyTable()->geometry(), tableAt);
    QVERIFY(!details->refusalLabel()->geometry().intersects(QRect(projectAt, project->size())));
    // A full-width number from an input method reads like the ASCII one.
    details->deductionField()->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("０．５"));
    QApplication::sendEvent(details->deductionField(), &commit);
    QCOMPARE(details->deductionField()->text(), QStringLiteral("0.5"));
    QVERIFY(!details->refusalLabel()->isVisible());
    QCOMPARE(details->propertyTable()->columnCount(), 2);
}

// At Δt = 0 the net section is the gross one: neither the property table
// nor the working table repeats it, as the sheet does not.
void TestSectionDetailsWindow::zeroDeductionShowsTheGrossValuesOnce() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QVERIFY(details != nullptr);
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "0");
    QCOMPARE(details->deduction(), std::optional<double>(0));
    QVERIFY(!details->refusalLabel()->isVisible());
    QCOMPARE(details->propertyTable()->columnCount(), 1);
    QCOMPARE(details->workingTable()->rowCount(), 4); // three plates and the total
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "1");
    QCOMPARE(details->propertyTable()->columnCount(), 2);
    QCOMPARE(details->workingTable()->rowCount(), 8);
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "0.0");
    QCOMPARE(details->propertyTable()->columnCount(), 1);
    QCOMPARE(details->workingTable()->rowCount(), 4);
}

void TestSectionDetailsWindow::escapeClosesAndF2Raises() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!details->isVisible());
    QVERIFY(form_->isVisible());
    QCOMPARE(openDetails(form_), details);
    QVERIFY(details->isVisible());
    // The close box hides it too; it is not destroyed.
    details->close();
    QVERIFY(!details->isVisible());
    QCOMPARE(form_->findChild<SectionDetailsWindow*>(), details);
}

void TestSectionDetailsWindow::clearDisablesTheActionOnly() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QTest::mouseClick(form_->findChild<QPushButton*>("Command6"), Qt::LeftButton);
    QVERIFY(!form_->detailsAction()->isEnabled());
    // The open details still name the inputs they show.
    QVERIFY(details->isVisible());
    QCOMPARE(cell(details, "惯性矩 I"), QStringLiteral("13027.85"));
}

void TestSectionDetailsWindow::returnTakesTheDetailsAlong() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QTest::mouseClick(form_->findChild<QPushButton*>("Command7"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());
    QVERIFY(!details->isVisible());
    Show("Form1");
    QVERIFY(details->isVisible());
}

void TestSectionDetailsWindow::keyboardWalksEntryAndTables() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QVERIFY(details != nullptr);
    // The fields in the order they stand: Δt, the project line beside it,
    // then the tables.
    auto* project = details->findChild<QLineEdit*>("project");
    QVERIFY(project != nullptr);
    details->deductionField()->setFocus();
    QTest::keyClick(details->deductionField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), project);
    QTest::keyClick(project, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), details->propertyTable());
    QTest::keyClick(details->propertyTable(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), details->workingTable());
    // The arrow keys walk the cells.
    details->workingTable()->setCurrentCell(0, 0);
    QTest::keyClick(details->workingTable(), Qt::Key_Down);
    QCOMPARE(details->workingTable()->currentRow(), 1);
    // The labels' mnemonics reach every control.
    QTest::keyClick(details, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), details->propertyTable());
    QTest::keyClick(details, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), details->deductionField());
    QTest::keyClick(details, Qt::Key_W, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), details->workingTable());
}

void TestSectionDetailsWindow::frameFitsTheScreen_data() {
    QTest::addColumn<QRect>("wanted");    // the frame beside the section window
    QTest::addColumn<QRect>("available"); // the screen without its panels
    // 1180 × 700 inside, a 30 px title bar and 1 px borders: 1182 × 731.
    QTest::newRow("1366×768, panel at the bottom")
        << QRect(560, 120, 1182, 731) << QRect(0, 0, 1366, 728);
    QTest::newRow("1600×1000") << QRect(700, 200, 1182, 731) << QRect(0, 27, 1600, 973);
    QTest::newRow("panel on the left") << QRect(-20, 0, 1182, 731) << QRect(64, 0, 1536, 1000);
}

void TestSectionDetailsWindow::frameFitsTheScreen() {
    QFETCH(QRect, wanted);
    QFETCH(QRect, available);
    const QRect frame = fittedFrame(wanted, available);
    QVERIFY(available.contains(frame));
    // Moved, and shrunk only where the screen is smaller.
    QCOMPARE(frame.width(), std::min(wanted.width(), available.width()));
    QCOMPARE(frame.height(), std::min(wanted.height(), available.height()));

    // The window itself: its whole frame, title bar included, lies within
    // the screen's available area once shown.
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QVERIFY(details != nullptr);
    QVERIFY(details->screen()->availableGeometry().contains(details->frameGeometry()));
}

void TestSectionDetailsWindow::inputLineUsesRealSubscripts() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    const auto* inputs = details->findChild<QLabel*>("inputs");
    QVERIFY(inputs != nullptr);
    QVERIFY(!inputs->text().contains(QStringLiteral("t_p")));
    QVERIFY(inputs->text().contains(QStringLiteral("t<sub>p</sub> = 10")));
    QVERIFY(inputs->text().contains(QStringLiteral("h<sub>w</sub> = 300")));
    QVERIFY(inputs->text().contains(QStringLiteral("ℓ = 2400")));
}

void TestSectionDetailsWindow::tablesAreAccessible() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QCOMPARE(details->deductionField()->accessibleName(), QStringLiteral("腐蚀扣除 Δt (mm)"));
    QCOMPARE(details->propertyTable()->accessibleName(), QStringLiteral("剖面特性表"));
    QCOMPARE(details->workingTable()->accessibleName(), QStringLiteral("计算表"));
    const QTableWidget* working = details->workingTable();
    QCOMPARE(working->horizontalHeaderItem(0)->text(), QStringLiteral("Aᵢ (cm²)"));
    QCOMPARE(working->verticalHeaderItem(0)->text(), QStringLiteral("带板"));
    QCOMPARE(working->verticalHeaderItem(3)->text(), QStringLiteral("合计"));
    QCOMPARE(working->item(3, 0)->text(), QStringLiteral("87.36"));
    QCOMPARE(working->item(0, 4)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("带板，I₀ᵢ (cm⁴)：5"));
}

void TestSectionDetailsWindow::drawingScalesWithTheWindow() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    details->resize(800, 500);
    details->drawing()->grab();
    const double small = details->drawing()->lastLayout().scale;
    details->resize(1400, 900);
    details->drawing()->grab();
    const double large = details->drawing()->lastLayout().scale;
    QVERIFY(small > 0);
    QVERIFY(large > small * 1.3);
}

// What companion features add to the details window: in the context menu of
// its drawing and tables, and by shortcut anywhere in it.
void TestSectionDetailsWindow::companionActionsReachTheDetails() {
    typeEntries(form_, hullExample);
    calculate(form_);
    SectionDetailsWindow* details = openDetails(form_);
    QVERIFY(details != nullptr);
    auto* action = new QAction(QStringLiteral("复制图形"), details);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    int triggered = 0;
    connect(action, &QAction::triggered, [&triggered] { ++triggered; });
    details->addDetailsAction(action);
    for (QWidget* target : std::initializer_list<QWidget*>{
             details->drawing(), details->propertyTable(), details->workingTable()}) {
        QCOMPARE(target->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(target->actions().contains(action));
    }
    details->workingTable()->setFocus();
    QTest::keyClick(details->workingTable(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(triggered, 1);
}

CORVANE_TEST_MAIN(TestSectionDetailsWindow)
#include "tst_sectiondetailswindow.moc"
