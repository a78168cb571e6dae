// Two string grids with proportional scroll bars side by side in a real window, for the manual
// check scripts/manual/grid_scroll_bars.sh: 100 rows all shown on the left, the same rows with 60
// of them hidden on the right, whose thumb must be larger by the share of the rows left. Skipped
// unless GRID_SCROLL_WINDOW gives the seconds to keep the window open; the bars' state is written
// to GRID_SCROLL_WINDOW_REPORT when that names a file.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "GxGridWindowLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace gx {
namespace {

TGxStringGrid* MakeGrid(ui::TForm& form, int left)
{
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(left, 10, 300, 260);
    grid->SetColCount(3);
    grid->SetRowCount(101);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(20);
    grid->SetColWidths(0, 40);
    grid->SetOptions(grid->Options() | ui::goThumbTracking);
    grid->ScrollProportional = true;
    grid->SetCells(1, 0, "Name");
    for (int r = 1; r < 101; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "item " + std::to_string(r));
    }
    grid->Loaded();
    return grid;
}

TEST(GxGridScrollBarsWindow, InARealWindow)
{
    const char* seconds = std::getenv("GRID_SCROLL_WINDOW");
    if (!seconds)
        GTEST_SKIP() << "set GRID_SCROLL_WINDOW to show the window";
    ui::TForm form(nullptr);
    form.SetCaption("Proportional scroll bars");
    form.SetBounds(100, 100, 640, 320);
    TGxStringGrid* all = MakeGrid(form, 10);
    TGxStringGrid* hidden = MakeGrid(form, 320);
    hidden->HideRows(21, 80);
    form.Show();
    hidden->SetFocus();
    const char* report = std::getenv("GRID_SCROLL_WINDOW_REPORT");
    auto writeReport = [&] {
        if (!report)
            return;
        std::ofstream out(report);
        for (const auto& [name, grid] : {std::pair{"all", all}, std::pair{"hidden", hidden}}) {
            const ui::TScrollInfo info = grid->GetScrollInfo(ui::SB_VERT);
            out << name << " rows " << grid->RowCount() - 1 << " top " << grid->TopRow() << " maxtop "
                << grid->MaxTopRow() << " page " << info.nPage << " max " << info.nMax << " pos " << info.nPos << "\n";
        }
    };
    ShowWhileReporting(form, std::atoi(seconds), writeReport);
}

}  // namespace
}  // namespace gx
