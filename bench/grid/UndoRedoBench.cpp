// Undo and redo of 1,000 cell changes on a 10 x 100 grid: recording the changes, taking them all
// back one by one, applying them all again; and the same changes as one sequence.
#include "grid/base/BaseGrid.h"
#include "grid/base/GridUndoRedo.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kCols = 10;
constexpr int kRows = 100;
constexpr int kChanges = 1000;

struct Fixture {
    Fixture()
    {
        grid.SetColCount(kCols + 1);
        grid.SetRowCount(kRows + 1);
        grid.SetUndoRedo(&undo);
        for (int i = 0; i < kChanges; ++i)
            texts.push_back("value " + std::to_string(i));
    }
    void Record(bool sequence)
    {
        if (sequence)
            undo.StartSequence();
        for (int i = 0; i < kChanges; ++i) {
            const int c = 1 + i % kCols, r = 1 + i / kCols;
            const std::string old = grid.Cells(c, r);
            grid.SetCells(c, r, texts[static_cast<std::size_t>(i)]);
            undo.RegisterChange(c, r, old, texts[static_cast<std::size_t>(i)]);
        }
        if (sequence)
            undo.StopSequence();
    }

    gx::TBaseGrid grid{nullptr};
    gx::TGxGridUndoRedo undo{nullptr};
    std::vector<std::string> texts;
};

void BM_UndoRedoSingleSteps(benchmark::State& state)
{
    Fixture f;
    f.Record(false);
    for (auto _ : state) {
        while (f.undo.CanUndo())
            f.undo.Undo();
        while (f.undo.CanRedo())
            f.undo.Redo();
    }
    state.SetItemsProcessed(state.iterations() * kChanges * 2);
}
BENCHMARK(BM_UndoRedoSingleSteps)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoOneSequence(benchmark::State& state)
{
    Fixture f;
    f.Record(true);
    for (auto _ : state) {
        f.undo.Undo();
        f.undo.Redo();
    }
    state.SetItemsProcessed(state.iterations() * kChanges * 2);
}
BENCHMARK(BM_UndoRedoOneSequence)->Unit(benchmark::kMicrosecond);

void BM_RecordChanges(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        f.undo.Reset();
        f.Record(false);
    }
    state.SetItemsProcessed(state.iterations() * kChanges);
}
BENCHMARK(BM_RecordChanges)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
