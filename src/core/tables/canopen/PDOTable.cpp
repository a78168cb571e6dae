#include "core/tables/canopen/PDOTable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/canopen/CANopenColumns.h"

namespace tables::canopen {

namespace {

constexpr int Col_COB_ID = 1, Col_Dim = 2, Col_Byte1 = 3, Col_Time = 11;

// Columns 0 to 10 and the attributes up to Address_B8, alike in both grids: headers from header on
// (column 0 first), hints of columns 1 to 10 from hint on.
TGridDesc PDO_Grid(int header, int hint)
{
    TGridDesc g;
    g.Rows = PDO_Rows;
    g.Columns = {
        {.Caption = "N", .Header = header, .Width = 40},
        Column("COB-ID", header + 1, hint, 65, Frame_Color),
        Column("Dimension", header + 2, hint + 1, 65, Frame_Color),
    };
    Add_Address_Columns(g, PDO_Address_Captions, header + 3, hint + 2, 45);
    g.Attributes = {{.Name = "COB-ID", .Column = Col_COB_ID}, {.Name = "Dimension", .Column = Col_Dim}};
    Add_Address_Attributes(g, Col_Byte1, 8);
    g.Write_Key = g.Check_Key = {.Column = Col_COB_ID, .Compare = TKeyCompare::Trimmed};
    g.Click_Cell = true;
    return g;
}

TGridDesc Receive_Grid()
{
    TGridDesc g = PDO_Grid(2616, 2643);
    g.Name = "sga";
    g.Sheet = "TS_Receive_PDO";
    g.Sheet_Caption = 2614;
    g.Columns.push_back(Column("TimeOut", 2627, 2653, 65, Time_Color));
    g.Columns.push_back(Column("Mnemonic", 2628, 2654, 173, Text_Color));
    g.Section = {"Receive_PDO"};
    g.Attributes.push_back({.Name = "TimeOut", .Column = Col_Time});
    g.Attributes.push_back({.Name = "Mnemonic", .Column = 12});
    g.Rules = {Int_Range(Col_COB_ID, 0, 0x7FF, 2669), Int_Range(Col_Dim, 1, 8, 2670),
               Address_Rule(Col_Dim, Col_Byte1, 8, NByte_IN, 2671), Int_Range(Col_Time, 0, 65535, 2679)};
    return g;
}

TGridDesc Transmit_Grid()
{
    TGridDesc g = PDO_Grid(2629, 2655);
    g.Name = "sgb";
    g.Sheet = "TS_Transmit_PDO";
    g.Sheet_Caption = 2615;
    g.Columns.push_back(Column("Send Time", 2640, 2665, 65, Time_Color));
    g.Columns.push_back(Box_Column("On Change", 2641, 2666, 68));
    g.Columns.push_back(Column("Mnemonic", 2642, 2667, 105, Text_Color));
    g.Section = {"Transmit_PDO"};
    g.Attributes.push_back({.Name = "Send_Time", .Column = Col_Time});
    g.Attributes.push_back({.Name = "On_Change", .Column = 12});
    g.Attributes.push_back({.Name = "Mnemonic", .Column = 13});
    g.Rules = {Int_Range(Col_COB_ID, 0, 0x7FF, 2680), Int_Range(Col_Dim, 1, 8, 2681),
               Address_Rule(Col_Dim, Col_Byte1, 8, NByte_OUT, 2682), Int_Range(Col_Time, 0, 100000000, 2690)};
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFSet_PDO_Access";
    d.Form_Name = "FSet_PDO_Access";
    d.Client_Width = 798;
    d.Client_Height = 337;
    d.Grids = {Receive_Grid(), Transmit_Grid()};
    d.Root = "PDO_CANopen";
    d.File = &File_PDO_CANopen;
    d.Texts = Block_Texts(2600, 2691, 2668);
    d.Prepare = Prepare_Sizes;
    return d;
}

}  // namespace

const TDialogDesc& Set_PDO_Access_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::canopen
