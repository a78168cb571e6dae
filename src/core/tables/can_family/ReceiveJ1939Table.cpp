#include "core/tables/can_family/ReceiveJ1939Table.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/can_family/CANFrameRules.h"
#include "core/tables/can_family/J1939Rules.h"

namespace tables::can {

namespace {

constexpr int Col_DP = 1, Col_PGN = 2, Col_SA = 3, Col_TP = 4, Col_Start = 5, Col_NByte = 6, Col_Delete = 7,
              Col_OnRequest = 8, Col_Time = 9, Col_Mnemonic = 10;

TDialogDesc Make()
{
    constexpr std::uint32_t id = Rgb(0xE0, 0xFA, 0xFE), bytes = Rgb(0xFF, 0xFF, 0xA8), request = Rgb(0xD8, 0xF0, 0xD0),
                            text = Rgb(0xFF, 0xFF, 0xFF);
    TGridDesc g;
    g.Name = "sga";
    g.Rows = 512;
    g.Columns = {
        {.Caption = "N", .Header = 3514, .Width = 40},
        {.Caption = "Data Page",
         .Header = 3515,
         .Hint = 3525,
         .Width = 65,
         .Editor = TEditor::ComboList,
         .Items = {"0", "1"},
         .Color = id},
        {.Caption = "PGN", .Header = 3516, .Hint = 3526, .Width = 85, .Color = id},
        {.Caption = "Source Address", .Header = 3517, .Hint = 3527, .Width = 95, .Color = id},
        Box_Column("Transport Protocol", 3518, 3528, 113, bytes),
        {.Caption = "Start Byte", .Header = 3519, .Hint = 3529, .Width = 65, .Color = bytes},
        {.Caption = "N Byte", .Header = 3520, .Hint = 3530, .Width = 55, .Color = bytes},
        Box_Column("Cancel Data", 3521, 3531, 75, bytes),
        Box_Column("On Request", 3522, 3532, 75, request),
        {.Caption = "Time(ms)", .Header = 3523, .Hint = 3533, .Width = 65, .Color = request},
        {.Caption = "Mnemonic", .Header = 3524, .Hint = 3534, .Width = 120, .Color = text},
    };
    g.Attributes = {
        {.Name = "DP", .Column = Col_DP, .Fallback = ""},
        {.Name = "PGN", .Column = Col_PGN, .Fallback = ""},
        {.Name = "SA", .Column = Col_SA, .Fallback = ""},
        {.Name = "TP", .Column = Col_TP, .Fallback = "N"},
        {.Name = "TP_Start", .Column = Col_Start, .Fallback = ""},
        {.Name = "TP_NByte", .Column = Col_NByte, .Fallback = ""},
        {.Name = "Delete", .Column = Col_Delete, .Fallback = "N"},
        {.Name = "OnRequest", .Column = Col_OnRequest, .Fallback = "N"},
        {.Name = "OnReq_Time", .Column = Col_Time, .Fallback = "1000"},
        {.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""},
    };
    // A PGN cell holding a blank counts as filled (and then reads -1).
    g.Write_Key = g.Check_Key = {.Column = Col_PGN, .Compare = TKeyCompare::Untrimmed};
    g.Rules = {Not_Empty(Col_DP, 3536, TKeyCompare::Untrimmed),
               Int_Range(Col_PGN, 0, 0xFFFF, 3537),
               Int_Range(Col_SA, 0, 239, 3538),
               Capture_Rule({.Col_TP = Col_TP,
                             .Col_Start = Col_Start,
                             .Col_NByte = Col_NByte,
                             .TP = {.Max = 1785, .Text_Start = 3539, .Text_Sum = 3540},
                             .Text_Both = 3541,
                             .Text_Start = 3542,
                             .Text_NByte = 3543,
                             .Text_Sum = 3544}),
               Total_Rule(Captured_Bytes, "NUM_BYTE_IN", 3545),
               When(Is_Y(Col_OnRequest), Int_Range(Col_Time, 0, 10000000, 3546))};
    g.Click_Cell = true;

    TDialogDesc d;
    d.Class_Name = "TFReceiveJ1939";
    d.Form_Name = "FReceiveJ1939";
    d.Client_Width = 876;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "Receive_J1939";
    d.File = &File_J1939_Rec_Frames;
    d.Texts = Block_Texts(3500, 3508, 3547, 3535);
    d.Prepare = [](TTableState& state) { state.Vars["NUM_BYTE_IN"] = J1939_NUM_BYTE_IN; };
    d.Before_Check = Start_Total;
    return d;
}

}  // namespace

const TDialogDesc& Receive_J1939_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
