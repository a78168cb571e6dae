#include "grid/base/GxCheckBox.h"

#include "grid/base/GxStyleIF.h"
#include "platform/ui/Messages.h"

namespace gx {

using ui::TRect;

TGxCheckBox::TGxCheckBox(ui::TComponent* AOwner) : ui::TCustomControl(AOwner)
{
    SetBounds(0, 0, 98, 20);
    SetCaption("TGxCheckBox");
    SetTabStop(true);
    // The box fires its own click.
    controlStyle_ &= ~(ui::csClickEvents | ui::csDoubleClicks);
}

void TGxCheckBox::SetState(TCheckBoxState Value)
{
    if (state_ == Value)
        return;
    state_ = Value;
    Invalidate();
}

void TGxCheckBox::Toggle()
{
    if (!ReadOnly)
        SetChecked(!Checked());
}

void TGxCheckBox::SetDown(bool Value)
{
    if (down_ == Value)
        return;
    down_ = Value;
    Invalidate();
}

void TGxCheckBox::SetTransparent(bool Value)
{
    transparent_ = Value;
    Invalidate();
}

TRect TGxCheckBox::BoxRect() const
{
    const bool themed = IsWinXPOrLater() && ThemesActive() && IsComCtl6OrLater();
    const int size = themed ? 14 : 13;
    const int x = Alignment == TCheckBoxAlignment::taLeftJustify ? 0 : ClientWidth() - (themed ? 15 : 13);
    int y = 4;
    if (ButtonVertAlign == TButtonVertAlign::tvaCenter)
        y = ClientHeight() / 2 - 6;
    else if (ButtonVertAlign == TButtonVertAlign::tvaBottom)
        y = ClientHeight() - (themed ? 14 : 17);
    return ui::Bounds(x, y, size, size);
}

void TGxCheckBox::Paint()
{
    ui::TCanvas& c = *Canvas();
    if (!transparent_) {
        c.Brush()->SetColor(Color());
        c.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        c.FillRect(ClientRect());
    }
    const bool themed = IsWinXPOrLater() && ThemesActive() && IsComCtl6OrLater();
    const TRect box = BoxRect();
    if (themed) {
        unsigned s = state_ == TCheckBoxState::cbChecked  ? ui::tsChecked
                     : state_ == TCheckBoxState::cbGrayed ? ui::tsMixed
                                                          : 0u;
        if (!Enabled())
            s |= ui::tsDisabled;
        else if (down_)
            s |= ui::tsPressed;
        else if (MouseInControl())
            s |= ui::tsHot;
        c.DrawThemedPart(ui::TThemedPart::CheckBox, s, box);
    } else {
        unsigned s = ui::DFCS_BUTTONCHECK;
        if (state_ == TCheckBoxState::cbChecked)
            s |= ui::DFCS_CHECKED;
        if (state_ == TCheckBoxState::cbGrayed || !Enabled())
            s |= ui::DFCS_INACTIVE;
        c.DrawFrameControl(box, ui::DFC_BUTTON, s);
    }

    c.Font()->Assign(*Font());
    c.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    TRect text = ClientRect();
    text.Top += 4;
    if (Alignment == TCheckBoxAlignment::taLeftJustify) {
        text.Left += 15;
    } else {
        text.Left += 6;
        text.Right -= 9;
    }
    const unsigned flags = ui::DT_LEFT | ui::DT_SINGLELINE | (Ellipsis ? ui::DT_END_ELLIPSIS : 0u);
    if (!Enabled()) {
        c.Font()->SetColor(ui::clWhite);
        TRect shadow = text.Offset(1, 1);
        c.DrawText(Caption(), shadow, flags);
        c.Font()->SetColor(ui::clGray);
    }
    c.DrawText(Caption(), text, flags);
    if (Focused()) {
        TRect measured = text;
        c.DrawText(Caption(), measured, flags | ui::DT_CALCRECT);
        c.DrawFocusRect(TRect(measured.Left - 2, measured.Top, measured.Right + 1, measured.Bottom + 1));
    }
}

void TGxCheckBox::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::TMouseButton::mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        pressed_ = true;
        SetDown(true);
    }
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TGxCheckBox::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    if (pressed_)
        SetDown(Inside(X, Y));
    ui::TCustomControl::MouseMove(Shift, X, Y);
}

void TGxCheckBox::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::TMouseButton::mbLeft && pressed_) {
        pressed_ = false;
        SetDown(false);
        // A read-only box does not change but still clicks.
        if (Inside(X, Y) && Focused()) {
            Toggle();
            Click();
        }
    }
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TGxCheckBox::MouseEnter()
{
    ui::TCustomControl::MouseEnter();
    Invalidate();
}

void TGxCheckBox::MouseLeave()
{
    ui::TCustomControl::MouseLeave();
    Invalidate();
}

void TGxCheckBox::KeyDown(unsigned& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_SPACE)
        SetDown(true);
    if (Key == ui::VK_RETURN && ReturnIsTab) {
        Key = ui::VK_TAB;
        ui::PostMessage(this, ui::WM_KEYDOWN, ui::VK_TAB, 0);
    }
    ui::TCustomControl::KeyDown(Key, Shift);
}

void TGxCheckBox::KeyUp(unsigned& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_SPACE && down_) {
        SetDown(false);
        Toggle();
        Click();
    }
    ui::TCustomControl::KeyUp(Key, Shift);
}

void TGxCheckBox::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_DIALOGCHAR && Enabled() &&
        ui::IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
        Toggle();
        if (TabStop() && CanFocus())
            SetFocus();
        Message.Result = 1;
        return;
    }
    ui::TCustomControl::WndProc(Message);
}

}  // namespace gx
