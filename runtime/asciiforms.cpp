#include "asciiforms.h"

#include "numtext.h"

#include <QLineEdit>

namespace corvane {

QString toAsciiForms(QString text) {
    for (QChar& c : text) {
        c = QChar(asciiForm(c.unicode()));
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
