// The sample picture folder written by the build (tools/picgen), used by both panels through
// every operation type, profile and option they offer.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "oru/oru.hpp"
#include "oru/qt/toolpictures.hpp"
#include "support/test_support.hpp"

namespace {

namespace fs = std::filesystem;
using oru::Panel;
using oru::Widget;

const std::string kFolder = std::string(ORU_SAMPLE_PICTURES_DIR) + "/";

std::string boxes(const oru::Host& host) {
    std::string out;
    for (const oru::Message& m : host.messages())
        out += "[" + m.title + ": " + m.prompt + "] ";
    return out;
}

// A picture the panel loaded from the folder, as opposed to an empty one.
bool loaded(const Widget& w) {
    return w.picture().kind() == oru::Picture::Kind::File && !w.picture().isEmpty();
}

// ---- the folder itself ----------------------------------------------------------------------

std::vector<std::string> indexLines() {
    std::ifstream in(kFolder + "INDEX.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(SamplePictures, IndexListsExactlyTheFilesWritten) {
    const std::vector<std::string> lines = indexLines();
    ASSERT_FALSE(lines.empty());
    std::set<std::string> listed(lines.begin(), lines.end());
    EXPECT_EQ(listed.size(), lines.size()) << "a file is listed twice";
    std::set<std::string> onDisk;
    for (const auto& e : fs::recursive_directory_iterator(kFolder))
        if (e.is_regular_file()) onDisk.insert(fs::relative(e.path(), kFolder).generic_string());
    onDisk.erase("INDEX.txt");
    EXPECT_EQ(listed, onDisk);
}

// ---- turning panel --------------------------------------------------------------------------

// The set-ups of one operation: each profile with each option value its rules give a meaning.
struct TurningCase {
    std::vector<std::int16_t> ops;
    std::string_view profiles;
    std::vector<std::int16_t> options;   // ti(7)
    std::vector<std::int16_t> variants;  // ti(6): groove, plunge mode
    std::vector<std::int16_t> toAxis;    // ti(3)
    std::vector<double> stock;           // td(2)
    std::vector<double> mainDiameter;    // td(12)
    std::string_view threadTypes = "";
    std::string tool = "10_TECHA";
};

// clang-format off
const TurningCase kTurning[] = {
    {{100},                "EIBF", {0},          {0},    {0},    {40},    {30}},
    {{101},                "EIBF", {0, 1, 2},    {0},    {0},    {40},    {30}},
    {{101},                "EB",   {2},          {0},    {0},    {40},    {30}, "", "11_TECHA"},
    {{102},                "EIBF", {0, 1, 3, 4}, {0},    {0},    {0, 40}, {30}},
    {{103},                "EIBF", {0, 2, 3},    {0},    {0},    {0, 40}, {0}},
    {{104},                "EIBF", {0},          {0},    {0},    {40},    {0}},
    {{105},                "EIBF", {0},          {0},    {0},    {40},    {0, 8}},
    {{110},                "EIBF", {0, 1},       {0, 1}, {3, 4}, {40},    {30}},
    {{111},                "EIB",  {0, 1},       {0, 1}, {3, 4}, {40},    {30}},
    {{112, 113},           "EIBF", {0},          {0, 1}, {0},    {40},    {-30}},
    {{120, 121, 122},      "EIBF", {0},          {0},    {0},    {40},    {30}, "", "20_TEGAR"},
    {{123, 124},           "EIBF", {0},          {0},    {0},    {40},    {30}, "", "20_TEGAR"},
    {{123, 124},           "EIF",  {0},          {0},    {0},    {40},    {30}, "", "20_TETRP"},
    {{130},                "EIB",  {0, 1},       {1},    {0, 1}, {40},    {20}, "MGTR"},
    {{140, 141, 142, 143, 144, 145, 146, 147, 148, 149},
                           "EF",   {0, 1, 2},    {0},    {0},    {40},    {8}},
    {{140, 142, 145, 147}, "IB",   {2},          {0},    {0},    {40},    {8}},
    {{150, 170},           "EIBF", {0},          {0},    {0},    {40},    {8}},
    {{180},                "EF",   {0, 1, 2},    {0},    {0},    {40},    {10}, "M"},
    {{180},                "IB",   {0},          {0},    {0},    {40},    {10}, "M"},
};
// clang-format on

class TurningPictures : public ::testing::Test {
protected:
    TurningPictures() {
        host.setToolPictureLibrary(std::make_shared<oru::qt::ToolPictures>());
        for (const char* name : {"Filet_E.dat", "Filet_I.dat"}) {
            std::ifstream in(std::string(ORU_DATA_DIR) + "/threads/" + name, std::ios::binary);
            std::stringstream bytes;
            bytes << in.rdbuf();
            tables.writeText(std::string("user/") + name, bytes.str());
        }
    }

    std::unique_ptr<oru::OperTournage> setUp(std::int16_t op, const std::string& profil,
                                             const std::string& threadType, std::int16_t option,
                                             std::int16_t variant, std::int16_t toAxis,
                                             double stock, double diameter,
                                             const std::string& tool) {
        auto panel = std::make_unique<oru::OperTournage>(host);
        panel->chbmp = kFolder;
        panel->DirSld = tables.folder();
        std::vector<double> td = {2,   2,   stock, 5,  1,        1,   2,  0.5,
                                  0.3, 0.2, 1,     90, diameter, 1.5, 12, 25};
        std::vector<std::int16_t> ti = {op, 10, 0, toAxis, 0, 0, variant, option};
        panel->SetOperTour(tool, profil, threadType, td, ti);
        return panel;
    }

    // Whatever the panel shows after a step: no message box, an operation sketch, a thread or
    // plunge picture where one is shown, and the tool picture the library draws.
    void expectPictures(oru::OperTournage& p, const std::string& step) {
        SCOPED_TRACE(step);
        EXPECT_TRUE(host.messages().empty()) << boxes(host);
        host.clearMessages();
        EXPECT_TRUE(loaded(p.widget("picOper"))) << "no operation sketch";
        const Widget& filet = p.widget("picFilet");
        if (filet.visible()) {
            EXPECT_TRUE(loaded(filet)) << "no thread or plunge picture";
        }
        const Widget& te = p.widget("picOutilTE");
        const Widget& ti = p.widget("picOutilTI");
        EXPECT_TRUE(te.visible() != ti.visible());
        EXPECT_FALSE((te.visible() ? te : ti).picture().isEmpty()) << "no tool picture";
    }

    // Every button that changes a picture, clicked in turn, twice each.
    void clickThrough(oru::OperTournage& p, const std::string& name) {
        for (const char* button : {"bSens", "bUsAxe", "bGorge"})
            for (int i = 0; i < 3; ++i)
                if (p.widget(button).visible()) {
                    p.widget(button).click();
                    expectPictures(p, name + " " + button + " click " + std::to_string(i + 1));
                }
        for (int i = 0; i < 4; ++i)
            if (p.widget("bTrou", i).visible()) {
                p.widget("bTrou", i).click();
                expectPictures(p, name + " bTrou(" + std::to_string(i) + ")");
            }
    }

    oru::Host host;
    oru::test::TempDir tables;
};

TEST_F(TurningPictures, EveryOperationProfileAndOptionFindsItsPictures) {
    int setups = 0;
    for (const TurningCase& c : kTurning)
        for (std::int16_t op : c.ops)
            for (char prof : c.profiles)
                for (char tf : c.threadTypes.empty() ? std::string_view(" ") : c.threadTypes)
                    for (std::int16_t opt : c.options)
                        for (std::int16_t v : c.variants)
                            for (std::int16_t a : c.toAxis)
                                for (double s : c.stock)
                                    for (double d : c.mainDiameter) {
                                        const std::string profil(1, prof);
                                        const std::string type =
                                            tf == ' ' ? "" : std::string(1, tf);
                                        std::ostringstream name;
                                        name << op << " " << profil << " type '" << type
                                             << "' ti7=" << opt << " ti6=" << v << " ti3=" << a
                                             << " stock=" << s << " d=" << d << " " << c.tool;
                                        auto p = setUp(op, profil, type, opt, v, a, s, d, c.tool);
                                        expectPictures(*p, name.str());
                                        clickThrough(*p, name.str());
                                        ++setups;
                                    }
    EXPECT_GT(setups, 300);
}

// ---- milling panel --------------------------------------------------------------------------

const std::vector<double> kValues = {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 12, 10};
constexpr std::int16_t kAttrImages[] = {0, 3, 4};  // picture variants

TEST(MillingPictures, EveryTypeThroughOrBlindAndPictureVariantFindsItsPicture) {
    for (std::int16_t type : oru::test::kMillingTypes)
        for (bool through : {false, true})
            for (std::int16_t attr : kAttrImages) {
                SCOPED_TRACE(std::to_string(type) + (through ? " through" : " blind") +
                             " AttrImage " + std::to_string(attr));
                oru::Host host;
                oru::OperFraisage p(host);
                p.chbmp = kFolder;
                p.Typoper = type;
                p.debouchant = through;
                p.AttrImage = attr;
                p.SetPasses("FR10", kValues);
                EXPECT_TRUE(host.messages().empty()) << boxes(host);
                EXPECT_TRUE(loaded(p.widget("pPasses")));
                EXPECT_TRUE(loaded(p.widget("pOutil")));
                // Every other cycle of the hole family.
                if (type < 30) continue;
                for (int i = 0; i < 6; ++i) {
                    Widget& b = p.widget("bTrou", i);
                    if (!b.enabled()) continue;
                    b.click();
                    EXPECT_TRUE(host.messages().empty()) << "bTrou " << i << ": " << boxes(host);
                    EXPECT_TRUE(loaded(p.widget("pPasses"))) << "bTrou " << i;
                }
            }
}

}  // namespace
