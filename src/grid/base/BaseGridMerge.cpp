// TBaseGrid's merged cells: the merge encoding in the cells' properties, the queries built on it
// and the geometry of ranges.
#include "grid/base/BaseGrid.h"

#include <algorithm>

namespace gx {

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany)
{
    ++mergeCount_;
    for (int i = c; i < c + spanx; ++i) {
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* props = GetCellProperties(i, j);
            const bool base = i == c && j == r;
            props->SetIsBaseCell(base);
            props->SetCellSpanX(base ? spanx - 1 : i - c);
            props->SetCellSpanY(base ? spany - 1 : j - r);
        }
    }
    for (int i = c; i < c + spanx; ++i)
        for (int j = r; j < r + spany; ++j)
            RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int c, int r)
{
    const ui::TPoint base = GetCellProperties(c, r)->GetBaseCell(c, r);
    const TCellProperties* baseProps = GetCellProperties(base.X, base.Y);
    const int sx = baseProps->CellSpanX();
    const int sy = baseProps->CellSpanY();
    for (int i = base.X; i <= base.X + sx; ++i) {
        for (int j = base.Y; j <= base.Y + sy; ++j) {
            TCellProperties* props = GetCellProperties(i, j);
            props->SetIsBaseCell(true);
            props->SetCellSpanX(-1);
            props->SetCellSpanY(-1);
        }
    }
    for (int i = base.X; i <= base.X + sx; ++i)
        for (int j = base.Y; j <= base.Y + sy; ++j)
            RepaintCell(i, j);
    --mergeCount_;
}

ui::TPoint TBaseGrid::BaseCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return {ACol, ARow};
    return GridObjects(ACol, ARow)->GetBaseCell(ACol, ARow);
}

bool TBaseGrid::FindBaseCell(int ACol, int ARow, int& BCol, int& BRow) const
{
    const ui::TPoint base = BaseCell(ACol, ARow);
    BCol = base.X;
    BRow = base.Y;
    return IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    return !HasCellProperties(ACol, ARow) || GridObjects(ACol, ARow)->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return false;
    const TCellProperties* props = GridObjects(ACol, ARow);
    return props->CellSpanX() > 0 || props->CellSpanY() > 0;
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !GridObjects(ACol, ARow)->IsBaseCell();
}

namespace {

// The properties of the range's base cell, or nullptr when the base cell has none.
const TCellProperties* BaseProps(const TBaseGrid& grid, int ACol, int ARow)
{
    const ui::TPoint base = grid.BaseCell(ACol, ARow);
    return grid.HasCellProperties(base.X, base.Y) ? grid.GridObjects(base.X, base.Y) : nullptr;
}

}  // namespace

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return false;
    const TCellProperties* base = BaseProps(*this, ACol, ARow);
    return base && base->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return false;
    const TCellProperties* base = BaseProps(*this, ACol, ARow);
    return base && base->CellSpanY() > 0;
}

ui::TPoint TBaseGrid::CellSpan(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return {0, 0};
    const TCellProperties* props = GridObjects(ACol, ARow);
    if (props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return {0, 0};
    const TCellProperties* base = BaseProps(*this, ACol, ARow);
    return base ? ui::TPoint(base->CellSpanX(), base->CellSpanY()) : ui::TPoint(0, 0);
}

ui::TPoint TBaseGrid::CellExt(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return {0, 0};
    const TCellProperties* props = GridObjects(ACol, ARow);
    if (props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return {0, 0};
    const ui::TPoint base = BaseCell(ACol, ARow);
    const ui::TPoint span = CellSpan(ACol, ARow);
    return {base.X + span.X - ACol, base.Y + span.Y - ARow};
}

ui::TRect TBaseGrid::FullCell(int c, int r) const
{
    const ui::TPoint base = BaseCell(c, r);
    const ui::TPoint span = CellSpan(c, r);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0 && span < result)
            result = span;
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int c = 0; c < ColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool any = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0)
            continue;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y)
            return false;
        any = true;
    }
    return any;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool any = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int span1 = CellSpan(ACol1, r).X;
        const int span2 = CellSpan(ACol2, r).X;
        if (span1 > 0 && span2 > 0) {
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X)
                return false;
            any = true;
        } else if (span1 != span2) {
            return false;
        }
    }
    return any;
}

// --- geometry -------------------------------------------------------------------------------------

// Offsets come from the framework's position tree (the framework draws no lines of its own here,
// so they are sums of widths and heights).
ui::TRect TBaseGrid::CalcCellRect(int c, int r) const
{
    const int left = static_cast<int>(ColumnOffset(c));
    const int top = static_cast<int>(RowOffset(r));
    ui::TRect rect{left, top, left + ColWidths(c), top + RowHeights(r)};
    int dx = 0, dy = 0;
    const ui::TRect topLeft = ui::TStringGrid::CellRect(LeftCol(), TopRow());
    if (c >= FixedCols())
        dx = topLeft.Left - static_cast<int>(ColumnOffset(LeftCol()));
    if (r >= FixedRows())
        dy = topLeft.Top - static_cast<int>(RowOffset(TopRow()));
    return rect.Offset(dx, dy);
}

namespace {

ui::TRect Union(ui::TRect a, ui::TRect b)
{
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

}  // namespace

ui::TRect TBaseGrid::CellRect(int c, int r) const
{
    if (HasCellProperties(c, r)) {
        const TCellProperties* props = GridObjects(c, r);
        if (props->CellSpanX() != -1 || props->CellSpanY() != -1) {
            const ui::TPoint base = BaseCell(c, r);
            const TCellProperties* baseProps = BaseProps(*this, c, r);
            const int sx = baseProps ? std::max(baseProps->CellSpanX(), 0) : 0;
            const int sy = baseProps ? std::max(baseProps->CellSpanY(), 0) : 0;
            ui::TRect first = CalcCellRect(base.X, base.Y);
            ui::TRect last = CalcCellRect(base.X + sx, base.Y + sy);
            if (first.Width() == 0)
                first.Right += 1;
            if (last.Width() == 0)
                last.Left -= 1;
            return Union(first, last);
        }
        if (props->Control())
            return CalcCellRect(c, r);
    }
    ui::TRect rect = ui::TStringGrid::CellRect(c, r);
    rect.Right = rect.Left + ColWidths(c);
    rect.Bottom = rect.Top + RowHeights(r);
    return rect;
}

ui::TPoint TBaseGrid::CellSize(int c, int r) const
{
    ui::TRect rect = CalcCellRect(c, r);
    if (IsMergedCell(c, r)) {
        const ui::TPoint base = BaseCell(c, r);
        const ui::TPoint span = CellSpan(c, r);
        rect = Union(CalcCellRect(base.X, base.Y), CalcCellRect(base.X + span.X, base.Y + span.Y));
    }
    return {rect.Width(), rect.Height()};
}

}  // namespace gx
