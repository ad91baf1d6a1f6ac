// The demo in English: its Language menu switches everything in place (the panels, the demo's own
// texts, the status line) without a new set-up and without changing a value read back, --lang en
// starts it in English, and its English catalogue is complete.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>

#include "demo_support.hpp"
#include "language.hpp"

namespace {

using demo::Language;
using demotest::choose;
using demotest::settle;

// Puts French back after a test, whatever it switched to.
struct BackToFrench {
    ~BackToFrench() {
        (void)demo::setLanguage(Language::French);
        settle();
    }
};

// Every row of the read-back pane: section, name and value.
std::vector<QStringList> paneRows(const demo::DemoWindow& w) {
    std::vector<QStringList> rows;
    const QTreeWidget* pane = w.valuesPane();
    for (int i = 0; i < pane->topLevelItemCount(); ++i)
        for (int j = 0; j < pane->topLevelItem(i)->childCount(); ++j) {
            const QTreeWidgetItem* row = pane->topLevelItem(i)->child(j);
            rows.push_back({QString::number(i), row->text(0), row->text(1)});
        }
    return rows;
}

QString button(const oru::qt::PanelView* view, const char* name) {
    auto* b = demotest::child<QAbstractButton>(view, name);
    return b ? b->text() : QString();
}

TEST(DemoLanguage, SwitchesInPlaceKeepingTheOperationAndTheUsersValues) {
    const BackToFrench back;
    auto w = demotest::makeWindow();
    w->showTab(1);
    ASSERT_TRUE(choose(w->turningOperationBox(), 130));
    demotest::child<QLineEdit>(w->turningView(), "tbPara(4)")->setText(QStringLiteral("28"));
    settle();
    // A tool code of the user's, which the panel refuses with a box: the status line tells it.
    QLineEdit* tool = w->turningToolBox()->lineEdit();
    tool->setText(QStringLiteral("XY_OUTIL"));
    QTest::keyClick(tool, Qt::Key_Return);
    settle();
    ASSERT_TRUE(w->statusLine()->text().contains(QStringLiteral("Initialisation image outil")));
    const std::vector<QStringList> french = paneRows(*w);
    const int setUps = w->setUps();
    ASSERT_EQ(button(w->turningView(), "bFiletage"), QStringLiteral("Détails Filetage >>"));

    w->languageAction(Language::English)->trigger();
    settle();
    EXPECT_TRUE(w->languageAction(Language::English)->isChecked());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ORU_Ctrl — demo"));
    EXPECT_EQ(w->tabs()->tabText(1), QStringLiteral("Turning"));
    EXPECT_EQ(w->valuesPane()->topLevelItem(0)->text(0), QStringLiteral("Turning"));
    EXPECT_EQ(w->turningOperationBox()->currentText(), QStringLiteral("130 — Threading"));
    EXPECT_EQ(w->turningProfileBox()->currentText(), QStringLiteral("E - external"));
    EXPECT_EQ(w->turningVariantBox()->currentText(), QStringLiteral("1 start"));
    EXPECT_EQ(tool->text(), QStringLiteral("XY_OUTIL"));  // the user's code stays as typed
    EXPECT_TRUE(w->statusLine()->text().startsWith(QStringLiteral("Last message box: ")))
        << w->statusLine()->text().toStdString();
    EXPECT_TRUE(w->statusLine()->text().contains(QStringLiteral("Tool picture set-up")));
    EXPECT_EQ(button(w->turningView(), "bFiletage"), QStringLiteral("Threading details >>"));
    // Nothing was set up again, and the host reads back exactly what it read in French.
    EXPECT_EQ(w->setUps(), setUps);
    EXPECT_EQ(w->turning().widget("tbPara", 4).text(), "28");
    EXPECT_EQ(paneRows(*w), french);

    // The window goes on working in English, and back to French it reads the same again.
    ASSERT_TRUE(choose(w->turningOperationBox(), 101));
    EXPECT_EQ(w->turningOptionBox()->currentText(), QStringLiteral("0 - diameter and length"));
    ASSERT_TRUE(choose(w->turningOperationBox(), 130));
    const std::vector<QStringList> english = paneRows(*w);
    w->languageAction(Language::French)->trigger();
    settle();
    EXPECT_EQ(w->tabs()->tabText(1), QStringLiteral("Tournage"));
    EXPECT_EQ(w->turningOperationBox()->currentText(), QStringLiteral("130 — Filetage"));
    EXPECT_EQ(button(w->turningView(), "bFiletage"), QStringLiteral("Détails Filetage >>"));
    EXPECT_EQ(paneRows(*w), english);
}

TEST(DemoLanguage, LangEnStartsInEnglish) {
    const BackToFrench back;
    {
        // In the program: the language is set before the window is made.
        ASSERT_TRUE(demo::setLanguage(Language::English));
        auto w = demotest::makeWindow();
        EXPECT_TRUE(w->languageAction(Language::English)->isChecked());
        EXPECT_EQ(w->tabs()->tabText(0), QStringLiteral("Milling"));
        EXPECT_EQ(w->millingOperationBox()->currentText(),
                  QStringLiteral("20 — Pocket, depth from the host"));
        const QString tip = demotest::child<QLineEdit>(w->millingView(), "tbVal(0)")->toolTip();
        EXPECT_TRUE(tip.startsWith(QStringLiteral("Safety Z"))) << tip.toStdString();
        EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
    }
}

// The code that opens a name of the window's lists ("E", "10_TECHA1", "0"): kept as it is in
// every language.
std::string codeOf(const QString& name) {
    static const QRegularExpression code(QStringLiteral("^([A-Z0-9_]+) - "));
    return code.match(name).captured(1).toStdString();
}

TEST(DemoLanguage, TheEnglishCatalogueIsComplete) {
    // Every entry of the catalogue is translated.
    QFile ts(QStringLiteral(ORU_SOURCE_DIR "/apps/demo/translations/oru-demo_en.ts"));
    ASSERT_TRUE(ts.open(QFile::ReadOnly));
    std::map<QString, QString> entries;
    QXmlStreamReader xml(&ts);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() != QLatin1String("translation")) continue;
        EXPECT_NE(xml.attributes().value(QLatin1String("type")), QLatin1String("unfinished"))
            << source.toStdString();
        entries[source] = xml.readElementText();
        EXPECT_FALSE(entries[source].isEmpty()) << source.toStdString();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    ASSERT_GT(entries.size(), 100u);

    // Every name of the window's lists has its English in the catalogue compiled into the demo,
    // which keeps the name's code.
    (void)demo::setLanguage(Language::French);  // registers the demo's catalogues
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/oru-demo/i18n/oru-demo_en.qm")));
    std::vector<std::string_view> names;
    for (const auto& list : {demo::millingOperations(), demo::turningOperations()})
        for (const demo::Named& n : list)
            names.push_back(n.name);
    for (const auto& list :
         {demo::turningProfiles(), demo::threadTypes(), demo::turningTools(), demo::millingTools()})
        for (const demo::Choice& c : list)
            names.push_back(c.name);
    for (std::int16_t numop = 100; numop <= 180; ++numop) {
        for (const demo::Choice& c : demo::profilesOf(numop))
            names.push_back(c.name);
        for (const auto& list : {demo::optionsOf(numop), demo::variantsOf(numop)})
            for (const demo::Named& n : list)
                names.push_back(n.name);
    }
    for (std::string_view name : names) {
        const QString french = QString::fromUtf8(name.data(), qsizetype(name.size()));
        const QString translated = english.translate("demo", std::string(name).c_str());
        EXPECT_FALSE(translated.isEmpty()) << "no English for " << name;
        EXPECT_EQ(codeOf(translated), codeOf(french)) << name;
    }
}

}  // namespace
