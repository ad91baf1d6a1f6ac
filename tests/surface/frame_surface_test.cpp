// The frame's guarantees to a host: removed observers are not called again, the message log
// stays bounded, and a panel's event handlers cannot be replaced from outside.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "oru/oru.hpp"

namespace oru {
namespace {

// ---- observers ------------------------------------------------------------------------------

TEST(ObserverHandles, RemovalFromInsideANotificationTakesEffectAtOnce) {
    Host host;
    Arrosage panel(host);
    std::vector<std::string> calls;
    ObserverHandle self, later;
    // The first observer removes itself and the one after it during the same announcement.
    self = panel.addObserver([&](Widget&, Property) {
        calls.push_back("self");
        self.remove();
        later.remove();
    });
    later = panel.addObserver([&](Widget&, Property) { calls.push_back("later"); });
    ObserverHandle stays = panel.addObserver([&](Widget&, Property) { calls.push_back("stays"); });
    // An observer added during an announcement is called from the next change on.
    bool added = false;
    panel.addObserver([&](Widget&, Property) {
        if (added) return;
        added = true;
        panel.addObserver([&](Widget&, Property) { calls.push_back("new"); });
    });

    panel.widget("bArro").click();  // two changes: the picture, then the caption
    EXPECT_EQ(calls, (std::vector<std::string>{"self", "stays", "stays", "new"}));
    EXPECT_FALSE(self.active());
    EXPECT_FALSE(later.active());
    EXPECT_TRUE(stays.active());
}

TEST(ObserverHandles, RemovalAfterThePanelIsGoneIsSafe) {
    Host host;
    ObserverHandle handle;
    {
        Avalant panel(host);
        handle = panel.addObserver([](Widget&, Property) {});
        EXPECT_TRUE(handle.active());
    }
    EXPECT_FALSE(handle.active());
    handle.remove();
    EXPECT_FALSE(handle.active());
}

// ---- message log ----------------------------------------------------------------------------

TEST(MessageLog, AHandlerThatShowsAnotherBoxSeesItsOwnBoxWhateverTheLimit) {
    Host host;
    host.setMessageLimit(1);
    std::vector<std::string> shown;
    host.setMessageHandler([&](const Message& m) {
        shown.push_back(m.prompt);
        if (m.prompt == "first") host.showMessage(kStylePlain, "", "second");
        shown.push_back("back to " + m.prompt);  // m is still the box this call shows
    });
    host.showMessage(kStylePlain, "", "first");
    EXPECT_EQ(shown,
              (std::vector<std::string>{"first", "second", "back to second", "back to first"}));
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages().back().prompt, "second");
}

// ---- event handlers -------------------------------------------------------------------------

// Binding a handler or hosting a control is not part of what a host can reach on a widget.
template <class W>
concept BindsHandlers = requires(W& w, std::function<void()> f) {
    w.onClick(f);
}
|| requires(W& w, std::function<void()> f) { w.onChange(f); }
|| requires(W& w, std::function<void()> f) { w.onLostFocus(f); }
|| requires(W& w, Panel* p) { w.setHosted(p); }
|| requires(W& w, Widget* f) { w.setContainer(f); };
static_assert(!BindsHandlers<Widget>);

constexpr WidgetSpec kOneButton[] = {{"bGo", WidgetKind::CommandButton}};

// A panel of its own may bind only its own widgets.
class OwnPanel : public Panel {
public:
    explicit OwnPanel(Host& host) : Panel(host, "OwnPanel", "ERREUR", kOneButton, 100, 100) {
        bindClick(widget("bGo"), [this] { ++clicks; });
    }
    void bindForeign(Widget& w) {
        bindClick(w, [] {});
    }
    int clicks = 0;
};

TEST(EventHandlers, APanelBindsOnlyItsOwnWidgets) {
    Host host;
    OwnPanel own(host);
    Arrosage other(host);
    EXPECT_THROW(own.bindForeign(other.widget("bArro")), Error);
    // The other panel's handler is intact: a click still cycles its state.
    other.widget("bArro").click();
    EXPECT_EQ(other.GetArrosage(), arrosage::kCoolant1);
    own.widget("bGo").click();
    EXPECT_EQ(own.clicks, 1);
    EXPECT_TRUE(host.messages().empty());
}

}  // namespace
}  // namespace oru
