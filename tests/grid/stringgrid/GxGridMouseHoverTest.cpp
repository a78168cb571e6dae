// The string grid under a moving mouse and on the filter row: entering and leaving links (their
// events and the underline of the hovered link), and the filter drop-down list a release on a
// column's filter glyph opens. Every case goes through the framework's mouse messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridFilter.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"

#include "GridExtrasDouble.h"

namespace gx {
namespace {

using Log = std::vector<std::string>;
using ui::TMouseButton;

// A form holding a grid of 5 columns (1 fixed) and 10 rows (1 fixed), 60 x 20 pixel cells.
class GxGridHover : public ::testing::Test {
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
        grid->SetFocus();
    }
    void Move(ui::TPoint p) { ui::SendMouseMove(grid, p.X, p.Y); }
    void ClickAt(int x, int y)
    {
        ui::SendMouseDown(grid, TMouseButton::mbLeft, x, y);
        ui::SendMouseUp(grid, TMouseButton::mbLeft, x, y);
    }

    TGridExtrasDouble extras;  // outlives the form and its grid
    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form, extras);
};

// --- links under the mouse -----------------------------------------------------------------------------

TEST_F(GxGridHover, EnteringAndLeavingALinkFireTheAnchorEventsOnceEach)
{
    grid->SetColWidths(2, 150);
    grid->SetCells(2, 3, "<a href=\"first\">first</a>");
    grid->SetCells(2, 4, "<a href=\"second\">second</a>");
    Log log;
    grid->OnAnchorEnter = [&](TObject*, int r, int c, const std::string& a) {
        log.push_back("enter " + a + " " + std::to_string(r) + "," + std::to_string(c));
    };
    grid->OnAnchorExit = [&](TObject*, int, int, const std::string& a) { log.push_back("exit " + a); };
    const auto onText = [&](int r) { return ui::TPoint{grid->CellRect(2, r).Left + 6, grid->CellRect(2, r).Top + 8}; };
    const ui::TPoint beside{grid->CellRect(2, 3).Right - 6, onText(3).Y};

    Move(onText(3));
    Move({onText(3).X + 2, onText(3).Y});  // still on the same link
    Move(beside);
    Move(beside);
    Move(onText(4));
    Move({390, 290});  // beyond the cells
    EXPECT_EQ(log, (Log{"enter first 3,2", "exit first", "enter second 4,2", "exit second"}));
}

TEST_F(GxGridHover, WithUnderlineOnHoverOnlyTheHoveredLinkIsMarked)
{
    grid->SetColWidths(2, 200);
    grid->EnableHTML = true;
    grid->SetCells(2, 3, "<a href=\"one\">one</a> and <a href=\"two\">two</a>");
    const ui::TPoint onFirst{grid->CellRect(2, 3).Left + 6, grid->CellRect(2, 3).Top + 8};
    const ui::TPoint beside{grid->CellRect(2, 3).Right - 6, onFirst.Y};

    Move(onFirst);
    EXPECT_EQ(grid->Pointer.HoverLink, -1);  // without the setting every link is underlined alike
    grid->URLUnderlineOnHover = true;
    Move({onFirst.X + 1, onFirst.Y});
    EXPECT_EQ(grid->Pointer.HoverLink, 1);
    EXPECT_EQ(grid->Pointer.HoverCell, (ui::TPoint{2, 3}));
    // The hovered link is drawn with more link-coloured pixels (its underline) than the other one.
    const auto blueIn = [&](int from, int to) {
        ui::TBitmap shot;
        ui::RenderControl(*grid, shot);
        const ui::TRect cell = grid->CellRect(2, 3);
        const int border = (grid->Width() - grid->ClientWidth()) / 2;
        int n = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left + from; x < cell.Left + to; ++x)
                n += ui::ColorToRGB(shot.Canvas()->Pixels(x + border, y + border)) == ui::clBlue;
        return n;
    };
    const int hovered = blueIn(0, 30);
    Move(beside);
    EXPECT_EQ(grid->Pointer.HoverLink, -1);
    EXPECT_LT(blueIn(0, 30), hovered);
    Move(onFirst);
    grid->Perform(ui::CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(grid->Pointer.HoverLink, -1);
}

// --- the filter drop-down list -------------------------------------------------------------------------

class GxGridFilterList : public GxGridHover {
protected:
    void SetUp() override
    {
        GxGridHover::SetUp();
        const char* values[] = {"b", "a b", "c", "b", "a b", "c", "d", "b", "c"};
        for (int r = 1; r < 10; ++r)
            grid->SetCells(2, r, values[r - 1]);
        grid->FilterDropDownAuto = true;
        grid->FilterDropDown()->AutoSize = true;
    }
    // A point in the filter glyph of a header cell, offset from the cell's right edge.
    ui::TPoint Glyph(int c, int fromRight = 8) const
    {
        return {grid->CellRect(c, 0).Right - fromRight, grid->CellRect(c, 0).Top + 5};
    }
    Log Entries(ui::TListBox* list)
    {
        Log out;
        for (int i = 0; i < list->Items()->Count(); ++i)
            out.push_back(list->Items()->Strings(i));
        return out;
    }
};

TEST_F(GxGridFilterList, AReleaseOnTheGlyphOpensTheColumnsListAndASecondOneClosesIt)
{
    TDropList* list = grid->FilterDropList();
    struct Case {
        const char* name;
        int fromRight;
        bool opens;
    };
    const Case zone[] = {
        {"on the glyph's left edge (outside)", 16, false},
        {"on the glyph's right end (outside)", 3, false},
        {"inside the glyph", 15, true},
    };
    for (const Case& c : zone) {
        SCOPED_TRACE(c.name);
        ClickAt(Glyph(2, c.fromRight).X, Glyph(2, c.fromRight).Y);
        EXPECT_EQ(list->Visible(), c.opens);
        EXPECT_EQ(grid->FilterColumn, c.opens ? 2 : -1);
        if (c.opens)
            ClickAt(Glyph(2, c.fromRight).X, Glyph(2, c.fromRight).Y);  // the open column's glyph closes it
        EXPECT_FALSE(list->Visible());
    }

    ClickAt(Glyph(2).X, Glyph(2).Y);
    EXPECT_EQ(Entries(list), (Log{"(All)", "a b", "b", "c", "d"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->Parent(), grid);
    EXPECT_EQ(list->Top(), grid->CellRect(2, 0).Top + 16);
    EXPECT_EQ(list->Left(), grid->CellRect(2, 0).Right - 16);
    EXPECT_EQ(list->Height(), 5 * list->ItemHeight() + 4);
    // A release on a cell closes it again.
    ClickAt(grid->CellRect(3, 4).Left + 5, grid->CellRect(3, 4).Top + 5);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(grid->FilterColumn, -1);
}

TEST_F(GxGridFilterList, AChoiceInTheOpenListReachesTheFilterExtras)
{
    std::vector<int> picks;
    extras.Calls.FilterDropDownSelect = [&](TGxStringGrid& g, int index) {
        picks.push_back(index * 10 + g.FilterColumn);
        g.FilterColumn = -1;
    };
    ClickAt(Glyph(2).X, Glyph(2).Y);
    ASSERT_TRUE(grid->FilterDropList()->Visible());
    ui::SendKeyStroke(grid->FilterDropList(), ui::VK_DOWN);
    ui::SendKeyStroke(grid->FilterDropList(), ui::VK_RETURN);
    EXPECT_EQ(picks, (std::vector<int>{12}));
    EXPECT_FALSE(grid->FilterDropList()->Visible());
}

TEST_F(GxGridFilterList, TheCheckListTicksTheColumnsConditionsAndTheListStaysInsideTheGrid)
{
    grid->FilterDropDownCheck = true;
    TFilterData* quoted = grid->Filter()->Add();
    quoted->Column = 2;
    quoted->Condition = "\"a b\"";
    TFilterData* other = grid->Filter()->Add();
    other->Column = 3;
    other->Condition = "c";
    ClickAt(Glyph(2).X, Glyph(2).Y);
    TDropCheckList* list = grid->FilterCheckList();
    ASSERT_TRUE(list->Visible());
    EXPECT_FALSE(grid->FilterDropList()->Visible());
    EXPECT_EQ(Entries(list), (Log{"(All)", "a b", "b", "c", "d"}));
    EXPECT_EQ((std::vector<bool>{list->Checked(0), list->Checked(1), list->Checked(2), list->Checked(3)}),
              (std::vector<bool>{false, true, false, false}));

    // A fixed-size list that would pass the grid's right edge ends at its column's right edge.
    grid->FilterDropDownCheck = false;
    grid->FilterDropDown()->AutoSize = false;
    grid->FilterDropDown()->Width = 150;
    for (int r = 1; r < 10; ++r)
        grid->SetCells(4, r, "x");
    ClickAt(Glyph(4).X, Glyph(4).Y);
    ASSERT_TRUE(grid->FilterDropList()->Visible());
    EXPECT_EQ(grid->FilterDropList()->Left(), grid->CellRect(4, 0).Right - 150);
    EXPECT_EQ(grid->FilterDropList()->Width(), 150);
}

TEST_F(GxGridFilterList, AReleaseThatOpensTheListIsNoHeaderSort)
{
    grid->SortSettings()->SetShow(true);
    ClickAt(Glyph(2).X, Glyph(2).Y);
    EXPECT_EQ(grid->SortSettings()->Column, -1);
    EXPECT_EQ(grid->Cells(2, 1), "b");
}

}  // namespace
}  // namespace gx
