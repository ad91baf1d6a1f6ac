// What the host reads back from hidden boxes and after failed reads, and typing into the parameter
// boxes: the linked boxes and MajEnCours stopping the cascades. Each operation's set-up and
// buttons are pinned by the golden sessions.
#include "fixture.hpp"

namespace oru::test {
namespace {

using OperationSetUp = Tournage;

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

// ---- typing into the boxes ----------------------------------------------------------------

using Entry = Tournage;

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

}  // namespace
}  // namespace oru::test
