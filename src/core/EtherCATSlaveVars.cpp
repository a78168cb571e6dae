#include "core/EtherCATSlaveVars.h"

#include "common/NumConv.h"
#include "core/TableTexts.h"
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

// Anything the engineer typed in the row (the check box and the computed cells aside).
bool Holds_Anything(const TEtherCAT_Var& row)
{
    return !Blank(row.Type) || !Blank(row.Length) || !Blank(row.Name) || !Blank(row.InitValue) || !Blank(row.Mnemonic);
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

std::optional<TEtherCAT_Fault> EtherCAT_Slave_First_Fault(const TEtherCAT_Slave_Vars& vars)
{
    for (const auto d : {TEtherCAT_Direction::Slave_To_Master, TEtherCAT_Direction::Master_To_Slave}) {
        const auto& rows = vars.Rows(d);
        const std::string direction = Lang_Text(EtherCAT_Direction_Text(d));
        const std::size_t saved = Saved_Row_Count(rows);
        for (std::size_t i = 0; i < saved; ++i) {
            const auto& row = rows[i];
            if (row.Enable && Is_String_Type(row.Type) && !String_Length_Valid(row.Length))
                return TEtherCAT_Fault{d, i + 1, Lang_Format(1056, {direction, i + 1, rtl::Trim(row.Type)})};
        }
        for (std::size_t i = saved; i < rows.size(); ++i)
            if (Holds_Anything(rows[i]))
                return TEtherCAT_Fault{d, saved + 1, Lang_Format(1055, {direction, saved + 1})};
    }
    return std::nullopt;
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
