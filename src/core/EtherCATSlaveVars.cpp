#include "core/EtherCATSlaveVars.h"

#include "common/NumConv.h"
#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"
#include "platform/rtl/StrUtils.h"
#include "platform/xml/Xml.h"

namespace core {

namespace {

bool Blank(std::string_view text)
{
    return rtl::Trim(text).empty();
}

// Bytes a non-Bool row takes in its direction's byte array.
std::int64_t Size_Of(const TEtherCAT_Var& row)
{
    const std::string_view t = row.Type;
    if (t == "Int8" || t == "UInt8")
        return 1;
    if (t == "Int16" || t == "UInt16")
        return 2;
    if (t == "Int32" || t == "UInt32" || t == "Float32")
        return 4;
    return Str_To_Int_Def(row.Length, 0);
}

}  // namespace

TEtherCAT_Slave_Vars::TEtherCAT_Slave_Vars() : Slave_To_Master(EtherCAT_Rows), Master_To_Slave(EtherCAT_Rows) {}

std::vector<TEtherCAT_Var>& TEtherCAT_Slave_Vars::Rows(TEtherCAT_Direction d)
{
    return d == TEtherCAT_Direction::Slave_To_Master ? Slave_To_Master : Master_To_Slave;
}

const std::vector<TEtherCAT_Var>& TEtherCAT_Slave_Vars::Rows(TEtherCAT_Direction d) const
{
    return d == TEtherCAT_Direction::Slave_To_Master ? Slave_To_Master : Master_To_Slave;
}

const std::vector<int>& EtherCAT_Header_Texts(TEtherCAT_Direction d)
{
    static const std::vector<int> toMaster{1014, 1015, 1016, 1017, 1019, 1020, 1021, 1022, 1023};
    static const std::vector<int> toSlave{1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043};
    return d == TEtherCAT_Direction::Slave_To_Master ? toMaster : toSlave;
}

const std::vector<int>& EtherCAT_Hint_Texts(TEtherCAT_Direction d)
{
    static const std::vector<int> toMaster{1024, 1025, 1026, 1028, 1029, 1030, 1031, 1032};
    static const std::vector<int> toSlave{1044, 1045, 1046, 1047, 1048, 1049, 1050};
    return d == TEtherCAT_Direction::Slave_To_Master ? toMaster : toSlave;
}

std::string EtherCAT_Cell_Hint(TEtherCAT_Direction d, int ACol, int ARow)
{
    const auto& hints = EtherCAT_Hint_Texts(d);
    if (ARow != 0 || ACol < 1 || static_cast<std::size_t>(ACol) > hints.size())
        return {};
    return Lang_Text(hints[static_cast<std::size_t>(ACol - 1)]);
}

int EtherCAT_Direction_Text(TEtherCAT_Direction d)
{
    return d == TEtherCAT_Direction::Slave_To_Master ? 1034 : 1035;
}

std::optional<TType_Rule> Type_Rule(std::string_view type)
{
    if (type == "Bool" || type == "Int8" || type == "UInt8")
        return TType_Rule{"1", false};
    if (type == "Int16" || type == "UInt16")
        return TType_Rule{"2", false};
    if (type == "Int32" || type == "UInt32" || type == "Float32")
        return TType_Rule{"4", false};
    if (type == "String" || type == "ByteString")
        return TType_Rule{"10", true};
    return std::nullopt;
}

std::string Pasted_Length(std::string_view type, std::string_view copiedLength)
{
    const auto rule = Type_Rule(type);
    if (rule && !rule->Length_Editable)
        return std::string(rule->Length);
    return std::string(copiedLength);
}

void Calc_Position_Bit(std::vector<TEtherCAT_Var>& rows)
{
    std::int64_t pos = 0;
    int bit = 0;
    bool group = false;
    for (auto& row : rows) {
        if (Blank(row.Type))
            break;
        std::int64_t position = 0;
        int startBit = 0;
        if (!row.Enable) {
            // Leaves the counters alone: a disabled row does not interrupt a run of Bool rows.
        } else if (row.Type == "Bool") {
            if (group) {
                position = pos;
                startBit = bit;
                if (++bit == 8) {
                    bit = 0;
                    ++pos;
                }
            } else {
                group = true;
                position = pos;
                bit = 1;
            }
        } else {
            if (group) {
                group = false;
                if (bit > 0)
                    ++pos;
                bit = 0;
            }
            position = pos;
            pos += Size_Of(row);
        }
        row.Position = std::to_string(position);
        row.BitStart = std::to_string(startBit);
    }
}

std::size_t Saved_Row_Count(const std::vector<TEtherCAT_Var>& rows)
{
    std::size_t n = 0;
    while (n < rows.size() && !Blank(rows[n].Type))
        ++n;
    return n;
}

bool Is_String_Type(std::string_view type)
{
    const std::string t = rtl::UpperCase(rtl::Trim(type));
    return t == "STRING" || t == "BYTESTRING";
}

bool String_Length_Valid(std::string_view length)
{
    const auto v = Str_To_Int(length);
    return v && *v >= 1 && *v <= 255;
}

namespace {

using tables::TCells;
using tables::TRowView;
using tables::TRuleFault;

// The grid column of each field (-1 where the direction has none).
std::string TEtherCAT_Var::*const Fields[] = {
    &TEtherCAT_Var::Type,     &TEtherCAT_Var::Length,   &TEtherCAT_Var::Name,    &TEtherCAT_Var::InitValue,
    &TEtherCAT_Var::Position, &TEtherCAT_Var::BitStart, &TEtherCAT_Var::Mnemonic};
int Column_Of(const TEtherCAT_Columns& c, std::size_t field)
{
    const int columns[] = {c.Type, c.Length, c.Name, c.InitValue, c.Position, c.BitStart, c.Mnemonic};
    return columns[field];
}

constexpr std::string_view Attribute_Names[] = {"Type",     "Length",   "Name",    "InitValue",
                                                "Position", "BitStart", "Mnemonic"};

TEtherCAT_Direction Direction_Of(int grid)
{
    return grid == 0 ? TEtherCAT_Direction::Slave_To_Master : TEtherCAT_Direction::Master_To_Slave;
}

tables::TGridDesc Grid_Desc(TEtherCAT_Direction d)
{
    using namespace tables;
    const TEtherCAT_Columns cols = EtherCAT_Columns(d);
    struct TLook {
        int Width;
        std::uint32_t Color;
    };
    // Widths and colours of the slave-to-master columns; the other table has no Init Value column.
    constexpr TLook looks[] = {
        {40, No_Color},
        {50, Rgb(0xFF, 0xD8, 0xB0)},
        {120, Rgb(0xE0, 0xFA, 0xFE)},
        {100, Rgb(0xE0, 0xFA, 0xFE)},
        {280, Rgb(0xE0, 0xFA, 0xFE)},
        {100, Rgb(0xA8, 0xFF, 0xA8)},
        {100, Rgb(0xFC, 0xD6, 0xF4)},
        {100, Rgb(0xFC, 0xD6, 0xF4)},
        {100, Rgb(0xFF, 0xFF, 0xFF)},
    };
    TGridDesc g;
    const bool toMaster = d == TEtherCAT_Direction::Slave_To_Master;
    g.Name = toMaster ? "GSG_SlaveMaster" : "GSG_MasterSlave";
    g.Sheet = toMaster ? "TS_SlaveToMaster" : "TS_MasterToSlave";
    g.Sheet_Caption = EtherCAT_Direction_Text(d);
    g.Rows = static_cast<int>(EtherCAT_Rows);
    const std::vector<int>& headers = EtherCAT_Header_Texts(d);
    const std::vector<int>& hints = EtherCAT_Hint_Texts(d);
    for (int c = 0; c < cols.Count; ++c) {
        const TLook look = looks[!toMaster && c >= cols.Position ? c + 1 : c];
        TColumnDesc col{.Header = headers[static_cast<std::size_t>(c)],
                        .Hint = c > 0 ? hints[static_cast<std::size_t>(c - 1)] : 0,
                        .Width = look.Width,
                        .Color = look.Color,
                        .ReadOnly = c == cols.Position || c == cols.BitStart};
        if (c == cols.Enable) {
            col.Editor = TEditor::CheckBox;
            col.Alignment = TAlign::Center;
        } else if (c == cols.Type) {
            col.Editor = TEditor::ComboList;
            for (std::string_view name : EtherCAT_Type_Names)
                col.Items.emplace_back(name);
        }
        g.Columns.push_back(std::move(col));
    }
    g.Section = {EtherCAT_Variables_Element,
                 toMaster ? EtherCAT_Slave_To_Master_Element : EtherCAT_Master_To_Slave_Element};
    // Only exactly "N" unticks; the type rule sets the Length before the file's own replaces it.
    g.Attributes.push_back(
        {.Name = "Enable",
         .Column = cols.Enable,
         .Read = [col = cols.Enable](std::optional<std::string_view> v, TCells& cells, int row, TTableState&) {
             cells.SetCell(col, row, v == "N" ? "N" : "Y");
         }});
    for (std::size_t f = 0; f < std::size(Fields); ++f) {
        const int col = Column_Of(cols, f);
        if (col < 0)
            continue;
        TAttributeDesc a{.Name = Attribute_Names[f], .Column = col, .Fallback = ""};
        if (Fields[f] == &TEtherCAT_Var::Length)
            a.Read = [cols](std::optional<std::string_view> v, TCells& cells, int row, TTableState&) {
                if (const auto rule = Type_Rule(cells.Cell(cols.Type, row)))
                    cells.SetCell(cols.Length, row, std::string(rule->Length));
                if (v)
                    cells.SetCell(cols.Length, row, std::string(*v));
            };
        g.Attributes.push_back(std::move(a));
    }
    g.Write_Key = g.Check_Key = {.Column = cols.Type, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = cols.Enable;
    g.Rules = {[d, cols](const TRowView& row) -> std::optional<TRuleFault> {
        if (!Is_String_Type(row.Cell(cols.Type)) || String_Length_Valid(row.Cell(cols.Length)))
            return std::nullopt;
        return TRuleFault{.Message = Lang_Format(
                              1056, {Lang_Text(EtherCAT_Direction_Text(d)), row.Row, rtl::Trim(row.Cell(cols.Type))})};
    }};
    g.Insert_Flag = true;
    g.Cell_Hints = false;
    g.Click_Cell = true;
    return g;
}

tables::TDialogDesc Make()
{
    using namespace tables;
    TDialogDesc desc;
    desc.Class_Name = "TFEtherCATSlave";
    desc.Form_Name = "FEtherCATSlave";
    desc.Client_Width = 1200;
    desc.Client_Height = 337;
    desc.Grid_Class = TGridClass::String_Grid;
    desc.Grids = {Grid_Desc(TEtherCAT_Direction::Slave_To_Master), Grid_Desc(TEtherCAT_Direction::Master_To_Slave)};
    desc.Root = "EtherCAT_Slave";
    desc.File = &File_EtherCAT_Slave;
    desc.Texts = {.Caption = 1000,
                  .Description = 1001,
                  .Button_Captions = {1002, 1003, 1004, 1005, 1006, 1007},
                  .Button_Hints = {1008, 1009, 1010, 1011, 1012, 1013},
                  .Delete_Question = 1033,
                  .Delete_Formats = true,
                  .Load_Header = 1051,
                  .Load_Unreadable = 1052,
                  .Load_Extra_Rows = 1054,
                  .Load_Missing_Section = 1053};
    desc.Band = TButtonBand::Rows_Left_OK_Right;
    // Positions are computed whenever the rows are loaded and again before they are saved.
    const auto positions = [](std::vector<TCells*>& grids, TTableState&) {
        for (std::size_t g = 0; g < grids.size(); ++g)
            Calc_Position_Bit(Direction_Of(static_cast<int>(g)), *grids[g]);
    };
    desc.After_Load = positions;
    desc.Before_Save = positions;
    desc.Dropped_Message = [](int grid, int row) {
        return Lang_Format(1055, {Lang_Text(EtherCAT_Direction_Text(Direction_Of(grid))), row});
    };
    return desc;
}

}  // namespace

const tables::TDialogDesc& EtherCAT_Slave_Desc()
{
    static const tables::TDialogDesc desc = Make();
    return desc;
}

tables::TTable EtherCAT_Table(TEtherCAT_Direction d, const std::vector<TEtherCAT_Var>& rows)
{
    const TEtherCAT_Columns cols = EtherCAT_Columns(d);
    tables::TTable table(cols.Count, static_cast<int>(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        table.SetCell(0, row, std::to_string(row));
        table.SetCell(cols.Enable, row, rows[r].Enable ? "Y" : "N");
        for (std::size_t f = 0; f < std::size(Fields); ++f)
            if (const int col = Column_Of(cols, f); col >= 0)
                table.SetCell(col, row, rows[r].*Fields[f]);
    }
    return table;
}

std::vector<TEtherCAT_Var> EtherCAT_Rows_Of(TEtherCAT_Direction d, const tables::TCells& cells)
{
    const TEtherCAT_Columns cols = EtherCAT_Columns(d);
    std::vector<TEtherCAT_Var> rows(static_cast<std::size_t>(cells.RowCount() > 0 ? cells.RowCount() - 1 : 0));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        rows[r].Enable = cells.Cell(cols.Enable, row) == "Y";
        for (std::size_t f = 0; f < std::size(Fields); ++f)
            if (const int col = Column_Of(cols, f); col >= 0)
                rows[r].*Fields[f] = cells.Cell(col, row);
    }
    return rows;
}

void Calc_Position_Bit(TEtherCAT_Direction d, tables::TCells& cells)
{
    std::vector<TEtherCAT_Var> rows = EtherCAT_Rows_Of(d, cells);
    Calc_Position_Bit(rows);
    const TEtherCAT_Columns cols = EtherCAT_Columns(d);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        cells.SetCell(cols.Position, static_cast<int>(r) + 1, rows[r].Position);
        cells.SetCell(cols.BitStart, static_cast<int>(r) + 1, rows[r].BitStart);
    }
}

std::optional<TEtherCAT_Fault> EtherCAT_Slave_First_Fault(const TEtherCAT_Slave_Vars& vars)
{
    const tables::TTable toMaster = EtherCAT_Table(TEtherCAT_Direction::Slave_To_Master, vars.Slave_To_Master);
    const tables::TTable toSlave = EtherCAT_Table(TEtherCAT_Direction::Master_To_Slave, vars.Master_To_Slave);
    tables::TTableState state;
    const auto fault = tables::First_Fault(EtherCAT_Slave_Desc(), {&toMaster, &toSlave}, state);
    if (!fault)
        return std::nullopt;
    return TEtherCAT_Fault{Direction_Of(fault->Grid), static_cast<std::size_t>(fault->Row), fault->Message};
}

void Check_String_Lengths(const TEtherCAT_Slave_Table& table, const std::filesystem::path& file)
{
    const std::pair<const std::vector<TTableRow>*, std::string_view> sections[] = {
        {&table.Slave_To_Master, EtherCAT_Slave_To_Master_Element},
        {&table.Master_To_Slave, EtherCAT_Master_To_Slave_Element}};
    for (const auto& [rows, section] : sections) {
        std::size_t rowNumber = 0;
        for (const auto& row : *rows) {
            ++rowNumber;
            if (row.Attr("Enable") != "Y" || !Is_String_Type(row.Attr("Type", "")))
                continue;
            const std::string length = row.Attr("Length", "");
            if (!String_Length_Valid(length))
                throw rtl::EFileError(file.string(),
                                      "row " + std::to_string(rowNumber) + " of " + std::string(section) +
                                          ": the length " + (length.empty() ? "(empty)" : length) + " of a " +
                                          rtl::Trim(row.Attr("Type", "")) + " is not a whole number from 1 to 255");
        }
    }
}

}  // namespace core
