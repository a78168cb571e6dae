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

namespace {

// What the steps of the drawing share: the state as drawn and the values derived from it.
struct TFaceValues {
    int W = 0;
    int H = 0;
    bool pressed = false;
    int O = 0;  // the one-pixel shift of a pressed button (not bsEncarta)
    TColor face = clNone;
    TColor light = clNone;
    TColor shadow = clNone;
    bool hasGlyph = false;
    int GW = 0;
    int GH = 0;
    int cell = 0;
    unsigned format = 0;
};

// Caption as it fits, and its laid-out size.
struct TCaptionMetrics {
    std::string caption;
    int MW = 0;
    int TH = 0;
    int TWc = 0;
};

struct TPlacement {
    int TX = 0;
    int TY = 0;
    int GX = 0;
    int GY = 0;
};

TFaceValues DeriveValues(const TLbButtonFace& f)
{
    TFaceValues v;
    v.W = f.Width;
    v.H = f.Height;
    v.pressed = f.Pressed && f.Enabled;
    v.O = (v.pressed && f.Style != bsEncarta) ? 1 : 0;
    v.face = ColorToRGB(f.Color);
    if (f.Enabled && f.HotTrackColor != clNone)
        v.face = LbHotTrackBlend(f.Color, f.HotTrackColor, f.HotTrackStep);
    if (v.pressed && f.ColorWhenDown != clNone)
        v.face = f.ColorWhenDown;
    v.light = f.LightColor;
    v.shadow = f.ShadowColor;
    v.hasGlyph = f.Glyph && f.NumGlyphs > 0;
    v.GW = v.hasGlyph ? f.Glyph->Width() / f.NumGlyphs : 0;
    // The strip's height counts in the layout even when it has no cells to show.
    v.GH = f.Glyph ? f.Glyph->Height() : 0;
    v.cell = LbGlyphCell(f.NumGlyphs, f.Enabled, v.pressed, f.Hot);
    v.format = AlignmentFormat(f.Alignment);
    return v;
}

void DrawBackground(TCanvas& c, const TLbButtonFace& f, const TFaceValues& v)
{
    if (f.Style == bsShape) {
        FillSolid(c, Rect(0, 0, v.W, v.H), clLbTransparent);
        return;
    }
    if (f.NoBackground)
        return;
    if (f.Style == bsNormal || f.Style == bsEncarta || f.Style == bsOld) {
        FillSolid(c, Rect(0, 0, v.W, v.H), v.face);
    } else if (f.Style == bsModern) {
        const int mid = v.H / 4 + v.O;
        Gradient(c, v.light, v.face, 2, v.W - 2, 2, mid);
        Gradient(c, v.face, v.light, 2, v.W - 2, mid, v.H - 1);
    }
}

void DrawFrame(TCanvas& c, const TLbButtonFace& f, const TFaceValues& v)
{
    const int W = v.W, H = v.H;
    const bool pressed = v.pressed;
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetMode(TPenMode::pmCopy);
    const bool frameShown = !f.Flat || (f.Enabled && (f.Hot || pressed));
    switch (f.Style) {
    case bsNormal:
    case bsEncarta:
        if (frameShown) {
            Line(c, pressed ? v.shadow : v.light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            Line(c, pressed ? v.light : v.shadow, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        }
        break;
    case bsOld:
        if (frameShown) {
            if (!pressed)
                Line(c, v.shadow, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
            else
                Line(c, v.shadow, {{1, H - 3}, {1, 1}, {W - 2, 1}});
            Line(c, pressed ? cl3DDkShadow : v.light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            Line(c, pressed ? v.light : cl3DDkShadow, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
        }
        break;
    case bsModern:
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Pen()->SetColor(pressed ? v.shadow : v.face);
        c.Rectangle(1, 1, W - 1, H - 1);
        c.Pen()->SetColor(v.shadow);
        c.RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(v.face);
        c.Pen()->SetStyle(TPenStyle::psClear);
        c.RoundRect(0, 1, W, H, 4, 4);
        c.Pen()->SetStyle(TPenStyle::psSolid);
        Line(c, v.shadow, {{4, 0}, {W - 5, 0}});
        Line(c, v.shadow, {{4, H - 1}, {W - 5, H - 1}});
        break;
    case bsShape:
        break;
    }
}

// Sets the caption font and cuts the caption to the room it has (unless it wraps).
TCaptionMetrics MeasureCaption(TCanvas& c, const TLbButtonFace& f, const TFaceValues& v)
{
    if (f.Font)
        c.Font()->Assign(*f.Font);
    if (f.Style == bsEncarta && v.pressed)
        c.Font()->SetStyle(c.Font()->Style() | fsBold);
    TCaptionMetrics m;
    m.MW = v.W - 8;
    if (f.Style != bsShape && (f.Layout == blGlyphLeft || f.Layout == blGlyphRight) && v.GW > 0)
        m.MW = v.W - 8 - (v.GW + 4);
    m.MW = std::max(m.MW, 0);
    m.caption = f.Caption;
    if (!f.WordWrap)
        while (!m.caption.empty() && c.TextWidth(m.caption) > m.MW)
            DropLastChar(m.caption);
    TRect calc(0, 0, m.MW, 0);
    c.DrawText(m.caption, calc, DT_CALCRECT | v.format);
    m.TH = calc.Height();
    m.TWc = calc.Width();
    return m;
}

// Where caption and glyph go for the layouts other than bsShape's centred one.
TPlacement PlaceCaptionAndGlyph(const TLbButtonFace& f, const TFaceValues& v, const TCaptionMetrics& m)
{
    const int W = v.W, H = v.H, O = v.O, GW = v.GW, GH = v.GH, TH = m.TH;
    const int TW = m.caption.empty() ? 0 : m.TWc + 4;
    TPlacement p;
    p.TX = O + 4;
    p.GX = O + 4;
    switch (f.Layout) {
    case blGlyphLeft:
        if (GW > 0)
            p.TX += GW + 4;
        p.TY = (H - TH) / 2 + O;
        p.GY = (H - GH) / 2 + O;
        if (!f.WordWrap) {
            if (f.Alignment == TAlignment::taRightJustify)
                p.GX = W - 4 - GW - TW + O;
            else if (f.Alignment == TAlignment::taCenter)
                p.GX = (W - GW) / 2 + O - TW / 2;
        }
        break;
    case blGlyphRight:
        p.TY = (H - TH) / 2 + O;
        p.GY = (H - GH) / 2 + O;
        p.GX = p.TX + TW;
        if (!f.WordWrap) {
            if (f.Alignment == TAlignment::taRightJustify)
                p.GX = W - 4 + O - GW;
            else if (f.Alignment == TAlignment::taCenter)
                p.GX = (W - GW) / 2 + O + TW / 2;
        }
        break;
    case blGlyphTop:
    case blGlyphBottom: {
        const int T = TH + (GH > 0 ? GH + 4 : 0);
        if (f.Layout == blGlyphTop) {
            p.GY = (H - T) / 2 + O;
            p.TY = p.GY + GH;
        } else {
            p.TY = (H - T) / 2 + O;
            p.GY = p.TY + TH;
        }
        if (f.Alignment == TAlignment::taRightJustify)
            p.GX = W - GW - 4 + O;
        else if (f.Alignment == TAlignment::taCenter)
            p.GX = (W - GW) / 2 + O;
        break;
    }
    }
    return p;
}

void DrawCaptionAndGlyph(TCanvas& c, const TLbButtonFace& f, const TFaceValues& v, const TCaptionMetrics& m)
{
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    if (f.Style == bsShape) {
        if (v.hasGlyph)
            DrawGlyphCell(c, *f.Glyph, v.GW, v.GH, v.cell, (v.W - v.GW) / 2, (v.H - v.GH) / 2);
        TRect r(v.O, (v.H - m.TH) / 2 + v.O, v.W, v.H);
        c.DrawText(m.caption, r, DT_CENTER | DT_WORDBREAK);
        return;
    }
    const TPlacement p = PlaceCaptionAndGlyph(f, v, m);
    if (!f.Enabled)
        c.Font()->SetColor(RGB(0x80, 0x80, 0x80));
    TRect r(p.TX, p.TY, p.TX + m.MW, p.TY + m.TH);
    c.DrawText(m.caption, r, v.format);
    if (v.hasGlyph)
        DrawGlyphCell(c, *f.Glyph, v.GW, v.GH, v.cell, p.GX, p.GY);
}

void DrawPopupArrow(TCanvas& c, const TFaceValues& v)
{
    const TBitmap& arrow = PopupArrow();
    TBitmap pic(arrow.Width(), arrow.Height());
    pic.Assign(arrow);
    pic.SetTransparentMode(TTransparentMode::tmAuto);
    pic.SetTransparent(true);
    c.Draw(v.W - 11, v.H / 2 - 1, &pic);
}

}  // namespace

void DrawLbButton(TCanvas& c, const TLbButtonFace& f)
{
    const TFaceValues v = DeriveValues(f);
    DrawBackground(c, f, v);
    DrawFrame(c, f, v);
    const TCaptionMetrics m = MeasureCaption(c, f, v);
    DrawCaptionAndGlyph(c, f, v, m);
    if (f.HasPopupMenu)
        DrawPopupArrow(c, v);
}

}  // namespace controls
