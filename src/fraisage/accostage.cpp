// Profile engagement (how the tool engages and leaves the profile) and the facing sweep.
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "fraisage/internal.hpp"
#include "frame/failures.hpp"
#include "frame/numbers_internal.hpp"
#include "frame/pictures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"
#include "oru/numbers.hpp"

namespace oru {
namespace {

constexpr bool Y = true;
constexpr bool n = false;

// One engagement mode of the list, with the distance boxes it uses: engagement distance,
// retract distance, overlap distance.
struct Entry {
    std::string_view text;
    bool gardeAcc, gardeDeg, recouvre;
};

// clang-format off
constexpr Entry kClosedMove[] = {
    {"Accostage Extérieur Plan",               n, Y, n},
    {"Accostage Intérieur Plan",               n, Y, n},
    {"Accostage Axial",                        n, n, n},
    {"Accostage Rampe",                        Y, n, n},
};
constexpr Entry kOpenMove[] = {
    {"Accostage Extérieur Plan",               Y, Y, n},
    {"Accostage Axial",                        n, n, n},
    {"Accostage Rampe",                        Y, Y, n},
};
constexpr Entry kFacing[] = {
    {"Accostage Plan",                         Y, Y, n},
    {"Accostage Rampe",                        Y, Y, n},
};
constexpr Entry kClosedContour[] = {
    {"Accostage Tangent",                      Y, Y, Y},
    {"Accostage Normal",                       Y, Y, Y},
    {"Accostage Axial",                        n, n, Y},
    {"Accostage Rampe",                        Y, Y, Y},
};
constexpr Entry kOpenContour[] = {
    {"Accostage dans le Prolongement",         Y, Y, n},
    {"Accostage Normal",                       Y, Y, n},
    {"Accostage Axial",                        Y, Y, n},
    {"Accostage Rampe",                        Y, Y, n},
    {"Accostage Arc Tangent",                  Y, Y, n},
};
constexpr Entry kClosedSideContour[] = {
    {"Accostage Extérieur Tangent",            Y, Y, Y},
    {"Accostage Extérieur Normal",             Y, Y, Y},
    {"Accostage Extérieur Axial",              n, n, Y},
    {"Accostage Extérieur Rampe",              Y, Y, Y},
    {"Accostage Intérieur Tangent",            Y, Y, Y},
    {"Accostage Intérieur Normal",             Y, Y, Y},
    {"Accostage Intérieur Axial",              n, n, Y},
    {"Accostage Intérieur Rampe",              Y, Y, Y},
};
constexpr Entry kPocket[] = {
    {"Accostage Axial",                        n, n, n},
    {"Accostage Rampe",                        Y, Y, n},
    {"Accostage Hélicoïdal",                   n, n, n},
};
constexpr Entry kOpenPocket[] = {
    {"Accostage Axial",                        Y, n, n},
};
constexpr Entry kProfilePocket[] = {
    {"Accostage Tangent",                      n, Y, Y},
    {"Accostage Normal",                       n, Y, Y},
    {"Accostage Axial",                        n, n, Y},
    {"Accostage Rampe",                        Y, Y, Y},
};
constexpr Entry kCircleNormal[] = {
    {"Approche au centre - Accostage Normal",  n, n, n},
    {"Accostage Normal",                       n, Y, n},
};
constexpr Entry kCircle[] = {
    {"Approche au centre - Accostage Normal",  n, n, n},
    {"Accostage Normal",                       n, Y, n},
    {"Approche au centre - Accostage Tangent", n, n, n},
    {"Accostage Tangent",                      n, Y, n},
};
// clang-format on

enum class Match : std::uint8_t { Types, From100, Other };         // which types a row serves
enum class Closed : std::uint8_t { Any, Yes, No };                 // which profiles (Ferme)
enum class Stem : std::uint8_t { Literal, Sweep, Unchanged };      // how RacineAccoste is set
enum class Frame : std::uint8_t { Shown, Hidden, ContourCycles };  // whether pAccoste shows

struct EngagementRow {
    Match match;
    std::array<std::int16_t, 2> types;  // 0: unused
    Closed ferme;
    Stem stemRule;
    std::string_view stem;
    std::span<const Entry> entries;
    bool compact;
    Frame frame;
    bool overlap;       // tbRecouvre offered
    bool arcToTangent;  // an "Arc Tangent" choice (4), absent from the list, becomes 0
};

constexpr bool yes = true;
constexpr bool no = false;

// One row per operation type (and profile, where it matters); cmp: compact layout, ovl: overlap
// box offered, 4->0: the arc-tangent choice of the open list becomes the tangent one. Wherever
// the frame is hidden, no engagement is chosen: the index is written back as -1.
// clang-format off
constexpr EngagementRow kEngagements[] = {
    // match         types     Ferme        stem                         entries             cmp  frame                 ovl  4->0
    {Match::Types,   {10},     Closed::Yes, Stem::Literal,   "DEPL_F_",  kClosedMove,        no,  Frame::Shown,         no,  no},
    {Match::Types,   {10},     Closed::No,  Stem::Literal,   "DEPL_O_",  kOpenMove,          no,  Frame::Shown,         no,  no},
    {Match::Types,   {12},     Closed::Any, Stem::Sweep,     "SURF_",    kFacing,            no,  Frame::Shown,         no,  no},
    {Match::Types,   {15},     Closed::Yes, Stem::Literal,   "CONT_F_",  kClosedContour,     no,  Frame::Shown,         yes, yes},
    {Match::Types,   {15},     Closed::No,  Stem::Literal,   "CONT_O_",  kOpenContour,       no,  Frame::Shown,         no,  no},
    {Match::Types,   {16},     Closed::Yes, Stem::Literal,   "CONT_EF_", kClosedSideContour, no,  Frame::Shown,         yes, no},
    {Match::Types,   {16},     Closed::No,  Stem::Literal,   "CONT_EO_", kOpenContour,       no,  Frame::Shown,         no,  no},
    {Match::Types,   {20, 22}, Closed::Any, Stem::Literal,   "POCHE_E_", kPocket,            no,  Frame::Shown,         no,  no},
    {Match::Types,   {21},     Closed::Any, Stem::Literal,   "POCHE_F_", kPocket,            no,  Frame::Shown,         no,  no},
    {Match::Types,   {23},     Closed::Any, Stem::Literal,   "POCHE_O_", kOpenPocket,        no,  Frame::Shown,         no,  no},
    {Match::Types,   {25},     Closed::Any, Stem::Literal,   "POCHE_P_", kProfilePocket,     no,  Frame::Shown,         yes, no},
    {Match::Types,   {80},     Closed::Any, Stem::Literal,   "CONT_C_",  kCircleNormal,      yes, Frame::Hidden,        no,  no},
    {Match::Types,   {84, 85}, Closed::Any, Stem::Literal,   "CONT_C_",  kCircleNormal,      yes, Frame::Shown,         no,  no},
    {Match::From100, {},       Closed::Any, Stem::Unchanged, "",         {},                 no,  Frame::Hidden,        no,  no},
    {Match::Other,   {},       Closed::Any, Stem::Literal,   "CONT_C_",  kCircle,            yes, Frame::ContourCycles, no,  no},
};
// clang-format on

// The hole cycles of the last row that follow a contour and so show the frame.
constexpr std::int16_t kFramedCycles[] = {55, 64, 65};

// Frame layouts, in twips.
struct Layout {
    int frameLeft, frameWidth;
    int imageLeft, imageWidth, imageHeight;
    int gardeDegLeft;
};
// clang-format off
constexpr Layout kCompact = {2615, 2440, 0, 2385, 2400, 1680};
constexpr Layout kFull    = {0,    5055, 0, 4995, 2850, 4450};
// clang-format on

// A facing retract distance above this is "no retract distance"; it reads back as kNoRetract.
constexpr double kNoRetractAbove = 900;
constexpr double kNoRetract = 999;

bool contains(std::span<const std::int16_t> set, std::int16_t value) {
    for (std::int16_t v : set)
        if (v != 0 && v == value) return true;
    return false;
}

const EngagementRow& findEngagement(std::int16_t typoper, bool ferme) {
    for (const EngagementRow& row : kEngagements) {
        switch (row.match) {
            case Match::Types:
                if (!contains(row.types, typoper)) continue;
                if (row.ferme == Closed::Yes && !ferme) continue;
                if (row.ferme == Closed::No && ferme) continue;
                return row;
            case Match::From100:
                if (typoper >= 100) return row;
                continue;
            case Match::Other:
                return row;
        }
    }
    return kEngagements[std::size(kEngagements) - 1];
}

std::string sweepIcon(std::int16_t balayage) { return "SURF_" + std::to_string(balayage); }

std::string leftTrimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

}  // namespace

// The sweep mode and the closed flag are spelt in lower case here: their names in the header are
// those of the fields.
void OperFraisage::SetAccostage(std::int16_t& Accostage, double GardeAccoste, double GardeDegage,
                                double Recouvre, double AngleBalayage, std::int16_t balayage,
                                std::int16_t ferme) {
    Trap(host(), kTitleCtrl, Prompt::Label, "Initialisation accostage", [&] {
        GardeDegModifiee = false;
        Balayage = balayage;
        Ferme = ferme != 0;
        ui_->cAccostage.clear();

        ui_->bSurf.setVisible(Typoper == 12);
        ui_->tbAngBal.setVisible(Typoper == 12 && Accostage < 2);
        ui_->tbAngBal.writeText(FormatNum3(num::RoundHalfEven(AngleBalayage, 1)));

        const EngagementRow& row = findEngagement(Typoper, Ferme);
        if (!row.entries.empty()) {
            VisGardeAcc.clear();
            VisGardeDeg.clear();
            VisRecouvre.clear();
            for (const Entry& e : row.entries) {
                ui_->cAccostage.addItem(std::string(e.text));
                VisGardeAcc.push_back(e.gardeAcc);
                VisGardeDeg.push_back(e.gardeDeg);
                VisRecouvre.push_back(e.recouvre);
            }
        }
        if (row.stemRule == Stem::Literal) RacineAccoste = row.stem;
        if (row.stemRule == Stem::Sweep) RacineAccoste = sweepIcon(Balayage) + "_";
        const bool compact = row.compact;
        const bool frameShown = row.frame == Frame::Shown || (row.frame == Frame::ContourCycles &&
                                                              contains(kFramedCycles, Typoper));
        // Facing shows its sweep mode; a mode with no icon stops the set-up here.
        if (row.stemRule == Stem::Sweep)
            ui_->bSurf.setPicture(res::LoadResPicture(sweepIcon(Balayage), res::Type::Icon));

        if (row.arcToTangent && Accostage == 4) Accostage = 0;
        if (!frameShown) Accostage = -1;  // no engagement is chosen without the frame

        ui_->pAccoste.setVisible(frameShown);
        const Layout& layout = compact ? kCompact : kFull;
        ui_->pAccoste.setLeft(layout.frameLeft);
        ui_->pAccoste.setWidth(layout.frameWidth);
        ui_->imgAccoste.setLeft(layout.imageLeft);
        ui_->imgAccoste.setWidth(layout.imageWidth);
        ui_->imgAccoste.setHeight(layout.imageHeight);
        ui_->tbGardeDeg.setLeft(layout.gardeDegLeft);

        // An entry beyond the list fails here, before the distances are written.
        ui_->cAccostage.writeListIndex(Accostage);
        ui_->cAccostage.setVisible(Accostage != -1);

        ui_->tbGardeAcc.writeText(FormatNum3(GardeAccoste));  // follows into tbGardeDeg
        ui_->tbGardeDeg.writeText(GardeDegage > kNoRetractAbove ? std::string()
                                                                : FormatNum3(GardeDegage));
        ui_->tbRecouvre.writeText(FormatNum3(Recouvre));
        ui_->tbRecouvre.setVisible(row.overlap);
    });
}

std::int16_t OperFraisage::SetAccostage(const std::int16_t& Accostage, double GardeAccoste,
                                        double GardeDegage, double Recouvre, double AngleBalayage,
                                        std::int16_t balayage, std::int16_t ferme) {
    std::int16_t corrected = Accostage;
    SetAccostage(corrected, GardeAccoste, GardeDegage, Recouvre, AngleBalayage, balayage, ferme);
    return corrected;
}

bool OperFraisage::engagementFlag(const std::vector<bool>& flags, int k) const {
    if (k < 0 || k >= static_cast<int>(flags.size())) fail::subscriptOutOfRange();
    return flags[static_cast<std::size_t>(k)];
}

void OperFraisage::cAccostage_Click() {
    Trap(host(), kTitleCtrl, Prompt::Label, "Sélection accostage", [&] {
        const int k = ui_->cAccostage.listIndex();
        if (k == -1) return;
        ui_->imgAccoste.setPicture(pict::FolderPicture(chbmp, RacineAccoste + std::to_string(k)));
        ui_->tbGardeAcc.setVisible(engagementFlag(VisGardeAcc, k));
        ui_->tbRecouvre.setVisible(engagementFlag(VisRecouvre, k));
        ui_->tbGardeDeg.setVisible(engagementFlag(VisGardeDeg, k));
    });
}

void OperFraisage::bSurf_Click() {
    // The sweep modes cycle 1, 2, 3, 1, ...
    Balayage = num::ToInt16(Balayage + 1LL);
    if (Balayage == 4) Balayage = 1;
    ui_->bSurf.setPicture(res::LoadResPicture(sweepIcon(Balayage), res::Type::Icon));
    RacineAccoste = sweepIcon(Balayage) + "_";
    cAccostage_Click();  // the engagement picture follows the sweep mode
    ui_->tbAngBal.setVisible(Balayage < 3);
}

void OperFraisage::tbGardeAcc_Change() {
    // Until the user has edited the retract distance, it follows the engagement distance.
    if (!GardeDegModifiee) ui_->tbGardeDeg.writeText(FormatNum3(Val(ui_->tbGardeAcc.text())));
}

void OperFraisage::tbGardeDeg_LostFocus() { GardeDegModifiee = true; }

std::int16_t OperFraisage::GetAccostage() const {
    std::int16_t result = 0;
    Trap(host(), kTitleCtrl, Prompt::Label, "Retour type accostage", [&] {
        result = ui_->cAccostage.visible() ? num::ToInt16(ui_->cAccostage.listIndex()) : -1;
    });
    return result;
}

double OperFraisage::GetGardeAccoste() const {
    double result = 0.0;
    Trap(host(), kTitleCtrl, Prompt::Label, "Retour accostage", [&] {
        const int k = ui_->cAccostage.listIndex();
        if (k == -1 || !ui_->pAccoste.visible()) return;
        // A mode that shows only the retract box uses it for both distances.
        if (!engagementFlag(VisGardeAcc, k) && engagementFlag(VisGardeDeg, k))
            result = std::fabs(Val(ui_->tbGardeDeg.text()));
        else
            result = ui_->tbGardeAcc.visible() ? std::fabs(Val(ui_->tbGardeAcc.text())) : 0.0;
    });
    return result;
}

double OperFraisage::GetGardeDegage() const {
    double result = 0.0;
    Trap(host(), kTitleCtrl, Prompt::Label, "Retour dégagement", [&] {
        const std::string text = leftTrimmed(ui_->tbGardeDeg.text());
        if (Typoper == 12) {
            result = text.empty() ? kNoRetract : Val(text);
            return;
        }
        const int k = ui_->cAccostage.listIndex();
        if (k == -1 || !ui_->pAccoste.visible()) return;
        // A mode that shows only the engagement box uses it for both distances.
        if (engagementFlag(VisGardeAcc, k) && !engagementFlag(VisGardeDeg, k))
            result = std::fabs(Val(ui_->tbGardeAcc.text()));
        else
            result = ui_->tbGardeDeg.visible() ? std::fabs(Val(text)) : 0.0;
    });
    return result;
}

double OperFraisage::GetRecouvre() const {
    double result = 0.0;
    Trap(host(), kTitleCtrl, Prompt::Label, "Retour recouvrement", [&] {
        result = ui_->tbRecouvre.visible() ? std::fabs(Val(ui_->tbRecouvre.text())) : 0.0;
    });
    return result;
}

std::int16_t OperFraisage::GetBalayage() const { return Balayage; }

double OperFraisage::GetAngBal() const {
    double result = 0.0;
    Trap(host(), kTitleCtrl, Prompt::Label, "Retour angle de balayage",
         [&] { result = ui_->tbAngBal.visible() ? Val(ui_->tbAngBal.text()) : 0.0; });
    return result;
}

}  // namespace oru
