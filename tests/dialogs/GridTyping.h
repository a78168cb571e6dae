#pragma once
// Typing into a grid cell as the user does: the cell becomes current, its editor opens, the text goes
// in and the editor closes. A list column opens its list editor instead; there the text picks the
// item of that name; an editable list takes a text it lacks as typed, a closed list picks nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace gridtest {

inline void Type_Into_Cell(gx::TGxStringGrid* grid, int col, int row, const std::string& text)
{
    grid->SetCol(col);
    grid->SetRow(row);
    grid->SetEditorMode(true);
    if (grid->EditMode() && !grid->EditorMode()) {
        gx::TGridCombo* combo = grid->Combobox();
        ASSERT_TRUE(combo && combo->Visible()) << col << "," << row;
        const int item = combo->Items()->IndexOf(text);
        if (item >= 0)
            combo->SetItemIndex(item);
        else if (combo->Style() != ui::TComboBoxStyle::csDropDownList)
            combo->SetText(text);  // an editable list takes the text as typed
        grid->HideInplaceEdit();
        return;
    }
    ASSERT_TRUE(grid->EditorMode()) << col << "," << row;
    grid->InplaceEditor()->SetText(text);
    grid->SetEditorMode(false);
}

// Typing by keys on a shown form: the cell becomes current, the grid gets the focus, the text goes
// in as key strokes (the first opens the cell's editor, a list picks by the letters) and Enter
// ends the edit. The cell then holds what the user meant.
inline void Key_Into_Cell(gx::TGxStringGrid* grid, int col, int row, const std::string& text)
{
    grid->SetCol(col);
    grid->SetRow(row);
    grid->SetFocus();
    ui::TWinControl* form = grid->ParentForm();
    ASSERT_TRUE(form) << "the grid must be on a form";
    ui::SendText(form, text);
    ui::SendKeyStroke(form, ui::VK_RETURN, 0, U'\r');
    if (grid->EditorMode())
        grid->SetEditorMode(false);
    EXPECT_EQ(grid->Cells(col, row), text) << col << "," << row;
}

// The items the list editor of a cell offers when it opens (empty when the cell opens another editor).
inline std::vector<std::string> Combo_Items_Of(gx::TGxStringGrid* grid, int col, int row)
{
    grid->HideInplaceEdit();
    grid->MoveToCell(col, row);
    grid->ShowInplaceEdit();
    std::vector<std::string> items;
    gx::TGridCombo* combo = grid->Combobox();
    if (grid->EditMode() && !grid->EditorMode() && combo && combo->Visible())
        for (int i = 0; i < combo->Items()->Count(); ++i)
            items.push_back(combo->Items()->Get(i));
    grid->HideInplaceEdit();
    return items;
}

}  // namespace gridtest
