#pragma once
// Drawing routines of the grid's painting: stepped and two-part gradients, the rounded button
// face of fixed cells and header buttons, combo, push and spin button faces drawn in cells,
// small glyphs, transparent bitmaps and the red underline of a cell error; with them a few
// colour routines. Each draws on the canvas it is given and leaves the pen and brush as it set
// them; none keeps state. A colour of clNone makes a routine skip what it would paint.

#include <cstdint>
#include <string_view>

#include "grid/base/GxStyleIF.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

namespace ui {
class TCanvas;
class TBitmap;
}  // namespace ui

namespace VozEdid {

using ui::TColor;
using ui::TRect;

// Cell button states and kinds.
enum TButtonState { bsNormal = 0, bsHot = 1, bsPressed = 2, bsDisabled = 3 };
enum TButtonKind { bkThemed = 0, bkClassic = 1, bkFlat = 2, bkTones = 3 };

// Bands of colour from FromColor to ToColor over Rect (left to right when Horizontal, else top
// to bottom); the last band lies at the far edge in exactly ToColor. A clNone colour gives a
// solid fill in the other one.
void DrawStepGradient(ui::TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect Rect, bool Horizontal);

// The look of selected, active, hover and header cells: one gradient, or two gradients split at
// the middle (Color to ColorTo, then MirrorColor to MirrorColorTo); then a border or side lines.
void DrawMirrorGradient(ui::TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill);

// The rounded button face. Position: 0 both ends rounded, 1 left only, 2 right only, 3 none.
void DrawGradientButtonFace(ui::TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                            TColor TopLineColor, TColor BottomLineColor, TColor BorderColor, TColor CornerColor,
                            TColor BackColor, const TRect& Rect, int Position);

TColor BlendColorAt(TColor Color1, TColor Color2, int Min, int Max, int Pos);
TColor HalfColor(TColor Color);
// Each component scaled by Percent; only its low 8 bits are kept (no clamping).
TColor AdjustColorPercent(TColor Color, int Percent);

// Cell buttons: the combo button (17 pixels at the right of Rect), a push-button face over
// Rect (no caption) and the spin-button pair (15 pixels at the right of Rect).
void DrawComboButton(ui::TCanvas& Canvas, const TRect& Rect, int Kind, int State, const gx::TColorTones& Tones);
void DrawButtonFace(ui::TCanvas& Canvas, const TRect& Rect, int Kind, int State, const gx::TColorTones& Tones);
void DrawSpinButtons(ui::TCanvas& Canvas, const TRect& Rect, int Kind, int State, const gx::TColorTones& Tones);

// The filter drop-down glyph: a filled triangle pointing down from (X - 3, Y)-(X + 3, Y).
void DrawDownTriangle(ui::TCanvas& Canvas, int X, int Y, TColor Color);

// Draws Bitmap at Rect's top-left corner in its own size; the colour of its pixel (0, 0) is
// transparent and shows BackColor.
void DrawTransparentBitmap(ui::TCanvas& Canvas, const ui::TBitmap& Bitmap, TColor BackColor, const TRect& Rect);

// Marks characters ErrPos .. ErrPos + ErrLen - 1 (from 0) of Text, laid out from Rect's
// left in the canvas font, with a red zigzag.
void DrawErrorUnderline(ui::TCanvas& Canvas, std::string_view Text, const TRect& Rect, int YOffset, int ErrPos,
                        int ErrLen);

// Window translucency is not available through a system function here: the call reports
// success without effect, as when the function is missing.
bool DynSetLayeredWindowAttributes(void* Window, TColor Key, std::uint8_t Alpha, unsigned Flags);

}  // namespace VozEdid
