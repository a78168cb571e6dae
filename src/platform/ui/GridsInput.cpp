// TCustomGrid: keyboard and mouse navigation, the mouse wheel and the inplace editor.
#include "platform/ui/Grids.h"

#include "platform/rtl/CodePages.h"

#include <algorithm>

namespace ui {

// --- keyboard -------------------------------------------------------------------------------------

void TCustomGrid::KeyDown(unsigned& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == 0)
        return;
    const bool ctrl = (shift & ssCtrl) != 0;
    const bool extend = (shift & ssShift) && (options_ & goRangeSelect) && key != VK_TAB;
    int col = current_.X;
    int row = current_.Y;
    const bool rowSelect = (options_ & goRowSelect) != 0;
    switch (key) {
    case VK_UP:
        row -= 1;
        break;
    case VK_DOWN:
        row += 1;
        break;
    case VK_LEFT:
        if (rowSelect) {
            SetLeftCol(LeftCol() - 1);
            key = 0;
            return;
        }
        col -= 1;
        break;
    case VK_RIGHT:
        if (rowSelect) {
            SetLeftCol(LeftCol() + 1);
            key = 0;
            return;
        }
        col += 1;
        break;
    case VK_PRIOR:
        row -= VisibleRowCount();
        break;
    case VK_NEXT:
        row += VisibleRowCount();
        break;
    case VK_HOME:
        if (ctrl || rowSelect)
            row = fixedRows_;
        else
            col = fixedCols_;
        break;
    case VK_END:
        if (ctrl || rowSelect)
            row = rowCount_ - 1;
        else
            col = colCount_ - 1;
        break;
    case VK_TAB:
        if (!(options_ & goTabs) || rowSelect)
            return;
        if (shift & ssShift) {
            if (--col < fixedCols_) {
                col = colCount_ - 1;
                if (--row < fixedRows_)
                    row = rowCount_ - 1;
            }
        } else if (++col >= colCount_) {
            col = fixedCols_;
            if (++row >= rowCount_)
                row = fixedRows_;
        }
        break;
    case VK_F2:
        if (options_ & goEditing) {
            SetEditorMode(true);
            key = 0;
        }
        return;
    default:
        return;
    }
    col = std::max(fixedCols_, std::min(col, colCount_ - 1));
    row = std::max(fixedRows_, std::min(row, rowCount_ - 1));
    if (col != current_.X || row != current_.Y)
        MoveColRow(col, row, !extend, true);
    key = 0;
}

void TCustomGrid::KeyPress(char32_t& key)
{
    TCustomControl::KeyPress(key);
    if (key == 0 || !(options_ & goEditing))
        return;
    if (key == U'\r') {
        if (!(options_ & goAlwaysShowEditor))
            SetEditorMode(!editorMode_);
        key = 0;
    } else if (key >= 32 && !editorMode_) {
        ShowEditorChar(key);
        key = 0;
    }
}

// --- mouse ----------------------------------------------------------------------------------------

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && CanFocus() && !Focused())
        SetFocus();
    if (button == TMouseButton::mbLeft) {
        const TGridCoord cell = MouseCoord(x, y);
        const bool inFixedRow = cell.Y >= 0 && cell.Y < fixedRows_;
        const bool inFixedCol = cell.X >= 0 && cell.X < fixedCols_;
        const int colBorder = (options_ & goColSizing) && inFixedRow ? ColBorderAt(x) : -1;
        const int rowBorder = (options_ & goRowSizing) && inFixedCol ? RowBorderAt(y) : -1;
        if (colBorder >= 0) {
            gridState_ = TGridState::gsColSizing;
            sizingIndex_ = colBorder;
            sizingStart_ = ColumnLeft(colBorder);
        } else if (rowBorder >= 0) {
            gridState_ = TGridState::gsRowSizing;
            sizingIndex_ = rowBorder;
            sizingStart_ = RowTop(rowBorder);
        } else if ((options_ & goColMoving) && inFixedRow && cell.X >= fixedCols_) {
            gridState_ = TGridState::gsColMoving;
            movingFrom_ = cell.X;
        } else if ((options_ & goRowMoving) && inFixedCol && cell.Y >= fixedRows_) {
            gridState_ = TGridState::gsRowMoving;
            movingFrom_ = cell.Y;
        } else if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
            if (cell.X == current_.X && cell.Y == current_.Y && (options_ & goEditing) && !(shift & ssDouble)) {
                ShowEditor();
            } else {
                MoveColRow(cell.X, cell.Y, !((shift & ssShift) && (options_ & goRangeSelect)), true);
                gridState_ = TGridState::gsSelecting;
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y)
{
    switch (gridState_) {
    case TGridState::gsSelecting:
        if (options_ & goRangeSelect) {
            const TGridCoord cell = MouseCoord(x, y);
            if (cell.X >= fixedCols_ && cell.Y >= fixedRows_)
                MoveColRow(cell.X, cell.Y, false, true);
        }
        break;
    case TGridState::gsColSizing:
        SetColWidths(sizingIndex_, std::max(0, x - sizingStart_));
        break;
    case TGridState::gsRowSizing:
        SetRowHeights(sizingIndex_, std::max(0, y - sizingStart_));
        break;
    default:
        break;
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const TGridState state = gridState_;
    gridState_ = TGridState::gsNormal;
    if (state == TGridState::gsColMoving || state == TGridState::gsRowMoving) {
        const TGridCoord cell = MouseCoord(x, y);
        if (state == TGridState::gsColMoving && cell.X >= fixedCols_)
            MoveColumn(movingFrom_, cell.X);
        if (state == TGridState::gsRowMoving && cell.Y >= fixedRows_)
            MoveRow(movingFrom_, cell.Y);
    }
    sizingIndex_ = movingFrom_ = -1;
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomGrid::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    return wheelDelta < 0 ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState, TPoint)
{
    if (current_.Y < rowCount_ - 1)
        MoveColRow(current_.X, current_.Y + 1, true, true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState, TPoint)
{
    if (current_.Y > fixedRows_)
        MoveColRow(current_.X, current_.Y - 1, true, true);
    return true;
}

// --- inplace editor -------------------------------------------------------------------------------

bool TCustomGrid::CanEditShow()
{
    return (options_ & goEditing) && !(options_ & goRowSelect) && current_.X >= fixedCols_ && current_.Y >= fixedRows_;
}

std::string TCustomGrid::GetEditText(int, int)
{
    return {};
}

void TCustomGrid::SetEditText(int, int, const std::string&) {}

std::string TCustomGrid::GetEditMask(int, int)
{
    return {};
}

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return new TInplaceEdit(this);
}

void TCustomGrid::SetEditorMode(bool v)
{
    if (v)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor()
{
    if (!CanEditShow())
        return;
    if (!editor_) {
        editor_ = CreateEditor();
        editor_->grid_ = this;
        editor_->SetParent(this);
    }
    editorMode_ = true;
    editor_->UpdateContents();
    UpdateEditorPosition();
}

void TCustomGrid::ShowEditorChar(char32_t Ch)
{
    ShowEditor();
    if (!editorMode_ || !editor_)
        return;
    std::string typed;
    rtl::AppendUtf8(typed, static_cast<int>(Ch));
    editor_->SelectAll();
    editor_->SetSelText(typed);
}

// Stores the editor's text in the cell and hides the editor.
void TCustomGrid::HideEditor()
{
    if (!editorMode_)
        return;
    editorMode_ = false;
    // Hiding the editor takes the focus away from it: the grid takes it back when the editor had
    // it, so the next key still reaches the grid (and not the next control of the form).
    const bool editorHadFocus = editor_ && editor_->Focused();
    if (editor_) {
        if (CanEditModify())
            SetEditText(current_.X, current_.Y, editor_->Text());
        editor_->Hide();
    }
    if (editorHadFocus && CanFocus())
        SetFocus();
}

void TCustomGrid::UpdateEditor()
{
    if (editorMode_ && editor_)
        editor_->UpdateContents();
}

void TCustomGrid::InvalidateEditor()
{
    if (editorMode_ && editor_) {
        editor_->UpdateContents();
        UpdateEditorPosition();
    }
}

void TCustomGrid::UpdateEditorPosition()
{
    if (!editor_)
        return;
    const TRect r = CellRect(current_.X, current_.Y);
    if (r.IsEmpty())
        editor_->Hide();
    else
        editor_->Move(r);
}

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
}

void TInplaceEdit::Move(const TRect& r)
{
    SetBoundsRect(r);
    Show();
    if (grid_ && grid_->Focused() && CanFocus())
        SetFocus();
}

void TInplaceEdit::UpdateContents()
{
    if (!grid_)
        return;
    editMask_ = grid_->GetEditMask(grid_->Col(), grid_->Row());
    SetMaxLength(grid_->GetEditLimit());
    SetReadOnly(!grid_->CanEditModify());
    openedText_ = grid_->GetEditText(grid_->Col(), grid_->Row());
    SetTextSilently(openedText_);
    SelectAll();
}

// Keys that move the current cell go to the grid; Escape puts the text it opened with back.
void TInplaceEdit::KeyDown(unsigned& key, TShiftState shift)
{
    if (!grid_) {
        TCustomEdit::KeyDown(key, shift);
        return;
    }
    switch (key) {
    case VK_ESCAPE:
        if (Text() != openedText_)
            SetText(openedText_);
        grid_->HideEditor();
        key = 0;
        return;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
        grid_->KeyDown(key, shift);
        return;
    default:
        if ((shift & ssCtrl) && (key == VK_HOME || key == VK_END)) {
            grid_->KeyDown(key, shift);
            return;
        }
        TCustomEdit::KeyDown(key, shift);
    }
}

void TInplaceEdit::KeyPress(char32_t& key)
{
    if (grid_ && key == U'\r') {
        grid_->KeyPress(key);
        return;
    }
    if (key == U'\t') {
        key = 0;
        return;
    }
    TCustomEdit::KeyPress(key);
}

void TInplaceEdit::Change()
{
    TCustomEdit::Change();
    if (grid_ && grid_->EditorMode() && grid_->CanEditModify())
        grid_->SetEditText(grid_->Col(), grid_->Row(), Text());
}

}  // namespace ui
