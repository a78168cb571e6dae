// Check box, radio button and group box.
#include "platform/ui/StdCtrls.h"

namespace ui {

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    SetParentColor(true);
    // Clicks come from Toggle (mouse release, space, accelerator), not from the generic click path.
    controlStyle_ &= ~(csClickEvents | csDoubleClicks);
    TControl::SetBounds(0, 0, 97, 17);
}

void TButtonControl::SetChecked(bool v)
{
    SetStateValue(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked, true);
}

void TButtonControl::SetStateValue(TCheckBoxState v, bool notify)
{
    if (v == state_)
        return;
    state_ = v;
    Changed(TChangeAspect::Checked);
    Invalidate();
    if (notify)
        Click();
}

void TButtonControl::SetAlignment(TAlignment v)
{
    alignment_ = v;
    Invalidate();
}

void TButtonControl::SetWordWrap(bool v)
{
    wordWrap_ = v;
    Invalidate();
}

void TButtonControl::WndProc(TMessage& m)
{
    // CanFocus: enabled and visible up to the form (a form that is not shown still takes keys headless).
    if (m.Msg == CM_DIALOGCHAR && CanFocus() && IsAccel(static_cast<char32_t>(m.WParam), Caption())) {
        SetFocus();
        Toggle();
        m.Result = 1;
        return;
    }
    TWinControl::WndProc(m);
}

void TButtonControl::KeyDown(unsigned& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
}

void TButtonControl::KeyPress(char32_t& key)
{
    TWinControl::KeyPress(key);
    if (key == ' ')
        Toggle();
}

void TButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && CanFocus() && !Focused())
        SetFocus();
    TWinControl::MouseDown(button, shift, x, y);
}

void TButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (button == TMouseButton::mbLeft && inside)
        Toggle();
    TWinControl::MouseUp(button, shift, x, y);
}

namespace {
void PaintButtonLike(TButtonControl& b, TCanvas& canvas, TThemedPart part, unsigned state)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(b.Color());
    canvas.FillRect({0, 0, b.Width(), b.Height()});
    int box = 13;
    int top = (b.Height() - box) / 2;
    bool right = b.Alignment() == TAlignment::taRightJustify;
    TRect boxRect = right ? Bounds(0, top, box, box) : Bounds(b.Width() - box, top, box, box);
    if (!b.Enabled())
        state |= tsDisabled;
    canvas.DrawThemedPart(part, state, boxRect);
    TRect text = right ? TRect{box + 4, 0, b.Width(), b.Height()} : TRect{0, 0, b.Width() - box - 4, b.Height()};
    canvas.Font()->Assign(*b.Font());
    if (!b.Enabled())
        canvas.Font()->SetColor(clGrayText);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    unsigned flags = b.WordWrap() ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    canvas.DrawText(b.Caption(), text, flags);
    if (b.Focused()) {
        TRect calc = text;
        canvas.DrawText(b.Caption(), calc, flags | DT_CALCRECT);
        int h = calc.Height();
        TRect focus{text.Left - 1, (b.Height() - h) / 2, text.Left + calc.Width() + 1, (b.Height() - h) / 2 + h};
        canvas.DrawFocusRect(focus);
    }
}
}  // namespace

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {}

void TCheckBox::SetChecked(bool v)
{
    SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState v)
{
    SetStateValue(v, true);
}

void TCheckBox::Toggle()
{
    switch (state_) {
    case TCheckBoxState::cbUnchecked:
        SetState(TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbUnchecked);
        break;
    }
}

void TCheckBox::PaintControl(TCanvas& canvas)
{
    unsigned state = state_ == TCheckBoxState::cbChecked  ? unsigned(tsChecked)
                     : state_ == TCheckBoxState::cbGrayed ? unsigned(tsMixed)
                                                          : 0u;
    PaintButtonLike(*this, canvas, TThemedPart::CheckBox, state);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {}

void TRadioButton::SetChecked(bool v)
{
    if (v == Checked())
        return;
    if (v && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
            if (other && other != this && other->Checked())
                other->SetStateValue(TCheckBoxState::cbUnchecked, false);
        }
    }
    SetStateValue(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked, v);
}

void TRadioButton::Toggle()
{
    SetChecked(true);
}

void TRadioButton::PaintControl(TCanvas& canvas)
{
    PaintButtonLike(*this, canvas, TThemedPart::RadioButton, Checked() ? unsigned(tsChecked) : 0u);
}

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner)
{
    controlStyle_ |= csAcceptsControls;
    SetParentColor(true);
    TControl::SetBounds(0, 0, 185, 105);
}

TPoint TGroupBox::ClientOrigin() const
{
    return {2, 15};
}

TRect TGroupBox::ClientRect() const
{
    return {0, 0, std::max(0, Width() - 4), std::max(0, Height() - 17)};
}

void TGroupBox::PaintControl(TCanvas& canvas)
{
    PaintBackground(canvas);
    TRect frame{0, 7, Width(), Height()};
    canvas.DrawEdge(frame, EDGE_ETCHED, BF_RECT);
    canvas.Font()->Assign(*Font());
    TSize ext = canvas.TextExtent(Caption());
    if (!Caption().empty()) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(Color());
        TRect r = Bounds(8, 0, ext.cx + 4, ext.cy);
        canvas.FillRect(r);
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        r.Left += 2;
        canvas.DrawText(Caption(), r, DT_SINGLELINE);
    }
}

}  // namespace ui
