#include "core/tables/mqtt_snmp/USNMP_MIB.h"

#include <string_view>

#include "common/UComon.h"
#include "common/UMaker.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/xml/Xml.h"

namespace tables::mqtt_snmp {

std::vector<bool> SNMP_Trap_Read_Is_Int;
std::vector<bool> SNMP_Trap_Write_Is_Int;

namespace {

void Load_Section(const xml::Element& root, std::string_view name, std::vector<std::string>& list,
                  std::vector<bool>& isInt)
{
    const xml::Element section = root.ChildByName(name);
    if (!section)
        return;
    for (const xml::Element& row : section.Children()) {
        const std::optional<std::string_view> enable = row.Attribute("Enable");
        if (!enable || rtl::UpperCase(*enable) != "Y")
            continue;
        isInt.push_back(rtl::UpperCase(row.Attribute("Type", "")) == "INT");
        list.push_back(row.Attribute("Description", ""));
    }
}

class TMibText {
public:
    void Line(std::string_view text)
    {
        text_ += text;
        text_ += "\r\n";
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

std::string Syntax(bool isInt)
{
    return isInt ? "INTEGER" : "OCTET STRING";
}

// One object per entry under its value node, named by its description (by the node and its number
// when the description is empty).
void Objects(TMibText& mib, const std::vector<std::string>& list, const std::vector<bool>& isInt,
             std::string_view parent, std::string_view access)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string k = std::to_string(i + 1);
        const std::string& d = list[i];
        const std::string name = d.empty() ? std::string(parent) + k : d;
        mib.Line(name + " OBJECT-TYPE SYNTAX " + Syntax(isInt[i]) + " MAX-ACCESS " + std::string(access) +
                 " STATUS current DESCRIPTION \"" + d + "\" ::= { " + std::string(parent) + " " + k + " }");
    }
}

void Data_Blocks(TMibText& mib, std::string_view node, std::string_view access)
{
    for (int n = 1; n <= 8; ++n) {
        const std::string s = std::to_string(n);
        mib.Line(std::string(node) + "blk" + s + " OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS " + std::string(access) +
                 " STATUS current DESCRIPTION \"data block " + s + ".1\" ::= { " + std::string(node) + " " + s + " }");
    }
}

}  // namespace

void Load_SNMP_Trap_Vars()
{
    SNMP_Trap_Read_List.clear();
    SNMP_Trap_Write_List.clear();
    SNMP_Trap_Read_Is_Int.clear();
    SNMP_Trap_Write_Is_Int.clear();
    if (File_SNMP_Trap.empty() || !std::filesystem::exists(File_SNMP_Trap))
        return;
    xml::Document doc;
    doc.LoadFromFile(File_SNMP_Trap);
    const xml::Element root = doc.DocumentElement();
    Load_Section(root, "SNMP_Trap_Read", SNMP_Trap_Read_List, SNMP_Trap_Read_Is_Int);
    Load_Section(root, "SNMP_Trap_Write", SNMP_Trap_Write_List, SNMP_Trap_Write_Is_Int);
}

std::string SNMP_MIB_Text()
{
    const std::string q = "\"";
    TMibText mib;
    mib.Line("GATEWAY DEFINITIONS ::= BEGIN");
    mib.Line("IMPORTS");
    // NOTIFICATION-TYPE is imported with the other macros: MIB parsers refuse the traps without it.
    mib.Line("       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE");
    mib.Line("         FROM SNMPv2-SMI");
    mib.Line("         DisplayString, TimeStamp");
    mib.Line("         FROM SNMPv2-TC");
    mib.Line("         enterprises");
    mib.Line("         FROM RFC1155-SMI;");
    mib.Line("");
    mib.Line("identity MODULE-IDENTITY");
    mib.Line("    LAST-UPDATED \"201701310000Z\"");
    mib.Line("    ORGANIZATION " + q + std::string(maker::MIB_Organization) + q);
    mib.Line("    CONTACT-INFO");
    mib.Line("\t " + q + std::string(maker::MIB_Address_Line1));
    mib.Line("    " + std::string(maker::MIB_Address_Line2));
    mib.Line("    " + std::string(maker::MIB_Address_Line3));
    mib.Line("    email:    " + std::string(maker::MIB_Email_Domain) + q);
    mib.Line("    DESCRIPTION");
    mib.Line("\t\"MIB objects for agent module \"");
    mib.Line("    REVISION     \"201701310000Z\"");
    mib.Line("    DESCRIPTION");
    mib.Line("\t\"Corrected notification \"");
    mib.Line("    REVISION     \"200202060000Z\"");
    mib.Line("    DESCRIPTION");
    mib.Line("\t\"First draft\"");
    mib.Line("    ::= { varnok 2 }");
    mib.Line("varnok          OBJECT IDENTIFIER ::= { enterprises " + std::to_string(maker::MIB_Enterprise_Number) +
             " }");
    mib.Line("gateway OBJECT IDENTIFIER::= { varnok 1 }");
    mib.Line("application OBJECT IDENTIFIER::= { gateway 1 }");
    mib.Line("data OBJECT IDENTIFIER::= { application 1 }");
    mib.Line("hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= "
             "{ data 1}");
    mib.Line("countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { "
             "data 2}");
    mib.Line("countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" ::= "
             "{ data 3}");
    mib.Line("bufferin OBJECT IDENTIFIER::= { data 4 }");
    Data_Blocks(mib, "bufferin", "read-only");
    mib.Line(" bufferinval OBJECT IDENTIFIER::= { bufferin 9 }");
    Objects(mib, SNMP_Trap_Read_List, SNMP_Trap_Read_Is_Int, "bufferinval", "read-only");
    mib.Line("bufferout OBJECT IDENTIFIER::= { data 5 }");
    Data_Blocks(mib, "bufferout", "read-write");
    mib.Line(" bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }");
    Objects(mib, SNMP_Trap_Write_List, SNMP_Trap_Write_Is_Int, "bufferoutval", "read-write");
    mib.Line("traps OBJECT IDENTIFIER::= { application 2 }");
    mib.Line(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
    // A notification has no syntax and no access of its own (MIB parsers refuse them): its type is
    // the one of the read object with the same number.
    for (std::size_t i = 0; i < SNMP_Trap_Read_List.size(); ++i) {
        const std::string k = std::to_string(i + 1);
        mib.Line("trapval" + k + " NOTIFICATION-TYPE STATUS current DESCRIPTION \"" + SNMP_Trap_Read_List[i] +
                 "\" ::= { trapsval " + k + " }");
    }
    mib.Line("END");
    return mib.Take();
}

void Write_SNMP_MIB(const std::filesystem::path& file)
{
    rtl::WriteFileAtomic(file.string(), rtl::Utf8ToCp1252(SNMP_MIB_Text()));
}

}  // namespace tables::mqtt_snmp
