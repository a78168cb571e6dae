#pragma once
// The free-form colour choosers of the colour picker: a honeycomb of 127 fixed colours and a hue by
// lightness spectrum from which the colour under the pointer is picked. Both raise OnSelect when
// the user presses on a colour; the picker then reads SelectedColor.
#include <array>

#include "platform/ui/Controls.h"
#include "platform/ui/ExtCtrls.h"

namespace dropdown {

// The common base of the colour panels and the palette.
class TGxCustomColorSelectorPanel : public ui::TCustomControl {
public:
    explicit TGxCustomColorSelectorPanel(ui::TComponent* AOwner) : TCustomControl(AOwner) {}
};

class TGxColorCubePanel : public TGxCustomColorSelectorPanel {
public:
    static constexpr int CellCount = 127;

    explicit TGxColorCubePanel(ui::TComponent* AOwner);

    ui::TColor SelectedColor() const { return FSelectedColor; }
    // Stores the colour and selects the first cell of that colour (none when no cell has it);
    // does not repaint.
    void SetSelectedColor(ui::TColor Value);
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);
    // Cells are numbered 1 to 127; -1 is none.
    int SelectedCell() const { return FSelectedCell; }
    int HotCell() const { return FHotCell; }
    ui::TPoint CellCenter(int Cell) const;
    ui::TColor CellColor(int Cell) const;
    // The first cell whose centre lies within 6 pixels of the point, else -1.
    int CellAtPoint(int X, int Y) const;

    void InitCells();
    // No hot cell; the panel 182 x 160.
    void ResetHot();

    ui::TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;

private:
    struct Cell {
        ui::TPoint Center;
        ui::TColor Color;
    };
    void DrawCell(ui::TCanvas& Canvas, int Index);
    void DrawHexagon(ui::TCanvas& Canvas, ui::TPoint Center, int W, int Q);

    ui::TColor FSelectedColor = ui::clNone;
    bool FShowRGBHint = true;
    std::array<Cell, CellCount + 1> FCells{};  // index 0 unused
    int FHalfWidth = 6;
    int FQuarterHeight = 3;
    int FSelectedCell = -1;
    int FHotCell = -1;
};

class TGxColorSpectrumPanel : public TGxCustomColorSelectorPanel {
public:
    // The screen cursor number of the eyedropper over the spectrum.
    static constexpr ui::TCursor EyedropperCursor = 54;

    explicit TGxColorSpectrumPanel(ui::TComponent* AOwner);

    ui::TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(ui::TColor Value) { FSelectedColor = Value; }
    ui::TColor HotColor() const { return FHotColor; }
    ui::TImage* Image() const { return FImage; }
    ui::TRect SelectedSwatch() const { return FSelectedSwatch; }
    ui::TRect HotSwatch() const { return FHotSwatch; }
    // Panel 150 x 174, the spectrum centred 10 pixels from the top, the two swatches below it, no
    // hot colour.
    void Arrange();

    ui::TNotifyEvent OnSelect;

protected:
    void Paint() override;

private:
    void ImageMouseMove(int X, int Y);
    void ImageMouseDown(int X, int Y);
    ui::TColor SpectrumPixel(int X, int Y) const;
    void DrawSwatch(ui::TCanvas& Canvas, const ui::TRect& R, ui::TColor Color);

    ui::TColor FSelectedColor = 0xFFFFFF;
    ui::TColor FHotColor = ui::clNone;
    ui::TImage* FImage = nullptr;
    ui::TRect FSelectedSwatch;
    ui::TRect FHotSwatch;
};

// The 128 x 128 spectrum: hue from red across the width, white at the top row, full colours in
// the middle row, black at the bottom.
void MakeSpectrumBitmap(ui::TBitmap& Bitmap);
// The 32 x 32 eyedropper cursor picture (tip at the lower left, hot spot (1, 30)).
void MakeEyedropperBitmap(ui::TBitmap& Bitmap);

}  // namespace dropdown
