#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "oru/lookups.hpp"

// The file layer. Panels form paths by plain concatenation with backslashes ("user\Filet_E.dat"),
// and hosts give folders with either separator; here both "\" and "/" separate, and when the
// exact name is missing a file whose name differs only in letter case is found instead, so that
// a picture folder or a thread table folder copied between file systems keeps working.
namespace oru::files {

// Where the path formed by a panel lies on this machine, if something exists there.
std::optional<std::filesystem::path> Resolve(std::string_view formed);
// The same, as the native path text.
std::optional<std::string> ResolveNative(std::string_view formed);

// File existence test: the file name (last component, as found on disk) when a regular file
// exists at `formed`, else "".
std::string FileExists(std::string_view formed);

// A regular file found by the file layer: where it lies on this machine and its size when it
// was found.
struct FoundFile {
    std::string path;
    std::uintmax_t size = 0;
};

// The existence test, giving where the regular file lies and its size, so that a caller about
// to open it need not look again; nullopt when there is none. The lookup recorder sees it too.
std::optional<FoundFile> FindFile(std::string_view formed);
// The same for a path the panel opens without testing it first: the recorder does not see it.
std::optional<FoundFile> LocateFile(std::string_view formed);

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
    bool isOpen() const { return fd_ >= 0; }

private:
    // Reads the next block; false at the end of the file.
    bool fill();

    int fd_ = -1;
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

}  // namespace oru::files
