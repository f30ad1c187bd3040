#include "asciiforms.h"

#include <QLineEdit>

namespace corvane {

namespace {

constexpr char16_t fullWidthZero = u'\uFF10';
constexpr char16_t fullWidthNine = u'\uFF19';
constexpr char16_t ideographicSpace = u'\u3000';

char16_t asciiForm(char16_t c) {
    if (c >= fullWidthZero && c <= fullWidthNine) {
        return static_cast<char16_t>(u'0' + (c - fullWidthZero));
    }
    switch (c) {
    case u'\uFF0E':
        return u'.';
    case u'\uFF0B':
        return u'+';
    case u'\uFF0D':
        return u'-';
    case u'\uFF25':
        return u'E';
    case u'\uFF45':
        return u'e';
    case ideographicSpace:
        return u' ';
    default:
        return c;
    }
}

} // namespace

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
