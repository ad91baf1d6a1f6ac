#pragma once

// What the panel benchmarks run on: a picture folder holding a small valid picture for every
// file name the benchmarked set-ups and clicks ask for, and host folders with thread tables of
// several sizes. Built once per process, removed at exit.
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace oru::bench {

class Environment {
public:
    static Environment& get();

    // chbmp of both panels: pictures present for every name looked up.
    const std::string& pictures() const { return pictures_; }
    // DirSld holding thread tables of `records` records (233: the shipped tables).
    std::string threadTables(int records);

    // The value tables of a turning set-up, adjusted by the benchmark.
    static std::vector<double> turningValues();
    static std::vector<std::int16_t> turningChoices(std::int16_t op, std::int16_t option);
    static std::vector<double> millingValues();

private:
    Environment();
    void fillPictureFolder();

    test::TempDir dir_;
    std::string pictures_;
};

}  // namespace oru::bench
