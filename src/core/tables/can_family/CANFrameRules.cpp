#include "core/tables/can_family/CANFrameRules.h"

#include <string>

#include "core/tables/TableTexts.h"

namespace tables::can {

namespace {

constexpr std::string_view Byte_Names[] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};

}  // namespace

TRowRule CobID_Rule(int colCobID, int colType, int text11, int text29)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int32_t id = row.Int(colCobID);
        if (row.Trimmed(colType) == Type_11_Bits)
            return id >= 0 && id <= 0x7FF ? std::nullopt : std::optional<TRuleFault>(TRuleFault{.Text = text11});
        return id >= 0 && id <= 0x1FFFFFFF ? std::nullopt : std::optional<TRuleFault>(TRuleFault{.Text = text29});
    };
}

TRowRule Byte_Positions_Rule(int colDim, int colByte1, int textByte1)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int64_t max = row.State.Var("MAX_Byte");
        const int n = row.Int(colDim);
        for (int k = 1; k <= n && k <= 8; ++k) {
            const int col = colByte1 + k - 1;
            const std::string cell = row.Trimmed(col);
            if (cell.empty() || cell == "None")
                continue;
            const std::int32_t v = row.Int(col);
            if (v < 0 || v > max - 1)
                return TRuleFault{.Text = k == 1 ? textByte1 : textByte1 + k,
                                  .Suffix = std::to_string(max - 1) + core::Lang_Text(textByte1 + 1)};
        }
        return std::nullopt;
    };
}

TTextsDesc Block_Texts(int block, int hints, int deleteQuestion, int rowPrefix)
{
    TTextsDesc t{
        .Caption = block, .Description = block + 1, .Delete_Question = deleteQuestion, .Row_Prefix = rowPrefix};
    for (std::size_t i = 0; i < Button_Count; ++i) {
        t.Button_Captions[i] = block + 2 + static_cast<int>(i);
        t.Button_Hints[i] = hints + static_cast<int>(i);
    }
    return t;
}

TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width, std::uint32_t color)
{
    return {.Caption = caption,
            .Header = header,
            .Hint = hint,
            .Width = width,
            .Editor = TEditor::CheckBox,
            .Color = color,
            .Alignment = TAlign::Center};
}

void Add_Byte_Columns(TGridDesc& grid, int headerByte1, int hintByte1, std::uint32_t color)
{
    for (int k = 0; k < 8; ++k)
        grid.Columns.push_back({.Caption = Byte_Names[k],
                                .Header = headerByte1 + k,
                                .Hint = hintByte1 + k,
                                .Width = 48,
                                .Editor = TEditor::ComboList,
                                .Items = {"None"},
                                .Items_Count = "MAX_Byte",
                                .Color = color});
}

void Add_Byte_Attributes(TGridDesc& grid, int colByte1)
{
    for (int k = 0; k < 8; ++k)
        grid.Attributes.push_back({.Name = Byte_Names[k], .Column = colByte1 + k, .Fallback = ""});
}

}  // namespace tables::can
