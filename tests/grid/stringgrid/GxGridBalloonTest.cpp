// Balloon tool tips over the grid's cells: the tool tip comes and goes with Balloon.Enable, takes
// the settings' delays and transparency, answers with the cell under the mouse (its own balloon
// and OnCellBalloon having the last word), and goes when the mouse moves to another cell.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../../platform/ui/RemovalProbe.h"
#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace gx {
namespace {

// A form holding a grid of 4 columns and 5 rows (1 fixed each), 60 x 20 pixel cells.
class GxGridBalloon : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 500, 400);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c)
                grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
    }
    ui::TPoint Center(int c, int r) const
    {
        const ui::TRect rc = grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    // Rests the mouse on a cell until the balloon has been asked for.
    void Hover(int c, int r)
    {
        ui::SendMouseMove(grid, Center(c, r).X, Center(c, r).Y);
        if (ui::TToolTip* tip = grid->BalloonToolTip(); tip && tip->Waiting())
            tip->Tick();
    }

    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
};

TEST_F(GxGridBalloon, EnableSetsTheToolTipUpAndTakesItAway)
{
    uitest::TRemovalProbe probe;
    EXPECT_EQ(grid->BalloonToolTip(), nullptr);
    for (int round = 1; round <= 2; ++round) {
        grid->Balloon()->SetEnable(true);
        ui::TToolTip* made = grid->BalloonToolTip();
        ASSERT_NE(made, nullptr);
        probe.FreeNotification(made);
        grid->Balloon()->SetEnable(true);  // on again: the same one
        EXPECT_EQ(grid->BalloonToolTip(), made);
        grid->Balloon()->SetEnable(false);
        EXPECT_EQ(grid->BalloonToolTip(), nullptr);
        EXPECT_EQ(probe.Gone, round);
    }

    struct Case {
        int transparency, alpha;
    } cases[] = {{0, 255}, {55, 200}};
    for (const Case& c : cases) {
        grid->Balloon()->Transparency = static_cast<std::uint8_t>(c.transparency);
        grid->Balloon()->InitialDelay = 300;
        grid->Balloon()->AutoHideDelay = 4000;
        grid->Balloon()->SetEnable(true);
        EXPECT_EQ(grid->BalloonToolTip()->Alpha(), c.alpha);
        EXPECT_EQ(grid->BalloonToolTip()->DelayTime(ui::TToolTipDelay::Initial), 300);
        EXPECT_EQ(grid->BalloonToolTip()->DelayTime(ui::TToolTipDelay::Reshow), 60);  // the system's rule
        EXPECT_EQ(grid->BalloonToolTip()->DelayTime(ui::TToolTipDelay::AutoPop), 4000);
        EXPECT_EQ(grid->BalloonToolTip()->Title(), "ToolTipText");
        grid->Balloon()->SetEnable(false);
    }
}

TEST_F(GxGridBalloon, ShowsTheTextOfTheCellUnderTheMouse)
{
    grid->Balloon()->SetEnable(true);
    grid->Balloon()->BackgroundColor = 0xE0FFFF;
    grid->SetCells(2, 3, "<b>word</b>");
    grid->AddBalloon(1, 2, "Own title", "Own text", biWarning);
    std::string longTitle(120, 't');
    grid->SetCells(3, 4, "long");
    std::vector<std::string> asked;
    grid->OnCellBalloon = [&](ui::TObject*, int ACol, int ARow, std::string& ATitle, std::string& AText, int& AIcon) {
        asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
        if (ACol == 3) {
            ATitle = longTitle;
            AIcon = biError;
        }
        (void)AText;
    };
    struct Case {
        int col, row;
        std::string text, title;
        int icon;
    } cases[] = {
        {2, 3, "word", " ", ui::ttiInfo},
        {1, 2, "Own text", "Own title", ui::ttiWarning},
        {3, 4, "long", std::string(97, 't') + "...", ui::ttiError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Hover(c.col, c.row);
        ui::TToolTip* tip = grid->BalloonToolTip();
        ASSERT_TRUE(tip->Showing());
        EXPECT_EQ(tip->Text(), c.text);
        EXPECT_EQ(tip->Title(), c.title);
        EXPECT_EQ(tip->TitleIcon(), c.icon);
        EXPECT_EQ(tip->MaxTipWidth(), 300);
        EXPECT_EQ(tip->TipBkColor(), 0xE0FFFFu);
        EXPECT_EQ(tip->TipTextColor(), ui::clInfoText);  // clNone in the settings: the system's
        EXPECT_EQ(grid->LastBalloonPos, ui::TPoint(c.col, c.row));
        ui::SendMouseMove(grid, Center(c.col, c.row).X + 3, Center(c.col, c.row).Y);
        EXPECT_TRUE(tip->Showing());  // the same cell keeps it
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"2,3", "1,2", "3,4"}));
}

TEST_F(GxGridBalloon, AnotherCellTakesTheBalloonAwayAndBringsItsOwn)
{
    grid->Balloon()->SetEnable(true);
    Hover(1, 1);
    ui::TToolTip* tip = grid->BalloonToolTip();
    ASSERT_TRUE(tip->Showing());
    ui::SendMouseMove(grid, Center(2, 1).X, Center(2, 1).Y);
    EXPECT_FALSE(tip->Showing());
    EXPECT_EQ(grid->LastBalloonPos, ui::TPoint(-1, -1));
    EXPECT_TRUE(tip->Waiting());  // the next one comes after the reshow delay
    tip->Tick();
    EXPECT_EQ(tip->Text(), "2:1");

    grid->MergeCells(1, 3, 2, 1);  // a merged range is one cell
    Hover(1, 3);
    EXPECT_EQ(grid->LastBalloonPos, ui::TPoint(1, 3));
    ui::SendMouseMove(grid, Center(2, 3).X, Center(2, 3).Y);
    EXPECT_TRUE(tip->Showing());

    // Switched off, the grid answers no request.
    grid->Balloon()->SetEnable(false);
    ui::TToolTipText request;
    request.CursorPos = Center(1, 1);
    grid->Perform(ui::WM_NOTIFY, 0, reinterpret_cast<std::intptr_t>(&request));
    EXPECT_EQ(request.Text, "");
}

}  // namespace
}  // namespace gx
