#include "platform/ui/ExtCtrls.h"
#include <algorithm>

namespace ui {

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    TControl::SetBounds(0, 0, 65, 65);
    pen_.OnChange = [this](TObject*) { Invalidate(); };
    brush_.OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType v)
{
    if (v == shape_)
        return;
    shape_ = v;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& c = *Canvas();
    c.Pen()->Assign(pen_);
    c.Brush()->Assign(brush_);
    int pw = pen_.Width();
    int x = pw / 2, y = pw / 2;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (shape_ == TShapeType::stSquare || shape_ == TShapeType::stRoundSquare || shape_ == TShapeType::stCircle) {
        int s = std::min(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (shape_) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
        c.Rectangle(x, y, x + w, y + h);
        break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare:
        c.RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4);
        break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
        c.Ellipse(x, y, x + w, y + h);
        break;
    }
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>())
{
    TControl::SetBounds(0, 0, 105, 105);
    picture_->OnChange = [this](TObject*) {
        if (autoSize_ && picture_->Width() > 0)
            SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
        Invalidate();
    };
}

TImage::~TImage()
{
    picture_->OnChange = nullptr;
}

void TImage::SetStretch(bool v)
{
    stretch_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v)
{
    center_ = v;
    Invalidate();
}

void TImage::SetProportional(bool v)
{
    proportional_ = v;
    Invalidate();
}

void TImage::SetTransparent(bool v)
{
    transparent_ = v;
    if (TGraphic* g = picture_->Graphic())
        g->SetTransparent(v);
    Invalidate();
}

void TImage::SetAutoSize(bool v)
{
    autoSize_ = v;
    if (v && picture_->Width() > 0)
        SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
}

TRect TImage::DestRect() const
{
    int w = picture_->Width(), h = picture_->Height();
    int cw = Width(), ch = Height();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            double scale = std::min(static_cast<double>(cw) / w, static_cast<double>(ch) / h);
            w = static_cast<int>(w * scale);
            h = static_cast<int>(h * scale);
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = center_ ? (cw - w) / 2 : 0;
    int y = center_ ? (ch - h) / 2 : 0;
    return Bounds(x, y, w, h);
}

void TImage::Paint()
{
    TGraphic* g = picture_->Graphic();
    if (!g || g->Empty())
        return;
    g->SetTransparent(transparent_);
    Canvas()->StretchDraw(DestRect(), g);
}

// The timer's hidden window receives the WM_TIMER messages of the application's timer list.
namespace {
class TimerWindow : public TWinControl {
public:
    TimerWindow(TTimer* timer) : TWinControl(nullptr), timer_(timer) {}
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_TIMER)
            timer_->Fire();
        else
            TWinControl::WndProc(m);
    }

private:
    TTimer* timer_;
};
}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), window_(std::make_unique<TimerWindow>(this))
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    window_->KillTimer(1);
}

void TTimer::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    window_->KillTimer(1);
    if (enabled_ && interval_ > 0)
        window_->SetTimer(1, interval_);
}

void TTimer::Fire()
{
    if (enabled_ && OnTimer)
        OnTimer(this);
}

}  // namespace ui
