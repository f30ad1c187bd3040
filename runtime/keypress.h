#pragma once

// The per-character key event of an entry field: the handler sees each typed
// character's code, as a signed 16-bit number, before it is inserted, and
// drops the character by setting the code to 0. Keys that type no character
// (arrows, Delete, Home, function keys) raise nothing; text that arrives by
// pasting raises nothing either. Characters committed by an input method are
// passed through the handler one by one.

#include <functional>

class QLineEdit;

namespace corvane {

using KeyPressHandler = std::function<void(int& keyAscii)>;

void onKeyPress(QLineEdit* field, KeyPressHandler handler);

} // namespace corvane
