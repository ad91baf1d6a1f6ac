#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "oru/oru.hpp"

// What the demo host offers: the operations of both panels named in words, and how a host
// application sets each one up with sensible values through the public operations.
namespace demo {

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
// The turning tool a host would propose for an operation and profile.
std::string_view defaultTool(std::int16_t numop, std::string_view profil);

// One milling operation as a host application would describe it.
struct Milling {
    std::int16_t typoper = 20;
    bool debouchant = false;
    std::int16_t attrImage = 0;
    std::int16_t extBrut = 1;
    std::string tool = "FR10";
    std::int16_t approche = 1;
    std::int16_t degage = 1;
    std::int16_t aval = 1;
    std::int16_t accostage = 0;
    std::int16_t balayage = 1;
    bool ferme = true;
};

// One turning operation as a host application would describe it.
struct Turning {
    std::int16_t numop = 101;
    std::string profil = "E";
    std::string tool = "10_TECHA1";
    std::string typeFilet = "M";
    std::int16_t option = 0;   // ti(7)
    std::int16_t variant = 1;  // ti(6)
    std::int16_t appro = 10;   // ti(1)
    std::int16_t degage = 0;   // ti(2)
};

// Sets the panel up: properties first, then the Set operations in the order a host calls them.
void setUp(oru::OperFraisage& panel, const Milling& m, const std::string& pictures);
void setUp(oru::OperTournage& panel, const Turning& t, const std::string& pictures,
           const std::string& dirSld);

}  // namespace demo
