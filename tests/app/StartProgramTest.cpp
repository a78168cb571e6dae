#include "app/UStartProgram.h"

#include <gtest/gtest.h>

#include <chrono>

#include "TempProgramFolder.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

fs::path Script(const fs::path& dir, const std::string& name, const std::string& body)
{
    const fs::path file = dir / name;
    TempProgramFolder::WriteFile(file, "#!/bin/sh\n" + body + "\n");
    fs::permissions(file, fs::perms::owner_all);
    return file;
}

}  // namespace

TEST(StartProgramTest, WaitsForTheEndOrTheLimit)
{
    TempProgramFolder folder;
    struct Case {
        const char* label;
        std::string program;
        std::string parameter;
        std::chrono::milliseconds limit;
        sys::RunOutcome outcome;
        int exitCode;
    };
    const std::string quick = Script(folder.dir, "quick", "sleep 0.3\nexit 3").string();
    // The arguments arrive one by one; the exit code tells how many came.
    const std::string counter = Script(folder.dir, "counter", "exit $#").string();
    const std::string slow = Script(folder.dir, "slow", "sleep 5").string();
    // 259 is what a still-running process reports elsewhere; here an ended program is never
    // taken for a running one, whatever code it returned (the system keeps its low byte).
    const std::string code259 = Script(folder.dir, "code259", "exit 259").string();
    const Case cases[] = {
        {"ends", quick, "", 5000ms, sys::RunOutcome::Ended, 3},
        {"arguments", counter, " a  b c ", 5000ms, sys::RunOutcome::Ended, 3},
        {"exit code 259", code259, "", 5000ms, sys::RunOutcome::Ended, 259 & 0xFF},
        {"limit", slow, "", 200ms, sys::RunOutcome::StillRunning, -1},
        {"missing", (folder.dir / "none").string(), "", 5000ms, sys::RunOutcome::NotStarted, -1},
    };
    for (const Case& c : cases) {
        const auto t0 = std::chrono::steady_clock::now();
        const sys::RunResult r = Start_Program(c.program, c.parameter, false, c.limit);
        const auto took = std::chrono::steady_clock::now() - t0;
        EXPECT_EQ(r.outcome, c.outcome) << c.label;
        if (c.exitCode >= 0) {
            EXPECT_EQ(r.exitCode, c.exitCode) << c.label;
        }
        EXPECT_LT(took, c.limit + 1000ms) << c.label;
    }
}

TEST(StartProgramTest, ReturnsOnlyAfterTheProgramHasEnded)
{
    TempProgramFolder folder;
    const fs::path marker = folder.dir / "done";
    const std::string program = Script(folder.dir, "late", "sleep 0.3\ntouch '" + marker.string() + "'").string();
    const auto r = Start_Program(program, "", true);
    EXPECT_EQ(r.outcome, sys::RunOutcome::Ended);
    EXPECT_TRUE(fs::exists(marker));
}
