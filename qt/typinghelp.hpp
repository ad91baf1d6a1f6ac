#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace oru::qt {

// Whether a text reads entirely as a number the way the panels read numbers: blanks, tabs and
// line feeds ignored, an optional sign, digits with "." as the decimal point, an optional
// exponent, and nothing else. "12,5" does not (the panels read it as 12).
bool readsEntirelyAsNumber(std::string_view text);

// The typing help of a value box: for a text that is not empty and does not read entirely as a
// number, the value the panel actually reads ("lu : 12"); nothing otherwise.
std::optional<QString> typingHint(std::string_view text);

}  // namespace oru::qt
