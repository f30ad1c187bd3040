// Times the calculation sheet: from the 导出计算书(PDF) action of the hull
// section window to the PDF written and renamed into place, for the first
// worked example. With --examples DIR it writes instead the sheets of the
// first worked example of each section window into DIR, and those of the
// bulb flats and the flat bar on plating with the flat bar's hull twin, and
// the sheet of the example midship section table found in DIR; with --lang en
// too, the same in English, each file named with "-en".
//
// Prints the median, fastest and slowest of `runs` exports, then the first.
// Usage: sheet_bench [runs] | sheet_bench --examples DIR [--lang zh|en]

#include "appobject.h"
#include "exportdialogs.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "formhp.h"
#include "forms.h"
#include "girderfile.h"
#include "girdersheet.h"
#include "language.h"
#include "msgbox.h"
#include "resultexport.h"
#include "runtime.h"
#include "windownames.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace corvane;

namespace {

SectionForm* calculate(const QString& window, const QStringList& entries) {
    auto* form = static_cast<SectionForm*>(Show(window));
    for (std::size_t i = 0; i < form->entryFields().size(); ++i) {
        form->entryFields()[i]->setText(entries[static_cast<int>(i)]);
    }
    form->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    return form;
}

// The bulb-flat window: a listed size, or "FB" h "x" t for a flat bar, on
// plating b, t_p, l.
QWidget* calculateProfile(const QString& profile, const QStringList& plating) {
    QWidget* form = Show(WindowName::BulbFlat);
    if (profile.startsWith(QStringLiteral("FB"))) {
        const QStringList ht = profile.mid(2).split(QLatin1Char('x'));
        form->findChild<QRadioButton*>(QStringLiteral("optFlatBar"))->setChecked(true);
        form->findChild<QLineEdit*>(QStringLiteral("txtHeight"))->setText(ht[0]);
        form->findChild<QLineEdit*>(QStringLiteral("txtThickness"))->setText(ht[1]);
    } else {
        form->findChild<QRadioButton*>(QStringLiteral("optBulbFlat"))->setChecked(true);
        form->findChild<QComboBox*>(QStringLiteral("cboSize"))->setCurrentText(profile);
    }
    const char* const names[] = {"txtPlateWidth", "txtPlateThickness", "txtSpan"};
    for (int i = 0; i < 3; ++i) {
        form->findChild<QLineEdit*>(QString::fromLatin1(names[i]))->setText(plating[i]);
    }
    form->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
    return form;
}

// 导出计算书(PDF)…, by its shortcut, whatever the language calls it.
QAction* exportAction(QWidget* form) {
    for (QAction* action : form->actions()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S)) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    initialiseRuntime();
    // Keep the user's remembered folder and project line out of it.
    QStandardPaths::setTestModeEnabled(true);
    setMessageBoxPresenter([](const MessageBoxRequest& request) {
        std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
    });
    WindowRuntime& windows = WindowRuntime::instance();
    windows.define(WindowName::HullSection, [] { return new Form1; });
    windows.define(WindowName::BuiltUpSection, [] { return new Form3; });
    windows.define(WindowName::Pipe, [] { return new Form4; });
    windows.define(WindowName::BulbFlat, [] { return new FormHp; });

    QString target;
    setSavePathAsker([&target](const SavePathRequest&) { return target; });
    setOverwriteConfirmer([](QWidget*, const QString&) { return true; });

    const QStringList arguments = QCoreApplication::arguments();
    const bool english = arguments.size() == 5 && arguments[3] == QStringLiteral("--lang") &&
                         languageFromCode(arguments[4]) == Language::English;
    if ((arguments.size() == 3 || arguments.size() == 5) &&
        arguments[1] == QStringLiteral("--examples")) {
        const QDir dir(arguments[2]);
        if (english) {
            installLanguage(Language::English);
        }
        ResultExport::setProject(english ? QStringLiteral("Example project")
                                         : QStringLiteral("示例项目"));
        // hull.pdf, or hull-en.pdf in English.
        const auto fileName = [english](const char* file) {
            QString name = QString::fromLatin1(file);
            return english ? name.replace(QStringLiteral(".pdf"), QStringLiteral("-en.pdf")) : name;
        };
        const struct {
            QString window;
            QStringList entries;
            const char* file;
        } examples[] = {
            {WindowName::HullSection, {"600", "10", "300", "10", "100", "12", "2400"}, "hull.pdf"},
            {WindowName::BuiltUpSection, {"100", "10", "200", "8", "100", "10"}, "builtup.pdf"},
            {WindowName::Pipe, {"100", "10"}, "pipe.pdf"},
            // The flat bar's twin in the hull window: web 200 x 10, no face plate.
            {WindowName::HullSection,
             {"600", "10", "200", "10", "0", "0", "2400"},
             "hull-fb200x10.pdf"},
        };
        for (const auto& example : examples) {
            SectionForm* form = calculate(example.window, example.entries);
            target = dir.absoluteFilePath(fileName(example.file));
            exportAction(form)->trigger();
            std::printf("%s\n", qPrintable(target));
        }
        const struct {
            QString profile;
            QStringList plating;
            const char* file;
        } profiles[] = {
            {QStringLiteral("HP 200×10"), {"600", "10", "2400"}, "hp200x10.pdf"},
            {QStringLiteral("HP 120×8"), {"500", "8", "1800"}, "hp120x8.pdf"},
            {QStringLiteral("FB200x10"), {"600", "10", "2400"}, "fb200x10.pdf"},
        };
        for (const auto& example : profiles) {
            QWidget* form = calculateProfile(example.profile, example.plating);
            target = dir.absoluteFilePath(fileName(example.file));
            exportAction(form)->trigger();
            std::printf("%s\n", qPrintable(target));
        }
        // The example midship section's table, beside its sheet.
        const QString table = dir.absoluteFilePath(QStringLiteral("bulk-carrier-midship.csv"));
        const auto document = openGirderFile(table.toStdString());
        if (const auto* refused = std::get_if<GirderFileError>(&document)) {
            std::fprintf(stderr, "%s: line %zu: %s\n", qPrintable(table), refused->line,
                         refused->reason.c_str());
            return 1;
        }
        const CalcSheet sheet = girderSheet(
            QStringLiteral("bulk-carrier-midship"), girderTable(std::get<GirderDocument>(document)),
            {QDateTime::currentDateTime(), App::Title + QLatin1Char(' ') + App::versionText(),
             ResultExport::project(), 0});
        target = dir.absoluteFilePath(fileName("bulk-carrier-midship.pdf"));
        QString error;
        if (!ResultExport::writeSheetPdf(sheet, target, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%s\n", qPrintable(target));
        return 0;
    }

    const int runs = arguments.size() > 1 ? arguments[1].toInt() : 20;
    QTemporaryDir dir;
    SectionForm* form =
        calculate(WindowName::HullSection, {"600", "10", "300", "10", "100", "12", "2400"});
    QAction* action = exportAction(form);
    target = dir.filePath(QStringLiteral("sheet.pdf"));
    // The first run loads and indexes the fonts; it is reported apart.
    QElapsedTimer timer;
    timer.start();
    action->trigger();
    const double first = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::vector<double> times;
    for (int i = 0; i < std::max(runs, 1); ++i) {
        timer.start();
        action->trigger();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f %.1f %.1f\n", times[times.size() / 2], times.front(), times.back(),
                first);
    return 0;
}
