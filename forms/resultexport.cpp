#include "resultexport.h"

#include "appobject.h"
#include "calculationwindow.h"
#include "exportdialogs.h"
#include "msgbox.h"
#include "sectiondetailswindow.h"
#include "sectiondrawingwidget.h"
#include "wholefiledevice.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#if CORVANE_HAVE_SVG
#include <QSvgGenerator>
#endif
#include <QTableWidget>

#include <algorithm>
#include <utility>

namespace corvane {

namespace {

const QString folderKey = QStringLiteral("calcSheet/lastFolder");
const QString projectKey = QStringLiteral("calcSheet/project");

QVariant setting(const QString& key) {
    return QSettings(App::SettingsOrganization, App::SettingsApplication).value(key);
}

void setSetting(const QString& key, const QVariant& value) {
    QSettings(App::SettingsOrganization, App::SettingsApplication).setValue(key, value);
}

QString programName() {
    return App::Title + QLatin1Char(' ') + App::versionText();
}

} // namespace

std::vector<std::pair<QString, QString>> resultRows(const CalculationWindow& form) {
    const auto& last = form.lastCalculation();
    if (!last) {
        return {};
    }
    auto rows = last->leadingRows;
    for (auto& row : resultRows(form.sectionKind(), last->entryTexts, last->results)) {
        rows.push_back(std::move(row));
    }
    return rows;
}

ResultExport::ResultExport(CalculationWindow* form, SectionSheetSpec spec)
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
    actions.copy = make(QCoreApplication::translate("corvane::ResultExport", "复制结果"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    actions.exportPdf =
        make(QCoreApplication::translate("corvane::ResultExport", "导出计算书(PDF)…"),
             QKeySequence(Qt::CTRL | Qt::Key_S));
    actions.print = make(QCoreApplication::translate("corvane::ResultExport", "打印计算书…"),
                         QKeySequence(Qt::CTRL | Qt::Key_P));
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
    return sectionSheet(form_->windowTitle(), form_->lastCalculation()->entries, spec_,
                        {QDateTime::currentDateTime(), programName(), project(), deduction_()});
}

QString ResultExport::lastFolder() {
    QString remembered = setting(folderKey).toString();
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

bool ResultExport::writeWhole(const QString& path, const QString& paintFailure, QString* error,
                              const std::function<bool(QIODevice&)>& paint) {
    // Every byte the painter writes goes straight to a temporary file beside
    // the path, and any failed write is remembered: a painter that does not
    // check its writes (on a full disk) cannot make a cut file look whole.
    // Only a file flushed to the disk and counted replaces the path.
    WholeFileDevice file(path);
    if (!file.open()) {
        *error = file.reason();
        return false;
    }
    const bool painted = paint(file);
    if (!file.reason().isEmpty() || !painted) {
        *error = file.reason().isEmpty() ? paintFailure : file.reason();
        file.cancel();
        return false;
    }
    if (!file.commit()) {
        *error = file.reason();
        return false;
    }
    return true;
}

bool ResultExport::writeSheetPdf(const CalcSheet& sheet, const QString& path, QString* error) {
    return writeWhole(
        path, QCoreApplication::translate("corvane::ResultExport", "无法生成 PDF。"), error,
        [&sheet](QIODevice& file) {
            QPdfWriter writer(&file);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(0, 0, 0, 0)));
            writer.setResolution(600);
            writer.setTitle(QCoreApplication::translate("corvane::ResultExport", "%1 计算书")
                                .arg(sheet.calculatorName));
            writer.setCreator(sheet.program);
            return renderSheet(sheet, writer);
        });
}

bool ResultExport::saveThroughDialog(
    QWidget* parent, const QString& title, const QString& caption, const QString& filter,
    const QString& suffix, const std::function<bool(const QString& path, QString* error)>& write) {
    const QString proposed =
        QDir(lastFolder())
            .filePath(
                QStringLiteral("%1-%2.%3")
                    .arg(title,
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")),
                         suffix));
    QString path = askSavePath({parent, caption, proposed, filter});
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) {
        path += QLatin1Char('.') + suffix;
    }
    if (QFileInfo::exists(path) && !confirmOverwrite(parent, path)) {
        return false;
    }
    QString error;
    if (!write(path, &error)) {
        MsgBox(
            parent,
            QCoreApplication::translate("corvane::ResultExport", "%1未能保存。\n文件：%2\n原因：%3")
                .arg(suffix == QStringLiteral("pdf")
                         ? QCoreApplication::translate("corvane::ResultExport", "计算书")
                         : QCoreApplication::translate("corvane::ResultExport", "剖面图"),
                     QDir::toNativeSeparators(path), error),
            caption);
        return false;
    }
    setSetting(folderKey, QFileInfo(path).absolutePath());
    return true;
}

bool ResultExport::exportPdf(QWidget* parent) {
    if (!form_->lastCalculation()) {
        return false;
    }
    return exportSheetPdf(parent, form_->windowTitle(), sheet());
}

bool ResultExport::exportSheetPdf(QWidget* parent, const QString& title, const CalcSheet& content) {
    return saveThroughDialog(
        parent, title, QCoreApplication::translate("corvane::ResultExport", "导出计算书"),
        QCoreApplication::translate("corvane::ResultExport", "PDF 文件 (*.pdf)"),
        QStringLiteral("pdf"), [&content](const QString& path, QString* error) {
            return writeSheetPdf(content, path, error);
        });
}

std::optional<SectionGeometry> ResultExport::geometry() const {
    const auto& last = form_->lastCalculation();
    if (!last) {
        return std::nullopt;
    }
    const auto dimensions = sectionDimensions(spec_.kind, last->entries);
    return dimensions ? sectionGeometry(*dimensions) : std::nullopt;
}

namespace {

// The drawing as the details window shows it, at `size` device pixels.
void paintDrawing(QPainter& painter, const QSize& size, const SectionGeometry& geometry) {
    SectionDrawingStyle style;
    style.font = designFont(QStringLiteral("宋体"), 9);
    paintSection(painter, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(6, 6, -6, -6), geometry,
                 style);
}

QSize drawingSize(const SectionDetailsWindow* details) {
    const QSize shown =
        details != nullptr && details->drawing() != nullptr ? details->drawing()->size() : QSize();
    return shown.width() >= sectionDrawingMinimumSize.width() &&
                   shown.height() >= sectionDrawingMinimumSize.height()
               ? shown
               : QSize(640, 520);
}

} // namespace

void ResultExport::copyDrawing() {
    const auto section = geometry();
    if (!section) {
        return;
    }
    // Twice the size the window shows, so that it stays sharp in a report.
    const QSize size = drawingSize(form_->findChild<SectionDetailsWindow*>());
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintDrawing(painter, size, *section);
    painter.end();
    QGuiApplication::clipboard()->setImage(image);
}

#if CORVANE_HAVE_SVG
namespace {

// Faces for the drawing's text, the first one a viewer has: the design's
// Song face by its Windows names, the CJK faces of Linux and macOS, then any
// serif face.
const char* const svgFontList =
    "'宋体', SimSun, 'Songti SC', 'Noto Serif CJK SC', 'AR PL UMing CN', serif";

// The SVG generator names the painter's one family; give every text the list.
QByteArray withFontFallbacks(QByteArray svg) {
    static const QRegularExpression family(QStringLiteral("font-family=\"[^\"]*\""));
    QString text = QString::fromUtf8(svg);
    text.replace(family, QStringLiteral("font-family=\"%1\"").arg(QString::fromUtf8(svgFontList)));
    return text.toUtf8();
}

// The drawing's box on the sheet, in tenths of a millimetre, and the line
// under it stating the scale.
constexpr int svgBoxWidth = 880;
constexpr int svgBoxHeight = 640;
constexpr int svgScaleLine = 50;

} // namespace
#endif

bool ResultExport::writeDrawingSvg(const SectionGeometry& geometry, const QString& title,
                                   const QString& path, QString* error) {
#if !CORVANE_HAVE_SVG
    // A build without Qt's SVG module (the Windows build: its source is not
    // at hand there) offers no SVG export; the action is not created.
    Q_UNUSED(geometry);
    Q_UNUSED(title);
    Q_UNUSED(path);
    *error = QCoreApplication::translate("corvane::ResultExport", "无法生成 SVG。");
    return false;
#else
    // Drawn as on the sheet, in tenths of a millimetre at the sheet's scale,
    // and sized in millimetres (254 units per inch), so that a viewer shows
    // and prints it at the scale it states.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    const QSize size(svgBoxWidth, svgBoxHeight + svgScaleLine);
    svg.setOutputDevice(&buffer);
    svg.setResolution(254);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    const QRectF box = QRectF(0, 0, svgBoxWidth, svgBoxHeight).adjusted(20, 20, -20, -20);
    QString scale;
    {
        QPicture dry; // the scale, for the description in the file's head
        QPainter measuring(&dry);
        scale = paintSectionToScale(measuring, box, geometry);
    }
    svg.setDescription(
        QCoreApplication::translate("corvane::ResultExport", "剖面图，比例 %1，单位 mm")
            .arg(scale));
    QPainter painter;
    if (!painter.begin(&svg)) {
        *error = QCoreApplication::translate("corvane::ResultExport", "无法生成 SVG。");
        return false;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintSectionToScale(painter, box, geometry);
    painter.setPen(Qt::black);
    painter.setFont(calcSheetFont(false, 30));
    painter.drawText(
        QRectF(0, svgBoxHeight, svgBoxWidth, svgScaleLine), Qt::AlignCenter,
        QCoreApplication::translate("corvane::ResultExport", "剖面图  比例 %1（单位 mm）")
            .arg(scale));
    if (!painter.end()) {
        *error = QCoreApplication::translate("corvane::ResultExport", "无法生成 SVG。");
        return false;
    }
    const QByteArray content = withFontFallbacks(buffer.data());
    return writeWhole(
        path, QCoreApplication::translate("corvane::ResultExport", "无法生成 SVG。"), error,
        [&content](QIODevice& file) { return file.write(content) == content.size(); });
#endif
}

bool ResultExport::exportDrawingSvg(QWidget* parent) {
    const auto section = geometry();
    if (!section) {
        return false;
    }
    const QString title =
        QCoreApplication::translate("corvane::ResultExport", "%1 剖面图").arg(form_->windowTitle());
    return saveThroughDialog(
        parent, form_->windowTitle(),
        QCoreApplication::translate("corvane::ResultExport", "导出图形"),
        QCoreApplication::translate("corvane::ResultExport", "SVG 图像 (*.svg)"),
        QStringLiteral("svg"), [&](const QString& path, QString* error) {
            return writeDrawingSvg(*section, title, path, error);
        });
}

ResultExport::DrawingActions ResultExport::createDrawingActions(QWidget* window) {
    DrawingActions actions;
    actions.copy =
        new QAction(QCoreApplication::translate("corvane::ResultExport", "复制图形"), window);
    actions.copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(actions.copy, &QAction::triggered, this, [this] { copyDrawing(); });
    if (!svgExportAvailable()) {
        return actions;
    }
    actions.exportSvg =
        new QAction(QCoreApplication::translate("corvane::ResultExport", "导出图形(SVG)…"), window);
    actions.exportSvg->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(actions.exportSvg, &QAction::triggered, this,
            [this, window] { exportDrawingSvg(window); });
    return actions;
}

void ResultExport::setEnabledWithCalculation(const std::vector<QAction*>& actions) {
    const auto update = [this, actions] {
        for (QAction* action : actions) {
            action->setEnabled(form_->lastCalculation().has_value());
        }
    };
    update();
    connect(form_, &CalculationWindow::calculationChanged, actions.front(), update);
}

void ResultExport::extendDetailsWindow(SectionDetailsWindow* details) {
    // The sheet's net column follows the Δt typed here.
    setDeductionSource([details] { return details->deduction().value_or(0.0); });

    const Actions sheetActions = createActions(details);
    // Here 复制结果 copies what this window shows: the properties, gross and
    // net, and the working table.
    disconnect(sheetActions.copy, &QAction::triggered, this, nullptr);
    connect(sheetActions.copy, &QAction::triggered, this, [details] {
        if (details->details()) {
            QGuiApplication::clipboard()->setMimeData(detailsMimeData(*details->details()));
        }
    });
    const DrawingActions drawingActions = createDrawingActions(details);
    auto* separator = new QAction(details);
    separator->setSeparator(true);
    std::vector<QAction*> actions{sheetActions.copy, sheetActions.exportPdf, sheetActions.print,
                                  separator, drawingActions.copy};
    if (drawingActions.exportSvg != nullptr) {
        actions.push_back(drawingActions.exportSvg);
    }
    for (QAction* action : actions) {
        details->addDetailsAction(action);
    }
    actions.erase(std::find(actions.begin(), actions.end(), separator));
    setEnabledWithCalculation(actions);

    // The project line the sheet's header prints, typed here and remembered
    // between runs; in the row of the Δt entry, last in the tab order (Alt+J
    // reaches it).
    auto* label =
        new QLabel(QCoreApplication::translate("corvane::ResultExport", "计算书项目(&J)"), details);
    auto* field = new QLineEdit(project(), details);
    field->setObjectName(QStringLiteral("project"));
    field->setAccessibleName(QCoreApplication::translate("corvane::ResultExport", "计算书项目"));
    field->setPlaceholderText(
        QCoreApplication::translate("corvane::ResultExport", "印在计算书页首，可不填"));
    field->setMaxLength(200);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(field->placeholderText()) * 3 /
                           2);
    label->setBuddy(field);
    connect(field, &QLineEdit::textChanged, this, [](const QString& text) { setProject(text); });
    details->addHeaderWidget(label);
    details->addHeaderWidget(field);
    // Tab follows the fields as they stand: Δt, the project beside it, then
    // the tables.
    QWidget::setTabOrder(details->deductionField(), field);
    QWidget::setTabOrder(field, details->propertyTable());
}

bool ResultExport::printSheet(QWidget* parent) {
    if (!form_->lastCalculation()) {
        return false;
    }
    return printCalcSheet(parent, sheet());
}

bool ResultExport::printCalcSheet(QWidget* parent, const CalcSheet& content) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true); // the sheet keeps its own margins
    printer.setDocName(QCoreApplication::translate("corvane::ResultExport", "%1 计算书")
                           .arg(content.calculatorName));
    if (!askPrinter(parent, printer)) {
        return false;
    }
    int first = 0;
    int last = -1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = printer.toPage() > 0 ? printer.toPage() - 1 : -1;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return printToFile(parent, content, printer, first, last);
    }
    if (!renderSheet(content, printer, first, last) || printer.printerState() == QPrinter::Error) {
        MsgBox(parent,
               QCoreApplication::translate(
                   "corvane::ResultExport",
                   "计算书未能打印。\n打印机：%1\n原因：无法在该打印机上开始打印。")
                   .arg(printer.printerName()),
               QCoreApplication::translate("corvane::ResultExport", "打印计算书"));
        return false;
    }
    return true;
}

bool ResultExport::printToFile(QWidget* parent, const CalcSheet& content, const QPrinter& printer,
                               int first, int last) {
    // QPrinter would write the file itself, in place and without telling a
    // short write; the same PDF goes through the write-whole-or-nothing step
    // instead, with the printer's page layout and resolution.
    const QString path = printer.outputFileName();
    QString error;
    const bool written =
        writeWhole(path, QCoreApplication::translate("corvane::ResultExport", "无法生成 PDF。"),
                   &error, [&](QIODevice& file) {
                       QPdfWriter writer(&file);
                       writer.setPageLayout(printer.pageLayout());
                       writer.setResolution(printer.resolution());
                       writer.setTitle(printer.docName());
                       writer.setCreator(content.program);
                       return renderSheet(content, writer, first, last);
                   });
    if (!written) {
        MsgBox(parent,
               QCoreApplication::translate("corvane::ResultExport",
                                           "计算书未能打印。\n文件：%1\n原因：%2")
                   .arg(QDir::toNativeSeparators(path), error),
               QCoreApplication::translate("corvane::ResultExport", "打印计算书"));
    }
    return written;
}

ResultExport* installResultExport(CalculationWindow* form, SectionSheetSpec spec) {
    auto* exporter = new ResultExport(form, std::move(spec));
    const ResultExport::Actions actions = exporter->createActions(form);
    QObject::connect(form, &CalculationWindow::detailsWindowCreated, exporter,
                     &ResultExport::extendDetailsWindow);
    if (auto* details = form->findChild<SectionDetailsWindow*>()) {
        exporter->extendDetailsWindow(details);
    }
    form->addContextMenuSeparator();
    form->addCalculationAction(actions.copy);
    form->addCalculationAction(actions.exportPdf);
    form->addCalculationAction(actions.print);
    form->fileMenu()->addAction(actions.exportPdf);
    form->fileMenu()->addAction(actions.print);
    form->editMenu()->addAction(actions.copy);
    return exporter;
}

ResultExport* resultExportOf(const CalculationWindow* form) {
    return form->findChild<ResultExport*>(QStringLiteral("resultExport"),
                                          Qt::FindDirectChildrenOnly);
}

} // namespace corvane
