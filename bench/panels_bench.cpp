// Speed and memory of the panels, headless, with every picture they ask for present: the
// set-ups of each family of operation types, a click on each kind of button, a keystroke in a
// box that others follow, the thread table reader, and the heap a panel holds.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>

#include "environment.hpp"
#include "heap_counter.hpp"
#include "oru/oru.hpp"
#include "scenarios.hpp"
#include "syscall_counter.hpp"

namespace oru::bench {
namespace {

// A benchmark whose action showed a message box measures the wrong thing.
void expectQuiet(benchmark::State& state, const Host& host) {
    if (!host.messages().empty())
        state.SkipWithError(("message box: " + host.messages().front().prompt).c_str());
}

// The system calls of one run of `action`, beside the time (counted in a traced copy of this
// process, after the timed runs): the counter "syscalls".
void CountSystemCalls(benchmark::State& state, const std::function<void()>& action) {
    if (const auto n = SystemCallsPer(action, 100)) state.counters["syscalls"] = *n;
}

// ---- set-ups ------------------------------------------------------------------------------

void TurningSetUp(benchmark::State& state, std::int16_t op, int records) {
    Environment& env = Environment::get();
    Host host;
    Turning t(host, TurningCaseOf(op), env.pictures(), env.threadTables(records));
    t.setUp();
    for (auto _ : state)
        t.setUp();
    expectQuiet(state, host);
    CountSystemCalls(state, [&] { t.setUp(); });
}

void MillingSetUp(benchmark::State& state, std::int16_t typoper) {
    Environment& env = Environment::get();
    Host host;
    Milling m(host, MillingCaseOf(typoper), env.pictures());
    m.setUp();
    for (auto _ : state)
        m.setUp();
    expectQuiet(state, host);
    CountSystemCalls(state, [&] { m.setUp(); });
}

// ---- clicks and keystrokes ----------------------------------------------------------------

// Alternates between two actions on a panel set up by `op`, so that every action changes
// something.
template <class Panel, class Action>
void Alternate(benchmark::State& state, Panel& p, Host& host, Action a, Action b) {
    bool first = true;
    for (auto _ : state) {
        (first ? a : b)(p);
        first = !first;
    }
    expectQuiet(state, host);
}

Turning& TurningPanel(Host& host, std::int16_t op, std::unique_ptr<Turning>& keep) {
    Environment& env = Environment::get();
    keep =
        std::make_unique<Turning>(host, TurningCaseOf(op), env.pictures(), env.threadTables(233));
    keep->setUp();
    return *keep;
}

Milling& MillingPanel(Host& host, std::int16_t typoper, std::unique_ptr<Milling>& keep) {
    keep = std::make_unique<Milling>(host, MillingCaseOf(typoper), Environment::get().pictures());
    keep->setUp();
    return *keep;
}

using TurningAction = void (*)(Turning&);
using MillingAction = void (*)(Milling&);

void TurningClicks(benchmark::State& state, std::int16_t op, bool detailsPage, TurningAction a,
                   TurningAction b) {
    Host host;
    std::unique_ptr<Turning> keep;
    Turning& t = TurningPanel(host, op, keep);
    if (detailsPage) t.panel.widget("bFiletage").click();
    Alternate(state, t, host, a, b);
}

void MillingClicks(benchmark::State& state, std::int16_t typoper, MillingAction a,
                   MillingAction b) {
    Host host;
    std::unique_ptr<Milling> keep;
    Milling& m = MillingPanel(host, typoper, keep);
    Alternate(state, m, host, a, b);
}

void Click(Turning& t, const char* name, int index = -1) { t.panel.widget(name, index).click(); }
void Click(Milling& m, const char* name, int index = -1) { m.panel.widget(name, index).click(); }

// A picture looked up in a folder that holds neither its JPEG nor its BMP file: each name is
// then looked for without regard to letter case, which lists the folder. The milling panel's tool
// picture is such a lookup and little else.
void MissingPicture(benchmark::State& state) {
    Host host;
    OperFraisage panel(host);
    panel.chbmp = Environment::get().pictures();
    for (auto _ : state)
        panel.SetOutil("NO_SUCH_PICTURE");
    expectQuiet(state, host);
    CountSystemCalls(state, [&] { panel.SetOutil("NO_SUCH_PICTURE"); });
}

// ---- memory -------------------------------------------------------------------------------

// Forgets what the file layer keeps, where it keeps anything (the library before it did builds
// this program too).
void ForgetFiles() {
#if __has_include("oru/filecache.hpp")
    ForgetCachedFiles();
#endif
}

// Heap held by one panel after its set-up, and the peak while it was built and set up. With
// `firstRead`, nothing is kept of the files before: the panel reads its thread table, and the
// figures hold the table, kept for the panels that follow.
template <class Make>
void PanelMemory(benchmark::State& state, Make make, bool firstRead) {
    Environment::get();  // made before, whichever benchmark runs first
    Host host;
    std::size_t live = 0;
    std::size_t peak = 0;
    for (auto _ : state) {
        if (firstRead) ForgetFiles();
        const HeapFigures before = Heap();
        ResetHeapPeak();
        {
            auto panel = make(host);
            const HeapFigures after = Heap();
            live = after.live - before.live;
            peak = after.peak - before.live;
            benchmark::DoNotOptimize(panel.get());
        }
    }
    expectQuiet(state, host);
    state.counters["live_KiB"] = static_cast<double>(live) / 1024.0;
    state.counters["peak_KiB"] = static_cast<double>(peak) / 1024.0;
}

auto TurningMemory(std::int16_t op, int records) {
    return [op, records](Host& host) {
        Environment& env = Environment::get();
        auto t = std::make_unique<Turning>(host, TurningCaseOf(op), env.pictures(),
                                           env.threadTables(records));
        t->setUp();
        return t;
    };
}

auto MillingMemory(std::int16_t typoper) {
    return [typoper](Host& host) {
        auto m =
            std::make_unique<Milling>(host, MillingCaseOf(typoper), Environment::get().pictures());
        m->setUp();
        return m;
    };
}

void RegisterAll() {
    for (const TurningCase& c : TurningCases())
        benchmark::RegisterBenchmark((std::string("SetUp/Turning/") + c.name).c_str(), TurningSetUp,
                                     c.op, 233);
    for (int records : {233, 2000, 10000})
        benchmark::RegisterBenchmark(("ThreadTable/Threading/" + std::to_string(records)).c_str(),
                                     TurningSetUp, std::int16_t{130}, records);
    for (const MillingCase& c : MillingCases())
        benchmark::RegisterBenchmark((std::string("SetUp/Milling/") + c.name).c_str(), MillingSetUp,
                                     c.typoper);

    // Turning panel buttons and lists.
    benchmark::RegisterBenchmark(
        "Click/Turning/Approach", TurningClicks, std::int16_t{101}, false,
        +[](Turning& t) { Click(t, "bAppro", 1); }, +[](Turning& t) { Click(t, "bAppro", 2); });
    benchmark::RegisterBenchmark(
        "Click/Turning/Retract", TurningClicks, std::int16_t{101}, false,
        +[](Turning& t) { Click(t, "bDegage"); }, +[](Turning& t) { Click(t, "bDegage"); });
    benchmark::RegisterBenchmark(
        "Click/Turning/Direction", TurningClicks, std::int16_t{110}, false,
        +[](Turning& t) { Click(t, "bSens"); }, +[](Turning& t) { Click(t, "bSens"); });
    benchmark::RegisterBenchmark(
        "Click/Turning/ToAxis", TurningClicks, std::int16_t{102}, false,
        +[](Turning& t) { Click(t, "bUsAxe"); }, +[](Turning& t) { Click(t, "bUsAxe"); });
    benchmark::RegisterBenchmark(
        "Click/Turning/Option", TurningClicks, std::int16_t{140}, false,
        +[](Turning& t) { Click(t, "bGorge"); }, +[](Turning& t) { Click(t, "bGorge"); });
    benchmark::RegisterBenchmark(
        "Click/Turning/HoleCycle", TurningClicks, std::int16_t{140}, false,
        +[](Turning& t) { Click(t, "bTrou", 0); }, +[](Turning& t) { Click(t, "bTrou", 2); });
    benchmark::RegisterBenchmark(
        "Click/Turning/ThreadingPage", TurningClicks, std::int16_t{130}, false,
        +[](Turning& t) { Click(t, "bFiletage"); }, +[](Turning& t) { Click(t, "bFiletage"); });
    benchmark::RegisterBenchmark(
        "Click/Turning/ThreadType", TurningClicks, std::int16_t{130}, true,
        +[](Turning& t) { Click(t, "bAppro", 0); }, +[](Turning& t) { Click(t, "bAppro", 2); });
    benchmark::RegisterBenchmark(
        "Click/Turning/PitchList", TurningClicks, std::int16_t{130}, false,
        +[](Turning& t) { t.panel.widget("cbPas").setListIndex(0); },
        +[](Turning& t) { t.panel.widget("cbPas").setListIndex(1); });
    benchmark::RegisterBenchmark(
        "Click/Turning/ThreadList", TurningClicks, std::int16_t{130}, true,
        +[](Turning& t) { t.panel.widget("lPasFilet").setListIndex(3); },
        +[](Turning& t) { t.panel.widget("lPasFilet").setListIndex(40); });

    // Milling panel buttons and list.
    benchmark::RegisterBenchmark(
        "Click/Milling/Approach", MillingClicks, std::int16_t{20},
        +[](Milling& m) { Click(m, "bApproXYZ"); }, +[](Milling& m) { Click(m, "bAppro3D"); });
    benchmark::RegisterBenchmark(
        "Click/Milling/Retract", MillingClicks, std::int16_t{20},
        +[](Milling& m) { Click(m, "bDegageZsecu"); },
        +[](Milling& m) { Click(m, "bDegageZsecu"); });
    benchmark::RegisterBenchmark(
        "Click/Milling/StockExtension", MillingClicks, std::int16_t{20},
        +[](Milling& m) { Click(m, "bExtBrut"); }, +[](Milling& m) { Click(m, "bExtBrut"); });
    benchmark::RegisterBenchmark(
        "Click/Milling/Sweep", MillingClicks, std::int16_t{12},
        +[](Milling& m) { Click(m, "bSurf"); }, +[](Milling& m) { Click(m, "bSurf"); });
    benchmark::RegisterBenchmark(
        "Click/Milling/HoleCycle", MillingClicks, std::int16_t{40},
        +[](Milling& m) { Click(m, "bTrou", 2); }, +[](Milling& m) { Click(m, "bTrou", 3); });
    benchmark::RegisterBenchmark(
        "Click/Milling/EngagementList", MillingClicks, std::int16_t{20},
        +[](Milling& m) { m.panel.widget("cAccostage").setListIndex(0); },
        +[](Milling& m) { m.panel.widget("cAccostage").setListIndex(1); });

    // Keystrokes in boxes that others follow.
    benchmark::RegisterBenchmark(
        "Keystroke/Turning/PassDepth", TurningClicks, std::int16_t{101}, false,
        +[](Turning& t) { t.panel.widget("tbPara", 2).setText("1.5"); },
        +[](Turning& t) { t.panel.widget("tbPara", 2).setText("1.25"); });
    benchmark::RegisterBenchmark(
        "Keystroke/Turning/CentringDiameter", TurningClicks, std::int16_t{104}, false,
        +[](Turning& t) { t.panel.widget("tbPara", 3).setText("6"); },
        +[](Turning& t) { t.panel.widget("tbPara", 3).setText("6.5"); });
    benchmark::RegisterBenchmark(
        "Keystroke/Milling/PassDepth", MillingClicks, std::int16_t{20},
        +[](Milling& m) { m.panel.widget("tbVal", 2).setText("3"); },
        +[](Milling& m) { m.panel.widget("tbVal", 2).setText("2.5"); });
    benchmark::RegisterBenchmark(
        "Keystroke/Milling/EngagementDistance", MillingClicks, std::int16_t{20},
        +[](Milling& m) { m.panel.widget("tbGardeAcc").setText("2"); },
        +[](Milling& m) { m.panel.widget("tbGardeAcc").setText("2.5"); });

    benchmark::RegisterBenchmark("Lookup/MissingPicture", MissingPicture);

    // Memory of one panel: the first to read its table, then one of those that follow.
    using TurningMake = decltype(TurningMemory(0, 0));
    using MillingMake = decltype(MillingMemory(0));
    for (const auto& [name, op, records] :
         {std::tuple{"Threading/233", 130, 233}, std::tuple{"Tapping/233", 180, 233},
          std::tuple{"Threading/10000", 130, 10000}}) {
        for (const bool first : {true, false})
            benchmark::RegisterBenchmark(
                (std::string("Memory/Turning/") + name + (first ? "/FirstRead" : "")).c_str(),
                PanelMemory<TurningMake>, TurningMemory(static_cast<std::int16_t>(op), records),
                first)
                ->Iterations(1);
    }
    benchmark::RegisterBenchmark("Memory/Turning/LongTurning", PanelMemory<TurningMake>,
                                 TurningMemory(101, 233), false)
        ->Iterations(1);
    benchmark::RegisterBenchmark("Memory/Milling/Pocket", PanelMemory<MillingMake>,
                                 MillingMemory(20), false)
        ->Iterations(1);
    benchmark::RegisterBenchmark("Memory/Milling/ThreadMilling", PanelMemory<MillingMake>,
                                 MillingMemory(84), false)
        ->Iterations(1);
}

const bool kRegistered = (RegisterAll(), true);

}  // namespace
}  // namespace oru::bench
