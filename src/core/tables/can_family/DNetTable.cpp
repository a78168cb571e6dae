#include "core/tables/can_family/DNetTable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/can_family/CANFrameRules.h"

namespace tables::can {

namespace {

constexpr int Col_ID = 1, Col_NB_IN = 2, Col_NB_OUT = 3, Col_Mnemonic = 4;

TDialogDesc Make()
{
    TGridDesc g;
    g.Name = "GSG";
    g.Rows = 64;
    g.Fixed_Width = 45;
    g.Columns = {
        {.Caption = "N", .Header = 2914, .Width = 45},
        {.Caption = "ID Slave", .Header = 2915, .Hint = 2919, .Width = 100},
        {.Caption = "Num Byte In", .Header = 2916, .Hint = 2920, .Width = 100},
        {.Caption = "Num Byte Out", .Header = 2917, .Hint = 2921, .Width = 100},
        {.Caption = "Mnemonic", .Header = 2918, .Hint = 2922, .Width = 375},
    };
    // No fallbacks: a row without one of them ends the loading.
    g.Attributes = {
        {.Name = "ID", .Column = Col_ID},
        {.Name = "NB_IN", .Column = Col_NB_IN},
        {.Name = "NB_OUT", .Column = Col_NB_OUT},
        {.Name = "Mnemonic", .Column = Col_Mnemonic},
    };
    // An ID cell holding a blank counts as filled (and then reads -1).
    g.Write_Key = g.Check_Key = {.Column = Col_ID, .Compare = TKeyCompare::Untrimmed};
    g.Rules = {Int_Range(Col_ID, 0, 63, 2924), Int_Range(Col_NB_IN, 0, 65535, 2925),
               Int_Range(Col_NB_OUT, 0, 65535, 2926)};
    g.Col_Sizing = false;
    g.Click_Cell = true;

    TDialogDesc d;
    d.Class_Name = "TFDNet";
    d.Form_Name = "FDNet";
    d.Client_Width = 745;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "DNET_Net";
    d.File = &File_DNETM_Net;
    d.Texts = Block_Texts(2900, 2908, 2927, 2923);
    return d;
}

}  // namespace

const TDialogDesc& DNet_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::can
