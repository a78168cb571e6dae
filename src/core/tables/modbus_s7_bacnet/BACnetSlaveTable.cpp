#include "core/tables/modbus_s7_bacnet/BACnetSlaveTable.h"

#include "common/NumConv.h"
#include "common/UComon.h"
#include "core/ParGenFile.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/modbus_s7_bacnet/FieldColumns.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

namespace tables::modbus_s7_bacnet {

namespace {

using namespace bacnet_slave;

// The Length a Data Type allows (names compared as the choices are written).
struct TLengthRule {
    std::string_view Data_Type;
    int Low, High, Text;
};

struct TSlaveTable {
    bool Read;
    std::string_view Size;               // NByte_IN / NByte_OUT
    std::vector<std::string_view> Bits;  // the types whose Start Bit counts and whose Length does not
    std::vector<TLengthRule> Lengths;
    int Eng_Unit_Text, Position_Text, Bit_Text, Last_Byte_Text;
};

const TSlaveTable Read_Table = {.Read = true,
                                .Size = "NByte_IN",
                                .Bits = {"Binary Input", "Binary Value"},
                                .Lengths = {{"Analog Input", 1, 4, 2235},
                                            {"Positive Integer Value", 1, 4, 2236},
                                            {"Large Analog Value", 1, 8, 2237},
                                            {"Analog Value", 1, 4, 2238},
                                            {"Multi State Input", 1, 4, 2239},
                                            {"Multi State Value", 1, 4, 2240},
                                            {"Life Safety Point", 1, 2, 2241},
                                            {"Life Safety Zone", 1, 2, 2242},
                                            {"Access Door", 1, 1, 2243},
                                            {"Accumulator", 1, 4, 2244}},
                                .Eng_Unit_Text = 2233,
                                .Position_Text = 2234,
                                .Bit_Text = 2245,
                                .Last_Byte_Text = 2246};

const TSlaveTable Write_Table = {.Read = false,
                                 .Size = "NByte_OUT",
                                 .Bits = {"Binary Out", "Binary Value"},
                                 .Lengths = {{"Analog Out", 1, 4, 2249},
                                             {"Analog Value", 1, 4, 2250},
                                             {"Positive Integer Value", 1, 4, 2251},
                                             {"Large Analog Value", 1, 8, 2252},
                                             {"Integer Value", 1, 4, 2253},
                                             {"Multi State Output", 1, 4, 2254},
                                             {"Multi State Value", 1, 4, 2255},
                                             {"Access Door", 1, 1, 2256}},
                                 .Eng_Unit_Text = 2247,
                                 .Position_Text = 2248,
                                 .Bit_Text = 2257,
                                 .Last_Byte_Text = 2258};

// The Length read as a number, 0 for a text that is not one.
std::int64_t Length_Of(const TRowView& row)
{
    return Str_To_Int(row.Cell(Length)).has_value() ? row.Int(Length) : 0;
}

// Rules 3 and 4: a binary object needs its bit; any other its Length by type, and its last byte
// inside the area.
TRowRule Bytes_Rule(const TSlaveTable& t)
{
    return [&t](const TRowView& row) -> std::optional<TRuleFault> {
        const std::string type = row.Cell(Data_Type);
        for (std::string_view bit : t.Bits)
            if (type == bit)
                return row.Trimmed(Start_Bit).empty() ? std::optional(TRuleFault{.Text = t.Bit_Text}) : std::nullopt;
        const std::int64_t length = Length_Of(row);
        for (const TLengthRule& l : t.Lengths)
            if (type == l.Data_Type && (length < l.Low || length > l.High))
                return TRuleFault{.Text = l.Text};
        if (row.Int(Position) + length - 1 >= row.State.Var(t.Size))
            return TRuleFault{.Text = t.Last_Byte_Text};
        return std::nullopt;
    };
}

TGridDesc Slave_Grid(const TSlaveTable& t, const std::vector<std::string>& types, int firstHeader)
{
    const std::vector<TField> fields = {
        {.Attribute = "Data_Type", .Editor = TEditor::ComboList, .Items = types},
        {.Attribute = "Eng_Unit"},
        {.Attribute = "Position", .Editor = TEditor::ComboList, .Items_Count = t.Size, .Color = Color_Array},
        {.Attribute = "Bit", .Editor = TEditor::ComboList, .Items = Bit_Items(), .Color = Color_Array},
        {.Attribute = "Length", .Color = Color_Array},
        {.Attribute = "Swap", .Editor = TEditor::CheckBox, .Fallback = "N", .Color = Color_Array, .Hidden = true},
        {.Attribute = "Mnemonic", .Color = Color_Text},
    };
    const int h = firstHeader;
    TGridDesc g;
    g.Name = t.Read ? "ACG_BACnet_in_Read" : "ACG_BACnet_in_Write";
    g.Sheet = t.Read ? "TS_BACnet_in_Read" : "TS_BACnet_in_Write";
    g.Sheet_Caption = t.Read ? 2208 : 2209;
    g.Sheet_Text = t.Read ? "BACnet in Read" : "BACnet in Write";
    g.Rows = BACnet_Slave_Rows;
    g.Section = {t.Read ? "BACnet_in_Read" : "BACnet_in_Write"};
    Add_Field_Columns(g, fields,
                      {{"N", h, 0, 40},
                       {"Data Type", h + 1, 0, 150},
                       {"Eng. Unit", h + 2, 0, 100},
                       {"Position", h + 3, 0, 64},
                       {"Start Bit", h + 4, 0, 64},
                       {"Length", h + 5, 0, 64},
                       {"Swap", h + 6, 0, 40},
                       {"Mnemonic", h + 7, 0, 250}});
    g.Write_Key = g.Check_Key = {.Column = Data_Type};
    g.Rules = {
        Int_Range(Eng_Unit, 0, 65535, t.Eng_Unit_Text),
        Int_Range_Var(Position, 0, t.Size, -1, t.Position_Text, true),
        Bytes_Rule(t),
    };
    g.Insert_Flag = false;
    g.Click_Cell = true;
    // The window opens the unit picker on a double click; the read table's hint handler does nothing.
    g.Dbl_Click = false;
    g.Grid_Hint = false;
    g.Show_Hints = false;
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFBACnetSlaveSetAccess";
    d.Form_Name = "FBACnetSlaveSetAccess";
    d.Client_Width = 764;
    d.Client_Height = 337;
    d.Grids = {
        Slave_Grid(Read_Table,
                   {"Analog Input", "Analog Value", "Binary Input", "Binary Value", "Positive Integer Value",
                    "Large Analog Value", "Integer Value", "Multi State Input", "Multi State Value",
                    "Life Safety Point", "Life Safety Zone", "Access Door", "Accumulator"},
                   2216),
        Slave_Grid(Write_Table,
                   {"Analog Out", "Analog Value", "Binary Out", "Binary Value", "Positive Integer Value",
                    "Large Analog Value", "Integer Value", "Multi State Output", "Multi State Value", "Access Door"},
                   2224),
    };
    d.Root = "BACnet_to_Modbus";
    d.File = &File_BACnet_Slave;
    d.Texts = {.Caption = 2200,
               .Description = 2201,
               .Button_Captions = {2202, 2203, 2204, 2205, 2206, 2207},
               .Button_Hints = {2210, 2211, 2212, 2213, 2214, 2215},
               .Delete_Question = 2260,
               .Row_Prefix = 2232};
    d.Prepare = [](TTableState& state) {
        state.Vars["NByte_IN"] = BACnet_Slave_NByte;
        state.Vars["NByte_OUT"] = BACnet_Slave_NByte;
        state.Vars["Desc_Lenght"] = Read_BACnet_Desc_Lenght(File_ParGen) ? 1 : 0;
    };
    // Every row tested counts, both tables together.
    d.After_Rows = [](const std::vector<const TCells*>& grids, TTableState& state) -> std::optional<TRuleFault> {
        const TDialogDesc& desc = BACnet_Slave_Desc();
        std::int64_t objects = 0;
        for (std::size_t g = 0; g < grids.size() && g < desc.Grids.size(); ++g)
            objects += Rows_Written(desc.Grids[g], *grids[g], &state);
        const int most = BACnet_Slave_Max_Objects(state.Var("Desc_Lenght") != 0);
        if (objects <= most)
            return std::nullopt;
        return TRuleFault{.Text = 2259, .Suffix = std::to_string(most), .Row_Prefix = false};
    };
    return d;
}

}  // namespace

int BACnet_Slave_Max_Objects(bool descLenght)
{
    return descLenght ? BACnet_Slave_Rows / 2 : BACnet_Slave_Rows;
}

bool Read_BACnet_Desc_Lenght(const std::filesystem::path& parGen)
{
    try {
        if (const std::optional<core::TParGenFile> file = core::TParGenFile::Open(parGen))
            return file->Key("BACnet_Desc_Chars_Limit") == "1";
    } catch (const rtl::Exception&) {
        // an unreadable settings file leaves the short names, without a word
    }
    return false;
}

std::string BACnet_Slave_Default_Length(std::string_view dataType)
{
    const std::string t = rtl::UpperCase(dataType);
    if (t == "ANALOG OUT" || t == "ANALOG VALUE" || t == "POSITIVE INTEGER VALUE" || t == "INTEGER VALUE" ||
        t == "MULTI STATE OUTPUT" || t == "MULTI STATE VALUE")
        return "4";
    if (t == "BINARY OUT" || t == "BINARY VALUE" || t == "ACCESS DOOR" || t == "OCTET STRING")
        return "1";
    if (t == "LARGE ANALOG VALUE")
        return "8";
    return {};
}

const TDialogDesc& BACnet_Slave_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::modbus_s7_bacnet
