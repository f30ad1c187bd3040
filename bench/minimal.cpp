// The floor any Qt 6 Widgets program pays: one window with one label, the
// same toolkit set-up and nothing else. The benchmark compares Corvane with it.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("minimal"));
    window.setWindowTitle(QStringLiteral("MinimalQtWindow"));
    window.resize(464, 402);
    window.show();
    return QApplication::exec();
}
