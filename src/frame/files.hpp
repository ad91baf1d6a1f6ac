#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

// The file layer. Panels form paths by plain concatenation with backslashes, as on the platform
// their picture folders and thread tables come from; here both "\" and "/" separate, and when
// the exact name is missing a file whose name differs only in letter case is found instead.
namespace oru::files {

// Where the path formed by a panel lies on this machine, if something exists there.
std::optional<std::filesystem::path> Resolve(std::string_view formed);

// File existence test: the file name (last component, as found on disk) when a regular file
// exists at `formed`, else "".
std::string FileExists(std::string_view formed);

// Development aid: while a recorder is installed, every path given to FileExists is handed to it
// first. The sample picture folder generator uses it to learn every file name the panels look
// for. nullptr uninstalls. Not for hosts: it is process-wide and not thread-safe.
using LookupRecorder = void (*)(std::string_view formed, void* context);
void SetLookupRecorder(LookupRecorder recorder, void* context = nullptr);

// A text file in the Windows-1252 code page, read line by line and handed out in UTF-8. The
// file is closed when the reader is closed or destroyed, whatever path the caller leaves by.
// Files larger than maxBytes, lines longer than maxLineBytes and NUL bytes are failures, so a
// binary or runaway file never leads to an unbounded allocation.
class TextFile {
public:
    static constexpr std::size_t kDefaultMaxBytes = 16u << 20;
    static constexpr std::size_t kDefaultMaxLine = 4096;

    // Opens for reading (never creates); a missing file is a failure.
    explicit TextFile(std::string_view formed, std::size_t maxBytes = kDefaultMaxBytes,
                      std::size_t maxLineBytes = kDefaultMaxLine);
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool atEnd();
    // One line without its line end ("\r\n", "\n" or "\r"); reading past the end fails.
    std::string readLine();
    void close();
    bool isOpen() const { return in_.is_open(); }

private:
    std::ifstream in_;
    std::size_t maxLine_;
};

// Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace oru::files
