#include "core/tables/iec61850_it/IEC61850VariablesTable.h"

#include <cctype>

#include "common/AddressHelpers.h"
#include "common/UComon.h"
#include "core/tables/TableRules.h"

namespace tables::iec {

namespace {

constexpr int Col_Enable = 1, Col_Name = 2, Col_Type = 3, Col_Length = 4, Col_ReadOnly = 5, Col_Position = 6,
              Col_StartBit = 7, Col_Conversion = 8, Col_MultFactor = 9, Col_Swap = 10, Col_SwapWord = 11,
              Col_Mnemonic = 12;

TColumnDesc Box(std::string_view caption, int header, int hint, int width, std::uint32_t color)
{
    return {.Caption = caption,
            .Header = header,
            .Hint = hint,
            .Width = width,
            .Editor = TEditor::CheckBox,
            .Color = color,
            .Alignment = TAlign::Center};
}

// "None" in any letter case, or a number written with either decimal separator.
TRowRule Mult_Factor_Rule(int col, int text)
{
    return [col, text](const TRowView& row) -> std::optional<TRuleFault> {
        std::string upper = row.Trimmed(col);
        for (char& ch : upper)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if (upper == "NONE")
            return std::nullopt;
        float value = 0;
        if (Str_To_Float_Sep(row.Cell(col), Get_Decimal_Separator(), value))
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

TDialogDesc Make()
{
    constexpr std::uint32_t enable = Rgb(0xFF, 0xD8, 0xB0), variable = Rgb(0xE0, 0xFA, 0xFE),
                            position = Rgb(0xFF, 0xFF, 0xA8), conversion = Rgb(0xFC, 0xD6, 0xF4),
                            text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "ACG";
    g.Rows = 50;
    g.Columns = {
        {.Caption = "N", .Header = 3314, .Width = 40},
        Box("Enable", 3315, 3322, 50, enable),
        {.Caption = "Name", .Header = 3316, .Hint = 3323, .Width = 250, .Color = variable},
        {.Caption = "Type",
         .Header = 3317,
         .Hint = 3324,
         .Width = 80,
         .Editor = TEditor::ComboList,
         .Items = {"Int", "Float", "Digital (Bit)"},
         .Color = variable},
        {.Caption = "Length", .Header = 3318, .Hint = 3325, .Width = 65, .Color = variable},
        Box("Read Only", 3319, 3326, 65, variable),
        {.Caption = "Position", .Header = 3320, .Hint = 3327, .Width = 80, .Color = position},
        {.Caption = "Start Bit",
         .Header = 3332,
         .Hint = 3335,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items = {"0", "1", "2", "3", "4", "5", "6", "7"},
         .Color = position},
        {.Caption = "Conversion",
         .Header = 3333,
         .Hint = 3336,
         .Width = 75,
         .Editor = TEditor::ComboList,
         .Items = {"None", "Int to Float", "Float to Int"},
         .Color = conversion},
        {.Caption = "Molt. Factor",
         .Header = 3334,
         .Hint = 3337,
         .Width = 75,
         .Editor = TEditor::ComboEdit,
         .Items = {"None"},
         .Color = conversion},
        Box("Swap", 3342, 3344, 45, conversion),
        Box("Swap Word", 3343, 3345, 80, conversion),
        {.Caption = "Mnemonic", .Header = 3321, .Hint = 3328, .Width = 128, .Color = text},
    };
    g.Attributes = {
        {.Name = "Enable", .Column = Col_Enable, .Fallback = "Y"},
        {.Name = "Name", .Column = Col_Name, .Fallback = ""},
        {.Name = "Type", .Column = Col_Type, .Fallback = ""},
        {.Name = "Length", .Column = Col_Length, .Fallback = ""},
        {.Name = "ReadOnly", .Column = Col_ReadOnly, .Fallback = "N"},
        {.Name = "Position", .Column = Col_Position, .Fallback = ""},
        {.Name = "StartBit", .Column = Col_StartBit, .Fallback = ""},
        {.Name = "Conversion", .Column = Col_Conversion, .Fallback = ""},
        {.Name = "MultiplicationFactor", .Column = Col_MultFactor, .Fallback = ""},
        {.Name = "Swap", .Column = Col_Swap, .Fallback = "N"},
        {.Name = "SwapWord", .Column = Col_SwapWord, .Fallback = "N"},
        {.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""},
    };
    g.Write_Key = g.Check_Key = {.Column = Col_Name, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = Col_Enable;
    g.Enable_Compare = TEnableCompare::TrimmedExact;
    g.Rules = {
        Int_Range(Col_Length, 1, 4, 3341),
        Int_Range_Var(Col_Position, 0, "NByte_IN", -1, 3330, true),
        When([](const TRowView& row) { return row.Cell(Col_Type) == "Digital (Bit)"; }, Not_Empty(Col_StartBit, 3338)),
        Not_Empty(Col_Conversion, 3339),
        Mult_Factor_Rule(Col_MultFactor, 3340),
    };
    g.Insert_Flag = true;
    g.Click_Cell = true;
    g.Hint_Outside = THintOutside::Clear;

    TDialogDesc d;
    d.Class_Name = "TFIEC61850_Variables";
    d.Form_Name = "FIEC61850_Variables";
    d.Client_Width = 1155;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "IEC61850_Variables";
    d.File = &File_IEC61850_Variables;
    d.Texts = {.Caption = 3300,
               .Description = 3301,
               .Button_Captions = {3302, 3303, 3304, 3305, 3306, 3307},
               .Button_Hints = {3308, 3309, 3310, 3311, 3312, 3313},
               .Delete_Question = 3331,
               .Row_Prefix = 3329};
    d.Prepare = [](TTableState& state) { state.Vars["NByte_IN"] = IEC61850_NByte_IN; };
    return d;
}

}  // namespace

const TDialogDesc& IEC61850_Variables_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::iec
