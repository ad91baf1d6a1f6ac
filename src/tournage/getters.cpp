// What the host reads back. Most values are the texts of the boxes read as numbers; a box the
// operation hides reads as 0, except for threading, whose details page hides boxes that still
// hold values.
#include <cctype>
#include <string>

#include "frame/numbers_internal.hpp"
#include "frame/trap.hpp"
#include "oru/numbers.hpp"
#include "tournage/internal.hpp"

namespace oru {
double OperTournage::ValeurPara(int Index) {
    double value = 0;
    Trap(
        host(), kTitleCtrl, Prompt::Label,
        [Index] { return "Retour de valeur " + std::to_string(Index); },
        [&] {
            Widget& box = ui_->tbPara(Index);
            if (box.visible() || NumOp == 130) value = Val(box.text());
        });
    return value;
}

double OperTournage::GetXsecu() { return Val(ui_->tbXsecu.text()); }
double OperTournage::GetZsecu() { return Val(ui_->tbZsecu.text()); }
double OperTournage::GetGardeAccost() { return ValeurPara(0); }
double OperTournage::GetGardeDeg() { return ValeurPara(1); }
double OperTournage::GetGardeZ() { return ValeurPara(1); }
double OperTournage::GetPasseZ() { return ValeurPara(2); }

double OperTournage::GetProfFilet() {
    if (IsDrillingCycle(NumOp)) return Val(ui_->tbPara(0).text());
    return ValeurPara(2);
}

double OperTournage::GetDerPasseZ() {
    if (NumOp == 102 || NumOp == 103) return 0;
    return ValeurPara(3);
}

double OperTournage::GetSurepXY() { return ValeurPara(4); }

double OperTournage::GetPas() {
    if (NumOp == 130 || NumOp == 180) return Val(ui_->cbPas.text());
    return 0;
}

double OperTournage::GetSurepZ() {
    // A blind hole: what is left under the drilled length.
    if (IsDrillingCycle(NumOp) && str::Right(OptionUsinage, 1) == "1")
        return num::Checked(Val(ui_->tZBrut.caption()) - ValeurPara(7));
    return ValeurPara(5);
}

double OperTournage::GetSurepPlonge() {
    if (NumOp == 112 || NumOp == 113) return ValeurPara(3);
    return 0;
}

double OperTournage::GetDepasseZ() {
    if (IsDrillingCycle(NumOp) && str::Right(OptionUsinage, 1) != "0") return 0;
    return ValeurPara(6);
}

double OperTournage::GetAnglePlonge() { return ValeurPara(7); }

double OperTournage::GetProfondeur() {
    if (NumOp == 130) return ValeurPara(4);
    if (NumOp == 180) return OptionUsinage == "1" ? Val(ui_->tZBrut.caption()) : ValeurPara(4);
    if (IsDrillingCycle(NumOp)) return Val(ui_->tZBrut.caption());
    if (NumOp == 101) return ValeurPara(7);
    return 0;
}

double OperTournage::GetDiamChanf() {
    if (NumOp == 104 || NumOp == 105) return ValeurPara(3);
    if (IsDrillingCycle(NumOp)) return Val(ui_->tDiamBrut.caption());
    return Val(ui_->tbXsecu.text());
}

std::int16_t OperTournage::GetTypeAppro() { return TypeAppro; }
std::int16_t OperTournage::GetDegZsecu() { return DegZsecu; }
std::int16_t OperTournage::GetNbPasse() { return num::Fix16(Val(ui_->tbNbPasseFilet.text())); }

std::int16_t OperTournage::GetTypeEbauche() {
    if (SensCourant == TabSens[0]) return 0;
    if (SensCourant == TabSens[1]) return 1;
    return 2;
}

std::int16_t OperTournage::GetUsineGorge() {
    if (OptionUsinage == "G1") return 1;
    if (NumOp == 112 || NumOp == 113) return num::CIntText(TypeFilet);
    if (NumOp == 130) {
        const std::int16_t starts = num::Fix16(Val(ui_->tbNbFilet.text()));
        return starts < 1 ? std::int16_t{1} : starts;
    }
    return 0;
}

std::string OperTournage::GetTypeFilet() {
    if (NumOp == 112 || NumOp == 113) return "";
    return TypeFilet;
}

std::int16_t OperTournage::GetSensFilet() {
    const std::string& text = ui_->tbSensFilet.text();
    const std::int16_t v = text.empty() ? std::int16_t{0} : num::Fix16(Val(text));
    if (NumOp == 103) return v == 3 ? 1 : 0;
    if (NumOp == 102 || NumOp == 110 || NumOp == 111) return v == 4 ? 1 : 0;
    return v;
}

}  // namespace oru
