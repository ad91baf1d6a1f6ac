#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace oru::qt {

// A Qt int as the panels' 16-bit value, or nothing when it does not fit.
inline std::optional<std::int16_t> toSixteen(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace oru::qt
