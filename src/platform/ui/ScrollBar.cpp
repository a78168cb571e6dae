#include "platform/ui/StdCtrls.h"
#include <algorithm>

namespace ui {

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    TControl::SetBounds(0, 0, 121, 17);
}

void TScrollBar::SetKind(TScrollBarKind v)
{
    if (v == kind_)
        return;
    kind_ = v;
    SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetPageSize(int v)
{
    pageSize_ = std::clamp(v, 0, max_ - min_ + 1);
    SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max)
{
    if (max < min)
        max = min;
    int upper = pageSize_ > 0 ? std::max(min, max - pageSize_ + 1) : max;
    position = std::clamp(position, min, upper);
    bool changed = position != position_;
    min_ = min;
    max_ = max;
    position_ = position;
    Invalidate();
    Changed(TChangeAspect::Other);
    if (changed && OnChange)
        OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int trackPos)
{
    int pos = position_;
    switch (code) {
    case TScrollCode::scLineUp:
        pos -= smallChange_;
        break;
    case TScrollCode::scLineDown:
        pos += smallChange_;
        break;
    case TScrollCode::scPageUp:
        pos -= largeChange_;
        break;
    case TScrollCode::scPageDown:
        pos += largeChange_;
        break;
    case TScrollCode::scPosition:
    case TScrollCode::scTrack:
        pos = trackPos;
        break;
    case TScrollCode::scTop:
        pos = min_;
        break;
    case TScrollCode::scBottom:
        pos = max_;
        break;
    case TScrollCode::scEndScroll:
        break;
    }
    int upper = pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_;
    pos = std::clamp(pos, min_, upper);
    if (OnScroll)
        OnScroll(this, code, pos);
    SetPosition(pos);
}

void TScrollBar::PaintControl(TCanvas& canvas)
{
    bool vertical = kind_ == TScrollBarKind::sbVertical;
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clScrollBar);
    canvas.FillRect({0, 0, Width(), Height()});
    int len = vertical ? Height() : Width();
    int range = std::max(1, max_ - min_ + 1);
    int thumb = pageSize_ > 0 ? std::max(8, len * pageSize_ / range) : 12;
    int span = std::max(1, range - std::max(1, pageSize_));
    int pos = (len - thumb) * (position_ - min_) / span;
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FillRect(vertical ? Bounds(2, pos, Width() - 4, thumb) : Bounds(pos, 2, thumb, Height() - 4));
}

}  // namespace ui
