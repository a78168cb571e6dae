#include "core/EtherNetIPRules.h"

#include "common/AddressHelpers.h"
#include "common/UComon.h"
#include "core/EdsConnections.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/TableTexts.h"
#include "platform/rtl/StrUtils.h"

namespace core {

using R = TEtherNetIP_Row;
using tables::TRowView;
using tables::TRuleFault;

const std::array<TEtherNetIP_Column, 14> EtherNetIP_Columns{{
    {.Field = &R::Enable, .Attribute = "Enable", .Header_Text = 4915, .Hint_Text = 4923},
    {.Field = &R::IP_Address, .Attribute = "IP_Address", .Header_Text = 4916, .Hint_Text = 4924},
    {.Field = &R::Start_Input, .Attribute = "Start_Input", .Header_Text = 4917, .Hint_Text = 4925},
    {.Field = &R::Num_Input, .Attribute = "Num_Input", .Header_Text = 4918, .Hint_Text = 4926},
    {.Field = &R::Start_Output, .Attribute = "Start_Output", .Header_Text = 4919, .Hint_Text = 4927},
    {.Field = &R::Num_Output, .Attribute = "Num_Output", .Header_Text = 4920, .Hint_Text = 4928},
    {.Field = &R::Time_Poll, .Attribute = "Time_Poll", .Header_Text = 4921, .Hint_Text = 4929},
    {.Field = &R::Instance_T_O, .Attribute = "Instance_T_O", .Header_Text = 4941, .Hint_Text = 4943},
    {.Field = &R::Connection_Point_T_O, .Attribute = "Connection_Point_T_O", .Header_Text = 4947, .Hint_Text = 4949},
    {.Field = &R::Instance_O_T, .Attribute = "Instance_O_T", .Header_Text = 4942, .Hint_Text = 4944},
    {.Field = &R::Connection_Point_O_T, .Attribute = "Connection_Point_O_T", .Header_Text = 4948, .Hint_Text = 4950},
    {.Field = &R::Dim_Header_T_O, .Attribute = "Dim_Header_T_O", .Header_Text = 4953, .Hint_Text = 4955},
    {.Field = &R::Dim_Header_O_T, .Attribute = "Dim_Header_O_T", .Header_Text = 4954, .Hint_Text = 4956},
    {.Field = &R::Mnemonic, .Attribute = "Mnemonic", .Header_Text = 4922, .Hint_Text = 4930},
}};

namespace {

// Grid columns (column 0 holds the row number).
constexpr int Col_Enable = 1, Col_IP = 2, Col_Num_Input = 4, Col_Num_Output = 6, Col_Header_T_O = 12,
              Col_Header_O_T = 13;

bool Header_Valid(const TRowView& row, int col)
{
    const std::int32_t v = row.Int(col);
    return rtl::UpperCase(row.Trimmed(col)) == "DEFAULT" || (v >= 0 && v <= 7);
}

std::optional<TRuleFault> IP_Rule(const TRowView& row)
{
    std::string a, b, c, d;
    if (Split_IP_Address(row.Cell(Col_IP), a, b, c, d))
        return std::nullopt;
    return TRuleFault{.Text = 4932};
}

std::optional<TRuleFault> Headers_Rule(const TRowView& row)
{
    if (!Header_Valid(row, Col_Header_T_O))
        return TRuleFault{.Text = 4957};
    if (!Header_Valid(row, Col_Header_O_T))
        return TRuleFault{.Text = 4958};
    return std::nullopt;
}

// The bytes of every row that passed its rules count towards the totals.
std::optional<TRuleFault> Totals_Rule(const TRowView& row)
{
    row.State.Vars["Inputs"] += row.Int(Col_Num_Input);
    row.State.Vars["Outputs"] += row.Int(Col_Num_Output);
    return std::nullopt;
}

std::optional<TRuleFault> Totals_Fault(const std::vector<const tables::TCells*>&, tables::TTableState& state)
{
    if (state.Var("Inputs") > state.Var("Num_Byte_In"))
        return TRuleFault{.Text = 4938, .Suffix = std::to_string(state.Var("Num_Byte_In")), .Row_Prefix = false};
    if (state.Var("Outputs") > state.Var("Num_Byte_Out"))
        return TRuleFault{.Text = 4939, .Suffix = std::to_string(state.Var("Num_Byte_Out")), .Row_Prefix = false};
    return std::nullopt;
}

tables::TDialogDesc Make()
{
    using namespace tables;
    struct TLook {
        int Width;
        std::uint32_t Color;
    };
    constexpr TLook looks[] = {
        {50, Rgb(0xFF, 0xD8, 0xB0)},  {110, Rgb(0xE0, 0xFA, 0xFE)}, {80, Rgb(0xFF, 0xFF, 0xA8)},
        {80, Rgb(0xFF, 0xFF, 0xA8)},  {85, Rgb(0xFC, 0xD6, 0xF4)},  {85, Rgb(0xFC, 0xD6, 0xF4)},
        {80, Rgb(0xA8, 0xFF, 0xA8)},  {105, Rgb(0xD5, 0xD5, 0xFF)}, {120, Rgb(0xD5, 0xD5, 0xFF)},
        {105, Rgb(0xD5, 0xD5, 0xFF)}, {120, Rgb(0xD5, 0xD5, 0xFF)}, {120, Rgb(0x91, 0xDE, 0xFF)},
        {120, Rgb(0x91, 0xDE, 0xFF)}, {95, Rgb(0xFF, 0xFF, 0xFF)},
    };
    TGridDesc g;
    g.Name = "ACG";
    g.Rows = static_cast<int>(EtherNetIP_Rows);
    g.Columns.push_back({.Caption = "N", .Header = EtherNetIP_Number_Header_Text, .Width = 40});
    for (std::size_t i = 0; i < EtherNetIP_Columns.size(); ++i) {
        const TEtherNetIP_Column& c = EtherNetIP_Columns[i];
        TColumnDesc col{.Header = c.Header_Text, .Hint = c.Hint_Text, .Width = looks[i].Width, .Color = looks[i].Color};
        const int grid = static_cast<int>(i) + 1;
        if (grid == Col_Enable) {
            col.Editor = TEditor::CheckBox;
            col.Alignment = TAlign::Center;
        } else if (grid == Col_Header_T_O || grid == Col_Header_O_T) {
            col.Editor = TEditor::ComboEdit;
            col.Items = {"Default"};
        }
        g.Columns.push_back(std::move(col));
        // A missing attribute leaves a connection disabled, and its headers at their defaults.
        const char* fallback = grid == Col_Enable                                 ? "N"
                               : grid >= Col_Header_T_O && grid <= Col_Header_O_T ? "Default"
                                                                                  : "";
        g.Attributes.push_back({.Name = c.Attribute, .Column = grid, .Fallback = fallback});
    }
    g.Write_Key = g.Check_Key = {.Column = Col_IP, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = Col_Enable;
    g.Enable_Compare = TEnableCompare::Upper;
    g.Enable_Before_Key = true;
    g.Rules = {IP_Rule,
               Int_Range(3, 0, 65535, 4933),
               Int_Range(4, 0, 65535, 4934),
               Int_Range(5, 0, 65535, 4935),
               Int_Range(6, 0, 65535, 4936),
               Int_Range(7, 1, 100000000, 4937),
               Int_Range(8, 0, 65535, 4945),
               Int_Range(9, 0, 65535, 4951),
               Int_Range(10, 0, 65535, 4946),
               Int_Range(11, 0, 65535, 4952),
               Headers_Rule,
               Totals_Rule};
    g.Insert_Flag = true;
    g.Hint_Outside = THintOutside::Keep;

    TDialogDesc d;
    d.Class_Name = "TFEtherNetIP_Master_Access";
    d.Form_Name = "FEtherNetIP_Master_Access";
    d.Client_Width = 1180;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "EtherNetIP_Master_Access";
    d.File = &File_EtherNetIP_Master_Rules;
    d.Texts = {.Caption = 4900,
               .Description = 4901,
               .Button_Captions = {4902, 4903, 4904, 4905, 4906, 4907},
               .Button_Hints = {4908, 4909, 4910, 4911, 4912, 4913},
               .Delete_Question = 4940,
               .Row_Prefix = 4931,
               .Dropped_Rows = 4964,
               .Load_Header = 4961,
               .Load_Unreadable = 4962,
               .Load_Extra_Rows = 4963};
    d.Band = TButtonBand::Rows_Left_OK_Right;
    d.Prepare = [](TTableState& state) {
        state.Vars["Num_Byte_In"] = EtherNetIP_Max_Bytes;
        state.Vars["Num_Byte_Out"] = EtherNetIP_Max_Bytes;
    };
    d.Before_Check = [](TTableState& state) {
        state.Vars["Inputs"] = 0;
        state.Vars["Outputs"] = 0;
    };
    d.After_Rows = Totals_Fault;
    return d;
}

std::string Header_Text(std::uint8_t value, std::uint8_t byDefault)
{
    return value == byDefault ? "Default" : std::to_string(value);
}

bool Blank(std::string_view text)
{
    return rtl::Trim(text).empty();
}

}  // namespace

const tables::TDialogDesc& EtherNetIP_Desc()
{
    static const tables::TDialogDesc desc = Make();
    return desc;
}

tables::TTable EtherNetIP_Table(const std::vector<TEtherNetIP_Row>& rows)
{
    const tables::TGridDesc& g = EtherNetIP_Desc().Grids[0];
    tables::TTable table(g.Col_Count(), static_cast<int>(rows.size()) + 1);
    tables::Reset_Rows(g, table);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t i = 0; i < EtherNetIP_Columns.size(); ++i)
            table.SetCell(static_cast<int>(i) + 1, static_cast<int>(r) + 1, rows[r].*EtherNetIP_Columns[i].Field);
    return table;
}

std::vector<TEtherNetIP_Row> EtherNetIP_Rows_Of(const tables::TCells& cells)
{
    std::vector<TEtherNetIP_Row> rows(static_cast<std::size_t>(cells.RowCount() > 0 ? cells.RowCount() - 1 : 0));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t i = 0; i < EtherNetIP_Columns.size(); ++i)
            rows[r].*EtherNetIP_Columns[i].Field = cells.Cell(static_cast<int>(i) + 1, static_cast<int>(r) + 1);
    return rows;
}

std::optional<std::string> EtherNetIP_Cell_Hint(int ACol, int ARow)
{
    const auto& columns = EtherNetIP_Desc().Grids[0].Columns;
    if (ARow != 0 || ACol < 1 || ACol >= static_cast<int>(columns.size()))
        return std::nullopt;
    return Lang_Text(columns[static_cast<std::size_t>(ACol)].Hint);
}

std::size_t EtherNetIP_Saved_Row_Count(const std::vector<TEtherNetIP_Row>& rows)
{
    return static_cast<std::size_t>(tables::Rows_Written(EtherNetIP_Desc().Grids[0], EtherNetIP_Table(rows)));
}

std::optional<TEtherNetIP_Fault> EtherNetIP_First_Fault(const std::vector<TEtherNetIP_Row>& rows, std::int32_t maxIn,
                                                        std::int32_t maxOut)
{
    const tables::TTable table = EtherNetIP_Table(rows);
    tables::TTableState state;
    state.Vars["Num_Byte_In"] = maxIn;
    state.Vars["Num_Byte_Out"] = maxOut;
    const auto fault = tables::First_Fault(EtherNetIP_Desc(), {&table}, state);
    if (!fault)
        return std::nullopt;
    return TEtherNetIP_Fault{static_cast<std::size_t>(fault->Row), fault->Text, fault->Message};
}

std::array<std::string, 9> EDS_Connection_Texts(const TConnData& c)
{
    return {"Connection" + std::to_string(c.ConnIndex),
            c.ConnName,
            c.HelpStr,
            std::to_string(c.InstanceOT),
            std::to_string(c.ConnPointOT),
            std::to_string(c.InstanceTO),
            std::to_string(c.ConnPointTO),
            Header_Text(c.DimHeaderOT, 4),
            Header_Text(c.DimHeaderTO, 0)};
}

std::optional<std::size_t> Import_EDS_Connection(std::vector<TEtherNetIP_Row>& rows, const TConnData& c)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TEtherNetIP_Row& r = rows[i];
        if (!Blank(r.IP_Address) || !Blank(r.Instance_T_O))
            continue;
        const auto texts = EDS_Connection_Texts(c);
        r.Instance_O_T = texts[3];
        r.Connection_Point_O_T = texts[4];
        r.Instance_T_O = texts[5];
        r.Connection_Point_T_O = texts[6];
        r.Dim_Header_T_O = texts[8];
        r.Dim_Header_O_T = texts[7];
        return i;
    }
    return std::nullopt;
}

}  // namespace core
