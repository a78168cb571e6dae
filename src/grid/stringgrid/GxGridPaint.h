// The painting concern of the string grid: the steps of the cell painter and the cell graphics (a
// friend of the grid, so the layers can read its private fields), the glyph pictures of the
// program, the band gradient and a few colour helpers. The pointer state painting reads and the
// style presets are in GxGridTypes.h.
#pragma once

#include <string>

#include "grid/stringgrid/GxGridTypes.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Grids.h"

namespace gx {

class TGxStringGrid;
class TCellGraphic;

// Selection colour mixing: Factor is the share of Color in percent.
ui::TColor MixColors(ui::TColor Color, ui::TColor Base, int Factor);
// Value limited to 0 .. 100.
double ClampPercent(double Value);
// "glStandard" .. "glOffice2007"; empty for glCustom.
std::string LookToString(TGridLook Look);
// The names of the design-time look menu; empty for glCustom.
std::string LookToDisplayName(TGridLook Look);

// Band-gradient fill of R from FromColor to ToColor in Bands bands (0 is taken as 1), side by side
// when Horizontal, else stacked; neighbouring bands overlap by about one pixel.
void DrawGradient(ui::TCanvas& Canvas, ui::TColor FromColor, ui::TColor ToColor, bool Horizontal, const ui::TRect& R,
                  int Bands);

// The program's glyph pictures by resource name ("GSGCHK01", "XPNODEC", "metrocheckon", ...);
// false and an untouched bitmap for an unknown name.
bool LoadGridGlyph(const std::string& Name, ui::TBitmap& Bitmap);
// The same picture decoded once and kept, drawn with automatic transparency; nullptr when unknown.
const ui::TBitmap* GridGlyph(const std::string& Name);

// Draws Bitmap at (X, Y) with the colour of its bottom-left pixel transparent.
void DrawAutoTransparent(ui::TCanvas& Canvas, int X, int Y, const ui::TBitmap& Bitmap);

// The layers of the cell painter and the cell graphics, run for one cell on one canvas.
struct GridPaint {
    struct Cell {
        TGxStringGrid& grid;
        ui::TCanvas& canvas;
        int col;   // display column
        int rcol;  // real column
        int row;
        ui::TGridDrawState state;
        THAlignment ha = THAlignment::taLeftJustify;
        TVAlignment va = vtaTop;
        int textWidth = 0;
    };

    static void DrawCellText(Cell& c, ui::TRect R);
    // The text layer in a copy of R; ShowText false skips the text itself.
    static void DrawTextLayer(Cell& c, const ui::TRect& R, bool ShowText, bool FilterGlyph, const TCellGraphic* G,
                              int GW, int GH, TCellHAlign GHA, TCellVAlign GVA);
    static void DrawBorders(Cell& c, ui::TRect R);
    static void DrawFixed3D(Cell& c, ui::TRect R);
    static void DrawFixedGradient(Cell& c, ui::TRect& R, ui::TColor AColorTo, ui::TColor AMirror, ui::TColor AMirrorTo);
    // The graphic of the cell placed in R (it may move R's edges).
    static void DrawCellGraphic(Cell& c, ui::TRect& R, TCellGraphic* G, TVAlignment VA);
    static void DrawNode(Cell& c, ui::TRect R, TCellGraphic* G);
    static void DrawPushButton(Cell& c, ui::TRect R, const ui::TRect& B, TCellGraphic* G);
};

}  // namespace gx
