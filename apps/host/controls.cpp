#include "controls.hpp"

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "oru/oru.hpp"

namespace oruhost {
namespace {

using json::Value;

template <class P>
P& As(oru::Panel& p) {
    return static_cast<P&>(p);
}

template <class T>
Value ToArray(const std::vector<T>& values) {
    json::Array a;
    for (T v : values)
        a.emplace_back(v);
    return Value(std::move(a));
}

// The getters of a control, from the library's table: each value as JSON.
template <class P>
std::span<const GetterDef> GettersOf() {
    static const std::vector<GetterDef> defs = [] {
        std::vector<GetterDef> v;
        for (const oru::Getter<P>& g : oru::getters<P>())
            v.push_back({g.name, [&g](const oru::Panel& p) {
                             return std::visit([](const auto& x) { return Value(x); },
                                               g(static_cast<const P&>(p)));
                         }});
        return v;
    }();
    return defs;
}

// The tables below name each member once; these spell out the reading and writing around it.
#define ORU_PROPERTY(Class, Name, Type, Read)                               \
    PropertyDef {                                                           \
#Name, Type, [](oru::Panel& p) { return Value(As<oru::Class>(p).Name); }, \
            [](oru::Panel& p, Args& a) {                                        \
                auto v = a.Read(#Name);                                         \
                a.end();                                                        \
                As<oru::Class>(p).Name = v;                                     \
            } \
    }
#define ORU_TEXT(Class, Name) ORU_PROPERTY(Class, Name, "a string", text)
#define ORU_INT16(Class, Name) ORU_PROPERTY(Class, Name, "a 16-bit whole number", int16)
#define ORU_BOOL(Class, Name) ORU_PROPERTY(Class, Name, "true or false", boolean)

// An operation taking one 16-bit whole number and writing nothing back.
#define ORU_SET_INT16(Class, Name, What)                                     \
    OperationDef {                                                           \
#Name, What, [](oru::Panel& p, Value&, Args& a) -> std::function<void()> { \
            const std::int16_t v = a.int16(What);                                  \
            a.end();                                                               \
            return [&p, v] { As<oru::Class>(p).Name(v); };                         \
        } \
    }

// ---- Avalant ----------------------------------------------------------------------------------

const OperationDef kAvalantOps[] = {
    ORU_SET_INT16(Avalant, SetAvalant, "newaval"),
};
// ---- SensRot ----------------------------------------------------------------------------------

const OperationDef kSensRotOps[] = {
    {"SetSensRot", "SensRot OutilTournant",
     [](oru::Panel& p, Value& writeBacks, Args& a) -> std::function<void()> {
         const std::int16_t sens = a.int16("SensRot");
         const std::int16_t tournant = a.int16("OutilTournant");
         a.end();
         return [&p, &writeBacks, sens, tournant] {
             std::int16_t variable = sens;
             As<oru::SensRot>(p).SetSensRot(variable, tournant);
             writeBacks.set("SetSensRot", Value(json::Object{{"SensRot", Value(variable)}}));
         };
     }},
};
// ---- Arrosage ---------------------------------------------------------------------------------

const OperationDef kArrosageOps[] = {
    ORU_SET_INT16(Arrosage, SetArrosage, "Arrose"),
};
// ---- OperFraisage -----------------------------------------------------------------------------

const PropertyDef kFraisageProps[] = {
    ORU_BOOL(OperFraisage, debouchant), ORU_TEXT(OperFraisage, chbmp),
    ORU_INT16(OperFraisage, Typoper),   ORU_INT16(OperFraisage, AttrImage),
    ORU_TEXT(OperFraisage, sZmaxi),     ORU_INT16(OperFraisage, ExtBrut),
};

const OperationDef kFraisageOps[] = {
    {"SetOutil", "outil",
     [](oru::Panel& p, Value&, Args& a) -> std::function<void()> {
         std::string outil = a.text("the tool name");
         a.end();
         return [&p, outil] { As<oru::OperFraisage>(p).SetOutil(outil); };
     }},
    {"SetPasses", "outil [tabval ...]",
     [](oru::Panel& p, Value&, Args& a) -> std::function<void()> {
         std::string outil = a.text("the tool name");
         std::vector<double> tabval = a.numbers("tabval");
         a.end();
         return [&p, outil, tabval] { As<oru::OperFraisage>(p).SetPasses(outil, tabval); };
     }},
    ORU_SET_INT16(OperFraisage, SetAval, "Aval"),
    ORU_SET_INT16(OperFraisage, SetApproche, "Approche"),
    ORU_SET_INT16(OperFraisage, SetDegageZ, "DegageZsecu"),
    {"SetAccostage", "Accostage GardeAccoste GardeDegage Recouvre AngleBalayage Balayage Ferme",
     [](oru::Panel& p, Value& writeBacks, Args& a) -> std::function<void()> {
         const std::int16_t accostage = a.int16("Accostage");
         const double garde = a.number("GardeAccoste");
         const double degage = a.number("GardeDegage");
         const double recouvre = a.number("Recouvre");
         const double angle = a.number("AngleBalayage");
         const std::int16_t balayage = a.int16("Balayage");
         const std::int16_t ferme = a.int16("Ferme");
         a.end();
         return [=, &p, &writeBacks] {
             std::int16_t variable = accostage;
             As<oru::OperFraisage>(p).SetAccostage(variable, garde, degage, recouvre, angle,
                                                   balayage, ferme);
             writeBacks.set("SetAccostage", Value(json::Object{{"Accostage", Value(variable)}}));
         };
     }},
};

// ---- OperTournage -----------------------------------------------------------------------------

const PropertyDef kTournageProps[] = {
    ORU_TEXT(OperTournage, chbmp),
    ORU_TEXT(OperTournage, DirSld),
    ORU_INT16(OperTournage, NumOp),
};

const OperationDef kTournageOps[] = {
    {"SetOperTour", "outil profil TypeFilet [td ...] [ti ...]",
     [](oru::Panel& p, Value& writeBacks, Args& a) -> std::function<void()> {
         std::string outil = a.text("the tool code");
         std::string profil = a.text("the profile letter");
         std::string typeFilet = a.text("the thread type");
         std::vector<double> td = a.numbers("td");
         std::vector<std::int16_t> ti = a.int16s("ti");
         a.end();
         return [=, &p, &writeBacks]() mutable {
             As<oru::OperTournage>(p).SetOperTour(outil, profil, typeFilet, td, ti);
             writeBacks.set("SetOperTour",
                            Value(json::Object{{"td", ToArray(td)}, {"ti", ToArray(ti)}}));
         };
     }},
};

#undef ORU_PROPERTY
#undef ORU_TEXT
#undef ORU_INT16
#undef ORU_BOOL
#undef ORU_SET_INT16

template <class P>
std::unique_ptr<oru::Panel> Make(oru::Host& host) {
    return std::make_unique<P>(host);
}

const ControlType kTypes[] = {
    {"OperFraisage", &Make<oru::OperFraisage>, kFraisageProps, kFraisageOps,
     GettersOf<oru::OperFraisage>()},
    {"OperTournage", &Make<oru::OperTournage>, kTournageProps, kTournageOps,
     GettersOf<oru::OperTournage>()},
    {"Avalant", &Make<oru::Avalant>, {}, kAvalantOps, GettersOf<oru::Avalant>()},
    {"SensRot", &Make<oru::SensRot>, {}, kSensRotOps, GettersOf<oru::SensRot>()},
    {"Arrosage", &Make<oru::Arrosage>, {}, kArrosageOps, GettersOf<oru::Arrosage>()},
};

}  // namespace

std::span<const ControlType> ControlTypes() { return kTypes; }

const ControlType* FindControlType(std::string_view className) {
    for (const ControlType& t : kTypes)
        if (t.className == className) return &t;
    return nullptr;
}

}  // namespace oruhost
