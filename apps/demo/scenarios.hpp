#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "oru/oru.hpp"

// What the demo host offers: the operations of both panels named in words, example values that
// make a plausible part for each of them, and what a host application does around a set-up:
// it keeps the operation's values, reads back what the user changed before setting the same
// operation up again, and proposes the usual tool of each operation.
namespace demo {

// The names are texts of the demo, in French: the window shows them through Qt's translations
// (context "demo"). The codes are the panels' own.
struct Named {
    std::int16_t code;
    std::string_view name;
};

std::span<const Named> millingOperations();
std::span<const Named> turningOperations();

struct Choice {
    std::string_view code;
    std::string_view name;
};
std::span<const Choice> turningProfiles();
std::span<const Choice> threadTypes();
std::span<const Choice> turningTools();
std::span<const Choice> millingTools();

// The profile letters an operation is offered with ("E", "I", "B", "F"), in the order of the
// choice, the first being the usual one.
std::span<const Choice> profilesOf(std::int16_t numop);
// The values of ti(7) (option) and ti(6) (variant) that mean something for an operation, with
// their names; empty when the operation reads none.
std::span<const Named> optionsOf(std::int16_t numop);
std::span<const Named> variantsOf(std::int16_t numop);

// The tool a host proposes for an operation: a turning tool by operation and profile, a
// milling tool by operation (a drill for the drilling cycles, a tap for tapping...) and, for
// the cycles that interpolate a hole with an end mill, by the hole's diameter.
std::string_view defaultTool(std::int16_t numop, std::string_view profil);
std::string_view defaultMillingTool(std::int16_t typoper, double diameter = 0);

// Operations whose values carry over from one to the other (a drilling cycle to another, the
// two plunge turning codes...): a host keeps the user's values within a family, and proposes
// the example of another family.
int turningFamily(std::int16_t numop);
int millingFamily(std::int16_t typoper);

// One milling operation as a host application keeps it.
struct Milling {
    std::int16_t typoper = oru::milling::kPocket;
    bool debouchant = false;
    std::int16_t attrImage = 0;
    std::int16_t extBrut = oru::milling::kExtBrutOff;
    std::string tool = "FR10";
    std::vector<double> tabval;  // oru::tabval::kSize values
    std::int16_t approche = oru::milling::kApproachXYThenZ;
    std::int16_t degage = oru::milling::kRetractOn;
    std::int16_t aval = oru::avalant::kClimb;
    std::int16_t accostage = 0;
    double gardeAccoste = 2;
    double gardeDegage = 2;
    double recouvre = 1;
    double angleBalayage = 0;
    std::int16_t balayage = 1;
    bool ferme = true;
};

// One turning operation as a host application keeps it.
struct Turning {
    std::string profil = "E";
    std::string tool = "10_TECHA1";
    std::string typeFilet = "M";
    std::string thread;            // designation of the thread (130, 180), e.g. "M20x2.5"
    std::vector<double> td;        // oru::td::kSize values
    std::vector<std::int16_t> ti;  // oru::ti::kSize values; ti(0) is the operation code
    std::int16_t numop() const { return ti.empty() ? std::int16_t(0) : ti[0]; }
};

// Example values for an operation: one part, dimensioned as a machinist would, whose every
// value agrees with the others (the stock, the finished diameter and the depth of cut; a hole's
// diameter, depth and drilling length...). The turning example reads its thread, when it has
// one, from the host's thread tables under dirSld.
Milling millingExample(std::int16_t typoper, bool debouchant, std::int16_t attrImage,
                       std::int16_t extBrut);
Turning turningExample(std::int16_t numop, std::string_view profil, const std::string& dirSld);

// The depth a milling set-up puts in the total depth field: the host's depth, or the depth
// extended to the stock when the extension is on.
void settleMillingDepth(Milling& m);

// Reads back what the user changed on the panel into the operation kept by the host, as a host
// does before setting the same operation up again: the values of the boxes shown (a hidden
// box keeps the host's value), the operation code (the hole cycle buttons change it), the
// choices of the buttons (approach, retract, direction, option, thread...).
void readBack(oru::OperFraisage& panel, Milling& m);
void readBack(oru::OperTournage& panel, Turning& t);

// Sets the panel up: properties first, then the Set operations in the order a host calls them.
void setUp(oru::OperFraisage& panel, const Milling& m, const std::string& pictures);
void setUp(oru::OperTournage& panel, Turning& t, const std::string& pictures,
           const std::string& dirSld);

// ---- threads -----------------------------------------------------------------------------------

// One thread of the host's tables (DirSld + "user/Filet_E.dat" or "Filet_I.dat").
struct Thread {
    std::string nom;
    double pas = 0;
    double profondeur = 0;
    std::int16_t nbPasses = 0;
    double derPasse = 0;
};
// The threads of one type ("M", "G", "T", "R") in the external or internal table, in file
// order; empty when the table is missing or unreadable.
std::vector<Thread> threadsOf(const std::string& dirSld, bool internal, std::string_view type);
// The nominal (major) diameter a designation names: "M10x1.5" 10, "Tr20x4" 20, "Rd20x1/8" 20,
// "G1/2 (14 fil/pouce)" 20.955; nothing for a designation it does not know.
std::optional<double> nominalDiameter(std::string_view designation);
// The designation in a line of the panel's thread list ("M10x1.5<TAB>pas=...").
std::string designationOfListItem(std::string_view item);
// The usual thread of a type in the demo's examples, for threading or tapping.
std::string_view defaultThread(std::int16_t numop, std::string_view type);
// Puts a thread into a threading (130) or tapping (180) operation: the diameter of the sketch
// (the thread's diameter, the bore of an internal thread, the hole to tap), the pitch, and for
// threading the depth, last pass and number of passes of the table. False when the thread is
// not in the tables.
bool applyThread(Turning& t, std::string_view designation, const std::string& dirSld);

}  // namespace demo
