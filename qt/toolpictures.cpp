// The tool picture library: which drawing, hand and provider each tool code names, and the
// drawing of a tool from its artwork (resources/tools/*.svg). Only what follows from the code is
// written as code: the family and edge tables, the mirror image of a left-hand tool, the quarter
// turn of a radial tool. The shapes themselves are SVG artwork, with their cutting points below.
#include "oru/qt/toolpictures.hpp"

#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "oru/picture.hpp"

// Registers the tool drawings compiled into the library (outside any namespace, as Qt requires).
static void registerToolArtwork() { Q_INIT_RESOURCE(oru_tool_artwork); }

namespace oru::qt {
namespace {

// ---- what each family is --------------------------------------------------------------------

enum class Shape : std::uint8_t {
    Turning,        // 80-degree insert on a square shank
    Copying,        // 35-degree insert
    Grooving,       // blade with a square edge, pointing down
    Parting,        // long narrow blade
    FullRadius,     // blade with a round edge
    Threading,      // 60-degree profile insert
    Boring,         // bar along the axis, insert at its left end
    InnerCopying,   // bar with a 35-degree insert
    InnerGrooving,  // bar with a grooving edge pointing up
    InnerThread,    // bar with a threading edge pointing up
    FaceGrooving,   // blade pointing left along the axis
    AxialDrill,
    AxialCentre,
    AxialSpot,
    AxialTap,
    AxialCounterbore,
    AxialCountersink,
    RadialDrill,
    RadialSpot,
    RadialTap,
    RadialMill,
    Knurling,
    Form,
    BarStop,
};

enum class Hand : std::uint8_t { Right, Left };

struct FamilyRow {
    int family;
    Shape shape;
    Hand hand;
    oru::ToolFamilyProvider provider;
};

using P = oru::ToolFamilyProvider;
// clang-format off
constexpr FamilyRow kFamilies[] = {
    // family shape                    hand         provider
    {10, Shape::Turning,          Hand::Right, P::General},
    {11, Shape::Turning,          Hand::Left,  P::General},
    {12, Shape::Copying,          Hand::Right, P::General},
    {13, Shape::Copying,          Hand::Left,  P::General},
    {15, Shape::Boring,           Hand::Right, P::General},
    {16, Shape::Boring,           Hand::Left,  P::General},
    {17, Shape::InnerCopying,     Hand::Right, P::General},
    {20, Shape::Grooving,         Hand::Right, P::General},
    {21, Shape::Grooving,         Hand::Left,  P::General},
    {22, Shape::Parting,          Hand::Right, P::General},
    {23, Shape::FullRadius,       Hand::Right, P::General},
    {25, Shape::InnerGrooving,    Hand::Right, P::General},
    {26, Shape::FaceGrooving,     Hand::Right, P::General},
    {30, Shape::Threading,        Hand::Right, P::General},
    {31, Shape::InnerThread,      Hand::Right, P::General},
    {32, Shape::Threading,        Hand::Left,  P::General},
    {40, Shape::RadialDrill,      Hand::Right, P::General},
    {41, Shape::RadialSpot,       Hand::Right, P::General},
    {42, Shape::RadialTap,        Hand::Right, P::General},
    {43, Shape::RadialMill,       Hand::Right, P::General},
    {44, Shape::AxialDrill,       Hand::Right, P::General},
    {45, Shape::AxialCentre,      Hand::Right, P::General},
    {46, Shape::AxialSpot,        Hand::Right, P::General},
    {47, Shape::AxialTap,         Hand::Right, P::General},
    {48, Shape::AxialCounterbore, Hand::Right, P::General},
    {49, Shape::AxialCountersink, Hand::Right, P::General},
    {50, Shape::Knurling,         Hand::Right, P::Family50},
    {52, Shape::Form,             Hand::Right, P::General},
    {55, Shape::BarStop,          Hand::Right, P::Family55},
};

// Other cutting edges on the holders of the turning families, named by characters 6 and 7.
struct EdgeRow {
    std::string_view letters;  // compared with the start of characters 6 and 7
    Shape shape;
};
constexpr EdgeRow kEdges[] = {
    {"TR", Shape::Parting},
    {"PR", Shape::FullRadius},
    {"G",  Shape::Grooving},
};
// clang-format on

struct Tool {
    Shape shape;
    Hand hand;
    oru::ToolFamilyProvider provider;
};

std::optional<Tool> parse(std::string_view code) {
    if (code.size() < 7) return std::nullopt;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!digit(code[0]) || !digit(code[1])) return std::nullopt;
    const int family = (code[0] - '0') * 10 + (code[1] - '0');
    for (const FamilyRow& row : kFamilies) {
        if (row.family != family) continue;
        Tool t{row.shape, row.hand, row.provider};
        if (row.shape == Shape::Turning || row.shape == Shape::Copying) {
            const std::string_view edge = code.substr(5, 2);
            for (const EdgeRow& e : kEdges)
                if (edge.starts_with(e.letters)) t.shape = e.shape;
        }
        return t;
    }
    return std::nullopt;
}

// ---- drawing --------------------------------------------------------------------------------

// The artwork of each shape: an SVG file of resources/tools/, drawn for the right hand (a
// left-hand tool is its mirror image, a radial tool the axial drawing turned to point down),
// with the point where it cuts. The drawings are artwork; what follows from the tool code (which
// drawing, which hand, which orientation, which provider) is code.
struct ArtworkRow {
    Shape shape;
    std::string_view file;
    QPointF cut;  // in logical pixels of the right-hand drawing; keep it in step with the file
};
// clang-format off
const ArtworkRow kArtwork[] = {
    {Shape::Turning,          "turning",        {8, 72}},
    {Shape::Copying,          "copying",        {6, 74}},
    {Shape::Grooving,         "grooving",       {40, 78}},
    {Shape::Parting,          "parting",        {40, 78}},
    {Shape::FullRadius,       "full-radius",    {40, 78}},
    {Shape::Threading,        "threading",      {40, 78}},
    {Shape::Boring,           "boring",         {6, 34}},
    {Shape::InnerCopying,     "inner-copying",  {5, 32}},
    {Shape::InnerGrooving,    "inner-grooving", {12, 22}},
    {Shape::InnerThread,      "inner-thread",   {12, 22}},
    {Shape::FaceGrooving,     "face-grooving",  {0, 40}},
    {Shape::AxialDrill,       "drill",          {0, 40}},
    {Shape::AxialCentre,      "centre-drill",   {0, 40}},
    {Shape::AxialSpot,        "spot-drill",     {0, 40}},
    {Shape::AxialTap,         "tap",            {0, 40}},
    {Shape::AxialCounterbore, "counterbore",    {0, 40}},
    {Shape::AxialCountersink, "countersink",    {0, 40}},
    {Shape::RadialDrill,      "drill",          {0, 40}},
    {Shape::RadialSpot,       "spot-drill",     {0, 40}},
    {Shape::RadialTap,        "tap",            {0, 40}},
    {Shape::RadialMill,       "end-mill",       {0, 40}},
    {Shape::Knurling,         "knurling",       {26, 76}},
    {Shape::Form,             "form",           {10, 70}},
    {Shape::BarStop,          "bar-stop",       {0, 40}},
};
// clang-format on

const ArtworkRow& artworkOf(Shape s) {
    for (const ArtworkRow& row : kArtwork)
        if (row.shape == s) return row;
    return kArtwork[0];  // not reached: every shape has a row
}

// The parsed artwork of a shape, read once per file.
QSvgRenderer& rendererOf(Shape s) {
    static std::map<std::string_view, std::unique_ptr<QSvgRenderer>> renderers;
    const std::string_view file = artworkOf(s).file;
    std::unique_ptr<QSvgRenderer>& r = renderers[file];
    static const bool registered = (registerToolArtwork(), true);
    (void)registered;
    if (!r)
        r = std::make_unique<QSvgRenderer>(QStringLiteral(":/oru/tools/") +
                                           QString::fromUtf8(file.data(), qsizetype(file.size())) +
                                           QStringLiteral(".svg"));
    return *r;
}

// Radial tools are the axial drawing turned to point down.
bool radial(Shape s) {
    return s == Shape::RadialDrill || s == Shape::RadialSpot || s == Shape::RadialTap ||
           s == Shape::RadialMill;
}

QTransform orientation(const Tool& t) {
    // Radial tools: the axial drawing turned to point down, (x, y) -> (y, 80 - x).
    if (radial(t.shape)) return QTransform(0, -1, 1, 0, 0, 80);
    // Left-hand tools: the mirror image.
    if (t.hand == Hand::Left) return QTransform(-1, 0, 0, 1, 80, 0);
    return {};
}

std::shared_ptr<const oru::PixelImage> pixels(const QImage& img) {
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    auto out = std::make_shared<oru::PixelImage>();
    out->width = argb.width();
    out->height = argb.height();
    out->argb.resize(static_cast<std::size_t>(argb.width()) *
                     static_cast<std::size_t>(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
        std::copy(line, line + argb.width(),
                  out->argb.begin() + static_cast<std::ptrdiff_t>(y) * argb.width());
    }
    return out;
}

class Provider final : public oru::ToolPictureProvider {
public:
    explicit Provider(oru::ToolFamilyProvider which) : which_(which) {}
    std::optional<oru::Picture> picture(std::string& toolCode) override {
        const std::optional<Tool> tool = parse(toolCode);
        if (!tool || tool->provider != which_) return std::nullopt;
        const std::optional<QImage> img = ToolPictures::image(toolCode);
        if (!img) return std::nullopt;
        return oru::Picture::drawn(toolCode, pixels(*img));
    }

private:
    oru::ToolFamilyProvider which_;
};

}  // namespace

std::unique_ptr<oru::ToolPictureProvider> ToolPictures::create(oru::ToolFamilyProvider which) {
    return std::make_unique<Provider>(which);
}

bool ToolPictures::knows(std::string_view code) { return parse(code).has_value(); }

std::optional<oru::ToolFamilyProvider> ToolPictures::providerOf(std::string_view code) {
    const std::optional<Tool> t = parse(code);
    if (!t) return std::nullopt;
    return t->provider;
}

std::optional<QImage> ToolPictures::image(std::string_view code) {
    const std::optional<Tool> tool = parse(code);
    if (!tool) return std::nullopt;
    QImage img(kLogicalSize * kScale, kLogicalSize * kScale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    p.setTransform(orientation(*tool), true);
    rendererOf(tool->shape).render(&p, QRectF(0, 0, kLogicalSize, kLogicalSize));
    p.end();
    return img;
}

std::optional<QPointF> ToolPictures::cuttingPoint(std::string_view code) {
    const std::optional<Tool> tool = parse(code);
    if (!tool) return std::nullopt;
    return orientation(*tool).map(artworkOf(tool->shape).cut);
}

}  // namespace oru::qt
