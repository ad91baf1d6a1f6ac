// oru_picgen: writes the sample picture folder of the two operation panels.
//
//   oru_picgen --out <folder> [--preview <folder>]
//
// The folder receives every picture the panels can ask for: the turning sketches (.jpg) and the
// thread and plunge pictures (.bmp) in the folder itself, the milling operation and engagement
// pictures in jpeg/, the sample milling tool pictures in bmp/, and INDEX.txt, the list of the
// files written. With --preview, each picture is also written as a PNG with the value boxes
// drawn where the panel lays them over it, to check that boxes and dimensions meet.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "catalog.hpp"
#include "oru/qt/toolpictures.hpp"
#include "sketch.hpp"

namespace {

namespace fs = std::filesystem;
using namespace oru::picgen;

struct Options {
    fs::path out;
    fs::path preview;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--out")
            o.out = argv[i + 1];
        else if (key == "--preview")
            o.preview = argv[i + 1];
        else
            return false;
    }
    return !o.out.empty();
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Removes what an earlier run wrote, as listed in its INDEX.txt; nothing else is touched.
void removePrevious(const fs::path& out) {
    std::ifstream index(out / "INDEX.txt");
    std::string line;
    std::error_code ec;
    while (std::getline(index, line))
        if (!line.empty() && line.find("..") == std::string::npos) fs::remove(out / line, ec);
    index.close();
    fs::remove(out / "INDEX.txt", ec);
}

QImage draw(const Job& job) {
    switch (job.kind) {
        case Kind::Turning:
            return DrawTurning(job);
        case Kind::Thread:
            return DrawThread(job);
        case Kind::Plunge:
            return DrawPlunge(job);
        case Kind::Milling:
            return DrawMilling(job);
        case Kind::Engagement:
            return DrawEngagement(job);
        case Kind::MillingTool:
            return DrawMillingTool(job);
    }
    return {};
}

void put16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A 32-bit BMP with an alpha channel (a version 4 header with bit-field masks), which Qt's own
// BMP writer does not produce: it writes 24 bits and loses the transparency.
bool saveBmpWithAlpha(const QImage& image, const fs::path& file) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const std::uint32_t w = static_cast<std::uint32_t>(img.width());
    const std::uint32_t h = static_cast<std::uint32_t>(img.height());
    const std::uint32_t header = 14 + 108, data = w * h * 4;
    std::string out;
    out.reserve(header + data);
    out += "BM";
    put32(out, header + data);
    put32(out, 0);
    put32(out, header);
    put32(out, 108);  // BITMAPV4HEADER
    put32(out, w);
    put32(out, h);   // bottom-up rows
    put16(out, 1);   // planes
    put16(out, 32);  // bits per pixel
    put32(out, 3);   // BI_BITFIELDS
    put32(out, data);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0x00FF0000);  // red, green, blue and alpha masks
    put32(out, 0x0000FF00);
    put32(out, 0x000000FF);
    put32(out, 0xFF000000);
    put32(out, 0x73524742);     // 'sRGB'
    out.append(36 + 12, '\0');  // end points and gamma, unused with sRGB
    for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(img.constScanLine(y));
        for (std::uint32_t x = 0; x < w; ++x)
            put32(out, line[x]);
    }
    std::ofstream f(file, std::ios::binary);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    f.close();
    return static_cast<bool>(f);
}

bool save(const QImage& image, const fs::path& file) {
    const QString path = QString::fromStdString(file.string());
    if (file.extension() == ".jpg")
        return image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 92);
    // Pictures with a transparent background keep it; the others are 24-bit.
    if (image.hasAlphaChannel() && image.pixelColor(0, 0).alpha() == 0)
        return saveBmpWithAlpha(image, file);
    return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

// The picture with every value box, label and tool picture of its first state drawn where the
// panel puts them.
QImage previewOf(const Job& job, const QImage& image) {
    QRectF area(0, 0, job.widthTwips, job.heightTwips);
    const std::vector<Overlay> none;
    const std::vector<Overlay>& overlays = job.shown.empty() ? none : job.shown.front().overlays;
    for (const Overlay& o : overlays)
        area = area.united(QRectF(o.rect.x, o.rect.y, o.rect.w, o.rect.h));
    const double s = kScale / kPx;
    QImage out(static_cast<int>(area.width() * s) + 1, static_cast<int>(area.height() * s) + 1,
               QImage::Format_ARGB32_Premultiplied);
    out.fill(QColor(0xEF, 0xF0, 0xF1));
    QPainter p(&out);
    p.scale(s, s);
    p.translate(-area.topLeft());
    p.drawImage(QRectF(0, 0, job.widthTwips, job.heightTwips), image);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(150);
    p.setFont(f);
    const std::string tool = job.shown.empty() ? "" : job.shown.front().tool;
    for (const Overlay& o : overlays) {
        const QRectF r(o.rect.x, o.rect.y, o.rect.w, o.rect.h);
        const bool isTool = o.what == "TE" || o.what == "TI";
        if (isTool) {
            if (const auto img = oru::qt::ToolPictures::image(tool)) {
                p.drawImage(r, *img);
                continue;
            }
        }
        p.setPen(QPen(isTool ? QColor(0x25, 0x63, 0xEB) : QColor(0x6B, 0x72, 0x80), 15));
        p.setBrush(isTool ? QColor(0x25, 0x63, 0xEB, 30) : QColor(255, 255, 255, 235));
        p.drawRect(r);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, QString::fromStdString(o.what));
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!parse(argc, argv, opt)) {
        std::fprintf(stderr, "usage: oru_picgen --out <folder> [--preview <folder>]\n");
        return 2;
    }
    // The pictures are drawn into images: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::error_code ec;
    fs::create_directories(opt.out / "jpeg", ec);
    fs::create_directories(opt.out / "bmp", ec);
    if (ec) {
        std::fprintf(stderr, "oru_picgen: cannot create %s\n", opt.out.string().c_str());
        return 1;
    }
    removePrevious(opt.out);

    // The thread and plunge pictures must exist before the panels are driven: their set-ups
    // load them without asking and stop when they are missing. Placeholders do, until the real
    // pictures are drawn below.
    std::vector<Job> rules = ThreadAndPlungePictures();
    for (const Job& job : rules) {
        QImage one(1, 1, QImage::Format_RGB888);
        one.fill(Qt::white);
        one.save(QString::fromStdString((opt.out / job.file).string()), "BMP");
    }

    const std::string folder = opt.out.string() + "/";
    std::vector<Job> jobs = LearnFromPanels(folder);
    // Merge the pictures known by their naming rules (some are never reached by the recorded
    // set-ups), keeping the spelling of the rules.
    std::map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < jobs.size(); ++i)
        byName[lower(jobs[i].file)] = i;
    for (const Job& r : rules) {
        auto it = byName.find(lower(r.file));
        if (it == byName.end()) {
            jobs.push_back(r);
            continue;
        }
        Job& j = jobs[it->second];
        j.file = r.file;
        j.stem = r.stem;
    }
    std::sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) { return a.file < b.file; });

    if (!opt.preview.empty()) fs::create_directories(opt.preview, ec);
    int failed = 0;
    for (const Job& job : jobs) {
        const QImage image = draw(job);
        if (!save(image, opt.out / job.file)) {
            std::fprintf(stderr, "oru_picgen: cannot write %s\n", job.file.c_str());
            ++failed;
        }
        if (!opt.preview.empty()) {
            std::string flat = job.file;
            std::replace(flat.begin(), flat.end(), '/', '_');
            previewOf(job, image)
                .save(QString::fromStdString((opt.preview / (flat + ".png")).string()), "PNG");
        }
    }

    std::ofstream index(opt.out / "INDEX.txt", std::ios::binary);
    for (const Job& job : jobs)
        index << job.file << "\n";
    index.close();
    if (!index) {
        std::fprintf(stderr, "oru_picgen: cannot write INDEX.txt\n");
        return 1;
    }
    std::printf("oru_picgen: %zu pictures written to %s\n", jobs.size(), opt.out.string().c_str());
    return failed == 0 ? 0 : 1;
}
