// Keyboard-only use of the panels in a host dialog: moving the focus changes no value, Enter
// never accepts the dialog from inside a panel, Escape still cancels it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "oru/codes.hpp"
#include "oru/qt/panelview.hpp"
#include "qt_support.hpp"

namespace oru::test {
namespace {

using qt::PanelView;

// The host dialog of the minimal host example: a panel, then OK (the default button) and Cancel.
struct HostDialog {
    QDialog dialog;
    PanelView* view;
    QPushButton* ok;

    explicit HostDialog(Panel& panel) {
        auto* layout = new QVBoxLayout(&dialog);
        view = new PanelView(panel);
        layout->addWidget(view);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        ok = buttons->button(QDialogButtonBox::Ok);
        ok->setDefault(true);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    template <class T = QWidget>
    T* child(const char* name) const {
        T* w = view->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Sends a key to whatever has the focus, as the keyboard does.
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k, m);
        QApplication::processEvents();
    }

    bool closed() const { return !dialog.isVisible() || dialog.result() != 0; }
};

class ThreadingDialog : public ::testing::Test {
protected:
    Host host;
    SampleData data;
    OperTournage panel{host};

    void SetUp() override { SetUpThreading(panel, data); }
};

TEST_F(ThreadingDialog, TabbingThroughTheThreadListAndThePitchComboChangesNothing) {
    HostDialog d(panel);
    QTest::mouseClick(d.child<QPushButton>("bFiletage"), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(d.child("lPasFilet")->isVisible());
    const auto before = ReadBack(panel);
    const int listIndex = panel.widget("lPasFilet").listIndex();

    // Into the thread list from the widget before it, and back out, in both directions.
    auto* list = d.child<QListWidget>("lPasFilet");
    QWidget* before_list = list->previousInFocusChain();
    while (!(before_list->focusPolicy() & Qt::TabFocus) || !before_list->isVisible())
        before_list = before_list->previousInFocusChain();
    before_list->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    d.key(Qt::Key_Tab);
    EXPECT_TRUE(list->hasFocus());
    d.key(Qt::Key_Tab);
    d.key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(list->hasFocus());
    d.key(Qt::Key_Tab, Qt::ShiftModifier);

    EXPECT_EQ(ReadBack(panel), before);
    EXPECT_EQ(panel.widget("lPasFilet").listIndex(), listIndex);
    EXPECT_EQ(Disagreements(*d.view), std::vector<std::string>{});
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(ThreadingDialog, LeavingThePitchComboWithoutTouchingItChangesNothing) {
    HostDialog d(panel);
    const auto before = ReadBack(panel);
    auto* pitch = d.child<QComboBox>("cbPas");
    // The panel shows its own pitch text; leaving the combo by Tab, Enter, Shift+Tab, a click
    // elsewhere or its popup opening and closing must not turn that text into a pick.
    pitch->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    d.key(Qt::Key_Tab);
    pitch->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Return);
    pitch->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Tab, Qt::ShiftModifier);
    pitch->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(d.child<QLineEdit>("tbPara(1)"), Qt::LeftButton);
    pitch->showPopup();
    QApplication::processEvents();
    pitch->hidePopup();
    QApplication::processEvents();

    EXPECT_EQ(ReadBack(panel), before);
    EXPECT_EQ(Disagreements(*d.view), std::vector<std::string>{});
    EXPECT_FALSE(d.closed());
}

TEST_F(ThreadingDialog, EnterInsideThePanelNeverAcceptsTheDialog) {
    HostDialog d(panel);
    // Enter on a box, the pitch combo, a button: the dialog stays open.
    d.child("tbPara(1)")->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Return);
    EXPECT_FALSE(d.closed());
    d.child("cbPas")->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Enter);
    EXPECT_FALSE(d.closed());

    // Enter on a button presses it: the plunge mode button steps the retract mode, the page
    // button opens the threading details.
    const auto retract = panel.widget("bDegage").picture().name();
    d.child("bDegage")->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Return);
    EXPECT_FALSE(d.closed());
    EXPECT_NE(panel.widget("bDegage").picture().name(), retract);
    d.child("bFiletage")->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Return);
    EXPECT_FALSE(d.closed());
    EXPECT_TRUE(panel.widget("lPasFilet").visible());

    // Enter in the thread list moves on without picking.
    const auto before = ReadBack(panel);
    d.child("lPasFilet")->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Return);
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(ReadBack(panel), before);
    EXPECT_EQ(Disagreements(*d.view), std::vector<std::string>{});

    // Escape still reaches the dialog.
    d.child("tbPara(1)")->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Escape);
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
}

TEST_F(ThreadingDialog, KeysThatPickAreStillPicks) {
    HostDialog d(panel);
    QTest::mouseClick(d.child<QPushButton>("bFiletage"), Qt::LeftButton);
    auto* list = d.child<QListWidget>("lPasFilet");
    list->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const double pitch = panel.GetPas();
    d.key(Qt::Key_Down);  // the first key in a list with no current row picks the first thread
    EXPECT_EQ(panel.widget("lPasFilet").listIndex(), 0);
    EXPECT_NE(panel.GetPas(), pitch);
    EXPECT_EQ(panel.GetPas(), 0.25);  // M1 x 0.25
    d.key(Qt::Key_Down);
    EXPECT_EQ(panel.widget("lPasFilet").listIndex(), 1);
    EXPECT_EQ(Disagreements(*d.view), std::vector<std::string>{});
}

TEST(MillingDialog, EnterInTheEngagementComboKeepsThePanelsMode) {
    Host host;
    OperFraisage panel(host);
    SetUpMilling(panel, milling::kContour);
    HostDialog d(panel);
    auto* combo = d.child<QComboBox>("cAccostage");
    ASSERT_TRUE(combo->isVisible());
    ASSERT_GE(combo->count(), 3);
    combo->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    d.key(Qt::Key_Down);
    d.key(Qt::Key_Down);
    const std::int16_t picked = panel.GetAccostage();
    // The host sets another mode up; Enter in the combo must not bring the old pick back.
    std::int16_t mode = 0;
    panel.SetAccostage(mode, 2, 2, 1, 0, 1, -1);
    ASSERT_NE(panel.GetAccostage(), picked);
    const auto before = ReadBack(panel);
    combo->setFocus(Qt::TabFocusReason);
    d.key(Qt::Key_Return);
    EXPECT_EQ(ReadBack(panel), before);
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(Disagreements(*d.view), std::vector<std::string>{});
}

}  // namespace
}  // namespace oru::test
