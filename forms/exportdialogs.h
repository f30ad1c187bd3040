#pragma once

// The dialogs that files and results leaving a window need: where to save a
// file, whether to replace one that is there, which printer to print on,
// which file to open, and whether to save changes before they go. Each
// goes through a replaceable function, as message boxes go through MsgBox,
// so that tests answer them at once instead of showing a modal dialog.

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace corvane {

struct SavePathRequest {
    QWidget* parent = nullptr;
    QString caption;      // the dialog's title
    QString proposedPath; // folder and file name offered
    QString filter;       // e.g. "PDF (*.pdf)"
};

// Returns the chosen path, or an empty string when the user cancels.
using SavePathAsker = std::function<QString(const SavePathRequest&)>;
// Returns true when the existing file at the path may be replaced.
using OverwriteConfirmer = std::function<bool(QWidget* parent, const QString& path)>;
// Lets the user choose and set up the printer; false when cancelled.
using PrinterAsker = std::function<bool(QWidget* parent, QPrinter& printer)>;

struct OpenPathRequest {
    QWidget* parent = nullptr;
    QString caption; // the dialog's title
    QString folder;  // where the dialog starts
    QString filter;  // e.g. "CSV 表格 (*.csv)"
};

// What to do with a document's unsaved changes before it closes.
enum class SaveChangesAnswer { Save, Discard, Cancel };

// Returns the chosen path, or an empty string when the user cancels.
using OpenPathAsker = std::function<QString(const OpenPathRequest&)>;
// `document` names what has the changes (its file name).
using SaveChangesAsker = std::function<SaveChangesAnswer(QWidget* parent, const QString& document)>;

QString askSavePath(const SavePathRequest& request);
QString askOpenPath(const OpenPathRequest& request);
SaveChangesAnswer askSaveChanges(QWidget* parent, const QString& document);
bool confirmOverwrite(QWidget* parent, const QString& path);
bool askPrinter(QWidget* parent, QPrinter& printer);

// Each setter replaces one dialog and returns the function that was in
// place; an empty function restores the real dialog.
SavePathAsker setSavePathAsker(SavePathAsker asker);
OverwriteConfirmer setOverwriteConfirmer(OverwriteConfirmer confirmer);
PrinterAsker setPrinterAsker(PrinterAsker asker);
OpenPathAsker setOpenPathAsker(OpenPathAsker asker);
SaveChangesAsker setSaveChangesAsker(SaveChangesAsker asker);

} // namespace corvane
