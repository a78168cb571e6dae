// A column grid in a real window, driven by the display's pointer and keys: a right click on the
// "Kind" header opens the column's popup menu under the header cell (OnColumnPopup first) and Down,
// Down, Enter picks its second entry; the mouse resting on a cell shows the cell's balloon, and
// moving to another cell brings that cell's balloon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RealDisplay.h"
#include "grid/columngrid/GxColumnGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/RealInput.h"

namespace gx {
namespace {

using namespace realinput;

TEST(GxColumnGridWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    std::vector<std::string> events;
    ui::TForm form(nullptr);
    form.SetCaption("Column grid popup and balloon");
    form.SetBounds(100, 100, 460, 320);
    auto* grid = new TGxColumnGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 420, 260);
    grid->SetColCount(4);
    grid->SetRowCount(8);
    grid->SetDefaultRowHeight(20);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 110);
    grid->SetColWidths(2, 110);
    grid->SetColWidths(3, 130);
    const char* headers[] = {"", "Name", "Kind", "Note"};
    for (int c = 1; c < 4; ++c)
        grid->Columns()->Items(c)->SetHeader(headers[c]);
    for (int r = 1; r < 8; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "item " + std::to_string(r));
        grid->SetCells(2, r, r % 2 ? "input" : "output");
        grid->SetCells(3, r, r == 3 ? "<b>Bold</b> note that is long enough to be wrapped in the balloon" : "-");
    }
    auto* menu = new ui::TPopupMenu(&form);
    for (const char* caption : {"Sort ascending", "Sort descending", "-", "Hide column"}) {
        auto* item = new ui::TMenuItem(menu);
        item->Caption = caption;
        item->OnClick = [&events, caption](ui::TObject*) { events.push_back(std::string("clicked ") + caption); };
        menu->Items()->Add(item);
    }
    grid->Columns()->Items(2)->SetColumnPopup(menu);
    grid->OnColumnPopup = [&](ui::TObject*, int ACol, int ARow, ui::TPopupMenu*) {
        events.push_back("popup " + std::to_string(ACol) + " " + std::to_string(ARow));
    };
    grid->Balloon()->SetEnable(true);
    grid->Balloon()->InitialDelay = 300;
    grid->OnCellBalloon = [&](ui::TObject*, int ACol, int ARow, std::string&, std::string& AText, int&) {
        events.push_back("balloon " + std::to_string(ACol) + " " + std::to_string(ARow) + " " + AText);
    };
    grid->Loaded();
    form.Show();
    grid->SetFocus();
    ASSERT_TRUE(WaitShown(form));
    testsupport::Shot("70_column_grid");
    const auto middle = [&](int c, int r) {
        const ui::TRect rc = grid->CellRect(c, r);
        return ui::TPoint{(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    };

    // The "Kind" header's menu, opened under the header cell, and its second entry picked. The menu
    // runs a loop of its own while it is open, so the keys come from an xdotool that runs on.
    const ui::TPoint kind = ScreenPoint(grid, middle(2, 0).X, middle(2, 0).Y);
    const int xdo = testsupport::StartXdoTool({"mousemove", std::to_string(kind.X), std::to_string(kind.Y), "click",
                                               "3", "sleep", "0.8", "key", "Down", "Down", "Return"});
    ASSERT_NE(xdo, -1);
    EXPECT_TRUE(WaitFor([&] { return events.size() >= 2; }, 10000)) << "the menu was not used";
    EXPECT_TRUE(WaitFor([&] { return testsupport::ProcessEnded(xdo); }));
    Pointer() = kind;
    testsupport::Shot("71_column_popup_used");
    const ui::TRect header = grid->CellRect(2, 0);
    const ui::TPoint underHeader = ScreenPoint(grid, header.Left, header.Bottom);
    EXPECT_NEAR(menu->PopupPoint().X, underHeader.X, 2);
    EXPECT_NEAR(menu->PopupPoint().Y, underHeader.Y, 2);

    // The balloon of the long note in row 3, then the one of row 5 once the mouse moved there.
    const ui::TPoint note3 = middle(3, 3);
    MoveTo(grid, note3.X, note3.Y);
    EXPECT_TRUE(WaitFor([&] { return grid->BalloonToolTip() && grid->BalloonToolTip()->Showing(); }))
        << "no balloon over the note";
    Settle(300);
    testsupport::Shot("72_cell_balloon");
    const ui::TPoint note5 = middle(3, 5);
    MoveTo(grid, note5.X, note5.Y);
    EXPECT_TRUE(WaitFor([&] { return !events.empty() && events.back().rfind("balloon 3 5", 0) == 0; }))
        << "no balloon for the next cell";
    testsupport::Shot("73_next_cells_balloon");

    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[0], "popup 2 0");
    EXPECT_EQ(events[1], "clicked Sort descending");
    EXPECT_EQ(events[2].rfind("balloon 3 3 Bold note", 0), 0u) << events[2];
}

}  // namespace
}  // namespace gx
