#include "subscripts.h"

namespace corvane {

namespace {

bool subscriptCharacter(QChar c) {
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

} // namespace

std::vector<TextRun> subscriptRuns(const QString& text) {
    std::vector<TextRun> runs;
    TextRun current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('_') && !current.subscript && i + 1 < text.size() &&
            subscriptCharacter(text[i + 1])) {
            runs.push_back(current);
            current = {{}, true};
        } else if (current.subscript && !subscriptCharacter(c)) {
            runs.push_back(current);
            current = {QString(c), false};
        } else {
            current.text += c;
        }
    }
    runs.push_back(current);
    return runs;
}

QString withSubscripts(const QString& text) {
    QString html;
    for (const TextRun& run : subscriptRuns(text)) {
        html += run.subscript ? QStringLiteral("<sub>%1</sub>").arg(run.text.toHtmlEscaped())
                              : run.text.toHtmlEscaped();
    }
    return html;
}

} // namespace corvane
