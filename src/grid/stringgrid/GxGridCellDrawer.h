// An object that draws a grid cell itself (AddInterfacedCell). The cell keeps the object as a plain
// TObject; the grid looks for this interface on it and calls it when it paints or prints the cell.
// An object without the interface draws nothing. The grid does not own the object.
#pragma once

#include "grid/stringgrid/GxCellGraphic.h"
#include "platform/ui/Graphics.h"

namespace gx {

class TGxStringGrid;

class IGridCellDrawer {
public:
    virtual ~IGridCellDrawer() = default;

    // Draws into Rect. Col is the real column. Selected is true when the cell is painted selected on
    // the screen (never on paper). Printing gives a bitmap canvas whose size is Rect's.
    virtual void Draw(ui::TCanvas& Canvas, const ui::TRect& Rect, TGxStringGrid& Grid, int Col, int Row,
                      bool Selected) = 0;
    // The size the drawing wants in pixels; 0 leaves the size to the cell.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // True: drawn before the cell text, which is then written over it; false: drawn after the text.
    virtual bool DrawsFirst() const = 0;

protected:
    IGridCellDrawer() = default;
    IGridCellDrawer(const IGridCellDrawer&) = default;
    IGridCellDrawer& operator=(const IGridCellDrawer&) = default;
};

// The drawing interface of an interfaced cell's object; nullptr for any other graphic and for an
// object that does not draw itself.
inline IGridCellDrawer* CellDrawer(const TCellGraphic* G)
{
    if (!G || G->CellType != ctInterface)
        return nullptr;
    return dynamic_cast<IGridCellDrawer*>(G->CellBitmap);
}

}  // namespace gx
