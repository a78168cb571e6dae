// Painting the visible 40 x 12 cells of a string grid into a bitmap, with 1,000 and with 100,000
// rows, beside Qt's table view rendering the same data into a QImage in the same process. The grid
// looks like a dialog table: a header row, a row-number column, coloured cells, a check-box column
// and right-aligned numbers. Without arguments both sides run interleaved (SideBySide.h) and the
// program prints Qt / grid (above 1: the grid is faster; median and range of the rounds, CPU and
// wall) and the grid's cost at 100,000 rows against 1,000 rows (1.00: independent of the row count);
// --benchmark_* arguments run the single benchmarks instead.
#include "grid/stringgrid/GxGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "SideBySide.h"

namespace {

constexpr int kCols = 13;  // the row numbers and 12 data columns
constexpr int kColWidth = 80;
constexpr int kRowHeight = 22;
constexpr int kWidth = kCols * kColWidth + 4;
constexpr int kHeight = 41 * kRowHeight + 4;  // the header and 40 rows

std::unique_ptr<gx::TGxStringGrid> NewGrid(int rows)
{
    auto grid = std::make_unique<gx::TGxStringGrid>(nullptr);
    grid->SetBounds(0, 0, kWidth, kHeight);
    grid->SetColCount(kCols);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(kColWidth);
    grid->SetDefaultRowHeight(kRowHeight);
    grid->Font()->SetName("DejaVu Sans");
    grid->Font()->SetSize(9);
    for (int c = 1; c < kCols; ++c)
        grid->SetCells(c, 0, "Column " + std::to_string(c));
    for (int r = 1; r < rows; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        for (int c = 2; c < kCols; ++c)
            grid->SetCells(c, r, std::to_string(r * c));
        grid->SetColors(3, r, 0xFEFAE0);
        grid->SetAlignments(4, r, gx::THAlignment::taRightJustify);
    }
    grid->AddCheckBoxColumn(1, false, false);
    grid->SetTopRow(rows / 2);
    return grid;
}

std::unique_ptr<QStandardItemModel> NewModel(int rows)
{
    auto model = std::make_unique<QStandardItemModel>(rows - 1, kCols - 1);
    for (int c = 1; c < kCols; ++c)
        model->setHorizontalHeaderItem(c - 1, new QStandardItem(QString("Column %1").arg(c)));
    for (int r = 1; r < rows; ++r) {
        auto* check = new QStandardItem;
        check->setCheckable(true);
        check->setCheckState(Qt::Unchecked);
        model->setItem(r - 1, 0, check);
        for (int c = 2; c < kCols; ++c) {
            auto* item = new QStandardItem(QString::number(r * c));
            if (c == 3)
                item->setBackground(QColor(0xE0, 0xFA, 0xFE));
            if (c == 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            model->setItem(r - 1, c - 1, item);
        }
    }
    return model;
}

void BM_GxPaintVisible(benchmark::State& state)
{
    auto grid = NewGrid(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(grid->PaintToBuffer());
}

// A table view showing the model from its middle row, laid out and ready to render.
std::unique_ptr<QTableView> ShowView(QStandardItemModel& model, int rows)
{
    auto view = std::make_unique<QTableView>();
    view->setModel(&model);
    view->resize(kWidth, kHeight);
    view->horizontalHeader()->setDefaultSectionSize(kColWidth);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->show();
    view->scrollTo(model.index(rows / 2, 0), QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    return view;
}

void BM_QtPaintVisible(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto model = NewModel(rows);
    auto view = ShowView(*model, rows);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

BENCHMARK(BM_GxPaintVisible)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtPaintVisible)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void SideBySide()
{
    constexpr int kRounds = 11;
    std::printf("painting the visible cells; ratios are Qt / grid (above 1: grid faster), median [range] of %d "
                "interleaved rounds\n",
                kRounds);
    std::unique_ptr<gx::TGxStringGrid> grids[2];
    std::unique_ptr<QStandardItemModel> models[2];
    std::unique_ptr<QTableView> views[2];
    const int counts[2] = {1000, 100000};
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 2; ++i) {
        grids[i] = NewGrid(counts[i]);
        models[i] = NewModel(counts[i]);
        views[i] = ShowView(*models[i], counts[i]);
    }
    const auto gridSide = [&](int i) {
        return sidebyside::Side{nullptr, [&grids, i] { benchmark::DoNotOptimize(grids[i]->PaintToBuffer()); }};
    };
    for (int i = 0; i < 2; ++i) {
        const sidebyside::Side qt{nullptr, [&views, &image, i] {
                                      views[i]->render(&image);
                                      benchmark::DoNotOptimize(image.bits());
                                  }};
        sidebyside::Print(std::to_string(counts[i]) + " rows, Qt / grid:",
                          sidebyside::Compare(qt, gridSide(i), kRounds));
    }
    sidebyside::Print("grid, 100000 rows / 1000 rows:", sidebyside::Compare(gridSide(1), gridSide(0), kRounds));
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
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
