// The Qt view against real panels: user actions go into the model exactly once, model changes
// show at once, and the view adds keyboard, accessibility and typing help around them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <span>

#include "oru/oru.hpp"
#include "oru/qt/panelview.hpp"
#include "picturecache.hpp"
#include "support/test_support.hpp"
#include "typinghelp.hpp"
#include "viewwidgets.hpp"

namespace oru::test {
namespace {

using qt::PanelView;

template <class T>
T* find(const PanelView& view, const char* name) {
    T* w = view.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Every Qt widget shows what its model widget holds: visibility, enabled state, geometry and
// the text of each kind.
void expectMirrors(const PanelView& view) {
    for (const auto& up : view.panel().widgets()) {
        const Widget& w = *up;
        const QWidget* v = view.viewOf(w);
        ASSERT_NE(v, nullptr) << w.fullName();
        const QString name = QString::fromStdString(w.fullName());
        EXPECT_EQ(v->objectName(), name);
        EXPECT_EQ(v->isHidden(), !w.visible()) << w.fullName();
        EXPECT_EQ(v->isEnabled(), w.enabled()) << w.fullName();
        if (w.kind() != WidgetKind::Line) {
            constexpr double k = kTwipsPerPixel;
            EXPECT_EQ(v->geometry(), QRect(qRound(w.left() / k), qRound(w.top() / k),
                                           qRound(w.width() / k), qRound(w.height() / k)))
                << w.fullName();
        }
        switch (w.kind()) {
            case WidgetKind::TextBox:
                EXPECT_EQ(static_cast<const QLineEdit*>(v)->text().toStdString(), w.text())
                    << w.fullName();
                break;
            case WidgetKind::Label:
                EXPECT_EQ(static_cast<const QLabel*>(v)->text().toStdString(), w.caption())
                    << w.fullName();
                break;
            case WidgetKind::ComboBox: {
                auto* c = static_cast<const QComboBox*>(v);
                EXPECT_EQ(c->count(), w.listCount()) << w.fullName();
                EXPECT_EQ(c->currentIndex(), w.listIndex()) << w.fullName();
                break;
            }
            case WidgetKind::ListBox: {
                auto* l = static_cast<const QListWidget*>(v);
                EXPECT_EQ(l->count(), w.listCount()) << w.fullName();
                EXPECT_EQ(l->currentRow(), w.listIndex()) << w.fullName();
                break;
            }
            case WidgetKind::CommandButton:
            case WidgetKind::Image:
                EXPECT_EQ(v->property("oruPicture").toString().toStdString(), w.picture().name())
                    << w.fullName();
                break;
            default:
                break;
        }
    }
}

// A panel made for these tests: it counts how often each of its handlers runs, and its logic
// writes back into its own widgets the way the real panels do.
const WidgetSpec kProbeInventory[] = {
    {"tbA", WidgetKind::TextBox, 0, "", "", 0, 0, 1200, 300},
    {"tbB", WidgetKind::TextBox, 0, "", "", 0, 450, 1200, 300},
    {"tEcho", WidgetKind::Label, 0, "", "", 1500, 0, 1500, 255},
    {"cChoix", WidgetKind::ComboBox, 0, "", "", 0, 900, 1500, 315},
    {"bGo", WidgetKind::CommandButton, 0, "Go", "", 1500, 900, 900, 375},
};

class Probe : public Panel {
public:
    explicit Probe(Host& host)
        : Panel(host, "Probe", "ERREUR ORUCtrl", kProbeInventory, 3000, 1500) {
        bindChange(widget("tbA"), [this] {
            ++changes;
            widget("tEcho").setCaption(widget("tbA").text());
            widget("tbB").writeText(widget("tbA").text());  // a linked box
        });
        bindChange(widget("tbB"), [this] { ++linkedChanges; });
        bindLostFocus(widget("tbA"), [this] { ++lostFocus; });
        bindClick(widget("cChoix"), [this] { ++picks; });
        bindClick(widget("bGo"), [this] {
            ++clicks;
            widget("bGo").setCaption("Encore");
        });
        for (const char* item : {"un", "deux", "trois"})
            widget("cChoix").addItem(item);
    }
    int changes = 0, linkedChanges = 0, lostFocus = 0, picks = 0, clicks = 0;
};

class ProbeView : public ::testing::Test {
protected:
    Host host;
    Probe probe{host};
    PanelView view{probe};
    QLineEdit* a = find<QLineEdit>(view, "tbA");
    QLineEdit* b = find<QLineEdit>(view, "tbB");

    void SetUp() override {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

TEST_F(ProbeView, EachUserActionReachesTheModelExactlyOnce) {
    a->setFocus();
    QTest::keyClicks(a, "12.5");
    EXPECT_EQ(probe.changes, 4);        // one Change per keystroke
    EXPECT_EQ(probe.linkedChanges, 4);  // the linked box follows, inside the model
    EXPECT_EQ(b->text(), "12.5");
    EXPECT_EQ(find<QLabel>(view, "tEcho")->text(), "12.5");
    QTest::keyClick(a, Qt::Key_Backspace);
    EXPECT_EQ(probe.changes, 5);
    EXPECT_EQ(probe.widget("tbA").text(), "12.");

    auto* combo = find<QComboBox>(view, "cChoix");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(probe.picks, 1);
    EXPECT_EQ(probe.widget("cChoix").listIndex(), 0);
    EXPECT_EQ(probe.widget("cChoix").text(), "un");

    QTest::mouseClick(find<QPushButton>(view, "bGo"), Qt::LeftButton);
    EXPECT_EQ(probe.clicks, 1);
    EXPECT_EQ(find<QPushButton>(view, "bGo")->text(), "Encore");
    expectMirrors(view);
}

TEST_F(ProbeView, ModelWritesNeverComeBackAsUserActions) {
    probe.widget("tbA").writeText("7");
    probe.widget("cChoix").writeListIndex(2);
    probe.widget("cChoix").addItem("quatre");
    probe.widget("bGo").setVisible(false);
    probe.widget("bGo").setLeft(30);
    QApplication::processEvents();
    EXPECT_EQ(probe.changes, 1);  // the model's own Change, inside its write
    EXPECT_EQ(probe.linkedChanges, 1);
    EXPECT_EQ(probe.picks, 1);
    EXPECT_EQ(probe.clicks, 0);
    EXPECT_EQ(a->text(), "7");
    EXPECT_EQ(find<QComboBox>(view, "cChoix")->currentText(), "trois");
    expectMirrors(view);
}

TEST_F(ProbeView, LeavingABoxRaisesLostFocusButNotWhenTheWindowLosesFocus) {
    a->setFocus();
    QApplication::processEvents();
    b->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(probe.lostFocus, 1);

    a->setFocus();
    QApplication::processEvents();
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(a, &deactivated);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(a, &popup);
    EXPECT_EQ(probe.lostFocus, 1);
}

TEST_F(ProbeView, EnterMovesToTheNextBoxInsteadOfClosingTheDialog) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    Probe inner(host);
    auto* innerView = new PanelView(inner);
    layout->addWidget(innerView);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* first = find<QLineEdit>(*innerView, "tbA");
    first->setFocus();
    QApplication::processEvents();
    QTest::keyClick(first, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(find<QLineEdit>(*innerView, "tbB")->hasFocus());
    EXPECT_EQ(inner.lostFocus, 1);  // leaving the box told the panel
}

TEST_F(ProbeView, TabOrderFollowsTheLayoutAndFollowsMoves) {
    QApplication::processEvents();
    EXPECT_EQ(a->nextInFocusChain(), b);
    // tbB moves above tbA: the order follows once the burst of changes is over.
    probe.widget("tbB").setTop(0);
    probe.widget("tbA").setTop(450);
    QApplication::processEvents();
    EXPECT_EQ(b->nextInFocusChain(), a);
}

TEST(TypingHelp, WarnsWhenTheTextDoesNotReadEntirelyAsANumber) {
    EXPECT_EQ(qt::typingHint("12,5"), std::optional<QString>("lu : 12"));
    EXPECT_EQ(qt::typingHint("abc"), std::optional<QString>("lu : 0"));
    EXPECT_EQ(qt::typingHint("3.5mm"), std::optional<QString>("lu : 3.5"));
    EXPECT_EQ(qt::typingHint("1e"), std::optional<QString>("lu : 1"));
    EXPECT_EQ(qt::typingHint("-"), std::optional<QString>("lu : 0"));
    for (const char* fine : {"12.5", "", "  ", "-0.5", "+3", ".5", "5.", "1e3", "1 2", "2.5E-2"})
        EXPECT_FALSE(qt::typingHint(fine).has_value()) << fine;
}

TEST_F(ProbeView, TypingHelpShowsWhatThePanelRead) {
    probe.widget("tbA").setToolTip("Garde");
    a->setFocus();
    QTest::keyClicks(a, "12,5");
    EXPECT_EQ(a->toolTip(), "Garde\nlu : 12");
    EXPECT_TRUE(static_cast<qt::ValueEdit*>(a)->warning());
    EXPECT_EQ(a->accessibleName(), "Garde");
    QTest::keyClick(a, Qt::Key_Backspace);
    QTest::keyClick(a, Qt::Key_Backspace);
    QTest::keyClicks(a, ".5");
    EXPECT_EQ(probe.widget("tbA").text(), "12.5");
    EXPECT_EQ(a->toolTip(), "Garde");
    EXPECT_FALSE(static_cast<qt::ValueEdit*>(a)->warning());
}

// ---- the real panels ---------------------------------------------------------------------

class Panels : public ::testing::Test {
protected:
    Host host;
    TempDir dir;

    Panels() {
        for (const char* name : {"Filet_M_Xm.bmp", "Filet_M_O3.bmp", "T_CHARIOTER_E0.bmp",
                                 "T_POCHE_P0.bmp", "T_POCHE_P1.bmp"})
            dir.writeBmp(name, 8, 6);
        dir.writeBmp("bmp/POCHE_E_B.bmp", 8, 8);
        dir.writeText("user/Filet_E.dat",
                      "; thread table\r\n;\r\nnom/pas/profondeur/nbpasses/derpasse/dmin/dmax\r\n"
                      "M10x1.5\r\n1.5\r\n0.9202\r\n6\r\n0.08\r\n9\r\n11\r\n-----\r\n");
    }

    void setUpTurning(OperTournage& p, std::int16_t op, std::string profil = "E") {
        p.chbmp = dir.folder();
        p.DirSld = dir.folder();
        std::vector<double> td = {2, 2, 50, 2, 1, 1, 2, 0.5, 0.4, 0.2, 1, 30, 40, 1.5, 12, 25};
        std::vector<std::int16_t> ti = {op, 10, 0, 3, 0, 0, 1, 0};
        p.SetOperTour("11_ABCDEF", std::move(profil), "M", td, ti);
    }
};

TEST_F(Panels, SetUpsShowAtOnceAndClicksGoThroughTheModel) {
    OperTournage panel(host);
    PanelView view(panel);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    expectMirrors(view);
    EXPECT_EQ(view.size(), QSize(627, 313));

    setUpTurning(panel, 101);
    expectMirrors(view);
    EXPECT_EQ(find<QLabel>(view, "picOper")->property("oruPicture").toString().toStdString(),
              dir.folder() + "T_CHARIOTER_E0.bmp");
    EXPECT_FALSE(find<QLabel>(view, "picOper")->pixmap().isNull());

    auto* approach = find<QPushButton>(view, "bAppro(1)");
    QTest::mouseClick(approach, Qt::LeftButton);
    EXPECT_EQ(panel.GetTypeAppro(), 11);
    EXPECT_EQ(approach->property("oruPicture").toString(), "T_APPRO_1_ON");
    EXPECT_EQ(approach->accessibleName(), "Approche rapide X puis Z");
    approach->setFocus();
    QTest::keyClick(find<QPushButton>(view, "bAppro(2)"), Qt::Key_Space);
    EXPECT_EQ(panel.GetTypeAppro(), 12);

    setUpTurning(panel, 130);
    expectMirrors(view);
    QTest::mouseClick(find<QPushButton>(view, "bFiletage"), Qt::LeftButton);
    expectMirrors(view);  // the threading details page
    EXPECT_TRUE(find<QListWidget>(view, "lPasFilet")->isVisibleTo(&view));
    EXPECT_TRUE(host.messages().empty()) << host.messages().front().prompt;
}

TEST_F(Panels, TypingUpdatesTheLinkedBoxesOnScreen) {
    OperFraisage panel(host);
    PanelView view(panel);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    panel.chbmp = dir.folder();
    panel.Typoper = 20;
    panel.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
    EXPECT_EQ(find<QLabel>(view, "tNbPasses")->text(), " 4*2.325");
    EXPECT_FALSE(find<QLabel>(view, "pPasses")->pixmap().isNull());

    int textChanges = 0;
    auto handle = panel.addObserver([&](Widget& w, Property p) {
        if (w.fullName() == "tbVal(2)" && p == Property::Text) ++textChanges;
    });
    auto* pass = find<QLineEdit>(view, "tbVal(2)");
    pass->setFocus();
    pass->selectAll();
    QTest::keyClicks(pass, "5");
    EXPECT_EQ(textChanges, 1);
    EXPECT_EQ(panel.GetPasse(), 5);
    EXPECT_EQ(find<QLabel>(view, "tNbPasses")->text().toStdString(),
              panel.widget("tNbPasses").caption());
    EXPECT_NE(find<QLabel>(view, "tNbPasses")->text(), " 4*2.325");
    handle.remove();

    // The embedded toggle is a nested view that follows its own panel.
    panel.Typoper = 45;
    panel.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
    auto* nested = find<PanelView>(view, "Avalant1");
    EXPECT_EQ(&nested->panel(), &panel.Avalant1());
    EXPECT_TRUE(nested->isVisibleTo(&view));
    QTest::mouseClick(find<QPushButton>(*nested, "Bavalant"), Qt::LeftButton);
    EXPECT_EQ(panel.GetAval(), 0);
    EXPECT_EQ(find<QLabel>(*nested, "Tavalant")->text(), "Opposition");
}

TEST_F(Panels, AComboPickRaisesOneClick) {
    OperFraisage panel(host);
    PanelView view(panel);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    panel.Typoper = 15;
    panel.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
    std::int16_t accostage = 0;
    panel.SetAccostage(accostage, 2, 2, 1, 0, 1, -1);
    int picks = 0;
    auto handle = panel.addObserver([&](Widget& w, Property p) {
        if (w.name() == "cAccostage" && p == Property::ListIndex) ++picks;
    });
    auto* combo = find<QComboBox>(view, "cAccostage");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(panel.GetAccostage(), 1);
    expectMirrors(view);
    handle.remove();
}

TEST_F(Panels, MessageBoxesAreModalBoxesWithTheRightIcon) {
    QWidget parent;
    qt::installMessageBoxes(host, &parent);
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    std::vector<Seen> seen;
    // Closes each box as it opens, after noting what it shows.
    std::function<void()> closeBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, closeBox);
            return;
        }
        seen.push_back({box->windowTitle(), box->text(), box->icon()});
        box->accept();
    };
    for (int style : {kStyleCritical, kStyleExclamation, kStylePlain}) {
        QTimer::singleShot(0, closeBox);
        host.showMessage(style, "ERREUR ORUCN", "Initialisation\r\nFichier introuvable");
    }
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(seen[1].icon, QMessageBox::Warning);
    EXPECT_EQ(seen[2].icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen[0].title, "ERREUR ORUCN");
    EXPECT_EQ(seen[0].text, "Initialisation\nFichier introuvable");
    EXPECT_EQ(host.messages().size(), 3u);  // still recorded
    host.setMessageHandler(nullptr);
}

TEST_F(Panels, PictureFilesAreDecodedOncePerChange) {
    OperTournage panel(host);
    PanelView view(panel);
    auto& cache = qt::PictureCache::instance();
    setUpTurning(panel, 101);
    const auto decoded = cache.decodeCount();
    for (int i = 0; i < 3; ++i)
        setUpTurning(panel, 101);
    EXPECT_EQ(cache.decodeCount(), decoded);
    // The same file rewritten is decoded afresh.
    dir.writeBmp("T_CHARIOTER_E0.bmp", 10, 10);
    setUpTurning(panel, 101);
    EXPECT_EQ(cache.decodeCount(), decoded + 1);
}

}  // namespace
}  // namespace oru::test
