// TGridInput: the keyboard. The key-down message first meets the grid's own rules (Enter on cells
// that may not be edited, Space on check boxes, Home and End, stepping over fixed cells, appending,
// inserting and deleting rows, selecting all); what they leave goes to the framework's moves,
// around which row moving, wrapping, disabled rows and a synchronised grid follow. Characters
// open the editor; Enter advances and Tab walks the cells that may be selected, each in one
// bounded pass.
#include "grid/stringgrid/GxGridInput.h"

#include <algorithm>
#include <vector>

#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Forms.h"

namespace gx {

namespace {

bool IsArrow(unsigned key)
{
    return key == ui::VK_LEFT || key == ui::VK_RIGHT || key == ui::VK_UP || key == ui::VK_DOWN;
}

ui::TGridRect Ordered(ui::TGridRect r)
{
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

}  // namespace

void TGridInput::FireKeyDown(unsigned key, ui::TShiftState shift)
{
    if (g_.OnKeyDown)
        g_.OnKeyDown(&g_, key, shift);
}

void TGridInput::FireKeyPress(char32_t& key)
{
    if (g_.OnKeyPress)
        g_.OnKeyPress(&g_, key);
}

int TGridInput::FirstNormalCol()
{
    return g_.FixedCols() == 0 && g_.HasNodes() ? 1 : g_.FixedCols();
}

int TGridInput::LastNormalCol()
{
    // Fixed right columns that are hidden take no place at the right.
    int shown = g_.FixedRightCols();
    const int total = g_.TotalColCount();
    for (int c = std::max(0, total - g_.FixedRightCols()); c < total; ++c)
        if (g_.IsHiddenColumn(c))
            --shown;
    return g_.ColCount() - std::max(0, shown) - 1;
}

int TGridInput::LastNormalRow()
{
    return g_.RowCount() - g_.FixedFooters() - 1;
}

bool TGridInput::IsLastNormalRow()
{
    if (g_.FloatingFooter()->Visible())
        return g_.Row() + 2 == g_.RowCount();
    return g_.Row() == LastNormalRow();
}

void TGridInput::SelectionChangedSince(const ui::TGridRect& before)
{
    const ui::TGridRect now = g_.Selection();
    if (now != before)
        g_.DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

// --- key down: the grid's rules before the framework's ---------------------------------------------

bool TGridInput::KeyDownMessage(unsigned& key, ui::TShiftState shift)
{
    moveSelection_ = g_.Selection();
    const bool ctrl = (shift & ui::ssCtrl) != 0;
    const int realCol = g_.RealColIndex(g_.Col());
    const int row = g_.Row();
    TNavigation& nav = *g_.Navigation();
    const bool editing = (g_.Options() & ui::goEditing) != 0;
    auto swallow = [&] {
        FireKeyDown(key, shift);
        key = 0;
        return true;
    };

    // Scrolling without moving the current cell.
    if (nav.MoveScrollOnly() && (key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_END || key == ui::VK_HOME ||
                                 key == ui::VK_UP || key == ui::VK_DOWN)) {
        ScrollOnlyKey(key);
        key = 0;
        return true;
    }

    // With whole-row selection the page and up/down keys may keep the horizontal scroll.
    keepLeft_ = -1;
    if ((g_.Options() & ui::goRowSelect) && nav.KeepHorizScroll() && g_.LeftCol() != g_.FixedCols() &&
        (key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_UP || key == ui::VK_DOWN))
        keepLeft_ = g_.LeftCol();
    if (EditOnEnterOrF2(key, shift))
        return true;
    SearchFocusKey(key, shift);

    // Enter on a cell that may not be edited goes to the key-down method alone (OnKeyDown, and
    // descendants that act on Enter); the framework moves nothing for it.
    auto enterOnly = [&] {
        g_.KeyDown(key, shift);
        key = 0;
        return true;
    };
    const bool enterOrF2 = key == ui::VK_RETURN || key == ui::VK_F2;
    if (enterOrF2 && editing && !g_.IsEditable(realCol, row))
        return key == ui::VK_RETURN ? enterOnly() : swallow();
    // The form controls of an HTML cell open by mouse and by Tab between their editors; the key
    // ends here, unseen by OnKeyDown.
    if (enterOrF2 && g_.EnableHTML && HasHTMLControl(g_.Cells(realCol, row)) &&
        GetCellTextKind(g_.Cells(realCol, row), true) == 1) {
        key = 0;
        return true;
    }
    if (key == ui::VK_RETURN && !g_.IsEditable(realCol, row)) {
        const ui::TCustomForm* form = TGxStringGrid::FindParentForm(&g_);
        if (form && form->KeyPreview())
            return false;
        return enterOnly();
    }

    // Space (and Enter) on a cell control.
    if ((key == ui::VK_RETURN || key == ui::VK_SPACE) && g_.IsClickControlCell(realCol, row))
        ControlCellKey(key, realCol, row, editing);

    if ((key == ui::VK_HOME || key == ui::VK_END) && HomeEnd(key, shift))
        return true;
    NodeKey(key);
    if (RowSelectLeftRight(key, shift)) {
        key = 0;
        return true;
    }
    if (key == ui::VK_TAB && (g_.Options() & ui::goTabs)) {
        const bool backward = (shift & ui::ssShift) != 0;
        if (!HandleTabKey(backward)) {
            // The end of the grid: the Tab goes on to the next control.
            if (ui::TCustomForm* form = TGxStringGrid::FindParentForm(&g_))
                form->SelectNext(&g_, !backward);
        }
        SelectionChangedSince(moveSelection_);
        key = 0;
        return true;
    }
    if (IsArrow(key) && !ctrl && nav.SkipFixedCells() && SkipFixed(key))
        return swallow();
    if (key == ui::VK_DOWN && nav.AppendOnArrowDown() && IsLastNormalRow())
        AppendRowOnArrowDown();
    if (SearchFooterKeyBefore(key, shift)) {
        key = 0;
        return true;
    }
    if (ClipboardKey(key, shift))
        return true;
    if (key == ui::VK_INSERT && !(shift & (ui::ssCtrl | ui::ssShift | ui::ssAlt)) && nav.AllowInsertRow())
        return InsertRowKey() ? (key = 0, true) : false;
    if (ctrl && key == 'A' && (g_.Options() & (ui::goRowSelect | ui::goRangeSelect))) {
        SelectAllNormal();
        return false;
    }
    if (key == ui::VK_SPACE && g_.MouseActions()->DisjunctRowSelect())
        g_.SetRowSelect(row, !g_.RowSelect(row));
    if (key == ui::VK_SPACE && g_.MouseActions()->DisjunctColSelect())
        g_.SetColSelect(g_.Col(), !g_.ColSelect(g_.Col()));
    if (key >= ui::VK_PRIOR && key <= ui::VK_DOWN && !(shift & (ui::ssShift | ui::ssCtrl))) {
        if (g_.MouseActions()->DisjunctRowSelect())
            g_.ClearRowSelect();
        if (g_.MouseActions()->DisjunctColSelect())
            g_.ClearColSelect();
    }
    if (key == ui::VK_DELETE && !(shift & ui::ssAlt) && nav.AllowDeleteRow() && DeleteRowKey()) {
        key = 0;
        return true;
    }
    if (enterOrF2) {
        RememberOldCell(g_.Col(), g_.Row());
        if (HasHTMLControl(g_.Cells(realCol, row)))
            g_.StartCellControlEdit(g_.Col(), g_.Row());
        if (key == ui::VK_F2)
            g_.DoF2Key();
        if (g_.CellControlEditing()) {
            // The control's editor has the key's work done: the text editor stays closed.
            key = 0;
            return true;
        }
    }
    return false;
}

void TGridInput::ScrollOnlyKey(unsigned key)
{
    const int fixed = g_.FixedRows(), visible = g_.VisibleRowCount(), top = g_.TopRow();
    switch (key) {
    case ui::VK_PRIOR:
        g_.SetTopRow(top > fixed + visible ? top - visible : fixed);
        break;
    case ui::VK_NEXT:
        if (top + visible < g_.RowCount())
            g_.SetTopRow(std::min(top + visible, g_.MaxTopRow()));
        break;
    case ui::VK_END:
        g_.SetTopRow(g_.MaxTopRow());
        break;
    case ui::VK_HOME:
        g_.SetTopRow(fixed);
        break;
    case ui::VK_UP:
        if (top > fixed)
            g_.SetTopRow(top - 1);
        break;
    default:
        if (top + visible < g_.RowCount())
            g_.SetTopRow(std::min(top + 1, g_.MaxTopRow()));
        break;
    }
}

void TGridInput::ControlCellKey(unsigned key, int realCol, int row, bool editing)
{
    bool canEdit = editing || g_.MouseActions()->RangeSelectAndEdit();
    g_.GetCellEditable(realCol, row, canEdit);
    bool state = false;
    if ((canEdit || g_.ControlLook()->CheckAlwaysActive) && key == ui::VK_SPACE &&
        g_.GetCheckBoxState(realCol, g_.RealRowIndex(row), state))
        ToggleCheckKey(realCol);
    if (key == ui::VK_SPACE)
        RadioSpace(realCol, canEdit);
    if (canEdit && g_.HasCellTypeIn(realCol, row, {ctButton, ctBitButton}))
        g_.DoButtonClick(realCol, row);
    g_.RepaintCell(g_.Col(), row);
}

void TGridInput::ToggleCheckKey(int realCol)
{
    const int row = g_.Row();
    g_.ToggleCellCheck(realCol, row, true);
    if (g_.ShowModified()->Enabled) {
        g_.SetRowModified(row, true);
        g_.RepaintCell(0, row);
    }
    bool state = false;
    g_.GetCheckBoxState(realCol, g_.RealRowIndex(row), state);
    g_.DoCheckBoxClick(realCol, row, state);
}

// Home and End by the HomeEndKey setting; true when the key was used (the framework does not see it).
bool TGridInput::HomeEnd(unsigned key, ui::TShiftState shift)
{
    const THomeEndAction action = g_.Navigation()->HomeEndKey();
    const bool ctrl = (shift & ui::ssCtrl) != 0, extend = (shift & ui::ssShift) != 0;
    const bool home = key == ui::VK_HOME;
    if (action != heFirstLastCell && g_.FixedRowAlways() && g_.RowCount() == 1)
        return false;
    auto moveTo = [&](int c, int r) {
        const ui::TPoint base = g_.BaseCell(c, r);
        g_.MoveToCell(base.X, base.Y);
    };
    if (action == heFirstLastCell && !ctrl) {
        if (home)
            moveTo(g_.FixedCols(), g_.FixedRows());
        else
            moveTo(g_.ColCount() - 1, g_.RowCount() - 1);
    } else if (action == heFirstLastRow && !ctrl) {
        const int target =
            home ? g_.FixedRows()
                 : (g_.FloatingFooter()->Visible() && g_.RowCount() > 2 ? g_.RowCount() - 2 : LastNormalRow());
        if (extend) {
            const int from = g_.Row();
            g_.MoveColRow(g_.Col(), target, false, true);
            g_.SetSelection({0, std::min(from, target), g_.ColCount() - 1, std::max(from, target)});
        } else {
            moveTo(g_.Col(), target);
        }
        if (g_.MouseActions()->DisjunctRowSelect() && !extend)
            g_.ClearRowSelect();
    } else if (action == heFirstLastColumn && ctrl && home) {
        const int col = FirstTabCol(g_.FixedRows());
        moveTo(col < 0 ? FirstNormalCol() : col, g_.FixedRows());
        g_.SetLeftCol(FirstNormalCol());
    } else if (action == heFirstLastColumn && !ctrl && !(g_.Options() & ui::goRowSelect)) {
        if (extend) {
            const int to = home ? g_.FixedCols() : g_.ColCount() - g_.FixedRightCols() - 1;
            const int from = g_.Col();
            g_.SetSelection({std::min(from, to), g_.Row(), std::max(from, to), g_.Row()});
            g_.RepaintRow(g_.Row());
        } else if (home) {
            const int col = FirstTabCol(g_.Row());
            moveTo(col < 0 ? FirstNormalCol() : col, g_.Row());
            g_.SetLeftCol(FirstNormalCol());
        } else {
            moveTo(g_.ColCount() - 1, g_.Row());
            g_.SetLeftCol(g_.MaxLeftCol());
        }
    } else {
        return false;
    }
    FireKeyDown(key, shift);
    return true;
}

// Arrows step over a run of cells the grid reports as fixed; true when the walk moved or found no
// cell to move to (the key is then used up).
bool TGridInput::SkipFixed(unsigned key)
{
    int dc = 0, dr = 0;
    switch (key) {
    case ui::VK_LEFT:
        dc = -1;
        break;
    case ui::VK_RIGHT:
        dc = 1;
        break;
    case ui::VK_UP:
        dr = -1;
        break;
    default:
        dr = 1;
        break;
    }
    const int minCol = g_.FixedCols(), maxCol = g_.ColCount() - g_.FixedRightCols() - 1;
    const int minRow = g_.FixedRows(), maxRow = LastNormalRow();
    int c = g_.Col() + dc, r = g_.Row() + dr;
    auto inside = [&](int cc, int rr) { return cc >= minCol && cc <= maxCol && rr >= minRow && rr <= maxRow; };
    if (!inside(c, r) || !g_.IsFixed(c, r))
        return false;
    if ((g_.Options() & ui::goRowSelect) && dr != 0) {
        g_.MoveColRow(g_.Col(), r, true, true);
        return true;
    }
    while (inside(c, r) && g_.IsFixed(c, r)) {
        c += dc;
        r += dr;
    }
    if (inside(c, r))
        g_.MoveColRow(c, r, true, true);
    return true;
}

void TGridInput::AppendRowOnArrowDown()
{
    bool canAdd = true;
    g_.DoCanAddRow(canAdd);
    if (!canAdd)
        return;
    g_.AppendRow();
    const int last = g_.RowCount() - 1;
    for (int c = 0; c < g_.TotalColCount(); ++c)
        g_.SetCells(c, last, {});
    if (g_.FloatingFooter()->Visible() || g_.FixedFooters() > 0)
        g_.MoveColRow(g_.Col(), std::min(g_.Row() + 1, LastNormalRow()), true, true);
    if (g_.FloatingFooter()->Visible())
        g_.CalcFooter(-1);
    if (g_.OnAutoAddRow)
        g_.OnAutoAddRow(&g_, LastNormalRow());
}

bool TGridInput::InsertRowKey()
{
    bool canInsert = true;
    g_.DoCanInsertRow(g_.Row(), canInsert);
    if (!canInsert)
        return true;
    const int row = g_.Row();
    int inserted = row;
    if (g_.Navigation()->InsertPosition() == pInsertAfter) {
        inserted = row + 1;
        g_.InsertRowAt(inserted);
    } else {
        g_.InsertRowAt(row);
    }
    if (g_.OnAutoInsertRow)
        g_.OnAutoInsertRow(&g_, inserted);
    g_.edit_.GridModified = true;
    g_.SetRow(std::min(row, g_.RowCount() - 1));
    g_.CalcFooter(-1);
    return true;
}

bool TGridInput::DeleteRowKey()
{
    if (g_.RowCount() - g_.FixedFooters() - g_.FixedRows() < 1)
        return false;
    bool canDelete = true;
    if (g_.OnCanDeleteRow)
        g_.OnCanDeleteRow(&g_, g_.RealRowIndex(g_.Row()), canDelete);
    if (!canDelete)
        return true;
    const int row = g_.Row();
    g_.DeleteRowAt(row);
    if (g_.OnAutoDeleteRow)
        g_.OnAutoDeleteRow(&g_, row);
    if (g_.FloatingFooter()->Visible() && g_.Row() == g_.RowCount() - 1 && g_.Row() > g_.FixedRows())
        g_.SetRow(g_.Row() - 1);
    RememberOldCell(g_.Col(), g_.Row());
    g_.edit_.GridModified = true;
    g_.CalcFooter(-1);
    return true;
}

void TGridInput::SelectAllNormal()
{
    ui::TGridRect all{FirstNormalCol(), g_.FixedRows(), g_.ColCount() - g_.FixedRightCols() - 1, LastNormalRow()};
    if (all.Right < all.Left || all.Bottom < all.Top)
        return;
    if (g_.MouseActions()->DisjunctRowSelect())
        g_.SelectRows(all.Top, all.Bottom - all.Top + 1);
    g_.BeforeSelectAll(all);
    g_.SetSelection(all);
}

// --- key down: around the framework's moves --------------------------------------------------------

void TGridInput::KeyDown(unsigned& key, ui::TShiftState shift)
{
    lastKeyCell_ = {g_.Col(), g_.Row()};
    if (key == ui::VK_TAB && (g_.Options() & ui::goTabs)) {
        // Tab coming from the editor: the grid's walk, not the framework's.
        if (!HandleTabKey((shift & ui::ssShift) != 0))
            if (ui::TCustomForm* form = TGxStringGrid::FindParentForm(&g_))
                form->SelectNext(&g_, !(shift & ui::ssShift));
        key = 0;
        return;
    }
    const unsigned pressed = key;
    // An OnKeyDown handler may turn the key into Tab; the framework then steps one column on, which
    // from the last normal column would land in the fixed columns at the right.
    unsigned handed = pressed;
    const bool watchTab = pressed != ui::VK_TAB && (g_.Options() & ui::goTabs) && g_.FixedRightCols() > 0 &&
                          g_.OnKeyDown && lastKeyCell_.X == LastNormalCol();
    ui::TKeyEvent userKeyDown;
    if (watchTab) {
        userKeyDown = g_.OnKeyDown;
        g_.OnKeyDown = [&](TObject* sender, unsigned& k, ui::TShiftState s) {
            userKeyDown(sender, k, s);
            handed = k;
        };
    }
    struct Restore {
        TGxStringGrid& g;
        ui::TKeyEvent& saved;
        bool active;
        ~Restore()
        {
            if (active)
                g.OnKeyDown = std::move(saved);
        }
    } restore{g_, userKeyDown, watchTab};
    g_.TBaseGrid::KeyDown(key, shift);
    if (watchTab) {
        restore.active = false;
        g_.OnKeyDown = std::move(userKeyDown);
    }
    if (watchTab && handed == ui::VK_TAB && !(shift & ui::ssShift)) {
        const int row = lastKeyCell_.Y < LastNormalRow() ? lastKeyCell_.Y + 1 : g_.FixedRows();
        g_.MoveToCell(FirstNormalCol(), row);
    }
    TNavigation& nav = *g_.Navigation();
    const bool ctrl = (shift & ui::ssCtrl) != 0;
    int rowBefore = lastKeyCell_.Y;

    if (ctrl && nav.CursorMoveRows() && (pressed == ui::VK_DOWN || pressed == ui::VK_UP)) {
        const ui::TGridRect sel = Ordered(g_.Selection());
        const int step = pressed == ui::VK_DOWN ? 1 : -1;
        const bool canMove = step > 0 ? sel.Bottom < g_.RowCount() - 1 : sel.Top > g_.FixedRows();
        if (canMove) {
            rowBefore = g_.Row();
            if (sel.Top == sel.Bottom) {
                g_.MoveRow(sel.Top, sel.Top + step);
                g_.SetRow(g_.Row() + step);
            } else {
                // The block moves as a whole: the row beside it goes to its other side.
                if (step > 0)
                    g_.MoveRow(sel.Bottom + 1, sel.Top);
                else
                    g_.MoveRow(sel.Top - 1, sel.Bottom);
                g_.SetSelection({g_.FixedCols(), sel.Top + step, g_.ColCount() - 1, sel.Bottom + step});
            }
        }
    }

    const TCursorAdvance advance = nav.CursorAdvance();
    if (advance != caDefault) {
        const bool snake = advance == caSnake;
        const int lastCol = g_.ColCount() - g_.FixedRightCols() - 1, lastRow = LastNormalRow();
        if (pressed == ui::VK_LEFT && lastKeyCell_.X == g_.FixedCols()) {
            const int r = snake && g_.Row() > g_.FixedRows() ? g_.Row() - 1 : g_.Row();
            g_.MoveToCell(lastCol, r);
        } else if (pressed == ui::VK_UP && lastKeyCell_.Y == g_.FixedRows()) {
            const int c = snake && g_.Col() > g_.FixedCols() ? g_.Col() - 1 : g_.Col();
            g_.MoveToCell(c, lastRow);
        } else if (pressed == ui::VK_RIGHT && lastKeyCell_.X == g_.ColCount() - 1) {
            const int r = snake && g_.Row() < lastRow ? g_.Row() + 1 : g_.Row();
            g_.MoveToCell(g_.FixedCols(), r);
        } else if (pressed == ui::VK_DOWN && lastKeyCell_.Y == g_.RowCount() - 1) {
            const int c = snake && g_.Col() < lastCol ? g_.Col() + 1 : g_.Col();
            g_.MoveToCell(c, g_.FixedRows());
        }
    }

    // A disabled neighbour refused the move: the next enabled row in the key's direction.
    if (g_.UseEnabledRows() && nav.SkipDisabledRows() && g_.Row() == rowBefore) {
        int r = rowBefore;
        if (pressed == ui::VK_UP && r > g_.FixedRows()) {
            r -= 1;
            while (r > g_.FixedRows() && !g_.RowEnabled(r))
                --r;
            if (r >= g_.FixedRows() && g_.RowEnabled(r))
                g_.SetRow(r);
        } else if (pressed == ui::VK_DOWN && r < g_.RowCount() - 1) {
            r += 1;
            while (r < g_.RowCount() - 1 && !g_.RowEnabled(r))
                ++r;
            if (r <= g_.RowCount() - 1 && g_.RowEnabled(r))
                g_.SetRow(r);
        }
    }

    if (ui::TCustomGrid* other = g_.SyncGrid()->Grid()) {
        if (g_.SyncGrid()->SelectionColumn)
            other->SetCol(std::min(g_.Col(), other->ColCount() - 1));
        if (g_.SyncGrid()->SelectionRow)
            other->SetRow(std::min(g_.Row(), other->RowCount() - 1));
    }
    if (keepLeft_ >= 0) {
        g_.SetLeftCol(keepLeft_);
        keepLeft_ = -1;
    }
    if (pressed >= ui::VK_PRIOR && pressed <= ui::VK_DOWN)
        DisjunctSelectAfterMove(shift);
    SearchFooterKeyAfter(pressed);
}

void TGridInput::KeyUp(unsigned& key, ui::TShiftState shift)
{
    if ((key >= ui::VK_PRIOR && key <= ui::VK_END) || IsArrow(key) || key == ui::VK_INSERT || key == ui::VK_DELETE)
        searchInc.clear();
    const unsigned released = key;
    const ui::TGridRect remembered = Ordered(g_.Selection());
    g_.TBaseGrid::KeyUp(key, shift);
    const bool tabs = released == ui::VK_TAB && (g_.Options() & ui::goTabs);
    if (g_.Navigation()->AlwaysEdit() && (IsArrow(released) || tabs) &&
        !g_.IsClickControlCell(g_.RealColIndex(g_.Col()), g_.Row()))
        g_.ShowInplaceEdit();
    if (IsArrow(released) || released == ui::VK_TAB)
        SelectionChangedSince(moveSelection_);
    moveSelection_ = g_.Selection();
    if (g_.MouseActions()->DisjunctCellSelect() && !(g_.Options() & ui::goEditing))
        DisjunctCellKeyUp(released, shift, remembered);
}

// The disjunct cell selection by keys: Shift+move puts the cells of the selection (but the current
// one) into the selected cells; Space adds the current cell (Ctrl: toggles it) after OnSelectCell.
void TGridInput::DisjunctCellKeyUp(unsigned key, ui::TShiftState shift, const ui::TGridRect& remembered)
{
    const ui::TGridRect sel = Ordered(g_.Selection());
    const auto addSelection = [&](ui::TPoint except) {
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                if (c != except.X || r != except.Y)
                    g_.SetSelectedCells(c, r, true);
    };
    if (shift & ui::ssShift) {
        for (int c = remembered.Left; c <= remembered.Right; ++c)
            for (int r = remembered.Top; r <= remembered.Bottom; ++r)
                g_.SetSelectedCells(c, r, false);
        addSelection({g_.Col(), g_.Row()});
    }
    if (key != ui::VK_SPACE)
        return;
    const ui::TPoint base = g_.BaseCell(g_.Col(), g_.Row());
    if (!g_.IsFixed(base.X, base.Y)) {
        bool canSelect = true;
        if (g_.OnSelectCell)
            g_.OnSelectCell(&g_, base.X, base.Y, canSelect);
        if (!canSelect)
            return;
        if (shift & ui::ssCtrl) {
            g_.SetSelectedCells(base.X, base.Y, !g_.SelectedCells(base.X, base.Y));
        } else {
            std::vector<ui::TGridCoord> listed;
            for (int i = 0; i < g_.SelectedCellsCount(); ++i)
                listed.push_back(g_.SelectedCell(i));
            for (const ui::TGridCoord& cell : listed)
                g_.SetSelectedCells(cell.X, cell.Y, false);
            g_.SetSelectedCells(base.X, base.Y, true);
        }
    }
    if (sel.Left != sel.Right || sel.Top != sel.Bottom)
        addSelection(base);
    g_.RepaintCell(g_.Col(), g_.Row());
}

// --- characters --------------------------------------------------------------------------------------

void TGridInput::KeyPress(char32_t& key)
{
    const bool editing = (g_.Options() & ui::goEditing) != 0;
    const int realCol = g_.RealColIndex(g_.Col());
    const bool controlCell = g_.IsClickControlCell(realCol, g_.Row());
    TNavigation& nav = *g_.Navigation();
    if (HasHTMLControl(g_.Cells(realCol, g_.Row()))) {
        key = 0;  // typing goes into the form controls' editors, not into the cell
        return;
    }
    if (key == U'\x1b') {
        if (editing && g_.edit_.Editing)
            g_.RestoreCellCache();
        FireKeyPress(key);
        return;
    }
    if (key == U'\r') {
        if (!g_.IsEditable(realCol, g_.Row()) && !nav.AdvanceOnEnter()) {
            FireKeyPress(key);
            key = 0;
            return;
        }
        const bool editorFocused = g_.EditorMode() && !g_.Focused();
        if (editorFocused || controlCell) {
            AdvanceCell(g_.Col(), g_.Row(), g_.EditorMode(), true, false);
            if (!nav.AdvanceAutoEdit() || controlCell) {
                FireKeyPress(key);
                if (controlCell && nav.AdvanceOnEnter())
                    g_.ShowInplaceEdit();
                key = 0;
                return;
            }
        }
    } else if (controlCell && key >= 32) {
        // Typing on a check box or button opens no editor.
        FireKeyPress(key);
        key = 0;
        return;
    } else if (editing && (key >= 32 || key == U'\b')) {
        g_.edit_.StartEditChar = key;
        if (!g_.EditorMode()) {
            // The edit begins here: validation compares with the text the cell has now.
            RememberOldCell(g_.Col(), g_.Row());
            g_.edit_.Editing = true;
        }
    }
    g_.TBaseGrid::KeyPress(key);
}

// --- Enter advance ------------------------------------------------------------------------------------

void TGridInput::AdvanceCell(int ACol, int ARow, bool StartEdit, bool Forward, bool Force)
{
    TNavigation& nav = *g_.Navigation();
    if (!nav.AdvanceOnEnter() && !Force)
        return;
    if (g_.MouseActions()->RangeSelectAndEdit() && !(g_.Options() & ui::goEditing))
        g_.SetOptions(g_.Options() | ui::goEditing);
    g_.edit_.StartEditChar = 0;
    const int startCol = ACol, startRow = ARow;
    const int firstCol = FirstNormalCol(), lastCol = LastNormalCol();
    const int firstRow = g_.FixedRows(), lastRow = LastNormalRow();
    if (lastCol < firstCol || lastRow < firstRow)
        return;
    const TAdvanceDirection dir = nav.AdvanceDirection();
    // One step from (c, r); false when the direction does not move from there.
    auto step = [&](int& c, int& r) -> bool {
        const ui::TPoint span = g_.CellSpan(g_.RealColIndex(c), r);
        if (Forward && (dir == adLeftRight || dir == adLeftRightInRow)) {
            if (c + span.X < lastCol) {
                c += span.X + 1;
            } else if (dir == adLeftRightInRow) {
                if (!nav.AdvanceOnEnterLoop())
                    return false;
                c = firstCol;
            } else if (r < lastRow) {
                c = firstCol;
                r += 1;
            } else if (nav.AdvanceInsert()) {
                bool canAdd = true;
                g_.DoCanAddRow(canAdd);
                if (canAdd) {
                    g_.AddRow();
                    r = LastNormalRow();
                    c = firstCol;
                    if (g_.OnAutoAddRow)
                        g_.OnAutoAddRow(&g_, r);
                } else {
                    c = firstCol;
                }
            } else if (nav.AdvanceOnEnterLoop()) {
                c = firstCol;
                r = firstRow;
            } else {
                return false;
            }
        } else if (Forward) {
            if (r + span.Y < lastRow) {
                r += span.Y + 1;
            } else if (dir == adTopBottomInCol) {
                r = firstRow;
            } else if (c < lastCol) {
                r = firstRow;
                c += 1;
            } else if (nav.AdvanceInsert()) {
                g_.SetColCount(g_.ColCount() + 1);
                c = g_.ColCount() - g_.FixedRightCols() - 1;
                r = firstRow;
                if (g_.OnAutoInsertCol)
                    g_.OnAutoInsertCol(&g_, c);
            } else {
                r = firstRow;
                c = firstCol;
            }
        } else if (dir == adLeftRight) {
            if (c > firstCol) {
                c -= 1;
            } else {
                c = lastCol;
                r = r > firstRow ? r - 1 : lastRow;
            }
        } else if (dir == adTopBottom) {
            if (r > firstRow) {
                r -= 1;
            } else {
                r = lastRow;
                c = c > firstCol ? c - 1 : lastCol;
            }
        } else {
            return false;
        }
        return true;
    };
    // Read-only cells are passed over in one pass: at most every normal cell once.
    int c = startCol, r = startRow;
    const long long bound = static_cast<long long>(lastCol - firstCol + 1) * (lastRow - firstRow + 1) + 1;
    bool editable = false;
    for (long long i = 0; i < bound; ++i) {
        if (!step(c, r))
            return;
        bool canEdit = true;
        g_.GetCellEditable(g_.RealColIndex(c), r, canEdit);
        editable = canEdit;
        if (canEdit || !nav.AdvanceSkipReadOnlyCells() || (c == startCol && r == startRow))
            break;
    }
    if (editable || !nav.AdvanceSkipReadOnlyCells()) {
        bool allow = true;
        int newRow = r, newCol = c;
        if (editable && g_.OnAutoAdvance)
            g_.OnAutoAdvance(&g_, startRow, startCol, newRow, newCol, allow);
        if (allow)
            g_.DoCellChanging(newCol, newRow, allow);
        if (allow)
            g_.MoveToCell(std::clamp(newCol, 0, g_.ColCount() - 1), std::clamp(newRow, 0, g_.RowCount() - 1));
    }
    if (StartEdit && nav.AdvanceAutoEdit() && g_.IsEditable(g_.RealColIndex(g_.Col()), g_.Row()) &&
        !g_.IsClickControlCell(g_.RealColIndex(g_.Col()), g_.Row()))
        g_.ShowInplaceEdit();
    if (g_.MouseActions()->DisjunctRowSelect()) {
        g_.ClearRowSelect();
        g_.SetRowSelect(g_.Row(), true);
    }
}

// --- Tab ------------------------------------------------------------------------------------------------

bool TGridInput::CanTabToCell(int ACol, int ARow)
{
    // A grid that took goEditing away only for the current, read-only cell still tabs as an editing grid.
    const bool editingGrid = (g_.Options() & ui::goEditing) || g_.EditState().EditDisable;
    bool can = editingGrid ? g_.IsEditable(g_.RealColIndex(ACol), ARow) : !g_.IsFixed(ACol, ARow);
    if (g_.OnSelectCell)
        g_.OnSelectCell(&g_, ACol, ARow, can);
    return can;
}

int TGridInput::FirstTabCol(int ARow)
{
    for (int c = FirstNormalCol(); c <= LastNormalCol(); ++c)
        if (CanTabToCell(c, ARow))
            return c;
    return -1;
}

int TGridInput::LastTabCol(int ARow)
{
    for (int c = LastNormalCol(); c >= FirstNormalCol(); --c)
        if (CanTabToCell(c, ARow))
            return c;
    return -1;
}

bool TGridInput::HandleTabKey(bool Backward)
{
    unsigned key = ui::VK_TAB;
    const ui::TShiftState shift = Backward ? ui::TShiftState(ui::ssShift) : 0;
    if (g_.OnKeyDown) {
        g_.OnKeyDown(&g_, key, shift);
        if (key != ui::VK_TAB)
            return true;
    }
    if (lastTabCol_ == g_.Col() && lastTabRow_ == g_.Row())
        return true;
    lastTabCol_ = g_.Col();
    lastTabRow_ = g_.Row();
    bool result = true;
    // Cells that may not be edited are passed in one bounded pass: at most every normal cell once.
    const int cells = std::max(1, (LastNormalCol() - FirstNormalCol() + 1) * (LastNormalRow() - g_.FixedRows() + 1));
    const ui::TPoint start{g_.Col(), g_.Row()};
    for (int i = 0; i <= cells; ++i) {
        if (!TabStep(Backward)) {
            result = false;
            break;
        }
        if (!(g_.Options() & ui::goEditing) || g_.IsEditable(g_.RealColIndex(g_.Col()), g_.Row()))
            break;
        if (g_.Col() == start.X && g_.Row() == start.Y)
            break;
    }
    if (result && g_.Navigation()->AdvanceAutoEdit() && (g_.Options() & ui::goEditing) &&
        g_.IsEditable(g_.RealColIndex(g_.Col()), g_.Row()) &&
        !g_.IsClickControlCell(g_.RealColIndex(g_.Col()), g_.Row()))
        g_.ShowInplaceEdit();
    lastTabCol_ = lastTabRow_ = -1;
    if (g_.Navigation()->AlwaysEdit() && g_.CanFocus())
        g_.SetFocus();
    return result;
}

// One Tab step from the current cell; false when the Tab goes on to the next control.
bool TGridInput::TabStep(bool Backward)
{
    const int firstCol = FirstNormalCol(), lastCol = LastNormalCol();
    const int firstRow = g_.FixedRows(), lastRow = LastNormalRow();
    int c = g_.Col(), r = g_.Row();
    auto select = [&](int cc, int rr) {
        g_.edit_.ForceSel = true;
        const ui::TPoint base = g_.BaseCell(cc, rr);
        g_.MoveToCell(base.X, base.Y);
        g_.edit_.ForceSel = false;
    };
    if (Backward) {
        if (g_.Navigation()->TabAdvanceDirection() != adLeftRight) {
            if (r > firstRow)
                select(c, r - 1);
            else
                select(c > firstCol ? c - 1 : lastCol, lastRow);
            return true;
        }
        for (int cc = c - 1; cc >= firstCol; --cc)
            if (g_.IsBaseCell(g_.RealColIndex(cc), r) && CanTabToCell(cc, r)) {
                select(cc, r);
                return true;
            }
        const int prevRow = r > firstRow ? r - 1 : lastRow;
        const int col = LastTabCol(prevRow);
        if (col >= 0)
            select(col, prevRow);
        return true;
    }
    if (g_.Navigation()->TabAdvanceDirection() != adLeftRight) {
        const ui::TPoint span = g_.CellSpan(g_.RealColIndex(c), r);
        if (r + span.Y < lastRow)
            select(c, r + span.Y + 1);
        else if (c < lastCol)
            select(c + 1, firstRow);
        else if (g_.Navigation()->TabToNextAtEnd())
            return false;
        else
            select(firstCol, firstRow);
        return true;
    }
    const ui::TPoint span = g_.CellSpan(g_.RealColIndex(c), r);
    for (int cc = c + span.X + 1; cc <= lastCol; ++cc)
        if (CanTabToCell(cc, r)) {
            select(cc, r);
            return true;
        }
    // Past the last column: the next row, or the end of the grid.
    if (r < lastRow) {
        const int newCol = FirstTabCol(r + 1);
        bool allow = true;
        g_.DoCellChanging(newCol < 0 ? g_.FixedCols() : newCol, r + 1, allow);
        if (allow)
            select(newCol < 0 ? g_.FixedCols() : newCol, r + 1);
        return true;
    }
    TNavigation& nav = *g_.Navigation();
    if (nav.TabToNextAtEnd())
        return false;
    if (nav.AdvanceInsert()) {
        bool canAdd = true;
        g_.DoCanAddRow(canAdd);
        if (canAdd) {
            g_.AddRow();
            const int added = LastNormalRow();
            const int col = FirstTabCol(added);
            select(col < 0 ? firstCol : col, added);
            if (g_.OnAutoAddRow)
                g_.OnAutoAddRow(&g_, added);
            return true;
        }
    }
    const int col = FirstTabCol(firstRow);
    if (col >= 0)
        select(col, firstRow);
    return true;
}

}  // namespace gx
