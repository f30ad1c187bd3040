#pragma once

// Sets up what every window relies on: the language (by default the Chinese
// (PRC) locale and Qt's own Chinese texts: the message box's OK reads "确定";
// in English the program's translation and Qt's English), the mapping of the font
// names the windows use to installed CJK fonts, greyed (disabled) text in a
// grey that stays readable, and no automatic quit when
// the last window closes (the window runtime ends the program itself).
// Call once, right after the QApplication is created.

#include "language.h"

namespace corvane {

void initialiseRuntime(Language language = Language::Chinese);

} // namespace corvane
