// Grouping rows into an outline: Group sorts by a column, puts a node row over each run of equal
// values and removes the column; UnGroup puts the column and the values back. SubGroup adds a level
// of nodes inside the groups, SubUnGroup takes that level away. The group calculations write one
// result per expanded group into its node row or, with summary rows, into its summary row.
#pragma once

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// Refused (nothing happens) for a column below FixedCols, column 0 (UnGroup could not restore it),
// a column outside the grid, a grid without normal rows, and a grid that would have no column left
// to show the group values.
void Group(TGxStringGrid& Grid, int Colindex);
// Also takes away every level SubGroup added, so the restored rows get their own values back.
void UnGroup(TGxStringGrid& Grid);
void SubGroup(TGxStringGrid& Grid, int Colindex);
void SubUnGroup(TGxStringGrid& Grid, int Colindex);
// -1 ungroups, a value above 0 groups; 0 and other negative values do nothing.
void SetGroupColumn(TGxStringGrid& Grid, int Value);

enum TGroupCalcMethod : int {
    gcSum = 1,
    gcAvg = 2,
    gcMin = 3,
    gcMax = 4,
    gcCount = 5,
    gcCustom = 6,
    gcDistinct = 7,
    gcStdDev = 8,
};
void GroupCalc(TGxStringGrid& Grid, int Colindex, int Method);
// These five also give the floating footer's cell of the column the matching calculation when the
// footer is shown.
void GroupSum(TGxStringGrid& Grid, int Colindex);
void GroupAvg(TGxStringGrid& Grid, int Colindex);
void GroupMin(TGxStringGrid& Grid, int Colindex);
void GroupMax(TGxStringGrid& Grid, int Colindex);
void GroupCount(TGxStringGrid& Grid, int Colindex);
void GroupCustomCalc(TGxStringGrid& Grid, int Colindex);
void GroupDistinct(TGxStringGrid& Grid, int Colindex);
void GroupStdDev(TGxStringGrid& Grid, int Colindex);

}  // namespace gx
