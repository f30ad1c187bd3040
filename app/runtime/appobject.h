#pragma once

// The application's identity, fixed when the program is built.

#include <QString>

namespace corvane::App {

// Window titles, the About box and untitled message boxes use it.
inline const QString Title = QStringLiteral("Corvane");
inline constexpr int Major = 1;
inline constexpr int Minor = 1;
inline constexpr int Revision = 0;

} // namespace corvane::App
