#include "grid/base/GxAlphaMask.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gx {

namespace {

bool Is24Bit(const ui::TBitmap& b)
{
    return !b.AlphaChannel();
}

std::uint32_t Byte(std::uint32_t word, int shift)
{
    return (word >> shift) & 0xFF;
}

}  // namespace

TGridAlphaMask::TGridAlphaMask()
{
    SetAlphaChannel(true);
}

void TGridAlphaMask::Assign(const ui::TBitmap& Source)
{
    if (const auto* mask = dynamic_cast<const TGridAlphaMask*>(&Source)) {
        Opacity = mask->Opacity;
        const int rows = std::min(Height(), mask->Height());
        const int cols = std::min(Width(), mask->Width());
        for (int y = 0; y < rows; ++y)
            std::copy_n(mask->ScanLine(y), cols, ScanLine(y));
    } else {
        ui::TBitmap::Assign(Source);
    }
    SetAlphaChannel(true);
}

void TGridAlphaMask::MergeMask(const ui::TBitmap& Mask, const ui::TBitmap& Bitmap, ui::TColor)
{
    if (!Is24Bit(Bitmap))
        return;
    SetSize(Bitmap.Width(), Bitmap.Height());
    for (int y = 0; y < Height(); ++y) {
        const std::uint32_t* src = Bitmap.ScanLine(y);
        std::uint32_t* dst = ScanLine(y);
        for (int x = 0; x < Width(); ++x) {
            const bool inMask = x < Mask.Width() && y < Mask.Height();
            const std::uint32_t alpha = inMask ? Byte(Mask.ScanLine(y)[x], 16) : 0;
            auto scale = [&](int shift) {
                return static_cast<std::uint32_t>(std::nearbyint(Byte(src[x], shift) * alpha / 255.0)) << shift;
            };
            dst[x] = (alpha << 24) | scale(16) | scale(8) | scale(0);
        }
    }
    SetAlphaChannel(true);
}

void MakeRoundRectMask(ui::TBitmap& Bitmap, int Width, int Height, double PenWidth, int CornerSize, double BlurRadius)
{
    Bitmap.SetAlphaChannel(false);
    Bitmap.SetSize(Width, Height);
    ui::TCanvas* canvas = Bitmap.Canvas();
    canvas->Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas->Brush()->SetColor(ui::clBlack);
    canvas->Pen()->SetStyle(ui::TPenStyle::psSolid);
    canvas->FillRect(ui::Rect(0, 0, Width, Height));
    const int c = static_cast<int>(std::nearbyint(PenWidth / 2));
    if (PenWidth < 1) {
        canvas->Pen()->SetWidth(1);
        canvas->Pen()->SetColor(ui::clWhite);
        canvas->Brush()->SetColor(ui::clWhite);
    } else {
        canvas->Pen()->SetWidth(static_cast<int>(std::nearbyint(PenWidth)));
        canvas->Pen()->SetColor(ui::clWhite);
        canvas->Brush()->SetColor(ui::clBlack);
    }
    canvas->RoundRect(c + 2, c + 2, Width - c - 2, Height - c - 2, CornerSize, CornerSize);
    if (BlurRadius > 0)
        GaussianBlur(Bitmap, BlurRadius);
}

void GaussianBlur(ui::TBitmap& Bitmap, double Radius)
{
    if (!Is24Bit(Bitmap))
        throw rtl::Exception("Blur only works for 24-bit bitmaps");
    if (Radius <= 0)
        return;

    // Weights for the offsets -10..10, then the half width K where the tails stop mattering.
    double w[21];
    double sum = 0;
    for (int k = -10; k <= 10; ++k)
        sum += w[k + 10] = std::exp(-(k / Radius) * (k / Radius) / 2);
    for (double& v : w)
        v /= sum;
    int K = 10;
    double tail = 0;
    while (tail < 1.0 / 510 && K > 1) {
        tail += 2 * w[K + 10];
        --K;
    }
    double kernelSum = 0;
    for (int k = -K; k <= K; ++k)
        kernelSum += w[k + 10];
    std::vector<double> kernel;
    for (int k = -K; k <= K; ++k)
        kernel.push_back(w[k + 10] / kernelSum);

    // One line of pixels convolved with the kernel, positions held inside the line.
    auto convolve = [&](std::vector<std::uint32_t>& line) {
        const int n = static_cast<int>(line.size());
        std::vector<std::uint32_t> out(line.size());
        for (int x = 0; x < n; ++x) {
            std::uint32_t pixel = 0;
            for (int shift : {0, 8, 16}) {
                double acc = 0;
                for (int k = -K; k <= K; ++k)
                    acc += kernel[k + K] * Byte(line[std::clamp(x - k, 0, n - 1)], shift);
                pixel |= static_cast<std::uint32_t>(std::clamp(std::nearbyint(acc), 0.0, 255.0)) << shift;
            }
            out[x] = pixel | 0xFF000000u;
        }
        line.swap(out);
    };

    const int W = Bitmap.Width(), H = Bitmap.Height();
    if (W <= 0 || H <= 0)
        return;
    std::vector<std::uint32_t> line;
    for (int i = 0; i < H; ++i) {
        std::uint32_t* row = Bitmap.ScanLine(i);
        if (20 < i && i < H - 20) {
            std::copy_n(Bitmap.ScanLine(15), W, row);
            continue;
        }
        line.assign(row, row + W);
        convolve(line);
        std::copy(line.begin(), line.end(), row);
    }
    for (int j = 0; j < W; ++j) {
        if (20 < j && j < W - 20) {
            for (int y = 0; y < H; ++y)
                Bitmap.ScanLine(y)[j] = Bitmap.ScanLine(y)[15];
            continue;
        }
        line.resize(static_cast<std::size_t>(H));
        for (int y = 0; y < H; ++y)
            line[y] = Bitmap.ScanLine(y)[j];
        convolve(line);
        for (int y = 0; y < H; ++y)
            Bitmap.ScanLine(y)[j] = line[y];
    }
}

}  // namespace gx
