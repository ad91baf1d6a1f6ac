#include "frame/files.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "frame/failures.hpp"

namespace oru::files {
namespace fs = std::filesystem;
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// One stat() of the path; what lies there, if anything.
std::optional<struct stat> statOf(const char* p) {
    struct stat st {};
    if (::stat(p, &st) != 0) return std::nullopt;
    return st;
}

bool present(const std::string& p) { return statOf(p.c_str()).has_value(); }
bool present(const fs::path& p) { return statOf(p.c_str()).has_value(); }

// The entry of `dir` whose name equals `name` ignoring ASCII letter case; the smallest such name
// when several match, so that the choice does not depend on the directory order. Read with the
// plain directory calls: a picture folder may hold hundreds of entries, and only their names
// are needed.
std::optional<fs::path> findInDirectory(const fs::path& dir, std::string_view name) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr) return std::nullopt;
    struct Closer {
        DIR* d;
        ~Closer() { ::closedir(d); }
    } closer{d};
    std::optional<std::string> best;
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(d);
        if (e == nullptr) {
            if (errno != 0) return std::nullopt;  // the folder could not be read to its end
            break;
        }
        const std::string_view entry(e->d_name);
        if (entry == "." || entry == "..") continue;
        if (sameIgnoringCase(entry, name) && (!best || entry < *best)) best = std::string(entry);
    }
    if (!best) return std::nullopt;
    return dir / *best;
}

bool plainName(std::string_view n) { return !n.empty() && n != "." && n != ".."; }

// Opens for reading only: never creates, never blocks on a special file, not inherited by
// child processes.
int openForReading(const std::string& p) {
    int fd = -1;
    do {
        fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

LookupRecorder gRecorder = nullptr;
void* gRecorderContext = nullptr;

// Paths stay plain strings on the way that finds a file as written (one stat, whose result is
// kept for the caller); the components are taken apart only when a name must be looked up
// without regard to letter case.
std::optional<std::string> resolve(std::string_view formed, struct stat& st) {
    if (formed.empty() || formed.find('\0') != std::string_view::npos) return std::nullopt;
    std::string native(formed);
    std::replace(native.begin(), native.end(), '\\', '/');
    if (::stat(native.c_str(), &st) == 0) return native;

    std::optional<std::string> found;
    const auto slash = native.rfind('/');
    const std::string_view name = std::string_view(native).substr(slash + 1);
    if (slash != std::string::npos && slash > 0 && plainName(name) &&
        present(native.substr(0, slash))) {
        // Most often the folder exists and only the name differs: look in the folder alone.
        if (auto entry = findInDirectory(native.substr(0, slash), name)) found = entry->string();
    } else {
        // Walk the components, taking each one as written when it exists, else the entry of
        // the directory that differs from it only in letter case.
        const fs::path exact(native);
        fs::path current = exact.root_path();
        for (const fs::path& part : exact.relative_path()) {
            const std::string component = part.string();
            if (component.empty()) continue;
            if (component == "." || component == "..") {
                current /= part;
                continue;
            }
            fs::path next = current / part;
            if (!present(next)) {
                auto entry = findInDirectory(current, component);
                if (!entry) return std::nullopt;
                next = std::move(*entry);
            }
            current = std::move(next);
        }
        found = current.string();
    }
    if (!found || ::stat(found->c_str(), &st) != 0) return std::nullopt;
    return found;
}

// A regular file at the formed path, with its size.
std::optional<FoundFile> regularFile(std::string_view formed) {
    struct stat st {};
    auto path = resolve(formed, st);
    if (!path || !S_ISREG(st.st_mode)) return std::nullopt;
    return FoundFile{std::move(*path), static_cast<std::uintmax_t>(st.st_size)};
}

}  // namespace

std::optional<std::string> ResolveNative(std::string_view formed) {
    struct stat st {};
    return resolve(formed, st);
}

std::optional<fs::path> Resolve(std::string_view formed) {
    auto native = ResolveNative(formed);
    if (!native) return std::nullopt;
    return fs::path(std::move(*native));
}

void SetLookupRecorder(LookupRecorder recorder, void* context) {
    gRecorder = recorder;
    gRecorderContext = context;
}

std::optional<FoundFile> FindFile(std::string_view formed) {
    if (gRecorder) gRecorder(formed, gRecorderContext);
    return regularFile(formed);
}

std::optional<FoundFile> LocateFile(std::string_view formed) { return regularFile(formed); }

std::string FileExists(std::string_view formed) {
    const auto found = FindFile(formed);
    if (!found) return std::string();
    return found->path.substr(found->path.rfind('/') + 1);  // npos + 1 is the whole path
}

TextFile::TextFile(std::string_view formed, std::size_t maxBytes, std::size_t maxLineBytes)
    : maxBytes_(maxBytes), maxLine_(maxLineBytes) {
    const auto path = ResolveNative(formed);
    if (!path) fail::fileNotFound(formed);
    int fd = openForReading(*path);
    if (fd < 0) {
        if (errno == ENOENT) fail::fileNotFound(formed);
        fail::raise("Accès refusé au fichier " + std::string(formed));
    }
    // Closed here on every failure below; handed to the reader once it is accepted.
    struct Closer {
        int& fd;
        ~Closer() {
            if (fd >= 0) ::close(fd);
        }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        fail::raise("Erreur d'entrée/sortie sur le fichier " + std::string(formed));
    if (!S_ISREG(st.st_mode)) fail::fileNotFound(formed);
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        fail::raise("Fichier trop volumineux : " + std::string(formed));
    fd_ = fd;
    fd = -1;
}

TextFile::~TextFile() { close(); }

bool TextFile::fill() {
    if (eof_ || fd_ < 0) return false;
    ssize_t n = 0;
    do {
        n = ::read(fd_, block_.data(), block_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) fail::raise("Erreur d'entrée/sortie de fichier");
    if (n == 0) {
        eof_ = true;
        return false;
    }
    total_ += static_cast<std::size_t>(n);
    if (total_ > maxBytes_) fail::raise("Fichier trop volumineux");  // it grew while read
    pos_ = 0;
    end_ = static_cast<std::size_t>(n);
    return true;
}

bool TextFile::atEnd() { return pos_ == end_ && !fill(); }

std::string_view TextFile::readRawLine() {
    if (atEnd()) fail::inputPastEnd();
    // The bytes that end a line or make the file no text.
    static constexpr auto kStops = [] {
        std::array<bool, 256> t{};
        t['\n'] = t['\r'] = t['\0'] = true;
        return t;
    }();
    // A line inside the block is handed out where it lies; one that runs over the end of the
    // block is gathered in carry_.
    carry_.clear();
    bool carried = false;
    std::string_view line;
    for (;;) {
        if (pos_ == end_ && !fill()) break;  // the end of the file ends the last line
        const char* const from = block_.data() + pos_;
        const char* const to = block_.data() + end_;
        const char* p = from;
        while (p < to && !kStops[static_cast<unsigned char>(*p)])
            ++p;
        const auto run = static_cast<std::size_t>(p - from);
        if (carry_.size() + run > maxLine_) fail::raise("Ligne trop longue dans le fichier");
        pos_ += run;
        if (p == to) {  // the line goes on in the next block
            carry_.append(from, run);
            carried = true;
            continue;
        }
        if (carried)
            carry_.append(from, run);
        else
            line = std::string_view(from, run);

        const char c = *p;
        ++pos_;
        if (c == '\0') fail::raise("Le fichier n'est pas un fichier texte");
        if (c == '\r' && pos_ == end_ && !carried) {
            // The "\n" of this line end may lie in the next block, which replaces this one.
            carry_.assign(line);
            carried = true;
        }
        if (c == '\r' && (pos_ < end_ || fill()) && block_[pos_] == '\n') ++pos_;
        break;
    }
    return carried ? std::string_view(carry_) : line;
}

std::string TextFile::readLine() {
    const std::string_view raw = readRawLine();
    for (const char c : raw)
        if (static_cast<unsigned char>(c) >= 0x80) return Cp1252ToUtf8(raw);
    return std::string(raw);
}

void TextFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    pos_ = end_ = 0;
    eof_ = true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    // Code points of 0x80..0x9F. The five bytes the code page leaves undefined map to the
    // control characters of the same value, so that every byte converts and none is lost.
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
