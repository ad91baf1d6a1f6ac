// Typing into the parameter boxes: the pass summary of turning and facing, the linked boxes of
// centring, finishing, drilling and tapping, and MajEnCours stopping the cascades.
#include <limits>

#include "fixture.hpp"

namespace oru::test {
namespace {

using Entry = Tournage;

struct SummaryRow {
    std::int16_t op;
    const char* total;      // box 0 (turning) or 1 (facing)
    const char* allowance;  // box 4 (turning) or 5 (facing)
    const char* pass;       // box 2, as typed
    const char* summary;
};
// clang-format off
constexpr SummaryRow kSummaries[] = {
    {101, "10",      "0",   "2.5",  "4 passes=2.5"},
    {101, "10",      "0.5", "3",    "1° passe=3 + 3 passes=2.167"},
    {102, "5.5",     "0",   "3",    "1° passe=3 + 1 passe=2.5"},
    {101, "3.0008",  "0",   "3",    "1 passe=3.001"},
    {102, "3.5",     "0",   "3",    "1° passe=3 + 1 passe=0.5"},
    {101, "3.002",   "0",   "3",    "1 passes=3"},
    {102, "6",       "0",   "2.50", "1° passe=2.50 + 2 passes=1.75"},
    {101, "2",       "2",   "1",    "0 passe"},
    {102, "5",       "0",   "0",    "0 passe"},
    {101, "abc",     "0",   "1",    "0 passe"},
    // more passes than a 16-bit count holds: the true count
    {102, "40000.5", "0",   "1",    "1° passe=1 + 40000 passes=1"},
};
// clang-format on

TEST_F(Entry, PassSummary) {
    for (const SummaryRow& r : kSummaries) {
        SCOPED_TRACE(r.summary);
        setUp(r.op);
        const int total = r.op == 101 ? 0 : 1;
        type(total + 4, r.allowance);
        type(2, r.pass);
        type(total, r.total);
        EXPECT_EQ(w("tPasses").caption(), r.summary);
    }
    EXPECT_TRUE(noMessages());
}

TEST_F(Entry, FailedSetUpLeavesTheBoxesReactive) {
    td[6] = std::numeric_limits<double>::infinity();  // box 2 cannot be written
    setUp(101);
    EXPECT_EQ(host.messages().size(), 1u);
    type(2, "2.5");
    type(0, "10");
    EXPECT_EQ(w("tPasses").caption(), "4 passes=2.5");
}

TEST_F(Entry, TurnedDiameterGivesTheTotalThickness) {
    td[2] = 50;
    setUp(101);
    type(2, "2");
    type(3, "40");
    EXPECT_EQ(w("tXBrut").caption(), "5");
    EXPECT_EQ(box(0).text(), "5");
    EXPECT_EQ(w("tPasses").caption(), "1° passe=2 + 2 passes=1.5");
}

// Centring: box 2 length, 4 largest diameter, 6 smallest, 7 diameter per depth (2 tan of the
// half angle; 2 for 90°), box 3 the diameter reached at the depth of box 5.
class Centring : public Tournage {
protected:
    void SetUp() override {
        td[11] = 90;
        td[13] = 4;
        td[14] = 10;
        td[15] = 5;
        setUp(104);
        ASSERT_EQ(box(0).text(), "3");
        ASSERT_EQ(box(7).text(), "2");
    }
};

TEST_F(Centring, DepthGivesTheDiameter) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "8"},   // 10 - 1 x 2
        {"0", "10"},  // no depth: the largest diameter
        {"6", "0"},   // deeper than the tool
        {"4", "4"},   // beyond the tool's cone: the smallest diameter
    };
    for (const auto& [depth, diameter] : cases) {
        type(5, depth);
        EXPECT_EQ(box(3).text(), diameter);
        EXPECT_EQ(box(5).text(), depth);  // no cascade back into box 5
    }
}

TEST_F(Centring, DiameterGivesTheDepthOrAnError) {
    type(3, "6");
    EXPECT_EQ(box(5).text(), "2");
    type(3, "3");
    EXPECT_EQ(box(5).text(), "erreur");
    type(3, "6");
    type(7, "0");  // a tool without slope: no depth, not a division by zero
    type(3, "7");
    EXPECT_EQ(box(5).text(), "erreur");
    EXPECT_TRUE(noMessages());
}

TEST_F(Centring, OverflowInsideTheLinkedWritesLeavesTheBoxesReactive) {
    type(3, "1e999");
    EXPECT_EQ(LastMessage(host).prompt, "tbPara(3)\r\nDépassement de capacité");
    type(3, "6");
    EXPECT_EQ(box(5).text(), "2");
}

TEST_F(Entry, FinishingClearancesStayLinkedUntilTheUserLeavesBox1) {
    td[4] = td[5] = 0.5;
    setUp(111);
    type(0, "0.8");
    EXPECT_EQ(box(1).text(), "0.8");
    box(1).lostFocus();
    type(0, "0.9");
    EXPECT_EQ(box(1).text(), "0.8");

    setUp(111);  // linked again
    type(0, "0.7");
    EXPECT_EQ(box(1).text(), "0.7");
    td[5] = 0.6;
    setUp(111);  // a reused panel with different clearances: not linked
    type(0, "0.4");
    EXPECT_EQ(box(1).text(), "0.6");
}

TEST_F(Entry, DrillingLengthsAddUpToTheTotal) {
    td[4] = 50;  // box 0: total length
    setUp(142);
    type(7, "30");
    EXPECT_EQ(box(5).text(), "20");
    type(5, "15");
    EXPECT_EQ(box(7).text(), "35");
    type(0, "1e308");
    type(7, "-1e308");  // the remainder overflows
    EXPECT_EQ(LastMessage(host).prompt, "tbPara(7)\r\nDépassement de capacité");
    type(0, "50");
    type(7, "10");
    EXPECT_EQ(box(5).text(), "40");
}

TEST_F(Entry, ThroughTappingLengthsAddUpToTheHoleDepth) {
    td[15] = 40;
    setUp(180);
    type(4, "25");
    EXPECT_EQ(box(5).text(), "15");
    type(5, "10");
    EXPECT_EQ(box(4).text(), "30");
    ti[7] = 1;
    setUp(180);
    type(4, "12");
    EXPECT_EQ(box(5).text(), "0");
}

}  // namespace
}  // namespace oru::test
