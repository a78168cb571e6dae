// Two string grids with proportional scroll bars side by side in a real window: 100 rows all shown
// on the left, the same rows with 60 of them hidden on the right, whose thumb is larger by the share
// of the rows left; the right thumb dragged to the bottom by the display's pointer shows the last
// page.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

#include "RealDisplay.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RealInput.h"

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
    CFG_REAL_WINDOW_TEST();
    ui::TForm form(nullptr);
    form.SetCaption("Proportional scroll bars");
    form.SetBounds(100, 100, 640, 320);
    TGxStringGrid* all = MakeGrid(form, 10);
    TGxStringGrid* hidden = MakeGrid(form, 320);
    hidden->HideRows(21, 80);
    form.Show();
    hidden->SetFocus();
    ASSERT_TRUE(realinput::WaitShown(form));
    testsupport::Shot("60_grid_scroll_bars");
    // The thumb's share of the bar: its page over the range.
    const auto share = [](TGxStringGrid* grid) {
        const ui::TScrollInfo info = grid->GetScrollInfo(ui::SB_VERT);
        return static_cast<double>(info.nPage) / (info.nMax + 1);
    };
    EXPECT_GT(share(hidden) / share(all), 2.0);

    // The right grid's thumb, at the top of its bar, dragged to the bottom.
    const int barX = hidden->ClientWidth() + ui::TWinControl::ScrollBarSize / 2;
    realinput::MoveTo(hidden, barX, 6);
    realinput::Press();
    realinput::DragTo(hidden, barX, hidden->ClientHeight() + 40);
    realinput::Release();
    testsupport::Shot("61_grid_scroll_bars_dragged");
    EXPECT_EQ(hidden->TopRow(), hidden->MaxTopRow());
    EXPECT_EQ(all->TopRow(), 1);
}

}  // namespace
}  // namespace gx
