// The ready widgets as a Qt developer uses them: shown with QWidget::show(), wired with signals
// and properties, sharing the application's Host when created by a form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <memory>

#include "oru/codes.hpp"
#include "oru/qt/controls.hpp"
#include "oru/qt/panelview.hpp"
#include "qt_support.hpp"

namespace oru::test {
namespace {

using namespace oru::qt;

template <class T = QWidget>
T* child(const QWidget& parent, const char* name) {
    T* w = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(ReadyWidgets, ShowLikeAnyWidgetAtTheirDesignSize) {
    QWidget window;
    std::unique_ptr<QWidget> owned[] = {
        std::unique_ptr<QWidget>(new OperFraisageWidget(&window)),
        std::unique_ptr<QWidget>(new OperTournageWidget(&window)),
        std::unique_ptr<QWidget>(new AvalantWidget(&window)),
        std::unique_ptr<QWidget>(new SensRotWidget(&window)),
        std::unique_ptr<QWidget>(new ArrosageWidget(&window)),
    };
    window.show();
    for (auto& w : owned) {
        w->show();  // QWidget::show, on every ready widget
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        EXPECT_EQ(w->minimumSizeHint(), w->sizeHint());
        EXPECT_FALSE(w->sizeHint().isEmpty());
    }
    // Each ready widget also shows alone, as a window.
    auto* alone = new ArrosageWidget;
    alone->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(alone));
    delete alone;
}

TEST(ReadyWidgets, EditedOncePerUserActionAndNeverForTheHost) {
    Host host;
    OperFraisageWidget milling(host);
    milling.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&milling));
    QSignalSpy widgetEdited(&milling, &ControlWidget::edited);
    QSignalSpy viewEdited(&milling.view(), &PanelView::edited);

    SetUpMilling(milling.control(), milling::kContour);  // the host's own calls
    std::int16_t mode = 1;
    milling.control().SetAccostage(mode, 2, 2, 1, 0, 1, -1);
    milling.setPictureFolder(QString::fromStdString(SampleData::pictures()));
    QApplication::processEvents();
    EXPECT_EQ(viewEdited.count(), 0);
    EXPECT_EQ(widgetEdited.count(), 0);

    // Nine user actions: four keystrokes, a pick, two clicks (one on the embedded toggle), Tab.
    auto* pass = child<QLineEdit>(milling, "tbVal(2)");
    pass->setFocus();
    pass->selectAll();
    QTest::keyClicks(pass, "2.5");  // three keystrokes
    QTest::keyClick(pass, Qt::Key_Backspace);
    EXPECT_EQ(widgetEdited.count(), 4);
    auto* engagement = child(milling, "cAccostage");
    engagement->setFocus(Qt::TabFocusReason);
    QTest::keyClick(engagement, Qt::Key_Down);
    EXPECT_EQ(widgetEdited.count(), 5);
    QTest::mouseClick(child<QPushButton>(milling, "bApproXYZ"), Qt::LeftButton);
    EXPECT_EQ(widgetEdited.count(), 6);
    auto* toggle = child<PanelView>(milling, "Avalant1");
    QTest::mouseClick(child<QPushButton>(*toggle, "Bavalant"), Qt::LeftButton);
    EXPECT_EQ(widgetEdited.count(), 7);
    EXPECT_EQ(milling.control().GetAval(), 0);
    // Moving on changes nothing: no edit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(widgetEdited.count(), 7);
    EXPECT_EQ(viewEdited.count(), widgetEdited.count());
    EXPECT_EQ(Disagreements(milling.view()), std::vector<std::string>{});
}

TEST(ReadyWidgets, SelectorsValueIsTheirUserProperty) {
    Host host;
    struct Case {
        std::unique_ptr<ControlWidget> widget;
        const char* button;
        int written;
    };
    Case cases[] = {
        {std::make_unique<AvalantWidget>(host), "Bavalant", 0},
        {std::make_unique<ArrosageWidget>(host), "bArro", 2},
        {std::make_unique<SensRotWidget>(host), "bSensRot(0)", 1},
    };
    static_cast<SensRotWidget*>(cases[2].widget.get())->setConfiguration(0);
    for (Case& c : cases) {
        ControlWidget& w = *c.widget;
        SCOPED_TRACE(w.metaObject()->className());
        const QMetaProperty user = w.metaObject()->userProperty();
        ASSERT_TRUE(user.isValid());
        EXPECT_STREQ(user.name(), "value");
        ASSERT_TRUE(user.hasNotifySignal());
        QSignalSpy changed(&w, user.notifySignal());
        QSignalSpy edited(&w, &ControlWidget::edited);

        // A write: one signal with the new value, none when it does not change.
        ASSERT_TRUE(w.setProperty("value", c.written));
        EXPECT_EQ(w.property("value").toInt(), c.written);
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.takeFirst().at(0).toInt(), c.written);
        w.setProperty("value", c.written);
        w.setProperty("value", 1 << 20);  // beyond 16 bits: ignored
        EXPECT_EQ(changed.count(), 0);
        EXPECT_EQ(edited.count(), 0);

        // The user: one signal, and an edit.
        w.show();
        QTest::mouseClick(child<QPushButton>(w, c.button), Qt::LeftButton);
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(edited.count(), 1);
        EXPECT_EQ(changed.takeFirst().at(0).toInt(), w.property("value").toInt());
    }

    // The host calling the control itself is told once its call is over.
    auto& coolant = static_cast<ArrosageWidget&>(*cases[1].widget);
    QSignalSpy changed(&coolant, &ArrosageWidget::valueChanged);
    ASSERT_NE(coolant.value(), 0);
    coolant.control().SetArrosage(0);
    QApplication::processEvents();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 0);
}

TEST(ReadyWidgets, SelectorsWorkWithADataWidgetMapper) {
    Host host;
    QStandardItemModel records(2, 1);
    records.setData(records.index(0, 0), 1);
    records.setData(records.index(1, 0), 0);
    AvalantWidget mode(host);
    mode.show();
    QDataWidgetMapper mapper;
    mapper.setModel(&records);
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mapper.addMapping(&mode, 0);
    mapper.toFirst();
    EXPECT_EQ(mode.control().GetAvalant(), 1);
    mapper.toNext();
    EXPECT_EQ(mode.control().GetAvalant(), 0);
    QTest::mouseClick(child<QPushButton>(mode, "Bavalant"), Qt::LeftButton);
    mapper.submit();
    EXPECT_EQ(records.data(records.index(1, 0)).toInt(), 1);
}

TEST(ReadyWidgets, FormWidgetsShareTheDefaultHost) {
    Host host;
    setDefaultHost(&host);
    {
        QWidget form;
        auto* coolant = new ArrosageWidget(&form);  // as uic creates it
        auto* milling = new OperFraisageWidget(&form);
        EXPECT_EQ(&coolant->host(), &host);
        EXPECT_EQ(&milling->host(), &host);
        // A failure shows its box through the shared host.
        milling->control().Typoper = 100;
        milling->control().SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
        EXPECT_FALSE(host.messages().empty());
    }
    setDefaultHost(nullptr);
    ArrosageWidget own;
    EXPECT_NE(&own.host(), &host);
    EXPECT_EQ(defaultHost(), nullptr);
}

}  // namespace
}  // namespace oru::test
