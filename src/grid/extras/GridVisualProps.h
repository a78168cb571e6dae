// The grid's look in a small text file of key=value lines (colours, fonts, the control look,
// grouping and background settings; no cell contents), so that grids and program runs can share
// one appearance.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/Graphics.h"

namespace gx {

// Writes the 69 entries of the grid's look, ANSI, CR LF, replacing the file atomically. A file
// that cannot be written raises rtl::EFileError "Cannot Create <file>".
void SaveVisualProps(TGxStringGrid& grid, const std::string& FileName);

// Applies a file written by SaveVisualProps (keys in any order and case; unknown lines ignored)
// through the grid's and its settings' setters, then repaints. A file that cannot be opened raises
// "Cannot open file <file>". A missing or unreadable integer, or a colour that is neither a name nor
// a number, raises rtl::EFileError naming the file, the line (or the missing key) and the text;
// the entries applied before it stay applied, later ones are not applied.
void LoadVisualProps(TGxStringGrid& grid, const std::string& FileName);

// "Y" for true, "N" for false (the print settings files' flags).
std::string BoolToYN(bool Value);
// Bit 0 bold, bit 1 italic, bit 2 underline, bit 3 strike-out.
int FontStyleToInt(ui::TFontStyles Styles);

}  // namespace gx
