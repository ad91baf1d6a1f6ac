// The file layer: existence test, letter-case resolution and the Windows-1252 line reader.
#include <gtest/gtest.h>

#include <string>

#include "frame/files.hpp"
#include "oru/error.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

TEST(FileExists, GivesTheNameOfAnExistingRegularFileOnly) {
    test::TempDir dir;
    dir.writeText("user/Filet_E.dat", "x");
    EXPECT_EQ(files::FileExists(dir.folder() + "user\\Filet_E.dat"), "Filet_E.dat");
    EXPECT_EQ(files::FileExists(dir.folder() + "USER\\FILET_E.DAT"), "Filet_E.dat");
    EXPECT_EQ(files::FileExists(dir.folder() + "user\\Filet_I.dat"), "");
    EXPECT_EQ(files::FileExists(dir.folder() + "user"), "");  // a folder is no file
    EXPECT_EQ(files::FileExists(""), "");
    EXPECT_EQ(files::FileExists(std::string("a\0b", 3)), "");
}

TEST(TextFile, ReadsLinesOfEveryEndingAndConvertsToUtf8) {
    test::TempDir dir;
    dir.writeText("t.dat",
                  "; commentaire\r\nFilet \xE0 droite\nR\xE9"
                  "f \x80\rlast");
    files::TextFile f(dir.folder() + "t.dat");
    EXPECT_EQ(f.readLine(), "; commentaire");
    EXPECT_EQ(f.readLine(), "Filet à droite");
    EXPECT_EQ(f.readLine(), "Réf €");
    EXPECT_FALSE(f.atEnd());
    EXPECT_EQ(f.readLine(), "last");
    EXPECT_TRUE(f.atEnd());
    EXPECT_THROW(f.readLine(), Error);  // past the end
    f.close();
    EXPECT_FALSE(f.isOpen());
}

TEST(TextFile, EmptyLinesAndAFinalLineEnd) {
    test::TempDir dir;
    dir.writeText("t.dat", "a\r\n\r\n");
    files::TextFile f(dir.folder() + "t.dat");
    EXPECT_EQ(f.readLine(), "a");
    EXPECT_EQ(f.readLine(), "");
    EXPECT_TRUE(f.atEnd());
}

TEST(TextFile, MissingBinaryHugeOrRunawayFilesAreFailures) {
    test::TempDir dir;
    EXPECT_THROW(files::TextFile(dir.folder() + "none.dat"), Error);
    dir.writeText("bin.dat", std::string("ab\0cd\n", 6));
    files::TextFile bin(dir.folder() + "bin.dat");
    EXPECT_THROW(bin.readLine(), Error);
    dir.writeText("long.dat", std::string(5000, 'x') + "\n");
    files::TextFile longLine(dir.folder() + "long.dat");
    EXPECT_THROW(longLine.readLine(), Error);
    dir.writeText("big.dat", std::string(2048, '\n'));
    EXPECT_THROW(files::TextFile(dir.folder() + "big.dat", 1024), Error);
}

TEST(Cp1252, UndefinedBytesBecomeControlCharacters) {
    EXPECT_EQ(files::Cp1252ToUtf8("\x81\x9F\xFF"), "\xC2\x81\xC5\xB8\xC3\xBF");
}

}  // namespace
}  // namespace oru
