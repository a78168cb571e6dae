// The string grid under the mouse beyond plain clicks: tree-node glyphs, radio groups, rating
// stars, links, the selection resizer, sizing fixed columns, index sorting by header clicks, the
// fixed cells' editors and drop-down button, moving rows and columns with their drop marks, the
// disjunct cell selection by Ctrl+click, the size hint and the pan origin. Every case goes through
// the framework's mouse messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/HtmlTextUtils.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridHintWindow.h"
#include "grid/stringgrid/GxGridInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"
#include "platform/ui/Shell.h"

#include "GridExtrasDouble.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {
namespace {

using Log = std::vector<std::string>;
using ui::TMouseButton;

// A form holding a grid of 5 columns (1 fixed) and 10 rows (1 fixed), 60 x 20 pixel cells.
class GxGridMouse : public ::testing::Test {
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
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 5; ++c)
                grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        grid->SetFocus();
    }
    ui::TPoint Center(int c, int r) const
    {
        const ui::TRect rc = grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    void Press(int x, int y, ui::TShiftState shift = 0) { ui::SendMouseDown(grid, TMouseButton::mbLeft, x, y, shift); }
    void Release(int x, int y, ui::TShiftState shift = 0) { ui::SendMouseUp(grid, TMouseButton::mbLeft, x, y, shift); }
    void ClickAt(int x, int y, ui::TShiftState shift = 0)
    {
        Press(x, y, shift);
        Release(x, y, shift);
    }
    void Click(int c, int r, ui::TShiftState shift = 0) { ClickAt(Center(c, r).X, Center(c, r).Y, shift); }
    // The colour at a client point of the grid painted whole (its border included).
    ui::TColor PaintedAt(int x, int y)
    {
        ui::TBitmap shot;
        ui::RenderControl(*grid, shot);
        const int border = (grid->Width() - grid->ClientWidth()) / 2;
        return ui::ColorToRGB(shot.Canvas()->Pixels(x + border, y + border));
    }
    void Drag(ui::TPoint from, ui::TPoint to)
    {
        Press(from.X, from.Y);
        ui::SendMouseMove(grid, to.X, to.Y);
        Release(to.X, to.Y);
    }

    TGridExtrasDouble extras;  // outlives the form and its grid
    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form, extras);
};

// --- cells that act by themselves ----------------------------------------------------------------------

TEST_F(GxGridMouse, ANodeGlyphContractsAndExpandsItsRowsAsTheBeforeEventsAllow)
{
    grid->AddNode(2, 4);  // rows 2 .. 5
    Log log;
    bool allowContract = true;
    grid->OnBeforeContractNode = [&](TObject*, int r, int real, bool& allow) {
        log.push_back("before contract " + std::to_string(r) + "," + std::to_string(real));
        allow = allowContract;
    };
    grid->OnContractNode = [&](TObject*, int r, int real) {
        log.push_back("contract " + std::to_string(r) + "," + std::to_string(real));
    };
    grid->OnBeforeExpandNode = [&](TObject*, int, int, bool&) { log.push_back("before expand"); };
    grid->OnExpandNode = [&](TObject*, int, int) { log.push_back("expand"); };
    grid->OnClickCell = [&](TObject*, int r, int c) {
        log.push_back("clickcell " + std::to_string(r) + "," + std::to_string(c));
    };
    const int glyphX = grid->CellRect(0, 2).Left + 10, y = Center(0, 2).Y;

    ClickAt(glyphX, y);
    EXPECT_TRUE(grid->NodeState(2));
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(log, (Log{"clickcell 2,0", "before contract 2,2", "contract 2,2"}));

    log.clear();
    ClickAt(glyphX, y);
    EXPECT_FALSE(grid->NodeState(2));
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(log, (Log{"clickcell 2,0", "before expand", "expand"}));

    // Refused: nothing changes; beside the glyph (column 0 of a node grid) only OnClickCell fires.
    log.clear();
    allowContract = false;
    ClickAt(glyphX, y);
    EXPECT_FALSE(grid->NodeState(2));
    EXPECT_EQ(log, (Log{"clickcell 2,0", "before contract 2,2"}));
    log.clear();
    const int row = grid->Row();
    ClickAt(grid->CellRect(0, 7).Right - 5, Center(0, 7).Y);
    EXPECT_EQ(log, (Log{"clickcell 7,0"}));
    EXPECT_EQ(grid->Row(), row);

    // MoveRowOnNodeClick makes the node's row current.
    allowContract = true;
    grid->MouseActions()->SetMoveRowOnNodeClick(true);
    ClickAt(glyphX, y);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GxGridMouse, TheHeaderNodeGlyphExpandsOrContractsEveryNodeInTurn)
{
    grid->AddNode(2, 3);
    grid->AddNode(6, 3);
    grid->MouseActions()->SetNodeAllExpandContract(true);
    grid->AddNode(0, 1);  // the header's own glyph
    const int glyphX = grid->CellRect(0, 0).Left + 10, y = Center(0, 0).Y;
    ClickAt(glyphX, y);
    EXPECT_EQ(grid->RowCount(), 6);  // both blocks contracted
    ClickAt(glyphX, y);
    EXPECT_EQ(grid->RowCount(), 10);
}

TEST_F(GxGridMouse, ARadioGroupTakesTheItemUnderThePress)
{
    rtl::TStrings* items = grid->CreateRadio(2, 3, 1, 0);  // side by side, first item chosen
    items->Add("Aa");
    items->Add("Bbbb");
    items->Add("C");
    std::vector<int> clicked;
    grid->OnRadioClick = [&](TObject*, int c, int r, int idx) {
        EXPECT_EQ(c, 2);
        EXPECT_EQ(r, 3);
        clicked.push_back(idx);
    };
    ui::TCanvas& canvas = *grid->Canvas();
    canvas.Font()->Assign(*grid->Font());
    const int first = canvas.TextWidth("Aa") + 16, second = first + canvas.TextWidth("Bbbb") + 16;
    const ui::TRect cell = grid->CellRect(2, 3);
    grid->SetColWidths(2, second + 40);
    struct Case {
        int offset, want;
    };
    for (const Case c : {Case{2, 0}, Case{first + 1, 1}, Case{second - 1, 1}, Case{second + 1, 2}}) {
        SCOPED_TRACE(c.offset);
        ClickAt(cell.Left + c.offset, cell.Top + 10);
        int idx = -1;
        ASSERT_TRUE(grid->GetRadioIdx(2, 3, idx));
        EXPECT_EQ(idx, c.want);
    }
    EXPECT_EQ(clicked, (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);

    // A read-only group keeps its item unless RadioAlwaysActive.
    grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c != 2; };
    ClickAt(cell.Left + 2, cell.Top + 10);
    int idx = -1;
    grid->GetRadioIdx(2, 3, idx);
    EXPECT_EQ(idx, 2);
    grid->ControlLook()->RadioAlwaysActive = true;
    ClickAt(cell.Left + 2, cell.Top + 10);
    grid->GetRadioIdx(2, 3, idx);
    EXPECT_EQ(idx, 0);
}

TEST_F(GxGridMouse, ARatingCellTakesHalfAStarPerNinePixelsAsOnRatingChangeAllows)
{
    grid->AddRating(2, 4, 5, ui::clYellow, ui::clGray);
    grid->SetColWidths(2, 100);
    const int left = grid->CellRect(2, 4).Left, y = Center(2, 4).Y;
    struct Case {
        int offset;
        double want;
    };
    for (const Case c : {Case{1, 0.0}, Case{9, 0.5}, Case{27, 1.5}, Case{40, 2.0}, Case{90, 5.0}}) {
        SCOPED_TRACE(c.offset);
        ClickAt(left + c.offset, y);
        EXPECT_DOUBLE_EQ(grid->Floats(2, 4), c.want);
    }
    grid->OnRatingChange = [](TObject*, int, int, double& rate, bool& allow) {
        allow = rate <= 3.0;
        rate = rate / 2;
    };
    ClickAt(left + 54, y);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 4), 1.5);  // changed by the handler
    ClickAt(left + 90, y);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 4), 1.5);  // refused
}

// --- links ----------------------------------------------------------------------------------------------

class GxGridLinks : public GxGridMouse {
protected:
    void SetUp() override
    {
        GxGridMouse::SetUp();
        previous = ui::SetShellOpenHandler([this](const std::string& target) {
            opened.push_back(target);
            return true;
        });
        grid->SetColWidths(2, 150);
    }
    void TearDown() override
    {
        ui::SetShellOpenHandler(previous);
        GxGridMouse::TearDown();
    }
    // A point on the first characters of a cell's text.
    ui::TPoint OnText(int c, int r) const { return {grid->CellRect(c, r).Left + 6, grid->CellRect(c, r).Top + 8}; }

    Log opened;
    ui::TShellOpenHandler previous;
};

TEST_F(GxGridLinks, AClickOnALinkFiresOnAnchorClickAndOpensItUnlessTheHandlerTakesIt)
{
    grid->SetCells(2, 3, "<a href=\"https://example.org/a\">page</a>");
    grid->SetCells(2, 4, "mailto:someone@example.org");
    Log anchors;
    bool autoHandle = true;
    grid->OnAnchorClick = [&](TObject*, int r, int c, const std::string& a, bool& handle) {
        anchors.push_back(std::to_string(r) + "," + std::to_string(c) + " " + a);
        handle = autoHandle;
    };
    const ui::TPoint html = OnText(2, 3), plain = OnText(2, 4);
    ClickAt(html.X, html.Y);
    ClickAt(plain.X, plain.Y);  // a plain address is a link only with URLShow
    grid->SetURLShow(true);
    ClickAt(plain.X, plain.Y);
    EXPECT_EQ(anchors, (Log{"3,2 https://example.org/a", "4,2 mailto:someone@example.org"}));
    EXPECT_EQ(opened, (Log{"https://example.org/a", "mailto:someone@example.org"}));

    autoHandle = false;
    ClickAt(html.X, html.Y);
    EXPECT_EQ(opened.size(), 2u);

    // Beside the link the click is a plain one.
    ClickAt(grid->CellRect(2, 3).Right - 6, html.Y);
    EXPECT_EQ(anchors.size(), 3u);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GxGridLinks, ACellLinkMakesItsCellCurrentAndLinksShowTheHand)
{
    grid->SetCells(2, 2, "<a href=\"cell://R7C3\">seven</a>");
    grid->SetCells(2, 3, "<a href=\"CELL://R99C3\">nowhere</a>");
    const ui::TPoint link = OnText(2, 2);
    ClickAt(link.X, link.Y);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 7);
    ClickAt(OnText(2, 3).X, OnText(2, 3).Y);  // outside the grid: nothing moves
    EXPECT_EQ(grid->Row(), 7);
    EXPECT_TRUE(opened.empty());

    grid->SetGridCursor(ui::crIBeam);
    ui::SendMouseMove(grid, link.X, link.Y);
    EXPECT_EQ(grid->Cursor(), ui::crHandPoint);
    ui::SendMouseMove(grid, grid->CellRect(2, 2).Right - 6, link.Y);
    EXPECT_EQ(grid->Cursor(), ui::crIBeam);
}

TEST_F(GxGridLinks, FormControlsInAnEditableCellChangeOnTheClick)
{
    grid->SetCells(2, 3,
                   "<CONTROL TYPE=\"CHECK\" VALUE=\"FALSE\" WIDTH=\"16\" ID=\"c1\"><CONTROL TYPE=\"RADIO\" "
                   "VALUE=\"TRUE\" WIDTH=\"16\" ID=\"r1\"><CONTROL TYPE=\"RADIO\" VALUE=\"FALSE\" WIDTH=\"16\" "
                   "ID=\"r2\">");
    Log log;
    grid->OnControlClick = [&](TObject*, int r, int c, const std::string& id, const std::string& type,
                               const std::string& value) {
        log.push_back(std::to_string(r) + "," + std::to_string(c) + " " + id + " " + type + " " + value);
    };
    grid->OnAnchorClick = [&](TObject*, int, int, const std::string& a, bool&) { log.push_back("anchor " + a); };
    grid->OnClickCell = [&](TObject*, int r, int c) {
        log.push_back("clickcell " + std::to_string(r) + "," + std::to_string(c));
    };
    const ui::TRect cell = grid->CellRect(2, 3);
    const int y = cell.Top + 3 + 8, check = cell.Left + 3 + 8, radio2 = cell.Left + 3 + 32 + 8;
    std::string value;
    ClickAt(check, y);
    ClickAt(radio2, y);
    EXPECT_TRUE(GetHTMLControlValue(grid->Cells(2, 3), "c1", value) && value == "TRUE");
    EXPECT_TRUE(GetHTMLControlValue(grid->Cells(2, 3), "r1", value) && value == "FALSE");
    EXPECT_TRUE(GetHTMLControlValue(grid->Cells(2, 3), "r2", value) && value == "TRUE");
    EXPECT_EQ(log, (Log{"3,2 c1 CHECK TRUE", "3,2 r2 RADIO TRUE"}));
    EXPECT_TRUE(opened.empty());

    // Beside the controls the press only selects the cell; a read-only cell's controls stay.
    log.clear();
    grid->MoveToCell(1, 1);
    ClickAt(cell.Right - 4, y);
    EXPECT_EQ(grid->Row(), 3);
    grid->SetReadOnly(2, 3, true);
    ClickAt(check, y);
    EXPECT_TRUE(GetHTMLControlValue(grid->Cells(2, 3), "c1", value) && value == "TRUE");
    EXPECT_EQ(log, (Log{"clickcell 3,2", "clickcell 3,2"}));
    EXPECT_TRUE(opened.empty());
}

// --- dragging ---------------------------------------------------------------------------------------------

TEST_F(GxGridMouse, TheSelectionResizerCopiesTheSelectionAndPastesItIntoTheDraggedRange)
{
    Log log;
    TGridExtrasCalls& hooks = extras.Calls;
    hooks.CopySelectionToClipboard = [&](TGxStringGrid& g) {
        const ui::TGridRect s = g.Selection();
        log.push_back("copy " + std::to_string(s.Right) + "," + std::to_string(s.Bottom));
    };
    hooks.PasteSelectionFromClipboard = [&](TGxStringGrid& g) {
        const ui::TGridRect s = g.Selection();
        log.push_back("paste " + std::to_string(s.Right) + "," + std::to_string(s.Bottom));
    };
    const auto rect = [](const ui::TGridRect& r) {
        return std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" + std::to_string(r.Right) + "," +
               std::to_string(r.Bottom);
    };
    grid->OnSelectionResize = [&](TObject*, const ui::TGridRect& from, const ui::TGridRect& to) {
        log.push_back("resize " + rect(from) + " to " + rect(to));
    };
    grid->OnSelectionResized = [&](TObject*, const ui::TGridRect&, const ui::TGridRect&) { log.push_back("resized"); };
    grid->SelectionRectangle = grid->SelectionResizer = true;
    grid->SetOptions(grid->Options() | ui::goRangeSelect);
    grid->SetSelection({1, 1, 2, 2});
    const ui::TRect corner = grid->CellRect(2, 2);

    ui::SendMouseMove(grid, corner.Right - 2, corner.Bottom - 2);
    EXPECT_EQ(grid->Cursor(), kAllCursor);
    Drag({corner.Right - 2, corner.Bottom - 2}, Center(3, 4));
    EXPECT_EQ(grid->Selection(), (ui::TGridRect{1, 1, 3, 4}));
    EXPECT_EQ(log, (Log{"copy 2,2", "resize 1,1-2,2 to 1,1-3,4", "paste 3,4", "resized"}));

    // A press inside the selection but off the handle is a plain click.
    log.clear();
    Click(2, 2);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(grid->Selection(), (ui::TGridRect{2, 2, 2, 2}));
}

TEST_F(GxGridMouse, AFixedColumnIsSizedByItsBorderWithSizeFixedCol)
{
    std::vector<int> sizing, ended;
    grid->OnColumnSizing = [&](TObject*, int c, int w) { sizing.push_back(c * 1000 + w); };
    grid->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    const int border = grid->ColWidths(0), y = Center(0, 5).Y;
    ui::SendMouseMove(grid, border + 1, y);
    EXPECT_NE(grid->Cursor(), ui::crHSplit);  // off without SizeFixedCol

    grid->MouseActions()->SetSizeFixedCol(true);
    ui::SendMouseMove(grid, border + 3, y);  // 3 pixels away: not on the border
    EXPECT_NE(grid->Cursor(), ui::crHSplit);
    ui::SendMouseMove(grid, border - 2, y);
    EXPECT_EQ(grid->Cursor(), ui::crHSplit);
    const int row = grid->Row();
    Press(border - 2, y);
    ui::SendMouseMove(grid, border + 25, y);
    Release(border + 25, y);
    EXPECT_EQ(grid->ColWidths(0), border + 25);
    EXPECT_EQ(sizing, (std::vector<int>{border + 25}));
    EXPECT_EQ(ended, (std::vector<int>{0}));
    EXPECT_EQ(grid->Row(), row);  // the press selected nothing

    // A fixed row likewise by its bottom border with SizeFixedRow.
    std::vector<int> rowSizing, rowEnded;
    grid->OnRowSizing = [&](TObject*, int r, int h) { rowSizing.push_back(r * 1000 + h); };
    grid->OnEndRowSize = [&](TObject*, int r) { rowEnded.push_back(r); };
    grid->MouseActions()->SetSizeFixedRow(true);
    const int bottom = grid->RowHeights(0), x = Center(2, 0).X;
    ui::SendMouseMove(grid, x, bottom + 1);
    EXPECT_EQ(grid->Cursor(), ui::crVSplit);
    Press(x, bottom + 1);
    ui::SendMouseMove(grid, x, bottom + 12);
    Release(x, bottom + 12);
    EXPECT_EQ(grid->RowHeights(0), bottom + 12);
    EXPECT_EQ(rowSizing, (std::vector<int>{bottom + 12}));
    EXPECT_EQ(rowEnded, (std::vector<int>{0}));
}

TEST_F(GxGridMouse, ColumnsAndRowsBeingMovedMarkTheirDropTargetAndARowMoveFiresOnRowMoved)
{
    grid->SetOptions(grid->Options() | ui::goColMoving | ui::goRowMoving);
    std::vector<int> moved;
    grid->OnRowMoved = [&](TObject*, int from, int to) { moved.push_back(from * 10 + to); };

    Press(Center(0, 2).X, Center(0, 2).Y);
    ui::SendMouseMove(grid, Center(0, 6).X, Center(0, 6).Y);
    EXPECT_EQ(grid->Input()->MoveMark(), (ui::TPoint{-1, 6}));
    const ui::TRect target = grid->CellRect(0, 6);
    EXPECT_EQ(PaintedAt(target.Left + 20, target.Bottom - 1), ui::ColorToRGB(ui::clRed));
    Release(Center(0, 6).X, Center(0, 6).Y);
    EXPECT_EQ(grid->Input()->MoveMark(), (ui::TPoint{-1, -1}));
    EXPECT_EQ(moved, (std::vector<int>{26}));
    EXPECT_EQ(grid->Cells(1, 6), "1:2");

    // The floating footer's row takes no row.
    grid->FloatingFooter()->SetVisible(true);
    Drag(Center(0, 3), Center(0, 9));
    EXPECT_EQ(moved.size(), 1u);

    Press(Center(1, 0).X, Center(1, 0).Y);
    ui::SendMouseMove(grid, Center(3, 0).X, Center(3, 0).Y);
    EXPECT_EQ(grid->Input()->MoveMark(), (ui::TPoint{3, -1}));
    EXPECT_EQ(PaintedAt(grid->CellRect(3, 0).Right - 1, 10), ui::ColorToRGB(ui::clRed));
    Release(Center(3, 0).X, Center(3, 0).Y);
    EXPECT_EQ(grid->Cells(3, 0), "1:0");
    EXPECT_EQ(grid->Input()->MoveMark(), (ui::TPoint{-1, -1}));
}

TEST_F(GxGridMouse, TheMoveEventsRefuseAMoveOrADropTarget)
{
    grid->SetOptions(grid->Options() | ui::goColMoving | ui::goRowMoving);
    grid->OnRowMoving = [](TObject*, int target, bool& allow) { allow = target != 4; };
    Press(Center(0, 2).X, Center(0, 2).Y);
    ui::SendMouseMove(grid, Center(0, 4).X, Center(0, 4).Y);
    EXPECT_EQ(grid->Cursor(), ui::crNoDrop);
    Release(Center(0, 4).X, Center(0, 4).Y);
    EXPECT_EQ(grid->Cells(1, 2), "1:2");
    Press(Center(0, 2).X, Center(0, 2).Y);
    ui::SendMouseMove(grid, Center(0, 5).X, Center(0, 5).Y);
    EXPECT_EQ(grid->Cursor(), ui::crDrag);
    Release(Center(0, 5).X, Center(0, 5).Y);
    EXPECT_EQ(grid->Cells(1, 5), "1:2");
    EXPECT_NE(grid->Cursor(), ui::crDrag);

    // A right click on the way leaves the move going.
    Press(Center(1, 0).X, Center(1, 0).Y);
    ui::SendMouseMove(grid, Center(2, 0).X, Center(2, 0).Y);
    ui::SendMouseDown(grid, TMouseButton::mbRight, Center(2, 0).X, Center(2, 0).Y);
    ui::SendMouseUp(grid, TMouseButton::mbRight, Center(2, 0).X, Center(2, 0).Y);
    EXPECT_EQ(grid->Cells(1, 0), "1:0");
    ui::SendMouseMove(grid, Center(3, 0).X, Center(3, 0).Y);
    Release(Center(3, 0).X, Center(3, 0).Y);
    EXPECT_EQ(grid->Cells(3, 0), "1:0");

    // OnColumnMove stops the move of column 2 as soon as the mouse moves.
    grid->OnColumnMove = [](TObject*, int index, bool& allow) { allow = index != 2; };
    Drag(Center(2, 0), Center(4, 0));
    EXPECT_EQ(grid->Cells(2, 0), "3:0");
    EXPECT_EQ(grid->Input()->MoveMark(), (ui::TPoint{-1, -1}));
    Drag(Center(1, 0), Center(4, 0));
    EXPECT_EQ(grid->Cells(4, 0), "2:0");  // column 1 held "2:0" since the move above
}

TEST_F(GxGridMouse, SizingAColumnShowsItsWidthInTheSizeHint)
{
    grid->SetOptions(grid->Options() | ui::goColSizing);
    grid->HintShowSizing = true;
    grid->HintColor = ui::clYellow;
    const ui::TRect head = grid->CellRect(2, 0);
    Press(head.Right - 1, 5);
    ui::SendMouseMove(grid, head.Left + 80, 5);
    EXPECT_EQ(grid->ScrollHint(), "cw=<b>80</b>");
    // In the grid's HTML hint window, at the sized cell's top-left corner, in the hint colour.
    THTMLHintWindow* w = grid->ScrollHintWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->IsOpen());
    EXPECT_EQ(w->Caption(), "cw=<b>80</b>");
    EXPECT_EQ(w->Color(), ui::clYellow);
    const ui::TPoint corner = grid->ClientToScreen({head.Left, head.Top});
    EXPECT_EQ(w->BoundsRect().TopLeft(), corner);
    Release(head.Left + 80, 5);
    EXPECT_EQ(grid->ScrollHint(), "");
    EXPECT_FALSE(w->IsOpen());
}

// --- header clicks and fixed cells ----------------------------------------------------------------------

TEST_F(GxGridMouse, HeaderClicksBuildTheIndexSortWithTheIndexKeyAndSortOnce)
{
    Log log;
    TGridExtrasCalls& hooks = extras.Calls;
    hooks.QSortIndexed = [&](TGxStringGrid& g) { log.push_back("indexed " + g.SortIndexes()->SaveToString()); };
    hooks.QSort = [&](TGxStringGrid& g) { log.push_back("sort " + std::to_string(g.SortSettings()->Column)); };
    hooks.ClickSort = [&](TGxStringGrid&, int) { log.push_back("sorted again"); };
    grid->OnClickSort = [&](TObject*, int c) { log.push_back("clicksort " + std::to_string(c)); };
    TSortSettings& sort = *grid->SortSettings();
    sort.SetShow(true);
    sort.IndexShow = true;
    const auto header = [&](int c, ui::TShiftState shift) { ClickAt(Center(c, 0).X, Center(c, 0).Y, shift); };

    header(2, 0);
    header(4, ui::ssShift);
    header(4, ui::ssShift);
    header(3, ui::ssCtrl);  // Ctrl is no index key by default
    sort.IndexSortKey = ikCtrl;
    header(2, ui::ssCtrl);
    EXPECT_EQ(log, (Log{"indexed u2", "clicksort 2", "indexed u2;u4", "clicksort 4", "indexed u2;d4", "clicksort 4",
                        "indexed u3", "clicksort 3", "indexed u3;u2", "clicksort 2"}));
    EXPECT_EQ(sort.Column, 3);

    // Without IndexShow the sort slot runs once per click.
    log.clear();
    sort.IndexShow = false;
    header(1, 0);
    header(1, 0);
    EXPECT_EQ(log, (Log{"sort 1", "clicksort 1", "sort 1", "clicksort 1"}));
    EXPECT_EQ(sort.Direction, sdDescending);
}

struct FixedEditCase {
    const char* name;
    TGridFixedCellEdit rows, cols;
    TMouseButton button;
    bool dbl;
    int col, row, dx;  // dx: offset from the cell's left edge
    bool edits;
};

TEST_F(GxGridMouse, FixedCellsOpenTheirEditorByTheClickTheirSettingNames)
{
    grid->SetOptions(grid->Options() | ui::goColSizing);
    const FixedEditCase cases[] = {
        {"double click on a header", fceDblClick, fceNone, TMouseButton::mbLeft, true, 2, 0, 30, true},
        {"left click on a header", fceLeftClick, fceNone, TMouseButton::mbLeft, false, 2, 0, 30, true},
        {"left click near a sizing border", fceLeftClick, fceNone, TMouseButton::mbLeft, false, 2, 0, 3, false},
        {"right click on a fixed column", fceNone, fceRightClick, TMouseButton::mbRight, false, 0, 4, 30, true},
        {"left click where only double clicks edit", fceDblClick, fceDblClick, TMouseButton::mbLeft, false, 2, 0, 30,
         false},
        {"nothing set", fceNone, fceNone, TMouseButton::mbLeft, true, 2, 0, 30, false},
    };
    for (const FixedEditCase& c : cases) {
        SCOPED_TRACE(c.name);
        grid->EditTrans()->SetVisible(false);
        grid->MouseActions()->SetFixedRowsEdit(c.rows);
        grid->MouseActions()->SetFixedColsEdit(c.cols);
        const ui::TRect cell = grid->CellRect(c.col, c.row);
        const int x = cell.Left + c.dx, y = cell.Top + 10;
        if (c.dbl) {
            ui::SendDoubleClick(grid, c.button, x, y);
        } else {
            ui::SendMouseDown(grid, c.button, x, y);
            ui::SendMouseUp(grid, c.button, x, y);
        }
        EXPECT_EQ(grid->EditTrans()->Visible(), c.edits);
        if (c.edits) {
            EXPECT_EQ(grid->EditTrans()->Text(), grid->Cells(c.col, c.row));
        }
    }
    // OnCanEditCell refuses; a combo editor takes the values.
    grid->EditTrans()->SetVisible(false);
    grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    grid->OnCanEditCell = [](TObject*, int r, int, bool& can) { can = can && r != 0; };
    ui::SendDoubleClick(grid, TMouseButton::mbLeft, Center(2, 0).X, Center(2, 0).Y);
    EXPECT_FALSE(grid->EditTrans()->Visible());
    grid->OnCanEditCell = nullptr;
    grid->MouseActions()->SetFixedRowsEditor(fceComboList);
    rtl::TStringList values;
    values.Add("one");
    values.Add("2:0");
    grid->MouseActions()->SetFixedComboValues(values);
    ui::SendDoubleClick(grid, TMouseButton::mbLeft, Center(2, 0).X, Center(2, 0).Y);
    EXPECT_TRUE(grid->ComboTrans()->Visible());
    EXPECT_EQ(grid->ComboTrans()->ItemIndex(), 1);
}

TEST_F(GxGridMouse, TheFixedDropDownButtonFiresItsEventInsteadOfAClick)
{
    grid->HoverFixedCells = hfAll;
    grid->ControlLook()->FixedDropDownButton = true;
    std::vector<int> dropped;
    grid->OnFixedDropDownClick = [&](TObject*, int c, int r, ui::TPopupMenu*& menu, bool&) {
        dropped.push_back(c * 10 + r);
        menu = nullptr;
    };
    int clicks = 0;
    grid->OnClickCell = [&](TObject*, int, int) { ++clicks; };
    const ui::TRect cell = grid->CellRect(2, 0);
    struct Case {
        int fromRight;
        bool sizing, drops;
        int clicks;  // a press on a sizing border clicks no cell
    };
    for (const Case c : {Case{16, false, false, 1}, Case{15, false, true, 0}, Case{1, false, true, 0},
                         Case{2, true, false, 0}, Case{3, true, true, 0}}) {
        SCOPED_TRACE(c.fromRight);
        grid->SetOptions(c.sizing ? grid->Options() | ui::goColSizing : grid->Options() & ~ui::goColSizing);
        dropped.clear();
        clicks = 0;
        ClickAt(cell.Right - c.fromRight, cell.Top + 10);
        EXPECT_EQ(dropped, c.drops ? std::vector<int>{20} : std::vector<int>{});
        EXPECT_EQ(clicks, c.clicks);
    }
}

TEST_F(GxGridMouse, CtrlClicksBuildTheDisjunctCellSelection)
{
    grid->MouseActions()->SetDisjunctCellSelect(true);
    grid->SetOptions(grid->Options() & ~ui::goEditing);
    const auto listed = [&] {
        std::vector<int> cells;
        for (int i = 0; i < grid->SelectedCellsCount(); ++i)
            cells.push_back(grid->SelectedCell(i).X * 10 + grid->SelectedCell(i).Y);
        return cells;
    };
    Click(1, 2);
    Click(3, 4, ui::ssCtrl);
    Click(2, 6, ui::ssCtrl);
    EXPECT_EQ(listed(), (std::vector<int>{12, 34, 26}));
    EXPECT_TRUE(grid->IsSelected(3, 4));
    Click(3, 4, ui::ssCtrl);  // again: out
    EXPECT_EQ(listed(), (std::vector<int>{12, 26}));
    Click(4, 8);  // a plain click leaves that cell alone
    EXPECT_EQ(listed(), (std::vector<int>{48}));

    grid->OnSelectCell = [](TObject*, int c, int, bool& can) { can = can && c != 2; };
    Click(2, 3, ui::ssCtrl);
    EXPECT_EQ(listed(), (std::vector<int>{48}));
}

TEST_F(GxGridMouse, APressOrADragReportsTheSelectionItMadeOnce)
{
    grid->SetOptions((grid->Options() | ui::goRangeSelect) & ~ui::goEditing);
    std::vector<ui::TGridRect> changed;
    grid->OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) { changed.push_back({l, t, r, b}); };
    grid->MoveToCell(1, 1);
    Click(2, 3);
    Click(2, 3);  // the same cell again: no change
    EXPECT_EQ(changed, (std::vector<ui::TGridRect>{{2, 3, 2, 3}}));
    changed.clear();
    Drag(Center(1, 2), Center(3, 4));
    EXPECT_EQ(changed, (std::vector<ui::TGridRect>{{1, 2, 3, 4}}));  // the release adds nothing
}

TEST_F(GxGridMouse, WithRangeSelectAndEditAPressOnTheCurrentCellEditsAndAShiftPressSelects)
{
    grid->SetOptions((grid->Options() | ui::goRangeSelect) & ~ui::goEditing);
    grid->MouseActions()->SetRangeSelectAndEdit(true);
    grid->MoveToCell(2, 3);
    Click(2, 3);
    EXPECT_TRUE(grid->Options() & ui::goEditing);
    EXPECT_TRUE(grid->EditorMode());
    Click(3, 5, ui::ssShift);
    EXPECT_FALSE(grid->Options() & ui::goEditing);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Selection(), (ui::TGridRect{2, 3, 3, 5}));
}

// --- panning ----------------------------------------------------------------------------------------------

TEST_F(GxGridMouse, PanningDrawsItsOriginWhereItStartedUntilItStops)
{
    const ui::TPoint p = Center(2, 5);
    ui::SendMouseDown(grid, TMouseButton::mbMiddle, p.X, p.Y);
    ui::SendMouseUp(grid, TMouseButton::mbMiddle, p.X, p.Y);
    ASSERT_TRUE(grid->Panning());
    const ui::TRect glyph = grid->Input()->PanOriginRect();
    EXPECT_EQ(glyph, (ui::TRect{p.X, p.Y, p.X + 26, p.Y + 26}));
    const ui::TPoint mid{p.X + 13, p.Y + 13};
    EXPECT_EQ(PaintedAt(mid.X, mid.Y), 0);                 // the centre dot
    EXPECT_EQ(PaintedAt(mid.X + 7, mid.Y + 1), 0xFFFFFF);  // the disc
    EXPECT_EQ(PaintedAt(mid.X, mid.Y - 8), 0);             // the up arrow
    EXPECT_NE(PaintedAt(mid.X - 8, mid.Y), 0);             // no left arrow when panning is vertical

    ui::SendKeyStroke(grid, ui::VK_ESCAPE);
    EXPECT_TRUE(grid->Input()->PanOriginRect().IsEmpty());
    EXPECT_NE(PaintedAt(mid.X, mid.Y), 0);
}

}  // namespace
}  // namespace gx
