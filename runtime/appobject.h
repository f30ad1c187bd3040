#pragma once

// The application's identity, fixed when the program is built.

#include "corvaneversion.h"

#include <QString>

namespace corvane::App {

// Window titles, the About box and untitled message boxes use it.
inline const QString Title = QStringLiteral("Corvane");
// The version numbers of the build, from the project's version in CMake.
inline constexpr int Major = CORVANE_VERSION_MAJOR;
inline constexpr int Minor = CORVANE_VERSION_MINOR;
inline constexpr int Revision = CORVANE_VERSION_PATCH;
inline const QString Version = QStringLiteral(CORVANE_VERSION);

// The version as the program states it: "1.2.0" (the About box, the sheet).
inline QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}

// Where the remembered settings live (the last folder a sheet went to, the
// project line): organisation and application of QSettings, ~/.config/
// Corvane/Corvane.conf. They stay apart from the application name "corvane"
// the desktop knows the program by, so that settings remembered by earlier
// versions are kept.
inline const QString SettingsOrganization = QStringLiteral("Corvane");
inline const QString SettingsApplication = QStringLiteral("Corvane");

// The reverse-DNS id under which the desktop knows the program: the name of
// its desktop entry, its AppStream metainfo and its icon.
inline const QString AppId = QStringLiteral(CORVANE_APP_ID);

// Where users write with their experience; the menu's contact line and the
// About box show it.
inline const QString ContactAddress = QStringLiteral("cv@example.org");

} // namespace corvane::App
