// The MIB export: what it takes from the saved agent table (enabled rows in file order, types in
// any letter case, missing attributes), the module byte for byte for an empty and a full table,
// and tables larger than the dialog's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "common/UComon.h"
#include "core/tables/mqtt_snmp/USNMP_MIB.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace tables::mqtt_snmp;

class SNMPMIB : public ::testing::Test {
protected:
    SNMPMIB() : saved_(File_SNMP_Trap) { File_SNMP_Trap = dir.File("SNMP_Trap.xml"); }
    ~SNMPMIB() override { File_SNMP_Trap = saved_; }

    // The agent file with these rows (each a string of attributes) in its two sections.
    void Agent_File(const std::vector<std::string>& read, const std::vector<std::string>& write)
    {
        std::string text = "<SNMP_Trap><!--SW_VERSION = 1.000--><SNMP_Trap_Read>";
        for (const std::string& r : read)
            text += "<row " + r + "/>";
        text += "</SNMP_Trap_Read><SNMP_Trap_Write>";
        for (const std::string& w : write)
            text += "<row " + w + "/>";
        text += "</SNMP_Trap_Write></SNMP_Trap>";
        coretest::Write_File(File_SNMP_Trap, text);
    }
    std::string Export()
    {
        Load_SNMP_Trap_Vars();
        const std::string file = dir.File("out.mib");
        Write_SNMP_MIB(file);
        return coretest::Read_File(file);
    }
    // The line of the module that starts with the text.
    static std::string Line(const std::string& mib, const std::string& start)
    {
        const std::size_t at = mib.find("\r\n" + start);
        if (at == std::string::npos)
            return "";
        return mib.substr(at + 2, mib.find("\r\n", at + 2) - at - 2);
    }

    coretest::TScratchDir dir;

private:
    std::string saved_;
};

// Rows that count and what they give: the enable in any letter case, a missing enable leaves the
// row out, the type in any case, a missing type is a string, a missing description is empty.
TEST_F(SNMPMIB, EnabledRowsInFileOrder)
{
    Agent_File({R"(Enable="Y" Type="Int" Description="temp1")", R"(Enable="N" Type="Int" Description="off")",
                R"(Enable="y" Type="int" Description="temp3")", R"(Type="INT" Description="noenable")",
                R"(Enable="Y" Description="nodesc" Type="String")", R"(Enable="Y" Description="notype")",
                R"(Enable="Y" Type="INT")"},
               {R"(Enable="Y" Type="String" Description="out1")"});
    Load_SNMP_Trap_Vars();
    EXPECT_EQ(SNMP_Trap_Read_List, (std::vector<std::string>{"temp1", "temp3", "nodesc", "notype", ""}));
    EXPECT_EQ(SNMP_Trap_Read_Is_Int, (std::vector<bool>{true, true, false, false, true}));
    EXPECT_EQ(SNMP_Trap_Write_List, (std::vector<std::string>{"out1"}));
    EXPECT_EQ(SNMP_Trap_Write_Is_Int, (std::vector<bool>{false}));

    const std::string mib = Export();
    EXPECT_EQ(Line(mib, "temp3 "), "temp3 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                                   "DESCRIPTION \"temp3\" ::= { bufferinval 2 }");
    EXPECT_EQ(Line(mib, "bufferinval5 "), "bufferinval5 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS "
                                          "current DESCRIPTION \"\" ::= { bufferinval 5 }");
    EXPECT_EQ(Line(mib, "trapval5 "), "trapval5 NOTIFICATION-TYPE STATUS current DESCRIPTION \"\" ::= { trapsval 5 }");
    EXPECT_EQ(Line(mib, "out1 "), "out1 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current "
                                  "DESCRIPTION \"out1\" ::= { bufferoutval 1 }");
    EXPECT_EQ(Line(mib, "trapval6"), "") << "one notification per read entry";
}

TEST_F(SNMPMIB, WithoutAgentFileTheModuleHasNoRows)
{
    SNMP_Trap_Read_List = {"stale"};
    EXPECT_EQ(Export(), coretest::Read_Golden("snmp_mib_empty.mib"));
    EXPECT_TRUE(SNMP_Trap_Read_List.empty());
}

TEST_F(SNMPMIB, FullAgentTable)
{
    std::vector<std::string> read, write;
    for (int k = 1; k <= 256; ++k) {
        const std::string type = k % 2 ? "Int" : "String";
        // Row 7 of each table has no description: it is named by its value node and number.
        read.push_back("Enable=\"Y\" Type=\"" + type + "\" Description=\"" + (k == 7 ? "" : "in" + std::to_string(k)) +
                       "\"");
        write.push_back("Enable=\"Y\" Type=\"" + type + "\" Description=\"" +
                        (k == 7 ? "" : "out" + std::to_string(k)) + "\"");
    }
    Agent_File(read, write);
    EXPECT_EQ(Export(), coretest::Read_Golden("snmp_mib_full.mib"));
}

// The agent dialog writes 256 rows per table; a file with more (edited by hand) is exported whole.
TEST_F(SNMPMIB, MoreRowsThanTheDialogHasAreExported)
{
    std::vector<std::string> read;
    for (int k = 1; k <= 300; ++k)
        read.push_back("Enable=\"Y\" Type=\"" + std::string(k == 300 ? "Int" : "String") + "\" Description=\"v" +
                       std::to_string(k) + "\"");
    Agent_File(read, {});
    const std::string mib = Export();
    EXPECT_EQ(Line(mib, "v300 "), "v300 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                                  "DESCRIPTION \"v300\" ::= { bufferinval 300 }");
    EXPECT_EQ(Line(mib, "trapval300 "),
              "trapval300 NOTIFICATION-TYPE STATUS current DESCRIPTION \"v300\" ::= { trapsval 300 }");
}

TEST_F(SNMPMIB, UnreadableAgentFileIsReportedAndLeavesNoStaleEntries)
{
    Agent_File({R"(Enable="Y" Type="Int" Description="temp1")"}, {});
    Load_SNMP_Trap_Vars();
    coretest::Write_File(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read>");
    EXPECT_THROW(Load_SNMP_Trap_Vars(), rtl::Exception);
    EXPECT_TRUE(SNMP_Trap_Read_List.empty());
    EXPECT_TRUE(SNMP_Trap_Read_Is_Int.empty());
}

// The module is written in the ANSI code page: a description from a hand-edited file with a
// character outside ASCII comes out as one byte.
TEST_F(SNMPMIB, WrittenInTheAnsiCodePage)
{
    Agent_File({"Enable=\"Y\" Type=\"Int\" Description=\"t\xc3\xa9mp\""}, {});
    const std::string mib = Export();
    EXPECT_NE(mib.find("DESCRIPTION \"t\xe9mp\""), std::string::npos);
    EXPECT_EQ(mib.substr(mib.size() - 5), "END\r\n");
}

}  // namespace
