#pragma once
// Painting and merged-cell navigation of TBaseGrid.
//
// The base grid draws every cell itself: the background (plain, gradient, hover row, active
// row or one of the selection looks), its own grid lines in its own colours and width, then
// DrawCellText for the content. A merged range is painted once per paint pass, and keys, the
// mouse wheel and cell selection keep the current cell on the base cell of a merged range.
//
// The grid's overrides of the framework steps run these routines:
//   DrawCell(c, r, rect, state)   -> PaintCell(grid, *Canvas(), c, r, rect, state)
//   Paint()                       -> framework painting, then PaintPassDone(grid)
//   SelectCell(c, r)              -> SelectBaseGridCell(grid, c, r)
//   KeyDown(key, shift)           -> MoveOverMergedCells(grid, key), framework key handling,
//                                    then GoToBaseCell()
//   DoMouseWheelDown / Up         -> framework handling, then AfterWheelDown(grid) /
//                                    GoToBaseCell()
//   TopLeftChanged()              -> framework handling, then RepaintFixedMergedCells(grid)

#include "platform/ui/Grids.h"

namespace gx {

class TBaseGrid;

// Paints one cell on any canvas: the whole merged range, with the fixed-cell state and the
// content step.
void PaintCell(TBaseGrid& Grid, ui::TCanvas& ACanvas, int ACol, int ARow, const ui::TRect& ARect,
               ui::TGridDrawState AState);
// The same without the merged-range rectangle, the fixed-cell state change and the content:
// used for the drag image of a header cell.
void PaintCellExt(TBaseGrid& Grid, ui::TCanvas& ACanvas, int ACol, int ARow, const ui::TRect& ARect,
                  ui::TGridDrawState AState);

// Ends a paint pass: the next pass paints every merged range again.
void PaintPassDone(TBaseGrid& Grid);

// Repaints the current cell, runs the framework's select step and repaints the new cell.
bool SelectBaseGridCell(TBaseGrid& Grid, int ACol, int ARow);

// Before the framework moves the current cell for Key: puts the current cell on the edge of
// its merged range, so that the move leaves the range by exactly one cell.
void MoveOverMergedCells(TBaseGrid& Grid, unsigned Key);

// After the framework's wheel-down step: keeps the current row in view above a hidden last
// row, then goes to the base cell.
void AfterWheelDown(TBaseGrid& Grid);

// After scrolling: repaints the merged cells of the fixed columns and rows in view, since a
// range reaching into the scrolled area must be drawn again.
void RepaintFixedMergedCells(TBaseGrid& Grid);

}  // namespace gx
