#include "displaycheck.h"
#include "forms.h"
#include "programwindows.h"
#include "runtime.h"

#include <QApplication>
#include <QIcon>

using namespace corvane;

int main(int argc, char** argv) {
    if (!checkGraphicalDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    initialiseRuntime();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    WindowRuntime& windows = WindowRuntime::instance();
    defineWindows(windows);
    windows.setOnLastUnload([] { QCoreApplication::quit(); });

    windows.Show(QStringLiteral("Form2"));
    const int status = QApplication::exec();
    // Unloaded windows are destroyed by the event loop; let it finish them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
