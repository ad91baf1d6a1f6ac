// Picture files on disk and the folder picture lookup: the header checks of BMP and JPEG files,
// the lookup of a stem in the jpeg\ and bmp\ sub-folders, pictures kept in the folder itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "frame/pictures.hpp"
#include "oru/error.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

class FolderLookup : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string chbmp = dir.folder();
};

TEST_F(FolderLookup, JpegFirstThenBmpElseNothing) {
    dir.writeBmp("bmp/OP_FR10.bmp", 5, 7);
    Picture p = pict::FolderPicture(chbmp, "OP_FR10");
    EXPECT_EQ(p.name(), chbmp + "bmp\\OP_FR10.bmp");  // the path as formed
    EXPECT_EQ(p.width(), 5);
    dir.writeJpeg("jpeg/OP_FR10.jpg", 8, 6);
    p = pict::FolderPicture(chbmp, "OP_FR10");
    EXPECT_EQ(p.kind(), Picture::Kind::File);
    EXPECT_EQ(p.name(), chbmp + "jpeg\\OP_FR10.jpg");
    EXPECT_EQ(p.height(), 6);
    EXPECT_TRUE(pict::FolderPicture(chbmp, "POCHE_E_B").isEmpty());
    // Without its trailing separator the folder runs into the sub-folder's name.
    EXPECT_TRUE(pict::FolderPicture(dir.path().string(), "OP_FR10").isEmpty());
}

TEST_F(FolderLookup, BackslashesAndLetterCaseAreMapped) {
    dir.writeBmp("Pics/bmp/Filet_M_O3.bmp");
    const std::string folder = dir.path().string() + "\\pics\\";
    const Picture p = pict::FolderPicture(folder, "FILET_M_O3");
    EXPECT_EQ(p.name(), folder + "bmp\\FILET_M_O3.bmp");
#ifdef _WIN32  // the file system itself ignores letter case: the path keeps the letters formed
    EXPECT_NE(p.nativePath().find("pics/bmp/FILET_M_O3.bmp"), std::string::npos);
#else
    EXPECT_NE(p.nativePath().find("Pics/bmp/Filet_M_O3.bmp"), std::string::npos);
#endif
}

TEST_F(FolderLookup, AFileThatIsNotAPictureIsAFailure) {
    dir.writeText("jpeg/BAD.jpg", "this is no picture");
    EXPECT_THROW(pict::FolderPicture(chbmp, "BAD"), Error);
    dir.writeText("TRUNC.bmp", std::string("BM\x10\0\0\0", 6));
    EXPECT_THROW(pict::LoadPicture(chbmp + "TRUNC.bmp"), Error);
    std::string jpegWithoutFrame("\xFF\xD8\xFF\xE0\x00\x04zz\xFF\xD9", 10);
    dir.writeText("NOFRAME.jpg", jpegWithoutFrame);
    EXPECT_THROW(pict::LoadPicture(chbmp + "NOFRAME.jpg"), Error);
    std::string jpegLengthPastEnd("\xFF\xD8\xFF\xE0\xFF\xF0", 6);
    dir.writeText("LONG.jpg", jpegLengthPastEnd);
    EXPECT_THROW(pict::LoadPicture(chbmp + "LONG.jpg"), Error);
}

TEST_F(FolderLookup, HeadersBeyondTheFirstBlockAreReadWhereTheyLieAndNoFileStaysOpen) {
    const auto openFiles = [] {
        std::size_t n = 0;
#ifdef __linux__  // where the system lists them (Wine's emulated programs see Wine's own)
        for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
            (void)e;
            ++n;
        }
#endif
        return n;
    };
    const std::size_t before = openFiles();
    // A JPEG whose frame header follows a 10,000-byte application segment (EXIF data often
    // does that), and the same cut short inside the segment.
    std::string jpeg("\xFF\xD8\xFF\xE1\x27\x12", 6);
    jpeg += std::string(10000, 'e');
    jpeg += std::string("\xFF\xC0\x00\x0B\x08\x00\x06\x00\x08\x01\x01\x11\x00\xFF\xD9", 15);
    dir.writeText("big.jpg", jpeg);
    const Picture p = pict::LoadPicture(chbmp + "big.jpg");
    EXPECT_EQ(std::pair(p.width(), p.height()), std::pair(8, 6));
    dir.writeText("cut.jpg", jpeg.substr(0, 6000));
    EXPECT_THROW(pict::LoadPicture(chbmp + "cut.jpg"), Error);
    EXPECT_THROW(pict::LoadPicture(chbmp + "missing.jpg"), Error);
    EXPECT_EQ(openFiles(), before);
}

TEST_F(FolderLookup, LoadingAMissingFileOrAFolderIsAFailure) {
    EXPECT_THROW(pict::LoadPicture(chbmp + "Filet_M_O3.bmp"), Error);
    dir.writeBmp("sub/a.bmp");
    EXPECT_THROW(pict::LoadPicture(chbmp + "sub"), Error);
    EXPECT_TRUE(pict::LoadPicture().isEmpty());
}

TEST_F(FolderLookup, PicturesKeptDirectlyInTheFolder) {
    dir.writeBmp("T_CHARIOTER_E1.bmp");
    EXPECT_EQ(pict::JpegOrBmp(chbmp + "T_CHARIOTER_E1").name(), chbmp + "T_CHARIOTER_E1.bmp");
    dir.writeJpeg("T_CHARIOTER_E1.jpg");
    EXPECT_EQ(pict::JpegOrBmp(chbmp + "T_CHARIOTER_E1").name(), chbmp + "T_CHARIOTER_E1.jpg");
    EXPECT_TRUE(pict::JpegOrBmp(chbmp + "T_CHARIOTER_E0").isEmpty());
}

}  // namespace
}  // namespace oru
