#pragma once

// The language of the user interface. The program's own texts are Chinese;
// English is a translation compiled from i18n/*_en.ts into .qm files that are
// embedded under :/i18n. Chinese is the default whatever the system's locale
// says: only the user's choice (corvane --lang, or the main menu's 工具 menu)
// switches, and that choice is remembered in the program's settings.

#include <QString>

#include <optional>

namespace corvane {

enum class Language { Chinese, English };

// "zh" or "en": the values of --lang and of the remembered setting.
QString languageCode(Language language);
// The language a code names ("zh", "en", case as typed), or nothing.
std::optional<Language> languageFromCode(const QString& code);

// The language installed last; Chinese until installLanguage is called.
Language currentLanguage();

// Installs the language's translations into the running application (one is
// needed): for Chinese, Qt's own Chinese texts (the message box's "确定");
// for English, every embedded :/i18n/*_en.qm, Qt's own texts staying its
// English. Replaces what an earlier call installed. Returns false when
// nothing of the language could be loaded (the texts then stay Chinese).
bool installLanguage(Language language);

// Translates with the language's translations without an application
// object: for the command line, answered before the window system opens.
// Chinese returns the text itself.
QString translateEarly(Language language, const char* context, const char* sourceText);

// The language the user chose last, Chinese when none was chosen or the
// setting holds something else. Read from and written to the program's
// settings (App::SettingsOrganization, App::SettingsApplication).
Language rememberedLanguage();
void rememberLanguage(Language language);

} // namespace corvane
