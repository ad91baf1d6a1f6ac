#pragma once

// Helpers shared by the test suites: the operations a host can set up, a temporary folder that
// removes itself, and writers of small but valid BMP and JPEG files, so that picture lookups run
// on real files.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "oru/host.hpp"

namespace oru::test {

// Every milling operation type and every turning operation number a host can set up.
inline constexpr std::int16_t kMillingTypes[] = {10, 11, 12, 15, 16, 20, 21, 22, 23, 25, 30, 31,
                                                 40, 41, 42, 43, 44, 45, 51, 55, 60, 61, 62, 64,
                                                 65, 70, 71, 72, 73, 74, 75, 80, 84, 85};
inline constexpr std::int16_t kTurningOperations[] = {100, 101, 102, 103, 104, 105, 110, 111, 112,
                                                      113, 120, 121, 122, 123, 124, 130, 140, 141,
                                                      142, 143, 145, 146, 147, 148, 150, 170, 180};

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a host passes it: native path ending with a separator.
    std::string folder() const { return path_.string() + "/"; }
    // Creates the file (and its parent folders) at `relative` ("/" separated).
    std::filesystem::path writeBmp(std::string_view relative, int width = 4, int height = 3) const;
    std::filesystem::path writeJpeg(std::string_view relative, int width = 4, int height = 3) const;
    std::filesystem::path writeText(std::string_view relative, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

// The bytes of a small valid 24-bit BMP file and of a JPEG header (enough for a header check).
std::string BmpBytes(int width, int height);
std::string JpegBytes(int width, int height);

// The last message box shown, or an empty one.
Message LastMessage(const Host& host);

// A path from UTF-8 text, and back: what the panels get on every system (a plain std::string
// would be read in the code page of Windows).
std::filesystem::path Utf8Path(std::string_view utf8);
std::string Utf8(const std::filesystem::path& p);

// Whether no file handle of this process is open on the file: on Linux no descriptor leads to
// it; on Windows it can be opened for exclusive use, which an open handle prevents.
bool NothingHolds(const std::filesystem::path& p);

// Sets the modification time of a file or folder, to the nanosecond where the file system keeps
// it (std::filesystem on MinGW keeps whole seconds and cannot set a folder's); false when the
// system refuses.
bool SetModified(const std::filesystem::path& p, std::int64_t nanoseconds);

}  // namespace oru::test
