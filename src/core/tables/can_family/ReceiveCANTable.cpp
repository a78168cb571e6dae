#include "core/tables/can_family/ReceiveCANTable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/TableTexts.h"

namespace tables::can {

namespace {

constexpr int Col_Enable = 1, Col_CobID = 2, Col_Type = 3, Col_Dim = 4, Col_TimeOut = 5, Col_Byte1 = 6,
              Col_Mnemonic = 14;
constexpr std::string_view Type_11_Bits = "2.0A (11 bits)";
constexpr std::string_view Byte_Names[] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};

// The CobID's range follows the Type: 11 bits only for exactly "2.0A (11 bits)", 29 bits otherwise
// (an empty Type included).
std::optional<TRuleFault> CobID_Rule(const TRowView& row)
{
    const std::int32_t id = row.Int(Col_CobID);
    if (row.Trimmed(Col_Type) == Type_11_Bits)
        return id >= 0 && id <= 0x7FF ? std::nullopt : std::optional<TRuleFault>(TRuleFault{.Text = 2445});
    return id >= 0 && id <= 0x1FFFFFFF ? std::nullopt : std::optional<TRuleFault>(TRuleFault{.Text = 2446});
}

// The bytes of the frame's length only: empty or exactly "None", or a position below MAX_Byte.
std::optional<TRuleFault> Bytes_Rule(const TRowView& row)
{
    const std::int64_t max = row.State.Var("MAX_Byte");
    const int n = row.Int(Col_Dim);
    for (int k = 1; k <= n && k <= 8; ++k) {
        const int col = Col_Byte1 + k - 1;
        const std::string cell = row.Trimmed(col);
        if (cell.empty() || cell == "None")
            continue;
        const std::int32_t v = row.Int(col);
        if (v < 0 || v > max - 1)
            return TRuleFault{.Text = k == 1 ? 2449 : 2449 + k,
                              .Suffix = std::to_string(max - 1) + core::Lang_Text(2450)};
    }
    return std::nullopt;
}

TDialogDesc Make()
{
    constexpr std::uint32_t enable = Rgb(0xFF, 0xD8, 0xB0), frame = Rgb(0xE0, 0xFA, 0xFE), size = Rgb(0xFF, 0xFF, 0xA8),
                            bytes = Rgb(0xFC, 0xD6, 0xF4), text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "ACG_CAN_Receive";
    g.Rows = 512;
    g.Columns = {
        {.Caption = "N", .Header = 2408, .Width = 40},
        {.Caption = "Enable",
         .Header = 2409,
         .Width = 50,
         .Editor = TEditor::CheckBox,
         .Color = enable,
         .Alignment = TAlign::Center},
        {.Caption = "CobID", .Header = 2410, .Width = 90, .Color = frame},
        {.Caption = "Type",
         .Header = 2411,
         .Width = 90,
         .Editor = TEditor::ComboList,
         .Items = {"2.0A (11 bits)", "2.0B (29 bits)"},
         .Color = frame},
        {.Caption = "Dimension", .Header = 2412, .Width = 70, .Color = size},
        {.Caption = "TimeOut", .Header = 2413, .Width = 75, .Color = size},
    };
    for (int k = 1; k <= 8; ++k)
        g.Columns.push_back({.Caption = Byte_Names[k - 1],
                             .Header = 2413 + k,
                             .Width = 48,
                             .Editor = TEditor::ComboList,
                             .Items = {"None"},
                             .Items_Count = "MAX_Byte",
                             .Color = bytes});
    g.Columns.push_back({.Caption = "Mnemonic", .Header = 2422, .Width = 185, .Color = text});
    // The header hints run in text order over columns 1 to 14 (so TimeOut shows 2433, Mnemonic 2442).
    for (int c = 1; c <= Col_Mnemonic; ++c)
        g.Columns[static_cast<std::size_t>(c)].Hint = 2428 + c;
    g.Attributes = {
        {.Name = "Enable", .Column = Col_Enable, .Fallback = "Y"},
        {.Name = "COBID", .Column = Col_CobID, .Fallback = ""},
        {.Name = "CAN_Type", .Column = Col_Type, .Fallback = ""},
        {.Name = "Dim", .Column = Col_Dim, .Fallback = ""},
        {.Name = "TimeOut", .Column = Col_TimeOut, .Fallback = "0"},
    };
    for (int k = 1; k <= 8; ++k)
        g.Attributes.push_back({.Name = Byte_Names[k - 1], .Column = Col_Byte1 + k - 1, .Fallback = ""});
    g.Attributes.push_back({.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""});
    g.Write_Key = g.Check_Key = {.Column = Col_CobID, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = Col_Enable;
    g.Enable_Compare = TEnableCompare::TrimmedUpper;
    g.Rules = {CobID_Rule, Int_Range(Col_Dim, 1, 8, 2447), Int_Range(Col_TimeOut, 0, 100000000, 2448), Bytes_Rule};
    g.Insert_Flag = true;

    TDialogDesc d;
    d.Class_Name = "TFReceiveCAN";
    d.Form_Name = "FReceiveCAN";
    d.Client_Width = 1010;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "Receive_Frames";
    d.File = &File_CAN_Rec_Frames;
    d.Texts = {.Caption = 2400,
               .Description = 2401,
               .Button_Captions = {2402, 2403, 2404, 2405, 2406, 2407},
               .Button_Hints = {2423, 2424, 2425, 2426, 2427, 2428},
               .Delete_Question = 2458,
               .Row_Prefix = 2444};
    d.Focus_Grid_On_Show = true;
    d.Prepare = [](TTableState& state) { state.Vars["MAX_Byte"] = Receive_MAX_Byte; };
    return d;
}

}  // namespace

const TDialogDesc& Receive_CAN_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
