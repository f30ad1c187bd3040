#include "tabseparated.h"

namespace corvane {

QString tabSeparated(const std::vector<QStringList>& lines) {
    QString text;
    for (const QStringList& line : lines) {
        QStringList cells;
        for (QString cell : line) {
            if (cell.contains(QLatin1Char('\t')) || cell.contains(QLatin1Char('\n')) ||
                cell.contains(QLatin1Char('"'))) {
                cell.replace(QLatin1String("\""), QLatin1String("\"\""));
                cell = QLatin1Char('"') + cell + QLatin1Char('"');
            }
            cells << cell;
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

std::vector<QStringList> readTabSeparated(const QString& text) {
    std::vector<QStringList> lines;
    QStringList line;
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == QLatin1Char('\t')) {
            line << cell;
            cell.clear();
            cellStarted = false;
        } else if (c == QLatin1Char('\n')) {
            line << cell;
            lines.push_back(line);
            line.clear();
            cell.clear();
            cellStarted = false;
        } else if (c != QLatin1Char('\r')) {
            cell += c;
            cellStarted = true;
        }
    }
    if (cellStarted || !line.isEmpty()) {
        line << cell;
        lines.push_back(line);
    }
    return lines;
}

} // namespace corvane
