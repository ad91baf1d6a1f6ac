// Approach and retract buttons: the retract type passed back by the host, the retract cycles,
// the approach buttons offered per profile, the safety boxes and the threading page mode.
#include "fixture.hpp"

namespace oru::test {
namespace {

using Approach = Tournage;

TEST_F(Approach, RetractTypeReadBackRestoresIt) {
    struct Case {
        const char* profil;
        std::int16_t retract;
        const char* picture;
    };
    const Case cases[] = {{"E", 0, "T_DEG_E0"}, {"E", 3, "T_DEG_E3"}, {"E", 4, "T_DEG_E4"},
                          {"B", 3, "T_DEG_E3"}, {"I", 0, "T_DEG_I0"}, {"I", 1, "T_DEG_I1"},
                          {"I", 2, "T_DEG_I2"}, {"F", 2, "T_DEG_I2"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        ti[2] = c.retract;
        setUp(101, c.profil);
        EXPECT_EQ(panel.GetDegZsecu(), c.retract);
        EXPECT_EQ(pictureOf("bDegage"), c.picture);
    }
    EXPECT_TRUE(noMessages());
}

TEST_F(Approach, RetractClicksCycleThroughTheProfileTypes) {
    setUp(101, "E");
    for (const char* expected : {"T_DEG_E3", "T_DEG_E4", "T_DEG_E0", "T_DEG_E3"}) {
        w("bDegage").click();
        EXPECT_EQ(pictureOf("bDegage"), expected);
    }
    setUp(101, "F");
    for (const char* expected : {"T_DEG_I1", "T_DEG_I2", "T_DEG_I0"}) {
        w("bDegage").click();
        EXPECT_EQ(pictureOf("bDegage"), expected);
    }
    EXPECT_TRUE(noMessages());
}

TEST_F(Approach, RetractWithoutPictureShowsItsErrorBoxAndTheSetUpGoesOn) {
    ti[2] = 2;  // profile "E" steps from 1 to 2, which has no picture
    setUp(101, "E");
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCN");
    EXPECT_EQ(LastMessage(host).prompt.rfind("Sélection du type de dégagement\r\n", 0), 0u);
    EXPECT_EQ(panel.GetDegZsecu(), 2);
    EXPECT_EQ(pictureOf("bSens"), "T_SENS_ZMO1");  // the set-up went on to the end
}

TEST_F(Approach, InternalProfilesOfferOnlyTheMiddleApproaches) {
    for (const char* profil : {"E", "B", "I", "F"}) {
        SCOPED_TRACE(profil);
        setUp(101, profil);
        const bool all = profil == std::string("E") || profil == std::string("B");
        EXPECT_EQ(w("bAppro", 0).visible(), all);
        EXPECT_EQ(w("bAppro", 3).visible(), all);
        EXPECT_TRUE(w("bAppro", 1).visible());
    }
}

TEST_F(Approach, SafetyBoxesFollowApproachAndRetract) {
    ti[1] = 13;
    setUp(101, "E");  // retract E0
    EXPECT_TRUE(w("tbXsecu").visible());
    EXPECT_FALSE(w("tbZsecu").visible());

    w("bAppro", 0).click();
    EXPECT_EQ(panel.GetTypeAppro(), 10);
    EXPECT_FALSE(w("tbXsecu").visible());
    EXPECT_EQ(pictureOf("bAppro", 0), "T_APPRO_0_ON");
    EXPECT_EQ(pictureOf("bAppro", 3), "T_APPRO_3_OFF");

    w("bDegage").click();  // E3
    EXPECT_TRUE(w("tbXsecu").visible());
    w("bDegage").click();  // E4
    EXPECT_TRUE(w("tbZsecu").visible());
    EXPECT_EQ(panel.GetXsecu(), 0);  // read whether shown or not
}

TEST_F(Approach, ThreadingPageButtonsChooseTheThreadType) {
    setUp(130);
    w("bAppro", 1).click();  // general page: still an approach button
    EXPECT_EQ(panel.GetTypeAppro(), 11);

    dir.writeBmp("FILET_T_Xm.BMP");
    w("picOper").setVisible(false);  // the details page is shown
    w("bAppro", 2).click();
    EXPECT_TRUE(noMessages());
    EXPECT_EQ(panel.GetTypeAppro(), 11);
    EXPECT_EQ(pictureOf("bAppro", 2), "FILET_T_ON");
    EXPECT_EQ(pictureOf("bAppro", 0), "FILET_M_OFF");
    EXPECT_EQ(pictureOf("picFilet"), panel.chbmp + "FILET_T_Xm.BMP");

    w("bAppro", 3).click();  // no picture for this type: stops at the clicked button
    EXPECT_EQ(LastMessage(host).prompt.rfind("Sélection du type d'approche\r\n", 0), 0u);
    EXPECT_EQ(pictureOf("bAppro", 0), "FILET_M_OFF");
    EXPECT_EQ(pictureOf("bAppro", 2), "FILET_T_OFF");
    EXPECT_EQ(pictureOf("bAppro", 3), "FILET_R_OFF");
}

}  // namespace
}  // namespace oru::test
