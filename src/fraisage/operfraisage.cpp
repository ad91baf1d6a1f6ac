#include "oru/operfraisage.hpp"

#include <span>
#include <string_view>
#include <utility>

#include "frame/failures.hpp"
#include "frame/pictures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/host.hpp"
#include "oru/numbers.hpp"

namespace oru {
namespace {

using K = WidgetKind;

// Design-time layout, in twips. The milling fields sit at the top with the operation picture on
// their left, the approach buttons and the climb/conventional toggle under them, then the hole
// frame and, at the bottom, the full-width engagement frame.
// clang-format off
constexpr WidgetSpec kInventory[] = {
    // Widgets inside a frame have their position relative to the frame (last column).
    // name           kind              n  caption     picture            left  top   width height dx   dy  frame
    {"pFraisage",     K::PictureBox,    0, "",         "",                0,    0,    5100, 4800},
    {"pPasses",       K::Image,         0, "",         "",                60,   60,   2400, 2400, 0,   0,   "pFraisage"},
    {"tbVal",         K::TextBox,       9, "",         "",                2580, 60,   1000, 300,  0,   360, "pFraisage"},
    {"tNbPasses",     K::Label,         0, "",         "",                3660, 780,  1380, 255,  0,   0,   "pFraisage"},
    {"tDiamTrou",     K::Label,         0, "",         "",                3660, 2220, 1380, 255,  0,   0,   "pFraisage"},
    {"tProf",         K::Label,         0, "",         "",                3660, 2940, 1380, 255,  0,   0,   "pFraisage"},
    {"bExtBrut",      K::CommandButton, 0, "",         "",                3660, 3300, 540,  540,  0,   0,   "pFraisage"},
    {"pOutil",        K::Image,         0, "",         "",                60,   2520, 1200, 1200, 0,   0,   "pFraisage"},
    {"bApproZsecu",   K::CommandButton, 0, "",         "APPRO_ZSECU_ON",  60,   3900, 540,  540,  0,   0,   "pFraisage"},
    {"bApproXYZ",     K::CommandButton, 0, "",         "APPRO_XY_Z_OFF",  660,  3900, 540,  540,  0,   0,   "pFraisage"},
    {"bApproZXY",     K::CommandButton, 0, "",         "APPRO_Z_XY_OFF",  1260, 3900, 540,  540,  0,   0,   "pFraisage"},
    {"bAppro3D",      K::CommandButton, 0, "",         "APPRO_XYZ_OFF",   1860, 3900, 540,  540,  0,   0,   "pFraisage"},
    {"bDegageZsecu",  K::CommandButton, 0, "",         "DEG_ZSECU_OFF",   2580, 3900, 540,  540,  0,   0,   "pFraisage"},
    {"Avalant1",      K::Control,       0, "",         "",                4140, 3780, 900,  960,  0,   0,   "pFraisage"},
    {"pTrou",         K::PictureBox,    0, "",         "",                0,    4800, 5100, 1020},
    {"bTrou",         K::CommandButton, 6, "",         "",                60,   120,  600,  600,  660, 0,   "pTrou"},
    {"tTrou",         K::Label,         0, "PERCAGE",  "",                4020, 300,  1020, 255,  0,   0,   "pTrou"},
    {"pAccoste",      K::PictureBox,    0, "",         "",                0,    5820, 5055, 3300},
    {"cAccostage",    K::ComboBox,      0, "",         "",                60,   60,   3900, 315,  0,   0,   "pAccoste"},
    {"imgAccoste",    K::Image,         0, "",         "",                0,    420,  4995, 2850, 0,   0,   "pAccoste"},
    {"tbGardeAcc",    K::TextBox,       0, "",         "",                4450, 480,  600,  300,  0,   0,   "pAccoste"},
    {"tbGardeDeg",    K::TextBox,       0, "",         "",                4450, 900,  600,  300,  0,   0,   "pAccoste"},
    {"tbRecouvre",    K::TextBox,       0, "",         "",                4450, 1320, 600,  300,  0,   0,   "pAccoste"},
    {"bSurf",         K::CommandButton, 0, "",         "",                4450, 1740, 540,  540,  0,   0,   "pAccoste"},
    {"tbAngBal",      K::TextBox,       0, "",         "",                4450, 2340, 600,  300,  0,   0,   "pAccoste"},
};
// clang-format on
constexpr int kWidth = 5100;
constexpr int kHeight = 9120;

// Creation-time tooltips of the nine value fields, by index.
constexpr std::string_view kValueTips[9] = {
    "Z de sécurité",
    "Garde d'approche en Z",
    "Profondeur maxi des passes",
    "Profondeur de la dernière passe",
    "Surépaisseur en fond",
    "Surépaisseur en latérale",
    "Diamètre de pointage",
    "Dépassement en fond",
    "Surépaisseur totale à enlever",
};

// Creation-time tooltips of the other widgets.
struct TipRow {
    std::string_view widget;
    std::string_view tip;
};
// clang-format off
constexpr TipRow kTips[] = {
    {"tDiamTrou",    "Diamètre du trou"},
    {"tProf",        "Profondeur du trou"},
    {"tNbPasses",    "Nombre et profondeur des passes d'ébauche"},
    {"bExtBrut",     "Etendre au brut"},
    {"bApproZsecu",  "Dégagement au Z de sécurité,Approche XY puis Plongée en Z"},
    {"bApproXYZ",    "Approche XY puis Plongée en Z"},
    {"bApproZXY",    "Plongée en Z puisApproche XY"},
    {"bAppro3D",     "Approche XYZ simultanément"},
    {"bDegageZsecu", "Dégagement au Z de sécurité en fin d'opération"},
    {"tbRecouvre",   "Distance de recouvrement du profil"},
    {"tbGardeAcc",   "Distance d'accostage du profil"},
    {"tbGardeDeg",   "Distance de dégagement du profil"},
    {"cAccostage",   "Définit le mode d'accostage et de dégagement du profil"},
    {"bSurf",        "Sens de Surfaçage Unique / ZigZag"},
    {"tbAngBal",     "Angle de balayage / OX"},
};
// clang-format on

// Types whose depth is the depth field itself (no host depth in tProf).
constexpr std::int16_t kDepthFromField[] = {10, 11, 12, 16, 22, 72, 73};
// Hole types that never offer the stock extension.
constexpr std::int16_t kNoExtension[] = {30, 31, 51, 55};

bool isOneOf(std::int16_t value, std::span<const std::int16_t> set) {
    for (std::int16_t v : set)
        if (v == value) return true;
    return false;
}

// tabval(i), failing like an array read past its end when the host gave too few values.
double valueAt(const std::vector<double>& tabval, std::size_t i) {
    if (i >= tabval.size()) fail::subscriptOutOfRange();
    return tabval[i];
}

}  // namespace

OperFraisage::OperFraisage(Host& host)
    : Panel(host, "OperFraisage", std::string(kTitleCtrl), kInventory, kWidth, kHeight),
      avalant1_(host),
      Avalant1_(widget("Avalant1")),
      pTrou_(widget("pTrou")),
      tTrou_(widget("tTrou")),
      tNbPasses_(widget("tNbPasses")),
      tProf_(widget("tProf")),
      tDiamTrou_(widget("tDiamTrou")),
      pOutil_(widget("pOutil")),
      pPasses_(widget("pPasses")),
      bExtBrut_(widget("bExtBrut")),
      bApproZsecu_(widget("bApproZsecu")),
      bApproXYZ_(widget("bApproXYZ")),
      bApproZXY_(widget("bApproZXY")),
      bAppro3D_(widget("bAppro3D")),
      bDegageZsecu_(widget("bDegageZsecu")),
      pAccoste_(widget("pAccoste")),
      cAccostage_(widget("cAccostage")),
      imgAccoste_(widget("imgAccoste")),
      tbGardeAcc_(widget("tbGardeAcc")),
      tbGardeDeg_(widget("tbGardeDeg")),
      tbRecouvre_(widget("tbRecouvre")),
      bSurf_(widget("bSurf")),
      tbAngBal_(widget("tbAngBal")) {
    for (int i = 0; i < static_cast<int>(tbVal_.size()); ++i) {
        tbVal_[static_cast<std::size_t>(i)] = &widget("tbVal", i);
        bindChange(tbVal(i), [this, i] { tbVal_Change(i); });
    }
    for (int i = 0; i < static_cast<int>(bTrou_.size()); ++i) {
        bTrou_[static_cast<std::size_t>(i)] = &widget("bTrou", i);
        bindClick(bTrou(i), [this, i] { bTrou_Click(i); });
    }
    bindHosted(Avalant1_, avalant1_);
    bindClick(bExtBrut_, [this] { bExtBrut_Click(); });
    bindClick(bApproZsecu_, [this] { approcheClick(0); });
    bindClick(bApproXYZ_, [this] { approcheClick(1); });
    bindClick(bApproZXY_, [this] { approcheClick(2); });
    bindClick(bAppro3D_, [this] { approcheClick(3); });
    bindClick(bDegageZsecu_, [this] { bDegageZsecu_Click(); });
    bindClick(cAccostage_, [this] { cAccostage_Click(); });
    bindClick(bSurf_, [this] { bSurf_Click(); });
    bindChange(tbGardeAcc_, [this] { tbGardeAcc_Change(); });
    bindLostFocus(tbGardeDeg_, [this] { tbGardeDeg_LostFocus(); });
    UserControl_Initialize();
}

OperFraisage::~OperFraisage() = default;

void OperFraisage::UserControl_Initialize() {
    for (int i = 0; i < static_cast<int>(std::size(kValueTips)); ++i)
        tbVal(i).setToolTip(std::string(kValueTips[i]));
    for (const TipRow& row : kTips)
        widget(row.widget).setToolTip(std::string(row.tip));
    GardeDegModifiee_ = false;
}

Widget& OperFraisage::tbVal(int i) const {
    if (i < 0 || i >= static_cast<int>(tbVal_.size())) fail::noSuchArrayElement("tbVal", i);
    return *tbVal_[static_cast<std::size_t>(i)];
}

Widget& OperFraisage::bTrou(int i) {
    if (i < 0 || i >= static_cast<int>(bTrou_.size())) fail::noSuchArrayElement("bTrou", i);
    return *bTrou_[static_cast<std::size_t>(i)];
}

Avalant& OperFraisage::Avalant1() { return avalant1_; }
const Avalant& OperFraisage::Avalant1() const { return avalant1_; }

// ---- tool picture and set-up -----------------------------------------------------------------

void OperFraisage::loadToolPicture(const std::string& outil) {
    pOutil_.setPicture(pict::FolderPicture(chbmp, "OP_" + outil));
}

void OperFraisage::SetOutil(std::string outil) {
    Trap(host(), kTitleCtrl, Prompt::Label, "Initialisation image outil", [&] {
        Outil_ = outil;
        loadToolPicture(outil);
    });
}

void OperFraisage::SetPasses(std::string outil, const std::vector<double>& tabval) {
    Trap(host(), kTitleCtrl, Prompt::Label, "Affectation des passes", [&] {
        Outil_ = outil;
        if (!sZmaxi.empty()) {
            tbVal(0).setToolTip(tbVal(0).toolTip() + " > " + sZmaxi);
            sZmaxi.clear();
        }
        loadToolPicture(outil);

        // Each write runs the value-change handling, which may recompute the passes with the
        // previous type's settings and half the new values; InitPasses below gives the final
        // result. No warning comes from those intermediate states: the user would be told that
        // values nobody entered make the machining impossible.
        {
            writingFields_ = true;
            struct Restore {
                bool& flag;
                ~Restore() { flag = false; }
            } restore{writingFields_};
            for (int i = 0; i < 9; ++i)
                tbVal(i).writeText(FormatNum3(valueAt(tabval, static_cast<std::size_t>(i))));
        }
        ProfBrut_ = FormatNum3(valueAt(tabval, 9));

        Avalant1_.setVisible(Typoper % 10 > 3 && Typoper > 14 && Typoper < 80);

        if (Typoper < 30 || Typoper >= 100) {
            pTrou_.setVisible(false);
            InitPasses();
        } else {
            InitTrous();
        }

        // The depth: from the field itself, from the host (tabval(10)), or none for spotting
        // and chamfering.
        const int family = Typoper / 10;
        if (isOneOf(Typoper, kDepthFromField)) {
            tProf_.setCaption("");
            tbVal(8).setVisible(true);
        } else if (family != 3 && family != 5 && family != 9) {
            tProf_.setCaption(FormatNum3(valueAt(tabval, 10)));
            tbVal(8).setVisible(true);
        } else {
            tProf_.setCaption("");
            tbVal(8).setVisible(false);
        }

        tDiamTrou_.setCaption(tbVal(6).text());

        if (RacineExtBrut_.empty() || ExtBrut == 0 || isOneOf(Typoper, kNoExtension)) {
            bExtBrut_.setVisible(false);
        } else {
            bExtBrut_.setVisible(true);
            const std::string icon = RacineExtBrut_ + (ExtBrut == 1 ? "OFF" : "ON");
            bExtBrut_.setPicture(res::LoadResPicture(icon, res::Type::Icon));
        }
    });
}

// ---- value getters ---------------------------------------------------------------------------

double OperFraisage::ValeurVisible(int i) const {
    double value = 0.0;
    Trap(
        host(), kTitleCtrl, Prompt::Label, [i] { return "Retour de valeur " + std::to_string(i); },
        [&] {
            Widget& field = tbVal(i);
            value = field.visible() ? Val(field.text()) : 0.0;
        });
    return value;
}

double OperFraisage::GetZsecu() const { return Val(tbVal(0).text()); }
double OperFraisage::GetGardeZ() const { return ValeurVisible(1); }
double OperFraisage::GetPasse() const { return ValeurVisible(2); }
double OperFraisage::GetDerpasse() const { return ValeurVisible(3); }
double OperFraisage::GetSurepZ() const { return ValeurVisible(4); }
double OperFraisage::GetSurepXY() const { return ValeurVisible(5); }
double OperFraisage::GetDiam() const { return Val(tbVal(6).text()); }
double OperFraisage::GetDepasse() const { return ValeurVisible(7); }
double OperFraisage::GetProfondeur() const { return Val(tbVal(8).text()); }

// ---- climb / conventional ---------------------------------------------------------------------

void OperFraisage::SetAval(std::int16_t Aval) { avalant1_.SetAvalant(Aval); }
std::int16_t OperFraisage::GetAval() const { return avalant1_.GetAvalant(); }

}  // namespace oru
