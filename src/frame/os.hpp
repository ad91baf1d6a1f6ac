#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The few calls the file layer makes to the operating system, one implementation per system
// (os_posix.cpp, os_windows.cpp). Paths are UTF-8 with "/" between components; on Windows they
// are converted to the wide-character API, so that no name depends on the system's code page.
namespace oru::os {

// What tells one version of a file or folder from another: where it lies (device or volume and
// the file's number there), its size, and its modification and status-change times in
// nanoseconds since 1970. A file replaced by another, or rewritten with its size kept and its
// modification time set back, gets another stamp on Linux (new number, or new change time).
struct Stamp {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;

    bool operator==(const Stamp&) const = default;
    // The later of the two times.
    std::int64_t latest() const { return modified > changed ? modified : changed; }
};

enum class Kind { File, Folder, Other };

struct Status {
    Kind kind = Kind::Other;
    Stamp stamp;
};

// What lies at `path`, following links; nullopt when nothing does (or it cannot be reached).
std::optional<Status> StatusOf(const std::string& path);

// The names of the entries of a folder, "." and ".." left out; nullopt when it cannot be read
// to its end. "" is the current folder.
std::optional<std::vector<std::string>> List(const std::string& folder);

// The wall clock, on the scale of the stamps' times.
std::int64_t Now();

// The decimal separator of the user's regional settings where the system keeps them apart from
// the environment (Windows); nullopt elsewhere.
std::optional<std::string> UserDecimalSeparator();

enum class OpenFault { None, NotFound, Denied, Other };

// A file open for reading only: never created, never blocking on a special file, not inherited
// by child processes, and shared so that other programs may still write, rename or delete it.
// Closed by its destructor on every path.
class File {
public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() { close(); }

    OpenFault open(const std::string& path);
    bool isOpen() const { return handle_ != kNone; }
    // What the open file is; nullopt when the system cannot tell.
    std::optional<Status> status() const;
    // A file is read either at given offsets or from start to end, not both (on Windows a read
    // at an offset moves the position).
    // Reads up to `n` bytes at `offset`: the number of bytes read, 0 at the end, -1 on a failure.
    std::ptrdiff_t readAt(std::uint64_t offset, void* out, std::size_t n) const;
    // Reads up to `n` bytes from the current position.
    std::ptrdiff_t read(void* out, std::size_t n);
    void close();

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;  // a descriptor, or a Windows handle
};

// What this layer asked of the system since the process started: the tests check with it that
// a set-up with nothing changed on disk makes only the calls it needs. Each call of StatusOf,
// File::open, File::status, a read, File::close and List counts once in its kind.
struct Calls {
    std::uint64_t status = 0;
    std::uint64_t opens = 0;
    std::uint64_t reads = 0;
    std::uint64_t closes = 0;
    std::uint64_t listings = 0;

    std::uint64_t total() const { return status + opens + reads + closes + listings; }
    Calls operator-(const Calls& o) const {
        return {status - o.status, opens - o.opens, reads - o.reads, closes - o.closes,
                listings - o.listings};
    }
};
Calls CallsMade();

namespace detail {
enum class Call { Status, Open, Read, Close, List };
void count(Call c);
}  // namespace detail

}  // namespace oru::os
