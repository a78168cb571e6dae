// Filling and reading 100,000 rows x 10 columns of text through the grid's Cells (a copy) and
// CellsRef (a reference), and the memory
// each cell costs, beside Qt's QStandardItemModel doing the same in the same process.
//
// Fairness: each side reads its own string type (std::string from the grid, QString from Qt);
// texts come short (inside the short-string buffer) and long (on the heap); the grid has the size
// of a grid on screen (its cell writes invalidate cells on screen); both run with the allocator's
// settings as the program has them.
// Without arguments the sides run interleaved (SideBySide.h) and the ratios Qt / grid (above 1: the
// grid is faster; median and range of the rounds, CPU and wall) are printed with the memory per
// cell; --benchmark_* arguments run the single benchmarks instead.
#include "grid/base/BaseGrid.h"

#include <QStandardItemModel>
#include <QString>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SideBySide.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr int kScreenWidth = 1000;  // a grid on a dialog
constexpr int kScreenHeight = 600;

enum TextKind { kShort, kLong };

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

template <typename Make, typename Fill>
void RunFill(benchmark::State& state, Make make, Fill fill)
{
    const auto text = static_cast<TextKind>(state.range(0));
    Texts(text);
    QTexts(text);
    for (auto _ : state) {
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
    auto store = make();
    fill(*store, text);
    for (auto _ : state) {
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
    b->ArgNames({"long"});
    for (int text : {kShort, kLong})
        b->Args({text});
    b->Unit(benchmark::kMillisecond);
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
    const std::size_t before = HeapInUse();
    auto store = make();
    fill(*store, text);
    const std::size_t after = HeapInUse();
    return static_cast<double>(after - before) / (static_cast<double>(kRows) * kCols);
}

// The sides of one comparison for the side-by-side run.
template <typename Store, typename Make, typename Fill>
sidebyside::Side FillSide(std::unique_ptr<Store>& store, Make make, Fill fill, TextKind text)
{
    return {[&store] { store.reset(); },
            [&store, make, fill, text] {
                store = make();
                fill(*store, text);
            }};
}

template <typename Store, typename Read>
sidebyside::Side ReadSide(Store& store, Read read)
{
    return {nullptr, [&store, read] {
                std::size_t total = 0;
                for (int r = 0; r < kRows; ++r)
                    for (int c = 0; c < kCols; ++c)
                        total += read(store, c, r);
                benchmark::DoNotOptimize(total);
            }};
}

void SideBySide()
{
    constexpr int kRounds = 9;
    std::printf("%d x %d cells of text, grid %d x %d pixels; ratios are Qt / grid (above 1: grid faster), median "
                "[range] of %d interleaved rounds\n",
                kRows, kCols, kScreenWidth, kScreenHeight, kRounds);
    for (TextKind text : {kShort, kLong}) {
        Texts(text);
        QTexts(text);
        const std::string kind = text == kShort ? "short texts" : "long texts";
        std::unique_ptr<gx::TBaseGrid> grid;
        std::unique_ptr<QStandardItemModel> model;
        sidebyside::Print("fill, " + kind + ":", sidebyside::Compare(FillSide(model, NewModel, FillModel, text),
                                                                     FillSide(grid, NewGrid, FillGrid, text), kRounds));
        grid = NewGrid();
        FillGrid(*grid, text);
        model = NewModel();
        FillModel(*model, text);
        const auto qtRead = [](QStandardItemModel& m, int c, int r) {
            return static_cast<std::size_t>(m.item(r, c)->text().size());
        };
        sidebyside::Print(
            "read Cells(), " + kind + ":",
            sidebyside::Compare(ReadSide(*model, qtRead),
                                ReadSide(*grid, [](gx::TBaseGrid& g, int c, int r) { return g.Cells(c, r).size(); }),
                                kRounds));
        sidebyside::Print(
            "read CellsRef(), " + kind + " (target 2):",
            sidebyside::Compare(ReadSide(*model, qtRead),
                                ReadSide(*grid, [](gx::TBaseGrid& g, int c, int r) { return g.CellsRef(c, r).size(); }),
                                kRounds));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    bool single = false;
    for (int i = 1; i < argc; ++i)
        single = single || std::strncmp(argv[i], "--benchmark", 11) == 0;
    if (single) {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } else {
        SideBySide();
    }
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
