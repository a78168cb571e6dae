#pragma once
// Drawing of the grid's graphic cells: the classic progress bar, the styled progress bar with
// level colours, the progress pie, the range indicator and the shape cell (also the stars of
// rating cells). Each draws with the canvas it is given, leaves pen and brush as it set them and
// keeps no state. A zero range draws an empty bar; a format text that does not suit the value
// shows the plain value.

#include <string>
#include <string_view>

#include "grid/base/GxObj.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Types.h"

namespace VozEdid {

using ui::TColor;
using ui::TRect;

// The look of the styled progress bar, filled by the grid from its progress appearance.
struct TProgressLook {
    TColor Level0Color = ui::clNone, Level0ColorTo = ui::clNone;
    TColor Level1Color = ui::clNone, Level1ColorTo = ui::clNone;
    TColor Level2Color = ui::clNone, Level2ColorTo = ui::clNone;
    TColor Level3Color = ui::clNone, Level3ColorTo = ui::clNone;
    int Level1Perc = 0;
    int Level2Perc = 0;
    TColor BorderColor = ui::clNone;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = false;
    ui::TFont Font;
    TColor CompleteFontColor = ui::clNone;
    bool CompletionSmooth = false;
    bool ShowGradient = false;
    int Steps = 0;
    TColor UnCompleteColor = ui::clNone;
    bool Vertical = false;
};

// A bar split where the value ends, with the text in CompleteFontColor over Color and in
// RestFontColor over RestColor. A non-empty Format is applied to round(Value) when it holds "d"
// or "u", else to Value; the bar then shows (Value - Min) of Max - Min. An empty Format shows
// round(Value) + "%" and fills that percentage.
// The text the classic bar shows for Value: Format applied as above, round(Value) + "%" when
// Format is empty, the plain value when Format does not suit it.
std::string ClassicProgressText(std::string_view Format, double Value);

void DrawClassicProgress(ui::TCanvas& Canvas, TRect Rect, TColor Color, TColor CompleteFontColor, TColor RestColor,
                         TColor RestFontColor, double Value, int MarginX, int MarginY, int Min, int Max,
                         std::string_view Format, TColor BorderColor, bool Printing);

void DrawCellProgressBar(ui::TCanvas& Canvas, const TRect& Rect, int Percent, const TProgressLook& Look);

// A circle with the sector from twelve o'clock clockwise to Percent filled in Color.
void DrawProgressPie(ui::TCanvas& Canvas, const TRect& Rect, TColor Color, int Percent, bool Printing);

// A bar from the middle of Rect: to the left in NegativeColor for a negative Value, to the right
// in PositiveColor otherwise, Range reaching the edge. ShowValue writes the value in the middle.
void DrawRangeIndicator(ui::TCanvas& Canvas, TRect Rect, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor);

void DrawCellShape(ui::TCanvas& Canvas, int X, int Y, int Width, int Height, gx::TCellShape Shape, TColor BrushColor,
                   TColor PenColor);

}  // namespace VozEdid
