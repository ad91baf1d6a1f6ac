// The thread table reader through the turning panel: the input is written as both thread
// tables of a private host folder, then threading and tapping set-ups read them, and the pitch,
// thread type and thread choices run on what was read. Nothing may crash, no file may stay
// open, and every list index stays inside its list.
#include <string>
#include <string_view>

#include "fuzz_support.hpp"
#include "oru/opertournage.hpp"

namespace {

using namespace oru;
using namespace oru::fuzz;

const PrivateFolder& Folder() {
    static const PrivateFolder f;
    static const bool filled = [] {
        for (const char* type : {"M", "G", "T", "R"})
            for (const char* sens : {"_Xm", "_O3"})
                f.write(std::string("Filet_") + type + sens + ".bmp", BmpBytes(2, 2));
        return true;
    }();
    (void)filled;
    return f;
}

// Picks every pitch of the list, then opens the details page, chooses each thread type and some
// threads of the list, and goes back to the general page.
void Choose(OperTournage& p) {
    Widget& pitches = p.widget("cbPas");
    for (int i = 0; i < pitches.listCount() && i < 6; ++i)
        pitches.setListIndex(i);
    p.widget("bFiletage").click();
    Widget& threads = p.widget("lPasFilet");
    for (int type = 0; type < 4; ++type) {
        p.widget("bAppro", type).click();
        for (int i : {0, 1, threads.listCount() - 1, threads.listCount()})
            threads.setListIndex(i);
        CheckPanel(p);
    }
    p.widget("bFiletage").click();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PrivateFolder& folder = Folder();
    // The reader takes the file in blocks of 16 KiB: for inputs of odd size, comment lines in
    // front put the edge of the first block inside the records.
    std::string table(reinterpret_cast<const char*>(data), size);
    if (size % 2 == 1) {
        std::string comments;
        const std::size_t want = 16384 - size % 61;
        while (comments.size() + 100 < want)
            comments += ";" + std::string(98, '-') + "\n";
        comments += ";" + std::string(want - comments.size() - 2, '-') + "\n";
        table = comments + table;
    }
    folder.write("user/Filet_E.dat", table);
    folder.write("user/Filet_I.dat", table);

    const long openBefore = OpenFileCount();
    {
        Host host;
        OperTournage p(host);
        p.chbmp = folder.folder();
        p.DirSld = folder.folder();
        struct SetUp {
            std::int16_t op;
            const char* profil;
            const char* type;
            double diameter;
            double pitch;
            double flag;
        };
        // threading outside and inside with no pitch or the host's pitch; tapping with and
        // without the depth from the table
        constexpr SetUp kSetUps[] = {
            {130, "E", "M", 10, 0, 0},  {130, "I", "G", 20, 1.5, 0}, {130, "B", "T", 10, 0, 0},
            {180, "E", "M", 8.5, 0, 0}, {180, "I", "R", 10, 2, 1},
        };
        for (const SetUp& s : kSetUps) {
            std::vector<double> td = {1, 2,   50, 40, 0,          0,       0.5,    0.2,
                                      0, 0.2, 1,  60, s.diameter, s.pitch, s.flag, 30};
            std::vector<std::int16_t> ti = {s.op, 10, 0, 0, 0, 0, 0, 0};
            Trapped("SetOperTour", [&] { p.SetOperTour("20_ABCDEF", s.profil, s.type, td, ti); });
            CheckPanel(p);
            if (s.op == 130) Choose(p);
            CheckPanel(p);
            Untrapped("GetPas", [&] { p.GetPas(); });
            Untrapped("GetNbPasse", [&] { p.GetNbPasse(); });
        }
    }
    if (OpenFileCount() != openBefore) Finding("a file stayed open");
    return 0;
}
