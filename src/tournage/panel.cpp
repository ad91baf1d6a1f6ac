#include <string_view>

#include "frame/trap.hpp"
#include "oru/opertournage.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

using K = WidgetKind;

// Design-time layout: the operation sketch on the left, the approach and retract buttons, the
// safety distances and the pitch in the column on its right, the thread or plunge picture
// under them. The threading details page uses the top left corner, above the thread list, for
// its labelled boxes: the flank angle box 7 has its design-time place there (set in the
// constructor, the array's rows being one column), box 3, the last pass, is placed by the
// operation's layout.
// clang-format off
constexpr WidgetSpec kInventory[] = {
    // name            kind              n  caption                  pic left  top   width height dx   dy
    {"OperTournage",   K::PictureBox,    0, "",                      "", 0,    0,    9400, 4700},
    {"picOper",        K::Image,         0, "",                      "", 0,    0,    5700, 4680},
    {"picOutilTE",     K::Image,         0, "",                      "", 4420, 720,  1200, 1200},
    {"picOutilTI",     K::Image,         0, "",                      "", 4420, 3000, 1200, 1200},
    {"picFilet",       K::Image,         0, "",                      "", 5580, 2040, 3660, 1980},
    {"tbPara",         K::TextBox,       8, "",                      "", 8520, 1140, 780,  285,  0,   330},
    {"tbXsecu",        K::TextBox,       0, "",                      "", 6600, 720,  780,  285},
    {"tbZsecu",        K::TextBox,       0, "",                      "", 7560, 720,  780,  285},
    {"tbSensFilet",    K::TextBox,       0, "",                      "", 8760, 1560, 540,  285},
    {"tbNbFilet",      K::TextBox,       0, "",                      "", 2400, 540,  600,  285},
    {"tbNbPasseFilet", K::TextBox,       0, "",                      "", 2400, 960,  600,  285},
    {"bAppro",         K::CommandButton, 4, "",                      "", 5880, 60,   540,  540,  600, 0},
    {"bTrou",          K::CommandButton, 4, "",                      "", 5880, 3600, 540,  540,  600, 0},
    {"bDegage",        K::CommandButton, 0, "",                      "", 8400, 60,   540,  540},
    {"bSens",          K::CommandButton, 0, "",                      "", 2940, 1100, 480,  480},
    {"bGorge",         K::CommandButton, 0, "",                      "", 8640, 3360, 540,  540},
    {"bUsAxe",         K::CommandButton, 0, "",                      "", 4980, 2940, 540,  540},
    {"bFiletage",      K::CommandButton, 0, "Détails Filetage >>",   "", 5880, 4260, 2400, 375},
    {"cbPas",          K::ComboBox,      0, "",                      "", 5880, 1560, 1200, 315},
    {"lPasFilet",      K::ListBox,       0, "",                      "", 120,  1560, 5400, 2985},
    {"tSensFilet",     K::Label,         0, "Sens filet",            "", 7200, 1600, 1500, 255},
    {"tFiletage",      K::Label,         0, "FILETAGE ISO Métrique", "", 5880, 1140, 3480, 255},
    {"tNbFilet",       K::Label,         0, "Nombre de Filets",      "", 120,  570,  2200, 255},
    {"tAngPlonge",     K::Label,         0, "Angle de Pénétration",  "", 120,  150,  2200, 255},
    {"tNbPasseFilet",  K::Label,         0, "Nombre de Passes",      "", 120,  990,  2200, 255},
    {"tPasseFinition", K::Label,         0, "Dernière Passe",        "", 3300, 1230, 1440, 255},
    {"tPasses",        K::Label,         0, "Passes",                "", 5760, 2340, 3480, 255},
    {"tDiamBrut",      K::Label,         0, "",                      "", 20,   3580, 1000, 255},
    {"tZBrut",         K::Label,         0, "",                      "", 4920, 3480, 900,  255},
    {"tXBrut",         K::Label,         0, "",                      "", 20,   2400, 900,  255},
    {"Line1",          K::Line,          0, "",                      "", 5800, 660,  3500, 0},
    {"Line2",          K::Line,          0, "",                      "", 5800, 1080, 3500, 0},
};
// clang-format on
constexpr int kWidth = 9400;
constexpr int kHeight = 4700;

// clang-format off
constexpr TipRow kCreationTips[] = {
    {"bAppro",   0,  "Approche rapide Z puis X"},
    {"bAppro",   1,  "Approche rapide X puis Z"},
    {"bAppro",   2,  "Approche rapide XZ"},
    {"bAppro",   3,  "Dégagement rapide X sécurité, Approche Z puis X"},
    {"bDegage",  -1, "Dégagement rapide en fin d'opération"},
    {"bSens",    -1, "Sens d'usinage"},
    {"cbPas",    -1, "Pas du Filetage"},
    {"tbXsecu",  -1, "Dégagement Radial de Sécurité"},
    {"tbZsecu",  -1, "Dégagement Axial de Sécurité"},
    {"tDiamBrut",-1, "Diamètre du brut"},
    {"tXBrut",   -1, "Distance Radiale au brut"},
    {"bTrou",    0,  "Perçage"},
    {"bTrou",    1,  "Perçage Chambrage"},
    {"bTrou",    2,  "Perçage Brise-Copeaux"},
    {"bTrou",    3,  "Perçage Débourrage"},
};
// clang-format on

}  // namespace

OperTournage::Ui::Ui(Panel& p)
    : tbPara(p, "tbPara"),
      bAppro(p, "bAppro"),
      bTrou(p, "bTrou"),
      tbXsecu(p.widget("tbXsecu")),
      tbZsecu(p.widget("tbZsecu")),
      tbSensFilet(p.widget("tbSensFilet")),
      tbNbFilet(p.widget("tbNbFilet")),
      tbNbPasseFilet(p.widget("tbNbPasseFilet")),
      bDegage(p.widget("bDegage")),
      bSens(p.widget("bSens")),
      bGorge(p.widget("bGorge")),
      bUsAxe(p.widget("bUsAxe")),
      bFiletage(p.widget("bFiletage")),
      cbPas(p.widget("cbPas")),
      lPasFilet(p.widget("lPasFilet")),
      tSensFilet(p.widget("tSensFilet")),
      tFiletage(p.widget("tFiletage")),
      tNbFilet(p.widget("tNbFilet")),
      tAngPlonge(p.widget("tAngPlonge")),
      tNbPasseFilet(p.widget("tNbPasseFilet")),
      tPasseFinition(p.widget("tPasseFinition")),
      tPasses(p.widget("tPasses")),
      tDiamBrut(p.widget("tDiamBrut")),
      tZBrut(p.widget("tZBrut")),
      tXBrut(p.widget("tXBrut")),
      picOper(p.widget("picOper")),
      picFilet(p.widget("picFilet")),
      picOutilTE(p.widget("picOutilTE")),
      picOutilTI(p.widget("picOutilTI")),
      Line1(p.widget("Line1")),
      Line2(p.widget("Line2")) {}

OperTournage::OperTournage(Host& host)
    : Panel(host, "OperTournage", std::string(kTitleCN), kInventory, kWidth, kHeight),
      ui_(std::make_unique<Ui>(*this)) {
    // The general page comes first.
    for (std::string_view name : kThreadingPage)
        widget(name).setVisible(false);
    // Box 7, the flank angle of a thread, next to its label on the threading details page.
    widget("tbPara", 7).setLeft(2400);
    widget("tbPara", 7).setTop(120);

    Ui& u = *ui_;
    for (int i = 0; i < u.bAppro.size(); ++i)
        bindClick(u.bAppro(i), [this, i] { bAppro_Click(i); });
    for (int i = 0; i < u.bTrou.size(); ++i)
        bindClick(u.bTrou(i), [this, i] { bTrou_Click(i); });
    for (int i = 0; i < u.tbPara.size(); ++i) {
        bindChange(u.tbPara(i), [this, i] { tbPara_Change(i); });
        bindLostFocus(u.tbPara(i), [this, i] { tbPara_LostFocus(i); });
    }
    bindClick(u.bDegage, [this] { bDegage_Click(); });
    bindClick(u.bSens, [this] { bSens_Click(); });
    bindClick(u.bUsAxe, [this] { bUsAxe_Click(); });
    bindClick(u.bGorge, [this] { bGorge_Click(); });
    bindClick(u.bFiletage, [this] { bFiletage_Click(); });
    bindClick(u.cbPas, [this] { cbPas_Click(); });
    bindClick(u.lPasFilet, [this] { lPasFilet_Click(); });

    UserControl_Initialize();
}

OperTournage::~OperTournage() = default;

void OperTournage::UserControl_Initialize() {
    ApplyTips(*this, kCreationTips);
    ui_->tPasses.setCaption("");
}

}  // namespace oru
