#pragma once

// A Chinese input method in full-width mode types "６０．５" for 60.5. The
// number readers stop at the first character they do not know, so a
// full-width digit left in an entry would silently cut the number short.
// Entry fields therefore turn the full-width forms of the characters a
// number is made of (digits, point, plus, minus, E/e) and the ideographic
// space into their ASCII forms as they are typed or pasted. Every other
// character is left as it is, for the field's own rules to treat.

#include <QString>

class QLineEdit;

namespace corvane {

// The text with those full-width forms replaced one for one; the length and
// every other character are kept, so cursor and selection positions stay
// valid.
QString toAsciiForms(QString text);

// Applies toAsciiForms to every edit the user makes in the field (typing,
// pasting, input-method commits), keeping the cursor where it was. Install
// it before any other handler of the field's textEdited signal, so that
// those handlers see the ASCII text.
void keepAsciiForms(QLineEdit* field);

} // namespace corvane
