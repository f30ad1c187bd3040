#include "appobject.h"
#include "calcsheet.h"
#include "exportdialogs.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "forms.h"
#include "menustub.h"
#include "resultexport.h"
#include "sectiondetailswindow.h"
#include "sectiondrawing.h"
#include "sectiondrawingwidget.h"
#include "smalldisk.h"
#include "testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextItem>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <optional>

using namespace corvane;

namespace {

struct Example {
    const char* window;
    QStringList entries;
};

SectionForm* openWithCalculation(const QString& window, const QStringList& entries) {
    auto* form = static_cast<SectionForm*>(Show(window));
    // Shortcuts reach the active window only.
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form)) {
        qWarning("window not active");
    }
    for (std::size_t i = 0; i < form->entryFields().size(); ++i) {
        QLineEdit* field = form->entryFields()[i];
        field->clear();
        QTest::keyClicks(field, entries[static_cast<int>(i)]);
    }
    QTest::mouseClick(form->findChild<QPushButton*>("Command5"), Qt::LeftButton);
    return form;
}

QAction* actionNamed(QWidget* window, const QString& text) {
    for (QAction* action : window->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromUtf8(process.readAllStandardError()));
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Answers the save dialog with fixed paths and records what it was offered.
class SaveDialogStub {
  public:
    explicit SaveDialogStub(QString answer)
        : previous_(setSavePathAsker([this](const SavePathRequest& request) {
              offered.push_back(request.proposedPath);
              return answer_;
          })),
          answer_(std::move(answer)) {}
    ~SaveDialogStub() { setSavePathAsker(previous_); }
    SaveDialogStub(const SaveDialogStub&) = delete;
    SaveDialogStub& operator=(const SaveDialogStub&) = delete;

    QStringList offered;

  private:
    SavePathAsker previous_;
    QString answer_;
};

class OverwriteStub {
  public:
    explicit OverwriteStub(bool replace)
        : previous_(setOverwriteConfirmer([this, replace](QWidget*, const QString& path) {
              asked << path;
              return replace;
          })) {}
    ~OverwriteStub() { setOverwriteConfirmer(previous_); }
    OverwriteStub(const OverwriteStub&) = delete;
    OverwriteStub& operator=(const OverwriteStub&) = delete;

    QStringList asked;

  private:
    OverwriteConfirmer previous_;
};

} // namespace

class TestResultExport : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void actionsFollowTheCalculationInMenuOrder();
    void copyPutsTheExactRowsAsTextAndHtml();
    void menuBarOffersWhatTheContextMenuOffers_data();
    void menuBarOffersWhatTheContextMenuOffers();
    void copiedCaptionsNameEachPlateAndResult_data();
    void copiedCaptionsNameEachPlateAndResult();
    void sheetOfEachSectionHoldsInputsAndResultsOnOnePage_data();
    void sheetOfEachSectionHoldsInputsAndResultsOnOnePage();
    void proposalUsesTitleTimeAndTheLastFolder();
    void failedExportSaysWhereAndLeavesNoFile_data();
    void failedExportSaysWhereAndLeavesNoFile();
    void replacingAnExistingFileReplacesItWhole_data();
    void replacingAnExistingFileReplacesItWhole();
    void fullDiskKeepsTheOldFileAndSaysWhy_data();
    void fullDiskKeepsTheOldFileAndSaysWhy();
    void cancelledSaveOrPrintChangesNothing();
    void printingGoesToTheChosenPrinter();
    void failingPrinterGivesOneMessage();
    void longTableGoesOnWithoutCuttingARow();
    void netColumnFollowsTheDeduction_data();
    void netColumnFollowsTheDeduction();
    void drawingPutsTheNeutralAxisWhereEDoes_data();
    void drawingPutsTheNeutralAxisWhereEDoes();
    void scaleIsTheLargestOfTheSeriesThatFits_data();
    void detailsWindowOffersTheSheetAndTheDrawing();
    void detailsDeductionAndProjectReachTheSheet();
    void scaleIsTheLargestOfTheSeriesThatFits();
    void longProjectIsPrintedWholeOnEveryPage();
    void firstWorkedExampleFitsOnePage_data();
    void firstWorkedExampleFitsOnePage();
    void numbersLineUpOnTheirPoints();
    void detailsCopyWhatTheyShow();
    void drawingLabelsStayWhole_data();
    void drawingLabelsStayWhole();
    void notesFitTheSection();
    void svgIsInMillimetresWithFallbackFaces();

  private:
    QTemporaryDir dir_;
};

void TestResultExport::initTestCase() {
    // Settings go to a test location, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    test::defineMenuStub();
    WindowRuntime::instance().define("Form1", [] { return new Form1; });
    WindowRuntime::instance().define("Form3", [] { return new Form3; });
    WindowRuntime::instance().define("Form4", [] { return new Form4; });
    QVERIFY(dir_.isValid());
#if !defined(Q_OS_WIN)
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "poppler-utils (pdftotext, pdffonts, pdfinfo) are needed");
#endif
}

void TestResultExport::init() {
    QSettings(App::SettingsOrganization, App::SettingsApplication).clear();
    setPrinterAsker([](QWidget*, QPrinter&) {
        QTest::qFail("unexpected print dialog", __FILE__, __LINE__);
        return false;
    });
}

void TestResultExport::cleanup() {
    setPrinterAsker({});
    test::unloadAll({"Form1", "Form3", "Form4", "Form2"});
}

void TestResultExport::actionsFollowTheCalculationInMenuOrder() {
    auto* form = static_cast<SectionForm*>(Show("Form1"));
    QVERIFY(QTest::qWaitForWindowActive(form));
    const QStringList texts{QStringLiteral("复制结果"), QStringLiteral("导出计算书(PDF)…"),
                            QStringLiteral("打印计算书…")};
    QStringList menuTexts;
    for (QAction* action : form->contextMenu()->actions()) {
        if (!action->isSeparator()) {
            menuTexts << action->text();
        }
    }
    QCOMPARE(menuTexts.mid(menuTexts.size() - 3), texts);
    QCOMPARE(actionNamed(form, texts[0])->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    QCOMPARE(actionNamed(form, texts[1])->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(actionNamed(form, texts[2])->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    for (const QString& text : texts) {
        QVERIFY(!actionNamed(form, text)->isEnabled());
    }
    // Ctrl+S before a calculation asks for nothing.
    SaveDialogStub dialog({});
    QTest::keyClick(form->entryFields()[0], Qt::Key_S, Qt::ControlModifier);
    QVERIFY(dialog.offered.isEmpty());

    openWithCalculation("Form1", {"600", "10", "300", "10", "100", "12", "2400"});
    for (const QString& text : texts) {
        QVERIFY(actionNamed(form, text)->isEnabled());
    }
    QTest::keyClick(form->entryFields()[0], Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialog.offered.size(), 1);

    QTest::mouseClick(form->findChild<QPushButton*>("Command6"), Qt::LeftButton);
    for (const QString& text : texts) {
        QVERIFY(!actionNamed(form, text)->isEnabled());
    }
}

void TestResultExport::copyPutsTheExactRowsAsTextAndHtml() {
    SectionForm* form =
        openWithCalculation("Form1", {"600", "10", "300", "10", "100", "12", "2400"});
    // Entries typed after the calculation are not what it used.
    QTest::keyClicks(form->entryFields()[0], "9");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(form->entryFields()[1], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime != nullptr);
    QCOMPARE(mime->text(), QStringLiteral("型材带板宽度 b (mm)\t600\n"
                                          "型材带板厚度 tp (mm)\t10\n"
                                          "型材腹板高度 hw (mm)\t300\n"
                                          "型材腹板厚度 tw (mm)\t10\n"
                                          "型材面板宽度 bf (mm)\t100\n"
                                          "型材面板厚度 tf (mm)\t12\n"
                                          "型材带板长度（跨距） ℓ (mm)\t2400\n"
                                          "惯性矩 I (cm⁴)\t13027.85\n"
                                          "剖面模数（面板中线） W (cm³)\t605.81\n"));
    QVERIFY(mime->hasHtml());
    const QString html = mime->html();
    QVERIFY(html.contains(QStringLiteral("charset=\"utf-8\"")));
    static const QRegularExpression rowPattern(
        QStringLiteral("<tr><td>([^<]*)</td><td>([^<]*)</td></tr>"));
    QStringList rows;
    for (auto it = rowPattern.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        rows << match.captured(1) + QLatin1Char('\t') + match.captured(2);
    }
    QCOMPARE(rows.join(QLatin1Char('\n')) + QLatin1Char('\n'), mime->text());
}

void TestResultExport::menuBarOffersWhatTheContextMenuOffers_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("hull") << "Form1" << QStringList{"600", "10", "300", "10", "100", "12", "2400"};
    QTest::newRow("built-up") << "Form3" << QStringList{"100", "10", "200", "8", "100", "10"};
    QTest::newRow("pipe") << "Form4" << QStringList{"100", "10"};
}

void TestResultExport::menuBarOffersWhatTheContextMenuOffers() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    SectionForm* form = openWithCalculation(window, entries);
    const auto shortcutsOf = [](const QMenu* menu) {
        QStringList found;
        for (const QAction* action : menu->actions()) {
            found << action->text() + QLatin1Char(' ') + action->shortcut().toString();
        }
        return found;
    };
    QCOMPARE(shortcutsOf(form->fileMenu()),
             QStringList({"导出计算书(PDF)… Ctrl+S", "打印计算书… Ctrl+P"}));
    QCOMPARE(shortcutsOf(form->editMenu()), QStringList{"复制结果 Ctrl+Shift+C"});
    QCOMPARE(shortcutsOf(form->viewMenu()), QStringList{"剖面详图… F2"});
    for (const QMenu* menu : {form->fileMenu(), form->editMenu(), form->viewMenu()}) {
        for (QAction* action : menu->actions()) {
            QVERIFY(form->contextMenu()->actions().contains(action));
            QVERIFY(action->isEnabled());
        }
    }

    // Shift+F10 opens the context menu of what has the focus, as the Menu key does.
    auto* calculate = form->findChild<QPushButton*>("Command5");
    calculate->setFocus();
    QVERIFY(!form->contextMenu()->isVisible());
    QTest::keyClick(calculate, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(form->contextMenu()->isVisible());
    form->contextMenu()->hide();
    QTest::mouseClick(form->findChild<QPushButton*>("Command7"), Qt::LeftButton);
}

void TestResultExport::copiedCaptionsNameEachPlateAndResult_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    // An unsymmetrical T: the window's captions for the two face plates are
    // alike; the copied table tells them apart.
    QTest::newRow("built-up profile")
        << "Form3" << QStringList{"120", "12", "300", "10", "200", "14"}
        << QStringLiteral("面板1宽度 b1 (mm)\t120\n面板1厚度 t1 (mm)\t12\n腹板高度 h (mm)\t300\n"
                          "腹板厚度 tw (mm)\t10\n面板2宽度 b2 (mm)\t200\n面板2厚度 t2 (mm)\t14\n"
                          "惯性矩 I (cm⁴)\t%1\n剖面模数（面板2中线） W (cm³)\t%2\n");
    QTest::newRow("pipe") << "Form4" << QStringList{"100", "10"}
                          << QStringLiteral("钢管外径 D (mm)\t100\n钢管壁厚 t (mm)\t10\n"
                                            "剖面积 A (cm²)\t28.27\n惯性半径 i (cm)\t3.2\n"
                                            "惯性矩 I (cm⁴)\t289.81\n"
                                            "剖面模数（外表面） W (cm³)\t57.96\n"
                                            "每米质量 m (kg/m)\t22.2\n");
}

void TestResultExport::copiedCaptionsNameEachPlateAndResult() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    SectionForm* form = openWithCalculation(window, entries);
    if (text.contains(QStringLiteral("%1"))) {
        text = text.arg(form->resultFields()[0]->text().trimmed(),
                        form->resultFields()[1]->text().trimmed());
    }
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(form->entryFields()[0], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QVERIFY(!text.contains(QStringLiteral("极惯性矩")));

    // The window keeps its designed captions and explains them.
    const QString inertiaLabel = window == "Form4" ? "Label1(6)" : "Label3(0)";
    auto* label = form->findChild<QLabel*>(inertiaLabel);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), window == "Form4" ? QStringLiteral("每米钢管质量(kg)")
                                              : QStringLiteral("极惯性矩(cm4)"));
    QVERIFY(label->toolTip().contains(window == "Form4" ? QStringLiteral("kg/m")
                                                        : QStringLiteral("惯性矩 I (cm⁴)")));
    QTest::mouseClick(form->findChild<QPushButton*>("Command7"), Qt::LeftButton);
}

void TestResultExport::sheetOfEachSectionHoldsInputsAndResultsOnOnePage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("hull stiffener")
        << "Form1" << QStringList{"600", "10", "300", "10", "100", "12", "2400"}
        << QStringList{"型材带板宽度", "型材带板厚度", "型材腹板高度",        "型材腹板厚度",
                       "型材面板宽度", "型材面板厚度", "型材带板长度（跨距）"}
        << QStringList{"13027.85", "605.81"};
    QTest::newRow("built-up profile")
        << "Form3" << QStringList{"100", "10", "200", "8", "100", "10"}
        << QStringList{"面板1宽度", "面板1厚度", "腹板高度", "腹板厚度", "面板2宽度", "面板2厚度"}
        << QStringList{"2740", "260.95"};
    QTest::newRow("pipe") << "Form4" << QStringList{"89", "4.5"}
                          << QStringList{"钢管外径", "钢管壁厚"}
                          << QStringList{"11.95", "2.99", "106.92", "24.03", "9.38"};
    // The window writes " .28"; the sheet, like the details, "0.28".
    QTest::newRow("small pipe") << "Form4" << QStringList{"10", "1"}
                                << QStringList{"钢管外径", "钢管壁厚"}
                                << QStringList{"0.28", "0.32", "0.03", "0.06", "0.22"};
}

void TestResultExport::sheetOfEachSectionHoldsInputsAndResultsOnOnePage() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, results);
    SectionForm* form = openWithCalculation(window, entries);
    const QString path = dir_.filePath(window + QStringLiteral("-sheet.pdf"));
    QFile::remove(path);
    SaveDialogStub dialog(path);
    QTest::keyClick(form->entryFields()[0], Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(path));

    CORVANE_REQUIRE_PDF_TOOLS();
    const QString text = run("pdftotext", {"-layout", path, "-"});
    QVERIFY2(text.contains(form->windowTitle()), qPrintable(text));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < entries.size(); ++i) {
        // The caption and the value on one line of the input table.
        const QRegularExpression row(QRegularExpression::escape(captions[i]) + ".*\\s" +
                                     QRegularExpression::escape(entries[i]) + "\\s+mm");
        QVERIFY2(!lines.filter(row).isEmpty(), qPrintable(captions[i] + "\n" + text));
    }
    for (std::size_t i = 0; i < form->resultFields().size(); ++i) {
        QString window = form->resultFields()[i]->text().trimmed();
        QCOMPARE(window.startsWith('.') ? "0" + window : window, results[static_cast<int>(i)]);
    }
    for (const QString& result : results) {
        const QRegularExpression shown("(^|\\s)" + QRegularExpression::escape(result) + "(\\s|$)");
        QVERIFY2(!lines.filter(shown).isEmpty(), qPrintable(result + "\n" + text));
    }
    QVERIFY(text.contains(QStringLiteral("第 1 页 / 共 1 页")));

    const QString info = run("pdfinfo", {path});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QVERIFY(info.contains(
        QRegularExpression("Page size:\\s+595(\\.\\d*)? x 84[12](\\.\\d*)? pts \\(A4\\)")));

    // Every font embedded: the sheet reads the same on a machine without the
    // Chinese faces. The writer embeds subsets, though without the name tag
    // pdffonts looks for; the file size shows it (the faces are 20 MB each).
    const QStringList fonts = run("pdffonts", {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(fonts.size() > 2, qPrintable(fonts.join('\n')));
    for (const QString& font : fonts.mid(2)) {
        const QStringList columns = font.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 7, qPrintable(font));
        // name type encoding emb sub uni object ID: emb counted from the end.
        QCOMPARE(columns[columns.size() - 5], QStringLiteral("yes"));
    }
    QVERIFY(QFileInfo(path).size() < 1024 * 1024);
    // The Song face for the body, the Kai face for the headings.
    QVERIFY2(fonts.join('\n').contains(QStringLiteral("UMing")) &&
                 fonts.join('\n').contains(QStringLiteral("UKai")),
             qPrintable(fonts.join('\n')));
}

void TestResultExport::proposalUsesTitleTimeAndTheLastFolder() {
    SectionForm* form = openWithCalculation("Form4", {"100", "10"});
    const QString first = dir_.filePath("first.pdf");
    {
        SaveDialogStub dialog(first);
        QVERIFY(resultExportOf(form)->exportPdf(form));
        QCOMPARE(dialog.offered.size(), 1);
        QVERIFY(QFileInfo(dialog.offered[0]).isAbsolute());
        QCOMPARE(QFileInfo(dialog.offered[0]).fileName().left(7), QStringLiteral("管材参数计算-"));
    }
    QDir sub(dir_.path());
    sub.mkpath("reports");
    SaveDialogStub dialog({});
    resultExportOf(form)->exportPdf(form);
    QCOMPARE(QFileInfo(dialog.offered[0]).absolutePath(), QFileInfo(first).absolutePath());
    QVERIFY(QFileInfo(dialog.offered[0])
                .fileName()
                .contains(QRegularExpression("^管材参数计算-20\\d{6}-\\d{4}\\.pdf$")));
}

void TestResultExport::failedExportSaysWhereAndLeavesNoFile_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("english");
    // Run as root, a folder without write permission is still written; these
    // two fail for every user.
    QTest::newRow("folder that is a regular file") << "plain-file" << false;
    QTest::newRow("folder that does not exist") << "no-such-folder" << false;
    // In English the reason is English too, not the Chinese wording.
    QTest::newRow("folder that does not exist, in English") << "no-such-folder" << true;
}

void TestResultExport::failedExportSaysWhereAndLeavesNoFile() {
    QFETCH(QString, folder);
    QFETCH(bool, english);
    std::optional<test::LanguageScope> language;
    if (english) {
        language.emplace(Language::English);
    }
    QTemporaryDir base;
    QFile plain(base.filePath("plain-file"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QStringList before = QDir(base.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    SectionForm* form =
        openWithCalculation("Form1", {"600", "10", "300", "10", "100", "12", "2400"});
    const QString path = base.filePath(folder + "/sheet.pdf");
    SaveDialogStub dialog(path);
    test::MessageBoxRecorder messages;
    QVERIFY(!resultExportOf(form)->exportPdf(form));
    QCOMPARE(messages.shown.size(), std::size_t(1));
    if (english) {
        static const QRegularExpression chinese(
            QStringLiteral("[\\x{3000}-\\x{303F}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
        QVERIFY2(!messages.shown[0].title.contains(chinese), qPrintable(messages.shown[0].title));
        QVERIFY2(!messages.shown[0].text.contains(chinese), qPrintable(messages.shown[0].text));
    } else {
        QCOMPARE(messages.shown[0].title, QStringLiteral("导出计算书"));
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("计算书未能保存。")));
    }
    QVERIFY2(messages.shown[0].text.contains(QDir::toNativeSeparators(path)),
             qPrintable(messages.shown[0].text));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(QDir(base.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    // A failed export does not move the remembered folder.
    QVERIFY(ResultExport::lastFolder() != QFileInfo(path).absolutePath());
}

void TestResultExport::replacingAnExistingFileReplacesItWhole_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined") << false;
}

void TestResultExport::replacingAnExistingFileReplacesItWhole() {
    QFETCH(bool, replace);
    QTemporaryDir base;
    const QString path = base.filePath("sheet.pdf");
    // Longer than any sheet, so a write in place would leave its tail.
    const QByteArray old(4 * 1024 * 1024, 'x');
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    SectionForm* form = openWithCalculation("Form3", {"100", "10", "200", "8", "100", "10"});
    SaveDialogStub dialog(path);
    OverwriteStub confirm(replace);
    QCOMPARE(resultExportOf(form)->exportPdf(form), replace);
    QCOMPARE(confirm.asked, QStringList{path});

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray now = file.readAll();
    if (replace) {
        QVERIFY(now.startsWith("%PDF-"));
        QVERIFY(now.trimmed().endsWith("%%EOF"));
        QVERIFY(now.size() < old.size());
        QVERIFY(!now.contains("xxxxxxxx"));
    } else {
        QCOMPARE(now, old);
    }
    QCOMPARE(QDir(base.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"sheet.pdf"});
}

void TestResultExport::fullDiskKeepsTheOldFileAndSaysWhy_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("freeBytes"); // less than the new file needs
    QTest::addColumn<QString>("title");
    // The sheet of the stiffener example is about 80 KB, the drawing 11 KB.
    QTest::newRow("PDF export") << "pdf"
                                << "sheet.pdf" << 16 * 1024 << "导出计算书";
    QTest::newRow("SVG export") << "svg"
                                << "drawing.svg" << 4 * 1024 << "导出图形";
    QTest::newRow("print to a PDF file") << "print"
                                         << "printed.pdf" << 16 * 1024 << "打印计算书";
}

void TestResultExport::fullDiskKeepsTheOldFileAndSaysWhy() {
    QFETCH(QString, route);
    QFETCH(QString, file);
    QFETCH(int, freeBytes);
    QFETCH(QString, title);
    test::SmallDisk disk(64);
    CORVANE_REQUIRE_SMALL_DISK(disk);
    const QString path = disk.filePath(file);
    const QByteArray old(3000, 'o');
    {
        QFile oldFile(path);
        QVERIFY(oldFile.open(QIODevice::WriteOnly));
        QCOMPARE(oldFile.write(old), old.size());
    }
    QVERIFY(disk.leaveFree(freeBytes));

    SectionForm* form =
        openWithCalculation("Form1", {"600", "10", "300", "10", "100", "12", "2400"});
    SaveDialogStub dialog(path);
    OverwriteStub confirm(true);
    setPrinterAsker([&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    test::MessageBoxRecorder messages;
    ResultExport* exporter = resultExportOf(form);
    const bool done = route == "pdf"   ? exporter->exportPdf(form)
                      : route == "svg" ? exporter->exportDrawingSvg(form)
                                       : exporter->printSheet(form);
    QVERIFY(!done);
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QCOMPARE(messages.shown[0].title, title);
    QVERIFY2(messages.shown[0].text.contains(path), qPrintable(messages.shown[0].text));
    QVERIFY2(messages.shown[0].text.contains(QStringLiteral("磁盘空间不足")),
             qPrintable(messages.shown[0].text));
    QFile now(path);
    QVERIFY(now.open(QIODevice::ReadOnly));
    QCOMPARE(now.readAll(), old);
    QCOMPARE(QDir(disk.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             (QStringList{".filler", file}));
}

void TestResultExport::cancelledSaveOrPrintChangesNothing() {
    SectionForm* form = openWithCalculation("Form4", {"100", "10"});
    const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
    SaveDialogStub dialog({});
    QVERIFY(!resultExportOf(form)->exportPdf(form));
    int asked = 0;
    setPrinterAsker([&asked](QWidget*, QPrinter& printer) {
        ++asked;
        printer.setOutputFileName(QStringLiteral("/nonexistent/never-written.pdf"));
        return false;
    });
    QTest::keyClick(form->entryFields()[0], Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(asked, 1);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), before);
    QCOMPARE(QSettings(App::SettingsOrganization, App::SettingsApplication).allKeys(),
             QStringList());
}

void TestResultExport::printingGoesToTheChosenPrinter() {
    SectionForm* form = openWithCalculation("Form1", {"500", "8", "200", "8", "80", "10", "1500"});
    const QString path = dir_.filePath("printed.pdf");
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    setPrinterAsker([&](QWidget*, QPrinter& printer) {
        orientation = printer.pageLayout().orientation();
        // A PDF printer stands in for a real one.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    QTest::keyClick(form->entryFields()[0], Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(orientation, QPageLayout::Portrait);
    CORVANE_REQUIRE_PDF_TOOLS();
    const QString text = run("pdftotext", {"-layout", path, "-"});
    QVERIFY2(text.contains(QStringLiteral("3488.16")) && text.contains(QStringLiteral("247.63")),
             qPrintable(text));
}

void TestResultExport::failingPrinterGivesOneMessage() {
    SectionForm* form = openWithCalculation("Form4", {"100", "10"});
    const QString path = dir_.filePath("no-such-folder/printed.pdf");
    setPrinterAsker([&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    test::MessageBoxRecorder messages;
    QVERIFY(!resultExportOf(form)->printSheet(form));
    QCOMPARE(messages.shown.size(), std::size_t(1));
    QCOMPARE(messages.shown[0].title, QStringLiteral("打印计算书"));
    QVERIFY(messages.shown[0].text.contains(QDir::toNativeSeparators(path)));
    QVERIFY(!QFileInfo::exists(path));
}

namespace {

// A sheet of one input and a table of 90 rows: more than one page holds.
CalcSheet ninetyRowSheet() {
    CalcSheet sheet;
    sheet.calculatorName = QStringLiteral("长表");
    sheet.program = QStringLiteral("Corvane");
    sheet.inputs = {QStringLiteral("输入数据"),
                    {QStringLiteral("名称"), QStringLiteral("数值")},
                    {{QStringLiteral("a"), QStringLiteral("1")}},
                    {},
                    1,
                    {}};
    SheetTable table{
        QStringLiteral("长表"), {QStringLiteral("行"), QStringLiteral("值")}, {}, {}, 1, {}};
    for (int r = 0; r < 90; ++r) {
        table.rows.push_back({QStringLiteral("row%1").arg(r), QStringLiteral("%1.5").arg(r)});
    }
    sheet.tables.push_back(table);
    return sheet;
}

} // namespace

void TestResultExport::longTableGoesOnWithoutCuttingARow() {
    const CalcSheet sheet = ninetyRowSheet();
    const int pages = sheetPageCount(sheet);
    QCOMPARE(pages, 2);

    const QString path = dir_.filePath("long.pdf");
    QString error;
    QVERIFY2(ResultExport::writeSheetPdf(sheet, path, &error), qPrintable(error));
    QStringList pageTexts;
    for (int p = 1; p <= pages; ++p) {
        CORVANE_REQUIRE_PDF_TOOLS();
        pageTexts << run("pdftotext", {"-layout", "-f", QString::number(p), "-l",
                                       QString::number(p), path, "-"});
    }
    // Each row whole on exactly one page, and the header row again on the
    // second page.
    for (int r = 0; r < 90; ++r) {
        const QRegularExpression row(QStringLiteral("row%1\\s+%1\\.5").arg(r));
        int found = 0;
        for (const QString& text : pageTexts) {
            found += text.split('\n').filter(row).size();
        }
        QVERIFY2(found == 1, qPrintable(QStringLiteral("row %1 seen %2 times").arg(r).arg(found)));
    }
    QVERIFY(pageTexts[1].contains(QRegularExpression(QStringLiteral("行\\s+值"))));
    QVERIFY(pageTexts[1].contains(QStringLiteral("第 2 页 / 共 2 页")));
}

void TestResultExport::netColumnFollowsTheDeduction_data() {
    QTest::addColumn<double>("deduction");
    QTest::addColumn<QString>("netHeader");
    QTest::addColumn<QString>("note");
    QTest::newRow("none") << 0.0 << QString() << QString();
    QTest::newRow("1 mm") << 1.0 << QStringLiteral("净尺寸 (Δt = 1 mm)") << QString();
    // The plating and the web are 10 mm thick: nothing of them is left.
    QTest::newRow("consumes a plate") << 10.0 << QString() << QStringLiteral("不大于零");
}

void TestResultExport::netColumnFollowsTheDeduction() {
    QFETCH(double, deduction);
    QFETCH(QString, netHeader);
    QFETCH(QString, note);
    SectionForm* form =
        openWithCalculation("Form1", {"600", "10", "300", "10", "100", "12", "2400"});
    resultExportOf(form)->setDeductionSource([deduction] { return deduction; });
    const CalcSheet sheet = resultExportOf(form)->sheet();
    QCOMPARE(sheet.tables.size(), std::size_t(2));
    const SheetTable& working = sheet.tables[0];
    const SheetTable& properties = sheet.tables[1];
    // Three plates and the total, twice with a net section.
    QCOMPARE(working.rows.size(), std::size_t(netHeader.isEmpty() ? 4 : 8));
    QCOMPARE(properties.headers.size(), netHeader.isEmpty() ? 2 : 3);
    if (!netHeader.isEmpty()) {
        QCOMPARE(properties.headers[2], netHeader);
        QCOMPARE(working.rows[4][0], QStringLiteral("带板（净）"));
        for (const QStringList& row : properties.rows) {
            QCOMPARE(row.size(), 3);
        }
    }
    // The window's two results, as gross values.
    QStringList gross;
    for (const QStringList& row : properties.rows) {
        gross << row[1];
    }
    QVERIFY(gross.contains("13027.85") && gross.contains("605.81"));
    QCOMPARE(!properties.notes.filter(QStringLiteral("扣除")).filter(note).isEmpty() ||
                 note.isEmpty(),
             true);
    if (note.isEmpty()) {
        QVERIFY(properties.notes.filter(QStringLiteral("不大于零")).isEmpty());
    }
}

void TestResultExport::drawingPutsTheNeutralAxisWhereEDoes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<double>("eMillimetres"); // above the reference line
    QTest::newRow("hull stiffener")
        << "Form1" << QStringList{"600", "10", "300", "10", "100", "12", "2400"} << 215.04908;
    QTest::newRow("symmetric I-beam")
        << "Form3" << QStringList{"100", "10", "200", "8", "100", "10"} << 105.0;
    QTest::newRow("T-profile") << "Form3" << QStringList{"0", "0", "200", "10", "150", "12"}
                               << 55.789474;
}

void TestResultExport::drawingPutsTheNeutralAxisWhereEDoes() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(double, eMillimetres);
    SectionForm* form = openWithCalculation(window, entries);
    const CalcSheet sheet = resultExportOf(form)->sheet();
    // A4 at 300 dpi.
    QImage image(2480, 3508, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const SheetPageInfo info = paintSheetPage(sheet, 0, painter, QRectF(image.rect()));
    painter.end();
    QVERIFY(!info.drawingBox.isEmpty());
    const QRegularExpressionMatch scale =
        QRegularExpression(QStringLiteral("^1:(\\d+(\\.\\d+)?)$")).match(info.drawingScale);
    QVERIFY2(scale.hasMatch(), qPrintable(info.drawingScale));
    const double pixelsPerMm = image.width() / 210.0 / scale.captured(1).toDouble();

    // The centre line of the pixels of one colour inside the drawing frame,
    // from the rows where that colour is at least half as frequent as on its
    // most frequent row (the long line, not its label).
    const QRect box = info.drawingBox.toAlignedRect().intersected(image.rect());
    const auto centreOf = [&](auto isColour) {
        std::vector<int> counts(static_cast<std::size_t>(image.height()), 0);
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                counts[static_cast<std::size_t>(y)] += isColour(QColor(image.pixel(x, y))) ? 1 : 0;
            }
        }
        const int most = *std::max_element(counts.begin(), counts.end());
        double sum = 0;
        double weight = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const int n = counts[static_cast<std::size_t>(y)];
            if (most > 0 && n * 2 >= most) {
                sum += (y + 0.5) * n;
                weight += n;
            }
        }
        return weight > 0 ? sum / weight : -1.0;
    };
    // The neutral axis is drawn red, the reference line blue.
    const double axis =
        centreOf([](const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; });
    const double reference =
        centreOf([](const QColor& c) { return c.blue() > 150 && c.red() < 80 && c.green() < 150; });
    QVERIFY(axis > 0 && reference > 0);
    const double expected = reference - eMillimetres * pixelsPerMm;
    QVERIFY2(std::fabs(axis - expected) <= 1.0,
             qPrintable(QStringLiteral("axis at %1 px, e puts it at %2 px (scale %3)")
                            .arg(axis)
                            .arg(expected)
                            .arg(info.drawingScale)));
}

void TestResultExport::scaleIsTheLargestOfTheSeriesThatFits_data() {
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("factor");
    QTest::newRow("exactly 1:10") << 0.1 << "1:10" << 0.1;
    QTest::newRow("just under 1:10") << 0.0999 << "1:20" << 0.05;
    QTest::newRow("between 1:2 and 1:2.5") << 0.45 << "1:2.5" << 0.4;
    QTest::newRow("full size") << 1.5 << "1:1" << 1.0;
    QTest::newRow("small section enlarged") << 6.0 << "5:1" << 5.0;
    QTest::newRow("large section") << 0.0021 << "1:500" << 0.002;
}

void TestResultExport::scaleIsTheLargestOfTheSeriesThatFits() {
    QFETCH(double, limit);
    QFETCH(QString, text);
    QFETCH(double, factor);
    const DrawingScale scale = standardScale(limit);
    QCOMPARE(scale.text, text);
    QCOMPARE(scale.factor, factor);
}

void TestResultExport::detailsWindowOffersTheSheetAndTheDrawing() {
    SectionForm* form =
        openWithCalculation("Form1", {"600", "10", "300", "10", "100", "12", "2400"});
    // The details come first in the section window's menu, then a separator.
    const QList<QAction*> menu = form->contextMenu()->actions();
    QCOMPARE(menu.first()->text(), QStringLiteral("剖面详图…"));
    QVERIFY(menu[1]->isSeparator());

    SectionDetailsWindow* details = form->detailsWindow();
    QStringList texts;
    for (QAction* action : details->drawing()->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QVERIFY(action->isEnabled());
    }
    QStringList expected{"复制结果", "导出计算书(PDF)…", "打印计算书…", "-", "复制图形"};
    if (ResultExport::svgExportAvailable()) {
        expected << "导出图形(SVG)…";
    }
    QCOMPARE(texts, expected);

    QGuiApplication::clipboard()->clear();
    actionNamed(details, "复制图形")->trigger();
    const QImage image = QGuiApplication::clipboard()->image();
    QVERIFY(!image.isNull());
    // Drawn on white, with the steel in it.
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    bool steel = false;
    for (int y = 0; y < image.height() && !steel; y += 2) {
        for (int x = 0; x < image.width() && !steel; x += 2) {
            steel = image.pixelColor(x, y) == QColor(176, 190, 210);
        }
    }
    QVERIFY(steel);

    if (!ResultExport::svgExportAvailable()) {
        QVERIFY(actionNamed(details, "导出图形(SVG)…") == nullptr);
        QSKIP("this build has no SVG export (built without Qt's SVG module)");
    }
    QTemporaryDir base;
    const QString path = base.filePath("drawing.svg");
    {
        SaveDialogStub dialog(path);
        actionNamed(details, "导出图形(SVG)…")->trigger();
        QCOMPARE(dialog.offered.size(), 1);
        QVERIFY(dialog.offered[0].endsWith(".svg"));
    }
    QFile svg(path);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray content = svg.readAll();
    QVERIFY(content.contains("<svg") && content.trimmed().endsWith("</svg>"));
    QVERIFY(content.contains("<title>船体结构剖面模数计算器 剖面图</title>"));

    // After 清除 nothing stands to be exported.
    QTest::mouseClick(form->findChild<QPushButton*>("Command6"), Qt::LeftButton);
    for (QAction* action : details->drawing()->actions()) {
        QVERIFY(action->isSeparator() || !action->isEnabled());
    }
}

void TestResultExport::detailsDeductionAndProjectReachTheSheet() {
    SectionForm* form = openWithCalculation("Form4", {"100", "10"});
    SectionDetailsWindow* details = form->detailsWindow();
    auto* project = details->findChild<QLineEdit*>("project");
    QVERIFY(project != nullptr);
    QVERIFY(project->text().isEmpty());
    QTest::keyClicks(project, QStringLiteral("PRJ-8500 hold frame 35"));
    details->deductionField()->selectAll();
    QTest::keyClicks(details->deductionField(), "1");

    const CalcSheet sheet = resultExportOf(form)->sheet();
    QCOMPARE(sheet.project, QStringLiteral("PRJ-8500 hold frame 35"));
    QCOMPARE(sheet.tables[1].headers.last(), QStringLiteral("净尺寸 (Δt = 1 mm)"));
    // Remembered for the next run.
    QCOMPARE(ResultExport::project(), QStringLiteral("PRJ-8500 hold frame 35"));

    const QString path = dir_.filePath("pipe-net.pdf");
    QFile::remove(path);
    SaveDialogStub dialog(path);
    actionNamed(details, "导出计算书(PDF)…")->trigger();
    CORVANE_REQUIRE_PDF_TOOLS();
    const QString text = run("pdftotext", {"-layout", path, "-"});
    QVERIFY2(text.contains(QStringLiteral("项目：PRJ-8500 hold frame 35")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("管壁（净）")));
}

namespace {

// The text a page draws, each piece with where it starts, for checks of
// where numbers stand.
class TextRecorder : public QPaintDevice {
  public:
    struct Piece {
        QString text;
        QPointF at;
        QFont font;
    };
    std::vector<Piece> pieces;

    QPaintEngine* paintEngine() const override { return engine_.get(); }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return 2100;
        case PdmHeight:
            return 2970;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 254;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    class Engine : public QPaintEngine {
      public:
        explicit Engine(TextRecorder* owner) : QPaintEngine(AllFeatures), owner_(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            owner_->pieces.push_back({item.text(), painter()->transform().map(p), item.font()});
        }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        Type type() const override { return User; }

      private:
        TextRecorder* owner_;
    };
    std::unique_ptr<Engine> engine_ = std::make_unique<Engine>(this);
};

CalcSheet exampleSheet(const QString& window, const QStringList& entries, double deduction,
                       const QString& project = {}) {
    SectionForm* form = openWithCalculation(window, entries);
    return sectionSheet(form->windowTitle(), form->lastCalculation()->entries,
                        window == "Form1"   ? hullSheetSpec()
                        : window == "Form3" ? builtUpSheetSpec()
                                            : pipeSheetSpec(),
                        {QDateTime(QDate(2026, 12, 8), QTime(9, 30)), QStringLiteral("Corvane"),
                         project, deduction});
}

} // namespace

void TestResultExport::longProjectIsPrintedWholeOnEveryPage() {
    // About 90 characters: more than one line of the header.
    const QString project = QStringLiteral(
        "某某船厂 12000 吨多用途船 第 35 号肋位 舷侧纵骨与强框架剖面模数校核（依据钢质海船入级规范"
        "第 2 篇第 3 章）项目编号 PRJ-8500-A 终");
    CalcSheet sheet = ninetyRowSheet();
    sheet.project = project;
    sheet.issuedAt = QDateTime(QDate(2026, 12, 8), QTime(9, 30));
    const int pages = sheetPageCount(sheet);
    QVERIFY(pages >= 2);
    const QString path = dir_.filePath("project.pdf");
    QString error;
    QVERIFY2(ResultExport::writeSheetPdf(sheet, path, &error), qPrintable(error));
    CORVANE_REQUIRE_PDF_TOOLS();
    for (int p = 1; p <= pages; ++p) {
        QString text =
            run("pdftotext", {"-f", QString::number(p), "-l", QString::number(p), path, "-"});
        text.remove(QLatin1Char('\n')).remove(QLatin1Char(' '));
        // The whole project, its end included, and the date on every page.
        QVERIFY2(text.contains(QString(project).remove(QLatin1Char(' '))),
                 qPrintable(QStringLiteral("page %1: %2").arg(p).arg(text.left(300))));
        QVERIFY2(text.contains(QStringLiteral("2026-12-0809:30")), qPrintable(text.left(300)));
    }
}

void TestResultExport::firstWorkedExampleFitsOnePage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<double>("deduction");
    const QStringList hull{"600", "10", "300", "10", "100", "12", "2400"};
    const QStringList beam{"100", "10", "200", "8", "100", "10"};
    const QStringList pipe{"100", "10"};
    QTest::newRow("hull gross") << "Form1" << hull << 0.0;
    QTest::newRow("hull net") << "Form1" << hull << 1.0;
    QTest::newRow("built-up gross") << "Form3" << beam << 0.0;
    QTest::newRow("built-up net") << "Form3" << beam << 1.0;
    QTest::newRow("pipe gross") << "Form4" << pipe << 0.0;
    QTest::newRow("pipe net") << "Form4" << pipe << 1.0;
}

void TestResultExport::firstWorkedExampleFitsOnePage() {
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(double, deduction);
    const CalcSheet sheet =
        exampleSheet(window, entries, deduction, QStringLiteral("PRJ-8500 hold frame 35"));
    QCOMPARE(sheetPageCount(sheet), 1);
    if (!qEnvironmentVariableIsEmpty("CORVANE_SHEET_DIR")) {
        QString error;
        QVERIFY(ResultExport::writeSheetPdf(
            sheet,
            qEnvironmentVariable("CORVANE_SHEET_DIR") + QStringLiteral("/") +
                QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-') +
                QStringLiteral(".pdf"),
            &error));
    }
}

void TestResultExport::numbersLineUpOnTheirPoints() {
    // The property table of the hull example: 21.5 (e) and 13027.85 (I) in
    // one column; their decimal points stand one above the other.
    const CalcSheet sheet =
        exampleSheet("Form1", {"600", "10", "300", "10", "100", "12", "2400"}, 0);
    TextRecorder recorder;
    QPainter painter(&recorder);
    paintSheetPage(sheet, 0, painter, QRectF(0, 0, 2100, 2970));
    painter.end();
    const auto pointAt = [&recorder](const QString& whole, const QString& fraction) {
        // Either drawn as one piece or as the whole part and the fraction.
        for (const auto& piece : recorder.pieces) {
            const QFontMetricsF metrics(piece.font);
            if (piece.text == whole + fraction) {
                return piece.at.x() + metrics.horizontalAdvance(whole);
            }
            if (piece.text == fraction) {
                return piece.at.x();
            }
        }
        return -1.0;
    };
    const double e = pointAt(QStringLiteral("21"), QStringLiteral(".5"));
    const double inertia = pointAt(QStringLiteral("13027"), QStringLiteral(".85"));
    QVERIFY(e > 0 && inertia > 0);
    QVERIFY2(std::fabs(e - inertia) < 0.5,
             qPrintable(QStringLiteral("%1 vs %2").arg(e).arg(inertia)));
    QCOMPARE(decimalParts(QStringLiteral("21.38")).fraction, QStringLiteral(".38"));
    QCOMPARE(decimalParts(QStringLiteral("47")).fraction, QString());
    QCOMPARE(decimalParts(QStringLiteral("—")).whole, QStringLiteral("—"));
}

void TestResultExport::detailsCopyWhatTheyShow() {
    SectionForm* form =
        openWithCalculation("Form1", {"600", "10", "300", "10", "100", "12", "2400"});
    SectionDetailsWindow* details = form->detailsWindow();
    details->deductionField()->setText(QStringLiteral("1"));
    QGuiApplication::clipboard()->clear();
    actionNamed(details, "复制结果")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines[0], QStringLiteral("项目\t毛尺寸\t净尺寸 (Δt = 1 mm)"));
    QVERIFY2(lines.filter(QStringLiteral("惯性矩 I (cm⁴)＊\t13027.85\t")).size() == 1,
             qPrintable(text));
    QVERIFY(lines.contains(QStringLiteral("中和轴距面板中线 e (cm)\t21.5\t") +
                           details->propertyTable()->item(3, 1)->text()));
    QVERIFY(lines.contains(
        QStringLiteral("板件\tAᵢ (cm²)\tyᵢ 距参考线 (cm)\tAᵢyᵢ (cm³)\tAᵢyᵢ² (cm⁴)\tI₀ᵢ (cm⁴)")));
    QVERIFY(!lines.filter(QRegularExpression(QStringLiteral("^合计\t87.36\t"))).isEmpty());
    QVERIFY(!lines.filter(QStringLiteral("合计（净）")).isEmpty());
    // Not the calculator's two-column table.
    QVERIFY(!text.contains(QStringLiteral("型材带板宽度 b (mm)")));
    // The drawing's two actions have shortcuts of their own.
    QCOMPARE(actionNamed(details, "复制图形")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    if (ResultExport::svgExportAvailable()) {
        QCOMPARE(actionNamed(details, "导出图形(SVG)…")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    }
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
}

void TestResultExport::drawingLabelsStayWhole_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("details about 800 px wide") << QSize(440, 520);
    QTest::newRow("narrow") << QSize(330, 400);
    QTest::newRow("wide") << QSize(900, 600);
}

void TestResultExport::drawingLabelsStayWhole() {
    QFETCH(QSize, size);
    const auto geometry = sectionGeometry(StiffenerDimensions{600, 10, 300, 10, 100, 12, 2400});
    QVERIFY(geometry);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(designFont(QStringLiteral("宋体"), 9));
    const SectionDrawingLayout layout =
        paintSection(painter, QRectF(QPointF(0, 0), QSizeF(size)), *geometry);
    painter.end();
    QVERIFY(layout.annotated);
    QCOMPARE(layout.texts.size(), static_cast<qsizetype>(layout.textBoxes.size()));
    for (const QString& text : layout.texts) {
        QVERIFY2(!text.contains(QStringLiteral("…")), qPrintable(text));
    }
    // Symbols with real subscripts, the neutral axis in the table's unit.
    QVERIFY(layout.texts.contains(QStringLiteral("b_f = 100")));
    QVERIFY(layout.texts.contains(QStringLiteral("h_w = 300")));
    QVERIFY(layout.texts.contains(QStringLiteral("k·b = 453.57")));
    QVERIFY(!layout.texts.filter(QStringLiteral("e = 21.5 cm")).isEmpty());
    // No tick crosses a text, and every text lies in the drawing.
    for (std::size_t i = 0; i < layout.textBoxes.size(); ++i) {
        const QRectF box = layout.textBoxes[i];
        QVERIFY2(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-1, -1, 1, 1).contains(box),
                 qPrintable(layout.texts[static_cast<qsizetype>(i)]));
        for (const QLineF& tick : layout.ticks) {
            const QRectF line =
                QRectF(tick.p1(), tick.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
            QVERIFY2(!line.intersects(box), qPrintable(layout.texts[static_cast<qsizetype>(i)]));
        }
    }
}

void TestResultExport::notesFitTheSection() {
    // The pipe: its wall is deducted from the inside, no plate widths.
    const CalcSheet pipe = exampleSheet("Form4", {"100", "10"}, 1);
    const QStringList pipeNotes = pipe.tables[1].notes;
    QVERIFY(pipeNotes.filter(QStringLiteral("各板厚")).isEmpty());
    QVERIFY(!pipeNotes.filter(QStringLiteral("壁厚自内壁减去 Δt，外径不变")).isEmpty());

    // A flat bar: no face plate, so the reference line is the web's free edge
    // and no plate of zeros is listed.
    const CalcSheet flat = exampleSheet("Form1", {"600", "10", "300", "10", "0", "0", "2400"}, 0);
    for (const QStringList& row : flat.tables[0].rows) {
        QVERIFY2(row[0] != QStringLiteral("面板"), qPrintable(row.join(' ')));
    }
    QCOMPARE(flat.tables[0].rows.size(), std::size_t(3)); // plating, web, total
    QStringList captions;
    for (const QStringList& row : flat.tables[1].rows) {
        captions << row[0];
    }
    QVERIFY(captions.filter(QStringLiteral("面板")).isEmpty());
    QVERIFY(!captions.filter(QStringLiteral("腹板自由边")).isEmpty());
    QVERIFY(!flat.method.filter(QStringLiteral("参考线为腹板自由边")).isEmpty());
    QVERIFY(!flat.method.filter(QStringLiteral("ℓ/b = 4")).isEmpty());
    QVERIFY(flat.method.filter(QStringLiteral("l/b")).isEmpty());
    QCOMPARE(flat.inputs.rows.back()[1], QStringLiteral("ℓ"));
    const auto geometry = sectionGeometry(StiffenerDimensions{600, 10, 300, 10, 0, 0, 2400});
    QImage image(640, 520, QImage::Format_RGB32);
    QPainter painter(&image);
    const SectionDrawingLayout layout = paintSection(painter, QRectF(image.rect()), *geometry);
    painter.end();
    QVERIFY(!layout.texts.filter(QStringLiteral("腹板自由边(W)")).isEmpty());
    QVERIFY(layout.texts.filter(QStringLiteral("面板中线")).isEmpty());

    // The pipe's wall thickness has a leader to the wall.
    const auto ring = sectionGeometry(PipeDimensions{100, 10});
    QPainter ringPainter(&image);
    const SectionDrawingLayout ringLayout = paintSection(ringPainter, QRectF(image.rect()), *ring);
    ringPainter.end();
    QVERIFY(ringLayout.texts.contains(QStringLiteral("t = 10")));
}

void TestResultExport::svgIsInMillimetresWithFallbackFaces() {
    if (!ResultExport::svgExportAvailable()) {
        QSKIP("this build has no SVG export (built without Qt's SVG module)");
    }
    const auto geometry = sectionGeometry(StiffenerDimensions{600, 10, 300, 10, 100, 12, 2400});
    const QString path = dir_.filePath("mm.svg");
    QString error;
    QVERIFY2(ResultExport::writeDrawingSvg(*geometry, QStringLiteral("剖面图"), path, &error),
             qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    // Sized in millimetres, and the scale it is drawn at stated on it.
    QVERIFY2(svg.contains(QRegularExpression(QStringLiteral("<svg[^>]*width=\"88mm\""))),
             qPrintable(svg.left(600)));
    const QRegularExpressionMatch scale =
        QRegularExpression(QStringLiteral("比例 (1:\\d+(\\.\\d+)?)")).match(svg);
    QVERIFY2(scale.hasMatch(), qPrintable(svg.left(600)));
    // Every face named comes with fallbacks.
    QVERIFY(!svg.contains(QStringLiteral("font-family=\"宋体\"")));
    QVERIFY(svg.contains(QStringLiteral("SimSun")));
    QVERIFY(svg.contains(QStringLiteral("serif\"")));
}

CORVANE_TEST_MAIN(TestResultExport)
#include "tst_resultexport.moc"
