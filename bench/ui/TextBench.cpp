// Measuring and drawing cell texts through the Qt backend, as a grid does for every cell it paints.
#include <benchmark/benchmark.h>

#include "platform/ui/Graphics.h"
#include <string>

using namespace ui;

static void BM_TextExtent(benchmark::State& state)
{
    TCanvas canvas;
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetHeight(-11);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(canvas.TextExtent("Cell " + std::to_string(i++ % 1000)));
    }
}
BENCHMARK(BM_TextExtent);

static void BM_DrawTextInCell(benchmark::State& state)
{
    TBitmap bitmap(200, 40);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    int i = 0;
    for (auto _ : state) {
        TRect r{2, 2, 80, 20};
        canvas.DrawText("Value " + std::to_string(i++ % 1000), r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
}
BENCHMARK(BM_DrawTextInCell);

BENCHMARK_MAIN();
