// The column grid: items kept in step with the columns (hidden ones included), new items taking the
// visuals of the one before, headers, and the cell questions the items answer (check boxes, combo
// editors, editability, number format, width limits).
#include "grid/columngrid/GxColumnGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGridEdit.h"

namespace gx {
namespace {

TEST(GxColumnGridItems, CountFollowsColumnsWithHiddenOnes)
{
    TGxColumnGrid grid(nullptr);
    EXPECT_EQ(grid.Columns()->Count(), grid.ColCount());
    grid.SetColCount(15);
    grid.HideColumns(3, 4);
    EXPECT_EQ(grid.ColCount(), 13);
    EXPECT_EQ(grid.Columns()->Count(), 15);
    grid.SetColCount(10);
    EXPECT_EQ(grid.Columns()->Count(), 12);
    grid.InsertCols(2, 2);
    EXPECT_EQ(grid.Columns()->Count(), grid.ColCount() + grid.NumHiddenColumns());
    grid.RemoveCols(1, 3);
    EXPECT_EQ(grid.Columns()->Count(), grid.ColCount() + grid.NumHiddenColumns());
}

TEST(GxColumnGridItems, AddedItemCopiesVisualsButNotHeaderOrItems)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(2);
    TGridColumnItem* last = grid.Columns()->Items(1);
    last->SetEditor(edComboList);
    last->SetColor(0xFF0000);
    last->SetHeader("Type");
    last->ComboItems.Add("Bool");
    last->DropDownCount = 4;
    last->ReadOnly = true;
    TGridColumnItem* added = grid.Columns()->Add();
    EXPECT_EQ(grid.ColCount(), 3);  // the collection's change reaches the grid
    EXPECT_EQ(added->Editor(), edComboList);
    EXPECT_TRUE(added->ReadOnly);
    EXPECT_EQ(added->Header(), "");
    EXPECT_EQ(added->ComboItems.Count(), 0);
    EXPECT_EQ(added->DropDownCount, 8);
    EXPECT_EQ(added->Color(), grid.Color());
    EXPECT_TRUE(added->Font().SameAs(*grid.Font()));
    EXPECT_EQ(grid.Cells(1, 0), "Type");
}

TEST(GxColumnGridItems, HeadersNamesAndDisplayNames)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetCells(2, 0, "typed");
    grid.Columns()->Items(1)->SetHeader("One");
    EXPECT_EQ(grid.Columns()->Items(2)->Header(), "typed");  // taken from row 0
    grid.Columns()->Items(0)->Name = "ID";
    grid.Columns()->Items(2)->Name = "ID";
    EXPECT_EQ(grid.GetColumnByName("ID"), grid.Columns()->Items(0));
    EXPECT_EQ(grid.GetColumnByName("id"), nullptr);
    EXPECT_EQ(grid.Columns()->Items(2)->DisplayName(), "Col 2: ID");
    EXPECT_EQ(grid.Columns()->Items(1)->DisplayName(), "Column 1");
    EXPECT_EQ(grid.Version(), "3.1.3.1 Aug, 2012");

    TGxColumnGrid bare(nullptr);
    bare.SetFixedRows(0);
    bare.SetCells(1, 0, "data");
    bare.Columns()->Items(1)->SetHeader("H");
    EXPECT_EQ(bare.Cells(1, 0), "data");
}

TEST(GxColumnGridCells, DataCheckBoxColumn)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.Columns()->Items(1)->SetEditor(edDataCheckBox);
    grid.SetCells(1, 1, "Y");
    grid.SetCells(1, 2, "N");
    bool state = false;
    EXPECT_TRUE(grid.GetCheckBoxState(1, 1, state));
    EXPECT_TRUE(state);
    EXPECT_TRUE(grid.GetCheckBoxState(1, 2, state));
    EXPECT_FALSE(state);
    EXPECT_EQ(grid.GetCellType(1, 0), ctEmpty);  // the header stays a plain cell
    EXPECT_EQ(grid.GetCellType(1, 1), ctDataCheckBox);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellType, ctVirtCheckBox);  // the shared graphic
    EXPECT_TRUE(grid.HasDataCheckBox(1, 2));
    EXPECT_FALSE(grid.GetCheckBoxState(2, 1, state));
    grid.Columns()->Items(1)->CheckTrue = "1";
    EXPECT_TRUE(grid.GetCheckBoxState(1, 1, state));
    EXPECT_FALSE(state);
    grid.AddCheckBox(1, 2, true, false);  // a cell's own box keeps its kind
    EXPECT_EQ(grid.GetCellType(1, 2), ctCheckBox);
}

TEST(GxColumnGridCells, ComboBoxAndEditability)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(3);
    grid.SetOptions(grid.Options() | ui::goEditing);
    grid.Columns()->Items(1)->SetEditor(edComboList);
    grid.Columns()->Items(2)->SetEditor(edComboEdit);
    grid.Columns()->Items(3)->ReadOnly = true;
    grid.Columns()->Items(4)->SetFixed(true);
    grid.SetReadOnly(5, 2, true);
    struct Case {
        int col, row;
        bool combo, editable;
    } cases[] = {
        {1, 1, true, true},   {1, 0, false, false}, {2, 2, true, true},   {3, 1, false, false},
        {4, 1, false, false}, {5, 1, false, true},  {5, 2, false, false}, {0, 1, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(grid.GetHasComboBox(c.col, c.row), c.combo) << c.col << "," << c.row;
        EXPECT_EQ(grid.CanEditCell(c.col, c.row), c.editable) << c.col << "," << c.row;
    }
    bool fixed = false;
    grid.GetIsFixedCell(4, 1, fixed);
    EXPECT_TRUE(fixed);
    grid.OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = CanEdit && ACol != 1; };
    EXPECT_FALSE(grid.CanEditCell(1, 1));
}

// Each combo column's editor opens with that column's items, never with the list of the column
// edited before it.
TEST(GxColumnGridCells, ComboEditorListsTheItemsOfItsColumn)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetOptions(grid.Options() | ui::goEditing);
    grid.Columns()->Items(1)->SetEditor(edComboEdit);
    grid.Columns()->Items(1)->ComboItems.Add("Default");
    grid.Columns()->Items(1)->DropDownCount = 3;
    grid.Columns()->Items(2)->SetEditor(edComboList);
    grid.Columns()->Items(2)->ComboItems.Add("Bool");
    grid.Columns()->Items(2)->ComboItems.Add("Int8");
    grid.Columns()->Items(3)->SetEditor(edComboEdit);
    struct Case {
        const char* what;
        int col;
        std::vector<std::string> items;
        int dropDownCount;
    } cases[] = {
        {"one item", 1, {"Default"}, 3},
        {"two items", 2, {"Bool", "Int8"}, 8},
        {"a column without items", 3, {}, 8},
        {"back to the first", 1, {"Default"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid.HideInplaceEdit();
        grid.MoveToCell(c.col, 1);
        grid.ShowInplaceEdit();
        ASSERT_TRUE(grid.EditMode());
        std::vector<std::string> items;
        for (int i = 0; i < grid.Combobox()->Items()->Count(); ++i)
            items.push_back(grid.Combobox()->Items()->Get(i));
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(grid.Combobox()->DropDownCount(), c.dropDownCount);
    }
}

TEST(GxColumnGridCells, FloatFormatEditLengthAndWidthLimits)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.Columns()->Items(1)->SetFloatFormat("%.2f");
    grid.SetCells(1, 1, "3");
    grid.SetCells(1, 2, "abc");
    EXPECT_EQ(grid.GetFormattedCell(1, 1), "3.00");
    EXPECT_EQ(grid.GetFormattedCell(1, 2), "abc");
    TEditorType editor = edNormal;
    grid.GetCellEditor(1, 1, editor);
    EXPECT_EQ(grid.FloatFormat, "%.2f");
    grid.Columns()->Items(2)->SetFloatFormat("%s%s");  // does not fit a number: the text is shown
    grid.SetCells(2, 1, "4");
    EXPECT_EQ(grid.GetFormattedCell(2, 1), "4");

    grid.Columns()->Items(2)->EditLength = 15;
    grid.SetCol(2);
    EXPECT_EQ(grid.GetEditLimit(), 15);

    grid.Columns()->Items(1)->MinSize = 40;
    int width = 20;
    grid.DoUpdateColumnSize(1, width);
    EXPECT_EQ(width, 40);
    width = 900;
    grid.DoUpdateColumnSize(1, width);  // MaxSize 0: no upper limit
    EXPECT_EQ(width, 900);
    grid.Columns()->Items(1)->SetWidth(77);
    EXPECT_EQ(grid.ColWidths(1), 77);
    EXPECT_EQ(grid.Columns()->Items(1)->Width(), 77);
}

TEST(GxColumnGridCells, ColumnColourAndHeaderFont)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.Columns()->Items(1)->SetColor(0xB0D8FF);
    ui::TFont bold;
    bold.SetStyle(ui::fsBold);
    grid.Columns()->Items(1)->SetHeaderFont(bold);
    ui::TBrush brush;
    ui::TFont font;
    grid.GetCellColor(1, 1, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), 0xB0D8FFu);
    brush.SetColor(ui::clWhite);
    grid.GetCellColor(1, 0, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), ui::clWhite);  // header rows keep their own colour
    EXPECT_EQ(font.Style(), ui::fsBold);
    grid.Columns()->Items(2)->SetFixed(true);
    grid.GetCellColor(2, 1, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), grid.FixedColor());
}

TEST(GxColumnGridItems, MovedColumnTakesItsSettingsAlong)
{
    TGxColumnGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(3);
    grid.Columns()->Items(1)->SetHeader("Enable");
    grid.Columns()->Items(1)->SetEditor(edDataCheckBox);
    grid.Columns()->Items(1)->ColumnPopupType = cpAllCellsLClick;
    grid.Columns()->Items(3)->SetHeader("Name");
    grid.SetCells(1, 1, "Y");
    int movedFrom = -1, movedTo = -1;
    grid.OnAfterColumnMoved = [&](TObject*, int f, int t) {
        movedFrom = f;
        movedTo = t;
    };
    grid.MoveColumn(1, 3);
    EXPECT_EQ(movedFrom, 1);
    EXPECT_EQ(movedTo, 3);
    ASSERT_EQ(grid.Columns()->Count(), 5);
    EXPECT_EQ(grid.Columns()->Items(3)->Header(), "Enable");
    EXPECT_EQ(grid.Columns()->Items(3)->Editor(), edDataCheckBox);
    EXPECT_EQ(grid.Columns()->Items(3)->ColumnPopupType, cpFixedCellsRClick);  // not carried by Assign
    EXPECT_EQ(grid.Columns()->Items(2)->Header(), "Name");
    EXPECT_EQ(grid.Cells(3, 1), "Y");
    EXPECT_TRUE(grid.IsChecked(3, 1));
}

}  // namespace
}  // namespace gx
