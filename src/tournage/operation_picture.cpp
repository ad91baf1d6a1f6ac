// The operation picture with the parameter boxes laid over it. Which boxes an operation shows,
// where each box and the tool pictures stand, and the picture name are tables: one case per
// operation type, one visibility row per operation and profile, one layout row per form of the
// sketch.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "frame/numbers_internal.hpp"
#include "frame/pictures.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// ---- cases: the picture stem and suffix of each operation type ------------------------------

constexpr std::int16_t kDrilling = 140;  // key of the drilling case: every other code above 139
constexpr std::int16_t kNoCase = 0;      // key of the codes up to 139 that have no case

// How a case chooses between its stem and its alternative stem.
enum class Stem : std::uint8_t {
    Plain,
    ToAxis,     // the alternative when the to-axis code is "4"
    MultiPass,  // the alternative for the multi-pass cycles; the case appends the profile
};
// How a case chooses its suffix.
enum class Suffix : std::uint8_t {
    None,
    XorZ,  // "X" when the current direction is the second one, else "Z"
    MorP,  // "m" or "p" by profile and current direction
};

struct CaseRow {
    std::int16_t first, last;  // operation codes of the case; `first` is its key
    std::string_view racine;
    std::string_view racineAlt;
    Stem stem;
    Suffix suffix;
};
// Looked up in this order, so that 150, 170 and 180 never reach the drilling case.
// clang-format off
constexpr CaseRow kCases[] = {
    // codes        Racine             alternative       stem choice        suffix
    {100, 100,     "T_BUTEE_",        "",               Stem::Plain,       Suffix::None},
    {101, 101,     "T_CHARIOTER_",    "",               Stem::Plain,       Suffix::None},
    {102, 102,     "T_DRESSER_",      "",               Stem::Plain,       Suffix::None},
    {103, 103,     "T_TRONCON_",      "",               Stem::Plain,       Suffix::None},
    {104, 104,     "T_CENTRER_",      "",               Stem::Plain,       Suffix::None},
    {105, 105,     "T_POINTER_",      "",               Stem::Plain,       Suffix::None},
    {110, 110,     "T_EBAUCHER_",     "T_EBAUCHER_A_",  Stem::ToAxis,      Suffix::XorZ},
    {111, 111,     "T_FINIR_",        "T_FINIR_A_",     Stem::ToAxis,      Suffix::None},
    {112, 113,     "T_POCHER_",       "",               Stem::Plain,       Suffix::MorP},
    {120, 120,     "T_GORGE_P",       "",               Stem::Plain,       Suffix::None},
    {121, 122,     "T_GORGE_D",       "",               Stem::Plain,       Suffix::None},
    {123, 124,     "T_GORGE_F",       "",               Stem::Plain,       Suffix::None},
    {130, 130,     "T_FILETER_",      "",               Stem::Plain,       Suffix::None},
    {150, 150,     "T_CHANFREINER_",  "",               Stem::Plain,       Suffix::None},
    {170, 170,     "T_LAMER_",        "",               Stem::Plain,       Suffix::None},
    {180, 180,     "T_TARAUDER_",     "",               Stem::Plain,       Suffix::None},
    {140, INT16_MAX, "T_PERCER_",     "T_PERCERMP_",    Stem::MultiPass,   Suffix::None},
    {INT16_MIN, 139, "",              "",               Stem::Plain,       Suffix::None},
};
// clang-format on

const CaseRow& CaseOf(std::int16_t op) {
    for (const CaseRow& row : kCases)
        if (op >= row.first && op <= row.last) return row;
    return kCases[std::size(kCases) - 1];  // not reached: the last row takes what is left
}

std::int16_t KeyOf(const CaseRow& row) {
    if (row.stem == Stem::MultiPass) return kDrilling;
    if (row.racine.empty()) return kNoCase;
    return row.first;
}

// Rows name the profile letters they apply to; "" stands for any letter not named by an
// earlier row of the same case.
bool ProfileMatches(std::string_view letters, const std::string& profil) {
    if (letters.empty()) return true;
    return profil.size() == 1 && letters.find(profil[0]) != std::string_view::npos;
}

// ---- visibility of the eight boxes ----------------------------------------------------------

// T shown, F hidden; the others are conditions on the option string (opt), its last character
// (last), the stem (MP: "T_PERCERMP_") or the thread list.
enum class V : std::uint8_t {
    F,
    T,
    O0,   // opt = "0"
    N0,   // opt ≠ "0"
    O1,   // opt = "1"
    N1,   // opt ≠ "1"
    O2,   // opt = "2"
    G1,   // opt = "G1" and the current direction is the first one
    LS,   // the thread list lPasFilet is shown
    MP,   // multi-pass drilling
    MPL,  // multi-pass drilling and last ≠ "0"
    L01,  // last ≠ "1" and last ≠ "0"
    L0,   // last = "0"
    LN0,  // last ≠ "0"
};
using enum V;

struct VisRow {
    std::int16_t key;
    std::string_view profiles;
    std::array<V, 8> vis;
};
// clang-format off
constexpr VisRow kVisibility[] = {
    // case       profile  0  1  2   3    4   5    6   7
    {100,        "",     {T, T, F,  F,   F,  F,   F,  F}},
    {101,        "",     {T, T, T,  O0,  N0, O1,  O2, O0}},
    {102,        "",     {T, T, T,  F,   O1, T,   N1, F}},
    {103,        "",     {T, F, F,  F,   F,  T,   T,  F}},
    {104,        "",     {F, T, F,  T,   F,  T,   F,  F}},
    {105,        "",     {F, T, F,  T,   F,  F,   F,  F}},
    {110,        "",     {T, T, T,  G1,  T,  T,   T,  F}},
    {111,        "",     {T, T, F,  F,   T,  T,   F,  F}},
    {112,        "EI",   {T, F, T,  T,   T,  T,   F,  T}},
    {112,        "F",    {F, T, T,  T,   T,  T,   F,  T}},
    {120,        "EI",   {T, F, F,  F,   F,  F,   F,  F}},
    {120,        "",     {F, T, F,  F,   F,  F,   F,  F}},
    {121,        "EI",   {T, F, T,  F,   T,  T,   F,  F}},
    {121,        "",     {F, T, T,  F,   T,  T,   F,  F}},
    {123,        "EI",   {T, F, F,  F,   T,  T,   F,  F}},
    {123,        "",     {F, T, F,  F,   T,  T,   F,  F}},
    {130,        "",     {T, T, T,  LS,  T,  O0,  O1, F}},
    {150,        "",     {F, T, F,  T,   F,  F,   F,  F}},
    {170,        "",     {F, T, F,  F,   F,  F,   F,  F}},
    {180,        "",     {F, T, F,  F,   N1, O0,  O1, F}},
    {kDrilling,  "",     {F, T, MP, MPL, F,  L01, L0, LN0}},
    {kNoCase,    "",     {F, F, F,  F,   F,  F,   F,  F}},
};
// clang-format on

// What the conditions of the tables read.
struct Context {
    const std::string& opt;
    std::string last;      // last character of opt
    std::string suffixe;   // the picture suffix
    bool first;            // the current direction is TabSens(0)
    bool multiPass;        // drilling with the "T_PERCERMP_" stem
    bool threadListShown;  // lPasFilet is visible
};

bool Holds(V v, const Context& c) {
    switch (v) {
        case F:
            return false;
        case T:
            return true;
        case O0:
            return c.opt == "0";
        case N0:
            return c.opt != "0";
        case O1:
            return c.opt == "1";
        case N1:
            return c.opt != "1";
        case O2:
            return c.opt == "2";
        case G1:
            return c.opt == "G1" && c.first;
        case LS:
            return c.threadListShown;
        case MP:
            return c.multiPass;
        case MPL:
            return c.multiPass && c.last != "0";
        case L01:
            return c.last != "1" && c.last != "0";
        case L0:
            return c.last == "0";
        case LN0:
            return c.last != "0";
    }
    return false;
}

// ---- layouts: tool position and box positions -----------------------------------------------

// The form of a layout inside its case.
enum class W : std::uint8_t {
    Any,
    Opt0,      // opt = "0"
    OptNot0,   // any other opt
    Opt1,      // opt = "1"
    OptNot1,   // any other opt
    Opt23,     // opt = "2" or "3"
    OptNot23,  // any other opt
    X,         // suffix "X"
    Z,         // suffix "Z"
    Eq,        // the current direction is TabSens(0)
    Ne,        // it is not
    m,         // suffix "m"
    p,         // suffix "p"
};

bool Holds(W w, const Context& c) {
    switch (w) {
        case W::Any:
            return true;
        case W::Opt0:
            return c.opt == "0";
        case W::OptNot0:
            return c.opt != "0";
        case W::Opt1:
            return c.opt == "1";
        case W::OptNot1:
            return c.opt != "1";
        case W::Opt23:
            return c.opt == "2" || c.opt == "3";
        case W::OptNot23:
            return c.opt != "2" && c.opt != "3";
        case W::X:
            return c.suffixe == "X";
        case W::Z:
            return c.suffixe == "Z";
        case W::Eq:
            return c.first;
        case W::Ne:
            return !c.first;
        case W::m:
            return c.suffixe == "m";
        case W::p:
            return c.suffixe == "p";
    }
    return false;
}

constexpr Pos nil{INT_MIN, INT_MIN};        // a box the layout does not place (it stays hidden)
constexpr int kDerived = INT_MAX;           // a tool height derived from the current one
constexpr Pos kDerivedTop{4515, kDerived};  // face-side plunging: see DerivedToolTop

struct LayoutRow {
    std::int16_t key;
    std::string_view profiles;
    W when;
    Pos tool;  // XOutil, YOutil; 0 leaves that coordinate of the tool pictures as it is
    std::array<Pos, 8> box;
};
// clang-format off
constexpr LayoutRow kLayouts[] = {
    // case profile when        tool           box 0          1              2              3              4              5              6              7
    {100, "",  W::Any,      {4710, 2570},  {{{3260, 2280}, {4920, 1890}, nil,           nil,           nil,           nil,           nil,           nil}}},
    {101, "E", W::Opt0,     {4420, 720},   {{{20, 2040},   {4920, 3135}, {4920, 2430}, {20, 3490},   {2910, 3135}, {1880, 1200}, {1740, 1200}, {2880, 3135}}}},
    {101, "E", W::OptNot0,  {4420, 630},   {{{20, 2040},   {4920, 3135}, {4920, 2310}, {20, 3490},   {2910, 3135}, {1880, 1200}, {1740, 1200}, {2880, 3135}}}},
    {101, "B", W::Any,      {200, 630},    {{{4920, 2040}, {90, 3135},   {90, 2310},   {0, 0},       {2020, 3135}, {3060, 1200}, {3190, 1200}, {0, 0}}}},
    {101, "",  W::Any,      {4420, 3000},  {{{20, 2400},   {4920, 1140}, {4920, 2190}, {0, 0},       {3000, 1140}, {20, 1140},   {20, 1140},   {0, 0}}}},
    {102, "E", W::Any,      {4160, 370},   {{{1950, 1200}, {4920, 3990}, {4920, 2360}, nil,          {1950, 2760}, {3220, 1200}, {1950, 3720}, nil}}},
    {102, "I", W::Any,      {4420, 3250},  {{{1950, 3120}, {4920, 500},  {4920, 2280}, nil,          {1950, 1320}, {1950, 2280}, {1950, 1540}, nil}}},
    {102, "",  W::Opt1,     {640, 370},    {{{3160, 1200}, {240, 3990},  {240, 3360},  nil,          {240, 2760},  {1920, 1200}, nil,          nil}}},
    {102, "",  W::OptNot1,  {640, 370},    {{{2750, 1200}, {240, 2700},  {240, 2160},  nil,          nil,          {1910, 1200}, {2750, 3120}, nil}}},
    {103, "",  W::Opt23,    {1700, 750},   {{{3050, 2260}, nil,          nil,          nil,          nil,          {3050, 4320}, {3050, 3120}, nil}}},
    {103, "",  W::OptNot23, {1700, 890},   {{{3050, 2400}, nil,          nil,          nil,          nil,          {3050, 4320}, {3050, 3720}, nil}}},
    {104, "",  W::Any,      {4710, 3090},  {{nil,          {4920, 1890}, nil,          {2550, 3540}, nil,          {3240, 2240}, nil,          nil}}},
    {105, "E", W::Any,      {2770, 0},     {{nil,          {5040, 1470}, nil,          {1560, 2190}, nil,          nil,          nil,          nil}}},
    {105, "",  W::Any,      {4710, 3090},  {{nil,          {4920, 1890}, nil,          {4150, 4200}, nil,          nil,          nil,          nil}}},
    {110, "E", W::X,        {4150, 100},   {{{20, 960},    {4980, 3860}, {2640, 960},  {20, 3000},   {3370, 3120}, {20, 2160},   {1180, 960},  nil}}},
    {110, "I", W::X,        {4420, 3250},  {{{20, 3030},   {4800, 1170}, {2900, 3520}, {0, 0},       {2900, 1170}, {20, 2220},   {1200, 3520}, nil}}},
    {110, "",  W::X,        {470, 100},    {{{4930, 960},  {120, 3860},  {2320, 960},  {20, 4200},   {1550, 3120}, {4930, 2160}, {3760, 960},  nil}}},
    {110, "E", W::Z,        {4430, 380},   {{{20, 960},    {4980, 3860}, {4980, 2120}, {20, 2600},   {3370, 3120}, {20, 2160},   {1180, 960},  nil}}},
    {110, "I", W::Z,        {4420, 3000},  {{{20, 3030},   {4800, 1170}, {4800, 2240}, {20, 1590},   {2900, 1170}, {20, 2220},   {1200, 3520}, nil}}},
    {110, "",  W::Z,        {190, 380},    {{{4930, 960},  {120, 3860},  {120, 2100},  {20, 4200},   {1550, 3120}, {4940, 2160}, {3760, 960},  nil}}},
    {111, "E", W::Eq,       {4860, 1440},  {{{4980, 3330}, {20, 1260},   nil,          nil,          {3340, 3120}, {20, 2160},   nil,          nil}}},
    {111, "E", W::Ne,       {1680, -340},  {{{20, 1260},   {4980, 3330}, nil,          nil,          {3340, 3120}, {20, 2160},   nil,          nil}}},
    {111, "I", W::Eq,       {4950, 1500},  {{{4800, 840},  {20, 3120},   nil,          nil,          {3120, 1080}, {20, 2220},   nil,          nil}}},
    {111, "I", W::Ne,       {4950, 3480},  {{{20, 3120},   {4800, 840},  nil,          nil,          {3120, 1080}, {20, 2220},   nil,          nil}}},
    {111, "B", W::Eq,       {-220, 1440},  {{{20, 3330},   {4920, 1260}, nil,          nil,          {1530, 3120}, {4920, 2160}, nil,          nil}}},
    {111, "B", W::Ne,       {2960, -340},  {{{4920, 1260}, {20, 3330},   nil,          nil,          {1530, 3120}, {4920, 2160}, nil,          nil}}},
    {112, "E", W::m,        {3480, 1060},  {{{4720, 2520}, nil,          {20, 2580},   {3360, 3240}, {2170, 3240}, {1880, 1240}, nil,          {7695, 2400}}}},
    {112, "E", W::p,        {930, 1060},   {{{0, 2520},    nil,          {4540, 2580}, {1350, 3240}, {2520, 3240}, {2820, 1240}, nil,          {7695, 2400}}}},
    {112, "I", W::m,        {4580, 1890},  {{{3390, 360},  nil,          {20, 1600},   {2550, 840},  {1760, 360},  {20, 2240},   nil,          {7695, 2400}}}},
    {112, "I", W::p,        {4580, 1890},  {{{3390, 360},  nil,          {20, 1600},   {1800, 840},  {2590, 360},  {20, 2240},   nil,          {7695, 2400}}}},
    {112, "F", W::p,        kDerivedTop,   {{nil,          {4060, 280},  {2520, 810},  {2520, 2130}, {5040, 960},  {2520, 1240}, nil,          {7695, 2400}}}},
    {112, "F", W::m,        kDerivedTop,   {{nil,          {5040, 3230}, {2520, 2760}, {2520, 1380}, {5040, 2550}, {2520, 2250}, nil,          {7695, 2400}}}},
    {120, "E", W::Any,      {0, 930},      {{{4800, 2450}, nil,          nil,          nil,          nil,          nil,          nil,          nil}}},
    {120, "I", W::Any,      {4680, 2075},  {{{4800, 1440}, nil,          nil,          nil,          nil,          nil,          nil,          nil}}},
    {120, "",  W::Any,      {4670, 0},     {{nil,          {4120, 240},  nil,          nil,          nil,          nil,          nil,          nil}}},
    {121, "E", W::Any,      {2640, 930},   {{{4800, 2460}, nil,          {2920, 3520}, nil,          {20, 2940},   {20, 2430},   nil,          nil}}},
    {121, "I", W::Any,      {4700, 2075},  {{{4700, 1440}, nil,          {2780, 280},  nil,          {20, 1120},   {20, 1540},   nil,          nil}}},
    {121, "",  W::Any,      {4635, 0},     {{nil,          {4680, 280},  {2520, 1470}, nil,          {2520, 2280}, {2520, 280},  nil,          nil}}},
    {123, "E", W::Any,      {0, 0},        {{{4800, 2460}, nil,          nil,          nil,          {20, 2940},   {20, 2430},   nil,          nil}}},
    {123, "I", W::Any,      {4760, 2070},  {{{4800, 1440}, nil,          nil,          nil,          {20, 1120},   {20, 1540},   nil,          nil}}},
    {123, "",  W::Any,      {4670, 0},     {{nil,          {4120, 280},  nil,          nil,          {2520, 2280}, {2520, 280},  nil,          nil}}},
    {130, "E", W::Any,      {4850, 600},   {{{3140, 1680}, {4180, 3000}, {8775, 2920}, {4800, 1200}, {3140, 3000}, {1680, 3000}, {1680, 3000}, nil}}},
    {130, "I", W::Any,      {4880, 2620},  {{{3050, 2920}, {4180, 1200}, {8775, 2920}, {4800, 1200}, {3140, 1200}, {1680, 1200}, {1680, 1200}, nil}}},
    {150, "F", W::Any,      {4710, 3090},  {{nil,          {4920, 1890}, nil,          {3040, 1890}, nil,          nil,          nil,          nil}}},
    {150, "",  W::Any,      {2770, 0},     {{nil,          {5040, 1470}, nil,          {1440, 2160}, nil,          nil,          nil,          nil}}},
    {170, "F", W::Any,      {4710, 3090},  {{nil,          {4920, 1890}, nil,          nil,          nil,          nil,          nil,          nil}}},
    {170, "",  W::Any,      {2770, 0},     {{nil,          {5040, 1470}, nil,          nil,          nil,          nil,          nil,          nil}}},
    {180, "F", W::Any,      {4710, 3090},  {{nil,          {4920, 1890}, nil,          nil,          {3330, 1680}, {1800, 1890}, {20, 1890},   nil}}},
    {180, "",  W::Any,      {2770, 0},     {{nil,          {5040, 1470}, nil,          nil,          {5040, 2220}, {5040, 2960}, {5040, 3820}, nil}}},
    {kDrilling, "E", W::Any, {2770, 0},    {{nil,          {5040, 1470}, {1080, 2000}, {1080, 2720}, nil,          {5040, 2960}, {5040, 3820}, {5040, 2220}}}},
    {kDrilling, "",  W::Any, {4710, 3090}, {{nil,          {4920, 1870}, {3490, 4320}, {2520, 4320}, nil,          {1320, 1870}, {20, 1870},   {3190, 1680}}}},
    {kNoCase, "", W::Any,   {0, 0},        {{nil,          nil,          nil,          nil,          nil,          nil,          nil,          nil}}},
};

// Places that one option value changes inside a layout (the layout named by its first three
// columns).
struct OverrideRow {
    std::int16_t key;
    std::string_view profiles;
    W when;
    std::string_view opt;
    int index;
    Pos pos;
};
constexpr OverrideRow kOverrides[] = {
    // case profile when       opt  box  place
    {101, "",  W::Any,      "2", 5,   {1220, 1170}},
    {102, "E", W::Any,      "0", 0,   {20, 2640}},
    {102, "E", W::Any,      "1", 6,   {1950, 2760}},
    {102, "E", W::Any,      "3", 6,   {1950, 3240}},
    {103, "",  W::Opt23,    "3", 6,   {3050, 3720}},
};

// Where the pass summary stands, for longitudinal turning and facing.
struct PassLabelRow {
    std::int16_t key;
    std::string_view profiles;
    W when;
    Pos pos;
};
constexpr PassLabelRow kPassLabel[] = {
    {101, "E", W::Opt0,    {5760, 2460}},
    {101, "E", W::OptNot0, {5760, 2340}},
    {101, "B", W::Any,     {4920, 2880}},
    {101, "",  W::Any,     {5760, 2220}},
    {102, "E", W::Any,     {5760, 2390}},
    {102, "I", W::Any,     {5760, 2310}},
    {102, "",  W::Any,     {5760, 2460}},
};
// clang-format on

// The first row of the case whose profile letters and form match.
template <class Row>
const Row* FindRow(std::span<const Row> rows, std::int16_t key, const std::string& profil,
                   const Context& c) {
    for (const Row& r : rows)
        if (r.key == key && ProfileMatches(r.profiles, profil) && Holds(r.when, c)) return &r;
    return nullptr;
}

const VisRow* FindVisibility(std::int16_t key, const std::string& profil) {
    for (const VisRow& r : kVisibility)
        if (r.key == key && ProfileMatches(r.profiles, profil)) return &r;
    return nullptr;
}

// Face-side plunging: the tool picture moves up or down by the plunge side, once; a second call
// in the same state leaves it where it is.
int DerivedToolTop(int t, const std::string& suffixe) {
    double top = t;
    if (suffixe == "p" && t < 1000) top = t + 1560.0;
    if (suffixe == "m" && t > 1000) top = t - 1560.0;
    return num::CInt(top);
}

}  // namespace

void OperTournage::AfficheOperation() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelDisplay, [&] {
        Ui& u = *ui_;
        const CaseRow& cas = CaseOf(NumOp);
        const std::int16_t key = KeyOf(cas);
        const bool multiPass = cas.stem == Stem::MultiPass && NumOp % 5 >= 2;

        std::string Racine(cas.racine);
        if (cas.stem == Stem::ToAxis && u.tbSensFilet.text() == "4") Racine = cas.racineAlt;
        if (cas.stem == Stem::MultiPass)
            Racine = std::string(multiPass ? cas.racineAlt : cas.racine) + Profil;

        const bool first = SensCourant == TabSens[0];
        std::string Suffixe;
        if (cas.suffix == Suffix::XorZ) {
            Suffixe = SensCourant == TabSens[1] ? "X" : "Z";
        } else if (cas.suffix == Suffix::MorP) {
            if (Profil == "E" || Profil == "I") Suffixe = first ? "m" : "p";
            if (Profil == "F") Suffixe = first ? "p" : "m";
        }

        const Context c{OptionUsinage, str::Right(OptionUsinage, 1), Suffixe, first,
                        multiPass,     u.lPasFilet.visible()};
        std::array<bool, 8> VisPara{};
        if (const VisRow* vis = FindVisibility(key, Profil))
            for (std::size_t i = 0; i < VisPara.size(); ++i)
                VisPara[i] = Holds(vis->vis[i], c);

        const LayoutRow* layout = FindRow<LayoutRow>(kLayouts, key, Profil, c);
        int XOutil = 0;
        int YOutil = 0;
        std::array<Pos, 8> Para{};
        Para.fill(nil);
        if (layout != nullptr) {
            XOutil = layout->tool.left;
            YOutil = layout->tool.top == kDerived ? DerivedToolTop(u.picOutilTI.top(), Suffixe)
                                                  : layout->tool.top;
            Para = layout->box;
            for (const OverrideRow& o : kOverrides)
                if (o.key == layout->key && o.profiles == layout->profiles &&
                    o.when == layout->when && o.opt == OptionUsinage)
                    Para[static_cast<std::size_t>(o.index)] = o.pos;
        }

        // Turning and facing: the pass summary, computed while the boxes still stand as the
        // previous layout left them.
        if (key == 101 || key == 102) {
            u.tPasses.setVisible(true);
            if (const PassLabelRow* label = FindRow<PassLabelRow>(kPassLabel, key, Profil, c))
                MoveTo(u.tPasses, label->pos);
            tbPara_Change(2);
        }

        if (XOutil != 0) {
            u.picOutilTE.setLeft(XOutil);
            u.picOutilTI.setLeft(XOutil);
        }
        if (YOutil != 0) {
            u.picOutilTI.setTop(YOutil);
            u.picOutilTE.setTop(YOutil);
        }

        // The sketches lie in the picture folder itself: name.jpg, else name.bmp.
        if (!Racine.empty() && !IsDrillingCycle(NumOp)) Racine += Profil;
        u.picOper.setPicture(pict::JpegOrBmp(chbmp + Racine + Suffixe + OptionUsinage));

        // A combination without a layout leaves the boxes as they were.
        if (layout == nullptr) fail::subscriptOutOfRange();
        for (int i = 0; i < u.tbPara.size(); ++i) {
            const Pos place = Para[static_cast<std::size_t>(i)];
            if (place.left != nil.left) MoveTo(u.tbPara(i), place);
            u.tbPara(i).setVisible(VisPara[static_cast<std::size_t>(i)]);
        }
    });
}

}  // namespace oru
