// The panels as a machinist uses them: forgiving typing (the decimal comma, pasted text), what
// the panel read shown beside the box, no box in the middle of a word, labels and captions that
// fit their text, labels readable over the sketches whatever the palette, the thread list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include "oru/codes.hpp"
#include "oru/qt/panelview.hpp"
#include "oru/qt/translations.hpp"
#include "qt_support.hpp"

namespace oru::test {
namespace {

using qt::PanelView;

template <class T = QWidget>
T* child(const QWidget& view, const char* name) {
    T* w = view.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The inline hint shown for the focused box, or "" when none is shown.
QString shownHint(const PanelView& view) {
    auto* hint = view.findChild<QLabel*>(QStringLiteral("oruHint"));
    return hint && hint->isVisible() ? hint->text() : QString();
}

class Typing : public ::testing::Test {
protected:
    Host host;
    SampleData data;
};

TEST_F(Typing, TheDecimalCommaIsAPointInMillingAndTurningBoxes) {
    OperFraisage milling(host);
    PanelView millingView(milling);
    millingView.show();
    SetUpMilling(milling, milling::kPocket);
    auto* pass = child<QLineEdit>(millingView, "tbVal(2)");
    pass->setFocus();
    pass->selectAll();
    QTest::keyClicks(pass, "1,5");
    EXPECT_EQ(milling.widget("tbVal", 2).text(), "1.5");
    EXPECT_EQ(milling.GetPasse(), 1.5);
    EXPECT_EQ(pass->text(), "1.5");
    EXPECT_EQ(shownHint(millingView), "");

    OperTournage turning(host);
    PanelView turningView(turning);
    turningView.show();
    SetUpTurning(turning, data, turning::kLongTurning);
    auto* box = child<QLineEdit>(turningView, "tbPara(2)");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "12,5");
    EXPECT_EQ(turning.GetPasseZ(), 12.5);
    // Pasted, and written by code, the same.
    box->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("2,25"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(turning.GetPasseZ(), 2.25);
    box->setText(QStringLiteral("0,75"));
    EXPECT_EQ(turning.GetPasseZ(), 0.75);
    EXPECT_EQ(box->text(), "0.75");
    // The model's own reading is unchanged: text written into it reads "12,5" as 12.
    EXPECT_EQ(Val("12,5"), 12);
    EXPECT_EQ(Disagreements(turningView), std::vector<std::string>{});
}

TEST_F(Typing, TheHintSaysWhatThePanelReadBesideTheBox) {
    OperFraisage milling(host);
    PanelView view(milling);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SetUpMilling(milling, milling::kPocket);
    auto* pass = child<QLineEdit>(view, "tbVal(2)");
    pass->setFocus();
    QApplication::processEvents();

    const struct {
        const char* typed;
        const char* hint;
    } cases[] = {
        {"abc", "lu : 0"},
        {"0x10", "lu : 0"},
        {"12.5abc", "lu : 12.5"},
        {"", "vide : lu 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        pass->selectAll();
        QTest::keyClick(pass, Qt::Key_Delete);
        QTest::keyClicks(pass, QString::fromLatin1(c.typed));
        QApplication::processEvents();
        EXPECT_EQ(shownHint(view), QString::fromUtf8(c.hint));
        EXPECT_TRUE(pass->property("oruWarning").toBool());
    }
    // Beside the box, inside the panel, above every other widget.
    auto* hint = view.findChild<QLabel*>(QStringLiteral("oruHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(view.rect().contains(hint->geometry()));
    EXPECT_LE(std::abs(hint->y() - (pass->mapTo(&view, QPoint(0, pass->height())).y())), 4);

    // A pasted "5⏎6" keeps its first line, and says so.
    pass->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("5\n6"));
    QTest::keyClick(pass, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(milling.widget("tbVal", 2).text(), "5");
    EXPECT_EQ(shownHint(view), QStringLiteral("lu : 5 — première ligne seulement"));

    // A fine value: no hint, no outline.
    pass->selectAll();
    QTest::keyClicks(pass, "2.5");
    QApplication::processEvents();
    EXPECT_EQ(shownHint(view), "");
    EXPECT_FALSE(pass->property("oruWarning").toBool());

    // The safety Z under a tooltip that forbids it.
    milling.sZmaxi = "25";
    SetUpMilling(milling, milling::kPocket);
    auto* safety = child<QLineEdit>(view, "tbVal(0)");
    safety->setFocus();
    safety->selectAll();
    QTest::keyClicks(safety, "-5");
    QApplication::processEvents();
    EXPECT_EQ(shownHint(view), "doit être > 25");
    // Leaving the box hides the hint; the outline stays.
    pass->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(shownHint(view), "");
    EXPECT_TRUE(safety->property("oruWarning").toBool());
}

TEST_F(Typing, AnOverflowShowsItsBoxOnceTheKeystrokeIsDone) {
    OperFraisage milling(host);
    PanelView view(milling);
    qt::installMessageBoxes(host, &view);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SetUpMilling(milling, milling::kPocket);
    auto* pass = child<QLineEdit>(view, "tbVal(2)");
    pass->setFocus();
    pass->selectAll();
    QTest::keyClicks(pass, "1e40");
    // The keystroke that overflows: the panel shows its box, but not inside the keystroke.
    bool boxDuringKeystroke = false;
    BoxCloser closer;
    const QString& seen = closer.seen;
    const auto before = host.messages().size();
    QTest::keyClick(pass, Qt::Key_0);
    boxDuringKeystroke = QApplication::activeModalWidget() != nullptr;
    EXPECT_FALSE(boxDuringKeystroke);
    EXPECT_EQ(host.messages().size(), before + 1);  // recorded at once
    EXPECT_EQ(pass->text(), "1e400");
    EXPECT_EQ(shownHint(view), QStringLiteral("lu : dépassement de capacité — Calcul des passes"));
    QTRY_COMPARE_WITH_TIMEOUT(seen, QStringLiteral("ERREUR ORUCtrl / Calcul des passes"), 5000);
    EXPECT_EQ(seen, "ERREUR ORUCtrl / Calcul des passes");
    host.setMessageHandler(nullptr);
}

// Where a label's text is drawn, in the view, by its alignment.
QRect textRect(const Widget& w, const QWidget& v, const QWidget* view) {
    const auto* label = qobject_cast<const QLabel*>(&v);
    const int width =
        label ? std::min(v.width(), v.fontMetrics().horizontalAdvance(label->text())) : v.width();
    QRect r(v.mapTo(view, QPoint(0, 0)),
            QSize(width, std::min(v.height(), v.fontMetrics().height())));
    if (w.alignment() == kRightJustify) r.moveLeft(r.left() + v.width() - width);
    if (w.alignment() == kCentred) r.moveLeft(r.left() + (v.width() - width) / 2);
    return r;
}

// Every visible label and captioned button of every operation of both panels shows its whole
// text, in French and in English (at the scale the test runs at: 1x, 1.5x and 2x).
TEST_F(Typing, EveryLabelAndCaptionFitsItsWidget) {
    std::string language;
    auto check = [&language](const PanelView& view, const std::string& where) {
        const std::string scenario = language + " " + where;
        for (const auto& up : view.panel().widgets()) {
            const Widget& w = *up;
            const QWidget* v = view.viewOf(w);
            if (!v || !v->isVisibleTo(&view)) continue;
            // The text as shown, in the language of the moment.
            QString text;
            int room = v->width();
            if (w.kind() == WidgetKind::Label) {
                text = qobject_cast<const QLabel*>(v)->text();
            } else if (w.kind() == WidgetKind::CommandButton && !w.caption().empty()) {
                text = qobject_cast<const QPushButton*>(v)->text();
                room -= 8;  // the button's frame and some air
            } else {
                continue;
            }
            if (text.isEmpty()) continue;
            const QFontMetrics fm = v->fontMetrics();
            EXPECT_LE(fm.horizontalAdvance(text), room)
                << scenario << ": " << w.fullName() << " \"" << w.caption() << "\"";
            EXPECT_LE(fm.height(), v->height()) << scenario << ": " << w.fullName();
            // Inside the panel: nothing cut at its edges.
            const QRect at(v->mapTo(&view, QPoint(0, 0)), v->size());
            EXPECT_TRUE(view.rect().contains(at)) << scenario << ": " << w.fullName();
            // Nothing of a label's text under a box, a button or another label it was clear of
            // at its design place.
            if (w.kind() != WidgetKind::Label) continue;
            const QRect shownText = textRect(w, *v, &view);
            const QRect design(w.left() / 15, w.top() / 15, w.width() / 15, w.height() / 15);
            for (const auto& other : view.panel().widgets()) {
                const QWidget* o = view.viewOf(*other);
                if (other.get() == &w || !o || !o->isVisibleTo(&view) ||
                    other->container() != w.container())
                    continue;
                const QRect otherDesign(other->left() / 15, other->top() / 15, other->width() / 15,
                                        other->height() / 15);
                if (otherDesign.intersects(design)) continue;
                QRect covers;
                if (other->kind() == WidgetKind::Label)
                    covers = textRect(*other, *o, &view);
                else if (other->kind() == WidgetKind::TextBox ||
                         other->kind() == WidgetKind::ComboBox ||
                         other->kind() == WidgetKind::ListBox ||
                         other->kind() == WidgetKind::CommandButton)
                    covers = QRect(o->mapTo(&view, QPoint(0, 0)), o->size());
                EXPECT_FALSE(covers.intersects(shownText))
                    << scenario << ": " << w.fullName() << " \"" << text.toStdString()
                    << "\" runs into " << other->fullName();
            }
        }
    };
    for (const bool english : {false, true}) {
        language = english ? "English" : "French";
        qt::installTranslations(english ? QLocale(QLocale::English) : QLocale(QLocale::French));
        {
            OperTournage turning(host);
            PanelView view(turning);
            view.show();
            for (std::int16_t op : kTurningOperations)
                for (const char* profil : {"E", "I", "F"}) {
                    SetUpTurning(turning, data, op, profil);
                    QApplication::processEvents();
                    check(view, "turning " + std::to_string(op) + profil);
                }
            SetUpThreading(turning, data);
            QTest::mouseClick(child<QPushButton>(view, "bFiletage"), Qt::LeftButton);
            QApplication::processEvents();
            check(view, "threading details");
        }
        {
            OperFraisage milling(host);
            PanelView view(milling);
            view.show();
            for (std::int16_t t : kMillingTypes) {
                SetUpMilling(milling, t);
                QApplication::processEvents();
                check(view, "milling " + std::to_string(t));
            }
        }
        {
            Avalant avalant(host);
            SensRot sensRot(host);
            Arrosage arrosage(host);
            PanelView a(avalant), s(sensRot), c(arrosage);
            for (std::int16_t v = 0; v <= 1; ++v) {
                avalant.SetAvalant(v);
                QApplication::processEvents();
                check(a, "avalant");
            }
            for (std::int16_t config = 0; config <= 3; ++config)
                for (std::int16_t dir = -1; dir <= 1; ++dir) {
                    sensRot.SetSensRot(dir, config);
                    QApplication::processEvents();
                    check(s, "sensrot");
                }
            for (std::int16_t v = 0; v <= 3; ++v) {
                arrosage.SetArrosage(v);
                QApplication::processEvents();
                check(c, "arrosage");
            }
        }
    }
    qt::installTranslations(QLocale(QLocale::French));
}

// With a dark palette, a label drawn over a sketch keeps the sketch's contrast: its text
// colour differs clearly from the picture under it.
TEST_F(Typing, LabelsOverPicturesStayReadableWithADarkPalette) {
    const QPalette saved = QApplication::palette();
    const QString savedStyle = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);

    OperTournage turning(host);
    PanelView view(turning);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    int checked = 0;
    for (const std::int16_t op : {std::int16_t{101}, std::int16_t{102}, std::int16_t{110},
                                  std::int16_t{130}, std::int16_t{141}}) {
        SetUpTurning(turning, data, op);
        QApplication::processEvents();
        const QImage shot = view.grab().toImage();
        // ORU_TEST_SHOTS=folder keeps the pictures, to look at them.
        if (const QString dir = qEnvironmentVariable("ORU_TEST_SHOTS"); !dir.isEmpty())
            shot.save(dir + QStringLiteral("/dark-%1.png").arg(op));
        for (const auto& up : turning.widgets()) {
            if (up->kind() != WidgetKind::Label || up->caption().empty()) continue;
            auto* l = qobject_cast<QLabel*>(view.viewOf(*up));
            if (!l || !l->isVisible() || !l->property("oruOverPicture").toBool()) continue;
            // The most common colour under the label's text is the picture; the text must
            // stand out from it.
            const int textWidth = l->fontMetrics().horizontalAdvance(l->text());
            QRect at(l->mapTo(&view, QPoint(0, 0)), QSize(textWidth, l->height()));
            if (up->alignment() == kRightJustify) at.moveLeft(at.left() + l->width() - textWidth);
            if (up->alignment() == kCentred) at.moveLeft(at.left() + (l->width() - textWidth) / 2);
            std::map<QRgb, int> count;
            for (int y = at.top(); y <= at.bottom(); ++y)
                for (int x = at.left(); x <= at.right(); ++x)
                    ++count[shot.pixel(QPoint(x, y) * shot.devicePixelRatio())];
            const QRgb background =
                std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                    return a.second < b.second;
                })->first;
            const QColor text = l->palette().color(QPalette::WindowText);
            const double contrast = std::abs(QColor(background).lightnessF() - text.lightnessF());
            EXPECT_GT(contrast, 0.5) << op << " " << up->fullName();
            ++checked;
        }
    }
    EXPECT_GT(checked, 5);
    // Picture buttons keep a light tile.
    auto* approach = child<QPushButton>(view, "bAppro(0)");
    EXPECT_GT(approach->palette().color(QPalette::Button).lightnessF(), 0.8);
    QApplication::setPalette(saved);
    QApplication::setStyle(savedStyle);
}

TEST_F(Typing, TheThreadListOpensOnTheThreadAndNeedsNoSideScroll) {
    OperTournage turning(host);
    PanelView view(turning);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SetUpThreading(turning, data);  // M20 x 2.5
    QTest::mouseClick(child<QPushButton>(view, "bFiletage"), Qt::LeftButton);
    QApplication::processEvents();
    auto* list = child<QListWidget>(view, "lPasFilet");
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    int m20 = -1;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(QStringLiteral("M20x2.5\t"))) m20 = i;
    ASSERT_GE(m20, 0);
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(m20))));
    EXPECT_EQ(turning.widget("lPasFilet").listIndex(), -1);  // shown, not picked
    // Focus on the selected approach button shows.
    auto* approach = child<QPushButton>(view, "bAppro(0)");
    approach->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage focused = approach->grab().toImage();
    view.setFocus();
    child<QWidget>(view, "tbPara(1)")->setFocus();
    QApplication::processEvents();
    EXPECT_NE(approach->grab().toImage(), focused);
}

}  // namespace
}  // namespace oru::test
