// A string grid in a real window for the manual check scripts/manual/grid_mouse.sh: rows moved by
// their fixed cells (the drop mark shows while the mouse is held) and a link clicked. Skipped
// unless GRID_WINDOW gives the seconds to keep the window open; what happened is written to
// GRID_WINDOW_REPORT when that names a file (the link is recorded, not opened).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "GxGridWindowLoop.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridInput.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Shell.h"

namespace gx {
namespace {

TEST(GxGridMouseWindow, InARealWindow)
{
    const char* seconds = std::getenv("GRID_WINDOW");
    if (!seconds)
        GTEST_SKIP() << "set GRID_WINDOW to show the window";
    std::vector<std::string> events;
    const ui::TShellOpenHandler previous = ui::SetShellOpenHandler([&](const std::string& target) {
        events.push_back("opened " + target);
        return true;
    });
    ui::TForm form(nullptr);
    form.SetCaption("String grid mouse");
    form.SetBounds(100, 100, 420, 320);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 380, 260);
    grid->SetColCount(4);
    grid->SetRowCount(12);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(20);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(3, 150);
    grid->SetOptions(grid->Options() | ui::goRowMoving | ui::goColMoving);
    grid->SetCells(1, 0, "Name");
    grid->SetCells(2, 0, "Kind");
    grid->SetCells(3, 0, "Link");
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "item " + std::to_string(r));
    }
    grid->SetCells(3, 8, "<a href=\"https://example.org/manual\">manual</a>");
    grid->OnRowMoved = [&](TObject*, int from, int to) {
        events.push_back("moved " + std::to_string(from) + " " + std::to_string(to));
    };
    grid->Loaded();
    form.Show();
    grid->SetFocus();
    const char* report = std::getenv("GRID_WINDOW_REPORT");
    auto writeReport = [&] {
        if (!report)
            return;
        std::ofstream out(report);
        const ui::TPoint mark = grid->Input()->MoveMark();
        out << "mark " << mark.X << " " << mark.Y << "\n";
        for (const std::string& e : events)
            out << e << "\n";
        for (int r = 1; r < 12; ++r)
            out << "row " << r << " " << grid->Cells(1, r) << "\n";
    };
    ShowWhileReporting(form, std::atoi(seconds), writeReport, 100);
    ui::SetShellOpenHandler(previous);
}

}  // namespace
}  // namespace gx
