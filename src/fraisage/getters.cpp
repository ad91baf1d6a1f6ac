// What the host reads back: the table of the getters, and the getters a host calls on a panel
// that is not const, which read exactly as the const ones.
#include <cstdint>
#include <span>
#include <utility>

#include "oru/getters.hpp"
#include "oru/operfraisage.hpp"

namespace oru {
namespace {

// A getter named once: its name is the member's.
#define ORU_GETTER(name, trapped) Getter<OperFraisage>(#name, &OperFraisage::name, trapped)
constexpr bool kTrapped = true;  // the getter shows its own error box, never throws
constexpr bool kThrows = false;  // a failure may reach the host as oru::Error

// clang-format off
constexpr Getter<OperFraisage> kGetters[] = {
    ORU_GETTER(GetZsecu, kThrows),          ORU_GETTER(GetGardeZ, kTrapped),
    ORU_GETTER(GetPasse, kTrapped),         ORU_GETTER(GetDerpasse, kTrapped),
    ORU_GETTER(GetSurepZ, kTrapped),        ORU_GETTER(GetSurepXY, kTrapped),
    ORU_GETTER(GetDiam, kThrows),           ORU_GETTER(GetDepasse, kTrapped),
    ORU_GETTER(GetProfondeur, kThrows),     ORU_GETTER(GetAval, kThrows),
    ORU_GETTER(GetApproche, kThrows),       ORU_GETTER(GetDegageZ, kThrows),
    ORU_GETTER(GetAccostage, kTrapped),     ORU_GETTER(GetGardeAccoste, kTrapped),
    ORU_GETTER(GetGardeDegage, kTrapped),   ORU_GETTER(GetRecouvre, kTrapped),
    ORU_GETTER(GetBalayage, kThrows),       ORU_GETTER(GetAngBal, kTrapped),
};
// clang-format on
#undef ORU_GETTER

}  // namespace

template <>
std::span<const Getter<OperFraisage>> getters<OperFraisage>() {
    return kGetters;
}

// The getters as the public interface lists them, for a panel that is not const: they read
// exactly as the const ones.
double OperFraisage::GetZsecu() { return std::as_const(*this).GetZsecu(); }
double OperFraisage::GetGardeZ() { return std::as_const(*this).GetGardeZ(); }
double OperFraisage::GetPasse() { return std::as_const(*this).GetPasse(); }
double OperFraisage::GetDerpasse() { return std::as_const(*this).GetDerpasse(); }
double OperFraisage::GetSurepZ() { return std::as_const(*this).GetSurepZ(); }
double OperFraisage::GetSurepXY() { return std::as_const(*this).GetSurepXY(); }
double OperFraisage::GetDiam() { return std::as_const(*this).GetDiam(); }
double OperFraisage::GetDepasse() { return std::as_const(*this).GetDepasse(); }
double OperFraisage::GetProfondeur() { return std::as_const(*this).GetProfondeur(); }
std::int16_t OperFraisage::GetAval() { return std::as_const(*this).GetAval(); }
std::int16_t OperFraisage::GetApproche() { return std::as_const(*this).GetApproche(); }
std::int16_t OperFraisage::GetDegageZ() { return std::as_const(*this).GetDegageZ(); }
std::int16_t OperFraisage::GetAccostage() { return std::as_const(*this).GetAccostage(); }
double OperFraisage::GetGardeAccoste() { return std::as_const(*this).GetGardeAccoste(); }
double OperFraisage::GetGardeDegage() { return std::as_const(*this).GetGardeDegage(); }
double OperFraisage::GetRecouvre() { return std::as_const(*this).GetRecouvre(); }
std::int16_t OperFraisage::GetBalayage() { return std::as_const(*this).GetBalayage(); }
double OperFraisage::GetAngBal() { return std::as_const(*this).GetAngBal(); }

}  // namespace oru
