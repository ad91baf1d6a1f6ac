// The operation picture and its layouts (picture names and their lookup in the picture folder,
// which boxes each layout shows and where, the tool position, missing layouts, the choice of the
// tool picture), and the buttons of the general page: approach and retract with the safety boxes
// they need, the direction cycle, the to-axis option, the groove, hole-end, tapping and plunge
// options, and the drilling cycle buttons.
#include <map>
#include <memory>
#include <optional>

#include "fixture.hpp"

namespace oru::test {
namespace {

using Display = Tournage;

TEST_F(Display, PictureNamesAndTheirLookUpJpegFirst) {
    // op, profile, ti(7) option, ti(3) to-axis, ti(5) direction, ti(6) groove
    // clang-format off
    const std::tuple<std::int16_t, const char*, std::int16_t, std::int16_t, std::int16_t,
                     std::int16_t, const char*> cases[] = {
        {101, "E", 1,  0, 0, 0, "T_CHARIOTER_E1"},
        {110, "I", 1,  4, 1, 1, "T_EBAUCHER_A_IXG1"},  // to the axis, second direction, groove
        {110, "E", 0,  3, 0, 0, "T_EBAUCHER_EZ"},
        {140, "E", 1,  0, 0, 0, "T_PERCER_E1"},
        {142, "E", 10, 0, 0, 0, "T_PERCERMP_E10"},
        {144, "F", 0,  0, 0, 0, "T_PERCERMP_F0"},
        {160, "E", 0,  0, 0, 0, "T_PERCER_EE"},  // above 149: the profile letter twice, no option
        {112, "F", 0,  0, 0, 0, "T_POCHER_Fp"},
        {130, "E", 0,  0, 0, 0, "T_FILETER_E0"},
    };
    // clang-format on
    for (const auto& [op, profil, option, toAxis, direction, groove, name] : cases) {
        ti = {op, 10, 0, toAxis, 0, direction, groove, option};
        dir.writeBmp(std::string(name) + ".bmp");
        setUp(op, profil);
        EXPECT_EQ(pictureOf("picOper"), file(std::string(name) + ".bmp"));
    }
    ti = {101, 10, 0, 0, 0, 0, 0, 1};
    dir.writeJpeg("jpeg/T_CHARIOTER_E1.jpg");  // the milling sub-folders are not used
    setUp(101);
    EXPECT_EQ(pictureOf("picOper"), file("T_CHARIOTER_E1.bmp"));
    dir.writeJpeg("T_CHARIOTER_E1.jpg");  // JPEG first
    setUp(101);
    EXPECT_EQ(pictureOf("picOper"), file("T_CHARIOTER_E1.jpg"));
    std::filesystem::remove(dir.path() / "T_CHARIOTER_E1.jpg");
    std::filesystem::remove(dir.path() / "T_CHARIOTER_E1.bmp");
    setUp(101);
    EXPECT_TRUE(w("picOper").picture().isEmpty());
}

TEST_F(Display, Layouts) {
    // op, profile, option, direction; boxes 0 to 7 shown; tool left and top; one box's place;
    // the top of the pass summary (0: none)
    // clang-format off
    const std::tuple<std::int16_t, const char*, std::int16_t, std::int16_t, const char*, int, int,
                     int, int, int, int> cases[] = {
        {101, "E", 0, 0, "TTTTFFFT", 4420, 720,  2, 4920, 2430, 2460},
        {101, "E", 1, 0, "TTTFTTFF", 4420, 630,  2, 4920, 2310, 2340},
        {101, "I", 2, 0, "TTTFTFTF", 4420, 3000, 5, 1220, 1170, 2220},
        {102, "E", 3, 0, "TTTFFTTF", 4160, 370,  6, 1950, 3240, 2390},
        {103, "E", 3, 0, "TFFFFTTF", 1700, 750,  6, 3050, 3720, 0},
        {111, "B", 0, 1, "TTFFTTFF", 2960, -340, 0, 4920, 1260, 0},
        {130, "I", 0, 0, "TTTFTTFF", 4880, 2620, 2, 8775, 2920, 0},
        {141, "F", 1, 0, "FTFFFFFT", 4710, 3090, 7, 3190, 1680, 0},
        {143, "E", 2, 0, "FTTTFTFT", 2770, 3090, 3, 1080, 2720, 0},  // tool top left as it was
        {106, "E", 0, 0, "FFFFFFFF", 2770, 3090, 6, 5040, 3820, 0},  // no case: nothing moves
    };
    // clang-format on
    for (const auto& [op, profil, option, direction, boxes, toolLeft, toolTop, i, left, top,
                      passesTop] : cases) {
        SCOPED_TRACE(testing::Message() << op << profil << option);
        ti = {op, 10, 0, 0, 0, direction, 0, option};
        setUp(op, profil);
        EXPECT_EQ(shown({"0", "1", "2", "3", "4", "5", "6", "7"}), boxes);
        EXPECT_EQ(std::pair(w("picOutilTE").left(), w("picOutilTI").top()),
                  std::pair(toolLeft, toolTop));
        EXPECT_EQ(std::pair(box(i).left(), box(i).top()), std::pair(left, top));
        EXPECT_EQ(w("tPasses").visible() ? w("tPasses").top() : 0, passesTop);
    }
}

TEST_F(Display, CombinationsWithoutLayoutKeepTheBoxes) {
    const std::tuple<std::int16_t, const char*, const char*> cases[] = {{111, "F", "T_FINIR_F"},
                                                                        {130, "F", "T_FILETER_F0"}};
    for (const auto& [op, profil, picture] : cases) {
        SCOPED_TRACE(picture);
        setUp(101, "E");  // opt "0": box 4 hidden, box 7 shown
        dir.writeBmp(std::string(picture) + ".bmp");
        setUp(op, profil);
        EXPECT_TRUE(boxStarts("Affichage opération TOURNAGE\r\n"));
        EXPECT_FALSE(w("picOper").picture().isEmpty());  // the picture is loaded
        EXPECT_EQ(shown({"4", "7"}), "FT");
        EXPECT_EQ(std::pair(box(7).top(), w("picOutilTE").top()), std::pair(3135, 720));
    }
}

// The host's tool library: remembers which provider was asked for which code.
struct Library : ToolPictureLibrary {
    struct Provider : ToolPictureProvider {
        Library& lib;
        ToolFamilyProvider which;
        Provider(Library& l, ToolFamilyProvider w) : lib(l), which(w) {}
        std::optional<Picture> picture(std::string& code) override {
            lib.asked[code] = which;
            return lib.draws ? std::optional(Picture(Picture::Kind::File, code)) : std::nullopt;
        }
    };
    std::unique_ptr<ToolPictureProvider> create(ToolFamilyProvider which) override {
        return std::make_unique<Provider>(*this, which);
    }
    std::map<std::string, ToolFamilyProvider> asked;
    bool draws = true;
};

TEST_F(Display, ToolPictureByFamily) {
    auto lib = std::make_shared<Library>();
    host.setToolPictureLibrary(lib);
    using P = ToolFamilyProvider;
    const std::tuple<std::int16_t, const char*, P, const char*> cases[] = {
        {101, "11_ABCD", P::General, "TF"},  // picOutilTE, picOutilTI shown
        {101, "15_ABCD", P::General, "FT"},
        {101, "50_ABCD", P::Family50, "TF"},
        {100, "55_BUTE", P::Family55, "FT"}};
    for (const auto& [op, tool, provider, visible] : cases) {
        SCOPED_TRACE(tool);
        setUp(op, "E", op == 100 ? "20_ABCD" : tool);  // the bar stop brings its own tool
        EXPECT_EQ(lib->asked.at(tool), provider);
        EXPECT_EQ(shown({"picOutilTE", "picOutilTI"}), visible);
        EXPECT_EQ(pictureOf("picOutilTE") + pictureOf("picOutilTI"), tool);  // the other empty
    }
    lib->draws = false;  // nothing for this tool: the picture is shown empty
    setUp(101, "E", "12_ABCD");
    EXPECT_TRUE(w("picOutilTE").visible() && w("picOutilTE").picture().isEmpty());
    lib->asked.clear();
    setUp(101, "E", "10_AB");  // too short to be drawn: the library is not asked
    EXPECT_EQ(shown({"picOutilTE", "picOutilTI"}), "FF");
    EXPECT_TRUE(lib->asked.empty());

    setUp(101, "E", "1__CDEF");
    const Message box = takeBox();
    EXPECT_EQ(box.title, "ERREUR ORUCtrl");
    EXPECT_EQ(box.prompt, "Initialisation image outil\r\nType incompatible");
    host.setToolPictureLibrary(nullptr);
    setUp(101, "E", "11_ABCD");
    EXPECT_TRUE(boxStarts("Initialisation image outil\r\n"));
}

// ---- the buttons of the general page -------------------------------------------------------

using Buttons = Tournage;

TEST_F(Buttons, RetractTypeIsReadBackAndCycles) {
    // clang-format off
    const std::tuple<const char*, std::int16_t, const char*> cases[] = {
        {"E", 0, "T_DEG_E0"}, {"E", 3, "T_DEG_E3"}, {"E", 4, "T_DEG_E4"}, {"B", 3, "T_DEG_E3"},
        {"I", 0, "T_DEG_I0"}, {"I", 1, "T_DEG_I1"}, {"I", 2, "T_DEG_I2"}, {"F", 2, "T_DEG_I2"}};
    // clang-format on
    for (const auto& [profil, retract, picture] : cases) {
        ti[2] = retract;
        setUp(101, profil);
        EXPECT_EQ(std::pair(panel.GetDegZsecu(), pictureOf("bDegage")),
                  std::pair(retract, std::string(picture)));
    }
    ti[2] = 0;
    setUp(101, "E");  // external cycle 0, 3, 4; internal 0, 1, 2
    EXPECT_EQ(cycle("bDegage", 3), "T_DEG_E3|T_DEG_E4|T_DEG_E0");
    setUp(101, "F");
    EXPECT_EQ(cycle("bDegage", 3), "T_DEG_I1|T_DEG_I2|T_DEG_I0");

    ti[2] = 2;  // profile "E" steps from 1 to 2, which has no picture
    setUp(101, "E");
    const Message box = takeBox();
    EXPECT_EQ(box.title, "ERREUR ORUCN");
    EXPECT_TRUE(box.prompt.starts_with("Sélection du type de dégagement\r\n"));
    EXPECT_EQ(panel.GetDegZsecu(), 2);
    EXPECT_EQ(pictureOf("bSens"), "T_SENS_ZMO1");  // the set-up went on to the end
}

TEST_F(Buttons, ApproachButtonsAndSafetyBoxes) {
    for (const char* profil : {"B", "F"}) {  // internal profiles offer only the middle two
        setUp(101, profil);
        EXPECT_EQ(shown({"bAppro:0", "bAppro:1", "bAppro:3"}), profil[0] == 'B' ? "TTT" : "FTF");
    }
    ti[1] = 13;
    setUp(101, "E");  // retract E0
    EXPECT_EQ(shown({"tbXsecu", "tbZsecu"}), "TF");
    w("bAppro", 0).click();
    EXPECT_EQ(panel.GetTypeAppro(), 10);
    EXPECT_EQ(shown({"tbXsecu", "tbZsecu"}), "FF");
    EXPECT_EQ(pictures({"bAppro:0", "bAppro:3"}), "T_APPRO_0_ON|T_APPRO_3_OFF");
    w("bDegage").click();  // E3
    EXPECT_EQ(shown({"tbXsecu", "tbZsecu"}), "TF");
    w("bDegage").click();  // E4
    EXPECT_EQ(shown({"tbXsecu", "tbZsecu"}), "TT");
    EXPECT_EQ(panel.GetXsecu(), 0);  // read whether shown or not
}

TEST_F(Buttons, DirectionCyclesOverTheOfferedEntries) {
    setUp(101);  // ("Sens_ZmO1", "Sens_ZmXp", "")
    EXPECT_EQ(cycle("bSens", 3), "T_SENS_ZMXP|T_SENS_ZMO1|T_SENS_ZMXP");
    EXPECT_EQ(panel.GetTypeEbauche(), 1);
    setUp(123, "E", "10_ABGR");  // all three
    EXPECT_EQ(cycle("bSens", 3), "T_SENS_XMZMXP|T_SENS_XMZPXP|T_SENS_2XM");
    setUp(123, "E", "11_ABX1");  // only the third is offered: nothing to step to
    dir.writeBmp("T_GORGE_FE.bmp");
    EXPECT_EQ(cycle("bSens", 1), "T_SENS_XMZPXP");
    EXPECT_TRUE(w("picOper").picture().isEmpty());  // not redrawn
    EXPECT_EQ(panel.GetTypeEbauche(), 2);

    ti[5] = 0;
    setUp(130);  // threading: the thread picture changes, not the sketch
    dir.writeBmp("T_FILETER_E0.bmp");
    EXPECT_EQ(cycle("bSens", 1), "T_SENS_O3");
    EXPECT_EQ(pictureOf("picFilet"), file("Filet_M_O3.bmp"));
    EXPECT_TRUE(w("picOper").picture().isEmpty());
    std::filesystem::remove(dir.path() / "Filet_M_Xm.bmp");
    EXPECT_EQ(cycle("bSens", 1), "T_SENS_XM");  // loaded without an existence test
    EXPECT_TRUE(boxStarts("Sélection du sens d'usinage\r\n"));
}

TEST_F(Buttons, ToAxisToggles) {
    // facing "3" → "4" copies box 3 into box 6; parting off "3" → "2", back to "3" copies
    const std::tuple<std::int16_t, const char*, const char*> clicks[] = {
        {102, "T_DRESSER_4", "4|7.5"},
        {102, "T_DRESSER_3", "3|1"},
        {103, "T_TRONCONNER_2", "2|1"},
        {103, "T_TRONCONNER_3", "3|7.5"}};
    ti[7] = 3;
    for (const auto& [op, picture, codeAndBox6] : clicks) {
        if (panel.NumOp != op) setUp(op);
        type(3, "7.5");
        type(6, "1");
        EXPECT_EQ(cycle("bUsAxe", 1), picture);
        EXPECT_EQ(texts({"tbSensFilet", "6"}), codeAndBox6) << picture;
    }
    ti = {110, 10, 0, 3, 0, 0, 0, 0};  // roughing with the to-axis code "3"
    setUp(110);
    dir.writeBmp("T_EBAUCHER_A_EZ.bmp");
    EXPECT_EQ(cycle("bUsAxe", 1), "T_DRESSER_4");
    EXPECT_EQ(pictureOf("picOper"), file("T_EBAUCHER_A_EZ.bmp"));
    EXPECT_EQ(panel.GetSensFilet(), 1);
}

TEST_F(Buttons, GrooveHoleEndTappingAndPlungeCycles) {
    td[8] = 0.5;
    td[9] = 0.3;
    ti[7] = 1;  // finishing with the groove option "G0": both allowances become the smaller
    setUp(111);
    EXPECT_EQ(cycle("bGorge", 1), "T_GORGE_G1");
    EXPECT_EQ(texts({"4", "5"}), "0.3|0.3");
    EXPECT_EQ(panel.GetUsineGorge(), 1);
    type(4, "0.6");
    EXPECT_EQ(cycle("bGorge", 1), "T_GORGE_G0");
    EXPECT_EQ(box(5).text(), "0.6");  // linked while "G1", left as they are now

    ti[7] = 0;
    setUp(180);  // through tapping "0": "1" through, "2" blind, "1"
    EXPECT_EQ(cycle("bGorge", 3), "T_TARAUDER_ED|T_TARAUDER_EB|T_TARAUDER_ED");
    ti[7] = 10;
    setUp(141);
    dir.writeBmp("T_PERCER_E101.bmp");
    EXPECT_EQ(cycle("bGorge", 1), "T_PERCER_EB");  // the last character flips behind the first two
    EXPECT_EQ(pictureOf("picOper"), file("T_PERCER_E101.bmp"));
    ti[7] = 0;
    setUp(141, "F");  // "0" becomes "01": blind, then "010": through
    EXPECT_EQ(cycle("bGorge", 2), "T_PERCER_FB|T_PERCER_FD");
    ti[7] = 2;
    setUp(141);  // neither: no picture bears the name
    w("bGorge").click();
    EXPECT_TRUE(boxStarts("Sélection de l'option d'usinage\r\n"));

    setUp(112);  // plunge mode "0" → "1" → "0", with the plunge picture
    EXPECT_EQ(cycle("bGorge", 1), "T_POCHE_1");
    EXPECT_EQ(pictureOf("picFilet"), file("T_POCHE_P1.bmp"));
    EXPECT_EQ(panel.GetUsineGorge(), 1);
    std::filesystem::remove(dir.path() / "T_POCHE_P0.bmp");
    w("bGorge").click();
    EXPECT_TRUE(boxStarts("Sélection de l'option d'usinage\r\n"));
}

TEST_F(Buttons, DrillingCycleButtonsRewriteTheOperation) {
    ti[7] = 1;
    setUp(142);
    for (const char* name : {"T_PERCER_E1.bmp", "T_PERCERMP_E1.bmp"})
        dir.writeBmp(name);
    dir.writeJpeg("T_PERCER_E1.jpg");
    w("bTrou", 0).click();
    EXPECT_EQ(panel.NumOp, 140);
    EXPECT_EQ(pictures({"bTrou:0", "bTrou:2"}), "TROU_40_ON|TROU_42_OFF");
    EXPECT_EQ(shown({"2", "3"}), "FF");
    EXPECT_EQ(pictureOf("picOper"), file("T_PERCER_E1.jpg"));  // JPEG first, as elsewhere

    setUp(147);
    w("bTrou", 3).click();
    EXPECT_EQ(panel.NumOp, 148);
    EXPECT_EQ(shown({"2", "3"}), "TT");                          // blind: the last-pass depth too
    EXPECT_EQ(pictureOf("picOper"), file("T_PERCERMP_E1.bmp"));  // no JPEG: the bitmap
    w("bTrou", 1).click();
    EXPECT_EQ(shown({"2", "3"}), "FF");
    EXPECT_EQ(pictureOf("picOper"), file("T_PERCER_E1.jpg"));
}

}  // namespace
}  // namespace oru::test
