// The set-up of the panel for each operation type: the common start and finish, the rules of
// the operations with special behaviour, and value tables too short for what a rule reads.
#include "fixture.hpp"

namespace oru::test {
namespace {

using OperationSetUp = Tournage;

TEST_F(OperationSetUp, CommonStartFillsTheBoxesFromTheTables) {
    td = {1.23456, 2, 50, 7.5, 10, 11, 12, 13, 14, 15, 16, 17, 40, 0, 0, 0};
    ti = {101, 10, 0, 4, 0, 0, 0, 1};
    setUp(101);
    EXPECT_TRUE(noMessages());
    EXPECT_EQ(w("tbXsecu").text(), "1.235");
    EXPECT_EQ(w("tDiamBrut").caption(), "50");
    EXPECT_EQ(w("tXBrut").caption(), "5");  // (50 - 40) / 2
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(box(i).text(), std::to_string(10 + i));
    // the display routine shows the pass summary: total 10 - allowance 14 is nothing to turn
    EXPECT_TRUE(w("tPasses").visible());
    EXPECT_EQ(w("tPasses").caption(), "0 passe");
}

// Which widgets the common finish shows, operation by operation.
struct VisibilityRow {
    std::int16_t op;
    const char* profil;
    std::int16_t option;  // ti(7)
    double diamBrut;
    bool sens, gorge, usAxe, xBrut, zBrut, diam, pas, filet, trou;
};
// clang-format off
constexpr VisibilityRow kVisibility[] = {
    // op   prof opt diam  sens   gorge  usAxe  xBrut  zBrut  diam   pas    filet  trou
    {100, "E", 0, 0,  false, false, false, false, true,  false, false, false, false},
    {101, "E", 1, 50, true,  false, false, true,  true,  false, false, false, false},
    {102, "E", 0, 50, false, false, false, false, true,  true,  false, false, false},
    {103, "E", 3, 0,  false, false, true,  false, true,  false, false, false, false},
    {106, "E", 0, 50, false, false, false, false, false, false, false, false, false},
    {110, "E", 0, 50, true,  false, false, true,  true,  false, false, false, false},
    {110, "I", 0, 50, true,  false, false, false, false, false, false, false, false},
    {111, "I", 1, 0,  true,  true,  false, false, false, false, false, false, false},
    {112, "E", 0, 0,  true,  true,  false, false, true,  false, false, true,  false},
    {130, "E", 0, 0,  true,  false, false, false, true,  true,  true,  true,  false},
    {140, "E", 0, 0,  false, true,  false, false, true,  true,  false, false, true},
    {150, "E", 0, 0,  false, false, false, false, false, true,  false, false, false},
    {180, "E", 1, 0,  false, true,  false, false, true,  true,  true,  true,  false},
};
// clang-format on

TEST_F(OperationSetUp, CommonFinishShowsWhatTheOperationUses) {
    td[3] = 5;
    td[12] = 40;
    for (const VisibilityRow& r : kVisibility) {
        SCOPED_TRACE(r.op);
        td[2] = r.diamBrut;
        ti[7] = r.option;
        setUp(r.op, r.profil);
        EXPECT_TRUE(noMessages());
        EXPECT_EQ(w("bSens").visible(), r.sens);
        EXPECT_EQ(w("bGorge").visible(), r.gorge);
        EXPECT_EQ(w("bUsAxe").visible(), r.usAxe);
        EXPECT_EQ(w("tXBrut").visible(), r.xBrut);
        EXPECT_EQ(w("tZBrut").visible(), r.zBrut);
        EXPECT_EQ(w("tDiamBrut").visible(), r.diam);
        EXPECT_EQ(w("cbPas").visible(), r.pas);
        EXPECT_EQ(w("picFilet").visible(), r.filet);
        EXPECT_EQ(w("bTrou", 3).visible(), r.trou);
        EXPECT_EQ(w("bFiletage").visible(), r.op == 130);
    }
}

TEST_F(OperationSetUp, LongTurningRewritesTheProfileForTheToolFamily) {
    ti[7] = 2;
    setUp(101, "E", "11_ABCDE");  // becomes "B": labels on the other side, no direction
    EXPECT_FALSE(w("bSens").visible());
    EXPECT_EQ(w("tXBrut").left(), 4920);
    EXPECT_EQ(w("tXBrut").alignment(), 0);
    setUp(101, "B", "10_ABCDE");  // back to "E"
    EXPECT_EQ(w("tXBrut").left(), 20);
    EXPECT_EQ(w("tZBrut").top(), 3480);
}

TEST_F(OperationSetUp, PartingOffWithStockShowsTheStockDiameter) {
    td[2] = 50;
    setUp(103);  // option "0" with stock: the stock diameter is shown
    EXPECT_TRUE(w("tDiamBrut").visible());
    EXPECT_EQ(w("tDiamBrut").top(), 3580);
    td[2] = 0;
    setUp(103);
    EXPECT_FALSE(w("tDiamBrut").visible());
    EXPECT_EQ(box(0).toolTip(), "Rayon d'approche");
}

TEST_F(OperationSetUp, CentringCorrectsTheAngleAlsoInTheHostTable) {
    td[13] = 4;
    td[14] = 10;
    td[15] = 5;
    for (double angle : {0.0, -5.0, 200.0}) {
        td[11] = angle;
        setUp(104);
        EXPECT_EQ(td[11], 60);
        EXPECT_EQ(box(7).text(), "1.155");  // 2 tan 30°
        EXPECT_EQ(box(0).text(), "5.196");  // (10 - 4) / 1.155
    }
    td[11] = 179;
    setUp(104);
    EXPECT_EQ(td[11], 179);
    EXPECT_EQ(w("tDiamBrut").caption(), "4-10");
    EXPECT_TRUE(w("tDiamBrut").visible());
    EXPECT_TRUE(noMessages());
}

TEST_F(OperationSetUp, RoughingWithGrooveConsumesTheHostOption) {
    ti[3] = 4;
    ti[6] = 1;
    ti[7] = 1;
    setUp(110);
    EXPECT_EQ(ti[7], 0);
    EXPECT_FALSE(w("bSens").visible());
    EXPECT_EQ(pictureOf("bUsAxe"), "T_DRESSER_4");
}

TEST_F(OperationSetUp, PlungeTurnsTheToolAngleIntoTheMaximumPlungeAngle) {
    td[12] = -30;
    ti[6] = 1;
    setUp(112);
    EXPECT_EQ(td[12], 330);
    EXPECT_EQ(w("tZBrut").caption(), "-150");
    EXPECT_EQ(box(7).text(), "-150");  // angle 0 takes the tool's
    EXPECT_EQ(pictureOf("bGorge"), "T_POCHE_1");

    td[11] = 45;
    setUp(113, "F", "15_TEGAP");  // characters 4 and 5 "TE": the angle is counted the other way
    EXPECT_EQ(w("tZBrut").caption(), "150");
    EXPECT_EQ(box(7).text(), "45");
    EXPECT_EQ(w("picOutilTE").top(), 2055);  // the family's height, for both tool pictures
    EXPECT_TRUE(noMessages());
}

TEST_F(OperationSetUp, FaceGroovingToolShapeLimitsTheDirections) {
    struct Case {
        const char* tool;
        std::int16_t ti5;
        const char* sens;
    };
    // clang-format off
    const Case cases[] = {
        {"10_ABG1", 0, "T_SENS_2XM"},     // grooving tool: first direction only
        {"10_ABTR", 0, "T_SENS_2XM"},
        {"10_ABX1", 1, "T_SENS_XMZMXP"},  // plain tool of a listed family: second only
        {"11_ABX1", 2, "T_SENS_XMZPXP"},  // other family: third only
        {"10_ABGR", 2, "T_SENS_XMZPXP"},  // all three stay; ti(5) as the host gave it
        {"10_ABPR", 2, "T_SENS_XMZPXP"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        ti[5] = 2;
        setUp(123, "B", c.tool);
        EXPECT_EQ(ti[5], c.ti5);
        EXPECT_EQ(pictureOf("bSens"), c.sens);
        EXPECT_EQ(panel.GetTypeEbauche(), c.ti5);
    }
    EXPECT_TRUE(noMessages());
}

TEST_F(OperationSetUp, ThreadingDefaultsFollowThePitch) {
    td[13] = 1.5;
    td[15] = 30;
    ti[3] = 1;
    ti[4] = 6;
    setUp(130);
    EXPECT_TRUE(noMessages());
    EXPECT_EQ(box(0).text(), "1.5");
    EXPECT_EQ(box(1).text(), "3");
    EXPECT_EQ(box(4).text(), "30");
    EXPECT_EQ(w("tbNbPasseFilet").text(), "6");
    EXPECT_EQ(w("tSensFilet").caption(), "Filet à GAUCHE");
    EXPECT_EQ(w("picFilet").picture().name(), panel.chbmp + "Filet_M_Xm.bmp");
}

TEST_F(OperationSetUp, ShortTablesAndBadDirectionEndTheSetUpWithTheErrorBox) {
    struct Case {
        std::int16_t op;
        std::size_t tdSize, tiSize;
        std::int16_t direction;  // ti(5)
    };
    // td(12) is read by every operation, td(15) by centring; face grooving writes ti(5).
    const Case cases[] = {{101, 12, 8, 0}, {104, 15, 8, 0}, {123, 16, 5, 0},
                          {101, 16, 0, 0}, {101, 16, 8, 3}, {101, 16, 8, -1}};
    std::size_t boxes = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        td.assign(c.tdSize, 1);
        ti = {c.op, 10, 0, 0, 0, c.direction, 0, 1};
        ti.resize(c.tiSize);
        panel.SetOperTour("10_ABG1", "E", "", td, ti);
        ASSERT_EQ(host.messages().size(), ++boxes);
        EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCN");
        EXPECT_EQ(LastMessage(host).prompt.rfind("Initialisation opération Tournage\r\n", 0), 0u);
        EXPECT_EQ(w("tbXsecu").text(), "1");  // what was written before stays
    }
    td.assign(16, 0);
    ti = {101, 10, 0, 0, 0, 1, 0, 1};
    setUp(101);  // the panel is still usable
    EXPECT_EQ(host.messages().size(), boxes);
    EXPECT_EQ(pictureOf("bSens"), "T_SENS_ZMXP");
}

TEST_F(OperationSetUp, MissingThreadPictureStopsBeforeTheHoleButtons) {
    ti[7] = 0;
    setUp(140);
    EXPECT_TRUE(w("bTrou", 0).visible());
    std::filesystem::remove(dir.path() / "Filet_M_Xm.bmp");
    setUp(130);
    EXPECT_NE(LastMessage(host).prompt.find("Initialisation opération Tournage\r\n"),
              std::string::npos);
    EXPECT_TRUE(w("bTrou", 0).visible());  // not reached
    EXPECT_TRUE(w("cbPas").visible());
}

}  // namespace
}  // namespace oru::test
