#include "commandline.h"

#include "appobject.h"
#include "language.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace corvane {

namespace {

// Exit status for a command line the program does not understand, as the
// usual command-line tools use it.
constexpr int UsageError = 2;

// The generic options that QGuiApplication and QApplication take from the
// command line, with and without a value. They pass through untouched.
const char* const qtOptionsWithValue[] = {
    "lang", // the program's own: the language of its texts
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "name",
    "title",
    "visual",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
const char* const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

#if defined(Q_OS_WIN)
// corvane.exe is a GUI program: Windows gives it no console, and standard
// output and error are closed unless the caller redirected them. Started
// from a console, it writes to that console, as a console program would.
void reachParentConsole() {
    static bool tried = false;
    if (tried) {
        return;
    }
    tried = true;
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
        return; // redirected into a file or a pipe: write there
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE* ignored = nullptr;
        freopen_s(&ignored, "CONOUT$", "w", stdout);
        freopen_s(&ignored, "CONOUT$", "w", stderr);
    }
}
#endif

void print(std::FILE* stream, const QString& text) {
#if defined(Q_OS_WIN)
    reachParentConsole();
    // A console shows UTF-16 whatever its code page; a file or a pipe gets
    // the same UTF-8 bytes as on Linux.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        const std::wstring wide = text.toStdWString();
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // No "\n" to "\r\n": the bytes are those of every other platform.
    _setmode(_fileno(stream), _O_BINARY);
#endif
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

// The command line is answered before the application object exists, so its
// texts are translated with translateEarly, in the language chosen.
Language language = Language::Chinese;

QString text(const char* sourceText) {
    return translateEarly(language, "CommandLine", sourceText);
}

QString helpText(const QString& program) {
    return text(
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "用法：%1 [选项] [表格文件]\n"
                   "\n"
                   "Corvane 船舶结构计算工具：船体结构剖面模数计算器、组合型材剖面模数计算器、"
                   "钢管参数计算和工程计算器。\n"
                   "不带选项时打开主菜单窗口；给出表格文件（CSV）时在船体剖面模数计算表中打开它。\n"
                   "\n"
                   "选项：\n"
                   "  -h, --help     显示本帮助并退出\n"
                   "  -v, --version  显示版本号并退出\n"
                   "  --lang zh|en   界面语言：zh 中文（默认），en 英文；程序记住这一选择\n"
                   "\n"
                   "也接受 Qt 的窗口系统选项，如 -platform、-display、-style。\n"))
        .arg(program);
}

void reportUsageError(const QString& program, const QString& problem) {
    print(stderr, text(QT_TRANSLATE_NOOP("CommandLine", "%1：%2\n用 %1 --help 查看可用的选项。\n"))
                      .arg(program, problem));
}

// The option as the user typed it, without a value given after "=".
QString optionAsTyped(const QString& argument) {
    return argument.left(argument.indexOf(QLatin1Char('=')));
}

QString optionName(const QString& argument) {
    QString name = optionAsTyped(argument);
    while (name.startsWith(QLatin1Char('-'))) {
        name.remove(0, 1);
    }
    return name;
}

// Says in the program's own words what the parser rejected.
QString describeParseError(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) {
            break;
        }
        if (!argument.startsWith(QLatin1Char('-'))) {
            continue;
        }
        const QString name = optionName(argument);
        if (unknown.contains(name)) {
            return text(QT_TRANSLATE_NOOP("CommandLine", "未知选项“%1”。"))
                .arg(optionAsTyped(argument));
        }
        const bool takesValue =
            std::any_of(std::begin(qtOptionsWithValue), std::end(qtOptionsWithValue),
                        [&](const char* option) { return name == QLatin1String(option); });
        if (!takesValue && argument.contains(QLatin1Char('='))) {
            return text(QT_TRANSLATE_NOOP("CommandLine", "选项“%1”不带值。"))
                .arg(optionAsTyped(argument));
        }
        if (takesValue && !argument.contains(QLatin1Char('=')) && argument == arguments.last()) {
            return text(QT_TRANSLATE_NOOP("CommandLine", "选项“%1”后缺少值。")).arg(argument);
        }
    }
    return parser.errorText();
}

} // namespace

std::optional<int> handleCommandLine(int argc, char** argv, Language& chosen, QString* file) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // The name the program is typed as: on Windows without ".exe", as
    // `corvane --help` runs it there too.
    QString program =
        arguments.isEmpty() ? QStringLiteral("corvane") : QFileInfo(arguments.first()).fileName();
#if defined(Q_OS_WIN)
    if (program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        program.chop(4);
    }
#endif

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform xcb); "-h" and "-v" stay
    // valid as words of one letter.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("language"));
    parser.addOption(lang);
    for (const char* name : qtOptionsWithValue) {
        if (name != lang.names().first()) {
            parser.addOption(
                QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        }
    }
    for (const char* name : qtFlags) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }

    // The language is the one chosen on this command line, else the one
    // remembered; the messages below already speak it.
    const bool parsed = parser.parse(arguments);
    const bool langGiven = parsed && parser.isSet(lang);
    const std::optional<Language> given =
        languageFromCode(langGiven ? parser.value(lang) : QString());
    language = given.value_or(rememberedLanguage());
    if (!parsed) {
        reportUsageError(program, describeParseError(parser, arguments));
        return UsageError;
    }
    if (langGiven && !given) {
        reportUsageError(
            program,
            text(QT_TRANSLATE_NOOP("CommandLine", "选项“--lang”的值“%1”无效：可用 zh 或 en。"))
                .arg(parser.value(lang)));
        return UsageError;
    }
    // One section table file at most: the table window edits one.
    if (parser.positionalArguments().size() > 1) {
        reportUsageError(program, text(QT_TRANSLATE_NOOP("CommandLine",
                                                         "只能打开一个表格文件，不接受参数“%1”。"))
                                      .arg(parser.positionalArguments().at(1)));
        return UsageError;
    }
    if (langGiven) {
        rememberLanguage(language);
    }
    chosen = language;
    if (parser.isSet(help)) {
        print(stdout, helpText(program));
        return 0;
    }
    if (parser.isSet(version)) {
        // A fixed name, so that scripts can read the line whatever the file
        // is called.
        print(stdout, QStringLiteral("corvane %1\n").arg(App::Version));
        return 0;
    }
    if (file != nullptr && !parser.positionalArguments().isEmpty()) {
        *file = parser.positionalArguments().first();
    }
    return std::nullopt;
}

} // namespace corvane
