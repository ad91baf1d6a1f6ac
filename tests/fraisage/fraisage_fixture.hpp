#pragma once

// A milling panel on a real picture folder, set up the way a host does.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "oru/oru.hpp"
#include "support/test_support.hpp"

namespace oru::test {

// Safety Z, Z clearance, pass depth, last pass, bottom and side allowances, diameter, overrun,
// depth, depth extended to the stock, host depth.
inline const std::vector<double> kTypical = {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 15, 10};

class FraisageTest : public ::testing::Test {
protected:
    FraisageTest() {
        host.setDecimalSeparator(".");
        panel.chbmp = dir.folder();
    }
    Widget& w(std::string_view name, int index = -1) { return panel.widget(name, index); }
    std::string icon(std::string_view name, int index = -1) {
        return w(name, index).picture().name();
    }
    void setUp(std::int16_t typoper, bool through, const std::vector<double>& tabval = kTypical,
               std::int16_t attrImage = 0) {
        panel.Typoper = typoper;
        panel.debouchant = through;
        panel.AttrImage = attrImage;
        panel.SetPasses("T1", tabval);
    }
    // Visibility of tbVal(0) .. tbVal(7) and tDiamTrou, as "Y" / "n".
    std::string mask() {
        std::string m;
        for (int i = 0; i < 8; ++i)
            m += w("tbVal", i).visible() ? 'Y' : 'n';
        return m + (w("tDiamTrou").visible() ? 'Y' : 'n');
    }
    // Writes the JPEG picture `stem` into the picture folder; returns the path the panel forms.
    std::string jpeg(std::string_view stem) {
        dir.writeJpeg("jpeg/" + std::string(stem) + ".jpg");
        return dir.folder() + "jpeg\\" + std::string(stem) + ".jpg";
    }

    Host host;
    TempDir dir;
    OperFraisage panel{host};
};

}  // namespace oru::test
