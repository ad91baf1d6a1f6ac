// The file layer's system calls on Linux and other POSIX systems: paths are passed as they are
// (UTF-8 bytes).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string_view>

#include "frame/os.hpp"

namespace oru::os {
namespace {

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

Status statusFrom(const struct stat& st) {
    Status s;
    s.kind = S_ISREG(st.st_mode) ? Kind::File : S_ISDIR(st.st_mode) ? Kind::Folder : Kind::Other;
    s.stamp.device = static_cast<std::uint64_t>(st.st_dev);
    s.stamp.file = static_cast<std::uint64_t>(st.st_ino);
    s.stamp.size = static_cast<std::uint64_t>(st.st_size);
#ifdef __APPLE__
    s.stamp.modified = nanoseconds(st.st_mtimespec);
    s.stamp.changed = nanoseconds(st.st_ctimespec);
#else
    s.stamp.modified = nanoseconds(st.st_mtim);
    s.stamp.changed = nanoseconds(st.st_ctim);
#endif
    return s;
}

}  // namespace

std::optional<Status> StatusOf(const std::string& path) {
    detail::count(detail::Call::Status);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return statusFrom(st);
}

std::optional<std::vector<std::string>> List(const std::string& folder) {
    detail::count(detail::Call::List);
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (d == nullptr) return std::nullopt;
    struct Closer {
        DIR* d;
        ~Closer() { ::closedir(d); }
    } closer{d};
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(d);
        if (e == nullptr) {
            if (errno != 0) return std::nullopt;  // the folder could not be read to its end
            return names;
        }
        const std::string_view name(e->d_name);
        if (name != "." && name != "..") names.emplace_back(name);
    }
}

std::int64_t Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::optional<std::string> UserDecimalSeparator() { return std::nullopt; }

OpenFault File::open(const std::string& path) {
    close();
    detail::count(detail::Call::Open);
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == ENOENT) return OpenFault::NotFound;
        if (errno == EACCES || errno == EPERM) return OpenFault::Denied;
        return OpenFault::Other;
    }
    handle_ = fd;
    return OpenFault::None;
}

std::optional<Status> File::status() const {
    if (!isOpen()) return std::nullopt;
    detail::count(detail::Call::Status);
    struct stat st {};
    if (::fstat(static_cast<int>(handle_), &st) != 0) return std::nullopt;
    return statusFrom(st);
}

std::ptrdiff_t File::readAt(std::uint64_t offset, void* out, std::size_t n) const {
    if (!isOpen() || offset > static_cast<std::uint64_t>(INT64_MAX)) return -1;
    detail::count(detail::Call::Read);
    ssize_t r = 0;
    do {
        r = ::pread(static_cast<int>(handle_), out, n, static_cast<off_t>(offset));
    } while (r < 0 && errno == EINTR);
    return r;
}

std::ptrdiff_t File::read(void* out, std::size_t n) {
    if (!isOpen()) return -1;
    detail::count(detail::Call::Read);
    ssize_t r = 0;
    do {
        r = ::read(static_cast<int>(handle_), out, n);
    } while (r < 0 && errno == EINTR);
    return r;
}

void File::close() {
    if (!isOpen()) return;
    detail::count(detail::Call::Close);
    ::close(static_cast<int>(handle_));
    handle_ = kNone;
}

}  // namespace oru::os
