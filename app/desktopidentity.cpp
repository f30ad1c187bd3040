#include "desktopidentity.h"

#include "appobject.h"

#include <QApplication>
#include <QIcon>
#include <QSize>
#include <QString>

namespace corvane {

void applyDesktopIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("corvane"));
    QCoreApplication::setApplicationVersion(App::Version);
    QGuiApplication::setDesktopFileName(App::AppId);

    // The About box's 32-pixel icon and its larger and smaller drawings; the
    // install puts the same files into the desktop's icon theme.
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon.png"), QSize(32, 32));
    for (const int size : {16, 24, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/pictures/icons/corvane-%1.png").arg(size),
                     QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace corvane
