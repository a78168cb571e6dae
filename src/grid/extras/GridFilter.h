// Filtering rows: the condition list tested per row, filter passes that hide the failing rows as
// one level each, removing levels one by one or all, and narrowing while the user types.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// True when display row ARow passes every condition of the grid's Filter and OnCustomFilter.
bool RowMatchesFilter(TGxStringGrid& Grid, int ARow);
// Hides display row ARow (no filter level) when it does not match.
void FilterRow(TGxStringGrid& Grid, int ARow);
// One filter pass over the normal rows: the failing ones are hidden as a new level.
void ApplyFilter(TGxStringGrid& Grid);
// Gives the grid back the fixed rows it had before its first filter level, once a normal row is
// shown below them (a level that hides every normal row leaves the grid none).
void RestoreFilterFixedRows(TGxStringGrid& Grid);
// Shows the rows of the last level again; True when more than one level remains.
bool RemoveLastFilter(TGxStringGrid& Grid);
// Removes every level, or clears the conditions when there is none.
void RemoveAllFilters(TGxStringGrid& Grid);
// Narrowing by the text typed so far, on one column (cells containing it) or, with AColumn -1, on
// whole rows; one more character adds a level, one character less removes one.
void NarrowDown(TGxStringGrid& Grid, const std::string& ACondition, int AColumn);

}  // namespace gx
