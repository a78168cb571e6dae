// Custom-drawn and graphic controls: Paint on a canvas bound to the paint target.
#include "platform/ui/Controls.h"

namespace ui {

namespace {
// Binds a control's own canvas to the target of the painting canvas for one Paint call.
class CanvasBinding {
public:
    CanvasBinding(TCanvas& own, TCanvas& painter, TPoint offset, const TRect& clientClip) : own_(own)
    {
        savedTarget_ = own.Target();
        savedOrigin_ = own.Origin();
        own.SetTarget(painter.Target());
        TPoint o = painter.Origin();
        own.SetOrigin({o.X + offset.X, o.Y + offset.Y});
        own.ResetClip();
        TRect clip = clientClip;
        if (painter.HasClip())
            clip = clip.Intersect(painter.ClipRectRaw().Offset(-offset.X, -offset.Y));
        own.SetClipRect(clip);
    }
    ~CanvasBinding()
    {
        own_.SetTarget(savedTarget_);
        own_.SetOrigin(savedOrigin_);
        own_.ResetClip();
    }

private:
    TCanvas& own_;
    TBitmap* savedTarget_;
    TPoint savedOrigin_;
};
}  // namespace

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(std::make_unique<TCanvas>(&buffer_))
{}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint()
{
    canvas_->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas_->Brush()->SetColor(Color());
    canvas_->FillRect(ClientRect());
}

void TCustomControl::PaintControl(TCanvas& canvas)
{
    if (!(controlStyle_ & csOpaque))
        Perform(WM_ERASEBKGND, reinterpret_cast<std::uintptr_t>(&canvas));
    if (BorderStyle() == TBorderStyle::bsSingle) {
        TRect r{0, 0, Width(), Height()};
        canvas.DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    }
    {
        CanvasBinding bind(*canvas_, canvas, ClientOrigin(), ClientRect());
        Perform(WM_PAINT);
    }
    // The window's scroll bars lie outside the client area, as the window system draws them.
    PaintScrollBars(canvas);
}

void TCustomControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_ERASEBKGND:
        if (m.WParam)
            PaintBackground(*reinterpret_cast<TCanvas*>(m.WParam));
        m.Result = 1;
        return;
    case WM_PAINT:
        Paint();
        return;
    default:
        TWinControl::WndProc(m);
    }
}

TBitmap* TCustomControl::PaintToBuffer()
{
    TRect client = ClientRect();
    buffer_.SetSize(client.Width(), client.Height());
    TCanvas painter(&buffer_);
    TPoint o = ClientOrigin();
    painter.SetOrigin({-o.X, -o.Y});
    PaintControl(painter);
    return &buffer_;
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintControl(TCanvas& canvas)
{
    CanvasBinding bind(*canvas_, canvas, {0, 0}, ClientRect());
    Paint();
}

}  // namespace ui
