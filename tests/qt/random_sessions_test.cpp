// Random sessions through the Qt view, as a user and a host would run them: clicks, typing,
// Tab, Enter, Escape, picks with the keyboard, the mouse and the popup, Qt setters called by code,
// and now and then a new set-up by the host. After every event every Qt child shows what its
// model widget holds, and an action that only moves the focus raises no model change and no
// edit. Seeded (ORU_RANDOM_SEED) and bounded (ORU_RANDOM_SECONDS, 8 by default).
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <chrono>
#include <cstdint>
#include <random>
#include <sstream>

#include "oru/codes.hpp"
#include "oru/qt/panelview.hpp"
#include "qt_support.hpp"

namespace oru::test {
namespace {

using qt::PanelView;

constexpr const char* kProfiles[] = {"E", "I", "B", "F"};

class Session {
public:
    Session(std::uint32_t seed, bool milling) : rng_(seed), milling_(milling) {
        if (milling)
            fraisage_ = std::make_unique<OperFraisage>(host_);
        else
            tournage_ = std::make_unique<OperTournage>(host_);
        Panel& p = panel();
        handles_.push_back(p.addObserver([this](Widget&, Property) { ++changes_; }));
        if (fraisage_)
            handles_.push_back(
                fraisage_->Avalant1().addObserver([this](Widget&, Property) { ++changes_; }));
        auto* layout = new QVBoxLayout(&dialog_);
        view_ = new PanelView(p);
        layout->addWidget(view_);
        auto* ok = new QPushButton(QStringLiteral("OK"));
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog_, &QDialog::accept);
        layout->addWidget(ok);
        edited_ = std::make_unique<QSignalSpy>(view_, &PanelView::edited);
        hostSetUp();
        dialog_.show();
        (void)QTest::qWaitForWindowExposed(&dialog_);
    }
    ~Session() {
        for (auto& h : handles_)
            h.remove();
    }

    // Runs `steps` random actions; the first broken rule ends the session with a message.
    std::string run(int steps) {
        for (int i = 0; i < steps; ++i) {
            const std::uint64_t changesBefore = changes_;
            const auto editedBefore = edited_->count();
            const bool onlyMoves = step();
            QApplication::processEvents();
            if (!dialog_.isVisible()) {  // Escape or OK closed the host dialog: open it again
                dialog_.show();
                QApplication::processEvents();
            }
            for (const std::string& d : Disagreements(*view_))
                return fail("screen and model disagree: " + d);
            if (onlyMoves && changes_ != changesBefore)
                return fail("moving the focus changed the model");
            if (onlyMoves && edited_->count() != editedBefore)
                return fail("moving the focus was told as an edit");
        }
        return {};
    }

private:
    Panel& panel() { return milling_ ? static_cast<Panel&>(*fraisage_) : *tournage_; }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    template <class T>
    std::vector<T*> shown() {
        std::vector<T*> out;
        for (T* w : view_->findChildren<T*>())
            if (!w->objectName().isEmpty() && w->isVisible() && w->isEnabled()) out.push_back(w);
        return out;
    }

    void hostSetUp() {
        if (milling_) {
            const std::int16_t t = kMillingTypes[pick(std::size(kMillingTypes))];
            log_ << "host: milling " << t << "\n";
            SetUpMilling(*fraisage_, t);
        } else {
            const std::int16_t t = kTurningOperations[pick(std::size(kTurningOperations))];
            const char* profil = kProfiles[pick(4)];
            log_ << "host: turning " << t << " " << profil << "\n";
            SetUpTurning(*tournage_, data_, t, profil);
        }
    }

    QString randomText() {
        static const char kChars[] = "0123456789..,-e x";
        QString s;
        const int n = 1 + pick(5);
        for (int i = 0; i < n; ++i)
            s += QLatin1Char(kChars[pick(int(sizeof kChars) - 1)]);
        return s;
    }

    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = view_;
        log_ << "key " << k << " on " << target->objectName().toStdString() << "\n";
        QTest::keyClick(target, k, m);
    }

    // One action; true when it only moves the focus.
    bool step() {
        switch (pick(14)) {
            case 0:
                if (pick(4) == 0) hostSetUp();
                return false;
            case 1:
            case 2: {
                auto buttons = shown<QPushButton>();
                if (buttons.empty()) return false;
                QPushButton* b = buttons[pick(int(buttons.size()))];
                log_ << "click " << b->objectName().toStdString() << "\n";
                QTest::mouseClick(b, Qt::LeftButton);
                return false;
            }
            case 3:
            case 4: {
                auto boxes = shown<QLineEdit>();
                std::erase_if(boxes, [](QLineEdit* e) { return e->isReadOnly(); });
                if (boxes.empty()) return false;
                QLineEdit* e = boxes[pick(int(boxes.size()))];
                const QString text = randomText();
                log_ << "type '" << text.toStdString() << "' in " << e->objectName().toStdString()
                     << "\n";
                QTest::mouseClick(e, Qt::LeftButton);
                if (pick(2) == 0) e->selectAll();
                QTest::keyClicks(e, text);
                return false;
            }
            case 5:
                key(Qt::Key_Tab);
                return true;
            case 6:
                key(Qt::Key_Tab, Qt::ShiftModifier);
                return true;
            case 7: {
                // Enter: a press on a button, a move anywhere else.
                QWidget* f = QApplication::focusWidget();
                const bool onButton = qobject_cast<QPushButton*>(f) != nullptr;
                key(Qt::Key_Return);
                return !onButton;
            }
            case 8: {
                auto combos = shown<QComboBox>();
                if (combos.empty()) return false;
                QComboBox* c = combos[pick(int(combos.size()))];
                log_ << "combo " << c->objectName().toStdString() << "\n";
                switch (pick(4)) {
                    case 0:
                        c->setFocus(Qt::TabFocusReason);
                        key(pick(2) ? Qt::Key_Down : Qt::Key_Up);
                        return false;
                    case 1:
                        if (c->count() > 0) c->setCurrentIndex(pick(c->count()));
                        return false;
                    case 2:
                        c->setFocus(Qt::TabFocusReason);
                        c->showPopup();
                        QApplication::processEvents();
                        log_ << "popup\n";
                        QTest::keyClick(c->view(), pick(2) ? Qt::Key_Return : Qt::Key_Escape);
                        return false;
                    default:
                        c->setFocus(Qt::TabFocusReason);
                        return true;
                }
            }
            case 9: {
                auto lists = shown<QListWidget>();
                if (lists.empty() || lists.front()->count() == 0) return false;
                QListWidget* l = lists.front();
                const int row = pick(l->count());
                log_ << "list " << row << "\n";
                switch (pick(3)) {
                    case 0:
                        l->scrollToItem(l->item(row));
                        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                                          l->visualItemRect(l->item(row)).center());
                        return false;
                    case 1:
                        l->setCurrentRow(row);
                        return false;
                    default:
                        l->setFocus(Qt::TabFocusReason);
                        key(Qt::Key_Down);
                        return false;
                }
            }
            case 10: {
                auto boxes = shown<QLineEdit>();
                std::erase_if(boxes, [](QLineEdit* e) { return e->isReadOnly(); });
                if (boxes.empty()) return false;
                QLineEdit* e = boxes[pick(int(boxes.size()))];
                const QString text = randomText();
                log_ << "setText '" << text.toStdString() << "' on "
                     << e->objectName().toStdString() << "\n";
                e->setText(text);
                return false;
            }
            case 11: {
                // The focus into any widget that takes it, as a click or Tab would.
                std::vector<QWidget*> stops;
                for (QWidget* w : view_->findChildren<QWidget*>())
                    if (!w->objectName().isEmpty() && w->isVisible() && w->isEnabled() &&
                        (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<PanelView*>(w))
                        stops.push_back(w);
                if (stops.empty()) return true;
                QWidget* w = stops[pick(int(stops.size()))];
                log_ << "focus " << w->objectName().toStdString() << "\n";
                w->setFocus(pick(2) ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
            case 12:
                key(Qt::Key_Escape);
                return true;
            default: {
                // A click on a label or an image: the focus stays where it is.
                auto labels = shown<QLabel>();
                if (labels.empty()) return true;
                QLabel* l = labels[pick(int(labels.size()))];
                log_ << "click label " << l->objectName().toStdString() << "\n";
                QTest::mouseClick(l, Qt::LeftButton);
                return true;
            }
        }
    }

    std::string fail(const std::string& why) { return why + "\nactions:\n" + log_.str(); }

    std::mt19937 rng_;
    bool milling_;
    Host host_;
    SampleData data_;
    std::unique_ptr<OperFraisage> fraisage_;
    std::unique_ptr<OperTournage> tournage_;
    std::vector<ObserverHandle> handles_;
    QDialog dialog_;
    PanelView* view_ = nullptr;
    std::unique_ptr<QSignalSpy> edited_;
    std::uint64_t changes_ = 0;
    std::ostringstream log_;
};

std::uint32_t envNumber(const char* name, std::uint32_t fallback) {
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const auto n = v.toUInt(&ok);
    return ok ? n : fallback;
}

TEST(RandomSessions, TheScreenAlwaysShowsTheModelAndMovingChangesNothing) {
    const std::uint32_t seed = envNumber("ORU_RANDOM_SEED", 20261207);
    const auto budget = std::chrono::seconds(envNumber("ORU_RANDOM_SECONDS", 8));
    const auto end = std::chrono::steady_clock::now() + budget;
    int sessions = 0;
    for (std::uint32_t s = seed; std::chrono::steady_clock::now() < end && sessions < 400;
         ++s, ++sessions) {
        Session session(s, s % 2 == 0);
        const std::string failure = session.run(60);
        ASSERT_EQ(failure, "") << "session seed " << s;
    }
    EXPECT_GT(sessions, 0);
    std::cout << sessions << " sessions from seed " << seed << "\n";
}

}  // namespace
}  // namespace oru::test
