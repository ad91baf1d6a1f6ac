// The roughing pass calculation: rounding of the pass count, the caption and the warnings.
#include "fraisage_fixture.hpp"

namespace oru::test {
namespace {

class Passes : public FraisageTest {
protected:
    // Types total depth, pass depth, last pass, bottom allowance and overrun, in that order.
    std::string calc(std::string_view p, std::string_view a, std::string_view b, std::string_view c,
                     std::string_view d = "0") {
        using Field = std::pair<int, std::string_view>;
        for (auto [i, text] : std::initializer_list<Field>{{8, p}, {2, a}, {3, b}, {4, c}, {7, d}})
            w("tbVal", i).setText(std::string(text));
        return w("tNbPasses").caption();
    }
};

TEST_F(Passes, BlindPassCountIgnoresRemaindersBelowAHundredthOfAPass) {
    setUp(20, false, {50, 2, 1, 0, 0, 0, 8, 0, 1, 1, 1});
    EXPECT_EQ(calc("10.02", "2.5", "0", "0"), " 4*2.505");
    EXPECT_EQ(calc("10.03", "2.5", "0", "0"), " 5*2.006");
    EXPECT_EQ(calc("0.005", "1", "0", "0"), " 1*0.005");      // under one pass is one pass
    EXPECT_EQ(calc("-10", "-3", "-0.5", "0.2"), " 4*2.325");  // magnitudes count
    EXPECT_EQ(calc("10", "0", "0.5", "0.2"), "");
    EXPECT_TRUE(host.messages().empty());
    host.setDecimalSeparator(",");
    EXPECT_EQ(calc("10", "3", "0.5", "0.2"), " 4*2,325");
}

TEST_F(Passes, ImpossibleMachiningWarnsAndLeavesTheCaptionEmpty) {
    setUp(20, false, {50, 2, 3, 0, 0, 0, 8, 0, 5, 5, 5});
    EXPECT_EQ(calc("5", "3", "0", "6"), "");
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(LastMessage(host).style, kStyleExclamation);
    EXPECT_EQ(LastMessage(host).title, "AVERTISSEMENT ORUCN");
    EXPECT_EQ(LastMessage(host).prompt, "Surépaisseur de fond incorrecte : USINAGE IMPOSSIBLE");
    w("tbVal", 5).setText("1");  // the side allowance recomputes, the diameter does not
    w("tbVal", 6).setText("9");
    EXPECT_EQ(host.messages().size(), 2u);
    host.clearMessages();
    calc("0", "3", "0", "1");  // nothing to machine: no warning
    EXPECT_TRUE(host.messages().empty());

    setUp(20, true, {50, 2, 5, 0.5, 0, 0, 8, 1, 10, 10, 10});
    EXPECT_EQ(w("tNbPasses").caption(), " 3*3.667");  // through: overrun added, no last pass
    w("tbVal", 7).setText("-12");
    EXPECT_EQ(w("tNbPasses").caption(), "");
    EXPECT_EQ(LastMessage(host).prompt, "Dépassement de fond incorrect : USINAGE IMPOSSIBLE");
}

TEST_F(Passes, SettingUpAgainWarnsOnlyAboutTheFinalValues) {
    setUp(20, false, {50, 2, 3, 0, 1, 0, 8, 0, 5, 5, 5});
    // The new allowance is written before the new depth: 6 against the old depth 5 would be
    // impossible, 6 against the new depth 10 is not.
    setUp(20, false, {50, 2, 3, 0, 6, 0, 8, 0, 10, 10, 10});
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(w("tNbPasses").caption(), " 2*2.000");
    setUp(20, false, {50, 2, 3, 0, 12, 0, 8, 0, 10, 10, 10});
    ASSERT_EQ(host.messages().size(), 1u);  // once, from the final values
    EXPECT_EQ(LastMessage(host).style, kStyleExclamation);
}

TEST_F(Passes, ArithmeticOverflowShowsTheCalculationErrorBox) {
    setUp(20, false);
    calc("1e300", "1e-300", "0", "0");  // 1e600 passes
    EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCtrl");
    EXPECT_EQ(LastMessage(host).prompt, "Calcul des passes");
    host.clearMessages();
    calc("1.7e308", "3", "0", "-1.7e308");  // P - C overflows
    EXPECT_EQ(LastMessage(host).prompt, "Calcul des passes");
}

}  // namespace
}  // namespace oru::test
