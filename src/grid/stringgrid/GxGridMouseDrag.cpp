// TGridInput: what a press starts and the mouse then drags: sizing of fixed columns and rows, the
// selection resizer (the handle at the selection's bottom-right corner), moving rows and columns
// with their drop marks, the size hint; the fixed cells' drop-down button and editors; the
// disjunct cell selection by clicks; and the marks painted over the cells (drop arrows, the sizing
// line of a fixed column or row, the origin of panning).
#include <algorithm>
#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridInput.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"

namespace gx {

namespace {
constexpr int kFixedBorderSlack = 3;  // a fixed border is grabbed closer than this
constexpr int kResizerHandle = 6;     // the resizer's square at the selection's corner
constexpr int kDropButton = 16;       // width of a fixed cell's drop-down button
constexpr int kArrow = 5;             // half width of a drop arrow
constexpr int kPanGlyph = 26;         // the pan origin mark
}  // namespace

// --- fixed columns and rows sized by the mouse -----------------------------------------------------------

// The fixed column (row) whose right (bottom) border lies within reach of Pos; -1 for none.
int TGridInput::FixedBorderAt(bool Cols, int Pos)
{
    const int count = Cols ? g_.FixedCols() : g_.FixedRows();
    int edge = 0;
    for (int i = 0; i < count; ++i) {
        edge += (Cols ? g_.ColWidths(i) : g_.RowHeights(i)) + (i > 0 ? g_.GridLineWidth() : 0);
        if (std::abs(edge - Pos) < kFixedBorderSlack)
            return i;
    }
    return -1;
}

// The mouse over a fixed border (SizeFixedCol, SizeFixedRow) shows the split cursor; while a fixed
// column or row is sized the line follows the mouse and the size at the mouse is reported. True
// when the cursor was set here.
bool TGridInput::FixedSizingMove(int X, int Y)
{
    if (sizingFixedCol_ >= 0 || sizingFixedRow_ >= 0) {
        const bool cols = sizingFixedCol_ >= 0;
        sizeFixedPos_ = cols ? X : Y;
        const int index = cols ? sizingFixedCol_ : sizingFixedRow_;
        const int size = std::max(0, sizeFixedPos_ - FixedStart(cols, index));
        if (cols && g_.OnColumnSizing)
            g_.OnColumnSizing(&g_, index, size);
        if (!cols && g_.OnRowSizing)
            g_.OnRowSizing(&g_, index, size);
        ShowSizeHint(cols, size, index, 0);
        g_.Invalidate();
        return true;
    }
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    const bool valid = ACol >= 0 && ARow >= 0;
    sizeFixedCol_ = valid && g_.MouseActions()->SizeFixedCol() ? FixedBorderAt(true, X) : -1;
    sizeFixedRow_ = valid && g_.MouseActions()->SizeFixedRow() ? FixedBorderAt(false, Y) : -1;
    const ui::TCursor cursor = sizeFixedCol_ >= 0 ? ui::crHSplit : sizeFixedRow_ >= 0 ? ui::crVSplit : ui::crDefault;
    if (cursor == ui::crDefault)
        return false;
    if (g_.Cursor() != cursor)
        g_.SetCursor(cursor);
    return true;
}

int TGridInput::FixedStart(bool Cols, int Index)
{
    int start = 0;
    for (int i = 0; i < Index; ++i)
        start += (Cols ? g_.ColWidths(i) : g_.RowHeights(i)) + g_.GridLineWidth();
    return start;
}

bool TGridInput::FixedSizingPress(int X, int Y)
{
    if (sizeFixedCol_ < 0 && sizeFixedRow_ < 0)
        return false;
    sizingFixedCol_ = sizeFixedCol_;
    sizingFixedRow_ = sizeFixedCol_ >= 0 ? -1 : sizeFixedRow_;
    sizeFixedPos_ = sizingFixedCol_ >= 0 ? X : Y;
    g_.Invalidate();
    return true;
}

// The release gives the fixed column (row) the size at the mouse: OnEndColumnSize (OnEndRowSize),
// and OnUpdateColumnSize may change the width.
bool TGridInput::FixedSizingRelease(int X, int Y)
{
    if (sizingFixedCol_ < 0 && sizingFixedRow_ < 0)
        return false;
    const bool cols = sizingFixedCol_ >= 0;
    const int index = cols ? sizingFixedCol_ : sizingFixedRow_;
    sizingFixedCol_ = sizingFixedRow_ = -1;
    HideSizeHint();
    const int size = std::max(0, (cols ? X : Y) - FixedStart(cols, index));
    if (cols) {
        g_.SetColWidths(index, size);
        if (g_.OnEndColumnSize)
            g_.OnEndColumnSize(&g_, index);
        int width = size;
        g_.DoUpdateColumnSize(index, width);
        if (width != size)
            g_.SetColWidths(index, width);
    } else {
        g_.SetRowHeights(index, size);
        if (g_.OnEndRowSize)
            g_.OnEndRowSize(&g_, index);
    }
    g_.Invalidate();
    return true;
}

// "cw=<b>80</b>" or "rh=<b>20</b>" at the top-left corner of the sized cell while HintShowSizing.
void TGridInput::ShowSizeHint(bool Column, int Size, int ACol, int ARow)
{
    if (!g_.HintShowSizing)
        return;
    scrollHint_ = std::string(Column ? "cw=<b>" : "rh=<b>") + std::to_string(Size) + "</b>";
    const ui::TRect cell = g_.CellRect(Column ? ACol : 0, Column ? 0 : ARow);
    ShowHintWindow(g_.ClientToScreen({cell.Left, cell.Top}), 200);
}

void TGridInput::HideSizeHint()
{
    if (scrollHintShown_)
        HideHintWindow();
}

// --- the selection resizer -------------------------------------------------------------------------------

bool TGridInput::OnResizer(int X, int Y)
{
    if (!g_.SelectionResizer || !g_.SelectionRectangle)
        return false;
    const ui::TGridRect sel = g_.Selection();
    const ui::TRect corner = g_.CellRect(sel.Right, sel.Bottom);
    if (corner.Width() <= 0 || Y < corner.Bottom - kResizerHandle || Y > corner.Bottom)
        return false;
    return g_.UseRightToLeftAlignment() ? X >= corner.Left && X <= corner.Left + kResizerHandle
                                        : X >= corner.Right - kResizerHandle && X <= corner.Right;
}

// A press on the handle copies the selection (the grid's clipboard slot) and starts a range
// selection from its top-left cell; the release pastes the copy into the new selection.
bool TGridInput::ResizerPress(int X, int Y)
{
    if (!OnResizer(X, Y))
        return false;
    dropSelection_ = g_.Selection();
    g_.CopySelectionToClipboard();
    resizing_ = true;
    g_.MoveColRow(dropSelection_.Left, dropSelection_.Top, true, false);
    g_.MoveColRow(dropSelection_.Right, dropSelection_.Bottom, false, false);
    g_.SetGridState(ui::TGridState::gsSelecting);
    return true;
}

bool TGridInput::ResizerRelease()
{
    if (!resizing_)
        return false;
    resizing_ = false;
    g_.SetGridState(ui::TGridState::gsNormal);
    const ui::TGridRect to = g_.Selection();
    if (g_.OnSelectionResize)
        g_.OnSelectionResize(&g_, dropSelection_, to);
    g_.PasteSelectionFromClipboard();
    if (g_.OnSelectionResized)
        g_.OnSelectionResized(&g_, dropSelection_, to);
    return true;
}

// --- moving rows and columns -----------------------------------------------------------------------------

// While a column (row) is moved: OnColumnMove (OnRowMove) may stop the move; the cell under the
// mouse is the drop target, its mark is painted, and OnColumnMoving (OnRowMoving) decides whether
// it takes the drop (the drag or no-drop cursor shows it).
void TGridInput::MoveVisualsUpdate(int X, int Y)
{
    const ui::TGridState state = g_.GridState();
    const bool cols = state == ui::TGridState::gsColMoving;
    if (!cols && state != ui::TGridState::gsRowMoving) {
        ClearMoveMark();
        return;
    }
    bool allow = true;
    const auto& moveEvent = cols ? g_.OnColumnMove : g_.OnRowMove;
    if (moveEvent)
        moveEvent(&g_, cols ? downCol_ : downRow_, allow);
    if (!allow) {
        g_.SetGridState(ui::TGridState::gsNormal);
        ClearMoveMark();
        g_.SetCursor(g_.RestoreCursor());
        return;
    }
    ui::TPoint mark{-1, -1};
    int ACol = -1, ARow = -1;
    g_.MouseToCell(X, Y, ACol, ARow);
    if (cols && ACol >= g_.FixedCols())
        mark.X = ACol;
    else if (!cols && ARow >= g_.FixedRows() && !FooterTakesRow(ARow))
        mark.Y = ARow;
    const int target = cols ? mark.X : mark.Y;
    moveAllowed_ = target >= 0;
    const auto& movingEvent = cols ? g_.OnColumnMoving : g_.OnRowMoving;
    if (moveAllowed_ && movingEvent)
        movingEvent(&g_, target, moveAllowed_);
    g_.SetCursor(moveAllowed_ ? ui::crDrag : ui::crNoDrop);
    if (mark.X != moveMark_.X || mark.Y != moveMark_.Y) {
        moveMark_ = mark;
        g_.Invalidate();
    }
}

// The last row shows the floating footer: no row goes there.
bool TGridInput::FooterTakesRow(int ARow)
{
    return g_.FloatingFooter()->Visible() && g_.FloatingFooter()->FooterStyle() == fsFixedLastRow &&
           ARow == g_.RowCount() - 1;
}

void TGridInput::ClearMoveMark()
{
    if (moveMark_.X < 0 && moveMark_.Y < 0)
        return;
    moveMark_ = {-1, -1};
    g_.Invalidate();
}

// A row move ends through the grid's own MoveRow, so that what the grid keeps per row follows it;
// the framework fires OnRowMoved.
bool TGridInput::RowMoveRelease(ui::TMessage& m, int Y)
{
    if (g_.GridState() != ui::TGridState::gsRowMoving)
        return false;
    ClearMoveMark();
    g_.SetGridState(ui::TGridState::gsNormal);
    g_.SetCursor(g_.RestoreCursor());
    Inherited(m);
    int ACol = -1, ARow = -1;
    g_.MouseToCell(0, Y, ACol, ARow);
    if (moveAllowed_ && ARow >= g_.FixedRows() && downRow_ >= g_.FixedRows() && ARow != downRow_ &&
        !FooterTakesRow(ARow))
        g_.MoveRow(downRow_, ARow);
    return true;
}

// A column move ends by the framework's move unless the last target refused the drop.
void TGridInput::ColumnMoveRelease()
{
    if (g_.GridState() != ui::TGridState::gsColMoving)
        return;
    ClearMoveMark();
    g_.SetCursor(g_.RestoreCursor());
    if (!moveAllowed_)
        g_.SetGridState(ui::TGridState::gsNormal);
}

// --- fixed cells: drop-down button and editors -----------------------------------------------------------

bool TGridInput::IsHoverFixedCell(int ACol, int ARow) const
{
    const THoverFixedCells hover = g_.HoverFixedCells;
    return ACol >= 0 && ARow >= 0 &&
           (((hover == hfAll || hover == hfFixedColumns) && ACol < g_.FixedCols()) ||
            ((hover == hfAll || hover == hfFixedRows) && ARow < g_.FixedRows()));
}

// A press on the drop-down button of a hovered fixed cell: OnFixedDropDownClick may hand a menu
// (or take FixedDropDownMenu away), which pops up under the button. True when the press ends here.
bool TGridInput::FixedDropDownPress(int X, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || !g_.ControlLook()->FixedDropDownButton || !IsHoverFixedCell(ACol, ARow))
        return false;
    const ui::TRect cell = g_.CellRect(ACol, ARow);
    const int margin = (g_.Options() & ui::goColSizing) ? 2 : 0;
    if (!(X > cell.Right - kDropButton && X < cell.Right - margin))
        return false;
    g_.Pointer.DropDownDown = true;
    if (!g_.FixedDropDownMenu && !g_.OnFixedDropDownClick)
        return false;
    ui::TPopupMenu* menu = g_.FixedDropDownMenu;
    noMouseLeave_ = true;
    if (menu)
        menu->SetTag(ACol);
    bool keep = false;
    if (g_.OnFixedDropDownClick)
        g_.OnFixedDropDownClick(&g_, ACol, ARow, menu, keep);
    if (menu) {
        g_.Pointer.MouseDownMove = false;
        g_.Pointer.HoverFixedX = ACol;
        g_.Pointer.HoverFixedY = ARow;
        g_.RepaintCell(ACol, ARow);
        const ui::TPoint at = g_.ClientToScreen({cell.Right - kDropButton, cell.Bottom});
        menu->Popup(at.X, at.Y);
        g_.Pointer.HoverFixedX = g_.Pointer.HoverFixedY = -1;
        g_.RepaintCell(ACol, ARow);
    }
    noMouseLeave_ = keep;
    return true;
}

// The editor of a fixed cell by the click its row or column setting names (left or right, not on a
// sizing border); true when one was started.
bool TGridInput::FixedEditPress(TGridFixedCellEdit Click, int X, int Y, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TMouseActions& mouse = *g_.MouseActions();
    const ui::TRect cell = g_.CellRect(ACol, ARow);
    const auto inside = [&](bool sizing, int pos, int lo, int hi) {
        return !sizing || (pos - lo >= 4 && hi - pos >= 4);
    };
    if (ARow < g_.FixedRows() && mouse.FixedRowsEdit() == Click) {
        if (Click == fceLeftClick && !inside(g_.Options() & ui::goColSizing, X, cell.Left, cell.Right))
            return false;
        g_.StartFixedCellEdit(ACol, ARow);
        return true;
    }
    if (ACol < g_.FixedCols() && mouse.FixedColsEdit() == Click) {
        if (Click == fceLeftClick && !inside(g_.Options() & ui::goRowSizing, Y, cell.Top, cell.Bottom))
            return false;
        g_.StartFixedCellEdit(ACol, ARow);
        return true;
    }
    return false;
}

// The transparent edit or combo over a fixed cell; OnCanEditCell may refuse, OnFixedEdit may
// change the editor kind and the combo's values.
void TGxStringGrid::StartFixedCellEdit(int ACol, int ARow)
{
    TGridTransEdit* edit = EditTrans();
    TGridTransCombo* combo = ComboTrans();
    if (!edit || !combo)
        return;
    if ((edit->Visible() && !edit->StopEdit()) || (combo->Visible() && !combo->StopEdit()))
        return;
    bool canEdit = true;
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit)
        return;
    TGridFixedCellEditor kind = ACol == 0 ? mouseActions_->FixedColsEditor() : mouseActions_->FixedRowsEditor();
    rtl::TStringList values;
    values.Assign(*mouseActions_->FixedComboValues());
    DoFixedEdit(ACol, ARow, kind, &values);
    const int realCol = RealColIndex(ACol);
    ui::TRect r = CellRect(ACol, ARow).Inflate(-1, -1);
    if (kind == fceEdit) {
        edit->FCol = realCol;
        edit->FRow = ARow;
        edit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        edit->SetText(Cells(realCol, ARow));
        edit->SetVisible(true);
        if (edit->CanFocus())
            edit->SetFocus();
        return;
    }
    combo->FCol = realCol;
    combo->FRow = ARow;
    combo->SetStyle(kind == fceComboList ? ui::TComboBoxStyle::csDropDownList : ui::TComboBoxStyle::csDropDown);
    combo->Items()->Assign(values);
    combo->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height());
    combo->SetItemIndex(combo->Items()->IndexOf(Cells(realCol, ARow)));
    combo->SetText(Cells(realCol, ARow));
    combo->SetVisible(true);
    if (combo->CanFocus())
        combo->SetFocus();
}

// --- the disjunct cell selection by clicks ---------------------------------------------------------------

// A left release with DisjunctCellSelect: Ctrl toggles the clicked (base) cell, Shift adds it, a
// plain click leaves it alone in the list; OnSelectCell may refuse. False when the release ends here.
bool TGridInput::DisjunctCellRelease(ui::TShiftState shift, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return true;
    const ui::TPoint base = g_.BaseCell(ACol, ARow);
    const bool fixed = base.X < g_.FixedCols() || base.Y < g_.FixedRows();
    if (!fixed) {
        bool canSelect = true;
        if (g_.OnSelectCell)
            g_.OnSelectCell(&g_, base.X, base.Y, canSelect);
        if (!canSelect)
            return false;
        if (shift & ui::ssShift) {
            g_.SetSelectedCells(ACol, ARow, true);
        } else if (shift & ui::ssCtrl) {
            g_.SetSelectedCells(base.X, base.Y, !g_.SelectedCells(base.X, base.Y));
        } else {
            DropSelectedCells();
            g_.SetSelectedCells(base.X, base.Y, true);
        }
    } else if (!(shift & ui::ssCtrl) && ACol >= g_.FixedCols() && ARow >= g_.FixedRows()) {
        DropSelectedCells();
    }
    // A range dragged over by the mouse joins the list.
    const ui::TGridRect sel = g_.Selection();
    if (sel.Left != sel.Right || sel.Top != sel.Bottom)
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c)
                if (c != base.X || r != base.Y)
                    g_.SetSelectedCells(c, r, true);
    g_.Invalidate();
    return true;
}

void TGridInput::DropSelectedCells()
{
    std::vector<ui::TGridCoord> listed;
    for (int i = 0; i < g_.SelectedCellsCount(); ++i)
        listed.push_back(g_.SelectedCell(i));
    for (const ui::TGridCoord& c : listed)
        g_.SetSelectedCells(c.X, c.Y, false);
}

// --- marks painted over the cells ------------------------------------------------------------------------

namespace {
void Triangle(ui::TCanvas& canvas, ui::TPoint tip, int dx, int dy)
{
    // A filled arrow head pointing from (tip - d) to tip.
    const ui::TPoint base{tip.X - dx * kArrow, tip.Y - dy * kArrow};
    canvas.Polygon({tip, {base.X - dy * kArrow, base.Y - dx * kArrow}, {base.X + dy * kArrow, base.Y + dx * kArrow}});
}
}  // namespace

void TGridInput::PaintOverlay(ui::TCanvas& canvas)
{
    canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
    canvas.Pen()->SetMode(ui::TPenMode::pmCopy);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    const ui::TColor markColor = ui::clRed;
    if (moveMark_.X >= 0 && g_.FixedRows() > 0) {
        // Down and up arrows at the header's edges where the column goes, with the insert line.
        const ui::TRect head = g_.CellRect(moveMark_.X, 0);
        const int x = moveMark_.X < downCol_ ? head.Left : head.Right - 1;
        const int bottom = g_.CellRect(moveMark_.X, g_.FixedRows() - 1).Bottom;
        canvas.Pen()->SetColor(markColor);
        canvas.Brush()->SetColor(markColor);
        canvas.FillRect({x - 1, head.Top, x + 1, bottom});
        Triangle(canvas, {x, head.Top + kArrow}, 0, 1);
        Triangle(canvas, {x, bottom - kArrow}, 0, -1);
    }
    if (moveMark_.Y >= 0 && g_.FixedCols() > 0) {
        const ui::TRect head = g_.CellRect(0, moveMark_.Y);
        const int y = moveMark_.Y < downRow_ ? head.Top : head.Bottom - 1;
        const int right = g_.CellRect(g_.FixedCols() - 1, moveMark_.Y).Right;
        canvas.Pen()->SetColor(markColor);
        canvas.Brush()->SetColor(markColor);
        canvas.FillRect({head.Left, y - 1, right, y + 1});
        Triangle(canvas, {head.Left + kArrow, y}, 1, 0);
        Triangle(canvas, {right - kArrow, y}, -1, 0);
    }
    if (sizingFixedCol_ >= 0 || sizingFixedRow_ >= 0) {
        canvas.Pen()->SetColor(ui::clBlack);
        canvas.Pen()->SetStyle(ui::TPenStyle::psDot);
        if (sizingFixedCol_ >= 0) {
            canvas.MoveTo(sizeFixedPos_, 0);
            canvas.LineTo(sizeFixedPos_, g_.ClientHeight());
        } else {
            canvas.MoveTo(0, sizeFixedPos_);
            canvas.LineTo(g_.ClientWidth(), sizeFixedPos_);
        }
        canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
    }
    if (panning_)
        PaintPanOrigin(canvas);
}

// The pan origin: a white disc with a dot in the middle and arrows for the directions panning
// follows (up and down, left and right, or all four).
void TGridInput::PaintPanOrigin(ui::TCanvas& canvas)
{
    const ui::TRect box{panOrigin_.X, panOrigin_.Y, panOrigin_.X + kPanGlyph, panOrigin_.Y + kPanGlyph};
    const ui::TPoint mid{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
    canvas.Pen()->SetColor(ui::clBlack);
    canvas.Brush()->SetColor(ui::clWhite);
    canvas.Ellipse(box);
    canvas.Brush()->SetColor(ui::clBlack);
    canvas.FillRect({mid.X - 1, mid.Y - 1, mid.X + 2, mid.Y + 2});
    const int reach = kPanGlyph / 2 - 2;
    if (g_.IntelliPan != ipHorizontal) {
        Triangle(canvas, {mid.X, mid.Y - reach}, 0, -1);
        Triangle(canvas, {mid.X, mid.Y + reach}, 0, 1);
    }
    if (g_.IntelliPan != ipVertical) {
        Triangle(canvas, {mid.X - reach, mid.Y}, -1, 0);
        Triangle(canvas, {mid.X + reach, mid.Y}, 1, 0);
    }
}

ui::TRect TGridInput::PanOriginRect() const
{
    return panning_ ? ui::TRect{panOrigin_.X, panOrigin_.Y, panOrigin_.X + kPanGlyph, panOrigin_.Y + kPanGlyph}
                    : ui::TRect{};
}

}  // namespace gx
