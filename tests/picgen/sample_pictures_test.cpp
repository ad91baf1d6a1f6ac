// The sample picture folder written by the build (tools/picgen), used by both panels through
// every operation type, profile and option they offer.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
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

// Where a widget stands on its panel, in twips.
QRect placeOf(const Widget& w) {
    QRect r(w.left(), w.top(), w.width(), w.height());
    for (const Widget* f = w.container(); f != nullptr; f = f->container())
        r.translate(f->left(), f->top());
    return r;
}

// The picture a widget shows, read once.
const QImage& imageOf(const Widget& picture) {
    static std::map<std::string, QImage> cache;
    const std::string& path = picture.picture().nativePath();
    auto it = cache.find(path);
    if (it == cache.end()) it = cache.emplace(path, QImage(QString::fromStdString(path))).first;
    return it->second;
}

// Whether a dimension line of the sketch meets the box (or, for a box beside the picture, runs
// out of the picture's side towards it): a pixel of the dimension colour in a band around the
// part of the box that lies over the picture, or along the picture's edge facing the box.
bool dimensionMeets(const Widget& picture, const Widget& box) {
    const QImage& img = imageOf(picture);
    const QRect p = placeOf(picture), b = placeOf(box);
    const double s = img.width() / static_cast<double>(p.width());  // pixels per twip
    QRect r(static_cast<int>((b.x() - p.x()) * s), static_cast<int>((b.y() - p.y()) * s),
            static_cast<int>(b.width() * s), static_cast<int>(b.height() * s));
    QRect band = r.adjusted(-12, -12, 12, 12).intersected(img.rect());
    if (band.isEmpty()) return true;  // beside the picture: nothing to meet
    if (!img.rect().contains(r.center())) band = band.adjusted(-12, 0, 0, 0);
    const QColor dim(0x4B, 0x55, 0x63);
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            if (r.contains(x, y)) continue;
            const QColor c = img.pixelColor(x, y);
            if (std::abs(c.red() - dim.red()) < 40 && std::abs(c.green() - dim.green()) < 40 &&
                std::abs(c.blue() - dim.blue()) < 40)
                return true;
        }
    return false;
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

// Each kind of picture has the aspect of the widget that shows it, drawn at twice its size.
TEST(SamplePictures, SizedForTheirWidgetsAtTwiceTheScale) {
    struct Row {
        std::string_view prefix, suffix;
        int width, height;
    };
    const Row rows[] = {
        {"T_", ".jpg", 760, 624},           {"Filet_", ".bmp", 488, 264},
        {"T_POCHE_P", ".bmp", 378, 186},    {"jpeg/CONT_C_", ".jpg", 318, 320},
        {"bmp/OP_", ".bmp", 160, 160},      {"jpeg/POCHE_E_B", ".jpg", 320, 320},
        {"jpeg/CONT_F_", ".jpg", 666, 380},
    };
    for (const Row& r : rows) {
        int seen = 0;
        for (const std::string& file : indexLines()) {
            if (!file.starts_with(r.prefix) || !file.ends_with(r.suffix)) continue;
            const QSize size = QImageReader(QString::fromStdString(kFolder + file)).size();
            EXPECT_EQ(size, QSize(r.width, r.height)) << file;
            ++seen;
        }
        EXPECT_GT(seen, 0) << r.prefix;
    }
}

// Every file is a drawing, not a blank or a placeholder: the part (or the tool) and, in the
// sketches of an operation, a cutting move.
TEST(SamplePictures, EveryPictureShowsAPartAndACuttingMove) {
    const auto near = [](const QColor& c, int r, int g, int b) {
        return std::abs(c.red() - r) < 24 && std::abs(c.green() - g) < 24 &&
               std::abs(c.blue() - b) < 24;
    };
    for (const std::string& file : indexLines()) {
        const QImage img(QString::fromStdString(kFolder + file));
        ASSERT_FALSE(img.isNull()) << file;
        int body = 0, moves = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2) {
                const QColor c = img.pixelColor(x, y);
                body += near(c, 0xB8, 0xBE, 0xC6) || near(c, 0x25, 0x63, 0xEB);
                moves += near(c, 0x11, 0x18, 0x27);
            }
        const int samples = (img.width() / 2) * (img.height() / 2);
        EXPECT_GT(body, samples / 50) << file;
        if (!file.starts_with("bmp/OP_")) {
            EXPECT_GT(moves, 20) << file;
        }
    }
}

TEST(SamplePictures, ToolPicturesKeepTheirTransparency) {
    for (const std::string& file : indexLines()) {
        if (!file.starts_with("bmp/OP_")) continue;
        const QImage img(QString::fromStdString(kFolder + file));
        ASSERT_FALSE(img.isNull()) << file;
        EXPECT_TRUE(img.hasAlphaChannel()) << file;
        EXPECT_EQ(img.pixelColor(0, 0).alpha(), 0) << file;
    }
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
        // The value boxes and stock labels laid over the sketch meet their dimensions.
        const Widget& oper = p.widget("picOper");
        if (loaded(oper)) {
            std::vector<const Widget*> over;
            for (int i = 0; i < 8; ++i)
                over.push_back(&p.widget("tbPara", i));
            for (const char* label : {"tDiamBrut", "tXBrut", "tZBrut"})
                over.push_back(&p.widget(label));
            for (const Widget* w : over) {
                if (!w->visible() || !placeOf(*w).intersects(placeOf(oper))) continue;
                EXPECT_TRUE(dimensionMeets(oper, *w))
                    << w->fullName() << " meets no dimension in " << oper.picture().name();
            }
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

// The threading details page loads the thread picture of each thread type it offers.
TEST_F(TurningPictures, ThreadTypeButtonsFindTheirThreadPictures) {
    for (const char* profil : {"E", "I"})
        for (int direction = 0; direction < 2; ++direction) {
            const std::string tool = profil == std::string("I") ? "31_TIFIL" : "30_TEFIL";
            auto p = setUp(130, profil, "M", 0, 1, 0, 40, 20, tool);
            if (direction == 1) p->widget("bSens").click();
            p->widget("bFiletage").click();
            EXPECT_TRUE(dimensionMeets(p->widget("picFilet"), p->widget("tbPara", 2)))
                << "thread depth";
            for (int i = 0; i < 4; ++i) {
                p->widget("bAppro", i).click();
                SCOPED_TRACE(std::string(profil) + " button " + std::to_string(i));
                EXPECT_TRUE(host.messages().empty()) << boxes(host);
                EXPECT_TRUE(loaded(p->widget("picFilet")));
            }
            p->widget("bFiletage").click();
            expectPictures(*p, "back to the general page");
        }
}

// ---- milling panel --------------------------------------------------------------------------

// clang-format off
const std::int16_t kMillingTypes[] = {
    10, 11, 12, 15, 16, 20, 21, 22, 23, 25,
    30, 31, 40, 41, 42, 43, 44, 45, 51, 55, 60, 61, 62, 64, 65,
    70, 71, 72, 73, 74, 75, 80, 84, 85,
};
// clang-format on
const std::vector<double> kValues = {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 12, 10};
constexpr std::int16_t kAttrImages[] = {0, 3, 4};  // picture variants
constexpr std::int16_t kClosed[] = {0, -1};        // open and closed profiles
constexpr std::int16_t kSweeps[] = {1, 2, 3};      // facing sweep modes

TEST(MillingPictures, EveryTypeThroughOrBlindAndPictureVariantFindsItsPicture) {
    for (std::int16_t type : kMillingTypes)
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
                for (int i = 0; i < 8; ++i) {
                    const Widget& box = p.widget("tbVal", i);
                    const QRect place = placeOf(box), pic = placeOf(p.widget("pPasses"));
                    if (!box.visible() || place.center().y() >= pic.bottom()) continue;
                    EXPECT_TRUE(dimensionMeets(p.widget("pPasses"), box)) << box.fullName();
                }
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

TEST(MillingPictures, EveryEngagementShownHasItsPicture) {
    int shown = 0;
    for (std::int16_t type : kMillingTypes)
        for (std::int16_t closed : kClosed)
            for (std::int16_t sweep : kSweeps)
                for (std::int16_t k = 0; k < 8; ++k) {
                    oru::Host host;
                    oru::OperFraisage p(host);
                    p.chbmp = kFolder;
                    p.Typoper = type;
                    p.SetPasses("FR10", kValues);
                    std::int16_t entry = k;
                    p.SetAccostage(entry, 2, 3, 1, 45, sweep, closed);
                    if (!host.messages().empty()) continue;  // past the end of the list
                    if (!p.widget("pAccoste").visible() || !p.widget("cAccostage").visible())
                        continue;
                    SCOPED_TRACE(std::to_string(type) + " closed " + std::to_string(closed) +
                                 " sweep " + std::to_string(sweep) + " entry " + std::to_string(k));
                    EXPECT_TRUE(loaded(p.widget("imgAccoste")));
                    for (const char* name : {"tbGardeAcc", "tbGardeDeg", "tbRecouvre"}) {
                        const Widget& box = p.widget(name);
                        if (!box.visible() ||
                            !placeOf(box).intersects(placeOf(p.widget("imgAccoste"))))
                            continue;
                        EXPECT_TRUE(dimensionMeets(p.widget("imgAccoste"), box)) << name;
                    }
                    if (type == 12) {  // the sweep button changes the picture too
                        p.widget("bSurf").click();
                        EXPECT_TRUE(host.messages().empty()) << boxes(host);
                        EXPECT_TRUE(loaded(p.widget("imgAccoste")));
                    }
                    ++shown;
                }
    EXPECT_GT(shown, 100);
}

TEST(MillingPictures, SampleToolNamesHaveTheirPictures) {
    int tools = 0;
    for (const std::string& file : indexLines()) {
        if (!file.starts_with("bmp/OP_")) continue;
        const std::string name = file.substr(7, file.size() - 11);
        oru::Host host;
        oru::OperFraisage p(host);
        p.chbmp = kFolder;
        p.SetOutil(name);
        EXPECT_TRUE(loaded(p.widget("pOutil"))) << name;
        EXPECT_TRUE(host.messages().empty()) << boxes(host);
        ++tools;
    }
    EXPECT_GE(tools, 5);
}

}  // namespace
