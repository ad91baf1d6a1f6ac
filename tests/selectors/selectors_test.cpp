// The three selector controls: their cycles, clamps, hidden states and write-back.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "oru/oru.hpp"

namespace oru {
namespace {

std::string icon(const Widget& w) { return w.picture().name(); }

class AvalantTest : public ::testing::Test {
protected:
    Host host;
    Avalant a{host};
    Widget& b = a.widget("Bavalant");
    Widget& t = a.widget("Tavalant");
};

TEST_F(AvalantTest, HidingKeepsTheModeAndSettingShowsAgain) {
    a.SetAvalant(0);
    a.SetAvalant(0);  // already conventional: stays conventional
    EXPECT_EQ(a.GetAvalant(), 0);
    a.SetAvalant(-1);
    EXPECT_FALSE(b.visible());
    EXPECT_FALSE(t.visible());
    EXPECT_EQ(a.GetAvalant(), 0);
    a.SetAvalant(1);
    EXPECT_TRUE(b.visible());
    EXPECT_TRUE(t.visible());
    EXPECT_EQ(icon(b), "AVALANT");
    EXPECT_EQ(a.GetAvalant(), 1);
}

class SensRotTest : public ::testing::Test {
protected:
    Host host;
    SensRot s{host};
    Widget& b0 = s.widget("bSensRot", 0);
    Widget& b1 = s.widget("bSensRot", 1);
    Widget& t0 = s.widget("tSensRot", 0);
    Widget& t1 = s.widget("tSensRot", 1);
    std::int16_t set(std::int16_t sens, std::int16_t tournant) {
        s.SetSensRot(sens, tournant);
        return sens;
    }
};

TEST_F(SensRotTest, ArgumentsAreClamped) {
    set(5, 2);
    EXPECT_EQ(s.GetSensRot(), 1);
    EXPECT_EQ(icon(b0), "SROT_T_T");
    set(0, 7);  // treated as configuration 3
    EXPECT_EQ(s.GetTournant(), 3);
    EXPECT_EQ(icon(b1), "SROT_F_A");
    set(-3, 2);  // stored as -1 but not drawn: the argument is below -1
    EXPECT_EQ(s.GetSensRot(), -1);
    EXPECT_EQ(icon(b0), "SROT_T_OFF");  // left as configuration 3 drew it
    EXPECT_EQ(icon(b1), "SROT_F_OFF");
    EXPECT_EQ(s.GetTournant(), 2);
}

TEST_F(SensRotTest, NoButtonWritesMinusTwoBack) {
    EXPECT_EQ(set(1, -1), -2);
    EXPECT_FALSE(b0.visible() || b1.visible() || t0.visible() || t1.visible());
    EXPECT_EQ(s.GetSensRot(), 1);
    EXPECT_EQ(s.GetTournant(), -1);
    EXPECT_EQ(set(0, -9), -2);
    set(-1, 0);
    EXPECT_TRUE(b0.visible());
    EXPECT_EQ(icon(b0), "SROT_T_H");
}

class ArrosageTest : public ::testing::Test {
protected:
    Host host;
    Arrosage a{host};
    Widget& b = a.widget("bArro");
    Widget& t = a.widget("tArro");
};

TEST_F(ArrosageTest, ClampsAndHides) {
    a.SetArrosage(9);
    EXPECT_EQ(a.GetArrosage(), 3);
    EXPECT_EQ(t.caption(), "Arrosage 1 et 2");
    a.SetArrosage(-5);
    EXPECT_EQ(a.GetArrosage(), -1);
    EXPECT_FALSE(b.visible());
    EXPECT_FALSE(t.visible());
    EXPECT_EQ(t.caption(), "Arrosage 1 et 2");  // nothing else changes
    a.SetArrosage(2);
    EXPECT_TRUE(b.visible() && t.visible());
    EXPECT_EQ(icon(b), "ARRO_2");
    EXPECT_EQ(t.caption(), "Arrosage 2");
}

}  // namespace
}  // namespace oru
