// Saving and loading 100,000 x 10 cells as CSV and as a cell stream, beside a plain buffered loop
// that writes and reads the same CSV in the same run. Ratios (grid / plain) are printed at the end.
// The allocator keeps what it was given for the whole run (large blocks from the heap, no trimming),
// for both sides alike: otherwise whichever side happens to free the top of the heap hands its pages back
// after every iteration and pays the kernel for them again in the next (on a virtual machine that
// cost alone is several times the work measured). Run with GRID_BENCH_TRIM=1 to see it.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "grid/extras/GridCellStream.h"
#include "grid/extras/GridTextFiles.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::string Dir()
{
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("gridfilesbench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dir;
}

std::string Text(int r, int c)
{
    // Every fifth cell needs quoting.
    std::string t = "r" + std::to_string(r) + "c" + std::to_string(c);
    return c % 5 == 0 ? t + ",x" : t;
}

gx::TGxStringGrid& Filled()
{
    static std::unique_ptr<gx::TGxStringGrid> grid = [] {
        auto g = std::make_unique<gx::TGxStringGrid>(nullptr);
        g->SetColCount(kCols);
        g->SetRowCount(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                g->SetCells(c, r, Text(r, c));
        return g;
    }();
    return *grid;
}

void BM_GridSaveCSV(benchmark::State& state)
{
    gx::TGxStringGrid& g = Filled();
    for (auto _ : state)
        gx::SaveToCSV(g, Dir() + "/grid.csv");
}

void BM_GridLoadCSV(benchmark::State& state)
{
    gx::SaveToCSV(Filled(), Dir() + "/grid.csv");
    for (auto _ : state) {
        gx::TGxStringGrid g(nullptr);
        gx::LoadFromCSV(g, Dir() + "/grid.csv");
        benchmark::DoNotOptimize(g.RowCount());
    }
}

void BM_GridSaveCellStream(benchmark::State& state)
{
    gx::TGxStringGrid& g = Filled();
    for (auto _ : state)
        gx::SaveToBinFile(g, Dir() + "/grid.cells");
}

void BM_GridLoadCellStream(benchmark::State& state)
{
    gx::SaveToBinFile(Filled(), Dir() + "/grid.cells");
    for (auto _ : state) {
        gx::TGxStringGrid g(nullptr);
        gx::LoadFromBinFile(g, Dir() + "/grid.cells");
        benchmark::DoNotOptimize(g.RowCount());
    }
}

// The plain peer: the same texts from a vector of rows, quoted where needed, through a buffered
// stream; read back by splitting lines and quoted fields into a vector of rows.
const std::vector<std::vector<std::string>>& Rows()
{
    static const std::vector<std::vector<std::string>> rows = [] {
        std::vector<std::vector<std::string>> v(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                v[static_cast<std::size_t>(r)].push_back(Text(r, c));
        return v;
    }();
    return rows;
}

void BM_PlainWriteCSV(benchmark::State& state)
{
    const auto& rows = Rows();
    for (auto _ : state) {
        std::ofstream out(Dir() + "/plain.csv", std::ios::binary);
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (c)
                    out << ',';
                if (row[c].find(',') != std::string::npos)
                    out << '"' << row[c] << '"';
                else
                    out << row[c];
            }
            out << "\r\n";
        }
    }
}

void BM_PlainReadCSV(benchmark::State& state)
{
    gx::SaveToCSV(Filled(), Dir() + "/grid.csv");
    for (auto _ : state) {
        std::ifstream in(Dir() + "/grid.csv", std::ios::binary);
        std::vector<std::vector<std::string>> rows;
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            rows.emplace_back();
            std::string field;
            bool quoted = false;
            for (char ch : line) {
                if (ch == '"')
                    quoted = !quoted;
                else if (ch == ',' && !quoted) {
                    rows.back().push_back(std::move(field));
                    field.clear();
                } else
                    field += ch;
            }
            rows.back().push_back(std::move(field));
        }
        benchmark::DoNotOptimize(rows.size());
    }
}

BENCHMARK(BM_GridSaveCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridLoadCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridSaveCellStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridLoadCellStream)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // On a shared machine the fastest repetition is the one least disturbed.
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            const std::string name = run.run_name.function_name;
            const double t = run.GetAdjustedRealTime();
            if (!times.count(name) || t < times[name])
                times[name] = t;
        }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("GRID_BENCH_TRIM")) {
        mallopt(M_MMAP_MAX, 0);  // large blocks from the heap too, where they are kept
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto ratio = [&](const char* a, const char* b) {
        double tb = reporter.times[b];
        return tb > 0 ? reporter.times[a] / tb : 0.0;
    };
    std::printf("\n%d x %d cells; ratios are grid / plain loop (below 2: within the target)\n", kRows, kCols);
    std::printf("save CSV:           %.2f\n", ratio("BM_GridSaveCSV", "BM_PlainWriteCSV"));
    std::printf("load CSV:           %.2f\n", ratio("BM_GridLoadCSV", "BM_PlainReadCSV"));
    std::printf("save cell stream:   %.2f (against the plain CSV write)\n",
                ratio("BM_GridSaveCellStream", "BM_PlainWriteCSV"));
    std::printf("load cell stream:   %.2f (against the plain CSV read)\n",
                ratio("BM_GridLoadCellStream", "BM_PlainReadCSV"));
    std::error_code ec;
    const auto csv = std::filesystem::file_size(Dir() + "/grid.csv", ec);
    const auto cells = std::filesystem::file_size(Dir() + "/grid.cells", ec);
    if (!ec && csv > 0)
        std::printf("the cell stream file holds %.1f times the bytes of the CSV file\n",
                    static_cast<double>(cells) / static_cast<double>(csv));
    std::filesystem::remove_all(Dir(), ec);
    return 0;
}
