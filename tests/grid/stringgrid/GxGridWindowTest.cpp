// A string grid of 257 rows in a real window, driven by the display's pointer and keys: scrolled by
// its bar (a page click and a thumb drag), the wheel and the keys; a check box clicked; a value
// typed and committed with Enter; Delete pressed on a cell.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

#include "RealDisplay.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RealInput.h"

namespace gx {
namespace {

using namespace realinput;

TEST(GxGridWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    ui::TForm form(nullptr);
    form.SetCaption("String grid input");
    form.SetBounds(100, 100, 420, 320);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 380, 260);
    grid->SetColCount(4);
    grid->SetRowCount(257);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(20);
    grid->SetColWidths(0, 40);
    grid->SetOptions(grid->Options() | ui::goEditing | ui::goThumbTracking);
    grid->SetCells(1, 0, "Name");
    grid->SetCells(2, 0, "Active");
    grid->SetCells(3, 0, "Value");
    for (int r = 1; r < 257; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "item " + std::to_string(r));
        grid->CreateCellGraphic(2, r)->CellType = ctDataCheckBox;
        grid->SetCells(2, r, "N");
    }
    grid->Loaded();
    form.Show();
    grid->SetFocus();
    ASSERT_TRUE(WaitShown(form));
    testsupport::Shot("50_grid_input");
    const auto centre = [&](int c, int r) {
        const ui::TRect cell = grid->CellRect(c, r);
        return ui::TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    };
    const auto clickCell = [&](int c, int r) { Click(grid, centre(c, r).X, centre(c, r).Y); };
    const int barX = grid->ClientWidth() + ui::TWinControl::ScrollBarSize / 2;
    const int lastTop = grid->RowCount() - grid->VisibleRowCount();

    // A click low in the vertical bar pages down.
    Click(grid, barX, 200);
    EXPECT_GT(grid->TopRow(), 1);
    testsupport::Shot("51_grid_paged_by_bar");

    // Back to the top by keys, then the thumb dragged to the bottom shows the last page.
    clickCell(1, grid->TopRow() + 1);
    Keys("ctrl+Home");
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->Row(), 1);
    MoveTo(grid, barX, 5);
    Press();
    DragTo(grid, barX, grid->ClientHeight() + 40);
    Release();
    EXPECT_EQ(grid->TopRow(), lastTop);
    testsupport::Shot("52_grid_thumb_dragged");

    // The wheel and the keys move the current cell down.
    Keys("ctrl+Home");
    Wheel(grid, centre(1, 3).X, centre(1, 3).Y, 3);
    EXPECT_GT(grid->Row(), 1);
    testsupport::Shot("53_grid_wheel");
    Keys("ctrl+Home Down Down Page_Down");
    EXPECT_GT(grid->Row(), 3);
    testsupport::Shot("54_grid_keys");

    // A check box clicked, a value typed into the cell beside it and committed with Enter.
    Keys("ctrl+Home");
    clickCell(2, 3);
    EXPECT_EQ(grid->Cells(2, 3), "Y");
    clickCell(3, 3);
    Type("4711");
    Keys("Return");
    EXPECT_EQ(grid->Cells(3, 3), "4711");
    EXPECT_FALSE(grid->EditorMode());
    testsupport::Shot("55_grid_value_committed");

    // Delete on a cell types nothing and opens no editor; the cell keeps its text.
    clickCell(1, 4);
    Keys("Delete");
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 4), "item 4");
    testsupport::Shot("56_grid_delete_pressed");
}

}  // namespace
}  // namespace gx
