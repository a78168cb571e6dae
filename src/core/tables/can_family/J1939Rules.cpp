#include "core/tables/can_family/J1939Rules.h"

#include <string>

namespace tables::can {

namespace {

constexpr std::string_view Row_Bytes = "Row_Bytes";
constexpr std::string_view Total = "Total_Bytes";

std::optional<TRuleFault> Fault(int text)
{
    return TRuleFault{.Text = text};
}

// A message of several frames: Start and N within the protocol's Max.
std::optional<TRuleFault> Multi_Frame(const TRowView& row, const TCaptureDesc& d, const TCaptureDesc::TLimit& limit)
{
    const std::int64_t start = row.Int(d.Col_Start);
    if (start < 0 || start > limit.Max)
        return Fault(limit.Text_Start);
    const std::int64_t n = row.Int(d.Col_NByte);
    if (n < 0 || start + n > limit.Max)
        return Fault(limit.Text_Sum);
    row.State.Vars[std::string(Row_Bytes)] = n;
    return std::nullopt;
}

std::optional<TRuleFault> Single_Frame(const TRowView& row, const TCaptureDesc& d)
{
    const bool noStart = row.Trimmed(d.Col_Start).empty();
    const bool noCount = row.Trimmed(d.Col_NByte).empty();
    if (noStart && noCount) {
        row.State.Vars[std::string(Row_Bytes)] = 8;
        return std::nullopt;
    }
    if (noStart || noCount)
        return Fault(d.Text_Both);
    const std::int64_t start = row.Int(d.Col_Start);
    if (start < 1 || start > 8)
        return Fault(d.Text_Start);
    const std::int64_t n = row.Int(d.Col_NByte);
    if (n < 1 || n > 8)
        return Fault(d.Text_NByte);
    if (start + n > 8)
        return Fault(d.Text_Sum);
    row.State.Vars[std::string(Row_Bytes)] = n;
    return std::nullopt;
}

}  // namespace

std::function<bool(const TRowView&)> Is_Y(int col)
{
    return [col](const TRowView& row) { return row.Cell(col) == "Y"; };
}

TRowRule Capture_Rule(const TCaptureDesc& desc)
{
    return [desc](const TRowView& row) -> std::optional<TRuleFault> {
        if (row.Cell(desc.Col_TP) == "Y")
            return Multi_Frame(row, desc, desc.TP);
        if (desc.Col_FP >= 0 && row.Cell(desc.Col_FP) == "Y")
            return Multi_Frame(row, desc, desc.FP);
        return Single_Frame(row, desc);
    };
}

TRowRule Total_Rule(std::function<std::int64_t(const TRowView&)> count, std::string_view max, int text)
{
    return [count = std::move(count), max = std::string(max), text](const TRowView& row) -> std::optional<TRuleFault> {
        std::int64_t& total = row.State.Vars[std::string(Total)];
        total += count(row);
        const std::int64_t bound = row.State.Var(max);
        if (total <= bound)
            return std::nullopt;
        return TRuleFault{.Text = text, .Suffix = std::to_string(bound), .Row_Prefix = false};
    };
}

void Start_Total(TTableState& state)
{
    state.Vars[std::string(Total)] = 0;
}

std::int64_t Captured_Bytes(const TRowView& row)
{
    return row.State.Var(Row_Bytes);
}

std::function<std::int64_t(const TRowView&)> Int_Of(int col)
{
    return [col](const TRowView& row) { return std::int64_t{row.Int(col)}; };
}

}  // namespace tables::can
