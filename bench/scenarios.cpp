#include "scenarios.hpp"

#include <stdexcept>

#include "environment.hpp"

namespace oru::bench {
namespace {

// clang-format off
constexpr TurningCase kTurning[] = {
    // name             op   profile tool         option
    {"BarStop",        100, "E",    "20_ABCDEF", 0},
    {"LongTurning",    101, "E",    "20_ABCDEF", 0},
    {"Facing",         102, "E",    "20_ABCDEF", 0},
    {"PartingOff",     103, "E",    "20_ABCDEF", 3},
    {"Centring",       104, "E",    "20_ABCDEF", 0},
    {"Spotting",       105, "E",    "20_ABCDEF", 0},
    {"Roughing",       110, "E",    "20_ABCDEF", 0},
    {"Finishing",      111, "E",    "20_ABCDEF", 1},
    {"Plunge",         112, "E",    "20_ABCDEF", 0},
    {"GroovingPlain",  120, "E",    "20_ABCDEF", 0},
    {"GroovingSide",   121, "E",    "20_ABCDEF", 0},
    {"GroovingFace",   123, "B",    "10_ABPR",   0},
    {"Threading",      130, "E",    "20_ABCDEF", 0},
    {"Drilling",       140, "E",    "20_ABCDEF", 0},
    {"Chamfering",     150, "E",    "20_ABCDEF", 0},
    {"Counterboring",  170, "E",    "20_ABCDEF", 0},
    {"Tapping",        180, "E",    "20_ABCDEF", 1},
};

constexpr MillingCase kMilling[] = {
    {"Move", 10},         {"Facing", 12},          {"Contour", 15},      {"Pocket", 20},
    {"FlatPocket", 21},   {"ProfilePocket", 25},   {"Spotting", 30},     {"SpotChamfer", 31},
    {"Drilling", 40},     {"DeepDrilling", 42},    {"HelixDrilling", 44}, {"CircularDrilling", 45},
    {"Chamfering", 51},   {"Boring", 60},          {"HelixBoring", 64},  {"ContourBoring", 65},
    {"Counterbore", 70},  {"Boss", 72},            {"HelixCounterbore", 74},
    {"CircularCounterbore", 75}, {"Tapping", 80},  {"ThreadMilling", 84},
};
// clang-format on

}  // namespace

std::span<const TurningCase> TurningCases() { return kTurning; }
std::span<const MillingCase> MillingCases() { return kMilling; }

const TurningCase& TurningCaseOf(std::int16_t op) {
    for (const TurningCase& c : kTurning)
        if (c.op == op) return c;
    throw std::logic_error("no turning case");
}

const MillingCase& MillingCaseOf(std::int16_t typoper) {
    for (const MillingCase& c : kMilling)
        if (c.typoper == typoper) return c;
    throw std::logic_error("no milling case");
}

Turning::Turning(Host& host, const TurningCase& tc, const std::string& pictures,
                 const std::string& tables)
    : panel(host),
      c(tc),
      td(Environment::turningValues()),
      ti(Environment::turningChoices(tc.op, tc.option)) {
    panel.chbmp = pictures;
    panel.DirSld = tables;
}

void Turning::setUp() {
    ti[0] = c.op;
    panel.SetOperTour(c.outil, c.profil, "", td, ti);
}

Milling::Milling(Host& host, const MillingCase& mc, const std::string& pictures)
    : panel(host), c(mc), tabval(Environment::millingValues()) {
    panel.chbmp = pictures;
    panel.ExtBrut = 1;
}

void Milling::setUp() {
    panel.Typoper = c.typoper;
    panel.SetPasses("FR10", tabval);
    panel.SetApproche(1);
    panel.SetDegageZ(0);
    std::int16_t engagement = 0;
    panel.SetAccostage(engagement, 2, 2, 1, 45, 1, 1);
}

void RunEveryScenario(Host& host, const std::string& pictures, const std::string& tables) {
    for (const TurningCase& c : kTurning) {
        Turning t(host, c, pictures, tables);
        t.setUp();
        if (c.op == 140) {
            for (int i = 0; i < 4; ++i)
                t.panel.widget("bTrou", i).click();
            t.setUp();
        }
        // Each button a few times: some of them step through several states.
        for (const char* button : {"bDegage", "bSens", "bUsAxe", "bGorge"})
            for (int i = 0; i < 4; ++i)
                t.panel.widget(button).click();
        for (int i = 0; i < 4; ++i)
            t.panel.widget("bAppro", i).click();
        if (c.op == 130) {
            t.setUp();
            t.panel.widget("bFiletage").click();
            for (int i = 0; i < 4; ++i)
                t.panel.widget("bAppro", i).click();
            t.panel.widget("bFiletage").click();
        }
    }
    for (const MillingCase& c : kMilling) {
        Milling m(host, c, pictures);
        m.setUp();
        for (const char* button :
             {"bApproZsecu", "bApproXYZ", "bApproZXY", "bAppro3D", "bDegageZsecu", "bExtBrut"})
            m.panel.widget(button).click();
        if (c.typoper == 12)
            for (int i = 0; i < 3; ++i)
                m.panel.widget("bSurf").click();
        Widget& engagement = m.panel.widget("cAccostage");
        for (int i = 0; i < engagement.listCount(); ++i)
            engagement.setListIndex(i);
        for (int i = 0; i < 6; ++i)
            if (m.panel.widget("bTrou", i).enabled() && m.panel.widget("pTrou").visible())
                m.panel.widget("bTrou", i).click();
    }
}

}  // namespace oru::bench
