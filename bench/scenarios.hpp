#pragma once

// The set-ups and user actions the panel benchmarks time, shared with the preparation of the
// picture folder (which runs each of them once to learn the file names they ask for).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "oru/oru.hpp"

namespace oru::bench {

// One turning set-up per family of operation types.
struct TurningCase {
    const char* name;
    std::int16_t op;
    const char* profil;
    const char* outil;
    std::int16_t option;  // ti(7)
};
std::span<const TurningCase> TurningCases();

// One milling set-up per kind of operation type (one per row of the panel's type table).
struct MillingCase {
    const char* name;
    std::int16_t typoper;
};
std::span<const MillingCase> MillingCases();

// A turning panel with its value tables, set up again by setUp().
struct Turning {
    Turning(Host& host, const TurningCase& c, const std::string& pictures,
            const std::string& tables);
    void setUp();

    OperTournage panel;
    TurningCase c;
    std::vector<double> td;
    std::vector<std::int16_t> ti;
};

// A milling panel, set up again (SetPasses, SetApproche, SetDegageZ, SetAccostage) by setUp().
struct Milling {
    Milling(Host& host, const MillingCase& c, const std::string& pictures);
    void setUp();

    OperFraisage panel;
    MillingCase c;
    std::vector<double> tabval;
};

const TurningCase& TurningCaseOf(std::int16_t op);
const MillingCase& MillingCaseOf(std::int16_t typoper);

// Every set-up, click and keystroke of the benchmarks, once.
void RunEveryScenario(Host& host, const std::string& pictures, const std::string& tables);

}  // namespace oru::bench
