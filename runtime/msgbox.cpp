#include "msgbox.h"

#include "appobject.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

#include <utility>

namespace corvane {

namespace {

void showModal(const MessageBoxRequest& request) {
    QMessageBox box(QMessageBox::NoIcon, request.title, request.text, QMessageBox::Ok,
                    request.parent);
    // A text, a title and one button, nothing more: some styles and desktop
    // themes put a check mark on the OK button, which is taken off again.
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
    }
    box.exec(); // the window below gets its focus back when the box closes
}

MessageBoxPresenter& presenter() {
    static MessageBoxPresenter current;
    return current;
}

} // namespace

void MsgBox(QWidget* parent, const QString& text, const QString& title) {
    const MessageBoxRequest request{parent, text, title.isEmpty() ? App::Title : title};
    if (presenter()) {
        presenter()(request);
    } else {
        showModal(request);
    }
}

MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter next) {
    return std::exchange(presenter(), std::move(next));
}

} // namespace corvane
