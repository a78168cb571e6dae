#include "core/tables/can_family/TransmitJ1939Table.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/can_family/CANFrameRules.h"
#include "core/tables/can_family/J1939Rules.h"
#include "platform/rtl/StrUtils.h"

namespace tables::can {

namespace {

constexpr int Col_Priority = 1, Col_DP = 2, Col_PGN = 3, Col_SA = 4, Col_NBytes = 5, Col_Request = 6,
              Col_DataChange = 7, Col_OnTimer = 8, Col_SendTimer = 9, Col_Mnemonic = 10;

// A row without a number of bytes, or with an empty one, sends 8.
void Read_NBytes(std::optional<std::string_view> value, TCells& cells, int row, TTableState&)
{
    const std::string text = value ? std::string(*value) : std::string();
    cells.SetCell(Col_NBytes, row, text.empty() ? "8" : text);
}

// An older row names its one send condition: "ON DATA CHANGE" or "ON TIMER" (any letter case);
// any other value sends on none. It stands in for the three send attributes.
void Read_T_Type(std::optional<std::string_view> value, TCells& cells, int row, TTableState&)
{
    if (!value)
        return;
    const std::string type = rtl::UpperCase(*value);
    cells.SetCell(Col_Request, row, "N");
    cells.SetCell(Col_DataChange, row, type == "ON DATA CHANGE" ? "Y" : "N");
    cells.SetCell(Col_OnTimer, row, type == "ON TIMER" ? "Y" : "N");
}

TDialogDesc Make()
{
    constexpr std::uint32_t id = Rgb(0xE0, 0xFA, 0xFE), bytes = Rgb(0xFF, 0xFF, 0xA8), send = Rgb(0xD8, 0xF0, 0xD0),
                            text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "sga";
    g.Rows = 512;
    g.Columns = {
        {.Caption = "N", .Header = 3614, .Width = 40},
        {.Caption = "Priority", .Header = 3615, .Hint = 3625, .Width = 50, .Color = id},
        {.Caption = "Data Page",
         .Header = 3616,
         .Hint = 3626,
         .Width = 65,
         .Editor = TEditor::ComboList,
         .Items = {"0", "1"},
         .Color = id},
        {.Caption = "PGN", .Header = 3617, .Hint = 3627, .Width = 85, .Color = id},
        {.Caption = "Source Address", .Header = 3618, .Hint = 3628, .Width = 95, .Color = id},
        {.Caption = "N Bytes", .Header = 3619, .Hint = 3629, .Width = 60, .Color = bytes},
        Box_Column("Request", 3620, 3630, 55, send),
        Box_Column("Data Change", 3621, 3631, 80, send),
        Box_Column("On Timer", 3622, 3632, 60, send),
        {.Caption = "Send Timer", .Header = 3623, .Hint = 3633, .Width = 70, .Color = send},
        {.Caption = "Mnemonic", .Header = 3624, .Hint = 3634, .Width = 115, .Color = text},
    };
    g.Attributes = {
        {.Name = "Priority", .Column = Col_Priority, .Fallback = ""},
        {.Name = "DP", .Column = Col_DP, .Fallback = ""},
        {.Name = "PGN", .Column = Col_PGN, .Fallback = ""},
        {.Name = "SA", .Column = Col_SA, .Fallback = ""},
        {.Name = "TP_NByte", .Column = Col_NBytes, .Read = Read_NBytes},
        {.Name = "On_Request", .Column = Col_Request, .Fallback = "N"},
        {.Name = "On_Data_Change", .Column = Col_DataChange, .Fallback = "N"},
        {.Name = "On_Timer", .Column = Col_OnTimer, .Fallback = "N"},
        {.Name = "T_Type", .Read = Read_T_Type, .Written = false},
        {.Name = "SendTimer", .Column = Col_SendTimer, .Fallback = ""},
        {.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""},
    };
    // One key for the check and the writer: every row written has been checked.
    g.Write_Key = g.Check_Key = {.Column = Col_PGN, .Compare = TKeyCompare::Untrimmed};
    g.Rules = {Int_Range(Col_Priority, 0, 7, 3636),
               Not_Empty(Col_DP, 3637, TKeyCompare::Untrimmed),
               Int_Range(Col_PGN, 0, 0x1FFFF, 3638),
               Int_Range(Col_SA, 0, 255, 3639),
               Int_Range_Var(Col_NBytes, 0, "NUM_BYTE_OUT", 0, 3640, true),
               Total_Rule(Int_Of(Col_NBytes), "NUM_BYTE_OUT", 3641),
               When(Is_Y(Col_OnTimer), Int_Range(Col_SendTimer, 1, 65535, 3642))};
    g.Click_Cell = true;

    TDialogDesc d;
    d.Class_Name = "TFTransmitJ1939";
    d.Form_Name = "FTransmitJ1939";
    d.Client_Width = 800;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "Transmit_J1939";
    d.File = &File_J1939_Send_Frames;
    d.Texts = Block_Texts(3600, 3608, 3643, 3635);
    d.Button_Hints_Shown = Copy_Paste_Hints_Only;
    d.Prepare = [](TTableState& state) { state.Vars["NUM_BYTE_OUT"] = J1939_NUM_BYTE_OUT; };
    d.Before_Check = Start_Total;
    return d;
}

}  // namespace

const TDialogDesc& Transmit_J1939_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
