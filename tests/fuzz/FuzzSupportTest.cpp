// What the harnesses share: a property that does not hold ends the run without leaving the
// scratch folder behind (it lives in /dev/shm, where nothing else clears it).
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "FuzzSupport.h"

namespace {

TEST(FuzzSupport, AFailedPropertyRemovesTheScratchFolderBeforeTheRunEnds)
{
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string folder = fuzz::WriteInput("input.txt", "x").parent_path().string();
        if (::write(pipeEnds[1], folder.data(), folder.size()) != static_cast<ssize_t>(folder.size()))
            ::_exit(2);
        ::close(pipeEnds[1]);
        FUZZ_CHECK(folder.empty(), "the property of this test");
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string folder;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        folder.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT) << status;
    ASSERT_FALSE(folder.empty());
    EXPECT_FALSE(std::filesystem::exists(folder)) << folder;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

}  // namespace
