#pragma once

namespace corvane {

// Tells the window system who the program is, once the QApplication exists:
// the application name, which X11 puts into every window's WM_CLASS so that
// the desktop entry's StartupWMClass finds the windows; the desktop file
// name, which Wayland uses as the windows' app id; the version; and the icon
// of every window, the same picture at every size the desktop entry's icon
// is installed in.
void applyDesktopIdentity();

} // namespace corvane
