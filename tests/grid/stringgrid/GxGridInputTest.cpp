// The string grid driven by keys and the mouse as a dialog's table is: moving with the arrows,
// Home/End and Page keys past fixed cells, Space and clicks on check boxes, clicks, header clicks
// and double clicks, column sizing, Enter on cells that may not be edited, typing a value, Tab
// and the Enter advance over read-only cells, and the cell hint.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridHintWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/stringgrid/GxGridInput.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

#include "GridExtrasDouble.h"
#include "grid/stringgrid/GxGridEdit.h"

namespace gx {
namespace {

using Log = std::vector<std::string>;

// A form holding a grid of 5 columns (1 fixed) and 10 rows (1 fixed) with a check-box column 3.
class GxGridInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientWidth(500);
        form.SetClientHeight(400);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(5);
        grid->SetRowCount(10);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        grid->SetOptions(grid->Options() | ui::goEditing);
        for (int r = 1; r < 10; ++r) {
            grid->CreateCellGraphic(3, r)->CellType = ctDataCheckBox;
            grid->SetCells(3, r, "N");
        }
        grid->SetFocus();
    }
    ui::TPoint Center(int c, int r) const
    {
        const ui::TRect rc = grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void Click(int c, int r)
    {
        const ui::TPoint p = Center(c, r);
        ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, p.X, p.Y);
        ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, p.X, p.Y);
    }
    void Key(unsigned vk, ui::TShiftState shift = 0, char32_t ch = 0) { ui::SendKeyStroke(grid, vk, shift, ch); }
    void Record(Log& log)
    {
        grid->OnCheckBoxChange = [&log](TObject*, int c, int r, bool s) {
            log.push_back("change " + std::to_string(c) + "," + std::to_string(r) + (s ? " on" : " off"));
        };
        grid->OnCheckBoxClick = [&log](TObject*, int c, int r, bool s) {
            log.push_back("checkclick " + std::to_string(c) + "," + std::to_string(r) + (s ? " on" : " off"));
        };
        grid->OnMouseDown = [&log](TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
            log.push_back("mousedown");
        };
        grid->OnClick = [&log](TObject*) { log.push_back("click"); };
        grid->OnClickCell = [&log, this](TObject*, int r, int c) {
            log.push_back("clickcell " + std::to_string(r) + "," + std::to_string(c) + " at " +
                          std::to_string(grid->Row()) + "," + std::to_string(grid->Col()));
        };
    }

    TGridExtrasDouble extras;  // header clicks sort nothing here
    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form, extras);
};

struct NavCase {
    const char* name;
    int col, row;
    unsigned key;
    ui::TShiftState shift;
    int wantCol, wantRow;
};

TEST_F(GxGridInput, KeysMoveTheCurrentCellPastCellsTheGridReportsFixed)
{
    // Column 2 counts as fixed (as a dialog's read-only key column does through OnIsFixedCell).
    grid->OnIsFixedCell = [](TObject*, int, int c, bool& fixed) { fixed = fixed || c == 2; };
    const NavCase cases[] = {
        {"Right steps over the fixed column", 1, 3, ui::VK_RIGHT, 0, 3, 3},
        {"Left steps back over it", 3, 3, ui::VK_LEFT, 0, 1, 3},
        {"Down moves one row", 1, 3, ui::VK_DOWN, 0, 1, 4},
        {"Up stops at the first normal row", 1, 1, ui::VK_UP, 0, 1, 1},
        {"Home goes to the first column that may be selected", 4, 5, ui::VK_HOME, 0, 1, 5},
        {"End goes to the last column", 1, 5, ui::VK_END, 0, 4, 5},
        {"Ctrl+Home goes to the first row", 4, 6, ui::VK_HOME, ui::ssCtrl, 1, 1},
        {"Page Down moves by a page", 1, 1, ui::VK_NEXT, 0, 1, 9},
        {"Page Up comes back to the first row", 1, 9, ui::VK_PRIOR, 0, 1, 1},
    };
    for (const NavCase& c : cases) {
        SCOPED_TRACE(c.name);
        grid->MoveToCell(c.col, c.row);
        Key(c.key, c.shift);
        EXPECT_EQ(grid->Col(), c.wantCol);
        EXPECT_EQ(grid->Row(), c.wantRow);
    }
}

TEST_F(GxGridInput, WithoutSkippingAnArrowIsRefusedByAFixedNeighbour)
{
    // Only the walk over fixed cells is switched off; the cell-selection test still refuses a fixed
    // cell as the current one.
    grid->OnIsFixedCell = [](TObject*, int, int c, bool& fixed) { fixed = fixed || c == 2; };
    grid->Navigation()->SetSkipFixedCells(false);
    grid->MoveToCell(1, 3);
    Key(ui::VK_RIGHT);
    EXPECT_EQ(grid->Col(), 1);
    grid->Navigation()->SetSkipFixedCells(true);
    Key(ui::VK_RIGHT);
    EXPECT_EQ(grid->Col(), 3);
}

TEST_F(GxGridInput, HomeAndEndByCellFireOnKeyDownWithTheirKey)
{
    grid->Navigation()->SetHomeEndKey(heFirstLastCell);
    std::vector<unsigned> keys;
    grid->OnKeyDown = [&](TObject*, unsigned& k, ui::TShiftState) { keys.push_back(k); };
    grid->MoveToCell(2, 4);
    Key(ui::VK_END);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 9);
    Key(ui::VK_HOME);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(keys, (std::vector<unsigned>{ui::VK_END, ui::VK_HOME}));
}

TEST_F(GxGridInput, SpaceTogglesAnEditableCheckBoxOnlyAndReportsTheChangeThenTheClick)
{
    Log log;
    Record(log);
    grid->MoveToCell(3, 2);
    Key(ui::VK_SPACE, 0, U' ');
    EXPECT_EQ(grid->Cells(3, 2), "Y");
    EXPECT_EQ(log, (Log{"change 3,2 on", "checkclick 3,2 on"}));
    EXPECT_FALSE(grid->EditorMode());  // the space opened no editor

    log.clear();
    grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c != 3; };
    Key(ui::VK_SPACE, 0, U' ');
    EXPECT_EQ(grid->Cells(3, 2), "Y");  // read-only column: nothing
    EXPECT_TRUE(log.empty());
    grid->ControlLook()->CheckAlwaysActive = true;
    Key(ui::VK_SPACE, 0, U' ');
    EXPECT_EQ(grid->Cells(3, 2), "N");
}

TEST_F(GxGridInput, AClickOnACheckBoxTogglesItInTheDesktopsEventOrder)
{
    Log log;
    Record(log);
    grid->MoveToCell(1, 1);
    Click(3, 4);
    EXPECT_EQ(grid->Cells(3, 4), "Y");
    EXPECT_EQ(log, (Log{"change 3,4 on", "checkclick 3,4 on", "mousedown", "click"}));
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);

    // A read-only column: the cell only becomes current, as a plain click does.
    log.clear();
    grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c != 3; };
    Click(3, 5);
    EXPECT_EQ(grid->Cells(3, 5), "N");
    EXPECT_EQ(log, (Log{"mousedown", "clickcell 5,3 at 5,3", "click"}));
}

TEST_F(GxGridInput, WithPreciseChecksAClickBesideTheBoxIsAPlainClick)
{
    Log log;
    Record(log);
    grid->MouseActions()->SetPreciseCheckBoxCheck(true);
    const ui::TRect cell = grid->CellRect(3, 2);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, cell.Right - 5, cell.Top + 10);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, cell.Right - 5, cell.Top + 10);
    EXPECT_EQ(grid->Cells(3, 2), "N");
    EXPECT_EQ(log, (Log{"mousedown", "clickcell 2,3 at 2,3", "click"}));

    log.clear();  // the box itself sits at the left, 2 pixels in
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, cell.Left + 5, cell.Top + 5);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, cell.Left + 5, cell.Top + 5);
    EXPECT_EQ(grid->Cells(3, 2), "Y");
}

TEST_F(GxGridInput, PlainAndHeaderClicksFireOnClickCellAfterTheMove)
{
    Log log;
    Record(log);
    Click(2, 6);
    EXPECT_EQ(log, (Log{"mousedown", "clickcell 6,2 at 6,2", "click"}));

    log.clear();
    const ui::TPoint header = Center(4, 0);
    ui::SendClick(grid, header.X, header.Y);
    EXPECT_EQ(log, (Log{"mousedown", "clickcell 0,4 at 6,2", "click"}));

    // Right of the last column: no cell, no OnClickCell.
    log.clear();
    ui::SendClick(grid, grid->CellRect(4, 3).Right + 20, Center(4, 3).Y);
    EXPECT_EQ(log, (Log{"mousedown", "click"}));
}

TEST_F(GxGridInput, DraggingAHeaderBorderEndsTheSizingOnceAndAReleaseOutsideCancelsIt)
{
    grid->SetOptions(grid->Options() | ui::goColSizing);
    std::vector<int> ended;
    Log log;
    Record(log);
    grid->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    const ui::TRect h = grid->CellRect(2, 0);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, h.Right - 1, 5);
    for (int x = h.Right; x <= h.Right + 30; x += 10)
        ui::SendMouseMove(grid, x, 5, ui::ssLeft);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, h.Right + 30, 5);
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(grid->ColWidths(2), 90);
    EXPECT_EQ(log, (Log{"mousedown"}));  // a border press is no cell click

    // Released beyond the grid's right edge: cancelled; above the header: kept.
    ended.clear();
    const ui::TRect h3 = grid->CellRect(3, 0);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, h3.Right - 1, 5);
    ui::SendMouseMove(grid, grid->ClientWidth() + 20, 5, ui::ssLeft);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, grid->ClientWidth() + 20, 5);
    EXPECT_TRUE(ended.empty());
    EXPECT_EQ(grid->ColWidths(3), 60);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, h3.Right - 1, 5);
    ui::SendMouseMove(grid, h3.Right + 10, -30, ui::ssLeft);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, h3.Right + 10, -30);
    EXPECT_EQ(ended, std::vector<int>{3});
    EXPECT_EQ(grid->ColWidths(3), 70);
}

TEST_F(GxGridInput, SizingReportsTheWidthAtTheMouseAndRowsEndOnceOrCancelOutside)
{
    grid->SetOptions(grid->Options() | ui::goColSizing | ui::goRowSizing);
    std::vector<int> sizing;
    grid->OnColumnSizing = [&](TObject*, int c, int w) { sizing.push_back(c * 1000 + w); };
    const ui::TRect h = grid->CellRect(2, 0);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, h.Right - 1, 5);
    ui::SendMouseMove(grid, h.Right + 10, 5, ui::ssLeft);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, h.Right + 10, 5);
    EXPECT_EQ(sizing, std::vector<int>{2070});

    std::vector<int> ended, live;
    grid->OnEndRowSize = [&](TObject*, int r) { ended.push_back(r); };
    grid->OnRowSizing = [&](TObject*, int r, int height) { live.push_back(r * 1000 + height); };
    const ui::TRect r3 = grid->CellRect(0, 3);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, 5, r3.Bottom - 1);
    ui::SendMouseMove(grid, 5, r3.Bottom + 5, ui::ssLeft);
    ui::SendMouseMove(grid, 5, r3.Bottom + 10, ui::ssLeft);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, 5, r3.Bottom + 10);
    EXPECT_EQ(ended, std::vector<int>{3});
    EXPECT_EQ(live, (std::vector<int>{3025, 3030}));
    EXPECT_EQ(grid->RowHeights(3), 30);

    ended.clear();
    const ui::TRect r4 = grid->CellRect(0, 4);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, 5, r4.Bottom - 1);
    ui::SendMouseMove(grid, 5, grid->ClientHeight() + 20, ui::ssLeft);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, 5, grid->ClientHeight() + 20);
    EXPECT_TRUE(ended.empty());
    EXPECT_EQ(grid->RowHeights(4), 20);
}

TEST_F(GxGridInput, OnCanClickCellRefusingKeepsThePressFromEverything)
{
    Log log;
    Record(log);
    grid->OnCanClickCell = [](TObject*, int r, int, bool& allow) { allow = r != 6; };
    grid->MoveToCell(1, 1);
    Click(2, 6);
    Click(3, 6);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cells(3, 6), "N");
    EXPECT_TRUE(log.empty());  // the framework never saw the presses: no click either
    Click(3, 5);
    EXPECT_EQ(grid->Cells(3, 5), "Y");
}

TEST_F(GxGridInput, TheReleaseOnACheckBoxOrRadioGroupReportsItsState)
{
    std::vector<std::string> ups;
    grid->OnCheckBoxMouseUp = [&](TObject*, int c, int r, bool s) {
        ups.push_back(std::to_string(c) + "," + std::to_string(r) + (s ? " on" : " off"));
    };
    grid->CreateRadio(2, 6, 0, 1);
    grid->OnRadioMouseUp = [&](TObject*, int c, int r, int index) {
        ups.push_back("radio " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(index));
    };
    Click(3, 4);
    Click(3, 4);
    Click(2, 4);  // no check box: nothing
    Click(2, 6);
    EXPECT_EQ(ups, (std::vector<std::string>{"3,4 on", "3,4 off", "radio 2,6 1"}));
}

TEST_F(GxGridInput, FixedCellsSelectWholeRowsColumnsOrAllAndShowTheirPointers)
{
    grid->SetOptions(grid->Options() | ui::goRangeSelect | ui::goColSizing);
    grid->MouseActions()->SetRowSelect(true);
    grid->MouseActions()->SetColSelect(true);
    grid->MouseActions()->SetAllSelect(true);
    std::vector<std::string> changes;
    grid->OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) {
        changes.push_back(std::to_string(l) + "," + std::to_string(t) + "-" + std::to_string(r) + "," +
                          std::to_string(b));
    };
    const auto hover = [&](int c, int r) {
        const ui::TPoint p = Center(c, r);
        ui::SendMouseMove(grid, p.X, p.Y);
        return grid->Cursor();
    };
    EXPECT_EQ(hover(0, 4), kRowCursor);
    EXPECT_EQ(hover(2, 0), kColumnCursor);
    EXPECT_EQ(hover(0, 0), kAllCursor);
    EXPECT_NE(hover(2, 4), kRowCursor);
    EXPECT_EQ(grid->MouseSelectMode, msNormal);
    const ui::TRect h = grid->CellRect(2, 0);
    ui::SendMouseMove(grid, h.Right - 1, 5);  // a sizing border stays a sizing border
    EXPECT_EQ(grid->Cursor(), ui::crHSplit);

    // A press on the fixed column selects the row; dragging down extends it by whole rows.
    hover(0, 4);
    const ui::TPoint p4 = Center(0, 4), p6 = Center(0, 6);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, p4.X, p4.Y);
    ui::SendMouseMove(grid, p6.X, p6.Y, ui::ssLeft);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, p6.X, p6.Y);
    EXPECT_EQ(grid->Selection(), (ui::TGridRect{1, 4, 4, 6}));

    hover(3, 0);
    ui::SendClick(grid, Center(3, 0).X, Center(3, 0).Y);
    EXPECT_EQ(grid->Selection(), (ui::TGridRect{3, 1, 3, 9}));
    hover(0, 0);
    ui::SendClick(grid, Center(0, 0).X, Center(0, 0).Y);
    EXPECT_EQ(grid->Selection(), (ui::TGridRect{1, 1, 4, 9}));
    EXPECT_EQ(changes, (std::vector<std::string>{"1,4-4,4", "1,4-4,6", "3,1-3,9", "1,1-4,9"}));

    // Without RowSelect the fixed column is no row pointer and a press selects nothing.
    grid->MouseActions()->SetRowSelect(false);
    EXPECT_NE(hover(0, 2), kRowCursor);
    ui::SendClick(grid, Center(0, 2).X, Center(0, 2).Y);
    EXPECT_EQ(grid->Selection(), (ui::TGridRect{1, 1, 4, 9}));
}

TEST_F(GxGridInput, AHeaderClickSortsByTheColumnOnlyWithShowAndAsOnCanSortAllows)
{
    grid->SetOptions(grid->Options() | ui::goColSizing);
    std::vector<int> sorted;
    grid->OnClickSort = [&](TObject*, int c) { sorted.push_back(c); };
    TSortSettings& sort = *grid->SortSettings();
    const auto clickHeader = [&](int c) { ui::SendClick(grid, Center(c, 0).X, Center(c, 0).Y); };

    clickHeader(2);
    EXPECT_EQ(sort.Column, -1);  // Show off: a header click never sorts

    sort.SetShow(true);
    sort.UndoSort = true;
    clickHeader(2);
    EXPECT_EQ(sort.Column, 2);
    EXPECT_EQ(sort.Direction, sdAscending);
    clickHeader(2);
    EXPECT_EQ(sort.Direction, sdDescending);
    clickHeader(2);
    EXPECT_EQ(sort.Column, -1);  // UndoSort: back to unsorted
    clickHeader(4);
    EXPECT_EQ(sort.Column, 4);

    // Refused by OnCanSort or an ignored column; a click on a normal row or a border double click.
    grid->OnCanSort = [](TObject*, int c, bool& doSort) { doSort = doSort && c != 1; };
    grid->IgnoreColumns()->Add(3);
    clickHeader(1);
    clickHeader(3);
    Click(2, 4);
    const ui::TRect h = grid->CellRect(2, 0);
    ui::SendDoubleClick(grid, ui::TMouseButton::mbLeft, h.Right - 1, 5);
    EXPECT_EQ(sort.Column, 4);
    EXPECT_EQ(sorted, (std::vector<int>{2, 2, 2, 4}));
}

TEST_F(GxGridInput, SpaceAndShiftMovesBuildTheDisjunctCellSelection)
{
    grid->SetOptions((grid->Options() & ~ui::goEditing) | ui::goRangeSelect);
    grid->MouseActions()->SetDisjunctCellSelect(true);
    const auto listed = [&] {
        std::vector<std::pair<int, int>> cells;
        for (int i = 0; i < grid->SelectedCellsCount(); ++i)
            cells.emplace_back(grid->SelectedCell(i).X, grid->SelectedCell(i).Y);
        std::sort(cells.begin(), cells.end());
        return cells;
    };
    grid->MoveToCell(1, 2);
    Key(ui::VK_SPACE, 0, U' ');
    grid->MoveToCell(2, 5);
    Key(ui::VK_SPACE, ui::ssCtrl, U' ');
    EXPECT_EQ(listed(), (std::vector<std::pair<int, int>>{{1, 2}, {2, 5}}));
    Key(ui::VK_SPACE, ui::ssCtrl, U' ');  // Ctrl toggles it off again
    EXPECT_EQ(listed(), (std::vector<std::pair<int, int>>{{1, 2}}));
    Key(ui::VK_SPACE, 0, U' ');  // without Ctrl the list starts anew
    EXPECT_EQ(listed(), (std::vector<std::pair<int, int>>{{2, 5}}));

    // Refused by OnSelectCell: the list stays.
    grid->OnSelectCell = [](TObject*, int c, int, bool& can) { can = c != 4; };
    grid->MoveToCell(4, 5);
    Key(ui::VK_SPACE, 0, U' ');
    EXPECT_EQ(listed(), (std::vector<std::pair<int, int>>{{2, 5}}));

    // Shift+Down spans a range: its cells but the current one join the list.
    grid->OnSelectCell = nullptr;
    grid->MoveToCell(1, 7);
    Key(ui::VK_DOWN, ui::ssShift);
    EXPECT_EQ(listed(), (std::vector<std::pair<int, int>>{{1, 7}, {2, 5}}));
}

TEST_F(GxGridInput, AMovedColumnKeepsTheCurrentAndTheSortColumnOnTheirData)
{
    struct MoveCase {
        int current, sorted, from, to;
        int wantCurrent, wantSorted;
    };
    const MoveCase cases[] = {
        {2, 2, 2, 4, 4, 4},  // the moved column itself
        {3, 4, 1, 4, 2, 3},  // columns after it shift left
        {1, 2, 4, 1, 2, 3},  // moved left: the ones between shift right
        {1, 4, 2, 3, 1, 4},  // outside the move: unchanged
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "->" + std::to_string(c.to));
        for (int col = 1; col < 5; ++col)
            grid->SetCells(col, 1, "c" + std::to_string(col));
        grid->MoveToCell(c.current, 1);
        grid->SortSettings()->Column = c.sorted;
        const std::string currentText = grid->Cells(c.current, 1);
        grid->MoveColumn(c.from, c.to);
        EXPECT_EQ(grid->Col(), c.wantCurrent);
        EXPECT_EQ(grid->Cells(grid->Col(), 1), currentText);
        EXPECT_EQ(grid->SortSettings()->Column, c.wantSorted);
        grid->MoveColumn(c.to, c.from);  // and back
    }
}

TEST_F(GxGridInput, LeavingTheGridTakesTheHoverLookOffTheFixedCell)
{
    grid->HoverFixedCells = hfAll;
    const ui::TPoint p = Center(2, 0);
    ui::SendMouseMove(grid, p.X, p.Y);
    EXPECT_EQ(grid->Pointer.HoverFixedX, 2);
    grid->MouseSelectMode = msColumn;
    grid->Perform(ui::CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(grid->Pointer.HoverFixedX, -1);
    EXPECT_EQ(grid->MouseSelectMode, msNormal);
}

TEST_F(GxGridInput, ADoubleClickOnAHeaderBorderSizesTheColumnToItsText)
{
    grid->SetOptions(grid->Options() | ui::goColSizing);
    grid->SetCells(2, 5, "a text much wider than sixty pixels");
    std::vector<int> ended;
    grid->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    const ui::TRect h3 = grid->CellRect(3, 0);
    ui::SendDoubleClick(grid, ui::TMouseButton::mbLeft, h3.Left + 1, 5);
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_GT(grid->ColWidths(2), 60);
    EXPECT_EQ(grid->ColWidths(3), 60);
}

TEST_F(GxGridInput, ADoubleClickOnACellFiresOnDblClickThenOnDblClickCell)
{
    Log log;
    grid->OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
    grid->OnDblClickCell = [&](TObject*, int r, int c) {
        log.push_back("dblclickcell " + std::to_string(r) + "," + std::to_string(c));
    };
    const ui::TPoint p = Center(2, 7);
    ui::SendDoubleClick(grid, ui::TMouseButton::mbLeft, p.X, p.Y);
    EXPECT_EQ(log, (Log{"dblclick", "dblclickcell 7,2"}));
}

TEST_F(GxGridInput, EnterOnACellThatMayNotBeEditedReachesOnKeyDownAndOnKeyPress)
{
    grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c != 1; };
    Log log;
    grid->OnKeyDown = [&](TObject*, unsigned& k, ui::TShiftState) { log.push_back("down " + std::to_string(k)); };
    grid->OnKeyPress = [&](TObject*, char32_t& k) { log.push_back("press " + std::to_string(int(k))); };
    grid->MoveToCell(1, 2);
    Key(ui::VK_RETURN, 0, U'\r');
    EXPECT_EQ(log, (Log{"down 13", "press 13"}));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GxGridInput, ATypedValueIsStoredWhenEnterClosesTheEditor)
{
    grid->MoveToCell(2, 3);
    ui::SendText(&form, "42");
    ASSERT_TRUE(grid->EditorMode());
    ui::SendKeyStroke(grid->InplaceEditor(), ui::VK_RETURN, 0, U'\r');
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 3), "42");
    EXPECT_EQ(grid->Row(), 3);  // Enter does not advance by default
}

TEST_F(GxGridInput, TabAndEnterAdvanceTakeOneBoundedPassOverReadOnlyCells)
{
    grid->SetOptions(grid->Options() | ui::goTabs);
    int asked = 0;
    grid->OnCanEditCell = [&](TObject*, int, int, bool& can) {
        ++asked;
        can = false;
    };
    grid->MoveToCell(1, 1);
    Key(ui::VK_TAB, 0, U'\t');
    EXPECT_LT(asked, 1000);

    grid->Navigation()->SetAdvanceOnEnter(true);
    asked = 0;
    grid->MoveToCell(1, 1);
    grid->AdvanceCell(1, 1, false, true, false);
    EXPECT_LT(asked, 1000);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);

    // One editable cell further on: both walks stop there.
    grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c == 4; };
    grid->AdvanceCell(1, 1, false, true, false);
    EXPECT_EQ(grid->Col(), 4);
    grid->MoveToCell(1, 2);
    Key(ui::VK_TAB, 0, U'\t');
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GxGridInput, TheCellHintComesFromOnGridHint)
{
    grid->SetShowHint(true);
    grid->OnGridHint = [](TObject*, int r, int c, std::string& hint) {
        hint = "row " + std::to_string(r) + " col " + std::to_string(c);
    };
    ui::THintInfo info;
    ASSERT_TRUE(ui::GetApplication()->RequestHint(grid, Center(2, 5), info));
    EXPECT_EQ(info.HintStr, "row 5 col 2");
    EXPECT_EQ(info.CursorRect, grid->CellRect(2, 5));
}

TEST_F(GxGridInput, ARefusedValueKeepsTheFocusInTheGridBeforeAnotherControlActs)
{
    auto* other = new ui::TCheckBox(&form);
    other->SetParent(&form);
    other->SetBounds(410, 10, 80, 20);
    Log log;
    other->OnClick = [&](TObject*) { log.push_back("other clicked"); };
    grid->OnCellValidate = [&](TObject*, int, int, std::string& value, bool& valid) {
        log.push_back("validate " + value);
        valid = value != "bad";
    };
    grid->MoveToCell(2, 3);
    grid->SetCells(2, 3, "old");
    ui::SendText(&form, "bad");
    ASSERT_TRUE(grid->EditorMode());
    ui::SendMouseDown(other, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(log, (Log{"validate bad"}));
    EXPECT_TRUE(grid->Focused() || grid->InplaceEditor()->Focused());
    EXPECT_EQ(grid->Cells(2, 3), "old");
    ui::SendMouseUp(other, ui::TMouseButton::mbLeft, 5, 5);

    log.clear();
    grid->InplaceEditor()->SetText("good");
    ui::SendMouseDown(other, ui::TMouseButton::mbLeft, 5, 5);
    ui::SendMouseUp(other, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(log, (Log{"validate good", "other clicked"}));
    EXPECT_EQ(grid->Cells(2, 3), "good");
    EXPECT_TRUE(other->Focused());
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// 40 rows of 20 pixels in a client 300 pixels high: a page is 14 normal rows.
class GxGridWheel : public GxGridInput {
protected:
    void SetUp() override
    {
        GxGridInput::SetUp();
        grid->SetRowCount(40);
        grid->SetFixedFooters(1);
        ui::GetScreen()->SetWheelScrollLines(3);
    }
    void Notch(int delta, ui::TShiftState shift = 0)
    {
        const ui::TPoint p = Center(2, 2);
        ui::SendMouseWheel(grid, delta, p.X, p.Y, shift);
    }
};

struct WheelCase {
    const char* name;
    TWheelAction action;
    int row, top, delta;  // a top row of -1: the last page
    int wantRow, wantTop;
};

TEST_F(GxGridWheel, TheWheelMovesTheCurrentRowOrScrollsByWheelAction)
{
    const WheelCase cases[] = {
        {"towards the user moves three rows down", waMoveSelection, 5, 1, -120, 8, 1},
        {"away from the user moves three rows up", waMoveSelection, 5, 1, 120, 2, 1},
        {"moving stops at the last row before the footer", waMoveSelection, 37, -1, -120, 38, -1},
        {"moving stops at the first normal row", waMoveSelection, 2, 1, 120, 1, 1},
        {"scrolling moves the top row, not the current row", waScroll, 5, 1, -120, 5, 4},
        {"one row above the first scrolls one row only", waScroll, 5, 2, 120, 5, 1},
        {"scrolling stops at the last page", waScroll, 30, -1, -120, 30, -1},
    };
    for (const WheelCase& c : cases) {
        SCOPED_TRACE(c.name);
        grid->MouseActions()->SetWheelAction(c.action);
        grid->MoveToCell(1, c.row);
        const int last = grid->MaxTopRow();
        grid->SetTopRow(c.top < 0 ? last : c.top);
        Notch(c.delta);
        EXPECT_EQ(grid->Row(), c.wantRow);
        EXPECT_EQ(grid->TopRow(), c.wantTop < 0 ? last : c.wantTop);
    }
}

TEST_F(GxGridWheel, CtrlAndTheWheelZoomTheViewInsteadOfMoving)
{
    grid->MoveToCell(1, 5);
    Notch(-120, ui::ssCtrl);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->ZoomFactor(), 3);
    grid->IntelliZoom = false;
    Notch(-120, ui::ssCtrl);
    EXPECT_EQ(grid->ZoomFactor(), 3);
    EXPECT_EQ(grid->Row(), 8);
}

TEST_F(GxGridWheel, ScrollBarMessagesMoveTheTopRowAndTheThumbShowsItsRowAsAHint)
{
    grid->Perform(ui::WM_VSCROLL, ui::SB_LINEDOWN);
    EXPECT_EQ(grid->TopRow(), 2);
    const int page = grid->VisibleRowCount();
    grid->Perform(ui::WM_VSCROLL, ui::SB_PAGEDOWN);
    EXPECT_EQ(grid->TopRow(), 2 + page);
    grid->Perform(ui::WM_VSCROLL, ui::SB_PAGEUP);
    EXPECT_EQ(grid->TopRow(), 2);
    grid->Perform(ui::WM_VSCROLL, ui::SB_BOTTOM);
    EXPECT_EQ(grid->TopRow(), grid->MaxTopRow());
    EXPECT_EQ(grid->CellRect(1, 39).Bottom <= grid->ClientHeight(), true);

    // Thumb positions count from the first scrollable row.
    grid->ScrollHints = shVertical;
    grid->Perform(ui::WM_VSCROLL, ui::MakeWParam(ui::SB_THUMBTRACK, 11));
    EXPECT_EQ(grid->ScrollHint(), "Row : 12");
    // Shown in the grid's HTML hint window, 10 pixels right of the pointer.
    THTMLHintWindow* w = grid->ScrollHintWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->IsOpen());
    EXPECT_EQ(w->Caption(), "Row : 12");
    EXPECT_EQ(w->BoundsRect().TopLeft(), (ui::TPoint{ui::GetCursorPos().X + 10, ui::GetCursorPos().Y}));
    grid->OnScrollHint = [](TObject*, int r, std::string& hint) { hint = "to " + std::to_string(r); };
    grid->Perform(ui::WM_VSCROLL, ui::MakeWParam(ui::SB_THUMBTRACK, 12));
    EXPECT_EQ(grid->ScrollHint(), "to 13");
    grid->Perform(ui::WM_VSCROLL, ui::MakeWParam(ui::SB_THUMBPOSITION, 12));
    EXPECT_EQ(w->Caption(), "to 13");
    grid->Perform(ui::WM_VSCROLL, ui::SB_ENDSCROLL);
    EXPECT_EQ(grid->ScrollHint(), "");
    EXPECT_FALSE(w->IsOpen());
    EXPECT_EQ(grid->TopRow(), 13);
}

TEST_F(GxGridWheel, TheMiddleButtonPansTowardsThePointerUntilAKey)
{
    grid->MoveToCell(1, 5);
    const ui::TPoint p = Center(2, 5);
    ui::SendMouseDown(grid, ui::TMouseButton::mbMiddle, p.X, p.Y);
    ui::SendMouseUp(grid, ui::TMouseButton::mbMiddle, p.X, p.Y);
    ASSERT_TRUE(grid->Panning());
    EXPECT_EQ(grid->Cursor(), kPanCursor);
    EXPECT_TRUE(ui::GetScreen()->HasCursor(kPanCursor + 8));
    ui::SendMouseMove(grid, p.X + 3, p.Y + 4);  // inside the dead zone
    grid->Perform(ui::WM_TIMER, 999);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Cursor(), kPanCursor);
    ui::SendMouseMove(grid, p.X, p.Y + 40);
    grid->Perform(ui::WM_TIMER, 999);
    grid->Perform(ui::WM_TIMER, 999);
    EXPECT_EQ(grid->Row(), 7);
    EXPECT_EQ(grid->Cursor(), kPanCursor + 1);  // down
    Key(ui::VK_SHIFT);
    EXPECT_FALSE(grid->Panning());
    grid->Perform(ui::WM_TIMER, 999);
    EXPECT_EQ(grid->Row(), 7);
}

// Each pan direction shows its own numbered pointer; the vertical mode ignores sideways motion.
TEST_F(GxGridWheel, PanningShowsThePointerOfItsDirection)
{
    struct Case {
        TIntelliPan mode;
        int dx, dy;
        ui::TCursor want;
    };
    const Case cases[] = {
        {ipBoth, 0, 40, kPanCursor + 1},        {ipBoth, -40, 0, kPanCursor + 2},  {ipBoth, 40, 0, kPanCursor + 3},
        {ipBoth, 0, -40, kPanCursor + 4},       {ipBoth, 40, -40, kPanCursor + 5}, {ipBoth, -40, -40, kPanCursor + 6},
        {ipBoth, 40, 40, kPanCursor + 7},       {ipBoth, -40, 40, kPanCursor + 8}, {ipVertical, 40, 0, kPanCursor},
        {ipHorizontal, 40, 40, kPanCursor + 3},
    };
    grid->SetColCount(12);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy) + " mode " + std::to_string(c.mode));
        grid->IntelliPan = c.mode;
        grid->MoveToCell(4, 10);
        const ui::TPoint p = Center(4, 10);
        ui::SendMouseDown(grid, ui::TMouseButton::mbMiddle, p.X, p.Y);
        ui::SendMouseUp(grid, ui::TMouseButton::mbMiddle, p.X, p.Y);
        ASSERT_TRUE(grid->Panning());
        ui::SendMouseMove(grid, p.X + c.dx, p.Y + c.dy);
        grid->Perform(ui::WM_TIMER, 999);
        EXPECT_EQ(grid->Cursor(), c.want);
        Key(ui::VK_SHIFT);
        EXPECT_FALSE(grid->Panning());
    }
}

}  // namespace
}  // namespace gx
