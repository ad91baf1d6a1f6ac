#include "syscall_counter.hpp"

#ifdef __linux__
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace oru::bench {

#ifdef __linux__

namespace {

// Marks the start and the end of the counted runs: a call that nothing else in the benchmark
// program makes.
void Marker() { ::syscall(SYS_getppid); }

}  // namespace

std::optional<double> SystemCallsPer(const std::function<void()>& action, int times) {
    if (times <= 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        // Stops until the parent traces it, then runs the action between the markers. Whatever
        // happens, the child ends here without running the parent's exit handlers.
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(2);
        ::raise(SIGSTOP);
        try {
            Marker();
            for (int i = 0; i < times; ++i)
                action();
            Marker();
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(0);
    }

    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
        ::waitpid(child, &status, 0);  // it could not be traced: it has exited
        return std::nullopt;
    }
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr,
             reinterpret_cast<void*>(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL));
    int markers = 0;
    long counted = 0;
    int signal = 0;
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(signal)) != 0) break;
        signal = 0;
        if (::waitpid(child, &status, 0) != child) break;
        if (WIFEXITED(status) || WIFSIGNALED(status)) break;
        if (!WIFSTOPPED(status)) continue;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status);  // the child's own signal, delivered to it
            continue;
        }
        __ptrace_syscall_info info{};
        if (::ptrace(PTRACE_GET_SYSCALL_INFO, child, reinterpret_cast<void*>(sizeof info), &info) <=
                0 ||
            info.op != PTRACE_SYSCALL_INFO_ENTRY)
            continue;
        if (info.entry.nr == SYS_getppid)
            ++markers;
        else if (markers == 1)
            ++counted;
    }
    if (WIFSTOPPED(status)) {  // tracing failed half-way: end the child
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    if (markers != 2 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return static_cast<double>(counted) / times;
}

#else

std::optional<double> SystemCallsPer(const std::function<void()>&, int) { return std::nullopt; }

#endif

}  // namespace oru::bench
