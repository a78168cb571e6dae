// TGxStringGrid::SortSwapRows: the row exchange every sort of the grid extras is built on.
#include "grid/stringgrid/GxGrid.h"

#include <utility>

namespace gx {

void TGxStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2)
        return;
    const int n = static_cast<int>(SortRowXRef.size());
    if (ARow1 >= 0 && ARow2 >= 0 && ARow1 < n && ARow2 < n)
        std::swap(SortRowXRef[static_cast<std::size_t>(ARow1)], SortRowXRef[static_cast<std::size_t>(ARow2)]);
    if (SortSettings()->SingleColumn) {
        const int c = SortSettings()->Column;
        if (c < 0)
            return;
        const std::string t1 = GridCells(c, ARow1);
        TObject* o1 = Objects(c, ARow1);
        SetGridCell(c, ARow1, GridCells(c, ARow2));
        SetObjects(c, ARow1, Objects(c, ARow2));
        SetGridCell(c, ARow2, t1);
        SetObjects(c, ARow2, o1);
        return;
    }
    // Whole stored rows: texts, user objects and cell properties of every column (hidden ones
    // included) travel together.
    auto r1 = ExtractStoreRow(ARow1);
    auto r2 = ExtractStoreRow(ARow2);
    PlaceStoreRow(ARow1, std::move(r2));
    PlaceStoreRow(ARow2, std::move(r1));
    const int h1 = RowHeights(ARow1);
    const int h2 = RowHeights(ARow2);
    if (h1 != h2) {
        SetRowHeights(ARow1, h2);
        SetRowHeights(ARow2, h1);
    }
    if (MouseActions()->DisjunctRowSelect() && Navigation()->MoveRowOnSort()) {
        const bool s1 = RowSelect(ARow1);
        const bool s2 = RowSelect(ARow2);
        if (s1 != s2) {
            SetRowSelect(ARow1, s2);
            SetRowSelect(ARow2, s1);
        }
    }
    if (ShowModified()->Enabled) {
        const bool m1 = RowModified(ARow1);
        const bool m2 = RowModified(ARow2);
        if (m1 != m2) {
            SetRowModified(ARow1, m2);
            SetRowModified(ARow2, m1);
        }
    }
    if (SortTrackedRow == ARow1)
        SortTrackedRow = ARow2;
    else if (SortTrackedRow == ARow2)
        SortTrackedRow = ARow1;
    InvalidateRow(ARow1);
    InvalidateRow(ARow2);
}

}  // namespace gx
