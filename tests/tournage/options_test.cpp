// The buttons that change how the operation is machined: the direction cycle, the to-axis
// option, the groove, hole-end, tapping and plunge options, and the drilling cycle buttons.
#include <tuple>

#include "fixture.hpp"

namespace oru::test {
namespace {

using Options = Tournage;

TEST_F(Options, DirectionCyclesOverTheOfferedEntries) {
    setUp(101);  // ("Sens_ZmO1", "Sens_ZmXp", "")
    for (const char* expected : {"T_SENS_ZMXP", "T_SENS_ZMO1", "T_SENS_ZMXP"}) {
        w("bSens").click();
        EXPECT_EQ(pictureOf("bSens"), expected);
    }
    EXPECT_EQ(panel.GetTypeEbauche(), 1);

    setUp(123, "E", "10_ABGR");  // all three
    for (const char* expected : {"T_SENS_XMZMXP", "T_SENS_XMZPXP", "T_SENS_2XM"}) {
        w("bSens").click();
        EXPECT_EQ(pictureOf("bSens"), expected);
    }

    setUp(123, "E", "11_ABX1");  // only the third is offered: nothing to step to
    dir.writeBmp("T_GORGE_FE.bmp");
    w("bSens").click();
    EXPECT_EQ(pictureOf("bSens"), "T_SENS_XMZPXP");
    EXPECT_TRUE(w("picOper").picture().isEmpty());  // not redrawn
    EXPECT_EQ(panel.GetTypeEbauche(), 2);
    EXPECT_TRUE(noMessages());
}

TEST_F(Options, ThreadingDirectionChangesTheThreadPictureOnly) {
    setUp(130);
    dir.writeBmp("T_FILETER_E0.bmp");
    w("bSens").click();
    EXPECT_EQ(pictureOf("bSens"), "T_SENS_O3");
    EXPECT_EQ(pictureOf("picFilet"), panel.chbmp + "Filet_M_O3.bmp");
    EXPECT_TRUE(w("picOper").picture().isEmpty());
    std::filesystem::remove(dir.path() / "Filet_M_Xm.bmp");
    w("bSens").click();  // loaded without an existence test
    EXPECT_EQ(LastMessage(host).prompt.rfind("Sélection du sens d'usinage\r\n", 0), 0u);
    EXPECT_EQ(pictureOf("bSens"), "T_SENS_XM");
}

TEST_F(Options, ToAxisToggles) {
    // facing "3" → "4" copies box 3 into box 6; parting off "3" → "2", back to "3" copies
    const std::tuple<std::int16_t, const char*, const char*> clicks[] = {
        {102, "T_DRESSER_4", "7.5"},
        {102, "T_DRESSER_3", "1"},
        {103, "T_TRONCONNER_2", "1"},
        {103, "T_TRONCONNER_3", "7.5"}};
    for (const auto& [op, picture, box6] : clicks) {
        SCOPED_TRACE(picture);
        ti[7] = 3;
        if (panel.NumOp != op) setUp(op);
        type(3, "7.5");
        type(6, "1");
        w("bUsAxe").click();
        EXPECT_EQ(pictureOf("bUsAxe"), picture);
        EXPECT_EQ(w("tbSensFilet").text(),
                  std::string(picture).substr(std::string(picture).size() - 1));
        EXPECT_EQ(box(6).text(), box6);
    }
    ti[3] = 3;
    ti[7] = 0;
    setUp(110);
    dir.writeBmp("T_EBAUCHER_A_EZ.bmp");
    w("bUsAxe").click();
    EXPECT_EQ(pictureOf("bUsAxe"), "T_DRESSER_4");
    EXPECT_EQ(pictureOf("picOper"), panel.chbmp + "T_EBAUCHER_A_EZ.bmp");
    EXPECT_EQ(panel.GetSensFilet(), 1);
    EXPECT_TRUE(noMessages());
}

TEST_F(Options, GrooveMakesBothAllowancesTheSmaller) {
    td[8] = 0.5;
    td[9] = 0.3;
    ti[7] = 1;  // finishing with the groove option "G0"
    setUp(111);
    ASSERT_TRUE(w("bGorge").visible());
    w("bGorge").click();
    EXPECT_EQ(pictureOf("bGorge"), "T_GORGE_G1");
    EXPECT_EQ(box(4).text(), "0.3");
    EXPECT_EQ(box(5).text(), "0.3");
    EXPECT_EQ(panel.GetUsineGorge(), 1);
    type(4, "0.6");
    w("bGorge").click();
    EXPECT_EQ(pictureOf("bGorge"), "T_GORGE_G0");
    EXPECT_EQ(box(5).text(), "0.6");  // linked while "G1", left as they are now
    EXPECT_TRUE(noMessages());
}

TEST_F(Options, HoleEndTappingAndPlungeCycles) {
    setUp(180);  // through tapping "0": "1" through, "2" blind, "1"
    for (const char* expected : {"T_TARAUDER_ED", "T_TARAUDER_EB", "T_TARAUDER_ED"}) {
        w("bGorge").click();
        EXPECT_EQ(pictureOf("bGorge"), expected);
    }

    ti[7] = 10;
    setUp(141);
    dir.writeBmp("T_PERCER_E101.bmp");
    w("bGorge").click();  // the last character flips behind the first two
    EXPECT_EQ(pictureOf("bGorge"), "T_PERCER_EB");
    EXPECT_EQ(pictureOf("picOper"), panel.chbmp + "T_PERCER_E101.bmp");
    ti[7] = 0;
    setUp(141, "F");
    w("bGorge").click();  // "0" becomes "01": blind
    w("bGorge").click();  // "010": through
    EXPECT_EQ(pictureOf("bGorge"), "T_PERCER_FD");
    EXPECT_TRUE(noMessages());
    ti[7] = 2;
    setUp(141);  // neither: no picture bears the name
    w("bGorge").click();
    EXPECT_EQ(LastMessage(host).prompt.rfind("Sélection de l'option d'usinage\r\n", 0), 0u);

    host.clearMessages();
    setUp(112);  // plunge mode "0" → "1" → "0", with the plunge picture
    w("bGorge").click();
    EXPECT_EQ(pictureOf("bGorge"), "T_POCHE_1");
    EXPECT_EQ(pictureOf("picFilet"), panel.chbmp + "T_POCHE_P1.bmp");
    EXPECT_EQ(panel.GetUsineGorge(), 1);
    std::filesystem::remove(dir.path() / "T_POCHE_P0.bmp");
    w("bGorge").click();
    EXPECT_EQ(LastMessage(host).prompt.rfind("Sélection de l'option d'usinage\r\n", 0), 0u);
}

TEST_F(Options, DrillingCycleButtonsRewriteTheOperation) {
    ti[7] = 1;
    setUp(142);
    EXPECT_TRUE(box(2).visible());
    dir.writeJpeg("T_PERCER_E1.jpg");
    w("bTrou", 0).click();
    EXPECT_EQ(panel.NumOp, 140);
    EXPECT_EQ(pictureOf("bTrou", 0), "TROU_40_ON");
    EXPECT_EQ(pictureOf("bTrou", 2), "TROU_42_OFF");
    EXPECT_FALSE(box(2).visible());
    EXPECT_EQ(pictureOf("picOper"), panel.chbmp + "T_PERCER_E1.jpg");  // JPEG first, as elsewhere

    setUp(147);
    w("bTrou", 3).click();
    EXPECT_EQ(panel.NumOp, 148);
    EXPECT_TRUE(box(2).visible());
    EXPECT_TRUE(box(3).visible());                  // blind: the last-pass depth too
    EXPECT_TRUE(w("picOper").picture().isEmpty());  // no multi-pass sketch
    w("bTrou", 1).click();
    EXPECT_FALSE(box(3).visible());
    EXPECT_EQ(pictureOf("picOper"), panel.chbmp + "T_PERCER_E1.jpg");
    EXPECT_TRUE(noMessages());
}

}  // namespace
}  // namespace oru::test
