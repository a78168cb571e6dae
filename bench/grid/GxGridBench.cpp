// The string grid at 100,000 rows x 10 columns beside Qt's item model and table view in the same
// process: fill and read through Cells, inserting and removing 1,000 rows at the top, hiding and
// showing 10,000 rows (one block, and every tenth row), painting what is visible while 99 % of the
// rows are hidden, and the memory per cell. Ratios (Qt / grid) are printed at the end.
#include "grid/stringgrid/GxGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QString>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr int kWidth = 1000;  // a grid on a dialog
constexpr int kHeight = 600;
constexpr int kBlock = 1000;      // rows inserted and removed
constexpr int kHidden = 10000;    // rows hidden and shown
constexpr int kShownEvery = 100;  // 99 % hidden: every hundredth row stays

const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        t.reserve(static_cast<std::size_t>(kRows) * kCols);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                std::string text("r");
                text += std::to_string(r);
                text += "c";
                text += std::to_string(c);
                t.push_back(std::move(text));
            }
        }
        return t;
    }();
    return texts;
}

const std::vector<QString>& QTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        t.reserve(Texts().size());
        for (const std::string& s : Texts())
            t.push_back(QString::fromStdString(s));
        return t;
    }();
    return texts;
}

std::unique_ptr<gx::TGxStringGrid> NewGrid(bool fill)
{
    auto grid = std::make_unique<gx::TGxStringGrid>(nullptr);
    grid->SetBounds(0, 0, kWidth, kHeight);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    if (fill) {
        const auto& texts = Texts();
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                grid->SetCells(c, r, texts[static_cast<std::size_t>(r) * kCols + c]);
    }
    return grid;
}

std::unique_ptr<QStandardItemModel> NewModel(bool fill)
{
    auto model = std::make_unique<QStandardItemModel>(kRows, kCols);
    if (fill) {
        const auto& texts = QTexts();
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                const QString& text = texts[static_cast<std::size_t>(r) * kCols + c];
                model->setItem(r, c, new QStandardItem(QString(text.constData(), text.size())));
            }
        }
    }
    return model;
}

// --- fill and read ------------------------------------------------------------------------------------

void BM_GxFill(benchmark::State& state)
{
    Texts();
    for (auto _ : state) {
        auto grid = NewGrid(true);
        benchmark::DoNotOptimize(grid.get());
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

void BM_QtFill(benchmark::State& state)
{
    QTexts();
    for (auto _ : state) {
        auto model = NewModel(true);
        benchmark::DoNotOptimize(model.get());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_GxRead(benchmark::State& state)
{
    auto grid = NewGrid(true);
    for (auto _ : state) {
        std::size_t total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_QtRead(benchmark::State& state)
{
    auto model = NewModel(true);
    for (auto _ : state) {
        std::size_t total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                total += static_cast<std::size_t>(model->item(r, c)->text().size());
        benchmark::DoNotOptimize(total);
    }
}

// --- rows at the top ------------------------------------------------------------------------------------

void BM_GxInsertRemoveTop(benchmark::State& state)
{
    auto grid = NewGrid(true);
    for (auto _ : state) {
        grid->InsertRows(1, kBlock);
        grid->RemoveRows(1, kBlock);
    }
}

void BM_QtInsertRemoveTop(benchmark::State& state)
{
    auto model = NewModel(true);
    for (auto _ : state) {
        model->insertRows(1, kBlock);
        model->removeRows(1, kBlock);
    }
}

// --- hiding and showing 10,000 rows ------------------------------------------------------------------------

void BM_GxHideShowBlock(benchmark::State& state)
{
    auto grid = NewGrid(true);
    for (auto _ : state) {
        grid->HideRows(kRows / 2, kRows / 2 + kHidden - 1);
        grid->UnHideRows(kRows / 2, kRows / 2 + kHidden - 1);
    }
}

void BM_GxHideShowEveryTenth(benchmark::State& state)
{
    auto grid = NewGrid(true);
    gx::TIntList rows(0, 0);
    for (int i = 0; i < kHidden; ++i)
        rows.Add(1 + i * (kRows / kHidden));
    for (auto _ : state) {
        grid->HideRowList(rows);
        grid->UnHideRowList();
        grid->SetFilterLevel(0);
    }
}

// One table view for every Qt case; it goes before the application object does.
std::unique_ptr<QTableView> gView;

QTableView& View(QStandardItemModel* model)
{
    if (!gView)
        gView = std::make_unique<QTableView>();
    gView->setModel(model);
    gView->resize(kWidth, kHeight);
    gView->show();
    return *gView;
}

void BM_QtHideShowBlock(benchmark::State& state)
{
    auto model = NewModel(true);
    QTableView& view = View(model.get());
    for (auto _ : state) {
        for (int r = kRows / 2; r < kRows / 2 + kHidden; ++r)
            view.setRowHidden(r, true);
        for (int r = kRows / 2; r < kRows / 2 + kHidden; ++r)
            view.setRowHidden(r, false);
        QApplication::processEvents();
    }
    view.setModel(nullptr);
}

void BM_QtHideShowEveryTenth(benchmark::State& state)
{
    auto model = NewModel(true);
    QTableView& view = View(model.get());
    for (auto _ : state) {
        for (int i = 0; i < kHidden; ++i)
            view.setRowHidden(1 + i * (kRows / kHidden), true);
        for (int i = 0; i < kHidden; ++i)
            view.setRowHidden(1 + i * (kRows / kHidden), false);
        QApplication::processEvents();
    }
    view.setModel(nullptr);
}

// --- painting with 99 % of the rows hidden -------------------------------------------------------------------

void BM_GxPaintHiddenByHeight(benchmark::State& state)
{
    auto grid = NewGrid(true);
    for (int r = 1; r < kRows; ++r)
        if (r % kShownEvery != 0)
            grid->SetRowHeights(r, 0);
    grid->SetTopRow(kRows / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(grid->PaintToBuffer());
}

void BM_GxPaintHiddenRows(benchmark::State& state)
{
    auto grid = NewGrid(true);
    gx::TIntList rows(0, 0);
    for (int r = 1; r < kRows; ++r)
        if (r % kShownEvery != 0)
            rows.Add(r);
    grid->HideRowList(rows);
    grid->SetTopRow(grid->RowCount() / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(grid->PaintToBuffer());
}

void BM_QtPaintHiddenRows(benchmark::State& state)
{
    auto model = NewModel(true);
    QTableView& view = View(model.get());
    view.setUpdatesEnabled(false);
    for (int r = 1; r < kRows; ++r)
        if (r % kShownEvery != 0)
            view.setRowHidden(r, true);
    view.setUpdatesEnabled(true);
    view.scrollTo(model->index(kRows / 2, 0), QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    view.setModel(nullptr);
}

BENCHMARK(BM_GxFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GxRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GxInsertRemoveTop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtInsertRemoveTop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GxHideShowBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtHideShowBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GxHideShowEveryTenth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtHideShowEveryTenth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GxPaintHiddenByHeight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GxPaintHiddenRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtPaintHiddenRows)->Unit(benchmark::kMillisecond);

std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

template <typename Make>
double BytesPerCell(Make make)
{
    malloc_trim(0);
    const std::size_t before = HeapInUse();
    auto store = make(true);
    const std::size_t after = HeapInUse();
    return static_cast<double>(after - before) / (static_cast<double>(kRows) * kCols);
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Both clocks are kept: this machine is shared, so the wall time of a single-threaded case
        // also measures the other processes, while the CPU time of the main thread misses work Qt
        // may wait for elsewhere. With repetitions the median counts.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.repetitions > 1)
                continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            cpu[run.run_name.function_name] = run.GetAdjustedCPUTime();
            wall[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> cpu;
    std::map<std::string, double> wall;
};

double Ratio(const std::map<std::string, double>& times, const std::string& qt, const std::string& grid)
{
    const auto q = times.find(qt);
    const auto g = times.find(grid);
    return q == times.end() || g == times.end() || g->second <= 0 ? 0.0 : q->second / g->second;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    gView.reset();

    const auto line = [&](const char* what, const std::string& qt, const std::string& grid) {
        std::printf("%-38s %6.2f %6.2f   (grid %.2f ms)\n", what, Ratio(reporter.cpu, qt, grid),
                    Ratio(reporter.wall, qt, grid), reporter.wall[grid]);
    };
    std::printf("\n%d x %d cells, grid %d x %d pixels; ratios Qt / grid (above 1: grid faster)\n", kRows, kCols, kWidth,
                kHeight);
    std::printf("%-38s %6s %6s\n", "", "CPU", "wall");
    line("fill through Cells", "BM_QtFill", "BM_GxFill");
    line("read through Cells", "BM_QtRead", "BM_GxRead");
    line("insert and remove 1000 rows at top", "BM_QtInsertRemoveTop", "BM_GxInsertRemoveTop");
    line("hide and show 10000 rows, one block", "BM_QtHideShowBlock", "BM_GxHideShowBlock");
    line("hide and show 10000 rows, scattered", "BM_QtHideShowEveryTenth", "BM_GxHideShowEveryTenth");
    line("paint, 99 % rows hidden by height", "BM_QtPaintHiddenRows", "BM_GxPaintHiddenByHeight");
    line("paint, 99 % rows hidden", "BM_QtPaintHiddenRows", "BM_GxPaintHiddenRows");
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    const double gridBytes = BytesPerCell(NewGrid);
    const double qtBytes = BytesPerCell(NewModel);
    std::printf("memory: grid %.1f bytes/cell, Qt %.1f bytes/cell, Qt / grid: %.2f\n", gridBytes, qtBytes,
                gridBytes > 0 ? qtBytes / gridBytes : 0.0);
    return 0;
}
