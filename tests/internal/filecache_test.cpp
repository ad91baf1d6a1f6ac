// What the file layer keeps of files and folders: a look at an unchanged file costs one status
// query and no read, and nothing kept outlives a change of the file or folder it came from.
// Paths of both systems: drive letters, both separators, accented names, letter case.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "frame/files.hpp"
#include "frame/os.hpp"
#include "frame/pictures.hpp"
#include "oru/error.hpp"
#include "oru/filecache.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

namespace fs = std::filesystem;

// Files written by a test are at once settled (the test changes them only in ways their stamps
// show), and nothing kept by another test is used.
class FileCache : public ::testing::Test {
protected:
    FileCache() : saved_(files::SettleTime()) {
        files::SetSettleTime(std::chrono::nanoseconds(0));
        ForgetCachedFiles();
    }
    ~FileCache() override {
        files::SetSettleTime(saved_);
        ForgetCachedFiles();
    }

    // The system calls made by `action`.
    template <class Action>
    static os::Calls callsOf(Action&& action) {
        const os::Calls before = os::CallsMade();
        std::forward<Action>(action)();
        return os::CallsMade() - before;
    }

    static os::Stamp stampOf(const fs::path& p) {
        const auto s = os::StatusOf(test::Utf8(p));
        return s ? s->stamp : os::Stamp{};
    }

    static void write(const fs::path& p, std::string_view bytes) {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Rewrites the file in place (same size, same file) and sets its modification time back,
    // again until the status-change time differs from before (file system clocks tick
    // coarsely): then nothing but the change time tells the two versions apart.
    static void rewriteKeepingTimes(const fs::path& p, std::string_view bytes) {
        const os::Stamp before = stampOf(p);
        for (int attempt = 0; attempt < 2000; ++attempt) {
            write(p, bytes);
            ASSERT_TRUE(test::SetModified(p, before.modified));
            const os::Stamp after = stampOf(p);
            if (after.changed != before.changed) {
                ASSERT_EQ(after.size, before.size);
                ASSERT_EQ(after.modified, before.modified);
                ASSERT_EQ(after.file, before.file);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        FAIL() << "the status-change time of " << p << " never changed";
    }

    test::TempDir dir;
    std::string chbmp = dir.folder();

private:
    std::chrono::nanoseconds saved_;
};

TEST_F(FileCache, AnUnchangedPictureCostsOneStatusQueryAndAMissingOneAStatusPerFolder) {
    dir.writeJpeg("jpeg/OP_FR10.jpg", 8, 6);
    dir.writeBmp("bmp/ONLY_BMP.bmp", 5, 7);
    dir.writeBmp("bmp/placeholder.bmp");
    for (int round = 0; round < 2; ++round) {  // the first round reads, the second recalls
        const os::Calls c = callsOf([&] {
            EXPECT_EQ(pict::FolderPicture(chbmp, "OP_FR10").width(), 8);
            EXPECT_EQ(pict::FolderPicture(chbmp, "ONLY_BMP").height(), 7);
            EXPECT_TRUE(pict::FolderPicture(chbmp, "NO_SUCH").isEmpty());
        });
        if (round == 0) {
            EXPECT_EQ(c.opens, 2u);
            EXPECT_EQ(c.listings, 2u);  // jpeg/ once (both misses there share it), bmp/ once
        } else {
            // the JPEG: its stat; the BMP: a stat of jpeg/, its own; the missing one: a stat of
            // each folder
            EXPECT_EQ(c.status, 5u);
            EXPECT_EQ(c.total(), c.status);
        }
    }
}

TEST_F(FileCache, ALetterCaseMatchCostsAStatusOfTheFolderAndOfTheFile) {
    dir.writeBmp("pics/bmp/Filet_M_O3.bmp", 6, 2);
    const std::string folder = dir.folder() + "pics\\";
    EXPECT_EQ(pict::FolderPicture(folder, "FILET_M_O3").width(), 6);
    const os::Calls c = callsOf([&] {
        const Picture p = pict::FolderPicture(folder, "FILET_M_O3");
        EXPECT_EQ(p.width(), 6);
        EXPECT_EQ(p.name(), folder + "bmp\\FILET_M_O3.bmp");
    });
    EXPECT_EQ(c.total(), c.status);
    // jpeg/ missing (decided in the picture folder's listing); bmp/ and the BMP found in it
    EXPECT_LE(c.status, 3u);
}

TEST_F(FileCache, APictureReplacedIsReadAgainHoweverItWasReplaced) {
    const fs::path jpg = dir.writeJpeg("jpeg/POCHE_E_B.jpg", 8, 6);
    EXPECT_EQ(pict::FolderPicture(chbmp, "POCHE_E_B").width(), 8);

    // Rewritten in place, same size, modification time set back: the change time tells.
    rewriteKeepingTimes(jpg, test::JpegBytes(6, 8));
    EXPECT_EQ(pict::FolderPicture(chbmp, "POCHE_E_B").width(), 6);

    // Replaced by another file renamed over it, with the same size and times: another file.
    const fs::path other = dir.writeJpeg("other.jpg", 7, 9);
    ASSERT_TRUE(test::SetModified(other, stampOf(jpg).modified));
    fs::rename(other, jpg);
    EXPECT_EQ(pict::FolderPicture(chbmp, "POCHE_E_B").width(), 7);

    // Made invalid: the failure, then a valid picture again.
    write(jpg, "not a picture at all");
    EXPECT_THROW(pict::FolderPicture(chbmp, "POCHE_E_B"), Error);
    EXPECT_THROW(pict::FolderPicture(chbmp, "POCHE_E_B"), Error);  // remembered as it is
    write(jpg, test::JpegBytes(3, 4));
    EXPECT_EQ(pict::FolderPicture(chbmp, "POCHE_E_B").width(), 3);

    // Removed: the BMP beside it, then nothing.
    dir.writeBmp("bmp/POCHE_E_B.bmp", 2, 2);
    fs::remove(jpg);
    EXPECT_EQ(pict::FolderPicture(chbmp, "POCHE_E_B").name(), chbmp + "bmp\\POCHE_E_B.bmp");
    fs::remove(dir.path() / "bmp" / "POCHE_E_B.bmp");
    EXPECT_TRUE(pict::FolderPicture(chbmp, "POCHE_E_B").isEmpty());
}

TEST_F(FileCache, AFolderWhoseContentChangesIsListedAgain) {
    dir.writeBmp("bmp/placeholder.bmp");
    const fs::path jpeg = dir.path() / "jpeg";
    fs::create_directories(jpeg);
    EXPECT_TRUE(pict::FolderPicture(chbmp, "CONT_F_0").isEmpty());
    EXPECT_TRUE(pict::FolderPicture(chbmp, "CONT_F_0").isEmpty());  // recalled

    // A file whose name differs in letter case appears, and the folder's modification time is
    // set back: its change time tells.
    const os::Stamp before = stampOf(jpeg);
    for (int attempt = 0; attempt < 2000 && stampOf(jpeg).changed == before.changed; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        fs::remove(jpeg / "cont_f_0.JPG");
        dir.writeJpeg("jpeg/cont_f_0.JPG", 4, 4);
        ASSERT_TRUE(test::SetModified(jpeg, before.modified));
    }
    ASSERT_EQ(stampOf(jpeg).modified, before.modified);
    ASSERT_NE(stampOf(jpeg).changed, before.changed);
    EXPECT_EQ(pict::FolderPicture(chbmp, "CONT_F_0").width(), 4);

    // Renamed away: missing again.
    fs::rename(jpeg / "cont_f_0.JPG", jpeg / "other.jpg");
    EXPECT_TRUE(pict::FolderPicture(chbmp, "CONT_F_0").isEmpty());
    // A missing sub-folder appears with the file in it.
    fs::remove_all(jpeg);
    EXPECT_TRUE(pict::FolderPicture(chbmp, "CONT_F_0").isEmpty());
    dir.writeJpeg("JPEG/CONT_F_0.jpg", 5, 5);
    EXPECT_EQ(pict::FolderPicture(chbmp, "CONT_F_0").width(), 5);
}

TEST_F(FileCache, FilesChangedWithinTheSettleTimeAreNeverTakenAsKnown) {
    // With the settle time of every day use, a file just written is read at every look, so that
    // two versions within one tick of the file system's clock cannot be confused.
    files::SetSettleTime(std::chrono::seconds(2));
    const fs::path jpg = dir.writeJpeg("jpeg/OP_X.jpg", 8, 6);
    EXPECT_EQ(pict::FolderPicture(chbmp, "OP_X").width(), 8);
    const std::int64_t modified = stampOf(jpg).modified;
    write(jpg, test::JpegBytes(6, 8));  // most often within the same tick
    ASSERT_TRUE(test::SetModified(jpg, modified));
    EXPECT_EQ(pict::FolderPicture(chbmp, "OP_X").width(), 6);
    const os::Calls c = callsOf([&] { pict::FolderPicture(chbmp, "OP_X"); });
    EXPECT_EQ(c.opens, 1u);
}

TEST_F(FileCache, ForgettingReadsEverythingAgain) {
    dir.writeJpeg("jpeg/A.jpg");
    pict::FolderPicture(chbmp, "A");
    EXPECT_EQ(callsOf([&] { pict::FolderPicture(chbmp, "A"); }).opens, 0u);
    ForgetCachedFiles();
    EXPECT_EQ(callsOf([&] { pict::FolderPicture(chbmp, "A"); }).opens, 1u);
}

TEST_F(FileCache, NoFileStaysOpenWhateverTheOutcome) {
    const fs::path good = dir.writeJpeg("jpeg/GOOD.jpg");
    const fs::path bad = dir.writeText("jpeg/BAD.jpg", "no picture");
    const fs::path table = dir.writeText("t.dat", "a\r\nb\r\n");
    const fs::path binary = dir.writeText("bin.dat", std::string("a\0b\n", 4));
    const fs::path big = dir.writeText("big.dat", std::string(2048, '\n'));
    pict::FolderPicture(chbmp, "GOOD");
    EXPECT_THROW(pict::FolderPicture(chbmp, "BAD"), Error);
    {
        files::TextFile f(chbmp + "t.dat");
        EXPECT_EQ(f.readLine(), "a");
    }
    EXPECT_THROW(files::TextFile(chbmp + "bin.dat").readLine(), Error);
    EXPECT_THROW(files::TextFile(chbmp + "big.dat", 1024), Error);
    for (const fs::path& p : {good, bad, table, binary, big}) {
        EXPECT_TRUE(test::NothingHolds(p)) << p;
        // and the file may go at once (Windows refuses to remove a file that is open)
        EXPECT_TRUE(fs::remove(p)) << p;
    }
}

TEST_F(FileCache, PathsOfBothSystemsAndAccentedNames) {
    // A user folder with accents, a name with an accent, both separators, letter case.
    const fs::path file = dir.writeText("Hélène/user/Filetage_é.dat", "x");
    const std::string native = test::Utf8(dir.path());
    std::string backslashes = native;
    std::string slashes = native;
    for (char& c : slashes)
        if (c == '\\') c = '/';
    for (char& c : backslashes)
        if (c == '/') c = '\\';
    for (const std::string& root : {slashes + "/", backslashes + "\\"}) {
        EXPECT_FALSE(files::FileExists(root + "Hélène\\user\\Filetage_é.dat").empty()) << root;
        EXPECT_FALSE(files::FileExists(root + "Hélène/user/Filetage_é.dat").empty()) << root;
        EXPECT_FALSE(files::FileExists(root + "HÉLÈNE\\USER\\FILETAGE_É.DAT").empty()) << root;
        EXPECT_TRUE(files::FileExists(root + "Helene\\user\\Filetage_e.dat").empty()) << root;
        // a folder given without its final separator runs into the next name
        EXPECT_TRUE(files::FileExists(root + "Hélèneuser\\Filetage_é.dat").empty()) << root;
    }
    files::TextFile f(backslashes + "\\HÉLÈNE\\user\\filetage_É.dat");
    EXPECT_EQ(f.readLine(), "x");
#ifdef _WIN32
    ASSERT_GE(native.size(), 3u);
    EXPECT_EQ(native[1], ':');  // a drive letter
    EXPECT_EQ(slashes.substr(0, 3), native.substr(0, 2) + "/");
#endif
}

TEST_F(FileCache, PanelsOnSeveralThreadsShareWhatIsKept) {
    for (int i = 0; i < 8; ++i)
        dir.writeJpeg("jpeg/P" + std::to_string(i) + ".jpg", i + 1, 2);
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (std::size_t t = 0; t < wrong.size(); ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 200; ++round) {
                const int i = (round + static_cast<int>(t)) % 10;  // 8 and 9 are missing
                const Picture p = pict::FolderPicture(chbmp, "P" + std::to_string(i));
                if (p.width() != (i < 8 ? i + 1 : 0)) ++wrong[t];
                if (round % 50 == 0) ForgetCachedFiles();
            }
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace oru
