// SetOperTour: the common start, the choice of the rules of the operation type, and the common
// finish that applies what the rules decided.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "frame/numbers_internal.hpp"
#include "frame/pictures.hpp"
#include "frame/resources.hpp"
#include "frame/trap.hpp"
#include "oru/numbers.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// Tooltips every set-up starts from; the rules of an operation overwrite some of them.
// clang-format off
constexpr TipRow kDefaultTips[] = {
    {"tbPara",    0,  "Garde Radiale"},
    {"tbPara",    1,  "Garde Axiale"},
    {"tbPara",    2,  "Profondeur de Passe"},
    {"tbPara",    3,  "Profondeur de Passe dans la gorge"},
    {"tbPara",    4,  "Surépaisseur Radiale"},
    {"tbPara",    5,  "Surépaisseur Axiale"},
    {"tbPara",    7,  "Angle de Pénétration"},
    {"tbPara",    6,  "Dépassement"},
    {"tDiamBrut", -1, "Diamètre du Brut"},
    {"tZBrut",    -1, "Distance Axiale au brut"},
    {"bGorge",    -1, "Usinage Avec ou Sans Gorge"},
};
// clang-format on

// Operation types whose option value ti(7) becomes the option string as it is.
constexpr std::int16_t kOptionFromTi7[] = {101, 102, 103, 150, 170, 180};

}  // namespace

void OperTournage::SetOperTour(std::string outil, std::string profil, std::string typeFilet,
                               std::vector<double>& td, std::vector<std::int16_t>& ti) {
    Setup s{td, ti, std::move(outil), std::move(profil), std::move(typeFilet)};
    Trap(host(), kTitleCN, Prompt::LabelAndDescription, kLabelSetup, [&] { setOperTourBody(s); });
}

OperTournage::Tables OperTournage::SetOperTour(std::string outil, std::string profil,
                                               std::string typeFilet, const std::vector<double>& td,
                                               const std::vector<std::int16_t>& ti) {
    Tables tables{td, ti};
    SetOperTour(std::move(outil), std::move(profil), std::move(typeFilet), tables.td, tables.ti);
    return tables;
}

void OperTournage::setOperTourBody(Setup& s) {
    Ui& u = *ui_;

    restoreGeneralPage();
    u.tPasses.setCaption("");
    u.tPasses.setVisible(false);

    NumOp = s.i(0);
    Profil = s.profil;
    TypeFilet = s.typeFilet;
    // Every set-up decides afresh whether the two clearances of a finishing are linked.
    CopieGarde = false;
    if (TypeFilet.empty() && NumOp == 130) TypeFilet = "M";

    TypeAppro = s.i(1);
    DegZsecu = num::ToInt16(static_cast<long long>(s.i(2)) - 1);
    if (DegZsecu == 2) DegZsecu = 0;
    bDegage_Click();  // one step forward: back to the type the host passed

    u.tbXsecu.writeText(FormatNum3(s.d(0)));
    u.tbZsecu.writeText(FormatNum3(s.d(1)));

    u.picOper.setVisible(true);
    bAppro_Click(TypeAppro - 10);

    DiamBrut = s.d(2);
    u.tDiamBrut.setCaption(FormatNum3(s.d(2)));
    u.tZBrut.setCaption(FormatNum3(s.d(3)));

    const double finished = s.d(12);
    if (finished + 0.0000001 < DiamBrut && (NumOp == 101 || NumOp == 102 || NumOp == 110))
        u.tXBrut.setCaption(FormatNum3(num::Checked((DiamBrut - finished) / 2)));
    else
        u.tXBrut.setCaption("");

    {
        UpdateGuard quiet(MajEnCours);
        for (int i = 0; i < 8; ++i)
            u.tbPara(i).writeText(FormatNum3(s.d(static_cast<std::size_t>(i) + 4)));
    }

    u.tbSensFilet.writeText(FormatNum3(s.i(3)));
    OptionUsinage = "";

    // From here on the boxes react to what is written into them.
    if (std::find(std::begin(kOptionFromTi7), std::end(kOptionFromTi7), NumOp) !=
            std::end(kOptionFromTi7) ||
        IsDrillingCycle(NumOp))
        OptionUsinage = FormatNum3(s.i(7));
    switch (NumOp) {
        case 100:
            s.outil = "55_BUTE";
            break;
        case 103:
            s.outil = "10_TETRP";
            break;
        case 104: {
            u.tbPara(2).writeText(FormatNum3(s.d(15)));
            u.tbPara(4).writeText(FormatNum3(s.d(14)));
            u.tbPara(6).writeText(FormatNum3(s.d(13)));
            double& angle = s.tdRef(11);
            if (!(angle > 0) || angle > 179) angle = 60;  // also in the host's table
            const double t = std::tan(angle * 3.14159265358979 / 360);
            u.tbPara(7).writeText(FormatNum3(2 * t));
            u.tbPara(0).writeText(FormatNum3(num::Checked((s.d(14) - s.d(13)) / (2 * t))));
            break;
        }
        case 105:
            u.tDiamBrut.setCaption(FormatNum3(s.d(12)));
            u.tbPara(3).writeText(FormatNum3(s.d(14)));
            break;
        case 110:
        case 111:
            if (s.i(7) != 0) OptionUsinage = "G" + FormatNum3(s.i(6));
            break;
        case 130:
            OptionUsinage = FormatNum3(s.i(7));
            u.tbNbFilet.writeText(FormatNum3(s.i(6)));
            break;
        default:
            break;
    }

    InitImageOutil(s.outil);
    ApplyTips(*this, kDefaultTips);

    applyOperationRules(s);
    finishSetup(s);
}

void OperTournage::noDirection() { TabSens = {"", "", ""}; }

void OperTournage::applyOperationRules(Setup& s) {
    using Rule = void (OperTournage::*)(Setup&);
    struct RuleRow {
        std::int16_t first, last;
        Rule rule;
    };
    // Looked up in this order; drilling takes every code from 140 upward left over.
    // clang-format off
    static constexpr RuleRow kRules[] = {
        {100, 100, &OperTournage::rulesBarStop},
        {101, 101, &OperTournage::rulesLongTurning},
        {102, 102, &OperTournage::rulesFacing},
        {103, 103, &OperTournage::rulesPartingOff},
        {104, 104, &OperTournage::rulesCentring},
        {105, 105, &OperTournage::rulesSpotting},
        {110, 110, &OperTournage::rulesRoughing},
        {111, 111, &OperTournage::rulesFinishing},
        {112, 113, &OperTournage::rulesPlunge},
        {120, 120, &OperTournage::rulesGroovingPlain},
        {121, 122, &OperTournage::rulesGroovingSide},
        {123, 124, &OperTournage::rulesGroovingFace},
        {130, 130, &OperTournage::rulesThreading},
        {150, 150, &OperTournage::rulesChamfering},
        {170, 170, &OperTournage::rulesCounterboring},
        {180, 180, &OperTournage::rulesTapping},
        {140, 32767, &OperTournage::rulesDrilling},
    };
    // clang-format on
    for (const RuleRow& row : kRules) {
        if (NumOp >= row.first && NumOp <= row.last) {
            (this->*row.rule)(s);
            return;
        }
    }
    noDirection();  // any other code below 140
}

void OperTournage::finishSetup(Setup& s) {
    Ui& u = *ui_;

    const std::int16_t current = s.i(5);
    if (current < 0 || current > 2) fail::subscriptOutOfRange();
    SensCourant = TabSens[static_cast<std::size_t>(current)];

    u.bSens.setVisible(!TabSens[0].empty() || !TabSens[1].empty() || !TabSens[2].empty());
    MoveTo(u.bSens, {s.XSens, s.YSens});
    if (!SensCourant.empty())
        u.bSens.setPicture(res::LoadResPicture("T_" + SensCourant, res::Type::Bitmap));

    u.bGorge.setVisible((!OptionUsinage.empty() && NumOp == 111) || s.showGorge);
    u.bUsAxe.setVisible(s.showUsAxe);
    u.tXBrut.setVisible(OptionUsinage != "0B" && Profil != "I" && s.showXBrut);
    u.tZBrut.setVisible((Profil == "E" && s.showXBrut) || s.showZBrut);

    const bool threading = NumOp == 130;
    const bool tapping = NumOp == 180;
    const bool plunge = NumOp == 112 || NumOp == 113;
    u.tFiletage.setVisible(threading);
    u.cbPas.setVisible(threading || tapping);
    u.tDiamBrut.setVisible(s.showDiamBrut);
    u.picFilet.setVisible(plunge || threading || tapping);
    u.bFiletage.setVisible(threading);
    u.tSensFilet.setVisible(threading);

    if (threading || tapping) {
        u.picFilet.setHeight(1980);
        u.picFilet.setLeft(5580);
        u.picFilet.setTop(2040);
        u.picFilet.setWidth(3660);
        u.picFilet.setPicture(
            pict::LoadPicture(chbmp + "Filet_" + TypeFilet + str::Right(SensCourant, 3) + ".bmp"));
    } else if (plunge) {
        u.picFilet.setHeight(1395);
        u.picFilet.setLeft(6480);
        u.picFilet.setTop(2640);
        u.picFilet.setWidth(2835);
        u.picFilet.setPicture(pict::LoadPicture(chbmp + "T_POCHE_P" + TypeFilet + ".bmp"));
    }

    for (int i = 0; i < u.bTrou.size(); ++i)
        u.bTrou(i).setVisible(NumOp > 139 && NumOp < 150);

    AfficheOperation();
}

}  // namespace oru
