// Test utility: runs a piece of work in a child process and kills it (SIGKILL) just before its
// first system call, then just before its second, and so on until the work runs to its end, so
// that a test sees what every possible stopping point of a save leaves on disk. The child is
// traced (ptrace) and stopped at each system call; the kill lands while it waits there, so the
// call it was about to make never happens.
#pragma once

#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>

namespace testsupport {

struct KillPoint {
    int Before = 0;     // the system call the child was killed before (1-based); 0: it ran to its end
    int ExitCode = -1;  // the child's exit code when it ran to its end
};

// For n = 1, 2, …: prepare() in this process, then the work in a child killed before its n-th system
// call, then check(point) in this process; the last round runs the work to its end. Returns the
// number of rounds, or -1 when tracing is not possible here (the caller skips). The work must not
// use gtest assertions (it runs in the child); an exception from it ends the child with exit code 3.
inline int KillAtEverySystemCall(const std::function<void()>& prepare, const std::function<void()>& work,
                                 const std::function<void(const KillPoint&)>& check, int maxRounds = 100000)
{
    for (int n = 1; n <= maxRounds; ++n) {
        prepare();
        const pid_t child = ::fork();
        if (child < 0)
            return -1;
        if (child == 0) {
            if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
                ::_exit(4);
            ::raise(SIGSTOP);
            try {
                work();
            } catch (...) {
                ::_exit(3);
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 4)
            return -1;
        ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
        KillPoint point;
        int entries = 0, signal = 0;
        bool inCall = false;
        for (;;) {
            ::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(static_cast<long>(signal)));
            ::waitpid(child, &status, 0);
            signal = 0;
            if (WIFEXITED(status) || WIFSIGNALED(status)) {
                point.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
                signal = WSTOPSIG(status) == SIGSTOP ? 0 : WSTOPSIG(status);  // delivered on resuming
                continue;
            }
            inCall = !inCall;  // stops come in pairs: entering a call, leaving it
            if (inCall && ++entries == n) {
                point.Before = n;
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                break;
            }
        }
        check(point);
        if (point.Before == 0)
            return n;
    }
    return maxRounds;
}

}  // namespace testsupport
