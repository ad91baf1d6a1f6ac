#include "language.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "oru/qt/translations.hpp"

// Registers the demo's catalogues compiled into it (outside any namespace, as Qt requires).
static void registerDemoTranslations() { Q_INIT_RESOURCE(oru_demo_i18n); }

namespace demo {
namespace {

Language g_language = Language::French;
// The translators installed for the current language, owned by the application.
QPointer<QTranslator> g_qtTexts;
QPointer<QTranslator> g_demoTexts;

void uninstall(QPointer<QTranslator>& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator.data());
    delete translator.data();
}

}  // namespace

std::optional<Language> languageNamed(const QString& code) {
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("fr")) return Language::French;
    if (c == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

QLocale localeOf(Language language) {
    return language == Language::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                         : QLocale(QLocale::French, QLocale::France);
}

bool setLanguage(Language language) {
    registerDemoTranslations();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    g_language = language;
    const QLocale locale = localeOf(language);
    // The demo's texts are written in French: English needs the catalogue, French none.
    uninstall(g_demoTexts);
    if (language != Language::French) {
        auto* translator = new QTranslator(app);
        if (translator->load(locale, QStringLiteral("oru-demo"), QStringLiteral("_"),
                             QStringLiteral(":/oru-demo/i18n"))) {
            QCoreApplication::installTranslator(translator);
            g_demoTexts = translator;
        } else {
            delete translator;
        }
    }
    (void)oru::qt::installTranslations(locale);
    // Qt's own texts are written in English: only French needs Qt's catalogue to be there.
    return installQtTranslations(*app, locale) || language == Language::English;
}

Language currentLanguage() { return g_language; }

bool installQtTranslations(QCoreApplication& app, const QLocale& locale) {
    uninstall(g_qtTexts);
    // "qt" loads the catalogues of every Qt module that has one (qtbase_fr.qm, ...).
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    g_qtTexts = translator;
    return true;
}

}  // namespace demo
