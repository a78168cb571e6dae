// TGxStringGrid: proportional window scroll bars (range 0..127, thumb as large as the share of the
// rows or columns in view, in pixels, so hidden rows and odd heights count right), the in-cell
// scroll bar control of scroll-bar cells, the size message (search panel, columns scaled with the
// grid's width, flat bars shown by what fits), and the synchronised grid following this grid's scrolling.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/StdCtrls.h"

namespace gx {

namespace {

// The room of one axis as the proportional bars measure it: F the fixed part, T the normal part,
// B the normal part scrolled out before the first index in view, W the client extent.
struct Room {
    std::int64_t F = 0, T = 0, B = 0, W = 0;
};

Room RowRoom(const TGxStringGrid& g)
{
    const std::int64_t L = g.GridLineWidth();
    const int fixed = g.FixedRows();
    return {L + g.RowOffset(fixed), L + g.RowOffset(g.RowCount()) - g.RowOffset(fixed),
            L + g.RowOffset(g.TopRow()) - g.RowOffset(fixed), g.ClientHeight()};
}

Room ColRoom(const TGxStringGrid& g)
{
    const std::int64_t L = g.GridLineWidth();
    const int fixed = g.FixedCols();
    return {L + g.ColumnOffset(fixed), L + g.ColumnOffset(g.ColCount()) - g.ColumnOffset(fixed),
            L + g.ColumnOffset(g.LeftCol()) - g.ColumnOffset(fixed), g.ClientWidth()};
}

// The range for a share r of the content in view: positions 0..127 with a page of the share.
bool ProportionalInfo(const Room& room, float r, ui::TScrollInfo& info, int currentPos)
{
    if (r >= 0.9999f)
        return false;
    r = std::max(r, 0.0f);
    const int max = static_cast<int>(std::trunc((127.0f + r) / (1.0f - r)));
    info.nMin = 0;
    info.nMax = max;
    info.nPage = std::max(1, max - 126);
    const int lastPos = info.nMax - info.nPage + 1;
    int pos = currentPos;
    if (room.W < room.T)
        pos = static_cast<int>(std::trunc(static_cast<double>(room.B) / static_cast<double>(room.T - room.W) * 128.0));
    else if (currentPos < 0)
        pos = lastPos;
    info.nPos = std::clamp(pos, 0, std::max(0, lastPos));
    return true;
}

bool ProportionalAllowed(const TGxStringGrid& g)
{
    return g.ScrollProportional && !(g.ComponentState() & (ui::csLoading | ui::csDesigning));
}

}  // namespace

void TGxStringGrid::UpdateVScrollProportional()
{
    propV_ = false;
    if (!ProportionalAllowed(*this) || VisibleRowCount() + FixedRows() >= RowCount())
        return;
    const Room room = RowRoom(*this);
    if (room.T == 0)
        return;
    ui::TScrollInfo info;
    if (!ProportionalInfo(room, static_cast<float>(room.W - room.F) / static_cast<float>(room.T), info, -1))
        return;
    SetScrollInfo(ui::SB_VERT, info, true);
    propV_ = true;
}

void TGxStringGrid::UpdateHScrollProportional()
{
    propH_ = false;
    if (!ProportionalAllowed(*this))
        return;
    const Room room = ColRoom(*this);
    if (room.T == 0 || room.F + room.T - room.W < 5)
        return;
    ui::TScrollInfo info;
    const int current = GetScrollInfo(ui::SB_HORZ).nPos;
    if (!ProportionalInfo(room, static_cast<float>(room.W - room.F) / static_cast<float>(room.T), info, current))
        return;
    SetScrollInfo(ui::SB_HORZ, info, true);
    propH_ = true;
    if (ScrollBarAlways() == saHorz || ScrollBarAlways() == saBoth)
        return;
    std::int64_t widths = 0;
    for (int c = 0; c < ColCount(); ++c)
        widths += ColWidths(c);
    const bool wantH = ScrollBars() == ui::TScrollStyle::ssHorizontal || ScrollBars() == ui::TScrollStyle::ssBoth;
    if (widths < ClientWidth() || !wantH)
        ShowScrollBar(ui::SB_HORZ, false);
}

int TGxStringGrid::ScrollPosToIndex(bool Vertical, int Pos) const
{
    const int fixed = Vertical ? FixedRows() : FixedCols();
    if (!ProportionalBar(Vertical))
        return fixed + Pos;
    const int steps =
        Vertical ? RowCount() - VisibleRowCount() - FixedRows() : ColCount() - VisibleColCount() - FixedCols();
    return static_cast<int>((static_cast<std::int64_t>(Pos) * std::max(0, steps) + 63) / 127) + fixed;
}

void TGxStringGrid::ApplyFlatScrollStyle()
{
    const bool flat = ScrollType == ssFlat || ScrollType == ssEncarta;
    SetFlatScrollBars(flat, ScrollColor, flat ? ScrollWidth : ScrollBarSize);
}

// --- the in-cell scroll bar -----------------------------------------------------------------------------

namespace {

constexpr int kCellScrollBarWidth = 16;

unsigned ScrollCodeMessage(ui::TScrollCode code)
{
    switch (code) {
    case ui::TScrollCode::scLineUp:
        return ui::SB_LINEUP;
    case ui::TScrollCode::scLineDown:
        return ui::SB_LINEDOWN;
    case ui::TScrollCode::scPageUp:
        return ui::SB_PAGEUP;
    case ui::TScrollCode::scPageDown:
        return ui::SB_PAGEDOWN;
    case ui::TScrollCode::scPosition:
        return ui::SB_THUMBPOSITION;
    case ui::TScrollCode::scTrack:
        return ui::SB_THUMBTRACK;
    case ui::TScrollCode::scTop:
        return ui::SB_TOP;
    case ui::TScrollCode::scBottom:
        return ui::SB_BOTTOM;
    default:
        return ui::SB_ENDSCROLL;
    }
}

}  // namespace

// The control lies along the right edge of the current cell while that cell holds a scroll bar;
// its user moves come to the grid as scroll messages from the control.
void TGxStringGrid::SyncCellScrollBar()
{
    ui::TScrollBar* bar = CellScrollBar();
    if (!bar)
        return;
    const int realCol = RealColIndex(Col());
    const ui::TRect r = CellRect(Col(), Row());
    if (!HasScrollBar(realCol, Row()) || r.IsEmpty()) {
        if (bar->Visible())
            bar->SetVisible(false);
        cellScrollCol_ = cellScrollRow_ = -1;
        return;
    }
    const TScrollProp prop = GetScrollProp(realCol, Row());
    cellScrollCol_ = realCol;
    cellScrollRow_ = Row();
    bar->SetKind(ui::TScrollBarKind::sbVertical);
    bar->SetPageSize(0);
    bar->SetParams(GetScrollPosition(realCol, Row()), 0, std::max(0, prop.Range));
    bar->SetPageSize(std::max(0, prop.PageSize));
    bar->SetBounds(r.Right - kCellScrollBarWidth, r.Top, kCellScrollBarWidth, r.Bottom - r.Top);
    bar->OnScroll = [this](TObject* sender, ui::TScrollCode code, int& pos) {
        ui::TMessage m{ui::WM_VSCROLL, ui::MakeWParam(ScrollCodeMessage(code), static_cast<unsigned>(pos)),
                       reinterpret_cast<std::intptr_t>(sender), 0};
        Perform(m.Msg, m.WParam, m.LParam);
        pos = static_cast<ui::TScrollBar*>(sender)->Position();
    };
    bar->SetVisible(true);
}

// Lines move the cell's bar by 10, pages by 100, the thumb to where it is dragged; a move that
// changed the position is stored in the cell and reported.
bool TGxStringGrid::HandleCellScrollMessage(ui::TMessage& message)
{
    ui::TScrollBar* bar = CellScrollBar();
    if (message.Msg != ui::WM_VSCROLL || !bar || message.LParam != reinterpret_cast<std::intptr_t>(bar))
        return false;
    message.Result = 0;
    if (cellScrollCol_ < 0 || !HasScrollBar(cellScrollCol_, cellScrollRow_))
        return true;
    const unsigned code = ui::LoWord(message.WParam);
    const int old = bar->Position();
    int pos = old;
    switch (code) {
    case ui::SB_LINEUP:
        pos = std::max(bar->Min(), pos - 10);
        break;
    case ui::SB_LINEDOWN:
        pos = std::min(bar->Max(), pos + 10);
        break;
    case ui::SB_PAGEUP:
        pos = std::max(bar->Min(), pos - 100);
        break;
    case ui::SB_PAGEDOWN:
        pos = std::min(bar->Max(), pos + 100);
        break;
    case ui::SB_THUMBTRACK:
        pos = static_cast<int>(ui::HiWord(message.WParam));
        break;
    default:
        return true;
    }
    bar->SetPosition(pos);
    pos = bar->Position();
    if (pos == old)
        return true;
    message.Result = 1;
    SetScrollPosition(cellScrollCol_, cellScrollRow_, pos);
    DoScrollCell(cellScrollCol_, cellScrollRow_, pos, bar->Min(), bar->Max());
    return true;
}

void TGxStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)
{
    if (OnScrollCell)
        OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

// --- size ------------------------------------------------------------------------------------------------

// The search panel stays at the bottom; with ColumnSize.SynchWithGrid every column (the normal ones
// only with SynchNormalCellsOnly) keeps its recorded width times the grid's growth since then.
void TGxStringGrid::HandleSizeMessage(ui::TMessage&)
{
    if (searchPanel_ && searchPanel_->Visible() && searchFooter_->Visible()) {
        searchPanel_->SetHeight(33);
        searchPanel_->SetHeight(32);
        searchPanel_->SetAlign(ui::TAlign::alBottom);
    }
    if (columnSize_->SynchWithGrid && !(ComponentState() & ui::csLoading)) {
        if (OldSize <= 0 || origColSizes_->Count() == 0) {
            InitOrigColSizes();
        } else if (Width() > 0) {
            HideInplaceEdit();
            const double factor = static_cast<double>(Width()) / OldSize;
            const int first = columnSize_->SynchNormalCellsOnly ? FixedCols() : 0;
            const int last = std::min(ColCount(), origColSizes_->Count()) -
                             (columnSize_->SynchNormalCellsOnly ? FixedRightCols() : 0);
            for (int c = first; c < last; ++c)
                SetColWidths(c, static_cast<int>(std::nearbyint(origColSizes_->GetInteger(c) * factor)));
        }
    }
    if (ScrollProportional) {
        UpdateHScrollProportional();
        UpdateVScrollProportional();
    }
    // Flat (and slim) bars are set again for the new size: each shows while its rows or columns do
    // not all fit and ScrollBars asks for it. A stretched grid keeps its bars as the stretch left
    // them; the size change that showing a bar causes comes back here while the update runs and
    // stops in it.
    const bool stretched = columnSize_->Stretch() && ScrollBarAlways() < saHorz;
    if (ScrollType != ssNormal && !stretched && !(ComponentState() & ui::csLoading))
        UpdateScrollBars();
}

// --- the search footer -------------------------------------------------------------------------------

bool TGxStringGrid::SearchFooterScrollBefore(ui::TMessage& message)
{
    const unsigned code = ui::LoWord(message.WParam);
    if (!searchFooter_->Visible() || (code != ui::SB_ENDSCROLL && code != ui::SB_LINEDOWN) ||
        !IsLastRowAboveSearchPanel())
        return false;
    message.Result = 1;
    return true;
}

void TGxStringGrid::SearchFooterScrollAfter(const ui::TMessage& message)
{
    const unsigned code = ui::LoWord(message.WParam);
    if (searchFooter_->Visible() && (code == ui::SB_ENDSCROLL || code == ui::SB_LINEDOWN) && TopRow() >= MaxTopRow())
        ScrollLastRowAboveSearchPanel();
}

// --- the synchronised grid --------------------------------------------------------------------------------

void TGxStringGrid::SyncGridFollowScroll()
{
    ui::TCustomGrid* other = syncGrid_ ? syncGrid_->Grid() : nullptr;
    if (!other || other == this)
        return;
    if (syncGrid_->ScrollVertical && other->TopRow() != TopRow())
        other->SetTopRow(std::clamp(TopRow(), other->FixedRows(), std::max(other->FixedRows(), other->RowCount() - 1)));
    if (syncGrid_->ScrollHorizontal && other->LeftCol() != LeftCol())
        other->SetLeftCol(
            std::clamp(LeftCol(), other->FixedCols(), std::max(other->FixedCols(), other->ColCount() - 1)));
}

}  // namespace gx
