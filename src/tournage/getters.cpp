// What the host reads back. Most values are the texts of the boxes read as numbers; a box the
// operation hides reads as 0, except for threading, whose details page hides boxes that still
// hold values.
#include <cctype>
#include <span>
#include <string>
#include <utility>

#include "frame/numbers_internal.hpp"
#include "frame/trap.hpp"
#include "oru/getters.hpp"
#include "oru/numbers.hpp"
#include "tournage/internal.hpp"

namespace oru {
namespace {

// A getter named once: its name is the member's.
#define ORU_GETTER(name, trapped) Getter<OperTournage>(#name, &OperTournage::name, trapped)
constexpr bool kTrapped = true;  // the getter shows its own error box, never throws
constexpr bool kThrows = false;  // a failure may reach the host as oru::Error

// clang-format off
constexpr Getter<OperTournage> kGetters[] = {
    ORU_GETTER(GetXsecu, kThrows),          ORU_GETTER(GetZsecu, kThrows),
    ORU_GETTER(GetGardeAccost, kTrapped),   ORU_GETTER(GetGardeDeg, kTrapped),
    ORU_GETTER(GetGardeZ, kTrapped),        ORU_GETTER(GetPasseZ, kTrapped),
    ORU_GETTER(GetProfFilet, kThrows),      ORU_GETTER(GetDerPasseZ, kTrapped),
    ORU_GETTER(GetSurepXY, kTrapped),       ORU_GETTER(GetPas, kThrows),
    ORU_GETTER(GetSurepZ, kThrows),         ORU_GETTER(GetSurepPlonge, kTrapped),
    ORU_GETTER(GetDepasseZ, kTrapped),      ORU_GETTER(GetAnglePlonge, kTrapped),
    ORU_GETTER(GetProfondeur, kThrows),     ORU_GETTER(GetDiamChanf, kThrows),
    ORU_GETTER(GetTypeAppro, kThrows),      ORU_GETTER(GetDegZsecu, kThrows),
    ORU_GETTER(GetNbPasse, kThrows),        ORU_GETTER(GetTypeEbauche, kThrows),
    ORU_GETTER(GetUsineGorge, kThrows),     ORU_GETTER(GetTypeFilet, kThrows),
    ORU_GETTER(GetSensFilet, kThrows),
};
// clang-format on
#undef ORU_GETTER

}  // namespace

template <>
std::span<const Getter<OperTournage>> getters<OperTournage>() {
    return kGetters;
}

double OperTournage::shownBoxValue(int Index) const {
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

double OperTournage::GetXsecu() const { return Val(ui_->tbXsecu.text()); }
double OperTournage::GetZsecu() const { return Val(ui_->tbZsecu.text()); }
double OperTournage::GetGardeAccost() const { return shownBoxValue(0); }
double OperTournage::GetGardeDeg() const { return shownBoxValue(1); }
double OperTournage::GetGardeZ() const { return shownBoxValue(1); }
double OperTournage::GetPasseZ() const { return shownBoxValue(2); }

double OperTournage::GetProfFilet() const {
    if (IsDrillingCycle(NumOp)) return rawBoxValue(0);
    return shownBoxValue(2);
}

double OperTournage::GetDerPasseZ() const {
    if (NumOp == 102 || NumOp == 103) return 0;
    return shownBoxValue(3);
}

double OperTournage::GetSurepXY() const { return shownBoxValue(4); }

double OperTournage::GetPas() const {
    if (NumOp == 130 || NumOp == 180) return Val(ui_->cbPas.text());
    return 0;
}

double OperTournage::GetSurepZ() const {
    // A blind hole: what is left under the drilled length.
    if (IsDrillingCycle(NumOp) && str::Right(OptionUsinage, 1) == "1")
        return num::Checked(Val(ui_->tZBrut.caption()) - shownBoxValue(7));
    return shownBoxValue(5);
}

double OperTournage::GetSurepPlonge() const {
    if (NumOp == 112 || NumOp == 113) return shownBoxValue(3);
    return 0;
}

double OperTournage::GetDepasseZ() const {
    if (IsDrillingCycle(NumOp) && str::Right(OptionUsinage, 1) != "0") return 0;
    return shownBoxValue(6);
}

double OperTournage::GetAnglePlonge() const { return shownBoxValue(7); }

double OperTournage::GetProfondeur() const {
    if (NumOp == 130) return shownBoxValue(4);
    if (NumOp == 180) return OptionUsinage == "1" ? Val(ui_->tZBrut.caption()) : shownBoxValue(4);
    if (IsDrillingCycle(NumOp)) return Val(ui_->tZBrut.caption());
    if (NumOp == 101) return shownBoxValue(7);
    return 0;
}

double OperTournage::GetDiamChanf() const {
    if (NumOp == 104 || NumOp == 105) return shownBoxValue(3);
    if (IsDrillingCycle(NumOp)) return Val(ui_->tDiamBrut.caption());
    return Val(ui_->tbXsecu.text());
}

std::int16_t OperTournage::GetTypeAppro() const { return TypeAppro; }
std::int16_t OperTournage::GetDegZsecu() const { return DegZsecu; }
std::int16_t OperTournage::GetNbPasse() const {
    return num::Fix16(Val(ui_->tbNbPasseFilet.text()));
}

std::int16_t OperTournage::GetTypeEbauche() const {
    if (SensCourant == TabSens[0]) return 0;
    if (SensCourant == TabSens[1]) return 1;
    return 2;
}

std::int16_t OperTournage::GetUsineGorge() const {
    if (OptionUsinage == "G1") return 1;
    if (NumOp == 112 || NumOp == 113) return num::CIntText(TypeFilet);
    if (NumOp == 130) {
        const std::int16_t starts = num::Fix16(Val(ui_->tbNbFilet.text()));
        return starts < 1 ? std::int16_t{1} : starts;
    }
    return 0;
}

std::string OperTournage::GetTypeFilet() const {
    if (NumOp == 112 || NumOp == 113) return "";
    return TypeFilet;
}

std::int16_t OperTournage::GetSensFilet() const {
    const std::string& text = ui_->tbSensFilet.text();
    const std::int16_t v = text.empty() ? std::int16_t{0} : num::Fix16(Val(text));
    if (NumOp == 103) return v == 3 ? 1 : 0;
    if (NumOp == 102 || NumOp == 110 || NumOp == 111) return v == 4 ? 1 : 0;
    return v;
}

// The getters as the public interface lists them, for a panel that is not const: they read
// exactly as the const ones.
double OperTournage::GetXsecu() { return std::as_const(*this).GetXsecu(); }
double OperTournage::GetZsecu() { return std::as_const(*this).GetZsecu(); }
double OperTournage::GetGardeAccost() { return std::as_const(*this).GetGardeAccost(); }
double OperTournage::GetGardeDeg() { return std::as_const(*this).GetGardeDeg(); }
double OperTournage::GetGardeZ() { return std::as_const(*this).GetGardeZ(); }
double OperTournage::GetPasseZ() { return std::as_const(*this).GetPasseZ(); }
double OperTournage::GetProfFilet() { return std::as_const(*this).GetProfFilet(); }
double OperTournage::GetDerPasseZ() { return std::as_const(*this).GetDerPasseZ(); }
double OperTournage::GetSurepXY() { return std::as_const(*this).GetSurepXY(); }
double OperTournage::GetPas() { return std::as_const(*this).GetPas(); }
double OperTournage::GetSurepZ() { return std::as_const(*this).GetSurepZ(); }
double OperTournage::GetSurepPlonge() { return std::as_const(*this).GetSurepPlonge(); }
double OperTournage::GetDepasseZ() { return std::as_const(*this).GetDepasseZ(); }
double OperTournage::GetAnglePlonge() { return std::as_const(*this).GetAnglePlonge(); }
double OperTournage::GetProfondeur() { return std::as_const(*this).GetProfondeur(); }
double OperTournage::GetDiamChanf() { return std::as_const(*this).GetDiamChanf(); }
std::int16_t OperTournage::GetTypeAppro() { return std::as_const(*this).GetTypeAppro(); }
std::int16_t OperTournage::GetDegZsecu() { return std::as_const(*this).GetDegZsecu(); }
std::int16_t OperTournage::GetNbPasse() { return std::as_const(*this).GetNbPasse(); }
std::int16_t OperTournage::GetTypeEbauche() { return std::as_const(*this).GetTypeEbauche(); }
std::int16_t OperTournage::GetUsineGorge() { return std::as_const(*this).GetUsineGorge(); }
std::string OperTournage::GetTypeFilet() { return std::as_const(*this).GetTypeFilet(); }
std::int16_t OperTournage::GetSensFilet() { return std::as_const(*this).GetSensFilet(); }

}  // namespace oru
