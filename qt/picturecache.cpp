#include "picturecache.hpp"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

namespace oru::qt {
namespace {

// Enough for every sketch of a session; beyond it the least recently used file is dropped.
constexpr std::size_t kMaxEntries = 64;

}  // namespace

PictureCache& PictureCache::instance() {
    static PictureCache cache;
    return cache;
}

QImage PictureCache::file(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    const QDateTime modified = info.lastModified();
    // The status change time also moves when a file is replaced with its modification time set
    // back (where the system keeps one).
    const QDateTime changed = info.metadataChangeTime();
    const qint64 size = info.size();
    auto& entries = entries_;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->path != path) continue;
        if (it->modified == modified && it->changed == changed && it->size == size) {
            entries.splice(entries.begin(), entries, it);
            return entries.front().image;
        }
        entries.erase(it);
        break;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    ++decodes_;
    entries.push_front({path, modified, changed, size, image});
    while (entries.size() > kMaxEntries)
        entries.pop_back();
    return image;
}

QImage PictureCache::drawn(const PixelImage& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0) return {};
    const auto expected =
        static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height);
    if (pixels.argb.size() < expected) return {};
    QImage image(pixels.width, pixels.height, QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::size_t row =
            static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels.width);
        for (int x = 0; x < pixels.width; ++x)
            line[x] = pixels.argb[row + static_cast<std::size_t>(x)];
    }
    return image;
}

}  // namespace oru::qt
