// TGridInput: the key-down steps beside the navigation proper: the clipboard keys, Left and Right
// on tree rows and on whole-row selections, Space on radio cells, Ctrl+F into the search footer,
// and keeping the last row clear of the search footer while it is shown.
#include <algorithm>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridInput.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {

namespace {

bool IsNavigationKey(unsigned key)
{
    return key >= ui::VK_PRIOR && key <= ui::VK_DOWN;
}

}  // namespace

// Ctrl+X / Shift+Delete cut, Ctrl+V / Shift+Insert paste, Ctrl+C / Ctrl+Insert copy, each only when
// its event leaves Allow set. The key first goes through the grid's key-down method (OnKeyDown),
// which may take it away; true when the key was one of them.
bool TGridInput::ClipboardKey(unsigned& key, ui::TShiftState shift)
{
    if (!g_.Navigation()->AllowClipboardShortCuts())
        return false;
    const bool ctrl = (shift & ui::ssCtrl) != 0, sh = (shift & ui::ssShift) != 0;
    enum { kNone, kCut, kCopy, kPaste } op = kNone;
    if ((ctrl && key == 'X') || (sh && !ctrl && key == ui::VK_DELETE))
        op = kCut;
    else if ((ctrl && key == 'V') || (sh && !ctrl && key == ui::VK_INSERT))
        op = kPaste;
    else if (ctrl && (key == 'C' || key == ui::VK_INSERT))
        op = kCopy;
    if (op == kNone)
        return false;
    g_.KeyDown(key, shift);
    if (key == 0)
        return true;
    key = 0;
    bool allow = true;
    switch (op) {
    case kCut:
        if (g_.OnClipboardCut)
            g_.OnClipboardCut(&g_, allow);
        if (allow)
            g_.CutSelectionToClipboard();
        break;
    case kPaste:
        if (g_.OnClipboardPaste)
            g_.OnClipboardPaste(&g_, allow);
        if (allow)
            g_.PasteSelectionFromClipboard();
        break;
    default:
        if (g_.OnClipboardCopy)
            g_.OnClipboardCopy(&g_, allow);
        if (allow)
            g_.CopySelectionToClipboard();
        break;
    }
    return true;
}

// Right on a tree row whose current cell is merged opens the node, Left closes it; the key goes on.
void TGridInput::NodeKey(unsigned key)
{
    const int row = g_.Row();
    if ((key != ui::VK_LEFT && key != ui::VK_RIGHT) || !g_.IsNode(row) ||
        !g_.IsMergedCell(g_.RealColIndex(g_.Col()), row))
        return;
    if (key == ui::VK_RIGHT)
        g_.ExpandNode(g_.RealRowIndex(row));
    else
        g_.ContractNode(g_.RealRowIndex(row));
}

// Left and Right on a whole-row selection that does not show every column scroll the columns by
// one. With LeftRightRowSelect the framework's own row-selection step does it (with or without
// Ctrl); without it the grid scrolls here and the key ends.
bool TGridInput::RowSelectLeftRight(unsigned key, ui::TShiftState shift)
{
    if ((key != ui::VK_LEFT && key != ui::VK_RIGHT) || !(g_.Options() & ui::goRowSelect) || g_.IsNode(g_.Row()) ||
        g_.VisibleColCount() >= g_.ColCount() || g_.Navigation()->LeftRightRowSelect())
        return false;
    const int left = g_.LeftCol();
    if (key == ui::VK_LEFT && left > g_.FixedCols())
        g_.SetLeftCol(left - 1);
    else if (key == ui::VK_RIGHT && left < g_.ColCount() - g_.VisibleColCount())
        g_.SetLeftCol(left + 1);
    FireKeyDown(key, shift);
    return true;
}

// Space on a radio group moves its choice to the next item; on a radio button it becomes the
// column's chosen one. Both when the cell may be edited or the radio looks stay active.
void TGridInput::RadioSpace(int realCol, bool canEdit)
{
    const int row = g_.Row();
    const bool active = canEdit || g_.ControlLook()->RadioAlwaysActive;
    if (!active)
        return;
    if (g_.IsRadio(realCol, row)) {
        g_.CycleRadioCell(realCol, row, false);
        int index = -1;
        g_.GetRadioIdx(realCol, row, index);
        if (g_.OnRadioClick)
            g_.OnRadioClick(&g_, realCol, row, index);
    } else if (g_.HasRadioButton(realCol, row)) {
        g_.SelectRadioButtonCell(realCol, row, false);
        if (g_.OnRadioButtonClick)
            g_.OnRadioButtonClick(&g_, realCol, row);
        g_.Invalidate();
    }
}

// Enter and F2 on a grid that edits only on request: with EditOnDblClickOnly they switch editing
// on for a cell that may be edited; with RangeSelectAndEdit they open its editor, or, on a cell that
// may not be edited, only reach OnKeyDown. True when the key was used up.
bool TGridInput::EditOnEnterOrF2(unsigned& key, ui::TShiftState shift)
{
    if ((key != ui::VK_RETURN && key != ui::VK_F2) || (g_.Options() & ui::goEditing))
        return false;
    TMouseActions& mouse = *g_.MouseActions();
    const int realCol = g_.RealColIndex(g_.Col()), row = g_.Row();
    if (mouse.EditOnDblClickOnly()) {
        const bool was = mouse.RangeSelectAndEdit();
        mouse.SetRangeSelectAndEdit(true);
        const bool editable = g_.IsEditable(realCol, row);
        mouse.SetRangeSelectAndEdit(was);
        if (editable)
            g_.SetOptions(g_.Options() | ui::goEditing);
        return false;
    }
    if (!mouse.RangeSelectAndEdit())
        return false;
    if (!g_.IsEditable(realCol, row)) {
        FireKeyDown(key, shift);
        key = 0;
        return true;
    }
    g_.SetOptions(g_.Options() | ui::goEditing);
    g_.ShowInplaceEdit();
    return false;
}

// After a move by the navigation keys, the disjunct row (column) selection: with Shift exactly the
// normal rows (columns) of the selection rectangle; otherwise the current one is added.
void TGridInput::DisjunctSelectAfterMove(ui::TShiftState shift)
{
    TMouseActions& mouse = *g_.MouseActions();
    const ui::TGridRect sel = g_.Selection();
    const int top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    if (mouse.DisjunctRowSelect()) {
        if (shift & ui::ssShift) {
            for (int r = g_.FixedRows(); r <= LastNormalRow(); ++r)
                if (g_.RowSelect(r) != (r >= top && r <= bottom))
                    g_.SetRowSelect(r, r >= top && r <= bottom);
        } else {
            g_.SetRowSelect(mouse.RowSelectPersistent() ? g_.RealRowIndex(g_.Row()) : g_.Row(), true);
        }
    }
    if (mouse.DisjunctColSelect()) {
        if (shift & ui::ssShift) {
            for (int c = FirstNormalCol(); c <= LastNormalCol(); ++c)
                if (g_.ColSelect(c) != (c >= left && c <= right))
                    g_.SetColSelect(c, c >= left && c <= right);
        } else {
            g_.SetColSelect(g_.Col(), true);
        }
    }
}

// Ctrl+F while the search footer shows puts the focus into its search edit.
void TGridInput::SearchFocusKey(unsigned key, ui::TShiftState shift)
{
    if (key != 'F' || !(shift & ui::ssCtrl) || !g_.SearchFooter()->Visible() || !g_.SearchPanel())
        return;
    if (ui::TWinControl* edit = g_.SearchPanel()->Edit(); edit && edit->CanFocus())
        edit->SetFocus();
}

// --- accelerators ------------------------------------------------------------------------------------

void TGxStringGrid::HandleDialogChar(ui::TMessage& message)
{
    message.Result = 0;
    if (!searchFooter_->Visible() || !searchPanel_)
        return;
    const char32_t ch = static_cast<char32_t>(message.WParam);
    for (TGxGridButton* button :
         {searchPanel_->ForwardButton(), searchPanel_->BackwardButton(), searchPanel_->HiliteButton()}) {
        if (button && button->Visible() && button->Enabled() && ui::IsAccel(ch, button->Caption())) {
            button->Click();
            message.Result = 1;
            return;
        }
    }
}

bool TGxStringGrid::BroadcastsToChildren(const ui::TMessage& message) const
{
    return message.Msg != ui::CM_DIALOGCHAR;
}

// --- the search footer over the last rows ---------------------------------------------------------

namespace {

// The bottom of a row at or below the top row, whether it lies in the client area or under it.
int RowBottom(TGxStringGrid& g, int row)
{
    int y = 0;
    for (int r = 0; r < g.FixedRows(); ++r)
        y += g.RowHeights(r) + g.GridLineWidth();
    for (int r = g.TopRow(); r < row; ++r)
        y += g.RowHeights(r) + g.GridLineWidth();
    return y + g.RowHeights(row);
}

int SearchPanelTop(TGxStringGrid& g)
{
    return g.ClientHeight() - (g.SearchPanel() ? g.SearchPanel()->Height() : 0);
}

// Raises the top row one row at a time until the row's bottom lies at most Slack pixels below the
// panel's top; stops when no further row can come to the top or the row itself would go.
void ScrollRowAbovePanel(TGxStringGrid& g, int row, int slack)
{
    while (RowBottom(g, row) > SearchPanelTop(g) + slack) {
        const int top = g.TopRow();
        if (top >= row || top >= g.RowCount() - 1)
            break;
        g.SetTopRow(top + 1);
        if (g.TopRow() == top)
            break;
    }
}

}  // namespace

bool TGxStringGrid::IsLastRowAboveSearchPanel()
{
    if (!searchFooter_->Visible())
        return false;
    if (TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    return RowBottom(*this, RowCount() - 1) < SearchPanelTop(*this) + 2;
}

void TGxStringGrid::ScrollLastRowAboveSearchPanel()
{
    if (!searchFooter_->Visible() || !searchPanel_ || ClientHeight() <= DefaultRowHeight() + searchPanel_->Height() ||
        RowCount() <= FixedRows())
        return;
    ScrollRowAbovePanel(*this, RowCount() - 1, 2);
}

// Before the framework's move: the keys that would leave the last row under the footer scroll the
// rows up instead and end there; other keys keep the top row (restored after the framework).
bool TGridInput::SearchFooterKeyBefore(unsigned key, ui::TShiftState shift)
{
    footerTop_ = -1;
    if (!g_.SearchFooter()->Visible() || g_.RowCount() <= g_.FixedRows())
        return false;
    const int last = g_.RowCount() - 1;
    const bool onLast = g_.Row() == last;
    const bool lastPage = g_.TopRow() >= g_.MaxTopRow();
    if (lastPage && onLast &&
        (key == ui::VK_DOWN || (key == ui::VK_RIGHT && g_.Col() == g_.ColCount() - 1) ||
         (key == ui::VK_LEFT && g_.Col() == FirstNormalCol()))) {
        g_.ScrollLastRowAboveSearchPanel();
        FireKeyDown(key, shift);
        return true;
    }
    if (key != ui::VK_SHIFT && key != ui::VK_MENU && !IsNavigationKey(key))
        footerTop_ = g_.TopRow();
    return false;
}

// After the framework's move: a move onto the last row brings it clear of the footer.
void TGridInput::SearchFooterKeyAfter(unsigned key)
{
    if (footerTop_ >= 0) {
        if (g_.TopRow() != footerTop_)
            g_.SetTopRow(footerTop_);
        footerTop_ = -1;
    }
    if (!g_.SearchFooter()->Visible() || g_.Row() != g_.RowCount() - 1)
        return;
    if (key == ui::VK_NEXT || key == ui::VK_END || key == ui::VK_LEFT || key == ui::VK_RIGHT || key == ui::VK_DOWN)
        ScrollRowAbovePanel(g_, g_.Row(), 2);
}

}  // namespace gx
