#include "frame/pictures.hpp"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

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

// Checks a BMP header: file header, a known info header, sane size, planes and depth, pixel
// data inside the file.
bool readBmp(std::ifstream& in, std::uintmax_t fileSize, Size& size) {
    std::array<unsigned char, 30> h{};
    if (fileSize < h.size() || !in.read(reinterpret_cast<char*>(h.data()), h.size())) return false;
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
    if (dataOffset < 14 + infoSize || dataOffset >= fileSize) return false;
    size = {static_cast<int>(width), static_cast<int>(height)};
    return true;
}

// Walks the JPEG markers up to the first frame header, every segment length checked against
// the file.
bool readJpeg(std::ifstream& in, std::uintmax_t fileSize, Size& size) {
    std::array<unsigned char, 3> soi{};
    if (fileSize < 4 || !in.read(reinterpret_cast<char*>(soi.data()), 3)) return false;
    if (soi[0] != 0xFF || soi[1] != 0xD8 || soi[2] != 0xFF) return false;
    std::uintmax_t pos = 2;
    for (int guard = 0; guard < 100000; ++guard) {
        in.seekg(static_cast<std::streamoff>(pos));
        std::array<unsigned char, 9> m{};
        if (pos + 4 > fileSize || !in.read(reinterpret_cast<char*>(m.data()), 4)) return false;
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
        if (length < 2 || pos + 2 + length > fileSize) return false;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8 || !in.read(reinterpret_cast<char*>(&m[4]), 5)) return false;
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

}  // namespace

Picture LoadPicture(std::string_view path) {
    const auto native = files::Resolve(path);
    std::error_code ec;
    if (!native || !std::filesystem::is_regular_file(*native, ec)) fail::fileNotFound(path);
    const auto fileSize = std::filesystem::file_size(*native, ec);
    if (ec) fail::invalidPicture(path);
    std::ifstream in(*native, std::ios::binary);  // closed when it goes out of scope
    if (!in) fail::invalidPicture(path);
    Size size;
    if (!readBmp(in, fileSize, size)) {
        in.clear();
        in.seekg(0);
        if (!readJpeg(in, fileSize, size)) fail::invalidPicture(path);
    }
    return Picture(Picture::Kind::File, std::string(path), native->string(), size.width,
                   size.height);
}

Picture FolderPicture(std::string_view folder, std::string_view stem) {
    std::string path = std::string(folder) + "jpeg\\" + std::string(stem) + ".jpg";
    if (files::FileExists(path).empty())
        path = std::string(folder) + "bmp\\" + std::string(stem) + ".bmp";
    if (files::FileExists(path).empty()) return LoadPicture();
    return LoadPicture(path);
}

Picture JpegOrBmp(std::string_view base) {
    std::string path = std::string(base) + ".jpg";
    if (files::FileExists(path).empty()) path = std::string(base) + ".bmp";
    if (files::FileExists(path).empty()) return LoadPicture();
    return LoadPicture(path);
}

}  // namespace oru::pict
