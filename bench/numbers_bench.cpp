// Speed of the routines every keystroke goes through: reading a box as a number, writing one
// back with three decimals, and a selector click with its resource lookup.
#include <benchmark/benchmark.h>

#include "oru/oru.hpp"

namespace {

void BM_Val(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(oru::Val(" 12 345.678e-2 mm"));
}
BENCHMARK(BM_Val);

void BM_FormatNum3(benchmark::State& state) {
    double x = 2.0625;
    for (auto _ : state) {
        benchmark::DoNotOptimize(oru::FormatNum3(x));
        x += 0.001;
    }
}
BENCHMARK(BM_FormatNum3);

void BM_ArrosageClick(benchmark::State& state) {
    oru::Host host;
    oru::Arrosage arrosage(host);
    oru::Widget& button = arrosage.widget("bArro");
    for (auto _ : state)
        button.click();
}
BENCHMARK(BM_ArrosageClick);

}  // namespace
