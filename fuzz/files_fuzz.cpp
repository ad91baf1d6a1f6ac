// Arbitrary bytes written to a file: the picture reader and the text reader either succeed or
// fail with oru::Error, never crash, and never read out of bounds.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "frame/files.hpp"
#include "frame/pictures.hpp"
#include "oru/error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("oru-fuzz-" + std::to_string(getpid())))
            .string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        oru::pict::LoadPicture(path);
    } catch (const oru::Error&) {
    }
    try {
        oru::files::TextFile f(path, 1 << 20, 256);
        while (!f.atEnd())
            f.readLine();
    } catch (const oru::Error&) {
    }
    return 0;
}
