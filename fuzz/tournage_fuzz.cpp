// Random sessions on the turning panel: SetOperTour with arbitrary tool codes, profiles, thread
// types and value tables (short or empty, out-of-range codes, NaN and infinities), the public
// properties, every getter, and user actions on every widget, with a tool picture library that
// may answer anything. Nothing may crash, only oru::Error may leave an operation without a trap,
// and every list index stays inside its list.
#include <memory>
#include <optional>

#include "fuzz_support.hpp"
#include "oru/opertournage.hpp"

namespace {

using namespace oru;
using namespace oru::fuzz;

// Picture folder and thread tables: a few pictures, one unreadable, and small tables.
const PrivateFolder& Folder() {
    static const PrivateFolder f;
    static const bool filled = [] {
        for (const char* name : {"Filet_M_Xm.bmp", "Filet_M_O3.bmp", "Filet_G_Xm.bmp",
                                 "T_POCHE_P0.bmp", "T_POCHE_P1.bmp", "FILET_M_XM.BMP"})
            f.write(name, BmpBytes(4, 3));
        f.write("T_CHARIOTER_E0.jpg", JpegBytes(4, 3));
        f.write("t_percer_e0.BMP", BmpBytes(4, 3));
        f.write("T_DRESSER_E.jpg", "broken");
        f.write("user/Filet_E.dat", SampleThreadTable());
        f.write("user/Filet_I.dat", SampleThreadTable());
        return true;
    }();
    (void)filled;
    return f;
}

// A tool picture library whose providers answer what the input says.
class Tools : public ToolPictureLibrary {
public:
    explicit Tools(int mode) : mode_(mode) {}
    std::unique_ptr<ToolPictureProvider> create(ToolFamilyProvider) override {
        if (mode_ == 0) return nullptr;
        return std::make_unique<Provider>(mode_);
    }

private:
    struct Provider : ToolPictureProvider {
        explicit Provider(int m) : mode(m) {}
        std::optional<Picture> picture(std::string& code) override {
            if (mode == 1) return std::nullopt;
            if (mode == 2) throw Error("outil inconnu");
            code += "x";
            return Picture(Picture::Kind::Bitmap, code, {}, 36, 36);
        }
        int mode;
    };
    int mode_;
};

constexpr std::initializer_list<std::int16_t> kOps = {
    100, 101, 102, 103, 104, 105, 106, 110, 111, 112, 113, 120, 121, 122, 123, 124,
    130, 140, 141, 142, 143, 144, 145, 146, 149, 150, 170, 180, 99,  139, 200};

std::vector<std::int16_t> Choices(FuzzedDataProvider& in) {
    std::size_t count = 8;
    if (in.ConsumeIntegralInRange(0, 3) == 0) count = in.ConsumeIntegralInRange<std::size_t>(0, 9);
    std::vector<std::int16_t> ti(count);
    if (!ti.empty()) ti[0] = Int16(in, kOps);
    if (ti.size() > 1) ti[1] = Int16(in, {10, 11, 12, 13});
    for (std::size_t i = 2; i < ti.size(); ++i)
        ti[i] = Int16(in, {0, 1, 2, 3, 4});
    return ti;
}

void Step(FuzzedDataProvider& in, OperTournage& p) {
    switch (in.ConsumeIntegralInRange(0, 12)) {
        case 0:
        case 1:
        case 2: {
            std::vector<double> td = Numbers(in, 16);
            std::vector<std::int16_t> ti = Choices(in);
            const std::string outil = Text(in, {"20_ABCDEF", "10_ABG1", "11_ABX1", "15_TEGAP",
                                                "55_BUTE", "5X_ABCDEFG", "\xE9\xE9_ABCDE"});
            const std::string profil = Text(in, {"E", "I", "B", "F"});
            const std::string type = Text(in, {"", "M", "G", "T", "R", "0", "1"});
            Trapped("SetOperTour", [&] { p.SetOperTour(outil, profil, type, td, ti); });
            break;
        }
        case 3:
            p.NumOp = Int16(in, kOps);
            break;
        case 4:
            p.chbmp = in.ConsumeBool() ? Folder().folder() : Text(in, {"", "\\"});
            p.DirSld = in.ConsumeBool() ? Folder().folder() : Text(in, {"", "\\"});
            break;
        case 5:
            ReadEveryGetter(p);
            break;
        default:
            UserAction(in, p);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Host host;
    const int tools = in.ConsumeIntegralInRange(0, 4);
    if (tools < 4)
        host.setToolPictureLibrary(std::make_shared<Tools>(tools));
    else
        host.setToolPictureLibrary(nullptr);
    auto panel = std::make_unique<OperTournage>(host);
    panel->chbmp = Folder().folder();
    panel->DirSld = Folder().folder();
    for (int steps = 0; steps < 200 && in.remaining_bytes() > 0; ++steps) {
        Step(in, *panel);
        CheckPanel(*panel);
        ForgetMessages(host);
    }
    return 0;
}
