#pragma once

// A turning panel on a real picture folder, with the two value tables a host passes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "oru/oru.hpp"
#include "support/test_support.hpp"

namespace oru::test {

class Tournage : public ::testing::Test {
protected:
    Tournage() {
        panel.chbmp = dir.folder();
        // Thread and plunge pictures the set-up of threading, tapping and plunging loads.
        for (const char* name : {"Filet_M_Xm.bmp", "Filet_M_O3.bmp", "Filet_M.bmp", "Filet_.bmp",
                                 "T_POCHE_P0.bmp", "T_POCHE_P1.bmp"})
            dir.writeBmp(name);
    }

    // Sets the panel up for operation `op`; td and ti keep what the test put in them.
    void setUp(std::int16_t op, std::string profil = "E", std::string outil = "20_ABCDEF",
               std::string typeFilet = "") {
        ti.at(0) = op;
        panel.SetOperTour(std::move(outil), std::move(profil), std::move(typeFilet), td, ti);
    }

    Widget& w(std::string_view name, int index = -1) { return panel.widget(name, index); }
    Widget& box(int i) { return w("tbPara", i); }
    void type(int i, std::string text) { box(i).setText(std::move(text)); }
    std::string pictureOf(std::string_view name, int index = -1) {
        return w(name, index).picture().name();
    }
    bool noMessages() const { return host.messages().empty(); }

    TempDir dir;
    Host host;
    OperTournage panel{host};
    std::vector<double> td = std::vector<double>(16, 0.0);
    std::vector<std::int16_t> ti = {101, 10, 0, 0, 0, 0, 0, 0};
};

}  // namespace oru::test
