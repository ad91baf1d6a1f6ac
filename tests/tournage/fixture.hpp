#pragma once

// A turning panel on a real picture folder and thread table folder, with the two value tables a
// host passes.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
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

    // One record of a thread table from its seven fields separated by '|': seven lines and the
    // separator, with CRLF line ends.
    static std::string record(std::string_view fields) {
        std::string r(fields);
        for (std::size_t p = r.find('|'); p != std::string::npos; p = r.find('|', p))
            r.replace(p, 1, "\r\n");
        return r + "\r\n-----\r\n";
    }
    // A small table: two metric sizes (M10 with a fine and a coarse pitch), a gas thread and a
    // trapezoidal thread.
    static inline const std::string kHeader =
        "; thread table\r\n;\r\nnom/pas/profondeur/nbpasses/derpasse/dmin/dmax\r\n";
    static inline const std::string kTable =
        kHeader + record("M10x1.25|1.25|0.7668|6|0.06|9|11") +
        record("M10x1.5|1.5|0.9202|6|0.08|9|11") + record("M12x1.75|1.75|1.0742|7|0.09|11|13") +
        record("G1/2|1.814|1.1614|7|0.09|18.81|21.93") + record("Tr10x2|2|1.25|8|0.1|9|11");

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
    // A digit names a parameter box, "name:3" an element of a widget array.
    Widget& at(std::string_view n) {
        if (n.size() == 1) return box(n[0] - '0');
        const std::size_t colon = n.find(':');
        return colon == std::string_view::npos ? w(n) : w(n.substr(0, colon), n[colon + 1] - '0');
    }
    void type(int i, std::string text) { box(i).setText(std::move(text)); }
    // Types `text` into box `i`; what box `linked` then holds.
    std::string typeAndRead(int i, std::string text, int linked) {
        type(i, std::move(text));
        return box(linked).text();
    }
    std::string pictureOf(std::string_view n) { return at(n).picture().name(); }
    // The file name of a picture loaded from the picture folder.
    std::string file(std::string_view name) const { return panel.chbmp + std::string(name); }
    // The one error box shown since the last one taken. A test takes every box it causes: any
    // other box fails it at its end.
    Message takeBox() {
        EXPECT_EQ(host.messages().size(), 1u) << LastMessage(host).prompt;
        const Message m = LastMessage(host);
        host.clearMessages();
        return m;
    }
    bool boxStarts(std::string_view prefix) { return takeBox().prompt.starts_with(prefix); }
    void TearDown() override { EXPECT_TRUE(host.messages().empty()) << LastMessage(host).prompt; }

    // What `part` gives for each widget, joined by `sep`.
    template <class Part>
    std::string join(std::initializer_list<const char*> names, Part part, const char* sep = "|") {
        std::string out;
        for (const char* n : names)
            out += (out.empty() ? "" : sep) + part(at(n));
        return out;
    }
    // 'T' or 'F' for each widget.
    std::string shown(std::initializer_list<const char*> names) {
        return join(
            names, [](Widget& x) { return std::string(x.visible() ? "T" : "F"); }, "");
    }
    // The text of a text or combo box, the caption of any other widget.
    std::string texts(std::initializer_list<const char*> names) {
        return join(names, [](Widget& x) {
            const bool text = x.kind() == WidgetKind::TextBox || x.kind() == WidgetKind::ComboBox;
            return text ? x.text() : x.caption();
        });
    }
    // The items of a list, joined by '|'.
    std::string items(std::string_view name) {
        std::string out;
        for (int i = 0; i < w(name).listCount(); ++i)
            out += (i == 0 ? "" : "|") + w(name).list(i);
        return out;
    }
    TempDir dir;
    Host host;
    OperTournage panel{host};
    std::vector<double> td = std::vector<double>(16, 0.0);
    std::vector<std::int16_t> ti = {101, 10, 0, 0, 0, 0, 0, 0};
};

}  // namespace oru::test
