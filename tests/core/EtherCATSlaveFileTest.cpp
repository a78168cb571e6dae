#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "core/EtherCATSlaveFile.h"
#include "platform/xml/Xml.h"

using namespace core;
using namespace coretest;

namespace {

std::string File_With(const std::string& toMaster, const std::string& toSlave)
{
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + toMaster +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + toSlave +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->";
}

std::string Rows(int n, const std::string& type)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "<row Enable=\"Y\" Type=\"" + type + "\" Length=\"1\" Name=\"v" + std::to_string(i) + "\"/>";
    return s;
}

class EtherCATSlaveFile : public ::testing::Test {
protected:
    TScratchDir dir;
    std::filesystem::path file = dir / "EtherCAT_Slave.xml";
};

}  // namespace

TEST_F(EtherCATSlaveFile, RoundTripsAreByteStable)
{
    // The file the dialog wrote for the bank compiler's example reads and saves to the same bytes
    // (the golden file ends with a line break the writer does not write).
    std::string golden = Read_Golden("ethercat_slave_example.xml");
    ASSERT_EQ(golden.back(), '\n');
    golden.pop_back();
    Write_File(file, golden);
    auto load = Load_EtherCAT_Slave_Vars(file);
    EXPECT_EQ(load.Message, "");
    Write_EtherCAT_Slave_File(dir / "again.xml", load.Vars);
    EXPECT_EQ(Read_File(dir / "again.xml"), golden);

    // Every type, texts that need escaping, untrimmed and non-ASCII texts, disabled rows.
    TEtherCAT_Slave_Vars vars;
    const char* types[] = {"Bool", "Int8", "Int16", "Int32", "UInt8", "UInt16", "UInt32", "Float32", "String", "Bool"};
    for (std::size_t i = 0; i < std::size(types); ++i) {
        auto& v = vars.Slave_To_Master[i];
        v.Type = types[i];
        v.Length = std::string(Type_Rule(types[i])->Length);
        v.Name = "name " + std::to_string(i);
    }
    vars.Slave_To_Master[8].Length = "37";
    vars.Slave_To_Master[1].Enable = false;
    vars.Slave_To_Master[2].Name = " Température <\"&'> ";
    vars.Slave_To_Master[2].InitValue = "-1";
    vars.Slave_To_Master[3].Mnemonic = "line\tone";
    vars.Master_To_Slave[0] = {true, "ByteString", "12", "", "", "", "", "out"};
    Write_EtherCAT_Slave_File(file, vars);
    const std::string first = Read_File(file);
    load = Load_EtherCAT_Slave_Vars(file);
    EXPECT_EQ(load.Message, "");
    Calc_Position_Bit(vars.Slave_To_Master);
    Calc_Position_Bit(vars.Master_To_Slave);
    EXPECT_EQ(load.Vars.Slave_To_Master, vars.Slave_To_Master);
    EXPECT_EQ(load.Vars.Master_To_Slave, vars.Master_To_Slave);
    Write_EtherCAT_Slave_File(file, load.Vars);
    EXPECT_EQ(Read_File(file), first);
}

TEST_F(EtherCATSlaveFile, SavesRowsUpToTheFirstWithoutATypeWithFreshPositions)
{
    TEtherCAT_Slave_Vars vars;
    vars.Slave_To_Master[0] = {true, "Bool", "1", "a", "", "9", "9", ""};
    vars.Slave_To_Master[1] = {false, "Int8", "1", "off", "5", "9", "9", ""};
    vars.Slave_To_Master[2] = {true, "Int16", "2", "bb", "", "", "", ""};
    vars.Slave_To_Master[3].Type = "  ";
    vars.Slave_To_Master[4] = {true, "Int8", "1", "not saved", "", "", "", ""};
    vars.Master_To_Slave[0] = {true, "Float32", "4", "", "ignored", "", "", ""};
    Write_EtherCAT_Slave_File(file, vars);
    EXPECT_EQ(Read_File(file),
              File_With("<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"a\" InitValue=\"\" Position=\"0\" "
                        "BitStart=\"0\" Mnemonic=\"\"/><row Enable=\"N\" Type=\"Int8\" Length=\"1\" Name=\"off\" "
                        "InitValue=\"5\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/><row Enable=\"Y\" "
                        "Type=\"Int16\" Length=\"2\" Name=\"bb\" InitValue=\"\" Position=\"1\" BitStart=\"0\" "
                        "Mnemonic=\"\"/>",
                        "<row Enable=\"Y\" Type=\"Float32\" Length=\"4\" Name=\"\" Position=\"0\" BitStart=\"0\" "
                        "Mnemonic=\"\"/>"));
    EXPECT_EQ(vars.Slave_To_Master[0].Position, "9") << "the caller's rows are not changed";
}

TEST_F(EtherCATSlaveFile, LoadingFollowsTheTypeRuleAndTheFallbacks)
{
    Write_File(file, File_With("<row Enable=\"n\" Type=\"String\" Length=\"20\" Name=\"s\" InitValue=\"x\"/>"
                               "<row Enable=\"N\" Type=\"Int16\" Length=\"2\"/>"
                               "<row Type=\"UInt32\"/>"
                               "<row Enable=\"Y\" Type=\"Real\" Position=\"77\" BitStart=\"3\"/>",
                               "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" InitValue=\"only slave to master\"/>"));
    const auto load = Load_EtherCAT_Slave_Vars(file);
    EXPECT_EQ(load.Message, "");
    const auto& in = load.Vars.Slave_To_Master;
    EXPECT_TRUE(in[0].Enable) << "only exactly N unticks";
    EXPECT_EQ(in[0].Length, "20");
    EXPECT_EQ(in[0].InitValue, "x");
    EXPECT_FALSE(in[1].Enable);
    EXPECT_TRUE(in[2].Enable) << "a missing Enable ticks the box";
    EXPECT_EQ(in[2].Length, "4") << "a missing Length keeps what the type rule set";
    EXPECT_EQ(in[3].Length, "");
    EXPECT_EQ(in[3].Position, "24") << "positions are computed, not read";
    EXPECT_EQ(in[3].BitStart, "0");
    EXPECT_EQ(load.Vars.Master_To_Slave[0].InitValue, "");
    for (std::size_t i = 4; i < EtherCAT_Rows; ++i)
        ASSERT_EQ(in[i], TEtherCAT_Var{}) << "row " << i + 1 << " starts ticked and empty";
    EXPECT_EQ(load.Vars.Master_To_Slave.size(), EtherCAT_Rows);
}

TEST_F(EtherCATSlaveFile, BadFilesLoadWhatTheyCanAndSayWhatWasIgnored)
{
    const std::string declared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- written by hand -->\n" +
                                 File_With(Rows(1, "Int8"), Rows(2, "Bool"));
    struct Case {
        const char* name;
        std::optional<std::string> content;  // nullopt: no file
        std::size_t toMaster, toSlave;       // rows loaded
        std::vector<std::string> said;       // what the message says, in parts
    };
    const Case cases[] = {
        {"missing", std::nullopt, 0, 0, {}},
        {"declaration and comment before the root", declared, 1, 2, {}},
        {"empty", "", 0, 0, {"cannot be read", "EtherCAT_Slave.xml"}},
        {"not well-formed", File_With(Rows(3, "Int8"), "").substr(0, 120), 0, 0, {"cannot be read", "line 1"}},
        {"no master-to-slave section",
         "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + Rows(2, "Int8") +
             "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>",
         2,
         0,
         {"Master To Slave: the file has no section"}},
        {"no variables element",
         "<EtherCAT_Slave/>",
         0,
         0,
         {"Slave To Master: the file has no section", "Master To Slave: the file has no section"}},
        {"300 rows in one direction",
         File_With(Rows(300, "Int8"), Rows(3, "Int8")),
         256,
         3,
         {"Slave To Master: the file holds 300 rows; the rows after row 256 were not loaded."}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(file);
        if (c.content)
            Write_File(file, *c.content);
        const auto load = Load_EtherCAT_Slave_Vars(file);
        EXPECT_EQ(Saved_Row_Count(load.Vars.Slave_To_Master), c.toMaster) << c.name;
        EXPECT_EQ(Saved_Row_Count(load.Vars.Master_To_Slave), c.toSlave) << c.name;
        if (c.said.empty()) {
            EXPECT_EQ(load.Message, "") << c.name;
        } else {
            EXPECT_EQ(load.Message.rfind("Not everything in the variables file could be loaded. The file stays as it "
                                         "is until OK saves the tables over it.\n",
                                         0),
                      0u)
                << c.name << ": " << load.Message;
            for (const auto& part : c.said)
                EXPECT_NE(load.Message.find(part), std::string::npos) << c.name << ": " << load.Message;
        }
        if (c.content) {
            EXPECT_EQ(Read_File(file), *c.content) << c.name << ": loading keeps the file as it is";
        } else {
            EXPECT_FALSE(std::filesystem::exists(file)) << c.name;
        }
    }
}

TEST_F(EtherCATSlaveFile, AFailedSaveKeepsTheEarlierFile)
{
    Write_File(file, "earlier");
    TEtherCAT_Slave_Vars vars;
    vars.Slave_To_Master[0] = {true, "Int8", "1", std::string("bell\x07"), "", "", "", ""};
    EXPECT_THROW(Write_EtherCAT_Slave_File(file, vars), xml::XmlError);
    EXPECT_EQ(Read_File(file), "earlier");
    EXPECT_THROW(Write_EtherCAT_Slave_File(dir / "no such folder" / "EtherCAT_Slave.xml", {}), xml::XmlError);
}
