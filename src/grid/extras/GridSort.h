// Sorting the rows of a grid in place: by one column, by the sort index list, inside groups, by
// header click, and back to the order of the last cross-reference reset. Every sort orders the
// rows first and exchanges them only afterwards, so a comparison that raises leaves the grid as
// it was; rows the comparison finds equal keep their order.
#pragma once

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// The sort entry points; the grid's slots of the same names reach them through its extras
// (TGridExtras, GridExtras.h).
void InitSortXRef(TGxStringGrid& Grid);
void QSort(TGxStringGrid& Grid);
void QSortIndexed(TGxStringGrid& Grid);  // "No indexes specified for indexed sort" on an empty list
void QSortGroup(TGxStringGrid& Grid);
void QSortGroupIndexed(TGxStringGrid& Grid);
void QUnSort(TGxStringGrid& Grid);
void Sort(TGxStringGrid& Grid, int Column, TSortDirection Direction);
void SortByColumn(TGxStringGrid& Grid, int Col);
void QuickSort(TGxStringGrid& Grid, int Col, int Left, int Right);
void QuickSortIndexed(TGxStringGrid& Grid, int Left, int Right);
bool SortLine(TGxStringGrid& Grid, int Col, int ARow1, int ARow2);

// A click on the sort header of column ACol (a real column) with the index key held or not.
void HeaderClickSort(TGxStringGrid& Grid, int ACol, bool IndexKeyHeld);

}  // namespace gx
