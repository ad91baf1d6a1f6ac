#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>

#include "deferredboxes.hpp"
#include "oru/host.hpp"
#include "oru/qt/panelview.hpp"
#include "oru/qt/translations.hpp"

namespace oru::qt {
namespace boxes {
namespace {

TypingScope* g_innermost = nullptr;
std::deque<std::function<void()>> g_waiting;
bool g_flushPending = false;

void flush() {
    g_flushPending = false;
    // A box shown here may run its own event loop, in which the user types again: take the
    // boxes one at a time.
    while (!g_waiting.empty() && !g_innermost) {
        auto display = std::move(g_waiting.front());
        g_waiting.pop_front();
        display();
    }
}

}  // namespace

TypingScope::TypingScope() : outer_(g_innermost) { g_innermost = this; }

TypingScope::~TypingScope() {
    g_innermost = outer_;
    if (outer_) {
        outer_->deferred_.insert(outer_->deferred_.end(), deferred_.begin(), deferred_.end());
    } else if (!g_waiting.empty() && !g_flushPending) {
        g_flushPending = true;
        QTimer::singleShot(0, [] { flush(); });
    }
}

void show(std::string prompt, std::function<void()> display) {
    if (!g_innermost) {
        display();
        return;
    }
    g_innermost->deferred_.push_back(std::move(prompt));
    g_waiting.push_back(std::move(display));
}

}  // namespace boxes

void installMessageBoxes(Host& host, QWidget* parent) {
    QPointer<QWidget> owner(parent);
    host.setMessageHandler([owner](const Message& m) {
        boxes::show(m.prompt, [owner, m] {
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            if (m.style == kStyleCritical)
                icon = QMessageBox::Critical;
            else if (m.style == kStyleExclamation)
                icon = QMessageBox::Warning;
            // The panel's texts in the application's language; the host still records them
            // in French.
            QString prompt = translatedText("Messages", m.prompt);
            prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            QMessageBox box(icon, translatedText("Messages", m.title), prompt, QMessageBox::Ok,
                            owner.data());
            box.setTextFormat(Qt::PlainText);
            box.exec();
        });
    });
}

}  // namespace oru::qt
