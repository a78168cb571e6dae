#include "core/tables/iec61850_it/TLSServerKnownCertTable.h"

#include "common/UComon.h"

namespace tables::iec {

namespace {

constexpr int Col_Enable = 1, Col_Certificate = 2, Col_Mnemonic = 3;

TDialogDesc Make()
{
    TGridDesc g;
    g.Name = "GSG";
    g.Rows = 10;
    g.Columns = {
        {.Caption = "N", .Header = 3414, .Width = 40},
        {.Caption = "Enable",
         .Header = 3415,
         .Hint = 3418,
         .Width = 50,
         .Editor = TEditor::CheckBox,
         .Color = Rgb(0xFF, 0xD8, 0xB0),
         .Alignment = TAlign::Center},
        {.Caption = "Certificate", .Header = 3416, .Hint = 3419, .Width = 500, .Color = Rgb(0xE0, 0xFA, 0xFE)},
        {.Caption = "Mnemonic", .Header = 3417, .Hint = 3420, .Width = 160, .Color = Rgb(0xFF, 0xFF, 0xFF)},
    };
    g.Attributes = {
        // Only an exact "N" clears the box; anything else, a missing attribute included, ticks it.
        {.Name = "Enable",
         .Column = Col_Enable,
         .Fallback = "Y",
         .Read = [](std::optional<std::string_view> value, TCells& cells, int row,
                    TTableState&) { cells.SetCell(Col_Enable, row, value && *value == "N" ? "N" : "Y"); }},
        {.Name = "Certificate", .Column = Col_Certificate, .Fallback = ""},
        {.Name = "Mnemonic", .Column = Col_Mnemonic, .Fallback = ""},
    };
    g.Write_Key = g.Check_Key = {.Column = Col_Certificate, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = Col_Enable;
    g.Insert_Flag = true;
    g.Click_Cell = true;
    g.Hint_Outside = THintOutside::Clear;

    TDialogDesc d;
    d.Class_Name = "TFTLS_Server_Known_Cert";
    d.Form_Name = "FTLS_Server_Known_Cert";
    d.Client_Width = 800;
    d.Client_Height = 337;
    d.Grid_Class = TGridClass::String_Grid;
    d.Grids = {std::move(g)};
    d.Root = "TLS_Server_Known_Cert";
    d.File = &File_TLS_Known_Cert;
    d.Texts = {.Caption = 3400,
               .Description = 3401,
               .Button_Captions = {3402, 3403, 3404, 3405, 3406, 3407},
               .Button_Hints = {3408, 3409, 3410, 3411, 3412, 3413},
               .Delete_Question = 3421};
    d.Owner_Only_File = true;
    return d;
}

}  // namespace

const TDialogDesc& TLS_Server_Known_Cert_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::iec
