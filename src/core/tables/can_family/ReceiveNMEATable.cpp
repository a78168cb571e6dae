#include "core/tables/can_family/ReceiveNMEATable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/can_family/CANFrameRules.h"
#include "core/tables/can_family/J1939Rules.h"

namespace tables::can {

namespace {

constexpr int Col_PGN = 1, Col_SA = 2, Col_TP = 3, Col_FP = 4, Col_Start = 5, Col_NByte = 6, Col_Delete = 7,
              Col_Mnemonic = 8;

TDialogDesc Make()
{
    constexpr std::uint32_t id = Rgb(0xE0, 0xFA, 0xFE), bytes = Rgb(0xFF, 0xFF, 0xA8), text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "sga";
    g.Rows = 62;
    g.Columns = {
        {.Caption = "N", .Header = 3914, .Width = 40},
        {.Caption = "PGN", .Header = 3915, .Hint = 3923, .Width = 80, .Color = id},
        {.Caption = "Source Address", .Header = 3916, .Hint = 3924, .Width = 95, .Color = id},
        Box_Column("Transport Protocol", 3917, 3925, 113, bytes),
        Box_Column("Fast Packet", 3918, 3926, 73, bytes),
        {.Caption = "Start Byte", .Header = 3919, .Hint = 3927, .Width = 65, .Color = bytes},
        {.Caption = "N Byte", .Header = 3920, .Hint = 3928, .Width = 50, .Color = bytes},
        Box_Column("Cancel Data", 3921, 3929, 74, bytes),
        {.Caption = "Mnemonic", .Header = 3922, .Hint = 3930, .Width = 195, .Color = text},
    };
    g.Attributes = {
        {.Name = "PGN", .Column = Col_PGN, .Fallback = ""},
        {.Name = "SA", .Column = Col_SA, .Fallback = ""},
        {.Name = "TP", .Column = Col_TP, .Fallback = "N"},
        {.Name = "FP", .Column = Col_FP, .Fallback = "N"},
        {.Name = "TP_Start", .Column = Col_Start, .Fallback = ""},
        {.Name = "TP_NByte", .Column = Col_NByte, .Fallback = ""},
        {.Name = "Delete", .Column = Col_Delete, .Fallback = "N"},
        {.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""},
    };
    g.Write_Key = g.Check_Key = {.Column = Col_PGN, .Compare = TKeyCompare::Untrimmed};
    g.Rules = {Int_Range(Col_PGN, 0, 0x1FFFF, 3932), Int_Range(Col_SA, 0, 239, 3933),
               Capture_Rule({.Col_TP = Col_TP,
                             .Col_FP = Col_FP,
                             .Col_Start = Col_Start,
                             .Col_NByte = Col_NByte,
                             .TP = {.Max = 1785, .Text_Start = 3934, .Text_Sum = 3935},
                             .FP = {.Max = 223, .Text_Start = 3936, .Text_Sum = 3937},
                             .Text_Both = 3938,
                             .Text_Start = 3939,
                             .Text_NByte = 3940,
                             .Text_Sum = 3941}),
               Total_Rule(Captured_Bytes, "NUM_BYTE_IN", 3942)};
    g.Click_Cell = true;

    TDialogDesc d;
    d.Class_Name = "TFReceiveNMEA";
    d.Form_Name = "FReceiveNMEA";
    d.Client_Width = 810;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "Receive_NMEA_2000";
    d.File = &File_NMEA_Rec_Frames;
    d.Texts = Block_Texts(3900, 3908, 3943, 3931);
    d.Button_Hints_Shown = Copy_Paste_Hints_Only;
    d.Prepare = [](TTableState& state) { state.Vars["NUM_BYTE_IN"] = NMEA_NUM_BYTE_IN; };
    d.Before_Check = Start_Total;
    return d;
}

}  // namespace

const TDialogDesc& Receive_NMEA_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
