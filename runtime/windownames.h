#pragma once

// The names under which the windows are defined in the runtime and reach
// each other (Show, Hide, Unload): one constant per window, so that a
// misspelt name is a compile error rather than a window that never shows.

#include <QString>

namespace corvane::WindowName {

inline const QString MainMenu = QStringLiteral("Form2");
inline const QString HullSection = QStringLiteral("Form1");
inline const QString BuiltUpSection = QStringLiteral("Form3");
inline const QString Pipe = QStringLiteral("Form4");
inline const QString Calculator = QStringLiteral("Form5");
inline const QString About = QStringLiteral("frmAbout");
inline const QString BulbFlat = QStringLiteral("frmBulbFlat");
inline const QString GirderTable = QStringLiteral("frmGirderTable");

} // namespace corvane::WindowName
