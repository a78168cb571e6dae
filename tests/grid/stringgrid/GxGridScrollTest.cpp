// The string grid's stretch column, scrolling while something is dragged near its edges, the
// 500 ms timer (hovering, blinking) and the change notifiers.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxEditLink.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace gx {
namespace {

// Three columns of 50 pixels (one fixed) and 40 rows of 20 in a form.
class GxGridScroll : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientWidth(500);
        form.SetClientHeight(400);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 300, 200);
        grid->SetColCount(3);
        grid->SetRowCount(40);
        grid->SetDefaultColWidth(50);
        grid->SetDefaultRowHeight(20);
    }
    void Tick() { grid->Perform(ui::WM_TIMER, 111); }

    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
};

TEST_F(GxGridScroll, TheStretchColumnFillsTheClientWidthAndFollowsLaterChanges)
{
    grid->ColumnSize()->SetStretch(true);
    const int client = grid->ClientWidth();
    EXPECT_EQ(grid->ColWidths(2), client - 100 - 1);  // the last column by default

    // A wider neighbour, a wider grid and a new column each stretch again.
    grid->SetColWidths(1, 80);
    EXPECT_EQ(grid->ColWidths(2), client - 130 - 1);
    grid->SetBounds(0, 0, 360, 200);
    EXPECT_EQ(grid->ColWidths(2), grid->ClientWidth() - 130 - 1);
    grid->SetColCount(4);
    EXPECT_EQ(grid->ColWidths(3), grid->ClientWidth() - 130 - grid->ColWidths(2) - 1);

    // Other columns wider than the client, not scrolled: the default width.
    grid->ColumnSize()->StretchColumn = 1;
    grid->SetColWidths(2, 400);
    EXPECT_EQ(grid->ColWidths(1), 50);
}

TEST_F(GxGridScroll, StretchColumnTakesMinusOneForTheLastAndRefusesAColumnBeyond)
{
    grid->StretchColumn(-1);
    EXPECT_EQ(grid->ColWidths(2), 50);  // Stretch off: nothing
    grid->ColumnSize()->SetStretch(true);
    grid->SetColWidths(2, 10);
    grid->StretchColumn(-1);
    EXPECT_EQ(grid->ColWidths(2), grid->ClientWidth() - 101);
    EXPECT_THROW(grid->StretchColumn(3), rtl::Exception);

    // A configured stretch column beyond the columns is left alone by size changes.
    grid->ColumnSize()->StretchColumn = 5;
    EXPECT_NO_THROW(grid->SetColWidths(1, 70));
    EXPECT_NO_THROW(grid->SetBounds(0, 0, 320, 200));
}

TEST_F(GxGridScroll, AnItemDraggedNearAnEdgeScrollsThatWayUntilTheEnd)
{
    bool accept = true;
    grid->DragOver(nullptr, 100, 190, dsDragMove, accept);  // inactive: nothing
    grid->Perform(ui::WM_TIMER, 112);
    EXPECT_EQ(grid->TopRow(), 1);

    grid->DragScrollOptions()->Active = true;
    grid->DragOver(nullptr, 100, 190, dsDragEnter, accept);
    grid->Perform(ui::WM_TIMER, 112);
    grid->Perform(ui::WM_TIMER, 112);
    EXPECT_EQ(grid->TopRow(), 3);

    std::vector<int> asked;
    grid->OnDragScroll = [&](TObject*, int top, int, TDragScrollDirections& dirs, bool&) {
        asked.push_back(top);
        dirs = dsdUp;  // the handler turns the direction
    };
    grid->Perform(ui::WM_TIMER, 112);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(asked, std::vector<int>{3});
    grid->OnDragScroll = nullptr;

    // Near the top edge it scrolls up and stops at the first normal row.
    grid->DragOver(nullptr, 100, 10, dsDragMove, accept);
    for (int i = 0; i < 5; ++i)
        grid->Perform(ui::WM_TIMER, 112);
    EXPECT_EQ(grid->TopRow(), 1);

    // Leaving the grid stops the timer: later ticks do nothing.
    grid->DragOver(nullptr, 100, 190, dsDragMove, accept);
    grid->DragOver(nullptr, 100, 190, dsDragLeave, accept);
    grid->Perform(ui::WM_TIMER, 112);
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(GxGridScroll, WithHoveringTheCurrentCellFollowsTheMouseAtEachTick)
{
    form.Show();
    const ui::TRect cell = grid->CellRect(2, 4);
    ui::SendMouseMove(grid, cell.Left + 5, cell.Top + 5);
    Tick();
    EXPECT_EQ(grid->Row(), 1);  // Hovering off
    grid->Hovering = true;
    Tick();
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 4);
}

TEST_F(GxGridScroll, BlinkingTogglesItsPhaseOnlyWithEnableBlink)
{
    grid->SetCells(1, 2, "<BLINK>now</BLINK>");
    Tick();
    EXPECT_FALSE(grid->Pointer.GridBlink);
    grid->EnableBlink = true;
    Tick();
    EXPECT_TRUE(grid->Pointer.GridBlink);
    Tick();
    EXPECT_FALSE(grid->Pointer.GridBlink);
}

// A notifier that writes what it is told into a shared log.
class LoggingNotifier : public TGridChangeNotifier {
public:
    LoggingNotifier(std::vector<std::string>& log, std::string name)
        : TGridChangeNotifier(nullptr), log_(log), name_(std::move(name))
    {}
    void CellsChanged(ui::TRect R) override { log_.push_back(name_ + " " + std::to_string(R.Top)); }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST_F(GxGridScroll, ChangeNotifiersAreToldOnceEachAfterOnCellsChanged)
{
    std::vector<std::string> log;
    grid->OnCellsChanged = [&](TObject*, const ui::TRect&) { log.push_back("event"); };
    LoggingNotifier a(log, "a"), b(log, "b");
    grid->RegisterNotifier(&a);
    grid->RegisterNotifier(&a);
    grid->RegisterNotifier(&b);
    grid->UnRegisterNotifier(&b);
    grid->UnRegisterNotifier(&b);
    grid->ClearRect(1, 3, 2, 4);
    EXPECT_EQ(log, (std::vector<std::string>{"event", "a 3"}));
}

struct Listener : ITGxStringGridSelect {
    std::vector<std::pair<int, int>> cells;
    void SelectionChanged(int ACol, int ARow) override { cells.emplace_back(ACol, ARow); }
};

TEST_F(GxGridScroll, TheSelectionListenerHearsEachNewCurrentCell)
{
    Listener first, second;
    grid->RegisterSelListener(&first);
    grid->RegisterSelListener(&second);  // replaces the first
    grid->MoveToCell(2, 5);
    grid->UnRegisterSelListener(&second);
    grid->MoveToCell(1, 6);
    EXPECT_TRUE(first.cells.empty());
    EXPECT_EQ(second.cells, (std::vector<std::pair<int, int>>{{2, 5}}));
}

}  // namespace
}  // namespace gx
