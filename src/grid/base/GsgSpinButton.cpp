#include "grid/base/GsgSpinButton.h"

#include <algorithm>

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

namespace {

constexpr unsigned kFirstRepeatMs = 400;
constexpr unsigned kRepeatMs = 100;

// Draws one glyph into b (9 x 6).
void makeSpinGlyph(ui::TBitmap& b, bool up)
{
    b.SetSize(9, 6);
    b.Canvas()->Brush()->SetColor(ui::clOlive);
    b.Canvas()->FillRect(TRect(0, 0, 9, 6));
    // Rows 1 to 4: widths 1, 3, 5, 7 pointing up, the other way round pointing down.
    for (int i = 0; i < 4; ++i) {
        const int half = up ? i : 3 - i;
        for (int x = 4 - half; x <= 4 + half; ++x)
            b.SetPixel(x, 1 + i, ui::clBlack);
    }
}

}  // namespace

const ui::TBitmap& SpinGlyph(bool up)
{
    static const ui::TBitmap* glyphs = [] {
        auto* pair = new ui::TBitmap[2];
        makeSpinGlyph(pair[0], true);
        makeSpinGlyph(pair[1], false);
        return pair;
    }();
    return glyphs[up ? 0 : 1];
}

// ---------------------------------------------------------------------------------------------
// TGxTimerSpeedButton

TGxTimerSpeedButton::TGxTimerSpeedButton(ui::TComponent* AOwner) : ui::TSpeedButton(AOwner) {}

TGxTimerSpeedButton::~TGxTimerSpeedButton() = default;

TGsgSpinButton* TGxTimerSpeedButton::spinOwner() const
{
    return dynamic_cast<TGsgSpinButton*>(Owner());
}

void TGxTimerSpeedButton::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    ui::TSpeedButton::MouseDown(button, shift, x, y);
    if (TimeBtnState & tbAllowTimer) {
        if (!FRepeatTimer) {
            FRepeatTimer = new ui::TTimer(this);
            FRepeatTimer->OnTimer = [this](ui::TObject*) { TimerExpired(); };
        }
        FRepeatTimer->SetInterval(kFirstRepeatMs);
        FRepeatTimer->SetEnabled(true);
    }
    if (Parent())
        Parent()->Invalidate();
}

void TGxTimerSpeedButton::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    ui::TSpeedButton::MouseUp(button, shift, x, y);
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    if (Parent())
        Parent()->Invalidate();
}

void TGxTimerSpeedButton::TimerExpired()
{
    FRepeatTimer->SetInterval(kRepeatMs);
    if (State() != ui::TButtonState::bsDown || !MouseCapture())
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TGxTimerSpeedButton::MouseEnter()
{
    ui::TSpeedButton::MouseEnter();
    FHasMouse = true;
    Invalidate();
}

void TGxTimerSpeedButton::MouseLeave()
{
    ui::TSpeedButton::MouseLeave();
    FHasMouse = false;
    Invalidate();
}

void TGxTimerSpeedButton::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect r(0, 0, Width(), Height());
    const bool down = State() == ui::TButtonState::bsDown;
    const TGsgSpinButton* spin = spinOwner();
    if (spin && spin->ButtonColor != ui::clNone) {
        TColor face = spin->ButtonColor;
        if (down && spin->ButtonColorDown != ui::clNone)
            face = spin->ButtonColorDown;
        else if (FHasMouse && spin->ButtonColorHot != ui::clNone)
            face = spin->ButtonColorHot;
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(face);
        canvas.Pen()->SetColor(face);
        canvas.FillRect(r);
        const int l = r.Left, t = r.Top;
        canvas.Brush()->SetColor(ui::clBlack);
        canvas.Pen()->SetColor(ui::clBlack);
        switch (ButtonDirection) {
        case TButtonDirection::bdLeft:
            canvas.Polygon({{l + 5, t + 5}, {l + 3, t + 7}, {l + 5, t + 9}});
            break;
        case TButtonDirection::bdRight:
            canvas.Polygon({{l + 3, t + 5}, {l + 5, t + 7}, {l + 3, t + 9}});
            break;
        case TButtonDirection::bdUp:
            canvas.Polygon({{l + 4, t + 4}, {l + 8, t + 4}, {l + 6, t + 2}});
            break;
        case TButtonDirection::bdDown:
            canvas.Polygon({{l + 4, t + 2}, {l + 8, t + 2}, {l + 6, t + 4}});
            break;
        }
        return;
    }
    if (IsWinXP) {
        ui::TThemedPart part = ui::TThemedPart::SpinUp;
        switch (ButtonDirection) {
        case TButtonDirection::bdLeft:
            part = ui::TThemedPart::SpinLeft;
            break;
        case TButtonDirection::bdRight:
            part = ui::TThemedPart::SpinRight;
            break;
        case TButtonDirection::bdUp:
            part = ui::TThemedPart::SpinUp;
            break;
        case TButtonDirection::bdDown:
            part = ui::TThemedPart::SpinDown;
            break;
        }
        const unsigned state = down ? ui::tsPressed : FHasMouse ? ui::tsHot : ui::tsNormal;
        canvas.DrawThemedPart(part, state, r);
        return;
    }
    if (ButtonDirection == TButtonDirection::bdLeft || ButtonDirection == TButtonDirection::bdRight) {
        unsigned state = ButtonDirection == TButtonDirection::bdLeft ? ui::DFCS_SCROLLLEFT : ui::DFCS_SCROLLRIGHT;
        if (down)
            state |= ui::DFCS_PUSHED;
        if (Flat())
            state |= ui::DFCS_FLAT;
        canvas.DrawFrameControl(r, ui::DFC_SCROLL, state);
        return;
    }
    ui::TSpeedButton::Paint();
}

// ---------------------------------------------------------------------------------------------
// TGsgSpinButton

TGsgSpinButton::TGsgSpinButton(ui::TComponent* AOwner) : ui::TWinControl(AOwner)
{
    controlStyle_ = (controlStyle_ & ~ui::csAcceptsControls) | ui::csOpaque;
    FUpButton = createButton(TButtonDirection::bdUp);
    FDownButton = createButton(TButtonDirection::bdDown);
    FUpButton->SetGlyph(&SpinGlyph(true));
    FDownButton->SetGlyph(&SpinGlyph(false));
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 15, 25);
}

TGsgSpinButton::~TGsgSpinButton() = default;

TGxTimerSpeedButton* TGsgSpinButton::createButton(TButtonDirection direction)
{
    auto* b = new TGxTimerSpeedButton(this);
    b->SetParent(this);
    b->ButtonDirection = direction;
    b->TimeBtnState = tbAllowTimer;
    b->SetVisible(true);
    b->SetEnabled(true);
    b->OnClick = [this](ui::TObject* sender) { buttonClick(sender); };
    b->OnMouseDown = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState, int, int) {
        buttonMouseDown(sender, button);
    };
    return b;
}

void TGsgSpinButton::adjustSize(int& width, int& height)
{
    if (!FUpButton || !FDownButton || Loading())
        return;
    if (FDirection == TSpinDirection::spVertical) {
        width = std::max(width, 15);
        const int upHeight = height / 2;
        FUpButton->SetBounds(0, 0, width, upHeight);
        FDownButton->SetBounds(0, upHeight - 1, width, height - upHeight + 1);
    } else {
        width = std::max(width, 20);
        const int half = width / 2;
        FDownButton->SetBounds(0, 0, half, height);
        FUpButton->SetBounds(half + 1, 0, half, height);
    }
}

void TGsgSpinButton::SetBounds(int left, int top, int width, int height)
{
    adjustSize(width, height);
    ui::TWinControl::SetBounds(left, top, width, height);
}

void TGsgSpinButton::Loaded()
{
    ui::TWinControl::Loaded();
    int w = Width(), h = Height();
    adjustSize(w, h);
    if (w != Width() || h != Height())
        ui::TWinControl::SetBounds(Left(), Top(), w, h);
}

void TGsgSpinButton::SetDirection(TSpinDirection v)
{
    if (v == FDirection)
        return;
    FDirection = v;
    if (v == TSpinDirection::spHorizontal) {
        FUpButton->ButtonDirection = TButtonDirection::bdRight;
        FDownButton->ButtonDirection = TButtonDirection::bdLeft;
        SetBounds(Left(), Top(), 20, Height());
    } else {
        FUpButton->ButtonDirection = TButtonDirection::bdUp;
        FDownButton->ButtonDirection = TButtonDirection::bdDown;
        SetBounds(Left(), Top(), 15, Height());
    }
    Invalidate();
}

void TGsgSpinButton::SetFocusControl(ui::TWinControl* v)
{
    FFocusControl = v;
    if (v)
        v->FreeNotification(this);
}

void TGsgSpinButton::Notification(ui::TComponent* component, ui::TOperation operation)
{
    ui::TWinControl::Notification(component, operation);
    if (operation == ui::TOperation::opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TGsgSpinButton::SetUpGlyph(const ui::TBitmap* v)
{
    if (v) {
        FUpButton->SetGlyph(v);
    } else {
        FUpButton->SetGlyph(&SpinGlyph(true));
        FUpButton->SetNumGlyphs(1);
    }
}

void TGsgSpinButton::SetDownGlyph(const ui::TBitmap* v)
{
    if (v) {
        FDownButton->SetGlyph(v);
    } else {
        FDownButton->SetGlyph(&SpinGlyph(false));
        FDownButton->SetNumGlyphs(1);
    }
}

void TGsgSpinButton::SetIsWinXP(bool v)
{
    FIsWinXP = v;
    FUpButton->IsWinXP = v;
    FDownButton->IsWinXP = v;
    Invalidate();
}

void TGsgSpinButton::SetFlat(bool v)
{
    FUpButton->SetFlat(v);
    FDownButton->SetFlat(v);
}

void TGsgSpinButton::SetTransparent(bool v)
{
    FUpButton->SetTransparent(v);
    FDownButton->SetTransparent(v);
}

void TGsgSpinButton::buttonMouseDown(ui::TObject* sender, ui::TMouseButton button)
{
    if (button != ui::TMouseButton::mbLeft)
        return;
    setFocusBtn(static_cast<TGxTimerSpeedButton*>(sender));
    if (FFocusControl && FFocusControl->CanFocus() && FFocusControl->TabStop() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

void TGsgSpinButton::buttonClick(ui::TObject* sender)
{
    if (sender == FUpButton && OnUpClick)
        OnUpClick(this);
    else if (sender == FDownButton && OnDownClick)
        OnDownClick(this);
}

void TGsgSpinButton::setFocusBtn(TGxTimerSpeedButton* button)
{
    if (!TabStop() || !CanFocus() || button == FFocusedButton)
        return;
    FFocusedButton->TimeBtnState &= ~tbFocusRect;
    FFocusedButton = button;
    if (Focused())
        FFocusedButton->TimeBtnState |= tbFocusRect;
    FFocusedButton->Invalidate();
    Invalidate();
}

void TGsgSpinButton::WndProc(ui::TMessage& message)
{
    ui::TWinControl::WndProc(message);
    if (message.Msg == ui::WM_SETFOCUS) {
        FFocusedButton->TimeBtnState |= tbFocusRect;
        FFocusedButton->Invalidate();
    } else if (message.Msg == ui::WM_KILLFOCUS) {
        FFocusedButton->TimeBtnState &= ~tbFocusRect;
        FFocusedButton->Invalidate();
    }
}

void TGsgSpinButton::KeyDown(unsigned& key, ui::TShiftState shift)
{
    ui::TWinControl::KeyDown(key, shift);
    switch (key) {
    case ui::VK_SPACE:
        FFocusedButton->Click();
        break;
    case ui::VK_UP:
        setFocusBtn(FUpButton);
        FUpButton->Click();
        break;
    case ui::VK_DOWN:
        setFocusBtn(FDownButton);
        FDownButton->Click();
        break;
    default:
        break;
    }
}

}  // namespace gx
