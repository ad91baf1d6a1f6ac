// The two pages of a threading operation: the general page (sketch, safety distances, approach
// and retract, general boxes) and the details page (thread types, thread list, last pass, flank
// angle, starts and passes). The operation picture tells which one is shown: visible means the
// general page.
#include <string>
#include <string_view>

#include "frame/trap.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// New visibility of a widget when the page changes; G is "the details page is being opened".
enum class Page : std::uint8_t {
    G,             // details page
    NotG,          // general page
    GOrExternal,   // details page, or general page for profile "E"
    NotGXsecu,     // general page, and the approach or the retract needs tbXsecu
    NotGZsecu,     // general page, and the retract needs tbZsecu
    NotGExternal,  // general page, profile "E"
    NotGInternal,  // general page, profile "I"
    NotGOpt0,      // general page, option "0"
    NotGOpt1,      // general page, option "1"
};

struct PageRow {
    std::string_view widget;
    int index;
    Page rule;
};
// In the order they are set.
// clang-format off
constexpr PageRow kPageWidgets[] = {
    {"bDegage",        -1, Page::NotG},
    {"bAppro",         3,  Page::GOrExternal},
    {"Line1",          -1, Page::NotG},
    {"Line2",          -1, Page::NotG},
    {"tbXsecu",        -1, Page::NotGXsecu},
    {"tbZsecu",        -1, Page::NotGZsecu},
    {"tDiamBrut",      -1, Page::NotG},
    {"picOper",        -1, Page::NotG},
    {"picOutilTE",     -1, Page::NotGExternal},
    {"picOutilTI",     -1, Page::NotGInternal},
    {"tbPara",         0,  Page::NotG},
    {"tbPara",         1,  Page::NotG},
    {"tbPara",         4,  Page::NotG},
    {"tbPara",         5,  Page::NotGOpt0},
    {"tbPara",         6,  Page::NotGOpt1},
    {"tbPara",         3,  Page::G},
    {"tbPara",         7,  Page::G},
    {"lPasFilet",      -1, Page::G},
    {"tNbFilet",       -1, Page::G},
    {"tAngPlonge",     -1, Page::G},
    {"tPasseFinition", -1, Page::G},
    {"tNbPasseFilet",  -1, Page::G},
    {"tbNbFilet",      -1, Page::G},
    {"tbNbPasseFilet", -1, Page::G},
};

constexpr TipRow kDetailsPageTips[] = {
    {"bAppro", 0, "Filet ISO Métrique"},
    {"bAppro", 1, "Filet GAZ"},
    {"bAppro", 2, "Filet Trapézoïdal"},
    {"bAppro", 3, "Filet Rond"},
};
constexpr TipRow kGeneralPageTips[] = {
    {"bAppro", 0, "Approche rapide Z puis X"},
    {"bAppro", 1, "Approche rapide X puis Z"},
    {"bAppro", 2, "Approche rapide XZ"},
    {"bAppro", 3, "Dégagement rapide X sécurité, Approche Z puis X"},
};
// clang-format on

constexpr std::string_view kCaptionGeneral = "Détails Filetage >>";
constexpr std::string_view kCaptionDetails = "<< Généralités Opération";
constexpr Pos kThreadListPlace{120, 1560};
constexpr int kThreadListWidth = 5400;
constexpr int kThreadListHeight = 2985;
// The flank angle box on the details page, next to its label. No operation layout places box 7
// for threading, so without this it would show wherever the previous operation left it (under
// the thread list after a drilling set-up, for example).
constexpr Pos kFlankAnglePlace{2400, 120};

}  // namespace

void OperTournage::showPage(bool G) {
    const auto shown = [&](Page rule) {
        switch (rule) {
            case Page::G:
                return G;
            case Page::NotG:
                return !G;
            case Page::GOrExternal:
                return G || Profil == "E";
            case Page::NotGXsecu:
                return !G && (TypeAppro == 13 || DegZsecu >= 2);
            case Page::NotGZsecu:
                return !G && (DegZsecu == 1 || DegZsecu == 2 || DegZsecu == 4);
            case Page::NotGExternal:
                return !G && Profil == "E";
            case Page::NotGInternal:
                return !G && Profil == "I";
            case Page::NotGOpt0:
                return !G && OptionUsinage == "0";
            case Page::NotGOpt1:
                return !G && OptionUsinage == "1";
        }
        return false;
    };
    for (const PageRow& row : kPageWidgets)
        widget(row.widget, row.index).setVisible(shown(row.rule));
}

void OperTournage::bFiletage_Click() {
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelThreadingPage, [&] {
        Ui& u = *ui_;
        const bool G = u.picOper.visible();
        showPage(G);
        // Cleared again on every way out, so that a failure here never leaves the boxes deaf.
        UpdateGuard quiet(MajEnCours);
        if (G) {
            u.bFiletage.setCaption(std::string(kCaptionDetails));
            MoveTo(u.lPasFilet, kThreadListPlace);
            u.lPasFilet.setWidth(kThreadListWidth);
            u.lPasFilet.setHeight(kThreadListHeight);
            MoveTo(u.tbPara(7), kFlankAnglePlace);
            ApplyTips(*this, kDetailsPageTips);
            // The buttons now choose the thread type; with MajEnCours set the click only
            // redraws them and lists the threads of the current type.
            const int index = ThreadTypeIndex(TypeFilet);
            if (index > 0) {
                bAppro_Click(index);
            } else {
                bAppro_Click(0);
                TypeFilet = "M";
            }
        } else {
            u.bFiletage.setCaption(std::string(kCaptionGeneral));
            bAppro_Click(TypeAppro - 10);
            ApplyTips(*this, kGeneralPageTips);
        }
    });
}

// A host may set the panel up again while the details page is open; the set-up then starts from
// the general page, and decides the visibility of everything else as usual.
void OperTournage::restoreGeneralPage() {
    Ui& u = *ui_;
    if (u.picOper.visible()) return;
    showPage(false);
    u.bFiletage.setCaption(std::string(kCaptionGeneral));
    ApplyTips(*this, kGeneralPageTips);
}

}  // namespace oru
