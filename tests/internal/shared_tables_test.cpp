// A thread table is read once per file and shared by every panel of the process, and read again
// as soon as the file changes, however it changed.
#include <chrono>
#include <filesystem>
#include <thread>

#include "fixture.hpp"
#include "frame/files.hpp"
#include "frame/os.hpp"
#include "oru/filecache.hpp"

namespace oru::test {
namespace {

namespace fs = std::filesystem;

class SharedTables : public Tournage {
protected:
    SharedTables() : saved_(files::SettleTime()) {
        files::SetSettleTime(std::chrono::nanoseconds(0));  // changes here change the stamps
        ForgetCachedFiles();
        td[12] = 10;
    }
    ~SharedTables() override {
        files::SetSettleTime(saved_);
        ForgetCachedFiles();
    }

    // A threading set-up of `p`; the files it opened.
    static std::uint64_t opensOf(OperTournage& p, std::vector<double>& td,
                                 std::vector<std::int16_t>& ti) {
        const auto before = os::CallsMade().opens;
        ti[0] = 130;
        p.SetOperTour("20_ABCDEF", "E", "M", td, ti);
        return os::CallsMade().opens - before;
    }

    fs::path table() const { return dir.path() / "user" / "Filet_E.dat"; }

    std::chrono::nanoseconds saved_;
};

TEST_F(SharedTables, ReadOnceForEveryPanelThenAgainWhenTheFileChanges) {
    EXPECT_GE(opensOf(panel, td, ti), 1u);  // the table and the thread picture
    Host otherHost;
    OperTournage other(otherHost);
    other.chbmp = panel.chbmp;
    other.DirSld = panel.DirSld;
    std::vector<double> otherTd = td;
    std::vector<std::int16_t> otherTi = ti;
    EXPECT_EQ(opensOf(other, otherTd, otherTi), 0u);
    EXPECT_EQ(items("cbPas"), "1.25|1.5");
    EXPECT_EQ(other.widget("cbPas").list(1), "1.5");
    other.widget("bFiletage").click();
    EXPECT_EQ(other.widget("lPasFilet").listCount(), 3);

    // Rewritten in place, same size, its modification time set back.
    std::string changed = kTable;
    changed.replace(changed.find("\r\n1.5\r\n"), 7, "\r\n1.6\r\n");  // the pitch of M10x1.5
    ASSERT_EQ(changed.size(), kTable.size());
    const os::Stamp before = os::StatusOf(Utf8(table()))->stamp;
    for (int attempt = 0;
         attempt < 2000 && os::StatusOf(Utf8(table()))->stamp.changed == before.changed;
         ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        writeTable("E", changed);
        ASSERT_TRUE(SetModified(table(), before.modified));
    }
    ASSERT_EQ(os::StatusOf(Utf8(table()))->stamp.modified, before.modified);
    EXPECT_EQ(opensOf(other, otherTd, otherTi), 1u);
    EXPECT_EQ(other.widget("cbPas").list(1), "1.6");
    EXPECT_EQ(opensOf(panel, td, ti), 0u);  // the new content, read once for both
    EXPECT_EQ(items("cbPas"), "1.25|1.6");
}

TEST_F(SharedTables, AFailedReadShowsTheSameRecordsAndBoxForEveryPanel) {
    writeTable("E", kHeader + record("M10x1.25|1.25|0.7668|6|0.06|9|11") +
                        record("M10x1.5|1.5|1|six|1|9|11"));
    for (int round = 0; round < 2; ++round) {
        const std::uint64_t opens = opensOf(panel, td, ti);
        EXPECT_TRUE(round == 0 ? opens >= 1 : opens == 0) << opens;
        const Message box = takeBox();
        EXPECT_EQ(box.prompt, "Lecture du fichier FILET_E.DAT\r\nType incompatible");
        EXPECT_EQ(items("cbPas"), "1.25");
        w("bFiletage").click();
        EXPECT_EQ(w("lPasFilet").listCount(), 1);  // the record read before the failure
        w("bFiletage").click();
    }
    EXPECT_TRUE(NothingHolds(table()));
}

}  // namespace
}  // namespace oru::test
