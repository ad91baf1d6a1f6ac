// Set-up of the milling panel by operation type, and the stock-extension toggle.
#include <array>
#include <optional>
#include <string_view>

#include "fraisage/internal.hpp"
#include "frame/failures.hpp"
#include "frame/pictures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"

namespace oru {
namespace {

// Visibility of one value field: shown, hidden, shown for a blind operation only (nd), for a
// through operation only (d), or for a blind operation outside the AttrImage 3 variant (a).
enum class Vis : std::uint8_t { Y, n, nd, d, a };
constexpr Vis Y = Vis::Y, n = Vis::n, nd = Vis::nd, d = Vis::d, a = Vis::a;

// Which picture suffix a type takes: the hole suffix ("D" through, "B" blind) or none.
enum class Suffix : std::uint8_t { Hole, None };

// The tooltips a type sets; the rows of kTypeTips say on which widget and with which text.
enum class Tips : std::uint8_t { None, Profil, Poche, Pointage, Chanfrein, Taraudage };

struct OperationRow {
    std::array<std::int16_t, 3> types;  // 0: unused
    std::string_view stem;
    std::int16_t variantAttr;  // AttrImage value that selects variantStem; 0: no variant
    std::string_view variantStem;
    Suffix suffix;
    std::array<Vis, 9> mask;  // tbVal(0) .. tbVal(7), then tDiamTrou
    bool passes;
    std::string_view extStem;
    Tips tips;
};

constexpr bool on = true;
constexpr bool off = false;

// clang-format off
constexpr OperationRow kOperations[] = {
    // types       stem              variant              suffix        0  1  2  3  4   5  6  7  8    pass extension stem     tooltips
    {{10, 11},     "DEPLACER",       0, "",               Suffix::None, {Y, Y, Y, Y, Y,  n, n, n, n}, on,  "EXTBRUT_PROFIL_", Tips::None},
    {{12},         "SURFACER",       0, "",               Suffix::None, {Y, Y, Y, Y, Y,  n, n, n, n}, on,  "EXTBRUT_SURF_",   Tips::None},
    {{15, 16, 23}, "CONTOURNER_",    0, "",               Suffix::Hole, {Y, Y, Y, Y, nd, Y, n, d, n}, on,  "EXTBRUT_PROFIL_", Tips::Profil},
    {{20, 22},     "POCHE_E_",       0, "",               Suffix::Hole, {Y, Y, Y, Y, nd, Y, n, d, n}, on,  "EXTBRUT_PROFIL_", Tips::Poche},
    {{21},         "POCHE_F_",       0, "",               Suffix::Hole, {Y, Y, n, n, Y,  Y, n, n, n}, off, "",                Tips::Poche},
    {{25},         "POCHE_P_",       0, "",               Suffix::Hole, {Y, Y, Y, Y, nd, Y, n, d, n}, on,  "EXTBRUT_PROFIL_", Tips::Poche},
    {{30},         "POINTER_",       0, "",               Suffix::Hole, {Y, Y, n, n, n,  n, Y, n, n}, off, "EXTBRUT_TROU_",   Tips::Pointage},
    {{31},         "POINTER_CH_",    0, "",               Suffix::Hole, {Y, Y, n, n, n,  n, Y, n, n}, off, "EXTBRUT_TROU_",   Tips::Pointage},
    {{40, 41},     "PERCER_",        0, "",               Suffix::Hole, {Y, Y, n, n, n,  n, n, d, Y}, off, "EXTBRUT_TROU_",   Tips::None},
    {{42, 43},     "PERCER_D_",      0, "",               Suffix::Hole, {Y, Y, Y, Y, n,  n, n, d, Y}, on,  "EXTBRUT_TROU_",   Tips::None},
    {{44},         "HELICE_",        0, "",               Suffix::Hole, {Y, Y, Y, Y, nd, Y, n, d, Y}, on,  "EXTBRUT_TROU_",   Tips::None},
    {{45},         "PERCER_C_",      0, "",               Suffix::Hole, {Y, Y, Y, Y, nd, Y, n, d, Y}, on,  "EXTBRUT_TROU_",   Tips::Poche},
    {{51, 55},     "CHANFREINER_",   0, "",               Suffix::Hole, {Y, Y, n, n, n,  n, Y, n, n}, off, "EXTBRUT_TROU_",   Tips::Chanfrein},
    {{60, 61, 62}, "ALESER_",        0, "",               Suffix::Hole, {Y, Y, n, n, nd, n, n, d, Y}, off, "EXTBRUT_TROU_",   Tips::None},
    {{64},         "ALESER_H_",      0, "",               Suffix::Hole, {Y, Y, Y, n, nd, Y, n, d, Y}, on,  "EXTBRUT_TROU_",   Tips::None},
    {{65},         "ALESER_C_",      0, "",               Suffix::Hole, {Y, Y, Y, Y, nd, Y, n, d, Y}, on,  "EXTBRUT_TROU_",   Tips::None},
    {{70, 71},     "LAMER_P",        4, "LAMERSP_P",      Suffix::None, {Y, Y, n, n, n,  n, n, n, Y}, off, "EXTBRUT_TROU_",   Tips::None},
    {{72, 73},     "LAMER_BOSSAGE",  0, "",               Suffix::None, {Y, Y, n, n, n,  n, n, n, Y}, off, "EXTBRUT_TROU_",   Tips::None},
    {{74},         "LAMER_H",        4, "LAMERSP_H",      Suffix::None, {Y, Y, Y, n, Y,  Y, n, n, Y}, on,  "EXTBRUT_TROU_",   Tips::None},
    {{75},         "LAMER_C",        4, "LAMERSP_C",      Suffix::None, {Y, Y, Y, n, Y,  Y, n, n, Y}, on,  "EXTBRUT_TROU_",   Tips::None},
    {{80},         "TARAUDER_",      3, "TARAUDER_A_",    Suffix::Hole, {Y, Y, n, n, a,  n, n, d, Y}, off, "EXTBRUT_TROU_",   Tips::Taraudage},
    {{84, 85},     "FILETER_",       3, "FILETER_A_",     Suffix::Hole, {Y, Y, Y, n, a,  n, n, d, Y}, off, "EXTBRUT_TROU_",   Tips::Taraudage},
};
// clang-format on

enum class Target : std::uint8_t { tProf, tDiamTrou, tbVal6 };
enum class When : std::uint8_t { Always, Attr3, NotAttr3 };

struct TypeTipRow {
    Tips tips;
    When when;
    Target target;
    std::string_view text;
};

// clang-format off
constexpr TypeTipRow kTypeTips[] = {
    {Tips::Profil,    When::Always,   Target::tProf,     "Hauteur du profil"},
    {Tips::Poche,     When::Always,   Target::tProf,     "Profondeur de la poche"},
    {Tips::Pointage,  When::Always,   Target::tbVal6,    "Diamètre de pointage"},
    {Tips::Chanfrein, When::Always,   Target::tbVal6,    "Diamètre de chanfrein"},
    {Tips::Taraudage, When::Attr3,    Target::tDiamTrou, "Diamètre du taraudage"},
    {Tips::Taraudage, When::Attr3,    Target::tProf,     "Longueur du taraudage"},
    {Tips::Taraudage, When::NotAttr3, Target::tDiamTrou, "Diamètre du trou"},
    {Tips::Taraudage, When::NotAttr3, Target::tProf,     "Profondeur du trou"},
};
// clang-format on

const OperationRow* findOperation(std::int16_t typoper) {
    for (const OperationRow& row : kOperations)
        for (std::int16_t t : row.types)
            if (t != 0 && t == typoper) return &row;
    return nullptr;
}

bool shown(Vis v, bool debouchant, std::int16_t attrImage) {
    switch (v) {
        case Vis::Y:
            return true;
        case Vis::n:
            return false;
        case Vis::nd:
            return !debouchant;
        case Vis::d:
            return debouchant;
        case Vis::a:
            return attrImage != 3 && !debouchant;
    }
    return false;
}

}  // namespace

void OperFraisage::InitPasses() {
    Trap(host(), kTitleCtrl, Prompt::Label, "Initialisation des passes", [&] {
        std::string suffix = debouchant ? "D" : "B";
        std::string stem;
        std::optional<std::array<bool, 9>> mask;
        bool passes = false;

        if (const OperationRow* row = findOperation(Typoper)) {
            const bool variant = row->variantAttr != 0 && AttrImage == row->variantAttr;
            stem = variant ? row->variantStem : row->stem;
            if (row->suffix == Suffix::None) suffix.clear();
            mask.emplace();
            for (std::size_t i = 0; i < mask->size(); ++i)
                (*mask)[i] = shown(row->mask[i], debouchant, AttrImage);
            passes = row->passes;
            RacineExtBrut = row->extStem;
            for (const TypeTipRow& tip : kTypeTips) {
                if (tip.tips != row->tips) continue;
                if (tip.when == When::Attr3 && AttrImage != 3) continue;
                if (tip.when == When::NotAttr3 && AttrImage == 3) continue;
                Widget& target = tip.target == Target::tProf       ? ui_->tProf
                                 : tip.target == Target::tDiamTrou ? ui_->tDiamTrou
                                                                   : ui_->tbVal(6);
                target.setToolTip(std::string(tip.text));
            }
        }
        // Hole rule: every hole type names its depth after the hole and extends to the stock
        // with the hole icons.
        if (Typoper > 29) {
            if (AttrImage != 3) ui_->tProf.setToolTip("Profondeur du trou");
            RacineExtBrut = "EXTBRUT_TROU_";
        }

        ui_->pPasses.setPicture(pict::FolderPicture(chbmp, stem + suffix));
        PassesActives = false;

        // A type in no row has no mask: the set-up fails here, fields left as they were.
        if (!mask) fail::subscriptOutOfRange();
        if (debouchant) (*mask)[3] = false;  // a through operation has no last pass
        for (int i = 0; i < 8; ++i)
            ui_->tbVal(i).setVisible((*mask)[static_cast<std::size_t>(i)]);
        ui_->tDiamTrou.setVisible((*mask)[8]);

        PassesActives = passes;
        if (PassesActives) {
            ui_->tNbPasses.setVisible(true);
            CalculPasses();
        } else {
            ui_->tNbPasses.setVisible(false);
        }
    });
}

void OperFraisage::bExtBrut_Click() {
    Trap(host(), kTitleCtrl, Prompt::Label, "Extension au brut", [&] {
        if (RacineExtBrut.empty() || ExtBrut == 0) {
            ui_->bExtBrut.setVisible(false);
            return;
        }
        std::string icon;
        if (ExtBrut != 1) {
            ExtBrut = 1;
            icon = RacineExtBrut + "OFF";
            ui_->tbVal(8).writeText(ui_->tProf.caption());  // the depth without the extension
        } else {
            ExtBrut = 2;
            icon = RacineExtBrut + "ON";
            ui_->tbVal(8).writeText(ProfBrut);  // the depth extended to the stock
        }
        ui_->bExtBrut.setPicture(res::LoadResPicture(icon, res::Type::Icon));
    });
}

}  // namespace oru
