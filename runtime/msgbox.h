#pragma once

// Every message box of the program goes through MsgBox, so that one
// presenter decides how it is shown: the real modal box, or, in tests, a
// recorder that answers at once.

#include <QString>

#include <functional>

class QWidget;

namespace corvane {

struct MessageBoxRequest {
    QWidget* parent = nullptr;
    QString text;
    QString title;
};

using MessageBoxPresenter = std::function<void(const MessageBoxRequest&)>;

// Shows a modal box with the text, the title (App::Title when empty), one OK
// button and no icon, and returns when the user has pressed OK.
void MsgBox(QWidget* parent, const QString& text, const QString& title = QString());

// Replaces the presenter; an empty function restores the real modal box.
// Returns the presenter that was in place.
MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter presenter);

} // namespace corvane
