// Cell drag and drop on the grid drag and drop protocol (grid/base/GridDragDrop.h): a grid drags
// its selection (text, the pressed cell as rich text, with AllowFmtClipboard its cells as a cell
// stream) or a header column to other grids and programs; a grid whose DragDropSettings have
// OleDropTarget on takes text, rich text, cells, a column, links and CSV or workbook files.
#pragma once

#include <string>
#include <vector>

#include "grid/base/GridDragDrop.h"
#include "grid/stringgrid/GxGrid.h"

namespace gx {

// Where a drop lands, the feedback while dragging, and each kind of drop carried into the grid.
class TGridDropTarget : public TGSGDropTarget {
public:
    explicit TGridDropTarget(TGxStringGrid* AGrid) : FGrid(AGrid) {}
    void DropText(ui::TPoint P, const std::string& S) override;
    void DropStream(ui::TPoint P, rtl::TMemoryStream& Stream) override;
    void DropCol(ui::TPoint P, int Col) override;
    void DropRTF(ui::TPoint P, const std::string& S) override;
    void DropFiles(ui::TPoint P, const std::vector<std::string>& Files) override;
    void DropURL(ui::TPoint P, const std::string& S) override;
    void DragMouseMove(ui::TPoint P, bool& Allow, TDropFormats F) override;
    void DragMouseLeave() override;
    // The accept switches as the grid's settings have them now, then the base's entry.
    void DragEnter(ui::TDragMessage& Message) override;
    // The base's drop, answering no effect when an event refused it.
    void Drop(ui::TDragMessage& Message) override;

private:
    bool refused_ = false;
    // The cell under the screen point P; below tells a drop below the last row (appending).
    void DropCell(ui::TPoint P, bool Column, int& ACol, int& ARow, bool& Below);
    void DropCellText(ui::TPoint P, const std::string& S, bool Rtf);
    TGxStringGrid* FGrid;
};

// The source side of a drag the grid started.
class TGridDropSource : public TGSGDropSource {
public:
    explicit TGridDropSource(TGxStringGrid* AGrid) : FGrid(AGrid) {}
    void DragEnded() override;
    void CurrentEffect(unsigned) override {}
    void QueryDrag() override;

private:
    TGxStringGrid* FGrid;
};

// Registers (or revokes) the grid's drop target as DragDropSettings' OleDropTarget says, taking
// the accept switches from the settings. The grid's settings setter calls it through its hook.
void UpdateOleDropTarget(TGxStringGrid& grid);
// The drop target a grid registered, nullptr when none.
TGridDropTarget* GridDropTarget(TGxStringGrid& grid);
// Drags from the cell (ACol, ARow) (display column) as a press there followed by a move does:
// a column from a fixed row with OleColumnDragDrop, else the selection. Returns the drop's effect
// (ui::deNone when refused or cancelled).
unsigned StartCellDrag(TGxStringGrid& grid, int ACol, int ARow);
// Where the picture of dragged cells sits (its top-left corner, screen) with the mouse at Mouse:
// the picture starts at the mouse; read right to left it ends there instead, its right edge at
// the mouse plus FirstColWidth (the width of column 0).
ui::TPoint DragPicturePos(bool RightToLeft, ui::TPoint Mouse, int PictureWidth, int FirstColWidth);
// The rectangle the grid last dragged from.
ui::TGridRect DropSelection(TGxStringGrid& grid);

}  // namespace gx
