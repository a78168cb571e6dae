#include "core/tables/opcua/OPCUAClientTable.h"

#include "core/tables/TableEngine.h"

namespace tables::opcua {

namespace {

const std::vector<std::string>& Node_Types()
{
    static const std::vector<std::string> items = {"Numeric", "String", "Guid", "ByteString"};
    return items;
}

const std::vector<std::string>& Data_Types()
{
    static const std::vector<std::string> items = {"Boolean", "Int8",   "UInt8",    "Int16",  "UInt16",
                                                   "Int32",   "UInt32", "Int64",    "UInt64", "Float",
                                                   "Double",  "String", "DateTime", "Guid",   "ByteString"};
    return items;
}

// Columns 0 to 6, the same in both grids; header and hint numbers of each grid's block.
std::vector<TColumnDesc> Common_Columns(int header, int hint)
{
    return {
        {.Caption = "N", .Header = header, .Width = 40},
        {.Caption = "Enable", .Header = header + 1, .Hint = hint, .Width = 50, .Editor = TEditor::CheckBox},
        {.Caption = "Display Name", .Header = header + 2, .Hint = hint + 1, .Width = 100},
        {.Caption = "Node Type",
         .Header = header + 3,
         .Hint = hint + 2,
         .Width = 90,
         .Editor = TEditor::ComboList,
         .Items = Node_Types()},
        {.Caption = "Node ID", .Header = header + 4, .Hint = hint + 3, .Width = 100},
        {.Caption = "Var Type",
         .Header = header + 5,
         .Hint = hint + 4,
         .Width = 90,
         .Editor = TEditor::ComboList,
         .Items = Data_Types()},
        {.Caption = "Name Space Index", .Header = header + 6, .Hint = hint + 5, .Width = 120},
    };
}

TGridDesc Var_Grid(std::string_view name, std::string_view sheet, std::string_view caption)
{
    TGridDesc g;
    g.Name = name;
    g.Sheet = sheet;
    g.Sheet_Text = caption;
    g.Rows = Var_Grid_Rows;
    g.Write_Key = g.Check_Key = {.Column = Var_Col_Name, .Compare = TKeyCompare::Untrimmed};
    g.Enable_Column = Var_Col_Enable;
    g.Insert_Flag = true;
    g.Click_Cell = true;
    g.Cell_Hints = false;
    return g;
}

TDialogDesc Make()
{
    TGridDesc read = Var_Grid("ACG_OPC_UA_Var_R", "TS_OPC_UA_Var_Read", "Variables in Read");
    read.Columns = Common_Columns(4145, 4155);
    read.Columns.push_back({.Caption = "Var/Array",
                            .Header = 4205,
                            .Hint = 4208,
                            .Width = 75,
                            .Editor = TEditor::ComboList,
                            .Items = {"Variable", "Array"}});
    read.Columns.push_back({.Caption = "Start", .Header = 4206, .Hint = 4209, .Width = 55});
    read.Columns.push_back({.Caption = "Length", .Header = 4207, .Hint = 4210, .Width = 55});
    read.Columns.push_back({.Caption = "Time (ms)", .Header = 4152, .Hint = 4161, .Width = 80});
    read.Columns.push_back({.Caption = "Position", .Header = 4153, .Hint = 4162, .Width = 70});
    read.Columns.push_back({.Caption = "Mnemonic", .Header = 4154, .Hint = 4163, .Width = 187});

    TGridDesc write = Var_Grid("ACG_OPC_UA_Var_W", "TS_OPC_UA_Var_Write", "Variables in Write");
    write.Columns = Common_Columns(4164, 4177);
    // "On Change" shows hint 4184 and "On CMD" 4183.
    write.Columns.push_back(
        {.Caption = "On Change", .Header = 4171, .Hint = 4184, .Width = 68, .Editor = TEditor::CheckBox});
    write.Columns.push_back(
        {.Caption = "On CMD", .Header = 4172, .Hint = 4183, .Width = 52, .Editor = TEditor::CheckBox});
    write.Columns.push_back(
        {.Caption = "On Timer", .Header = 4173, .Hint = 4185, .Width = 70, .Editor = TEditor::CheckBox});
    write.Columns.push_back({.Caption = "Time (ms)", .Header = 4174, .Hint = 4186, .Width = 80});
    write.Columns.push_back({.Caption = "Position", .Header = 4175, .Hint = 4187, .Width = 70});
    write.Columns.push_back({.Caption = "Mnemonic", .Header = 4176, .Hint = 4188, .Width = 182});

    TDialogDesc d;
    d.Class_Name = "TFOPC_UA_Client_Access";
    d.Form_Name = "FOPC_UA_Client_Access";
    d.Client_Width = 1150;
    d.Client_Height = 660;
    d.Grids = {std::move(read), std::move(write)};
    d.Root = "OPC_UA_Client";
    d.Texts.Caption = 4100;
    d.Texts.Description = 4101;
    for (std::size_t i = 0; i < Button_Count; ++i) {
        d.Texts.Button_Captions[i] = 4133 + static_cast<int>(i);
        d.Texts.Button_Hints[i] = 4139 + static_cast<int>(i);
    }
    d.Texts.Delete_Question = 4193;
    return d;
}

}  // namespace

const TDialogDesc& Client_Access_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

void Show_Variable(const TOPC_UA_Variable& v, bool write, TCells& cells, int row)
{
    cells.SetCell(Var_Col_Enable, row, v.Enable ? "Y" : "N");
    cells.SetCell(Var_Col_Name, row, v.DispalyName);
    cells.SetCell(Var_Col_NodeType, row, v.NodeType());
    cells.SetCell(Var_Col_NodeID, row, v.NodeID());
    cells.SetCell(Var_Col_VarType, row, v.VarType());
    cells.SetCell(Var_Col_NameSpace, row, std::to_string(v.nameSpaceIndex));
    const std::string* rest[] = {write ? &v.OnChange : &v.VarArray,
                                 write ? &v.OnCMD : &v.Start,
                                 write ? &v.OnTimer : &v.Len,
                                 &v.Time,
                                 &v.Position,
                                 &v.Mnemonic};
    for (int c = 0; c < 6; ++c)
        cells.SetCell(Var_Col_7 + c, row, *rest[c]);
}

TOPC_UA_Variable Variable_Of_Row(const TCells& cells, int row, bool write)
{
    TOPC_UA_Variable v;
    v.Enable = cells.Cell(Var_Col_Enable, row) == "Y";
    v.DispalyName = cells.Cell(Var_Col_Name, row);
    v.SetNodeType(cells.Cell(Var_Col_NodeType, row));
    v.SetNodeID(cells.Cell(Var_Col_NodeID, row));
    v.SetVarType(cells.Cell(Var_Col_VarType, row));
    const std::int32_t ns = Cell_Int(cells.Cell(Var_Col_NameSpace, row));
    v.nameSpaceIndex = static_cast<std::uint16_t>(ns < 0 ? 0 : ns);
    std::string* rest[] = {write ? &v.OnChange : &v.VarArray,
                           write ? &v.OnCMD : &v.Start,
                           write ? &v.OnTimer : &v.Len,
                           &v.Time,
                           &v.Position,
                           &v.Mnemonic};
    if (!write)
        v.OnChange = v.OnCMD = v.OnTimer = "N";
    for (int c = 0; c < 6; ++c)
        *rest[c] = cells.Cell(Var_Col_7 + c, row);
    return v;
}

}  // namespace tables::opcua
