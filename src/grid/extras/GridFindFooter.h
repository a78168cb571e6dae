// The search footer's handlers: the search while typing (with highlighting of the text found), find
// next and previous from the last hit, closing the footer and the highlight button.
#pragma once

#include "grid/extras/GridFind.h"

namespace gx {

// The find options the footer's settings and controls ask for (Backward: the find-previous form).
// A search column outside the grid means every column.
TFindParams SearchFooterParams(TGxStringGrid& Grid, bool ForTyping, bool Backward);
void SearchEditChange(TGxStringGrid& Grid);
void SearchNextClick(TGxStringGrid& Grid);
void SearchPrevClick(TGxStringGrid& Grid);
void SearchCloseClick(TGxStringGrid& Grid);
void SearchHighlightClick(TGxStringGrid& Grid);

}  // namespace gx
