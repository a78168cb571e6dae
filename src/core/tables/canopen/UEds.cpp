#include "core/tables/canopen/UEds.h"

#include <algorithm>
#include <limits>

#include "common/NumConv.h"
#include "common/UComon.h"
#include "core/tables/TableTexts.h"
#include "core/tables/canopen/PDOTable.h"
#include "core/tables/canopen/SDOServerTable.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Streams.h"
#include "platform/sys/Folders.h"
#include "platform/xml/Xml.h"

namespace tables::canopen {

namespace {

constexpr int Text_Not_Written = 2692, Text_No_Section = 2693, Text_No_Attribute = 2694, Text_Not_Number = 2695,
              Text_Outside = 2696, Text_Too_Many_PDOs = 2697, Text_Same_Object = 2698;

[[noreturn]] void Refuse(int text, const std::vector<rtl::TVarRec>& args)
{
    throw EEdsError(core::Lang_Format(text, args));
}

// A section below the root of a table file; a missing one stops the export.
xml::Element Section(const xml::Document& doc, const std::string& file, std::string_view name)
{
    const xml::Element section = doc.DocumentElement().ChildByName(name);
    if (!section)
        Refuse(Text_No_Section, {file, name});
    return section;
}

// A table file that is not well-formed stops the export.
xml::Document Load(const std::string& file)
{
    xml::Document doc;
    try {
        doc.LoadFromFile(file);
    } catch (const rtl::EFileError& e) {
        Refuse(Text_Not_Written, {std::string(e.what())});
    }
    return doc;
}

// Where a row of a table file stands, for the messages: its row number, the table's name as its
// tab shows it, and the file.
struct TRowPlace {
    int Row;
    std::string Table;
    const std::string& File;
};

std::string_view Attribute(const xml::Element& row, std::string_view name, const TRowPlace& at)
{
    const std::optional<std::string_view> value = row.Attribute(name);
    if (!value)
        Refuse(Text_No_Attribute, {at.Row, at.Table, at.File, name});
    return *value;
}

// A number of the SDO server table, read as its dialog reads it (decimal, or hexadecimal after "$",
// "x" or "0x"), within low..high.
std::int32_t SDO_Number(const xml::Element& row, std::string_view name, std::int64_t low, std::int64_t high,
                        const TRowPlace& at)
{
    const std::string_view text = Attribute(row, name, at);
    const std::optional<std::int32_t> value = Str_To_Int(text);
    if (!value)
        Refuse(Text_Not_Number, {at.Row, at.Table, at.File, name, text});
    if (*value < low || *value > high)
        Refuse(Text_Outside, {at.Row, at.Table, at.File, name, text, "0x" + Hex(low, 0), "0x" + Hex(high, 0)});
    return *value;
}

void Read_PDOs(const xml::Element& section, const std::string& file, int sheetCaption, std::vector<PDO_Entry>& list)
{
    const std::vector<xml::Element> rows = section.Children();
    const std::string table = core::Lang_Text(sheetCaption);
    // Each PDO takes object indexes and a variable name of its own; there are PDO_Rows of them.
    if (rows.size() > static_cast<std::size_t>(PDO_Rows))
        Refuse(Text_Too_Many_PDOs, {file, static_cast<int>(rows.size()), table, PDO_Rows});
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const TRowPlace at{static_cast<int>(j) + 1, table, file};
        PDO_Entry e;
        e.COB_ID = Str_To_Int_Def(Attribute(rows[j], "COB-ID", at), 0);
        const std::string_view dimension = Attribute(rows[j], "Dimension", at);
        e.Dimension = Str_To_Int_Def(dimension, 8);
        // A PDO carries at most 8 bytes: more would give sub-indexes its objects cannot hold.
        if (e.Dimension < 0 || e.Dimension > 8)
            Refuse(Text_Outside, {at.Row, at.Table, at.File, "Dimension", dimension, "0", "8"});
        list.push_back(e);
    }
}

void Add_SDO_Entry(EdsTables& tables, int index, int sub, int quantity, bool readonly)
{
    const SDO_Sub_Type entry{.Sub = static_cast<std::uint8_t>(sub), .Quantity = quantity, .Readonly = readonly};
    const int place = Find_SDO_Index(tables.SDO_Index_List, index);
    if (place < 0)
        tables.SDO_Index_List.push_back({.Index = static_cast<std::uint16_t>(index), .Sub_Indexs = {entry}});
    else
        tables.SDO_Index_List[static_cast<std::size_t>(place)].Sub_Indexs.push_back(entry);
}

std::string Two_Digits(int v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}

// The 12-hour clock: 00:10 is 12:10AM, 12:00 is 12:00PM, 18:45 is 06:45PM.
std::string Twelve_Hour(int hour, int minute)
{
    const int shown = hour % 12 == 0 ? 12 : hour % 12;
    return Two_Digits(shown) + ":" + Two_Digits(minute) + (hour < 12 ? "AM" : "PM");
}

// The text in Windows-1252; a character that code page cannot hold stops the export (the file
// would otherwise carry "?" in its place).
std::string Encode(const std::string& text)
{
    std::string bytes = rtl::Utf8ToCp1252(text);
    if (rtl::Cp1252ToUtf8(bytes) != text)
        Refuse(Text_Not_Written, {"a character of the file cannot be written in the Windows-1252 code page"});
    return bytes;
}

}  // namespace

std::string Hex(std::uint32_t value, int digits)
{
    return rtl::IntToHex(value, digits);
}

int Find_SDO_Index(const std::vector<SDO_Index>& list, int index)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].Index == index)
            return static_cast<int>(i);
    return -1;
}

void Sort_SDO_Sub_Indexs(std::vector<SDO_Index>& list)
{
    for (SDO_Index& x : list)
        std::stable_sort(x.Sub_Indexs.begin(), x.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

void Read_PDO_List(const std::string& file, EdsTables& tables)
{
    tables.RX_PDO_List.clear();
    tables.TX_PDO_List.clear();
    if (!sys::FileExists(file))
        return;
    const xml::Document doc = Load(file);
    Read_PDOs(Section(doc, file, "Receive_PDO"), file, 2614, tables.RX_PDO_List);
    Read_PDOs(Section(doc, file, "Transmit_PDO"), file, 2615, tables.TX_PDO_List);
}

void Read_SDO_Server_List(const std::string& file, EdsTables& tables)
{
    if (!sys::FileExists(file))
        return;
    const xml::Document doc = Load(file);
    // Both sections are looked up before any row is read: a file without one is refused whole.
    const xml::Element sections[] = {Section(doc, file, "SDO_Read"), Section(doc, file, "SDO_Write")};
    std::vector<TSDOEntry> entries;
    for (int t = 0; t < 2; ++t) {
        const std::string table = core::Lang_Text(2814 + t);
        int r = 0;
        for (const xml::Element& row : sections[t].Elements()) {
            const TRowPlace at{++r, table, file};
            const std::int32_t index = SDO_Number(row, "Index", 0x2000, 0x5FFF, at);
            const std::int32_t sub = SDO_Number(row, "SubIndex", 0, 0xFF, at);
            const std::int32_t quantity = SDO_Number(row, "NByte", std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max(), at);
            entries.push_back({t, r, index, sub});
            Add_SDO_Entry(tables, index, sub, quantity, t == 0);
        }
    }
    // Its dialog refuses to save one object twice; a file written otherwise would give two
    // sections of one name.
    if (const std::optional<TSDORepeat> repeat = Find_Repeated_SDO(entries))
        Refuse(Text_Same_Object, {repeat->First.Row, core::Lang_Text(2814 + repeat->First.Table), repeat->Again.Row,
                                  core::Lang_Text(2814 + repeat->Again.Table), file});
}

EdsTables Read_EDS_Tables()
{
    EdsTables tables;
    Read_PDO_List(File_PDO_CANopen, tables);
    Read_SDO_Server_List(File_SDO_Server_CANopen, tables);
    Sort_SDO_Sub_Indexs(tables.SDO_Index_List);
    return tables;
}

std::string EDS_Date(rtl::TDateTime now)
{
    int year = 0, month = 0, day = 0;
    rtl::DecodeDate(now, year, month, day);
    return Two_Digits(month) + "-" + Two_Digits(day) + "-" + std::to_string(year);
}

std::string EDS_Time(rtl::TDateTime now)
{
    int hour = 0, minute = 0, second = 0, msec = 0;
    rtl::DecodeTime(now, hour, minute, second, msec);
    return Twelve_Hour(hour, minute);
}

std::vector<std::string> EDS_Lines(const EdsTables& tables, rtl::TDateTime now)
{
    const std::string date = EDS_Date(now), time = EDS_Time(now), vendor(EDS_Vendor_Text), product(EDS_Product_Name);
    const int r = static_cast<int>(tables.RX_PDO_List.size()), t = static_cast<int>(tables.TX_PDO_List.size());
    std::vector<std::string> lines = {
        "[FileInfo]",
        "FileName=" + std::string(EDS_File_Name),
        "FileVersion=1",
        "FileRevision=0",
        "EDSVersion=4.0",
        "Description=" + product,
        "CreationTime=" + time,
        "CreationDate=" + date,
        "CreatedBy=" + vendor,
        "ModificationTime=" + time,
        "ModificationDate=" + date,
        "ModifiedBy=" + vendor,
        "",
        "[DeviceInfo]",
        "VendorName=" + vendor,
        "VendorNumber=0x00",
        "ProductName=" + product,
        "ProductNumber=" + std::string(EDS_Product_Number),
        "RevisionNumber=0x0",
        "OrderCode=" + std::string(EDS_Order_Code),
        "BaudRate_10=1",
        "BaudRate_20=1",
        "BaudRate_50=1",
        "BaudRate_125=1",
        "BaudRate_250=1",
        "BaudRate_500=1",
        "BaudRate_800=0",
        "BaudRate_1000=1",
        "DynamicChannelsSupported=0",
        "GroupMessaging=0",
        "LSS_Supported=0",
        "Granularity=0",
        "SimpleBootUpSlave=1",
        "SimpleBootUpMaster=0",
        "NrOfRXPDO=" + std::to_string(r),
        "NrOfTXPDO=" + std::to_string(t),
        "",
        "[Comments]",
        "Lines=0",
        "",
        "[DummyUsage]",
        "Dummy0001=0",
        "Dummy0002=0",
        "Dummy0003=0",
        "Dummy0004=0",
        "Dummy0005=0",
        "Dummy0006=0",
        "Dummy0007=0",
        "",
        "[MandatoryObjects]",
        "SupportedObjects=3",
        "1=0x1000",
        "2=0x1001",
        "3=0x1018",
        "",
        "[OptionalObjects]",
        "SupportedObjects=" + std::to_string(3 * r + 3 * t + 8),
        "1=0x1005",
        "2=0x1006",
        "3=0x1008",
        "4=0x1014",
        "5=0x1016",
        "6=0x1017",
        "7=0x1029",
        "8=0x1280",
    };
    int number = 8;
    const auto list = [&](int first, int count) {
        for (int k = 0; k < count; ++k)
            lines.push_back(std::to_string(++number) + "=0x" + Hex(first + k, 4));
    };
    list(0x1400, r);
    list(0x1600, r);
    list(0x1800, t);
    list(0x1A00, t);
    list(0x7000, r);
    list(0x7050, t);
    lines.push_back("");
    lines.push_back("[ManufacturerObjects]");
    lines.push_back("SupportedObjects=" + std::to_string(tables.SDO_Index_List.size()));
    for (std::size_t i = 0; i < tables.SDO_Index_List.size(); ++i)
        lines.push_back(std::to_string(i + 1) + "=0x" + Hex(tables.SDO_Index_List[i].Index, 4));
    lines.push_back("");
    Add_Object_Sections(tables, lines);
    lines.push_back("");
    return lines;
}

std::string EDS_Bytes(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return Encode(text);
}

void Save_EDS_File(const std::string& file, rtl::TDateTime now)
{
    const std::string bytes = EDS_Bytes(EDS_Lines(Read_EDS_Tables(), now));
    try {
        rtl::WriteFileAtomic(file, bytes);
    } catch (const rtl::Exception& e) {
        Refuse(Text_Not_Written, {e.Message});
    }
}

void Save_EDS_File(const std::string& file)
{
    Save_EDS_File(file, rtl::Now());
}

}  // namespace tables::canopen
