// The tool picture library of the Qt layer installed in a host: the tool pictures of the turning
// panel.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "oru/oru.hpp"
#include "oru/qt/toolpictures.hpp"

namespace {

using oru::Widget;

std::string boxes(const oru::Host& host) {
    std::string out;
    for (const oru::Message& m : host.messages())
        out += "[" + m.title + ": " + m.prompt + "] ";
    return out;
}

// Installed in a host, the library gives the turning panel its tool pictures: the bar stop on
// the internal picture from the family-55 provider, parting off on the external one.
TEST(ToolPictures, TurningPanelShowsTheDrawnTools) {
    oru::Host host;
    host.setToolPictureLibrary(std::make_shared<oru::qt::ToolPictures>());
    struct Row {
        std::int16_t op;
        const char* tool;
        const char* shown;
        const char* name;
    };
    const Row rows[] = {{100, "12345678", "picOutilTI", "55_BUTE"},
                        {103, "12345678", "picOutilTE", "10_TETRP"},
                        {101, "15_TIALE", "picOutilTI", "15_TIALE"},
                        {101, "14_UNKNOWN", "picOutilTI", ""}};
    for (const Row& r : rows) {
        oru::OperTournage p(host);
        std::vector<double> td(16, 1.0);
        std::vector<std::int16_t> ti = {r.op, 10, 0, 0, 0, 0, 0, 0};
        p.SetOperTour(r.tool, "E", "", td, ti);
        EXPECT_TRUE(host.messages().empty()) << boxes(host);
        host.clearMessages();
        const Widget& w = p.widget(r.shown);
        EXPECT_TRUE(w.visible()) << r.op;
        EXPECT_EQ(w.picture().name(), r.name) << r.op;
        EXPECT_EQ(w.picture().isEmpty(), std::string(r.name).empty()) << r.op;
    }
}

}  // namespace
