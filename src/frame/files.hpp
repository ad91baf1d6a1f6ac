#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "frame/os.hpp"

#include "oru/lookups.hpp"

// The file layer. Panels form paths by plain concatenation with backslashes ("user\Filet_E.dat"),
// and hosts give folders with either separator; here both "\" and "/" separate, and when the
// exact name is missing a file whose name differs only in letter case is found instead, so that
// a picture folder or a thread table folder copied between file systems keeps working.
namespace oru::files {

// Where the path formed by a panel lies on this machine, if something exists there: UTF-8 text
// with "/" between components.
std::optional<std::string> ResolveNative(std::string_view formed);

// File existence test: the file name (last component, as found on disk) when a regular file
// exists at `formed`, else "". On Windows, whose file systems ignore letter case themselves, a
// file found as written keeps the letters it was written with.
std::string FileExists(std::string_view formed);

// A regular file found by the file layer: where it lies on this machine, its size and stamp
// when it was found, and whether that stamp is settled (its times older than the settle time
// when it was taken), so that what is read from the file may be kept with it.
struct FoundFile {
    std::string path;
    std::uintmax_t size = 0;
    os::Stamp stamp;
    bool settled = false;
};

// The existence test, giving where the regular file lies and its size, so that a caller about
// to open it need not look again; nullopt when there is none. The lookup recorder sees it too.
std::optional<FoundFile> FindFile(std::string_view formed);
// The same for a path the panel opens without testing it first: the recorder does not see it.
std::optional<FoundFile> LocateFile(std::string_view formed);

// What the file layer keeps, so that a look at an unchanged file costs one stat and no read:
// - a lookup that found no file, or found one only by ignoring letter case, with the stamps of
//   the folders it was decided in (a file added, removed or renamed there changes them), so that
//   looking again costs one stat per such folder instead of a listing;
// - the listing of a folder, with the folder's stamp;
// - what a reader made of a file (a picture's header check, a parsed thread table), with the
//   file's stamp, shared read-only by every panel of the process.
// Only settled stamps are trusted: a file changed twice within one tick of its file system's
// clock may keep the same times, so knowledge taken less than the settle time after a change is
// not kept. Everything is bounded (least recently used dropped first) and guarded by a lock, so
// that panels of different hosts may run on different threads.

// What `read()` makes of the file, a std::shared_ptr<const T> (T has `std::size_t bytes()
// const`, its approximate size), kept while the file keeps the stamp it was found with.
template <class T, class Read>
std::shared_ptr<const T> Shared(const FoundFile& file, Read&& read);

// Forgets everything kept (ForgetCachedFiles of the public interface).
void Forget();
// Knowledge is kept only of files whose last change is older than this when they are looked at:
// 2 s by default, a tick of the coarsest clock of the usual file systems (FAT). Tests set 0.
void SetSettleTime(std::chrono::nanoseconds t);
std::chrono::nanoseconds SettleTime();

// The lookup recorder (<oru/lookups.hpp>) sees every path given to FileExists and FindFile.

// A text file in the Windows-1252 code page, read line by line and handed out in UTF-8. The
// file is closed when the reader is closed or destroyed, whatever path the caller leaves by.
// Files larger than maxBytes, lines longer than maxLineBytes and NUL bytes are failures, so a
// binary or runaway file never leads to an unbounded allocation. The file is read in large
// blocks into a buffer held by the reader itself.
class TextFile {
public:
    static constexpr std::size_t kDefaultMaxBytes = 16u << 20;
    static constexpr std::size_t kDefaultMaxLine = 4096;

    // Opens for reading (never creates); a missing file is a failure.
    explicit TextFile(std::string_view formed, std::size_t maxBytes = kDefaultMaxBytes,
                      std::size_t maxLineBytes = kDefaultMaxLine);
    // Opens the file found as `found` (formed by the panel as `formed`) without looking again.
    TextFile(const FoundFile& found, std::string_view formed, std::size_t maxBytes,
             std::size_t maxLineBytes);
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    bool atEnd();
    // One line without its line end ("\r\n", "\n" or "\r"); reading past the end fails.
    std::string readLine();
    // The same line as its bytes in the file's code page, without conversion (enough for a
    // number); valid until the next read.
    std::string_view readRawLine();
    void close();
    bool isOpen() const { return file_.isOpen(); }

private:
    void open(const std::string& path, std::string_view formed);
    // Reads the next block; false at the end of the file.
    bool fill();

    os::File file_;
    std::size_t maxBytes_;
    std::size_t maxLine_;
    std::size_t total_ = 0;  // bytes read so far
    std::size_t pos_ = 0;    // next byte of the block
    std::size_t end_ = 0;    // end of the block
    bool eof_ = false;
    std::string carry_;  // a line running over the end of the block
    std::array<char, 16384> block_;
};

// Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// Whether two UTF-8 file names are the same ignoring letter case: ASCII letters and the letters
// of Latin-1 and Latin Extended-A (the accented letters of Windows-1252 among them, "É" and
// "é"); other bytes compare as they are.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
// The name with those letters in lower case (same length in bytes).
std::string FoldCase(std::string_view name);

namespace detail {
template <class T>
inline const char kKind = 0;  // one address per kind of content
std::shared_ptr<const void> kept(const FoundFile& file, const void* kind);
void keep(const FoundFile& file, const void* kind, std::shared_ptr<const void> value,
          std::size_t bytes);
}  // namespace detail

template <class T, class Read>
std::shared_ptr<const T> Shared(const FoundFile& file, Read&& read) {
    if (auto kept = detail::kept(file, &detail::kKind<T>))
        return std::static_pointer_cast<const T>(kept);
    std::shared_ptr<const T> made = std::forward<Read>(read)();
    if (made) detail::keep(file, &detail::kKind<T>, made, made->bytes());
    return made;
}

}  // namespace oru::files
