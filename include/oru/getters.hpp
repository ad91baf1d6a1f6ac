#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "oru/arrosage.hpp"
#include "oru/avalant.hpp"
#include "oru/operfraisage.hpp"
#include "oru/opertournage.hpp"
#include "oru/sensrot.hpp"

// The getters of each control as one table: its name and the const member that reads it, in the
// order of the control's header. For hosts and tools that read every value a panel gives back
// without spelling the getters out: a form listing the values, a scripted host, a test.
//
//     for (const oru::Getter<oru::OperTournage>& g : oru::getters<oru::OperTournage>()) {
//         const oru::GetterValue v = g(turning);  // may throw oru::Error unless g.trapped
//         std::visit([&](const auto& x) { show(g.name, x); }, v);
//     }
namespace oru {

// What a getter returns: a length or an angle, a 16-bit code, or a text.
using GetterValue = std::variant<double, std::int16_t, std::string>;

template <class Control>
struct Getter {
    using Number = double (Control::*)() const;
    using Code = std::int16_t (Control::*)() const;
    using Text = std::string (Control::*)() const;

    constexpr Getter(std::string_view getterName, Number member, bool hasTrap = false)
        : name(getterName), read(member), trapped(hasTrap) {}
    constexpr Getter(std::string_view getterName, Code member, bool hasTrap = false)
        : name(getterName), read(member), trapped(hasTrap) {}
    constexpr Getter(std::string_view getterName, Text member, bool hasTrap = false)
        : name(getterName), read(member), trapped(hasTrap) {}

    // Reads the value, as control.GetXxx() does (the same value, the same error box).
    GetterValue operator()(const Control& control) const {
        return std::visit([&](auto member) -> GetterValue { return (control.*member)(); }, read);
    }

    std::string_view name;  // "GetXsecu"
    std::variant<Number, Code, Text> read;
    // true: the getter never throws; a text it cannot read shows its own error box ("Retour de
    // valeur 2", ...) and it returns 0. false: a failure (a number beyond the range of a double,
    // a 16-bit overflow) may reach the caller as oru::Error, at least for some operations (a few
    // such getters read a parameter box, with its error box, for the other operations); most of
    // them read a field and cannot fail.
    bool trapped = false;
};

// The table of a control: getters<OperFraisage>(), getters<OperTournage>(), getters<Avalant>(),
// getters<SensRot>(), getters<Arrosage>().
template <class Control>
std::span<const Getter<Control>> getters();

template <>
std::span<const Getter<OperFraisage>> getters<OperFraisage>();
template <>
std::span<const Getter<OperTournage>> getters<OperTournage>();
template <>
std::span<const Getter<Avalant>> getters<Avalant>();
template <>
std::span<const Getter<SensRot>> getters<SensRot>();
template <>
std::span<const Getter<Arrosage>> getters<Arrosage>();

}  // namespace oru
