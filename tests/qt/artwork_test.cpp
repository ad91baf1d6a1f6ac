// The embedded artwork against the resource catalogue: the same names on both sides, SVG files
// that Qt reads with the nominal view box, and a drawing that is neither blank nor flat for every
// resource at 1x and 2x.
#include <gtest/gtest.h>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QXmlStreamReader>
#include <string>
#include <vector>

#include "oru/qt/artwork.hpp"
#include "oru/resources.hpp"

// Readable failure messages for the Qt geometry types.
void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << " x " << s.height(); }
void PrintTo(const QRectF& r, std::ostream* os) {
    *os << r.x() << " " << r.y() << " " << r.width() << " " << r.height();
}

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

QString svgPath(const std::string& name) {
    return QStringLiteral(":/oru/artwork/") + QString::fromStdString(name) + QStringLiteral(".svg");
}

// The viewBox of the SVG's root element, or an empty rectangle when it has none.
QRectF viewBox(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("svg")) return {};
        const QStringList v =
            xml.attributes().value(QLatin1String("viewBox")).toString().simplified().split(' ');
        if (v.size() != 4) return {};
        return QRectF(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble());
    }
    return {};
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

TEST(Artwork, EachSvgIsReadableWithTheNominalViewBox) {
    for (const Resource& r : catalogue()) {
        const QString path = svgPath(r.name);
        if (!QFile::exists(path)) continue;  // reported by the name comparison
        SCOPED_TRACE(r.name);
        EXPECT_EQ(oru::qt::resourceSize(r.name), r.size);
        EXPECT_EQ(viewBox(path), QRectF(QPointF(0, 0), QSizeF(r.size)));
        QImageReader reader(path, "svg");
        EXPECT_TRUE(reader.canRead()) << reader.errorString().toStdString();
        EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
    }
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

TEST(Artwork, NamesMatchWithoutRegardToCaseAndUnknownNamesGiveNothing) {
    EXPECT_EQ(oru::qt::resourceSize("appro_xyz_on"), QSize(32, 32));
    EXPECT_EQ(oru::qt::resourcePixmap("Arro_1").toImage(),
              oru::qt::resourcePixmap("ARRO_1").toImage());
    EXPECT_TRUE(oru::qt::hasArtwork("avalant"));

    for (const char* unknown : {"", "APPRO_XYZ", "TROU_91_ON", "30005", "ARRO_1.svg"}) {
        SCOPED_TRACE(unknown);
        EXPECT_TRUE(oru::qt::resourceSize(unknown).isEmpty());
        EXPECT_TRUE(oru::qt::resourcePixmap(unknown).isNull());
        EXPECT_TRUE(oru::qt::resourceIcon(unknown).isNull());
    }
}

TEST(Artwork, IconsRenderAtOtherSizes) {
    const QIcon icon = oru::qt::resourceIcon("TROU_42_ON");
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 48, 64}) {
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_GE(coverage(image).colours, 2);
    }
}

}  // namespace
