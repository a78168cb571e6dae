// The speed button: press, track, release-to-click; glyph strip and caption painting.
#include <algorithm>

#include "platform/ui/Buttons.h"

namespace ui {

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    // The release is judged here (over the button or not), so the framework's own click is off.
    controlStyle_ = csCaptureMouse | csDoubleClicks;
    TControl::SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* v)
{
    if (!v || v->Empty()) {
        glyph_.reset();
    } else {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->Assign(*v);
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int v)
{
    if (v < 1 || v > 4 || v == numGlyphs_)
        return;
    numGlyphs_ = v;
    Invalidate();
}

void TSpeedButton::SetFlat(bool v)
{
    if (v == flat_)
        return;
    flat_ = v;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool v)
{
    if (v == transparent_)
        return;
    transparent_ = v;
    Invalidate();
}

void TSpeedButton::SetDown(bool v)
{
    if (v == down_)
        return;
    down_ = v;
    Invalidate();
}

TButtonState TSpeedButton::State() const
{
    if (!Enabled())
        return TButtonState::bsDisabled;
    if (down_)
        return TButtonState::bsExclusive;
    if (pressed_ && tracking_)
        return TButtonState::bsDown;
    return TButtonState::bsUp;
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    pressed_ = true;
    tracking_ = true;
    Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!pressed_)
        return;
    const bool over = TRect(0, 0, Width(), Height()).Contains({x, y});
    if (over != tracking_) {
        tracking_ = over;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool click = button == TMouseButton::mbLeft && pressed_ && TRect(0, 0, Width(), Height()).Contains({x, y});
    if (button == TMouseButton::mbLeft) {
        pressed_ = false;
        tracking_ = false;
        Invalidate();
    }
    if (click)
        Click();
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::MouseEnter()
{
    TGraphicControl::MouseEnter();
    if (flat_ && Enabled())
        Invalidate();
}

void TSpeedButton::MouseLeave()
{
    TGraphicControl::MouseLeave();
    if (flat_ && Enabled())
        Invalidate();
}

void TSpeedButton::EnabledChanged()
{
    TGraphicControl::EnabledChanged();
    if (!Enabled()) {
        pressed_ = false;
        tracking_ = false;
    }
    Invalidate();
}

void TSpeedButton::TextChanged()
{
    TGraphicControl::TextChanged();
    Invalidate();
}

void TSpeedButton::Paint()
{
    PaintFace(*Canvas());
}

void TSpeedButton::PaintFace(TCanvas& canvas)
{
    TRect r(0, 0, Width(), Height());
    const TButtonState state = State();
    const bool sunken = state == TButtonState::bsDown || state == TButtonState::bsExclusive;
    if (!flat_) {
        canvas.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunken ? DFCS_PUSHED : 0u));
        r = r.Inflate(-2, -2);
    } else {
        if (!transparent_) {
            canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
            canvas.Brush()->SetColor(Color());
            canvas.FillRect(r);
        }
        if (sunken) {
            TRect e = r;
            canvas.DrawEdge(e, BDR_SUNKENOUTER, BF_RECT);
        } else if (MouseInControl() && Enabled()) {
            TRect e = r;
            canvas.DrawEdge(e, BDR_RAISEDINNER, BF_RECT);
        }
        r = r.Inflate(-1, -1);
    }
    PaintGlyph(canvas, r);
}

void TSpeedButton::PaintGlyph(TCanvas& canvas, const TRect& r)
{
    const TButtonState state = State();
    const bool sunken = state == TButtonState::bsDown || state == TButtonState::bsExclusive;
    const int shift = sunken ? 1 : 0;
    const std::string& caption = Caption();

    TBitmap image;
    if (glyph_) {
        const int w = glyph_->Width() / numGlyphs_;
        const int index = static_cast<int>(state) < numGlyphs_ ? static_cast<int>(state) : 0;
        image.SetSize(w, glyph_->Height());
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < w; ++x)
                image.SetPixel(x, y, glyph_->Pixel(index * w + x, y));
        // A disabled button without a picture of its own shows its glyph in the grey text colour.
        if (state == TButtonState::bsDisabled && index == 0) {
            const TColor key = ColorToRGB(image.Pixel(0, image.Height() - 1));
            for (int y = 0; y < image.Height(); ++y)
                for (int x = 0; x < w; ++x)
                    if (ColorToRGB(image.Pixel(x, y)) != key)
                        image.SetPixel(x, y, clGrayText);
        }
        image.SetTransparent(true);
    }

    canvas.Font()->Assign(*Font());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    const int textW = caption.empty() ? 0 : canvas.TextWidth(caption);
    const int textH = caption.empty() ? 0 : canvas.TextHeight(caption);
    const int glyphW = image.Width();
    const int gap = glyphW > 0 && textW > 0 ? 4 : 0;
    const int total = glyphW + gap + textW;
    int x = r.Left + (r.Width() - total) / 2 + shift;
    if (glyphW > 0) {
        const int gy = r.Top + (r.Height() - image.Height()) / 2 + shift;
        canvas.Draw(x, gy, &image);
        x += glyphW + gap;
    }
    if (textW > 0) {
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        canvas.TextOut(x, r.Top + (r.Height() - textH) / 2 + shift, caption);
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    }
}

}  // namespace ui
