#pragma once

// Shared by the fuzz targets: a private temporary folder removed at exit, the invariants every
// panel keeps whatever it is fed, and ways to draw the arguments a host or a user may pass.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "oru/error.hpp"
#include "oru/getters.hpp"
#include "oru/host.hpp"
#include "oru/panel.hpp"
#include "oru/widget.hpp"
#include "support/test_support.hpp"

namespace oru::fuzz {

[[noreturn]] inline void Finding(std::string_view what) {
    std::fprintf(stderr, "FINDING: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

// A folder of this process under the temporary folder (TMPDIR), removed when the process exits
// normally. scripts/fuzz.sh points TMPDIR into the build folder, so that even a crash leaves
// nothing in /tmp.
class PrivateFolder {
public:
    PrivateFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("oru-fuzz-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~PrivateFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string folder() const { return path_.string() + "/"; }
    void write(std::string_view relative, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

// Writers of small valid pictures (shared with the test suites), and of thread tables.
using test::BmpBytes;
using test::JpegBytes;
// A small thread table of every type, in the file format the turning panel reads.
std::string SampleThreadTable();

// Open file descriptors of the process.
long OpenFileCount();

// Invariants of a panel after any sequence of operations: every list index stands inside its
// list (or is -1).
void CheckPanel(const Panel& panel);
// Forgets the boxes shown so far (a long session would otherwise pile them up). In the fuzz
// build a failure other than the library's own that reaches a trap aborts at once.
inline void ForgetMessages(Host& host) { host.clearMessages(); }

// A public operation with a failure trap of its own: nothing may escape it.
template <class F>
void Trapped(std::string_view what, F&& f) {
    try {
        f();
    } catch (...) {
        Finding("exception escaped a trapped operation: " + std::string(what));
    }
}
// A public operation without a trap: only oru::Error may escape it.
template <class F>
void Untrapped(std::string_view what, F&& f) {
    try {
        f();
    } catch (const Error&) {
    } catch (...) {
        Finding("non-oru exception escaped: " + std::string(what));
    }
}

// Every getter of the panel, from its table: the trapped ones must not throw at all, the others
// may let oru::Error through.
template <class P>
void ReadEveryGetter(const P& panel) {
    for (const Getter<P>& g : getters<P>()) {
        if (g.trapped)
            Trapped(g.name, [&] { g(panel); });
        else
            Untrapped(g.name, [&] { g(panel); });
    }
}

// Arguments drawn from the input: often an interesting value, sometimes anything.
double Number(FuzzedDataProvider& in);
std::int16_t Int16(FuzzedDataProvider& in, std::initializer_list<std::int16_t> usual);
std::string Text(FuzzedDataProvider& in, std::initializer_list<std::string_view> usual);
std::vector<double> Numbers(FuzzedDataProvider& in, std::size_t maxCount);

// One user action on a widget of the panel chosen by the input: click, typing, leaving the box
// or picking a list index (in or out of the list).
void UserAction(FuzzedDataProvider& in, Panel& panel);

}  // namespace oru::fuzz
