#pragma once

// Tab-separated text as spreadsheets put it on the clipboard: a cell with a
// tab, a line break or a quote is quoted, quotes doubled; lines end with a
// line feed (a carriage return before it is dropped on reading).

#include <QString>
#include <QStringList>

#include <vector>

namespace corvane {

QString tabSeparated(const std::vector<QStringList>& lines);
std::vector<QStringList> readTabSeparated(const QString& text);

} // namespace corvane
