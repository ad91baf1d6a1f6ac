// Arbitrary bytes written to a file: the picture reader and the text reader either succeed or
// fail with oru::Error, never crash, never read out of bounds, and leave no file open.
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/files.hpp"
#include "frame/pictures.hpp"
#include "fuzz_support.hpp"
#include "oru/error.hpp"

using namespace oru::fuzz;

// The text reader takes the file in blocks of 16 KiB: padding the input with short lines puts the
// edge of the first block inside it, at an offset the input chooses.
std::string Padded(std::string_view bytes) {
    const std::size_t offset = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 64;
    const std::size_t want = 16384 - offset;
    std::string padded;
    while (padded.size() + 200 < want)
        padded += std::string(199, 'x') + "\n";
    padded += std::string(want - padded.size() - 1, 'x') + "\n";
    padded.append(bytes);
    return padded;
}

void ReadAsText(const PrivateFolder& folder, std::string_view bytes) {
    folder.write("text.dat", bytes);
    Untrapped("TextFile", [&] {
        oru::files::TextFile f(folder.folder() + "TEXT.DAT", 1 << 20, 256);
        for (bool raw = false; !f.atEnd(); raw = !raw) {
            if (raw)
                f.readRawLine();
            else
                f.readLine();
        }
    });
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const PrivateFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const long openBefore = OpenFileCount();
    folder.write("picture.bmp", bytes);
    Untrapped("LoadPicture", [&] { oru::pict::LoadPicture(folder.folder() + "PICTURE.BMP"); });
    Untrapped("FolderPicture", [&] { oru::pict::JpegOrBmp(folder.folder() + "Picture"); });
    ReadAsText(folder, bytes);
    ReadAsText(folder, Padded(bytes));
    if (OpenFileCount() != openBefore) Finding("a file stayed open");
    return 0;
}
