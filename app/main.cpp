#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "forms.h"
#include "frmabout.h"
#include "runtime.h"

#include <QApplication>
#include <QIcon>

using namespace corvane;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initialiseRuntime();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    WindowRuntime& windows = WindowRuntime::instance();
    windows.define(QStringLiteral("Form2"), [] { return new Form2; });
    windows.define(QStringLiteral("Form1"), [] { return new Form1; });
    windows.define(QStringLiteral("Form3"), [] { return new Form3; });
    windows.define(QStringLiteral("Form4"), [] { return new Form4; });
    windows.define(QStringLiteral("Form5"), [] { return new Form5; });
    windows.define(QStringLiteral("frmAbout"), [] { return new frmAbout; });
    windows.setOnLastUnload([] { QCoreApplication::quit(); });

    windows.Show(QStringLiteral("Form2"));
    const int status = QApplication::exec();
    // Unloaded windows are destroyed by the event loop; let it finish them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
