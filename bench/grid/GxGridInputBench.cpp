// The string grid's keyboard and wheel at two sizes: 10,000 presses of Down, each followed by a
// paint, and 1,000 wheel notches, in grids of 20,000 and 100,000 rows. The cost per step should
// not depend on the row count; the ratio of the two sizes is printed at the end.
#include "grid/stringgrid/GxGrid.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "platform/ui/Input.h"

namespace {

constexpr int kCols = 10;
constexpr int kKeys = 10000;
constexpr int kNotches = 1000;

std::unique_ptr<gx::TGxStringGrid> NewGrid(int rows)
{
    auto grid = std::make_unique<gx::TGxStringGrid>(nullptr);
    grid->SetBounds(0, 0, 1000, 600);
    grid->SetColCount(kCols);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid->SetCells(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
    return grid;
}

void BM_DownWithPaint(benchmark::State& state)
{
    auto grid = NewGrid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        grid->MoveToCell(1, 1);
        state.ResumeTiming();
        for (int i = 0; i < kKeys; ++i) {
            ui::SendKeyStroke(grid.get(), ui::VK_DOWN);
            benchmark::DoNotOptimize(grid->PaintToBuffer());
        }
    }
}

void BM_WheelNotches(benchmark::State& state)
{
    auto grid = NewGrid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        grid->MoveToCell(1, 1);
        state.ResumeTiming();
        for (int i = 0; i < kNotches; ++i)
            ui::SendMouseWheel(grid.get(), -ui::WHEEL_DELTA, 100, 100);
    }
}

class StepReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedCPUTime();  // steadier than wall time on a shared machine
    }
    std::map<std::string, double> times;
};

}  // namespace

BENCHMARK(BM_DownWithPaint)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelNotches)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    StepReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto step = [&](const std::string& name, int steps) {
        const auto it = reporter.times.find(name);
        return it == reporter.times.end() ? 0.0 : it->second * 1000.0 / steps;  // microseconds
    };
    const double downSmall = step("BM_DownWithPaint/20000", kKeys), downLarge = step("BM_DownWithPaint/100000", kKeys);
    const double wheelSmall = step("BM_WheelNotches/20000", kNotches),
                 wheelLarge = step("BM_WheelNotches/100000", kNotches);
    std::printf("\nCPU per step (microseconds)   20,000 rows  100,000 rows  ratio\n");
    std::printf("Down with a paint            %11.2f  %12.2f  %5.2f\n", downSmall, downLarge,
                downSmall > 0 ? downLarge / downSmall : 0.0);
    std::printf("wheel notch (three rows)     %11.2f  %12.2f  %5.2f\n", wheelSmall, wheelLarge,
                wheelSmall > 0 ? wheelLarge / wheelSmall : 0.0);
    return 0;
}
