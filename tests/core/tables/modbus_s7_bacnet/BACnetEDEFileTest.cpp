// The EDE export from the server objects file: the golden file of a server table with every object
// type, read back by the EDE import; names cut to the settings' length; the device instance by
// BACnet type; and what stops the export without writing or replacing a file.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "CoreTestSupport.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "core/tables/modbus_s7_bacnet/BACnetEDEFile.h"
#include "core/tables/modbus_s7_bacnet/BACnetEDEImport.h"
#include "core/tables/modbus_s7_bacnet/BACnetValueRules.h"
#include "platform/rtl/CodePages.h"

namespace {

using namespace tables::modbus_s7_bacnet;

const char* const Boiler_Row =
    "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" "
    "Length=\"4\" Swap=\"N\" Mnemonic=\"Boiler temperature sensor 1\"/></BACnet_in_Read><BACnet_in_Write/>"
    "</BACnet_to_Modbus>";

class EdeExport : public ::testing::Test {
protected:
    EdeExport()
        : savedParGen_(File_ParGen),
          savedSlave_(File_BACnet_Slave),
          savedName_(Name_Project),
          clock_(rtl::EncodeDateTime(2026, 3, 7, 9, 5, 3, 0))
    {
        Load_Default_Lang();
        File_ParGen = dir.File("ParGen.xml");
        File_BACnet_Slave = dir.File("BACnet_Slave.xml");
        Name_Project = "Plant 7";
    }
    ~EdeExport() override
    {
        File_ParGen = savedParGen_;
        File_BACnet_Slave = savedSlave_;
        Name_Project = savedName_;
    }

    void ParGen(const std::string& keys) { coretest::Write_File(File_ParGen, "<Par_Gen>" + keys + "</Par_Gen>"); }
    void Slave(const std::string& xml) { coretest::Write_File(File_BACnet_Slave, xml); }
    std::string Export()
    {
        Make_EDE_File(Out());
        return coretest::Read_File(Out());
    }
    std::string Out() const { return dir.File("objects.csv"); }
    // The object lines of the exported file.
    std::vector<std::string> Object_Lines()
    {
        const std::string text = Export();
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return {lines.begin() + std::min<std::size_t>(7, lines.size()), lines.end()};
    }

    coretest::TScratchDir dir;

private:
    std::string savedParGen_, savedSlave_, savedName_;
    rtl::TClockScope clock_;
};

TEST_F(EdeExport, EveryObjectTypeByteForByteAndReadBackByTheImport)
{
    ParGen("<BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>77"
           "</BACnet_Ser_DEV_IDE>");
    Slave(coretest::Read_Golden("ede_server_objects.xml"));
    const std::string written = Export();
    EXPECT_EQ(written, coretest::Read_Golden("ede_every_object_type.csv"));

    // The import lists every exported object of a type the client tables take, with its name, type
    // and instance; access doors, character-string and date-time values are not among those.
    const std::vector<TBACnet_EDE_Obj> exported =
        Read_BACnet_Slave_Objects(File_BACnet_Slave, Read_BACnet_Device_Param(File_ParGen));
    const std::vector<TBACnet_Var> imported = Load_EDE_File(Out());
    std::vector<std::string> expected, got, dropped;
    for (const TBACnet_EDE_Obj& o : exported)
        if (EDE_Type_Kept(std::stoi(o.ObjectType)))
            expected.push_back(o.ObjectName + "|" + o.ObjectType + "|" + o.ObjectInstance);
        else
            dropped.push_back(o.ObjectType);
    for (const TBACnet_Var& v : imported)
        got.push_back(v.object_name + "|" + std::to_string(v.object_type) + "|" + std::to_string(v.object_instance));
    EXPECT_EQ(got, expected);
    EXPECT_EQ(expected.size(), 22u);
    EXPECT_EQ(dropped, (std::vector<std::string>{"30", "30", "40", "44"}));
    EXPECT_EQ(imported.front().object_name, "Boiler temperatu");
    EXPECT_EQ(imported.front().present_value_default, "62") << "the unit code sits in the seventh field";
    EXPECT_EQ(imported.front().description, "Boiler temperatu");
}

TEST_F(EdeExport, NameLengthAndDeviceInstanceFollowTheSettings)
{
    Slave(Boiler_Row);
    struct Case {
        const char* what;
        const char* keys;  // nullptr: no ParGen.xml
        std::string line;
    } cases[] = {
        {"no settings", nullptr, "_Boiler temperature sensor 1_0;;Boiler temperatu;0;0;Boiler temperatu;62;"},
        {"IP device, 16 characters", "<BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>9</BACnet_Ser_DEV_IDE>",
         "1234_Boiler temperature sensor 1_0;1234;Boiler temperatu;0;0;Boiler temperatu;62;"},
        {"MS/TP device, 32 characters",
         "<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>9</BACnet_Ser_DEV_IDE>"
         "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>",
         "9_Boiler temperature sensor 1_0;9;Boiler temperature sensor 1;0;0;Boiler temperature sensor 1;62;"},
        {"MS/TP without its instance", "<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE>",
         "_Boiler temperature sensor 1_0;;Boiler temperatu;0;0;Boiler temperatu;62;"},
        {"a limit other than 1",
         "<BACnet_DEV_IDE>5</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>2</BACnet_Desc_Chars_Limit>",
         "5_Boiler temperature sensor 1_0;5;Boiler temperatu;0;0;Boiler temperatu;62;"},
        {"unreadable settings", "<BACnet_DEV_IDE>5",
         "_Boiler temperature sensor 1_0;;Boiler temperatu;0;0;Boiler temperatu;62;"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(File_ParGen);
        if (c.keys)
            coretest::Write_File(File_ParGen, std::string("<Par_Gen>") + c.keys +
                                                  (std::string(c.keys).ends_with(">") ? "</Par_Gen>" : ""));
        EXPECT_EQ(Object_Lines(), std::vector<std::string>{c.line}) << c.what;
    }
}

TEST_F(EdeExport, NamesAreCutByCharactersNotBytes)
{
    Slave("<R><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"ÄÖÜäöüßéèêëçàâîô€x\"/>"
          "</BACnet_in_Read></R>");
    ParGen("<BACnet_DEV_IDE>1</BACnet_DEV_IDE>");
    EXPECT_EQ(Object_Lines(), std::vector<std::string>{rtl::Utf8ToCp1252(
                                  "1_ÄÖÜäöüßéèêëçàâîô€x_0;1;ÄÖÜäöüßéèêëçàâîô;0;0;ÄÖÜäöüßéèêëçàâîô;62;")});
}

TEST_F(EdeExport, NoServerFileGivesTheHeaderOnly)
{
    const std::string text = Export();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_TRUE(text.starts_with("PROJECT_NAME; Example Maker--Plant 7;;;;;;\r\nVERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
                                 "TIMESTAMP_OF_LAST_CHANGE;09:05:03 07/03/2026;;;;;;\r\n"))
        << text;
    EXPECT_TRUE(Object_Lines().empty());
    // A file without either section holds no object either.
    Slave("<BACnet_to_Modbus/>");
    EXPECT_TRUE(Object_Lines().empty());
}

struct StopCase {
    const char* what;
    std::string slave;
    std::string project;
    std::string message;
};

class EdeExportStops : public EdeExport, public ::testing::WithParamInterface<StopCase> {};

TEST_P(EdeExportStops, WithItsMessageAndNoFile)
{
    ParGen("<BACnet_DEV_IDE>1234</BACnet_DEV_IDE>");
    Slave(GetParam().slave);
    Name_Project = GetParam().project;
    coretest::Write_File(Out(), "earlier export");
    try {
        Make_EDE_File(Out());
        ADD_FAILURE() << "the export went through";
    } catch (const EEDEExport& e) {
        EXPECT_EQ(e.Message, GetParam().message);
    }
    EXPECT_EQ(coretest::Read_File(Out()), "earlier export");
}

const std::string Two_Rows_Then(const std::string& writeRow)
{
    return "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"a\"/>"
           "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"b\"/></BACnet_in_Read><BACnet_in_Write>"
           "<row Data_Type=\"Analog Out\" Eng_Unit=\"62\" Mnemonic=\"c\"/>" +
           writeRow + "</BACnet_in_Write></BACnet_to_Modbus>";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EdeExportStops,
    ::testing::Values(
        StopCase{"a character outside the code page",
                 Two_Rows_Then("<row Data_Type=\"Analog Out\" Eng_Unit=\"62\" Mnemonic=\"Valve \xE2\x9C\x93\"/>"),
                 "Plant 7",
                 "Error!! No EDE file was written: row 2 of the table \"BACnet in Write\" holds the character "
                 "\"\xE2\x9C\x93\", which an EDE file cannot hold."},
        StopCase{"a semicolon that would split the fields",
                 Two_Rows_Then("<row Data_Type=\"Analog Out\" Eng_Unit=\"62\" Mnemonic=\"in;out\"/>"), "Plant 7",
                 "Error!! No EDE file was written: row 2 of the table \"BACnet in Write\" holds the character \";\", "
                 "which an EDE file cannot hold."},
        StopCase{"a line break in a unit",
                 Two_Rows_Then("<row Data_Type=\"Analog Out\" Eng_Unit=\"6&#10;2\" Mnemonic=\"x\"/>"), "Plant 7",
                 "Error!! No EDE file was written: row 2 of the table \"BACnet in Write\" holds the character "
                 "\"U+000A\", which an EDE file cannot hold."},
        StopCase{"a configuration name outside the code page", Two_Rows_Then(""), "Anlage \xCE\xA9",
                 "Error!! No EDE file was written: the configuration name holds the character \"\xCE\xA9\", which "
                 "an EDE file cannot hold."},
        StopCase{"a row without its unit", Two_Rows_Then("<row Data_Type=\"Analog Out\" Mnemonic=\"x\"/>"), "Plant 7",
                 "Error!! No EDE file was written: row 2 of the table \"BACnet in Write\" has no attribute Eng_Unit."}),
    testsupport::kNameByWhat);

TEST_F(EdeExport, ServerFileThatIsNotXmlStopsTheExport)
{
    Slave("<BACnet_to_Modbus><BACnet_in_Read>");
    coretest::Write_File(Out(), "earlier export");
    try {
        Make_EDE_File(Out());
        ADD_FAILURE() << "the export went through";
    } catch (const EEDEExport& e) {
        EXPECT_NE(e.Message.find("BACnet_Slave.xml"), std::string::npos) << e.Message;
    }
    EXPECT_EQ(coretest::Read_File(Out()), "earlier export");
}

TEST(EdeTimeStamp, TwoDigitsEachAndTheWholeYear)
{
    EXPECT_EQ(Get_EDE_TimeStamp(rtl::EncodeDateTime(2026, 3, 7, 9, 5, 3, 0)), "09:05:03 07/03/2026");
    EXPECT_EQ(Get_EDE_TimeStamp(rtl::EncodeDateTime(1999, 12, 31, 23, 59, 59, 999)), "23:59:59 31/12/1999");
}

}  // namespace
