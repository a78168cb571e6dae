// The grid's cells as fixed-width columns and as an aligned ASCII table for people, plus one cell
// read as a number. Files are written atomically and every error names the file.
#pragma once

#include <string>

#include "grid/base/GxLists.h"
#include "grid/stringgrid/GxGrid.h"

namespace gx {

// Fixed width: positions holds column widths (extended by the save for columns it lacks) or
// 1-based field starts (sorted by the load). MaxRows -1 reads every line.
void SaveToFixed(TGxStringGrid& grid, const std::string& FileName, TIntList& positions);
void LoadFromFixed(TGxStringGrid& grid, const std::string& FileName, TIntList& positions, bool DoTrim = true,
                   int MaxRows = -1);

// The aligned table for people.
void SaveToASCII(TGxStringGrid& grid, const std::string& FileName, bool Unicode = false);
void AppendToASCII(TGxStringGrid& grid, const std::string& FileName, bool Unicode = false);

// The cell's text as a number ("Error at position: p in Cell [c, r]." when it is none).
double CellToReal(TGxStringGrid& grid, int ACol, int ARow);
// The most characters of any line of the column's export texts over all rows (first lines only
// unless Multilinecells).
int GetMaxLineLength(TGxStringGrid& grid, int ACol);

}  // namespace gx
