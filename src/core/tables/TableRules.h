#pragma once
// Rules that most data checks are made of. Each tests one row and, when broken, names its text;
// a dialog's own rule is any TRowRule (TableDesc.h).

#include <cstdint>
#include <string_view>

#include "core/tables/TableDesc.h"

namespace tables {

// The cell read by the integer reading rule lies in low..high.
TRowRule Int_Range(int col, std::int64_t low, std::int64_t high, int text);
// The same with the upper bound Var(var) + offset of the dialog's state, the bound written after
// the text when suffixed (for example "... between 0 and " followed by NByte_IN - 1).
TRowRule Int_Range_Var(int col, std::int64_t low, std::string_view var, std::int64_t offset, int text, bool suffixed);
// The cell is not empty (trimmed or as it stands).
TRowRule Not_Empty(int col, int text, TKeyCompare compare = TKeyCompare::Trimmed);
// The rule applies only to rows for which the condition holds.
TRowRule When(std::function<bool(const TRowView&)> condition, TRowRule rule);

}  // namespace tables
