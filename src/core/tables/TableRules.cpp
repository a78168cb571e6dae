#include "core/tables/TableRules.h"

#include <utility>

namespace tables {

TRowRule Int_Range(int col, std::int64_t low, std::int64_t high, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int64_t v = row.Int(col);
        if (v >= low && v <= high)
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

TRowRule Int_Range_Var(int col, std::int64_t low, std::string_view var, std::int64_t offset, int text, bool suffixed)
{
    return [=, var = std::string(var)](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int64_t high = row.State.Var(var) + offset;
        const std::int64_t v = row.Int(col);
        if (v >= low && v <= high)
            return std::nullopt;
        return TRuleFault{.Text = text, .Suffix = suffixed ? std::to_string(high) : std::string()};
    };
}

TRowRule Not_Empty(int col, int text, TKeyCompare compare)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const bool empty = compare == TKeyCompare::Trimmed ? row.Trimmed(col).empty() : row.Cell(col).empty();
        if (!empty)
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

TRowRule When(std::function<bool(const TRowView&)> condition, TRowRule rule)
{
    return
        [condition = std::move(condition), rule = std::move(rule)](const TRowView& row) -> std::optional<TRuleFault> {
            if (!condition(row))
                return std::nullopt;
            return rule(row);
        };
}

}  // namespace tables
