#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "TempFolder.h"
#include "platform/sys/OpenUrl.h"
#include "platform/sys/Process.h"
#include "platform/sys/SysError.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

class Process : public testing_support::TempFolderTest {
protected:
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.insert(e.path().filename().string());
        return names;
    }
};

}  // namespace

TEST_F(Process, EndIsNoticedPromptlyWithItsExitCode)
{
    struct Case {
        const char* program;
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {"true", {}, 0},
        {"false", {}, 1},
        {"sleep", {"0.2"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const auto start = Clock::now();
        const auto result = sys::RunAndWait(c.program, c.args, 10s);
        const auto elapsed = Clock::now() - start;
        EXPECT_EQ(result.outcome, sys::RunOutcome::Ended);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_LT(elapsed, 2s);  // far below the limit: the wait ended with the program
    }

    // The wait notices the end within a poll interval (plus scheduling slack), not at the limit.
    // The clock starts before the program so that its whole run is inside the measured time; the
    // upper bound leaves room for a loaded machine while staying far below the limit.
    const auto start = Clock::now();
    auto child = sys::ChildProcess::Start("sleep", {"0.3"});
    ASSERT_TRUE(child.WaitFor(10s));
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, 300ms);
    EXPECT_LT(elapsed, 300ms + sys::kProcessPollInterval + 1500ms);
}

TEST_F(Process, ProgramPastTheLimitIsLeftRunning)
{
    auto child = sys::ChildProcess::Start("sleep", {"30"});
    const auto start = Clock::now();
    EXPECT_FALSE(child.WaitFor(150ms));
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, 150ms);
    EXPECT_LT(elapsed, 2s);
    EXPECT_TRUE(child.Running());
    EXPECT_EQ(::kill(child.Pid(), 0), 0);
    EXPECT_FALSE(child.ExitCode());

    ::kill(child.Pid(), SIGKILL);
    ASSERT_TRUE(child.WaitFor(5s));
    EXPECT_EQ(child.ExitCode(), 128 + SIGKILL);

    const auto result = sys::RunAndWait("sleep", {"1"}, 50ms);
    EXPECT_EQ(result.outcome, sys::RunOutcome::StillRunning);
    EXPECT_FALSE(result.exitCode);
}

TEST_F(Process, ArgumentsReachTheProgramUninterpreted)
{
    // Each argument becomes one file name, exactly as written; a shell would split, expand or
    // run parts of them.
    const std::vector<std::string> names = {
        "a b", "$(touch injected)", "*", "'q' \"r\"", "x;touch injected2", "`id`", "~", "$HOME", "a|b>c"};
    std::vector<std::string> args;
    for (const auto& n : names)
        args.push_back((dir_ / n).string());
    const auto result = sys::RunAndWait("touch", args, 10s);
    ASSERT_EQ(result.outcome, sys::RunOutcome::Ended);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(Names(), std::set<std::string>(names.begin(), names.end()));
}

TEST_F(Process, ProgramsThatCannotStartAreReported)
{
    const auto notExecutable = dir_ / "plain";
    Write(notExecutable, "touch should-not-exist\n");
    const auto script = dir_ / "script";  // executable, but no interpreter line: no shell runs it
    Write(script, "touch " + (dir_ / "ran").string() + "\n");
    fs::permissions(script, fs::perms::owner_all);

    for (const auto& program : {(dir_ / "missing").string(), notExecutable.string(), script.string(), dir_.string(),
                                std::string("no-such-program-on-path")}) {
        SCOPED_TRACE(program);
        EXPECT_THROW(sys::ChildProcess::Start(program), sys::SysError);
        EXPECT_EQ(sys::RunAndWait(program, {}, 1s).outcome, sys::RunOutcome::NotStarted);
    }
    EXPECT_FALSE(fs::exists(dir_ / "ran"));
}

TEST_F(Process, OpenUrlHandsTheWholeLinkToTheOpener)
{
    // "touch" stands in for the desktop's opener: it creates a file named by its one argument.
    const std::string url = (dir_ / "page.asp?a=1&b=$(id);c").string();
    EXPECT_TRUE(sys::OpenUrl(url, "touch"));
    const auto deadline = Clock::now() + 5s;
    while (!fs::exists(url) && Clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(Names(), std::set<std::string>{"page.asp?a=1&b=$(id);c"});

    EXPECT_FALSE(sys::OpenUrl("http://127.0.0.1/", (dir_ / "no-opener").string()));
}
