#include "language.h"

#include "appobject.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace corvane {

namespace {

const QString settingsKey = QStringLiteral("language");

Language current = Language::Chinese;

using Translators = std::vector<std::unique_ptr<QTranslator>>;

// The translators installed into the application, owned here so that the
// next installLanguage can take them out again.
Translators& installed() {
    static Translators translators;
    return translators;
}

Translators load(Language language) {
    Translators translators;
    if (language == Language::Chinese) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            translators.push_back(std::move(qt));
        }
        return translators;
    }
    const QDir embedded(QStringLiteral(":/i18n"));
    for (const QString& name :
         embedded.entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name)) {
        // A library without texts to translate has an empty file, which
        // does not load and is passed over.
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(embedded.filePath(name))) {
            translators.push_back(std::move(translator));
        }
    }
    return translators;
}

} // namespace

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<Language> languageFromCode(const QString& code) {
    for (const Language language : {Language::Chinese, Language::English}) {
        if (code == languageCode(language)) {
            return language;
        }
    }
    return std::nullopt;
}

Language currentLanguage() {
    return current;
}

bool installLanguage(Language language) {
    for (const std::unique_ptr<QTranslator>& translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed() = load(language);
    for (const std::unique_ptr<QTranslator>& translator : installed()) {
        QCoreApplication::installTranslator(translator.get());
    }
    current = language;
    return !installed().empty();
}

QString translateEarly(Language language, const char* context, const char* sourceText) {
    if (language == Language::English) {
        static const Translators english = load(Language::English);
        for (const std::unique_ptr<QTranslator>& translator : english) {
            const QString text = translator->translate(context, sourceText);
            if (!text.isEmpty()) {
                return text;
            }
        }
    }
    return QString::fromUtf8(sourceText);
}

Language rememberedLanguage() {
    const QSettings settings(App::SettingsOrganization, App::SettingsApplication);
    return languageFromCode(settings.value(settingsKey).toString()).value_or(Language::Chinese);
}

void rememberLanguage(Language language) {
    QSettings settings(App::SettingsOrganization, App::SettingsApplication);
    settings.setValue(settingsKey, languageCode(language));
}

} // namespace corvane
