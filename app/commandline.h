#pragma once

#include "language.h"
#include <QString>

#include <optional>

namespace corvane {

// Looks at the program's arguments before any window system is touched, so
// that --help and --version work on a machine without a display. Returns
// the exit status when the program should end here (after printing the help
// or the version, or an error for an argument it does not know: status 2),
// and nothing when it should go on and open its windows.
//
// Qt's own window-system options (-platform, -style, -display, ...) are
// accepted and left for QApplication to apply. One further argument names a
// section table file to open; it is returned in `file`.
//
// --lang zh|en chooses the language of the texts and is remembered for the
// next runs; without it the remembered language holds (Chinese when none
// was chosen: the system's locale does not choose). `chosen` receives the
// language the program goes on in.
std::optional<int> handleCommandLine(int argc, char** argv, Language& chosen,
                                     QString* file = nullptr);

} // namespace corvane
