// Set-up by operation type: fields, pictures, tooltips, the stock extension and the getters.
#include "fraisage_fixture.hpp"

namespace oru::test {
namespace {

using PanelSetUp = FraisageTest;

TEST_F(PanelSetUp, TypicalBlindPocketGivesFourPassesAndReadsBack) {
    const std::string picture = jpeg("POCHE_E_B");
    setUp(20, false);
    EXPECT_EQ(w("tNbPasses").caption(), " 4*2.325");
    EXPECT_EQ(icon("pPasses"), picture);
    EXPECT_EQ(w("tProf").caption(), "10");
    EXPECT_EQ(panel.GetPasse(), 3);
    EXPECT_EQ(panel.GetDerpasse(), 0.5);
    EXPECT_EQ(panel.GetSurepZ(), 0.2);
    EXPECT_EQ(panel.GetProfondeur(), 10);
    EXPECT_EQ(panel.GetDepasse(), 0);  // hidden for a blind pocket
    w("tbVal", 2).setText("5");        // the user changes the pass depth
    EXPECT_EQ(w("tNbPasses").caption(), " 2*4.650");
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(PanelSetUp, FieldMasksAndPicturesFollowTheType) {
    struct Case {
        std::int16_t typoper;
        bool through;
        std::int16_t attrImage;
        std::string_view mask, stem;
    };
    // clang-format off
    const Case cases[] = {
        {10, false, 0, "YYYYYnnnn", "DEPLACER"},     {12, true,  0, "YYYnYnnnn", "SURFACER"},
        {20, false, 0, "YYYYYYnnn", "POCHE_E_B"},    {20, true,  0, "YYYnnYnYn", "POCHE_E_D"},
        {21, false, 0, "YYnnYYnnn", "POCHE_F_B"},    {30, false, 0, "YYnnnnYnn", "POINTER_B"},
        {40, true,  0, "YYnnnnnYY", "PERCER_D"},     {42, true,  0, "YYYnnnnYY", "PERCER_D_D"},
        {51, false, 0, "YYnnnnYnn", "CHANFREINER_B"}, {64, false, 0, "YYYnYYnnY", "ALESER_H_B"},
        {70, false, 4, "YYnnnnnnY", "LAMERSP_P"},    {71, true,  0, "YYnnnnnnY", "LAMER_P"},
        {80, false, 3, "YYnnnnnnY", "TARAUDER_A_B"}, {80, false, 0, "YYnnYnnnY", "TARAUDER_B"},
        {85, true,  0, "YYYnnnnYY", "FILETER_D"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typoper << (c.through ? " through" : " blind"));
        const std::string picture = jpeg(c.stem);
        setUp(c.typoper, c.through, kTypical, c.attrImage);
        EXPECT_EQ(panel.Typoper, c.typoper);
        EXPECT_EQ(mask(), c.mask);
        EXPECT_EQ(icon("pPasses"), picture);
    }
    setUp(51, false);  // chamfering has no depth of its own, yet the depth still reads back
    EXPECT_FALSE(w("tbVal", 8).visible());
    EXPECT_EQ(panel.GetProfondeur(), 10);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(PanelSetUp, TooltipsPersistUntilAnotherTypeSetsThem) {
    setUp(51, false);
    setUp(40, false);
    EXPECT_EQ(w("tbVal", 6).toolTip(), "Diamètre de chanfrein");
    setUp(80, false, kTypical, 3);
    EXPECT_EQ(w("tDiamTrou").toolTip(), "Diamètre du taraudage");
    EXPECT_EQ(w("tProf").toolTip(), "Longueur du taraudage");
    setUp(45, false);  // the hole rule overrides the pocket depth tooltip
    EXPECT_EQ(w("tProf").toolTip(), "Profondeur du trou");
    EXPECT_EQ(w("tDiamTrou").toolTip(), "Diamètre du taraudage");

    for (const char* zmax : {"25", "30", ""}) {
        panel.sZmaxi = zmax;
        setUp(20, false);
    }
    EXPECT_EQ(w("tbVal", 0).toolTip(), "Z de sécurité > 25 > 30");
}

TEST_F(PanelSetUp, StockExtensionToggleSwapsTheDepthAndRecomputes) {
    panel.ExtBrut = 1;
    setUp(20, false);
    EXPECT_EQ(icon("bExtBrut"), "EXTBRUT_PROFIL_OFF");
    w("bExtBrut").click();
    EXPECT_EQ(panel.ExtBrut, 2);
    EXPECT_EQ(icon("bExtBrut"), "EXTBRUT_PROFIL_ON");
    EXPECT_EQ(w("tNbPasses").caption(), " 5*2.860");  // 15 - 0.2 - 0.5 in five passes
    w("bExtBrut").click();
    EXPECT_EQ(w("tbVal", 8).text(), "10");
    EXPECT_EQ(w("tNbPasses").caption(), " 4*2.325");

    panel.ExtBrut = 7;  // any other value means "on"
    setUp(12, false);
    EXPECT_EQ(icon("bExtBrut"), "EXTBRUT_SURF_ON");
    w("bExtBrut").click();  // facing has no host depth: switching off empties the depth
    EXPECT_EQ(panel.GetProfondeur(), 0);
    setUp(30, false);
    EXPECT_FALSE(w("bExtBrut").visible());
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(PanelSetUp, GettersReadZeroForHiddenFieldsAndTrapTheirFailures) {
    setUp(21, false);  // no pass depths
    EXPECT_EQ(panel.GetPasse(), 0);
    EXPECT_EQ(panel.GetSurepZ(), 0.2);
    w("tbVal", 5).setText("12,5");
    EXPECT_EQ(panel.GetSurepXY(), 12);
    w("tbVal", 1).setText("1e999");
    EXPECT_EQ(panel.GetGardeZ(), 0);
    EXPECT_EQ(LastMessage(host).prompt, "Retour de valeur 1");
    w("tbVal", 0).setText("-1e999");
    EXPECT_THROW(panel.GetZsecu(), Error);  // no trap of its own: reaches the host
}

TEST_F(PanelSetUp, ShortValueTablesAndUnknownTypesShowTheirErrorBoxes) {
    setUp(20, false, {1, 2, 3, 4, 5});
    EXPECT_EQ(LastMessage(host).prompt, "Affectation des passes");
    EXPECT_EQ(w("tbVal", 4).text(), "5");
    EXPECT_EQ(w("tbVal", 5).text(), "");
    host.clearMessages();
    const std::vector<double> ten(kTypical.begin(), kTypical.begin() + 10);
    setUp(12, false, ten);  // facing never reads index 10
    EXPECT_TRUE(host.messages().empty());
    setUp(20, false, ten);
    EXPECT_EQ(LastMessage(host).prompt, "Affectation des passes");

    host.clearMessages();
    setUp(21, false);
    setUp(13, false);  // in no row: its set-up fails, SetPasses goes on
    EXPECT_EQ(LastMessage(host).prompt, "Initialisation des passes");
    EXPECT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(mask(), "YYnnYYnnn");
}

TEST_F(PanelSetUp, OddPropertiesNeverCrash) {
    using L = std::initializer_list<std::int16_t>;
    for (std::int16_t type : L{-32768, -15, 0, 24, 32, 63, 86, 99, 100, 32767}) {
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
    }
    for (const Message& m : host.messages())
        EXPECT_EQ(m.style, kStyleCritical);
}

}  // namespace
}  // namespace oru::test
