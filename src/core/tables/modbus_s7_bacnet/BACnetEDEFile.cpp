#include "core/tables/modbus_s7_bacnet/BACnetEDEFile.h"

#include <cstdio>

#include "common/NumConv.h"
#include "common/UComon.h"
#include "common/UMaker.h"
#include "core/ParGenFile.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"
#include "platform/xml/Xml.h"

namespace tables::modbus_s7_bacnet {

namespace {

// Texts of the messages of a stopped export, in the server dialog's block.
constexpr int Text_Row_Character = 2261, Text_Row_Attribute = 2262, Text_Project_Character = 2263,
              Text_Device_Character = 2264;
// The tables' names: the server dialog's tab captions.
constexpr int Text_Read_Table = 2208, Text_Write_Table = 2209;

// The object types that have a counter, with their numbers.
struct TObjectType {
    std::string_view Name;
    int Number;
};
constexpr std::array<TObjectType, 18> Object_Types = {{
    {"ANALOG INPUT", 0},
    {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},
    {"BINARY INPUT", 3},
    {"BINARY OUT", 4},
    {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},
    {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},
    {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},
    {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},
    {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},
    {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46},
    {"POSITIVE INTEGER VALUE", 48},
}};

// The first `limit` characters of a text.
std::string First_Chars(std::string_view text, int limit)
{
    std::size_t pos = 0;
    for (int n = 0; n < limit && pos < text.size(); ++n)
        rtl::DecodeUtf8(text, pos);
    return std::string(text.substr(0, pos));
}

std::string Table_Name(int table)
{
    return core::Lang_Text(table == 0 ? Text_Read_Table : Text_Write_Table);
}

// How a character is named in a message: itself, or U+XXXX where it would not show.
std::string Char_Label(int c)
{
    if (c < 0)
        c = static_cast<int>(rtl::kReplacementChar);
    if (c > 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && c != static_cast<int>(rtl::kReplacementChar))
        return rtl::CodePointToUtf8(static_cast<char32_t>(c));
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
}

// The first character of a text that the file cannot carry (-2 when there is none): one outside
// Windows-1252, a malformed byte (-1), CR or LF, and with fields a ";".
int Unwritable_Char(std::string_view text, bool field)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int c = rtl::DecodeUtf8(text, pos);
        if (c < 0 || c == '\r' || c == '\n' || (field && c == ';'))
            return c;
        if (c >= 0x80 && rtl::Utf8ToCp1252(rtl::CodePointToUtf8(static_cast<char32_t>(c))) == "?")
            return c;
    }
    return -2;
}

void Check_Object(const TBACnet_EDE_Obj& o)
{
    for (const std::string* text : {&o.Keyname, &o.UnitCode})
        if (const int c = Unwritable_Char(*text, true); c != -2)
            throw EEDEExport(core::Lang_Format(Text_Row_Character, {o.Row, Table_Name(o.Table), Char_Label(c)}));
}

std::string Ede_Line(std::initializer_list<std::string_view> fields)
{
    std::string line;
    for (std::string_view f : fields) {
        line += f;
        line += ';';
    }
    return line;
}

}  // namespace

TEDE_Device Read_BACnet_Device_Param(const std::filesystem::path& parGen)
{
    TEDE_Device device;
    try {
        const std::optional<core::TParGenFile> file = core::TParGenFile::Open(parGen);
        if (!file)
            return device;
        const int type = Str_To_Int_Def(file->Key("BACnet_Type").value_or(""), 0);
        device.Dev_Instance = file->Key(type == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE").value_or("");
        if (file->Key("BACnet_Desc_Chars_Limit") == "1")
            device.Name_Limit = 32;
    } catch (const rtl::Exception&) {
        return {};  // an unreadable settings file gives the defaults
    }
    return device;
}

int Get_Object_Type_Num(std::string_view dataType)
{
    for (const TObjectType& t : Object_Types)
        if (t.Name == dataType)
            return t.Number;
    return 0;
}

int TObjectInstances::Next_Object_Instance(int number)
{
    for (std::size_t i = 0; i < Object_Types.size(); ++i)
        if (Object_Types[i].Number == number)
            return counters_[i]++;
    return 0;
}

std::vector<TBACnet_EDE_Obj> Read_BACnet_Slave_Objects(const std::filesystem::path& slaveFile,
                                                       const TEDE_Device& device)
{
    std::vector<TBACnet_EDE_Obj> objects;
    std::error_code ec;
    if (!std::filesystem::exists(slaveFile, ec))
        return objects;
    xml::Document doc;
    try {
        doc.LoadFromFile(slaveFile);
    } catch (const rtl::Exception& e) {
        throw EEDEExport(e.Message);
    }
    TObjectInstances instances;
    instances.Reset_Object_Instances();
    const xml::Element root = doc.DocumentElement();
    const std::string_view sections[] = {"BACnet_in_Read", "BACnet_in_Write"};
    for (int table = 0; table < 2; ++table) {
        // A missing section holds no object (the server dialog always writes both).
        const xml::Element section = root ? root.ChildByName(sections[table]) : xml::Element();
        if (!section)
            continue;
        int row = 0;
        for (const xml::Element& e : section.Children()) {
            ++row;
            std::string values[3];
            const std::string_view names[3] = {"Data_Type", "Eng_Unit", "Mnemonic"};
            for (int k = 0; k < 3; ++k) {
                const std::optional<std::string_view> value = e.Attribute(names[k]);
                if (!value)
                    throw EEDEExport(
                        core::Lang_Format(Text_Row_Attribute, {row, Table_Name(table), std::string(names[k])}));
                values[k] = std::string(*value);
            }
            const int number = Get_Object_Type_Num(rtl::UpperCase(Cell_Trim(values[0])));
            const std::string instance = std::to_string(instances.Next_Object_Instance(number));
            const std::string name = First_Chars(values[2], device.Name_Limit);
            objects.push_back({.Keyname = device.Dev_Instance + "_" + values[2] + "_" + instance,
                               .DevObjInstance = device.Dev_Instance,
                               .ObjectName = name,
                               .ObjectType = std::to_string(number),
                               .ObjectInstance = instance,
                               .Description = name,
                               .UnitCode = values[1],
                               .Table = table,
                               .Row = row});
        }
    }
    return objects;
}

std::string Get_EDE_TimeStamp(rtl::TDateTime now)
{
    int year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0;
    rtl::DecodeDateTime(now, year, month, day, hour, min, sec, msec);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %02d/%02d/%04d", hour, min, sec, day, month, year);
    return text;
}

std::vector<std::string> EDE_File_Lines(std::string_view projectName, std::string_view timeStamp,
                                        const std::vector<TBACnet_EDE_Obj>& objects)
{
    const std::string organisation(maker::Title_Prefix);
    std::vector<std::string> lines = {
        "PROJECT_NAME; " + organisation + "--" + std::string(projectName) + ";;;;;;",
        "VERSION_OF_REFERENCEFILE;1.0;;;;;;",
        "TIMESTAMP_OF_LAST_CHANGE;" + std::string(timeStamp) + ";;;;;;",
        "AUTHOR_OF_LAST_CHANGE;" + organisation + " Configurator;;;;;;",
        "VERSION_OF_LAYOUT;2;;;;;;",
        "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;",
        "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;",
    };
    for (const TBACnet_EDE_Obj& o : objects)
        lines.push_back(Ede_Line(
            {o.Keyname, o.DevObjInstance, o.ObjectName, o.ObjectType, o.ObjectInstance, o.Description, o.UnitCode}));
    return lines;
}

std::string EDE_File_Bytes(std::string_view projectName, std::string_view timeStamp,
                           const std::vector<TBACnet_EDE_Obj>& objects)
{
    if (const int c = Unwritable_Char(projectName, false); c != -2)
        throw EEDEExport(core::Lang_Format(Text_Project_Character, {Char_Label(c)}));
    if (!objects.empty())
        if (const int c = Unwritable_Char(objects.front().DevObjInstance, true); c != -2)
            throw EEDEExport(core::Lang_Format(Text_Device_Character, {Char_Label(c)}));
    for (const TBACnet_EDE_Obj& o : objects)
        Check_Object(o);
    std::string text;
    for (const std::string& line : EDE_File_Lines(projectName, timeStamp, objects))
        text += line + "\r\n";
    return rtl::Utf8ToCp1252(text);
}

void Make_EDE_File(const std::string& fileName)
{
    const TEDE_Device device = Read_BACnet_Device_Param(File_ParGen);
    const std::vector<TBACnet_EDE_Obj> objects = Read_BACnet_Slave_Objects(File_BACnet_Slave, device);
    rtl::WriteFileAtomic(fileName, EDE_File_Bytes(Name_Project, Get_EDE_TimeStamp(rtl::Now()), objects));
}

}  // namespace tables::modbus_s7_bacnet
