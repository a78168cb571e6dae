// The string grid's event-dispatch queries: what each answers without a handler, what handlers may
// change, the column filter list, the defaults of a new cell's properties, and the column space
// (display or real) each event receives when columns are hidden.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(GxGridDispatch, EditabilityComesFromTheCellThenTheEvent)
{
    TGxStringGrid grid(nullptr);
    grid.SetOptions(grid.Options() | ui::goEditing);
    for (bool in : {true, false}) {
        bool canEdit = in;
        grid.GetCellEditable(2, 2, canEdit);  // no properties, no handler: as it came in
        EXPECT_EQ(canEdit, in);
    }
    grid.SetReadOnly(2, 2, true);
    bool canEdit = true;
    grid.GetCellEditable(2, 2, canEdit);
    EXPECT_FALSE(canEdit);
    grid.OnCanEditCell = [](TObject*, int, int, bool& edit) { edit = true; };
    grid.GetCellEditable(2, 2, canEdit);
    EXPECT_TRUE(canEdit);
}

TEST(GxGridDispatch, EditorComboAndCheckTextsWithoutHandlers)
{
    TGxStringGrid grid(nullptr);
    EXPECT_FALSE(grid.IsEditorNone(1, 1));
    EXPECT_FALSE(grid.GetHasComboBox(1, 1));
    grid.ControlLook()->SetDropDownAlwaysVisible(true);
    grid.DefaultEditor = edComboList;
    EXPECT_TRUE(grid.GetHasComboBox(1, 1));
    EXPECT_TRUE(grid.GetHasComboBox(4, 9));
    grid.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& editor) {
        if (ACol == 3)
            editor = edNone;
    };
    EXPECT_TRUE(grid.IsEditorNone(3, 1));
    EXPECT_FALSE(grid.IsEditorNone(2, 1));

    std::string text;
    grid.GetCheckTrueText(1, 1, text);
    EXPECT_EQ(text, "Y");
    grid.GetCheckFalseText(1, 1, text);
    EXPECT_EQ(text, "N");
    grid.OnGetCheckTrue = [](TObject*, int, int, std::string& value) { value = "ja"; };
    grid.GetCheckTrueText(1, 1, text);
    EXPECT_EQ(text, "ja");
}

TEST(GxGridDispatch, FixedCellsAndTheFilterList)
{
    TGxStringGrid grid(nullptr);
    bool fixed = false;
    grid.GetIsFixedCell(0, 3, fixed);
    EXPECT_TRUE(fixed);
    fixed = false;
    grid.GetIsFixedCell(2, 3, fixed);
    EXPECT_FALSE(fixed);

    EXPECT_FALSE(grid.GetColumnFilterList(2));  // no automatic list, no event: empty
    EXPECT_EQ(grid.FilterList()->Count(), 0);
    grid.FilterDropDownAuto = true;
    grid.SetCells(2, 1, " b ");
    grid.SetCells(2, 2, "a");
    grid.SetCells(2, 3, "two words");
    grid.SetCells(2, 4, "a");
    grid.SetCells(2, 5, "hidden");
    grid.HideRow(5);
    ASSERT_TRUE(grid.GetColumnFilterList(2));
    const std::vector<std::string> expected{"(All)", "", "a", "b", "hidden", "two words=\"two words\""};
    EXPECT_EQ(grid.FilterList()->ToVector(), expected);
}

TEST(GxGridDispatch, NewPropertiesOfFixedOrSelectedCellsHaveNoColour)
{
    TGxStringGrid grid(nullptr);
    grid.SetColor(0x00FFEE);
    grid.SetSelection({2, 2, 2, 2});
    EXPECT_EQ(grid.CellProperties(0, 3)->BrushColor(), ui::clNone);
    EXPECT_EQ(grid.CellProperties(2, 2)->BrushColor(), ui::clNone);
    EXPECT_EQ(grid.CellProperties(3, 3)->BrushColor(), 0x00FFEEu);
}

// With real column 1 hidden, display column 1 shows real column 2.
TEST(GxGridDispatch, EachEventReceivesTheColumnSpaceItsQuerySpecifies)
{
    TGxStringGrid grid(nullptr);
    grid.HideColumn(1);
    grid.SetFontColors(2, 3, 0x0000FF);
    int canEditCol = -1, alignCol = -1, colorCol = -1;
    grid.OnCanEditCell = [&](TObject*, int, int ACol, bool&) { canEditCol = ACol; };
    grid.OnGetAlignment = [&](TObject*, int, int ACol, THAlignment&, TVAlignment&) { alignCol = ACol; };
    grid.OnGetCellColor = [&](TObject*, int, int ACol, ui::TGridDrawState, ui::TBrush*, ui::TFont*) {
        colorCol = ACol;
    };
    bool canEdit = true;
    grid.GetCellEditable(2, 3, canEdit);  // the store's (real) column
    EXPECT_EQ(canEditCol, 2);
    THAlignment ha;
    TVAlignment va;
    grid.GetCellTextAlignment(2, 3, ha, va);  // real
    EXPECT_EQ(alignCol, 2);
    ui::TBrush brush;
    ui::TFont font;
    grid.GetCellColor(1, 3, 0, &brush, &font);  // painted at display column 1
    EXPECT_EQ(colorCol, 1);
    EXPECT_EQ(font.Color(), 0x0000FFu);  // with the real column's look

    ui::TRect changed{};
    grid.OnCellsChanged = [&](TObject*, const ui::TRect& r) { changed = r; };
    grid.SaveHiddenCells = true;
    grid.ClearRect(1, 1, 1, 1);  // display columns in, real columns reported
    EXPECT_EQ(changed, ui::TRect(2, 1, 2, 1));
}

}  // namespace
}  // namespace gx
