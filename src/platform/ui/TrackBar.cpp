#include "platform/ui/TrackBar.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"

namespace ui {

namespace {

constexpr int kThumbWidth = 11;   // across the channel's direction
constexpr int kThumbLength = 20;  // along the ticks' direction
constexpr int kMargin = 8 + kThumbWidth / 2;
constexpr const char* kOutOfRange = "Property value out of range";

}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::SetMin(int v)
{
    if (v > max_)
        throw rtl::ERangeError(kOutOfRange);
    min_ = v;
    Invalidate();
    if (position_ < min_)
        SetPosition(min_);
}

void TTrackBar::SetMax(int v)
{
    if (v < min_)
        throw rtl::ERangeError(kOutOfRange);
    max_ = v;
    Invalidate();
    if (position_ > max_)
        SetPosition(max_);
}

void TTrackBar::SetPosition(int v)
{
    v = std::clamp(v, min_, max_);
    if (v == position_)
        return;
    position_ = v;
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TTrackBar::SetPageSize(int v)
{
    pageSize_ = v;
}

void TTrackBar::SetLineSize(int v)
{
    lineSize_ = v;
}

void TTrackBar::SetFrequency(int v)
{
    frequency_ = v;
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation v)
{
    orientation_ = v;
    Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark v)
{
    tickMarks_ = v;
    Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle v)
{
    tickStyle_ = v;
    Invalidate();
}

TRect TTrackBar::ChannelRect() const
{
    const TRect c = ClientRect();
    // The channel lies in the middle of the thumb's length, which leaves room for ticks on the
    // side(s) they are drawn.
    const int across = Horizontal() ? c.Height() : c.Width();
    int offset = (across - kThumbLength) / 2;
    if (tickMarks_ == TTickMark::tmBottomRight)
        offset = std::min(offset, 8);
    const int mid = offset + kThumbLength / 2;
    if (Horizontal())
        return {c.Left + kMargin, mid - 2, c.Right - kMargin, mid + 2};
    return {mid - 2, c.Top + kMargin, mid + 2, c.Bottom - kMargin};
}

int TTrackBar::PixelOf(int position) const
{
    const TRect ch = ChannelRect();
    const int from = Horizontal() ? ch.Left : ch.Top;
    const int length = (Horizontal() ? ch.Width() : ch.Height()) - 1;
    if (max_ == min_)
        return from;
    return from + static_cast<int>(static_cast<long long>(position - min_) * length / (max_ - min_));
}

int TTrackBar::PositionAt(int pixel) const
{
    const TRect ch = ChannelRect();
    const int from = Horizontal() ? ch.Left : ch.Top;
    const int length = (Horizontal() ? ch.Width() : ch.Height()) - 1;
    if (length <= 0 || max_ == min_)
        return min_;
    const long long offset = std::clamp(pixel - from, 0, length);
    // The nearest position to the pixel.
    return min_ + static_cast<int>((offset * (max_ - min_) + length / 2) / length);
}

TRect TTrackBar::ThumbRect() const
{
    const TRect ch = ChannelRect();
    const int p = PixelOf(position_);
    if (Horizontal()) {
        const int mid = (ch.Top + ch.Bottom) / 2;
        return Bounds(p - kThumbWidth / 2, mid - kThumbLength / 2, kThumbWidth, kThumbLength);
    }
    const int mid = (ch.Left + ch.Right) / 2;
    return Bounds(mid - kThumbLength / 2, p - kThumbWidth / 2, kThumbLength, kThumbWidth);
}

void TTrackBar::Paint()
{
    TCustomControl::Paint();
    TCanvas& c = *Canvas();
    TRect ch = ChannelRect();
    c.DrawEdge(ch, EDGE_SUNKEN, BF_RECT);
    // Ticks at every Frequency positions, always at both ends.
    if (tickStyle_ == TTickStyle::tsAuto) {
        const TRect thumb = ThumbRect();
        c.Pen()->SetColor(clBtnText);
        c.Pen()->SetWidth(1);
        const auto tick = [&](int position) {
            const int p = PixelOf(position);
            const bool after = tickMarks_ != TTickMark::tmTopLeft;
            const bool before = tickMarks_ != TTickMark::tmBottomRight;
            if (Horizontal()) {
                if (after) {
                    c.MoveTo(p, thumb.Bottom + 2);
                    c.LineTo(p, thumb.Bottom + 5);
                }
                if (before) {
                    c.MoveTo(p, thumb.Top - 5);
                    c.LineTo(p, thumb.Top - 2);
                }
            } else {
                if (after) {
                    c.MoveTo(thumb.Right + 2, p);
                    c.LineTo(thumb.Right + 5, p);
                }
                if (before) {
                    c.MoveTo(thumb.Left - 5, p);
                    c.LineTo(thumb.Left - 2, p);
                }
            }
        };
        tick(min_);
        if (frequency_ > 0)
            for (long long v = static_cast<long long>(min_) + frequency_; v < max_; v += frequency_)
                tick(static_cast<int>(v));
        tick(max_);
    }
    TRect thumb = ThumbRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Enabled() ? clBtnFace : clBtnShadow);
    c.FillRect(thumb);
    c.DrawEdge(thumb, EDGE_RAISED, BF_RECT);
    if (Focused())
        c.DrawFocusRect(ClientRect());
}

void TTrackBar::KeyDown(unsigned& key, TShiftState shift)
{
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        SetPosition(position_ - lineSize_);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetPosition(position_ + lineSize_);
        break;
    case VK_PRIOR:
        SetPosition(position_ - pageSize_);
        break;
    case VK_NEXT:
        SetPosition(position_ + pageSize_);
        break;
    case VK_HOME:
        SetPosition(min_);
        break;
    case VK_END:
        SetPosition(max_);
        break;
    default:
        break;
    }
    TCustomControl::KeyDown(key, shift);
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    const TRect thumb = ThumbRect();
    if (thumb.Contains({x, y})) {
        dragging_ = true;
        grab_ = Along(x, y) - PixelOf(position_);
        return;
    }
    // A press beside the thumb moves a page towards it.
    const int at = Along(x, y), thumbAt = PixelOf(position_);
    if (at < thumbAt)
        SetPosition(std::max(position_ - pageSize_, PositionAt(at)));
    else if (at > thumbAt)
        SetPosition(std::min(position_ + pageSize_, PositionAt(at)));
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (dragging_)
        SetPosition(PositionAt(Along(x, y) - grab_));
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft)
        dragging_ = false;
}

bool TTrackBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    // A notch away from the user moves towards Min, as the arrow keys Up and Left do.
    SetPosition(position_ - wheelDelta / WHEEL_DELTA * lineSize_);
    return true;
}

}  // namespace ui
