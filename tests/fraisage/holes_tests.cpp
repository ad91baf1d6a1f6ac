// The hole frame: cycle buttons, the rewrite of Typoper, the climb/conventional toggle and the
// engagement frame of contour cycles.
#include "fraisage_fixture.hpp"

namespace oru::test {
namespace {

using Holes = FraisageTest;

TEST_F(Holes, DrillingFamilyOffersSixCyclesAndAClickSetsTheNewOneUp) {
    setUp(42, false);
    EXPECT_EQ(w("tTrou").caption(), "PERCER");
    EXPECT_EQ(w("bTrou", 3).toolTip(), "Percer avec Débourrage");
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(w("bTrou", i).enabled());
        EXPECT_EQ(icon("bTrou", i), "TROU_4" + std::to_string(i) + (i == 2 ? "_ON" : "_OFF"));
    }
    w("bTrou", 5).click();
    EXPECT_EQ(panel.Typoper, 45);
    EXPECT_EQ(icon("bTrou", 5), "TROU_45_ON");
    EXPECT_EQ(icon("bTrou", 2), "TROU_42_OFF");
    EXPECT_EQ(mask(), "YYYYYYnnY");

    setUp(72, false);  // boss counterboring: two cycles only
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w("bTrou", i).enabled(), i == 2 || i == 3) << i;
    EXPECT_TRUE(icon("bTrou", 0).empty());
    w("bTrou", 3).click();
    EXPECT_EQ(panel.Typoper, 73);

    setUp(21, false);
    setUp(32, false);  // spotting has no cycle 2: nothing is selected nor set up
    EXPECT_EQ(panel.Typoper, 32);
    EXPECT_EQ(icon("bTrou", 1), "TROU_31_OFF");
    EXPECT_EQ(mask(), "YYnnYYnnn");
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(Holes, FailuresOfTheClickCarryTheirProgressNumber) {
    setUp(95, false);  // family 9: chamfering layout, but no icons
    EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCtrl");
    EXPECT_EQ(LastMessage(host).prompt,
              "Sélection d'un trou : erreur=2\r\nLa ressource 'TROU_91_OFF' est introuvable");
    EXPECT_EQ(w("tTrou").caption(), "CHANFREINER");
    EXPECT_TRUE(w("bTrou", 5).enabled());

    setUp(20, false);
    w("bTrou", 0).click();  // a milling type has no hole family
    EXPECT_EQ(LastMessage(host).prompt.rfind("Sélection d'un trou : erreur=1\r\n", 0), 0u);
    EXPECT_EQ(panel.Typoper, 20);
}

TEST_F(Holes, ContourCyclesShowTheEngagementFrameAndSelectItsFirstEntry) {
    const std::string picture = jpeg("CONT_C_0");
    std::int16_t engagement = 2;
    panel.Typoper = 40;  // fills the list; the frame is hidden and nothing selected
    panel.SetAccostage(engagement, 1, 2, 0, 0, 1, 0);
    EXPECT_EQ(engagement, -1);

    setUp(55, false);
    EXPECT_TRUE(w("pAccoste").visible());
    EXPECT_EQ(panel.GetAccostage(), 0);
    EXPECT_EQ(icon("imgAccoste"), picture);
    for (std::int16_t type : std::initializer_list<std::int16_t>{51, 64, 65, 84, 85, 80}) {
        setUp(type, false);
        const bool contour = type != 80 && type != 51;
        EXPECT_EQ(w("pAccoste").visible(), contour) << type;
        EXPECT_EQ(w("cAccostage").visible(), contour) << type;
    }
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(Holes, ClimbToggleShowsForCyclesFromFourOnBelowTapping) {
    for (auto [type, shown] : std::initializer_list<std::pair<std::int16_t, bool>>{
             {15, true}, {20, false}, {43, false}, {44, true}, {64, true}, {84, false}}) {
        setUp(type, false);
        EXPECT_EQ(w("Avalant1").visible(), shown) << type;
    }
    EXPECT_EQ(w("Avalant1").hosted(), &panel.Avalant1());
    panel.SetAval(0);
    EXPECT_EQ(panel.GetAval(), 0);
    EXPECT_EQ(panel.Avalant1().widget("Tavalant").caption(), "Opposition");
}

}  // namespace
}  // namespace oru::test
