#include "asciiforms.h"

#include "numtext.h"

#include <QLineEdit>

namespace corvane {

QString toAsciiForms(QString text) {
    for (QChar& c : text) {
        // The rule itself lives with the number readers, which need it too.
        c = QChar(static_cast<char16_t>(asciiFormOf(c.unicode())));
    }
    return text;
}

void keepAsciiForms(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
        const QString ascii = toAsciiForms(text);
        if (ascii != text) {
            const int cursor = field->cursorPosition();
            field->setText(ascii);
            field->setCursorPosition(cursor);
        }
    });
}

} // namespace corvane
