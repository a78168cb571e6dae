// Module GxObj: auxiliary windows of the grid: the arrows shown while a column or row is dragged
// to a new place, and the focus window that frames the current cell.
#pragma once

#include <array>

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

// A topmost, disabled popup frame: created empty and red; the grid positions and shows it.
class TGridFocusWindow : public ui::TCustomControl {
public:
    explicit TGridFocusWindow(ui::TComponent* AOwner);
};

}  // namespace gx
