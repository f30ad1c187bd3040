#include "appobject.h"
#include "form1.h"
#include "form2.h"
#include "forms.h"
#include "sectiondetailswindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>

using namespace corvane;

namespace {

// Stands in for a window the menu opens; notes whether the menu was still
// visible at the moment it appeared.
class TargetStub : public Form {
  public:
    explicit TargetStub(const QString& name)
        : Form({name, name, 2000, 2000, BorderStyle::Sizable, {}, designFont("宋体", 9)}) {}
    bool menuVisibleOnShow = false;

  protected:
    void showEvent(QShowEvent* event) override {
        const Form* menu = WindowRuntime::instance().find("Form2");
        menuVisibleOnShow = menu != nullptr && menu->isVisible();
        Form::showEvent(event);
    }
    void closeBox() override {}
};

const char* const windowNames[] = {"Form1",    "Form3",       "Form4",         "Form5",
                                   "frmAbout", "frmBulbFlat", "frmGirderTable"};

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void tickRuleWrapsPast2500();
    void labelIsDrawnAtItsTwipsPosition();
    void lineMovesOnWhileTheMenuIsHidden();
    void buttonsOpenTheirWindows_data();
    void buttonsOpenTheirWindows();
    void endUnloadsEveryWindowAndEndsTheProgram();
    void endRightAfterStart();
    void closeBoxEndsTheProgram();
    void endClosesTheSectionDetails();
    void tabOrderPutsPipeAndCalculatorLast();
    void menuBarActionsDoWhatTheButtonsDo_data();
    void menuBarActionsDoWhatTheButtonsDo();
    void helpShowsTheGuide();
    void languageMenuRemembersTheChoice_data();
    void languageMenuRemembersTheChoice();

  private:
    Form2* menu_ = nullptr;
    int lastUnloads_ = 0;
};

void TestForm2::init() {
    // The language menu reads and writes the settings: a test folder's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(App::SettingsOrganization, App::SettingsApplication).clear();
    lastUnloads_ = 0;
    auto& rt = WindowRuntime::instance();
    rt.define("Form2", [] { return new Form2; });
    for (const char* name : windowNames) {
        rt.define(name, [name] { return new TargetStub(name); });
    }
    rt.setOnLastUnload([this] { ++lastUnloads_; });
    menu_ = static_cast<Form2*>(Show("Form2"));
    QVERIFY(QTest::qWaitForWindowActive(menu_));
}

void TestForm2::cleanup() {
    test::unloadAll(
        {"Form1", "Form3", "Form4", "Form5", "frmAbout", "frmBulbFlat", "frmGirderTable", "Form2"});
}

void TestForm2::tickRuleWrapsPast2500() {
    // Ticks applied by hand, without the event loop, so no clock catch-up.
    // The line starts at 360; on a loaded machine the event loop may already
    // have applied a few ticks while the window became active.
    const float start = menu_->label1Left();
    QVERIFY(start >= 360.0F && start < 2500.0F);
    for (int tick = 0; tick < static_cast<int>(2500.0F - start); ++tick) {
        menu_->Timer1_Timer();
    }
    QCOMPARE(menu_->label1Left(), 2500.0F);
    const float expected[] = {2501, 1, 2, 3};
    for (const float left : expected) {
        menu_->Timer1_Timer();
        QCOMPARE(menu_->label1Left(), left);
    }
}

void TestForm2::labelIsDrawnAtItsTwipsPosition() {
    auto* label = menu_->findChild<QLabel*>("Label1");
    QCOMPARE(label->pos(), QPoint(24, 16)); // (360, 240) twips
    for (int tick = 0; tick < 15; ++tick) {
        menu_->Timer1_Timer();
    }
    QCOMPARE(label->x(), 25); // 375 twips
    QCOMPARE(label->text(), QStringLiteral("经验交流E-mail：cv@example.org。"));
    // The whole line is readable inside its 4095-twip label.
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
}

void TestForm2::lineMovesOnWhileTheMenuIsHidden() {
    const float before = menu_->label1Left();
    QTest::mouseClick(menu_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!menu_->isVisible());
    QTest::qWait(100); // at least 20 ticks of 5 ms fall due meanwhile
    Show("Form2");
    QVERIFY(menu_->label1Left() != before);
    QCOMPARE(menu_->findChild<QLabel*>("Label1")->x(), twipsToPixels(menu_->label1Left()));
}

void TestForm2::buttonsOpenTheirWindows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("menuStillVisible");
    QTest::newRow("hull section") << "Command1"
                                  << "Form1" << false;
    QTest::newRow("built-up profile") << "Command2"
                                      << "Form3" << false;
    QTest::newRow("About") << "Command3"
                           << "frmAbout" << false;
    QTest::newRow("steel pipe shows first, then hides") << "Command5"
                                                        << "Form4" << true;
    QTest::newRow("engineering calculator") << "Command6"
                                            << "Form5" << false;
}

void TestForm2::buttonsOpenTheirWindows() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(bool, menuStillVisible);
    QTest::mouseClick(menu_->findChild<QPushButton*>(button), Qt::LeftButton);
    auto* target = static_cast<TargetStub*>(WindowRuntime::instance().find(window));
    QVERIFY(target != nullptr);
    QVERIFY(target->isVisible());
    QVERIFY(!menu_->isVisible());
    QCOMPARE(target->menuVisibleOnShow, menuStillVisible);
    // The menu comes back as it was left.
    Hide(window);
    QCOMPARE(Show("Form2"), menu_);
}

void TestForm2::menuBarActionsDoWhatTheButtonsDo_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::newRow("hull") << "toolsMenu"
                          << "船体结构剖面模数计算器(&H)"
                          << "Form1";
    QTest::newRow("built-up") << "toolsMenu"
                              << "组合型材剖面模数计算器(&B)"
                              << "Form3";
    QTest::newRow("pipe") << "toolsMenu"
                          << "钢管参数计算(&P)"
                          << "Form4";
    QTest::newRow("calculator") << "toolsMenu"
                                << "工程计算器(&C)"
                                << "Form5";
    QTest::newRow("bulb flat") << "toolsMenu"
                               << "球扁钢带板剖面计算(&F)"
                               << "frmBulbFlat";
    QTest::newRow("girder table") << "toolsMenu"
                                  << "船体剖面模数计算表(&G)"
                                  << "frmGirderTable";
    QTest::newRow("about") << "helpMenu"
                           << "关于(&A)"
                           << "frmAbout";
}

void TestForm2::menuBarActionsDoWhatTheButtonsDo() {
    QFETCH(QString, menu);
    QFETCH(QString, action);
    QFETCH(QString, window);
    auto* found = menu_->findChild<QMenu*>(menu);
    QVERIFY(found != nullptr);
    QAction* item = nullptr;
    for (QAction* candidate : found->actions()) {
        item = candidate->text() == action ? candidate : item;
    }
    QVERIFY(item != nullptr);
    item->trigger();
    auto* target = WindowRuntime::instance().find(window);
    QVERIFY(target != nullptr && target->isVisible());
    QVERIFY(!menu_->isVisible());
    Hide(window);
    Show("Form2");
}

void TestForm2::helpShowsTheGuide() {
    QVERIFY(menu_->usageWindow() == nullptr);
    QTest::keyClick(menu_, Qt::Key_F1);
    QWidget* usage = menu_->usageWindow();
    QVERIFY(usage != nullptr);
    QVERIFY(usage->isVisible());
    QCOMPARE(usage->windowTitle(), QStringLiteral("使用说明"));
    QVERIFY(usage->isWindow());
    const QString text = usage->findChild<QTextBrowser*>("usageText")->toPlainText();
    for (const char* shown :
         {"剖面详图", "Ctrl+S", "Ctrl+P", "Ctrl+Shift+C", "F2", "Shift+F10", "corvane-batch"}) {
        QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
    }
    // The menu stays; the guide closes with Escape and comes back the same.
    QVERIFY(menu_->isVisible());
    QTest::keyClick(usage, Qt::Key_Escape);
    QVERIFY(!usage->isVisible());
    menu_->showUsage();
    QCOMPARE(menu_->usageWindow(), usage);
}

void TestForm2::endUnloadsEveryWindowAndEndsTheProgram() {
    for (const char* name : windowNames) {
        Show(name);
        Hide(name);
    }
    Show("Form2");
    QTest::mouseClick(menu_->findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QCOMPARE(WindowRuntime::instance().loadedCount(), 0);
    QCOMPARE(lastUnloads_, 1);
}

void TestForm2::endRightAfterStart() {
    QTest::mouseClick(menu_->findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QVERIFY(!WindowRuntime::instance().isLoaded("Form2"));
    QCOMPARE(lastUnloads_, 1);
}

void TestForm2::closeBoxEndsTheProgram() {
    Show("Form5");
    Hide("Form5");
    Show("Form2");
    menu_->close();
    QCOMPARE(WindowRuntime::instance().loadedCount(), 0);
    QCOMPARE(lastUnloads_, 1);
}

// The details window belongs to its section window: 结束 takes it away with
// the rest, and nothing is left to keep the program running.
void TestForm2::endClosesTheSectionDetails() {
    WindowRuntime::instance().define("Form1", [] { return new Form1; });
    QTest::mouseClick(menu_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    auto* form = static_cast<Form1*>(WindowRuntime::instance().find("Form1"));
    QVERIFY(form != nullptr);
    const QStringList entries{"600", "10", "300", "10", "100", "12", "2400"};
    for (int i = 0; i < entries.size(); ++i) {
        QTest::keyClicks(form->textBox(controlName("Text1", i)), entries[i]);
    }
    QTest::mouseClick(form->findChild<QPushButton*>("Command5"), Qt::LeftButton);
    form->showDetails();
    QPointer<SectionDetailsWindow> details = form->findChild<SectionDetailsWindow*>();
    QVERIFY(details && details->isVisible());

    QTest::mouseClick(form->findChild<QPushButton*>("Command7"), Qt::LeftButton);
    QVERIFY(menu_->isVisible());
    QTest::mouseClick(menu_->findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QCOMPARE(WindowRuntime::instance().loadedCount(), 0);
    QCOMPARE(lastUnloads_, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(details.isNull());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
}

void TestForm2::tabOrderPutsPipeAndCalculatorLast() {
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
    QCOMPARE(test::tabWalk(9),
             QStringList({"Command2", "Command3", "Command4", "Picture1", "Picture2", "Picture3",
                          "Command5", "Command6", "Command1"}));
}

// 工具 → 语言 / Language: the remembered language is checked; choosing the
// other one remembers it and says, in both languages, that it applies from
// the next start; choosing the present one says nothing.
void TestForm2::languageMenuRemembersTheChoice_data() {
    QTest::addColumn<QString>("remembered"); // "" when none
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("checkedBefore");
    QTest::addColumn<QString>("rememberedAfter");
    QTest::addColumn<QString>("message"); // "" when none
    const QString toEnglish = QStringLiteral(
        "界面语言在下次启动程序时改变。\nThe language changes when the program next starts.");
    QTest::newRow("English, none remembered") << QString() << "en"
                                              << "zh"
                                              << "en" << toEnglish;
    QTest::newRow("English again") << "en"
                                   << "en"
                                   << "en"
                                   << "en" << QString();
    QTest::newRow("back to Chinese") << "en"
                                     << "zh"
                                     << "en"
                                     << "zh" << toEnglish;
    QTest::newRow("Chinese, none remembered") << QString() << "zh"
                                              << "zh"
                                              << "zh" << QString();
}

void TestForm2::languageMenuRemembersTheChoice() {
    QFETCH(QString, remembered);
    QFETCH(QString, chosen);
    QFETCH(QString, checkedBefore);
    QFETCH(QString, rememberedAfter);
    QFETCH(QString, message);
    if (!remembered.isEmpty()) {
        rememberLanguage(*languageFromCode(remembered));
    }
    test::unloadAll({"Form2"});
    menu_ = static_cast<Form2*>(Show("Form2"));
    auto* languages = menu_->findChild<QMenu*>(QStringLiteral("languageMenu"));
    QVERIFY(languages != nullptr);
    QCOMPARE(languages->menuAction()->text(), QStringLiteral("语言 / Language(&L)"));
    QStringList names;
    QString checked;
    for (const QAction* action : languages->actions()) {
        names << action->text();
        QVERIFY(action->isCheckable());
        if (action->isChecked()) {
            checked += action->objectName().mid(QStringLiteral("language_").size());
        }
    }
    QCOMPARE(names, (QStringList{QStringLiteral("中文"), QStringLiteral("English")}));
    QCOMPARE(checked, checkedBefore);

    test::MessageBoxRecorder boxes;
    languages->findChild<QAction*>(QStringLiteral("language_") + chosen)->trigger();
    QCOMPARE(languageCode(rememberedLanguage()), rememberedAfter);
    QCOMPARE(boxes.shown.size(), message.isEmpty() ? std::size_t{0} : std::size_t{1});
    if (!message.isEmpty()) {
        // The present language is Chinese; the chosen one's words follow
        // (English both ways: the Chinese source is the present text).
        QVERIFY2(boxes.shown[0].text.startsWith(message.section(QLatin1Char('\n'), 0, 0)),
                 qPrintable(boxes.shown[0].text));
        if (chosen == QLatin1String("en")) {
            QCOMPARE(boxes.shown[0].text, message);
        }
    }
    QCOMPARE(currentLanguage(), Language::Chinese); // no window changes before the next start
}

CORVANE_TEST_MAIN(TestForm2)
#include "tst_form2.moc"
