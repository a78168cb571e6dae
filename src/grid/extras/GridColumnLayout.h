// The grid's column layout kept outside the grid: as one text (the column states string: column
// count, widths, order and hidden columns) that the program stores where it likes, or in the
// settings store the grid's ColumnSize names (an INI file, or a key of the per-user settings store
// standing in for the registry; docs/CONVENTIONS.md states the mapping).
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// "n#widths#order#visible": n = all columns (shown and hidden); the widths of the display columns
// (the default width for each hidden one); the column-order list (0..n-1 when empty); 1 or 0 per
// real column. Three shown columns of width 64 never moved: "3#64,64,64#0,1,2#1,1,1".
std::string ColumnStatesToString(TGxStringGrid& grid);
// Applies a column states string, the order taken from the columns' starting places (applying a
// grid's own string changes nothing); a text without "#" is ignored. The whole text is checked
// before anything changes: a field that is not a list of integers, a negative width, or fewer
// widths or visibility entries than columns, raises rtl::EConvertError and leaves the grid as it
// was. An order that is
// no permutation of the columns leaves the columns where they stand.
void StringToColumnStates(TGxStringGrid& grid, const std::string& Value);

// Widths ("Col<i>") and column order ("Pos<i>") in the store of grid.ColumnSize(); nothing
// happens while its Key or Section is empty. A missing store or key reads as the current value;
// positions that are no permutation of the columns are ignored.
void SaveColSizes(TGxStringGrid& grid);
void LoadColSizes(TGxStringGrid& grid);
void SaveColPositions(TGxStringGrid& grid);
void LoadColPositions(TGxStringGrid& grid);

}  // namespace gx
