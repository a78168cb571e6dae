// A column grid in a real window for the manual check scripts/manual/column_popup_balloon.sh: a
// right click on the "Kind" header opens the column's popup menu under the header cell, and the
// mouse resting on a cell shows the cell's balloon. Skipped unless GRID_WINDOW gives the seconds
// to keep the window open; what happened is written to GRID_WINDOW_REPORT when that names a file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../stringgrid/GxGridWindowLoop.h"
#include "grid/columngrid/GxColumnGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

namespace gx {
namespace {

TEST(GxColumnGridWindow, InARealWindow)
{
    const char* seconds = std::getenv("GRID_WINDOW");
    if (!seconds)
        GTEST_SKIP() << "set GRID_WINDOW to show the window";
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
    const char* report = std::getenv("GRID_WINDOW_REPORT");
    auto writeReport = [&] {
        if (!report)
            return;
        std::ofstream out(report);
        for (const std::string& e : events)
            out << e << "\n";
        const ui::TToolTip* tip = grid->BalloonToolTip();
        out << "balloon shown " << (tip && tip->Showing() ? 1 : 0) << "\n";
        if (tip && tip->Showing())
            out << "balloon at " << tip->ScreenPos().X << " " << tip->ScreenPos().Y << " size "
                << tip->Picture().Width() << " " << tip->Picture().Height() << "\n";
        out << "menu at " << menu->PopupPoint().X << " " << menu->PopupPoint().Y << "\n";
    };
    ShowWhileReporting(form, std::atoi(seconds), writeReport, 100);
}

}  // namespace
}  // namespace gx
