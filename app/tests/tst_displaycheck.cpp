#include "displaycheck.h"
#include "testsupport.h"

#include <QProcess>
#include <QProcessEnvironment>

using namespace corvane;

// Starting without a graphical display: a plain message and status 1, not
// the toolkit's abort; and no false alarm where a display is there.
class TestDisplayCheck : public QObject {
    Q_OBJECT

  private slots:
    void decidesFromPlatformAndDisplay_data();
    void decidesFromPlatformAndDisplay();
    void withoutAnyDisplayThePlainMessageAndStatus1_data();
    void withoutAnyDisplayThePlainMessageAndStatus1();
    void offscreenPlatformStartsAsUsual();
};

void TestDisplayCheck::decidesFromPlatformAndDisplay_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<bool>("waylandSocket");
    QTest::addColumn<bool>("available");
#if defined(Q_OS_WIN)
    // Windows always has its desktop.
    const bool desktopWithoutDisplay = true;
#else
    const bool desktopWithoutDisplay = false;
#endif
    QTest::newRow("nothing at all") << ""
                                    << ""
                                    << "" << false << desktopWithoutDisplay;
    QTest::newRow("X11 display") << ""
                                 << ":0"
                                 << "" << false << true;
    QTest::newRow("Wayland display") << ""
                                     << ""
                                     << "wayland-1" << false << true;
    QTest::newRow("Wayland default socket") << ""
                                            << ""
                                            << "" << true << true;
    QTest::newRow("offscreen needs no display") << "offscreen"
                                                << ""
                                                << "" << false << true;
    QTest::newRow("offscreen with options") << "offscreen:fontengine=freetype"
                                            << ""
                                            << "" << false << true;
    QTest::newRow("xcb with a display") << "xcb"
                                        << ":99"
                                        << "" << false << true;
    QTest::newRow("xcb without one") << "xcb"
                                     << ""
                                     << "wayland-0" << false << false;
    QTest::newRow("wayland without one") << "wayland"
                                         << ":0"
                                         << "" << false << false;
    QTest::newRow("first of a list fails, second works") << "wayland;xcb"
                                                         << ":0"
                                                         << "" << false << true;
    QTest::newRow("vnc serves its own display") << "vnc"
                                                << ""
                                                << "" << false << true;
}

void TestDisplayCheck::decidesFromPlatformAndDisplay() {
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(bool, waylandSocket);
    QFETCH(bool, available);
    const DisplayEnvironment environment{platform.toStdString(), display.toStdString(),
                                         wayland.toStdString(), waylandSocket};
    QCOMPARE(hasGraphicalDisplay(environment), available);
}

void TestDisplayCheck::withoutAnyDisplayThePlainMessageAndStatus1_data() {
    QTest::addColumn<QStringList>("variables");
    QTest::newRow("empty environment") << QStringList();
    // The check lets a named X display through; that the display cannot be
    // reached shows only when the toolkit tries it.
    QTest::newRow("unreachable X display") << QStringList{"DISPLAY=:65000"};
}

void TestDisplayCheck::withoutAnyDisplayThePlainMessageAndStatus1() {
#if defined(Q_OS_WIN)
    QSKIP("Windows always has its desktop: the program never lacks a display there");
#endif
    QFETCH(QStringList, variables);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    for (const QString& variable : variables) {
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    }
    QProcess corvane;
    corvane.setProcessEnvironment(environment);
    corvane.start(QStringLiteral(CORVANE_EXECUTABLE), {});
    QVERIFY(corvane.waitForFinished(60000));
    QCOMPARE(corvane.exitStatus(), QProcess::NormalExit);
    QCOMPARE(corvane.exitCode(), 1);
    const QString errors = QString::fromUtf8(corvane.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("Corvane 是桌面程序，需要图形显示环境")),
             qPrintable(errors));
    QVERIFY(errors.contains(
        QStringLiteral("Corvane is a desktop program and needs a graphical display")));
    QVERIFY(errors.contains(QStringLiteral("xvfb-run")));
    QVERIFY(!errors.contains(QStringLiteral("Reinstalling")));
}

void TestDisplayCheck::offscreenPlatformStartsAsUsual() {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess corvane;
    corvane.setProcessEnvironment(environment);
    corvane.start(QStringLiteral(CORVANE_EXECUTABLE), {});
    QVERIFY(corvane.waitForStarted());
    // The program runs until its menu's End button; after a few seconds it
    // has either refused to start (the fault) or is still running.
    const bool ended = corvane.waitForFinished(3000);
    const QString errors = QString::fromUtf8(corvane.readAllStandardError());
    corvane.kill();
    corvane.waitForFinished();
    QVERIFY2(!ended, qPrintable(errors));
    QVERIFY(!errors.contains(QStringLiteral("xvfb-run")));
}

CORVANE_TEST_MAIN(TestDisplayCheck)
#include "tst_displaycheck.moc"
