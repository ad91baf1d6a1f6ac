#include "frame/files.hpp"

#include <algorithm>
#include <atomic>
#include <limits>
#include <list>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "frame/failures.hpp"
#include "oru/filecache.hpp"

namespace oru::files {
namespace {

// ---- letter case ----------------------------------------------------------------------------

// The lower-case letter of a code point of Latin-1 or Latin Extended-A, or the code point itself.
char32_t lowerLatin(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;  // Ÿ
    // Latin Extended-A pairs its letters upper then lower, from an even code point, except in
    // the two runs that start at an odd one; a few letters have no pair.
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
        const bool oddRun = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((c % 2 == 1) == oddRun) return c + 1;
    }
    return c;
}

// Appends the folded form of `name`: two-byte UTF-8 sequences of the letters above are folded
// (their lower-case forms are two bytes long too), everything else is copied.
void appendFolded(std::string& out, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<unsigned char>(name[i]);
        if (b < 0x80) {
            out.push_back(b >= 'A' && b <= 'Z' ? static_cast<char>(b + 0x20) : name[i]);
            continue;
        }
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0u;
        if (b >= 0xC3 && b <= 0xC5 && (next & 0xC0) == 0x80) {
            const char32_t c = (static_cast<char32_t>(b & 0x1F) << 6) | (next & 0x3F);
            const char32_t l = lowerLatin(c);
            out.push_back(static_cast<char>(0xC0 | (l >> 6)));
            out.push_back(static_cast<char>(0x80 | (l & 0x3F)));
            ++i;
            continue;
        }
        out.push_back(name[i]);
    }
}

bool plainName(std::string_view n) { return !n.empty() && n != "." && n != ".."; }

// ---- what is kept ---------------------------------------------------------------------------

// A map bounded by its number of entries and their total size: the least recently used entries
// go first. Not guarded itself: every use holds gMutex.
template <class V>
class Kept {
public:
    Kept(std::size_t maxEntries, std::size_t maxBytes)
        : maxEntries_(maxEntries), maxBytes_(maxBytes) {}

    V* find(std::string_view key) {
        const auto it = index_.find(key);
        if (it == index_.end()) return nullptr;
        order_.splice(order_.begin(), order_, it->second);
        return &it->second->value;
    }
    void put(std::string key, V value, std::size_t bytes) {
        erase(key);
        if (bytes > maxBytes_) return;
        bytes += key.size() + kOverhead;
        order_.push_front(Entry{std::move(key), std::move(value), bytes});
        index_.emplace(order_.front().key, order_.begin());
        bytes_ += bytes;
        while (order_.size() > maxEntries_ || bytes_ > maxBytes_)
            drop(std::prev(order_.end()));
    }
    void erase(std::string_view key) {
        const auto it = index_.find(key);
        if (it != index_.end()) drop(it->second);
    }
    void clear() {
        index_.clear();
        order_.clear();
        bytes_ = 0;
    }

private:
    static constexpr std::size_t kOverhead = 96;  // the list node and the index entry
    struct Entry {
        std::string key;
        V value;
        std::size_t bytes;
    };
    void drop(typename std::list<Entry>::iterator e) {
        bytes_ -= e->bytes;
        index_.erase(e->key);
        order_.erase(e);
    }

    std::size_t maxEntries_;
    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    std::list<Entry> order_;  // most recently used first; nodes never move, nor their keys
    std::unordered_map<std::string_view, typename std::list<Entry>::iterator> index_;
};

// A folder's entries, sorted by their folded names (then by name), with the folder's stamp.
struct Listing {
    os::Stamp stamp;
    std::vector<std::pair<std::string, std::string>> names;  // folded, as on disk
};

// A lookup decided by listing folders: where the file was found (or "" when none was), and the
// folders listed with the stamps they had.
struct Lookup {
    std::vector<std::pair<std::string, os::Stamp>> folders;
    std::string found;
};

// What a reader made of a file, with the file's stamp.
struct Content {
    os::Stamp stamp;
    const void* kind = nullptr;
    std::shared_ptr<const void> value;
};

std::mutex gMutex;  // guards the three maps below
Kept<Listing> gListings(256, 16u << 20);
Kept<Lookup> gLookups(4096, 4u << 20);
Kept<Content> gContents(4096, 64u << 20);
std::atomic<std::int64_t> gSettleTime{2'000'000'000};

// Whether a stamp taken at `before` (or later) may be trusted to change with the file.
bool settled(const os::Stamp& stamp, std::int64_t before) {
    const std::int64_t settle = gSettleTime.load(std::memory_order_relaxed);
    return before >= std::numeric_limits<std::int64_t>::min() + settle &&
           stamp.latest() <= before - settle;
}

std::optional<os::Status> statusOf(const std::string& path) {
    return os::StatusOf(path.empty() ? std::string(".") : path);
}

// ---- lookups --------------------------------------------------------------------------------

// What lies where a panel's path leads.
struct Resolved {
    std::string path;
    os::Status status;
    bool settled = false;
};

// The folder part that starts a native path: "/" on POSIX; on Windows a drive ("C:/", or "C:"
// for the current folder of a drive), a share ("//server/share/") or "/" (the current drive).
std::size_t rootLength(std::string_view p) {
#ifdef _WIN32
    if (p.size() >= 2 && p[1] == ':' &&
        ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z')))
        return p.size() > 2 && p[2] == '/' ? 3 : 2;
    if (p.size() > 2 && p[0] == '/' && p[1] == '/') {
        std::size_t end = p.find('/', 2);                               // after the server
        if (end != std::string_view::npos) end = p.find('/', end + 1);  // after the share
        return end == std::string_view::npos ? p.size() : end + 1;
    }
#endif
    return !p.empty() && p[0] == '/' ? 1 : 0;
}

std::string join(const std::string& folder, std::string_view name) {
    std::string p = folder;
    if (!p.empty() && p.back() != '/' && p.back() != ':') p.push_back('/');
    p.append(name);
    return p;
}

enum class Match { Found, None, Unreadable };

// Looks for `name` ignoring letter case among the entries of a folder whose stamp was just
// taken; the listing is read again only when the stamp differs from the one kept with it. The
// smallest matching name wins when several do, so that the choice does not depend on the
// order of the folder. `entry` receives the name as on disk.
Match findIn(const std::string& folder, const os::Stamp& stamp, bool stampSettled,
             std::string_view name, std::string& entry) {
    const std::string folded = FoldCase(name);
    const auto search = [&](const Listing& l) {
        const auto it = std::lower_bound(l.names.begin(), l.names.end(), folded,
                                         [](const std::pair<std::string, std::string>& e,
                                            const std::string& f) { return e.first < f; });
        if (it == l.names.end() || it->first != folded) return Match::None;
        entry = it->second;
        return Match::Found;
    };
    {
        const std::lock_guard<std::mutex> lock(gMutex);
        if (const Listing* kept = gListings.find(folder); kept && kept->stamp == stamp)
            return search(*kept);
    }
    auto names = os::List(folder);
    if (!names) return Match::Unreadable;
    Listing listing{stamp, {}};
    listing.names.reserve(names->size());
    std::size_t bytes = 0;
    for (std::string& n : *names) {
        bytes += 2 * n.size() + 64;
        listing.names.emplace_back(FoldCase(n), std::move(n));
    }
    std::sort(listing.names.begin(), listing.names.end());
    const Match m = search(listing);
    if (stampSettled) {
        const std::lock_guard<std::mutex> lock(gMutex);
        gListings.put(folder, std::move(listing), bytes);
    }
    return m;
}

// An earlier lookup of `native` decided by listings, while every folder it listed keeps its
// stamp: nullopt when there is none to use, else its result (an inner nullopt: no file).
std::optional<std::optional<Resolved>> recall(const std::string& native, std::int64_t before) {
    Lookup lookup;
    {
        const std::lock_guard<std::mutex> lock(gMutex);
        const Lookup* kept = gLookups.find(native);
        if (kept == nullptr) return std::nullopt;
        lookup = *kept;  // copied: the folders are looked at without holding the lock
    }
    const auto forget = [&] {
        const std::lock_guard<std::mutex> lock(gMutex);
        gLookups.erase(native);
    };
    for (const auto& [folder, stamp] : lookup.folders) {
        const auto now = statusOf(folder);
        if (!now || now->stamp != stamp) {
            forget();
            return std::nullopt;
        }
    }
    if (lookup.found.empty()) return std::optional<Resolved>();
    auto status = os::StatusOf(lookup.found);
    if (!status) {
        forget();
        return std::nullopt;
    }
    const bool isSettled = settled(status->stamp, before);
    return std::optional<Resolved>(Resolved{std::move(lookup.found), *status, isSettled});
}

// Paths stay plain strings on the way that finds a file as written (one stat); the components
// are taken apart only when a name must be looked up without regard to letter case, and such
// lookups are remembered with the folders they listed.
std::optional<Resolved> resolve(std::string_view formed) {
    if (formed.empty() || formed.find('\0') != std::string_view::npos) return std::nullopt;
    std::string native(formed);
    std::replace(native.begin(), native.end(), '\\', '/');
    const std::int64_t before = os::Now();
    if (auto recalled = recall(native, before)) return std::move(*recalled);

    if (auto status = os::StatusOf(native))
        return Resolved{native, *status, settled(status->stamp, before)};

    // Letter case: every folder listed, with its stamp, decides the lookup.
    Lookup lookup;
    bool allSettled = true;
    const auto inFolder = [&](const std::string& folder, std::optional<os::Status> status,
                              std::string_view name, std::string& entry) {
        if (!status) status = statusOf(folder);
        if (!status || status->kind != os::Kind::Folder) return Match::Unreadable;
        const bool folderSettled = settled(status->stamp, before);
        allSettled = allSettled && folderSettled;
        lookup.folders.emplace_back(folder, status->stamp);
        return findIn(folder, status->stamp, folderSettled, name, entry);
    };
    const auto remember = [&](std::string found) {
        if (!allSettled || lookup.folders.empty()) return;
        lookup.found = std::move(found);
        std::size_t bytes = lookup.found.size();
        for (const auto& f : lookup.folders)
            bytes += f.first.size() + sizeof f;
        const std::lock_guard<std::mutex> lock(gMutex);
        gLookups.put(native, std::move(lookup), bytes);
    };

    std::string found;
    std::string entry;
    const std::size_t root = rootLength(native);
    const auto slash = native.rfind('/');
    const std::string_view name = std::string_view(native).substr(slash + 1);
    std::optional<os::Status> parent;
    if (slash != std::string::npos && slash > root && plainName(name))
        parent = os::StatusOf(native.substr(0, slash));
    if (parent) {
        // Most often the folder exists and only the name differs: look in the folder alone.
        const Match m = inFolder(native.substr(0, slash), parent, name, entry);
        if (m == Match::None) remember("");
        if (m != Match::Found) return std::nullopt;
        found = join(native.substr(0, slash), entry);
    } else {
        // Walk the components, taking each one as written when it exists, else the entry of
        // the folder that differs from it only in letter case.
        std::string current = native.substr(0, root);
        std::size_t from = root;
        while (from <= native.size()) {
            std::size_t to = native.find('/', from);
            if (to == std::string::npos) to = native.size();
            const std::string_view part = std::string_view(native).substr(from, to - from);
            from = to + 1;
            if (part.empty()) continue;
            std::string next = join(current, part);
            if (plainName(part) && !os::StatusOf(next)) {
                const Match m = inFolder(current, std::nullopt, part, entry);
                if (m == Match::None) remember("");
                if (m != Match::Found) return std::nullopt;
                next = join(current, entry);
            }
            current = std::move(next);
        }
        found = std::move(current);
    }
    auto status = os::StatusOf(found);
    if (!status) return std::nullopt;
    remember(found);
    return Resolved{std::move(found), *status, settled(status->stamp, before)};
}

// A regular file at the formed path, with its size and stamp.
std::optional<FoundFile> regularFile(std::string_view formed) {
    auto r = resolve(formed);
    if (!r || r->status.kind != os::Kind::File) return std::nullopt;
    const auto size = r->status.stamp.size;
    return FoundFile{std::move(r->path), static_cast<std::uintmax_t>(size), r->status.stamp,
                     r->settled};
}

LookupRecorder gRecorder = nullptr;
void* gRecorderContext = nullptr;

}  // namespace

std::optional<std::string> ResolveNative(std::string_view formed) {
    auto r = resolve(formed);
    if (!r) return std::nullopt;
    return std::move(r->path);
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

void Forget() {
    const std::lock_guard<std::mutex> lock(gMutex);
    gListings.clear();
    gLookups.clear();
    gContents.clear();
}

void SetSettleTime(std::chrono::nanoseconds t) {
    gSettleTime.store(std::max<std::int64_t>(0, t.count()), std::memory_order_relaxed);
}

std::chrono::nanoseconds SettleTime() {
    return std::chrono::nanoseconds(gSettleTime.load(std::memory_order_relaxed));
}

namespace detail {

std::shared_ptr<const void> kept(const FoundFile& file, const void* kind) {
    if (!file.settled) return nullptr;
    const std::lock_guard<std::mutex> lock(gMutex);
    const Content* c = gContents.find(file.path);
    if (c == nullptr || c->kind != kind || c->stamp != file.stamp) return nullptr;
    return c->value;
}

void keep(const FoundFile& file, const void* kind, std::shared_ptr<const void> value,
          std::size_t bytes) {
    if (!file.settled) return;
    const std::lock_guard<std::mutex> lock(gMutex);
    gContents.put(file.path, Content{file.stamp, kind, std::move(value)}, bytes);
}

}  // namespace detail

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

std::string FoldCase(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    appendFolded(out, name);
    return out;
}

TextFile::TextFile(std::string_view formed, std::size_t maxBytes, std::size_t maxLineBytes)
    : maxBytes_(maxBytes), maxLine_(maxLineBytes) {
    const auto path = ResolveNative(formed);
    if (!path) fail::fileNotFound(formed);
    open(*path, formed);
}

TextFile::TextFile(const FoundFile& found, std::string_view formed, std::size_t maxBytes,
                   std::size_t maxLineBytes)
    : maxBytes_(maxBytes), maxLine_(maxLineBytes) {
    open(found.path, formed);
}

void TextFile::open(const std::string& path, std::string_view formed) {
    const os::OpenFault fault = file_.open(path);
    if (fault == os::OpenFault::NotFound) fail::fileNotFound(formed);
    if (fault != os::OpenFault::None) fail::raise("Accès refusé au fichier " + std::string(formed));
    // Closed on every failure below; kept open once the file is accepted.
    struct Closer {
        os::File* file;
        ~Closer() {
            if (file != nullptr) file->close();
        }
    } closer{&file_};
    const auto status = file_.status();
    if (!status) fail::raise("Erreur d'entrée/sortie sur le fichier " + std::string(formed));
    if (status->kind != os::Kind::File) fail::fileNotFound(formed);
    if (status->stamp.size > maxBytes_)
        fail::raise("Fichier trop volumineux : " + std::string(formed));
    closer.file = nullptr;
}

TextFile::~TextFile() { close(); }

bool TextFile::fill() {
    if (eof_ || !file_.isOpen()) return false;
    const std::ptrdiff_t n = file_.read(block_.data(), block_.size());
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
    file_.close();
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

void oru::ForgetCachedFiles() { files::Forget(); }
