// The picture resources a host can list and a toolkit draws, and the lookup recorder that sees
// every picture file a panel looks for.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "oru/lookups.hpp"
#include "oru/oru.hpp"
#include "oru/resources.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

TEST(Resources, NamesMatchWithoutRegardToCaseWithinTheirKind) {
    EXPECT_EQ(res::find("T_Sens_ZmXp", res::Type::Bitmap), "T_SENS_ZMXP");
    EXPECT_EQ(res::find("arro_3", res::Type::Icon), "ARRO_3");
    EXPECT_FALSE(res::find("TROU_91_ON", res::Type::Icon));  // no such cycle
    EXPECT_FALSE(res::find("T_DEG_E2", res::Type::Icon));
    EXPECT_FALSE(res::find("T_DRESSER_3", res::Type::Icon));  // a bitmap
    EXPECT_FALSE(res::find("AVALANT", res::Type::Bitmap));    // an icon
    EXPECT_FALSE(res::find("", res::Type::Icon));
    EXPECT_FALSE(res::find(std::string(100, 'A'), res::Type::Icon));
    EXPECT_EQ(res::names(res::Type::Icon).size(), 103u);
    EXPECT_EQ(res::names(res::Type::Bitmap).size(), 45u);
    EXPECT_EQ(res::toolbox().size(), 5u);
}

TEST(Resources, SizesByKindAndTheToolboxBitmapOfEachControl) {
    const auto size = [](std::string_view name) {
        const auto s = res::sizeOf(name);
        return s ? std::to_string(s->width) + "x" + std::to_string(s->height) : std::string("-");
    };
    EXPECT_EQ(size("deg_zsecu_on"), "32x32");
    EXPECT_EQ(size("T_TRONCONNER_3"), "36x36");
    EXPECT_EQ(size("30000"), "16x15");
    EXPECT_EQ(size("30005"), "-");
    EXPECT_EQ(size("NOTHING"), "-");
    for (const char* control : {"Arrosage", "Avalant", "OperFraisage", "OperTournage", "SensRot"})
        EXPECT_EQ(size(res::toolboxName(control)), "16x15") << control;
    EXPECT_EQ(res::toolboxName("OperFraisage"), "30002");
    EXPECT_EQ(res::toolboxName("OperFraisageWidget"), "");
    EXPECT_FALSE(res::find("30002", res::Type::Bitmap));  // not a panel's bitmap
}

// What a panel puts on a widget is the catalogue's resource: canonical name, kind and size.
TEST(Resources, APanelShowsTheCatalogueResource) {
    Host host;
    Arrosage coolant(host);
    coolant.SetArrosage(arrosage::kCoolant2);
    const Picture& p = coolant.widget("bArro").picture();
    EXPECT_EQ(p.kind(), Picture::Kind::Icon);
    EXPECT_EQ(p.name(), "ARRO_2");
    EXPECT_EQ(p.width(), res::kIconSize);
    EXPECT_EQ(p.height(), res::kIconSize);
}

TEST(LookupRecorder, SeesEveryPathThePanelTestsUntilUninstalled) {
    test::TempDir dir;
    const std::string chbmp = dir.folder();
    dir.writeBmp("bmp/OP_B.bmp");
    dir.writeJpeg("jpeg/OP_J.jpg");
    Host host;
    OperFraisage milling(host);
    milling.chbmp = chbmp;
    std::vector<std::string> seen;
    files::SetLookupRecorder(
        [](std::string_view formed, void* context) {
            static_cast<std::vector<std::string>*>(context)->emplace_back(formed);
        },
        &seen);
    milling.SetOutil("B");  // the JPEG is looked for first, then the BMP that exists
    milling.SetOutil("J");
    files::SetLookupRecorder(nullptr);
    milling.SetOutil("B");  // uninstalled: not seen
    const std::vector<std::string> expected = {chbmp + "jpeg\\OP_B.jpg", chbmp + "bmp\\OP_B.bmp",
                                               chbmp + "jpeg\\OP_J.jpg"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(milling.widget("pOutil").picture().name(), chbmp + "bmp\\OP_B.bmp");
    EXPECT_TRUE(host.messages().empty());
}

}  // namespace
}  // namespace oru
