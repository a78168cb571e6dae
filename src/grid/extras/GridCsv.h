// The grid's cells as CSV files and streams. Texts leave the grid through GetSaveCellText and enter
// it through LoadCellText; files are written atomically and every error names the file (and the
// line where one is at fault).
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/Streams.h"

namespace gx {

// CSV: Unicode writes UTF-8 with a byte-order mark. MaxRows 0 or less reads every line.
void SaveToCSV(TGxStringGrid& grid, const std::string& FileName, bool Unicode = false);
void AppendToCSV(TGxStringGrid& grid, const std::string& FileName, bool Unicode = false);
void LoadFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows = 0);
void LoadFromCSVStream(TGxStringGrid& grid, rtl::TStream& AStream, int MaxRows = 0);
void InsertFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows = 0);
// The CSV field coding of one text (exposed for the clipboard and drops).
std::string CSVEncodeCell(TGxStringGrid& grid, const std::string& Text, char Delim);

}  // namespace gx
