#include "keypress.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstdint>

namespace corvane {

namespace {

int keyCode(QChar character) {
    return static_cast<std::int16_t>(character.unicode());
}

class KeyPressFilter : public QObject {
  public:
    KeyPressFilter(QLineEdit* field, KeyPressHandler handler)
        : QObject(field), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            return filterKey(static_cast<QKeyEvent*>(event));
        }
        if (event->type() == QEvent::InputMethod && !reentered_) {
            return filterCommit(watched, static_cast<QInputMethodEvent*>(event));
        }
        return false;
    }

  private:
    bool filterKey(const QKeyEvent* key) {
        const QString text = key->text();
        if (text.isEmpty() || key->key() == Qt::Key_Delete) {
            return false; // no character is typed
        }
        int code = keyCode(text.front());
        // Ctrl with a letter types the control character (Ctrl+V is 22),
        // whether or not the platform put it in the event's text.
        const QChar first = text.front().toUpper();
        if (key->modifiers().testFlag(Qt::ControlModifier) && first >= QLatin1Char('A') &&
            first <= QLatin1Char('Z')) {
            code = first.unicode() - 'A' + 1;
        }
        handler_(code);
        return code == 0;
    }

    bool filterCommit(QObject* watched, QInputMethodEvent* commit) {
        const QString& text = commit->commitString();
        if (text.isEmpty()) {
            return false;
        }
        QString kept;
        for (const QChar character : text) {
            int code = keyCode(character);
            handler_(code);
            if (code != 0) {
                kept.append(character);
            }
        }
        if (kept == text) {
            return false;
        }
        QInputMethodEvent filtered(commit->preeditString(), commit->attributes());
        filtered.setCommitString(kept, commit->replacementStart(), commit->replacementLength());
        reentered_ = true;
        QCoreApplication::sendEvent(watched, &filtered);
        reentered_ = false;
        return true;
    }

    KeyPressHandler handler_;
    bool reentered_ = false;
};

} // namespace

void onKeyPress(QLineEdit* field, KeyPressHandler handler) {
    field->installEventFilter(new KeyPressFilter(field, std::move(handler)));
}

} // namespace corvane
