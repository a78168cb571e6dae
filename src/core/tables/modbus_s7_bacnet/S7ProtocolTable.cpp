#include "core/tables/modbus_s7_bacnet/S7ProtocolTable.h"

#include "common/UComon.h"
#include "core/tables/TableRules.h"
#include "core/tables/modbus_s7_bacnet/AddressRule.h"
#include "core/tables/modbus_s7_bacnet/FieldColumns.h"

namespace tables::modbus_s7_bacnet {

namespace {

constexpr int Col_PLC_Address = 2, Col_PLC_Port = 3;

// Text numbers of a table's messages, in the order of its rules.
struct TS7Messages {
    int PLC_Address, PLC_Port, Connection, PLC_Type, Rack, Slot, Data_Type, Data_Identifier, DB_Number, PLC_Area,
        PLC_Add, PLC_Bit, Poll_Time, Position, Start_Bit;
};

std::string Connection_Key(int entry)
{
    return "array_ip_Port[" + std::to_string(entry) + "]";
}

// array_ip_Port, rebuilt at the start of every check: every entry free.
void Free_Connections(TTableState& state)
{
    for (int k = 0; k < S7_Connections; ++k)
        state.Vars[Connection_Key(k)] = -1;
}

// Check_IP_Port: the entry that holds the connection, taken at the first free one when no entry
// holds it yet; -1 when all entries hold other connections.
int Check_IP_Port(TTableState& state, const TAddressBytes& ip, std::int32_t port)
{
    const std::int64_t connection = (std::int64_t{ip[0]} << 40) | (std::int64_t{ip[1]} << 32) |
                                    (std::int64_t{ip[2]} << 24) | (std::int64_t{ip[3]} << 16) | port;
    for (int k = 0; k < S7_Connections; ++k) {
        std::int64_t& entry = state.Vars[Connection_Key(k)];
        if (entry == -1)
            entry = connection;
        if (entry == connection)
            return k;
    }
    return -1;
}

// Every tested row takes a connection, over both tables together.
TRowRule Connection_Rule(int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        TAddressBytes ip;
        Address_Bytes(row.Cell(Col_PLC_Address), ip);
        if (Check_IP_Port(row.State, ip, row.Int(Col_PLC_Port)) >= 0)
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

TGridDesc Grid(bool read, const std::vector<TLabel>& labels, const TS7Messages& m)
{
    const std::string_view size = read ? "NByte_IN" : "NByte_OUT";
    std::vector<TField> fields = {
        {.Attribute = "Enable", .Editor = TEditor::CheckBox, .Fallback = "Y", .Color = Color_Enable},
        {.Attribute = "PLC_Address", .Color = Color_Peer},
        {.Attribute = "PLC_Port", .Color = Color_Peer},
        {.Attribute = "PLC_Type",
         .Editor = TEditor::ComboList,
         .Items = {"Logo0BA8", "S7200", "S7300", "S7400", "S71200", "S71500"},
         .Color = Color_Peer},
        {.Attribute = "Rack", .Fallback = "0", .Color = Color_Peer},
        {.Attribute = "Slot", .Fallback = "0", .Color = Color_Peer},
        {.Attribute = "Data_Type",
         .Editor = TEditor::ComboList,
         .Items = {"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"}},
        {.Attribute = "Data_Identifier",
         .Editor = TEditor::ComboList,
         .Items = {"OB", "DB", "SDB", "FC", "SFC", "FB", "SFB"}},
        {.Attribute = "DB_Number"},
        {.Attribute = "PLC_Area",
         .Editor = TEditor::ComboList,
         .Items = {"Direct peripheral access (P)", "Inputs (I)", "Output (Q)", "Flags (M) (Merker)"}},
        {.Attribute = "PLC_Add"},
        {.Attribute = "PLC_Bit", .Editor = TEditor::ComboList, .Items = Bit_Items()},
        {.Attribute = "PollTime"},
    };
    if (!read) {
        fields.push_back({.Attribute = "OnChange", .Editor = TEditor::CheckBox});
        fields.push_back({.Attribute = "OnCMD", .Editor = TEditor::CheckBox});
    }
    const int position = static_cast<int>(fields.size()) + 1;
    fields.insert(
        fields.end(),
        {
            {.Attribute = "Position", .Editor = TEditor::ComboList, .Items_Count = size, .Color = Color_Array},
            {.Attribute = "Bit", .Editor = TEditor::ComboList, .Items = Bit_Items(), .Color = Color_Array},
            {.Attribute = "Swap", .Editor = TEditor::CheckBox, .Color = Color_Array},
            {.Attribute = "SwapWord", .Editor = TEditor::CheckBox, .Color = Color_Array},
            {.Attribute = "Mnemonic", .Color = Color_Text},
        });

    TGridDesc g;
    g.Name = read ? "ACG_S7_Read" : "ACG_S7_Write";
    g.Sheet = read ? "TS_S7_Read" : "TS_S7_Write";
    g.Sheet_Caption = read ? 5114 : 5115;
    g.Sheet_Text = read ? "S7 Protocol Read" : "S7 Protocol Write";
    g.Rows = 512;
    g.Section = {read ? "S7_Protocol_Read" : "S7_Protocol_Write"};
    Add_Field_Columns(g, fields, labels);
    g.Write_Key = g.Check_Key = {.Column = Col_PLC_Address, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = 1;
    g.Rules = {
        Address_Rule(Col_PLC_Address, m.PLC_Address),
        Int_Range(Col_PLC_Port, 0, 65535, m.PLC_Port),
        Connection_Rule(m.Connection),
        Not_Empty(4, m.PLC_Type),
        Int_Range(5, 0, 3, m.Rack),
        Int_Range(6, 0, 31, m.Slot),
        Not_Empty(7, m.Data_Type),
        Not_Empty(8, m.Data_Identifier),
        Int_Range(9, 0, 65535, m.DB_Number),
        Not_Empty(10, m.PLC_Area),
        Int_Range(11, 0, 65535, m.PLC_Add),
        Not_Empty(12, m.PLC_Bit),
        Int_Range(13, read ? 1 : 0, 100000000, m.Poll_Time),
        Int_Range_Var(position, 0, size, -1, m.Position, true),
        Not_Empty(position + 1, m.Start_Bit),
    };
    g.Insert_Flag = true;
    g.Click_Cell = true;
    // Only the read table shows hints: its column hints over the header, the cell's text elsewhere.
    g.Show_Hints = read;
    g.Hint_Outside = THintOutside::Keep;
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFS7_Protocol_Set_Access";
    d.Form_Name = "FS7_Protocol_Set_Access";
    d.Client_Width = 1350;
    d.Client_Height = 337;
    d.Grids = {
        Grid(true,
             {
                 {"N", 5116, 0, 40},
                 {"Enable", 5117, 5144, 50},
                 {"PLC Address", 5118, 5145, 100},
                 {"PLC Port", 5119, 5146, 60},
                 {"PLC Type", 5120, 5147, 80},
                 {"Rack", 5213, 5217, 45},
                 {"Slot", 5214, 5218, 45},
                 {"Data Type", 5121, 5148, 70},
                 {"Data Identifier", 5122, 5149, 90},
                 {"DB Number", 5189, 5197, 80},
                 {"PLC Area", 5190, 5198, 115},
                 {"PLC Add", 5191, 5199, 60},
                 {"PLC Bit", 5192, 5200, 60},
                 {"Poll Time", 5123, 5150, 64},
                 {"Position", 5124, 5151, 60},
                 {"Start Bit", 5125, 5152, 64},
                 {"Swap", 5126, 5153, 40},
                 {"Swap Word", 5127, 5154, 80},
                 {"Mnemonic", 5128, 5155, 204},
             },
             {5171, 5172, 5187, 5173, 5221, 5222, 5174, 5175, 5205, 5206, 5207, 5208, 5176, 5177, 5178}),
        Grid(false,
             {
                 {"N", 5129, 0, 40},
                 {"Enable", 5130, 5156, 50},
                 {"PLC Address", 5131, 5157, 100},
                 {"PLC Port", 5132, 5158, 60},
                 {"PLC Type", 5133, 5159, 80},
                 {"Rack", 5215, 5219, 45},
                 {"Slot", 5216, 5220, 45},
                 {"Data Type", 5134, 5160, 70},
                 {"Data Identifier", 5135, 5161, 90},
                 {"DB Number", 5193, 5201, 80},
                 {"PLC Area", 5194, 5202, 115},
                 {"PLC Add", 5195, 5203, 60},
                 {"PLC Bit", 5196, 5204, 60},
                 {"Poll Time", 5136, 5162, 64},
                 {"On Change", 5137, 5163, 70},
                 {"On CMD", 5138, 5164, 56},
                 {"Position", 5139, 5165, 60},
                 {"Start Bit", 5140, 5166, 64},
                 {"Swap", 5141, 5167, 40},
                 {"Swap Word", 5142, 5168, 80},
                 {"Mnemonic", 5143, 5169, 78},
             },
             {5179, 5180, 5188, 5181, 5223, 5224, 5182, 5183, 5209, 5210, 5211, 5212, 5184, 5185, 5186}),
    };
    d.Root = "S7_Protocol";
    d.File = &File_S7_Protocol;
    d.Texts = {.Caption = 5100,
               .Description = 5101,
               .Button_Captions = {5102, 5103, 5104, 5105, 5106, 5107},
               .Button_Hints = {5108, 5109, 5110, 5111, 5112, 5113},
               .Delete_Question = 5225,
               .Row_Prefix = 5170};
    d.Prepare = [](TTableState& state) {
        state.Vars["NByte_IN"] = S7_NByte;
        state.Vars["NByte_OUT"] = S7_NByte;
    };
    d.Before_Check = Free_Connections;
    return d;
}

}  // namespace

const TDialogDesc& S7_Protocol_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::modbus_s7_bacnet
