#include "core/tables/mqtt_snmp/SNMPTrapTable.h"

#include <array>

#include "common/AddressHelpers.h"
#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/mqtt_snmp/TableBlocks.h"
#include "platform/rtl/StrUtils.h"

namespace tables::mqtt_snmp {

namespace {

bool Lower(char c)
{
    return c >= 'a' && c <= 'z';
}
bool Letter_Or_Digit(char c)
{
    return Lower(c) || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool Is_Int(const TRowView& row, int typeCol)
{
    return rtl::UpperCase(row.Cell(typeCol)) == "INT";
}

const std::vector<std::string> Conversion_Items = {"None",        "Float",      "Float * 10",
                                                   "Float * 100", "Float / 10", "Float / 100"};

// The texts of one table's rules.
struct TTrapTexts {
    int Community, Type, Position, Start_Bit, String_Bit, Int_Bits, String_Bytes, Description, Reserved, Conversion;
};

TRowRule Community_Rule(int col, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        if (!Check_Error_CommName_Desc(row.Cell(col), 0))
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

// A text row must start at bit 0.
TRowRule String_Bit_Rule(int typeCol, int bitCol, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        if (Is_Int(row, typeCol) || row.Trimmed(bitCol) == "0")
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

// 1 to 64 bits for a number, 1 to 16 bytes for a text.
TRowRule Size_Rule(int typeCol, int sizeCol, int intText, int stringText)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int32_t n = row.Int(sizeCol);
        if (Is_Int(row, typeCol))
            return n >= 1 && n <= 64 ? std::nullopt : std::optional<TRuleFault>(TRuleFault{.Text = intText});
        return n >= 1 && n <= 16 ? std::nullopt : std::optional<TRuleFault>(TRuleFault{.Text = stringText});
    };
}

// The description names the row's object in the MIB: the character rule, and none of the MIB's
// own names.
TRowRule Description_Rule(int col, int text, int reserved)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::string d = row.Cell(col);
        if (Check_Error_CommName_Desc(d, 1))
            return TRuleFault{.Text = text};
        if (Is_MIB_Reserved_Name(d))
            return TRuleFault{.Text = reserved};
        return std::nullopt;
    };
}

// The rules both tables share; the community and type rules go first, before any rule of the table's own.
void Add_Rules(TGridDesc& g, int typeCol, int posCol, int bitCol, int sizeCol, int descCol, const TTrapTexts& t)
{
    g.Rules.insert(g.Rules.begin(), {Community_Rule(g.Write_Key.Column, t.Community), Not_Empty(typeCol, t.Type)});
    g.Rules.push_back(Not_Empty(posCol, t.Position));
    g.Rules.push_back(Not_Empty(bitCol, t.Start_Bit));
    g.Rules.push_back(String_Bit_Rule(typeCol, bitCol, t.String_Bit));
    g.Rules.push_back(Size_Rule(typeCol, sizeCol, t.Int_Bits, t.String_Bytes));
    g.Rules.push_back(Description_Rule(descCol, t.Description, t.Reserved));
}

void Common_Grid(TGridDesc& g)
{
    g.Rows = SNMP_Trap_Rows;
    g.Write_Key = g.Check_Key = {.Column = snmp_read::Community, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = 1;
    g.Enable_Compare = TEnableCompare::Upper;
    g.Insert_Flag = true;
}

TGridDesc Read_Grid()
{
    using namespace snmp_read;
    TGridDesc g;
    g.Name = "ACG_SNMP_Read";
    g.Sheet = "TS_SNMP_Read";
    g.Sheet_Caption = 4708;
    g.Sheet_Text = "SNMP Read";
    g.Columns = {
        {.Caption = "N", .Header = 4716, .Width = 40},
        Box_Column("Enable", 4717, 4739, 50),
        {.Caption = "Community Name",
         .Header = 4718,
         .Hint = 4740,
         .Width = 130,
         .Editor = TEditor::ComboEdit,
         .Items = {"Morvel", "Drasken"}},
        {.Caption = "Type",
         .Header = 4719,
         .Hint = 4741,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items = {"Int", "String"}},
        Box_Column("On Change", 4720, 4742, 75),
        Box_Column("On CMD", 4721, 4743, 50),
        Box_Column("On Timer", 4722, 4744, 60),
        {.Caption = "Time (ms)", .Header = 4723, .Hint = 4745, .Width = 65},
        {.Caption = "Position",
         .Header = 4724,
         .Hint = 4746,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items_Count = "NByte_IN"},
        {.Caption = "Start Bit",
         .Header = 4725,
         .Hint = 4747,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items = {"0", "1", "2", "3", "4", "5", "6", "7"}},
        {.Caption = "Num Bits/Bytes", .Header = 4726, .Hint = 4748, .Width = 95},
        {.Caption = "Description", .Header = 4727, .Hint = 4749, .Width = 130},
        {.Caption = "IP Address", .Header = 4728, .Hint = 4750, .Width = 120},
        {.Caption = "Conversion",
         .Header = 4781,
         .Hint = 4783,
         .Width = 100,
         .Editor = TEditor::ComboList,
         .Items = Conversion_Items},
        {.Caption = "Mnemonic", .Header = 4729, .Hint = 4751, .Width = 130},
    };
    g.Section = {"SNMP_Trap_Read"};
    g.Attributes = {
        {.Name = "Enable", .Column = Enable, .Fallback = "Y"},
        {.Name = "Community_Name", .Column = Community, .Fallback = ""},
        {.Name = "Type", .Column = Type, .Fallback = ""},
        {.Name = "On_Change", .Column = OnChange, .Fallback = "N"},
        {.Name = "On_Command", .Column = OnCMD, .Fallback = "N"},
        {.Name = "On_Timer", .Column = OnTimer, .Fallback = "N"},
        {.Name = "Time", .Column = Time, .Fallback = ""},
        {.Name = "Position", .Column = Position, .Fallback = ""},
        {.Name = "Bit", .Column = Start_Bit, .Fallback = ""},
        {.Name = "NumBits", .Column = Num_Bits, .Fallback = ""},
        {.Name = "Description", .Column = Description, .Fallback = ""},
        {.Name = "IP_Address", .Column = IP_Address, .Fallback = ""},
        {.Name = "Conversion", .Column = Conversion, .Fallback = "None"},
        {.Name = "Mnemonic", .Column = Mnemonic, .Fallback = ""},
    };
    Common_Grid(g);
    g.Rules = {When([](const TRowView& row) { return rtl::UpperCase(row.Cell(OnTimer)) == "Y"; },
                    Int_Range(Time, 1, 1000000000, 4762))};
    Add_Rules(g, Type, Position, Start_Bit, Num_Bits, Description,
              {4776, 4761, 4763, 4764, 4765, 4766, 4767, 4777, Text_Read_Description_Reserved, 4785});
    g.Rules.push_back([](const TRowView& row) -> std::optional<TRuleFault> {
        std::string p1, p2, p3, p4;
        if (Split_IP_Address(row.Cell(IP_Address), p1, p2, p3, p4))
            return std::nullopt;
        return TRuleFault{.Text = 4768};
    });
    g.Rules.push_back(Not_Empty(Conversion, 4785));
    return g;
}

TGridDesc Write_Grid()
{
    using namespace snmp_write;
    TGridDesc g;
    g.Name = "ACG_SNMP_Write";
    g.Sheet = "TS_SNMP_Write";
    g.Sheet_Caption = 4709;
    g.Sheet_Text = "SNMP Write";
    g.Columns = {
        {.Caption = "N", .Header = 4730, .Width = 40},
        Box_Column("Enable", 4731, 4752, 50),
        {.Caption = "Community Name",
         .Header = 4732,
         .Hint = 4753,
         .Width = 130,
         .Editor = TEditor::ComboEdit,
         .Items = {"Morvel", "Drasken"}},
        {.Caption = "Type",
         .Header = 4733,
         .Hint = 4754,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items = {"Int", "String"}},
        {.Caption = "Position",
         .Header = 4734,
         .Hint = 4755,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items_Count = "NByte_OUT"},
        {.Caption = "Start Bit",
         .Header = 4735,
         .Hint = 4756,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items = {"0", "1", "2", "3", "4", "5", "6", "7"}},
        {.Caption = "Num Bits/Bytes", .Header = 4736, .Hint = 4757, .Width = 95},
        {.Caption = "Description", .Header = 4737, .Hint = 4758, .Width = 130},
        {.Caption = "Conversion",
         .Header = 4782,
         .Hint = 4784,
         .Width = 100,
         .Editor = TEditor::ComboList,
         .Items = Conversion_Items},
        {.Caption = "Mnemonic", .Header = 4738, .Hint = 4759, .Width = 500},
    };
    g.Section = {"SNMP_Trap_Write"};
    g.Attributes = {
        {.Name = "Enable", .Column = Enable, .Fallback = "Y"},
        {.Name = "Community_Name", .Column = Community, .Fallback = ""},
        {.Name = "Type", .Column = Type, .Fallback = ""},
        {.Name = "Position", .Column = Position, .Fallback = ""},
        {.Name = "Bit", .Column = Start_Bit, .Fallback = ""},
        {.Name = "NumBits", .Column = Num_Bits, .Fallback = ""},
        {.Name = "Description", .Column = Description, .Fallback = ""},
        {.Name = "Conversion", .Column = Conversion, .Fallback = "None"},
        {.Name = "Mnemonic", .Column = Mnemonic, .Fallback = ""},
    };
    Common_Grid(g);
    Add_Rules(g, Type, Position, Start_Bit, Num_Bits, Description,
              {4778, 4769, 4770, 4771, 4772, 4773, 4774, 4779, Text_Write_Description_Reserved, 4786});
    g.Rules.push_back(Not_Empty(Conversion, 4786));
    return g;
}

// The descriptions of the checked rows (read table, then write table) must all differ.
std::optional<TRuleFault> Descriptions_Differ(const std::vector<const TCells*>& grids, TTableState& state)
{
    const TDialogDesc& d = SNMP_Trap_Desc();
    const std::array<int, 2> desc_cols = {snmp_read::Description, snmp_write::Description};
    std::vector<std::string> SL_Check_Desc;
    for (std::size_t gi = 0; gi < 2 && gi < grids.size(); ++gi) {
        const TGridDesc& g = d.Grids[gi];
        const TCells& cells = *grids[gi];
        for (int r = 1; r < cells.RowCount() && !Key_Empty(g.Check_Key, cells, r); ++r)
            if (Row_Enabled(g, cells, r))
                SL_Check_Desc.push_back(TRowView{cells, r, state}.Cell(desc_cols[gi]));
    }
    for (std::size_t i = 0; i < SL_Check_Desc.size(); ++i)
        for (std::size_t j = i + 1; j < SL_Check_Desc.size(); ++j)
            if (SL_Check_Desc[i] == SL_Check_Desc[j])
                return TRuleFault{.Text = 4780, .Row_Prefix = false};
    return std::nullopt;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFSNMP_Trap_Access";
    d.Form_Name = "FSNMP_Trap_Access";
    d.Client_Width = 1256;
    d.Client_Height = 337;
    d.Grids = {Read_Grid(), Write_Grid()};
    d.Root = "SNMP_Trap";
    d.File = &File_SNMP_Trap;
    d.Owner_Only_File = true;  // community strings
    d.Texts = Block_Texts(4700, 4710, 4775, 4760);
    d.Prepare = [](TTableState& state) {
        state.Vars["NByte_IN"] = SNMP_Trap_NByte;
        state.Vars["NByte_OUT"] = SNMP_Trap_NByte;
    };
    d.After_Load = [](std::vector<TCells*>& grids, TTableState&) {
        for (TCells* cells : grids)
            Index_Row_Build(*cells);
    };
    d.After_Rows = Descriptions_Differ;
    return d;
}

}  // namespace

const TDialogDesc& SNMP_Trap_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

bool Check_Error_CommName_Desc(std::string_view str, int Check_Type)
{
    for (std::size_t i = 0; i < str.size(); ++i) {
        const bool ok = Check_Type == 1 && i == 0 ? Lower(str[i]) : Letter_Or_Digit(str[i]);
        if (!ok)
            return true;
    }
    return false;
}

void Index_Row_Build(TCells& cells)
{
    int counter = 1;
    for (int r = 1; r < cells.RowCount(); ++r)
        cells.SetCell(0, r, rtl::UpperCase(cells.Cell(1, r)) == "Y" ? std::to_string(counter++) : std::string());
}

bool Is_MIB_Reserved_Name(std::string_view name)
{
    static constexpr std::array<std::string_view, 14> fixed = {
        "enterprises", "varnok",   "identity", "gateway",   "application", "data",     "hellostring",
        "countin",     "countout", "bufferin", "bufferout", "traps",       "trapsval", "bufferinval"};
    for (std::string_view f : fixed)
        if (name == f)
            return true;
    // Names the module numbers itself: the data blocks, the value nodes with the objects named by
    // their number, and the notifications.
    for (std::string_view prefix : {"bufferinblk", "bufferoutblk", "bufferinval", "bufferoutval", "trapval"}) {
        if (name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view rest = name.substr(prefix.size());
        bool digits = true;
        for (char c : rest)
            digits = digits && c >= '0' && c <= '9';
        if (digits)
            return true;
    }
    return false;
}

}  // namespace tables::mqtt_snmp
