// The demo host as a host application: its choices follow what the panels change, it keeps the
// user's values across a new set-up of the same operation, takes a tool code once typed, reads
// everything back after each user action, finds its data where it runs from and says what is
// missing, speaks French down to Qt's own texts, and writes its dark, 2x and English screenshots.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "demo_support.hpp"

namespace {

using demotest::choose;
using demotest::click;
using demotest::settle;

QLineEdit* box(const oru::qt::PanelView* view, const char* name) {
    return demotest::child<QLineEdit>(view, name);
}

TEST(DemoFollowsThePanel, MillingHoleCycleButtonsAndTheThroughChoiceKeepTheUsersValues) {
    auto w = demotest::makeWindow();
    w->showTab(0);
    ASSERT_TRUE(choose(w->millingOperationBox(), 43));
    // The user types a clearance and a pass depth, then picks plain drilling on the panel.
    box(w->millingView(), "tbVal(1)")->setText(QStringLiteral("5"));
    box(w->millingView(), "tbVal(2)")->setText(QStringLiteral("4"));
    settle();
    click(w->millingView(), "bTrou(0)");
    EXPECT_EQ(w->milling().Typoper, 40);
    EXPECT_EQ(w->millingOperationBox()->currentData().toInt(), 40);
    EXPECT_EQ(w->shownValue(QStringLiteral("Typoper")), QStringLiteral("40"));
    // Through: the same cycle set up again, the clearance kept.
    w->millingThroughBox()->click();
    settle();
    EXPECT_TRUE(w->milling().debouchant);
    EXPECT_EQ(w->milling().Typoper, 40);
    EXPECT_EQ(w->millingOperationBox()->currentData().toInt(), 40);
    EXPECT_EQ(w->milling().widget("tbVal", 1).text(), "5");
    EXPECT_EQ(w->shownValue(QStringLiteral("GetGardeZ")), QStringLiteral("5"));
    // Back to the pecking cycle on the panel: the pass depth typed before it was hidden is back.
    click(w->millingView(), "bTrou(3)");
    EXPECT_EQ(w->milling().widget("tbVal", 2).text(), "4");
    // The cycle of the end mill: the tool follows the operation, an end mill smaller than the
    // hole of 8.
    click(w->millingView(), "bTrou(4)");
    EXPECT_EQ(w->milling().Typoper, 44);
    EXPECT_EQ(w->millingOperation().tool, "FR6");
    EXPECT_NE(w->milling().widget("pOutil").picture().name().find("OP_FR6"), std::string::npos);
    EXPECT_EQ(w->millingToolBox()->currentData().toString(), QStringLiteral("FR6"));
    // The panel's own stock extension button: the host's choice follows.
    ASSERT_TRUE(choose(w->millingOperationBox(), 20));
    EXPECT_EQ(w->millingExtensionBox()->currentData().toInt(), 1);
    click(w->millingView(), "bExtBrut");
    EXPECT_EQ(w->milling().ExtBrut, 2);
    EXPECT_EQ(w->millingExtensionBox()->currentData().toInt(), 2);
}

TEST(DemoFollowsThePanel, TurningCycleAndOptionButtonsAndTypedValues) {
    auto w = demotest::makeWindow();
    w->showTab(1);
    ASSERT_TRUE(choose(w->turningOperationBox(), 143));
    ASSERT_EQ(w->turningOptionBox()->currentData().toInt(), 1);  // blind
    box(w->turningView(), "tbPara(7)")->setText(QStringLiteral("18"));
    settle();
    click(w->turningView(), "bTrou(0)");
    EXPECT_EQ(w->turning().NumOp, 140);
    EXPECT_EQ(w->turningOperationBox()->currentData().toInt(), 140);
    EXPECT_EQ(w->shownValue(QStringLiteral("NumOp")), QStringLiteral("140"));
    EXPECT_EQ(w->shownValue(QStringLiteral("GetSurepZ")), QStringLiteral("2"));  // 20 - 18
    // The panel's blind / through button: the host's option follows.
    click(w->turningView(), "bGorge");
    EXPECT_EQ(w->turningOptionBox()->currentData().toInt(), 0);
    // Back to blind through the host's choice: the same cycle, the typed length kept.
    ASSERT_TRUE(choose(w->turningOptionBox(), 1));
    EXPECT_EQ(w->turning().NumOp, 140);
    EXPECT_EQ(w->turning().widget("tbPara", 7).text(), "18");
    EXPECT_EQ(w->turningOperation().ti[oru::ti::kOption], 1);
    // Another cycle from the list keeps it too; another operation does not.
    ASSERT_TRUE(choose(w->turningOperationBox(), 142));
    EXPECT_EQ(w->turning().widget("tbPara", 7).text(), "18");
    ASSERT_TRUE(choose(w->turningOperationBox(), 101));
    EXPECT_EQ(w->turning().widget("tbPara", 7).text(), "30");
    // A chamfer diameter typed, then another tool: the diameter stays the user's.
    ASSERT_TRUE(choose(w->turningOperationBox(), 150));
    box(w->turningView(), "tbPara(3)")->setText(QStringLiteral("13"));
    settle();
    QLineEdit* tool = w->turningToolBox()->lineEdit();
    tool->setText(QStringLiteral("41_RPOI10"));
    QTest::keyClick(tool, Qt::Key_Return);
    settle();
    EXPECT_EQ(w->turningOperation().tool, "41_RPOI10");
    EXPECT_EQ(w->turning().widget("tbPara", 3).text(), "13");
    // The to-axis button of a facing: the option follows (3 / 4).
    ASSERT_TRUE(choose(w->turningOperationBox(), 102));
    ASSERT_EQ(w->turningOptionBox()->currentData().toInt(), 4);
    click(w->turningView(), "bUsAxe");
    EXPECT_EQ(w->turningOptionBox()->currentData().toInt(), 3);
}

TEST(DemoFollowsThePanel, AThreadPickedInTheListGivesTheSketchItsDiameter) {
    auto w = demotest::makeWindow();
    w->showTab(1);
    const int boxes = w->boxesShown();
    ASSERT_TRUE(choose(w->turningOperationBox(), 130));
    ASSERT_EQ(w->turning().widget("tDiamBrut").caption(), "20");
    box(w->turningView(), "tbPara(4)")->setText(QStringLiteral("28"));  // thread length
    settle();
    click(w->turningView(), "bFiletage");
    const oru::Widget& list = w->turning().widget("lPasFilet");
    int row = -1;
    for (int i = 0; i < list.listCount(); ++i)
        if (demo::designationOfListItem(list.list(i)) == "M10x1.5") row = i;
    ASSERT_GE(row, 0);
    demotest::child<QListWidget>(w->turningView(), "lPasFilet")->setCurrentRow(row);
    settle();
    EXPECT_EQ(w->turning().widget("tDiamBrut").caption(), "10");
    EXPECT_EQ(w->shownValue(QStringLiteral("GetPas")), QStringLiteral("1.5"));
    EXPECT_EQ(w->shownValue(QStringLiteral("GetProfFilet")), QStringLiteral("0.92"));
    EXPECT_EQ(w->shownValue(QStringLiteral("GetNbPasse")), QStringLiteral("6"));
    EXPECT_EQ(w->shownValue(QStringLiteral("GetProfondeur")), QStringLiteral("28"));
    EXPECT_EQ(w->turningThreadBox()->currentData().toString(), QStringLiteral("M10x1.5"));
    // The user stays on the details page.
    EXPECT_FALSE(w->turning().widget("picOper").visible());
    EXPECT_TRUE(list.visible());
    // An internal thread is given by its bore.
    ASSERT_TRUE(choose(w->turningProfileBox(), QStringLiteral("I")));
    ASSERT_TRUE(choose(w->turningThreadBox(), QStringLiteral("M10x1.5")));
    EXPECT_EQ(w->turning().widget("tDiamBrut").caption(), "8.376");
    EXPECT_EQ(w->shownValue(QStringLiteral("GetPas")), QStringLiteral("1.5"));
    // Another thread type proposes its usual thread.
    ASSERT_TRUE(choose(w->turningProfileBox(), QStringLiteral("E")));
    ASSERT_TRUE(choose(w->turningThreadTypeBox(), QStringLiteral("T")));
    EXPECT_EQ(w->turning().widget("tDiamBrut").caption(), "20");
    EXPECT_EQ(w->shownValue(QStringLiteral("GetPas")), QStringLiteral("4"));
    EXPECT_EQ(w->shownValue(QStringLiteral("GetTypeFilet")), QStringLiteral("\"T\""));
    EXPECT_EQ(w->turning().widget("tbPara", 7).text(), "15");
    EXPECT_EQ(w->boxesShown(), boxes) << w->statusLine()->text().toStdString();
}

TEST(DemoToolCode, IsTakenOnEnterNotAtEachKeystroke) {
    auto w = demotest::makeWindow();
    w->showTab(0);
    QLineEdit* edit = w->millingToolBox()->lineEdit();
    const int setUps = w->setUps();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("FH8"));
    settle();
    EXPECT_EQ(w->setUps(), setUps);
    EXPECT_NE(w->milling().widget("pOutil").picture().name().find("OP_FR10"), std::string::npos);
    QTest::keyClick(edit, Qt::Key_Return);
    settle();
    EXPECT_EQ(w->setUps(), setUps + 1);
    EXPECT_EQ(w->millingOperation().tool, "FH8");
    EXPECT_NE(w->milling().widget("pOutil").picture().name().find("OP_FH8"), std::string::npos);
    // Leaving the box again changes nothing.
    edit->clearFocus();
    Q_EMIT edit->editingFinished();
    settle();
    EXPECT_EQ(w->setUps(), setUps + 1);

    // Turning: a code whose family is no number shows the panel's box once, on Enter only.
    w->showTab(1);
    QLineEdit* turning = w->turningToolBox()->lineEdit();
    const int boxes = w->boxesShown();
    const int before = w->setUps();
    turning->setFocus();
    turning->selectAll();
    QTest::keyClicks(turning, QStringLiteral("XY_OUTIL"));
    settle();
    EXPECT_EQ(w->setUps(), before);
    EXPECT_EQ(w->boxesShown(), boxes);
    QTest::keyClick(turning, Qt::Key_Return);
    settle();
    EXPECT_EQ(w->setUps(), before + 1);
    EXPECT_EQ(w->boxesShown(), boxes + 1);
    EXPECT_TRUE(w->statusLine()->text().contains(QStringLiteral("Initialisation image outil")));
}

// ---- data folders -----------------------------------------------------------------------------

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(DemoData, IsFoundBesideTheProgramInstalledOrBuilt) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString r = root.path();
    // Installed: <prefix>/bin/oru-demo, the data folder as the build places it from there
    // (<prefix>/share/OruCtrl), with pictures/ and user/.
    const QString bin = r + "/prefix/bin";
    const QString share = QDir::cleanPath(bin + "/" ORU_DEMO_INSTALLED_DATA);
    touch(share + "/pictures/T_CHARIOTER_E0.bmp");
    touch(share + "/user/Filet_E.dat");
    touch(share + "/user/Filet_I.dat");
    QDir().mkpath(bin);
    demo::DataFolders f = demo::findDataFolders(bin);
    EXPECT_TRUE(f.problems.isEmpty()) << f.problemTexts().join('\n').toStdString();
    EXPECT_EQ(f.pictures, share + "/pictures/");
    EXPECT_EQ(f.dirSld, share + "/");
    // Built: <build>/apps/oru-demo, <build>/data/{pictures,user}; milling pictures in jpeg/.
    touch(r + "/build/data/pictures/jpeg/POCHE_E_B.jpg");
    touch(r + "/build/data/user/Filet_E.dat");
    touch(r + "/build/data/user/Filet_I.dat");
    QDir().mkpath(r + "/build/apps");
    f = demo::findDataFolders(r + "/build/apps");
    EXPECT_TRUE(f.problems.isEmpty()) << f.problemTexts().join('\n').toStdString();
    EXPECT_EQ(f.pictures, r + "/build/data/pictures/");
    EXPECT_EQ(f.dirSld, r + "/build/data/");
    // Folders given on the command line win.
    f = demo::findDataFolders(r + "/build/apps", share + "/pictures", share);
    EXPECT_TRUE(f.problems.isEmpty());
    EXPECT_EQ(f.pictures, share + "/pictures/");
    EXPECT_EQ(f.dirSld, share + "/");
}

TEST(DemoData, AMissingOrEmptyPictureFolderIsSaidInTheWindow) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir().mkpath(root.path() + "/bin");
    demo::DataFolders none = demo::findDataFolders(root.path() + "/bin");
    ASSERT_EQ(none.problems.size(), 2);
    EXPECT_TRUE(none.problemTexts()[0].contains(QStringLiteral("Dossier d'images introuvable")));
    EXPECT_TRUE(none.problemTexts()[1].contains(QStringLiteral("Tables de filets introuvables")));
    {
        demo::DemoWindow w(none);
        w.setShowMessageBoxes(false);
        w.show();
        settle();
        EXPECT_TRUE(w.banner()->isVisible());
        EXPECT_TRUE(w.banner()->text().contains(QStringLiteral("Dossier d'images introuvable")));
    }
    QDir().mkpath(root.path() + "/data/pictures/bmp");
    demo::DataFolders empty = demo::findDataFolders(root.path() + "/bin");
    ASSERT_FALSE(empty.problems.isEmpty());
    EXPECT_TRUE(empty.problemTexts()[0].contains(QStringLiteral("ne contient aucune image")));
    EXPECT_TRUE(demo::findDataFolders(root.path() + "/bin", root.path() + "/nowhere")
                    .problemTexts()[0]
                    .contains(QStringLiteral("n'existe pas")));
    // With its data, the window says nothing.
    auto w = demotest::makeWindow();
    EXPECT_FALSE(w->banner()->isVisible());
}

// ---- screenshots ------------------------------------------------------------------------------

double meanLightness(const QImage& image) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3, ++n)
            sum += QColor(image.pixel(x, y)).lightnessF();
    return n ? sum / n : 0;
}

TEST(DemoScreenshots, DarkTwiceScaledAndEnglishVariants) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess demo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    demo.setProcessEnvironment(env);
    demo.setProcessChannelMode(QProcess::MergedChannels);
    demo.start(QStringLiteral(ORU_DEMO), {QStringLiteral("--screenshot"), out.path()});
    ASSERT_TRUE(demo.waitForFinished(180000));
    const std::string log = QString::fromLocal8Bit(demo.readAll()).toStdString();
    ASSERT_EQ(demo.exitCode(), 0) << log;
    EXPECT_EQ(log.find("message box"), std::string::npos) << log;
    for (const char* name : {"tournage-130-filetage", "fraisage-20-poche"}) {
        const QImage plain(out.filePath(QString::fromLatin1(name) + ".png"));
        const QImage dark(out.filePath(QString::fromLatin1(name) + "-dark.png"));
        const QImage twice(out.filePath("2x-" + QString::fromLatin1(name) + ".png"));
        ASSERT_FALSE(plain.isNull() || dark.isNull() || twice.isNull()) << name;
        EXPECT_EQ(dark.size(), plain.size()) << name;
        EXPECT_EQ(twice.size(), plain.size() * 2) << name;
        EXPECT_LT(meanLightness(dark), meanLightness(plain) - 0.1) << name;
        // Drawn at 2x, not stretched: the 2x picture has finer detail than the 1x one scaled up.
        const QImage up = plain.scaled(twice.size());
        int differ = 0;
        for (int y = 0; y < twice.height(); y += 2)
            for (int x = 0; x < twice.width(); x += 2)
                differ += up.pixel(x, y) != twice.pixel(x, y);
        EXPECT_GT(differ, twice.width() * twice.height() / 4 / 50) << name;
    }
    // The English variants: the same panels, other texts.
    for (const char* name :
         {"tournage-130-filetage", "tournage-130-details-filetage", "fraisage-20-poche"}) {
        const QImage french(out.filePath(QString::fromLatin1(name) + ".png"));
        const QImage english(out.filePath(QString::fromLatin1(name) + "-en.png"));
        ASSERT_FALSE(french.isNull() || english.isNull()) << name;
        EXPECT_EQ(english.size(), french.size()) << name;
        EXPECT_NE(english, french) << name;
    }
}

}  // namespace
