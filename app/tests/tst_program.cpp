#include "form.h"
#include "forms.h"
#include "msgbox.h"
#include "programwindows.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

using namespace corvane;

// Checks that hold for every window of the program alike.
class TestProgram : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
    void everyControlLiesInsideItsWindow_data();
    void everyControlLiesInsideItsWindow();
    void designFontsResolveToInstalledChineseFaces_data();
    void designFontsResolveToInstalledChineseFaces();
    void messageBoxIsModalWithChineseOkAndNoIcon();

  private:
    static void addWindowRows();
};

void TestProgram::initTestCase() {
    defineWindows(WindowRuntime::instance());
    WindowRuntime::instance().setOnLastUnload({});
}

void TestProgram::cleanup() {
    test::unloadAll({"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout"});
}

void TestProgram::addWindowRows() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestProgram::everyControlHasAnAccessibleName_data() {
    addWindowRows();
}

void TestProgram::everyControlHasAnAccessibleName() {
    QFETCH(QString, window);
    Form* form = Show(window);
    QVERIFY(form != nullptr);
    int checked = 0;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const bool operable = qobject_cast<QAbstractButton*>(control) != nullptr ||
                              qobject_cast<QLineEdit*>(control) != nullptr ||
                              control->focusPolicy() != Qt::NoFocus;
        if (!operable || control->parentWidget() == nullptr ||
            control->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible != nullptr);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
        ++checked;
    }
    QVERIFY(checked >= 3);
}

void TestProgram::everyControlLiesInsideItsWindow_data() {
    addWindowRows();
}

void TestProgram::everyControlLiesInsideItsWindow() {
    QFETCH(QString, window);
    Form* form = Show(window);
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow()) {
            continue;
        }
        QVERIFY2(form->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
}

void TestProgram::designFontsResolveToInstalledChineseFaces_data() {
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QString>("installed");
    QTest::newRow("Song") << "宋体"
                          << "AR PL UMing CN";
    QTest::newRow("Kai") << "楷体_GB2312"
                         << "AR PL UKai CN";
    QTest::newRow("Li, with Kai standing in") << "隶书"
                                              << "AR PL UKai CN";
}

void TestProgram::designFontsResolveToInstalledChineseFaces() {
    QFETCH(QString, designed);
    QFETCH(QString, installed);
    QCOMPARE(QFontInfo(designFont(designed, 12)).family(), installed);
}

void TestProgram::messageBoxIsModalWithChineseOkAndNoIcon() {
    const MessageBoxPresenter recorder = setMessageBoxPresenter({}); // the real box
    QString okText;
    QString title;
    bool iconless = false;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        okText = box->button(QMessageBox::Ok)->text();
        title = box->windowTitle();
        iconless = box->icon() == QMessageBox::NoIcon;
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    MsgBox(nullptr, QStringLiteral("此时系统信息不可用"));
    setMessageBoxPresenter(recorder);
    QCOMPARE(okText.remove(QLatin1Char('&')), QStringLiteral("确定"));
    QCOMPARE(title, QStringLiteral("Corvane"));
    QVERIFY(iconless);
    QVERIFY(modal);
}

CORVANE_TEST_MAIN(TestProgram)
#include "tst_program.moc"
