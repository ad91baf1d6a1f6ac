#include "sweep.hpp"

#include <cstdint>
#include <deque>
#include <set>
#include <utility>

#include "oru/codes.hpp"
#include "oru/getters.hpp"

namespace oru::textsweep {
namespace {

constexpr std::int16_t kTurningOps[] = {100, 101, 102, 103, 104, 105, 110, 111, 112,
                                        113, 120, 121, 122, 123, 124, 130, 140, 141,
                                        142, 143, 145, 146, 147, 148, 150, 170, 180};
constexpr const char* kProfiles[] = {"E", "I", "B", "F"};
constexpr const char* kThreadTypes[] = {"M", "G", "T", "R"};
constexpr std::int16_t kMillingTypes[] = {10, 11, 12, 15, 16, 20, 21, 22, 23, 25, 30, 31,
                                          40, 41, 42, 43, 44, 45, 51, 55, 60, 61, 62, 64,
                                          65, 70, 71, 72, 73, 74, 75, 80, 84, 85};

// What a user can click on each panel (name, index).
const std::vector<std::pair<std::string, int>> kTurningButtons = {
    {"bAppro", 0}, {"bAppro", 1},  {"bAppro", 2},     {"bAppro", 3}, {"bDegage", -1},
    {"bSens", -1}, {"bGorge", -1}, {"bUsAxe", -1},    {"bTrou", 0},  {"bTrou", 1},
    {"bTrou", 2},  {"bTrou", 3},   {"bFiletage", -1},
};
const std::vector<std::pair<std::string, int>> kMillingButtons = {
    {"bTrou", 0},      {"bTrou", 1},     {"bTrou", 2},         {"bTrou", 3},
    {"bTrou", 4},      {"bTrou", 5},     {"bApproZsecu", -1},  {"bApproXYZ", -1},
    {"bApproZXY", -1}, {"bAppro3D", -1}, {"bDegageZsecu", -1}, {"bSurf", -1},
    {"bExtBrut", -1},
};

struct TurningCase {
    std::int16_t op;
    std::string profil, threadType;
};

// A tool of the family the operation expects, external, internal or on the axis.
std::string turningTool(std::int16_t op, const std::string& profil) {
    const bool internal = profil == "I";
    if (op >= 112 && op <= 124)
        return internal ? "25_TIGOR3" : profil == "F" ? "26_TFGOR3" : "20_TEGOR3";
    if (op == 130) return internal ? "31_TIFIL1" : "30_TEFIL1";
    if (op >= 140 && op <= 149) return profil == "E" ? "40_RFOR10" : "44_AFOR10";
    if (op == 180) return profil == "E" ? "42_RTAR10" : "47_ATAR10";
    if (op == 103) return "22_TETRO3";
    return internal ? "15_TIALE1" : "10_TECHA1";
}

void setUpTurning(OperTournage& p, const Folders& f, const TurningCase& c) {
    p.chbmp = f.pictures;
    p.DirSld = f.dirSld;
    p.NumOp = c.op;
    std::vector<double> td = {2, 2, 50, 2, 1, 1, 2, 0.5, 0.4, 0.2, 1, 30, 40, 1.5, 12, 25};
    std::vector<std::int16_t> ti = {c.op, 10, 0, 3, 0, 0, 1, 0};
    if (c.op == turning::kThreading || c.op == turning::kTapping) {
        td[td::kDiameter] = c.op == turning::kThreading ? 20 : 10;
        td[td::kPitch] = c.op == turning::kThreading ? 2.5 : 1.5;
        ti[ti::kSensFilet] = 0;
        ti[ti::kNbPasse] = 8;
    }
    p.SetOperTour(turningTool(c.op, c.profil), c.profil, c.threadType, td, ti);
}

// A fingerprint of what a control shows, so that a state reached twice is explored once.
std::string fingerprint(const Panel& panel) {
    std::string key;
    for (const Shown& s : VisibleTexts(panel)) {
        key += s.widget->fullName();
        key += '=';
        key += s.text;
        key += '\n';
    }
    for (const auto& w : panel.widgets())
        if (w->visible()) key += w->picture().name() + '\n';
    return key;
}

// Replays `path` (indexes into `buttons`) from a fresh set-up, visits, and queues the paths one
// click longer, breadth first, up to `depth` clicks.
template <class Control, class SetUp>
void explore(const std::vector<std::pair<std::string, int>>& buttons, const SetUp& setUp,
             std::size_t depth, const Visit& visit, const std::function<void(Control&)>& extra) {
    std::deque<std::vector<std::size_t>> queue{{}};
    std::set<std::string> seen;
    while (!queue.empty()) {
        const std::vector<std::size_t> path = std::move(queue.front());
        queue.pop_front();
        Host host;
        Control panel(host);
        setUp(panel);
        for (std::size_t b : path)
            panel.widget(buttons[b].first, buttons[b].second).click();
        if (!seen.insert(fingerprint(panel)).second) continue;
        visit(panel, host);
        if (extra) {
            extra(panel);
            visit(panel, host);
        }
        if (path.size() >= depth) continue;
        for (std::size_t b = 0; b < buttons.size(); ++b) {
            const Widget& w = panel.widget(buttons[b].first, buttons[b].second);
            if (!w.visible() || !w.enabled()) continue;
            std::vector<std::size_t> next = path;
            next.push_back(b);
            queue.push_back(std::move(next));
        }
    }
}

// Picks every item of the visible lists and combo boxes in turn.
void pickEverything(Panel& panel, Host& host, const Visit& visit) {
    for (const auto& w : panel.widgets()) {
        if (!w->visible()) continue;
        if (w->kind() != WidgetKind::ComboBox && w->kind() != WidgetKind::ListBox) continue;
        // Long lists (the thread tables) show their texts in the fingerprint already; a few
        // picks are enough for what a pick shows elsewhere.
        const int n = std::min(w->listCount(), 12);
        for (int i = 0; i < n; ++i) {
            w->setListIndex(i);
            visit(panel, host);
        }
    }
}

// Reads every getter of the control; one without a box of its own lets its failure reach the
// host, as here.
template <class Control>
void readEverything(const Control& panel) {
    for (const Getter<Control>& g : getters<Control>()) {
        try {
            (void)g(panel);
        } catch (const Error&) {
        }
    }
}

}  // namespace

std::vector<Shown> VisibleTexts(const Panel& panel) {
    std::vector<Shown> out;
    for (const auto& up : panel.widgets()) {
        const Widget& w = *up;
        if (!w.visible()) continue;
        // A widget inside a hidden frame is not seen.
        if (const Widget* frame = w.container(); frame && !frame->visible()) continue;
        if (Panel* hosted = w.hosted()) {
            for (Shown& s : VisibleTexts(*hosted))
                out.push_back(std::move(s));
            continue;
        }
        if (!w.caption().empty()) out.push_back({&w, "caption", w.caption()});
        if (!w.toolTip().empty()) out.push_back({&w, "tooltip", w.toolTip()});
        if (w.kind() == WidgetKind::ComboBox && !w.text().empty())
            out.push_back({&w, "text", w.text()});
        for (int i = 0; i < w.listCount(); ++i)
            out.push_back({&w, "item", w.list(i)});
    }
    return out;
}

void SweepTurning(const Folders& folders, const Visit& visit) {
    {
        Host host;
        OperTournage created(host);  // the design-time texts
        visit(created, host);
    }
    for (std::int16_t op : kTurningOps)
        for (const char* profil : kProfiles)
            for (const char* type : kThreadTypes) {
                const bool threads = op == turning::kThreading || op == turning::kTapping;
                if (!threads && std::string_view(type) != "M") continue;
                const TurningCase c{op, profil, type};
                explore<OperTournage>(
                    kTurningButtons, [&](OperTournage& p) { setUpTurning(p, folders, c); }, 2,
                    visit,
                    [&](OperTournage& p) {
                        Host& host = p.host();
                        if (threads && p.widget("lPasFilet").visible())
                            pickEverything(p, host, visit);
                    });
                // The host's other choices for the operation: thread hand or to-axis code,
                // variant, option; and a pass summary for each of its forms.
                Host host;
                OperTournage p(host);
                for (int hand : {0, 1})
                    for (int variant : {0, 1, 2})
                        for (int option : {0, 1})
                            for (double stock : {50.0, 0.0}) {
                                std::vector<double> td = {2,   2,   stock, 2,  1,  1,   2,  0.5,
                                                          0.4, 0.2, 1,     30, 40, 1.5, 12, 25};
                                std::vector<std::int16_t> ti = {op,
                                                                10,
                                                                0,
                                                                static_cast<std::int16_t>(hand),
                                                                8,
                                                                0,
                                                                static_cast<std::int16_t>(variant),
                                                                static_cast<std::int16_t>(option)};
                                p.chbmp = folders.pictures;
                                p.DirSld = folders.dirSld;
                                p.NumOp = op;
                                p.SetOperTour(turningTool(op, profil), profil, type, td, ti);
                                visit(p, host);
                            }
                for (const char* pass : {"0", "2", "7", "10", "3.3"})
                    for (const char* first : {"", "1"}) {
                        setUpTurning(p, folders, c);
                        for (int box = 0; box < 8; ++box) {
                            Widget& w = p.widget("tbPara", box);
                            if (!w.visible()) continue;
                            w.setText(box == 0 ? first : pass);
                        }
                        visit(p, host);
                    }
            }
}

void SweepMilling(const Folders& folders, const Visit& visit) {
    {
        Host host;
        OperFraisage created(host);  // the design-time texts
        visit(created, host);
    }
    for (std::int16_t type : kMillingTypes)
        for (bool through : {false, true})
            for (int attr : {0, 1, 2, 3})
                for (int ext : {0, 1, 2}) {
                    auto setUp = [&](OperFraisage& p, std::int16_t mode, std::int16_t closed) {
                        p.chbmp = folders.pictures;
                        p.Typoper = type;
                        p.debouchant = through;
                        p.AttrImage = static_cast<std::int16_t>(attr);
                        p.ExtBrut = static_cast<std::int16_t>(ext);
                        p.sZmaxi = "25";
                        const bool hole = type >= 30;
                        p.SetPasses(hole ? "FO8" : "FR10",
                                    {50, 2, 3, 0.5, 0.2, 0.3, hole ? 8.5 : 10, 1, 10, 12, 10});
                        p.SetApproche(1);
                        p.SetDegageZ(1);
                        p.SetAval(1);
                        p.SetAccostage(mode, 2, 2, 1, 0, 1, closed);
                    };
                    // Every click from the usual set-up; the engagement modes of an open and of
                    // a closed profile; the other picture variants as they are set up.
                    if (attr == 0 && ext == 1) {
                        explore<OperFraisage>(
                            kMillingButtons, [&](OperFraisage& p) { setUp(p, 0, -1); }, 1, visit,
                            [&](OperFraisage& p) {
                                p.Avalant1().widget("Bavalant").click();
                                pickEverything(p, p.host(), visit);
                            });
                        for (std::int16_t closed : {std::int16_t{0}, std::int16_t{-1}})
                            for (std::int16_t mode = 0; mode < 8; ++mode) {
                                Host host;
                                OperFraisage p(host);
                                setUp(p, mode, closed);
                                visit(p, host);
                                for (std::int16_t sweep = 1; sweep <= 3; ++sweep) {
                                    std::int16_t m = mode;
                                    p.SetAccostage(m, 2, 2, 1, 30, sweep, closed);
                                    visit(p, host);
                                }
                            }
                    } else {
                        Host host;
                        OperFraisage p(host);
                        setUp(p, 0, -1);
                        visit(p, host);
                    }
                }
}

void SweepSelectors(const Visit& visit) {
    {
        Host host;
        Avalant a(host);
        visit(a, host);
        for (int v : {1, 0, -1, 1}) {
            a.SetAvalant(static_cast<std::int16_t>(v));
            visit(a, host);
            a.widget("Bavalant").click();
            visit(a, host);
        }
    }
    {
        Host host;
        SensRot s(host);
        visit(s, host);
        for (int config : {-1, 0, 1, 2, 3})
            for (int dir : {-1, 0, 1}) {
                s.SetSensRot(static_cast<std::int16_t>(dir), static_cast<std::int16_t>(config));
                visit(s, host);
                for (int b = 0; b < 2; ++b)
                    for (int k = 0; k < 3; ++k) {
                        s.widget("bSensRot", b).click();
                        visit(s, host);
                    }
            }
    }
    {
        Host host;
        Arrosage c(host);
        visit(c, host);
        for (int v : {-1, 0, 1, 2, 3}) {
            c.SetArrosage(static_cast<std::int16_t>(v));
            visit(c, host);
            for (int k = 0; k < 4; ++k) {
                c.widget("bArro").click();
                visit(c, host);
            }
        }
    }
}

void SweepFailures(const Folders& folders, const Visit& visit) {
    // A value too large for a number typed in every box, then every getter read.
    auto overflowEverywhere = [&](Panel& p, Host& host, const std::function<void()>& getters) {
        for (const auto& w : p.widgets())
            if (w->kind() == WidgetKind::TextBox && w->visible()) {
                w->setText("1e400");
                visit(p, host);
            }
        // Getters without a box of their own let the failure reach the host.
        try {
            getters();
        } catch (const Error&) {
        }
        visit(p, host);
    };
    for (std::int16_t op : kTurningOps) {
        Host host;
        OperTournage p(host);
        setUpTurning(p, folders, {op, "E", "M"});
        overflowEverywhere(p, host, [&p] { readEverything(p); });
    }
    for (std::int16_t type : kMillingTypes) {
        Host host;
        OperFraisage p(host);
        p.chbmp = folders.pictures;
        p.Typoper = type;
        p.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 10, 1, 10, 12, 10});
        std::int16_t mode = 0;
        p.SetAccostage(mode, 2, 2, 1, 0, 1, -1);
        overflowEverywhere(p, host, [&p] { readEverything(p); });
    }
    {
        // Thread tables missing; a turning tool library missing; picture files missing.
        Host host;
        host.setToolPictureLibrary(nullptr);
        OperTournage p(host);
        p.chbmp = folders.pictures + "nowhere/";
        p.DirSld = folders.pictures + "nowhere/";
        for (std::int16_t op : {std::int16_t{101}, std::int16_t{112}, std::int16_t{120},
                                std::int16_t{130}, std::int16_t{141}, std::int16_t{180}}) {
            setUpTurning(p, {p.chbmp, p.DirSld}, {op, "E", "M"});
            visit(p, host);
        }
    }
    {
        // Codes out of range and short tables.
        Host host;
        OperFraisage m(host);
        m.chbmp = folders.pictures;
        for (std::int16_t type : {std::int16_t{0}, std::int16_t{5}, std::int16_t{26},
                                  std::int16_t{99}, std::int16_t{100}, std::int16_t{150}}) {
            m.Typoper = type;
            m.SetPasses("FR10", {50, 2, 3, 0.5, 0.2, 0.3, 10, 1, 10, 12, 10});
            std::int16_t mode = 40;
            m.SetAccostage(mode, 2, 2, 1, 0, 9, -1);
            visit(m, host);
        }
        m.Typoper = milling::kPocket;
        m.SetPasses("FR10", {50, 2, 3});
        visit(m, host);
        OperTournage t(host);
        for (std::int16_t op : {std::int16_t{0}, std::int16_t{99}, std::int16_t{106},
                                std::int16_t{125}, std::int16_t{190}}) {
            setUpTurning(t, folders, {op, "E", "M"});
            visit(t, host);
        }
    }
}

void SweepAll(const Folders& folders, const Visit& visit) {
    SweepSelectors(visit);
    SweepMilling(folders, visit);
    SweepTurning(folders, visit);
    SweepFailures(folders, visit);
}

}  // namespace oru::textsweep
