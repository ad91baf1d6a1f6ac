#include "support/test_support.hpp"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

#include <atomic>
#include <fstream>
#include <random>
#include <vector>

namespace oru::test {
namespace fs = std::filesystem;
namespace {

void put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putBe16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    b.push_back(static_cast<unsigned char>(v & 0xFF));
}

fs::path writeBytes(const fs::path& root, std::string_view relative,
                    const std::vector<unsigned char>& bytes) {
    const fs::path p = root / Utf8Path(relative);
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return p;
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    path_ = fs::temp_directory_path() /
            ("oru-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path TempDir::writeBmp(std::string_view relative, int width, int height) const {
    return writeText(relative, BmpBytes(width, height));
}

fs::path TempDir::writeJpeg(std::string_view relative, int width, int height) const {
    return writeText(relative, JpegBytes(width, height));
}

fs::path TempDir::writeText(std::string_view relative, std::string_view bytes) const {
    return writeBytes(path_, relative, std::vector<unsigned char>(bytes.begin(), bytes.end()));
}

std::string BmpBytes(int width, int height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<unsigned char> b = {'B', 'M'};
    put32(b, 54 + dataSize);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, dataSize);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    b.resize(b.size() + dataSize, 0x80);
    return {b.begin(), b.end()};
}

std::string JpegBytes(int width, int height) {
    // SOI, a JFIF APP0 segment, a baseline frame header, then EOI: enough for a header check.
    std::vector<unsigned char> b = {0xFF, 0xD8, 0xFF, 0xE0};
    putBe16(b, 16);
    for (unsigned char c : {'J', 'F', 'I', 'F', '\0'})
        b.push_back(c);
    b.insert(b.end(), {1, 1, 0, 0, 1, 0, 1, 0, 0});
    b.push_back(0xFF);
    b.push_back(0xC0);
    putBe16(b, 11);
    b.push_back(8);
    putBe16(b, static_cast<unsigned>(height));
    putBe16(b, static_cast<unsigned>(width));
    b.insert(b.end(), {1, 1, 0x11, 0});
    b.push_back(0xFF);
    b.push_back(0xD9);
    return {b.begin(), b.end()};
}

fs::path Utf8Path(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

bool NothingHolds(const fs::path& p) {
#ifdef _WIN32
    const HANDLE h = ::CreateFileW(p.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return ::GetLastError() != ERROR_SHARING_VIOLATION;
    ::CloseHandle(h);
    return true;
#else
    std::error_code ec;
    const fs::path target = fs::canonical(p, ec);
    if (ec || !fs::exists("/proc/self/fd")) return true;
    for (const auto& e : fs::directory_iterator("/proc/self/fd", ec)) {
        std::error_code linkError;
        if (fs::read_symlink(e.path(), linkError) == target) return false;
    }
    return true;
#endif
}

bool SetModified(const fs::path& p, std::int64_t nanoseconds) {
#ifdef _WIN32
    const HANDLE h = ::CreateFileW(p.c_str(), FILE_WRITE_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const auto ticks = static_cast<std::uint64_t>(nanoseconds / 100) + 116444736000000000ULL;
    FILETIME t{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
    const bool done = ::SetFileTime(h, nullptr, nullptr, &t) != 0;
    ::CloseHandle(h);
    return done;
#else
    const timespec times[2] = {{0, UTIME_OMIT},
                               {static_cast<time_t>(nanoseconds / 1000000000),
                                static_cast<long>(nanoseconds % 1000000000)}};
    return ::utimensat(AT_FDCWD, p.c_str(), times, 0) == 0;
#endif
}

Message LastMessage(const Host& host) {
    if (host.messages().empty()) return Message{-1, "", ""};
    return host.messages().back();
}

}  // namespace oru::test
