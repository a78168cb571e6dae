// The string grid's proportional scroll bars (thumb share of the shown rows, thumb positions to
// rows), flat scroll bars, the in-cell scroll bar of scroll-bar cells, columns that keep in step with the grid's
// width, and a synchronised second grid following scrolling and the current row.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Forms.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace gx {
namespace {

// Five columns of 60 (one fixed) and 101 rows of 20 (one fixed) in 400 x 300 pixels.
class GxGridScrollBars : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientWidth(800);
        form.SetClientHeight(600);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(5);
        grid->SetRowCount(101);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
    }
    // The thumb's share of the bar and the share of the normal rows' pixels the client shows.
    double ThumbShare() const
    {
        const ui::TScrollInfo info = grid->GetScrollInfo(ui::SB_VERT);
        return static_cast<double>(info.nPage) / (info.nMax - info.nMin + 1);
    }
    double ShownShare() const
    {
        double fixed = 0, normal = 0;
        for (int r = 0; r < grid->RowCount(); ++r)
            (r < grid->FixedRows() ? fixed : normal) += grid->RowHeights(r) + grid->GridLineWidth();
        return (grid->ClientHeight() - fixed) / normal;
    }
    void Thumb(int pos) { grid->Perform(ui::WM_VSCROLL, ui::MakeWParam(ui::SB_THUMBPOSITION, pos)); }

    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
};

TEST_F(GxGridScrollBars, AProportionalThumbIsTheShareOfTheShownRowsPixels)
{
    // The bar runs over 128 positions: the thumb is within two percent of the share shown.
    grid->ScrollProportional = true;
    grid->UpdateScrollBars();
    ASSERT_TRUE(grid->ProportionalBar(true));
    const double all = ThumbShare();
    EXPECT_NEAR(all, ShownShare(), 0.02);

    // Hidden rows take no room: the thumb grows with the share of the rows left.
    grid->HideRows(21, 60);
    grid->UpdateScrollBars();
    EXPECT_NEAR(ThumbShare(), ShownShare(), 0.02);
    EXPECT_GT(ThumbShare(), all * 1.5);

    // Tall rows count by their pixels, not as one row each.
    for (int r = 1; r < 11; ++r)
        grid->SetRowHeights(r, 100);
    grid->UpdateScrollBars();
    EXPECT_NEAR(ThumbShare(), ShownShare(), 0.02);

    // Off again: the bar counts rows.
    grid->ScrollProportional = false;
    grid->UpdateScrollBars();
    EXPECT_FALSE(grid->ProportionalBar(true));
    EXPECT_EQ(grid->GetScrollInfo(ui::SB_VERT).nMax, grid->RowCount() - 2);
}

TEST_F(GxGridScrollBars, AProportionalThumbPositionStandsForTheRowsBetweenFirstAndLastPage)
{
    grid->ScrollProportional = true;
    grid->UpdateScrollBars();
    const int last = grid->MaxTopRow();
    const struct {
        int pos, wantTop;
    } cases[] = {{127, last}, {0, 1}, {64, 1 + (last - 1 + 1) / 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pos);
        Thumb(c.pos);
        EXPECT_NEAR(grid->TopRow(), c.wantTop, 1);
    }
    // The bar follows a scroll by keys: at the end it stands at its end.
    grid->SetTopRow(last);
    grid->UpdateScrollBars();
    const ui::TScrollInfo info = grid->GetScrollInfo(ui::SB_VERT);
    EXPECT_EQ(info.nPos, info.nMax - info.nPage + 1);
}

TEST_F(GxGridScrollBars, FlatBarsTakeTheirWidthAndColourAndPlainOnesComeBack)
{
    grid->UpdateScrollBars();
    ASSERT_TRUE(grid->ScrollBarVisible(ui::SB_VERT));
    const int plainClient = grid->ClientWidth();
    grid->ScrollColor = ui::clRed;
    grid->ScrollWidth = 10;
    const struct {
        TScrollType type;
        bool flat;
    } cases[] = {{ssFlat, true}, {ssNormal, false}, {ssEncarta, true}, {ssMetro, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        grid->SetScrollType(c.type);
        EXPECT_EQ(grid->ClientWidth(), plainClient + (c.flat ? 17 - 10 : 0));
        ui::TBitmap bmp(grid->Width(), grid->Height());
        grid->PaintTree(*bmp.Canvas());
        const ui::TPoint o = grid->ClientOrigin();
        // Low in the bar, below its thumb: the track's own colour.
        const ui::TColor track = bmp.Canvas()->Pixels(o.X + grid->ClientWidth() + 2, grid->Height() - o.Y - 3);
        EXPECT_EQ(track == ui::clRed, c.flat);
    }
}

// Flat bars follow the grid's size: each shows while its rows or columns do not all fit, and only
// when ScrollBars asks for that bar.
TEST_F(GxGridScrollBars, FlatBarsShowAndHideAsTheGridIsSized)
{
    grid->SetRowCount(11);  // 10 normal rows of 20: they fit in 250 pixels, not in 150
    grid->SetScrollType(ssFlat);
    grid->UpdateScrollBars();
    struct Case {
        const char* name;
        ui::TScrollStyle bars;
        int width, height;
        bool wantH, wantV;
    } const cases[] = {
        {"all fits", ui::TScrollStyle::ssBoth, 400, 300, false, false},
        {"rows overflow", ui::TScrollStyle::ssBoth, 400, 150, false, true},
        {"columns overflow", ui::TScrollStyle::ssBoth, 200, 300, true, false},
        {"both overflow", ui::TScrollStyle::ssBoth, 200, 150, true, true},
        {"grown back", ui::TScrollStyle::ssBoth, 400, 300, false, false},
        {"only the vertical bar asked for", ui::TScrollStyle::ssVertical, 200, 150, false, true},
        {"only the horizontal bar asked for", ui::TScrollStyle::ssHorizontal, 210, 160, true, false},
        {"no bars asked for", ui::TScrollStyle::ssNone, 200, 150, false, false},
    };
    // Each case changes the size: the bars follow the size message.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->SetScrollBars(c.bars);
        grid->SetBounds(0, 0, c.width, c.height);
        EXPECT_EQ(grid->ScrollBarVisible(ui::SB_HORZ), c.wantH);
        EXPECT_EQ(grid->ScrollBarVisible(ui::SB_VERT), c.wantV);
    }
}

TEST_F(GxGridScrollBars, TheInCellScrollBarMovesTheCellsPositionAndReportsEachChange)
{
    grid->AddScrollBar(2, 3, false);
    std::vector<std::string> log;
    grid->OnScrollCell = [&](TObject*, int c, int r, int pos, int min, int max) {
        log.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(pos) + " in " +
                      std::to_string(min) + ".." + std::to_string(max));
    };
    grid->SetFocus();
    grid->MoveToCell(1, 3);
    ui::SendKeyStroke(grid, ui::VK_RIGHT);
    ui::TScrollBar* bar = grid->CellScrollBar();
    ASSERT_TRUE(bar->Visible());
    EXPECT_TRUE(grid->CellRect(2, 3).Contains({bar->Left(), bar->Top()}));

    const struct {
        ui::TScrollCode code;
        int track, want;
    } steps[] = {
        {ui::TScrollCode::scLineDown, 0, 10},  {ui::TScrollCode::scPageDown, 0, 100},
        {ui::TScrollCode::scLineDown, 0, 100}, {ui::TScrollCode::scLineUp, 0, 90},
        {ui::TScrollCode::scTrack, 42, 42},    {ui::TScrollCode::scPageUp, 0, 0},
    };
    for (const auto& s : steps)
        bar->Scroll(s.code, s.track);
    EXPECT_EQ(grid->GetScrollPosition(2, 3), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"2,3 10 in 0..100", "2,3 100 in 0..100", "2,3 90 in 0..100",
                                             "2,3 42 in 0..100", "2,3 0 in 0..100"}))
        << "a line down at the end changes nothing and reports nothing";

    ui::SendKeyStroke(grid, ui::VK_DOWN);
    EXPECT_FALSE(bar->Visible());
}

TEST_F(GxGridScrollBars, ColumnsKeepInStepWithTheGridsWidth)
{
    grid->ColumnSize()->SynchWithGrid = true;
    grid->SetBounds(0, 0, 401, 300);  // the first size change records the widths
    grid->SetBounds(0, 0, 601, 300);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid->ColWidths(c), 90) << c;
    grid->SetBounds(0, 0, 200, 300);
    EXPECT_EQ(grid->ColWidths(1), 30);

    grid->ColumnSize()->SynchNormalCellsOnly = true;
    grid->SetBounds(0, 0, 802, 300);
    EXPECT_EQ(grid->ColWidths(1), 120);
    EXPECT_EQ(grid->ColWidths(0), 30) << "the fixed column keeps its width";
}

TEST_F(GxGridScrollBars, ASynchronisedGridFollowsTheScrollingAndTheCurrentRow)
{
    auto* other = new TGxStringGrid(&form);
    other->SetParent(&form);
    other->SetBounds(400, 0, 300, 300);
    other->SetColCount(12);
    other->SetRowCount(101);
    grid->SetColCount(12);
    grid->SyncGrid()->SetGrid(other);
    grid->SyncGrid()->ScrollVertical = true;
    grid->SyncGrid()->ScrollHorizontal = true;
    grid->SyncGrid()->SelectionRow = true;

    grid->Perform(ui::WM_VSCROLL, ui::SB_LINEDOWN);
    grid->Perform(ui::WM_HSCROLL, ui::SB_LINEDOWN);
    EXPECT_EQ(other->TopRow(), grid->TopRow());
    EXPECT_EQ(other->LeftCol(), grid->LeftCol());
    EXPECT_EQ(other->TopRow(), 2);

    grid->SetFocus();
    ui::SendKeyStroke(grid, ui::VK_DOWN);
    EXPECT_EQ(other->Row(), grid->Row());
    const ui::TRect r = grid->CellRect(2, 6);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, r.Left + 5, r.Top + 5);
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, r.Left + 5, r.Top + 5);
    EXPECT_EQ(grid->Row(), 6);
    EXPECT_EQ(other->Row(), 6);

    grid->SyncGrid()->ScrollVertical = false;
    grid->Perform(ui::WM_VSCROLL, ui::SB_LINEDOWN);
    EXPECT_NE(other->TopRow(), grid->TopRow());
}

}  // namespace
}  // namespace gx
