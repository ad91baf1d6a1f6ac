// The tool picture library of the Qt layer: which provider answers for which tool code, the
// drawings and their cutting points, and the tool pictures of the turning panel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "oru/oru.hpp"
#include "oru/qt/toolpictures.hpp"

namespace {

using oru::Widget;

std::string boxes(const oru::Host& host) {
    std::string out;
    for (const oru::Message& m : host.messages())
        out += "[" + m.title + ": " + m.prompt + "] ";
    return out;
}

using oru::ToolFamilyProvider;

struct CodeRow {
    const char* code;
    std::optional<ToolFamilyProvider> provider;  // nullopt: unknown
};
// clang-format off
const CodeRow kCodes[] = {
    {"10_TECHA", ToolFamilyProvider::General},  {"11_TECHA", ToolFamilyProvider::General},
    {"12_TECOP", ToolFamilyProvider::General},  {"13_TECOP", ToolFamilyProvider::General},
    {"15_TIALE", ToolFamilyProvider::General},  {"16_TIALE", ToolFamilyProvider::General},
    {"17_TICOP", ToolFamilyProvider::General},  {"20_TEGOR", ToolFamilyProvider::General},
    {"21_TEGOR", ToolFamilyProvider::General},  {"22_TETRO", ToolFamilyProvider::General},
    {"23_TEPRO", ToolFamilyProvider::General},  {"25_TIGOR", ToolFamilyProvider::General},
    {"26_TFGOR", ToolFamilyProvider::General},  {"30_TEFIL", ToolFamilyProvider::General},
    {"31_TIFIL", ToolFamilyProvider::General},  {"32_TEFIL", ToolFamilyProvider::General},
    {"40_RFORE", ToolFamilyProvider::General},  {"41_RPOIN", ToolFamilyProvider::General},
    {"42_RTARA", ToolFamilyProvider::General},  {"43_RFRAI", ToolFamilyProvider::General},
    {"44_AFORE", ToolFamilyProvider::General},  {"45_ACENT", ToolFamilyProvider::General},
    {"46_APOIN", ToolFamilyProvider::General},  {"47_ATARA", ToolFamilyProvider::General},
    {"48_ALAME", ToolFamilyProvider::General},  {"49_ACHAN", ToolFamilyProvider::General},
    {"52_FORME", ToolFamilyProvider::General},  {"10_TETRP", ToolFamilyProvider::General},
    {"10_TEGAP", ToolFamilyProvider::General},  {"50_MOLET", ToolFamilyProvider::Family50},
    {"55_BUTE",  ToolFamilyProvider::Family55}, {"55_BUTEE_LONGUE", ToolFamilyProvider::Family55},
    // unknown: short, not two digits, families without a drawing
    {"10_TEC",   std::nullopt}, {"",         std::nullopt}, {"A0_TECHA", std::nullopt},
    {"1A_TECHA", std::nullopt}, {"14_TECHA", std::nullopt}, {"51_XXXXX", std::nullopt},
    {"99_TECHA", std::nullopt}, {"-1_TECHA", std::nullopt}, {"1 _TECHA", std::nullopt},
};
// clang-format on

TEST(ToolPictures, EachProviderAnswersForItsOwnFamiliesOnly) {
    oru::qt::ToolPictures lib;
    for (const CodeRow& row : kCodes) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(oru::qt::ToolPictures::providerOf(row.code), row.provider);
        EXPECT_EQ(oru::qt::ToolPictures::knows(row.code), row.provider.has_value());
        for (ToolFamilyProvider which : {ToolFamilyProvider::Family50, ToolFamilyProvider::Family55,
                                         ToolFamilyProvider::General}) {
            std::string code = row.code;
            const std::optional<oru::Picture> pic = lib.create(which)->picture(code);
            EXPECT_EQ(pic.has_value(), row.provider == which);
            EXPECT_EQ(code, row.code) << "the code passed by reference is left alone";
            if (!pic) continue;
            EXPECT_EQ(pic->name(), row.code);
            EXPECT_FALSE(pic->isEmpty());
            ASSERT_TRUE(pic->pixels());
            EXPECT_EQ(pic->pixels()->width, 160);
            EXPECT_EQ(pic->pixels()->height, 160);
            EXPECT_EQ(pic->pixels()->argb.size(), 160u * 160u);
        }
    }
}

// The drawing is transparent around the tool, and the cutting point the sketches aim at lies on
// the tool itself.
TEST(ToolPictures, CuttingPointLiesOnTheDrawnTool) {
    for (const CodeRow& row : kCodes) {
        if (!row.provider) {
            EXPECT_FALSE(oru::qt::ToolPictures::image(row.code)) << row.code;
            EXPECT_FALSE(oru::qt::ToolPictures::cuttingPoint(row.code)) << row.code;
            continue;
        }
        SCOPED_TRACE(row.code);
        const std::optional<QImage> img = oru::qt::ToolPictures::image(row.code);
        const std::optional<QPointF> cut = oru::qt::ToolPictures::cuttingPoint(row.code);
        ASSERT_TRUE(img && cut);
        int transparent = 0;
        for (int y = 0; y < img->height(); ++y)
            for (int x = 0; x < img->width(); ++x)
                transparent += img->pixelColor(x, y).alpha() == 0;
        EXPECT_GT(transparent, img->width() * img->height() / 3);
        ASSERT_TRUE(QRectF(0, 0, 80, 80).contains(*cut));
        // Some opaque pixel within 3 logical pixels of the cutting point.
        bool near = false;
        for (int dy = -6; dy <= 6 && !near; ++dy)
            for (int dx = -6; dx <= 6 && !near; ++dx) {
                const QPoint p(static_cast<int>(cut->x() * 2) + dx,
                               static_cast<int>(cut->y() * 2) + dy);
                near = img->rect().contains(p) && img->pixelColor(p).alpha() > 128;
            }
        EXPECT_TRUE(near);
    }
}

TEST(ToolPictures, LeftHandToolsAreMirrorImages) {
    for (const auto& [right, left] :
         {std::pair{"10_TECHA", "11_TECHA"}, {"12_TECOP", "13_TECOP"}, {"30_TEFIL", "32_TEFIL"}}) {
        const QImage r = oru::qt::ToolPictures::image(right)->mirrored(true, false);
        const QImage l = *oru::qt::ToolPictures::image(left);
        // Alike but for the antialiasing of a few edge pixels.
        int differing = 0;
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x)
                differing += std::abs(r.pixelColor(x, y).alpha() - l.pixelColor(x, y).alpha()) > 96;
        EXPECT_LT(differing, r.width() * r.height() / 100) << right;
        EXPECT_EQ(oru::qt::ToolPictures::cuttingPoint(left)->x(),
                  80 - oru::qt::ToolPictures::cuttingPoint(right)->x());
    }
}

// Installed in a host, the library gives the turning panel its tool pictures: the bar stop on
// the internal picture from the family-55 provider, parting off on the external one.
TEST(ToolPictures, TurningPanelShowsTheDrawnTools) {
    oru::Host host;
    host.setToolPictureLibrary(std::make_shared<oru::qt::ToolPictures>());
    struct Row {
        std::int16_t op;
        const char* tool;
        const char* shown;
        const char* name;
    };
    const Row rows[] = {{100, "12345678", "picOutilTI", "55_BUTE"},
                        {103, "12345678", "picOutilTE", "10_TETRP"},
                        {101, "15_TIALE", "picOutilTI", "15_TIALE"},
                        {101, "14_UNKNOWN", "picOutilTI", ""}};
    for (const Row& r : rows) {
        oru::OperTournage p(host);
        std::vector<double> td(16, 1.0);
        std::vector<std::int16_t> ti = {r.op, 10, 0, 0, 0, 0, 0, 0};
        p.SetOperTour(r.tool, "E", "", td, ti);
        EXPECT_TRUE(host.messages().empty()) << boxes(host);
        host.clearMessages();
        const Widget& w = p.widget(r.shown);
        EXPECT_TRUE(w.visible()) << r.op;
        EXPECT_EQ(w.picture().name(), r.name) << r.op;
        EXPECT_EQ(w.picture().isEmpty(), std::string(r.name).empty()) << r.op;
    }
}

}  // namespace
