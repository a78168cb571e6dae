// TGridInput: the mouse buttons. A left press first meets the grid's rules (cell buttons, check
// boxes, pseudo-fixed cells); other presses let the framework move the current cell or start
// sizing, then fire OnClickCell. The release ends sizing (OnEndColumnSize once; a release outside
// the grid puts the width back), fires cell-button clicks; a double click on a header border sizes
// the column to its contents; the right button fires OnRightClickCell.
#include "grid/stringgrid/GxGridInput.h"

#include <algorithm>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Input.h"

namespace gx {

namespace {

ui::TShiftState ShiftOf(const ui::TMessage& m)
{
    ui::TShiftState s = 0;
    if (m.WParam & ui::MK_SHIFT)
        s |= ui::ssShift;
    if (m.WParam & ui::MK_CONTROL)
        s |= ui::ssCtrl;
    if (ui::KeyboardShiftState() & ui::ssAlt)
        s |= ui::ssAlt;
    return s;
}

// Border tolerance of a header press that sizes instead of clicking.
constexpr int kBorderMargin = 4;

}  // namespace

void TGridInput::Inherited(ui::TMessage& m)
{
    g_.TBaseGrid::WndProc(m);
}

// --- left button down ----------------------------------------------------------------------------------

void TGridInput::LeftButtonDown(ui::TMessage& m)
{
    const int X = ui::LoWordSigned(m.LParam), Y = ui::HiWordSigned(m.LParam);
    const bool wasEditing = g_.EditMode() || g_.EditorMode();
    doOnClick_ = true;
    g_.Pointer.MouseDown = true;
    g_.Pointer.MouseDownMove = true;
    searchInc.clear();
    pushedButton_ = {-1, -1};
    sizingCol_ = -1;
    dblClk_ = false;
    pressSelection_ = g_.Selection();
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    downCol_ = ACol;
    downRow_ = ARow;
    sizingRow_ = -1;
    if (ResizerPress(X, Y)) {
        if (g_.CanFocus())
            g_.SetFocus();
        m.Result = 1;
        return;
    }
    if (g_.OnCanClickCell) {
        bool allow = true;
        g_.OnCanClickCell(&g_, ARow, ACol, allow);
        if (!allow)
            return;  // not even the framework sees the press
    }
    if (ACol < 0 || ARow < 0) {
        g_.HideInplaceEdit();
        if (!g_.FixedRowAlways())
            Inherited(m);
        return;
    }
    if (FixedSizingPress(X, Y))
        return;
    const int realCol = g_.RealColIndex(ACol);
    const bool fixedArea = ACol < g_.FixedCols() || ARow < g_.FixedRows();
    const bool pseudoFixed = !fixedArea && g_.IsFixed(ACol, ARow);
    if (fixedArea || pseudoFixed)
        g_.HideInplaceEdit();
    if (NodePress(ShiftOf(m), X, Y, ACol, ARow) || RadioGroupPress(X, Y, ACol, ARow) || RatingPress(X, ACol, ARow))
        return;

    // A cell button: pressed now, clicked when released over it.
    if (g_.HasCellTypeIn(realCol, ARow, {ctButton, ctBitButton}) && g_.CellButtonRect(realCol, ARow).Contains({X, Y})) {
        g_.HideInplaceEdit();
        pushedButton_ = {ACol, ARow};
        g_.RepaintCell(ACol, ARow);
        ui::SetCaptureControl(&g_);
        if (g_.OnClickCell)
            g_.OnClickCell(&g_, ARow, ACol);
        return;
    }
    if (LinkPress(X, Y, ACol, ARow))
        return;
    if (CheckBoxPress(m, X, Y, ACol, ARow))
        return;
    if (pseudoFixed) {
        const bool footerRow = g_.FloatingFooter()->Visible() && ARow == g_.RowCount() - 1;
        if (!footerRow && g_.OnClickCell)
            g_.OnClickCell(&g_, ARow, ACol);
        return;
    }

    const ui::TRect cell = g_.CellRect(ACol, ARow);
    const bool nearBorder = X - cell.Left < kBorderMargin || cell.Right - X < kBorderMargin;
    mouseSelectStart_ = -1;
    if (fixedArea && g_.MouseSelectMode != msNormal)
        FixedCellSelect(ACol, ARow, (m.WParam & ui::MK_SHIFT) != 0);
    if (mouseSelectStart_ >= 0) {
        // The framework only sees the press for its mouse-down method: no sizing or moving.
        g_.SetGridState(ui::TGridState::gsNormal);
        if (g_.OnMouseDown)
            g_.OnMouseDown(&g_, ui::TMouseButton::mbLeft, ShiftOf(m), X, Y);
        if (g_.OnClickCell)
            g_.OnClickCell(&g_, ARow, ACol);
        return;
    }
    if (FixedDropDownPress(X, ACol, ARow))
        return;
    if (RangeEditPress(m, ACol, ARow)) {
        if (g_.OnClickCell)
            g_.OnClickCell(&g_, ARow, ACol);
        return;
    }
    if (g_.Extras().OleDragMouse(g_, X, Y, true))
        return;  // a press inside the selection that may start a drag of it
    Inherited(m);
    if (FixedEditPress(fceLeftClick, X, Y, ACol, ARow))
        return;
    if (!wasEditing)
        g_.PlaceEditCaretAt(X, Y);  // an edit this press opened has its caret where it landed
    if (g_.GridState() == ui::TGridState::gsColSizing) {
        sizingCol_ = g_.ColBorderAt(X);
        sizingStartWidth_ = sizingCol_ >= 0 ? g_.ColWidths(sizingCol_) : 0;
    } else if (g_.GridState() == ui::TGridState::gsRowSizing) {
        sizingRow_ = g_.RowBorderAt(Y);
        sizingStartHeight_ = sizingRow_ >= 0 ? g_.RowHeights(sizingRow_) : 0;
    }
    const bool sizingPress = ARow < g_.FixedRows() && (g_.Options() & ui::goColSizing) && nearBorder;
    if (!sizingPress && g_.OnClickCell)
        g_.OnClickCell(&g_, ARow, ACol);
    if (g_.OnCellValidate)
        RememberOldCell(g_.Col(), g_.Row());
}

// RangeSelectAndEdit: a press on the current cell edits it at once; a press outside the selection
// ends editing, so that a Shift press or a drag selects a range. True when the press was handled.
bool TGridInput::RangeEditPress(ui::TMessage& m, int ACol, int ARow)
{
    const TMouseActions& mouse = *g_.MouseActions();
    if (!mouse.RangeSelectAndEdit() || mouse.EditOnDblClickOnly() || ACol < g_.FixedCols() || ARow < g_.FixedRows())
        return false;
    const bool editing = (g_.Options() & ui::goEditing) != 0;
    if (ACol == g_.Col() && ARow == g_.Row()) {
        if (editing || !g_.IsEditable(g_.RealColIndex(ACol), ARow))
            return false;
        g_.SetOptions(g_.Options() | ui::goEditing);
        Inherited(m);
        g_.ShowInplaceEdit();
        return true;
    }
    if (editing && !g_.SelectedCells(ACol, ARow))
        g_.SetOptions(g_.Options() & ~ui::goEditing);
    return false;
}

// A press on the box of an editable check-box cell toggles it: OnCheckBoxChange (from the toggle),
// OnCheckBoxClick, OnMouseDown, OnClick; no OnClickCell, and the release clicks no second time.
bool TGridInput::CheckBoxPress(ui::TMessage& m, int X, int Y, int ACol, int ARow)
{
    const int realCol = g_.RealColIndex(ACol);
    bool canEdit = (g_.Options() & ui::goEditing) || g_.MouseActions()->RangeSelectAndEdit();
    g_.GetCellEditable(realCol, ARow, canEdit);
    const bool hotmail = ACol == 0 && g_.MouseActions()->HotmailRowSelect();
    if (!(canEdit || g_.ControlLook()->CheckAlwaysActive || hotmail))
        return false;
    const bool radio = g_.HasCellTypeIn(realCol, ARow, {ctRadioButton});
    bool state = false;
    if (!radio && !g_.GetCheckBoxState(realCol, g_.RealRowIndex(ARow), state))
        return false;
    if (!g_.IsInCheckBox(realCol, ARow, X, Y))
        return false;
    g_.HideInplaceEdit();
    if (g_.CanFocus())
        g_.SetFocus();
    if (radio)
        g_.SelectRadioButtonCell(realCol, ARow, true);
    else
        g_.ToggleCellCheck(realCol, ARow, true);
    if (g_.ShowModified()->Enabled) {
        g_.SetRowModified(ARow, true);
        g_.RepaintCell(0, ARow);
    }
    g_.GetCheckBoxState(realCol, g_.RealRowIndex(ARow), state);
    const bool normal = ACol >= g_.FixedCols() && ARow >= g_.FixedRows();
    if (!g_.Navigation()->AlwaysEdit() && normal)
        g_.MoveColRow(ACol, ARow, true, true);
    g_.DoCheckBoxClick(ACol, ARow, state);
    if (g_.HideFocusRect)
        g_.RepaintCell(ACol, ARow);
    if (ARow < g_.FixedRows() && g_.MouseActions()->CheckAllCheck() && !hotmail) {
        for (int r = g_.FixedRows(); r < g_.RowCount() - g_.FixedFooters(); ++r)
            g_.SetCells(realCol, r, state ? g_.CheckTrue : g_.CheckFalse);
        g_.Invalidate();
    }
    if (g_.OnMouseDown)
        g_.OnMouseDown(&g_, ui::TMouseButton::mbLeft, ShiftOf(m), X, Y);
    g_.Click();
    return true;
}

// --- left button up ------------------------------------------------------------------------------------

void TGridInput::LeftButtonUp(ui::TMessage& m)
{
    const int X = ui::LoWordSigned(m.LParam), Y = ui::HiWordSigned(m.LParam);
    const ui::TGridState state = g_.GridState();
    if (g_.Pointer.CtrlDown) {
        g_.Pointer.CtrlDown = false;  // a push button in a cell's text comes up
        g_.Invalidate();
    }
    const bool filterOpened = FilterListRelease(X, Y);
    if (FixedSizingRelease(X, Y)) {
        g_.Pointer.MouseDown = false;
        g_.Pointer.MouseDownMove = false;
        return;
    }
    if (mouseSelectStart_ >= 0) {
        // A selection by the fixed cells ends; the release is a click as any other.
        mouseSelectStart_ = -1;
        g_.MouseSelectMode = msNormal;
        g_.Pointer.MouseDown = false;
        g_.Pointer.MouseDownMove = false;
        g_.Click();
        return;
    }
    g_.Pointer.MouseDown = false;
    g_.Pointer.MouseDownMove = false;
    g_.Pointer.DropDownDown = false;
    if (pushedButton_.X >= 0) {
        const ui::TPoint pushed = pushedButton_;
        pushedButton_ = {-1, -1};
        if (ui::CaptureControl() == &g_)
            ui::SetCaptureControl(nullptr);
        g_.RepaintCell(pushed.X, pushed.Y);
        int ACol = -1, ARow = -1;
        g_.MouseToCell(X, Y, ACol, ARow);
        if (ACol == pushed.X && ARow == pushed.Y) {
            const int realCol = g_.RealColIndex(ACol);
            const ui::TPoint base = g_.BaseCell(realCol, ARow);
            const bool enabled =
                g_.CellAcceptsEdit(realCol, ARow) || g_.ControlLook()->NoDisabledButtonLook() || ARow < g_.FixedRows();
            if (enabled && g_.CellButtonRect(base.X, base.Y).Contains({X, Y}))
                g_.DoButtonClick(realCol, ARow);
        }
        return;
    }
    if (state == ui::TGridState::gsColSizing) {
        // The release of a sizing drag is no click.
        g_.controlState_ &= ~ui::csLButtonDown;
    }
    HideSizeHint();
    if (RowMoveRelease(m, Y))
        return;
    ColumnMoveRelease();
    if (g_.MouseActions()->DisjunctCellSelect() && state != ui::TGridState::gsColSizing &&
        state != ui::TGridState::gsRowSizing && !resizing_) {
        int ACol = -1, ARow = -1;
        g_.MouseToCell(X, Y, ACol, ARow);
        if (!DisjunctCellRelease(ShiftOf(m), ACol, ARow))
            return;
    }
    // The selection a press or a drag made is reported, and again when the release changes it.
    if (state != ui::TGridState::gsColSizing && state != ui::TGridState::gsRowSizing)
        SelectionChangedSince(pressSelection_);
    const ui::TGridRect beforeRelease = g_.Selection();
    Inherited(m);
    SelectionChangedSince(beforeRelease);
    if (ResizerRelease())
        return;
    if (state == ui::TGridState::gsColSizing && sizingCol_ >= 0) {
        const int col = sizingCol_;
        sizingCol_ = -1;
        if (dblClk_) {
            dblClk_ = false;
            return;
        }
        if (X >= g_.ClientWidth()) {
            // Released beyond the grid's right edge: the sizing is cancelled.
            g_.SetColWidths(col, sizingStartWidth_);
            return;
        }
        if (g_.ColWidths(col) == sizingStartWidth_)
            return;
        if (g_.OnEndColumnSize)
            g_.OnEndColumnSize(&g_, col);
        int width = g_.ColWidths(col);
        const int offered = width;
        g_.DoUpdateColumnSize(col, width);
        if (width != offered)
            g_.SetColWidths(col, width);
        if (g_.MouseActions()->AllColumnSize() && sizingStartWidth_ > 0)
            for (int c = g_.FixedCols(); c < g_.ColCount(); ++c)
                if (c != col)
                    g_.SetColWidths(
                        c, static_cast<int>(g_.ColWidths(c) * static_cast<double>(width) / sizingStartWidth_ + 0.5));
        return;
    }
    if (state == ui::TGridState::gsRowSizing && sizingRow_ >= 0) {
        const int row = sizingRow_;
        sizingRow_ = -1;
        if (Y >= g_.ClientHeight()) {
            g_.SetRowHeights(row, sizingStartHeight_);  // released below the grid: cancelled
            return;
        }
        if (g_.RowHeights(row) != sizingStartHeight_) {
            if (g_.OnEndRowSize)
                g_.OnEndRowSize(&g_, row);
            if (g_.MouseActions()->AllRowSize() && sizingStartHeight_ > 0)
                for (int r = g_.FixedRows(); r < g_.RowCount(); ++r)
                    if (r != row)
                        g_.SetRowHeights(
                            r,
                            static_cast<int>(
                                g_.RowHeights(r) * static_cast<double>(g_.RowHeights(row)) / sizingStartHeight_ + 0.5));
        }
        return;
    }
    // A release on a check box (after its press) reports the box's state; a header click sorts.
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    const bool sortableCol = ACol >= g_.FixedCols() || g_.SortSettings()->FixedCols;
    if (ACol < 0 || ARow < 0 || !sortableCol || state == ui::TGridState::gsColMoving ||
        state == ui::TGridState::gsRowMoving) {
        dblClk_ = false;
        return;
    }
    const int realCol = g_.RealColIndex(ACol);
    bool checked = false;
    const bool hasBox = g_.GetCheckBoxState(realCol, g_.RealRowIndex(ARow), checked);
    if (hasBox && g_.OnCheckBoxMouseUp)
        g_.OnCheckBoxMouseUp(&g_, realCol, ARow, checked);
    int radioIndex = -1;
    if (g_.OnRadioMouseUp && g_.IsRadio(realCol, ARow) && g_.GetRadioIdx(realCol, ARow, radioIndex))
        g_.OnRadioMouseUp(&g_, realCol, ARow, radioIndex);
    if (dblClk_) {
        dblClk_ = false;  // the release of a border double click: no sort
        return;
    }
    const ui::TRect cell = g_.CellRect(ACol, ARow);
    if (ARow == 0 && (g_.Options() & ui::goColSizing) &&
        (X - cell.Left < kBorderMargin || cell.Right - X < kBorderMargin))
        return;
    if ((hasBox && g_.IsInCheckBox(realCol, ARow, X, Y)) || filterOpened)
        return;
    HeaderClickSort(ACol, ARow, ShiftOf(m));
}

// A click on the sort row (pressed and released there) sorts by the column. With IndexShow the
// index key (Shift or Ctrl by IndexSortKey) adds the column to the sort or turns its direction, a
// plain click makes it the only sort column. Otherwise the sorted column again reverses the
// direction (or, with UndoSort, goes back to unsorted once the direction left the initial one);
// another column starts with the initial direction. The sort slots sort; OnClickSort reports.
void TGridInput::HeaderClickSort(int ACol, int ARow, ui::TShiftState shift)
{
    TSortSettings& sort = *g_.SortSettings();
    if (!sort.Show() || ARow != sort.Row() || downRow_ != sort.Row() || g_.FixedRows() == 0 || g_.RowCount() <= 2)
        return;
    const int realCol = g_.RealColIndex(ACol);
    bool doSort = !g_.IsIgnoredColumn(realCol);
    if (g_.OnCanSort)
        g_.OnCanSort(&g_, realCol, doSort);
    if (!doSort) {
        g_.RepaintCell(ACol, ARow);
        return;
    }
    g_.HideInplaceEdit();
    const int left = g_.LeftCol();
    if (sort.IndexShow) {
        const bool indexKey = (shift & (sort.IndexSortKey == ikCtrl ? ui::ssCtrl : ui::ssShift)) != 0;
        TSortIndexList& list = *g_.SortIndexes();
        list.ClickColumn(realCol, indexKey, sort.InitSortDirection == sdAscending);
        sort.Column = list.Count() > 0 ? list.SortColumns(0) : -1;
        if (g_.HasNodes())
            g_.QSortGroupIndexed();
        else
            g_.QSortIndexed();
    } else if (sort.Column == realCol) {
        if (sort.UndoSort && sort.Direction != sort.InitSortDirection) {
            sort.Column = -1;
            sort.Direction = sort.InitSortDirection;
            g_.QUnSort();
        } else {
            sort.Direction = sort.Direction == sdAscending ? sdDescending : sdAscending;
            g_.HasNodes() ? g_.QSortGroup() : g_.QSort();
        }
    } else {
        sort.Column = realCol;
        sort.Direction = sort.InitSortDirection;
        g_.HasNodes() ? g_.QSortGroup() : g_.QSort();
    }
    if (g_.LeftCol() != left)
        g_.SetLeftCol(left);
    g_.Invalidate();
    // Reported here: the grid's click-sort slot would sort a second time.
    if (g_.OnClickSort)
        g_.OnClickSort(&g_, realCol);
}

// --- double click --------------------------------------------------------------------------------------

void TGridInput::LeftDoubleClick(ui::TMessage& m)
{
    const int X = ui::LoWordSigned(m.LParam), Y = ui::HiWordSigned(m.LParam);
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 && ARow >= 0 && ARow < g_.FixedRows() && !g_.FixedRowAlways())
        ACol = g_.ColCount() - 1;  // beyond the columns: the header of the last column
    if (ACol < 0 || ARow < 0) {
        Inherited(m);
        g_.SetGridState(ui::TGridState::gsNormal);
        return;
    }
    // A header border: the column left of it (or the pressed one) takes the width of its contents.
    if (ARow < g_.FixedRows() && (g_.Options() & ui::goColSizing) && g_.MouseActions()->AutoSizeColOnDblClick()) {
        const ui::TRect cell = g_.CellRect(ACol, ARow);
        int target = -1;
        if (X - cell.Left <= 3 && ACol - 1 >= g_.FixedCols())
            target = ACol - 1;
        else if (cell.Right - X <= 3 && ACol >= g_.FixedCols())
            target = ACol;
        if (X - cell.Left <= 3 || cell.Right - X <= 3) {
            dblClk_ = true;
            if (target >= 0) {
                bool allow = true;
                if (g_.OnColumnSize)
                    g_.OnColumnSize(&g_, target, allow);
                if (allow) {
                    g_.AutoSizeCol(target, 0);
                    if (g_.OnEndColumnSize)
                        g_.OnEndColumnSize(&g_, target);
                }
            }
            Inherited(m);
            g_.SetGridState(ui::TGridState::gsNormal);
            sizingCol_ = -1;
            return;
        }
    }
    const int realCol = g_.RealColIndex(ACol);
    if (g_.HasCellTypeIn(realCol, ARow, {ctButton, ctBitButton}) && g_.CellButtonRect(realCol, ARow).Contains({X, Y}))
        return;
    if (g_.IsClickControlCell(realCol, ARow)) {
        // The press of a double click on a box toggles it again, as a press does.
        if (!CheckBoxPress(m, X, Y, ACol, ARow))
            Inherited(m);
        return;
    }
    Inherited(m);
    if (g_.OnDblClickCell)
        g_.OnDblClickCell(&g_, ARow, ACol);
    if (g_.MouseActions()->EditOnDblClickOnly() && g_.CellAcceptsEdit(realCol, ARow)) {
        g_.SetOptions(g_.Options() | ui::goEditing);
        g_.edit_.OldCol = g_.Col();
        g_.edit_.OldRow = g_.Row();
        g_.ShowInplaceEdit();
    }
    FixedEditPress(fceDblClick, X, Y, ACol, ARow);
}

// --- right button and moving ----------------------------------------------------------------------------

void TGridInput::RightButtonDown(ui::TMessage& m)
{
    Inherited(m);
    const int X = ui::LoWordSigned(m.LParam), Y = ui::HiWordSigned(m.LParam);
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return;
    const bool normal = ACol >= g_.FixedCols() && ARow >= g_.FixedRows() && !g_.IsFixed(ACol, ARow);
    if (g_.MouseActions()->SelectOnRightClick() && normal && !g_.IsClickControlCell(g_.RealColIndex(ACol), ARow)) {
        if (g_.IsSelected(ACol, ARow)) {
            bool can = true;
            if (g_.OnSelectCell)
                g_.OnSelectCell(&g_, ACol, ARow, can);
        } else {
            const ui::TPoint base = g_.BaseCell(ACol, ARow);
            g_.MoveColRow(base.X, base.Y, true, true);
        }
    }
    if (g_.OnRightClickCell)
        g_.OnRightClickCell(&g_, ARow, ACol);
    FixedEditPress(fceRightClick, X, Y, ACol, ARow);
}

void TGridInput::MouseMove(ui::TMessage& m)
{
    const int X = ui::LoWordSigned(m.LParam), Y = ui::HiWordSigned(m.LParam);
    if (mouseSelectStart_ >= 0) {
        int ACol = -1, ARow = -1;
        g_.MouseToCell(X, Y, ACol, ARow);
        DragFixedSelect(ACol, ARow);
        return;
    }
    if ((m.WParam & ui::MK_LBUTTON) && g_.Extras().OleDragMouse(g_, X, Y, false)) {
        g_.SetGridState(ui::TGridState::gsNormal);  // the drag of cells took the press
        return;
    }
    const bool onFixedBorder = !panning_ && g_.GridState() == ui::TGridState::gsNormal && FixedSizingMove(X, Y);
    if (sizingFixedCol_ >= 0 || sizingFixedRow_ >= 0)
        return;
    const ui::TGridRect beforeMove = g_.Selection();
    Inherited(m);
    if (g_.Selection() != beforeMove && g_.Pointer.MouseDown) {
        SelectionChangedSince(beforeMove);
        pressSelection_ = g_.Selection();
    }
    // The width (height) the column (row) being sized takes at the mouse.
    if (g_.GridState() == ui::TGridState::gsColSizing && sizingCol_ >= 0) {
        if (g_.OnColumnSizing)
            g_.OnColumnSizing(&g_, sizingCol_, g_.ColWidths(sizingCol_));
        ShowSizeHint(true, g_.ColWidths(sizingCol_), sizingCol_, 0);
    }
    if (g_.GridState() == ui::TGridState::gsRowSizing && sizingRow_ >= 0) {
        if (g_.OnRowSizing)
            g_.OnRowSizing(&g_, sizingRow_, g_.RowHeights(sizingRow_));
        ShowSizeHint(false, g_.RowHeights(sizingRow_), 0, sizingRow_);
    }
    MoveVisualsUpdate(X, Y);
    if (!panning_ && !onFixedBorder && g_.GridState() == ui::TGridState::gsNormal)
        UpdateCursor(X, Y);
    // The cell under the mouse, and the fixed cell drawn in its hover look.
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    AnchorHover(X, Y, ACol, ARow);
    g_.BalloonCellMove(ACol, ARow);
    TGridPointerState& pointer = g_.Pointer;
    pointer.HoverCell = {ACol, ARow};
    const THoverFixedCells hover = g_.HoverFixedCells;
    const bool hoverFixed = ACol >= 0 && ARow >= 0 &&
                            (((hover == hfAll || hover == hfFixedColumns) && ACol < g_.FixedCols()) ||
                             ((hover == hfAll || hover == hfFixedRows) && ARow < g_.FixedRows()));
    const ui::TPoint now = hoverFixed ? ui::TPoint{ACol, ARow} : ui::TPoint{-1, -1};
    if (now.X != pointer.HoverFixedX || now.Y != pointer.HoverFixedY) {
        if (pointer.HoverFixedX >= 0)
            g_.RepaintCell(pointer.HoverFixedX, pointer.HoverFixedY);
        pointer.HoverFixedX = now.X;
        pointer.HoverFixedY = now.Y;
        if (now.X >= 0)
            g_.RepaintCell(now.X, now.Y);
    }
}

// The sizing cursors over the header borders the mouse can drag; the grid's own cursor elsewhere
// (OnGetCellCursor may set another over a cell).
void TGridInput::UpdateCursor(int X, int Y)
{
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    g_.MouseSelectMode = SelectModeAt(X, Y, ACol, ARow);
    if (g_.MouseSelectMode != msNormal) {
        const ui::TCursor select = GridSelectCursor(g_.MouseSelectMode);
        if (g_.Cursor() != select)
            g_.SetCursor(select);
        return;
    }
    ui::TCursor cursor = g_.RestoreCursor();
    if (ARow >= 0 && ARow < g_.FixedRows() && (g_.Options() & ui::goColSizing) && g_.ColBorderAt(X) >= 0)
        cursor = ui::crHSplit;
    else if (ACol >= 0 && ACol < g_.FixedCols() && (g_.Options() & ui::goRowSizing) && g_.RowBorderAt(Y) >= 0)
        cursor = ui::crVSplit;
    else if (LinkCursor(X, Y, ACol, ARow))
        return;
    if (g_.Cursor() != cursor)
        g_.SetCursor(cursor);
    if (cursor == g_.RestoreCursor() && ACol >= 0 && ARow >= 0)
        g_.DoGetCellCursor(ACol, ARow, X, Y);
}

// The selection mode over a fixed cell: all cells from the corner, whole columns from the header,
// whole rows from the fixed columns; never on a sizing border.
TMouseSelectMode TGridInput::SelectModeAt(int X, int Y, int ACol, int ARow)
{
    if (OnResizer(X, Y))
        return msResize;
    if (ACol < 0 || ARow < 0)
        return msNormal;
    const TMouseActions& mouse = *g_.MouseActions();
    const bool fixedRow = ARow < g_.FixedRows(), fixedCol = ACol < g_.FixedCols();
    if (fixedRow && fixedCol)
        return mouse.AllSelect() ? msAll : msNormal;
    const bool colBorder = (g_.Options() & ui::goColSizing) && g_.ColBorderAt(X) >= 0;
    const bool rowBorder = (g_.Options() & ui::goRowSizing) && g_.RowBorderAt(Y) >= 0;
    if (fixedRow && mouse.ColSelect() && !colBorder)
        return msColumn;
    const int lastRow = g_.RowCount() - (g_.FloatingFooter()->Visible() ? 2 : 1);
    if (fixedCol && ARow <= lastRow && mouse.RowSelect() && !rowBorder && !(ACol == 0 && g_.IsNode(ARow)))
        return msRow;
    return msNormal;
}

// A press on a fixed cell in a selection mode selects all cells, a whole row or a whole column
// (Shift: from the old selection on); a drag then extends it.
void TGridInput::FixedCellSelect(int ACol, int ARow, bool shift)
{
    const TMouseActions& mouse = *g_.MouseActions();
    const ui::TGridRect old = g_.Selection();
    const int lastCol = g_.ColCount() - 1, lastRow = g_.RowCount() - 1;
    ui::TGridRect sel{};
    const bool range = (g_.Options() & ui::goRangeSelect) != 0;
    if (g_.MouseSelectMode == msAll && ARow < g_.FixedRows() && ACol < g_.FixedCols() && mouse.AllSelect() && range) {
        sel = {g_.FixedCols(), g_.FixedRows(), lastCol, lastRow};
        g_.AdjustMouseSelection(sel);
        mouseSelectStart_ = g_.FixedRows();
    } else if (g_.MouseSelectMode == msRow && ACol < g_.FixedCols() && mouse.RowSelect()) {
        const int from = shift ? std::min(old.Top, old.Bottom) : ARow;
        sel = {g_.FixedCols(), std::min(from, ARow), lastCol, std::max(from, ARow)};
        mouseSelectStart_ = shift ? from : ARow;
    } else if (g_.MouseSelectMode == msColumn && ARow < g_.FixedRows() && mouse.ColSelect() && range) {
        const int from = shift ? std::min(old.Left, old.Right) : ACol;
        sel = {std::min(from, ACol), g_.FixedRows(), std::max(from, ACol), lastRow};
        mouseSelectStart_ = shift ? from : ACol;
    } else {
        return;
    }
    if (g_.CanFocus() && (g_.MouseSelectMode != msRow || g_.edit_.EditMode))
        g_.SetFocus();
    g_.HideInplaceEdit();
    if (mouse.DisjunctCellSelect())
        g_.ClearSelectedCells();
    g_.SetSelection(sel);
    if (old != sel)
        g_.DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

// Dragging after a press on a fixed cell: rows from the start row to the one under the mouse, or
// columns likewise (not before the first normal row or column).
void TGridInput::DragFixedSelect(int ACol, int ARow)
{
    const ui::TGridRect old = g_.Selection();
    ui::TGridRect sel = old;
    if (g_.MouseSelectMode == msRow && ARow >= g_.FixedRows() && ARow <= g_.RowCount() - g_.FixedFooters()) {
        const int to = std::max(g_.FixedRows(), std::min(ARow, g_.RowCount() - 1));
        sel = {g_.FixedCols(), std::min(mouseSelectStart_, to), g_.ColCount() - 1, std::max(mouseSelectStart_, to)};
    } else if (g_.MouseSelectMode == msColumn && ACol >= 0) {
        const int to = std::max(g_.FixedCols(), ACol);
        sel = {std::min(mouseSelectStart_, to), g_.FixedRows(), std::max(mouseSelectStart_, to), g_.RowCount() - 1};
    }
    if (sel != old) {
        g_.SetSelection(sel);
        g_.DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
}

// The mouse left the grid: no selection mode, and the hovered fixed cell loses its hover look.
void TGridInput::MouseLeave()
{
    g_.MouseSelectMode = msNormal;
    sizeFixedCol_ = sizeFixedRow_ = -1;
    TGridPointerState& pointer = g_.Pointer;
    pointer.HoverCell = {-1, -1};
    if (hoverLinkCell_.X >= 0) {
        const ui::TPoint was = hoverLinkCell_;
        hoverLinkCell_ = {-1, -1};
        pointer.HoverLink = -1;
        g_.RepaintCell(was.X, was.Y);
    }
    if (pointer.HoverFixedX >= 0 && !noMouseLeave_) {
        const ui::TPoint was{pointer.HoverFixedX, pointer.HoverFixedY};
        pointer.HoverFixedX = pointer.HoverFixedY = -1;
        g_.RepaintCell(was.X, was.Y);
    }
}

// --- a moved column -------------------------------------------------------------------------------------

// The column order, the sort column, the current column and the embedded controls follow the move;
// the framework moves the cells and the widths. The cells lie at the real indexes: with hidden
// columns they move there, and the hidden columns passed over stay hidden.
void TGxStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    const int realFrom = RealColIndex(FromIndex), realTo = RealColIndex(ToIndex);
    if (realFrom >= 0 && realTo >= 0 && realFrom < columnOrder_->Count() && realTo < columnOrder_->Count()) {
        const int entry = columnOrder_->GetInteger(realFrom);
        columnOrder_->Delete(realFrom);
        columnOrder_->Insert(realTo, entry);
    }
    TBaseGrid::ColumnMoved(realFrom, realTo);
    if (numHiddenColumns_ > 0 && realFrom != realTo && realFrom < kMaxHiddenColumns && realTo < kMaxHiddenColumns) {
        const auto move = [realFrom, realTo](auto& list) {
            const auto from = list.begin() + realFrom, to = list.begin() + realTo;
            realFrom < realTo ? std::rotate(from, from + 1, to + 1) : std::rotate(to, from, from + 1);
        };
        move(visibleCol_);
        move(allColWidths_);
        RebuildColumnMaps();
    }
    for (int i = 0; i < controlList_->Count(); ++i) {
        TControlItem* item = controlList_->GetControl(i);
        item->X = MovedIndex(item->X, realFrom, realTo);
    }
    if (controlList_->Count() > 0)
        Invalidate();
    if (sortSettings_->Column >= 0)
        sortSettings_->Column = MovedIndex(sortSettings_->Column, realFrom, realTo);
    const int col = MovedIndex(Col(), FromIndex, ToIndex);
    if (col != Col())
        MoveColRow(col, Row(), true, false);
}

}  // namespace gx
