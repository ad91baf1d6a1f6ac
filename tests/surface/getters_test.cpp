// The getter tables: every getter marked as trapped shows its own error box and returns 0 on a
// text it cannot read, and never throws; the others let only oru::Error through. Each panel is
// read with every box unreadable, across operations that take the getters down their different
// paths.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "oru/oru.hpp"
#include "tournage/fixture.hpp"

namespace oru::test {
namespace {

// A number no double holds: reading it is the overflow failure.
constexpr const char* kOverflow = "1e999";

struct Outcome {
    int boxes = 0;   // trapped getters that showed their error box
    int throws = 0;  // other getters that threw oru::Error
};

bool isZero(const GetterValue& v) {
    if (const auto* d = std::get_if<double>(&v)) return *d == 0;
    if (const auto* c = std::get_if<std::int16_t>(&v)) return *c == 0;
    return std::get<std::string>(v).empty();
}

template <class P>
void readEveryGetter(Host& host, const P& panel, Outcome& seen, const std::string& step) {
    for (const Getter<P>& g : getters<P>()) {
        SCOPED_TRACE(step + " " + std::string(g.name));
        host.clearMessages();
        if (g.trapped) {
            GetterValue v;
            EXPECT_NO_THROW(v = g(panel));
            if (!host.messages().empty()) {
                ++seen.boxes;
                EXPECT_EQ(host.messages().back().title, "ERREUR ORUCtrl");
                EXPECT_EQ(host.messages().back().prompt.rfind("Retour", 0), 0u);
                EXPECT_TRUE(isZero(v));
            }
            continue;
        }
        try {
            g(panel);
        } catch (const Error&) {
            ++seen.throws;
            EXPECT_TRUE(host.messages().empty()) << "a box shown, then a failure thrown";
        } catch (...) {
            ADD_FAILURE() << "a failure that is not oru::Error";
        }
    }
    host.clearMessages();
}

void typeEverywhere(Panel& panel, const std::string& text) {
    for (const auto& w : panel.widgets())
        if (w->kind() == WidgetKind::TextBox) w->setText(text);
}

TEST(GetterTables, MillingGettersWithAnErrorBoxNeverThrow) {
    Host host;
    OperFraisage panel(host);
    Outcome seen;
    for (std::int16_t type : {milling::kPocket, milling::kFacing, milling::kDrillHelical}) {
        panel.Typoper = type;
        panel.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 15, 10});
        std::int16_t engagement = 1;
        panel.SetAccostage(engagement, 3, 5, 2, 30, 1, 0);
        typeEverywhere(panel, kOverflow);
        host.clearMessages();
        readEveryGetter(host, panel, seen, std::to_string(type));
    }
    EXPECT_GT(seen.boxes, 0);
    EXPECT_GT(seen.throws, 0);
}

using TurningGetters = Tournage;

TEST_F(TurningGetters, GettersWithAnErrorBoxNeverThrow) {
    Outcome seen;
    for (std::int16_t op : {turning::kLongTurning, turning::kCentring, turning::kThreading,
                            std::int16_t{141}, turning::kTapping}) {
        setUp(op);
        typeEverywhere(panel, kOverflow);
        panel.widget("tbNbPasseFilet").setText("40000");  // beyond 16 bits
        host.clearMessages();
        readEveryGetter(host, panel, seen, std::to_string(op));
    }
    EXPECT_GT(seen.boxes, 0);
    EXPECT_GT(seen.throws, 0);
}

}  // namespace
}  // namespace oru::test
