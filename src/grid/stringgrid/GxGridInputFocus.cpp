// TGridInput: validation of an edited value against the cell remembered when the edit began, the
// focus coming in and going out (a pending edit is validated before the focus may leave; a refused
// value keeps it in the grid), the click method and the cell hints.
#include "grid/stringgrid/GxGridInput.h"

#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/Application.h"

namespace gx {

void TGridInput::RememberOldCell(int ACol, int ARow)
{
    oldCol = ACol;
    oldRow = ARow;
    const int realCol = g_.RealColIndex(ACol);
    oldCellText = ARow >= 0 && ARow < g_.RowCount() && realCol >= 0 ? g_.GridCells(realCol, ARow) : std::string();
}

bool TGridInput::ValidateCell(const std::string& NewValue)
{
    if (!editing || validating)
        return true;
    editing = false;
    validating = true;
    bool valid = true;
    const int ACol = g_.RealColIndex(oldCol), ARow = oldRow;
    if (ACol >= 0 && ARow >= 0 && ARow < g_.RowCount() && (oldCellText != NewValue || alwaysValidate)) {
        const bool changed = oldCellText != NewValue;
        std::string value = NewValue;
        if (g_.CellChecker && g_.CellChecker->AutoCorrect)
            value = g_.CellChecker->Correct(ACol, ARow, value);
        if (g_.OnCellValidate)
            g_.OnCellValidate(&g_, ACol, ARow, value, valid);
        if (oldCellText != value) {
            gridModified = true;
            if (g_.FixedCols() > 0) {
                g_.SetRowModified(g_.Row(), true);
                if (g_.ShowModified()->Enabled)
                    g_.RepaintCell(0, g_.Row());
            }
        }
        if (valid)
            g_.UpdateColumnFooter(ACol);
        if (g_.CellChecker && g_.CellChecker->AutoMarkError)
            value = g_.CellChecker->MarkError(ACol, ARow, value);
        if (valid && changed)
            g_.DoCellsChanged({ACol, ARow, ACol, ARow});
        if (valid) {
            g_.SetCells(ACol, ARow, value);
        } else {
            lastValidation = false;
            // A refused value: the cell keeps what the handler gave or what it had, and the
            // remembered cell is edited again.
            g_.HideEditor();
            g_.SetCells(ACol, ARow, value != NewValue ? value : oldCellText);
            g_.MoveColRow(oldCol, oldRow, true, true);
            validating = false;
            editing = true;
            g_.ShowInplaceEdit();
        }
        oldCellText = g_.GridCells(ACol, ARow);
    }
    const bool stillEditing = editing;
    RememberOldCell(g_.Col(), g_.Row());
    editing = stillEditing;
    validating = false;
    return valid;
}

void TGridInput::FocusIn()
{
    if (g_.Navigation()->AlwaysEdit() && !g_.EditorMode() && g_.CurrentEditor() == edNormal &&
        g_.IsEditable(g_.RealColIndex(g_.Col()), g_.Row()))
        g_.ShowInplaceEdit();
}

void TGridInput::FocusOut()
{
    if (g_.IsMergedCell(g_.RealColIndex(g_.Col()), g_.Row()))
        g_.RepaintCell(g_.Col(), g_.Row());
}

void TGridInput::Enter()
{
    RememberOldCell(g_.Col(), g_.Row());
}

// The focus leaves the grid and its editor: a pending edit is validated first; a refused value
// brings the focus back to the grid's editor (the control that took it does not keep it).
void TGridInput::Exit()
{
    if (!g_.EditorMode() || !g_.InplaceEditor())
        return;
    const std::string text = g_.InplaceEditor()->Text();
    editing = true;
    if (ValidateCell(text)) {
        g_.HideEditor();
        return;
    }
    if (g_.CanFocus())
        g_.SetFocus();
    if (g_.EditorMode() && g_.InplaceEditor() && g_.InplaceEditor()->CanFocus())
        g_.InplaceEditor()->SetFocus();
}

void TGridInput::Click()
{
    RememberOldCell(g_.Col(), g_.Row());
}

}  // namespace gx
