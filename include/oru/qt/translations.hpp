#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

// The panels in other languages, through Qt's own translation system. The controls hold and
// return their texts in French, as the host reads them back; the Qt layer translates where a text
// reaches the screen (captions, tooltips, list items, message boxes, the view's own hints), and
// every open view retranslates in place when the application's translators change.
//
//     QApplication app(argc, argv);
//     oru::qt::installTranslations();                       // the system's language
//     ...
//     oru::qt::installTranslations(QLocale(QLocale::English));  // switch while views are open
namespace oru::qt {

// Installs the panels' translations for the locale into the application (QCoreApplication) and
// returns true; false when the library has none for that language (French, the panels' own, needs
// none). A call replaces the translations an earlier call installed; one that returns false
// removes them, so that the panels speak French again.
bool installTranslations(const QLocale& locale = QLocale());

// A text of a control as the panels show it in the application's current language: its fixed
// parts translated in the control's context ("OperFraisage", "OperTournage", "Avalant",
// "SensRot", "Arrosage"; "Messages" for message boxes), numbers, thread designations, file names
// and values kept as they are ("Fichier C:\cam\user\Filet_E.dat non trouvé", "1° passe=2 + 2
// passes=1.3"). The French text itself when no translation is installed. For a host that shows
// the panels' texts in its own widgets (its own message box handler, a read-back pane).
QString translatedText(std::string_view context, std::string_view text);

// The fixed parts of a text, as translatedText looks them up (the sources of the translation
// catalogue): "Fichier %1 non trouvé" for "Fichier C:\cam\user\Filet_E.dat non trouvé";
// nothing for a number or a widget name. For translation tools and their tests.
std::vector<std::string> fixedParts(std::string_view text);

}  // namespace oru::qt
