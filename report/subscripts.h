#pragma once

// Symbols are written with "_" before their subscript: "t_p", "b_f", "h_w".
// The one rule for reading them: a "_" followed by an ASCII letter or digit
// starts a subscript, which runs over the ASCII letters and digits after it. Everything
// that sets a symbol (the drawing, the sheet, the details window's input
// line) reads it through here, so a symbol looks the same everywhere.

#include <QString>

#include <vector>

namespace corvane {

struct TextRun {
    QString text;
    bool subscript = false;
};

// The text split into plain and subscript runs, the marks removed.
std::vector<TextRun> subscriptRuns(const QString& text);

// The same text as rich text: subscripts in <sub>, everything escaped.
QString withSubscripts(const QString& text);

} // namespace corvane
