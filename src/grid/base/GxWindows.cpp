#include "grid/base/GxWindows.h"

#include "platform/ui/Backend.h"

#include <vector>

namespace gx {

std::array<ui::TPoint, 7> ArrowOutline(TArrowDirection direction)
{
    switch (direction) {
    case arrUp:
        return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown:
        return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft:
        return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight:
        return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
    }
    return {};
}

TArrowWindow::TArrowWindow(ui::TComponent* AOwner) : ui::TPanel(AOwner) {}

void TArrowWindow::Init(ui::TWinControl* AOwner, TArrowDirection direction)
{
    dir_ = direction;
    arrow_ = ArrowOutline(direction);
    SetColor(0x00FF00);
    SetParent(AOwner);
    Hide();
}

void TArrowWindow::PaintControl(ui::TCanvas& canvas)
{
    canvas.Brush()->SetColor(Color());
    canvas.Pen()->SetColor(Color());
    canvas.Polygon(std::vector<ui::TPoint>(arrow_.begin(), arrow_.end()));
}

TGridFocusWindow::TGridFocusWindow(ui::TComponent* AOwner) : ui::TCustomControl(AOwner)
{
    SetBounds(0, 0, 0, 0);
    SetColor(0x0000FF);
    SetEnabled(false);
    SetVisible(false);
}

TGridFocusWindow::~TGridFocusWindow()
{
    HideWindow();
}

void TGridFocusWindow::ShowAt(ui::TPoint ScreenPos)
{
    screenPos_ = ScreenPos;
    showing_ = true;
    SetBounds(ScreenPos.X, ScreenPos.Y, Picture.Width(), Picture.Height());
    if (ui::IUiBackend* backend = ui::Backend())
        backend->ShowOverlay(this, Picture, ScreenPos, Shape);
}

void TGridFocusWindow::HideWindow()
{
    if (!showing_)
        return;
    showing_ = false;
    if (ui::IUiBackend* backend = ui::Backend())
        backend->HideOverlay(this);
}

}  // namespace gx
