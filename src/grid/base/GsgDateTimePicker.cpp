#include "grid/base/GsgDateTimePicker.h"

#include "grid/base/GxStyleIF.h"
#include "platform/ui/Application.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

namespace {

constexpr TColor kThemedFrame = 0xB99D7F;

// Registered when the program starts, as the unit's start-up does.
const unsigned kShiftFocusAtStartup = DTPShiftFocusMessage();

void fill(TCanvas& canvas, const TRect& r, TColor color)
{
    if (r.IsEmpty())
        return;
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(r);
}

void frame(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FrameRect(r);
}

}  // namespace

unsigned DTPShiftFocusMessage()
{
    static const unsigned id = ui::RegisterWindowMessage("DTPShiftFocus");
    return id;
}

// ---------------------------------------------------------------------------------------------
// The shared body

TFlatDateTimePickerBase::TFlatDateTimePickerBase(ui::TComponent* AOwner) : ui::TDateTimePicker(AOwner)
{
    (void)kShiftFocusAtStartup;
    FButtonWidth = ui::TWinControl::ScrollBarSize + 2;
    IsWinXP = IsWinXPOrLater();
    FIsThemed = IsComCtl6OrLater();
}

bool TFlatDateTimePickerBase::themesActive() const
{
    return FIsThemed && ThemesActive();
}

bool TFlatDateTimePickerBase::isActive() const
{
    return FMouseInControl || Focused();
}

void TFlatDateTimePickerBase::SetBorderStyle(ui::TBorderStyle v)
{
    if (v == FBorderStyle)
        return;
    FBorderStyle = v;
    Invalidate();
}

void TFlatDateTimePickerBase::SetBorderColor(TColor v)
{
    if (v == FBorderColor)
        return;
    FBorderColor = v;
    Invalidate();
}

void TFlatDateTimePickerBase::SetMetroStyle(bool v)
{
    if (v == FMetroStyle)
        return;
    FMetroStyle = v;
    Invalidate();
}

void TFlatDateTimePickerBase::MouseEnter()
{
    ui::TDateTimePicker::MouseEnter();
    if (!Enabled() || FMouseInControl)
        return;
    FMouseInControl = true;
    Invalidate();
}

void TFlatDateTimePickerBase::MouseLeave()
{
    ui::TDateTimePicker::MouseLeave();
    if (!FMouseInControl)
        return;
    FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
}

void TFlatDateTimePickerBase::MouseMove(ui::TShiftState shift, int x, int y)
{
    ui::TDateTimePicker::MouseMove(shift, x, y);
    const bool over = Width() - FButtonWidth < x && x < Width();
    if (over != FButtonHover) {
        FButtonHover = over;
        Invalidate();
    }
}

void TFlatDateTimePickerBase::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    FMouseDown = true;
    ui::TDateTimePicker::MouseDown(button, shift, x, y);
}

void TFlatDateTimePickerBase::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    FMouseDown = false;
    ui::TDateTimePicker::MouseUp(button, shift, x, y);
    Invalidate();
}

void TFlatDateTimePickerBase::DoEnter()
{
    FHasFocus = true;
    Invalidate();
    ui::TDateTimePicker::DoEnter();
}

void TFlatDateTimePickerBase::DoExit()
{
    FHasFocus = false;
    Invalidate();
    ui::TDateTimePicker::DoExit();
}

TColor TFlatDateTimePickerBase::frameColor() const
{
    if (FBorderStyle == ui::TBorderStyle::bsNone && Parent())
        return Parent()->Color();
    return FIsThemed ? kThemedFrame : FBorderColor;
}

void TFlatDateTimePickerBase::frameWindow(TCanvas& canvas, TColor color, int inset)
{
    // Left, top, right and bottom lines around the window, inset pixels in.
    const int w = Width(), h = Height();
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetWidth(1);
    canvas.Polyline({{inset, h - inset},
                     {inset, inset},
                     {w - 1 - inset, inset},
                     {w - 1 - inset, h - 1 - inset},
                     {inset, h - 1 - inset}});
}

void TFlatDateTimePickerBase::PaintControl(TCanvas& canvas)
{
    ui::TDateTimePicker::PaintControl(canvas);

    // What the desktop draws in the non-client area.
    if (!Ctl3D() && (!outlineNeedsBorderColor() || FBorderColor != ui::clNone))
        drawFlatOutline(canvas);
    if (!Enabled() && themesActive() && !FDisabledBorder)
        drawControlBorder(canvas);
    if ((FFocusBorderColor != ui::clNone && Focused()) || FBorderColor != ui::clNone)
        drawControlBorder(canvas);

    // Client painting.
    if ((Ctl3D() && !metro()) || !IsVistaOrLater())
        return;
    if (metro() && Kind() != ui::TDateTimeKind::dtkTime) {
        if (IsComCtl6OrLater()) {
            const int right = ClientOrigin().X + ClientWidth();
            if (themesActive())
                fill(canvas, TRect(right - FButtonWidth - themedStripInset(), 1, right, Height()), Color());
            else
                fill(canvas, TRect(right - FButtonWidth - 2, 4, right - 2, Height() - 4), Color());
        }
        drawPickerButton(canvas);
    }
    if (framesClient() && !Ctl3D()) {
        const TColor c = frameColor();
        frameWindow(canvas, c, 0);
        if (!themesActive())
            frameWindow(canvas, c, 1);
    }
    drawControlBorder(canvas);
}

void TFlatDateTimePickerBase::drawPickerButton(TCanvas& canvas)
{
    const int cw = ClientOrigin().X + ClientWidth();
    TRect r = TRect(cw - FButtonWidth + 2, 0, Width(), Height()).Inflate(-1, -1);
    const bool down = FMouseDown;
    if (ButtonColor != ui::clNone) {
        TColor face = ButtonColor;
        if (FButtonHover && ButtonColorHot != ui::clNone)
            face = ButtonColorHot;
        if (FButtonHover && down && ButtonColorDown != ui::clNone)
            face = ButtonColorDown;
        fill(canvas, TRect(r.Left + 2, r.Top, r.Right, r.Bottom), face);
        if (ButtonBorderColor != ui::clNone) {
            canvas.Pen()->SetColor(ButtonBorderColor);
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Left, r.Bottom);
        }
        const TColor glyph = down && ButtonTextColorDown != ui::clNone ? ButtonTextColorDown : ButtonTextColor;
        if (glyph != ui::clNone) {
            canvas.Pen()->SetColor(glyph);
            canvas.Brush()->SetColor(glyph);
            canvas.Polygon({{r.Left + 5, r.Top + 7}, {r.Left + 11, r.Top + 7}, {r.Left + 8, r.Top + 10}});
        }
    } else if (themesActive()) {
        unsigned state = ui::tsNormal;
        if (!Enabled())
            state = ui::tsDisabled;
        else if (down && DroppedDown())
            state = ui::tsPressed;
        else if (!down && FButtonHover && !DroppedDown())
            state = ui::tsHot;
        canvas.DrawThemedPart(ui::TThemedPart::ComboButton, state, r);
    } else {
        canvas.DrawFrameControl(r, ui::DFC_SCROLL,
                                ui::DFCS_SCROLLCOMBOBOX | (Enabled() ? ui::DFCS_FLAT : ui::DFCS_INACTIVE));
    }
}

void TFlatDateTimePickerBase::drawControlBorder(TCanvas& canvas)
{
    if (!metro())
        return;
    if (Enabled() && FBorderColor == ui::clNone && FFocusBorderColor == ui::clNone)
        return;
    TRect r(0, 0, Width(), Height());
    const bool focused = Focused();
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        frame(canvas, r, kThemedFrame);
    } else if (FBorderColor != ui::clNone && !(focused && FFocusBorderColor != ui::clNone)) {
        frame(canvas, r, FBorderColor);
    } else if (FFocusBorderColor != ui::clNone) {
        if (focused)
            frame(canvas, r, FFocusBorderColor);
    } else {
        const bool active = FFocusBorder && isActive();
        const TColor outer = active ? ui::clBtnFace : (Parent() ? Parent()->Color() : ui::clBtnFace);
        if (active) {
            canvas.DrawEdge(r, ui::BDR_SUNKENOUTER, ui::BF_RECT | ui::BF_ADJUST);
            frame(canvas, r, outer);
            frame(canvas, r.Inflate(-1, -1), Color());
        } else {
            frame(canvas, r, outer);
            TRect inner = r.Inflate(-1, -1);
            inner.Right -= FButtonWidth;
            frame(canvas, inner, outer);
            frame(canvas, inner.Inflate(-1, -1), Color());
        }
    }
    if (!(IsWinXP && themesActive()))
        drawButtonFrame(canvas);
}

void TFlatDateTimePickerBase::drawButtonFrame(TCanvas& canvas)
{
    const int cw = ClientOrigin().X + ClientWidth();
    TRect r = TRect(cw - FButtonWidth - 2, 0, Width(), Height()).Inflate(-2, -2);
    if (isActive())
        canvas.DrawEdge(r, ui::EDGE_RAISED, ui::BF_RECT | (DroppedDown() ? ui::BF_FLAT : 0u));
    else
        fill(canvas, r, ui::clBtnFace);
}

void TFlatDateTimePickerBase::drawFlatOutline(TCanvas& canvas)
{
    frameWindow(canvas, frameColor(), 0);
    TColor inner = frameColor();
    if (FBorderStyle == ui::TBorderStyle::bsSingle && Parent())
        inner = Parent()->Color();
    if (FBorderStyle == ui::TBorderStyle::bsNone || Parent()) {
        canvas.Pen()->SetColor(inner);
        canvas.Polyline({{1, Height() - 2}, {1, 1}, {Width() - 1, 1}});
    }
}

// ---------------------------------------------------------------------------------------------
// TGsgDateTimePicker

TGsgDateTimePicker::TGsgDateTimePicker(ui::TComponent* AOwner) : TFlatDateTimePickerBase(AOwner)
{
    SetBorderStyle(ui::TBorderStyle::bsSingle);
    SetCtl3D(true);
    // The border-style field is then set directly: the picker starts without its own border.
    FBorderStyle = ui::TBorderStyle::bsNone;
    FBorderColor = ui::clNone;
}

bool TGsgDateTimePicker::metro() const
{
    return MetroStyle() && !(ComponentState() & ui::csDesigning);
}

// ---------------------------------------------------------------------------------------------
// TCustomDateTimePicker

TCustomDateTimePicker::TCustomDateTimePicker(ui::TComponent* AOwner) : TFlatDateTimePickerBase(AOwner)
{
    SetCtl3D(false);
    FBorderStyle = ui::TBorderStyle::bsNone;
    FBorderColor = ui::clBlack;
}

bool TCustomDateTimePicker::metro() const
{
    return MetroStyle() && !SuppressFlatBorder();
}

void TCustomDateTimePicker::SetAutoTab(bool v)
{
    FAutoTab = v;
}

void TCustomDateTimePicker::KeyPress(char32_t& key)
{
    const bool digit = key >= U'0' && key <= U'9';
    if (digit && FAutoTab && Kind() == ui::TDateTimeKind::dtkTime)
        rtl::DecodeTime(DateTime(), Fh, Fm, Fs, Fms);
    TFlatDateTimePickerBase::KeyPress(key);
    // The picker types the digit after this handler; the posted message runs after that.
    if (digit && FAutoTab)
        ui::PostMessage(this, DTPShiftFocusMessage());
}

void TCustomDateTimePicker::WndProc(ui::TMessage& message)
{
    if (message.Msg == DTPShiftFocusMessage())
        AutoTabField();
    TFlatDateTimePickerBase::WndProc(message);
}

void TCustomDateTimePicker::AutoTabField()
{
    if (Kind() != ui::TDateTimeKind::dtkTime)
        return;
    int h = 0, m = 0, s = 0, ms = 0;
    rtl::DecodeTime(DateTime(), h, m, s, ms);
    if (h != Fh || m != Fm || s != Fs)
        ui::PostMessage(this, ui::WM_KEYDOWN, ui::VK_RIGHT);
}

}  // namespace gx
