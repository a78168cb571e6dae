#include "core/tables/can_family/TransmitCANTable.h"

#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/can_family/CANFrameRules.h"
#include "platform/rtl/StrUtils.h"

namespace tables::can {

namespace {

constexpr int Col_Enable = 1, Col_CobID = 2, Col_Type = 3, Col_Dim = 4, Col_OnChange = 5, Col_OnCMD = 6,
              Col_OnTimer = 7, Col_Time = 8, Col_Byte1 = 9, Col_Mnemonic = 17;

bool On_Timer(const TRowView& row)
{
    return rtl::UpperCase(row.Trimmed(Col_OnTimer)) == "Y";
}

// A row without Time gets "0" when its OnTimer, as just loaded, is exactly "Y"; otherwise it stays
// empty.
void Read_Time(std::optional<std::string_view> value, TCells& cells, int row, TTableState&)
{
    if (value)
        cells.SetCell(Col_Time, row, std::string(*value));
    else if (cells.Cell(Col_OnTimer, row) == "Y")
        cells.SetCell(Col_Time, row, "0");
}

TDialogDesc Make()
{
    constexpr std::uint32_t enable = Rgb(0xFF, 0xD8, 0xB0), frame = Rgb(0xE0, 0xFA, 0xFE), size = Rgb(0xFF, 0xFF, 0xA8),
                            send = Rgb(0xD8, 0xF0, 0xD0), bytes = Rgb(0xFC, 0xD6, 0xF4), text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "ACG_CAN_Transmit";
    g.Rows = 512;
    g.Columns = {
        {.Caption = "N", .Header = 2508, .Width = 40},
        Box_Column("Enable", 2509, 2531, 50, enable),
        {.Caption = "CobID", .Header = 2510, .Hint = 2532, .Width = 90, .Color = frame},
        {.Caption = "Type",
         .Header = 2511,
         .Hint = 2533,
         .Width = 90,
         .Editor = TEditor::ComboList,
         .Items = {std::string(Type_11_Bits), std::string(Type_29_Bits)},
         .Color = frame},
        {.Caption = "Dimension", .Header = 2512, .Hint = 2534, .Width = 70, .Color = size},
        Box_Column("OnChange", 2513, 2535, 65, send),
        Box_Column("OnCMD", 2562, 2563, 50, send),
        Box_Column("OnTimer", 2514, 2536, 55, send),
        {.Caption = "Time", .Header = 2515, .Hint = 2537, .Width = 70, .Color = send},
    };
    Add_Byte_Columns(g, 2516, 2538, bytes);
    g.Columns.push_back({.Caption = "Mnemonic", .Header = 2524, .Hint = 2546, .Width = 110, .Color = text});
    g.Attributes = {
        {.Name = "Enable", .Column = Col_Enable, .Fallback = "Y"},
        {.Name = "COBID", .Column = Col_CobID, .Fallback = ""},
        {.Name = "CAN_Type", .Column = Col_Type, .Fallback = std::string(Type_11_Bits)},
        {.Name = "Dim", .Column = Col_Dim, .Fallback = ""},
        {.Name = "OnChange", .Column = Col_OnChange, .Fallback = "Y"},
        {.Name = "OnCMD", .Column = Col_OnCMD, .Fallback = "N"},
        {.Name = "OnTimer", .Column = Col_OnTimer, .Fallback = "N"},
        {.Name = "Time", .Column = Col_Time, .Read = Read_Time},
    };
    Add_Byte_Attributes(g, Col_Byte1);
    g.Attributes.push_back({.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""});
    g.Write_Key = g.Check_Key = {.Column = Col_CobID, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = Col_Enable;
    g.Enable_Compare = TEnableCompare::TrimmedUpper;
    // No rule on the three send options: none or all of them may be ticked.
    g.Rules = {CobID_Rule(Col_CobID, Col_Type, 2548, 2549), Int_Range(Col_Dim, 1, 8, 2550),
               When(On_Timer, Int_Range(Col_Time, 0, 100000000, 2551)), Byte_Positions_Rule(Col_Dim, Col_Byte1, 2552)};
    g.Insert_Flag = true;

    TDialogDesc d;
    d.Class_Name = "TFTransmitCAN";
    d.Form_Name = "FTransmitCAN";
    d.Client_Width = 1100;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "Transmit_Frames";
    d.File = &File_CAN_Send_Frames;
    d.Texts = Block_Texts(2500, 2525, 2561, 2547);
    d.Focus_Grid_On_Show = true;
    d.Prepare = [](TTableState& state) { state.Vars["MAX_Byte"] = Transmit_MAX_Byte; };
    return d;
}

}  // namespace

const TDialogDesc& Transmit_CAN_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
