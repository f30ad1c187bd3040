#pragma once

// Entry fields turn the full-width forms of the characters a number is made
// of into their ASCII forms as they are typed or pasted, by the one rule in
// numtext (asciiFormOf), which the batch tool applies to table cells too. A
// full-width digit left in an entry would otherwise silently cut the number
// short.

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
