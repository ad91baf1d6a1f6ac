// Engagement modes, write-back corrections, frame layouts, distance boxes, the facing sweep,
// and the approach and retract buttons that decide whether the safety Z is shown.
#include "fraisage_fixture.hpp"

namespace oru::test {
namespace {

class Engagement : public FraisageTest {
protected:
    // SetAccostage for `typoper`; returns the engagement index as written back.
    std::int16_t engage(std::int16_t typoper, std::int16_t accostage, bool closed,
                        double gardeDeg = 5, double angle = 30, std::int16_t balayage = 1) {
        panel.Typoper = typoper;
        panel.SetAccostage(accostage, 3, gardeDeg, 2, angle, balayage, closed ? -1 : 0);
        return accostage;
    }
    // Visibility of tbGardeAcc, tbGardeDeg and tbRecouvre, as "Y" / "n".
    std::string boxes() {
        std::string b;
        for (const char* name : {"tbGardeAcc", "tbGardeDeg", "tbRecouvre"})
            b += w(name).visible() ? 'Y' : 'n';
        return b;
    }
};

TEST_F(Engagement, RowsCorrectTheIndexChooseTheLayoutAndTheBoxes) {
    const std::string picture = jpeg("CONT_F_0");
    EXPECT_EQ(engage(15, 4, true), 0);  // no arc on a closed profile
    EXPECT_EQ(w("cAccostage").text(), "Accostage Tangent");
    EXPECT_EQ(boxes(), "YYY");
    EXPECT_EQ(icon("imgAccoste"), picture);
    EXPECT_EQ(w("pAccoste").width(), 5055);
    EXPECT_EQ(w("tbGardeDeg").left(), 4450);
    EXPECT_EQ(engage(15, 2, false), 2);
    EXPECT_EQ(boxes(), "YYn");
    EXPECT_EQ(panel.GetRecouvre(), 0);

    engage(25, 0, false);  // only the retract box: it gives both distances
    EXPECT_EQ(boxes(), "nYY");
    EXPECT_EQ(panel.GetGardeAccoste(), 5);
    EXPECT_EQ(panel.GetGardeDegage(), 5);
    engage(23, 0, false);  // only the engagement box
    EXPECT_EQ(panel.GetGardeDegage(), 3);

    EXPECT_EQ(engage(80, 1, false), -1);
    EXPECT_FALSE(w("pAccoste").visible());
    EXPECT_EQ(panel.GetAccostage(), -1);
    EXPECT_EQ(panel.GetGardeAccoste(), 0);
    EXPECT_EQ(engage(64, 3, false), 3);
    EXPECT_EQ(w("cAccostage").listCount(), 4);
    EXPECT_EQ(w("pAccoste").left(), 2615);
    EXPECT_EQ(w("tbGardeDeg").left(), 1680);
    EXPECT_EQ(engage(40, 0, false), -1);
    EXPECT_EQ(engage(120, 0, false), -1);
    EXPECT_EQ(w("cAccostage").listCount(), 0);
    EXPECT_TRUE(host.messages().empty());

    engage(23, 1, false, 7);  // beyond the one-entry list
    EXPECT_EQ(LastMessage(host).prompt, "Initialisation accostage");
    EXPECT_EQ(w("tbGardeDeg").text(), "5");  // stopped before the distances
}

TEST_F(Engagement, RetractDistanceFollowsUntilTheUserLeavesIt) {
    engage(15, 0, true);
    w("tbGardeAcc").setText("4");
    EXPECT_EQ(w("tbGardeDeg").text(), "4");
    w("tbGardeDeg").lostFocus();
    w("tbGardeAcc").setText("6");
    EXPECT_EQ(w("tbGardeDeg").text(), "4");
    engage(15, 0, true);
    w("tbGardeAcc").setText("7");
    EXPECT_EQ(w("tbGardeDeg").text(), "7");
}

TEST_F(Engagement, FacingSweepCyclesAndNoRetractReadsAs999) {
    const std::string picture = jpeg("SURF_1_0");
    engage(12, 0, false, 999, 45.25, 3);
    EXPECT_EQ(icon("bSurf"), "SURF_3");
    EXPECT_EQ(w("tbAngBal").text(), "45.2");  // a half goes to the even digit
    EXPECT_EQ(panel.GetGardeDegage(), 999);
    w("tbGardeDeg").setText("-2");
    EXPECT_EQ(panel.GetGardeDegage(), -2);
    w("bSurf").click();
    EXPECT_EQ(panel.GetBalayage(), 1);
    EXPECT_EQ(icon("bSurf"), "SURF_1");
    EXPECT_EQ(icon("imgAccoste"), picture);
    EXPECT_EQ(panel.GetAngBal(), 45.2);
    engage(12, 1, false, 5, 45.75, 2);
    EXPECT_EQ(w("tbAngBal").text(), "45.8");
    engage(12, 0, false, 5, 0, 4);  // no icon for sweep mode 4
    EXPECT_EQ(LastMessage(host).prompt, "Initialisation accostage");
}

TEST_F(Engagement, SafetyZShowsForTheSafetyPlaneApproachOrTheFinalRetract) {
    setUp(20, false);
    panel.SetDegageZ(0);
    panel.SetApproche(2);
    EXPECT_EQ(icon("bApproZsecu"), "APPRO_ZSECU_OFF");
    EXPECT_EQ(icon("bApproZXY"), "APPRO_Z_XY_ON");
    EXPECT_FALSE(w("tbVal", 0).visible());
    w("bDegageZsecu").click();
    EXPECT_EQ(icon("bDegageZsecu"), "DEG_ZSECU_ON");
    EXPECT_TRUE(w("tbVal", 0).visible());
    panel.SetDegageZ(-1);  // hides the button, leaves the field
    EXPECT_FALSE(w("bDegageZsecu").visible());
    EXPECT_TRUE(w("tbVal", 0).visible());
    panel.SetDegageZ(0);
    EXPECT_FALSE(w("tbVal", 0).visible());
    panel.SetApproche(7);  // no such mode
    EXPECT_EQ(panel.GetApproche(), 2);
    w("bApproZsecu").click();
    EXPECT_TRUE(w("tbVal", 0).visible());
}

}  // namespace
}  // namespace oru::test
