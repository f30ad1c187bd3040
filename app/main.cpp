#include "commandline.h"
#include "desktopidentity.h"
#include "displaycheck.h"
#include "forms.h"
#include "programwindows.h"
#include "runtime.h"

#include <QApplication>

using namespace corvane;

int main(int argc, char** argv) {
    // --help and --version need no display, so they are answered before the
    // window system is opened.
    Language language = Language::Chinese;
    QString file;
    if (const std::optional<int> status = handleCommandLine(argc, argv, language, &file)) {
        return *status;
    }

    if (!checkGraphicalDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    initialiseRuntime(language);
    applyDesktopIdentity();

    WindowRuntime& windows = WindowRuntime::instance();
    defineWindows(windows);
    windows.setOnLastUnload([] { QCoreApplication::quit(); });

    openAtStart(file);
    const int status = QApplication::exec();
    // Unloaded windows are destroyed by the event loop; let it finish them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
