#include "core/tables/can_family/ReceiveCANTable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/can_family/CANFrameRules.h"

namespace tables::can {

namespace {

constexpr int Col_Enable = 1, Col_CobID = 2, Col_Type = 3, Col_Dim = 4, Col_TimeOut = 5, Col_Byte1 = 6,
              Col_Mnemonic = 14;

TDialogDesc Make()
{
    constexpr std::uint32_t enable = Rgb(0xFF, 0xD8, 0xB0), frame = Rgb(0xE0, 0xFA, 0xFE), size = Rgb(0xFF, 0xFF, 0xA8),
                            bytes = Rgb(0xFC, 0xD6, 0xF4), text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "ACG_CAN_Receive";
    g.Rows = 512;
    g.Columns = {
        {.Caption = "N", .Header = 2408, .Width = 40},
        Box_Column("Enable", 2409, 0, 50, enable),
        {.Caption = "CobID", .Header = 2410, .Width = 90, .Color = frame},
        {.Caption = "Type",
         .Header = 2411,
         .Width = 90,
         .Editor = TEditor::ComboList,
         .Items = {std::string(Type_11_Bits), std::string(Type_29_Bits)},
         .Color = frame},
        {.Caption = "Dimension", .Header = 2412, .Width = 70, .Color = size},
        {.Caption = "TimeOut", .Header = 2413, .Width = 75, .Color = size},
    };
    // The header hints run in text order over columns 1 to 14 (so TimeOut shows 2433, Mnemonic 2442).
    Add_Byte_Columns(g, 2414, 2434, bytes);
    g.Columns.push_back({.Caption = "Mnemonic", .Header = 2422, .Width = 185, .Color = text});
    for (int c = 1; c <= Col_Mnemonic; ++c)
        g.Columns[static_cast<std::size_t>(c)].Hint = 2428 + c;
    g.Attributes = {
        {.Name = "Enable", .Column = Col_Enable, .Fallback = "Y"},
        {.Name = "COBID", .Column = Col_CobID, .Fallback = ""},
        {.Name = "CAN_Type", .Column = Col_Type, .Fallback = ""},
        {.Name = "Dim", .Column = Col_Dim, .Fallback = ""},
        {.Name = "TimeOut", .Column = Col_TimeOut, .Fallback = "0"},
    };
    Add_Byte_Attributes(g, Col_Byte1);
    g.Attributes.push_back({.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""});
    g.Write_Key = g.Check_Key = {.Column = Col_CobID, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = Col_Enable;
    g.Enable_Compare = TEnableCompare::TrimmedUpper;
    g.Rules = {CobID_Rule(Col_CobID, Col_Type, 2445, 2446), Int_Range(Col_Dim, 1, 8, 2447),
               Int_Range(Col_TimeOut, 0, 100000000, 2448), Byte_Positions_Rule(Col_Dim, Col_Byte1, 2449)};
    g.Insert_Flag = true;

    TDialogDesc d;
    d.Class_Name = "TFReceiveCAN";
    d.Form_Name = "FReceiveCAN";
    d.Client_Width = 1010;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "Receive_Frames";
    d.File = &File_CAN_Rec_Frames;
    d.Texts = Block_Texts(2400, 2423, 2458, 2444);
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
