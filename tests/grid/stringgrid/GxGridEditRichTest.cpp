// The rich-text cell editor through the input path: value in and out, Escape, the keys it hands
// back to the grid, raised and lowered text, and the row growing while typing.
#include "GxGridEditFixture.h"
#include "GxGridPaintFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridEditRich.h"
#include "platform/rtl/Exceptions.h"

namespace gx {
namespace {

class GxGridEditRich : public GxGridEdit {
protected:
    void SetUp() override
    {
        GxGridEdit::SetUp();
        grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& e) {
            if (ACol == 1)
                e = edRichEdit;
        };
    }
    DIzuReriVoru* Editor() { return grid->InplaceRichEdit(); }
    std::string Rich(const std::string& body) { return "{\\rtf1\\ansi " + body + "}"; }
};

TEST_F(GxGridEditRich, TheCellsRichTextGoesInAndTheEditedTextComesBack)
{
    grid->SetCells(1, 1, Rich("plain {\\b bold} x{\\up4 2}"));
    Key(ui::VK_F2);
    ASSERT_TRUE(Editor()->Visible());
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(Editor()->Text(), "plain bold x2");
    EXPECT_EQ(Editor()->SelLength(), 13);  // all selected
    EXPECT_FALSE(Editor()->IsSelSuperscript());
    Key(ui::VK_END);
    EXPECT_TRUE(Editor()->IsSelSuperscript());  // after the raised "2"
    Type("3");
    Key(ui::VK_RETURN, U'\r');
    Type("next");
    grid->SetFocus();  // a click on the grid ends the edit
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_FALSE(grid->EditMode());
    const std::string cell = grid->Cells(1, 1);
    EXPECT_EQ(cell.rfind("{\\rtf1", 0), 0u);
    // The stored text reads back with its formats.
    DIzuReriVoru* conv = grid->RichEdit();
    grid->CellToRich(1, 1, conv);
    EXPECT_EQ(conv->Text(), "plain bold x23\r\nnext");
    const ui::TRichText t = conv->Content();
    EXPECT_EQ(t.Formats[6].Style, static_cast<ui::TFontStyles>(ui::fsBold));
    EXPECT_EQ(t.Formats[12].Offset, 40);
    EXPECT_EQ(t.Formats[13].Offset, 40);  // typed after it: raised too
    EXPECT_EQ(grid->RichToString(conv), cell);
    Flush();
    EXPECT_EQ(log, (std::vector<std::string>{"done", "cell done 1,1"}));
}

TEST_F(GxGridEditRich, OpeningAndClosingOrEscapeLeaveTheCellAsItWas)
{
    // Rich text from elsewhere, in a form the editor would write differently.
    const std::string foreign = Rich("{\\fonttbl{\\f0 Arial;}}\\f0 kept \\'e9");
    const struct {
        const char* name;
        std::string cell;
        bool type;
    } cases[] = {{"unchanged rich", foreign, false},
                 {"escape after typing", foreign, true},
                 {"plain cell, escape", "plain", true},
                 {"empty cell, escape", "", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid->SetCells(1, 1, c.cell);
        Key(ui::VK_F2);
        ASSERT_TRUE(Editor()->Visible());
        if (c.type) {
            Type("typed");
            Key(ui::VK_ESCAPE, 27);
        } else {
            grid->SetFocus();
        }
        EXPECT_FALSE(Editor()->Visible());
        EXPECT_EQ(grid->Cells(1, 1), c.cell);
        EXPECT_TRUE(grid->Focused());
    }
    // A click on another cell ends the edit the same way.
    grid->SetCells(1, 1, foreign);
    for (bool typed : {false, true}) {
        SCOPED_TRACE(typed);
        grid->SetCol(1);
        grid->SetRow(1);
        Key(ui::VK_F2);
        ASSERT_TRUE(Editor()->Visible());
        if (typed)
            Type("typed");
        const ui::TRect other = grid->CellRect(2, 2);
        ui::SendClick(grid, other.Left + 3, other.Top + 3);
        Flush();
        EXPECT_FALSE(Editor()->Visible());
        EXPECT_EQ(grid->Row(), 2);
        if (!typed) {
            EXPECT_EQ(grid->Cells(1, 1), foreign);
        } else {
            grid->CellToRich(1, 1, grid->RichEdit());
            EXPECT_EQ(grid->RichEdit()->Text(), "typed");
        }
    }
}

TEST_F(GxGridEditRich, TypingStartsTheEditWithTheTypedCharacter)
{
    grid->SetCells(1, 1, "");
    Key('A', U'a');
    Flush();
    ASSERT_TRUE(Editor()->Visible());
    EXPECT_EQ(Editor()->Text(), "a");
    Key(ui::VK_TAB, U'\t');  // no goTabs: Tab does not end the edit
    EXPECT_TRUE(Editor()->Visible());
}

TEST_F(GxGridEditRich, UpAndDownMoveTheCellWithoutWordWrapAndTheCaretWithIt)
{
    for (bool wrap : {false, true}) {
        SCOPED_TRACE(wrap);
        grid->SetWordWrap(wrap);
        grid->SetRow(2);
        grid->SetCells(1, 2, "line one\r\nline two");
        Key(ui::VK_F2);
        ASSERT_TRUE(Editor()->Visible());
        Key(ui::VK_UP);
        if (!wrap) {
            EXPECT_FALSE(Editor()->Visible());
            EXPECT_EQ(grid->Row(), 1);
            EXPECT_EQ(grid->Cells(1, 2), "line one\r\nline two");  // nothing typed, nothing written
        } else {
            EXPECT_TRUE(Editor()->Visible());
            EXPECT_EQ(grid->Row(), 2);
            EXPECT_EQ(Editor()->SelStart(), 8);  // from the end of line two to the end of line one
            Key(ui::VK_ESCAPE, 27);
        }
    }
}

TEST_F(GxGridEditRich, TabWithTabsEndsTheEditAndOpensTheNextCellsEditor)
{
    grid->SetOptions(grid->Options() | ui::goTabs);
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& e) {
        if (ACol == 1 || ACol == 2)
            e = edRichEdit;
    };
    grid->SetCells(2, 1, "right");
    Key(ui::VK_F2);
    Type("x");
    Key(ui::VK_TAB, U'\t');
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_EQ(Editor()->Text(), "right");
    grid->CellToRich(1, 1, grid->RichEdit());
    EXPECT_EQ(grid->RichEdit()->Text(), "x");  // the text was selected: typing replaced it
}

TEST_F(GxGridEditRich, AMoveFromCodeValidatesTheRichTextNotItsPlainText)
{
    const std::string rich = Rich("{\\b kept}");
    grid->SetCells(1, 1, rich);
    std::vector<std::string> validated;
    grid->OnCellValidate = [&](TObject*, int, int, std::string& value, bool&) { validated.push_back(value); };
    for (bool typed : {false, true}) {
        SCOPED_TRACE(typed);
        grid->SetCol(1);
        grid->SetRow(1);
        Key(ui::VK_F2);
        ASSERT_TRUE(Editor()->Visible());
        if (typed) {
            Key(ui::VK_END);
            Type("!");
        }
        grid->SetRow(2);  // the editor keeps the focus meanwhile
        EXPECT_FALSE(Editor()->Visible());
        EXPECT_EQ(grid->Row(), 2);
        grid->CellToRich(1, 1, grid->RichEdit());
        EXPECT_EQ(grid->RichEdit()->Text(), typed ? "kept!" : "kept");
        EXPECT_EQ(grid->RichEdit()->Content().Formats[0].Style, static_cast<ui::TFontStyles>(ui::fsBold));
    }
    ASSERT_EQ(validated.size(), 1u);  // the unchanged text needs no validation
    EXPECT_EQ(validated[0], grid->Cells(1, 1));
}

TEST_F(GxGridEditRich, FocusElsewhereKeepsTheEditAndFocusBackOnTheGridEndsIt)
{
    auto* other = new ui::TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(510, 10, 80, 21);
    Key(ui::VK_F2);
    Type("x");
    other->SetFocus();
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_TRUE(grid->EditMode());
    grid->SetFocus();
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_FALSE(grid->EditMode());
    grid->CellToRich(1, 1, grid->RichEdit());
    EXPECT_EQ(grid->RichEdit()->Text(), "x");
}

TEST_F(GxGridEditRich, SubAndSuperscriptAreTheSelectionsOffset)
{
    Key(ui::VK_F2);
    DIzuReriVoru* e = Editor();
    e->SelectAll();
    const struct {
        void (DIzuReriVoru::*set)();
        bool normal, sub, super;
    } cases[] = {{&DIzuReriVoru::SelSuperscript, false, false, true},
                 {&DIzuReriVoru::SelSubscript, false, true, false},
                 {&DIzuReriVoru::SelNormal, true, false, false}};
    for (const auto& c : cases) {
        (e->*c.set)();
        EXPECT_EQ(e->IsSelNormal(), c.normal);
        EXPECT_EQ(e->IsSelSubscript(), c.sub);
        EXPECT_EQ(e->IsSelSuperscript(), c.super);
    }
    e->SelSubscript();
    grid->SetFocus();
    grid->CellToRich(1, 1, grid->RichEdit());
    EXPECT_EQ(grid->RichEdit()->Content().Formats[0].Offset, -40);
}

TEST_F(GxGridEditRich, TypingLinesGrowsTheRowButNotPastTheGridsBottom)
{
    grid->SizeWhileTyping()->Height = true;
    std::vector<int> sized;
    grid->OnEndRowSize = [&](TObject*, int r) { sized.push_back(r); };
    const int before = grid->RowHeights(1);
    Key(ui::VK_F2);
    for (int i = 0; i < 2; ++i) {
        Key(ui::VK_RETURN, U'\r');
        Type("line");
    }
    EXPECT_GT(grid->RowHeights(1), before);
    EXPECT_EQ(Editor()->Height(), grid->RowHeights(1) - 1);
    EXPECT_FALSE(sized.empty());
    EXPECT_EQ(sized.back(), 1);
    // Many more lines: the row stops where the cell would pass the grid's bottom.
    for (int i = 0; i < 40; ++i) {
        Key(ui::VK_RETURN, U'\r');
        Type("line");
    }
    const ui::TRect cell = grid->CellRect(1, 1);
    EXPECT_LE(cell.Top + grid->RowHeights(1), grid->Height() + 5);
    Key(ui::VK_ESCAPE, 27);
}

TEST_F(GxGridEditRich, ClosingRunsTheSelectionCheckOfTheCurrentCellAgain)
{
    Key(ui::VK_F2);
    ASSERT_TRUE(Editor()->Visible());
    // The cell turned read-only while it was edited: once the editor closes, editing is off.
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    EXPECT_TRUE(grid->Options() & ui::goEditing);
    grid->HideInplaceEdit();
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_FALSE(grid->Options() & ui::goEditing);
    // And on again when it may be edited.
    grid->OnCanEditCell = nullptr;
    grid->Select();
    EXPECT_TRUE(grid->Options() & ui::goEditing);
    // Closing with no editor open changes nothing.
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    grid->HideInplaceEdit();
    EXPECT_TRUE(grid->Options() & ui::goEditing);
}

TEST_F(GxGridEditRich, AClickThatOpensAnEditorPutsTheCaretWhereItLanded)
{
    const ui::TRect cell = grid->CellRect(1, 1);
    const ui::TRect plain = grid->CellRect(2, 1);
    for (bool rich : {false, true}) {
        SCOPED_TRACE(rich);
        const ui::TRect r = rich ? cell : plain;
        const int col = rich ? 1 : 2;
        grid->SetCells(col, 1, "abcdefgh");
        grid->SetCol(col);
        grid->SetRow(1);
        const struct {
            int x;
            int caret;  // -1: inside the text
        } clicks[] = {{r.Left + 1, 0}, {r.Right - 3, 8}, {r.Left + 30, -1}};
        for (const auto& c : clicks) {
            ui::SendClick(grid, c.x, r.Top + 4);
            Flush();
            ui::TCustomEdit* e = rich ? static_cast<ui::TCustomEdit*>(Editor()) : grid->InplaceEditor();
            ASSERT_TRUE(e && e->Visible());
            if (c.caret >= 0)
                EXPECT_EQ(e->SelStart(), c.caret);
            else
                EXPECT_TRUE(e->SelStart() > 0 && e->SelStart() < 8) << e->SelStart();
            EXPECT_EQ(e->SelLength(), 0);
            Key(ui::VK_ESCAPE, 27);
        }
    }
}

TEST(GxGridRichPaint, RichTextCellsArePaintedWithTheirFormatsNotAsSource)
{
    testing::ShownGrid shown(3, 3);
    TGxStringGrid& g = *shown.grid;
    g.SetColWidths(1, 200);
    const ui::TRect cell = g.CellRect(1, 1);
    auto redPixels = [&] {
        ui::TBitmap bmp(g.Width(), g.Height());
        shown.Paint(bmp);
        int red = 0, dark = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x) {
                const ui::TColor c = ui::ColorToRGB(bmp.Pixel(x, y));
                const int r = c & 0xFF, gr = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
                red += r > 150 && gr < 90 && b < 90;
                dark += r < 90 && gr < 90 && b < 90;
            }
        return std::pair{red, dark};
    };
    g.SetCells(1, 1, "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}{\\cf1 red}}");
    const auto [red, dark] = redPixels();
    EXPECT_GT(red, 10);  // the coloured run
    // The source text would be drawn in the grid's black font: much more of it, none of it red.
    g.SetCells(1, 1, "\\rtf1 source \\cf1 red");
    const auto [red2, dark2] = redPixels();
    EXPECT_EQ(red2, 0);
    EXPECT_GT(dark2, dark);
}

TEST(GxGridRichPaint, AWrappingRichCellIsPaintedOnSeveralLines)
{
    testing::ShownGrid shown(3, 3);
    TGxStringGrid& g = *shown.grid;
    g.SetColWidths(1, 60);
    g.SetRowHeights(1, 80);
    g.SetCells(1, 1, "{\\rtf1 aaaa bbbb cccc dddd}");
    const ui::TRect cell = g.CellRect(1, 1);
    const int lower = cell.Top + (cell.Bottom - cell.Top) / 3;  // below the first line
    for (bool wrap : {false, true}) {
        SCOPED_TRACE(wrap);
        g.SetWordWraps(1, 1, wrap);
        ui::TBitmap bmp(g.Width(), g.Height());
        shown.Paint(bmp);
        int dark = 0;
        for (int y = lower; y < cell.Bottom - 1; ++y)
            for (int x = cell.Left + 1; x < cell.Right - 1; ++x) {
                const ui::TColor c = ui::ColorToRGB(bmp.Pixel(x, y));
                dark += (c & 0xFF) < 90 && ((c >> 8) & 0xFF) < 90 && ((c >> 16) & 0xFF) < 90;
            }
        EXPECT_EQ(dark > 0, wrap) << dark;
    }
}

TEST_F(GxGridEditRich, TheEditorWrapsAsTheCellDoesAndItsCaretFollowsTheLines)
{
    grid->SetWordWrap(true);  // Up and Down stay in the editor
    grid->SetColWidths(1, 60);
    grid->SetCells(1, 1, Rich("aaaa bbbb cccc dddd"));
    for (bool wrap : {false, true}) {
        SCOPED_TRACE(wrap);
        grid->SetWordWraps(1, 1, wrap);
        Key(ui::VK_F2);
        ASSERT_TRUE(Editor()->Visible());
        EXPECT_EQ(Editor()->WordWrap(), wrap);
        Editor()->SetSelStart(0);
        Key(ui::VK_DOWN);
        EXPECT_TRUE(Editor()->Visible());
        EXPECT_EQ(grid->Row(), 1);
        if (wrap)
            EXPECT_TRUE(Editor()->SelStart() > 0 && Editor()->SelStart() < 19) << Editor()->SelStart();
        else
            EXPECT_EQ(Editor()->SelStart(), 0);  // one line: nowhere to go
        Key(ui::VK_ESCAPE, 27);
        EXPECT_FALSE(Editor()->Visible());
    }
}

TEST_F(GxGridEditRich, TheRichEditBelongsToAGrid)
{
    EXPECT_THROW(DIzuReriVoru{&form}, rtl::EInvalidArgument);
    EXPECT_EQ(grid->RichEdit(), grid->RichEdit());
    EXPECT_NE(grid->RichEdit(), grid->InplaceRichEdit());
    // An empty cell clears the control.
    grid->RichEdit()->SetText("stale");
    grid->SetCells(3, 3, "");
    grid->CellToRich(3, 3, grid->RichEdit());
    EXPECT_EQ(grid->RichEdit()->Text(), "");
}

}  // namespace
}  // namespace gx
