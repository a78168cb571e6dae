// Starting another program directly (never through a shell) and waiting for it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sys {

// The exit status is polled at this interval while waiting.
inline constexpr std::chrono::milliseconds kProcessPollInterval{10};

// A started program. Dropping the object does not stop the program: one that still runs is left
// running and its end is collected in the background.
class ChildProcess {
public:
    // Starts program with the given arguments (argv[1] onwards, each passed as it is). A name
    // without "/" is looked up in PATH. Throws SysError when the program cannot be started.
    static ChildProcess Start(const std::string& program, const std::vector<std::string>& args = {});

    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    pid_t Pid() const { return pid_; }
    // True while the program runs; does not block.
    bool Running();
    // Polls every kProcessPollInterval until the program has ended or the limit has passed.
    // Returns true when it ended (ExitCode() then holds its result), false at the limit.
    bool WaitFor(std::chrono::milliseconds limit);
    // The exit code once ended; a program ended by a signal gives 128 + the signal number.
    std::optional<int> ExitCode() const { return exitCode_; }

private:
    explicit ChildProcess(pid_t pid) : pid_(pid) {}
    void Release();
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

enum class RunOutcome { NotStarted, Ended, StillRunning };

struct RunResult {
    RunOutcome outcome = RunOutcome::NotStarted;
    std::optional<int> exitCode;  // when ended
};

// Starts the program and waits until it ends, polling every kProcessPollInterval; after its end
// one more interval passes before returning. When the limit passes first, returns at once and
// leaves the program running. A program that cannot be started gives NotStarted.
RunResult RunAndWait(const std::string& program, const std::vector<std::string>& args, std::chrono::milliseconds limit);

}  // namespace sys
