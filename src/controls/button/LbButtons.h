#pragma once
// Kinds, styles and colour presets of the push button, and the colour arithmetic its face uses.
#include "platform/ui/Colors.h"
#include <array>

namespace controls {

enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};

// The transparent colour of styles that leave their corners unpainted, and of the glyph pictures.
constexpr ui::TColor clLbTransparent = 0xFF00FF;

// One colour preset: what setting ColorStyle writes into the button.
struct TLbColorPreset {
    ui::TColor Face;
    ui::TColor Light;
    ui::TColor Shadow;
    ui::TColor Pressed;
    ui::TColor Hover;
    bool Flat;
    TLbButtonStyle Style;
    ui::TColor FontColor;
};

// Presets indexed by TLbColorStyle; the entry of lcsCustom is never applied.
extern const std::array<TLbColorPreset, lcsQuicken + 1> LbColorStyleColors;

// The face colour at hover step 0..8: each channel of face x (1 - step/8) + hover x step/8, truncated.
// Both colours are resolved to RGB first.
ui::TColor LbHotTrackBlend(ui::TColor face, ui::TColor hover, int step);

// One band of a 32-band vertical gradient: rows Top..Bottom-1 in Color (empty when Bottom <= Top).
struct TLbGradientBand {
    int Top;
    int Bottom;
    ui::TColor Color;
};

// The bands from colour from at row y0 to colour to at row y1; band i has the colour
// from + i x (to - from) / 31 per channel (truncated), so band 0 is `from` and band 31 is `to`.
// Later bands overlap earlier ones by a row where the division leaves a remainder.
std::array<TLbGradientBand, 32> LbGradientBands(ui::TColor from, ui::TColor to, int y0, int y1);

}  // namespace controls
