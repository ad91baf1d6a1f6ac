// The operation picture and its layouts: picture names and their lookup in the picture folder,
// which boxes each layout shows and where, the tool position, missing layouts, and the choice
// of the tool picture.
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "fixture.hpp"

namespace oru::test {
namespace {

using Display = Tournage;

struct Pos {
    int left, top;
};

TEST_F(Display, PictureNames) {
    struct Case {
        std::int16_t op;
        const char* profil;
        std::int16_t option, toAxis, direction, groove;  // ti(7), ti(3), ti(5), ti(6)
        const char* name;
    };
    // clang-format off
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ti = {c.op, 10, 0, c.toAxis, 0, c.direction, c.groove, c.option};
        dir.writeBmp(std::string(c.name) + ".bmp");
        setUp(c.op, c.profil);
        EXPECT_EQ(pictureOf("picOper"), panel.chbmp + c.name + ".bmp");
    }
    EXPECT_TRUE(noMessages());
}

TEST_F(Display, SketchIsLookedUpInThePictureFolderJpegFirst) {
    ti[7] = 1;
    dir.writeJpeg("jpeg/T_CHARIOTER_E1.jpg");  // the milling sub-folders are not used
    setUp(101);
    EXPECT_TRUE(w("picOper").picture().isEmpty());
    dir.writeBmp("T_CHARIOTER_E1.bmp");
    setUp(101);
    EXPECT_EQ(pictureOf("picOper"), panel.chbmp + "T_CHARIOTER_E1.bmp");
    dir.writeJpeg("T_CHARIOTER_E1.jpg");
    setUp(101);
    EXPECT_EQ(pictureOf("picOper"), panel.chbmp + "T_CHARIOTER_E1.jpg");
    EXPECT_TRUE(noMessages());
}

TEST_F(Display, Layouts) {
    struct Case {
        std::int16_t op;
        const char* profil;
        std::int16_t option, direction;
        const char* shown;  // boxes 0 to 7
        Pos tool;
        int box;
        Pos place;
        int passesTop;  // 0: no pass summary
    };
    // clang-format off
    const Case cases[] = {
        {101, "E", 0, 0, "TTTTFFFT", {4420, 720},  2, {4920, 2430}, 2460},
        {101, "E", 1, 0, "TTTFTTFF", {4420, 630},  2, {4920, 2310}, 2340},
        {101, "I", 2, 0, "TTTFTFTF", {4420, 3000}, 5, {1220, 1170}, 2220},
        {102, "E", 3, 0, "TTTFFTTF", {4160, 370},  6, {1950, 3240}, 2390},
        {103, "E", 3, 0, "TFFFFTTF", {1700, 750},  6, {3050, 3720}, 0},
        {111, "B", 0, 1, "TTFFTTFF", {2960, -340}, 0, {4920, 1260}, 0},
        {130, "I", 0, 0, "TTTFTTFF", {4880, 2620}, 2, {8775, 2920}, 0},
        {141, "F", 1, 0, "FTFFFFFT", {4710, 3090}, 7, {3190, 1680}, 0},
        {143, "E", 2, 0, "FTTTFTFT", {2770, 3090}, 3, {1080, 2720}, 0},  // tool top left as it was
        {180, "F", 1, 0, "FTFFFFTF", {4710, 3090}, 6, {20, 1890},   0},
        {106, "E", 0, 0, "FFFFFFFF", {4710, 3090}, 6, {20, 1890},   0},  // no case: nothing moves
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.op << c.profil << c.option);
        ti = {c.op, 10, 0, 0, 0, c.direction, 0, c.option};
        setUp(c.op, c.profil);
        std::string shown;
        for (int i = 0; i < 8; ++i)
            shown += box(i).visible() ? 'T' : 'F';
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(w("picOutilTE").left(), c.tool.left);
        EXPECT_EQ(w("picOutilTI").top(), c.tool.top);
        EXPECT_EQ(box(c.box).left(), c.place.left);
        EXPECT_EQ(box(c.box).top(), c.place.top);
        EXPECT_EQ(w("tPasses").visible(), c.passesTop != 0);
        if (c.passesTop != 0) {
            EXPECT_EQ(w("tPasses").top(), c.passesTop);
        }
    }
    EXPECT_TRUE(noMessages());
}

TEST_F(Display, FaceSidePlungeToolHeightIsDerivedOnce) {
    w("picOutilTI").setTop(600);  // family 20 keeps the tool where it is
    setUp(112, "F");              // first direction: suffix "p", the tool moves down
    EXPECT_EQ(w("picOutilTE").top(), 2160);
    setUp(112, "F");  // same state: stays
    EXPECT_EQ(w("picOutilTE").top(), 2160);
    w("bSens").click();  // second direction: suffix "m", back up
    EXPECT_EQ(w("picOutilTI").top(), 600);
    EXPECT_TRUE(noMessages());

    w("picOutilTI").setTop(-40000);  // the derived height leaves 16 bits
    w("bSens").click();
    EXPECT_EQ(LastMessage(host).prompt, "Affichage opération TOURNAGE\r\nDépassement de capacité");
}

TEST_F(Display, CombinationsWithoutLayoutKeepTheBoxes) {
    struct Case {
        std::int16_t op;
        const char *profil, *picture;
    };
    const Case cases[] = {
        {111, "F", "T_FINIR_F"}, {112, "Z", "T_POCHER_Z"}, {130, "F", "T_FILETER_F0"}};
    for (const auto& [op, profil, picture] : cases) {
        SCOPED_TRACE(picture);
        setUp(101, "E");  // opt "0": box 4 hidden, box 7 shown
        dir.writeBmp(std::string(picture) + ".bmp");
        host.clearMessages();
        setUp(op, profil);
        EXPECT_EQ(LastMessage(host).prompt.rfind("Affichage opération TOURNAGE\r\n", 0), 0u);
        EXPECT_FALSE(w("picOper").picture().isEmpty());  // the picture is loaded
        EXPECT_TRUE(box(7).visible() && !box(4).visible());
        EXPECT_EQ(box(7).top(), 3135);
        EXPECT_EQ(w("picOutilTE").top(), 720);  // no tool move
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
        {101, "11_ABCD", P::General, "picOutilTE"},
        {101, "15_ABCD", P::General, "picOutilTI"},
        {101, "50_ABCD", P::Family50, "picOutilTE"},
        {100, "55_BUTE", P::Family55, "picOutilTI"}};
    for (const auto& [op, tool, provider, shown] : cases) {
        SCOPED_TRACE(tool);
        setUp(op, "E", op == 100 ? "20_ABCD" : tool);  // the bar stop brings its own tool
        EXPECT_EQ(lib->asked.at(tool), provider);
        EXPECT_EQ(pictureOf(shown), tool);
        EXPECT_TRUE(w(shown).visible());
        const char* other = shown == std::string("picOutilTE") ? "picOutilTI" : "picOutilTE";
        EXPECT_FALSE(w(other).visible());
        EXPECT_TRUE(w(other).picture().isEmpty());
    }
    lib->draws = false;  // nothing for this tool: the picture is shown empty
    setUp(101, "E", "12_ABCD");
    EXPECT_TRUE(w("picOutilTE").visible() && w("picOutilTE").picture().isEmpty());
    lib->asked.clear();
    setUp(101, "E", "10_AB");  // too short to be drawn: the library is not asked
    EXPECT_FALSE(w("picOutilTE").visible() || w("picOutilTI").visible());
    EXPECT_TRUE(lib->asked.empty());
    EXPECT_TRUE(noMessages());

    setUp(101, "E", "1__CDEF");
    EXPECT_EQ(LastMessage(host).title, "ERREUR ORUCtrl");
    EXPECT_EQ(LastMessage(host).prompt, "Initialisation image outil\r\nType incompatible");
    host.setToolPictureLibrary(nullptr);
    setUp(101, "E", "11_ABCD");
    EXPECT_EQ(LastMessage(host).prompt.rfind("Initialisation image outil\r\n", 0), 0u);
    EXPECT_EQ(host.messages().size(), 2u);
}

}  // namespace
}  // namespace oru::test
