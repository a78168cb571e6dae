#include "core/tables/modbus_s7_bacnet/ModbusGrids.h"

#include "common/NumConv.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/modbus_s7_bacnet/AddressRule.h"
#include "platform/rtl/StrUtils.h"

namespace tables::modbus_s7_bacnet {

namespace {

// Where each kind of column stands in one table.
struct TCols {
    int IP_Address = -1, Port = -1, Slave_ID = -1, Type = -1, Address = -1, NPoint = -1, Poll_Time = -1, Max_Error = -1,
        Position = -1, Bit = -1, Topic = -1;
};

// The status types: Coil Status, and in a read table Input Status too (the Type trimmed and
// upper-cased). Every other Type is a register type.
bool Is_Status(const TRowView& row, int col, TModbusTable table)
{
    const std::string type = rtl::UpperCase(row.Trimmed(col));
    return type == "COIL STATUS" || (table == TModbusTable::Read && type == "INPUT STATUS");
}

// The largest quantity of one request: read bits 2000, read registers 125, write coils 1968, write
// registers 123.
std::int64_t NPoint_Limit(bool status, TModbusTable table)
{
    if (table == TModbusTable::Read)
        return status ? 2000 : 125;
    return status ? 1968 : 123;
}

// The Start Bit as the span counts it: the integer reading rule, 0 for text that is not a number.
std::int64_t Start_Bit(std::string_view text)
{
    const std::int32_t bit = Cell_Int(text);
    return bit != -1 || Str_To_Int(text) == -1 ? bit : 0;
}

TRowRule NPoint_Rule(const TCols& c, TModbusTable table, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int64_t limit = NPoint_Limit(Is_Status(row, c.Type, table), table);
        const std::int64_t n = row.Int(c.NPoint);
        if (n >= 1 && n <= limit)
            return std::nullopt;
        return TRuleFault{.Text = text, .Suffix = std::to_string(limit)};
    };
}

// The last byte of the data array the rule touches lies inside it: two bytes a register from
// Position; statuses packed eight to a byte from bit Start Bit of the byte at Position.
TRowRule Span_Rule(const TCols& c, TModbusTable table, std::string_view size, int text)
{
    return [=, size = std::string(size)](const TRowView& row) -> std::optional<TRuleFault> {
        const std::int64_t position = row.Int(c.Position);
        const std::int64_t n = row.Int(c.NPoint);
        const std::int64_t last =
            Is_Status(row, c.Type, table) ? position + (n + Start_Bit(row.Cell(c.Bit)) - 1) / 8 : position + 2 * n - 1;
        if (last < row.State.Var(size))
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

std::vector<TRowRule> Rules(const TCols& c, TModbusTable table, std::string_view size, const TModbusMessages& m)
{
    std::vector<TRowRule> rules;
    if (c.IP_Address > 0) {
        rules.push_back(Address_Rule(c.IP_Address, m.IP_Address));
        rules.push_back(Int_Range(c.Port, 0, 65535, m.Port));
    }
    const bool read = table == TModbusTable::Read;
    const auto status = [=](const TRowView& row) { return Is_Status(row, c.Type, table); };
    rules.insert(rules.end(), {
                                  Int_Range(c.Slave_ID, 1, 247, m.Slave_ID),
                                  Not_Empty(c.Type, m.Type, TKeyCompare::Untrimmed),
                                  Int_Range(c.Address, 0, 65535, m.Address),
                                  NPoint_Rule(c, table, m.NPoint),
                                  Int_Range(c.Poll_Time, read ? 1 : 0, 100000000, m.Poll_Time),
                                  Int_Range(c.Max_Error, 0, 100000000, m.Max_Error),
                                  Int_Range_Var(c.Position, 0, size, -1, m.Position, true),
                                  When(status, Not_Empty(c.Bit, m.Bit, TKeyCompare::Untrimmed)),
                                  Span_Rule(c, table, size, m.Span),
                              });
    if (read)
        rules.push_back(
            When([](const TRowView& row) { return row.State.Var(Topic_Shown) != 0; }, Not_Empty(c.Topic, m.Topic)));
    return rules;
}

}  // namespace

void Prepare_Modbus(TTableState& state)
{
    state.Vars["NByte_IN"] = Modbus_NByte;
    state.Vars["NByte_OUT"] = Modbus_NByte;
    state.Vars[std::string(Topic_Shown)] = 0;
}

int Topic_Column(TModbusLink link)
{
    return link == TModbusLink::TCP ? 14 : 12;
}

TGridDesc Modbus_Grid(TModbusLink link, TModbusTable table, const std::vector<TLabel>& labels,
                      const TModbusMessages& messages)
{
    const bool read = table == TModbusTable::Read;
    const std::string_view size = read ? "NByte_IN" : "NByte_OUT";
    TCols c;
    std::vector<TField> fields;
    const auto add = [&fields](int& col, TField field) {
        fields.push_back(std::move(field));
        col = static_cast<int>(fields.size());
    };
    int other = 0;
    add(other, {.Attribute = "Enable", .Editor = TEditor::CheckBox, .Fallback = "Y", .Color = Color_Enable});
    if (link == TModbusLink::TCP) {
        add(c.IP_Address, {.Attribute = "IP_Address", .Color = Color_Peer});
        add(c.Port, {.Attribute = "Port", .Color = Color_Peer});
    }
    add(c.Slave_ID, {.Attribute = "Slave_ID", .Color = Color_Peer});
    std::vector<std::string> types = {"Coil Status", "Input Status", "Holding Register", "Input Register"};
    if (!read)
        types = {"Coil Status", "Holding Register"};
    add(c.Type, {.Attribute = "Type", .Editor = TEditor::ComboList, .Items = types});
    add(c.Address, {.Attribute = "Address"});
    add(c.NPoint, {.Attribute = "NPoint"});
    add(c.Poll_Time, {.Attribute = "PollTime"});
    if (!read) {
        add(other, {.Attribute = "OnChange", .Editor = TEditor::CheckBox});
        add(other, {.Attribute = "OnCMD", .Editor = TEditor::CheckBox, .Fallback = "N"});
    }
    add(c.Max_Error, {.Attribute = "MaxError"});
    add(c.Position, {.Attribute = "Position", .Editor = TEditor::ComboList, .Items_Count = size, .Color = Color_Array});
    add(c.Bit, {.Attribute = "Bit", .Editor = TEditor::ComboList, .Items = Bit_Items(), .Color = Color_Array});
    add(other, {.Attribute = "Swap", .Editor = TEditor::CheckBox, .Fallback = "N", .Color = Color_Array});
    add(other, {.Attribute = "SwapWord", .Editor = TEditor::CheckBox, .Fallback = "N", .Color = Color_Array});
    if (read)
        add(c.Topic, {.Attribute = "Index_Topic", .Editor = TEditor::ComboList, .Color = Color_Array, .Hidden = true});
    add(other, {.Attribute = "Mnemonic", .Color = Color_Text});

    TGridDesc g;
    g.Name = read ? "ACG_Modbus_Read" : "ACG_Modbus_Write";
    g.Sheet = read ? "TS_Modbus_Read" : "TS_Modbus_Write";
    g.Sheet_Text = read ? "Modbus Read" : "Modbus Write";
    g.Rows = 512;
    g.Section = {read ? "Modbus_Read" : "Modbus_Write"};
    Add_Field_Columns(g, fields, labels);
    g.Write_Key = g.Check_Key = {.Column = 2, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = 1;
    g.Enable_Compare = TEnableCompare::TrimmedExact;
    g.Rules = Rules(c, table, size, messages);
    g.Insert_Flag = true;
    return g;
}

}  // namespace tables::modbus_s7_bacnet
