// Module GxObj: auxiliary windows of the grid: the arrows shown while a column or row is dragged
// to a new place, and the focus window that frames the current cell.
#pragma once

#include <array>
#include <vector>

#include "grid/base/GxAlphaMask.h"
#include "grid/base/GxObj.h"
#include "platform/ui/ExtCtrls.h"

namespace gx {

// A small green arrow shaped by its outline polygon.
class TArrowWindow : public ui::TPanel {
public:
    explicit TArrowWindow(ui::TComponent* AOwner);
    // Stores the direction, makes AOwner the parent, colours the panel pure green and hides it.
    void Init(ui::TWinControl* AOwner, TArrowDirection direction);
    TArrowDirection Dir() const { return dir_; }
    const std::array<ui::TPoint, 7>& Arrow() const { return arrow_; }
    // Paints the arrow shape (the window's region) in the window colour.
    void PaintControl(ui::TCanvas& canvas) override;

private:
    TArrowDirection dir_ = arrUp;
    std::array<ui::TPoint, 7> arrow_{};
};

// The outline of an arrow window of the given direction.
std::array<ui::TPoint, 7> ArrowOutline(TArrowDirection direction);

// A topmost, disabled popup frame: created empty and red; the grid positions and shows it. On
// screen it is an overlay window: its Picture (with alpha) at a screen point, cut to its Shape,
// taking neither clicks nor the focus.
class TGridFocusWindow : public ui::TCustomControl {
public:
    explicit TGridFocusWindow(ui::TComponent* AOwner);
    ~TGridFocusWindow() override;
    // Shows (or moves) the window with its picture's top-left corner at a screen point.
    void ShowAt(ui::TPoint ScreenPos);
    void HideWindow();
    bool Showing() const { return showing_; }
    ui::TPoint ScreenPos() const { return screenPos_; }

    TGridAlphaMask Picture;
    std::vector<ui::TRect> Shape;  // in picture coordinates; empty: the whole picture

private:
    bool showing_ = false;
    ui::TPoint screenPos_{};
};

}  // namespace gx
