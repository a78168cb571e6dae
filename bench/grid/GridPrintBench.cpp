// Printing a grid of 1,000 rows and five columns to a PDF file at the printer's default
// resolution: the time of the job, and the size and page count of the file (counters `bytes` and
// `pages`). GRID_PRINT_BENCH_PDF=file keeps the PDF there to look at.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "grid/extras/GridPrint.h"

namespace {

void BM_GridPrintPdf(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    gx::TGxStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(rows + 1);
    g.SetFixedRows(1);
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 0, std::string("Column ").append(std::to_string(c)));
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < 5; ++c)
            g.SetCells(c, r, std::string("r").append(std::to_string(r)).append(" c").append(std::to_string(c)));
    const std::string file =
        (std::filesystem::temp_directory_path() / ("grid-print-bench-" + std::to_string(::getpid()) + ".pdf")).string();
    int pages = 0;
    for (auto _ : state) {
        ui::TPrinter printer;
        printer.FileName = file;
        pages = gx::Print(g, printer);
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    if (const char* keep = std::getenv("GRID_PRINT_BENCH_PDF"))
        std::filesystem::copy_file(file, keep, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(file);
}

}  // namespace

BENCHMARK(BM_GridPrintPdf)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(5);

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
