// Pasting text of 20,000 and 40,000 lines (five fields each) at the top of a one-row grid that
// grows to take them, beside a plain loop that splits the same text into a vector of rows of
// fields. Both sides run in the same process, repeated in a random interleaving. Printed at the
// end for each size: the median CPU time of each side with its range (steadier than wall time on
// a shared machine), their ratio, and each side's time per line, whose change from 20,000 to
// 40,000 lines shows whether the paste stays linear. Every iteration of both sides starts from a
// heap whose free memory went back to the system (malloc_trim, outside the timing): otherwise a
// smaller paste finds the pages of the one before it still mapped and a larger one does not, and
// the sizes would be measured in different states of the allocator.
// GRID_PASTE_BENCH_LARGE=1 adds a paste of 530,000 lines (50 MB).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "grid/extras/GridClipboard.h"

namespace {

constexpr int kFields = 5;

const std::string& TextOf(int lines)
{
    static std::map<int, std::string> texts;
    std::string& t = texts[lines];
    if (t.empty())
        for (int r = 0; r < lines; ++r) {
            for (int c = 0; c < kFields; ++c)
                t += "row " + std::to_string(r) + " field " + std::to_string(c) + (c + 1 < kFields ? "\t" : "\r\n");
        }
    return t;
}

void BM_GridPasteText(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    const std::string& text = TextOf(lines);
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<gx::TGxStringGrid>(nullptr);
        grid->SetColCount(kFields);
        grid->SetRowCount(1);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetOptions(grid->Options() | ui::goEditing);
        grid->Navigation()->SetAllowClipboardRowGrow(true);
        state.ResumeTiming();
        int cols = 0, rows = 0;
        gx::PasteTextAt(*grid, 0, 0, text, cols, rows);
        benchmark::DoNotOptimize(grid->RowCount());
        state.PauseTiming();
        if (grid->RowCount() != lines || grid->Cells(kFields - 1, lines - 1).empty())
            state.SkipWithError("the paste did not fill the grid");
        grid.reset();
        ::malloc_trim(0);
        state.ResumeTiming();
    }
}

// The peer: the same text split into rows of fields with the standard library.
void BM_PlainSplitRows(benchmark::State& state)
{
    const std::string& text = TextOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ::malloc_trim(0);
        state.ResumeTiming();
        std::vector<std::vector<std::string>> rows(1);
        std::string field;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char ch = text[i];
            if (ch == '\t') {
                rows.back().push_back(std::move(field));
                field.clear();
            } else if (ch == '\r' || ch == '\n') {
                if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                rows.back().push_back(std::move(field));
                field.clear();
                rows.emplace_back();
            } else {
                field += ch;
            }
        }
        benchmark::DoNotOptimize(rows.data());
    }
}

// Every repetition's CPU time per benchmark.
class SpreadReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.run_name.str()].push_back(run.GetAdjustedCPUTime());
    }
    std::map<std::string, std::vector<double>> times;  // milliseconds
};

struct Spread {
    double median = 0, low = 0, high = 0;
};

Spread SpreadOf(std::vector<double> t)
{
    if (t.empty())
        return {};
    std::sort(t.begin(), t.end());
    return {t[t.size() / 2], t.front(), t.back()};
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes = {20000, 40000};
    if (std::getenv("GRID_PASTE_BENCH_LARGE"))
        sizes.push_back(530000);
    for (int n : sizes) {
        benchmark::RegisterBenchmark("BM_GridPasteText", BM_GridPasteText)->Arg(n)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_PlainSplitRows", BM_PlainSplitRows)->Arg(n)->Unit(benchmark::kMillisecond);
    }
    // Repeated and interleaved unless the command line says otherwise.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=7", interleave = "--benchmark_enable_random_interleaving=true";
    auto given = [&](const std::string& flag) {
        const std::string name = flag.substr(0, flag.find('='));
        return std::any_of(argv, argv + argc, [&](const char* a) { return std::string(a).rfind(name, 0) == 0; });
    };
    for (std::string* flag : {&repetitions, &interleave})
        if (!given(*flag))
            args.push_back(flag->data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    SpreadReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-10s %-28s %-28s %7s %12s %12s\n", "lines", "grid paste CPU ms (range)",
                "plain split CPU ms (range)", "ratio", "grid us/line", "plain us/line");
    for (int n : sizes) {
        const Spread grid = SpreadOf(reporter.times["BM_GridPasteText/" + std::to_string(n)]);
        const Spread plain = SpreadOf(reporter.times["BM_PlainSplitRows/" + std::to_string(n)]);
        char g[64], p[64];
        std::snprintf(g, sizeof g, "%.1f (%.1f-%.1f)", grid.median, grid.low, grid.high);
        std::snprintf(p, sizeof p, "%.1f (%.1f-%.1f)", plain.median, plain.low, plain.high);
        std::printf("%-10d %-28s %-28s %7.1f %12.3f %12.3f\n", n, g, p,
                    plain.median > 0 ? grid.median / plain.median : 0.0, grid.median * 1000 / n,
                    plain.median * 1000 / n);
    }
    return 0;
}
