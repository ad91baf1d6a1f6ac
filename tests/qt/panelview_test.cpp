// The Qt view against real panels: user actions go into the model exactly once, model changes
// show at once, focus and tab order follow the model, message boxes and decoded pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "oru/oru.hpp"
#include "oru/qt/panelview.hpp"
#include "picturecache.hpp"
#include "qt_support.hpp"
#include "support/test_support.hpp"

namespace oru::test {
namespace {

using qt::PanelView;

template <class T>
T* find(const PanelView& view, const char* name) {
    T* w = view.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
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
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
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

TEST_F(ProbeView, TabOrderFollowsTheLayoutAndFollowsMoves) {
    QApplication::processEvents();
    EXPECT_EQ(a->nextInFocusChain(), b);
    // tbB moves above tbA: the order follows once the burst of changes is over.
    probe.widget("tbB").setTop(0);
    probe.widget("tbA").setTop(450);
    QApplication::processEvents();
    EXPECT_EQ(b->nextInFocusChain(), a);
}

// ---- the real panels ---------------------------------------------------------------------

class Panels : public ::testing::Test {
protected:
    Host host;
    TempDir dir;

    Panels() { dir.writeBmp("T_CHARIOTER_E0.bmp", 8, 6); }

    void setUpTurning(OperTournage& p, std::int16_t op, std::string profil = "E") {
        p.chbmp = dir.folder();
        p.DirSld = dir.folder();
        std::vector<double> td = {2, 2, 50, 2, 1, 1, 2, 0.5, 0.4, 0.2, 1, 30, 40, 1.5, 12, 25};
        std::vector<std::int16_t> ti = {op, 10, 0, 3, 0, 0, 1, 0};
        p.SetOperTour("11_ABCDEF", std::move(profil), "M", td, ti);
    }
};

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
