#include "appobject.h"
#include "fakesystem.h"
#include "frmabout.h"
#include "menustub.h"
#include "sysinfo.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace corvane;

using namespace corvane::test;

class TestAbout : public QObject {
    Q_OBJECT

    frmAbout* showAbout();

    // Replaced for every test; each window is gone before its fakes.
    std::unique_ptr<InMemoryRegistry> registry_;
    std::unique_ptr<RecordingSystem> system_;

  private slots:
    void initTestCase() { test::defineMenuStub(); }
    void init();
    void cleanup();

    void captionsAfterLoading();
    void picturesShowTheirImages();
    void returnsToTheMenu_data();
    void returnsToTheMenu();
    void systemInformationButton_data();
    void systemInformationButton();
    void secondShowingKeepsCaptionsWithoutLoadingAgain();
    void tabOrderStartsOnOK();
};

void TestAbout::init() {
    registry_ = std::make_unique<InMemoryRegistry>();
    system_ = std::make_unique<RecordingSystem>();
}

void TestAbout::cleanup() {
    test::unloadAll({"frmAbout", "Form2"});
}

frmAbout* TestAbout::showAbout() {
    WindowRuntime::instance().define("frmAbout",
                                     [this] { return new frmAbout(*registry_, *system_); });
    auto* about = static_cast<frmAbout*>(Show("frmAbout"));
    if (!QTest::qWaitForWindowActive(about)) {
        qWarning("the About box did not become active");
    }
    return about;
}

void TestAbout::captionsAfterLoading() {
    frmAbout* about = showAbout();
    QCOMPARE(about->windowTitle(), QStringLiteral("关于 Corvane"));
    QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Corvane"));
    QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("版本 1.2.0"));
    QCOMPARE(about->findChild<QLabel*>("lblDisclaimer")->text(),
             QStringLiteral(
                 "说明：1、船体结构剖面模数计算器适用于船体强力构件，如强肋骨、舷侧纵桁等。") +
                 QString(32, u' ') +
                 QStringLiteral("2、组合型材剖面模数计算器适用于各类工字梁、T型材。"));
    const QString credits = about->findChild<QLabel*>("lblDescription")->text();
    QVERIFY(credits.startsWith(QStringLiteral("作者：")));
    // The same address as the menu's contact line.
    QVERIFY(credits.endsWith(QStringLiteral("经验交流E-mail：") + App::ContactAddress +
                             QStringLiteral("。")));
}

void TestAbout::picturesShowTheirImages() {
    frmAbout* about = showAbout();
    const auto picture = [about](const char* name) { return about->findChild<QLabel*>(name); };
    QCOMPARE(picture("picIcon")->pixmap().size(), QSize(32, 32));
    QCOMPARE(picture("picIcon")->contentsRect().size(), QSize(32, 32));
    QCOMPARE(picture("Picture1")->pixmap().size(), QSize(370, 178));
    QCOMPARE(picture("Picture2")->pixmap().size(), QSize(32, 32));
}

void TestAbout::returnsToTheMenu_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key"); // 0: click the focused control

    QTest::newRow("OK clicked") << "cmdOK" << 0;
    QTest::newRow("icon clicked") << "picIcon" << 0;
    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return);
    QTest::newRow("Enter on the icon") << "picIcon" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter on a picture") << "Picture1" << int(Qt::Key_Enter);
    QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape);
    QTest::newRow("Escape on the system information button") << "cmdSysInfo" << int(Qt::Key_Escape);
    QTest::newRow("close box") << "" << -1;
}

void TestAbout::returnsToTheMenu() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    frmAbout* about = showAbout();
    QWidget* control = about->findChild<QWidget*>(focus);
    if (key == 0) {
        QTest::mouseClick(control, Qt::LeftButton);
    } else if (key > 0) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key(key));
    } else {
        about->close();
    }
    QVERIFY(!about->isVisible());
    QVERIFY(WindowRuntime::instance().isLoaded("frmAbout"));
    QVERIFY(WindowRuntime::instance().find("Form2")->isVisible());
    QVERIFY(system_->attempted.isEmpty());
    QVERIFY(registry_->opened.isEmpty());
}

void TestAbout::systemInformationButton_data() {
    QTest::addColumn<bool>("accessKey"); // Alt+S, or Enter with the focus on the button
    QTest::addColumn<bool>("registered");
    QTest::newRow("Alt+S, tool registered") << true << true;
    QTest::newRow("Alt+S, nothing registered") << true << false;
    QTest::newRow("Enter on the button, nothing registered") << false << false;
}

void TestAbout::systemInformationButton() {
    QFETCH(bool, accessKey);
    QFETCH(bool, registered);
    if (registered) {
        registry_->set(toolKey, "PATH", Sz, withNul(toolPath));
        system_->startable << toolPath;
    }
    frmAbout* about = showAbout();
    test::MessageBoxRecorder boxes;
    if (accessKey) {
        QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
    } else {
        about->findChild<QPushButton*>("cmdSysInfo")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // An access key presses its button the way a click looks: after a moment.
    QTRY_COMPARE(registry_->opened.value(0), toolKey);
    QCOMPARE(system_->attempted, registered ? QStringList{toolPath} : QStringList());
    QCOMPARE(boxes.shown.size(), std::size_t(registered ? 0 : 1));
    if (!registered) {
        QCOMPARE(boxes.shown[0].text, QStringLiteral("此时系统信息不可用"));
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Corvane"));
        QCOMPARE(boxes.shown[0].parent, about);
    }
    // The box stays open and usable either way.
    QVERIFY(about->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(WindowRuntime::instance().find("Form2")->isVisible());
}

void TestAbout::secondShowingKeepsCaptionsWithoutLoadingAgain() {
    frmAbout* about = showAbout();
    auto* title = about->findChild<QLabel*>("lblTitle");
    title->setText("marker"); // a second Form_Load would put "Corvane" back
    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QCOMPARE(Show("frmAbout"), about);
    QVERIFY(about->isVisible());
    QCOMPARE(title->text(), QStringLiteral("marker"));
    QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("版本 1.2.0"));
}

void TestAbout::tabOrderStartsOnOK() {
    showAbout();
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdOK"));
    QCOMPARE(test::tabWalk(5),
             QStringList({"picIcon", "cmdSysInfo", "Picture1", "Picture2", "cmdOK"}));
}

CORVANE_TEST_MAIN(TestAbout)
#include "tst_about.moc"
