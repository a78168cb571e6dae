// A rich-text cell edited in a real window, driven by the display's pointer and keys: the cell
// shows bold, raised, lowered and coloured text; a click on it opens the rich editor with the caret
// at the click; typed text and a new line grow the row; a click through an HTML hint lying over the
// grid onto another cell commits the edit.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridHintWindow.h"

#include <gtest/gtest.h>

#include <string>

#include "RealDisplay.h"
#include "grid/stringgrid/GxGridEditRich.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RealInput.h"

namespace gx {
namespace {

TEST(GxGridRichWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
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
    ASSERT_TRUE(realinput::WaitShown(form));
    testsupport::Shot("60_rich_start");
    const int heightBefore = grid->RowHeights(1);

    // A click near the end of the text opens the editor there; the typed text goes in after it.
    const ui::TRect rich = grid->CellRect(1, 1);
    realinput::Click(grid, rich.Left + 200, (rich.Top + rich.Bottom) / 2);
    ASSERT_TRUE(realinput::WaitFor([&] { return grid->EditMode(); }));
    realinput::Type(" new");
    realinput::Keys("Return");
    realinput::Type("line 2");
    testsupport::Shot("61_rich_editing");
    EXPECT_GT(grid->RowHeights(1), heightBefore) << "the row grows with the new line";

    // The hint lies over the second column where the third row was before the first row grew; the
    // click goes through it to the grid, which ends the edit.
    ASSERT_TRUE(hint.IsOpen());
    const ui::TPoint through = grid->ScreenToClient({hint.Left() + 30, hint.Top() + 8});
    realinput::Click(grid, through.X, through.Y);
    testsupport::Shot("62_rich_committed");
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Col(), 2);
    grid->CellToRich(1, 1, grid->RichEdit());
    std::string plain = grid->RichEdit()->Text();
    for (auto& ch : plain)
        if (ch == '\r' || ch == '\n')
            ch = '|';  // CR LF shows as "||"
    EXPECT_EQ(plain, "E = mc2 red H2O new||line 2");
}

}  // namespace
}  // namespace gx
