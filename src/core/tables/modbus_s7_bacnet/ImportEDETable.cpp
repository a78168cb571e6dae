#include "core/tables/modbus_s7_bacnet/ImportEDETable.h"

namespace tables::modbus_s7_bacnet {

namespace {

TDialogDesc Make()
{
    TGridDesc g;
    g.Name = "ACG";
    g.Rows = Import_EDE_Rows;
    g.Columns = {
        {.Caption = "N", .Header = 2104, .Width = 40},
        {.Caption = "Import", .Header = 2105, .Width = 50, .Editor = TEditor::CheckBox, .Alignment = TAlign::Center},
        {.Caption = "Read", .Header = 2106, .Width = 45, .Editor = TEditor::CheckBox, .Alignment = TAlign::Center},
        {.Caption = "Write", .Header = 2107, .Width = 45, .Editor = TEditor::CheckBox, .Alignment = TAlign::Center},
        {.Caption = "Name", .Header = 2108, .Width = 200, .ReadOnly = true},
        {.Caption = "Object Type", .Header = 2109, .Width = 80, .ReadOnly = true},
        {.Caption = "Instance", .Header = 2110, .Width = 70, .ReadOnly = true},
        {.Caption = "Description", .Header = 2111, .Width = 230, .ReadOnly = true},
        {.Caption = "Commandable",
         .Header = 2112,
         .Width = 90,
         .Editor = TEditor::CheckBox,
         .Alignment = TAlign::Center,
         .ReadOnly = true},
    };
    // The list is not a table file: every row is an object.
    g.Write_Key = g.Check_Key = {.Column = -1};
    g.Show_Hints = false;
    g.Key_Press = false;
    g.Dbl_Click = false;
    g.Grid_Hint = false;

    TDialogDesc d;
    d.Class_Name = "TFImportEDEFile";
    d.Form_Name = "FImportEDEFile";
    d.Client_Width = 863;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Texts = {.Caption = 2100, .Description = 2101, .Button_Captions = {2102, 2103}};
    d.Band = TButtonBand::OK_Cancel;
    d.Button_Hints_Shown = {false, false, false, false, false, false};
    return d;
}

std::string Box(bool ticked)
{
    return ticked ? "Y" : "N";
}

}  // namespace

const TDialogDesc& Import_EDE_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

void Show_EDE_Vars(TCells& cells, const std::vector<TBACnet_Var>& vars)
{
    using namespace ede_list;
    for (std::size_t k = 0; k < vars.size() && static_cast<int>(k) + 1 < cells.RowCount(); ++k) {
        const TBACnet_Var& v = vars[k];
        const int r = static_cast<int>(k) + 1;
        cells.SetCell(Import, r, Box(v.import));
        cells.SetCell(Read, r, Box(v.read));
        cells.SetCell(Write, r, Box(v.write));
        cells.SetCell(Name, r, v.object_name);
        cells.SetCell(Object_Type, r, std::to_string(v.object_type));
        cells.SetCell(Instance, r, std::to_string(v.object_instance));
        cells.SetCell(Description, r, v.description);
        cells.SetCell(Commandable, r, Box(v.commandable));
    }
}

}  // namespace tables::modbus_s7_bacnet
