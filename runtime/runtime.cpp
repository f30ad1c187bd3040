#include "runtime.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QPalette>

namespace corvane {

namespace {

void substituteFonts() {
    // The windows are designed in the classic Chinese desktop faces. Free
    // fonts stand in: AR PL UMing for the Song face, AR PL UKai for the Kai
    // face and, as there is no free Li face, for 隶书 too.
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("WenQuanYi Zen Hei")};
    const QStringList kai{QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing CN"),
                          QStringLiteral("WenQuanYi Zen Hei")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("隶书"), kai);
}

// Greyed text is drawn in the system's grey-text colour, dark enough to read
// on every field it stands on (4.77:1 on the #EFEFEF of a disabled text box,
// 5.5:1 on white), not in the toolkit's default light grey (#BEBEBE,
// 1.6:1). The result fields are disabled after every calculation, so this
// is the colour of the program's main output. Set once on the application,
// so that every window and every control inherits it.
void readableGreyedText() {
    const QColor greyText(0x69, 0x69, 0x69);
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, greyText);
    }
    QApplication::setPalette(palette);
}

} // namespace

void initialiseRuntime(Language language) {
    // Both locales write numbers alike (the decimal point, no grouping in
    // the program's own formatting); the locale decides Qt's own wording.
    QLocale::setDefault(language == Language::English
                            ? QLocale(QLocale::English, QLocale::UnitedStates)
                            : QLocale(QLocale::Chinese, QLocale::China));
    substituteFonts();
    installLanguage(language);
    readableGreyedText();
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace corvane
