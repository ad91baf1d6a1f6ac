// What the host reads back: hidden boxes read 0 (except for threading), the operation-specific
// getters, and the failures of reading.
#include "fixture.hpp"

namespace oru::test {
namespace {

using Getters = Tournage;

TEST_F(Getters, HiddenBoxesReadZeroExceptForThreading) {
    td = {1, 2, 0, 0, 10, 11, 12, 13, 14, 15, 16, 17, 0, 0, 0, 0};
    setUp(101);
    EXPECT_EQ(panel.GetPasseZ(), 12);
    EXPECT_EQ(panel.GetProfondeur(), 17);
    for (int i = 0; i < 8; ++i)
        box(i).setVisible(false);
    EXPECT_EQ(panel.GetGardeAccost(), 0);
    EXPECT_EQ(panel.GetGardeDeg(), 0);
    EXPECT_EQ(panel.GetAnglePlonge(), 0);
    EXPECT_EQ(panel.GetXsecu(), 1);  // not a parameter box

    setUp(130);
    for (int i = 0; i < 8; ++i)
        box(i).setVisible(false);
    EXPECT_EQ(panel.GetGardeAccost(), 10);
    EXPECT_EQ(panel.GetProfondeur(), 14);
    EXPECT_EQ(panel.GetSurepZ(), 15);
}

TEST_F(Getters, ValueReadFailureShowsItsBoxAndReadsZero) {
    setUp(101);
    type(2, "1e999");  // the summary fails on it too
    host.clearMessages();
    EXPECT_EQ(panel.GetPasseZ(), 0);
    const Message m = LastMessage(host);
    EXPECT_EQ(m.title, "ERREUR ORUCtrl");
    EXPECT_EQ(m.prompt, "Retour de valeur 2");
    w("tbXsecu").setText("1e999");
    EXPECT_THROW(panel.GetXsecu(), Error);  // no trap of its own
}

TEST_F(Getters, SensFiletReadsTheDirectionCode) {
    struct Case {
        std::int16_t op, code, expected;
    };
    const Case cases[] = {{103, 3, 1}, {103, 2, 0}, {102, 4, 1},  {110, 3, 0},
                          {111, 4, 1}, {130, 1, 1}, {180, -2, -2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        ti[3] = c.code;
        setUp(c.op);
        EXPECT_EQ(panel.GetSensFilet(), c.expected);
    }
    w("tbSensFilet").setText("");
    EXPECT_EQ(panel.GetSensFilet(), 0);
}

TEST_F(Getters, UsineGorgeByOperation) {
    setUp(130);
    EXPECT_EQ(panel.GetUsineGorge(), 1);  // starts "0" count as one
    w("tbNbFilet").setText("3");
    EXPECT_EQ(panel.GetUsineGorge(), 3);
    ti[6] = 1;
    setUp(113);
    EXPECT_EQ(panel.GetUsineGorge(), 1);
    EXPECT_EQ(panel.GetTypeFilet(), "");
    setUp(120);
    EXPECT_EQ(panel.GetUsineGorge(), 0);
}

TEST_F(Getters, DrillingReadsDepthsFromTheLabels) {
    td = {0, 0, 8, 40, 50, 0, 0, 0, 0, 3, 2, 30, 0, 0, 0, 0};  // hole 8 x 40
    ti[7] = 1;                                                 // blind
    setUp(141);
    EXPECT_EQ(panel.GetSurepZ(), 10);  // 40 - 30
    EXPECT_EQ(panel.GetDepasseZ(), 0);
    EXPECT_EQ(panel.GetProfondeur(), 40);
    EXPECT_EQ(panel.GetDiamChanf(), 8);
    EXPECT_EQ(panel.GetProfFilet(), 50);
    ti[7] = 0;  // through: no allowance under the hole (box 5 hidden), an overrun
    setUp(141);
    EXPECT_EQ(panel.GetSurepZ(), 0);
    EXPECT_EQ(panel.GetDepasseZ(), 2);
    ti[7] = 2;  // neither: the allowance box is shown
    setUp(141);
    EXPECT_EQ(panel.GetSurepZ(), 3);
}

}  // namespace
}  // namespace oru::test
