// The grid's cells as plain text: its own text format (file and stream forms), CSV, fixed-width
// columns and an aligned ASCII table for people, plus one cell read as a number. Texts leave the
// grid through GetSaveCellText and enter it through LoadCellText; files are written atomically
// and every error names the file (and the line where one is at fault).
#pragma once

#include <string>

#include "grid/base/GxLists.h"
#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/Streams.h"

namespace gx {

// Own text format: "cols,rows", "cw <col>,<width>" lines, then "<col>,<row>,<text>" per cell.
void SaveToFile(TGxStringGrid& grid, const std::string& FileName, bool Unicode = false);
void LoadFromFile(TGxStringGrid& grid, const std::string& FileName);
// The same as UTF-16LE lines relative to the saved area, at the stream's position; the reader
// stops before the first line that is not a cell line and leaves the stream there.
void SaveToStream(TGxStringGrid& grid, rtl::TStream& Stream);
void LoadFromStream(TGxStringGrid& grid, rtl::TStream& Stream);

// CSV: Unicode writes UTF-8 with a byte-order mark. MaxRows 0 or less reads every line.
void SaveToCSV(TGxStringGrid& grid, const std::string& FileName, bool Unicode = false);
void AppendToCSV(TGxStringGrid& grid, const std::string& FileName, bool Unicode = false);
void LoadFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows = 0);
void LoadFromCSVStream(TGxStringGrid& grid, rtl::TStream& AStream, int MaxRows = 0);
void InsertFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows = 0);
// The CSV field coding of one text (exposed for the clipboard and drops).
std::string CSVEncodeCell(TGxStringGrid& grid, const std::string& Text, char Delim);

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
