#include "core/tables/opcua/OPCUAServerTable.h"

#include <utility>

#include "common/LangFormat.h"
#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"

namespace tables::opcua {

namespace {

constexpr int Text_Position = 4527;

TDialogDesc Make()
{
    TGridDesc g;
    g.Name = "GSG";
    g.Rows = Server_Var_Rows;
    g.Columns = {
        {.Caption = "N", .Header = 4514, .Width = 40},
        {.Caption = "Enable",
         .Header = 4515,
         .Width = 50,
         .Editor = TEditor::CheckBox,
         .Color = 11589887,
         .Alignment = TAlign::Center},
        {.Caption = "Type",
         .Header = 4516,
         .Width = 120,
         .Editor = TEditor::ComboList,
         .Items = {"Boolean", "Signed Byte", "Byte", "Int16", "UInt16", "Int32", "UInt32", "Int64", "UInt64", "Float",
                   "Double", "String", "ByteString"},
         .Color = 16710368},
        {.Caption = "Position", .Header = 4517, .Width = 100, .Color = 11075496},
        {.Caption = "Length", .Header = 4518, .Width = 100, .Color = 11075496},
        {.Caption = "Name", .Header = 4519, .Width = 280, .Color = 16045820},
        {.Caption = "R/W",
         .Header = 4529,
         .Width = 100,
         .Editor = TEditor::ComboList,
         .Items = {"Read Only", "Read/Write"},
         .Color = 16045820},
        {.Caption = "Mnemonic", .Header = 4520, .Width = 280, .Color = 16777215},
    };
    g.Section = {"OPC_UA_Server_Variables"};
    g.Attributes = {
        // Ticked unless the file says "N".
        {.Name = "Enable",
         .Column = Srv_Col_Enable,
         .Fallback = "Y",
         .Read = [](std::optional<std::string_view> v, TCells& cells, int row,
                    TTableState&) { cells.SetCell(Srv_Col_Enable, row, v && *v == "N" ? "N" : "Y"); }},
        {.Name = "Type",
         .Column = Srv_Col_Type,
         .Fallback = "",
         .Read =
             [](std::optional<std::string_view> v, TCells& cells, int row, TTableState&) {
                 const std::string type(v.value_or(""));
                 cells.SetCell(Srv_Col_Type, row, type);
                 VarSetLength(type, cells, row);
             }},
        {.Name = "Position", .Column = Srv_Col_Position, .Fallback = ""},
        {.Name = "Length", .Column = Srv_Col_Length, .Fallback = ""},
        {.Name = "Name", .Column = Srv_Col_Name, .Fallback = ""},
        {.Name = "ReadWrite", .Column = Srv_Col_RW, .Fallback = ""},
        {.Name = "Mnemonic", .Column = Srv_Col_Mnemonic, .Fallback = ""},
    };
    g.Write_Key = {.Column = Srv_Col_Type, .Compare = TKeyCompare::Trimmed};
    // Every row is visited: an empty Type does not end the check, it only leaves its row untested.
    g.Check_Key = {.Column = -1};
    g.Enable_Column = Srv_Col_Enable;
    g.Rules = {[](const TRowView& r) -> std::optional<TRuleFault> {
        if (r.Trimmed(Srv_Col_Type).empty())
            return std::nullopt;
        const std::int32_t p = r.Int(Srv_Col_Position);
        if (p >= 0 && p < Server_Max_Position)
            return std::nullopt;
        return TRuleFault{.Text = Text_Position,
                          .Message = Lang_Safe_Format(Text_Position, {r.Row, Server_Max_Position})};
    }};
    g.Insert_Flag = true;
    g.Show_Hints = false;
    g.Key_Press = g.Dbl_Click = g.Grid_Hint = false;

    TDialogDesc d;
    d.Class_Name = "TFOPC_UA_Server_Access";
    d.Form_Name = "FOPC_UA_Server_Access";
    d.Client_Width = 1200;
    d.Client_Height = 337;
    d.Grid_Class = TGridClass::String_Grid;
    d.Grids = {std::move(g)};
    d.Root = "OPC_UA_Server";
    d.File = &File_OPC_UA_Server;
    d.Texts.Caption = 4500;
    d.Texts.Description = 4501;
    for (std::size_t i = 0; i < Button_Count; ++i) {
        d.Texts.Button_Captions[i] = 4502 + static_cast<int>(i);
        d.Texts.Button_Hints[i] = 4508 + static_cast<int>(i);
    }
    d.Texts.Delete_Question = 4528;
    d.Texts.Delete_Formats = true;
    return d;
}

}  // namespace

const TDialogDesc& Server_Access_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

std::optional<bool> VarSetLength(const std::string& type, TCells& cells, int row)
{
    static const std::pair<std::string_view, const char*> sizes[] = {
        {"Boolean", "1"}, {"Signed Byte", "1"}, {"Byte", "1"},       {"Int16", "2"}, {"UInt16", "2"},
        {"Int32", "4"},   {"UInt32", "4"},      {"Float", "4"},      {"Int64", "8"}, {"UInt64", "8"},
        {"Double", "8"},  {"String", "10"},     {"ByteString", "10"}};
    std::optional<bool> fixed;
    for (const auto& [name, length] : sizes)
        if (type == name) {
            cells.SetCell(Srv_Col_Length, row, length);
            fixed = std::string_view(length) != "10";
        }
    if (cells.Cell(Srv_Col_RW, row).empty())
        cells.SetCell(Srv_Col_RW, row, "Read/Write");
    return fixed;
}

}  // namespace tables::opcua
