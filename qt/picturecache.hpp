#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <cstddef>
#include <list>

#include "oru/picture.hpp"

namespace oru::qt {

// Turns model pictures into images. Picture files are decoded with QImage and kept, keyed by
// path, modification and status change times and size, so that a set-up that assigns the same
// file again does not decode it again, while a file changed on disk is read afresh. One cache
// per application, used on the UI thread only.
class PictureCache {
public:
    static PictureCache& instance();

    // The image of a picture file, or a null image for a file that cannot be decoded.
    QImage file(const QString& path);
    // The image of a drawn picture's pixels (null for inconsistent pixels).
    static QImage drawn(const PixelImage& pixels);

    // How many files were decoded so far (for tests and measurements).
    std::size_t decodeCount() const { return decodes_; }
    void clear() { entries_.clear(); }

private:
    PictureCache() = default;
    struct Entry {
        QString path;
        QDateTime modified;
        QDateTime changed;
        qint64 size = 0;
        QImage image;
    };
    std::list<Entry> entries_;  // most recently used first
    std::size_t decodes_ = 0;
};

}  // namespace oru::qt
