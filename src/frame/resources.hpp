#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "oru/picture.hpp"

// The catalogue of the pictures the library carries in its own resources. Names are matched
// without regard to letter case; the canonical name is upper case.
namespace oru::res {

enum class Type { Icon, Bitmap };

inline constexpr int kIconSize = 32;    // icons are 32 x 32 pixels
inline constexpr int kBitmapSize = 36;  // bitmaps are 36 x 36 pixels
inline constexpr int kToolboxWidth = 16;
inline constexpr int kToolboxHeight = 15;

struct ToolboxEntry {
    int id;
    std::string_view control;
};

// Canonical names of the resources of one type, in catalogue order.
std::span<const std::string_view> names(Type type);
std::span<const ToolboxEntry> toolbox();

// The canonical name of `name` among the resources of `type`, if it is one.
std::optional<std::string_view> find(std::string_view name, Type type);

// The resource as a picture; a name that is not among the resources of that type is a failure.
Picture LoadResPicture(std::string_view name, Type type);

}  // namespace oru::res
