// A string grid of 257 rows in a real window, for the manual check scripts/manual/grid_input.sh:
// scrolled by its bar, the wheel and keys, a check box clicked, a value typed and committed with
// Enter. Skipped unless GRID_WINDOW gives the seconds to keep the window open; the grid's final
// state is written to GRID_WINDOW_REPORT when that names a file.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "GxGridWindowLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace gx {
namespace {

TEST(GxGridWindow, InARealWindow)
{
    const char* seconds = std::getenv("GRID_WINDOW");
    if (!seconds)
        GTEST_SKIP() << "set GRID_WINDOW to show the window";
    ui::TForm form(nullptr);
    form.SetCaption("String grid input");
    form.SetBounds(100, 100, 420, 320);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 380, 260);
    grid->SetColCount(4);
    grid->SetRowCount(257);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(20);
    grid->SetColWidths(0, 40);
    grid->SetOptions(grid->Options() | ui::goEditing | ui::goThumbTracking);
    grid->SetCells(1, 0, "Name");
    grid->SetCells(2, 0, "Active");
    grid->SetCells(3, 0, "Value");
    for (int r = 1; r < 257; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "item " + std::to_string(r));
        grid->CreateCellGraphic(2, r)->CellType = ctDataCheckBox;
        grid->SetCells(2, r, "N");
    }
    grid->Loaded();
    form.Show();
    grid->SetFocus();
    // The state is written as it goes, so the driver can read it while the window is open.
    const char* report = std::getenv("GRID_WINDOW_REPORT");
    auto writeReport = [&] {
        if (!report)
            return;
        std::ofstream out(report);
        out << "top " << grid->TopRow() << "\nrow " << grid->Row() << "\ncol " << grid->Col() << "\n";
        for (int r = 1; r < 257; ++r) {
            if (grid->Cells(2, r) == "Y")
                out << "checked " << r << "\n";
            if (!grid->Cells(3, r).empty())
                out << "value " << r << " " << grid->Cells(3, r) << "\n";
        }
    };
    ShowWhileReporting(form, std::atoi(seconds), writeReport);
}

}  // namespace
}  // namespace gx
