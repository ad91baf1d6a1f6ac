// Random sessions on the milling panel: the host sets properties and calls every public
// operation with arbitrary arguments (short or empty value tables, out-of-range codes, NaN and
// infinities), interleaved with user actions on every widget. Nothing may crash, only oru::Error
// may leave an operation without a trap, and every list index stays inside its list.
#include <memory>

#include "fuzz_support.hpp"
#include "oru/operfraisage.hpp"

namespace {

using namespace oru;
using namespace oru::fuzz;

// A picture folder with some of the pictures the panel looks for, one of them unreadable.
const PrivateFolder& Pictures() {
    static const PrivateFolder f;
    static const bool filled = [] {
        f.write("jpeg/POCHE_E_B.jpg", JpegBytes(4, 3));
        f.write("bmp/DEPL_F_0.bmp", BmpBytes(4, 3));
        f.write("BMP/cont_c_1.BMP", BmpBytes(2, 2));
        f.write("jpeg/OP_FR10.jpg", JpegBytes(4, 3));
        f.write("jpeg/PERCER_B.jpg", "not a picture");
        return true;
    }();
    (void)filled;
    return f;
}

constexpr std::initializer_list<std::int16_t> kTypes = {
    10, 11, 12, 15, 16, 20, 21, 22, 23, 25, 30, 31, 40, 41, 42, 43, 44, 45, 51,  55,
    60, 61, 62, 64, 65, 70, 71, 72, 73, 74, 75, 80, 84, 85, 90, 95, 13, 99, 100, 29};

void Step(FuzzedDataProvider& in, Host& host, OperFraisage& p) {
    switch (in.ConsumeIntegralInRange(0, 14)) {
        case 0:
            p.Typoper = Int16(in, kTypes);
            p.debouchant = in.ConsumeBool();
            p.AttrImage = Int16(in, {0, 3, 4});
            p.ExtBrut = Int16(in, {0, 1, 2});
            break;
        case 1:
            p.chbmp = in.ConsumeBool() ? Pictures().folder() : Text(in, {"", "\\", "x/"});
            p.sZmaxi = Text(in, {"", "100"});
            break;
        case 2:
            Trapped("SetOutil", [&] { p.SetOutil(Text(in, {"FR10", "", "FR"})); });
            break;
        case 3:
        case 4: {
            const std::vector<double> tabval = Numbers(in, 11);
            Trapped("SetPasses", [&] { p.SetPasses(Text(in, {"FR10", ""}), tabval); });
            break;
        }
        case 5:
            Untrapped("SetApproche", [&] { p.SetApproche(Int16(in, {0, 1, 2, 3})); });
            Untrapped("SetDegageZ", [&] { p.SetDegageZ(Int16(in, {-1, 0, 1})); });
            break;
        case 6:
            Untrapped("SetAval", [&] { p.SetAval(Int16(in, {-1, 0, 1})); });
            break;
        case 7: {
            std::int16_t engagement = Int16(in, {-1, 0, 1, 2, 3, 4, 7, 8});
            const double a = Number(in), b = Number(in), c = Number(in), d = Number(in);
            const std::int16_t sweep = Int16(in, {1, 2, 3});
            const std::int16_t closed = Int16(in, {0, -1, 1});
            Trapped("SetAccostage", [&] { p.SetAccostage(engagement, a, b, c, d, sweep, closed); });
            break;
        }
        case 8:
        case 9:
            ReadEveryGetter(p);
            break;
        case 10:
            UserAction(in, p.Avalant1());
            break;
        default:
            UserAction(in, p);
            break;
    }
    (void)host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Host host;
    auto panel = std::make_unique<OperFraisage>(host);
    panel->chbmp = Pictures().folder();
    for (int steps = 0; steps < 200 && in.remaining_bytes() > 0; ++steps) {
        Step(in, host, *panel);
        CheckPanel(*panel);
        ForgetMessages(host);
    }
    return 0;
}
