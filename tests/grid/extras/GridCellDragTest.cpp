// Cell drag and drop between two grids of one form through the native layer: moves and copies of
// awkward text and of cells, drops within one grid, row insertion and removal, columns, files,
// the events that may refuse, and the drag the mouse starts.
#include "grid/extras/GridCellDrag.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtrasFixture.h"
#include "RealDisplay.h"
#include "ScratchDir.h"
#include "grid/extras/GridExtras.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"
#include "platform/ui/RealInput.h"
#include "platform/ui/qt/NativeDragTesting.h"

namespace gx {
namespace {

using extrastest::AwkwardCells;
using extrastest::CellsOf;
using extrastest::Fill;
using Cells = std::vector<std::vector<std::string>>;

class TwoGrids : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        form.SetClientWidth(760);
        form.SetClientHeight(300);
        for (TGxStringGrid* g : {left, right}) {
            g->SetParent(&form);
            g->SetFixedRows(0);
            g->SetFixedCols(0);
            g->SetOptions(g->Options() | ui::goEditing | ui::goRangeSelect);
            g->SetDefaultColWidth(64);
            g->Loaded();
        }
        left->SetBounds(0, 0, 370, 300);
        right->SetBounds(380, 0, 370, 300);
        Fill(*left, AwkwardCells());
        Fill(*right, Cells(6, std::vector<std::string>(5)));
        for (TGxStringGrid* g : {left, right})
            g->SetTopRow(0), g->SetLeftCol(0);
        right->DragDropSettings()->SetOleDropTarget(true);
        form.Show();
        ui::Application->ProcessMessages();
    }
    void TearDown() override { form.Hide(); }
    ui::TPoint middleOf(TGxStringGrid* g, int col, int row)
    {
        const ui::TRect r = g->CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Drags the selection of from (pressed at its top-left cell) to the cell of to.
    unsigned Drag(TGxStringGrid* from, TGxStringGrid* to, int col, int row, ui::TShiftState shift = 0)
    {
        const ui::TPoint at = middleOf(to, col, row);
        ui::qt::ScriptNextDrop(to, at.X, at.Y, shift);
        return StartCellDrag(*from, from->Selection().Left, from->Selection().Top);
    }

    ui::TForm form{nullptr};
    TGxStringGrid* left = new TGxStringGrid(&form);
    TGxStringGrid* right = new TGxStringGrid(&form);
};

TEST_F(TwoGrids, AwkwardTextMovesAndCopiesBetweenGrids)
{
    int stopped = -1;
    left->OnOleDragStop = [&stopped](TObject*, int effect) { stopped = effect; };
    left->SetSelection({0, 0, 3, 4});
    EXPECT_EQ(Drag(left, right, 1, 1, ui::ssCtrl), unsigned(ui::deCopy));
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c)
            ASSERT_EQ(right->Cells(c + 1, r + 1), AwkwardCells()[r][c]) << c << "," << r;
    EXPECT_EQ(CellsOf(*left), AwkwardCells());
    EXPECT_EQ(stopped, int(ui::deCopy));
    EXPECT_EQ(right->Selection(), (ui::TGridRect{1, 1, 4, 5}));

    left->SetSelection({1, 1, 2, 2});
    EXPECT_EQ(Drag(left, right, 0, 0), unsigned(ui::deMove));
    EXPECT_EQ(right->Cells(0, 0), "x,y");
    EXPECT_EQ(right->Cells(1, 1), "semi;colon");
    EXPECT_EQ(left->Cells(1, 1), "");
    EXPECT_EQ(left->Cells(2, 2), "");
    EXPECT_EQ(left->Cells(3, 1), "日本語 ✓");
    EXPECT_EQ(stopped, int(ui::deMove));

    // OleCopyAlways keeps the source also after a move.
    left->DragDropSettings()->OleCopyAlways = true;
    left->SetSelection({0, 0, 0, 0});
    EXPECT_EQ(Drag(left, right, 4, 5), unsigned(ui::deMove));
    EXPECT_EQ(left->Cells(0, 0), "Name");
    EXPECT_EQ(right->Cells(4, 5), "Name");
}

TEST_F(TwoGrids, OwnCellsCarryTheirLooks)
{
    left->Navigation()->SetAllowFmtClipboard(true);
    left->SetColors(1, 1, 0x00123456);
    left->SetSelection({1, 1, 2, 2});
    Drag(left, right, 2, 3, ui::ssCtrl);
    EXPECT_EQ(right->Cells(2, 3), "x,y");
    EXPECT_EQ(right->Cells(3, 4), "semi;colon");
    EXPECT_EQ(right->Colors(2, 3), 0x00123456u);
}

TEST_F(TwoGrids, AMoveWithinOneGridKeepsWhatItDroppedOverItsSource)
{
    left->DragDropSettings()->SetOleDropTarget(true);
    Fill(*left, {{"a", "b", "", ""}, {"c", "d", "", ""}, {"", "", "", ""}});
    left->SetSelection({0, 0, 1, 1});
    EXPECT_EQ(Drag(left, left, 1, 1), unsigned(ui::deMove));
    EXPECT_EQ(CellsOf(*left), (Cells{{"", "", "", ""}, {"", "a", "b", ""}, {"", "c", "d", ""}}));
}

TEST_F(TwoGrids, RowsDraggedAboveThemselvesAreInsertedThereAndRemovedBelow)
{
    left->DragDropSettings()->SetOleDropTarget(true);
    left->SetOptions(left->Options() | ui::goRowSelect);
    left->DragDropSettings()->OleInsertRows = true;
    left->DragDropSettings()->OleRemoveRows = true;
    left->DragDropSettings()->OleEntireRows = true;
    Fill(*left, {{"r0", "0"}, {"r1", "1"}, {"r2", "2"}, {"r3", "3"}});
    left->SetSelection({0, 2, 1, 3});
    EXPECT_EQ(Drag(left, left, 0, 0), unsigned(ui::deMove));
    EXPECT_EQ(CellsOf(*left), (Cells{{"r2", "2"}, {"r3", "3"}, {"r0", "0"}, {"r1", "1"}}));
}

TEST_F(TwoGrids, TextFromOutsideIsInsertedAndSelected)
{
    right->DragDropSettings()->OleInsertRows = true;
    right->SetCells(0, 2, "below");
    ui::TGridRect reported{};
    right->OnOleDropped = [&reported](TObject*, const ui::TGridRect& R) { reported = R; };
    const ui::TPoint at = middleOf(right, 0, 2);
    EXPECT_NE(ui::qt::DropTextFromOutside(right, at.X, at.Y, "x\ty\nz\t\"q\tr\"\n3"), unsigned(ui::deNone));
    EXPECT_EQ(right->RowCount(), 9);
    EXPECT_EQ(right->Cells(0, 2), "x");
    EXPECT_EQ(right->Cells(1, 3), "q\tr");
    EXPECT_EQ(right->Cells(0, 4), "3");
    EXPECT_EQ(right->Cells(0, 5), "below");
    EXPECT_EQ(reported, (ui::TGridRect{0, 2, 1, 4}));
    EXPECT_EQ(right->Selection(), reported);

    right->DragDropSettings()->OleAcceptText = false;
    EXPECT_EQ(ui::qt::DropTextFromOutside(right, at.X, at.Y, "refused"), unsigned(ui::deNone));
    EXPECT_EQ(right->Cells(0, 2), "x");
}

TEST_F(TwoGrids, BelowTheLastRowTextIsAppendedWithEntireRows)
{
    right->DragDropSettings()->OleEntireRows = true;
    right->DragDropSettings()->OleAppendRows = true;
    const ui::TRect last = right->CellRect(0, right->RowCount() - 1);
    EXPECT_NE(ui::qt::DropTextFromOutside(right, 30, last.Bottom + 20, "p\tq"), unsigned(ui::deNone));
    EXPECT_EQ(right->RowCount(), 7);
    EXPECT_EQ(right->Cells(0, 6), "p");
    EXPECT_EQ(right->Cells(1, 6), "q");
    right->DragDropSettings()->OleAppendRows = false;
    EXPECT_EQ(ui::qt::DropTextFromOutside(right, 30, last.Bottom + 40, "r"), unsigned(ui::deNone));
    EXPECT_EQ(right->RowCount(), 7);
}

TEST_F(TwoGrids, EventsMayRefuseADragOrADrop)
{
    left->SetSelection({0, 0, 0, 0});
    left->OnOleDrag = [](TObject*, int, int, const std::string& data, bool& allow) { allow = data != "Name"; };
    EXPECT_EQ(Drag(left, right, 0, 0), unsigned(ui::deNone));
    EXPECT_EQ(right->Cells(0, 0), "");
    left->OnOleDrag = nullptr;

    bool dropped = false;
    right->OnOleDrop = [](TObject*, int, int, const std::string&, bool& allow) { allow = false; };
    right->OnOleDropped = [&dropped](TObject*, const ui::TGridRect&) { dropped = true; };
    EXPECT_EQ(Drag(left, right, 0, 0), unsigned(ui::deNone));
    EXPECT_EQ(right->Cells(0, 0), "");
    EXPECT_EQ(left->Cells(0, 0), "Name");  // a refused move takes nothing away
    EXPECT_TRUE(dropped);

    right->OnOleDrop = nullptr;
    right->OnOleDragOver = [](TObject*, int, int, bool& allow) { allow = false; };
    EXPECT_EQ(Drag(left, right, 0, 0), unsigned(ui::deNone));
    EXPECT_EQ(left->Cells(0, 0), "Name");
}

TEST_F(TwoGrids, AColumnDroppedRightOfAllColumnsBecomesTheLast)
{
    left->DragDropSettings()->SetOleDropTarget(true);
    left->DragDropSettings()->OleColumnDragDrop = true;
    left->DragDropSettings()->OleColumnReorder = true;
    left->SetFixedRows(1);
    int droppedCol = -1;
    left->OnOleDropCol = [&droppedCol](TObject*, int, int, int col) { droppedCol = col; };
    const ui::TRect last = left->CellRect(3, 0);
    ui::qt::ScriptNextDrop(left, last.Right + 20, (last.Top + last.Bottom) / 2);
    StartCellDrag(*left, 1, 0);
    EXPECT_EQ(droppedCol, 1);
    EXPECT_EQ(left->Cells(3, 0), "Value");
    EXPECT_EQ(left->Cells(1, 0), "Note");
}

TEST_F(TwoGrids, ASingleCsvFileDroppedLoadsIntoTheGrid)
{
    testsupport::ScratchDir dir;
    testsupport::WriteFile(dir.File("t.csv"), "p,q\r\n1,2\r\n");
    testsupport::WriteFile(dir.File("u.csv"), "s\r\n");
    TGridDropTarget* target = GridDropTarget(*right);
    ASSERT_NE(target, nullptr);
    std::string seen;
    right->OnOleDropFile = [&seen](TObject*, int, int, const std::string& f, bool&) { seen = f; };
    target->DropFiles(right->ClientToScreen(middleOf(right, 0, 0)), {dir.File("t.csv"), dir.File("u.csv")});
    EXPECT_EQ(seen, "");  // more than one file is ignored
    target->DropFiles(right->ClientToScreen(middleOf(right, 0, 0)), {dir.File("t.csv")});
    EXPECT_EQ(seen, dir.File("t.csv"));
    EXPECT_EQ(right->Cells(1, 1), "2");
}

TEST_F(TwoGrids, TheDropTargetFollowsItsSwitch)
{
    EXPECT_NE(GridDropTarget(*right), nullptr);
    EXPECT_EQ(GridDropTarget(*left), nullptr);
    right->DragDropSettings()->SetOleDropTarget(false);
    EXPECT_EQ(GridDropTarget(*right), nullptr);
    EXPECT_EQ(ui::DropTargetOf(right), nullptr);
    left->SetSelection({0, 0, 0, 0});
    EXPECT_EQ(Drag(left, right, 0, 0), unsigned(ui::deNone));
}

TEST_F(TwoGrids, APressAndAMoveOfMoreThanThreePixelsStartTheDrag)
{
    left->DragDropSettings()->OleDropSource = true;
    const ui::TPoint from = middleOf(left, 1, 1), at = middleOf(right, 3, 3);
    ui::qt::ScriptNextDrop(right, at.X, at.Y);
    const auto lp = [](int x, int y) { return static_cast<std::intptr_t>((y << 16) | (x & 0xFFFF)); };
    left->Perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, lp(from.X, from.Y));
    left->Perform(ui::WM_MOUSEMOVE, ui::MK_LBUTTON, lp(from.X + 2, from.Y + 1));
    EXPECT_EQ(right->Cells(3, 3), "");
    left->Perform(ui::WM_MOUSEMOVE, ui::MK_LBUTTON, lp(from.X + 6, from.Y));
    EXPECT_EQ(right->Cells(3, 3), "x,y");
    EXPECT_EQ(left->Cells(1, 1), "");
    EXPECT_EQ(left->GridState(), ui::TGridState::gsNormal);
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// Two grids in a real window: a cell of the left one dragged by the display's pointer onto the
// right one is moved there.
TEST(GridCellDragWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    InstallGridExtras();
    ui::TForm form(nullptr);
    form.SetCaption("Cell drag");
    form.SetBounds(100, 100, 700, 260);
    TGxStringGrid* grids[2] = {new TGxStringGrid(&form), new TGxStringGrid(&form)};
    for (int i = 0; i < 2; ++i) {
        grids[i]->SetParent(&form);
        grids[i]->SetBounds(10 + i * 340, 10, 330, 200);
        grids[i]->SetOptions(grids[i]->Options() | ui::goEditing);
        grids[i]->SetColCount(4);
        grids[i]->SetRowCount(6);
        grids[i]->Loaded();
    }
    Fill(*grids[0], AwkwardCells());
    grids[0]->DragDropSettings()->OleDropSource = true;
    grids[1]->DragDropSettings()->SetOleDropTarget(true);
    form.Show();
    ASSERT_TRUE(realinput::WaitShown(form));
    const std::string moved = grids[0]->Cells(1, 1);
    ASSERT_FALSE(moved.empty());
    const auto middle = [](TGxStringGrid* g, int c, int r) {
        const ui::TRect cell = g->CellRect(c, r);
        return ui::TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    };
    EXPECT_TRUE(realinput::DragAndDrop(grids[0], middle(grids[0], 1, 1), grids[1], middle(grids[1], 2, 2)));
    testsupport::Shot("71_drag_dropped");
    EXPECT_EQ(grids[1]->Cells(2, 2), moved);
    EXPECT_EQ(grids[0]->Cells(1, 1), "") << "a drag between grids moves the cell";
}

TEST_F(TwoGrids, ADragCarriesAPictureOfTheCellsInView)
{
    left->SetRowCount(100);
    left->SetFixedRows(1);
    left->DragDropSettings()->OleColumnDragDrop = true;
    ui::Application->ProcessMessages();
    const int clientH = left->ClientHeight();
    const auto span = [this](ui::TGridRect g) {
        const ui::TRect a = left->CellRect(g.Left, g.Top), b = left->CellRect(g.Right, g.Bottom);
        return ui::TPoint{b.Right - a.Left, b.Bottom - a.Top};
    };
    const ui::TRect lastInView = left->CellRect(1, left->TopRow() + left->VisibleRowCount());
    struct Case {
        const char* what;
        ui::TGridRect selection;
        int pressRow;
        bool showCells;
        ui::TPoint size;
    } cases[] = {
        {"a block in view", {0, 1, 1, 2}, 1, true, span({0, 1, 1, 2})},
        {"rows below the view are cut off",
         {1, 2, 1, 99},
         2,
         true,
         {span({1, 1, 1, 1}).X, clientH - left->CellRect(1, 2).Top}},
        {"a column from the header, its visible height",
         {1, 1, 1, 1},
         0,
         true,
         {span({1, 0, 1, 0}).X, std::min(lastInView.Bottom, clientH)}},
        {"no picture without ShowCells", {0, 1, 1, 2}, 1, false, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        left->DragDropSettings()->ShowCells = c.showCells;
        left->SetSelection(c.selection);
        const ui::TPoint at = middleOf(right, 4, 5);
        ui::qt::ScriptNextDrop(right, at.X, at.Y, ui::ssCtrl);
        StartCellDrag(*left, c.selection.Left, c.pressRow);
        EXPECT_EQ(ui::qt::LastDragImageSize(), c.size);
        EXPECT_EQ(ui::qt::LastDragImageHotSpot(), (ui::TPoint{0, 0}));  // read left to right
        EXPECT_FALSE(left->SelectionHidden());
    }
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

using extrastest::CellsOf;
using extrastest::Fill;
using Cells = std::vector<std::vector<std::string>>;

// A grid with the header row A .. E whose column C (or another) is hidden and listed, with another
// entry, in a list box of the form; the application drags an entry back onto the grid from that list.
// Another column may be hidden too, without an entry.
struct HiddenColumnScene {
    explicit HiddenColumnScene(int hidden = 2, int alsoHidden = -1) : hidden(hidden)
    {
        InstallGridExtras();
        form.SetClientWidth(600);
        form.SetClientHeight(300);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 420, 300);
        grid->SetFixedCols(0);
        grid->SetDefaultColWidth(64);
        grid->Loaded();
        Fill(*grid, {{"A", "B", "C", "D", "E"}, {"a", "b", "c", "d", "e"}});
        grid->SetFixedRows(1);
        grid->SetLeftCol(0);
        grid->DragDropSettings()->SetOleDropTarget(true);
        grid->OnOleDropCol = [this](TObject*, int, int ACol, int) { droppedAt = ACol; };
        list->SetParent(&form);
        list->SetBounds(430, 0, 160, 200);
        list->Items()->Add(grid->Cells(hidden, 0));
        list->Items()->Add("X");
        grid->HideColumn(hidden);
        if (alsoHidden >= 0)
            grid->HideColumn(alsoHidden);
        form.Show();
        ui::Application->ProcessMessages();
    }
    ~HiddenColumnScene() { form.Hide(); }
    ui::TPoint MiddleOf(int col, int row) const
    {
        const ui::TRect r = grid->CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Entry 0 (the hidden column) dragged from the list and dropped at the grid's client point;
    // the effect.
    unsigned DragFromList(ui::TPoint at)
    {
        grid->OleColumnDragStart(hidden, 0, list);
        ui::qt::ScriptNextDrop(grid, at.X, at.Y);
        unsigned effect = ui::deNone;
        StartColumnDrag(list, nullptr, hidden, ui::deMove, effect);
        return effect;
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->Items()->Count(); ++i)
            out.push_back(list->Items()->Strings(i));
        return out;
    }

    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
    ui::TListBox* list = new ui::TListBox(&form);
    int hidden;
    int droppedAt = -1;
};

TEST(HiddenColumnList, ADraggedEntryShowsItsColumnWhereItIsDropped)
{
    enum Where { kHeader, kRightOfAll, kNormalCell };
    struct Case {
        const char* what;
        Where where;
        int col;
        Cells cells;
        std::vector<std::string> entries;
        int dragCol;
        int droppedAt;
        int hidden = 2, alsoHidden = -1;
    } cases[] = {
        {"on the first header", kHeader, 0, {{"C", "A", "B", "D", "E"}, {"c", "a", "b", "d", "e"}}, {"X"}, -1, 0},
        {"past a column that stays hidden",
         kHeader,
         0,
         {{"D", "A", "C", "E"}, {"d", "a", "c", "e"}},
         {"X"},
         -1,
         0,
         3,
         1},
        {"right of all, another column staying hidden",
         kRightOfAll,
         0,
         {{"A", "C", "E", "B"}, {"a", "c", "e", "b"}},
         {"X"},
         -1,
         3,
         1,
         3},
        {"on a header right of its place",
         kHeader,
         3,
         {{"A", "B", "D", "C", "E"}, {"a", "b", "d", "c", "e"}},
         {"X"},
         -1,
         3},
        {"on the header at its own place",
         kHeader,
         2,
         {{"A", "B", "C", "D", "E"}, {"a", "b", "c", "d", "e"}},
         {"X"},
         -1,
         2},
        {"right of all columns", kRightOfAll, 0, {{"A", "B", "D", "E", "C"}, {"a", "b", "d", "e", "c"}}, {"X"}, -1, 4},
        {"on a normal cell: refused, nothing changes",
         kNormalCell,
         1,
         {{"A", "B", "D", "E"}, {"a", "b", "d", "e"}},
         {"C", "X"},
         2,
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HiddenColumnScene s(c.hidden, c.alsoHidden);
        ui::TPoint at = s.MiddleOf(c.col, c.where == kNormalCell ? 1 : 0);
        if (c.where == kRightOfAll)
            at.X = s.grid->CellRect(s.grid->ColCount() - 1, 0).Right + 20;
        const unsigned effect = s.DragFromList(at);
        EXPECT_EQ(effect, c.where == kNormalCell ? unsigned(ui::deNone) : unsigned(ui::deMove));
        EXPECT_EQ(CellsOf(*s.grid), c.cells);
        EXPECT_EQ(s.Entries(), c.entries);
        EXPECT_EQ(s.grid->OleDragCol(), c.dragCol);
        EXPECT_EQ(s.droppedAt, c.droppedAt);
        EXPECT_EQ(s.grid->NumHiddenColumns(), (c.where == kNormalCell ? 1 : 0) + (c.alsoHidden >= 0 ? 1 : 0));
    }
}

TEST(HiddenColumnList, AListThatGoesIsForgotten)
{
    HiddenColumnScene s;
    s.grid->OleColumnDragStart(2, 0, s.list);
    delete s.list;
    EXPECT_EQ(s.grid->OleDragList(), nullptr);
    EXPECT_EQ(s.grid->OleDragCol(), -1);
}

// A drag out of the list that ended elsewhere leaves its column noted; the grid's own header drag
// that follows moves its column and does not bring the hidden one back.
TEST(HiddenColumnList, TheGridsOwnColumnDragIsNoHiddenColumn)
{
    HiddenColumnScene s(4);
    s.grid->DragDropSettings()->OleColumnDragDrop = true;
    s.grid->DragDropSettings()->OleColumnReorder = true;
    s.grid->OleColumnDragStart(4, 0, s.list);
    const ui::TPoint at = s.MiddleOf(2, 0);
    ui::qt::ScriptNextDrop(s.grid, at.X, at.Y);
    StartCellDrag(*s.grid, 0, 0);
    EXPECT_EQ(CellsOf(*s.grid), (Cells{{"B", "C", "A", "D"}, {"b", "c", "a", "d"}}));
    EXPECT_EQ(s.Entries(), (std::vector<std::string>{"E", "X"}));
    EXPECT_EQ(s.grid->OleDragCol(), -1);
}

TEST(DragPicture, SitsAtTheMouseOrEndsThereReadRightToLeft)
{
    constexpr int kWidth = 120, kFirstCol = 64;
    struct Case {
        const char* what;
        bool rightToLeft;
        ui::TPoint mouse;
        int width;
        ui::TPoint pos;
    } cases[] = {
        {"left to right: top-left at the mouse", false, {300, 200}, kWidth, {300, 200}},
        {"left to right at the screen's corner", false, {0, 0}, kWidth, {0, 0}},
        {"right to left: right edge at the mouse plus column 0", true, {300, 200}, kWidth, {244, 200}},
        {"right to left, narrower than column 0", true, {300, 200}, 30, {334, 200}},
        {"right to left near the left screen edge", true, {10, 5}, kWidth, {-46, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DragPicturePos(c.rightToLeft, c.mouse, c.width, kFirstCol), c.pos);
    }
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// A hidden column dragged by the display's pointer out of a list box onto the grid's first header
// cell in a real window: the column comes back there and its entry leaves the list. The list starts
// the drag as an application would.
TEST(HiddenColumnListWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    HiddenColumnScene s;
    s.form.SetCaption("Hidden column drag");
    s.form.SetBounds(100, 100, 620, 320);
    bool dragging = false;
    s.list->OnMouseMove = [&s, &dragging](TObject*, ui::TShiftState shift, int X, int Y) {
        const int index = s.list->ItemAtPos({X, Y});
        if (dragging || !(shift & ui::ssLeft) || index != 0)
            return;
        dragging = true;
        s.grid->OleColumnDragStart(s.hidden, index, s.list);
        unsigned effect = ui::deNone;
        StartColumnDrag(s.list, nullptr, s.hidden, ui::deMove, effect);
        dragging = false;
    };
    ASSERT_TRUE(realinput::WaitShown(s.form));
    testsupport::Shot("72_list_before");
    const ui::TRect entry = s.list->ItemRect(0);
    const ui::TPoint from{(entry.Left + entry.Right) / 2, (entry.Top + entry.Bottom) / 2};
    EXPECT_TRUE(realinput::DragAndDrop(s.list, from, s.grid, s.MiddleOf(0, 0)));
    testsupport::Shot("74_list_dropped");
    EXPECT_EQ(CellsOf(*s.grid), (Cells{{"C", "A", "B", "D", "E"}, {"c", "a", "b", "d", "e"}}));
    EXPECT_EQ(s.Entries(), (std::vector<std::string>{"X"}));
}

}  // namespace
}  // namespace gx
