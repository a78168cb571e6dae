#include "core/tables/canopen/SDOClientTable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/canopen/CANopenColumns.h"

namespace tables::canopen {

namespace {

constexpr int Col_Device = 1, Col_Index = 2, Col_Sub = 3, Col_NByte = 4, Col_Poll = 5;

// Columns 0 to 5 and their attributes, alike in both grids; the texts of the rules run from
// rules on in the order of the check (Device ID, Index, SubIndex, N Byte, Poll Time, Byte1 ...).
TGridDesc SDO_Grid(int header, int hint, int rules, int lowestPoll)
{
    TGridDesc g;
    g.Rows = 256;
    g.Columns = {
        {.Caption = "N", .Header = header, .Width = 40},
        Column("ID Device", header + 1, hint, 60, Frame_Color),
        Column("Index", header + 2, hint + 1, 55, Frame_Color),
        Column("SubIndex", header + 3, hint + 2, 60, Frame_Color),
        Column("N Byte", header + 4, hint + 3, 45, Frame_Color),
        Column("Poll Time", header + 5, hint + 4, 60, Time_Color),
    };
    g.Attributes = {{.Name = "Device_ID", .Column = Col_Device},
                    {.Name = "Index", .Column = Col_Index},
                    {.Name = "SubIndex", .Column = Col_Sub},
                    {.Name = "NByte", .Column = Col_NByte},
                    {.Name = "Poll_Time", .Column = Col_Poll}};
    g.Write_Key = g.Check_Key = {.Column = Col_Device, .Compare = TKeyCompare::Trimmed};
    g.Click_Cell = true;
    g.Rules = {Int_Range(Col_Device, 1, 127, rules), Int_Range(Col_Index, 0x1000, 0xFFFF, rules + 1),
               Int_Range(Col_Sub, 0, 255, rules + 2), One_Two_Four(Col_NByte, rules + 3),
               Int_Range(Col_Poll, lowestPoll, 100000000, rules + 4)};
    return g;
}

TGridDesc Read_Grid()
{
    TGridDesc g = SDO_Grid(2716, 2739, 2761, 1);
    g.Name = "sga";
    g.Sheet = "TS_SDO_Read";
    g.Sheet_Caption = 2714;
    constexpr int byte1 = 6;
    Add_Address_Columns(g, SDO_Address_Captions, 2722, 2744, 70);
    g.Columns.push_back(Column("Mnemonic", 2726, 2748, 163, Text_Color));
    g.Section = {"SDO_Read"};
    Add_Address_Attributes(g, byte1, 4);
    g.Attributes.push_back({.Name = "Mnemonic", .Column = 10});
    g.Rules.push_back(Address_Rule(Col_NByte, byte1, 4, NByte_IN, 2766));
    return g;
}

TGridDesc Write_Grid()
{
    TGridDesc g = SDO_Grid(2727, 2749, 2770, 0);
    g.Name = "sgb";
    g.Sheet = "TS_SDO_Write";
    g.Sheet_Caption = 2715;
    constexpr int byte1 = 7;
    g.Columns.push_back(Box_Column("On Change", 2733, 2754, 68));
    Add_Address_Columns(g, SDO_Address_Captions, 2734, 2755, 70);
    g.Columns.push_back(Column("Mnemonic", 2738, 2759, 95, Text_Color));
    g.Section = {"SDO_Write"};
    g.Attributes.push_back({.Name = "On_Change", .Column = 6});
    Add_Address_Attributes(g, byte1, 4);
    g.Attributes.push_back({.Name = "Mnemonic", .Column = 11});
    g.Rules.push_back(Address_Rule(Col_NByte, byte1, 4, NByte_OUT, 2775));
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFSet_SDO_Client_Access";
    d.Form_Name = "FSet_SDO_Client_Access";
    d.Client_Width = 798;
    d.Client_Height = 337;
    d.Grids = {Read_Grid(), Write_Grid()};
    d.Root = "SDO_Client_CANopen";
    d.File = &File_SDO_Client_CANopen;
    d.Texts = Block_Texts(2700, 2779, 2760);
    d.Prepare = Prepare_Sizes;
    return d;
}

}  // namespace

const TDialogDesc& Set_SDO_Client_Access_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::canopen
