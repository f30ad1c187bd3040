#include "appobject.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The program's command line, run as a real process with no display at all:
// no DISPLAY, no WAYLAND_DISPLAY and no platform override, so that the
// process would fail if it opened the window system before answering.
class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void versionLineIsTheProgramsVersionAlone();
    void manualSaysWhatTheProgramDoes_data();
    void manualSaysWhatTheProgramDoes();
    void languageIsChosenAndRemembered_data();
    void languageIsChosenAndRemembered();

  private:
    struct Result {
        int status;
        QString out;
        QString err;
    };
    // Each run remembers its settings in a folder of its own (the
    // program's settings live under XDG_CONFIG_HOME), empty at the start.
    static Result run(const QStringList& arguments, const QString& configFolder = QString(),
                      const QString& locale = QString());
};

namespace {

[[maybe_unused]] void clearSettings() {
    QSettings settings(corvane::App::SettingsOrganization, corvane::App::SettingsApplication);
    settings.clear();
    settings.sync();
}

} // namespace

TestCommandLine::Result TestCommandLine::run(const QStringList& arguments,
                                             const QString& configFolder, const QString& locale) {
#if defined(Q_OS_WIN)
    // Windows keeps the settings in the registry, whatever XDG_CONFIG_HOME
    // says: a run without a folder of its own starts from none there too.
    if (configFolder.isEmpty()) {
        clearSettings();
    }
#endif
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    static const QTemporaryDir fresh; // settings never written to (no --lang given)
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       configFolder.isEmpty() ? fresh.path() : configFolder);
    if (!locale.isEmpty()) {
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.insert(QString::fromLatin1(name), locale);
        }
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORVANE_PROGRAM), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, QStringLiteral("did not end")};
    }
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestCommandLine::answersWithoutDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    // Text the output must contain; an empty text: that stream stays empty.
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString version = QStringLiteral("corvane 1.2.0\n");
    const QString usage = QStringLiteral("用法：corvane [选项]");
    const QString hint = QStringLiteral("用 corvane --help 查看可用的选项。");

    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
    QTest::newRow("-v") << QStringList{"-v"} << 0 << version << QString();
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
    QTest::newRow("help before version")
        << QStringList{"--version", "--help"} << 0 << usage << QString();
    // Qt's window-system options are left for QApplication, not refused.
    QTest::newRow("Qt option with its value")
        << QStringList{"-platform", "xcb", "--version"} << 0 << version << QString();
    QTest::newRow("Qt option, value after =")
        << QStringList{"-style=Fusion", "-reverse", "-v"} << 0 << version << QString();

    QTest::newRow("unknown long option") << QStringList{"--frobnicate"} << 2 << QString()
                                         << QStringLiteral("未知选项“--frobnicate”");
    QTest::newRow("unknown short option")
        << QStringList{"-x"} << 2 << QString() << QStringLiteral("未知选项“-x”");
    QTest::newRow("unknown option with a value")
        << QStringList{"--units=mm"} << 2 << QString() << QStringLiteral("未知选项“--units”");
    QTest::newRow("unknown option wins over --version")
        << QStringList{"--version", "--frobnicate"} << 2 << QString() << hint;
    QTest::newRow("value given to --version")
        << QStringList{"--version=2"} << 2 << QString() << QStringLiteral("选项“--version”不带值");
    QTest::newRow("value missing after a Qt option")
        << QStringList{"-platform"} << 2 << QString() << QStringLiteral("选项“-platform”后缺少值");
    // One section table file is opened; a second is refused before any window.
    QTest::newRow("two file names") << QStringList{"hull.csv", "deck.csv"} << 2 << QString()
                                    << QStringLiteral("不接受参数“deck.csv”");
    QTest::newRow("a file name with --version")
        << QStringList{"hull.csv", "--version"} << 0 << version << QString();
}

void TestCommandLine::answersWithoutDisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Result result = run(arguments);
    QCOMPARE(result.status, status);
    if (out.isEmpty()) {
        QCOMPARE(result.out, QString());
    } else {
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
    }
    if (err.isEmpty()) {
        QCOMPARE(result.err, QString());
    } else {
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
    }
}

// Chinese unless the user chose English: --lang chooses, is remembered for
// the runs after it, and a later --lang overrides; the system's locale alone
// does not switch. An unknown language is refused like an unknown option.
void TestCommandLine::languageIsChosenAndRemembered_data() {
    QTest::addColumn<QList<QStringList>>("before"); // runs in the same settings first
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString chinese = QStringLiteral("用法：corvane [选项]");
    const QString english = QStringLiteral("Usage: corvane [options]");
    const QStringList help{"--help"};
    using Runs = QList<QStringList>;

    QTest::newRow("default") << Runs{} << QString() << help << 0 << chinese << QString();
    QTest::newRow("English locale alone")
        << Runs{} << QStringLiteral("en_US.UTF-8") << help << 0 << chinese << QString();
    QTest::newRow("--lang en") << Runs{} << QString() << QStringList{"--lang", "en", "--help"} << 0
                               << english << QString();
    QTest::newRow("--lang=en") << Runs{} << QString() << QStringList{"--lang=en", "-h"} << 0
                               << english << QString();
    QTest::newRow("--lang zh") << Runs{} << QString() << QStringList{"--lang", "zh", "--help"} << 0
                               << chinese << QString();
    QTest::newRow("remembered") << Runs{{"--lang", "en", "--version"}} << QString() << help << 0
                                << english << QString();
    QTest::newRow("remembered on a Chinese system")
        << Runs{{"--lang", "en", "--version"}} << QStringLiteral("zh_CN.UTF-8") << help << 0
        << english << QString();
    QTest::newRow("overridden and remembered again")
        << Runs{{"--lang", "en", "-v"}, {"--lang", "zh", "-v"}} << QString() << help << 0 << chinese
        << QString();
    QTest::newRow("English error after choosing English")
        << Runs{{"--lang", "en", "-v"}} << QString() << QStringList{"--frobnicate"} << 2
        << QString() << QStringLiteral("unknown option '--frobnicate'");
    QTest::newRow("unknown language")
        << Runs{} << QString() << QStringList{"--lang", "fr"} << 2 << QString()
        << QStringLiteral("选项“--lang”的值“fr”无效：可用 zh 或 en");
    QTest::newRow("unknown language not remembered")
        << Runs{{"--lang", "fr", "-v"}} << QString() << help << 0 << chinese << QString();
    QTest::newRow("language missing") << Runs{} << QString() << QStringList{"--lang"} << 2
                                      << QString() << QStringLiteral("选项“--lang”后缺少值");
}

void TestCommandLine::languageIsChosenAndRemembered() {
    QFETCH(QList<QStringList>, before);
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const QTemporaryDir config;
    QVERIFY(config.isValid());
#if defined(Q_OS_WIN)
    clearSettings(); // the registry's, for the folder that stands for them
#endif
    for (const QStringList& earlier : before) {
        run(earlier, config.path());
    }
    const Result result = run(arguments, config.path(), locale);
    QCOMPARE(result.status, status);
    if (out.isEmpty()) {
        QCOMPARE(result.out, QString());
    } else {
        QVERIFY2(result.out.contains(out), qPrintable(result.out));
    }
    QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err),
             qPrintable(result.err));
}

// Scripts read the version line: one line, the name and the version the
// About box shows, nothing else.
void TestCommandLine::versionLineIsTheProgramsVersionAlone() {
    const Result result = run({QStringLiteral("--version")});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, QStringLiteral("corvane 1.2.0\n"));
}

void TestCommandLine::manualSaysWhatTheProgramDoes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    QTest::newRow("no claim to write no file") << "reads and writes no file" << false;
    QTest::newRow("no claim to keep nothing") << "keeps nothing between runs" << false;
    QTest::newRow("settings kept") << "Corvane.conf" << true;
    QTest::newRow("details window") << "剖面详图… \" (F2)\"" << true;
    QTest::newRow("export") << "导出计算书(PDF)… \" (Ctrl+S)\"" << true;
    QTest::newRow("print") << "打印计算书… \" (Ctrl+P)\"" << true;
    QTest::newRow("copy") << "复制结果 \" (Ctrl+Shift+C)\"" << true;
    QTest::newRow("copy drawing") << "复制图形 \" (Ctrl+Shift+D)\"" << true;
    QTest::newRow("svg") << "导出图形(SVG)… \" (Ctrl+Shift+S)\"" << true;
    QTest::newRow("context menu key") << "Shift+F10" << true;
    QTest::newRow("a table file to open") << ".RI [ file ]" << true;
    QTest::newRow("section table window") << "船体剖面模数计算表" << true;
    QTest::newRow("see also") << ".SH SEE ALSO\n.BR corvane\\-batch (1)" << true;
    QTest::newRow("exit status 1, no display") << ".TP\n.B 1\nNo display" << true;
}

void TestCommandLine::manualSaysWhatTheProgramDoes() {
    QFETCH(QString, text);
    QFETCH(bool, present);
    QFile manual(QStringLiteral(CORVANE_MANUAL));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll());
    QCOMPARE(page.contains(text), present);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
