// TGxStringGrid: emptying rectangles of cells (with or without their properties), the clear
// family built on it, trimming texts and colouring rectangles.
#include "grid/stringgrid/GxGrid.h"

#include "platform/rtl/StrUtils.h"

#include <algorithm>

namespace gx {

namespace {

// The part of a rectangle that lies inside the cells: columns 0 .. LastCol, rows 0 .. LastRow.
// Empty (Left > Right or Top > Bottom) when nothing of it does.
ui::TGridRect CellsOf(int ACol1, int ARow1, int ACol2, int ARow2, int LastCol, int LastRow)
{
    return {std::max(ACol1, 0), std::max(ARow1, 0), std::min(ACol2, LastCol), std::min(ARow2, LastRow)};
}

}  // namespace

// Columns are storage columns, or with SaveHiddenCells display columns mapped to their real ones
// (so the cells of hidden columns stay).
void TGxStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    const ui::TGridRect cells =
        CellsOf(ACol1, ARow1, ACol2, ARow2, (SaveHiddenCells ? ColCount() : TotalColCount()) - 1, RowCount() - 1);
    // The rectangle lies inside the cells: the store is asked directly, without the bounds checks.
    const bool mapped = SaveHiddenCells, props = !ClearTextOnly;
    for (int r = cells.Top; r <= cells.Bottom; ++r) {
        for (int c = cells.Left; c <= cells.Right; ++c) {
            const int a = mapped ? RealColIndex(c) : c;
            if (props && GridObjects(a, r)) {
                RemoveCellGraphic(a, r);
                ClearCellProperties(a, r);
            } else if (props && a == 0) {
                SetRowNodeLevel(r, 0);
            }
            if (Destroying())
                continue;
            if (!Cells(a, r).empty()) {
                SetCells(a, r, "");
                if (a != c)
                    RepaintCell(c, r);
            }
        }
    }
    if (ACol1 == 0 && ARow1 == 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1)
        ResetHasCellProps();
    if (!Destroying())
        DoCellsChanged({RealColIndex(ACol1), ARow1, RealColIndex(ACol2), ARow2});
}

void TGxStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() == 0 || ColCount() == 0 || RCount <= 0)
        return;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TGxStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() == 0 || ColCount() == 0 || CCount <= 0)
        return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TGxStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() == 0 || ColCount() == 0 || RCount <= 0)
        return;
    ClearRect(FixedCols(), RowIndex, TotalColCount() - fixedRightCols_ - 1, RowIndex + RCount - 1);
}

void TGxStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() == 0 || ColCount() == 0 || CCount <= 0)
        return;
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - fixedFooters_ - 1);
}

void TGxStringGrid::ClearNormalCells()
{
    if (RowCount() == 0 || ColCount() == 0)
        return;
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - fixedRightCols_ - 1, RowCount() - fixedFooters_ - 1);
}

void TGxStringGrid::ClearSelection()
{
    if (mouseActions_->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r))
                ClearRows(r, 1);
        return;
    }
    if (mouseActions_->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c))
                ClearCols(c, 1);
        return;
    }
    const ui::TGridRect sel = Selection();
    ClearRect(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

void TGxStringGrid::Clear()
{
    if (RowCount() == 0 || ColCount() == 0)
        return;
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    if (NumHiddenColumns() > 0)
        Invalidate();
}

// The hidden rows keep their real index and height; their cells (and properties) go.
void TGxStringGrid::ClearAll()
{
    Clear();
    for (auto& record : gridItems_)
        record->SetCells(nullptr);
}

// Written back even when unchanged, which runs the cell-text hooks.
void TGxStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    const ui::TGridRect cells =
        CellsOf(ACol1, ARow1, ACol2, ARow2, (SaveHiddenCells ? ColCount() : TotalColCount()) - 1, RowCount() - 1);
    for (int r = cells.Top; r <= cells.Bottom; ++r) {
        for (int c = cells.Left; c <= cells.Right; ++c) {
            const int a = SaveHiddenCells ? RealColIndex(c) : c;
            SetCells(a, r, rtl::Trim(Cells(a, r)));
        }
    }
}

void TGxStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, ui::TColor AColor)
{
    const ui::TGridRect cells = CellsOf(ACol1, ARow1, ACol2, ARow2, TotalColCount() - 1, RowCount() - 1);
    for (int r = cells.Top; r <= cells.Bottom; ++r)
        for (int c = cells.Left; c <= cells.Right; ++c)
            SetColors(c, r, AColor);
}

}  // namespace gx
