#pragma once

// The calculator from the keyboard: which window key a keyboard key presses,
// how a key pressed from the keyboard shows, and what of the clipboard can go
// into the display.

#include <QString>

#include <optional>

class QKeyEvent;
class QPushButton;

namespace corvane {

// The control name of the key ("Command27" for "=") that a keyboard key
// presses while the focus is in the window but not in the display, or null
// for a key that keeps its usual meaning.
const char* calculatorKeyFor(const QKeyEvent& event);

// Shows `key` pressed for a moment, as a mouse click does, after the keyboard
// has pressed it.
void showPressedBriefly(QPushButton* key);

// The clipboard's text as the one line to put into the display, in ASCII
// forms; nothing for an empty text or one of more than one line.
std::optional<QString> pastableLine(const QString& clipboard);

} // namespace corvane
