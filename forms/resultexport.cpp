#include "resultexport.h"

#include "exportdialogs.h"
#include "msgbox.h"
#include "sectionform.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace corvane {

namespace {

const QString folderKey = QStringLiteral("calcSheet/lastFolder");
const QString projectKey = QStringLiteral("calcSheet/project");

QVariant setting(const QString& key) {
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("Corvane")).value(key);
}

void setSetting(const QString& key, const QVariant& value) {
    QSettings(QStringLiteral("Corvane"), QStringLiteral("Corvane")).setValue(key, value);
}

} // namespace

ResultExport::ResultExport(SectionForm* form, SectionSheetSpec spec)
    : QObject(form), form_(form), spec_(std::move(spec)), deduction_([] { return 0.0; }) {
    setObjectName(QStringLiteral("resultExport"));
}

ResultExport::Actions ResultExport::createActions(QWidget* window) {
    const auto make = [window](const QString& text, const QKeySequence& key) {
        auto* action = new QAction(text, window);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    Actions actions;
    actions.copy = make(QStringLiteral("复制结果"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    actions.exportPdf =
        make(QStringLiteral("导出计算书(PDF)…"), QKeySequence(Qt::CTRL | Qt::Key_S));
    actions.print = make(QStringLiteral("打印计算书…"), QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(actions.copy, &QAction::triggered, this, [this] { copyResults(); });
    connect(actions.exportPdf, &QAction::triggered, this, [this, window] { exportPdf(window); });
    connect(actions.print, &QAction::triggered, this, [this, window] { printSheet(window); });
    return actions;
}

void ResultExport::copyResults() {
    const auto rows = resultRows(*form_);
    if (rows.empty()) {
        return;
    }
    QGuiApplication::clipboard()->setMimeData(resultTableMimeData(rows));
}

CalcSheet ResultExport::sheet() const {
    return sectionSheet(*form_, spec_, {QDateTime::currentDateTime(), project(), deduction_()});
}

QString ResultExport::lastFolder() {
    const QString remembered = setting(folderKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
        return remembered;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ResultExport::project() {
    return setting(projectKey).toString();
}

void ResultExport::setProject(const QString& project) {
    setSetting(projectKey, project);
}

bool ResultExport::writeSheetPdf(const CalcSheet& sheet, const QString& path, QString* error) {
    // QSaveFile writes into a temporary file in the target's folder and
    // renames it over the target on commit, so a failure at any point leaves
    // no partial file and an existing file intact.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(600);
        writer.setTitle(QStringLiteral("%1 计算书").arg(sheet.calculatorName));
        writer.setCreator(sheet.program);
        painted = renderSheet(sheet, writer);
    }
    if (!painted) {
        file.cancelWriting();
        *error = QStringLiteral("无法生成 PDF。");
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool ResultExport::exportPdf(QWidget* parent) {
    if (!form_->lastCalculation()) {
        return false;
    }
    const CalcSheet content = sheet();
    const QString proposed =
        QDir(lastFolder())
            .filePath(QStringLiteral("%1-%2.pdf")
                          .arg(content.calculatorName,
                               content.issuedAt.toString(QStringLiteral("yyyyMMdd-HHmm"))));
    QString path = askSavePath(
        {parent, QStringLiteral("导出计算书(PDF)"), proposed, QStringLiteral("PDF 文件 (*.pdf)")});
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    if (QFileInfo::exists(path) && !confirmOverwrite(parent, path)) {
        return false;
    }
    QString error;
    if (!writeSheetPdf(content, path, &error)) {
        MsgBox(parent,
               QStringLiteral("计算书未能保存。\n文件：%1\n原因：%2")
                   .arg(QDir::toNativeSeparators(path), error),
               QStringLiteral("导出计算书"));
        return false;
    }
    setSetting(folderKey, QFileInfo(path).absolutePath());
    return true;
}

bool ResultExport::printSheet(QWidget* parent) {
    if (!form_->lastCalculation()) {
        return false;
    }
    const CalcSheet content = sheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true); // the sheet keeps its own margins
    printer.setDocName(QStringLiteral("%1 计算书").arg(content.calculatorName));
    if (!askPrinter(parent, printer)) {
        return false;
    }
    int first = 0;
    int last = -1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = printer.toPage() > 0 ? printer.toPage() - 1 : -1;
    }
    if (!renderSheet(content, printer, first, last) || printer.printerState() == QPrinter::Error) {
        const QString where = printer.outputFileName().isEmpty()
                                  ? printer.printerName()
                                  : QDir::toNativeSeparators(printer.outputFileName());
        MsgBox(parent,
               QStringLiteral("计算书未能打印。\n打印机：%1\n原因：无法在该打印机上开始打印。")
                   .arg(where),
               QStringLiteral("打印计算书"));
        return false;
    }
    return true;
}

ResultExport* installResultExport(SectionForm* form, SectionSheetSpec spec) {
    auto* exporter = new ResultExport(form, std::move(spec));
    const ResultExport::Actions actions = exporter->createActions(form);
    form->addContextMenuSeparator();
    form->addCalculationAction(actions.copy);
    form->addCalculationAction(actions.exportPdf);
    form->addCalculationAction(actions.print);
    return exporter;
}

ResultExport* resultExportOf(const SectionForm* form) {
    return form->findChild<ResultExport*>(QStringLiteral("resultExport"),
                                          Qt::FindDirectChildrenOnly);
}

} // namespace corvane
