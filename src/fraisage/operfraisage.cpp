#include "oru/operfraisage.hpp"

#include <span>
#include <string_view>
#include <utility>

#include "fraisage/internal.hpp"
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

// Creation-time tooltips.
// clang-format off
constexpr TipRow kCreationTips[] = {
    {"tbVal",        0,  "Z de sécurité"},
    {"tbVal",        1,  "Garde d'approche en Z"},
    {"tbVal",        2,  "Profondeur maxi des passes"},
    {"tbVal",        3,  "Profondeur de la dernière passe"},
    {"tbVal",        4,  "Surépaisseur en fond"},
    {"tbVal",        5,  "Surépaisseur en latérale"},
    {"tbVal",        6,  "Diamètre de pointage"},
    {"tbVal",        7,  "Dépassement en fond"},
    {"tbVal",        8,  "Surépaisseur totale à enlever"},
    {"tDiamTrou",    -1, "Diamètre du trou"},
    {"tProf",        -1, "Profondeur du trou"},
    {"tNbPasses",    -1, "Nombre et profondeur des passes d'ébauche"},
    {"bExtBrut",     -1, "Etendre au brut"},
    {"bApproZsecu",  -1, "Dégagement au Z de sécurité,Approche XY puis Plongée en Z"},
    {"bApproXYZ",    -1, "Approche XY puis Plongée en Z"},
    {"bApproZXY",    -1, "Plongée en Z puisApproche XY"},
    {"bAppro3D",     -1, "Approche XYZ simultanément"},
    {"bDegageZsecu", -1, "Dégagement au Z de sécurité en fin d'opération"},
    {"tbRecouvre",   -1, "Distance de recouvrement du profil"},
    {"tbGardeAcc",   -1, "Distance d'accostage du profil"},
    {"tbGardeDeg",   -1, "Distance de dégagement du profil"},
    {"cAccostage",   -1, "Définit le mode d'accostage et de dégagement du profil"},
    {"bSurf",        -1, "Sens de Surfaçage Unique / ZigZag"},
    {"tbAngBal",     -1, "Angle de balayage / OX"},
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

OperFraisage::Ui::Ui(Panel& p)
    : tbVal(p, "tbVal"),
      bTrou(p, "bTrou"),
      pPasses(p.widget("pPasses")),
      pOutil(p.widget("pOutil")),
      tNbPasses(p.widget("tNbPasses")),
      tDiamTrou(p.widget("tDiamTrou")),
      tProf(p.widget("tProf")),
      bExtBrut(p.widget("bExtBrut")),
      bApproZsecu(p.widget("bApproZsecu")),
      bApproXYZ(p.widget("bApproXYZ")),
      bApproZXY(p.widget("bApproZXY")),
      bAppro3D(p.widget("bAppro3D")),
      bDegageZsecu(p.widget("bDegageZsecu")),
      Avalant1(p.widget("Avalant1")),
      pTrou(p.widget("pTrou")),
      tTrou(p.widget("tTrou")),
      pAccoste(p.widget("pAccoste")),
      cAccostage(p.widget("cAccostage")),
      imgAccoste(p.widget("imgAccoste")),
      tbGardeAcc(p.widget("tbGardeAcc")),
      tbGardeDeg(p.widget("tbGardeDeg")),
      tbRecouvre(p.widget("tbRecouvre")),
      bSurf(p.widget("bSurf")),
      tbAngBal(p.widget("tbAngBal")) {}

OperFraisage::OperFraisage(Host& host)
    : Panel(host, "OperFraisage", std::string(kTitleCtrl), kInventory, kWidth, kHeight),
      avalant1_(host),
      ui_(std::make_unique<Ui>(*this)) {
    Ui& u = *ui_;
    for (int i = 0; i < u.tbVal.size(); ++i)
        bindChange(u.tbVal(i), [this, i] { tbVal_Change(i); });
    for (int i = 0; i < u.bTrou.size(); ++i)
        bindClick(u.bTrou(i), [this, i] { bTrou_Click(i); });
    bindHosted(u.Avalant1, avalant1_);
    bindClick(u.bExtBrut, [this] { bExtBrut_Click(); });
    bindClick(u.bApproZsecu, [this] { approcheClick(0); });
    bindClick(u.bApproXYZ, [this] { approcheClick(1); });
    bindClick(u.bApproZXY, [this] { approcheClick(2); });
    bindClick(u.bAppro3D, [this] { approcheClick(3); });
    bindClick(u.bDegageZsecu, [this] { bDegageZsecu_Click(); });
    bindClick(u.cAccostage, [this] { cAccostage_Click(); });
    bindClick(u.bSurf, [this] { bSurf_Click(); });
    bindChange(u.tbGardeAcc, [this] { tbGardeAcc_Change(); });
    bindLostFocus(u.tbGardeDeg, [this] { tbGardeDeg_LostFocus(); });
    UserControl_Initialize();
}

OperFraisage::~OperFraisage() = default;

void OperFraisage::UserControl_Initialize() {
    ApplyTips(*this, kCreationTips);
    GardeDegModifiee = false;
}

Avalant& OperFraisage::Avalant1() { return avalant1_; }
const Avalant& OperFraisage::Avalant1() const { return avalant1_; }

// ---- tool picture and set-up -----------------------------------------------------------------

void OperFraisage::loadToolPicture(const std::string& outil) {
    ui_->pOutil.setPicture(pict::FolderPicture(chbmp, "OP_" + outil));
}

void OperFraisage::SetOutil(std::string outil) {
    Trap(host(), kTitleCtrl, Prompt::Label, "Initialisation image outil", [&] {
        Outil = outil;
        loadToolPicture(outil);
    });
}

void OperFraisage::SetPasses(std::string outil, const std::vector<double>& tabval) {
    Trap(host(), kTitleCtrl, Prompt::Label, "Affectation des passes", [&] {
        Outil = outil;
        if (!sZmaxi.empty()) {
            ui_->tbVal(0).setToolTip(ui_->tbVal(0).toolTip() + " > " + sZmaxi);
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
                ui_->tbVal(i).writeText(FormatNum3(valueAt(tabval, static_cast<std::size_t>(i))));
        }
        ProfBrut = FormatNum3(valueAt(tabval, 9));

        ui_->Avalant1.setVisible(Typoper % 10 > 3 && Typoper > 14 && Typoper < 80);

        if (Typoper < 30 || Typoper >= 100) {
            ui_->pTrou.setVisible(false);
            InitPasses();
        } else {
            InitTrous();
        }

        // The depth: from the field itself, from the host (tabval(10)), or none for spotting
        // and chamfering.
        const int family = Typoper / 10;
        if (isOneOf(Typoper, kDepthFromField)) {
            ui_->tProf.setCaption("");
            ui_->tbVal(8).setVisible(true);
        } else if (family != 3 && family != 5 && family != 9) {
            ui_->tProf.setCaption(FormatNum3(valueAt(tabval, 10)));
            ui_->tbVal(8).setVisible(true);
        } else {
            ui_->tProf.setCaption("");
            ui_->tbVal(8).setVisible(false);
        }

        ui_->tDiamTrou.setCaption(ui_->tbVal(6).text());

        if (RacineExtBrut.empty() || ExtBrut == 0 || isOneOf(Typoper, kNoExtension)) {
            ui_->bExtBrut.setVisible(false);
        } else {
            ui_->bExtBrut.setVisible(true);
            const std::string icon = RacineExtBrut + (ExtBrut == 1 ? "OFF" : "ON");
            ui_->bExtBrut.setPicture(res::LoadResPicture(icon, res::Type::Icon));
        }
    });
}

// ---- value getters ---------------------------------------------------------------------------

double OperFraisage::shownFieldValue(int i) const {
    double value = 0.0;
    Trap(
        host(), kTitleCtrl, Prompt::Label, [i] { return "Retour de valeur " + std::to_string(i); },
        [&] {
            Widget& field = ui_->tbVal(i);
            value = field.visible() ? Val(field.text()) : 0.0;
        });
    return value;
}

double OperFraisage::GetZsecu() const { return Val(ui_->tbVal(0).text()); }
double OperFraisage::GetGardeZ() const { return shownFieldValue(1); }
double OperFraisage::GetPasse() const { return shownFieldValue(2); }
double OperFraisage::GetDerpasse() const { return shownFieldValue(3); }
double OperFraisage::GetSurepZ() const { return shownFieldValue(4); }
double OperFraisage::GetSurepXY() const { return shownFieldValue(5); }
double OperFraisage::GetDiam() const { return Val(ui_->tbVal(6).text()); }
double OperFraisage::GetDepasse() const { return shownFieldValue(7); }
double OperFraisage::GetProfondeur() const { return Val(ui_->tbVal(8).text()); }

// ---- climb / conventional ---------------------------------------------------------------------

void OperFraisage::SetAval(std::int16_t Aval) { avalant1_.SetAvalant(Aval); }
std::int16_t OperFraisage::GetAval() const { return avalant1_.GetAvalant(); }

}  // namespace oru
