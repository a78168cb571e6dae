// The clipboard's text layout (tab-separated fields, quoted where a field holds a tab, a line
// break or a leading double quote) and the paste of the clipboard's best format at a cell, which
// the copy, paste, smart fill and text drop share.
#pragma once

#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"

namespace gx::clipboardtext {

struct TClipLine {
    std::vector<std::string> Fields;  // at least one
    bool Empty() const { return Fields.size() == 1 && Fields[0].empty(); }
};

// A cell's text as a clipboard field.
std::string QuoteField(const std::string& Text);
// The lines of a clipboard text. A line end closing the text is followed by one empty line.
// Quoted fields run over tabs and line ends (a doubled quote is one quote); character 11 in a
// field is a CR LF.
std::vector<TClipLine> ParseLines(const std::string& Text);

// How many rows pasting the lines from row `top` adds at the end of a grid of rowCount rows, the
// last `reserved` of which take no pasted line (a footer's row), when the grid grows as the paste
// reaches its end: a line after the first that lands on the first row past the usable ones gets a
// new row, but for the empty line after a closing line end; with `inserting`, every line with
// content is given a row of its own first. Worked out before the paste, so that the grid is grown
// once.
int RowsToAdd(int rowCount, int reserved, int top, const std::vector<TClipLine>& lines, bool inserting);

// The rectangle (display columns) as a cell stream for the clipboard and drags: a block, never a
// whole grid (which would replace the target's cells), marked with the writing grid.
std::string CellBlockBytes(TGxStringGrid& grid, const ui::TGridRect& R);

// What PasteClipboardAt pasted. Count: the cells (own format) or fields (text) read; Cols, Rows:
// for text the fields of the last line and the lines, for own cells the grid's size after
// growing; BlockCols, BlockRows: the size of the pasted block (lines and fields with content).
struct TPasteResult {
    int Count = 0;
    int Cols = 0, Rows = 0;
    int BlockCols = 0, BlockRows = 0;
};
// Pastes the first format the clipboard holds of: the grid's own cells (when the grid allows
// them), rich text (AllowRTFClipboard), text.
TPasteResult PasteClipboardAt(TGxStringGrid& grid, int ACol, int ARow);

}  // namespace gx::clipboardtext
