// Learns the picture names by driving the panels: every path the file existence test is given
// during a set-up or a click is recorded, together with where the value boxes stand at the end
// of that step.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog.hpp"
#include "oru/lookups.hpp"
#include "oru/oru.hpp"

namespace oru::picgen {

// clang-format off
const SampleTool kSampleMillingTools[] = {
    {"FR10",  "end mill, diameter 10"},
    {"FR6",   "end mill, diameter 6"},
    {"FT50",  "face mill, diameter 50"},
    {"FH8",   "ball end mill, diameter 8"},
    {"FO8",   "twist drill, diameter 8"},
    {"PC10",  "spot drill, diameter 10"},
    {"CH10",  "chamfer mill, diameter 10"},
    {"AL10",  "reamer, diameter 10"},
    {"LA14",  "counterbore, diameter 14"},
    {"TA10",  "tap M10"},
    {"FF10",  "thread mill, diameter 10"},
};
// clang-format on
const std::size_t kSampleMillingToolCount = std::size(kSampleMillingTools);

namespace {

// Widget sizes of the pictures, in twips.
constexpr int kOperW = 5700, kOperH = 4680;
constexpr int kThreadW = 3660, kThreadH = 1980;
constexpr int kPlungeW = 2835, kPlungeH = 1395;
constexpr int kMillW = 2400, kMillH = 2400;
constexpr int kEngageFullW = 4995, kEngageFullH = 2850;
constexpr int kEngageCompactW = 2385, kEngageCompactH = 2400;
constexpr int kToolW = 1200, kToolH = 1200;

// Widgets laid over a picture are those that come within this distance of it.
constexpr int kNear = 300;

// ---- recording ------------------------------------------------------------------------------

struct Recorder {
    std::vector<std::string> paths;
    static void record(std::string_view formed, void* self) {
        static_cast<Recorder*>(self)->paths.emplace_back(formed);
    }
};

class Recording {
public:
    explicit Recording(Recorder& r) { files::SetLookupRecorder(&Recorder::record, &r); }
    ~Recording() { files::SetLookupRecorder(nullptr); }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
};

std::string withoutPrefix(const std::string& path, const std::string& prefix) {
    return path.starts_with(prefix) ? path.substr(prefix.size()) : std::string();
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The absolute position of a widget on its panel, in twips.
Rect absolute(const Widget& w) {
    Rect r{w.left(), w.top(), w.width(), w.height()};
    for (const Widget* frame = w.container(); frame != nullptr; frame = frame->container()) {
        r.x += frame->left();
        r.y += frame->top();
    }
    return r;
}

bool shownOnScreen(const Widget& w) {
    for (const Widget* x = &w; x != nullptr; x = x->container())
        if (!x->visible()) return false;
    return true;
}

bool near(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w + kNear && b.x < a.x + a.w + kNear && a.y < b.y + b.h + kNear &&
           b.y < a.y + a.h + kNear;
}

// The widgets of `candidates` shown near the picture widget, relative to it.
std::vector<Overlay> overlaysOf(const Widget& picture,
                                const std::vector<std::pair<std::string, const Widget*>>& ws) {
    std::vector<Overlay> out;
    const Rect p = absolute(picture);
    for (const auto& [what, w] : ws) {
        if (!shownOnScreen(*w)) continue;
        const Rect r = absolute(*w);
        if (!near(p, r)) continue;
        out.push_back({what, {r.x - p.x, r.y - p.y, r.w, r.h}});
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The catalogue being built, keyed by file name without regard to letter case (the panels
// name some files in two spellings that the file layer takes for one).
class Catalogue {
public:
    void add(const std::string& file, const std::string& stem, Kind kind, int w, int h,
             const Shown* shown) {
        auto [it, fresh] = jobs_.try_emplace(lower(file));
        Job& job = it->second;
        if (fresh) job = Job{file, stem, kind, w, h, {}};
        if (shown == nullptr) return;
        for (const Shown& s : job.shown)
            if (s.op == shown->op && s.profil == shown->profil && s.option == shown->option &&
                s.suffix == shown->suffix && s.firstDirection == shown->firstDirection &&
                s.debouchant == shown->debouchant && s.attrImage == shown->attrImage &&
                s.entry == shown->entry && s.tool == shown->tool && s.overlays == shown->overlays)
                return;
        job.shown.push_back(*shown);
    }
    std::vector<Job> jobs() const {
        std::vector<Job> out;
        for (const auto& [key, job] : jobs_)
            out.push_back(job);
        std::sort(out.begin(), out.end(),
                  [](const Job& a, const Job& b) { return a.file < b.file; });
        return out;
    }

private:
    std::map<std::string, Job> jobs_;
};

// ---- turning panel --------------------------------------------------------------------------

// The set-ups tried for the turning panel: every combination of the values of one row. The
// option values are those the rules of each operation give a meaning to.
struct TurningRow {
    std::vector<std::int16_t> ops;
    std::string_view profiles;
    std::vector<std::string> threadTypes;
    std::vector<std::int16_t> toAxis;   // ti(3)
    std::vector<std::int16_t> variant;  // ti(6)
    std::vector<std::int16_t> option;   // ti(7)
    std::vector<double> stock;          // td(2), the stock diameter
    std::vector<double> mainDiameter;   // td(12)
};

// clang-format off
const std::vector<TurningRow> kTurningRows = {
    // ops              profiles thread types          ti(3)   ti(6)   ti(7)         td(2)    td(12)
    {{100},             "EIBF", {""},                  {0},    {0},    {0},          {40},    {30}},
    {{101},             "EIBF", {""},                  {0},    {0},    {0, 1, 2},    {40},    {30}},
    {{102},             "EIBF", {""},                  {0},    {0},    {0, 1, 3, 4}, {0, 40}, {30}},
    {{103},             "EIBF", {""},                  {0},    {0},    {0, 2, 3},    {0, 40}, {0}},
    {{104},             "EIBF", {""},                  {0},    {0},    {0},          {40},    {0}},
    {{105},             "EIBF", {""},                  {0},    {0},    {0},          {40},    {0, 8}},
    {{110},             "EIBF", {""},                  {3, 4}, {0, 1}, {0, 1},       {40},    {30}},
    {{111},             "EIB",  {""},                  {3, 4}, {0, 1}, {0, 1},       {40},    {30}},
    {{112, 113},        "EIBF", {""},                  {0},    {0, 1}, {0},          {40},    {-30}},
    {{120, 121, 122},   "EIBF", {""},                  {0},    {0},    {0},          {40},    {30}},
    {{123, 124},        "EIBF", {""},                  {0},    {0},    {0},          {40},    {30}},
    {{130},             "EIB",  {"M", "G", "T", "R"},  {0, 1}, {1},    {0, 1},       {40},    {20}},
    {{140, 145},        "EIBF", {""},                  {0},    {0},    {0, 1, 2},    {40},    {8}},
    {{150, 170},        "EIBF", {""},                  {0},    {0},    {0},          {40},    {8}},
    {{180},             "EIBF", {"", "M"},             {0},    {0},    {0, 1, 2},    {40},    {10}},
};

// The tools the sketches are drawn for: the first row naming the operation and the profile.
// Hole operations on the outside ("E", and every profile but "F" for chamfering, counterboring
// and tapping) use radial driven tools; the others work on the spindle axis.
struct ToolRow {
    std::int16_t first, last;
    std::string_view profiles;  // "" any
    std::vector<std::string> tools;
};
const std::vector<ToolRow> kTools = {
    {100, 100, "",   {"55_BUTE"}},
    {101, 101, "E",  {"10_TECHA", "11_TECHA"}},
    {101, 101, "B",  {"11_TECHA", "10_TECHA"}},
    {102, 102, "E",  {"10_TECHA"}},
    {102, 102, "I",  {"15_TIALE"}},
    {102, 102, "",   {"11_TECHA"}},
    {103, 103, "",   {"10_TETRP"}},
    {104, 104, "",   {"45_ACENT"}},
    {105, 105, "E",  {"41_RPOIN"}},
    {105, 105, "",   {"46_APOIN"}},
    {110, 111, "E",  {"10_TECHA"}},
    {110, 111, "B",  {"11_TECHA"}},
    {110, 111, "",   {"15_TIALE"}},
    {112, 113, "E",  {"20_TEGOR"}},
    {112, 113, "B",  {"20_TEGOR"}},
    {112, 113, "I",  {"25_TIGOR"}},
    {112, 113, "F",  {"26_TFGOR"}},
    {120, 124, "EB", {"20_TEGAR"}},
    {120, 124, "I",  {"25_TIGAR"}},
    {120, 124, "",   {"26_TFGAR"}},
    {130, 130, "I",  {"31_TIFIL"}},
    {130, 130, "",   {"30_TEFIL"}},
    {140, 149, "E",  {"40_RFORE"}},
    {140, 149, "",   {"44_AFORE"}},
    {150, 150, "F",  {"49_ACHAN"}},
    {150, 150, "",   {"41_RPOIN"}},
    {170, 170, "F",  {"48_ALAME"}},
    {170, 170, "",   {"43_RFRAI"}},
    {180, 180, "F",  {"47_ATARA"}},
    {180, 180, "",   {"42_RTARA"}},
};
// clang-format on

const std::vector<std::string>& toolsFor(std::int16_t op, char profil) {
    for (const ToolRow& r : kTools)
        if (op >= r.first && op <= r.last &&
            (r.profiles.empty() || r.profiles.find(profil) != std::string_view::npos))
            return r.tools;
    static const std::vector<std::string> fallback = {"10_TECHA"};
    return fallback;
}

struct TurningSetup {
    std::int16_t op;
    std::string profil, tool, threadType;
    std::int16_t toAxis, variant, option;
    double stock, mainDiameter;
};

std::vector<TurningSetup> expand(const TurningRow& r) {
    std::vector<TurningSetup> out;
    for (std::int16_t op : r.ops)
        for (char p : r.profiles)
            for (const std::string& tool : toolsFor(op, p))
                for (const std::string& tf : r.threadTypes)
                    for (std::int16_t a : r.toAxis)
                        for (std::int16_t v : r.variant)
                            for (std::int16_t o : r.option)
                                for (double s : r.stock)
                                    for (double d : r.mainDiameter)
                                        out.push_back(
                                            {op, std::string(1, p), tool, tf, a, v, o, s, d});
    return out;
}

// What a user can click on the turning panel that changes a picture.
const std::vector<std::pair<std::string, int>> kTurningClicks = {
    {"bSens", -1}, {"bUsAxe", -1}, {"bGorge", -1}, {"bTrou", 0},
    {"bTrou", 1},  {"bTrou", 2},   {"bTrou", 3},
};

class TurningDriver {
public:
    TurningDriver(Catalogue& cat, const std::string& folder) : cat_(cat), folder_(folder) {}

    void explore(const TurningSetup& s) {
        // Breadth first over click sequences, replayed from a fresh set-up each time.
        std::deque<std::vector<int>> queue{{}};
        std::set<std::string> seen;
        while (!queue.empty()) {
            const std::vector<int> path = queue.front();
            queue.pop_front();
            Host host;
            OperTournage panel(host);
            tool_ = s.tool;
            panel.chbmp = folder_;
            panel.DirSld = folder_ + "no-thread-tables/";
            Recorder rec;
            bool ok = true;
            {
                Recording on(rec);
                ok = setUp(host, panel, s);
                for (std::size_t i = 0; ok && i < path.size(); ++i) {
                    rec.paths.clear();
                    const auto& [name, index] = kTurningClicks[static_cast<std::size_t>(path[i])];
                    panel.widget(name, index).click();
                    ok = !hasError(host);
                }
            }
            if (!ok) continue;
            const std::string key = fingerprint(panel, rec);
            if (!seen.insert(key).second) continue;
            collect(panel, rec);
            if (path.size() >= 4) continue;
            for (std::size_t c = 0; c < kTurningClicks.size(); ++c) {
                const auto& [name, index] = kTurningClicks[c];
                const Widget& w = panel.widget(name, index);
                if (!w.visible() || !w.enabled()) continue;
                std::vector<int> next = path;
                next.push_back(static_cast<int>(c));
                queue.push_back(std::move(next));
            }
        }
    }

private:
    static bool hasError(const Host& host) {
        return std::any_of(host.messages().begin(), host.messages().end(),
                           [](const Message& m) { return m.style != kStylePlain; });
    }

    static bool setUp(Host& host, OperTournage& panel, const TurningSetup& s) {
        // safety retracts, stock, distance to the stock, the eight boxes, then the main
        // diameter, centring diameters / pitch, and the last value of a few operations
        std::vector<double> td = {2, 2,  s.stock,        5,   1,  1, 2, 0.5, 0.3, 0.2,
                                  1, 90, s.mainDiameter, 1.5, 12, 25};
        std::vector<std::int16_t> ti = {s.op, 10, 0, s.toAxis, 0, 0, s.variant, s.option};
        panel.SetOperTour(s.tool, s.profil, s.threadType, td, ti);
        return !hasError(host);
    }

    // The pictures named by the step that ended in this state, and the state itself.
    std::string fingerprint(OperTournage& panel, const Recorder& rec) {
        std::string key = std::to_string(panel.NumOp);
        for (const std::string& p : rec.paths)
            key += "|" + p;
        for (const char* n : {"bSens", "bUsAxe", "bGorge", "picFilet"})
            key += "|" + panel.widget(n).picture().name();
        key += "|" + panel.widget("tbSensFilet").text();
        for (int i = 0; i < 8; ++i)
            key += panel.widget("tbPara", i).visible() ? "1" : "0";
        return key;
    }

    std::vector<std::pair<std::string, const Widget*>> overlayWidgets(OperTournage& panel) {
        std::vector<std::pair<std::string, const Widget*>> ws;
        for (int i = 0; i < 8; ++i)
            ws.emplace_back(std::to_string(i), &panel.widget("tbPara", i));
        ws.emplace_back("D", &panel.widget("tDiamBrut"));
        ws.emplace_back("X", &panel.widget("tXBrut"));
        ws.emplace_back("Z", &panel.widget("tZBrut"));
        ws.emplace_back("TE", &panel.widget("picOutilTE"));
        ws.emplace_back("TI", &panel.widget("picOutilTI"));
        for (const char* b : {"bSens", "bUsAxe", "bGorge"})
            ws.emplace_back(b, &panel.widget(b));
        return ws;
    }

    void collect(OperTournage& panel, const Recorder& rec) {
        const auto ws = overlayWidgets(panel);
        Shown shown = stateOf(panel);
        // Operation sketches: the recorded ".jpg" look-ups of the folder itself.
        for (const std::string& path : rec.paths) {
            std::string name = withoutPrefix(path, folder_);
            if (name.empty() || !name.ends_with(".jpg")) continue;
            name.resize(name.size() - 4);
            if (name.find_first_of("\\/") != std::string::npos) continue;
            shown.overlays = overlaysOf(panel.widget("picOper"), ws);
            fillSketchState(shown, name);
            cat_.add(name + ".jpg", name, Kind::Turning, kOperW, kOperH, &shown);
        }
        // The thread or plunge picture the state shows.
        const Widget& filet = panel.widget("picFilet");
        if (filet.visible() && !filet.picture().isEmpty()) {
            const std::string file = withoutPrefix(filet.picture().name(), folder_);
            if (!file.empty()) {
                Shown s = stateOf(panel);
                // The tool pictures and stock labels belong to the operation sketch.
                std::vector<std::pair<std::string, const Widget*>> boxes;
                for (const auto& entry : ws)
                    if (entry.first != "TE" && entry.first != "TI" && entry.first != "D" &&
                        entry.first != "X")
                        boxes.push_back(entry);
                s.overlays = overlaysOf(filet, boxes);
                const bool plunge = file.starts_with("T_POCHE_P");
                cat_.add(file, file.substr(0, file.size() - 4),
                         plunge ? Kind::Plunge : Kind::Thread, plunge ? kPlungeW : kThreadW,
                         plunge ? kPlungeH : kThreadH, &s);
            }
        }
    }

    Shown stateOf(OperTournage& panel) {
        Shown s;
        s.op = panel.NumOp;
        s.firstDirection = panel.GetTypeEbauche() == 0;
        s.toAxis = panel.widget("tbSensFilet").text() == "4";
        s.tool = tool_;
        return s;
    }

    // Profile, suffix and option come from the name the step looked up.
    static void fillSketchState(Shown& s, const std::string& name) {
        static const std::vector<std::string_view> stems = {
            "T_BUTEE_",    "T_CHARIOTER_",  "T_DRESSER_",     "T_TRONCON_", "T_CENTRER_",
            "T_POINTER_",  "T_EBAUCHER_A_", "T_EBAUCHER_",    "T_FINIR_A_", "T_FINIR_",
            "T_POCHER_",   "T_GORGE_P",     "T_GORGE_D",      "T_GORGE_F",  "T_FILETER_",
            "T_PERCERMP_", "T_PERCER_",     "T_CHANFREINER_", "T_LAMER_",   "T_TARAUDER_",
        };
        for (std::string_view stem : stems) {
            if (!name.starts_with(stem) || name.size() <= stem.size()) continue;
            std::string rest = name.substr(stem.size());
            s.profil = rest.substr(0, 1);
            rest.erase(0, 1);
            if (!rest.empty() &&
                (rest[0] == 'X' || rest[0] == 'Z' || rest[0] == 'm' || rest[0] == 'p')) {
                s.suffix = rest.substr(0, 1);
                rest.erase(0, 1);
            }
            s.option = rest;
            return;
        }
    }

    Catalogue& cat_;
    std::string folder_;
    std::string tool_;
};

// ---- milling panel --------------------------------------------------------------------------

// clang-format off
const std::vector<std::int16_t> kMillingTypes = {
    10, 11, 12, 15, 16, 20, 21, 22, 23, 25,
    30, 31, 40, 41, 42, 43, 44, 45, 51, 55, 60, 61, 62, 64, 65,
    70, 71, 72, 73, 74, 75, 80, 84, 85,
};
// clang-format on

// Picture variants, open and closed profiles, facing sweep modes.
constexpr std::int16_t kAttrImages[] = {0, 3, 4};
constexpr std::int16_t kClosed[] = {0, -1};
constexpr std::int16_t kSweeps[] = {1, 2, 3};

class MillingDriver {
public:
    MillingDriver(Catalogue& cat, const std::string& folder) : cat_(cat), folder_(folder) {}

    void operations() {
        for (std::int16_t type : kMillingTypes)
            for (bool through : {false, true})
                for (std::int16_t attr : kAttrImages)
                    operation(type, through, attr);
    }

    void engagements() {
        for (std::int16_t type : kMillingTypes)
            for (std::int16_t closed : kClosed)
                for (std::int16_t sweep : kSweeps)
                    for (std::int16_t k = 0; k < 8; ++k)
                        engagement(type, closed, sweep, k);
    }

    void tools() {
        for (std::size_t i = 0; i < kSampleMillingToolCount; ++i) {
            Host host;
            OperFraisage panel(host);
            panel.chbmp = folder_;
            Recorder rec;
            {
                Recording on(rec);
                panel.SetOutil(kSampleMillingTools[i].name);
            }
            for (const std::string& stem : jpegStems(rec)) {
                Shown s;
                cat_.add("bmp/" + stem + ".bmp", stem, Kind::MillingTool, kToolW, kToolH, &s);
            }
        }
    }

private:
    static std::vector<double> values() { return {50, 2, 3, 0.5, 0.2, 0.3, 8, 1, 10, 12, 10}; }

    std::vector<std::string> jpegStems(const Recorder& rec) const {
        std::vector<std::string> out;
        for (const std::string& path : rec.paths) {
            std::string name = withoutPrefix(path, folder_ + "jpeg\\");
            if (name.empty() || !name.ends_with(".jpg")) continue;
            name.resize(name.size() - 4);
            if (std::find(out.begin(), out.end(), name) == out.end()) out.push_back(name);
        }
        return out;
    }

    void operation(std::int16_t type, bool through, std::int16_t attr) {
        Host host;
        OperFraisage panel(host);
        panel.chbmp = folder_;
        panel.Typoper = type;
        panel.debouchant = through;
        panel.AttrImage = attr;
        panel.ExtBrut = 1;
        Recorder rec;
        {
            Recording on(rec);
            panel.SetPasses("FR10", values());
        }
        if (!host.messages().empty()) return;
        std::vector<std::pair<std::string, const Widget*>> ws;
        for (int i = 0; i < 9; ++i)
            ws.emplace_back(std::to_string(i), &panel.widget("tbVal", i));
        Shown s;
        s.op = panel.Typoper;
        s.debouchant = through;
        s.attrImage = attr;
        s.overlays = overlaysOf(panel.widget("pPasses"), ws);
        for (const std::string& stem : jpegStems(rec)) {
            if (stem.starts_with("OP_")) continue;
            cat_.add("jpeg/" + stem + ".jpg", stem, Kind::Milling, kMillW, kMillH, &s);
        }
    }

    void engagement(std::int16_t type, std::int16_t closed, std::int16_t sweep, std::int16_t k) {
        Host host;
        OperFraisage panel(host);
        panel.chbmp = folder_;
        panel.Typoper = type;
        panel.SetPasses("FR10", values());
        host.clearMessages();
        Recorder rec;
        std::int16_t entry = k;
        {
            Recording on(rec);
            panel.SetAccostage(entry, 2, 3, 1, 45, sweep, closed);
        }
        if (!host.messages().empty()) return;
        const Widget& img = panel.widget("imgAccoste");
        if (!shownOnScreen(img)) return;
        std::vector<std::pair<std::string, const Widget*>> ws;
        for (const char* n : {"tbGardeAcc", "tbGardeDeg", "tbRecouvre", "bSurf", "tbAngBal"})
            ws.emplace_back(n, &panel.widget(n));
        Shown s;
        s.op = panel.Typoper;
        s.entry = k;
        s.overlays = overlaysOf(img, ws);
        for (const std::string& stem : jpegStems(rec))
            cat_.add("jpeg/" + stem + ".jpg", stem, Kind::Engagement, img.width(), img.height(),
                     &s);
    }

    Catalogue& cat_;
    std::string folder_;
};

}  // namespace

std::vector<Job> LearnFromPanels(const std::string& folder) {
    Catalogue cat;
    TurningDriver turning(cat, folder);
    for (const TurningRow& row : kTurningRows)
        for (const TurningSetup& s : expand(row))
            turning.explore(s);
    MillingDriver milling(cat, folder);
    milling.operations();
    milling.engagements();
    milling.tools();
    return cat.jobs();
}

std::vector<Job> ThreadAndPlungePictures() {
    std::vector<Job> out;
    // Threading: "Filet_" + thread type + the last three characters of the infeed direction.
    for (const char* type : {"M", "G", "T", "R"})
        for (const char* dir : {"_Xm", "_O3"}) {
            const std::string stem = std::string("Filet_") + type + dir;
            out.push_back({stem + ".bmp", stem, Kind::Thread, kThreadW, kThreadH, {}});
        }
    // Tapping offers no direction: "Filet_" + the thread type the host gave, possibly none.
    for (const char* type : {"", "M", "G"}) {
        const std::string stem = std::string("Filet_") + type;
        out.push_back({stem + ".bmp", stem, Kind::Thread, kThreadW, kThreadH, {}});
    }
    // Plunge turning: straight ("0") or following the profile ("1").
    for (const char* mode : {"0", "1"}) {
        const std::string stem = std::string("T_POCHE_P") + mode;
        out.push_back({stem + ".bmp", stem, Kind::Plunge, kPlungeW, kPlungeH, {}});
    }
    return out;
}

}  // namespace oru::picgen
