// The filter switch and the column filter drop-down: switching filtering on runs one filter pass,
// switching it off shows the last pass's rows again; a pick in a column's drop-down list sets that
// column's condition, the check list turns every checked entry into an alternative condition.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

void SetFilterActive(TGxStringGrid& Grid, bool Value);
// The pick ItemIndex in the open filter list of Grid.FilterColumn; the column is closed afterwards.
void FilterDropDownSelect(TGxStringGrid& Grid, int ItemIndex);
// The checked entries of the open filter check list become the conditions (the column stays open).
void ApplyFilterCheckList(TGxStringGrid& Grid);
// A filter-list entry split into the text shown and the condition ("name=condition", or the entry).
void SplitFilterEntry(const std::string& Entry, std::string& FriendlyName, std::string& Condition);

}  // namespace gx
