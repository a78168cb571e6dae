#include "controls/button/LbButtons.h"

#include <algorithm>

namespace controls {

using namespace ui;

namespace {
constexpr TColor clButtonFace = clBtnFace;
}

// Columns: face, light, shadow, pressed, hover, flat, style, font colour.
const std::array<TLbColorPreset, lcsQuicken + 1> LbColorStyleColors = {{
    {clButtonFace, clWhite, clGray, clNone, clNone, false, bsNormal, clBlack},  // lcsCustom
    {RGB(0xC0, 0xC0, 0x00), RGB(0xFF, 0xFF, 0x00), RGB(0x80, 0x80, 0x00), clNone, RGB(0xDF, 0xDF, 0x00), false,
     bsModern, clBlack},
    {RGB(0xC0, 0xC0, 0xC0), RGB(0xFF, 0xFF, 0xFF), RGB(0x80, 0x80, 0x80), clNone, clNone, false, bsModern, clBlack},
    {RGB(0x00, 0x80, 0xFF), RGB(0x00, 0xFF, 0xFF), RGB(0x00, 0x00, 0xFF), clNone, clNone, false, bsModern, clBlack},
    {RGB(0xFF, 0x00, 0x00), RGB(0xFF, 0xC0, 0xC0), RGB(0xC0, 0x00, 0x00), clNone, clNone, false, bsModern, clBlack},
    {clButtonFace, RGB(0x84, 0x92, 0xB5), RGB(0x84, 0x92, 0xB5), RGB(0x84, 0x92, 0xB5), RGB(0xD6, 0xD3, 0xDE), true,
     bsNormal, clBlack},
    {clButtonFace, RGB(0x00, 0x00, 0x00), RGB(0x00, 0x00, 0x00), RGB(0xBC, 0xDA, 0x24), RGB(0xE4, 0xF6, 0x8C), true,
     bsNormal, clBlack},
    {RGB(0xDB, 0xD8, 0xD1), RGB(0x84, 0x92, 0xB5), RGB(0x85, 0x92, 0xB5), RGB(0x85, 0x92, 0xB5), RGB(0xB6, 0xBD, 0xD2),
     true, bsNormal, clBlack},
    {RGB(0x94, 0xCE, 0xEC), RGB(0xD4, 0xE6, 0xFC), RGB(0x00, 0x00, 0x00), clNone, clNone, false, bsModern, clBlack},
    {clButtonFace, RGB(0xFF, 0xFF, 0xFF), RGB(0x80, 0x80, 0x80), clNone, clNone, false, bsNormal, clBlack},
    {RGB(0x00, 0x30, 0x60), RGB(0xC0, 0xC0, 0xC0), RGB(0xC0, 0xC0, 0xC0), RGB(0x29, 0x65, 0xAD), RGB(0x9C, 0xAE, 0xCE),
     false, bsQuicken, clWhite},
}};

TColor LbHotTrackBlend(TColor face, TColor hover, int step)
{
    const TColor f = ColorToRGB(face);
    const TColor h = ColorToRGB(hover);
    const double t = step / 8.0;
    // Multiples of 1/8 are exact in binary, so the truncation sees the true value (127.5 -> 127).
    auto mix = [t](unsigned a, unsigned b) { return static_cast<unsigned>(a * (1.0 - t) + b * t); };
    return RGB(mix(GetRValue(f), GetRValue(h)), mix(GetGValue(f), GetGValue(h)), mix(GetBValue(f), GetBValue(h)));
}

namespace {

// from + i x (to - from) / 31 truncated toward zero, in exact integer arithmetic so that band 31
// lands on `to` without rounding drift.
unsigned BandChannel(unsigned from, unsigned to, int i)
{
    const int num = static_cast<int>(from) * 31 + i * (static_cast<int>(to) - static_cast<int>(from));
    return static_cast<unsigned>(num / 31);  // num is never negative: both ends lie in 0..255
}

}  // namespace

std::array<TLbGradientBand, 32> LbGradientBands(TColor from, TColor to, int y0, int y1)
{
    const TColor s = ColorToRGB(from);
    const TColor e = ColorToRGB(to);
    std::array<TLbGradientBand, 32> bands{};
    const int span = y1 - y0;
    for (int i = 0; i < 32; ++i) {
        const int top = y0 + (i * span) / 31;
        const int bottom = std::min(y1, top + span / 31 + 1);
        bands[i] = {top, bottom,
                    RGB(BandChannel(GetRValue(s), GetRValue(e), i), BandChannel(GetGValue(s), GetGValue(e), i),
                        BandChannel(GetBValue(s), GetBValue(e), i))};
    }
    return bands;
}

}  // namespace controls
