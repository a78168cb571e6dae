// TGxStringGrid: which cells may be edited, and the check the framework runs before the current
// cell moves: goEditing follows the target cell, an open editor control is validated first, the
// changing events may refuse, and OnRowUpdate reports only a move that happens.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridEditRich.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {

bool TGxStringGrid::IsClickControlCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const ui::TPoint base = BaseCell(RealColIndex(ACol), ARow);
    return HasCellTypeIn(DisplColIndex(base.X), base.Y,
                         {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox, ctRadioButton,
                          ctTriStateCheckBox});
}

bool TGxStringGrid::CellAcceptsEdit(int ACol, int ARow)
{
    int c = ACol, r = ARow;
    if (IsMergedCell(RealColIndex(ACol), ARow) && !IsBaseCell(RealColIndex(ACol), ARow)) {
        const ui::TPoint base = BaseCell(RealColIndex(ACol), ARow);
        c = DisplColIndex(base.X);
        r = base.Y;
    }
    bool editable = true;
    GetCellEditable(c, r, editable);
    bool fixed = false;
    GetIsFixedCell(RealColIndex(c), r, fixed);
    return editable && !fixed;
}

bool TGxStringGrid::IsEditable(int ACol, int ARow)
{
    return ((Options() & ui::goEditing) || mouseActions_->RangeSelectAndEdit() || edit_.EditDisable) &&
           CellAcceptsEdit(ACol, ARow);
}

std::string TGxStringGrid::EditorControlText()
{
    if (editCtrl_ == unitEditBtn_)
        return unitEditBtn_->TextAndUnit();
    if (editCtrl_ == gridButton_ || !editCtrl_)
        return ReadCurrentCell();
    // The rich editor's value is rich text; unchanged, it is the cell's own text.
    if (editCtrl_ == inplaceRich_)
        return inplaceRich_->Modified() ? RichToString(inplaceRich_) : richOriginal_;
    return editCtrl_->Text();
}

bool TGxStringGrid::SelectCell(int ACol, int ARow)
{
    if (edit_.ForceSel)
        return true;
    if (!Parent())
        return TBaseGrid::SelectCell(ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return false;
    if (floatingFooter_->Visible() && floatingFooter_->FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1)
        return false;
    const int realCol = RealColIndex(ACol);
    // A non-base cell of a merged range: the base cell becomes current instead.
    if (IsMergedCell(realCol, ARow) && !IsBaseCell(realCol, ARow) && !(Options() & ui::goRangeSelect)) {
        const ui::TPoint base = BaseCell(realCol, ARow);
        MoveColRow(DisplColIndex(base.X), base.Y, true, true);
        RepaintCell(DisplColIndex(base.X), base.Y);
        if (mouseActions_->DirectEdit())
            ShowInplaceEdit();
        return false;
    }
    if (useEnabledRows_ && navigation_->SkipDisabledRows() && !RowEnabled(ARow))
        return false;
    // An editor closed on the way (HideInplaceEdit) leaves the check of the target cell to this one.
    struct Nested {
        bool& flag;
        bool saved;
        explicit Nested(bool& f) : flag(f), saved(f) { flag = true; }
        ~Nested() { flag = saved; }
    } nested(edit_.InSelectCell);
    edit_.EditText = Cells(realCol, ARow);
    ui::TInplaceEdit* textEditor = InplaceEditor();
    const bool textFocused = textEditor && EditorMode() && textEditor->Focused();
    const bool specialOpen = edit_.EditMode && !IsTextEditor(currentEditor_) && editCtrl_;

    // goEditing follows the target cell.
    const bool moves = ACol != Col() || ARow != Row();
    if (IsClickControlCell(ACol, ARow)) {
        bool editable = true;
        GetCellEditable(ACol, ARow, editable);
        if (!edit_.EditDisable)
            edit_.EditDisable = !editable && ((Options() & ui::goEditing) || mouseActions_->RangeSelectAndEdit());
        if (!(Options() & ui::goEditing) && !(Options() & ui::goRowSelect) && editable) {
            edit_.EditChange = true;
            SetOptions(Options() | ui::goEditing);
        }
    } else {
        bool editable = (Options() & ui::goEditing) || edit_.EditDisable;
        if (editable)
            GetCellEditable(ACol, ARow, editable);
        if (editable && mouseActions_->DirectEdit() && IsEditorNone(realCol, ARow))
            editable = false;
        if (mouseActions_->EditOnDblClickOnly())
            editable = false;
        if (editable) {
            edit_.EditDisable = false;
            if (!(Options() & ui::goEditing)) {
                edit_.EditChange = true;
                if (!edit_.EditMode)
                    RememberOldCell(ACol, ARow);
                ui::TGridOptions options = Options() | ui::goEditing;
                if ((options & ui::goRowSelect) && mouseActions_->RangeSelectAndEdit())
                    options &= ~ui::goRowSelect;
                SetOptions(options);
            }
        } else if (Options() & ui::goEditing) {
            if (moves && edit_.EditMode && !specialOpen)
                HideInplaceEdit();
            edit_.EditMode = EditorMode() || specialOpen;
            edit_.EditDisable = true;
            edit_.EditChange = true;
            if (!specialOpen)
                SetOptions(Options() & ~ui::goEditing);
        }
    }

    bool result = false;
    bool allow = true;
    if (!specialOpen || textFocused) {
        DoCellChanging(ACol, ARow, allow);
        if (IsFixed(ACol, ARow) || !allow)
            result = (allow && (Options() & ui::goRowSelect)) || (fixedRowAlways_ && RowCount() == FixedRows());
        else
            result = TBaseGrid::SelectCell(ACol, ARow);
    } else {
        // An editor control is open: the value it shows is validated before the current cell may
        // move, so that moving away never stores a value validation did not see.
        const bool valid = ValidateCell(EditorControlText());
        DoCellChanging(ACol, ARow, allow);
        result = valid && allow && TBaseGrid::SelectCell(ACol, ARow);
        if (result && moves)
            HideInplaceEdit();
    }
    if (!result && specialOpen && !edit_.EditDisable && !(Options() & ui::goEditing))
        SetOptions(Options() | ui::goEditing);

    if (result) {
        if (selListener_)
            selListener_->SelectionChanged(ACol, ARow);
        if (!Loading() && ARow != lastRowUpdate_ && OnRowUpdate) {
            OnRowUpdate(this, lastRowUpdate_, ARow);
            lastRowUpdate_ = ARow;
        }
        // A refused move keeps the cache of the cell that stays current.
        edit_.CellCache = edit_.EditText;
    }
    return result;
}

}  // namespace gx
