// A small headless host: creates the three selectors and the two operation panels, sets them up
// as a host application would, clicks and types as a user would, and prints what each one shows.
// The turning panel reads the shipped standard thread tables from a host folder made for the run.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "oru/oru.hpp"

namespace {

void show(const std::string& step, const oru::Widget& button, const oru::Widget& label) {
    std::cout << "  " << step << ": " << button.fullName() << " picture "
              << (button.picture().isEmpty() ? "(none)" : button.picture().name()) << ", "
              << label.fullName() << " \"" << label.caption() << "\", "
              << (button.visible() ? "visible" : "hidden") << "\n";
}

// A host installation for the run: the thread tables under "user", and placeholder sketches of
// the thread pictures the turning panel loads.
std::filesystem::path makeHostFolder() {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / "oru-demo-host";
    fs::create_directories(root / "user");
    for (const char* letter : {"E", "I"}) {
        const std::string name = std::string("Filet_") + letter + ".dat";
        fs::copy_file(fs::path(ORU_DATA_DIR) / "threads" / name, root / "user" / name,
                      fs::copy_options::overwrite_existing);
    }
    // A 1 x 1 pixel, 24-bit BMP.
    const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0,  54, 0, 0, 0, 40, 0, 0, 0, 1,
                                 0,   0,   0,  1, 0, 0, 0, 1, 0, 24, 0,  0, 0, 0, 0,  4, 0, 0, 0,
                                 0,   0,   0,  0, 0, 0, 0, 0, 0, 0,  0,  0, 0, 0, 0,  0, 0, 0, 0};
    for (const char* name : {"Filet_M_Xm.bmp", "Filet_M_O3.bmp"}) {
        std::ofstream out(root / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    }
    return root;
}

void printPitches(const oru::Widget& cbPas) {
    std::cout << "  pitches offered:";
    for (int i = 0; i < cbPas.listCount(); ++i)
        std::cout << " " << cbPas.list(i);
    std::cout << ", chosen " << cbPas.text() << "\n";
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

    std::cout << "OperTournage (turning panel): external ISO thread, diameter 10\n";
    const std::string folder = makeHostFolder().string() + "/";
    oru::OperTournage turning(host);
    turning.chbmp = folder;
    turning.DirSld = folder;
    std::vector<double> td(16, 0.0);
    td[0] = 2;    // radial safety retract
    td[1] = 2;    // axial safety retract
    td[2] = 10;   // stock diameter
    td[8] = 20;   // thread length
    td[12] = 10;  // thread diameter
    td[15] = 25;  // cylinder length
    std::vector<std::int16_t> ti = {130, 10, 0, 0, 0, 0, 1, 0};
    turning.SetOperTour("20_FILEXT", "E", "M", td, ti);
    printPitches(turning.widget("cbPas"));
    turning.widget("bFiletage").click();  // the threading details page
    std::cout << "  details page: " << turning.widget("bFiletage").caption() << "\n";
    turning.widget("bAppro", 0).click();  // ISO metric threads
    const oru::Widget& threads = turning.widget("lPasFilet");
    int fine = -1;
    for (int i = 0; i < threads.listCount(); ++i)
        if (threads.list(i).rfind("M10x1.25\t", 0) == 0) fine = i;
    std::cout << "  " << threads.listCount() << " ISO threads listed; picking \""
              << threads.list(fine) << "\"\n";
    turning.widget("lPasFilet").setListIndex(fine);
    std::cout << "  GetPas = " << turning.GetPas() << ", GetProfFilet = " << turning.GetProfFilet()
              << ", GetDerPasseZ = " << turning.GetDerPasseZ()
              << ", GetNbPasse = " << turning.GetNbPasse()
              << ", GetTypeFilet = " << turning.GetTypeFilet() << "\n";
    turning.widget("bFiletage").click();
    std::cout << "  back to the general page: " << turning.widget("bFiletage").caption() << "\n";

    for (const oru::Message& m : host.messages())
        std::cout << "Message box (style " << m.style << ") " << m.title << ": " << m.prompt
                  << "\n";
    std::cout << "Message boxes shown: " << host.messages().size() << "\n";
    return host.messages().empty() ? 0 : 1;
}
