// A string grid in a real window, driven by the display's pointer: a row dragged by its fixed cell
// shows the drop mark while the button is held and moves on release (OnRowMoved); a click on a link
// in an HTML cell hands it to the desktop's opener (recorded here, not opened).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RealDisplay.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RealInput.h"
#include "platform/ui/Shell.h"

namespace gx {
namespace {

using namespace realinput;

TEST(GxGridMouseWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    std::vector<std::string> events;
    const ui::TShellOpenHandler previous = ui::SetShellOpenHandler([&](const std::string& target) {
        events.push_back("opened " + target);
        return true;
    });
    ui::TForm form(nullptr);
    form.SetCaption("String grid mouse");
    form.SetBounds(100, 100, 420, 320);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 380, 260);
    grid->SetColCount(4);
    grid->SetRowCount(12);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(20);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(3, 150);
    grid->SetOptions(grid->Options() | ui::goRowMoving | ui::goColMoving);
    grid->SetCells(1, 0, "Name");
    grid->SetCells(2, 0, "Kind");
    grid->SetCells(3, 0, "Link");
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "item " + std::to_string(r));
    }
    grid->SetCells(3, 8, "<a href=\"https://example.org/manual\">manual</a>");
    grid->OnRowMoved = [&](TObject*, int from, int to) {
        events.push_back("moved " + std::to_string(from) + " " + std::to_string(to));
    };
    grid->Loaded();
    form.Show();
    grid->SetFocus();
    ASSERT_TRUE(WaitShown(form));
    testsupport::Shot("60_grid_mouse");
    const auto middleY = [&](int r) { return (grid->CellRect(0, r).Top + grid->CellRect(0, r).Bottom) / 2; };

    // Row 2 dragged by its fixed cell down to row 6: the mark shows while the button is held.
    MoveTo(grid, 20, middleY(2));
    Press();
    DragTo(grid, 20, middleY(4), 4);
    DragTo(grid, 20, middleY(6), 4);
    EXPECT_NE(grid->Input()->MoveMark().Y, -1) << "no drop mark while the row is dragged";
    testsupport::Shot("61_grid_row_move_mark");
    Release();
    EXPECT_EQ(grid->Cells(1, 6), "item 2");
    testsupport::Shot("62_grid_row_moved");

    // The link of row 8: a click on its text.
    const ui::TRect link = grid->CellRect(3, 8);
    Click(grid, link.Left + 12, (link.Top + link.Bottom) / 2);
    testsupport::Shot("63_grid_link_clicked");
    EXPECT_EQ(events, (std::vector<std::string>{"moved 2 6", "opened https://example.org/manual"}));
    ui::SetShellOpenHandler(previous);
}

}  // namespace
}  // namespace gx
