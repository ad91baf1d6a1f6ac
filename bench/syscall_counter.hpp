#pragma once

// System calls counted where the kernel receives them: the action runs in a child process that
// this one traces (ptrace, as strace does), and every system call the child enters between two
// marker calls counts. Linux only.
#include <functional>
#include <optional>

namespace oru::bench {

// The system calls `action` makes per run, over `times` runs; nullopt where the system does not
// let this program trace its child (a container without ptrace, or this program being traced
// itself, by strace for instance) or on any other system.
std::optional<double> SystemCallsPer(const std::function<void()>& action, int times);

}  // namespace oru::bench
