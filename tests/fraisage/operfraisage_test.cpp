// The milling operation panel on a real picture folder, set up the way a host does: the roughing
// passes and their warnings, hidden fields read back, odd properties, failures of a hole click
// and the retract distance. Each type's layout and buttons are pinned by the golden sessions.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "oru/oru.hpp"
#include "support/test_support.hpp"

namespace oru::test {
namespace {

// Safety Z, Z clearance, pass depth, last pass, bottom and side allowances, diameter, overrun,
// depth, depth extended to the stock, host depth.
const std::vector<double> kTypical = {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 15, 10};

class OperFraisageTest : public ::testing::Test {
protected:
    OperFraisageTest() {
        host.setDecimalSeparator(".");
        panel.chbmp = dir.folder();
    }
    Widget& w(std::string_view name, int index = -1) { return panel.widget(name, index); }
    char yn(std::string_view name, int index = -1) { return w(name, index).visible() ? 'Y' : 'n'; }
    void setUp(std::int16_t typoper, bool through, const std::vector<double>& tabval = kTypical,
               std::int16_t attrImage = 0) {
        panel.Typoper = typoper;
        panel.debouchant = through;
        panel.AttrImage = attrImage;
        panel.SetPasses("T1", tabval);
    }
    // SetAccostage for `typoper`; returns the engagement index as written back.
    std::int16_t engage(std::int16_t typoper, std::int16_t accostage, bool closed,
                        double gardeDeg = 5, double angle = 30, std::int16_t balayage = 1) {
        panel.Typoper = typoper;
        panel.SetAccostage(accostage, 3, gardeDeg, 2, angle, balayage, closed ? -1 : 0);
        return accostage;
    }
    // Types total depth, pass depth, last pass and bottom allowance; returns the pass caption.
    std::string calc(const char* p, const char* a, const char* b, const char* c) {
        for (auto [i, text] : {std::pair{8, p}, std::pair{2, a}, std::pair{3, b}, std::pair{4, c}})
            w("tbVal", i).setText(text);
        return w("tNbPasses").caption();
    }
    // Visibility of tbVal(0) .. tbVal(7) and tDiamTrou, as "Y" / "n".
    std::string mask() {
        std::string m;
        for (int i = 0; i < 8; ++i)
            m += yn("tbVal", i);
        return m + yn("tDiamTrou");
    }
    Host host;
    TempDir dir;
    OperFraisage panel{host};
};

TEST_F(OperFraisageTest, TypicalBlindPocketReadsBackAndHiddenFieldsReadZero) {
    setUp(20, false);
    EXPECT_EQ(w("tNbPasses").caption(), " 4*2.325");
    EXPECT_EQ(panel.GetPasse(), 3);
    EXPECT_EQ(panel.GetDerpasse(), 0.5);
    EXPECT_EQ(panel.GetSurepZ(), 0.2);
    EXPECT_EQ(panel.GetProfondeur(), 10);
    EXPECT_EQ(panel.GetDepasse(), 0);  // 1 in its field, hidden for a blind pocket
    EXPECT_TRUE(host.messages().empty());
    w("tbVal", 1).setText("1e999");
    EXPECT_EQ(panel.GetGardeZ(), 0);
    EXPECT_EQ(LastMessage(host).prompt, "Retour de valeur 1");
    w("tbVal", 0).setText("-1e999");
    EXPECT_THROW(panel.GetZsecu(), Error);  // no trap of its own: reaches the host
}

TEST_F(OperFraisageTest, BlindPassCountIgnoresRemaindersBelowAHundredthOfAPass) {
    setUp(20, false, {50, 2, 1, 0, 0, 0, 8, 0, 1, 1, 1});
    EXPECT_EQ(calc("10.02", "2.5", "0", "0"), " 4*2.505");
    EXPECT_EQ(calc("10.03", "2.5", "0", "0"), " 5*2.006");
    EXPECT_EQ(calc("0.005", "1", "0", "0"), " 1*0.005");      // under one pass is one pass
    EXPECT_EQ(calc("-10", "-3", "-0.5", "0.2"), " 4*2.325");  // magnitudes count
    // 4 passes of exactly 2.0625: the half goes away from zero, as in the boxes
    EXPECT_EQ(calc("8.25", "2.1", "0", "0"), " 4*2.063");
    EXPECT_EQ(calc("2e15", "1", "0", "0"), " 2000000000000000*1.000");  // no exponent form
    EXPECT_EQ(calc("10", "0", "0.5", "0.2"), "");
    host.setDecimalSeparator(",");
    EXPECT_EQ(calc("10", "3", "0.5", "0.2"), " 4*2,325");
}

TEST_F(OperFraisageTest, ImpossibleMachiningWarnsAndOverflowShowsTheErrorBox) {
    setUp(20, false, {50, 2, 3, 0, 0, 0, 8, 0, 5, 5, 5});
    EXPECT_EQ(calc("5", "3", "0", "6"), "");
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(LastMessage(host).style, kStyleExclamation);
    EXPECT_EQ(LastMessage(host).title, "AVERTISSEMENT ORUCN");
    EXPECT_EQ(LastMessage(host).prompt, "Surépaisseur de fond incorrecte : USINAGE IMPOSSIBLE");
    w("tbVal", 5).setText("1");  // the side allowance recomputes, the diameter does not
    w("tbVal", 6).setText("9");
    EXPECT_EQ(host.messages().size(), 2u);
    calc("0", "3", "0", "1");  // nothing to machine: no warning
    EXPECT_EQ(host.messages().size(), 2u);

    setUp(20, true, {50, 2, 5, 0.5, 0, 0, 8, 1, 10, 10, 10});
    EXPECT_EQ(w("tNbPasses").caption(), " 3*3.667");  // through: overrun added, no last pass
    w("tbVal", 7).setText("-12");
    EXPECT_EQ(w("tNbPasses").caption(), "");
    EXPECT_EQ(LastMessage(host).prompt, "Dépassement de fond incorrect : USINAGE IMPOSSIBLE");
    calc("1e300", "1e-300", "0", "0");  // 1e600 passes
    EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCtrl");
    EXPECT_EQ(LastMessage(host).prompt, "Calcul des passes");
}

TEST_F(OperFraisageTest, SettingUpAgainWarnsOnlyAboutTheFinalValues) {
    setUp(20, false, {50, 2, 3, 0, 1, 0, 8, 0, 5, 5, 5});
    // The new allowance is written before the new depth: 6 against the old depth 5 would be
    // impossible, 6 against the new depth 10 is not.
    setUp(20, false, {50, 2, 3, 0, 6, 0, 8, 0, 10, 10, 10});
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(w("tNbPasses").caption(), " 2*2.000");
    setUp(20, false, {50, 2, 3, 0, 12, 0, 8, 0, 10, 10, 10});
    EXPECT_EQ(host.messages().size(), 1u);  // once, from the final values
}

TEST_F(OperFraisageTest, ShortValueTablesAndUnknownTypesShowTheirErrorBoxes) {
    setUp(20, false, {1, 2, 3, 4, 5});  // writes what it has, then fails
    EXPECT_EQ(LastMessage(host).prompt, "Affectation des passes");
    EXPECT_EQ(w("tbVal", 4).text(), "5");
    EXPECT_EQ(w("tbVal", 5).text(), "");
    const std::vector<double> ten(kTypical.begin(), kTypical.begin() + 10);
    setUp(12, false, ten);  // facing never reads index 10
    EXPECT_EQ(host.messages().size(), 1u);
    setUp(20, false, ten);  // set up, then fails on the host depth
    EXPECT_EQ(host.messages().size(), 2u);

    setUp(13, false);  // in no row: its set-up fails, SetPasses goes on
    EXPECT_EQ(host.messages().size(), 3u);
    EXPECT_EQ(LastMessage(host).prompt, "Initialisation des passes");
    EXPECT_EQ(mask(), "YYYYYYnnn");  // the fields of the pocket, as they were
}

TEST_F(OperFraisageTest, OddPropertiesNeverCrash) {
    using L = std::initializer_list<std::int16_t>;
    for (std::int16_t type : L{-32768, -15, 0, 24, 32, 63, 86, 99, 100, 32767})
        for (std::int16_t odd : L{-32768, -1, 3, 4, 5, 32767}) {
            panel.AttrImage = panel.ExtBrut = odd;
            panel.Typoper = type;
            panel.SetPasses("T1", kTypical);
            std::int16_t engagement = odd;
            panel.SetAccostage(engagement, 1, 2, 3, 45, odd, odd);
            for (int i = 0; i < 6; ++i)
                w("bTrou", i).click();
            w("bSurf").click();
            w("bExtBrut").click();
            (void)panel.GetGardeAccoste();
            (void)panel.GetGardeDegage();
        }
    for (const Message& m : host.messages())
        EXPECT_EQ(m.style, kStyleCritical);
}

TEST_F(OperFraisageTest, FailuresOfTheClickCarryTheirProgressNumber) {
    setUp(95, false);  // family 9: chamfering layout, but no icons
    EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCtrl");
    EXPECT_EQ(LastMessage(host).prompt,
              "Sélection d'un trou : erreur=2\r\nLa ressource 'TROU_91_OFF' est introuvable");
    EXPECT_EQ(w("tTrou").caption(), "CHANFREINER");

    setUp(20, false);
    w("bTrou", 0).click();  // a milling type has no hole family
    EXPECT_EQ(LastMessage(host).prompt.rfind("Sélection d'un trou : erreur=1\r\n", 0), 0u);
    EXPECT_EQ(panel.Typoper, 20);
}

TEST_F(OperFraisageTest, RetractDistanceFollowsUntilTheUserLeavesIt) {
    engage(15, 0, true);
    w("tbGardeAcc").setText("4");
    EXPECT_EQ(w("tbGardeDeg").text(), "4");
    w("tbGardeDeg").lostFocus();
    w("tbGardeAcc").setText("6");
    EXPECT_EQ(w("tbGardeDeg").text(), "4");
    engage(15, 0, true);
    w("tbGardeAcc").setText("7");
    EXPECT_EQ(panel.GetGardeDegage(), 7);
}

}  // namespace
}  // namespace oru::test
