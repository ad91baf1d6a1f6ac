// What a set-up asks of the system when nothing changed on disk since the last one: one status
// query per file it shows, no open, no read, no folder listing. Counted by the file layer, whose
// calls are the system calls (BENCHMARKS.md compares them with the system's own count).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "frame/files.hpp"
#include "frame/os.hpp"
#include "frame/pictures.hpp"
#include "oru/oru.hpp"
#include "support/test_support.hpp"

namespace oru {
namespace {

class DiskCalls : public ::testing::Test {
protected:
    DiskCalls() : saved_(files::SettleTime()) {
        files::SetSettleTime(std::chrono::nanoseconds(0));  // the files written here are final
        ForgetCachedFiles();
        panel.chbmp = dir.folder();
        turning.chbmp = dir.folder();
        turning.DirSld = dir.folder();
        for (const char* letter : {"E", "I"}) {
            std::ifstream in(std::string(ORU_DATA_DIR) + "/threads/Filet_" + letter + ".dat",
                             std::ios::binary);
            const std::string table((std::istreambuf_iterator<char>(in)), {});
            dir.writeText(std::string("user/Filet_") + letter + ".dat", table);
        }
        for (const char* picture : {"Filet_M_Xm.bmp", "Filet_M_O3.bmp"})
            dir.writeBmp(picture);
    }
    ~DiskCalls() override {
        files::SetSettleTime(saved_);
        ForgetCachedFiles();
    }

    void milling() {
        panel.Typoper = 20;
        panel.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 12, 10});
        panel.SetApproche(1);
        panel.SetDegageZ(0);
        std::int16_t engagement = 0;
        panel.SetAccostage(engagement, 2, 2, 1, 45, 1, 1);
    }
    void turningSetUp(std::int16_t op, std::int16_t option = 0) {
        std::vector<double> td = {1, 2, 50, 40, 2, 2, 1.5, 0.2, 0.3, 0.2, 1, 60, 10, 0, 1, 30};
        std::vector<std::int16_t> ti = {op, 11, 1, 0, 0, 0, 0, option};
        turning.SetOperTour("20_ABCDEF", "E", "", td, ti);
    }

    // Writes a small picture for every JPEG path `action` looks up, so that every picture it
    // shows is there.
    template <class Action>
    void providePictures(Action action) {
        std::set<std::string> asked;
        files::SetLookupRecorder(
            [](std::string_view formed, void* c) {
                static_cast<std::set<std::string>*>(c)->emplace(formed);
            },
            &asked);
        action();
        files::SetLookupRecorder(nullptr);
        for (std::string path : asked) {
            if (!path.ends_with(".jpg") || path.rfind(dir.folder(), 0) != 0) continue;
            path = path.substr(dir.folder().size());
            for (char& c : path)
                if (c == '\\') c = '/';
            dir.writeJpeg(path);
        }
    }

    // The calls of `action` once it has run before with the same files.
    template <class Action>
    os::Calls callsOfSecondRun(Action action) {
        action();
        const os::Calls before = os::CallsMade();
        action();
        return os::CallsMade() - before;
    }

    test::TempDir dir;
    Host host;
    OperFraisage panel{host};
    OperTournage turning{host};

private:
    std::chrono::nanoseconds saved_;
};

TEST_F(DiskCalls, MillingPocketSetUp) {
    providePictures([&] { milling(); });
    const os::Calls c = callsOfSecondRun([&] { milling(); });
    EXPECT_EQ(c.total(), c.status);
    EXPECT_LE(c.status, 4u);
    EXPECT_EQ(panel.widget("pPasses").picture().kind(), Picture::Kind::File);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(DiskCalls, LongitudinalTurningSetUp) {
    providePictures([&] { turningSetUp(101); });
    const os::Calls c = callsOfSecondRun([&] { turningSetUp(101); });
    EXPECT_EQ(c.total(), c.status);
    EXPECT_LE(c.status, 1u);
    EXPECT_EQ(turning.widget("picOper").picture().kind(), Picture::Kind::File);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(DiskCalls, ThreadingSetUpWithTheShippedTables) {
    providePictures([&] { turningSetUp(130); });
    const os::Calls c = callsOfSecondRun([&] { turningSetUp(130); });
    EXPECT_EQ(c.total(), c.status);
    EXPECT_LE(c.status, 4u);
    EXPECT_GT(turning.widget("cbPas").listCount(), 0);
    EXPECT_EQ(turning.widget("picOper").picture().kind(), Picture::Kind::File);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(DiskCalls, MissingPicture) {
    dir.writeJpeg("jpeg/OTHER.jpg");
    dir.writeBmp("bmp/OTHER.bmp");
    const os::Calls c =
        callsOfSecondRun([&] { EXPECT_TRUE(pict::FolderPicture(dir.folder(), "NONE").isEmpty()); });
    EXPECT_EQ(c.total(), c.status);
    EXPECT_LE(c.status, 2u);
}

}  // namespace
}  // namespace oru
