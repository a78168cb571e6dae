#include "core/tables/modbus_s7_bacnet/BACnetEDEImport.h"

#include <algorithm>
#include <array>

#include "core/tables/TableEngine.h"
#include "core/tables/modbus_s7_bacnet/BACnetAccessTable.h"
#include "core/tables/modbus_s7_bacnet/BACnetValueRules.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextEncoding.h"

namespace tables::modbus_s7_bacnet {

namespace {

constexpr int Field_Count = 16;

// Lines end with CR LF, LF or CR.
std::vector<std::string_view> Split_Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// "# mandatory ...": a comment line whose rest, trimmed, begins with "mandatory".
bool Mandatory_Line(std::string_view line)
{
    const std::string trimmed = Cell_Trim(line);
    return !trimmed.empty() && trimmed[0] == '#' &&
           Cell_Trim(std::string_view(trimmed).substr(1)).starts_with("mandatory");
}

// The index of the first data line; lines.size() or more when there is none.
std::size_t Data_Start(const std::vector<std::string_view>& lines)
{
    if (lines.size() > 6 && Mandatory_Line(lines[6]))
        return 8;
    std::size_t start = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (Mandatory_Line(lines[i]))
            start = i + 2;
    return start;
}

// The trimmed-cell rule on a view: no leading or trailing blanks and control characters.
std::string_view Trim_View(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

// Everything after the first ";" (the whole text when it has none), trimmed.
std::string_view After_Semicolon(std::string_view text)
{
    const std::size_t at = text.find(';');
    if (at != std::string_view::npos)
        text.remove_prefix(at + 1);
    return Trim_View(text);
}

// The text before the first ";", empty when there is none.
std::string_view Before_Semicolon(std::string_view text)
{
    const std::size_t at = text.find(';');
    return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::array<std::string, Field_Count> Split_Fields(std::string_view line)
{
    std::array<std::string, Field_Count> fields;
    std::string_view rest = line;
    fields[0] = Cell_Trim(Before_Semicolon(rest));
    for (int k = 1; k < Field_Count - 1; ++k) {
        rest = After_Semicolon(rest);
        fields[static_cast<std::size_t>(k)] = Cell_Trim(Before_Semicolon(rest));
    }
    rest = After_Semicolon(rest);
    if (rest.ends_with(';'))
        rest.remove_suffix(1);
    fields[Field_Count - 1] = std::string(Trim_View(rest));
    return fields;
}

bool Yes(const std::string& field)
{
    return field == "Y" || field == "y";
}

TBACnet_Var Var_Of(const std::array<std::string, Field_Count>& f)
{
    TBACnet_Var v;
    v.keyname = f[0];
    v.device_obj_instance = Cell_Int(f[1]);
    v.object_name = f[2];
    v.object_type = Cell_Int(f[3]);
    v.object_instance = Cell_Int(f[4]);
    v.description = f[5];
    v.present_value_default = f[6];
    v.min_present_value = f[7];
    v.max_present_value = f[8];
    v.commandable = Yes(f[9]);
    v.support_COV = Yes(f[10]);
    v.hi_limit = f[11];
    v.low_limit = f[12];
    v.stete_text_reference = f[13];
    v.unit_code = f[14];
    v.vendor_specific_address = f[15];
    return v;
}

// Where a table's import cells are.
struct TImportColumns {
    int Position, NByte;
};

// The highest byte used so far: Position + NByte over every row with a key (rows after an empty
// one included), both read as numbers.
std::int64_t Next_Position(const TCells& cells, int keyColumn, const TImportColumns& c)
{
    std::int64_t next = 0;
    for (int r = 1; r < cells.RowCount(); ++r) {
        if (Cell_Trim(cells.Cell(keyColumn, r)).empty())
            continue;
        const std::int32_t position = Cell_Int(cells.Cell(c.Position, r));
        const std::int32_t bytes = Cell_Int(cells.Cell(c.NByte, r));
        if (position >= 0 && bytes >= 0)
            next = std::max(next, std::int64_t{position} + bytes);
    }
    return next;
}

int First_Free_Row(const TCells& cells, int keyColumn)
{
    int r = 1;
    while (r < cells.RowCount() && !Cell_Trim(cells.Cell(keyColumn, r)).empty())
        ++r;
    return r;
}

// A table being filled: its next row and position.
struct TFill {
    TCells& Cells;
    int Row;
    std::int64_t Position;
    int Written = 0;
    int Left_Out = 0;

    bool Full() const { return Row >= Cells.RowCount(); }
    void Put(const std::vector<std::pair<int, std::string>>& cells)
    {
        for (const auto& [col, text] : cells)
            Cells.SetCell(col, Row, text);
    }
};

std::string Mnemonic_Of(const TBACnet_Var& v)
{
    return v.object_name + " - " + v.description;
}

void Add_Read(TFill& t, const std::string& address, const TBACnet_Var& v)
{
    if (t.Full()) {
        ++t.Left_Out;
        return;
    }
    namespace c = bacnet_read;
    const int bytes = Get_NumByte_EDE(v.object_type);
    t.Put({{c::Enable, "Y"},
           {c::Address, address},
           {c::Object_Type, Get_ObjType_EDE(v.object_type)},
           {c::Instance, std::to_string(v.object_instance)},
           {c::Property, "Present Value (85)"},
           {c::NByte, std::to_string(bytes)},
           {c::En_Dest, "N"},
           {c::D_Net, ""},
           {c::D_Len, ""},
           {c::D_Add, ""},
           {c::Poll_Time, "1000"},
           {c::Max_Err, "0"},
           {c::Position, std::to_string(t.Position)},
           {c::Start_Bit, "0"},
           {c::Swap, "N"},
           {c::Convertion, ""},
           {c::Mnemonic, Mnemonic_Of(v)}});
    t.Position += bytes;
    ++t.Row;
    ++t.Written;
}

void Add_Write(TFill& t, const std::string& address, const TBACnet_Var& v)
{
    if (t.Full()) {
        ++t.Left_Out;
        return;
    }
    namespace c = bacnet_write;
    const int bytes = Get_NumByte_EDE(v.object_type);
    t.Put({{c::Enable, "Y"},
           {c::Address, address},
           {c::Object_Type, Get_ObjType_EDE(v.object_type)},
           {c::Data_Type, Get_DataType_EDE(v.object_type)},
           {c::Instance, std::to_string(v.object_instance)},
           {c::Property, "Present Value (85)"},
           {c::Priority, "0"},
           {c::NByte, std::to_string(bytes)},
           {c::En_Dest, "N"},
           {c::D_Net, ""},
           {c::D_Len, ""},
           {c::D_Add, ""},
           {c::Change, "N"},
           {c::Timer, "N"},
           {c::Poll_Time, "1000"},
           {c::Max_Err, "0"},
           {c::Position, std::to_string(t.Position)},
           {c::Start_Bit, "0"},
           {c::Swap, "N"},
           {c::Convertion, ""},
           {c::Mnemonic, Mnemonic_Of(v)}});
    t.Position += bytes;
    ++t.Row;
    ++t.Written;
}

}  // namespace

bool EDE_Type_Kept(std::int32_t object_type)
{
    for (int t : {0, 1, 2, 3, 4, 5, 13, 14, 19, 21, 22, 23, 45, 46, 48})
        if (object_type == t)
            return true;
    return false;
}

std::vector<TBACnet_Var> Parse_EDE_Text(std::string_view text)
{
    std::vector<TBACnet_Var> vars;
    const std::vector<std::string_view> lines = Split_Lines(text);
    for (std::size_t i = Data_Start(lines); i < lines.size(); ++i) {
        const std::string line = Cell_Trim(lines[i]);
        if (line.empty())
            continue;
        TBACnet_Var v = Var_Of(Split_Fields(line));
        if (!EDE_Type_Kept(v.object_type))
            continue;
        v.import = v.read = true;
        v.write = v.commandable;
        vars.push_back(std::move(v));
    }
    return vars;
}

std::string Decode_EDE_Bytes(std::string_view bytes)
{
    return rtl::DecodeText(bytes, rtl::TEncoding::Ansi);
}

std::vector<TBACnet_Var> Load_EDE_File(const std::filesystem::path& file)
{
    return Parse_EDE_Text(Decode_EDE_Bytes(rtl::ReadFileBytes(file.string())));
}

TEDE_Import_Result Import_EDE_Objects(TCells& read, TCells& write, int keyColumn, const std::string& address,
                                      const std::vector<TBACnet_Var>& objects)
{
    const TImportColumns readColumns{bacnet_read::Position, bacnet_read::NByte};
    const TImportColumns writeColumns{bacnet_write::Position, bacnet_write::NByte};
    TFill r{read, First_Free_Row(read, keyColumn), Next_Position(read, keyColumn, readColumns)};
    TFill w{write, First_Free_Row(write, keyColumn), Next_Position(write, keyColumn, writeColumns)};
    for (const TBACnet_Var& v : objects) {
        if (v.import && v.read)
            Add_Read(r, address, v);
        if (v.import && v.write)
            Add_Write(w, address, v);
    }
    return {.Read_Rows = r.Written, .Write_Rows = w.Written, .Read_Left_Out = r.Left_Out, .Write_Left_Out = w.Left_Out};
}

}  // namespace tables::modbus_s7_bacnet
