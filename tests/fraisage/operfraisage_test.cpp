// The milling operation panel on a real picture folder, set up the way a host does: set-up by
// operation type, the roughing passes and their warnings, the getters, the hole cycles, the
// engagement frame and facing sweep, the approach and retract buttons, and the error boxes.
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
    std::string icon(std::string_view name, int i = -1) { return w(name, i).picture().name(); }
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
    // Visibility of the engagement, retract and overlap distance boxes.
    std::string boxes() { return {yn("tbGardeAcc"), yn("tbGardeDeg"), yn("tbRecouvre")}; }
    // Writes the JPEG picture `stem` into the picture folder; returns the path the panel forms.
    std::string jpeg(std::string_view stem) {
        dir.writeJpeg("jpeg/" + std::string(stem) + ".jpg");
        return dir.folder() + "jpeg\\" + std::string(stem) + ".jpg";
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

TEST_F(OperFraisageTest, FieldMasksAndPicturesFollowTheType) {
    // Type, through, AttrImage, visible fields, picture.
    using Case = std::tuple<std::int16_t, bool, std::int16_t, std::string_view, std::string_view>;
    // clang-format off
    const Case cases[] = {
        {20, false, 0, "YYYYYYnnn", "POCHE_E_B"},    {20, true,  0, "YYYnnYnYn", "POCHE_E_D"},
        {30, false, 0, "YYnnnnYnn", "POINTER_B"},    {42, true,  0, "YYYnnnnYY", "PERCER_D_D"},
        {64, false, 0, "YYYnYYnnY", "ALESER_H_B"},   {70, false, 4, "YYnnnnnnY", "LAMERSP_P"},
        {80, false, 3, "YYnnnnnnY", "TARAUDER_A_B"}, {80, false, 0, "YYnnYnnnY", "TARAUDER_B"},
        {51, false, 0, "YYnnnnYnn", "CHANFREINER_B"},
    };
    // clang-format on
    for (const auto& [typoper, through, attrImage, fields, stem] : cases) {
        SCOPED_TRACE(testing::Message() << typoper << (through ? " through" : " blind"));
        const std::string picture = jpeg(stem);
        setUp(typoper, through, kTypical, attrImage);
        EXPECT_EQ(mask(), fields);
        EXPECT_EQ(icon("pPasses"), picture);
    }
    // Chamfering, the last case, has no depth of its own, yet the depth still reads back.
    EXPECT_FALSE(w("tbVal", 8).visible());
    EXPECT_EQ(panel.GetProfondeur(), 10);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(OperFraisageTest, TooltipsPersistUntilAnotherTypeSetsThem) {
    panel.sZmaxi = "25";  // appended to the safety Z tooltip by the next set-up only
    setUp(51, false);
    panel.sZmaxi = "30";
    setUp(40, false);
    EXPECT_EQ(w("tbVal", 6).toolTip(), "Diamètre de chanfrein");
    setUp(80, false, kTypical, 3);  // the hole rule leaves AttrImage 3 its thread length
    EXPECT_EQ(w("tProf").toolTip(), "Longueur du taraudage");
    setUp(45, false);  // the hole rule overrides the pocket depth tooltip
    EXPECT_EQ(w("tProf").toolTip(), "Profondeur du trou");
    EXPECT_EQ(w("tbVal", 0).toolTip(), "Z de sécurité > 25 > 30");
}

TEST_F(OperFraisageTest, StockExtensionToggleSwapsTheDepthAndRecomputes) {
    panel.ExtBrut = 1;
    setUp(20, false);
    EXPECT_EQ(icon("bExtBrut"), "EXTBRUT_PROFIL_OFF");
    w("bExtBrut").click();
    EXPECT_EQ(panel.ExtBrut, 2);
    EXPECT_EQ(icon("bExtBrut"), "EXTBRUT_PROFIL_ON");
    EXPECT_EQ(w("tNbPasses").caption(), " 5*2.860");  // 15 - 0.2 - 0.5 in five passes
    w("bExtBrut").click();
    EXPECT_EQ(w("tNbPasses").caption(), " 4*2.325");  // back to the host depth, 10

    panel.ExtBrut = 7;  // any other value means "on"
    setUp(12, false);
    EXPECT_EQ(icon("bExtBrut"), "EXTBRUT_SURF_ON");
    w("bExtBrut").click();  // facing has no host depth: switching off empties the depth
    EXPECT_EQ(panel.GetProfondeur(), 0);
    setUp(30, false);
    EXPECT_FALSE(w("bExtBrut").visible());
    EXPECT_TRUE(host.messages().empty());
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

TEST_F(OperFraisageTest, DrillingFamilyOffersSixCyclesAndAClickSetsTheNewOneUp) {
    setUp(42, false);
    EXPECT_EQ(w("bTrou", 3).toolTip(), "Percer avec Débourrage");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(icon("bTrou", i), "TROU_4" + std::to_string(i) + (i == 2 ? "_ON" : "_OFF"));
    w("bTrou", 5).click();
    EXPECT_EQ(panel.Typoper, 45);
    EXPECT_EQ(mask(), "YYYYYYnnY");

    setUp(72, false);  // boss counterboring: two cycles only
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w("bTrou", i).enabled(), i == 2 || i == 3) << i;
    EXPECT_TRUE(icon("bTrou", 0).empty());

    setUp(32, false);                // spotting has no cycle 2: nothing is selected nor set up
    EXPECT_EQ(mask(), "YYnnnnnnY");  // the fields of the boss counterboring, as they were
    EXPECT_TRUE(host.messages().empty());
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

TEST_F(OperFraisageTest, CyclesDecideTheClimbToggleAndTheEngagementFrame) {
    EXPECT_EQ(engage(40, 2, false), -1);  // fills the list; the frame is hidden
    // Type, climb toggle shown, engagement frame shown with its first entry selected. Milling
    // types follow the set-up rule and leave the frame alone; hole types follow their cycle.
    // clang-format off
    const std::tuple<std::int16_t, bool, bool> cases[] = {
        {15, true,  false}, {20, false, false}, {43, false, false}, {44, true,  false},
        {51, false, false}, {55, true,  true},  {64, true,  true},  {65, true,  true},
        {80, false, false}, {84, false, true},  {85, false, true},
    };
    // clang-format on
    for (const auto& [typoper, climb, frame] : cases) {
        SCOPED_TRACE(typoper);
        setUp(typoper, false);
        EXPECT_EQ(w("Avalant1").visible(), climb);
        EXPECT_EQ(w("pAccoste").visible(), frame);
        EXPECT_EQ(panel.GetAccostage(), frame ? 0 : -1);
    }
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(w("Avalant1").hosted(), &panel.Avalant1());
    panel.SetAval(0);
    EXPECT_EQ(panel.GetAval(), 0);
}

TEST_F(OperFraisageTest, RowsCorrectTheIndexChooseTheLayoutAndTheBoxes) {
    const std::string picture = jpeg("CONT_F_0");
    EXPECT_EQ(engage(15, 4, true), 0);  // no arc on a closed profile
    EXPECT_EQ(boxes(), "YYY");
    EXPECT_EQ(icon("imgAccoste"), picture);
    EXPECT_EQ(w("tbGardeDeg").left(), 4450);  // full layout
    EXPECT_EQ(engage(15, 2, false), 2);
    EXPECT_EQ(boxes(), "YYn");
    EXPECT_EQ(panel.GetRecouvre(), 0);

    engage(25, 0, false);  // only the retract box: it gives both distances
    EXPECT_EQ(boxes(), "nYY");
    EXPECT_EQ(panel.GetGardeAccoste(), 5);
    engage(23, 0, false);  // only the engagement box
    EXPECT_EQ(boxes(), "Ynn");
    EXPECT_EQ(panel.GetGardeDegage(), 3);

    EXPECT_EQ(engage(80, 1, false), -1);
    EXPECT_EQ(panel.GetGardeAccoste(), 0);
    EXPECT_EQ(engage(64, 3, false), 3);
    EXPECT_EQ(w("pAccoste").left(), 2615);  // compact layout
    EXPECT_EQ(w("tbGardeDeg").left(), 1680);
    EXPECT_EQ(engage(120, 0, false), -1);
    EXPECT_EQ(w("cAccostage").listCount(), 0);
    EXPECT_TRUE(host.messages().empty());

    engage(23, 1, false, 7);  // beyond the one-entry list
    EXPECT_EQ(LastMessage(host).prompt, "Initialisation accostage");
    EXPECT_EQ(w("tbGardeDeg").text(), "5");  // stopped before the distances
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

TEST_F(OperFraisageTest, FacingSweepCyclesAndNoRetractReadsAs999) {
    const std::string picture = jpeg("SURF_1_0");
    engage(12, 0, false, 950, 45.25, 3);  // above 900: no retract distance
    EXPECT_EQ(icon("bSurf"), "SURF_3");
    EXPECT_EQ(w("tbAngBal").text(), "45.2");  // a half goes to the even digit
    EXPECT_EQ(panel.GetGardeDegage(), 999);
    w("tbGardeDeg").setText("-2");
    EXPECT_EQ(panel.GetGardeDegage(), -2);
    w("bSurf").click();
    EXPECT_EQ(panel.GetBalayage(), 1);
    EXPECT_EQ(icon("bSurf"), "SURF_1");
    EXPECT_EQ(icon("imgAccoste"), picture);
    engage(12, 1, false, 5, 45.75, 2);
    EXPECT_EQ(panel.GetAngBal(), 45.8);
    engage(12, 0, false, 5, 0, 4);  // no icon for sweep mode 4
    EXPECT_EQ(LastMessage(host).prompt, "Initialisation accostage");
}

TEST_F(OperFraisageTest, SafetyZShowsForTheSafetyPlaneApproachOrTheFinalRetract) {
    panel.SetApproche(2);
    EXPECT_EQ(icon("bApproZsecu"), "APPRO_ZSECU_OFF");
    EXPECT_EQ(icon("bApproZXY"), "APPRO_Z_XY_ON");
    EXPECT_FALSE(w("tbVal", 0).visible());
    w("bDegageZsecu").click();
    EXPECT_EQ(icon("bDegageZsecu"), "DEG_ZSECU_ON");
    EXPECT_TRUE(w("tbVal", 0).visible());
    w("bApproXYZ").click();  // the final retract still needs it
    EXPECT_TRUE(w("tbVal", 0).visible());
    panel.SetDegageZ(-1);  // hides the button, leaves the field
    EXPECT_FALSE(w("bDegageZsecu").visible());
    EXPECT_TRUE(w("tbVal", 0).visible());
    panel.SetDegageZ(0);
    EXPECT_FALSE(w("tbVal", 0).visible());
    panel.SetApproche(7);  // no such mode
    EXPECT_EQ(panel.GetApproche(), 1);
    w("bApproZsecu").click();
    EXPECT_TRUE(w("tbVal", 0).visible());
}

}  // namespace
}  // namespace oru::test
