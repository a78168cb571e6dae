#include "controls/button/LbButtonDraw.h"

#include "controls/button/LbGlyphs.h"

namespace controls {

using namespace ui;

namespace {

const TBitmap& PopupArrow()
{
    static TBitmap arrow;
    static const bool loaded = LoadLbBitmapResource("LBARROW", arrow);
    (void)loaded;
    return arrow;
}

void FillSolid(TCanvas& c, const TRect& r, TColor colour)
{
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(colour);
    c.FillRect(r);
}

void Line(TCanvas& c, TColor colour, std::initializer_list<TPoint> points)
{
    c.Pen()->SetColor(colour);
    auto it = points.begin();
    c.MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it)
        c.LineTo(it->X, it->Y);
}

void Gradient(TCanvas& c, TColor from, TColor to, int x0, int x1, int y0, int y1)
{
    for (const auto& band : LbGradientBands(from, to, y0, y1))
        if (band.Bottom > band.Top)
            FillSolid(c, Rect(x0, band.Top, x1, band.Bottom), band.Color);
}

// Removes the last character (a whole UTF-8 sequence) of s.
void DropLastChar(std::string& s)
{
    std::size_t n = s.size() - 1;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    s.erase(n);
}

// Draws cell `cell` of the strip at (x, y) transparently. A cell beyond the strip leaves the first
// cell showing, since the cell picture starts as a copy of the strip's first cell.
void DrawGlyphCell(TCanvas& c, const TBitmap& strip, int gw, int gh, int cell, int x, int y)
{
    if (gw <= 0 || gh <= 0)
        return;
    TBitmap pic(gw, gh);
    for (int py = 0; py < gh; ++py)
        for (int px = 0; px < gw; ++px)
            pic.SetPixel(px, py, strip.Pixel(px, py));
    const int sx = cell * gw;
    for (int py = 0; py < gh; ++py)
        for (int px = 0; px < gw; ++px)
            if (sx + px < strip.Width() && py < strip.Height())
                pic.SetPixel(px, py, strip.Pixel(sx + px, py));
    pic.SetTransparentMode(TTransparentMode::tmAuto);
    pic.SetTransparent(true);
    c.Draw(x, y, &pic);
}

unsigned AlignmentFormat(TAlignment a)
{
    switch (a) {
    case TAlignment::taLeftJustify:
        return DT_LEFT | DT_WORDBREAK;
    case TAlignment::taRightJustify:
        return DT_RIGHT | DT_WORDBREAK;
    default:
        return DT_CENTER | DT_WORDBREAK;
    }
}

}  // namespace

int LbGlyphCell(int numGlyphs, bool enabled, bool pressed, bool hot)
{
    if (!enabled)
        return 1;
    int cell = 0;
    if (hot && numGlyphs >= 4)
        cell = 3;
    if (pressed && numGlyphs >= 3)
        cell = 2;
    return cell;
}

void DrawLbButton(TCanvas& c, const TLbButtonFace& f)
{
    const int W = f.Width;
    const int H = f.Height;
    const bool pressed = f.Pressed && f.Enabled;
    const int O = (pressed && f.Style != bsEncarta) ? 1 : 0;

    TColor face = ColorToRGB(f.Color);
    if (f.Enabled && f.HotTrackColor != clNone)
        face = LbHotTrackBlend(f.Color, f.HotTrackColor, f.HotTrackStep);
    if (pressed && f.ColorWhenDown != clNone)
        face = f.ColorWhenDown;
    const TColor light = f.LightColor;
    const TColor shadow = f.ShadowColor;

    const bool hasGlyph = f.Glyph && f.NumGlyphs > 0;
    const int GW = hasGlyph ? f.Glyph->Width() / f.NumGlyphs : 0;
    // The strip's height counts in the layout even when it has no cells to show.
    const int GH = f.Glyph ? f.Glyph->Height() : 0;
    const int cell = LbGlyphCell(f.NumGlyphs, f.Enabled, pressed, f.Hot);
    const unsigned format = AlignmentFormat(f.Alignment);

    // Background.
    if (f.Style == bsShape) {
        FillSolid(c, Rect(0, 0, W, H), clLbTransparent);
    } else if (!f.NoBackground) {
        if (f.Style == bsNormal || f.Style == bsEncarta || f.Style == bsOld) {
            FillSolid(c, Rect(0, 0, W, H), face);
        } else if (f.Style == bsModern) {
            const int mid = H / 4 + O;
            Gradient(c, light, face, 2, W - 2, 2, mid);
            Gradient(c, face, light, 2, W - 2, mid, H - 1);
        }
    }

    // Frame.
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetMode(TPenMode::pmCopy);
    const bool frameShown = !f.Flat || (f.Enabled && (f.Hot || pressed));
    switch (f.Style) {
    case bsNormal:
    case bsEncarta:
        if (frameShown) {
            Line(c, pressed ? shadow : light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            Line(c, pressed ? light : shadow, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        }
        break;
    case bsOld:
        if (frameShown) {
            if (!pressed)
                Line(c, shadow, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
            else
                Line(c, shadow, {{1, H - 3}, {1, 1}, {W - 2, 1}});
            Line(c, pressed ? cl3DDkShadow : light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            Line(c, pressed ? light : cl3DDkShadow, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
        }
        break;
    case bsModern:
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Pen()->SetColor(pressed ? shadow : face);
        c.Rectangle(1, 1, W - 1, H - 1);
        c.Pen()->SetColor(shadow);
        c.RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(face);
        c.Pen()->SetStyle(TPenStyle::psClear);
        c.RoundRect(0, 1, W, H, 4, 4);
        c.Pen()->SetStyle(TPenStyle::psSolid);
        Line(c, shadow, {{4, 0}, {W - 5, 0}});
        Line(c, shadow, {{4, H - 1}, {W - 5, H - 1}});
        break;
    case bsShape:
        break;
    }

    // Font and caption metrics.
    if (f.Font)
        c.Font()->Assign(*f.Font);
    if (f.Style == bsEncarta && pressed)
        c.Font()->SetStyle(c.Font()->Style() | fsBold);
    int MW = W - 8;
    if (f.Style != bsShape && (f.Layout == blGlyphLeft || f.Layout == blGlyphRight) && GW > 0)
        MW = W - 8 - (GW + 4);
    MW = std::max(MW, 0);
    std::string caption = f.Caption;
    if (!f.WordWrap)
        while (!caption.empty() && c.TextWidth(caption) > MW)
            DropLastChar(caption);
    TRect calc(0, 0, MW, 0);
    c.DrawText(caption, calc, DT_CALCRECT | format);
    const int TH = calc.Height();
    const int TWc = calc.Width();
    c.Brush()->SetStyle(TBrushStyle::bsClear);

    if (f.Style == bsShape) {
        if (hasGlyph)
            DrawGlyphCell(c, *f.Glyph, GW, GH, cell, (W - GW) / 2, (H - GH) / 2);
        TRect r(O, (H - TH) / 2 + O, W, H);
        c.DrawText(caption, r, DT_CENTER | DT_WORDBREAK);
    } else {
        const int TW = caption.empty() ? 0 : TWc + 4;
        int TX = O + 4, TY = 0, GX = O + 4, GY = 0;
        switch (f.Layout) {
        case blGlyphLeft:
            if (GW > 0)
                TX += GW + 4;
            TY = (H - TH) / 2 + O;
            GY = (H - GH) / 2 + O;
            if (!f.WordWrap) {
                if (f.Alignment == TAlignment::taRightJustify)
                    GX = W - 4 - GW - TW + O;
                else if (f.Alignment == TAlignment::taCenter)
                    GX = (W - GW) / 2 + O - TW / 2;
            }
            break;
        case blGlyphRight:
            TY = (H - TH) / 2 + O;
            GY = (H - GH) / 2 + O;
            GX = TX + TW;
            if (!f.WordWrap) {
                if (f.Alignment == TAlignment::taRightJustify)
                    GX = W - 4 + O - GW;
                else if (f.Alignment == TAlignment::taCenter)
                    GX = (W - GW) / 2 + O + TW / 2;
            }
            break;
        case blGlyphTop:
        case blGlyphBottom: {
            const int T = TH + (GH > 0 ? GH + 4 : 0);
            if (f.Layout == blGlyphTop) {
                GY = (H - T) / 2 + O;
                TY = GY + GH;
            } else {
                TY = (H - T) / 2 + O;
                GY = TY + TH;
            }
            if (f.Alignment == TAlignment::taRightJustify)
                GX = W - GW - 4 + O;
            else if (f.Alignment == TAlignment::taCenter)
                GX = (W - GW) / 2 + O;
            break;
        }
        }
        if (!f.Enabled)
            c.Font()->SetColor(RGB(0x80, 0x80, 0x80));
        TRect r(TX, TY, TX + MW, TY + TH);
        c.DrawText(caption, r, format);
        if (hasGlyph)
            DrawGlyphCell(c, *f.Glyph, GW, GH, cell, GX, GY);
    }

    if (f.HasPopupMenu) {
        const TBitmap& arrow = PopupArrow();
        TBitmap pic(arrow.Width(), arrow.Height());
        pic.Assign(arrow);
        pic.SetTransparentMode(TTransparentMode::tmAuto);
        pic.SetTransparent(true);
        c.Draw(W - 11, H / 2 - 1, &pic);
    }
}

}  // namespace controls
