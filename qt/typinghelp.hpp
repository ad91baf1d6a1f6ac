#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace oru::qt {

// The typing help of a value box: for a text that is not blank and does not read entirely as a
// number (oru::ReadsEntirelyAsNumber: "12,5", which the panels read as 12), the value the panel
// actually reads ("lu : 12"); nothing otherwise.
std::optional<QString> typingHint(std::string_view text);

}  // namespace oru::qt
