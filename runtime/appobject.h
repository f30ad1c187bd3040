#pragma once

// The application's identity, fixed when the program is built.

#include <QString>

namespace corvane::App {

// Window titles, the About box and untitled message boxes use it.
inline const QString Title = QStringLiteral("Corvane");
inline constexpr int Major = 1;
inline constexpr int Minor = 1;
inline constexpr int Revision = 0;

// Where users write with their experience; the menu's contact line and the
// About box show it.
inline const QString ContactAddress = QStringLiteral("cv@example.org");

} // namespace corvane::App
