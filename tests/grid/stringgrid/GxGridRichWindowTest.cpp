// A rich-text cell edited in a real window, for the manual check scripts/manual/grid_rich_edit.sh:
// a cell with bold and raised text opened with F2, typed into, committed by a click on another
// cell; an HTML hint lies over the grid and lets clicks through. Skipped unless RICH_WINDOW gives
// the seconds to keep the window open; the grid's state goes to RICH_WINDOW_REPORT when set.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridHintWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "GxGridWindowLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace gx {
namespace {

TEST(GxGridRichWindow, InARealWindow)
{
    const char* seconds = std::getenv("RICH_WINDOW");
    if (!seconds)
        GTEST_SKIP() << "set RICH_WINDOW to show the window";
    ui::TForm form(nullptr);
    form.SetCaption("Rich text cells");
    form.SetBounds(100, 100, 460, 320);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 420, 260);
    grid->SetColCount(3);
    grid->SetRowCount(6);
    grid->SetDefaultRowHeight(24);
    grid->SetColWidths(0, 30);
    grid->SetColWidths(1, 220);
    grid->SetColWidths(2, 150);
    grid->SetOptions(grid->Options() | ui::goEditing);
    grid->SizeWhileTyping()->Height = true;
    grid->Navigation()->SetEditSelectAll(false);
    grid->SetCells(1, 0, "Rich text");
    grid->SetCells(2, 0, "Plain");
    grid->SetCells(1, 1,
                   "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil Tahoma;}}{\\colortbl ;\\red200\\green0\\blue0;}"
                   "\\f0\\fs18 E = m{\\b c}{\\up6 2} {\\cf1 red} H{\\dn4 2}O}");
    grid->SetCells(2, 1, "plain text");
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& e) {
        if (ACol == 1)
            e = edRichEdit;
    };
    grid->SetCol(1);
    grid->SetRow(1);
    form.Show();
    grid->SetFocus();
    // A hint over the third row: clicks go through it to the grid.
    THTMLHintWindow hint(&form);
    const ui::TRect cell = grid->CellRect(2, 3);
    ui::TRect at = {0, 0, 0, 0};
    const ui::TPoint p = grid->ClientToScreen({cell.Left + 4, cell.Top + 2});
    at = {p.X, p.Y, p.X, p.Y};
    hint.ActivateHintData(at, "<b>Hint</b> lets clicks <i>through</i>", grid);
    const char* report = std::getenv("RICH_WINDOW_REPORT");
    auto writeReport = [&] {
        if (!report)
            return;
        std::ofstream out(report);
        out << "row " << grid->Row() << "\ncol " << grid->Col() << "\nediting " << grid->EditMode() << "\n";
        out << "height1 " << grid->RowHeights(1) << "\n";
        grid->CellToRich(1, 1, grid->RichEdit());
        std::string plain = grid->RichEdit()->Text();
        for (auto& ch : plain)
            if (ch == '\r' || ch == '\n')
                ch = '|';  // CR LF shows as "||"
        out << "text1 " << plain << "\n";
        out << "hint " << hint.IsOpen() << " " << hint.Left() << " " << hint.Top() << " " << hint.Width() << " "
            << hint.Height() << "\n";
    };
    ShowWhileReporting(form, std::atoi(seconds), writeReport);
}

}  // namespace
}  // namespace gx
