// Start-up to the first painted main window: the configurator against a bare Qt window that shows
// one widget, both started as whole processes in the same run, in turn. Both are told to end after
// their first paint (CONFIGURATOR_EXIT_AFTER_FIRST_PAINT=1). Prints the time and peak memory of
// each and the ratios configurator / bare Qt ("time_ratio", "mem_ratio").
// Needs a display (DISPLAY of an X server such as Xvfb, or QT_QPA_PLATFORM=offscreen).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Run {
    double seconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

fs::path BinFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

Run Start(const fs::path& program)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.emplace_back("CONFIGURATOR_EXIT_AFTER_FIRST_PAINT=1");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program.string();
    char* argv[] = {path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return {};
    Run r;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

void BM_StartUpToFirstPaint(benchmark::State& state)
{
    const fs::path program = BinFolder() / "configurator";
    const fs::path bare = BinFolder() / "bench_startup_bare_qt";
    double programSeconds = 0, bareSeconds = 0, programPeak = 0, barePeak = 0;
    bool programFirst = true;
    for (auto _ : state) {
        Run p, b;
        if (programFirst) {
            p = Start(program);
            b = Start(bare);
        } else {
            b = Start(bare);
            p = Start(program);
        }
        programFirst = !programFirst;
        if (!p.ok || !b.ok) {
            state.SkipWithError("a program did not start or did not end by itself");
            return;
        }
        programSeconds += p.seconds;
        bareSeconds += b.seconds;
        programPeak = std::max(programPeak, p.peakMiB);
        barePeak = std::max(barePeak, b.peakMiB);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["configurator_ms"] = programSeconds * 1e3 / n;
    state.counters["bare_qt_ms"] = bareSeconds * 1e3 / n;
    state.counters["time_ratio"] = programSeconds / bareSeconds;
    state.counters["configurator_MiB"] = programPeak;
    state.counters["bare_qt_MiB"] = barePeak;
    state.counters["mem_ratio"] = programPeak / barePeak;
}
BENCHMARK(BM_StartUpToFirstPaint)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
