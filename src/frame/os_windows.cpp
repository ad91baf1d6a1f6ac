// The file layer's system calls on Windows: UTF-8 paths are converted to UTF-16 and given to
// the wide-character API (never to the code-page API), names read from a folder are converted
// back to UTF-8.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <limits>
#include <string_view>

#include "frame/os.hpp"

namespace oru::os {
namespace {

// UTF-8 to UTF-16 with "\" between components; nullopt for bytes that are no UTF-8, which name
// no file.
std::optional<std::wstring> widen(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    if (utf8.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return std::nullopt;
    const int in = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), in, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), in, wide.data(), n) != n)
        return std::nullopt;
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    return wide;
}

// UTF-16 to UTF-8; nullopt for a name holding a lone surrogate, which no UTF-8 path can name.
std::optional<std::string> narrow(const wchar_t* wide) {
    const int n = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, -1, nullptr, 0,
                                        nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string utf8(static_cast<std::size_t>(n), '\0');
    if (::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, -1, utf8.data(), n, nullptr,
                              nullptr) != n)
        return std::nullopt;
    utf8.pop_back();  // the terminating NUL
    return utf8;
}

// 100-nanosecond intervals since 1601 to nanoseconds since 1970.
std::int64_t nanoseconds(std::uint64_t ticks) {
    constexpr std::uint64_t k1970 = 116444736000000000ULL;
    return (static_cast<std::int64_t>(ticks) - static_cast<std::int64_t>(k1970)) * 100;
}
std::int64_t nanoseconds(const FILETIME& t) {
    return nanoseconds((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}
std::int64_t nanoseconds(const LARGE_INTEGER& t) {
    return nanoseconds(static_cast<std::uint64_t>(t.QuadPart));
}

Kind kindOf(DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Kind::Folder;
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) return Kind::Other;
    return Kind::File;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::optional<Status> statusOfHandle(HANDLE h) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(h, &info)) return std::nullopt;
    Status s;
    s.kind = kindOf(info.dwFileAttributes);
    s.stamp.device = info.dwVolumeSerialNumber;
    s.stamp.file = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    s.stamp.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    s.stamp.modified = nanoseconds(info.ftLastWriteTime);
    FILE_BASIC_INFO basic{};
    s.stamp.changed = ::GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic)
                          ? nanoseconds(basic.ChangeTime)
                          : s.stamp.modified;
    return s;
}

HANDLE handleOf(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

}  // namespace

std::optional<Status> StatusOf(const std::string& path) {
    detail::count(detail::Call::Status);
    const auto wide = widen(path);
    if (!wide || wide->empty()) return std::nullopt;
    // A handle that asks for the attributes only: it never conflicts with another program's
    // use of the file, and is closed at once.
    const HANDLE h = ::CreateFileW(wide->c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        auto s = statusOfHandle(h);
        ::CloseHandle(h);
        return s;
    }
    // Some files cannot be opened even for their attributes (a system file in use): what the
    // folder says of them, without their identity. Such a stamp carries a change time in the
    // far future, so that nothing read from the file is kept.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    Status s;
    s.kind = kindOf(data.dwFileAttributes);
    s.stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    s.stamp.modified = nanoseconds(data.ftLastWriteTime);
    s.stamp.changed = std::numeric_limits<std::int64_t>::max();
    return s;
}

std::optional<std::vector<std::string>> List(const std::string& folder) {
    detail::count(detail::Call::List);
    auto pattern = widen(folder);
    if (!pattern) return std::nullopt;
    if (!pattern->empty() && pattern->back() != L'\\' && pattern->back() != L':')
        pattern->push_back(L'\\');
    pattern->push_back(L'*');
    WIN32_FIND_DATAW found{};
    const HANDLE h = ::FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found,
                                        FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    std::vector<std::string> names;
    if (h == INVALID_HANDLE_VALUE) {
        // A drive's root folder with nothing in it has not even "." and "..".
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) return names;
        return std::nullopt;
    }
    struct Closer {
        HANDLE h;
        ~Closer() { ::FindClose(h); }
    } closer{h};
    do {
        const std::wstring_view name(found.cFileName);
        if (name == L"." || name == L"..") continue;
        if (auto utf8 = narrow(found.cFileName)) names.push_back(std::move(*utf8));
    } while (::FindNextFileW(h, &found));
    if (::GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return names;
}

std::int64_t Now() {
    FILETIME t{};
    ::GetSystemTimeAsFileTime(&t);
    return nanoseconds(t);
}

std::optional<std::string> UserDecimalSeparator() {
    wchar_t separator[8] = {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 0)
        return std::nullopt;
    auto utf8 = narrow(separator);
    if (!utf8 || utf8->empty()) return std::nullopt;
    return utf8;
}

OpenFault File::open(const std::string& path) {
    close();
    detail::count(detail::Call::Open);
    const auto wide = widen(path);
    if (!wide || wide->empty()) return OpenFault::NotFound;
    const HANDLE h = ::CreateFileW(wide->c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        switch (::GetLastError()) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
                return OpenFault::NotFound;
            case ERROR_ACCESS_DENIED:
            case ERROR_SHARING_VIOLATION:
                return OpenFault::Denied;
            default:
                return OpenFault::Other;
        }
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return OpenFault::None;
}

std::optional<Status> File::status() const {
    if (!isOpen()) return std::nullopt;
    detail::count(detail::Call::Status);
    return statusOfHandle(handleOf(handle_));
}

std::ptrdiff_t File::readAt(std::uint64_t offset, void* out, std::size_t n) const {
    if (!isOpen()) return -1;
    detail::count(detail::Call::Read);
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(n > 0x10000000u ? 0x10000000u : n);
    if (!::ReadFile(handleOf(handle_), out, want, &got, &at))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    return static_cast<std::ptrdiff_t>(got);
}

std::ptrdiff_t File::read(void* out, std::size_t n) {
    if (!isOpen()) return -1;
    detail::count(detail::Call::Read);
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(n > 0x10000000u ? 0x10000000u : n);
    if (!::ReadFile(handleOf(handle_), out, want, &got, nullptr))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    return static_cast<std::ptrdiff_t>(got);
}

void File::close() {
    if (!isOpen()) return;
    detail::count(detail::Call::Close);
    ::CloseHandle(handleOf(handle_));
    handle_ = kNone;
}

}  // namespace oru::os
