#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-wise string functions on UTF-8 text. A "character" is a Unicode code point, so that
// a tool code or a designation holding accented letters is never cut inside a letter. Positions
// outside the text give shorter or empty results, never a failure.
namespace oru::str {

// Number of characters.
std::size_t Len(std::string_view s);
// The first n characters (the whole text when shorter).
std::string Left(std::string_view s, std::size_t n);
// The last n characters (the whole text when shorter).
std::string Right(std::string_view s, std::size_t n);
// n characters from the 1-based position `start` (to the end when n is npos).
std::string Mid(std::string_view s, std::size_t start, std::size_t n = std::string_view::npos);

}  // namespace oru::str
