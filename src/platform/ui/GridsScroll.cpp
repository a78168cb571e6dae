// TCustomGrid: the window's scroll bars and the scroll-bar messages.
#include "platform/ui/Grids.h"

#include <algorithm>

namespace ui {

int TCustomGrid::LastPageFirst(const Axis& a)
{
    if (a.count <= a.fixed)
        return a.fixed;
    const int last = a.count - 1;
    const std::int64_t needed = a.sizes.Offset(last) + SizeAt(a, last) - (a.extent - FixedExtent(a));
    if (needed <= a.sizes.Offset(a.fixed))
        return a.fixed;
    const int first = NextDrawn(a, a.sizes.IndexAtOffset(needed - 1) + 1);
    return std::clamp(first, a.fixed, last);
}

int TCustomGrid::PrevDrawn(const Axis& a, int i)
{
    const std::int64_t at = a.sizes.Offset(std::min(i, a.count));
    if (at <= a.sizes.Offset(a.fixed))
        return a.fixed;
    return std::max(a.fixed, a.sizes.IndexAtOffset(at - 1));
}

int TCustomGrid::MaxLeftCol() const
{
    return LastPageFirst(ColAxis());
}

int TCustomGrid::MaxTopRow() const
{
    return LastPageFirst(RowAxis());
}

void TCustomGrid::ScrollBarMessage(int bar, unsigned code, int pos)
{
    const bool vertical = bar == SB_VERT;
    const Axis a = vertical ? RowAxis() : ColAxis();
    const int maxFirst = LastPageFirst(a);
    int first = a.first;
    switch (code) {
    case SB_LINEUP:
        first = PrevDrawn(a, first);
        break;
    case SB_LINEDOWN:
        first = NextDrawn(a, first + 1);
        break;
    case SB_PAGEUP: {
        // Back by a page: the first index from which the old first one is the last wholly shown.
        const std::int64_t room = a.extent - FixedExtent(a);
        const std::int64_t target = a.sizes.Offset(first) - room;
        first = target <= a.sizes.Offset(a.fixed) ? a.fixed : NextDrawn(a, a.sizes.IndexAtOffset(target - 1) + 1);
        break;
    }
    case SB_PAGEDOWN:
        first = first + std::max(1, VisibleCount(a));
        break;
    case SB_THUMBTRACK:
        if (!(options_ & goThumbTracking))
            return;
        first = pos;
        break;
    case SB_THUMBPOSITION:
        first = pos;
        break;
    case SB_TOP:
        first = a.fixed;
        break;
    case SB_BOTTOM:
        first = maxFirst;
        break;
    default:
        return;
    }
    first = std::clamp(first, a.fixed, std::max(a.fixed, maxFirst));
    if (vertical)
        MoveTopLeft(topLeft_.X, first);
    else
        MoveTopLeft(first, topLeft_.Y);
    UpdateScrollBars();
}

void TCustomGrid::UpdateScrollBars()
{
    if (updatingScrollBars_ || !HandleAllocated())
        return;
    updatingScrollBars_ = true;
    const bool wantH = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    const bool wantV = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    // Showing one bar narrows the room of the other axis: two passes settle both.
    for (int pass = 0; pass < 2; ++pass) {
        ShowScrollBar(SB_VERT, wantV && (LastPageFirst(RowAxis()) > fixedRows_ || topLeft_.Y > fixedRows_));
        ShowScrollBar(SB_HORZ, wantH && (LastPageFirst(ColAxis()) > fixedCols_ || topLeft_.X > fixedCols_));
    }
    auto sync = [this](int bar, const Axis& a) {
        if (!ScrollBarVisible(bar))
            return;
        TScrollInfo info;
        const int page = std::max(1, VisibleCount(a));
        info.nMin = a.fixed;
        info.nPage = page;
        info.nMax = std::max(a.fixed, LastPageFirst(a)) + page - 1;
        info.nPos = a.first;
        const TScrollInfo old = GetScrollInfo(bar);
        if (old.nMin != info.nMin || old.nMax != info.nMax || old.nPage != info.nPage || old.nPos != info.nPos)
            SetScrollInfo(bar, info, false);
    };
    sync(SB_VERT, RowAxis());
    sync(SB_HORZ, ColAxis());
    updatingScrollBars_ = false;
}

void TCustomGrid::WndProc(TMessage& message)
{
    if (message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL) {
        const int bar = message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
        const unsigned code = LoWord(message.WParam);
        // The message carries 16 bits of position; a dragged thumb's full position is the bar's.
        int pos = static_cast<int>(HiWord(message.WParam));
        if ((code == SB_THUMBTRACK || code == SB_THUMBPOSITION) && ScrollBarVisible(bar) &&
            (GetScrollInfo(bar).nTrackPos & 0xFFFF) == pos)
            pos = GetScrollInfo(bar).nTrackPos;
        ScrollBarMessage(bar, code, pos);
        message.Result = 0;
        return;
    }
    TCustomControl::WndProc(message);
}

}  // namespace ui
