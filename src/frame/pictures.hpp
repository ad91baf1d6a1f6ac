#pragma once

#include <string_view>

#include "oru/picture.hpp"

namespace oru::pict {

// The picture of a BMP or JPEG file. A missing file, or one that is not a readable BMP or JPEG
// picture, is a failure.
Picture LoadPicture(std::string_view path);
// The empty picture.
inline Picture LoadPicture() { return Picture(); }

// The folder picture lookup: folder + "jpeg\" + stem + ".jpg" if it exists, else
// folder + "bmp\" + stem + ".bmp" if it exists, else the empty picture. A file that exists but
// cannot be read as a picture is a failure.
Picture FolderPicture(std::string_view folder, std::string_view stem);

// The lookup of pictures kept directly in a folder: base + ".jpg" if it exists, else
// base + ".bmp" if it exists, else the empty picture.
Picture JpegOrBmp(std::string_view base);

}  // namespace oru::pict
