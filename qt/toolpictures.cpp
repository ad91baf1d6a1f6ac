#include "oru/qt/toolpictures.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <array>
#include <cstdint>
#include <string>

#include "oru/picture.hpp"

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

const QColor kInsert{0x25, 0x63, 0xEB};
const QColor kInsertLine{0x1E, 0x3A, 0x8A};
const QColor kHolder{0x93, 0xC5, 0xFD};

void holder(QPainter& p, const QPolygonF& shape) {
    p.setPen(QPen(kInsertLine, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(kHolder);
    p.drawPolygon(shape);
}
void holder(QPainter& p, const QRectF& r) { holder(p, QPolygonF(r)); }

void insert(QPainter& p, const QPolygonF& shape) {
    p.setPen(QPen(kInsertLine, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(kInsert);
    p.drawPolygon(shape);
}
void insert(QPainter& p, const QPainterPath& shape) {
    p.setPen(QPen(kInsertLine, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(kInsert);
    p.drawPath(shape);
}
void insert(QPainter& p, const QRectF& r) { insert(p, QPolygonF(r)); }

QPolygonF poly(std::initializer_list<QPointF> pts) { return QPolygonF(pts); }

// Every shape is drawn for the right hand; the left hand is its mirror image.
void drawShape(QPainter& p, Shape s) {
    switch (s) {
        case Shape::Turning:
            holder(p, QRectF(38.5, 0.5, 24, 46));
            holder(p, poly({{38.5, 46.5},
                            {62.5, 46.5},
                            {62.5, 56.5},
                            {30.5, 70.5},
                            {20.5, 70.5},
                            {20.5, 60.5}}));
            insert(p, poly({{8, 72}, {18.5, 54.5}, {36.5, 56.5}, {28.5, 72.5}}));
            break;
        case Shape::Copying:
            holder(p, QRectF(38.5, 0.5, 24, 46));
            holder(p, poly({{38.5, 46.5}, {62.5, 46.5}, {62.5, 56.5}, {36.5, 72.5}, {24.5, 72.5}}));
            insert(p, poly({{6, 74}, {34.5, 58.5}, {40.5, 62.5}, {22.5, 73.5}}));
            break;
        case Shape::Grooving:
            holder(p, QRectF(30.5, 0.5, 24, 40));
            holder(p, poly({{30.5, 40.5}, {54.5, 40.5}, {46.5, 60.5}, {36.5, 60.5}}));
            insert(p, QRectF(36, 58, 8, 20));
            break;
        case Shape::Parting:
            holder(p, QRectF(30.5, 0.5, 24, 30));
            holder(p, QRectF(36.5, 30.5, 10, 26));
            insert(p, QRectF(37.5, 56, 5, 22));
            break;
        case Shape::FullRadius: {
            holder(p, QRectF(30.5, 0.5, 24, 40));
            holder(p, poly({{30.5, 40.5}, {54.5, 40.5}, {46.5, 58.5}, {34.5, 58.5}}));
            QPainterPath edge;
            edge.moveTo(34.5, 56);
            edge.lineTo(45.5, 56);
            edge.lineTo(45.5, 72.5);
            edge.arcTo(QRectF(34.5, 67, 11, 11), 0, -180);
            edge.closeSubpath();
            insert(p, edge);
            break;
        }
        case Shape::Threading:
            holder(p, QRectF(30.5, 0.5, 24, 40));
            holder(p, poly({{30.5, 40.5}, {54.5, 40.5}, {50.5, 60.5}, {30.5, 60.5}}));
            insert(p, poly({{31, 60}, {49, 60}, {40, 78}}));
            break;
        case Shape::Boring:
        case Shape::InnerCopying:
            holder(p, QRectF(14.5, 40.5, 66, 12));
            insert(p, s == Shape::Boring
                          ? poly({{6, 34}, {24.5, 36.5}, {22.5, 48.5}, {8.5, 46.5}})
                          : poly({{5, 32}, {26.5, 42.5}, {22.5, 48.5}, {10.5, 46.5}}));
            break;
        case Shape::InnerGrooving:
            holder(p, QRectF(14.5, 40.5, 66, 12));
            holder(p, poly({{8.5, 52.5}, {8.5, 38.5}, {14.5, 38.5}, {20.5, 52.5}}));
            insert(p, QRectF(8, 22, 8, 18));
            break;
        case Shape::InnerThread:
            holder(p, QRectF(14.5, 40.5, 66, 12));
            holder(p, poly({{6.5, 52.5}, {6.5, 40.5}, {20.5, 40.5}, {20.5, 52.5}}));
            insert(p, poly({{5, 40}, {21, 40}, {13, 22}}));
            break;
        case Shape::FaceGrooving:
            holder(p, QRectF(48.5, 22.5, 31, 36));
            holder(p, poly({{30.5, 32.5}, {48.5, 28.5}, {48.5, 52.5}, {30.5, 48.5}}));
            insert(p, QRectF(2, 36, 30, 8));
            break;
        case Shape::AxialDrill:
        case Shape::RadialDrill: {
            holder(p, QRectF(56.5, 28.5, 23, 24));
            QPainterPath body;
            body.moveTo(0, 40);
            body.lineTo(8, 33.5);
            body.lineTo(56.5, 33.5);
            body.lineTo(56.5, 46.5);
            body.lineTo(8, 46.5);
            body.closeSubpath();
            insert(p, body);
            p.setPen(QPen(kInsertLine, 1.0));
            for (double x = 14; x < 52; x += 10)
                p.drawLine(QPointF(x, 46.5), QPointF(x + 7, 33.5));
            break;
        }
        case Shape::AxialCentre:
            holder(p, QRectF(56.5, 28.5, 23, 24));
            insert(p, poly({{0, 40},
                            {6, 37},
                            {14, 37},
                            {22, 31.5},
                            {56.5, 31.5},
                            {56.5, 48.5},
                            {22, 48.5},
                            {14, 43},
                            {6, 43}}));
            break;
        case Shape::AxialSpot:
        case Shape::RadialSpot:
            holder(p, QRectF(56.5, 28.5, 23, 24));
            insert(p, poly({{0, 40}, {9, 31.5}, {56.5, 31.5}, {56.5, 48.5}, {9, 48.5}}));
            break;
        case Shape::AxialTap:
        case Shape::RadialTap: {
            holder(p, QRectF(56.5, 28.5, 23, 24));
            insert(p, poly({{2, 35.5},
                            {40.5, 35.5},
                            {40.5, 33.5},
                            {56.5, 33.5},
                            {56.5, 46.5},
                            {40.5, 46.5},
                            {40.5, 44.5},
                            {2, 44.5}}));
            p.setPen(QPen(kInsertLine, 1.0));
            for (double x = 6; x < 38; x += 4)
                p.drawLine(QPointF(x, 35.5), QPointF(x + 2, 44.5));
            break;
        }
        case Shape::AxialCounterbore:
            holder(p, QRectF(56.5, 28.5, 23, 24));
            insert(p, poly({{0, 36},
                            {6, 36},
                            {6, 28.5},
                            {20.5, 28.5},
                            {20.5, 34.5},
                            {56.5, 34.5},
                            {56.5, 45.5},
                            {20.5, 45.5},
                            {20.5, 51.5},
                            {6, 51.5},
                            {6, 44},
                            {0, 44}}));
            break;
        case Shape::AxialCountersink:
            holder(p, QRectF(56.5, 28.5, 23, 24));
            insert(p, poly({{2, 40},
                            {18.5, 23.5},
                            {26.5, 23.5},
                            {26.5, 34.5},
                            {56.5, 34.5},
                            {56.5, 45.5},
                            {26.5, 45.5},
                            {26.5, 56.5},
                            {18.5, 56.5}}));
            break;
        case Shape::RadialMill:
            holder(p, QRectF(56.5, 28.5, 23, 24));
            insert(p, QRectF(0, 32, 56.5, 16));
            p.setPen(QPen(kInsertLine, 1.0));
            for (double x = 6; x < 30; x += 8)
                p.drawLine(QPointF(x, 48), QPointF(x + 8, 32));
            break;
        case Shape::Knurling:
            holder(p, QRectF(38.5, 0.5, 24, 40));
            holder(p, poly({{38.5, 40.5}, {62.5, 40.5}, {50.5, 60.5}, {30.5, 60.5}}));
            insert(p, QRectF(14, 54, 24, 22));
            p.setPen(QPen(kInsertLine, 1.0));
            for (double x = 16; x < 38; x += 4)
                p.drawLine(QPointF(x, 76), QPointF(x + 4, 54));
            break;
        case Shape::Form:
            holder(p, QRectF(26.5, 0.5, 40, 36));
            insert(p, poly({{10, 70},
                            {10, 52},
                            {18, 44},
                            {26.5, 36.5},
                            {66.5, 36.5},
                            {66.5, 52},
                            {44, 52},
                            {36, 60},
                            {24, 60},
                            {18, 70}}));
            break;
        case Shape::BarStop: {
            holder(p, QRectF(44.5, 26.5, 35, 28));
            QPainterPath stop;
            stop.addRect(QRectF(0, 30, 44.5, 20));
            insert(p, stop);
            insert(p, QRectF(0, 26, 5, 28));
            break;
        }
    }
}

// Radial tools are the axial drawing turned to point down.
bool radial(Shape s) {
    return s == Shape::RadialDrill || s == Shape::RadialSpot || s == Shape::RadialTap ||
           s == Shape::RadialMill;
}

QPointF cutting(Shape s) {
    switch (s) {
        case Shape::Turning:
            return {8, 72};
        case Shape::Copying:
            return {6, 74};
        case Shape::Grooving:
        case Shape::Parting:
        case Shape::FullRadius:
        case Shape::Threading:
            return {40, 78};
        case Shape::Boring:
            return {6, 34};
        case Shape::InnerCopying:
            return {5, 32};
        case Shape::InnerGrooving:
        case Shape::InnerThread:
            return {12, 22};
        case Shape::Knurling:
            return {26, 76};
        case Shape::Form:
            return {10, 70};
        default:  // axial tools and the bar stop: the middle of the left side
            return {0, 40};
    }
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
    drawShape(p, tool->shape);
    p.end();
    return img;
}

std::optional<QPointF> ToolPictures::cuttingPoint(std::string_view code) {
    const std::optional<Tool> tool = parse(code);
    if (!tool) return std::nullopt;
    return orientation(*tool).map(cutting(tool->shape));
}

}  // namespace oru::qt
