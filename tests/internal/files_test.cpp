// The file layer: existence test, letter-case resolution and the Windows-1252 line reader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/files.hpp"
#include "oru/error.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

TEST(FileExists, GivesTheNameOfAnExistingRegularFileOnly) {
    test::TempDir dir;
    dir.writeText("user/Filet_E.dat", "x");
    EXPECT_EQ(files::FileExists(dir.folder() + "user\\Filet_E.dat"), "Filet_E.dat");
#ifdef _WIN32  // the file system itself ignores letter case: the name keeps the letters formed
    EXPECT_EQ(files::FileExists(dir.folder() + "USER\\FILET_E.DAT"), "FILET_E.DAT");
#else
    EXPECT_EQ(files::FileExists(dir.folder() + "USER\\FILET_E.DAT"), "Filet_E.dat");
#endif
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

TEST(TextFile, LinesAcrossTheReadBlocksComeWhole) {
    // Lines of every length and ending, so that line ends, "\r\n" pairs and long lines fall on
    // the edges of the blocks the file is read in; the raw and converted lines agree.
    std::string bytes;
    std::vector<std::string> lines;
    const char* endings[] = {"\n", "\r\n", "\r"};
    for (int i = 0; bytes.size() < 100000; ++i) {
        std::string line(static_cast<std::size_t>((i * 37) % 5000),
                         static_cast<char>('a' + i % 26));
        if (i % 7 == 0) line += "\xE9";
        lines.push_back(line);
        bytes += line + endings[i % 3];
    }
    test::TempDir dir;
    dir.writeText("t.dat", bytes);
    files::TextFile f(dir.folder() + "t.dat", 1 << 20, 5000);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string expected = files::Cp1252ToUtf8(lines[i]);
        if (i % 2 == 0) {
            ASSERT_EQ(f.readLine(), expected) << i;
        } else {
            ASSERT_EQ(f.readRawLine(), lines[i]) << i;
        }
    }
    EXPECT_TRUE(f.atEnd());

    // A "\r\n" split by the edge of the first block (16 KiB) ends one line, not two.
    const std::string x(4095, 'x');
    dir.writeText("split.dat", x + "\n" + x + "\n" + x + "\n" + std::string(4095, 'y') + "\r\nz");
    files::TextFile split(dir.folder() + "split.dat");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(split.readRawLine(), x);
    EXPECT_EQ(split.readLine(), std::string(4095, 'y'));
    EXPECT_EQ(split.readLine(), "z");
    EXPECT_TRUE(split.atEnd());
}

TEST(Cp1252, UndefinedBytesBecomeControlCharacters) {
    EXPECT_EQ(files::Cp1252ToUtf8("\x81\x9F\xFF"), "\xC2\x81\xC5\xB8\xC3\xBF");
}

}  // namespace
}  // namespace oru
