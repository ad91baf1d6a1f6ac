// Contact sheet of the picture resources: every name of the catalogue drawn at 1x and 2x with its
// name under it, grouped by family, into one PNG, so that the whole set can be reviewed at once.
// Names without artwork show the renderer's placeholder tile.
//
//   QT_QPA_PLATFORM=offscreen oru_contact_sheet [output.png]     (default docs/resources.png)
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "oru/qt/artwork.hpp"
#include "oru/resources.hpp"

namespace {

// The families of the sheet, in order: a resource belongs to the first family whose prefix its
// name starts with (within its kind). The last row of each kind catches the rest.
struct Family {
    oru::res::Type type;
    std::string_view prefix;
    std::string_view title;
};

// clang-format off
constexpr Family kFamilies[] = {
    {oru::res::Type::Icon,   "APPRO_",      "Milling approach"},
    {oru::res::Type::Icon,   "DEG_",        "Milling final retract"},
    {oru::res::Type::Icon,   "TROU_",       "Hole cycles (tens digit: family, units digit: cycle)"},
    {oru::res::Type::Icon,   "EXTBRUT_",    "Stock extension"},
    {oru::res::Type::Icon,   "SURF_",       "Facing sweep"},
    {oru::res::Type::Icon,   "AVALANT",     "Climb / conventional milling"},
    {oru::res::Type::Icon,   "OPPOSITION",  "Climb / conventional milling"},
    {oru::res::Type::Icon,   "SROT_",       "Rotation direction (T spindle, F rotating tool)"},
    {oru::res::Type::Icon,   "ARRO_",       "Coolant"},
    {oru::res::Type::Icon,   "FILET_",      "Thread type"},
    {oru::res::Type::Icon,   "T_APPRO_",    "Turning approach"},
    {oru::res::Type::Icon,   "T_DEG_",      "Turning retract"},
    {oru::res::Type::Icon,   "",            "Other icons"},
    {oru::res::Type::Bitmap, "T_SENS_",     "Turning machining directions"},
    {oru::res::Type::Bitmap, "",            "Turning options"},
};
// clang-format on

constexpr int kColumns = 8;
constexpr int kCellWidth = 150;
constexpr int kCellHeight = 104;
constexpr int kMargin = 16;
constexpr int kTitleHeight = 28;

struct Group {
    std::string title;
    std::vector<std::string> names;
};

std::vector<Group> groups() {
    std::vector<Group> out;
    auto groupFor = [&out](std::string_view title) -> Group& {
        for (Group& g : out)
            if (g.title == title) return g;
        out.push_back({std::string(title), {}});
        return out.back();
    };
    for (const Family& fam : kFamilies)
        groupFor(fam.title);
    for (auto type : {oru::res::Type::Icon, oru::res::Type::Bitmap}) {
        for (std::string_view name : oru::res::names(type)) {
            for (const Family& fam : kFamilies) {
                if (fam.type == type && name.starts_with(fam.prefix)) {
                    groupFor(fam.title).names.emplace_back(name);
                    break;
                }
            }
        }
    }
    Group& toolbox = groupFor("Toolbox (host design tools)");
    for (const auto& entry : oru::res::toolbox())
        toolbox.names.emplace_back(entry.name);
    std::erase_if(out, [](const Group& g) { return g.names.empty(); });
    return out;
}

void drawCell(QPainter& p, int x, int y, const std::string& name) {
    const QColor frame(0xe5, 0xe7, 0xeb);
    int left = x + 8;
    const int base = y + 8;
    for (qreal dpr : {1.0, 2.0}) {
        const QPixmap pm = oru::qt::resourcePixmap(name, dpr);
        const QSize logical = oru::qt::resourceSize(name) * dpr;
        // The pixmap is drawn pixel for pixel: a 2x pixmap takes twice the room of the 1x one.
        p.setPen(frame);
        p.drawRect(left - 1, base - 1, logical.width() + 1, logical.height() + 1);
        QImage pixels = pm.toImage();
        pixels.setDevicePixelRatio(1.0);
        p.drawImage(QPoint(left, base), pixels);
        left += logical.width() + 10;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(0x11, 0x18, 0x27));
    p.drawText(QRect(x + 4, y + kCellHeight - 22, kCellWidth - 8, 16),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(name));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString output =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/resources.png");

    const std::vector<Group> sheet = groups();
    int height = kMargin;
    for (const Group& g : sheet)
        height += kTitleHeight +
                  ((static_cast<int>(g.names.size()) + kColumns - 1) / kColumns) * kCellHeight;
    height += kMargin;

    QImage image(2 * kMargin + kColumns * kCellWidth, height, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::white);
    QPainter p(&image);

    int y = kMargin;
    for (const Group& g : sheet) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x1e, 0x3a, 0x8a));
        p.drawText(QRect(kMargin, y, kColumns * kCellWidth, kTitleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(g.title));
        y += kTitleHeight;
        for (std::size_t i = 0; i < g.names.size(); ++i) {
            const int col = static_cast<int>(i % kColumns);
            const int row = static_cast<int>(i / kColumns);
            drawCell(p, kMargin + col * kCellWidth, y + row * kCellHeight, g.names[i]);
        }
        y += ((static_cast<int>(g.names.size()) + kColumns - 1) / kColumns) * kCellHeight;
    }
    p.end();

    if (!image.save(output)) {
        std::fprintf(stderr, "oru_contact_sheet: cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s\n", qPrintable(output));
    return 0;
}
