// A small headless host: creates the three selectors and the milling panel, sets them up as a
// host application would, clicks and types as a user would, and prints what each one shows.
#include <cstdint>
#include <iostream>
#include <string>

#include "oru/oru.hpp"

namespace {

void show(const std::string& step, const oru::Widget& button, const oru::Widget& label) {
    std::cout << "  " << step << ": " << button.fullName() << " picture "
              << (button.picture().isEmpty() ? "(none)" : button.picture().name()) << ", "
              << label.fullName() << " \"" << label.caption() << "\", "
              << (button.visible() ? "visible" : "hidden") << "\n";
}

}  // namespace

int main() {
    oru::Host host;

    std::cout << "Avalant (climb / conventional)\n";
    oru::Avalant avalant(host);
    auto& bav = avalant.widget("Bavalant");
    auto& tav = avalant.widget("Tavalant");
    show("created", bav, tav);
    bav.click();
    show("click", bav, tav);
    avalant.SetAvalant(1);
    show("SetAvalant(1)", bav, tav);
    avalant.SetAvalant(-1);
    show("SetAvalant(-1)", bav, tav);
    std::cout << "  GetAvalant = " << avalant.GetAvalant() << "\n";

    std::cout << "SensRot (rotation direction)\n";
    oru::SensRot sens(host);
    std::int16_t direction = -1;
    sens.SetSensRot(direction, 2);
    for (int i = 0; i < 2; ++i)
        show("SetSensRot(-1, 2)", sens.widget("bSensRot", i), sens.widget("tSensRot", i));
    sens.widget("bSensRot", 1).click();
    for (int i = 0; i < 2; ++i)
        show("click tool button", sens.widget("bSensRot", i), sens.widget("tSensRot", i));
    sens.widget("bSensRot", 1).click();
    show("click again", sens.widget("bSensRot", 1), sens.widget("tSensRot", 1));
    std::cout << "  GetSensRot = " << sens.GetSensRot() << ", GetTournant = " << sens.GetTournant()
              << "\n";

    std::cout << "Arrosage (coolant)\n";
    oru::Arrosage arro(host);
    auto& barro = arro.widget("bArro");
    auto& tarro = arro.widget("tArro");
    show("created", barro, tarro);
    for (int i = 1; i <= 4; ++i) {
        barro.click();
        show("click " + std::to_string(i), barro, tarro);
    }
    arro.SetArrosage(9);
    show("SetArrosage(9)", barro, tarro);
    arro.SetArrosage(-5);
    show("SetArrosage(-5)", barro, tarro);
    std::cout << "  GetArrosage = " << arro.GetArrosage() << "\n";

    std::cout << "OperFraisage (milling panel): blind pocket\n";
    oru::OperFraisage milling(host);
    milling.Typoper = 20;
    milling.debouchant = false;
    // safety Z, Z clearance, pass depth, last pass, bottom and side allowances, diameter,
    // overrun, depth, depth extended to the stock, host depth
    milling.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 8, 0, 10, 12, 10});
    std::cout << "  passes \"" << milling.widget("tNbPasses").caption() << "\"\n";
    milling.widget("tbVal", 2).setText("2");
    std::cout << "  pass depth typed 2: passes \"" << milling.widget("tNbPasses").caption()
              << "\"\n";
    std::cout << "  GetPasse = " << milling.GetPasse()
              << ", GetDerpasse = " << milling.GetDerpasse()
              << ", GetSurepZ = " << milling.GetSurepZ()
              << ", GetProfondeur = " << milling.GetProfondeur()
              << ", GetDepasse = " << milling.GetDepasse() << " (hidden)\n";

    std::cout << "Message boxes shown: " << host.messages().size() << "\n";
    return host.messages().empty() ? 0 : 1;
}
