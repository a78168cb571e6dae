// TGxStringGrid: the translucent focus frame around the cell being edited. It is a window of its
// own over the grid (an overlay: it takes no clicks and never the focus): a light blue rounded
// frame about 4 pixels wide around the cell, with soft edges, mostly opaque.
#include <cmath>

#include "grid/base/GxAlphaMask.h"
#include "grid/base/GxWindows.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridModule.h"

namespace gx {

namespace {
constexpr ui::TColor kFrameColor = 0xFDD397;
constexpr std::uint8_t kFrameOpacity = 230;
constexpr int kFrameMargin = 4;  // the frame reaches this far outside the cell

// Premultiplied pixels scaled by a window's constant opacity.
void ApplyOpacity(ui::TBitmap& picture, std::uint8_t opacity)
{
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint32_t* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            std::uint32_t out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const std::uint32_t channel = (row[x] >> shift) & 0xFF;
                out |= static_cast<std::uint32_t>(std::nearbyint(channel * opacity / 255.0)) << shift;
            }
            row[x] = out;
        }
    }
}
}  // namespace

void TGxStringGrid::ShowFocusWindow(const ui::TRect& R)
{
    TGridFocusWindow& frame = *focusWindow_;
    const int W = R.Width() + 2 * kFrameMargin + 1, H = R.Height() + 2 * kFrameMargin + 1;
    const ui::TPoint at = ClientToScreen({R.Left, R.Top});
    if (frame.Showing() && frame.Picture.Width() == W && frame.Picture.Height() == H) {
        frame.ShowAt({at.X - kFrameMargin, at.Y - kFrameMargin});  // the same frame, moved
        return;
    }
    frame.HideWindow();
    ui::TBitmap mask;
    MakeRoundRectMask(mask, W, H, 4, 5, 3.0);
    if (mask.Height() <= 0)
        return;
    ui::TBitmap face(W, H);
    face.Canvas()->Brush()->SetColor(kFrameColor);
    face.Canvas()->FillRect(ui::Rect(0, 0, W, H));
    frame.Picture.Opacity = kFrameOpacity;
    frame.Picture.MergeMask(mask, face, kFrameColor);
    ApplyOpacity(frame.Picture, kFrameOpacity);
    // Only the ring around the cell exists: the cell itself stays visible and clickable.
    const ui::TRect cell = ui::Bounds(kFrameMargin, kFrameMargin, R.Width(), R.Height());
    frame.Shape = {ui::Rect(0, 0, W, cell.Top), ui::Rect(0, cell.Bottom, W, H),
                   ui::Rect(0, cell.Top, cell.Left, cell.Bottom), ui::Rect(cell.Right, cell.Top, W, cell.Bottom)};
    frame.ShowAt({at.X - kFrameMargin, at.Y - kFrameMargin});
    GxGridModule().FocusWindowGrid = this;
}

void TGxStringGrid::MoveFocusWindow()
{
    if (focusWindow_->Showing())
        ShowFocusWindow(CellRect(Col(), Row()));
}

void TGxStringGrid::HideFocusWindow()
{
    if (GxGridModule().FocusWindowGrid == this)
        GxGridModule().FocusWindowGrid = nullptr;
    focusWindow_->HideWindow();
}

}  // namespace gx
