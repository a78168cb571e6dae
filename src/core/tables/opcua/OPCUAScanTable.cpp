#include "core/tables/opcua/OPCUAScanTable.h"

#include "common/OpcUaSnmp.h"

namespace tables::opcua {

namespace {

TDialogDesc Make()
{
    TGridDesc g;
    g.Name = "ACG_OPC_UA_Scan_Var";
    g.Rows = 1;
    g.Columns = {
        {.Caption = "N", .Header = 4410, .Width = 40},
        {.Caption = "Read", .Header = 4411, .Width = 50, .Editor = TEditor::CheckBox},
        {.Caption = "Write", .Header = 4424, .Width = 50, .Editor = TEditor::CheckBox},
        {.Caption = "Display Name", .Header = 4412, .Width = 165, .ReadOnly = true},
        {.Caption = "Node Type", .Header = 4413, .Width = 115, .ReadOnly = true},
        {.Caption = "Node Identifier", .Header = 4414, .Width = 245, .ReadOnly = true},
        {.Caption = "Data Type", .Header = 4415, .Width = 115, .ReadOnly = true},
        {.Caption = "Name Space Index", .Header = 4416, .Width = 115, .ReadOnly = true},
        {.Caption = "Read/Write", .Width = 113},
    };
    g.Write_Key = g.Check_Key = {.Column = -1};
    g.Show_Hints = false;
    g.Key_Press = g.Dbl_Click = g.Grid_Hint = false;

    TDialogDesc d;
    d.Class_Name = "TFOPC_UA_Scan_Server";
    d.Form_Name = "FOPC_UA_Scan_Server";
    d.Client_Width = 1035;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Band = TButtonBand::OK_Cancel;
    d.Texts.Caption = 4400;
    d.Texts.Description = 4401;
    d.Texts.Button_Captions[Btn_OK] = 4402;
    d.Texts.Button_Captions[Btn_Cancel] = 4403;
    d.Texts.Button_Hints[Btn_OK] = 4406;
    d.Texts.Button_Hints[Btn_Cancel] = 4407;
    return d;
}

}  // namespace

const TDialogDesc& Scan_Server_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

std::array<std::string, Scan_Col_Count - 1> Browse_Row(const TBrowse_Var& var)
{
    std::array<std::string, Scan_Col_Count - 1> row;
    const bool all = var.accessLevel == 0;
    row[0] = all || (var.accessLevel & 1) ? "Y" : "";
    row[1] = all || (var.accessLevel & 2) ? "Y" : "";
    row[2] = var.displayName;
    OPC_UA_IdType_To_Str(var.identifierType, row[3]);
    row[4] = Browse_NodeId_Text(var);
    OPC_UA_DataType_To_Str(var.dataType, row[5]);
    row[6] = std::to_string(var.nameSpaceIndex);
    row[7] = var.accessLevel == 1 ? "Read" : var.accessLevel == 2 ? "Write" : "Read/Write";
    return row;
}

}  // namespace tables::opcua
