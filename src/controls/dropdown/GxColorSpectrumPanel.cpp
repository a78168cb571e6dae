#include <algorithm>
#include <cmath>

#include "controls/dropdown/GxColorPanels.h"
#include "platform/ui/Application.h"

namespace dropdown {

using namespace ui;

void MakeSpectrumBitmap(TBitmap& B)
{
    constexpr int n = 128;
    B.SetSize(n, n);
    for (int x = 0; x < n; ++x) {
        // Hue from 0 (red) at the left edge round to red again at the right edge.
        const double h = 6.0 * x / n;
        const int sector = static_cast<int>(h) % 6;
        const double f = h - std::floor(h);
        double r = 0, g = 0, b = 0;
        switch (sector) {
        case 0:
            r = 1, g = f;
            break;
        case 1:
            r = 1 - f, g = 1;
            break;
        case 2:
            g = 1, b = f;
            break;
        case 3:
            g = 1 - f, b = 1;
            break;
        case 4:
            r = f, b = 1;
            break;
        default:
            r = 1, b = 1 - f;
            break;
        }
        for (int y = 0; y < n; ++y) {
            // White at the top row, the full colour at row 64, black at the bottom row.
            double cr, cg, cb;
            if (y <= 64) {
                const double t = y / 64.0;
                cr = 1 - t * (1 - r), cg = 1 - t * (1 - g), cb = 1 - t * (1 - b);
            } else {
                const double t = static_cast<double>(y - 64) / (n - 1 - 64);
                cr = r * (1 - t), cg = g * (1 - t), cb = b * (1 - t);
            }
            B.SetPixel(x, y,
                       RGB(static_cast<unsigned>(std::lround(cr * 255)), static_cast<unsigned>(std::lround(cg * 255)),
                           static_cast<unsigned>(std::lround(cb * 255))));
        }
    }
}

void MakeEyedropperBitmap(TBitmap& B)
{
    // A pipette lying from the lower-left tip to the upper-right bulb, on a transparent ground.
    B.SetSize(32, 32);
    B.SetAlphaChannel(true);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            B.ScanLine(y)[x] = 0;
    const auto put = [&](int x, int y, std::uint32_t argb) {
        if (x >= 0 && x < 32 && y >= 0 && y < 32)
            B.ScanLine(y)[x] = argb;
    };
    for (int i = 0; i < 22; ++i) {
        const int x = 1 + i, y = 30 - i;
        put(x, y, 0xFF000000);
        put(x + 1, y, 0xFF000000);
        put(x, y - 1, 0xFF000000);
        if (i > 2)
            put(x + 1, y - 1, 0xFFFFFFFF);
    }
    for (int y = 2; y < 11; ++y)
        for (int x = 21; x < 30; ++x) {
            const int dx = x - 25, dy = y - 6;
            if (dx * dx + dy * dy <= 16)
                put(x, y, dx * dx + dy * dy >= 12 ? 0xFF000000 : 0xFF404040);
        }
}

TGxColorSpectrumPanel::TGxColorSpectrumPanel(TComponent* AOwner) : TGxCustomColorSelectorPanel(AOwner)
{
    FImage = new TImage(this);
    FImage->SetParent(this);
    MakeSpectrumBitmap(*FImage->Picture()->Bitmap());
    FImage->SetBounds(0, 0, 128, 128);
    if (!GetScreen()->HasCursor(EyedropperCursor)) {
        TBitmap dropper;
        MakeEyedropperBitmap(dropper);
        GetScreen()->SetCursors(EyedropperCursor, dropper, {1, 30});
    }
    FImage->SetCursor(EyedropperCursor);
    FImage->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { ImageMouseMove(X, Y); };
    FImage->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int X, int Y) { ImageMouseDown(X, Y); };
    Arrange();
}

void TGxColorSpectrumPanel::Arrange()
{
    SetBounds(Left(), Top(), 150, 174);
    FImage->SetBounds((Width() - FImage->Width()) / 2, 10, FImage->Width(), FImage->Height());
    const int left = FImage->Left(), width = FImage->Width();
    const int bottom = FImage->Top() + FImage->Height();
    FSelectedSwatch = TRect(left - 1, bottom + 8, left + width / 2 - 2, bottom + 28);
    FHotSwatch = TRect(FSelectedSwatch.Right + 4, bottom + 8, left + width + 1, bottom + 28);
    FHotColor = clNone;
    Invalidate();
}

TColor TGxColorSpectrumPanel::SpectrumPixel(int X, int Y) const
{
    const TBitmap* b = FImage->Picture()->Bitmap();
    return b->Pixel(std::clamp(X, 0, b->Width() - 1), std::clamp(Y, 0, b->Height() - 1));
}

void TGxColorSpectrumPanel::ImageMouseMove(int X, int Y)
{
    FHotColor = SpectrumPixel(X, Y);
    DrawSwatch(*Canvas(), FHotSwatch, FHotColor);
    Invalidate();
}

void TGxColorSpectrumPanel::ImageMouseDown(int X, int Y)
{
    // The colour under the pointer, also when the pointer has not moved over the image before.
    FHotColor = SpectrumPixel(X, Y);
    FSelectedColor = FHotColor;
    DrawSwatch(*Canvas(), FSelectedSwatch, FSelectedColor);
    Invalidate();
    if (OnSelect)
        OnSelect(this);
}

void TGxColorSpectrumPanel::DrawSwatch(TCanvas& C, const TRect& R, TColor Color)
{
    C.Pen()->SetWidth(1);
    C.Pen()->SetColor(0x808080);
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    C.Rectangle(R.Inflate(1, 1));
    C.Pen()->SetColor(0xFFFFFF);
    if (Color == clNone) {
        C.Rectangle(R);
        return;
    }
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(Color);
    C.Rectangle(R);
}

void TGxColorSpectrumPanel::Paint()
{
    TGxCustomColorSelectorPanel::Paint();
    TCanvas& C = *Canvas();
    const TRect image = FImage->BoundsRect();
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    C.Pen()->SetWidth(1);
    C.Pen()->SetColor(0xFFFFFF);
    C.Rectangle(image.Inflate(1, 1));
    C.Pen()->SetColor(0x808080);
    C.Rectangle(image.Inflate(2, 2));
    DrawSwatch(C, FSelectedSwatch, FSelectedColor);
    DrawSwatch(C, FHotSwatch, FHotColor);
}

}  // namespace dropdown
