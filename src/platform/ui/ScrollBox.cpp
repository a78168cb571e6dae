#include "platform/ui/ScrollBox.h"

#include <algorithm>

#include "platform/ui/Application.h"

namespace ui {

TScrollBox::TScrollBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    controlStyle_ |= csAcceptsControls;
}

void TScrollBox::SetAutoScroll(bool v)
{
    if (autoScroll_ == v)
        return;
    autoScroll_ = v;
    UpdateScrollBars();
}

TSize TScrollBox::ContentSize() const
{
    TSize s;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!c->Visible())
            continue;
        s.cx = std::max(s.cx, c->Left() + c->Width() + hPos_);
        s.cy = std::max(s.cy, c->Top() + c->Height() + vPos_);
    }
    return s;
}

int TScrollBox::MaxPos(int bar) const
{
    const TSize content = ContentSize();
    return bar == SB_VERT ? std::max(0, content.cy - ClientHeight()) : std::max(0, content.cx - ClientWidth());
}

void TScrollBox::ScrollChildren(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    Invalidate();
}

void TScrollBox::UpdateScrollBars()
{
    if (updating_)
        return;
    updating_ = true;
    const TSize content = ContentSize();
    // The client area without bars, then whether each bar is needed once the other takes its room.
    const int fullW = ClientWidth() + (ScrollBarVisible(SB_VERT) ? ScrollBarSize : 0);
    const int fullH = ClientHeight() + (ScrollBarVisible(SB_HORZ) ? ScrollBarSize : 0);
    bool needV = autoScroll_ && content.cy > fullH;
    bool needH = autoScroll_ && content.cx > fullW;
    if (needV && !needH)
        needH = autoScroll_ && content.cx > fullW - ScrollBarSize;
    if (needH && !needV)
        needV = autoScroll_ && content.cy > fullH - ScrollBarSize;
    ShowScrollBar(SB_VERT, needV);
    ShowScrollBar(SB_HORZ, needH);
    const int newV = needV ? std::clamp(vPos_, 0, MaxPos(SB_VERT)) : 0;
    const int newH = needH ? std::clamp(hPos_, 0, MaxPos(SB_HORZ)) : 0;
    const int dx = hPos_ - newH, dy = vPos_ - newV;
    hPos_ = newH;
    vPos_ = newV;
    ScrollChildren(dx, dy);
    TScrollInfo v;
    v.nMax = std::max(0, content.cy - 1);
    v.nPage = ClientHeight();
    v.nPos = vPos_;
    SetScrollInfo(SB_VERT, v, false);
    TScrollInfo h;
    h.nMax = std::max(0, content.cx - 1);
    h.nPage = ClientWidth();
    h.nPos = hPos_;
    SetScrollInfo(SB_HORZ, h, false);
    updating_ = false;
    Invalidate();
}

void TScrollBox::SetVertScrollPosition(int v)
{
    v = ScrollBarVisible(SB_VERT) ? std::clamp(v, 0, MaxPos(SB_VERT)) : 0;
    if (v == vPos_)
        return;
    const int dy = vPos_ - v;
    vPos_ = v;
    ScrollChildren(0, dy);
    TScrollInfo info = GetScrollInfo(SB_VERT);
    info.nPos = vPos_;
    SetScrollInfo(SB_VERT, info);
}

void TScrollBox::SetHorzScrollPosition(int v)
{
    v = ScrollBarVisible(SB_HORZ) ? std::clamp(v, 0, MaxPos(SB_HORZ)) : 0;
    if (v == hPos_)
        return;
    const int dx = hPos_ - v;
    hPos_ = v;
    ScrollChildren(dx, 0);
    TScrollInfo info = GetScrollInfo(SB_HORZ);
    info.nPos = hPos_;
    SetScrollInfo(SB_HORZ, info);
}

void TScrollBox::Scroll(int bar, unsigned code, int thumb)
{
    const bool vertical = bar == SB_VERT;
    const int pos = vertical ? vPos_ : hPos_;
    const int page = vertical ? ClientHeight() : ClientWidth();
    int target = pos;
    switch (code) {
    case SB_LINEUP:
        target = pos - lineIncrement_;
        break;
    case SB_LINEDOWN:
        target = pos + lineIncrement_;
        break;
    case SB_PAGEUP:
        target = pos - page;
        break;
    case SB_PAGEDOWN:
        target = pos + page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        target = thumb;
        break;
    case SB_TOP:
        target = 0;
        break;
    case SB_BOTTOM:
        target = MaxPos(bar);
        break;
    default:
        return;  // SB_ENDSCROLL
    }
    if (vertical)
        SetVertScrollPosition(target);
    else
        SetHorzScrollPosition(target);
}

void TScrollBox::WndProc(TMessage& message)
{
    if (message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL) {
        Scroll(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LoWord(message.WParam),
               static_cast<int>(HiWord(message.WParam)));
        message.Result = 0;
        return;
    }
    TCustomControl::WndProc(message);
}

void TScrollBox::ClientSizeChanged(int oldClientWidth, int oldClientHeight)
{
    TCustomControl::ClientSizeChanged(oldClientWidth, oldClientHeight);
    UpdateScrollBars();
}

bool TScrollBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    if (!ScrollBarVisible(SB_VERT))
        return false;
    const int lines = std::max(0, GetScreen()->WheelScrollLines());
    SetVertScrollPosition(vPos_ - wheelDelta * lines * lineIncrement_ / WHEEL_DELTA);
    return true;
}

}  // namespace ui
