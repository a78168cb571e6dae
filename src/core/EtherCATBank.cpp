#include "core/EtherCATBank.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "common/NumConv.h"
#include "core/LittleEndian.h"
#include "platform/rtl/Conversions.h"

namespace core {

namespace {

constexpr std::array<std::pair<std::string_view, TType_Code>, 9> Type_Table{{
    {"Bool", {1, 1}},
    {"Int8", {2, 1}},
    {"Int16", {3, 2}},
    {"Int32", {4, 4}},
    {"UInt8", {5, 1}},
    {"UInt16", {6, 2}},
    {"UInt32", {7, 4}},
    {"Float32", {8, 4}},
    {"String", {9, 0}},
}};

void Put_Int_LE(std::array<std::uint8_t, 8>& bytes, std::uint64_t v, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Compile state that runs on over both directions.
struct TCompile_Cursor {
    std::uint32_t count = 0;
    std::uint32_t next_name = EtherCAT_Empty_Name_Address + 1;
};

void Compile_Direction(TBankStorage& s, const std::vector<TTableRow>& rows, std::uint8_t access, TCompile_Cursor& cur)
{
    std::uint32_t index = 0;
    std::uint32_t offset = 0;
    for (const auto& row : rows) {
        if (row.Attr("Enable") != "Y")
            continue;
        if (cur.count >= EtherCAT_Max_Entries)
            throw std::length_error("more than " + std::to_string(EtherCAT_Max_Entries) +
                                    " enabled EtherCAT variables");
        TEtherCAT_pd& e = s.Entries[cur.count];
        e.access = access;
        const TType_Code tc = Type_Code_From_Name(row.Attr("Type", ""));
        e.Data_Type = tc.Code;
        e.length = tc.Length != 0 ? tc.Length : static_cast<std::uint8_t>(Str_To_Int_Def(row.Attr("Length", ""), 1));
        e.bit_address = 0;
        e.position = 0;
        e.entry_index = 0;
        e.subindex = index++;
        e.ethercat_offset = offset;
        offset += e.length;
        Set_Init_Value(row.Attr("InitValue", ""), e);
        e.name = row.Attr("Name", "");
        e.name_length = static_cast<std::uint32_t>(e.name.size());
        if (e.name.empty()) {
            e.name_add = EtherCAT_Empty_Name_Address;
        } else {
            const std::size_t used = cur.next_name - (EtherCAT_Empty_Name_Address + 1);
            if (e.name.size() + 1 > EtherCAT_Name_Area_Size - used)
                throw std::length_error("EtherCAT variable names exceed the bank2 image");
            e.name_add = cur.next_name;
            cur.next_name += e.name_length + 1;
        }
        ++cur.count;
    }
}

void Append_U32(TBankImage& image, std::uint32_t v)
{
    std::uint8_t b[4];
    Put_U32_LE(b, v);
    image.Append(b);
}

}  // namespace

void Init_EtherCAT_Bank(TBankStorage& s)
{
    s.EtherCAT_Bank_Header = {};
    s.Entries.fill({});
}

TType_Code Type_Code_From_Name(std::string_view type)
{
    for (const auto& [name, tc] : Type_Table)
        if (name == type)
            return tc;
    return {0, 0};
}

void Set_Init_Value(std::string_view text, TEtherCAT_pd& entry)
{
    auto& v = entry.init_value;
    v.fill(0);
    const std::uint8_t code = entry.Data_Type;
    if (code >= 1 && code <= 7) {
        const auto n = Str_To_Int64(text);
        if (!n)
            return;
        const auto u = static_cast<std::uint64_t>(*n);
        switch (code) {
        case 1:
            v[0] = static_cast<std::uint8_t>(u & 1);
            break;
        case 2:
        case 5:
            Put_Int_LE(v, u, 1);
            break;
        case 3:
        case 6:
            Put_Int_LE(v, u, 2);
            break;
        default:
            Put_Int_LE(v, u, 4);
            break;
        }
    } else if (code == 8) {
        // Values that round to a finite single are stored rounded, the largest single included
        // (3.4028235e38 lies just above it). Beyond that, and for NaN, no value is stored rather
        // than an infinity.
        constexpr double Rounds_To_Infinity = 0x1.ffffffp127;  // halfway between the largest single and 2^128
        double d = rtl::StrToFloatDef(text, 0.0);
        if (!(std::fabs(d) < Rounds_To_Infinity))
            d = 0.0;
        Put_Int_LE(v, std::bit_cast<std::uint32_t>(static_cast<float>(d)), 4);
    }
}

void Read_EtherCAT_Slave_Bank(TBankStorage& s, const TEtherCAT_Slave_Table* table, std::uint32_t sectionAddress)
{
    auto& h = s.EtherCAT_Bank_Header;
    h.Entry_Table_Address = sectionAddress + static_cast<std::uint32_t>(EtherCAT_Header_Size);
    TCompile_Cursor cur;
    if (table) {
        Compile_Direction(s, table->Slave_To_Master, 1, cur);
        Compile_Direction(s, table->Master_To_Slave, 0, cur);
    }
    h.Entry_Count = cur.count;
}

void Put_EtherCAT_Bank(TBankStorage& s)
{
    auto& img = s.Bank2;
    const auto& h = s.EtherCAT_Bank_Header;
    img.Append(h.Eeprom_Config);
    std::uint8_t node[2];
    Put_U16_LE(node, h.Node_Address);
    img.Append(node);
    for (std::uint32_t v :
         {h.Vendor_ID, h.Product_Code, h.Revision_Number, h.Serial_Number, h.Entry_Count, h.Entry_Table_Address})
        Append_U32(img, v);

    for (const auto& e : s.Entries) {
        std::array<std::uint8_t, EtherCAT_Entry_Size> b{};
        b[0] = e.Data_Type;
        b[1] = e.length;
        b[2] = e.access;
        b[3] = e.bit_address;
        Put_U32_LE(&b[4], e.position);
        Put_U32_LE(&b[8], e.subindex);
        Put_U32_LE(&b[12], e.entry_index);
        Put_U32_LE(&b[16], e.ethercat_offset);
        std::memcpy(&b[20], e.init_value.data(), e.init_value.size());
        Put_U32_LE(&b[28], e.name_length);
        Put_U32_LE(&b[32], e.name_add);
        img.Append(b);
    }
    img.Append_Zeros(1);
    for (const auto& e : s.Entries)
        if (!e.name.empty()) {
            img.Append({reinterpret_cast<const std::uint8_t*>(e.name.data()), e.name.size()});
            img.Append_Zeros(1);
        }
}

}  // namespace core
