#include "core/tables/can_family/TransmitNMEATable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/can_family/CANFrameRules.h"
#include "core/tables/can_family/J1939Rules.h"

namespace tables::can {

namespace {

constexpr int Col_Priority = 1, Col_PGN = 2, Col_SA = 3, Col_FP = 4, Col_NBytes = 5, Col_Request = 6,
              Col_DataChange = 7, Col_OnTimer = 8, Col_SendTimer = 9, Col_Mnemonic = 10;

TDialogDesc Make()
{
    constexpr std::uint32_t id = Rgb(0xE0, 0xFA, 0xFE), bytes = Rgb(0xFF, 0xFF, 0xA8), send = Rgb(0xD8, 0xF0, 0xD0),
                            text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "sga";
    g.Rows = 62;
    g.Columns = {
        {.Caption = "N", .Header = 4014, .Width = 40},
        {.Caption = "Priority", .Header = 4015, .Hint = 4025, .Width = 50, .Color = id},
        {.Caption = "PGN", .Header = 4016, .Hint = 4026, .Width = 75, .Color = id},
        {.Caption = "Source Address", .Header = 4017, .Hint = 4027, .Width = 95, .Color = id},
        Box_Column("Fast Packet", 4018, 4028, 75, bytes),
        {.Caption = "Num Byte", .Header = 4019, .Hint = 4029, .Width = 60, .Color = bytes},
        Box_Column("Request", 4020, 4030, 55, send),
        Box_Column("Data Change", 4021, 4031, 80, send),
        Box_Column("On Timer", 4022, 4032, 64, send),
        {.Caption = "Send Timer", .Header = 4023, .Hint = 4033, .Width = 75, .Color = send},
        {.Caption = "Mnemonic", .Header = 4024, .Hint = 4034, .Width = 116, .Color = text},
    };
    g.Attributes = {
        {.Name = "Priority", .Column = Col_Priority, .Fallback = ""},
        {.Name = "PGN", .Column = Col_PGN, .Fallback = ""},
        {.Name = "SA", .Column = Col_SA, .Fallback = ""},
        {.Name = "FP", .Column = Col_FP, .Fallback = "N"},
        {.Name = "TP_NByte", .Column = Col_NBytes, .Fallback = ""},
        {.Name = "On_Request", .Column = Col_Request, .Fallback = "N"},
        {.Name = "On_Data_Change", .Column = Col_DataChange, .Fallback = "N"},
        {.Name = "On_Timer", .Column = Col_OnTimer, .Fallback = "N"},
        {.Name = "SendTimer", .Column = Col_SendTimer, .Fallback = ""},
        {.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""},
    };
    // One key for the check and the writer: every row written has been checked.
    g.Write_Key = g.Check_Key = {.Column = Col_PGN, .Compare = TKeyCompare::Untrimmed};
    g.Rules = {Int_Range(Col_Priority, 0, 7, 4036),
               Int_Range(Col_PGN, 0, 0x1FFFF, 4037),
               Int_Range(Col_SA, 0, 239, 4038),
               Int_Range_Var(Col_NBytes, 0, "NUM_BYTE_OUT", 0, 4039, true),
               Total_Rule(Int_Of(Col_NBytes), "NUM_BYTE_OUT", 4040),
               When(Is_Y(Col_OnTimer), Int_Range(Col_SendTimer, 1, 65535, 4041))};
    // The grid's header hints are set but not shown.
    g.Show_Hints = false;
    g.Click_Cell = true;

    TDialogDesc d;
    d.Class_Name = "TFTransmitNMEA";
    d.Form_Name = "FTransmitNMEA";
    d.Client_Width = 810;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "Receive_NMEA_2000";
    d.File = &File_NMEA_Send_Frames;
    d.Texts = Block_Texts(4000, 4008, 4042, 4035);
    d.Button_Hints_Shown = Copy_Paste_Hints_Only;
    d.Prepare = [](TTableState& state) { state.Vars["NUM_BYTE_OUT"] = NMEA_NUM_BYTE_OUT; };
    d.Before_Check = Start_Total;
    return d;
}

}  // namespace

const TDialogDesc& Transmit_NMEA_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
