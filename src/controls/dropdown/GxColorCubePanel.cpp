#include "controls/dropdown/GxColorPanels.h"

#include <cstdio>

#include "platform/ui/Application.h"

namespace dropdown {

using namespace ui;

namespace {

// The honeycomb colours row by row (0xBBGGRR), 7 to 13 and back to 7 cells per row.
constexpr TColor kCubeColors[TGxColorCubePanel::CellCount] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,                                // 1
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,                      // 2
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,            // 3
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,  // 4
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399,
    0xFF0099,  // 5
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC,
    0xFF00CC, 0xCC0099,  // 6
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
    0xFF00FF, 0xCC00CC, 0x660066,  // 7
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF,
    0x9900CC, 0x800080,  // 8
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC,
    0x990099,                                                                                            // 9
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,  // 10
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,            // 11
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,                      // 12
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,                                // 13
};

constexpr int kRowLengths[13] = {7, 8, 9, 10, 11, 12, 13, 12, 11, 10, 9, 8, 7};

}  // namespace

TGxColorCubePanel::TGxColorCubePanel(TComponent* AOwner) : TGxCustomColorSelectorPanel(AOwner)
{
    InitCells();
    SetShowHint(true);
}

void TGxColorCubePanel::InitCells()
{
    FHalfWidth = 6;
    FQuarterHeight = 3;
    int cell = 1;
    for (int r = 1; r <= 13; ++r) {
        const int y = 20 + 10 * (r - 1);
        const int x0 = r <= 7 ? 55 - 6 * (r - 1) : 6 * (r - 7) + 19;
        for (int i = 0; i < kRowLengths[r - 1]; ++i, ++cell)
            FCells[static_cast<std::size_t>(cell)] = {{x0 + 12 * i, y}, kCubeColors[cell - 1]};
    }
}

void TGxColorCubePanel::ResetHot()
{
    FHotCell = -1;
    SetBounds(Left(), Top(), 182, 160);
}

void TGxColorCubePanel::SetShowRGBHint(bool Value)
{
    FShowRGBHint = Value;
    SetShowHint(Value);
}

TPoint TGxColorCubePanel::CellCenter(int Cell) const
{
    return Cell >= 1 && Cell <= CellCount ? FCells[static_cast<std::size_t>(Cell)].Center : TPoint{-1, -1};
}

TColor TGxColorCubePanel::CellColor(int Cell) const
{
    return Cell >= 1 && Cell <= CellCount ? FCells[static_cast<std::size_t>(Cell)].Color : clNone;
}

void TGxColorCubePanel::SetSelectedColor(TColor Value)
{
    FSelectedColor = Value;
    FSelectedCell = -1;
    for (int i = 1; i <= CellCount; ++i)
        if (FCells[static_cast<std::size_t>(i)].Color == Value) {
            FSelectedCell = i;
            break;
        }
}

int TGxColorCubePanel::CellAtPoint(int X, int Y) const
{
    for (int i = 1; i <= CellCount; ++i) {
        const TPoint c = FCells[static_cast<std::size_t>(i)].Center;
        const int dx = c.X - X, dy = c.Y - Y;
        if (dx * dx + dy * dy <= 36)
            return i;
    }
    return -1;
}

void TGxColorCubePanel::DrawHexagon(TCanvas& C, TPoint P, int W, int Q)
{
    C.Polygon({{P.X - W, P.Y - Q},
               {P.X, P.Y - 2 * Q},
               {P.X + W, P.Y - Q},
               {P.X + W, P.Y + Q},
               {P.X, P.Y + 2 * Q},
               {P.X - W, P.Y + Q}});
}

void TGxColorCubePanel::DrawCell(TCanvas& C, int Index)
{
    if (Index < 1 || Index > CellCount)
        return;
    const Cell& cell = FCells[static_cast<std::size_t>(Index)];
    C.Pen()->SetWidth(1);
    C.Pen()->SetColor(cell.Color);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(cell.Color);
    DrawHexagon(C, cell.Center, FHalfWidth, FQuarterHeight);
    const auto frames = [&](TColor outer) {
        C.Brush()->SetStyle(TBrushStyle::bsClear);
        C.Pen()->SetColor(outer);
        DrawHexagon(C, cell.Center, 5, 3);
        C.Pen()->SetColor(0xFFFFFF);
        DrawHexagon(C, cell.Center, 4, 2);
    };
    if (Index == FHotCell)
        frames(0x0000FF);
    if (Index == FSelectedCell)
        frames(0x000000);
}

void TGxColorCubePanel::Paint()
{
    TGxCustomColorSelectorPanel::Paint();
    for (int i = 1; i <= CellCount; ++i)
        DrawCell(*Canvas(), i);
}

void TGxColorCubePanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TGxCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int cell = CellAtPoint(X, Y);
    if (cell < 0) {
        // Off the cells the hint goes; the hot cell stays.
        if (FShowRGBHint) {
            SetHint("");
            Application->CancelHint();
        }
        return;
    }
    if (cell == FHotCell)
        return;
    const int old = FHotCell;
    FHotCell = cell;
    DrawCell(*Canvas(), old);
    DrawCell(*Canvas(), cell);
    Invalidate();
    if (FShowRGBHint) {
        const TColor c = CellColor(cell);
        char text[64];
        std::snprintf(text, sizeof text, "Red: %u,  Green: %u,  Blue: %u", GetRValue(c), GetGValue(c), GetBValue(c));
        SetHint(text);
        Application->CancelHint();
    }
}

void TGxColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGxCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int cell = CellAtPoint(X, Y);
    if (cell < 0)
        return;
    const int old = FSelectedCell;
    FSelectedCell = -1;
    DrawCell(*Canvas(), old);
    FSelectedColor = CellColor(cell);
    FSelectedCell = cell;
    DrawCell(*Canvas(), cell);
    Invalidate();
    if (OnSelect)
        OnSelect(this);
}

}  // namespace dropdown
