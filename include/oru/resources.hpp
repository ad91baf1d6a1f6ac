#pragma once

#include <optional>
#include <span>
#include <string_view>

// The catalogue of the pictures the library carries in its own resources: 103 icons, 45 bitmaps
// and the five toolbox bitmaps, one per control, that a host's design tools show. Panels name a
// resource when they put it on a widget (Picture::Kind::Icon or Bitmap, with its canonical
// name); a toolkit layer draws it (the Qt layer from the SVG files of resources/), and tools list
// the catalogue. Names are matched without regard to letter case; the canonical name is upper
// case. Toolbox bitmaps are named by their number.
//
//     oru::res::find("T_Sens_ZmXp", oru::res::Type::Bitmap);  // "T_SENS_ZMXP"
//     oru::res::sizeOf("arro_2");                             // 32 x 32 (an icon)
//     oru::res::toolboxName("OperFraisage");                  // "30002", 16 x 15
namespace oru::res {

enum class Type { Icon, Bitmap };

inline constexpr int kIconSize = 32;    // icons are 32 x 32 pixels
inline constexpr int kBitmapSize = 36;  // bitmaps are 36 x 36 pixels
inline constexpr int kToolboxWidth = 16;
inline constexpr int kToolboxHeight = 15;

// One toolbox bitmap: its number, the same as its resource name, and the control it stands for.
struct ToolboxEntry {
    int id;
    std::string_view name;
    std::string_view control;
};

inline constexpr ToolboxEntry kToolbox[] = {
    {30000, "30000", "Arrosage"},     {30001, "30001", "Avalant"}, {30002, "30002", "OperFraisage"},
    {30003, "30003", "OperTournage"}, {30004, "30004", "SensRot"},
};

// The nominal size of a resource, in pixels.
struct Size {
    int width = 0;
    int height = 0;
};

// Canonical names of the resources of one type, in catalogue order.
std::span<const std::string_view> names(Type type);
// The toolbox bitmaps (kToolbox).
std::span<const ToolboxEntry> toolbox();

// The canonical name of `name` among the resources of `type`, if it is one.
std::optional<std::string_view> find(std::string_view name, Type type);

// The nominal size of any resource name: an icon, a bitmap or a toolbox bitmap ("30002");
// nothing for a name the catalogue does not hold.
std::optional<Size> sizeOf(std::string_view name);

// The resource name of the toolbox bitmap of a control ("OperFraisage" gives "30002"); "" for a
// class that is not one of the five controls.
constexpr std::string_view toolboxName(std::string_view control) {
    for (const ToolboxEntry& entry : kToolbox)
        if (entry.control == control) return entry.name;
    return {};
}

}  // namespace oru::res
