// The set-up of the panel for each operation type (the common start and finish, the rules of the
// operations with special behaviour, value tables too short for what a rule reads), what the host
// reads back, and typing into the parameter boxes: the pass summary, the linked boxes and
// MajEnCours stopping the cascades.
#include "fixture.hpp"

namespace oru::test {
namespace {

using OperationSetUp = Tournage;

TEST_F(OperationSetUp, CommonStartFillsTheBoxesFromTheTables) {
    td = {1.23456, 2, 50, 7.5, 10, 11, 12, 13, 14, 15, 16, 17, 40, 0, 0, 0};
    ti = {101, 10, 0, 4, 0, 0, 0, 1};
    setUp(101);
    EXPECT_EQ(texts({"tbXsecu", "tDiamBrut", "tXBrut"}), "1.235|50|5");  // (50 - 40) / 2
    EXPECT_EQ(texts({"0", "1", "2", "3", "4", "5", "6", "7"}), "10|11|12|13|14|15|16|17");
    // the display routine shows the pass summary: total 10 - allowance 14 is nothing to turn
    EXPECT_EQ(texts({"tPasses"}), "0 passe");
}

TEST_F(OperationSetUp, CommonFinishShowsWhatTheOperationUses) {
    // op, profile, option ti(7), stock diameter, and what is shown
    // clang-format off
    const std::tuple<std::int16_t, const char*, std::int16_t, double, const char*> rows[] = {
        // bSens bGorge bUsAxe tXBrut tZBrut tDiamBrut cbPas picFilet bTrou(3) bFiletage
        {100, "E", 0, 0,  "FFFFTFFFFF"},
        {101, "E", 1, 50, "TFFTTFFFFF"},
        {102, "E", 0, 50, "FFFFTTFFFF"},  // option "0B": the stock diameter, not the thickness
        {103, "E", 3, 0,  "FFTFTFFFFF"},
        {103, "E", 0, 50, "FFFFTTFFFF"},
        {106, "E", 0, 50, "FFFFFFFFFF"},
        {110, "I", 0, 50, "TFFFFFFFFF"},
        {111, "I", 1, 0,  "TTFFFFFFFF"},
        {112, "E", 0, 0,  "TTFFTFFTFF"},
        {130, "E", 0, 0,  "TFFFTTTTFT"},
        {140, "E", 0, 0,  "FTFFTTFFTF"},
        {180, "E", 1, 0,  "FTFFTTTTFF"},
        {103, "E", 0, 0,  "FFFFTFFFFF"},  // no stock: box 0 is the approach radius
    };
    // clang-format on
    td[3] = 5;
    td[12] = 40;
    for (const auto& [op, profil, option, diamBrut, expected] : rows) {
        td[2] = diamBrut;
        ti[7] = option;
        setUp(op, profil);
        EXPECT_EQ(shown({"bSens", "bGorge", "bUsAxe", "tXBrut", "tZBrut", "tDiamBrut", "cbPas",
                         "picFilet", "bTrou:3", "bFiletage"}),
                  expected)
            << op << profil << option;
    }
    EXPECT_EQ(box(0).toolTip(), "Rayon d'approche");
}

TEST_F(OperationSetUp, LongTurningAndRoughingRewriteProfileAndOption) {
    ti[7] = 2;
    setUp(101, "E", "11_ABCDE");  // becomes "B": labels on the other side, no direction
    EXPECT_FALSE(w("bSens").visible());
    EXPECT_EQ(w("tXBrut").left(), 4920);
    EXPECT_EQ(w("tXBrut").alignment(), 0);
    setUp(101, "B", "10_ABCDE");  // back to "E"
    EXPECT_EQ(w("tXBrut").left(), 20);
    EXPECT_EQ(w("tZBrut").top(), 3480);
    ti = {110, 10, 0, 4, 0, 0, 1, 1};  // to the axis "4", groove
    setUp(110);
    EXPECT_EQ(ti[7], 0);
    EXPECT_FALSE(w("bSens").visible());
    EXPECT_EQ(pictureOf("bUsAxe"), "T_DRESSER_4");
}

TEST_F(OperationSetUp, PlungeAngleAndToolHeight) {
    td[12] = -30;
    setUp(112);
    EXPECT_EQ(td[12], 330);
    EXPECT_EQ(texts({"tZBrut", "7"}), "-150|-150");  // angle 0 takes the tool's
    td[11] = 45;
    setUp(113, "F", "15_TEGAP");  // characters 4 and 5 "TE": the angle is counted the other way
    EXPECT_EQ(texts({"tZBrut", "7"}), "150|45");
    EXPECT_EQ(w("picOutilTE").top(), 2055);  // the family's height, for both tool pictures

    // a face-side plunge with a family without height: derived from the current one, once
    w("picOutilTI").setTop(600);  // family 20 keeps the tool where it is
    setUp(112, "F");              // first direction: suffix "p", the tool moves down
    EXPECT_EQ(w("picOutilTE").top(), 2160);
    setUp(112, "F");  // same state: stays
    EXPECT_EQ(w("picOutilTE").top(), 2160);
    w("bSens").click();  // second direction: suffix "m", back up
    EXPECT_EQ(w("picOutilTI").top(), 600);
    w("picOutilTI").setTop(-40000);  // the derived height leaves 16 bits
    w("bSens").click();
    EXPECT_EQ(takeBox().prompt, "Affichage opération TOURNAGE\r\nDépassement de capacité");
}

TEST_F(OperationSetUp, FaceGroovingToolShapeLimitsTheDirections) {
    // clang-format off
    const std::tuple<const char*, std::int16_t, const char*> cases[] = {
        {"10_ABG1", 0, "T_SENS_2XM"},     // grooving tool: first direction only
        {"10_ABTR", 0, "T_SENS_2XM"},
        {"10_ABX1", 1, "T_SENS_XMZMXP"},  // plain tool of a listed family: second only
        {"11_ABX1", 2, "T_SENS_XMZPXP"},  // other family: third only
        {"10_ABPR", 2, "T_SENS_XMZPXP"},  // all three stay; ti(5) as the host gave it
    };
    // clang-format on
    for (const auto& [tool, ti5, sens] : cases) {
        ti[5] = 2;
        setUp(123, "B", tool);
        EXPECT_EQ(std::tuple(ti[5], pictureOf("bSens"), panel.GetTypeEbauche()),
                  std::tuple(ti5, std::string(sens), ti5));
    }
}

TEST_F(OperationSetUp, ShortTablesAndBadDirectionEndTheSetUpWithTheErrorBox) {
    // op, td size, ti size, ti(5): td(12) is read by every operation, td(15) by centring; face
    // grooving writes ti(5).
    const std::tuple<std::int16_t, std::size_t, std::size_t, std::int16_t> cases[] = {
        {101, 12, 8, 0}, {104, 15, 8, 0}, {123, 16, 5, 0},
        {101, 16, 0, 0}, {101, 16, 8, 3}, {101, 16, 8, -1}};
    for (const auto& [op, tdSize, tiSize, direction] : cases) {
        SCOPED_TRACE(op);
        td.assign(tdSize, 1);
        ti = {op, 10, 0, 0, 0, direction, 0, 1};
        ti.resize(tiSize);
        panel.SetOperTour("10_ABG1", "E", "", td, ti);
        const Message box = takeBox();
        EXPECT_EQ(box.title, "ERREUR ORUCN");
        EXPECT_TRUE(box.prompt.starts_with("Initialisation opération Tournage\r\n"));
        EXPECT_EQ(w("tbXsecu").text(), "1");  // what was written before stays
    }
    td.assign(16, 0);
    ti = {101, 10, 0, 0, 0, 1, 0, 1};
    setUp(101);  // the panel is still usable
    EXPECT_EQ(pictureOf("bSens"), "T_SENS_ZMXP");
}

TEST_F(OperationSetUp, MissingThreadPictureStopsBeforeTheHoleButtons) {
    setUp(140);
    std::filesystem::remove(dir.path() / "Filet_M_Xm.bmp");
    setUp(130);
    EXPECT_TRUE(boxStarts("Initialisation opération Tournage\r\n"));
    EXPECT_EQ(shown({"bTrou:0", "cbPas"}), "TT");  // the hole buttons were not reached
}

// ---- what the host reads back ---------------------------------------------------------------

using Getters = Tournage;

TEST_F(Getters, HiddenBoxesAndFailedReadsGiveZeroExceptForThreading) {
    td = {1, 2, 0, 0, 10, 11, 12, 13, 14, 15, 16, 17, 0, 0, 0, 0};
    for (const int op : {101, 130}) {
        setUp(static_cast<std::int16_t>(op));
        for (int i = 0; i < 8; ++i)
            box(i).setVisible(false);
        EXPECT_EQ(std::pair(panel.GetGardeAccost(), panel.GetSurepZ()),
                  op == 130 ? std::pair(10.0, 15.0) : std::pair(0.0, 0.0));
    }
    EXPECT_EQ(panel.GetProfondeur(), 14);
    EXPECT_EQ(panel.GetXsecu(), 1);  // not a parameter box
    type(2, "1e999");
    EXPECT_EQ(panel.GetPasseZ(), 0);
    const Message box = takeBox();
    EXPECT_EQ(box.title + "|" + box.prompt, "ERREUR ORUCtrl|Retour de valeur 2");
    w("tbXsecu").setText("1e999");
    EXPECT_THROW(panel.GetXsecu(), Error);  // no trap of its own
}

TEST_F(Getters, OperationSpecificValues) {
    const std::tuple<std::int16_t, std::int16_t, std::int16_t> sens[] = {
        {103, 3, 1}, {103, 2, 0}, {102, 4, 1}, {110, 3, 0}, {130, 1, 1}, {180, -2, -2}};
    for (const auto& [op, code, expected] : sens) {
        ti[3] = code;
        setUp(op);
        EXPECT_EQ(panel.GetSensFilet(), expected) << op << " " << code;
    }
    w("tbSensFilet").setText("");
    EXPECT_EQ(panel.GetSensFilet(), 0);

    setUp(130);
    EXPECT_EQ(panel.GetUsineGorge(), 1);  // starts "0" count as one
    w("tbNbFilet").setText("3");
    EXPECT_EQ(panel.GetUsineGorge(), 3);
    setUp(113);
    EXPECT_EQ(panel.GetTypeFilet(), "");
    setUp(120);
    EXPECT_EQ(panel.GetUsineGorge(), 0);

    td = {0, 0, 8, 40, 50, 0, 0, 0, 0, 3, 2, 30, 0, 0, 0, 0};  // hole 8 x 40
    // ti(7): 1 blind (what is left under the drilled length), 0 through (an overrun, box 5
    // hidden), 2 neither (the allowance box)
    const std::tuple<std::int16_t, double, double> cases[] = {{1, 10, 0}, {0, 0, 2}, {2, 3, 0}};
    for (const auto& [option, surep, depasse] : cases) {
        ti[7] = option;
        setUp(141);
        EXPECT_EQ(std::pair(panel.GetSurepZ(), panel.GetDepasseZ()), std::pair(surep, depasse));
    }
    // depth, diameter and total length
    EXPECT_EQ(std::tuple(panel.GetProfondeur(), panel.GetDiamChanf(), panel.GetProfFilet()),
              std::tuple(40.0, 8.0, 50.0));
}

// ---- typing into the boxes ----------------------------------------------------------------

using Entry = Tournage;

TEST_F(Entry, PassSummary) {
    // op, total (box 0 turning, 1 facing), allowance (box 4 turning, 5 facing), box 2 as typed
    // clang-format off
    const std::tuple<std::int16_t, const char*, const char*, const char*, const char*> rows[] = {
        {101, "10",      "0",   "2.5",  "4 passes=2.5"},
        {101, "10",      "0.5", "3",    "1° passe=3 + 3 passes=2.167"},
        {102, "5.5",     "0",   "3",    "1° passe=3 + 1 passe=2.5"},
        {101, "3.0008",  "0",   "3",    "1 passe=3.001"},
        {101, "3.002",   "0",   "3",    "1 passes=3"},
        {102, "6",       "0",   "2.50", "1° passe=2.50 + 2 passes=1.75"},
        {101, "2",       "2",   "1",    "0 passe"},
        {102, "5",       "0",   "0",    "0 passe"},
        {101, "abc",     "0",   "1",    "0 passe"},
        // more passes than a 16-bit count holds: the true count
        {102, "40000.5", "0",   "1",    "1° passe=1 + 40000 passes=1"},
        // and counts beyond 10^15 in digits, never in exponent form
        {101, "2000000000000000", "0", "1", "2000000000000000 passes=1"},
        {102, "1e20",    "0",   "1",    "100000000000000000000 passes=1"},
    };
    // clang-format on
    for (const auto& [op, total, allowance, pass, summary] : rows) {
        setUp(op);
        const int first = op == 101 ? 0 : 1;
        type(first + 4, allowance);
        type(2, pass);
        type(first, total);
        EXPECT_EQ(texts({"tPasses"}), summary);
    }
}

TEST_F(Entry, TurnedDiameterGivesTheThicknessAlsoAfterAFailedSetUp) {
    td[2] = 50;
    setUp(101);
    type(2, "2");
    type(3, "40");
    EXPECT_EQ(texts({"tXBrut", "0", "tPasses"}), "5|5|1° passe=2 + 2 passes=1.5");
    td[6] = std::numeric_limits<double>::infinity();  // box 2 cannot be written
    setUp(101);
    EXPECT_TRUE(boxStarts("Initialisation opération Tournage\r\n"));
    type(2, "2.5");  // the failed set-up leaves the boxes reactive
    type(0, "10");
    EXPECT_EQ(texts({"tPasses"}), "4 passes=2.5");
}

// Centring: box 2 length, 4 largest diameter, 6 smallest, 7 diameter per depth (2 tan of the
// half angle; 2 for 90°), box 3 the diameter reached at the depth of box 5.
TEST_F(Entry, CentringCorrectsTheAngleAndLinksDepthAndDiameter) {
    td = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 10, 5};  // diameters 4 to 10, length 5
    const std::pair<double, double> angles[] = {{179, 179}, {0, 60}, {-5, 60}, {200, 60}};
    for (const auto& [angle, kept] : angles) {
        td[11] = angle;
        setUp(104);
        EXPECT_EQ(td[11], kept) << angle;  // also in the host's table
    }
    EXPECT_EQ(texts({"7", "0", "tDiamBrut"}), "1.155|5.196|4-10");  // 2 tan 30°, (10 - 4) / 1.155
    EXPECT_TRUE(w("tDiamBrut").visible());
    td[11] = 90;
    setUp(104);
    EXPECT_EQ(texts({"0", "7"}), "3|2");
    type(3, "1e999");  // a failure inside the linked writes leaves the boxes reactive
    EXPECT_EQ(takeBox().prompt, "tbPara(3)\r\nDépassement de capacité");
    // clang-format off
    const std::tuple<int, const char*, int, const char*> steps[] = {
        {5, "1", 3, "8"},       // 10 - 1 x 2
        {5, "0", 3, "10"},      // no depth: the largest diameter
        {5, "6", 3, "0"},       // deeper than the tool
        {5, "4", 3, "4"},       // beyond the tool's cone: the smallest diameter
        {3, "3", 5, "erreur"},  // outside the tool's range
        {3, "6", 5, "2"},
        {7, "0", 5, "2"},
        {3, "7", 5, "erreur"},  // a tool without slope: not a division by zero
    };
    // clang-format on
    for (const auto& [typed, text, linked, expected] : steps) {
        EXPECT_EQ(typeAndRead(typed, text, linked), expected) << typed << " = " << text;
        EXPECT_EQ(box(typed).text(), text);  // no cascade back
    }
}

TEST_F(Entry, FinishingClearancesStayLinkedUntilTheUserLeavesBox1) {
    td[4] = td[5] = 0.5;
    setUp(111);
    EXPECT_EQ(typeAndRead(0, "0.8", 1), "0.8");
    box(1).lostFocus();
    EXPECT_EQ(typeAndRead(0, "0.9", 1), "0.8");
    setUp(111);  // linked again
    EXPECT_EQ(typeAndRead(0, "0.7", 1), "0.7");
    td[5] = 0.6;
    setUp(111);  // a reused panel with different clearances: not linked
    EXPECT_EQ(typeAndRead(0, "0.4", 1), "0.6");
}

TEST_F(Entry, DrillingAndThroughTappingLengthsAddUp) {
    td[4] = 50;  // drilling: box 0 the total length, box 7 + box 5
    setUp(142);
    EXPECT_EQ(typeAndRead(7, "30", 5), "20");
    EXPECT_EQ(typeAndRead(5, "15", 7), "35");
    type(0, "1e308");
    type(7, "-1e308");  // the remainder overflows
    EXPECT_EQ(takeBox().prompt, "tbPara(7)\r\nDépassement de capacité");
    type(0, "50");
    EXPECT_EQ(typeAndRead(7, "10", 5), "40");

    td[15] = 40;  // through tapping: the hole depth, box 4 + box 5
    setUp(180);
    type(4, "1e999");
    EXPECT_EQ(takeBox().prompt, "tbPara(4)\r\nDépassement de capacité");
    EXPECT_EQ(typeAndRead(4, "25", 5), "15");
    EXPECT_EQ(typeAndRead(5, "10", 4), "30");
    ti[7] = 1;  // blind: not linked
    setUp(180);
    EXPECT_EQ(typeAndRead(4, "12", 5), "0");
}

}  // namespace
}  // namespace oru::test
