#include "runtime.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QPalette>

namespace corvane {

namespace {

// Faces shipped beside the program (the Windows folder carries the free AR
// PL faces in fonts/, for systems without Chinese fonts); none on a Linux
// installation, which takes them from the system.
void loadShippedFonts() {
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name :
         folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.ttc"), QStringLiteral("*.otf")},
                          QDir::Files, QDir::Name)) {
        QFontDatabase::addApplicationFont(folder.filePath(name));
    }
}

void substituteFonts() {
    // The windows are designed in the classic Chinese desktop faces. Where a
    // face is not installed, the nearest one that is stands in: the same
    // face under its Latin name, Windows' other Chinese faces, then the free
    // AR PL UMing for the Song face and AR PL UKai for the Kai face and, as
    // there is no free Li face, for 隶书 too.
    const QStringList song{QStringLiteral("SimSun"),         QStringLiteral("NSimSun"),
                           QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Zen Hei")};
    const QStringList kai{QStringLiteral("KaiTi"),          QStringLiteral("KaiTi_GB2312"),
                          QStringLiteral("AR PL UKai CN"),  QStringLiteral("SimSun"),
                          QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")};
    QStringList li{QStringLiteral("LiSu")};
    li += kai;
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("隶书"), li);
    // Text in the toolkit's own face (menus, dialogs) falls back to a
    // Chinese face for the characters that face lacks, also on a system
    // whose own fallbacks have none (an English Windows without the
    // supplementary fonts). Linux leaves that to fontconfig.
#if defined(Q_OS_WIN)
    const QString uiFace = QApplication::font().family();
    if (!QFont::substitutes(uiFace).contains(QStringLiteral("AR PL UMing CN"))) {
        QFont::insertSubstitutions(uiFace, {QStringLiteral("Microsoft YaHei"),
                                            QStringLiteral("SimSun"),
                                            QStringLiteral("AR PL UMing CN")});
    }
#endif
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
    loadShippedFonts();
    substituteFonts();
    installLanguage(language);
    readableGreyedText();
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace corvane
