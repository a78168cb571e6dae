// Sorting 10k, 100k and 1M rows by a text column and by a number column, filtering them by a
// number and grouping them by a column of 1,000 distinct values, each beside two peers in the same
// run: a plain loop of the standard library over the same texts (std::stable_sort of the keys, a
// pass reading each number, a sort and a pass over the runs), and Qt's QSortFilterProxyModel over a
// QStandardItemModel holding the same cells (its number sort reads numbers stored beside the texts,
// its filter reads each text as a number; at 1M rows only with GRID_BENCH_QT_1M=1, as it takes
// minutes there). Ungrouping and sub-grouping that grid run too, with the
// cost at 1M rows against 100k rows (about 12 for n log n). Each grid sort starts from the same
// shuffled order (QUnSort, outside the timing), a grouping from a freshly filled grid.
// Without arguments the comparisons print side by side (SideBySide.h: interleaved rounds, median
// and range of the ratios, CPU and wall); --benchmark_* arguments run the single benchmarks.
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "SideBySide.h"
#include "grid/extras/GridExtras.h"
#include "grid/extras/GridFilter.h"
#include "grid/extras/GridGroup.h"
#include "grid/extras/GridSort.h"

namespace {

std::string Word(std::mt19937& rng)
{
    static const char* syll[] = {"ka", "lo", "mi", "ne", "ru", "sa", "ti", "vo", "ze", "qu"};
    std::string w;
    const int n = 2 + static_cast<int>(rng() % 4);
    for (int i = 0; i < n; ++i)
        w += syll[rng() % 10];
    return w;
}

struct Data {
    std::unique_ptr<gx::TGxStringGrid> Grid;
    std::vector<std::string> Texts;
    std::vector<std::string> Numbers;
    std::vector<std::string> Groups;  // 1,000 distinct values
};

std::string GroupKey(std::mt19937& rng)
{
    return "g" + std::to_string(rng() % 1000);
}

Data& Filled(int rows)
{
    static std::map<int, Data> cache;
    auto it = cache.find(rows);
    if (it != cache.end())
        return it->second;
    gx::InstallGridExtras();
    Data& d = cache[rows];
    std::mt19937 rng(42);
    d.Grid = std::make_unique<gx::TGxStringGrid>(nullptr);
    d.Grid->SetColCount(3);
    d.Grid->SetRowCount(rows + 1);
    d.Grid->SetFixedRows(1);
    for (int r = 1; r <= rows; ++r) {
        d.Texts.push_back(Word(rng));
        d.Numbers.push_back(std::to_string(static_cast<int>(rng() % 1000000)) + "." + std::to_string(rng() % 100));
        d.Grid->SetCells(0, r, d.Texts.back());
        d.Grid->SetCells(1, r, d.Numbers.back());
        d.Grid->SetCells(2, r, std::to_string(r));
        d.Groups.push_back(GroupKey(rng));
    }
    gx::InitSortXRef(*d.Grid);
    return d;
}

// The grid's operations, one run each.
void GridSortRun(Data& d, int col)
{
    gx::TGxStringGrid& g = *d.Grid;
    g.SortSettings()->Full = false;  // ties stay, as std::stable_sort leaves them
    gx::Sort(g, col, gx::sdAscending);
}

// Filtering: one pass hiding the rows whose number is below 500000.
void GridFilterPrepare(Data& d)
{
    gx::TGxStringGrid& g = *d.Grid;
    gx::RemoveAllFilters(g);
    g.Filter()->Clear();
    gx::TFilterData* f = g.Filter()->Add();
    f->Column = 1;
    f->Condition = ">=500000";
    f->Data = gx::fcNormal;
}

// The plain peers: the same keys with the standard library alone.
double NumberOf(const std::string& t)
{
    double v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

void PlainSortText(std::vector<std::string>& keys)
{
    std::stable_sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
}

// The same work on the keys: each text read as a number once, then sorted with its row.
void PlainSortNumber(const std::vector<std::string>& texts)
{
    std::vector<std::pair<double, int>> keys;
    keys.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        keys.emplace_back(NumberOf(texts[i]), static_cast<int>(i));
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    benchmark::DoNotOptimize(keys.data());
}

void PlainFilter(const std::vector<std::string>& texts)
{
    std::vector<int> hide;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!(NumberOf(texts[i]) >= 500000))
            hide.push_back(static_cast<int>(i));
    benchmark::DoNotOptimize(hide.data());
}

void PlainGroup(std::vector<std::string>& keys)
{
    std::stable_sort(keys.begin(), keys.end());
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (runs.empty() || keys[i] != keys[i - 1])
            runs.emplace_back(i, 1);
        else
            ++runs.back().second;
    benchmark::DoNotOptimize(runs.data());
}

// The Qt peer: the same cells in a QStandardItemModel (text, number, group key; the number also
// as a double in Qt::UserRole for its sort) behind a QSortFilterProxyModel.
class NumberFilterProxy : public QSortFilterProxyModel {
public:
    bool filtering = false;
    void Refilter() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        if (!filtering)
            return true;
        return sourceModel()->index(row, 1, parent).data().toString().toDouble() >= 500000;
    }
};

struct QtData {
    std::unique_ptr<QStandardItemModel> Model;
    std::unique_ptr<NumberFilterProxy> Proxy;
};

QtData& QtFilled(int rows)
{
    static std::map<int, QtData> cache;
    auto it = cache.find(rows);
    if (it != cache.end())
        return it->second;
    const Data& d = Filled(rows);
    QtData& q = cache[rows];
    q.Model = std::make_unique<QStandardItemModel>(rows, 3);
    for (int r = 0; r < rows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        q.Model->setItem(r, 0, new QStandardItem(QString::fromStdString(d.Texts[i])));
        auto* number = new QStandardItem(QString::fromStdString(d.Numbers[i]));
        number->setData(NumberOf(d.Numbers[i]), Qt::UserRole);
        q.Model->setItem(r, 1, number);
        q.Model->setItem(r, 2, new QStandardItem(QString::fromStdString(d.Groups[i])));
    }
    q.Proxy = std::make_unique<NumberFilterProxy>();
    q.Proxy->setSourceModel(q.Model.get());
    return q;
}

// Back to the source order, no filter (outside the timing).
void QtReset(QtData& q)
{
    q.Proxy->filtering = false;
    q.Proxy->Refilter();
    q.Proxy->setSortRole(Qt::DisplayRole);
    q.Proxy->sort(-1);
}

void QtSort(QtData& q, int col, int role)
{
    q.Proxy->setSortRole(role);
    q.Proxy->sort(col, Qt::AscendingOrder);
    benchmark::DoNotOptimize(q.Proxy->rowCount());
}

void QtFilter(QtData& q)
{
    q.Proxy->filtering = true;
    q.Proxy->Refilter();
    benchmark::DoNotOptimize(q.Proxy->rowCount());
}

// Sorted by the group key, then one pass over the runs of equal keys.
void QtGroup(QtData& q)
{
    q.Proxy->sort(2, Qt::AscendingOrder);
    std::vector<std::pair<int, int>> runs;
    QString last;
    for (int r = 0; r < q.Proxy->rowCount(); ++r) {
        const QString key = q.Proxy->index(r, 2).data().toString();
        if (runs.empty() || key != last)
            runs.emplace_back(r, 1);
        else
            ++runs.back().second;
        last = key;
    }
    benchmark::DoNotOptimize(runs.data());
}

// A fresh grid for the group benchmarks: one fixed row and column, then text, group key and number.
std::unique_ptr<gx::TGxStringGrid> GroupGrid(const Data& d)
{
    auto g = std::make_unique<gx::TGxStringGrid>(nullptr);
    g->SetColCount(4);
    g->SetRowCount(static_cast<int>(d.Groups.size()) + 1);
    g->SetFixedRows(1);
    g->SetFixedCols(1);
    g->SortSettings()->Full = false;
    for (std::size_t i = 0; i < d.Groups.size(); ++i) {
        g->SetCells(1, static_cast<int>(i) + 1, d.Texts[i]);
        g->SetCells(2, static_cast<int>(i) + 1, d.Groups[i]);
        g->SetCells(3, static_cast<int>(i) + 1, d.Numbers[i]);
    }
    return g;
}

// --- single benchmarks ---------------------------------------------------------------------------

void GridSort(benchmark::State& state, int col)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        gx::QUnSort(*d.Grid);
        state.ResumeTiming();
        GridSortRun(d, col);
    }
    state.SetComplexityN(state.range(0));
}

void BM_GridSortText(benchmark::State& state)
{
    GridSort(state, 0);
}

void BM_GridSortNumber(benchmark::State& state)
{
    GridSort(state, 1);
}

void BM_PlainSortText(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> keys = d.Texts;
        state.ResumeTiming();
        PlainSortText(keys);
    }
    state.SetComplexityN(state.range(0));
}

void BM_PlainSortNumber(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state)
        PlainSortNumber(d.Numbers);
    state.SetComplexityN(state.range(0));
}

void BM_GridFilter(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        GridFilterPrepare(d);
        state.ResumeTiming();
        gx::ApplyFilter(*d.Grid);
    }
    gx::RemoveAllFilters(*d.Grid);  // after the timed loop
    state.SetComplexityN(state.range(0));
}

void BM_PlainFilter(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state)
        PlainFilter(d.Numbers);
    state.SetComplexityN(state.range(0));
}

// Grouping by a column of 1,000 distinct values: the sort, the node rows and the column removal.
void BM_GridGroup(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = GroupGrid(d);
        state.ResumeTiming();
        gx::Group(*g, 2);
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

// Taking the grouping of BM_GridGroup away again: header rows out, the column back with its values.
void BM_GridUnGroup(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = GroupGrid(d);
        gx::Group(*g, 2);
        state.ResumeTiming();
        gx::UnGroup(*g);
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

// A second level inside the groups of BM_GridGroup, by the text column (mostly one row a run).
void BM_GridSubGroup(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = GroupGrid(d);
        gx::Group(*g, 2);
        state.ResumeTiming();
        gx::SubGroup(*g, 1);
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void BM_PlainGroup(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> keys = d.Groups;
        state.ResumeTiming();
        PlainGroup(keys);
    }
    state.SetComplexityN(state.range(0));
}

// --- side by side --------------------------------------------------------------------------------

// The grid group benchmarks' sides: a fresh grid (grouped once for ungroup and subgroup) made
// before the timed run, the one before it freed there too.
sidebyside::Side GroupSide(const Data& d, std::unique_ptr<gx::TGxStringGrid>& g, int steps)
{
    return {[&d, &g, steps] {
                g.reset();
                g = GroupGrid(d);
                if (steps > 0)
                    gx::Group(*g, 2);
            },
            [&g, steps] {
                if (steps == 0)
                    gx::Group(*g, 2);
                else if (steps == 1)
                    gx::UnGroup(*g);
                else
                    gx::SubGroup(*g, 1);
            }};
}

void SideBySide()
{
    using sidebyside::Compare;
    using sidebyside::Print;
    using sidebyside::Side;
    for (int rows : {10000, 100000, 1000000}) {
        const int rounds = rows >= 1000000 ? 3 : 9;
        Data& d = Filled(rows);
        QtData& q = QtFilled(rows < 1000000 || std::getenv("GRID_BENCH_QT_1M") ? rows : 10000);
        std::vector<std::string> keys;
        std::printf("\n%d rows; ratios are grid / peer, median [range] of %d interleaved rounds\n", rows, rounds);
        const auto gridSort = [&](int col) {
            return Side{[&d] { gx::QUnSort(*d.Grid); }, [&d, col] { GridSortRun(d, col); }};
        };
        const auto qtSort = [&](int col, int role) {
            return Side{[&q] { QtReset(q); }, [&q, col, role] { QtSort(q, col, role); }};
        };
        const Side plainText{[&] { keys = d.Texts; }, [&] { PlainSortText(keys); }};
        const Side plainGroup{[&] { keys = d.Groups; }, [&] { PlainGroup(keys); }};
        // The proxy model takes seconds to minutes a run at 1M rows: it is compared up to 100k rows
        // (GRID_BENCH_QT_1M=1 compares it at 1M too).
        const bool qt = rows < 1000000 || std::getenv("GRID_BENCH_QT_1M");
        Print("sort text / std::stable_sort:", Compare(gridSort(0), plainText, rounds));
        if (qt)
            Print("sort text / QSortFilterProxyModel:", Compare(gridSort(0), qtSort(0, Qt::DisplayRole), rounds));
        Print("sort number / std::stable_sort (target 1.5):",
              Compare(gridSort(1), {nullptr, [&d] { PlainSortNumber(d.Numbers); }}, rounds));
        if (qt)
            Print("sort number / QSortFilterProxyModel:", Compare(gridSort(1), qtSort(1, Qt::UserRole), rounds));
        gx::QUnSort(*d.Grid);
        const Side gridFilter{[&d] { GridFilterPrepare(d); }, [&d] { gx::ApplyFilter(*d.Grid); }};
        Print("filter / plain pass (target 3):",
              Compare(gridFilter, {nullptr, [&d] { PlainFilter(d.Numbers); }}, rounds));
        if (qt)
            Print("filter / QSortFilterProxyModel:",
                  Compare(gridFilter, {[&q] { QtReset(q); }, [&q] { QtFilter(q); }}, rounds));
        gx::RemoveAllFilters(*d.Grid);
        std::unique_ptr<gx::TGxStringGrid> g;
        Print("group / std::stable_sort and runs:", Compare(GroupSide(d, g, 0), plainGroup, rounds));
        if (qt)
            Print("group / QSortFilterProxyModel and runs:",
                  Compare(GroupSide(d, g, 0), {[&q] { QtReset(q); }, [&q] { QtGroup(q); }}, rounds));
        Print("ungroup / group:", Compare(GroupSide(d, g, 1), GroupSide(d, g, 0), rounds));
        Print("subgroup / group:", Compare(GroupSide(d, g, 2), GroupSide(d, g, 0), rounds));
        g.reset();
        QtReset(q);
    }
    std::unique_ptr<gx::TGxStringGrid> big, small;
    std::printf("\nscaling (n log n: about 12)\n");
    Print("subgroup, 1M rows / 100k rows:",
          Compare(GroupSide(Filled(1000000), big, 2), GroupSide(Filled(100000), small, 2), 3));
    Print("sort number, 1M rows / 100k rows:",
          Compare({[] { gx::QUnSort(*Filled(1000000).Grid); }, [] { GridSortRun(Filled(1000000), 1); }},
                  {[] { gx::QUnSort(*Filled(100000).Grid); }, [] { GridSortRun(Filled(100000), 1); }}, 3));
}

}  // namespace

BENCHMARK(BM_GridGroup)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridUnGroup)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridSubGroup)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_PlainGroup)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridFilter)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_PlainFilter)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridSortText)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_PlainSortText)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridSortNumber)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_PlainSortNumber)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity();

int main(int argc, char** argv)
{
    bool single = false;
    for (int i = 1; i < argc; ++i)
        single = single || std::strncmp(argv[i], "--benchmark", 11) == 0;
    if (!single) {
        SideBySide();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
