#include "frame/resources.hpp"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

#include "frame/failures.hpp"

namespace oru::res {
namespace {

// clang-format off
// Icons, 32 x 32 pixels, 256 colours.
constexpr std::string_view kIcons[] = {
    "APPRO_XYZ_OFF", "APPRO_XYZ_ON", "APPRO_XY_Z_OFF", "APPRO_XY_Z_ON", "APPRO_ZSECU_OFF",
    "APPRO_ZSECU_ON", "APPRO_Z_XY_OFF", "APPRO_Z_XY_ON", "ARRO_0", "ARRO_1", "ARRO_2", "ARRO_3",
    "AVALANT", "DEG_ZSECU_OFF", "DEG_ZSECU_ON", "EXTBRUT_PROFIL_OFF", "EXTBRUT_PROFIL_ON",
    "EXTBRUT_SURF_OFF", "EXTBRUT_SURF_ON", "EXTBRUT_TROU_OFF", "EXTBRUT_TROU_ON", "FILET_G_OFF",
    "FILET_G_ON", "FILET_M_OFF", "FILET_M_ON", "FILET_R_OFF", "FILET_R_ON", "FILET_T_OFF",
    "FILET_T_ON", "OPPOSITION", "SROT_F_A", "SROT_F_H", "SROT_F_OFF", "SROT_F_T", "SROT_T_A",
    "SROT_T_H", "SROT_T_OFF", "SROT_T_T", "SURF_1", "SURF_2", "SURF_3", "TROU_30_OFF",
    "TROU_30_ON", "TROU_31_OFF", "TROU_31_ON", "TROU_40_OFF", "TROU_40_ON", "TROU_41_OFF",
    "TROU_41_ON", "TROU_42_OFF", "TROU_42_ON", "TROU_43_OFF", "TROU_43_ON", "TROU_44_OFF",
    "TROU_44_ON", "TROU_45_OFF", "TROU_45_ON", "TROU_51_OFF", "TROU_51_ON", "TROU_55_OFF",
    "TROU_55_ON", "TROU_60_OFF", "TROU_60_ON", "TROU_61_OFF", "TROU_61_ON", "TROU_62_OFF",
    "TROU_62_ON", "TROU_64_OFF", "TROU_64_ON", "TROU_65_OFF", "TROU_65_ON", "TROU_70_OFF",
    "TROU_70_ON", "TROU_71_OFF", "TROU_71_ON", "TROU_72_OFF", "TROU_72_ON", "TROU_73_OFF",
    "TROU_73_ON", "TROU_74_OFF", "TROU_74_ON", "TROU_75_OFF", "TROU_75_ON", "TROU_80_OFF",
    "TROU_80_ON", "TROU_84_OFF", "TROU_84_ON", "TROU_85_OFF", "TROU_85_ON", "T_APPRO_0_OFF",
    "T_APPRO_0_ON", "T_APPRO_1_OFF", "T_APPRO_1_ON", "T_APPRO_2_OFF", "T_APPRO_2_ON",
    "T_APPRO_3_OFF", "T_APPRO_3_ON", "T_DEG_E0", "T_DEG_E3", "T_DEG_E4", "T_DEG_I0", "T_DEG_I1",
    "T_DEG_I2",
};

// Bitmaps, 36 x 36 pixels, 16 colours.
constexpr std::string_view kBitmaps[] = {
    "T_DRESSER_3", "T_DRESSER_4", "T_GORGE_G0", "T_GORGE_G1", "T_PERCER_EB", "T_PERCER_ED",
    "T_PERCER_FB", "T_PERCER_FD", "T_POCHE_0", "T_POCHE_1", "T_SENS_2XM", "T_SENS_2XP",
    "T_SENS_2ZM", "T_SENS_O1", "T_SENS_O2", "T_SENS_O3", "T_SENS_O4", "T_SENS_XM", "T_SENS_XMO1",
    "T_SENS_XMO2", "T_SENS_XMZM", "T_SENS_XMZMXP", "T_SENS_XMZP", "T_SENS_XMZPXP", "T_SENS_XP",
    "T_SENS_XPO4", "T_SENS_XPZMXM", "T_SENS_XPZP", "T_SENS_XPZPXM", "T_SENS_ZM", "T_SENS_ZMO1",
    "T_SENS_ZMO4", "T_SENS_ZMXM", "T_SENS_ZMXMZP", "T_SENS_ZMXP", "T_SENS_ZMXPZP", "T_SENS_ZP",
    "T_SENS_ZPO2", "T_SENS_ZPXP", "T_TARAUDER_EB", "T_TARAUDER_ED", "T_TARAUDER_FB",
    "T_TARAUDER_FD", "T_TRONCONNER_2", "T_TRONCONNER_3",
};
// clang-format on

static_assert(std::size(kIcons) == 103);
static_assert(std::size(kBitmaps) == 45);

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The names of a catalogue in byte order, for a binary search; the catalogue keeps its own
// order for those who list it.
template <std::size_t N>
constexpr std::array<std::string_view, N> sorted(const std::string_view (&names)[N]) {
    std::array<std::string_view, N> s{};
    std::copy(std::begin(names), std::end(names), s.begin());
    std::sort(s.begin(), s.end());
    return s;
}
constexpr auto kIconsSorted = sorted(kIcons);
constexpr auto kBitmapsSorted = sorted(kBitmaps);

// Every canonical name is upper case, so a name matches ignoring case when its upper-case form
// is in the catalogue.
constexpr std::size_t kLongestName = 32;
constexpr bool fits(std::string_view n) { return n.size() <= kLongestName; }
static_assert(std::all_of(std::begin(kIcons), std::end(kIcons), fits));
static_assert(std::all_of(std::begin(kBitmaps), std::end(kBitmaps), fits));

}  // namespace

std::span<const std::string_view> names(Type type) {
    if (type == Type::Icon) return kIcons;
    return kBitmaps;
}

std::span<const ToolboxEntry> toolbox() { return kToolbox; }

std::optional<std::string_view> find(std::string_view name, Type type) {
    if (name.size() > kLongestName) return std::nullopt;
    std::array<char, kLongestName> buffer{};
    std::transform(name.begin(), name.end(), buffer.begin(), upper);
    const std::string_view key(buffer.data(), name.size());
    const auto& catalogue = type == Type::Icon ? std::span<const std::string_view>(kIconsSorted)
                                               : std::span<const std::string_view>(kBitmapsSorted);
    const auto it = std::lower_bound(catalogue.begin(), catalogue.end(), key);
    if (it == catalogue.end() || *it != key) return std::nullopt;
    return *it;
}

std::optional<Size> sizeOf(std::string_view name) {
    if (find(name, Type::Icon)) return Size{kIconSize, kIconSize};
    if (find(name, Type::Bitmap)) return Size{kBitmapSize, kBitmapSize};
    for (const ToolboxEntry& entry : kToolbox)
        if (entry.name == name) return Size{kToolboxWidth, kToolboxHeight};
    return std::nullopt;
}

Picture LoadResPicture(std::string_view name, Type type) {
    const auto found = find(name, type);
    if (!found) fail::resourceNotFound(name);
    const int size = type == Type::Icon ? kIconSize : kBitmapSize;
    const auto kind = type == Type::Icon ? Picture::Kind::Icon : Picture::Kind::Bitmap;
    return Picture(kind, std::string(*found), {}, size, size);
}

}  // namespace oru::res
