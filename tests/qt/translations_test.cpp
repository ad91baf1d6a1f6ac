// The panels in English: every text the controls can show has its English, the screen shows it
// and switches language in place, and nothing the host reads back changes with the language.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "oru/codes.hpp"
#include "oru/qt/panelview.hpp"
#include "oru/qt/translations.hpp"
#include "qt_support.hpp"
#include "sweep.hpp"

namespace oru::test {
namespace {

using qt::PanelView;

// Installs English for one test and puts French back after it.
struct English {
    English() { EXPECT_TRUE(qt::installTranslations(QLocale(QLocale::English))); }
    ~English() { EXPECT_FALSE(qt::installTranslations(QLocale(QLocale::French))); }
};

// The catalogues as compiled into the library, to ask whether a text has an English entry.
class Catalogue {
public:
    Catalogue() {
        for (const char* name : {"oructrl", "oructrl_qt"}) {
            auto t = std::make_unique<QTranslator>();
            EXPECT_TRUE(t->load(QLocale(QLocale::English), QString::fromLatin1(name),
                                QStringLiteral("_"), QStringLiteral(":/oru/i18n")))
                << name;
            translators_.push_back(std::move(t));
        }
    }
    bool has(const std::string& context, const std::string& source) const {
        for (const auto& t : translators_)
            if (!t->translate(context.c_str(), source.c_str()).isEmpty()) return true;
        return false;
    }

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

TEST(Translations, FixedPartsKeepValuesAndNames) {
    using V = std::vector<std::string>;
    EXPECT_EQ(qt::fixedParts("Z de sécurité > 25 > 30"), V{"Z de sécurité"});
    EXPECT_EQ(qt::fixedParts("Fichier C:\\cam\\user\\Filet_E.dat non trouvé"),
              V{"Fichier %1 non trouvé"});
    EXPECT_EQ(qt::fixedParts("tbPara(3)\r\nDépassement de capacité"), V{"Dépassement de capacité"});
    EXPECT_EQ(qt::fixedParts("1° passe=2 + 2 passes=1.3"), V{"1° passe=%1 + %2 passes=%3"});
    EXPECT_EQ(qt::fixedParts("M10x1.5\tpas=       1.5\t9 <=D< 11"), V{"%1\tpas=%2\t%3"});
    EXPECT_EQ(qt::fixedParts(" 4*2.325"), V{});
    EXPECT_EQ(qt::fixedParts("Détails Filetage >>"), V{"Détails Filetage >>"});

    const English english;
    EXPECT_EQ(qt::translatedText("OperFraisage", "Z de sécurité > 25 > 30"), "Safety Z > 25 > 30");
    EXPECT_EQ(qt::translatedText("OperTournage", "1° passe=2 + 2 passes=1.3"),
              "1st pass=2 + 2 passes=1.3");
    EXPECT_EQ(qt::translatedText("OperTournage", "M10x1.5\tpas=       1.5\t9 <=D< 11"),
              "M10x1.5\tpitch=       1.5\t9 <=D< 11");
    EXPECT_EQ(
        qt::translatedText("Messages", "Fichier C:\\Users\\Hélène\\user\\Filet_E.dat non trouvé"),
        "File C:\\Users\\Hélène\\user\\Filet_E.dat not found");
    EXPECT_EQ(qt::translatedText("Messages", "tbPara(3)\r\nDépassement de capacité"),
              "tbPara(3)\r\nOverflow");
    EXPECT_EQ(qt::translatedText("OperTournage", "M10x1.5"), "M10x1.5");
    EXPECT_EQ(qt::translatedText("OperTournage", "12.5"), "12.5");
}

// Every operation of both panels on screen in English: every caption, tooltip, item and combo
// text shows its English (the check compares each Qt child with the translated model text, and
// every fixed part has an entry), and the host reads back the same values in both languages.
TEST(Translations, ThePanelsInEnglishShowNoFrenchAndReadBackTheSame) {
    SampleData data;
    Host host;
    const Catalogue catalogue;
    auto run = [&](bool english, std::vector<std::string>& readBack) {
        std::unique_ptr<English> lang;
        if (english) lang = std::make_unique<English>();
        OperTournage turning(host);
        OperFraisage milling(host);
        PanelView t(turning), m(milling);
        t.show();
        m.show();
        for (int op :
             {100, 101, 102, 103, 104, 105, 110, 111, 112, 120, 123, 130, 141, 150, 170, 180}) {
            SetUpTurning(turning, data, static_cast<std::int16_t>(op));
            QApplication::processEvents();
            if (english) {
                EXPECT_EQ(Disagreements(t), std::vector<std::string>{}) << op;
                for (const auto& s : textsweep::VisibleTexts(turning))
                    for (const auto& part : qt::fixedParts(s.text))
                        EXPECT_TRUE(catalogue.has(s.widget->panel().className(), part))
                            << op << " " << s.widget->fullName() << ": " << part;
            }
            for (auto& v : ReadBack(turning))
                readBack.push_back(v);
        }
        QTest::mouseClick(t.findChild<QPushButton*>(QStringLiteral("bFiletage")), Qt::LeftButton);
        for (int type : {10, 12, 15, 20, 23, 41, 45, 62, 71, 80, 85}) {
            SetUpMilling(milling, static_cast<std::int16_t>(type));
            QApplication::processEvents();
            if (english) {
                EXPECT_EQ(Disagreements(m), std::vector<std::string>{}) << type;
            }
            for (auto& v : ReadBack(milling))
                readBack.push_back(v);
        }
    };
    std::vector<std::string> french, english;
    run(false, french);
    run(true, english);
    EXPECT_EQ(french, english);
}

TEST(Translations, AnOpenViewSwitchesLanguageInPlace) {
    SampleData data;
    Host host;
    OperTournage turning(host);
    PanelView view(turning);
    view.show();
    SetUpThreading(turning, data);
    std::uint64_t notifications = 0;
    auto handle = turning.addObserver([&](Widget&, Property) { ++notifications; });
    auto* hand = view.findChild<QLabel*>(QStringLiteral("tSensFilet"));
    auto* page = view.findChild<QPushButton*>(QStringLiteral("bFiletage"));
    ASSERT_EQ(hand->text(), "Filet à DROITE");
    const QRect frenchPlace = page->geometry();
    {
        const English english;
        QApplication::processEvents();
        EXPECT_EQ(hand->text(), "Right-hand thread");
        EXPECT_EQ(page->text(), "Threading details >>");
        EXPECT_EQ(view.findChild<QWidget*>(QStringLiteral("tbPara(2)"))->accessibleName(),
                  "Thread depth");
        EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
        // The panel's own texts did not move.
        EXPECT_EQ(turning.widget("tSensFilet").caption(), "Filet à DROITE");
        EXPECT_EQ(turning.GetTypeFilet(), "M");
    }
    QApplication::processEvents();
    EXPECT_EQ(hand->text(), "Filet à DROITE");
    EXPECT_EQ(page->geometry(), frenchPlace);
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
    EXPECT_EQ(notifications, 0u);  // no model change: a new language is no set-up
    handle.remove();
}

TEST(Translations, MessageBoxesSpeakTheApplicationsLanguage) {
    Host host;
    QWidget parent;
    qt::installMessageBoxes(host, &parent);
    const English english;
    BoxCloser closer;
    host.showMessage(kStyleCritical, "ERREUR ORUCN",
                     "Calcul des passes\r\nDépassement de capacité");
    EXPECT_EQ(closer.seen, "ORUCN ERROR / Pass calculation\nOverflow");
    EXPECT_EQ(host.messages().back().prompt, "Calcul des passes\r\nDépassement de capacité");
    host.setMessageHandler(nullptr);
}

// The glossary (docs/glossary.md) and the catalogues agree: wherever a word of a French text
// begins with a term of the glossary, the English uses the glossary's English.
TEST(Translations, TheGlossaryAndTheCataloguesAgree) {
    QFile glossary(QStringLiteral(ORU_SOURCE_DIR "/docs/glossary.md"));
    ASSERT_TRUE(glossary.open(QFile::ReadOnly));
    std::vector<std::pair<QString, QStringList>> terms;
    bool inTerms = false;
    for (const QString& line : QString::fromUtf8(glossary.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## "))) inTerms = line == QLatin1String("## Terms");
        if (!inTerms || !line.startsWith(QLatin1Char('|')) ||
            line.startsWith(QLatin1String("|---")))
            continue;
        const QStringList cells = line.split(QLatin1Char('|'));
        if (cells.size() < 3 || cells[1].trimmed() == QLatin1String("French")) continue;
        QStringList english;
        for (const QString& form : cells[2].split(QLatin1Char('/')))
            english << form.trimmed();
        terms.emplace_back(cells[1].trimmed(), english);
    }
    ASSERT_GT(terms.size(), 30u);

    int checked = 0;
    for (const char* name : {"oructrl_en.ts", "oructrl_qt_en.ts"}) {
        QFile ts(QStringLiteral(ORU_SOURCE_DIR "/qt/translations/") + QLatin1String(name));
        ASSERT_TRUE(ts.open(QFile::ReadOnly)) << name;
        QXmlStreamReader xml(&ts);
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            const QString english = xml.readElementText();
            for (const auto& [french, forms] : terms) {
                const QRegularExpression word(
                    QStringLiteral("(^|[^\\p{L}])") + QRegularExpression::escape(french),
                    QRegularExpression::CaseInsensitiveOption);
                if (!word.match(source).hasMatch()) continue;
                ++checked;
                const bool uses = std::any_of(forms.begin(), forms.end(), [&](const QString& f) {
                    return english.contains(f, Qt::CaseInsensitive);
                });
                EXPECT_TRUE(uses) << name << ": \"" << source.toStdString() << "\" is \""
                                  << english.toStdString() << "\", without \""
                                  << forms.join(QStringLiteral(" / ")).toStdString() << "\"";
            }
        }
    }
    EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace oru::test
