// Widget model: events raised inside writes, list selection, user actions that fail, observers,
// widget lookup, and message boxes shown from inside a box handler.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "oru/oru.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

constexpr WidgetSpec kInventory[] = {
    {"tbA", WidgetKind::TextBox},
    {"tbB", WidgetKind::TextBox, 0, "design"},
    {"cList", WidgetKind::ComboBox},
    {"bGo", WidgetKind::CommandButton, 3},
};

// A panel whose handlers log what they see, so the order of nested events can be checked.
class LogPanel : public Panel {
public:
    explicit LogPanel(Host& host) : Panel(host, "LogPanel", "ERREUR TEST", kInventory, 1000, 1000) {
        bindChange(widget("tbA"), [this] {
            log.push_back("A:" + widget("tbA").text());
            widget("tbB").writeText("from A " + widget("tbA").text());
            log.push_back("A done");
        });
        bindChange(widget("tbB"), [this] { log.push_back("B:" + widget("tbB").text()); });
        bindClick(widget("cList"), [this] {
            log.push_back("click " + std::to_string(widget("cList").listIndex()) + " " +
                          widget("cList").text());
        });
        for (int i = 0; i < 3; ++i)
            bindClick(widget("bGo", i), [this, i] {
                if (i == 2) throw Error("Dépassement de capacité");
                if (i == 1) throw std::bad_alloc();
                log.push_back("go " + std::to_string(i));
            });
    }
    std::vector<std::string> log;
};

class Events : public ::testing::Test {
protected:
    Host host;
    LogPanel panel{host};
};

TEST_F(Events, ChangeIsRaisedInsideTheWriteAndNestsSynchronously) {
    panel.widget("tbA").writeText("1");
    EXPECT_EQ(panel.log, (std::vector<std::string>{"A:1", "B:from A 1", "A done"}));
    EXPECT_EQ(panel.widget("tbB").text(), "from A 1");
}

TEST_F(Events, NoChangeWhenTheTextStaysTheSame) {
    panel.widget("tbB").writeText("design");  // the design-time text
    panel.widget("tbA").writeText("");
    EXPECT_TRUE(panel.log.empty());
    panel.widget("tbA").setText("x");
    panel.log.clear();
    panel.widget("tbA").setText("x");
    EXPECT_TRUE(panel.log.empty());
}

TEST_F(Events, ListIndexRaisesClickOnlyWhenItChanges) {
    Widget& c = panel.widget("cList");
    c.addItem("1.5");
    c.addItem("2");
    c.writeListIndex(1);
    c.writeListIndex(1);
    c.setListIndex(0);
    EXPECT_EQ(panel.log, (std::vector<std::string>{"click 1 2", "click 0 1.5"}));
    EXPECT_EQ(c.text(), "1.5");

    panel.log.clear();
    c.clear();  // empties list and text, no event
    EXPECT_EQ(c.listIndex(), -1);
    EXPECT_EQ(c.listCount(), 0);
    EXPECT_EQ(c.text(), "");
    EXPECT_EQ(c.list(0), "");
    EXPECT_TRUE(panel.log.empty());
    EXPECT_THROW(c.writeListIndex(0), Error);
}

TEST_F(Events, FailuresOfUserActionsAreShownNeverThrown) {
    EXPECT_NO_THROW(panel.widget("bGo", 2).click());
    EXPECT_EQ(test::LastMessage(host).style, kStyleCritical);
    EXPECT_EQ(test::LastMessage(host).title, "ERREUR TEST");
    EXPECT_EQ(test::LastMessage(host).prompt, "bGo(2)\r\nDépassement de capacité");

    EXPECT_NO_THROW(panel.widget("bGo", 1).click());
    EXPECT_EQ(test::LastMessage(host).prompt, "bGo(1)\r\nMémoire insuffisante");

    // A list pick outside the list is contained as well.
    EXPECT_NO_THROW(panel.widget("cList").setListIndex(5));
    EXPECT_EQ(host.messages().size(), 3u);

    panel.widget("bGo", 0).click();
    EXPECT_EQ(panel.log.back(), "go 0");
}

TEST_F(Events, ObserversSeeEveryChangeAndOnlyChanges) {
    std::vector<std::string> seen;
    panel.addObserver([&](Widget& w, Property p) {
        seen.push_back(w.fullName() + ":" + std::to_string(static_cast<int>(p)));
    });
    Widget& b = panel.widget("bGo", 0);
    b.setVisible(false);
    b.setVisible(false);
    b.setCaption("Go");
    panel.widget("tbA").writeText("z");  // tbA and, through its handler, tbB
    EXPECT_EQ(seen, (std::vector<std::string>{"bGo(0):0", "bGo(0):6", "tbA:7", "tbB:7"}));
}

}  // namespace
}  // namespace oru
