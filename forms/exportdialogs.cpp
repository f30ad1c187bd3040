#include "exportdialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace corvane {

namespace {

QString realSavePath(const SavePathRequest& request) {
    // The replace question is asked by confirmOverwrite, the same way for
    // every caller, so the dialog does not ask it a second time.
    return QFileDialog::getSaveFileName(request.parent, request.caption, request.proposedPath,
                                        request.filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

bool realConfirmOverwrite(QWidget* parent, const QString& path) {
    QMessageBox box(
        QMessageBox::Question, QCoreApplication::translate("corvane::ExportDialogs", "确认替换"),
        QCoreApplication::translate("corvane::ExportDialogs", "文件“%1”已存在。\n要替换它吗？")
            .arg(QFileInfo(path).fileName()),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setInformativeText(QFileInfo(path).absolutePath());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool realAskPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("corvane::ExportDialogs", "打印计算书"));
    return dialog.exec() == QDialog::Accepted;
}

QString realOpenPath(const OpenPathRequest& request) {
    return QFileDialog::getOpenFileName(request.parent, request.caption, request.folder,
                                        request.filter);
}

SaveChangesAnswer realAskSaveChanges(QWidget* parent, const QString& document) {
    QMessageBox box(
        QMessageBox::Question, QCoreApplication::translate("corvane::ExportDialogs", "保存更改"),
        QCoreApplication::translate("corvane::ExportDialogs", "“%1”有尚未保存的更改。\n要保存吗？")
            .arg(document),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("corvane::ExportDialogs", "保存"));
    box.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("corvane::ExportDialogs", "不保存"));
    box.button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("corvane::ExportDialogs", "取消"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChangesAnswer::Save;
    case QMessageBox::Discard:
        return SaveChangesAnswer::Discard;
    default:
        return SaveChangesAnswer::Cancel;
    }
}

SavePathAsker& savePathAsker() {
    static SavePathAsker current;
    return current;
}
OverwriteConfirmer& overwriteConfirmer() {
    static OverwriteConfirmer current;
    return current;
}
PrinterAsker& printerAsker() {
    static PrinterAsker current;
    return current;
}

OpenPathAsker& openPathAsker() {
    static OpenPathAsker current;
    return current;
}
SaveChangesAsker& saveChangesAsker() {
    static SaveChangesAsker current;
    return current;
}

} // namespace

QString askOpenPath(const OpenPathRequest& request) {
    return openPathAsker() ? openPathAsker()(request) : realOpenPath(request);
}

SaveChangesAnswer askSaveChanges(QWidget* parent, const QString& document) {
    return saveChangesAsker() ? saveChangesAsker()(parent, document)
                              : realAskSaveChanges(parent, document);
}

OpenPathAsker setOpenPathAsker(OpenPathAsker asker) {
    return std::exchange(openPathAsker(), std::move(asker));
}

SaveChangesAsker setSaveChangesAsker(SaveChangesAsker asker) {
    return std::exchange(saveChangesAsker(), std::move(asker));
}

QString askSavePath(const SavePathRequest& request) {
    return savePathAsker() ? savePathAsker()(request) : realSavePath(request);
}

bool confirmOverwrite(QWidget* parent, const QString& path) {
    return overwriteConfirmer() ? overwriteConfirmer()(parent, path)
                                : realConfirmOverwrite(parent, path);
}

bool askPrinter(QWidget* parent, QPrinter& printer) {
    return printerAsker() ? printerAsker()(parent, printer) : realAskPrinter(parent, printer);
}

SavePathAsker setSavePathAsker(SavePathAsker asker) {
    return std::exchange(savePathAsker(), std::move(asker));
}

OverwriteConfirmer setOverwriteConfirmer(OverwriteConfirmer confirmer) {
    return std::exchange(overwriteConfirmer(), std::move(confirmer));
}

PrinterAsker setPrinterAsker(PrinterAsker asker) {
    return std::exchange(printerAsker(), std::move(asker));
}

} // namespace corvane
