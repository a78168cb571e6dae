// Sorting 10k, 100k and 1M rows by a text column and by a number column, beside std::stable_sort
// of the same keys in the same run; filtering beside a plain pass of the same filter; grouping by
// a column of 1,000 distinct values beside std::stable_sort of those keys and a pass over the
// runs; ungrouping and sub-grouping that grid. Each grid iteration starts from the same shuffled order (QUnSort,
// outside the timing), a grouping from a freshly filled grid.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "grid/base/VozEdidFilter.h"
#include "grid/extras/GridExtras.h"
#include "grid/extras/GridFilter.h"
#include "grid/extras/GridGroup.h"
#include "grid/extras/GridSort.h"
#include "platform/rtl/Conversions.h"

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

void GridSort(benchmark::State& state, int col)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    gx::TGxStringGrid& g = *d.Grid;
    g.SortSettings()->Full = false;  // ties stay, as std::stable_sort leaves them
    for (auto _ : state) {
        state.PauseTiming();
        gx::QUnSort(g);
        state.ResumeTiming();
        gx::Sort(g, col, gx::sdAscending);
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
        std::stable_sort(keys.begin(), keys.end());
        benchmark::DoNotOptimize(keys.data());
    }
    state.SetComplexityN(state.range(0));
}

void BM_PlainSortNumber(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> texts = d.Numbers;
        state.ResumeTiming();
        // The same work on the keys: each text read as a number once, then sorted.
        std::vector<double> keys;
        keys.reserve(texts.size());
        for (const auto& t : texts) {
            double v = 0;
            rtl::TryStrToFloat(t, v);
            keys.push_back(v);
        }
        std::stable_sort(keys.begin(), keys.end());
        benchmark::DoNotOptimize(keys.data());
    }
    state.SetComplexityN(state.range(0));
}

// Filtering: one pass hiding the rows whose number is below 500000, beside a plain pass of the
// same filter over the same texts.
void BM_GridFilter(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    gx::TGxStringGrid& g = *d.Grid;
    for (auto _ : state) {
        state.PauseTiming();
        gx::RemoveAllFilters(g);
        g.Filter()->Clear();
        gx::TFilterData* f = g.Filter()->Add();
        f->Column = 1;
        f->Condition = ">=500000";
        f->Data = gx::fcNormal;
        state.ResumeTiming();
        gx::ApplyFilter(g);
    }
    gx::RemoveAllFilters(g);  // after the timed loop
    state.SetComplexityN(state.range(0));
}

void BM_PlainFilter(benchmark::State& state)
{
    Data& d = Filled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<int> hide;
        for (std::size_t i = 0; i < d.Numbers.size(); ++i)
            if (!gx::MatchFilterExpression(">=500000", d.Numbers[i], true))
                hide.push_back(static_cast<int>(i));
        benchmark::DoNotOptimize(hide.data());
    }
    state.SetComplexityN(state.range(0));
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
        std::stable_sort(keys.begin(), keys.end());
        std::vector<std::pair<std::size_t, std::size_t>> runs;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (runs.empty() || keys[i] != keys[i - 1])
                runs.emplace_back(i, 1);
            else
                ++runs.back().second;
        benchmark::DoNotOptimize(runs.data());
    }
    state.SetComplexityN(state.range(0));
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

BENCHMARK_MAIN();
