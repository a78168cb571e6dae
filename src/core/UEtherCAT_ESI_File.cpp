#include "core/UEtherCAT_ESI_File.h"

#include "common/NumConv.h"
#include "common/UComon.h"
#include "core/EtherCATSlaveVars.h"
#include "core/ParGenFile.h"
#include "core/TableRows.h"
#include "core/UnsignedNumber.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/xml/Xml.h"

namespace core {

std::string ESI_Data_Type(std::string_view type, std::int64_t& length)
{
    struct Fixed {
        std::string_view type, esi;
        std::int64_t bits;
    };
    static constexpr Fixed table[] = {
        {"BOOL", "BIT", 1},    {"INT8", "SINT", 8},    {"INT16", "INT", 16},    {"INT32", "DINT", 32},
        {"UINT8", "USINT", 8}, {"UINT16", "UINT", 16}, {"UINT32", "UDINT", 32}, {"FLOAT32", "REAL", 32},
    };
    const std::string t = rtl::UpperCase(rtl::Trim(type));
    for (const auto& f : table)
        if (t == f.type) {
            length = f.bits;
            return std::string(f.esi);
        }
    if (t == "STRING") {
        const std::string esi = "STRING(" + std::to_string(length) + ")";
        length *= 8;
        return esi;
    }
    length = 1;
    return "BIT";
}

std::string Format_3_Digits(int n)
{
    if (n >= 0 && n <= 9)
        return "00" + std::to_string(n);
    if (n >= 10 && n <= 99)
        return "0" + std::to_string(n);
    return std::to_string(n);
}

std::string Node_Address_Text(std::uint16_t node)
{
    return rtl::IntToHex(node & 0xFF, 2) + rtl::IntToHex(node >> 8, 2);
}

namespace {

// Appends the enabled rows of one direction; for the inputs also counts their process-data bytes
// (consecutive bits share bytes, eight to a byte; every other row takes its Length in bytes). A
// length the file cannot carry is refused, naming the row (its place among the direction's rows).
void Load_Direction(const std::vector<TTableRow>& rows, std::string_view section, const std::filesystem::path& file,
                    std::vector<TEtherCAT_Rule>& list, std::int64_t* byteCount)
{
    bool bitRun = false;
    int bits = 0;
    std::size_t rowNumber = 0;
    for (const auto& row : rows) {
        ++rowNumber;
        if (row.Attr("Enable") != "Y")
            continue;
        const std::int64_t bytes = Str_To_Int_Def(row.Attr("Length", ""), 0);
        std::int64_t length = bytes;
        TEtherCAT_Rule rule;
        rule.DataType = ESI_Data_Type(row.Attr("Type", ""), length);
        rule.Length = length;
        rule.Name = row.Attr("Name", "");
        const bool counted = byteCount && rule.DataType != "BIT";
        if ((counted || rule.DataType.starts_with("STRING(")) && (bytes < 0 || bytes > Max_ESI_Row_Bytes))
            throw rtl::EFileError(file.string(), "row " + std::to_string(rowNumber) + " of " + std::string(section) +
                                                     ": the length " + std::to_string(bytes) +
                                                     " does not fit the ESI file (0 to " +
                                                     std::to_string(Max_ESI_Row_Bytes) + " bytes)");
        if (byteCount) {
            if (!counted) {
                if (bitRun) {
                    if (++bits > 8) {
                        bits = 1;
                        ++*byteCount;
                    }
                } else {
                    bitRun = true;
                    bits = 1;
                    ++*byteCount;
                }
            } else {
                bitRun = false;
                bits = 0;
                *byteCount += bytes;
            }
        }
        list.push_back(std::move(rule));
    }
}

}  // namespace

TESI_Data Load_EtherCAT_Slave_Data(const std::filesystem::path& parGen, const std::filesystem::path& etherCATSlave)
{
    TESI_Data d;
    if (const auto f = TParGenFile::Open(parGen)) {
        if (const auto v = f->Key("EtherCAT_Slave_Revision_Number"))
            d.Revision = Str_To_UInt32_Def(*v, 0);
        if (const auto v = f->Key("EtherCAT_Slave_Name"))
            d.Slave_Name = *v;
        if (const auto v = f->Key("EtherCAT_Slave_Node_Address"))
            d.Node_Address = static_cast<std::uint16_t>(Str_To_Int_Def(*v, 1));
    }
    if (const auto table = Read_EtherCAT_Slave_File(etherCATSlave)) {
        Check_String_Lengths(*table, etherCATSlave);
        Load_Direction(table->Slave_To_Master, "EtherCAT_Slave_To_Master", etherCATSlave, d.Inputs,
                       &d.Input_Byte_Count);
        Load_Direction(table->Master_To_Slave, "EtherCAT_Master_To_Slave", etherCATSlave, d.Outputs, nullptr);
    }
    return d;
}

void Build_ESI_File(const std::filesystem::path& file, const std::filesystem::path& parGen,
                    const std::filesystem::path& etherCATSlave)
{
    Write_ESI_File(Load_EtherCAT_Slave_Data(parGen, etherCATSlave), file);
}

void Build_ESI_File(const std::string& fileName)
{
    Build_ESI_File(fileName, File_ParGen, File_EtherCAT_Slave);
}

}  // namespace core
