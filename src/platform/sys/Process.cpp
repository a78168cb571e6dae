#include "platform/sys/Process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/sys/SysError.h"

extern char** environ;

namespace sys {
namespace {

using Clock = std::chrono::steady_clock;

int DecodeStatus(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

ChildProcess ChildProcess::Start(const std::string& program, const std::vector<std::string>& args)
{
    if (program.empty())
        throw SysError("Cannot start a program without a name");
    std::vector<std::string> owned;
    owned.reserve(args.size() + 1);
    owned.push_back(program);
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : owned)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    // The child starts with default signal handling and an empty signal mask whatever this
    // process has set up.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    const int rc = ::posix_spawnp(&pid, program.c_str(), nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    if (rc != 0)
        throw SysError(ErrnoText("Cannot start " + program, rc));
    return ChildProcess(pid);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_), exitCode_(other.exitCode_)
{
    other.pid_ = -1;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    if (this != &other) {
        Release();
        pid_ = other.pid_;
        exitCode_ = other.exitCode_;
        other.pid_ = -1;
    }
    return *this;
}

ChildProcess::~ChildProcess()
{
    Release();
}

void ChildProcess::Release()
{
    if (pid_ > 0 && !exitCode_) {
        // Collect the end of a program left running so that it does not linger as a zombie.
        std::thread([pid = pid_] {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    }
    pid_ = -1;
}

bool ChildProcess::Running()
{
    if (exitCode_ || pid_ <= 0)
        return false;
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(pid_, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (r == 0)
        return true;
    exitCode_ = r == pid_ ? DecodeStatus(status) : -1;  // -1: collected elsewhere, result unknown
    return false;
}

bool ChildProcess::WaitFor(std::chrono::milliseconds limit)
{
    const auto start = Clock::now();
    for (;;) {
        if (!Running())
            return true;
        if (Clock::now() - start >= limit)
            return false;
        std::this_thread::sleep_for(kProcessPollInterval);
    }
}

RunResult RunAndWait(const std::string& program, const std::vector<std::string>& args, std::chrono::milliseconds limit)
{
    RunResult result;
    std::optional<ChildProcess> child;
    try {
        child.emplace(ChildProcess::Start(program, args));
    } catch (const SysError&) {
        return result;
    }
    if (child->WaitFor(limit)) {
        std::this_thread::sleep_for(kProcessPollInterval);
        result.outcome = RunOutcome::Ended;
        result.exitCode = child->ExitCode();
    } else {
        result.outcome = RunOutcome::StillRunning;
    }
    return result;
}

}  // namespace sys
