// The object description sections of the EDS file: one section per object and one per
// sub-index, in the order of the object lists.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/tables/canopen/UEds.h"

namespace tables::canopen {

namespace {

// Parameter-name stems of the application variables; entry k belongs to PDO k + 1.
constexpr std::array<std::string_view, 30> RPDO_Var_Names = {
    "b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",  "aa", "ab", "ac", "ad", "ae",
    "af", "ag", "ah", "ai", "al", "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
constexpr std::array<std::string_view, 30> TPDO_Var_Names = {
    "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "ca", "cb", "cc", "cd", "ce",
    "cf", "cg", "ch", "ci", "cl", "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

std::string Object_Name(int index)
{
    return "[" + Hex(static_cast<std::uint32_t>(index), 4) + "]";
}

std::string Sub_Name(int index, int sub)
{
    return "[" + Hex(static_cast<std::uint32_t>(index), 4) + "sub" + Hex(static_cast<std::uint32_t>(sub), 0) + "]";
}

class Sections {
public:
    explicit Sections(std::vector<std::string>& lines) : lines_(lines) {}

    // A variable: name, type 0x07, data type, access, default value (when given), PDO mapping,
    // then an empty line unless closed is false.
    void Variable(const std::string& section, std::string_view name, std::string_view dataType, std::string_view access,
                  std::optional<std::string> value, int mapping = 0, bool closed = true)
    {
        Add({section, "ParameterName=" + std::string(name), "ObjectType=0x07", "DataType=" + std::string(dataType),
             "AccessType=" + std::string(access)});
        if (value)
            Add({"DefaultValue=" + *value});
        Add({"PDOMapping=" + std::to_string(mapping)});
        if (closed)
            Add({""});
    }
    // A record or array header.
    void Header(const std::string& section, int subNumber, std::string_view name, std::string_view type)
    {
        Add({section, "SubNumber=" + std::to_string(subNumber), "ParameterName=" + std::string(name),
             "ObjectType=" + std::string(type), ""});
    }
    void Add(std::initializer_list<std::string> lines) { lines_.insert(lines_.end(), lines); }

private:
    std::vector<std::string>& lines_;
};

void Fixed_Objects(Sections& s)
{
    s.Variable("[1000]", "Device Type", "0x0007", "const", "0x000101A4");
    s.Variable("[1001]", "Error Register", "0x0005", "ro", "0x00");
    s.Variable("[1005]", "COB-ID SYNC", "0x0007", "rw", "0x80000080");
    s.Variable("[1006]", "Communication Cycle Period", "0x0007", "rw", "0x00000000");
    s.Variable("[1008]", "Manufacturer Device Name", "0x0009", "const", "s1");
    s.Variable("[1014]", "COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80");
    s.Header("[1016]", 3, "Heartbeat Consumer Entries", "0x08");
    s.Variable("[1016sub0]", "Number of Entries", "0x0005", "ro", "0x02");
    s.Variable("[1016sub1]", "Consumer Heartbeat Time 1", "0x0007", "rw", "0x00000000");
    s.Variable("[1016sub2]", "Consumer Heartbeat Time 2", "0x0007", "rw", "0x00000000");
    s.Variable("[1017]", "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8");
    s.Header("[1018]", 5, "Identity Object", "0x09");
    s.Variable("[1018sub0]", "number of entries", "0x0005", "ro", "0x4");
    s.Variable("[1018sub1]", "Vendor Id", "0x0007", "ro", std::nullopt);
    s.Variable("[1018sub2]", "Product Code", "0x0007", "ro", std::nullopt);
    s.Variable("[1018sub3]", "Revision number", "0x0007", "ro", std::nullopt);
    s.Variable("[1018sub4]", "Serial number", "0x0007", "ro", std::nullopt);
    s.Header("[1029]", 2, "Error Behaviour", "0x08");
    s.Variable("[1029sub0]", "Number of Entries", "0x0005", "ro", "1");
    s.Variable("[1029sub1]", "Communication Error", "0x0005", "rw", "0x0");
    s.Header("[1280]", 4, "Client SDO Parameter 1", "0x09");
    s.Variable("[1280sub0]", "Number of Entries", "0x0005", "ro", "0x03");
    s.Variable("[1280sub1]", "COB-ID Client -> Server", "0x0007", "rw", std::nullopt);
    s.Variable("[1280sub2]", "COB-ID Server -> Client", "0x0007", "rw", std::nullopt);
    // The one section the next follows without an empty line.
    s.Variable("[1280sub3]", "Node ID of the SDO Server", "0x0005", "rw", std::nullopt, 0, false);
}

void Communication_Parameter(Sections& s, int index, std::string_view name, int k, const PDO_Entry& e)
{
    s.Header(Object_Name(index), 4, std::string(name) + std::to_string(k + 1), "0x09");
    s.Variable(Sub_Name(index, 0), "Number of Entries", "0x0005", "ro", "0x03");
    s.Variable(Sub_Name(index, 1), "COB-ID", "0x0007", "rw", "0x" + Hex(static_cast<std::uint32_t>(e.COB_ID), 8));
    s.Variable(Sub_Name(index, 2), "Transmission Type", "0x0005", "rw", "0xFE");
    s.Variable(Sub_Name(index, 3), "Inhibit Time", "0x0006", "rw", "0x0");
}

// Entry j maps sub-index j of the application variable object, 8 bits.
void Mapping_Parameter(Sections& s, int index, const std::string& name, int object, const PDO_Entry& e)
{
    const int d = e.Dimension;
    s.Header(Object_Name(index), d + 1, name, "0x09");
    s.Variable(Sub_Name(index, 0), "Number of Entries", "0x0005", "ro", "0x" + Hex(static_cast<std::uint32_t>(d), 2));
    for (int j = 1; j <= d; ++j)
        s.Variable(Sub_Name(index, j), "Mapping Entry " + std::to_string(j), "0x0007", "ro",
                   "0x" + Hex(static_cast<std::uint32_t>(object), 4) + Hex(static_cast<std::uint32_t>(j), 2) + "08");
}

void Application_Variables(Sections& s, int index, const std::string& name, std::string_view stem,
                           std::string_view sub0Access, std::string_view access, const PDO_Entry& e)
{
    const int d = e.Dimension;
    s.Header(Object_Name(index), d + 1, name, "0x08");
    s.Variable(Sub_Name(index, 0), "Number of Entries", "0x0005", sub0Access,
               "0x" + Hex(static_cast<std::uint32_t>(d), 2));
    for (int j = 1; j <= d; ++j)
        s.Variable(Sub_Name(index, j), std::string(stem) + std::to_string(j), "0x0005", access, "0x00", 1);
}

void Manufacturer_Object(Sections& s, const SDO_Index& x)
{
    const SDO_Sub_Type& first = x.Sub_Indexs.front();
    const SDO_Sub_Type& last = x.Sub_Indexs.back();
    const int n = static_cast<int>(x.Sub_Indexs.size());
    s.Header(Object_Name(x.Index), first.Sub != 0 ? n + 1 : n, "App Vars", "0x9");
    if (first.Sub != 0)
        s.Add({Sub_Name(x.Index, 0), "ParameterName=Largest Sub-Index supported", "ObjectType=0x7", "DataType=0x0005",
               "AccessType=ro", "DefaultValue=0x" + Hex(last.Sub, 2), "PDOMapping=0", ""});
    for (const SDO_Sub_Type& e : x.Sub_Indexs) {
        s.Add({Sub_Name(x.Index, e.Sub), "ParameterName=Application Variable", "ObjectType=0x7"});
        if (e.Quantity == 1)
            s.Add({"DataType=0x0005", "LowLimit=0x00", "HighLimit=0xFF", "DefaultValue=0x00"});
        else if (e.Quantity == 2)
            s.Add({"DataType=0x0006", "LowLimit=0x0000", "HighLimit=0xFFFF", "DefaultValue=0x0000"});
        else
            s.Add({"DataType=0x0007", "LowLimit=0x00000000", "HighLimit=0xFFFFFFFF", "DefaultValue=0x00000000"});
        s.Add({e.Readonly ? "AccessType=ro" : "AccessType=rw", "PDOMapping=0", ""});
    }
}

}  // namespace

void Add_Object_Sections(const EdsTables& tables, std::vector<std::string>& lines)
{
    Sections s(lines);
    Fixed_Objects(s);
    const std::vector<PDO_Entry>& rx = tables.RX_PDO_List;
    const std::vector<PDO_Entry>& tx = tables.TX_PDO_List;
    for (std::size_t k = 0; k < rx.size(); ++k)
        Communication_Parameter(s, 0x1400 + static_cast<int>(k), "Receive PDO Communication Parameter ",
                                static_cast<int>(k), rx[k]);
    for (std::size_t k = 0; k < rx.size(); ++k)
        Mapping_Parameter(s, 0x1600 + static_cast<int>(k), "Receive PDO Mapping Parameter",
                          0x7000 + static_cast<int>(k), rx[k]);
    for (std::size_t k = 0; k < tx.size(); ++k)
        Communication_Parameter(s, 0x1800 + static_cast<int>(k), "Transmit PDO Communication Parameter ",
                                static_cast<int>(k), tx[k]);
    for (std::size_t k = 0; k < tx.size(); ++k)
        Mapping_Parameter(s, 0x1A00 + static_cast<int>(k), "Transmit PDO Mapping Parameter " + std::to_string(k + 1),
                          0x7050 + static_cast<int>(k), tx[k]);
    // The reader refuses more PDOs than there are stems; a longer list handed in here throws.
    for (std::size_t k = 0; k < rx.size(); ++k)
        Application_Variables(s, 0x7000 + static_cast<int>(k), "RPDO" + std::to_string(k + 1), RPDO_Var_Names.at(k),
                              "ro", "rww", rx[k]);
    for (std::size_t k = 0; k < tx.size(); ++k)
        Application_Variables(s, 0x7050 + static_cast<int>(k), "TPDO" + std::to_string(k + 1), TPDO_Var_Names.at(k),
                              "rw", "rwr", tx[k]);
    for (const SDO_Index& x : tables.SDO_Index_List)
        Manufacturer_Object(s, x);
}

}  // namespace tables::canopen
