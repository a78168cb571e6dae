// TGxStringGrid: validation of an edited value against the cell remembered when the edit began.
// A refused value never reaches the cell, never marks the grid or the row modified, and puts the
// editor back on the cell it came from.
#include "grid/base/GridUndoRedo.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"

namespace gx {

void TGxStringGrid::RememberOldCell(int ACol, int ARow)
{
    edit_.OldCol = ACol;
    edit_.OldRow = ARow;
    const int real = RealColIndex(ACol);
    edit_.OldCellText = real >= 0 && ARow >= 0 ? GridCells(real, ARow) : std::string();
}

namespace {
// The editor the refusal is shown on: the open editor control, else the text editor.
ui::TCustomEdit* BalloonTarget(ui::TWinControl* ctrl, ui::TInplaceEdit* text)
{
    if (auto* e = dynamic_cast<ui::TCustomEdit*>(ctrl))
        return e;
    return text;
}
}  // namespace

bool TGxStringGrid::ValidateCell(const std::string& NewValue)
{
    if (!edit_.Editing || edit_.Validating)
        return true;
    edit_.Editing = false;
    edit_.Validating = true;
    bool valid = true;
    const int ACol = RealColIndex(edit_.OldCol);
    const int ARow = edit_.OldRow;
    edit_.NewCellText = NewValue;
    struct Finish {
        TGxStringGrid* g;
        ~Finish()
        {
            g->RememberOldCell(g->Col(), g->Row());
            g->edit_.Validating = false;
        }
    } finish{this};
    if (ACol < 0 || ARow < 0 || (edit_.OldCellText == NewValue && !edit_.AlwaysValidate))
        return true;

    const bool changed = edit_.OldCellText != NewValue;
    const bool advance = navigation_->AdvanceOnEnter();
    navigation_->SetAdvanceOnEnter(false);
    std::string value = NewValue;
    try {
        if (CellChecker && CellChecker->AutoCorrect)
            value = CellChecker->Correct(ACol, ARow, value);
        if (OnCellValidate)
            OnCellValidate(this, ACol, ARow, value, valid);
    } catch (...) {
        navigation_->SetAdvanceOnEnter(advance);
        throw;
    }
    // Only an accepted value marks the grid and the row modified.
    if (valid && edit_.OldCellText != value) {
        edit_.GridModified = true;
        if (FixedCols() > 0 && Row() < RowCount()) {
            SetRowModified(RealRowIndex(Row()), true);
            if (showModified_->Enabled)
                RepaintCell(0, Row());
        }
    }
    if (valid)
        UpdateColumnFooter(ACol);
    if (CellChecker && CellChecker->AutoMarkError)
        value = CellChecker->MarkError(ACol, ARow, value);
    if (valid && UndoRedo())
        UndoRedo()->RegisterChange(ACol, ARow, edit_.OldCellText, value);
    if (valid && changed)
        DoCellsChanged({ACol, ARow, ACol, ARow});
    navigation_->SetAdvanceOnEnter(advance);
    edit_.NewCellText = value;

    if (valid) {
        SetCellEx(ACol, ARow, value);
        HideFocusWindow();
    } else {
        edit_.LastValidation = false;
        edit_.Reopening = true;
        const std::string restored = value != NewValue ? value : edit_.OldCellText;
        edit_.Validating = false;
        HideInplaceEdit();
        SetCellEx(ACol, ARow, restored);
        // The remembered cell becomes current again and its editor opens once more.
        const bool force = edit_.ForceSel;
        edit_.ForceSel = true;
        MoveColRow(DisplColIndex(ACol), ARow, true, true);
        edit_.ForceSel = force;
        edit_.Editing = true;
        ShowInplaceEdit();
        edit_.Reopening = false;
        if (!InvalidEntryTitle.empty() || !InvalidEntryText.empty()) {
            ui::TEditBalloonTip tip{InvalidEntryTitle, InvalidEntryText, static_cast<int>(InvalidEntryIcon)};
            if (ui::TCustomEdit* target = BalloonTarget(editCtrl_, InplaceEditor()))
                target->Perform(ui::EM_SHOWBALLOONTIP, 0, reinterpret_cast<std::intptr_t>(&tip));
        }
    }
    edit_.OldCellText = GridCells(ACol, ARow);
    return valid;
}

bool TGxStringGrid::ValidateCellWide(const std::u16string& NewValue)
{
    if (!edit_.Editing || edit_.Validating)
        return true;
    const std::string coded = EncodeWideCellText(NewValue);
    if (!OnCellValidateWide)
        return ValidateCell(coded);
    edit_.Editing = false;
    edit_.Validating = true;
    const int ACol = RealColIndex(edit_.OldCol);
    const int ARow = edit_.OldRow;
    bool valid = true;
    std::u16string value = NewValue;
    OnCellValidateWide(this, ACol, ARow, value, valid);
    const std::string result = EncodeWideCellText(value);
    if (valid) {
        if (result != edit_.OldCellText) {
            edit_.GridModified = true;
            DoCellsChanged({ACol, ARow, ACol, ARow});
        }
        SetCellEx(ACol, ARow, result);
    }
    edit_.NewCellText = result;
    RememberOldCell(Col(), Row());
    edit_.Validating = false;
    return valid;
}

}  // namespace gx
