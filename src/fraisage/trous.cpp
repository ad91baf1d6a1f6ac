// The hole frame: one picture button per cycle of the operation's hole family.
#include <array>
#include <string>
#include <string_view>

#include "fraisage/internal.hpp"
#include "frame/failures.hpp"
#include "frame/numbers_internal.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"

namespace oru {
namespace {

constexpr bool Y = true;
constexpr bool n = false;

// One hole family: the families it serves, the types it is limited to (0: any type of the
// family), the caption of tTrou, the tooltip of each button ("" keeps the button's tooltip) and
// the available buttons.
struct FamilyRow {
    std::array<std::int16_t, 2> families;  // 0: unused
    std::array<std::int16_t, 2> onlyTypes;
    std::string_view caption;
    std::array<std::string_view, 6> tips;
    std::array<bool, 6> available;
};

// clang-format off
constexpr FamilyRow kFamilies[] = {
    {{3},    {},         "POINTER",
     {"Pointer", "Pointer-Chanfreiner", "", "", "", ""},
     {Y, Y, n, n, n, n}},
    {{4},    {},         "PERCER",
     {"Percer", "Percer - Chambrer", "Percer avec Brise copeaux", "Percer avec Débourrage",
      "Percer en plongée hélicoïdale + spirale", "Percer en vidage de poche circulaire"},
     {Y, Y, Y, Y, Y, Y}},
    {{5, 9}, {},         "CHANFREINER",
     {"", "Chanfreiner en plongée", "", "", "", "Chanfreiner en contournage"},
     {n, Y, n, n, n, Y}},
    {{6},    {},         "ALESER",
     {"Aléser avec retour rapide", "Aléser avec retour travail", "Aléser avec retour indéxé", "",
      "Aléser en interpolation hélicoïdale", "Aléser en contournage"},
     {Y, Y, Y, n, Y, Y}},
    {{7},    {72, 73},   "LAMER",
     {"Lamer en plongée", "Lamer en plongée avec Chambrage", "Lamer en plongée",
      "Lamer en plongée avec Chambrage", "Lamer en plongée hélicoïdale + spirale",
      "Lamer en vidage de poche circulaire"},
     {n, n, Y, Y, n, n}},
    {{7},    {},         "LAMER",
     {"Lamer en plongée", "Lamer en plongée avec Chambrage", "Lamer en plongée",
      "Lamer en plongée avec Chambrage", "Lamer en plongée hélicoïdale + spirale",
      "Lamer en vidage de poche circulaire"},
     {Y, Y, n, n, Y, Y}},
    {{8},    {},         "TARAUDER",
     {"Tarauder", "", "", "", "Fileter à la fraise - filet à gauche",
      "Fileter à la fraise - filet à droite"},
     {Y, n, n, n, Y, Y}},
};
// clang-format on

// Cycles that follow a contour and so need a profile engagement.
constexpr std::int16_t kContourCycles[] = {55, 64, 65, 84, 85};

bool contains(std::span<const std::int16_t> set, std::int16_t value) {
    for (std::int16_t v : set)
        if (v != 0 && v == value) return true;
    return false;
}

// The row of the family of `typoper`; a family with no row is a failure.
const FamilyRow& familyOf(std::int16_t typoper) {
    const auto family = static_cast<std::int16_t>(typoper / 10);
    for (const FamilyRow& row : kFamilies) {
        if (!contains(row.families, family)) continue;
        const bool anyType = row.onlyTypes[0] == 0;
        if (anyType || contains(row.onlyTypes, typoper)) return row;
    }
    fail::subscriptOutOfRange();
}

}  // namespace

void OperFraisage::InitTrous() {
    Trap(host(), kTitleCtrl, Prompt::Label, "Initialisation des trous", [&] {
        ui_->pTrou.setVisible(true);
        bTrou_Click(Typoper % 10);
        // The cycle is chosen: now the family's tooltips, availability and name.
        const FamilyRow& row = familyOf(Typoper);
        for (int i = 0; i < 6; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (!row.tips[at].empty()) ui_->bTrou(i).setToolTip(std::string(row.tips[at]));
            ui_->bTrou(i).setEnabled(row.available[at]);
        }
        ui_->tTrou.setCaption(std::string(row.caption));
    });
}

void OperFraisage::bTrou_Click(int Index) {
    int progress = 0;
    Trap(
        host(), kTitleCtrl, Prompt::LabelAndDescription,
        [&] { return "Sélection d'un trou : erreur=" + std::to_string(progress); },
        [&] {
            const int family = Typoper / 10;
            progress = 1;
            const FamilyRow& row = familyOf(Typoper);
            progress = 2;
            // Buttons are drawn in index order; the chosen cycle is set up as soon as its button
            // turns on, before the remaining buttons are drawn.
            for (int i = 0; i < 6; ++i) {
                if (!row.available[static_cast<std::size_t>(i)]) {
                    ui_->bTrou(i).setPicture(Picture());
                    continue;
                }
                const std::string icon = "TROU_" + std::to_string(family) + std::to_string(i) +
                                         (i == Index ? "_ON" : "_OFF");
                ui_->bTrou(i).setPicture(res::LoadResPicture(icon, res::Type::Icon));
                if (i == Index) {
                    Typoper = num::ToInt16(family * 10LL + Index);
                    InitPasses();
                }
            }
            progress = 3;
            ui_->Avalant1.setVisible(Typoper % 10 >= 4 && Typoper < 80);
            progress = 4;
            if (contains(kContourCycles, Typoper)) {
                progress = 5;
                const std::int16_t engagement = GetAccostage();
                progress = 6;
                if (engagement == -1 && ui_->cAccostage.listCount() >= 1)
                    ui_->cAccostage.writeListIndex(0);
                progress = 7;
                ui_->cAccostage.setVisible(true);
                ui_->pAccoste.setVisible(true);
            } else {
                ui_->cAccostage.setVisible(false);
                ui_->pAccoste.setVisible(false);
            }
        });
}

}  // namespace oru
