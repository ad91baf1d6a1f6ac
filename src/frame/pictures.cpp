#include "frame/pictures.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "frame/failures.hpp"
#include "frame/files.hpp"

namespace oru::pict {
namespace {

struct Size {
    int width = 0;
    int height = 0;
};

std::uint32_t le16(const unsigned char* p) { return p[0] | (p[1] << 8); }
std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint32_t be16(const unsigned char* p) { return (p[0] << 8) | p[1]; }

// The bytes of an open picture file: the first block is read at once (the whole of a small
// picture, the headers of a large one); bytes beyond it are read where they lie.
class Bytes {
public:
    Bytes(const os::File& file, std::uintmax_t size) : file_(file), size_(size) {
        const std::ptrdiff_t n = file_.readAt(0, first_.data(), first_.size());
        failed_ = n < 0;
        got_ = n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    std::uintmax_t size() const { return size_; }
    // Whether the system failed a read (rather than the file being short).
    bool failed() const { return failed_; }
    // Copies n bytes at pos into out; false when the file does not hold them.
    bool read(std::uintmax_t pos, unsigned char* out, std::size_t n) const {
        if (pos + n > size_) return false;
        if (pos + n <= got_) {
            std::memcpy(out, first_.data() + pos, n);
            return true;
        }
        const std::ptrdiff_t r = file_.readAt(pos, out, n);
        failed_ = failed_ || r < 0;
        return r == static_cast<std::ptrdiff_t>(n);
    }

private:
    const os::File& file_;
    std::uintmax_t size_;
    std::size_t got_ = 0;
    mutable bool failed_ = false;
    std::array<unsigned char, 4096> first_{};
};

// Checks a BMP header: file header, a known info header, sane size, planes and depth, pixel
// data inside the file.
bool readBmp(const Bytes& in, Size& size) {
    std::array<unsigned char, 30> h{};
    if (!in.read(0, h.data(), h.size())) return false;
    if (h[0] != 'B' || h[1] != 'M') return false;
    const std::uint32_t dataOffset = le32(&h[10]);
    const std::uint32_t infoSize = le32(&h[14]);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bits = 0;
    if (infoSize == 12) {
        width = le16(&h[18]);
        height = le16(&h[20]);
        planes = le16(&h[22]);
        bits = le16(&h[24]);
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
               infoSize == 108 || infoSize == 124) {
        width = static_cast<std::int32_t>(le32(&h[18]));
        height = static_cast<std::int32_t>(le32(&h[22]));
        planes = le16(&h[26]);
        bits = le16(&h[28]);
    } else {
        return false;
    }
    if (height < 0) height = -height;  // top-down rows
    const bool depthOk =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (planes != 1 || !depthOk || width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return false;
    if (dataOffset < 14 + infoSize || dataOffset >= in.size()) return false;
    size = {static_cast<int>(width), static_cast<int>(height)};
    return true;
}

// Walks the JPEG markers up to the first frame header, every segment length checked against
// the file.
bool readJpeg(const Bytes& in, Size& size) {
    std::array<unsigned char, 3> soi{};
    if (in.size() < 4 || !in.read(0, soi.data(), 3)) return false;
    if (soi[0] != 0xFF || soi[1] != 0xD8 || soi[2] != 0xFF) return false;
    std::uintmax_t pos = 2;
    for (int guard = 0; guard < 100000; ++guard) {
        std::array<unsigned char, 9> m{};
        if (!in.read(pos, m.data(), 4)) return false;
        if (m[0] != 0xFF) return false;
        const unsigned marker = m[1];
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xD8 || marker == 0xD9 || marker == 0xDA) return false;  // no frame first
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            pos += 2;
            continue;
        }
        const std::uint32_t length = be16(&m[2]);
        if (length < 2 || pos + 2 + length > in.size()) return false;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8 || !in.read(pos + 4, &m[4], 5)) return false;
            const int height = static_cast<int>(be16(&m[5]));
            const int width = static_cast<int>(be16(&m[7]));
            if (width == 0 || height == 0) return false;
            size = {width, height};
            return true;
        }
        pos += 2 + length;
    }
    return false;
}

// What the header check of a picture file found, kept with the file while it is unchanged.
struct Header {
    bool valid = false;
    Size size;
    std::size_t bytes() const { return sizeof(Header); }
};

// Reads the picture the panel formed as `formed`, found on disk as `file`. The size known from
// the lookup bounds every read; a file changed in between reads short and is no picture. The
// file is opened only when its header check is not known for its present stamp.
Picture LoadFound(std::string_view formed, const files::FoundFile& file) {
    const auto header = files::Shared<Header>(file, [&] {
        os::File f;
        const os::OpenFault fault = f.open(file.path);
        if (fault == os::OpenFault::NotFound) fail::fileNotFound(formed);
        if (fault != os::OpenFault::None) fail::invalidPicture(formed);
        const Bytes bytes(f, file.size);
        auto h = std::make_shared<Header>();
        h->valid = readBmp(bytes, h->size) || readJpeg(bytes, h->size);
        // A read the system failed says nothing of the file: nothing is kept of it.
        if (bytes.failed()) fail::invalidPicture(formed);
        return std::shared_ptr<const Header>(std::move(h));
    });
    if (!header->valid) fail::invalidPicture(formed);
    return Picture(Picture::Kind::File, std::string(formed), file.path, header->size.width,
                   header->size.height);
}

// The first of the two files that exists, as a picture; the empty picture when neither does.
Picture FirstOf(const std::string& first, const std::string& second) {
    if (auto found = files::FindFile(first)) return LoadFound(first, *found);
    if (auto found = files::FindFile(second)) return LoadFound(second, *found);
    return LoadPicture();
}

}  // namespace

Picture LoadPicture(std::string_view path) {
    const auto found = files::LocateFile(path);
    if (!found) fail::fileNotFound(path);
    return LoadFound(path, *found);
}

Picture FolderPicture(std::string_view folder, std::string_view stem) {
    std::string jpeg;
    jpeg.reserve(folder.size() + stem.size() + 9);
    jpeg.append(folder).append("jpeg\\").append(stem).append(".jpg");
    std::string bmp;
    bmp.reserve(folder.size() + stem.size() + 8);
    bmp.append(folder).append("bmp\\").append(stem).append(".bmp");
    return FirstOf(jpeg, bmp);
}

Picture JpegOrBmp(std::string_view base) {
    return FirstOf(std::string(base) + ".jpg", std::string(base) + ".bmp");
}

}  // namespace oru::pict
