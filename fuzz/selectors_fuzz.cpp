// Random sessions on the three selectors: their operations with any 16-bit argument, the
// getters, and clicks on their buttons. The selectors have no failure trap: only oru::Error may
// leave them, and their state stays within the ranges they document.
#include "fuzz_support.hpp"
#include "oru/arrosage.hpp"
#include "oru/avalant.hpp"
#include "oru/sensrot.hpp"

namespace {

using namespace oru;
using namespace oru::fuzz;

void Session(FuzzedDataProvider& in, Host& host, Avalant& a, SensRot& s, Arrosage& c) {
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 6)) {
            case 0:
                Untrapped("SetAvalant", [&] { a.SetAvalant(Int16(in, {-1, 0, 1, 2})); });
                break;
            case 1: {
                std::int16_t sens = Int16(in, {-2, -1, 0, 1, 2});
                Untrapped("SetSensRot", [&] {
                    s.SetSensRot(sens, Int16(in, {-1, 0, 1, 2, 3, 4}));
                });
                break;
            }
            case 2:
                Untrapped("SetArrosage", [&] { c.SetArrosage(Int16(in, {-1, 0, 1, 2, 3, 4})); });
                break;
            case 3:
                UserAction(in, a);
                break;
            case 4:
                UserAction(in, s);
                break;
            case 5:
                UserAction(in, c);
                break;
            default:
                break;
        }
        std::int16_t mode = 0, sens = 0, tournant = 0, coolant = 0;
        Untrapped("getters", [&] {
            mode = a.GetAvalant();
            sens = s.GetSensRot();
            tournant = s.GetTournant();
            coolant = c.GetArrosage();
        });
        if (mode < 0 || mode > 1) Finding("Avalant mode out of range");
        if (sens < -1 || sens > 1 || tournant < -1 || tournant > 3)
            Finding("SensRot state out of range");
        if (coolant < -1 || coolant > 3) Finding("Arrosage state out of range");
        CheckPanel(a);
        CheckPanel(s);
        CheckPanel(c);
        ForgetMessages(host);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Host host;
    Avalant a(host);
    SensRot s(host);
    Arrosage c(host);
    Session(in, host, a, s, c);
    return 0;
}
