#include "runtime.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

void loadChineseQtTexts() {
    static QTranslator translator;
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
}

} // namespace

void initialiseRuntime() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    substituteFonts();
    loadChineseQtTexts();
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace corvane
