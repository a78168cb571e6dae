// Finding text in the cells: the find options, the search loop with its start step and range,
// find first and next, replace over all hits, and the incremental key search.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

enum TFindParameters : unsigned {
    fnMatchCase = 1u << 0,
    fnMatchFull = 1u << 1,
    fnMatchRegular = 1u << 2,
    fnDirectionLeftRight = 1u << 3,
    fnMatchStart = 1u << 4,
    fnFindInCurrentRow = 1u << 5,
    fnFindInCurrentCol = 1u << 6,
    fnIncludeFixed = 1u << 7,
    fnAutoGoto = 1u << 8,
    fnIgnoreHTMLTags = 1u << 9,
    fnBackward = 1u << 10,
    fnIncludeHiddenColumns = 1u << 11,
    fnFindInPresetCol = 1u << 12,
    fnFindInPresetRow = 1u << 13,
    fnSelectedCells = 1u << 14,
    fnIncludeHiddenRows = 1u << 15,
};
using TFindParams = unsigned;

// The next hit after StartCell ((-1,-1): a new search) in display columns and rows, or (-1,-1).
// With fnIncludeHiddenRows the rows are real rows (hidden ones counted); going to a hit in a row
// hidden by a contracted group opens the group.
ui::TPoint Find(TGxStringGrid& Grid, ui::TPoint StartCell, const std::string& s, TFindParams FindParams);
// The same on the cells' wide texts (coded wide text read as such).
ui::TPoint FindWide(TGxStringGrid& Grid, ui::TPoint StartCell, const std::u16string& ws, TFindParams FindParams);
ui::TPoint FindFirst(TGxStringGrid& Grid, const std::string& s, TFindParams FindParams);
ui::TPoint FindNext(TGxStringGrid& Grid);
// Replaces OrigStr (any case) by NewStr in every hit; the number of cells changed.
int Replace(TGxStringGrid& Grid, const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
// Incremental key search: the first normal row whose key cell starts with s (upper-cased), or -1.
int Search(TGxStringGrid& Grid, const std::string& s);

}  // namespace gx
