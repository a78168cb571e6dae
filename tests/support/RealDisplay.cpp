#include "RealDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace testsupport {
namespace {

constexpr auto kChildTimeLimit = std::chrono::seconds(180);

bool Set(const char* name)
{
    const char* v = std::getenv(name);
    return v && *v && std::string_view(v) != "0";
}

void Skip(const std::string& why)
{
    GTEST_SKIP() << why;
}

// The environment of this process with the given variables replaced.
std::vector<std::string> EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& values)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        bool replaced = false;
        for (const auto& [name, value] : values)
            replaced = replaced || entry.substr(0, name.size() + 1) == name + "=";
        if (!replaced)
            env.emplace_back(entry);
    }
    for (const auto& [name, value] : values)
        env.push_back(name + "=" + value);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> p;
    for (std::string& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

// Holds the display's lock while a test uses it: the tests on one display take turns.
class DisplayLock {
public:
    explicit DisplayLock(const std::string& display)
    {
        std::string name = "cfg-real-window";
        for (char c : display)
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
        const std::filesystem::path file = std::filesystem::temp_directory_path() / (name + ".lock");
        fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~DisplayLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    DisplayLock(const DisplayLock&) = delete;
    DisplayLock& operator=(const DisplayLock&) = delete;

private:
    int fd_ = -1;
};

struct ChildResult {
    bool ran = false;
    bool timedOut = false;
    int status = 0;
    std::string output;
};

// Runs the current test alone in a child process with the given environment; its output is
// collected, and it is ended by its process id when it takes longer than the limit.
ChildResult RunTestInChild(const std::vector<std::pair<std::string, std::string>>& values)
{
    ChildResult result;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::vector<std::string> args = {std::filesystem::read_symlink("/proc/self/exe").string(),
                                     std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name(),
                                     "--gtest_color=no"};
    std::vector<std::string> env = EnvironmentWith(values);
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out[1], 2);
    pid_t pid = 0;
    std::vector<char*> argv = Pointers(args), envp = Pointers(env);
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return result;
    }
    result.ran = true;
    const auto deadline = std::chrono::steady_clock::now() + kChildTimeLimit;
    bool open = true;
    while (open) {
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, 200) > 0) {
            char buffer[4096];
            const ssize_t n = ::read(out[0], buffer, sizeof buffer);
            if (n > 0)
                result.output.append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                open = false;
        }
        if (open && std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            result.timedOut = true;
            open = false;
        }
    }
    ::close(out[0]);
    while (::waitpid(pid, &result.status, 0) < 0 && errno == EINTR) {
    }
    return result;
}

// Runs a program found on the PATH and waits for it; its exit code, or -1 when it did not run.
int RunProgram(std::vector<std::string> args)
{
    pid_t pid = 0;
    std::vector<char*> argv = Pointers(args);
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool OnRealDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (Set("CFG_REAL_WINDOW_CHILD") || (platform && std::string_view(platform) == "xcb"))
        return true;
    const char* display = std::getenv("CFG_TEST_DISPLAY");
    if (!display || !*display) {
        const std::string why = "no test display: scripts/test.sh starts one and names it in CFG_TEST_DISPLAY";
        if (Set("CFG_REQUIRE_DISPLAY"))
            ADD_FAILURE() << why;
        else
            Skip(why);
        return false;
    }
    DisplayLock lock(display);
    const ChildResult child =
        RunTestInChild({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display}, {"CFG_REAL_WINDOW_CHILD", "1"}});
    if (!child.ran)
        ADD_FAILURE() << "the test could not start again on the display " << display << ": " << std::strerror(errno);
    else if (child.timedOut)
        ADD_FAILURE() << "the test on the display " << display << " took longer than "
                      << std::chrono::seconds(kChildTimeLimit).count() << " s and was ended:\n"
                      << child.output;
    else if (!WIFEXITED(child.status) || WEXITSTATUS(child.status) != 0)
        ADD_FAILURE() << "in the real window on " << display << ":\n" << child.output;
    else if (child.output.find("[  SKIPPED ]") != std::string::npos)
        Skip("skipped in the real window:\n" + child.output);
    return false;
}

bool XdoTool(const std::vector<std::string>& args)
{
    std::vector<std::string> command = {"xdotool"};
    command.insert(command.end(), args.begin(), args.end());
    const int code = RunProgram(command);
    if (code == 0)
        return true;
    std::string line;
    for (const std::string& a : command)
        line += a + " ";
    ADD_FAILURE() << line
                  << (code < 0 ? "could not run (scripts/install-deps.sh installs xdotool)"
                               : "ended with " + std::to_string(code));
    return false;
}

int StartXdoTool(const std::vector<std::string>& args)
{
    std::vector<std::string> command = {"xdotool"};
    command.insert(command.end(), args.begin(), args.end());
    std::vector<char*> argv = Pointers(command);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        ADD_FAILURE() << "xdotool could not run (scripts/install-deps.sh installs it)";
        return -1;
    }
    return pid;
}

int StartTestProcess(const std::vector<std::pair<std::string, std::string>>& env)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::vector<std::string> args = {std::filesystem::read_symlink("/proc/self/exe").string(),
                                     std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name()};
    std::vector<std::string> environment = EnvironmentWith(env);
    std::vector<char*> argv = Pointers(args), envp = Pointers(environment);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) {
        ADD_FAILURE() << "the test could not start a second process: " << std::strerror(errno);
        return -1;
    }
    return pid;
}

bool ProcessEnded(int pid)
{
    if (pid <= 0)
        return true;
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == 0)
        return false;
    if (done == pid && (!WIFEXITED(status) || WEXITSTATUS(status) != 0))
        ADD_FAILURE() << "process " << pid << " ended with status " << status;
    return true;
}

void Shot(const std::string& name)
{
    const char* folder = std::getenv("SHOTS");
    if (!folder || !*folder)
        return;
    const std::filesystem::path file = std::filesystem::path(folder) / (name + ".png");
    std::filesystem::create_directories(folder);
    if (RunProgram({"import", "-window", "root", file.string()}) != 0)
        std::fprintf(stderr, "no screenshot %s (ImageMagick's import is missing?)\n", file.c_str());
}

}  // namespace testsupport
