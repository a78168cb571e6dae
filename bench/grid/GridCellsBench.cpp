// Filling and reading 100,000 rows x 10 columns of text through the grid's Cells, and the memory
// each cell costs, beside Qt's QStandardItemModel doing the same in the same process. After the
// benchmarks the ratios (Qt / grid) are printed.
//
// Fairness: each side reads its own string type (std::string from the grid, QString from Qt);
// texts come short (inside the short-string buffer) and long (on the heap); the grid has the size
// of a grid on screen (its cell writes invalidate cells on screen); and every case runs with a
// warm heap (trimming and mapping off, a store built and freed before timing) and with a cold heap
// (memory handed back to the system before every iteration), both sides under the same regime.
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
constexpr int kScreenWidth = 1000;  // a grid on a dialog
constexpr int kScreenHeight = 600;

enum TextKind { kShort, kLong };
enum HeapKind { kWarm, kCold };

// The cell texts, made once so that both sides store the same strings: short texts fit the
// short-string buffer, long ones do not.
const std::vector<std::string>& Texts(TextKind kind)
{
    static const auto make = [](TextKind k) {
        std::vector<std::string> t;
        t.reserve(static_cast<std::size_t>(kRows) * kCols);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                std::string text(k == kShort ? "r" : "row ");
                text += std::to_string(r);
                text += k == kShort ? "c" : ", column ";
                text += std::to_string(c);
                if (k == kLong)
                    text += ": a longer cell text";
                t.push_back(std::move(text));
            }
        return t;
    };
    static const std::vector<std::string> shortTexts = make(kShort);
    static const std::vector<std::string> longTexts = make(kLong);
    return kind == kShort ? shortTexts : longTexts;
}

// QStrings of the same texts, so that Qt's fill does not pay a conversion the grid does not. Each
// item gets its own copy of the characters (as the grid copies the std::string), not a shared
// reference to these.
const std::vector<QString>& QTexts(TextKind kind)
{
    static const auto make = [](TextKind k) {
        std::vector<QString> t;
        t.reserve(Texts(k).size());
        for (const std::string& s : Texts(k))
            t.push_back(QString::fromStdString(s));
        return t;
    };
    static const std::vector<QString> shortTexts = make(kShort);
    static const std::vector<QString> longTexts = make(kLong);
    return kind == kShort ? shortTexts : longTexts;
}

std::unique_ptr<gx::TBaseGrid> NewGrid()
{
    auto grid = std::make_unique<gx::TBaseGrid>(nullptr);
    grid->SetBounds(0, 0, kScreenWidth, kScreenHeight);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    return grid;
}

void FillGrid(gx::TBaseGrid& grid, TextKind kind)
{
    const auto& texts = Texts(kind);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetCells(c, r, texts[static_cast<std::size_t>(r) * kCols + c]);
}

std::unique_ptr<QStandardItemModel> NewModel()
{
    return std::make_unique<QStandardItemModel>(kRows, kCols);
}

void FillModel(QStandardItemModel& model, TextKind kind)
{
    const auto& texts = QTexts(kind);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            const QString& text = texts[static_cast<std::size_t>(r) * kCols + c];
            model.setItem(r, c, new QStandardItem(QString(text.constData(), text.size())));
        }
}

// The heap regime of one benchmark. Warm: nothing goes back to the system while it runs. Cold:
// the default thresholds, and everything free is handed back before each iteration.
class HeapRegime {
public:
    explicit HeapRegime(HeapKind kind) : kind_(kind)
    {
        if (kind == kWarm) {
            mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
            mallopt(M_TRIM_THRESHOLD, 1 << 30);
        } else {
            mallopt(M_MMAP_THRESHOLD, 128 * 1024);
            mallopt(M_TRIM_THRESHOLD, 128 * 1024);
        }
    }
    // Runs outside the timed part of an iteration.
    void BeforeIteration() const
    {
        if (kind_ == kCold)
            malloc_trim(0);
    }

private:
    HeapKind kind_;
};

template <typename Make, typename Fill>
void RunFill(benchmark::State& state, Make make, Fill fill)
{
    const auto text = static_cast<TextKind>(state.range(0));
    const HeapRegime heap(static_cast<HeapKind>(state.range(1)));
    Texts(text);
    QTexts(text);
    {
        auto warmUp = make();  // the heap has held a store once
        fill(*warmUp, text);
    }
    for (auto _ : state) {
        state.PauseTiming();
        heap.BeforeIteration();
        state.ResumeTiming();
        auto store = make();
        fill(*store, text);
        benchmark::DoNotOptimize(store.get());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}

void BM_GridFill(benchmark::State& state)
{
    RunFill(state, NewGrid, FillGrid);
}

void BM_QtModelFill(benchmark::State& state)
{
    RunFill(state, NewModel, FillModel);
}

template <typename Make, typename Fill, typename Read>
void RunRead(benchmark::State& state, Make make, Fill fill, Read read)
{
    const auto text = static_cast<TextKind>(state.range(0));
    const HeapRegime heap(static_cast<HeapKind>(state.range(1)));
    auto store = make();
    fill(*store, text);
    for (auto _ : state) {
        state.PauseTiming();
        heap.BeforeIteration();
        state.ResumeTiming();
        std::size_t total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += read(*store, c, r);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}

void BM_GridRead(benchmark::State& state)
{
    RunRead(state, NewGrid, FillGrid, [](gx::TBaseGrid& g, int c, int r) { return g.Cells(c, r).size(); });
}

void BM_QtModelRead(benchmark::State& state)
{
    RunRead(state, NewModel, FillModel,
            [](QStandardItemModel& m, int c, int r) { return static_cast<std::size_t>(m.item(r, c)->text().size()); });
}

void Cases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"long", "cold"});
    for (int text : {kShort, kLong})
        for (int heap : {kWarm, kCold})
            b->Args({text, heap});
    // Cold iterations are few and vary with the system's page handling: the median of three runs.
    b->Repetitions(3)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_GridFill)->Apply(Cases);
BENCHMARK(BM_QtModelFill)->Apply(Cases);
BENCHMARK(BM_GridRead)->Apply(Cases);
BENCHMARK(BM_QtModelRead)->Apply(Cases);

// Heap bytes in use, from the allocator's own bookkeeping.
std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

template <typename Make, typename Fill>
double BytesPerCell(Make make, Fill fill, TextKind text)
{
    malloc_trim(0);
    const std::size_t before = HeapInUse();
    auto store = make();
    fill(*store, text);
    const std::size_t after = HeapInUse();
    return static_cast<double>(after - before) / (static_cast<double>(kRows) * kCols);
}

// Keeps each benchmark's median time per iteration for the ratio lines.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                times[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
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

    auto ratio = [&](const std::string& qt, const std::string& grid) {
        const auto q = reporter.times.find(qt), g = reporter.times.find(grid);
        return q != reporter.times.end() && g != reporter.times.end() && g->second > 0 ? q->second / g->second : 0.0;
    };
    std::printf("\n%d x %d cells of text, grid %d x %d pixels; ratios are Qt / grid (above 1: grid faster)\n", kRows,
                kCols, kScreenWidth, kScreenHeight);
    for (const char* op : {"Fill", "Read"}) {
        for (int text : {kShort, kLong}) {
            for (int heap : {kWarm, kCold}) {
                const std::string args = "/long:" + std::to_string(text) + "/cold:" + std::to_string(heap);
                std::printf("%s %-5s texts, %s heap: %.2f\n", op, text == kShort ? "short" : "long",
                            heap == kWarm ? "warm" : "cold",
                            ratio(std::string("BM_QtModel") + op + args, std::string("BM_Grid") + op + args));
            }
        }
    }
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    for (TextKind text : {kShort, kLong}) {
        Texts(text);
        QTexts(text);
        const double gridBytes = BytesPerCell(NewGrid, FillGrid, text);
        const double qtBytes = BytesPerCell(NewModel, FillModel, text);
        std::printf("memory, %-5s texts: grid %.1f bytes/cell, Qt %.1f bytes/cell, Qt / grid: %.2f\n",
                    text == kShort ? "short" : "long", gridBytes, qtBytes, gridBytes > 0 ? qtBytes / gridBytes : 0.0);
    }
    return 0;
}
