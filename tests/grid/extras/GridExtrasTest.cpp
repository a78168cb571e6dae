// The library's extras as grids hold them: a program installs them once, every grid it makes
// afterwards sorts, copies and groups through them, and a header click reaches the sort.
#include "grid/extras/GridExtras.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace gx {
namespace {

// Every grid of these tests is made with this library's extras, as the program's grids are.
const bool kInstalled = [] {
    InstallGridExtras();
    return true;
}();

TEST(GridExtras, GridsMadeAfterTheInstallHoldTheLibrarysExtras)
{
    ASSERT_TRUE(kInstalled);
    TGxStringGrid g(nullptr);
    EXPECT_EQ(&g.Extras(), &GridExtras());
    EXPECT_TRUE(g.HasExtras());
    TGxStringGrid without(nullptr, NoGridExtras());
    EXPECT_FALSE(without.HasExtras());
}

TEST(GridExtras, AHeaderClickSortsTheRowsByTheColumn)
{
    ui::TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 250, 150);
    grid->SetColCount(2);
    grid->SetRowCount(4);
    grid->SetDefaultColWidth(60);
    grid->SetDefaultRowHeight(20);
    const std::vector<std::string> names = {"Name", "pear", "apple", "fig"};
    for (int r = 0; r < 4; ++r)
        grid->SetCells(1, r, names[static_cast<size_t>(r)]);
    grid->SortSettings()->SetShow(true);
    const ui::TRect header = grid->CellRect(1, 0);
    const int x = (header.Left + header.Right) / 2, y = (header.Top + header.Bottom) / 2;
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, x, y);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, x, y);
    EXPECT_EQ(grid->Cells(1, 1) + "," + grid->Cells(1, 2) + "," + grid->Cells(1, 3), "apple,fig,pear");
}

}  // namespace
}  // namespace gx
