#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;

// The demo's languages. The demo speaks French by default, as the panels do, and English on
// request (--lang en, or its Language menu): its own texts from the English catalogue compiled
// into it (apps/demo/translations), the panels' through the library's translations, and Qt's own
// (a box's context menu, a message box's buttons) from Qt's translations folder. Every open window
// retranslates itself on the LanguageChange event that a switch sends.
namespace demo {

enum class Language { French, English };

// The language a command line names: "fr" or "en", letter case aside; nothing for another word.
std::optional<Language> languageNamed(const QString& code);
QLocale localeOf(Language language);

// Puts the whole demo in a language, replacing the translations of the previous one. False when
// Qt's own French translations are missing (on Debian, package qt6-translations-l10n): Qt's texts
// then stay in English, everything else follows.
bool setLanguage(Language language);
// The language last set (French before any call).
Language currentLanguage();

// Loads Qt's own translations for the language of `locale` from Qt's translations folder, for
// the life of `app`, in place of those an earlier call loaded. False when Qt has none for it there.
bool installQtTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace demo
