#include "frame/files.hpp"

#include <algorithm>
#include <array>
#include <system_error>
#include <vector>

#include "frame/failures.hpp"

namespace oru::files {
namespace fs = std::filesystem;
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

// The entry of `dir` whose name equals `name` ignoring ASCII letter case; the smallest such name
// when several match, so that the choice does not depend on the directory order.
std::optional<fs::path> findInDirectory(const fs::path& dir, std::string_view name) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec) return std::nullopt;
    std::optional<std::string> best;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        const std::string entry = it->path().filename().string();
        if (sameIgnoringCase(entry, name) && (!best || entry < *best)) best = entry;
    }
    if (!best) return std::nullopt;
    return dir / *best;
}

}  // namespace

std::optional<fs::path> Resolve(std::string_view formed) {
    if (formed.empty() || formed.find('\0') != std::string_view::npos) return std::nullopt;
    std::string native(formed);
    std::replace(native.begin(), native.end(), '\\', '/');
    const fs::path exact(native);
    if (present(exact)) return exact;

    // Walk the components, taking each one as written when it exists, else the entry of the
    // directory that differs from it only in letter case.
    fs::path current = exact.root_path();
    for (const fs::path& part : exact.relative_path()) {
        const std::string name = part.string();
        if (name.empty()) continue;
        if (name == "." || name == "..") {
            current /= part;
            continue;
        }
        fs::path next = current / part;
        if (!present(next)) {
            auto found = findInDirectory(current, name);
            if (!found) return std::nullopt;
            next = *found;
        }
        current = std::move(next);
    }
    return current;
}

namespace {
LookupRecorder gRecorder = nullptr;
void* gRecorderContext = nullptr;
}  // namespace

void SetLookupRecorder(LookupRecorder recorder, void* context) {
    gRecorder = recorder;
    gRecorderContext = context;
}

std::string FileExists(std::string_view formed) {
    if (gRecorder) gRecorder(formed, gRecorderContext);
    const auto path = Resolve(formed);
    if (!path) return "";
    std::error_code ec;
    if (!fs::is_regular_file(*path, ec)) return "";
    return path->filename().string();
}

TextFile::TextFile(std::string_view formed, std::size_t maxBytes, std::size_t maxLineBytes)
    : maxLine_(maxLineBytes) {
    const auto path = Resolve(formed);
    std::error_code ec;
    if (!path || !fs::is_regular_file(*path, ec)) fail::fileNotFound(formed);
    const auto size = fs::file_size(*path, ec);
    if (ec) fail::raise("Erreur d'entrée/sortie sur le fichier " + std::string(formed));
    if (size > maxBytes) fail::raise("Fichier trop volumineux : " + std::string(formed));
    in_.open(*path, std::ios::binary);
    if (!in_) fail::raise("Accès refusé au fichier " + std::string(formed));
}

bool TextFile::atEnd() {
    if (!in_.is_open()) return true;
    return in_.peek() == std::char_traits<char>::eof();
}

std::string TextFile::readLine() {
    if (atEnd()) fail::inputPastEnd();
    std::string bytes;
    for (;;) {
        const int c = in_.get();
        if (c == std::char_traits<char>::eof() || c == '\n') break;
        if (c == '\r') {
            if (in_.peek() == '\n') in_.get();
            break;
        }
        if (c == '\0') fail::raise("Le fichier n'est pas un fichier texte");
        if (bytes.size() >= maxLine_) fail::raise("Ligne trop longue dans le fichier");
        bytes.push_back(static_cast<char>(c));
    }
    if (in_.bad()) fail::raise("Erreur d'entrée/sortie de fichier");
    return Cp1252ToUtf8(bytes);
}

void TextFile::close() {
    if (in_.is_open()) in_.close();
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    // Code points of 0x80..0x9F; the five bytes the code page leaves undefined map to the
    // control characters of the same value, as the platform's conversion does.
    static constexpr std::array<char32_t, 32> k80 = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
            continue;
        }
        const char32_t cp = b < 0xA0 ? k80[b - 0x80] : b;
        if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace oru::files
