// The embedded artwork against the resource catalogue: the same names on both sides, and a
// drawing that is neither blank nor flat for every resource at 1x and 2x.
#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QSet>
#include <string>
#include <vector>

#include "oru/qt/artwork.hpp"
#include "oru/resources.hpp"

// Readable failure messages for the Qt geometry types.
void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << " x " << s.height(); }

namespace {

struct Resource {
    std::string name;
    QSize size;
};

// Every name of the catalogue with its nominal size: icons, bitmaps and the toolbox bitmaps,
// which are named by their number.
std::vector<Resource> catalogue() {
    using oru::res::Type;
    std::vector<Resource> all;
    for (std::string_view n : oru::res::names(Type::Icon))
        all.push_back({std::string(n), {oru::res::kIconSize, oru::res::kIconSize}});
    for (std::string_view n : oru::res::names(Type::Bitmap))
        all.push_back({std::string(n), {oru::res::kBitmapSize, oru::res::kBitmapSize}});
    for (const auto& entry : oru::res::toolbox())
        all.push_back(
            {std::string(entry.name), {oru::res::kToolboxWidth, oru::res::kToolboxHeight}});
    return all;
}

TEST(Artwork, CatalogueAndArtworkListTheSameNames) {
    QSet<QString> names;
    for (const Resource& r : catalogue())
        names.insert(QString::fromStdString(r.name));
    const QStringList files = oru::qt::artworkNames();
    const QSet<QString> artwork(files.begin(), files.end());

    QStringList missing = (names - artwork).values();
    QStringList unknown = (artwork - names).values();
    missing.sort();
    unknown.sort();
    EXPECT_TRUE(missing.isEmpty())
        << "catalogue names without an SVG: " << missing.join(' ').toStdString();
    EXPECT_TRUE(unknown.isEmpty())
        << "SVG files that name no resource: " << unknown.join(' ').toStdString();
    EXPECT_EQ(files.size(), artwork.size()) << "two files differ only by letter case";
}

// What a rendering shows: how many pixels are not fully transparent, and how many colours.
struct Coverage {
    int opaque = 0;
    int colours = 0;
};

Coverage coverage(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> seen;
    Coverage c;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb px = argb.pixel(x, y);
            if (qAlpha(px) != 0) ++c.opaque;
            seen.insert(px);
        }
    c.colours = static_cast<int>(seen.size());
    return c;
}

TEST(Artwork, EachResourceRendersAtItsNominalSizeAt1xAnd2x) {
    for (const Resource& r : catalogue()) {
        if (!oru::qt::hasArtwork(r.name)) continue;  // reported by the name comparison
        for (const qreal dpr : {1.0, 2.0}) {
            SCOPED_TRACE(r.name + " at " + std::to_string(static_cast<int>(dpr)) + "x");
            const QPixmap pm = oru::qt::resourcePixmap(r.name, dpr);
            ASSERT_FALSE(pm.isNull());
            EXPECT_EQ(pm.size(), r.size * dpr);
            EXPECT_EQ(pm.devicePixelRatio(), dpr);
            const Coverage c = coverage(pm.toImage());
            EXPECT_GT(c.opaque, 0) << "all transparent";
            EXPECT_GE(c.colours, 2) << "a single colour";
        }
    }
}

}  // namespace
