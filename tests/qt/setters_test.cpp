// Code writing into the Qt children through Qt's own setters (as a host or a screen reader
// does): the write reaches the model as the user's action, or the screen shows the model again.
// Never do the screen and the model disagree.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "oru/codes.hpp"
#include "oru/qt/panelview.hpp"
#include "qt_support.hpp"

namespace oru::test {
namespace {

using qt::PanelView;

class Setters : public ::testing::Test {
protected:
    Host host;
    SampleData data;
    OperTournage panel{host};
    PanelView view{panel};
    QSignalSpy edited{&view, &PanelView::edited};

    void SetUp() override {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    template <class T = QWidget>
    T* child(const char* name) const {
        T* w = view.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void openThreadPage() {
        SetUpThreading(panel, data);
        QTest::mouseClick(child<QPushButton>("bFiletage"), Qt::LeftButton);
        ASSERT_TRUE(panel.widget("lPasFilet").visible());
        edited.clear();
    }
};

TEST_F(Setters, LineEditSetTextIsTyping) {
    SetUpTurning(panel, data, turning::kLongTurning);
    edited.clear();
    child<QLineEdit>("tbPara(1)")->setText("7.25");
    EXPECT_EQ(panel.widget("tbPara", 1).text(), "7.25");
    EXPECT_EQ(panel.GetGardeDeg(), 7.25);
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
}

TEST_F(Setters, ComboAndListSettersArePicks) {
    openThreadPage();
    auto* pitch = child<QComboBox>("cbPas");
    ASSERT_GT(pitch->count(), 1);
    pitch->setCurrentIndex(1);
    EXPECT_EQ(panel.widget("cbPas").listIndex(), 1);
    EXPECT_EQ(panel.GetPas(), Val(panel.widget("cbPas").list(1)));
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});

    auto* list = child<QListWidget>("lPasFilet");
    list->setCurrentRow(3);
    EXPECT_EQ(panel.widget("lPasFilet").listIndex(), 3);
    EXPECT_EQ(edited.count(), 2);
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
}

TEST_F(Setters, WritesTheModelHasNoActionForAreUndone) {
    openThreadPage();
    // Texts of labels and buttons, items of a combo, the pitch combo's text: the model takes
    // none of them from the user, so the screen shows the model's again.
    child<QLabel>("tSensFilet")->setText("autre");
    child<QPushButton>("bFiletage")->setText("autre");
    child<QComboBox>("cbPas")->addItem("9.99");
    child<QComboBox>("cbPas")->setEditText("9.99");
    child<QListWidget>("lPasFilet")->addItem("M99x9");
    child("tbPara(1)")->hide();
    child("tbPara(2)")->move(0, 0);
    child("bDegage")->setEnabled(false);
    view.repaint();
    QApplication::processEvents();
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(Setters, TakingTheCurrentPitchAgainShowsThePanelsText) {
    openThreadPage();
    // A pitch picked in the combo, then a thread picked in the list: the thread's pitch is the
    // combo's text, the combo's index staying on the pitch picked before.
    auto* pitch = child<QComboBox>("cbPas");
    pitch->setCurrentIndex(1);
    auto* list = child<QListWidget>("lPasFilet");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(5)).center());
    const Widget& model = panel.widget("cbPas");
    ASSERT_EQ(model.listIndex(), 1);
    ASSERT_NE(model.list(1), model.text());
    const auto before = ReadBack(panel);
    edited.clear();
    // Take the current item again from the popup: no pick for the model, whose text stays.
    pitch->setFocus();
    pitch->showPopup();
    QApplication::processEvents();
    QTest::keyClick(pitch->view(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(pitch->currentText().toStdString(), model.text());
    EXPECT_EQ(ReadBack(panel), before);
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
}

TEST_F(Setters, FocusMovedByTheModelPicksNothingAndLeavesNothing) {
    openThreadPage();
    auto* list = child<QListWidget>("lPasFilet");
    ASSERT_EQ(panel.widget("lPasFilet").listIndex(), -1);
    // The widget before the list in the focus chain has the focus when the model hides it: Qt
    // moves the focus on into the list, which must not pick its first thread.
    QWidget* previous = list->previousInFocusChain();
    while (!(previous->focusPolicy() & Qt::TabFocus) || !previous->isVisible())
        previous = previous->previousInFocusChain();
    previous->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const auto before = ReadBack(panel);
    Widget* model = nullptr;
    for (const auto& w : panel.widgets())
        if (view.viewOf(*w) == previous) model = w.get();
    ASSERT_NE(model, nullptr) << previous->objectName().toStdString();
    model->setVisible(false);
    QApplication::processEvents();
    EXPECT_EQ(panel.widget("lPasFilet").listIndex(), -1);
    EXPECT_EQ(ReadBack(panel), before);
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
}

TEST_F(Setters, AHostSetUpLeavesNoCurrentItemWhereTheModelHasNone) {
    openThreadPage();
    QTest::mouseClick(child<QListWidget>("lPasFilet")->viewport(), Qt::LeftButton, {},
                      child<QListWidget>("lPasFilet")
                          ->visualItemRect(child<QListWidget>("lPasFilet")->item(2))
                          .center());
    ASSERT_EQ(panel.widget("lPasFilet").listIndex(), 2);
    child("lPasFilet")->setFocus();
    SetUpThreading(panel, data);  // the host sets the operation up again
    QTest::mouseClick(child<QPushButton>("bFiletage"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(Disagreements(view), std::vector<std::string>{});
}

// A host that destroys the panel before its view gets a view that ignores everything.
TEST(ViewLifetime, AViewWhosePanelIsGoneIgnoresEverything) {
    Host host;
    auto panel = std::make_unique<OperTournage>(host);
    PanelView view(*panel);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    auto* box = view.findChild<QLineEdit*>(QStringLiteral("tbPara(0)"));
    auto* button = view.findChild<QPushButton*>(QStringLiteral("bSens"));
    panel.reset();
    box->setText("3");
    QTest::keyClicks(box, "12");
    QTest::mouseClick(button, Qt::LeftButton);
    box->hide();
    view.repaint();
    QApplication::processEvents();
    view.hide();
}

}  // namespace
}  // namespace oru::test
