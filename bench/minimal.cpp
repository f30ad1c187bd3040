// The floor any Qt 6 Widgets program pays: one window with one label and
// nothing else. With --cjk the label and a button show Chinese text in the
// two CJK faces the menu uses, the floor for a Chinese user interface.
// The benchmark compares Corvane with both.

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("minimal"));
    window.setWindowTitle(QStringLiteral("MinimalQtWindow"));
    window.resize(464, 402);
    QPushButton button(&window);
    if (argc > 1 && std::strcmp(argv[1], "--cjk") == 0) {
        window.setText(QStringLiteral("经验交流"));
        window.setFont(QFont(QStringLiteral("AR PL UMing CN"), 12));
        button.setText(QStringLiteral("结束"));
        button.setFont(QFont(QStringLiteral("AR PL UKai CN"), 14));
    } else {
        button.hide();
    }
    window.show();
    return QApplication::exec();
}
