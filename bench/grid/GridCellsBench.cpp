// Filling and reading 100,000 rows x 10 columns of text through the grid's Cells, and the memory
// each cell costs, beside Qt's QStandardItemModel doing the same in the same process. After the
// benchmarks the ratios (Qt / grid) are printed.
#include "grid/base/BaseGrid.h"

#include <QStandardItemModel>
#include <QString>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

// The cell texts, made once so that both sides store the same strings.
const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        t.reserve(static_cast<std::size_t>(kRows) * kCols);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                t.push_back("r" + std::to_string(r) + "c" + std::to_string(c));
        return t;
    }();
    return texts;
}

const std::string& Text(int c, int r)
{
    return Texts()[static_cast<std::size_t>(r) * kCols + c];
}

std::unique_ptr<gx::TBaseGrid> NewGrid()
{
    auto grid = std::make_unique<gx::TBaseGrid>(nullptr);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    return grid;
}

void FillGrid(gx::TBaseGrid& grid)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetCells(c, r, Text(c, r));
}

std::unique_ptr<QStandardItemModel> NewModel()
{
    return std::make_unique<QStandardItemModel>(kRows, kCols);
}

void FillModel(QStandardItemModel& model)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            model.setItem(r, c, new QStandardItem(QString::fromStdString(Text(c, r))));
}

void BM_GridFill(benchmark::State& state)
{
    Texts();
    for (auto _ : state) {
        auto grid = NewGrid();
        FillGrid(*grid);
        benchmark::DoNotOptimize(grid.get());
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}

void BM_QtModelFill(benchmark::State& state)
{
    Texts();
    for (auto _ : state) {
        auto model = NewModel();
        FillModel(*model);
        benchmark::DoNotOptimize(model.get());
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}

void BM_GridRead(benchmark::State& state)
{
    auto grid = NewGrid();
    FillGrid(*grid);
    for (auto _ : state) {
        std::size_t total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}

void BM_QtModelRead(benchmark::State& state)
{
    auto model = NewModel();
    FillModel(*model);
    for (auto _ : state) {
        std::size_t total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += model->item(r, c)->text().toStdString().size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}

BENCHMARK(BM_GridFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtModelFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtModelRead)->Unit(benchmark::kMillisecond);

// Heap bytes in use, from the allocator's own bookkeeping.
std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

template <typename Make, typename Fill>
double BytesPerCell(Make make, Fill fill)
{
    malloc_trim(0);
    const std::size_t before = HeapInUse();
    auto store = make();
    fill(*store);
    const std::size_t after = HeapInUse();
    return static_cast<double>(after - before) / (static_cast<double>(kRows) * kCols);
}

// Keeps each benchmark's time per iteration for the ratio lines.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    Texts();
    const double gridBytes = BytesPerCell(NewGrid, FillGrid);
    const double qtBytes = BytesPerCell(NewModel, FillModel);
    auto ratio = [&](const char* qt, const char* grid) {
        const auto q = reporter.times.find(qt), g = reporter.times.find(grid);
        return q != reporter.times.end() && g != reporter.times.end() && g->second > 0 ? q->second / g->second : 0.0;
    };
    std::printf("\n%d x %d cells of text\n", kRows, kCols);
    std::printf("fill time   Qt / grid: %.2f\n", ratio("BM_QtModelFill", "BM_GridFill"));
    std::printf("read time   Qt / grid: %.2f\n", ratio("BM_QtModelRead", "BM_GridRead"));
    std::printf("memory      grid %.1f bytes/cell, Qt %.1f bytes/cell, Qt / grid: %.2f\n", gridBytes, qtBytes,
                gridBytes > 0 ? qtBytes / gridBytes : 0.0);
    return 0;
}
