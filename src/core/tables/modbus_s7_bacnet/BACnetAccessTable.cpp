#include "core/tables/modbus_s7_bacnet/BACnetAccessTable.h"

#include <algorithm>

#include "common/AddressHelpers.h"
#include "common/NumConv.h"
#include "common/UComon.h"
#include "core/ParGenFile.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"
#include "core/tables/modbus_s7_bacnet/BACnetValueRules.h"
#include "core/tables/modbus_s7_bacnet/FieldColumns.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

namespace tables::modbus_s7_bacnet {

namespace {

// Where a table's cells are and which texts its messages have.
struct TClientTable {
    bool Read;
    int Prefix;  // "Error in Read, row " / "Error in Write, row "
    int Address, Object_Type, Instance, Property, NByte, En_Dest, D_Net, D_Len, D_Add, Poll_Time, Max_Err;
    int Data_Type = -1, Priority = -1, Timer = -1;
    // Message texts in the order of the rules.
    int IP_Address, Slave_ID, Object_Text, Instance_Text, Property_Text, NByte_Text, Poll_Text, Max_Err_Text;
    int Net_Text, Len_Text, Add_1_Text, Add_2_Text, Add_6_Text, Len_List_Text;
};

const TClientTable Read_Table = {.Read = true,
                                 .Prefix = 2037,
                                 .Address = bacnet_read::Address,
                                 .Object_Type = bacnet_read::Object_Type,
                                 .Instance = bacnet_read::Instance,
                                 .Property = bacnet_read::Property,
                                 .NByte = bacnet_read::NByte,
                                 .En_Dest = bacnet_read::En_Dest,
                                 .D_Net = bacnet_read::D_Net,
                                 .D_Len = bacnet_read::D_Len,
                                 .D_Add = bacnet_read::D_Add,
                                 .Poll_Time = bacnet_read::Poll_Time,
                                 .Max_Err = bacnet_read::Max_Err,
                                 .IP_Address = 2038,
                                 .Slave_ID = 2039,
                                 .Object_Text = 2040,
                                 .Instance_Text = 2041,
                                 .Property_Text = 2042,
                                 .NByte_Text = 2043,
                                 .Poll_Text = 2044,
                                 .Max_Err_Text = 2045,
                                 .Net_Text = 2070,
                                 .Len_Text = 2071,
                                 .Add_1_Text = 2072,
                                 .Add_2_Text = 2073,
                                 .Add_6_Text = 2074,
                                 .Len_List_Text = 2086};

const TClientTable Write_Table = {.Read = false,
                                  .Prefix = 2046,
                                  .Address = bacnet_write::Address,
                                  .Object_Type = bacnet_write::Object_Type,
                                  .Instance = bacnet_write::Instance,
                                  .Property = bacnet_write::Property,
                                  .NByte = bacnet_write::NByte,
                                  .En_Dest = bacnet_write::En_Dest,
                                  .D_Net = bacnet_write::D_Net,
                                  .D_Len = bacnet_write::D_Len,
                                  .D_Add = bacnet_write::D_Add,
                                  .Poll_Time = bacnet_write::Poll_Time,
                                  .Max_Err = bacnet_write::Max_Err,
                                  .Data_Type = bacnet_write::Data_Type,
                                  .Priority = bacnet_write::Priority,
                                  .Timer = bacnet_write::Timer,
                                  .IP_Address = 2047,
                                  .Slave_ID = 2048,
                                  .Object_Text = 2049,
                                  .Instance_Text = 2050,
                                  .Property_Text = 2051,
                                  .NByte_Text = 2054,
                                  .Poll_Text = 2055,
                                  .Max_Err_Text = 2056,
                                  .Net_Text = 2075,
                                  .Len_Text = 2076,
                                  .Add_1_Text = 2077,
                                  .Add_2_Text = 2078,
                                  .Add_6_Text = 2079,
                                  .Len_List_Text = 2087};

bool In(std::int64_t v, std::int64_t low, std::int64_t high)
{
    return v >= low && v <= high;
}

bool Ticked(const TRowView& row, int col)
{
    return rtl::UpperCase(row.Trimmed(col)) == "Y";
}

// The two tables have a prefix each: the message is composed here, with the text number kept.
TRuleFault Fault(const TClientTable& t, const TRowView& row, int text, const std::string& suffix = {})
{
    return {.Text = text,
            .Suffix = suffix,
            .Message = core::Lang_Text(t.Prefix) + std::to_string(row.Row) + core::Lang_Text(text) + suffix};
}

// Rule 1: the device address by the BACnet type (no address for any other type).
std::optional<int> Address_Fault(const TClientTable& t, const TRowView& row)
{
    const std::int64_t type = row.State.Var(Var_App_BACnet_Type);
    if (type == 0) {
        std::uint8_t b[4] = {};
        if (IP_To_Bytes(row.Trimmed(t.Address), b[0], b[1], b[2], b[3]))
            return t.IP_Address;
    } else if (type == 1 && !In(row.Int(t.Address), 0, 254)) {
        return t.Slave_ID;
    }
    return std::nullopt;
}

// The destination of a routed rule: network, then the address by its length.
std::optional<TRuleFault> Destination_Fault(const TClientTable& t, const TRowView& row)
{
    if (!In(row.Int(t.D_Net), 1, 65535))
        return Fault(t, row, t.Net_Text);
    const std::string address = row.Cell(t.D_Add);
    switch (row.Int(t.D_Len)) {
    case 1:
        return In(row.Int(t.D_Add), 0, 255) ? std::nullopt : std::optional(Fault(t, row, t.Add_1_Text));
    case 2:
        return In(row.Int(t.D_Add), 1, 65535) ? std::nullopt : std::optional(Fault(t, row, t.Add_2_Text));
    case 6: {
        std::uint8_t b[4] = {};
        std::uint16_t port = 0;
        return IP_Port_To_Bytes(Cell_Trim(address), b[0], b[1], b[2], b[3], port)
                   ? std::nullopt
                   : std::optional(Fault(t, row, t.Add_6_Text));
    }
    case -1: {
        const std::string len = rtl::UpperCase(row.Trimmed(t.D_Len));
        const int bytes = len.size() == 2 && len[0] == 'M' ? Cell_Int(len.substr(1)) : -1;
        if (!In(bytes, 1, 8))
            return Fault(t, row, t.Len_List_Text);
        if (const int text = Check_Dest_Add(address, bytes, t.Read))
            return Fault(t, row, text);
        return std::nullopt;
    }
    default:
        return Fault(t, row, t.Len_Text);
    }
}

std::optional<TRuleFault> Client_Row_Fault(const TClientTable& t, const TRowView& row)
{
    const int rw = t.Read ? BACnet_Read : BACnet_Write;
    if (const std::optional<int> text = Address_Fault(t, row))
        return Fault(t, row, *text);
    const int obj = Check_Object_Type(row.Cell(t.Object_Type), rw);
    if (obj < 0)
        return Fault(t, row, t.Object_Text);
    if (!In(Str_To_Int64_Def(row.Cell(t.Instance), -1), 0, 4294967295LL))
        return Fault(t, row, t.Instance_Text);
    const int prop = Check_Property(row.Cell(t.Property), rw, obj);
    if (prop < 0)
        return Fault(t, row, t.Property_Text);
    if (t.Read) {
        if (!In(row.Int(t.NByte), 0, 255))
            return Fault(t, row, t.NByte_Text);
    } else {
        const std::string dataType = row.Cell(t.Data_Type);
        if (Check_Data_Type(dataType, obj, prop) < 0) {
            const std::string expected = Aspected_Data_Type_Value(obj, prop);
            return expected.empty() ? Fault(t, row, 2052) : Fault(t, row, 2058, expected);
        }
        if (!In(row.Int(t.Priority), 0, 16))
            return Fault(t, row, 2053);
        const int most = Check_Num_Byte_Max(dataType);
        if (!In(row.Int(t.NByte), 0, most))
            return Fault(t, row, t.NByte_Text, std::to_string(most));
    }
    if (Ticked(row, t.En_Dest))
        if (std::optional<TRuleFault> fault = Destination_Fault(t, row))
            return fault;
    if ((t.Read || Ticked(row, t.Timer)) && !In(row.Int(t.Poll_Time), 0, 100000000))
        return Fault(t, row, t.Poll_Text);
    if (!In(row.Int(t.Max_Err), 0, 65535))
        return Fault(t, row, t.Max_Err_Text);
    return std::nullopt;
}

const std::vector<std::string> Destination_Lengths = {"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"};

TGridDesc Client_Grid(const TClientTable& t, const std::vector<TField>& fields, const std::vector<TLabel>& labels)
{
    TGridDesc g;
    g.Name = t.Read ? "ACG1" : "ACG2";
    g.Sheet = t.Read ? "TS_BACnet_Read" : "TS_BACnet_Write";
    g.Sheet_Caption = t.Read ? 2006 : 2007;
    g.Sheet_Text = t.Read ? "BACnet Read" : "BACnet Write";
    g.Rows = 512;
    g.Section = {t.Read ? "BACnet_Read" : "BACnet_Write"};
    Add_Field_Columns(g, fields, labels);
    // Swap and Convertion are neither written nor read.
    std::erase_if(g.Attributes, [](const TAttributeDesc& a) { return a.Name.empty(); });
    g.Write_Key = g.Check_Key = {.Column = bacnet_read::Address, .Column_Var = Var_Key_Column};
    g.Enable_Column = 1;
    g.Enable_Compare = TEnableCompare::Exact;
    g.Rules = {[&t](const TRowView& row) { return Client_Row_Fault(t, row); }};
    g.Insert_Flag = true;
    // Only the read table has hints: the byte count over its NByte cells (the window's).
    g.Show_Hints = t.Read;
    g.Key_Press = false;
    g.Dbl_Click = false;
    g.Grid_Hint = false;
    return g;
}

TGridDesc Read_Grid()
{
    const std::vector<TField> fields = {
        {.Attribute = "Enable", .Editor = TEditor::CheckBox, .Fallback = "Y", .Color = Color_Enable},
        {.Attribute = "IP_Address_Slave_ID", .Fallback = "", .Color = Color_Peer},
        {.Attribute = "Object_Type",
         .Editor = TEditor::ComboEdit,
         .Items = {"Accumulator", "Multi-State Input", "Multi-State Output", "Multi-State Value", "Analog Input",
                   "Analog Output", "Analog Value", "Binary Input", "Binary Output", "Binary Value", "Integer Value",
                   "Large Analog Value", "Positive Integer Value", "Life Safety Point", "Life Safety Zone"},
         .Fallback = ""},
        {.Attribute = "Instance", .Fallback = ""},
        {.Attribute = "Property",
         .Editor = TEditor::ComboEdit,
         .Items = {"Present Value (85)", "Object Identifier (75)", "Units (117)", "Scale (187)", "PreScale (185)",
                   "Polarity (84)", "Event State (36)", "Status Flags (111)", "Object Type (79)",
                   "Number of States (74)"},
         .Fallback = ""},
        {.Attribute = "NumByte", .Fallback = ""},
        {.Attribute = "Enable_Destination", .Editor = TEditor::CheckBox, .Fallback = "N", .Color = Color_Peer},
        {.Attribute = "Destination_Network", .Fallback = "", .Color = Color_Peer},
        {.Attribute = "Destination_Length",
         .Editor = TEditor::ComboList,
         .Items = Destination_Lengths,
         .Fallback = "",
         .Color = Color_Peer},
        {.Attribute = "Destination_Address", .Fallback = "", .Color = Color_Peer},
        {.Attribute = "PollTime", .Fallback = ""},
        {.Attribute = "MaxError", .Fallback = ""},
        {.Attribute = "Position",
         .Editor = TEditor::ComboList,
         .Items_Count = "BACnet_Positions",
         .Fallback = "",
         .Color = Color_Array},
        {.Attribute = "StartBit",
         .Editor = TEditor::ComboList,
         .Items = Bit_Items(),
         .Fallback = "",
         .Color = Color_Array},
        {.Editor = TEditor::CheckBox, .Color = Color_Array, .Hidden = true},
        {.Editor = TEditor::ComboList,
         .Items = {"None", "Float to Int", "(Float to Int) * 10", "(Float to Int) * 100"},
         .Color = Color_Array,
         .Hidden = true},
        {.Attribute = "Mnemonic", .Fallback = "", .Color = Color_Text},
    };
    return Client_Grid(Read_Table, fields,
                       {{"N", 2008, 0, 32},
                        {"Enable", 2090, 0, 45},
                        {"IP Address", 2009, 0, 90},
                        {"Object Type", 2011, 0, 125},
                        {"Instance", 2012, 0, 56},
                        {"Property", 2013, 0, 115},
                        {"NByte", 2014, 0, 45},
                        {"En Dest", 2062, 0, 50},
                        {"D Net", 2063, 0, 45},
                        {"D Len", 2064, 0, 45},
                        {"D Add", 2065, 0, 60},
                        {"Poll Time", 2015, 0, 58},
                        {"Max Err", 2016, 0, 50},
                        {"Position", 2017, 0, 56},
                        {"Start Bit", 2018, 0, 56},
                        {"Swap", 2060, 0, 38},
                        {"Convertion", 2080, 0, 115},
                        {"Mnemonic", 2019, 0, 307}});
}

TGridDesc Write_Grid()
{
    const std::vector<TField> fields = {
        {.Attribute = "Enable", .Editor = TEditor::CheckBox, .Fallback = "Y", .Color = Color_Enable},
        {.Attribute = "IP_Address_Slave_ID", .Fallback = "", .Color = Color_Peer},
        {.Attribute = "Object_Type",
         .Editor = TEditor::ComboEdit,
         .Items = {"Multi-State Output", "Multi-State Value", "Analog Output", "Analog Value", "Binary Output",
                   "Binary Value", "Integer Value", "Large Analog Value", "Positive Integer Value"},
         .Fallback = ""},
        {.Attribute = "Data_Type",
         .Editor = TEditor::ComboList,
         .Items = {"Null", "Boolean", "Unsigned Int", "Signed Int", "Real", "Double", "Octet String",
                   "Character String", "Bit String", "Enumerated", "Date", "Time", "Object ID"},
         .Fallback = ""},
        {.Attribute = "Instance", .Fallback = ""},
        {.Attribute = "Property", .Editor = TEditor::ComboEdit, .Items = {"Present Value (85)"}, .Fallback = ""},
        {.Attribute = "Priority", .Fallback = ""},
        {.Attribute = "NumByte", .Fallback = ""},
        {.Attribute = "Enable_Destination", .Editor = TEditor::CheckBox, .Fallback = "N", .Color = Color_Peer},
        {.Attribute = "Destination_Network", .Fallback = "", .Color = Color_Peer},
        {.Attribute = "Destination_Length",
         .Editor = TEditor::ComboList,
         .Items = Destination_Lengths,
         .Fallback = "",
         .Color = Color_Peer},
        {.Attribute = "Destination_Address", .Fallback = "", .Color = Color_Peer},
        {.Attribute = "OnChange", .Editor = TEditor::CheckBox, .Fallback = "N"},
        {.Attribute = "OnTimer", .Editor = TEditor::CheckBox, .Fallback = "N"},
        {.Attribute = "PollTime", .Fallback = ""},
        {.Attribute = "MaxError", .Fallback = ""},
        {.Attribute = "Position",
         .Editor = TEditor::ComboList,
         .Items_Count = "BACnet_Positions",
         .Fallback = "",
         .Color = Color_Array},
        {.Attribute = "StartBit",
         .Editor = TEditor::ComboList,
         .Items = Bit_Items(),
         .Fallback = "",
         .Color = Color_Array},
        {.Editor = TEditor::CheckBox, .Color = Color_Array, .Hidden = true},
        {.Editor = TEditor::ComboList,
         .Items = {"None", "Int to Float", "(Int to Float) / 10", "(Int to Float) / 100"},
         .Color = Color_Array,
         .Hidden = true},
        {.Attribute = "Mnemonic", .Fallback = "", .Color = Color_Text},
    };
    return Client_Grid(Write_Table, fields, {{"N", 2020, 0, 32},           {"Enable", 2091, 0, 45},
                                             {"IP Address", 2021, 0, 90},  {"Object Type", 2023, 0, 125},
                                             {"Data Type", 2024, 0, 100},  {"Instance", 2025, 0, 56},
                                             {"Property", 2026, 0, 100},   {"Priority", 2027, 0, 56},
                                             {"NByte", 2028, 0, 45},       {"En Dest", 2066, 0, 50},
                                             {"D Net", 2067, 0, 45},       {"D Len", 2068, 0, 45},
                                             {"D Add", 2069, 0, 60},       {"Change", 2029, 0, 55},
                                             {"Timer", 2030, 0, 45},       {"Poll Time", 2031, 0, 58},
                                             {"Max Err", 2032, 0, 50},     {"Position", 2033, 0, 56},
                                             {"Start Bit", 2034, 0, 56},   {"Swap", 2061, 0, 38},
                                             {"Convertion", 2081, 0, 115}, {"Mnemonic", 2035, 0, 66}});
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFBACnetAccess";
    d.Form_Name = "FBACnetAccess";
    d.Client_Width = 1305;
    d.Client_Height = 337;
    d.Grids = {Read_Grid(), Write_Grid()};
    d.Root = "BACnet_Master_Access";
    d.File = &File_BACnet_Master_Access;
    // The fifth button is the window's "Import EDE"; copy and paste are not there.
    d.Texts = {.Caption = 2000,
               .Description = 2001,
               .Button_Captions = {2002, 2003, 2004, 2005},
               .Delete_Question = 2036,
               .Row_Prefix = 2037};
    d.Band = TButtonBand::No_Copy;
    d.Button_Hints_Shown = {false, false, false, false, false, false};
    d.Prepare = [](TTableState& state) {
        const std::optional<int> type = Read_BACnet_Master_Type(File_ParGen);
        state.Vars[std::string(Var_App_BACnet_Type)] = type.value_or(0);
        state.Vars[std::string(Var_BACnet_Type_Missing)] = type ? 0 : 1;
        state.Vars[std::string(Var_Key_Column)] = BACnet_Key_Column(type.value_or(0));
        state.Vars["BACnet_Positions"] = BACnet_Positions;
    };
    return d;
}

}  // namespace

std::optional<int> Read_BACnet_Master_Type(const std::filesystem::path& parGen)
{
    try {
        if (const std::optional<core::TParGenFile> file = core::TParGenFile::Open(parGen))
            if (const std::optional<std::string> text = file->Key("BACnet_Master_Type"))
                return Str_To_Int_Def(*text, 0);
    } catch (const rtl::Exception&) {
        // a settings file that cannot be read is a missing setting
    }
    return std::nullopt;
}

int BACnet_Key_Column(int type)
{
    return type == 0 || type == 1 ? bacnet_read::Address : bacnet_read::Object_Type;
}

const TDialogDesc& BACnet_Access_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::modbus_s7_bacnet
