#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace oru {

// The pixels of a picture drawn at run time rather than read from the resources or a file (a tool
// picture library draws its tools): `width` x `height` non-premultiplied 0xAARRGGBB values, row
// by row from the top left.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// An image value held by a widget's Picture property: nothing, a resource of the library (icon
// or bitmap, by name) or a picture file read from disk.
class Picture {
public:
    enum class Kind { None, Icon, Bitmap, File };

    Picture() = default;
    // name: the canonical resource name, or the path exactly as the panel formed it.
    // nativePath: for a file, where it was found on disk. width/height in pixels.
    Picture(Kind kind, std::string name, std::string nativePath = {}, int width = 0,
            int height = 0);
    // A picture drawn at run time: a bitmap named `name` (for example the tool code it shows)
    // carrying its own pixels.
    static Picture drawn(std::string name, std::shared_ptr<const PixelImage> pixels);

    Kind kind() const { return kind_; }
    // Icon/Bitmap: the canonical upper-case resource name; File: the path as the panel formed
    // it; None: "".
    const std::string& name() const { return name_; }
    bool isEmpty() const { return kind_ == Kind::None; }

    // File pictures: the file actually opened (separators mapped, letter case resolved).
    const std::string& nativePath() const { return nativePath_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Drawn pictures: their pixels; nullptr for every other picture.
    const std::shared_ptr<const PixelImage>& pixels() const { return pixels_; }

    bool operator==(const Picture&) const = default;

private:
    Kind kind_ = Kind::None;
    std::string name_;
    std::string nativePath_;
    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<const PixelImage> pixels_;
};

}  // namespace oru
