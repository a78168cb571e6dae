#include "grid/base/GxGridButton.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "grid/base/GxStyleIF.h"
#include "platform/ui/Messages.h"

namespace gx {

using ui::TBrushStyle;
using ui::TCanvas;
using ui::TColor;
using ui::TRect;

namespace {

constexpr int kDropDownWidth = 12;
// The look switched by the office colour scheme messages while AutoThemeAdapt is on.
constexpr unsigned kThemeChangeMessage = 0xB035;

struct LookColours {
    TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
    bool rounded;
};

// Colour schemes 0..6; 0x56ADFF is the decimal 5615103 of the checked end colour.
constexpr std::array<LookColours, 7> kLooks{{
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, ui::clNone, 0xAF987A, 0xC3CECE, true},
    {ui::clBtnFace, ui::clNone, 0xEED2C1, ui::clNone, 0xE2B598, ui::clNone, 0xE8E6E1, ui::clNone, 0xC56A31, 0xC56A31,
     false},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55AEFF, 0x000000, 0x000000, false},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55AEFF, 0x000000, 0x000000, false},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55AEFF, 0x000000, 0x000000, false},
    {ui::clBtnFace, ui::clNone, ui::clBtnFace, ui::clNone, 0xD8D3D2, ui::clNone, 0xCAC7C7, ui::clNone, ui::clNone,
     ui::clNone, false},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, ui::clGray, ui::clGray, false},
}};

void setBrush(TCanvas& c, TColor color)
{
    c.Brush()->SetColor(color);
    c.Brush()->SetStyle(color == ui::clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

int component(TColor c, int shift)
{
    return static_cast<int>((ui::ColorToRGB(c) >> shift) & 0xFF);
}

}  // namespace

TGxGridButton::TGxGridButton(ui::TComponent* AOwner) : ui::TGraphicControl(AOwner)
{
    SetBounds(0, 0, 23, 22);
    SetColor(ui::clBtnFace);
    // The button decides itself when a release clicks (not on the drop-down part).
    controlStyle_ &= ~ui::csClickEvents;
}

TGxGridButton::~TGxGridButton() = default;

void TGxGridButton::Notification(ui::TComponent* Component, ui::TOperation Operation)
{
    if (Operation == ui::TOperation::opRemove && Component == DropDownMenu)
        DropDownMenu = nullptr;
    ui::TGraphicControl::Notification(Component, Operation);
}

void TGxGridButton::SetState(TGxButtonState s)
{
    if (state_ == s)
        return;
    state_ = s;
    Invalidate();
}

void TGxGridButton::SetGroupIndex(int Value)
{
    groupIndex_ = Value;
    if (down_)
        RaiseGroup();
}

void TGxGridButton::SetStyle(TGxButtonStyle Value)
{
    style_ = Value;
    Invalidate();
}

void TGxGridButton::SetDown(bool Value)
{
    if (groupIndex_ == 0 && style_ == TGxButtonStyle::tasButton)
        Value = false;
    if (style_ == TGxButtonStyle::tasCheck) {
        down_ = Value;
        Invalidate();
        return;
    }
    if (Value == down_ || (down_ && !AllowAllUp))
        return;
    down_ = Value;
    if (Value) {
        if (state_ == TGxButtonState::bsUp)
            Invalidate();
        state_ = TGxButtonState::bsExclusive;
        RaiseGroup();
    } else {
        SetState(TGxButtonState::bsUp);
    }
}

// The other down buttons of the group on the same parent go up and take this one's AllowAllUp.
void TGxGridButton::RaiseGroup()
{
    if (!Parent() || groupIndex_ == 0 || !down_)
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TGxGridButton*>(Parent()->Controls(i));
        if (!other || other == this || other->groupIndex_ != groupIndex_)
            continue;
        if (other->down_) {
            other->down_ = false;
            other->state_ = TGxButtonState::bsUp;
            other->Invalidate();
        }
        other->AllowAllUp = AllowAllUp;
    }
}

void TGxGridButton::SetLook(int Value)
{
    if (Value < 0 || Value >= static_cast<int>(kLooks.size()))
        return;
    look_ = Value;
    const LookColours& l = kLooks[static_cast<std::size_t>(Value)];
    SetColor(l.color);
    ColorTo = l.colorTo;
    ColorHot = l.hot;
    ColorHotTo = l.hotTo;
    ColorDown = l.down;
    ColorDownTo = l.downTo;
    ColorChecked = l.checked;
    ColorCheckedTo = l.checkedTo;
    BorderDownColor = l.borderDown;
    BorderHotColor = l.borderHot;
    Rounded = l.rounded;
    BorderColor = ui::clNone;
    Flat = true;
    Invalidate();
}

void TGxGridButton::ThemeAdapt()
{
    // Colour schemes 1 to 3 select the looks 2 to 4; anything else the plain look 1.
    const int scheme = GetXPColorScheme();
    SetLook(scheme >= 1 && scheme <= 3 ? scheme + 1 : 1);
}

void TGxGridButton::SetAutoThemeAdapt(bool Value)
{
    autoThemeAdapt_ = Value;
    if (Value)
        ThemeAdapt();
}

void TGxGridButton::SetGlyph(const ui::TBitmap& Value)
{
    glyph_.Assign(Value);
    if (GlyphDisabled.Empty() && !glyph_.Empty()) {
        GlyphDisabled.Assign(glyph_);
        for (int y = 0; y < glyph_.Height(); ++y)
            for (int x = 0; x < glyph_.Width(); ++x) {
                const TColor p = glyph_.Pixel(x, y);
                const int grey = (component(p, 0) + component(p, 8) + component(p, 16)) / 3 / 2 + 96;
                GlyphDisabled.SetPixel(x, y, ui::RGB(grey, grey, grey));
            }
    }
    // The shadow of a hot glyph: its silhouette in grey.
    shadedGlyph_.Assign(glyph_);
    if (!glyph_.Empty()) {
        const TColor key = ui::ColorToRGB(glyph_.Pixel(0, glyph_.Height() - 1));
        for (int y = 0; y < glyph_.Height(); ++y)
            for (int x = 0; x < glyph_.Width(); ++x)
                if (ui::ColorToRGB(glyph_.Pixel(x, y)) != key)
                    shadedGlyph_.SetPixel(x, y, ui::clGray);
        shadedGlyph_.SetTransparent(true);
    }
    Invalidate();
}

void TGxGridButton::EnabledChanged()
{
    ui::TGraphicControl::EnabledChanged();
    if (!Enabled()) {
        dragging_ = false;
        SetState(TGxButtonState::bsDisabled);
    } else {
        SetState(down_ && groupIndex_ ? TGxButtonState::bsExclusive : TGxButtonState::bsUp);
    }
}

void TGxGridButton::WndProc(ui::TMessage& Message)
{
    if (autoThemeAdapt_ && (Message.Msg == ui::WM_THEMECHANGED || Message.Msg == kThemeChangeMessage))
        ThemeAdapt();
    if (Message.Msg == ui::CM_DIALOGCHAR && Enabled() && Visible() && Parent() && Parent()->Showing() &&
        ui::IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    ui::TGraphicControl::WndProc(Message);
}

void TGxGridButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != ui::TMouseButton::mbLeft || !Enabled())
        return;
    if ((Shift & ui::ssDouble) && down_) {
        DblClick();
        return;
    }
    if (DropDownButton && X > Width() - kDropDownWidth) {
        SetState(TGxButtonState::bsUp);
        if (OnDropDown)
            OnDropDown(this);
        if (DropDownMenu) {
            const ui::TPoint p = ClientToScreen({0, Height()});
            DropDownMenu->Popup(p.X, p.Y);
        }
        return;
    }
    if (!down_ || style_ == TGxButtonStyle::tasCheck)
        SetState(TGxButtonState::bsDown);
    dragging_ = true;
}

void TGxGridButton::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TGraphicControl::MouseMove(Shift, X, Y);
    if (!dragging_)
        return;
    TGxButtonState s = Inside(X, Y) ? (down_ ? TGxButtonState::bsExclusive : TGxButtonState::bsDown)
                                    : (down_ ? TGxButtonState::bsExclusive : TGxButtonState::bsUp);
    if (style_ == TGxButtonStyle::tasCheck && down_)
        s = TGxButtonState::bsDown;
    SetState(s);
}

void TGxGridButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!dragging_)
        return;
    dragging_ = false;
    const bool inside = Inside(X, Y);
    if (groupIndex_ == 0) {
        SetState(TGxButtonState::bsUp);
        if (style_ == TGxButtonStyle::tasCheck && inside)
            SetDown(!down_);
    } else if (inside) {
        SetDown(!down_);
        SetState(down_ ? TGxButtonState::bsExclusive : TGxButtonState::bsUp);
    } else if (down_) {
        SetState(TGxButtonState::bsExclusive);
    } else {
        SetState(TGxButtonState::bsUp);
    }
    if (inside)
        Click();
}

void TGxGridButton::MouseEnter()
{
    ui::TGraphicControl::MouseEnter();
    if (Enabled())
        Invalidate();
}

void TGxGridButton::MouseLeave()
{
    ui::TGraphicControl::MouseLeave();
    if (!dragging_)
        Invalidate();
}

// A face of 16 bands from `from` to `to` (solid without `to`), outlined when the colour is set.
void TGxGridButton::Fill(TCanvas& c, const TRect& r, TColor from, TColor to, TColor outline)
{
    if (to == ui::clNone) {
        setBrush(c, from);
        c.FillRect(r);
    } else {
        const int h = r.Height();
        for (int i = 0; i < 16; ++i) {
            const auto mix = [&](int shift) {
                const int a = component(from, shift), b = component(to, shift);
                return a + static_cast<int>(std::nearbyint(i * (b - a) / 16.0));
            };
            setBrush(c, ui::RGB(mix(0), mix(8), mix(16)));
            const int top = r.Top + static_cast<int>(std::nearbyint(i * h / 16.0));
            c.FillRect(TRect(r.Left, top, r.Right, std::min(r.Bottom, top + h / 16 + 1)));
        }
    }
    if (outline != ui::clNone && !Rounded) {
        setBrush(c, outline);
        c.FrameRect(r);
    }
}

void TGxGridButton::PaintFace(TCanvas& c, TRect& face)
{
    const bool hot = MouseInControl() && Enabled() && state_ != TGxButtonState::bsDisabled;
    const bool checkedLook = style_ == TGxButtonStyle::tasCheck && down_;
    TColor outline = BorderColor;
    if (!Flat) {
        const bool pressed = state_ == TGxButtonState::bsDown || state_ == TGxButtonState::bsExclusive;
        if (AutoXPStyle && ThemesActive())
            c.DrawThemedPart(ui::TThemedPart::PushButton, pressed ? ui::tsPressed : (hot ? ui::tsHot : ui::tsNormal),
                             face);
        else
            c.DrawFrameControl(face, ui::DFC_BUTTON, ui::DFCS_BUTTONPUSH | (pressed ? ui::DFCS_PUSHED : 0));
        return;
    }
    if (BorderDownColor == ui::clNone || Rounded)
        face = face.Inflate(-1, -1);
    if (!hot) {
        if (checkedLook) {
            outline = BorderDownColor;
            Fill(c, face, ColorChecked, ColorCheckedTo, outline);
        } else {
            outline = down_ ? BorderDownColor : BorderColor;
            Fill(c, face, Color(), ColorTo, outline);
        }
    } else if (state_ == TGxButtonState::bsDown && !checkedLook) {
        outline = BorderDownColor;
        Fill(c, face, ColorDown, ColorDownTo, outline);
    } else if (checkedLook) {
        outline = BorderDownColor;
        Fill(c, face, ColorChecked, ColorCheckedTo, outline);
    } else {
        outline = BorderHotColor;
        Fill(c, face, ColorHot, ColorHotTo, outline);
    }
    if (Rounded && outline != ui::clNone) {
        c.Pen()->SetColor(outline);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        const TRect r = face.Inflate(1, 1);
        c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
    }
    if (hot && DropDownButton && outline != ui::clNone) {
        c.Pen()->SetColor(outline);
        c.MoveTo(face.Right - kDropDownWidth, face.Top);
        c.LineTo(face.Right - kDropDownWidth, face.Bottom);
    }
}

// Where glyph and caption go in the content area, by Layout, Margin and Spacing.
void TGxGridButton::PlaceContent(const TRect& area, ui::TSize glyph, ui::TSize text, ui::TPoint& glyphAt,
                                 ui::TPoint& textAt) const
{
    const int gw = glyph.cx, gh = glyph.cy, tw = text.cx, th = text.cy;
    const bool horizontal = Layout == TGxButtonLayout::blGlyphLeft || Layout == TGxButtonLayout::blGlyphRight;
    const int extent = horizontal ? area.Width() : area.Height();
    const int glyphSize = horizontal ? gw : gh, textSize = horizontal ? tw : th;
    int spacing = glyphSize == 0 || textSize == 0 ? 0 : Spacing;
    int margin = Margin;
    if (margin == -1) {
        if (spacing == -1)
            margin = spacing = (extent - glyphSize - textSize) / 3;
        else
            margin = (extent - glyphSize - spacing - textSize + 1) / 2;
    } else if (spacing == -1) {
        spacing = (extent - margin - glyphSize - textSize) / 2;
    }
    if (horizontal) {
        glyphAt.Y = area.Top + (area.Height() - gh + 1) / 2;
        textAt.Y = area.Top + (area.Height() - th + 1) / 2;
        const bool left = Layout == TGxButtonLayout::blGlyphLeft;
        glyphAt.X = left ? area.Left + margin : area.Right - margin - gw;
        textAt.X = left ? glyphAt.X + gw + spacing : glyphAt.X - spacing - tw;
    } else {
        glyphAt.X = area.Left + (area.Width() - gw + 1) / 2;
        textAt.X = area.Left + (area.Width() - tw + 1) / 2;
        const bool top = Layout == TGxButtonLayout::blGlyphTop;
        glyphAt.Y = top ? area.Top + margin : area.Bottom - margin - gh;
        textAt.Y = top ? glyphAt.Y + gh + spacing : glyphAt.Y - spacing - th;
    }
}

void TGxGridButton::PaintContent(TCanvas& c, TRect area)
{
    const bool pressed = state_ == TGxButtonState::bsDown || state_ == TGxButtonState::bsExclusive;
    const bool hot = MouseInControl() && Enabled();
    if (pressed && !Flat)
        area = area.Offset(1, 1);
    else if (Flat && Shaded && hot && !pressed && Enabled())
        area = area.Offset(-1, -1);
    if (DropDownButton) {
        const int x = Width() - 8, y = Height() / 2;
        c.Pen()->SetColor(Font()->Color());
        setBrush(c, Font()->Color());
        c.Polygon({{x - 2, y - 1}, {x + 2, y - 1}, {x, y + 1}});
        area.Right = Width() - kDropDownWidth;
    }

    const ui::TBitmap* glyph = &glyph_;
    if (!Enabled() && !GlyphDisabled.Empty())
        glyph = &GlyphDisabled;
    else if (pressed && !GlyphDown.Empty())
        glyph = &GlyphDown;
    else if (hot && !GlyphHot.Empty())
        glyph = &GlyphHot;
    const int gw = glyph->Empty() ? 0 : glyph->Width(), gh = glyph->Empty() ? 0 : glyph->Height();
    c.Font()->Assign(*Font());
    TRect textBox(0, 0, area.Width(), 0);
    if (ShowCaption && !Caption().empty())
        c.DrawText(Caption(), textBox, ui::DT_CALCRECT | ui::DT_CENTER | ui::DT_WORDBREAK);
    const int tw = Caption().empty() ? 0 : textBox.Width(), th = Caption().empty() ? 0 : textBox.Height();

    ui::TPoint glyphAt, textAt;
    PlaceContent(area, {gw, gh}, {tw, th}, glyphAt, textAt);
    if (Caption().empty())
        glyphAt = {area.Left, area.Top};

    if (!glyph->Empty()) {
        if (Shaded && hot && !pressed && Enabled() && glyph == &glyph_)
            c.Draw(glyphAt.X + 2, glyphAt.Y + 2, &shadedGlyph_);
        ui::TBitmap transparent;
        transparent.Assign(*glyph);
        transparent.SetTransparent(true);
        c.Draw(glyphAt.X, glyphAt.Y, &transparent);
    }
    if (ShowCaption && !Caption().empty()) {
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        TRect r(textAt.X, textAt.Y, textAt.X + tw, textAt.Y + th);
        if (!Enabled()) {
            c.Font()->SetColor(ui::clBtnHighlight);
            TRect shadow = r.Offset(1, 1);
            c.DrawText(Caption(), shadow, ui::DT_CENTER | ui::DT_WORDBREAK);
            c.Font()->SetColor(ui::clBtnShadow);
        }
        c.DrawText(Caption(), r, ui::DT_CENTER | ui::DT_WORDBREAK);
    }
}

void TGxGridButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect face = ClientRect();
    PaintFace(c, face);
    PaintContent(c, face);
}

}  // namespace gx
