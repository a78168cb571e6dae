#include "core/tables/canopen/CANopenColumns.h"

#include <string>

namespace tables::canopen {

TTextsDesc Block_Texts(int block, int deleteQuestion, int rowPrefix)
{
    TTextsDesc t{
        .Caption = block, .Description = block + 1, .Delete_Question = deleteQuestion, .Row_Prefix = rowPrefix};
    for (std::size_t i = 0; i < Button_Count; ++i) {
        t.Button_Captions[i] = block + 2 + static_cast<int>(i);
        t.Button_Hints[i] = block + 8 + static_cast<int>(i);
    }
    return t;
}

TColumnDesc Column(std::string_view caption, int header, int hint, int width, std::uint32_t color)
{
    return {.Caption = caption, .Header = header, .Hint = hint, .Width = width, .Color = color};
}

TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width)
{
    return {.Caption = caption,
            .Header = header,
            .Hint = hint,
            .Width = width,
            .Editor = TEditor::CheckBox,
            .Color = Time_Color,
            .Alignment = TAlign::Center};
}

void Add_Address_Columns(TGridDesc& grid, std::span<const std::string_view> captions, int header, int hint, int width)
{
    for (std::size_t k = 0; k < captions.size(); ++k)
        grid.Columns.push_back(
            Column(captions[k], header + static_cast<int>(k), hint + static_cast<int>(k), width, Address_Color));
}

void Add_Address_Attributes(TGridDesc& grid, int col, int count)
{
    static constexpr std::string_view Names[] = {"Address_B1", "Address_B2", "Address_B3", "Address_B4",
                                                 "Address_B5", "Address_B6", "Address_B7", "Address_B8"};
    for (int k = 0; k < count && k < 8; ++k)
        grid.Attributes.push_back({.Name = Names[k], .Column = col + k});
}

TRowRule Address_Rule(int colCount, int colByte1, int maxBytes, std::string_view size, int textByte1)
{
    return [=, size = std::string(size)](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int64_t high = row.State.Var(size) - 1;
        const std::int32_t n = row.Int(colCount);
        for (int k = 1; k <= n && k <= maxBytes; ++k) {
            const std::int32_t v = row.Int(colByte1 + k - 1);
            if (v < 0 || v > high)
                return TRuleFault{.Text = textByte1 + k - 1, .Suffix = std::to_string(high)};
        }
        return std::nullopt;
    };
}

TRowRule One_Two_Four(int col, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int32_t n = row.Int(col);
        if (n == 1 || n == 2 || n == 4)
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

void Prepare_Sizes(TTableState& state)
{
    state.Vars[std::string(NByte_IN)] = Data_Array_Size;
    state.Vars[std::string(NByte_OUT)] = Data_Array_Size;
}

}  // namespace tables::canopen
