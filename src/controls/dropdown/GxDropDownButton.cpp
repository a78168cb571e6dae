#include "controls/dropdown/GxDropDownButton.h"

#include "controls/dropdown/GxDropDownDraw.h"
#include "grid/base/GxStyleIF.h"

namespace dropdown {

using namespace ui;

namespace {

// The arrow of the drop-down look: a filled triangle 7 pixels wide and 3 high, not centred.
void DrawArrow(TCanvas& C, TColor color)
{
    C.Pen()->SetStyle(TPenStyle::psSolid);
    C.Pen()->SetWidth(1);
    C.Pen()->SetColor(color);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(color);
    C.Polygon({{5, 7}, {11, 7}, {8, 10}});
}

}  // namespace

TGxDropDownSpeedButton::TGxDropDownSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    controlStyle_ |= csCaptureMouse | csClickEvents;
}

TDropDownEditButton* TGxDropDownSpeedButton::Holder() const
{
    return dynamic_cast<TDropDownEditButton*>(Owner());
}

void TGxDropDownSpeedButton::SetButtonStyle(TButtonStyle Value)
{
    FButtonStyle = Value;
    Invalidate();
}

void TGxDropDownSpeedButton::SetEtched(bool Value)
{
    if (FEtched == Value)
        return;
    FEtched = Value;
    Invalidate();
}

void TGxDropDownSpeedButton::SetFocused(bool Value)
{
    if (FFocused == Value)
        return;
    FFocused = Value;
    Invalidate();
}

void TGxDropDownSpeedButton::SetFlat(bool Value)
{
    FFlat = Value;
    Invalidate();
}

void TGxDropDownSpeedButton::SetGlyph(const TBitmap* Value)
{
    if (Value)
        FGlyph->Assign(*Value);
    else
        FGlyph->SetSize(0, 0);
    Invalidate();
}

bool TGxDropDownSpeedButton::Pressed() const
{
    return (FState == TSpeedButtonState::bsDown || FState == TSpeedButtonState::bsExclusive) && !FUp;
}

unsigned TGxDropDownSpeedButton::ThemeState() const
{
    if (!Enabled())
        return tsDisabled;
    if (Pressed())
        return tsPressed;
    if (FHot)
        return tsHot;
    return tsNormal;
}

void TGxDropDownSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft && Enabled()) {
        FState = TSpeedButtonState::bsDown;
        Invalidate();
    }
}

void TGxDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (FState == TSpeedButtonState::bsDown) {
        FState = TSpeedButtonState::bsUp;
        Invalidate();
    }
    TDropDownEditButton* holder = Holder();
    if (holder && ClientRect().Contains({X, Y}))
        holder->ButtonMouseUp(Button);
}

void TGxDropDownSpeedButton::MouseEnter()
{
    TGraphicControl::MouseEnter();
    FHot = true;
    Invalidate();
}

void TGxDropDownSpeedButton::MouseLeave()
{
    TGraphicControl::MouseLeave();
    FHot = false;
    Invalidate();
}

void TGxDropDownSpeedButton::PaintPlainButton(TCanvas& C)
{
    // The framework's own button face: raised, sunken while pressed.
    TRect r = ClientRect();
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(clBtnFace);
    C.FillRect(r);
    C.DrawEdge(r, Pressed() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

void TGxDropDownSpeedButton::PaintDropDownStyle(TCanvas& C)
{
    const int w = Width(), h = Height();
    TDropDownEditButton* holder = Holder();
    auto* host = holder ? dynamic_cast<IDropDownButtonHost*>(holder->Owner()) : nullptr;
    if (holder && holder->FButtonColor != clNone) {
        TColor face = holder->FButtonColor;
        if (FHot)
            face = holder->FButtonColorHot;
        if (Pressed())
            face = holder->FButtonColorDown;
        C.Pen()->SetColor(face);
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(face);
        C.FillRect(ClientRect());
        C.Pen()->SetColor(host ? host->ButtonBorderColor() : clNone);
        if (C.Pen()->Color() != clNone) {
            C.MoveTo(0, 0);
            C.LineTo(0, h);
        }
        TColor arrow = holder->FButtonTextColor;
        if (FHot)
            arrow = holder->FButtonTextColorHot;
        if (Pressed())
            arrow = holder->FButtonTextColorDown;
        DrawArrow(C, arrow);
        return;
    }
    if (!FGlyph->Empty()) {
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(clBtnFace);
        C.Pen()->SetColor(0x808080);
        C.Rectangle(ClientRect());
        TBitmap glyph;
        glyph.Assign(*FGlyph);
        glyph.SetTransparent(true);
        C.Draw(0, 0, &glyph);
        return;
    }
    SetEnabled(host ? host->ButtonActive() : Enabled());
    if (gx::ThemesActive()) {
        TRect r = ClientRect();
        if (gx::IsVistaOrLater())
            r.Left += 1;
        else
            r = TRect{r.Left + 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
        C.DrawThemedPart(TThemedPart::ComboButton, ThemeState(), r);
        return;
    }
    PaintPlainButton(C);
    C.Pen()->SetColor(clBtnFace);
    C.Polyline({{w - 2, 0}, {0, 0}, {0, h - 1}});
    C.Pen()->SetColor(clWhite);
    C.Polyline({{w - 3, 1}, {1, 1}, {1, h - 2}});
    DrawArrow(C, clBlack);
}

void TGxDropDownSpeedButton::PaintButtonStyle(TCanvas& C)
{
    TDropDownEditButton* holder = Holder();
    auto* host = holder ? dynamic_cast<IDropDownButtonHost*>(holder->Owner()) : nullptr;
    if (host && host->ButtonFont())
        C.Font()->Assign(*host->ButtonFont());
    const bool down = FState == TSpeedButtonState::bsDown || FState == TSpeedButtonState::bsExclusive;
    const bool hasGlyph = !FGlyph->Empty();
    const std::string& caption = Caption();
    if (gx::ThemesActive()) {
        C.FillRect(ClientRect());
        C.DrawThemedPart(TThemedPart::PushButton, ThemeState(), {0, 0, Width() + 1, Height() + 1});
        TRect r = ClientRect();
        if (hasGlyph) {
            r = r.Inflate(-2, -2);
            if (!caption.empty())
                r.Left += 2;
            else if (FGlyph->Width() < r.Width())
                r.Left += (r.Width() - FGlyph->Width()) / 2;
            if (FGlyph->Height() < r.Height())
                r.Top += (r.Height() - FGlyph->Height()) / 2;
            if (down)
                r = r.Offset(1, 1);
            TBitmap glyph;
            glyph.Assign(*FGlyph);
            glyph.SetTransparent(true);
            C.Draw(r.Left, r.Top, &glyph);
        }
        if (!caption.empty()) {
            C.Brush()->SetStyle(TBrushStyle::bsClear);
            if (!hasGlyph) {
                r = ClientRect().Inflate(-3, -1);
                if (down)
                    r = r.Offset(1, 1);
                C.DrawText(caption, r, DT_CENTER);
            } else {
                r.Left += FGlyph->Width() + 2;
                r.Top -= 1;
                C.DrawText(caption, r, 0);
            }
        }
        return;
    }
    if (FFlat) {
        C.FillRect(ClientRect());
        C.Brush()->SetColor(clBtnFace);
        C.FillRect(ClientRect());
        TRect r{0, 0, Width() + 1, Height() + 1};
        C.DrawEdge(r, (FEtched ? EDGE_ETCHED : EDGE_RAISED), BF_RECT | (down ? BF_FLAT : 0u));
        if (hasGlyph) {
            TRect g = ClientRect().Inflate(-3, -3);
            if (down)
                g = g.Offset(1, 1);
            DrawTransparentGlyph(C, *FGlyph, clBtnFace, g);
        }
        if (!caption.empty()) {
            TRect t = ClientRect().Inflate(-3, -1);
            if (down)
                t = t.Offset(1, 1);
            C.Brush()->SetStyle(TBrushStyle::bsClear);
            C.DrawText(caption, t, DT_CENTER);
        }
        return;
    }
    PaintPlainButton(C);
    if (!caption.empty()) {
        TRect t = ClientRect();
        C.Brush()->SetStyle(TBrushStyle::bsClear);
        C.DrawText(caption, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TGxDropDownSpeedButton::Paint()
{
    if (FButtonStyle == TButtonStyle::bsDropDown)
        PaintDropDownStyle(*Canvas());
    else
        PaintButtonStyle(*Canvas());
}

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    controlStyle_ |= csOpaque;
    controlStyle_ &= ~csAcceptsControls;
    FButton = new TGxDropDownSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetButtonStyle(TButtonStyle::bsDropDown);
    TWinControl::SetBounds(0, 0, 16, 25);
    FButton->SetBounds(0, 0, FBWidth, 25);
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int /*AWidth*/, int AHeight)
{
    // The requested width gives way to FBWidth; the inner button fills the holder.
    TWinControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
    if (FButton)
        FButton->SetBounds(0, 0, FBWidth, AHeight);
}

void TDropDownEditButton::Loaded()
{
    TWinControl::Loaded();
    SetBounds(Left(), Top(), FBWidth, Height());
}

void TDropDownEditButton::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl)
        RemoveFreeNotification(FFocusControl);
    FFocusControl = Value;
    if (FFocusControl)
        FreeNotification(FFocusControl);
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
    if (Operation == TOperation::opRemove && AComponent == FButton)
        FButton = nullptr;
}

void TDropDownEditButton::EnabledChanged()
{
    TWinControl::EnabledChanged();
    if (FButton)
        FButton->SetEnabled(Enabled());
}

void TDropDownEditButton::ButtonMouseUp(TMouseButton Button)
{
    if (Button == TMouseButton::mbLeft && OnClick)
        OnClick(this);
}

}  // namespace dropdown
