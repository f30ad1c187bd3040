#pragma once

#include <QString>

namespace corvane {

class WindowRuntime;

// Makes the program's windows known to the runtime by their names.
void defineWindows(WindowRuntime& windows);

// The first window: the main menu, or with a file named on the command line
// the section table window with that file. A file that cannot be read gives
// its message, and the main menu shows instead. True when a window shows.
bool openAtStart(const QString& file);

} // namespace corvane
