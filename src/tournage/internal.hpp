#pragma once

// Shared by the source files of the turning panel: its widgets, the working values of one
// set-up, checked access to the host's value tables and small helpers.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/failures.hpp"
#include "frame/strings.hpp"
#include "frame/ui.hpp"
#include "oru/opertournage.hpp"

namespace oru {

inline constexpr std::string_view kLabelSetup = "Initialisation opération Tournage";
inline constexpr std::string_view kLabelApproach = "Sélection du type d'approche";
inline constexpr std::string_view kLabelRetract = "Sélection du type de dégagement";
inline constexpr std::string_view kLabelDisplay = "Affichage opération TOURNAGE";
inline constexpr std::string_view kLabelToolPicture = "Initialisation image outil";
inline constexpr std::string_view kLabelDirection = "Sélection du sens d'usinage";
inline constexpr std::string_view kLabelToAxis = "Usinage jusqu'à l'axe";
inline constexpr std::string_view kLabelPitch = "Sélection du pas du filetage";
inline constexpr std::string_view kLabelThread = "Sélection d'un filet";
inline constexpr std::string_view kLabelThreadingPage = "Sélection de la page FILETAGE";
inline constexpr std::string_view kLabelOption = "Sélection de l'option d'usinage";
inline constexpr std::string_view kLabelHoleCycle = "Sélection du type de perçage";

// Widgets of the threading details page, hidden while the general page is shown.
inline constexpr std::string_view kThreadingPage[] = {
    "lPasFilet",     "tNbFilet",  "tAngPlonge",     "tPasseFinition",
    "tNbPasseFilet", "tbNbFilet", "tbNbPasseFilet",
};

// The thread types, in the order of the bAppro buttons of the threading page. K turns a pitch
// into the difference between the nominal diameter and the bore of an internal thread.
struct ThreadTypeRow {
    std::string_view letter;
    std::string_view caption;  // tFiletage
    std::string_view angle;    // flank angle, written into tbPara(7)
    double K;
};
// clang-format off
inline constexpr ThreadTypeRow kThreadTypes[] = {
    // letter caption                 angle   K
    {"M",    "FILET ISO Métrique",    "30",   1.0825},
    {"G",    "FILET GAZ",             "27.5", 1.280654},
    {"T",    "FILET TRAPEZOIDAL",     "15",   1.0},
    {"R",    "FILET ROND",            "15",   0.9},
};
// clang-format on

// The button index of a thread type letter, or -1.
inline int ThreadTypeIndex(std::string_view letter) {
    for (std::size_t i = 0; i < std::size(kThreadTypes); ++i)
        if (kThreadTypes[i].letter == letter) return static_cast<int>(i);
    return -1;
}

// The drilling operations proper: the units digit carries the hole cycle.
inline bool IsDrillingCycle(std::int16_t op) { return op >= 140 && op <= 149; }

struct OperTournage::Ui {
    explicit Ui(Panel& p);

    WidgetArray<8> tbPara;
    WidgetArray<4> bAppro;
    WidgetArray<4> bTrou;
    Widget &tbXsecu, &tbZsecu, &tbSensFilet, &tbNbFilet, &tbNbPasseFilet;
    Widget &bDegage, &bSens, &bGorge, &bUsAxe, &bFiletage;
    Widget &cbPas, &lPasFilet;
    Widget &tSensFilet, &tFiletage, &tNbFilet, &tAngPlonge, &tNbPasseFilet, &tPasseFinition;
    Widget &tPasses, &tDiamBrut, &tZBrut, &tXBrut;
    Widget &picOper, &picFilet, &picOutilTE, &picOutilTI;
    Widget &Line1, &Line2;
};

// The host's two value tables, read and written through checked indexes only, and the locals
// that the per-operation rules set and the common finish applies.
struct OperTournage::Setup {
    std::vector<double>& td;
    std::vector<std::int16_t>& ti;
    std::string outil;  // tool code, possibly replaced by the rules
    std::string profil;
    std::string typeFilet;

    std::int16_t XSens = 0;
    std::int16_t YSens = 0;
    bool showUsAxe = false;
    bool showGorge = false;
    bool showDiamBrut = false;
    bool showXBrut = false;
    bool showZBrut = false;

    double d(std::size_t i) const { return tdRef(i); }
    std::int16_t i(std::size_t k) const { return tiRef(k); }
    double& tdRef(std::size_t i) const {
        if (i >= td.size()) fail::subscriptOutOfRange();
        return td[i];
    }
    std::int16_t& tiRef(std::size_t k) const {
        if (k >= ti.size()) fail::subscriptOutOfRange();
        return ti[k];
    }
    // Tool family: the first two characters of the tool code.
    std::string family() const { return str::Left(outil, 2); }
};

// Sets MajEnCours for the lifetime of the guard and clears it on every way out, so that a
// failure between never leaves the panel deaf to edits.
class UpdateGuard {
public:
    explicit UpdateGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~UpdateGuard() { flag_ = false; }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

private:
    bool& flag_;
};

struct Pos {
    int left;
    int top;
};

inline void MoveTo(Widget& w, Pos p) {
    w.setLeft(p.left);
    w.setTop(p.top);
}

// The profile letter as the approach button reads it ("B" is external) and as the retract
// button reads it ("B" external, "F" internal).
inline std::string ApproachProfile(const std::string& profil) {
    return profil == "B" ? std::string("E") : profil;
}
inline std::string RetractProfile(const std::string& profil) {
    if (profil == "B") return "E";
    if (profil == "F") return "I";
    return profil;
}

}  // namespace oru
