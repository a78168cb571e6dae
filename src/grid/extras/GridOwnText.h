// The grid's own text format, in files and in streams. Texts leave the grid through
// GetSaveCellText and enter it through LoadCellText; files are written atomically and every error
// names the file (and the line where one is at fault).
#pragma once

#include <string>

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

}  // namespace gx
