#pragma once
// Drawing helpers shared by the drop-down editors and the controls they host: colour mixing, the
// band gradient, background and frame painting, image-and-caption drawing, transparent glyphs and
// text measuring and shortening. All are stateless.
#include <string>

#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

namespace ui {
class TCanvas;
class TBitmap;
class TImageList;
}  // namespace ui

namespace dropdown {

using ui::TColor;

// Percent >= 100 gives Color1 unchanged, <= 0 Color2; in between each channel is the share of
// Color1 plus the rest of Color2, rounded to the nearest integer (halves to even).
TColor BlendColor(TColor Color1, TColor Color2, int Percent);

// Each channel c with its percentage p: a non-zero channel becomes min(100, p + 100) % of itself
// (so a negative p darkens it), a zero channel becomes max(0, p).
TColor DarkenColor(TColor Color, int PercentRed, int PercentGreen, int PercentBlue);

// Fills R with Bands bands (1 when 0) whose colours go evenly from FromColor to ToColor; with
// Horizontal the bands stand side by side (colour changing left to right), else they are stacked.
// Neighbouring bands overlap by about one pixel; the last one ends at R's far edge.
void DrawGradient(ui::TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const ui::TRect& R,
                  int Bands);

// A gradient (80 bands in Direction) when ColorTo is set, else a plain fill in Color when that is
// set; then a frame of BorderWidth in BorderColor when both are set.
void DrawBackgroundRect(ui::TCanvas* Canvas, const ui::TRect& Rect, TColor Color, TColor ColorTo,
                        TGradientDirection Direction, int BorderWidth, TColor BorderColor);

// An image of Images (when ImageIndex >= 0) 4 pixels in from the left and centred vertically, then
// the caption on one line, vertically centred with an end ellipsis: left-aligned after the image,
// centred without one. Rect's left edge moves past the image.
void DrawImageAndText(ui::TCanvas* Canvas, ui::TRect& Rect, const std::string& Caption, int ImageIndex,
                      const ui::TImageList* Images);

// Draws Glyph on a background of BackColor, the colour of its top-left pixel left out, and copies
// the part of Rect's size to Rect.
void DrawTransparentGlyph(ui::TCanvas& Canvas, const ui::TBitmap& Glyph, TColor BackColor, const ui::TRect& Rect);

// Width and height of Text on one line in the canvas font; (0, 0) for an empty text.
ui::TSize GetTextSize(ui::TCanvas& Canvas, const std::string& Text);

// Text when it fits MaxWidth; otherwise the first of Text without its last 1, 2, ... characters
// (each followed by "..." with Ellipsis) that is narrower than MaxWidth; Text when none is.
std::string FitTextToWidth(ui::TCanvas& Canvas, const std::string& Text, int MaxWidth, bool Ellipsis);

// Size of a mini-HTML text laid out in Rect; with Draw the text is drawn there as well.
ui::TSize GetHTMLTextSize(ui::TCanvas& Canvas, const std::string& Text, const ui::TRect& Rect, bool Draw);

// Rounds to the nearest integer, halves to the even one.
int RoundEven(double v);

}  // namespace dropdown
