#include "platform/ui/ExtCtrls.h"

namespace ui {

TSplitter::TSplitter(TComponent* AOwner) : TCustomControl(AOwner)
{
    controlStyle_ |= csOpaque;
    TControl::SetBounds(0, 0, 185, 3);
    SetAlign(TAlign::alTop);
    SetCursor(crVSplit);
}

void TSplitter::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(TRect{0, 0, Width(), Height()});
}

TControl* TSplitter::Sized() const
{
    if (!Parent())
        return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || c->Align() != Align() || !c->Visible())
            continue;
        const bool adjoins = Align() == TAlign::alTop      ? c->Top() + c->Height() == Top()
                             : Align() == TAlign::alBottom ? c->Top() == Top() + Height()
                             : Align() == TAlign::alLeft   ? c->Left() + c->Width() == Left()
                                                           : c->Left() == Left() + Width();
        if (adjoins)
            return c;
    }
    return nullptr;
}

TControl* TSplitter::Client() const
{
    if (!Parent())
        return nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (TControl* c = Parent()->Controls(i); c->Align() == TAlign::alClient && c->Visible())
            return c;
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    sizing_ = Sized();
    if (!sizing_)
        return;
    downAt_ = Along(x, y);
    downSize_ = Vertical() ? sizing_->Width() : sizing_->Height();
    // The client-aligned sibling gives its room down to MinSize; without one the sibling may grow
    // to the parent's edge.
    const TControl* client = Client();
    const int room = client ? (Vertical() ? client->Width() : client->Height())
                            : (Vertical() ? Parent()->ClientWidth() : Parent()->ClientHeight()) - downSize_;
    maxSize_ = std::max(downSize_, downSize_ + room - (client ? minSize_ : 0));
    SetMouseCapture(true);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (!sizing_)
        return;
    // Dragging down (right) grows a control above (left of) the bar and shrinks one below it.
    const int delta = Along(x, y) - downAt_;
    const bool grows = Align() == TAlign::alTop || Align() == TAlign::alLeft;
    const int size = std::clamp(downSize_ + (grows ? delta : -delta), std::min(minSize_, downSize_), maxSize_);
    if (size == (Vertical() ? sizing_->Width() : sizing_->Height()))
        return;
    if (Vertical())
        sizing_->SetWidth(size);
    else
        sizing_->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (!sizing_ || button != TMouseButton::mbLeft)
        return;
    sizing_ = nullptr;
    SetMouseCapture(false);
    if (OnMoved)
        OnMoved(this);
}

}  // namespace ui
