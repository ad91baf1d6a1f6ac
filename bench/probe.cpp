// Runs one benchmarked action a given number of times in the benchmarks' environment, so that
// the system calls the benchmark program counts can be checked against another counter: strace
// -f -c over 0 and over N runs, the difference divided by N. With --count, prints the count of
// the benchmark program's own counter for the same action instead.
//   oru_bench_probe milling-pocket|turning-101|turning-130|missing-picture N [--count]
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>

#include "environment.hpp"
#include "oru/oru.hpp"
#include "scenarios.hpp"
#include "syscall_counter.hpp"

int main(int argc, char** argv) {
    using namespace oru::bench;
    if (argc < 3) {
        std::cerr << "usage: oru_bench_probe CASE N [--count]\n";
        return 2;
    }
    const std::string_view which = argv[1];
    const int times = std::atoi(argv[2]);
    const bool count = argc > 3 && std::string_view(argv[3]) == "--count";

    Environment& env = Environment::get();
    oru::Host host;
    Milling milling(host, MillingCaseOf(20), env.pictures());
    Turning longTurning(host, TurningCaseOf(101), env.pictures(), env.threadTables(233));
    Turning threading(host, TurningCaseOf(130), env.pictures(), env.threadTables(233));
    // A picture in neither sub-folder: the milling panel's tool picture is such a lookup.
    oru::OperFraisage missing(host);
    missing.chbmp = env.pictures();
    std::function<void()> action;
    if (which == "milling-pocket")
        action = [&] { milling.setUp(); };
    else if (which == "turning-101")
        action = [&] { longTurning.setUp(); };
    else if (which == "turning-130")
        action = [&] { threading.setUp(); };
    else if (which == "missing-picture")
        action = [&] { missing.SetOutil("NO_SUCH_PICTURE"); };
    else {
        std::cerr << "unknown case " << which << "\n";
        return 2;
    }
    action();  // what is kept is in place
    if (count) {
        const auto n = SystemCallsPer(action, times);
        if (!n) {
            std::cerr << "this system does not let the program trace its child\n";
            return 1;
        }
        std::cout << *n << " system calls per run\n";
        return 0;
    }
    for (int i = 0; i < times; ++i)
        action();
    return host.messages().empty() ? 0 : 1;
}
