#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace oru::qt {

// The typing help of a value box: for a text that is not blank and does not read entirely as a
// number (oru::ReadsEntirelyAsNumber: "12,5", which the panels read as 12), the value the panel
// actually reads ("lu : 12"); nothing otherwise.
std::optional<QString> typingHint(std::string_view text);
// What the panel reads from a text, as the hint says it ("lu : 12", or the overflow).
QString readHint(std::string_view text);

// Everything a value box's hint says about its text: what the panel reads when the text does
// not read entirely as a number, that an empty box reads 0 ("vide : lu 0"), and a value that the
// box's own tooltip forbids ("Z de sécurité > 25": "doit être > 25"). Nothing when the text reads
// as the number the user means.
std::optional<QString> boxHint(std::string_view text, std::string_view toolTip);

}  // namespace oru::qt
