#include "frame/strings.hpp"

namespace oru::str {
namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of the character number `index` (0-based), or s.size() past the end.
std::size_t offsetOf(std::string_view s, std::size_t index) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < s.size(); ++i) {
        if (isContinuation(s[i])) continue;
        if (seen == index) return i;
        ++seen;
    }
    return s.size();
}

}  // namespace

std::size_t Len(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if (!isContinuation(c)) ++n;
    return n;
}

std::string Left(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, offsetOf(s, n)));
}

std::string Right(std::string_view s, std::size_t n) {
    const std::size_t len = Len(s);
    if (n >= len) return std::string(s);
    return std::string(s.substr(offsetOf(s, len - n)));
}

std::string Mid(std::string_view s, std::size_t start, std::size_t n) {
    if (start == 0) start = 1;
    const std::size_t from = offsetOf(s, start - 1);
    if (n >= s.size()) return std::string(s.substr(from));  // npos included
    const std::size_t to = offsetOf(s, start - 1 + n);
    return std::string(s.substr(from, to - from));
}

}  // namespace oru::str
