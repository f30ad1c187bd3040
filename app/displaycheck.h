#pragma once

// Corvane is a desktop program: without a graphical display the toolkit
// would abort with a message about reinstalling. The check below runs before
// the application object is created and says plainly what is missing.

#include <string>
#include <vector>

namespace corvane {

// What decides whether a window system can be reached.
struct DisplayEnvironment {
    std::string platform;       // -platform argument, else QT_QPA_PLATFORM
    std::string display;        // -display argument, else DISPLAY (X11)
    std::string waylandDisplay; // WAYLAND_DISPLAY
    bool waylandSocket = false; // the default Wayland socket exists
};

DisplayEnvironment currentDisplayEnvironment(int argc, char** argv);

// Whether one of the platforms the toolkit would try has a display to use:
// X11 needs a display name, Wayland a display name or its default socket.
// Platforms that need no window system (offscreen, vnc, linuxfb, ...) are
// taken at their word; if one fails anyway, the check's fallback below
// reports it.
bool hasGraphicalDisplay(const DisplayEnvironment& environment);

// The message, in Chinese and English, ending with a newline.
const char* noDisplayMessage();

// Call first in main(). Without a display prints noDisplayMessage() to the
// standard error and returns false; the program then ends with status 1.
// Otherwise returns true and stays on guard: if the toolkit still finds no
// usable platform while the application object is created, the same message
// is printed and the process ends with status 1 instead of aborting.
bool checkGraphicalDisplay(int argc, char** argv);

} // namespace corvane
