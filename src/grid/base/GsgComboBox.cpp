#include "grid/base/GsgComboBox.h"

#include "grid/base/GxStyleIF.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TextLayout.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

namespace {

constexpr TColor kThemedDisabledBorder = 0xB99D7F;

void frame(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FrameRect(r);
}

void fillRect(TCanvas& canvas, const TRect& r, TColor color)
{
    if (r.IsEmpty())
        return;
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(r);
}

}  // namespace

void PlaceControlLabel(ui::TLabel& Label, const ui::TControl& Control, TLabelPosition Position, int Margin)
{
    ui::TCanvas measure;
    measure.Font()->Assign(*Label.Font());
    int underline = -1;
    const int t = measure.TextWidth(ui::StripPrefix(Label.Caption(), underline));
    const int left = Control.Left(), top = Control.Top();
    const int width = Control.Width(), height = Control.Height();
    const int h = Label.Height(), w = Label.Width();
    int lt = top, ll = left;
    using P = TLabelPosition;
    switch (Position) {
    case P::lpLeftTop:
        lt = top;
        ll = left - t - Margin;
        break;
    case P::lpLeftCenter:
        lt = top + (height - h) / 2;
        ll = left - t - Margin;
        break;
    case P::lpLeftBottom:
        lt = top + height - h;
        ll = left - t - Margin;
        break;
    case P::lpTopLeft:
        lt = top - h - Margin;
        ll = left;
        break;
    case P::lpBottomLeft:
        lt = top + height + Margin;
        ll = left;
        break;
    case P::lpLeftTopLeft:
        lt = top;
        ll = left - Margin;
        break;
    case P::lpLeftCenterLeft:
        lt = top + (height - h) / 2;
        ll = left - Margin;
        break;
    case P::lpLeftBottomLeft:
        lt = top + height - h;
        ll = left - Margin;
        break;
    case P::lpTopCenter:
        lt = top - h - Margin;
        ll = left + (width - w) / 2;
        break;
    case P::lpBottomCenter:
        lt = top + height + Margin;
        ll = left + (width - w) / 2;
        break;
    case P::lpRightTop:
        lt = top;
        ll = left + width + Margin;
        break;
    case P::lpRightCenter:
        lt = top + (height - h) / 2;
        ll = left + width + Margin;
        break;
    case P::lpRighBottom:
        lt = top + height - h;
        ll = left + width + Margin;
        break;
    }
    Label.SetBounds(ll, lt, Label.Width(), Label.Height());
}

TGsgCustomCombo::TGsgCustomCombo(ui::TComponent* AOwner)
    : ui::TComboBox(AOwner), FLabelFont(std::make_unique<ui::TFont>())
{
    FButtonWidth = ui::TWinControl::ScrollBarSize + 2;
    FIsThemed = IsComCtl6OrLater();
    ui::TComboBox::SetColor(ui::clWindow);
    FLabelFont->OnChange = [this](ui::TObject*) {
        if (FLabel && !FLabel->ParentFont())
            FLabel->Font()->Assign(*FLabelFont);
        placeLabel();
    };
}

TGsgCustomCombo::~TGsgCustomCombo()
{
    MarkDestroying();
    FLabelFont->OnChange = nullptr;
    // The label is owned by the combo and goes with it.
}

bool TGsgCustomCombo::themesActive() const
{
    return FIsThemed && ThemesActive();
}

bool TGsgCustomCombo::isActive() const
{
    if (ComponentState() & ui::csDesigning)
        return Enabled();
    return FMouseInControl || Focused();
}

bool TGsgCustomCombo::focusBorderActive() const
{
    return !(ComponentState() & ui::csDesigning) && isActive() && FFocusBorder;
}

TColor TGsgCustomCombo::parentColor() const
{
    return Parent() ? Parent()->Color() : ui::clBtnFace;
}

void TGsgCustomCombo::SetColor(TColor v)
{
    if (Loading())
        FLoadedColor = v;
    ui::TComboBox::SetColor(v);
}

void TGsgCustomCombo::SetBorderColor(TColor v)
{
    FBorderColor = v;
    Invalidate();
}

void TGsgCustomCombo::SetButtonWidth(int v)
{
    if (v < 14 || v > 32)
        return;
    FButtonWidth = v;
    Invalidate();
}

void TGsgCustomCombo::SetDropWidth(int v)
{
    FDropWidth = v;
    if (v > 0)
        Perform(ui::CB_SETDROPPEDWIDTH, static_cast<std::uintptr_t>(v));
}

void TGsgCustomCombo::SetEtched(bool v)
{
    FEtched = v;
    Invalidate();
}

void TGsgCustomCombo::SetFlat(bool v)
{
    if (FFlat == v)
        return;
    FFlat = v;
    if (FFlatParentColor && FFlat) {
        if (Parent())
            ui::TComboBox::SetColor(Parent()->Color());
    } else {
        ui::TComboBox::SetColor(FLoadedColor);
    }
    Invalidate();
}

void TGsgCustomCombo::SetFlatLineColor(TColor v)
{
    FFlatLineColor = v;
    Invalidate();
}

void TGsgCustomCombo::SetFlatParentColor(bool v)
{
    FFlatParentColor = v;
    Invalidate();
}

const std::string& TGsgCustomCombo::LabelCaption() const
{
    static const std::string empty;
    return FLabel ? FLabel->Caption() : empty;
}

void TGsgCustomCombo::SetLabelCaption(const std::string& v)
{
    if (!FLabel) {
        FLabel = new ui::TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->Font()->Assign(*FLabelFont);
        FLabel->SetParentFont(ParentFont());
        FreeNotification(FLabel);
    }
    FLabel->SetCaption(v);
    placeLabel();
}

void TGsgCustomCombo::SetLabelPosition(TLabelPosition v)
{
    FLabelPosition = v;
    placeLabel();
}

void TGsgCustomCombo::SetLabelMargin(int v)
{
    FLabelMargin = v;
    placeLabel();
}

void TGsgCustomCombo::SetLabelTransparent(bool v)
{
    FLabelTransparent = v;
    placeLabel();
}

void TGsgCustomCombo::SetLabelAlwaysEnabled(bool v)
{
    FLabelAlwaysEnabled = v;
    if (FLabel && v)
        FLabel->SetEnabled(true);
    placeLabel();
}

void TGsgCustomCombo::placeLabel()
{
    if (!FLabel || Destroying())
        return;
    if (FLabel->Parent() != Parent())
        FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    if (!FLabel->ParentFont())
        FLabel->Font()->Assign(*FLabelFont);
    PlaceControlLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
    FLabel->SetVisible(Visible());
}

void TGsgCustomCombo::setLabelBold(bool bold)
{
    if (!FLabel)
        return;
    const auto style = FLabel->Font()->Style();
    FLabel->Font()->SetStyle(bold ? (style | ui::fsBold) : (style & ~ui::fsBold));
}

void TGsgCustomCombo::SelectItem(const std::string& Text)
{
    const int i = Items()->IndexOf(Text);
    if (i >= 0)
        SetItemIndex(i);
}

void TGsgCustomCombo::Init()
{
    FNormalColor = Color();
}

void TGsgCustomCombo::Loaded()
{
    ui::TComboBox::Loaded();
    if (FDropWidth > 0)
        SetDropWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!FFlatParentColor || FFlat)
        ui::TComboBox::SetColor(FLoadedColor);
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
    if (FLabel && ParentFont())
        FLabel->Font()->Assign(*Font());
    placeLabel();
    Init();
}

void TGsgCustomCombo::Notification(ui::TComponent* component, ui::TOperation operation)
{
    ui::TComboBox::Notification(component, operation);
    if (operation == ui::TOperation::opRemove && component == FLabel)
        FLabel = nullptr;
}

void TGsgCustomCombo::SetBounds(int left, int top, int width, int height)
{
    ui::TComboBox::SetBounds(left, top, width, height);
    if (!Destroying())
        placeLabel();
}

void TGsgCustomCombo::SetEnabled(bool v)
{
    const bool changed = v != Enabled();
    ui::TComboBox::SetEnabled(v);
    if (!changed || Loading() || (ComponentState() & ui::csDesigning))
        return;
    if (FLabel && !FLabelAlwaysEnabled) {
        FLabel->SetEnabled(v);
        placeLabel();
    }
}

void TGsgCustomCombo::EnabledChanged()
{
    ui::TComboBox::EnabledChanged();
    if (!FFlat || Loading())
        return;
    if (!Enabled()) {
        FOldParentColor = ParentColor();
        FOldColor = Color();
        SetParentColor(true);
    } else {
        SetParentColor(FOldParentColor);
        ui::TComboBox::SetColor(FOldColor);
    }
}

void TGsgCustomCombo::SetVisible(bool v)
{
    ui::TComboBox::SetVisible(v);
    if (FLabel)
        FLabel->SetVisible(v);
}

void TGsgCustomCombo::FontChanged()
{
    ui::TComboBox::FontChanged();
    if (FLabel && ParentFont()) {
        FLabel->Font()->Assign(*Font());
        placeLabel();
    }
}

void TGsgCustomCombo::DoEnter()
{
    if (!(ComponentState() & ui::csDesigning)) {
        FHasFocus = true;
        Invalidate();
        if (FFocusColor != ui::clNone)
            SetColor(FFocusColor);
        if (FFocusLabel)
            setLabelBold(true);
    }
    ui::TComboBox::DoEnter();
}

void TGsgCustomCombo::DoExit()
{
    if (!(ComponentState() & ui::csDesigning)) {
        FHasFocus = false;
        Invalidate();
        if (FFocusColor != ui::clNone && FNormalColor != ui::clNone)
            SetColor(FNormalColor);
        if (FFocusLabel)
            setLabelBold(false);
    }
    ui::TComboBox::DoExit();
}

void TGsgCustomCombo::FocusIn()
{
    ui::TComboBox::FocusIn();
    if (FFocusBorderColor != ui::clNone)
        Invalidate();
    if (FFocusColor != ui::clNone)
        ui::TComboBox::SetColor(FFocusColor);
    if (FFocusLabel)
        setLabelBold(true);
}

void TGsgCustomCombo::FocusOut()
{
    ui::TComboBox::FocusOut();
    if (FFocusColor != ui::clNone && FNormalColor != ui::clNone)
        ui::TComboBox::SetColor(FNormalColor);
    if (FFocusLabel)
        setLabelBold(false);
    Invalidate();
}

void TGsgCustomCombo::MouseEnter()
{
    ui::TComboBox::MouseEnter();
    if (FMouseInControl || !Enabled())
        return;
    FMouseInControl = true;
    Invalidate();
    if (FAutoFocus && !(ComponentState() & ui::csDesigning)) {
        ui::TCustomForm* form = ParentForm();
        const ui::TScreen* screen = ui::GetScreen();
        if ((!form || (screen && screen->ActiveForm() == form)) && CanFocus())
            SetFocus();
    }
    if (IsWinXP)
        Invalidate();
}

void TGsgCustomCombo::MouseLeave()
{
    ui::TComboBox::MouseLeave();
    if (!FMouseInControl || !Enabled())
        return;
    FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
    if (IsWinXP)
        Invalidate();
}

void TGsgCustomCombo::MouseMove(ui::TShiftState shift, int x, int y)
{
    ui::TComboBox::MouseMove(shift, x, y);
    const bool over = Width() - FButtonWidth < x && x < Width();
    if (over != FButtonHover) {
        FButtonHover = over;
        Invalidate();
    }
}

void TGsgCustomCombo::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    FMouseDown = true;
    ui::TComboBox::MouseDown(button, shift, x, y);
}

void TGsgCustomCombo::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    FMouseDown = false;
    ui::TComboBox::MouseUp(button, shift, x, y);
}

void TGsgCustomCombo::WndProc(ui::TMessage& message)
{
    ui::TComboBox::WndProc(message);
    if (message.Msg != ui::CN_COMMAND)
        return;
    const unsigned code = ui::HiWord(message.WParam);
    if (code == ui::CBN_DROPDOWN || code == ui::CBN_CLOSEUP)
        Invalidate();
    if (code == ui::CBN_CLOSEUP && OnDropUp)
        OnDropUp(this);
}

bool TGsgCustomCombo::customPaint() const
{
    return FFlat || ButtonColor != ui::clNone || FBorderColor != ui::clNone ||
           (FFocusBorderColor != ui::clNone && Focused()) || (!Enabled() && themesActive() && !FDisabledBorder);
}

bool TGsgCustomCombo::ncBorderWanted() const
{
    return FFlat || (!Enabled() && themesActive() && !FDisabledBorder) ||
           (FFocusBorderColor != ui::clNone && Focused()) || FBorderColor != ui::clNone;
}

void TGsgCustomCombo::PaintControl(TCanvas& canvas)
{
    const bool custom = !(IsVista && ButtonColor == ui::clNone) && customPaint();
    if (!custom) {
        ui::TComboBox::PaintControl(canvas);
    } else {
        const TRect client = ClientRect();
        if (Style() != ui::TComboBoxStyle::csSimple) {
            fillRect(canvas, client, Color());
            drawButton(canvas);
        }
        // The framework paints the content; the button strip is kept out of its reach.
        const bool hadClip = canvas.HasClip();
        const TRect oldClip = canvas.ClipRectRaw();
        canvas.IntersectClipRect(TRect(0, 0, client.Width() - FButtonWidth - 4, client.Height()));
        ui::TComboBox::PaintControl(canvas);
        if (hadClip)
            canvas.SetClipRect(oldClip);
        else
            canvas.ResetClip();
    }
    // Custom painting ends with the border; otherwise only the non-client cases draw it.
    if (custom || ncBorderWanted())
        drawBorder(canvas);
}

void TGsgCustomCombo::drawButton(TCanvas& canvas)
{
    const int cw = ClientWidth();
    TRect r(cw - FButtonWidth + 2, 0, Width(), Height());
    r = r.Inflate(-1, -1);
    const bool down = FMouseDown;
    if (ButtonColor != ui::clNone) {
        TColor face = ButtonColor;
        if (FButtonHover && ButtonColorHot != ui::clNone)
            face = ButtonColorHot;
        if (FButtonHover && down && ButtonColorDown != ui::clNone)
            face = ButtonColorDown;
        r = TRect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        fillRect(canvas, r, face);
        if (ButtonBorderColor != ui::clNone) {
            canvas.Pen()->SetColor(ButtonBorderColor);
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Left, r.Bottom);
        }
        const TColor glyph = down && ButtonTextColorDown != ui::clNone ? ButtonTextColorDown : ButtonTextColor;
        if (glyph != ui::clNone) {
            canvas.Pen()->SetColor(glyph);
            canvas.Brush()->SetColor(glyph);
            canvas.Polygon({{r.Left + 4, r.Top + 7}, {r.Left + 10, r.Top + 7}, {r.Left + 7, r.Top + 10}});
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
        r = TRect(r.Left - 4, r.Top + 1, r.Right, r.Bottom - 1);
        canvas.DrawFrameControl(r, ui::DFC_SCROLL,
                                ui::DFCS_SCROLLCOMBOBOX | (Enabled() ? ui::DFCS_FLAT : ui::DFCS_INACTIVE));
    }
}

void TGsgCustomCombo::drawBorder(TCanvas& canvas)
{
    if ((Enabled() && !FFlat && FBorderColor == ui::clNone && FFocusBorderColor == ui::clNone) ||
        (IsVista && FBorderColor == ui::clNone))
        return;
    TRect r(0, 0, Width(), Height());
    const bool focused = Focused();
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        frame(canvas, r, kThemedDisabledBorder);
    } else if (FBorderColor != ui::clNone && !(focused && FFocusBorderColor != ui::clNone)) {
        frame(canvas, r, FBorderColor);
    } else if (FFocusBorderColor != ui::clNone) {
        if (focused)
            frame(canvas, r, FFocusBorderColor);
    } else {
        const bool active = focusBorderActive();
        const TColor outer = active ? ui::clBtnFace : parentColor();
        const TColor inner = Color();
        if (active) {
            canvas.DrawEdge(r, ui::BDR_SUNKENOUTER, ui::BF_RECT | ui::BF_ADJUST);
            frame(canvas, r, outer);
            r = r.Inflate(-1, -1);
            frame(canvas, r, inner);
        } else {
            frame(canvas, r, outer);
            r = r.Inflate(-1, -1);
            r.Right -= FButtonWidth;
            frame(canvas, r, outer);
            r = r.Inflate(-1, -1);
            frame(canvas, r, inner);
            r.Right += FButtonWidth;
        }
        if (FFlat && FFlatLineColor != ui::clNone) {
            canvas.Pen()->SetColor(FFlatLineColor);
            canvas.Pen()->SetWidth(1);
            canvas.MoveTo(r.Left - 2, Height() - 1);
            canvas.LineTo(r.Right - FButtonWidth - 1, Height() - 1);
        }
    }
    if (Style() != ui::TComboBoxStyle::csSimple && !(IsWinXP && themesActive()))
        drawButtonFrame(canvas);
}

void TGsgCustomCombo::drawButtonFrame(TCanvas& canvas)
{
    if (isActive())
        return;
    // A ring in the button-face colour around the button; the button itself is left alone.
    const int cw = ClientWidth(), ch = ClientHeight();
    TRect r(cw - FButtonWidth - 2, 0, Width(), Height());
    r = r.Inflate(-2, -2);
    r = TRect(r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1);
    const TRect keep(cw - FButtonWidth + 4, 4, cw - 4, ch - 4);
    fillRect(canvas, TRect(r.Left, r.Top, r.Right, keep.Top), ui::clBtnFace);
    fillRect(canvas, TRect(r.Left, keep.Bottom, r.Right, r.Bottom), ui::clBtnFace);
    fillRect(canvas, TRect(r.Left, keep.Top, keep.Left, keep.Bottom), ui::clBtnFace);
    fillRect(canvas, TRect(keep.Right, keep.Top, r.Right, keep.Bottom), ui::clBtnFace);
}

}  // namespace gx
