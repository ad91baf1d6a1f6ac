#pragma once

// A turning panel on a real picture folder and thread table folder, with the two value tables a
// host passes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
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
        panel.DirSld = dir.folder();
        writeTable("E", kTable);
        writeTable("I", kTable);
    }

    // One record of a thread table: seven lines and the separator, with CRLF line ends.
    static std::string record(std::string_view nom, std::string_view pas, std::string_view prof,
                              std::string_view passes, std::string_view last, std::string_view dmin,
                              std::string_view dmax) {
        std::string r;
        for (std::string_view line :
             {nom, pas, prof, passes, last, dmin, dmax, std::string_view("-----")})
            r.append(line).append("\r\n");
        return r;
    }
    // A small table: two metric sizes (M10 with a fine and a coarse pitch), a gas thread and a
    // trapezoidal thread.
    static inline const std::string kHeader =
        "; thread table\r\n;\r\nnom/pas/profondeur/nbpasses/derpasse/dmin/dmax\r\n";
    static inline const std::string kTable =
        kHeader + record("M10x1.25", "1.25", "0.7668", "6", "0.06", "9", "11") +
        record("M10x1.5", "1.5", "0.9202", "6", "0.08", "9", "11") +
        record("M12x1.75", "1.75", "1.0742", "7", "0.09", "11", "13") +
        record("G1/2", "1.814", "1.1614", "7", "0.09", "18.81", "21.93") +
        record("Tr10x2", "2", "1.25", "8", "0.1", "9", "11");

    void writeTable(std::string_view letter, std::string_view bytes) {
        dir.writeText("user/Filet_" + std::string(letter) + ".dat", bytes);
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
