// The grid's binary cell format: a rectangle of cells with their texts, cell properties and cell
// graphics (with the bitmap, icon, picture, file name or list they carry) as a byte stream, and
// such a stream placed back at a cell of the same or another grid. The clipboard and cell drops
// carry cells in it too.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/Streams.h"

namespace gx {

// Writes the header and the cells of Rect (Left, Top, Right, Bottom inclusive, real columns).
void SaveRectToBinStream(TGxStringGrid& grid, const ui::TRect& Rect, rtl::TStream& Stream);
void SaveToBinStream(TGxStringGrid& grid, rtl::TStream& Stream);
void SaveToBinFile(TGxStringGrid& grid, const std::string& FileName);
// Reads a cell stream from the stream's position and places its cells relative to Point
// (X column, Y row). A stream that is the whole saved area resizes the grid first. Refuses a
// malformed stream ("Invalid stream format", "Property X does not exist", "Stream read error").
void LoadAtPointFromBinStream(TGxStringGrid& grid, ui::TPoint Point, rtl::TStream& Stream);
void LoadFromBinStream(TGxStringGrid& grid, rtl::TStream& Stream);
// As LoadFromBinStream; errors name the file.
void LoadFromBinFile(TGxStringGrid& grid, const std::string& FileName);

}  // namespace gx
