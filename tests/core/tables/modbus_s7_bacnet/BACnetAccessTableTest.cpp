// The BACnet client's tables without their window: every rule of both tables in order with its
// table's own prefix, the destination rules, the three BACnet types of the settings (address
// column, key, setting missing), and the file with a fallback for every attribute.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DialogTables.h"
#include "common/UComon.h"
#include "core/tables/modbus_s7_bacnet/BACnetAccessTable.h"

namespace {

using namespace ms7test;
namespace ms7 = tables::modbus_s7_bacnet;

constexpr int Read = 0, Write = 1;

class BACnetAccessTable : public DialogTables {
protected:
    BACnetAccessTable()
        : DialogTables(ms7::BACnet_Access_Desc(), File_BACnet_Master_Access, "BACnet_Master_Access.xml"),
          savedParGen_(File_ParGen)
    {
        File_ParGen = dir.File("ParGen.xml");
        Set_Type("0");
    }
    ~BACnetAccessTable() override { File_ParGen = savedParGen_; }

    // ParGen.xml with this BACnet_Master_Type (nullptr: no file), then a show.
    void Set_Type(const char* type)
    {
        std::filesystem::remove(File_ParGen);
        if (type)
            testsupport::WriteFile(File_ParGen, std::string("<Par_Gen><BACnet_Master_Type>") + type +
                                                    "</BACnet_Master_Type></Par_Gen>");
        Show();
    }

    // The file holds the text; then a show. Returns the load's note.
    std::string Load(const std::string& text)
    {
        Write_File(text);
        return Show();
    }
    // Read: Enable, address, Object Type, Instance, Property, NByte, En Dest, D Net, D Len, D Add, Poll
    // Time, Max Err, Position, Start Bit, Swap, Convertion, Mnemonic. Write: Enable, address, Object
    // Type, Data Type, Instance, Property, Priority, NByte, En Dest, D Net, D Len, D Add, Change, Timer,
    // Poll Time, Max Err, Position, Start Bit, Swap, Convertion, Mnemonic.
    std::vector<std::string> Valid_Row(int g) const override
    {
        if (g == Read)
            return {"Y",
                    "192.168.0.10",
                    "Analog Input",
                    "1",
                    "Present Value (85)",
                    "4",
                    "N",
                    "",
                    "",
                    "",
                    "1000",
                    "0",
                    "0",
                    "0",
                    "",
                    "",
                    "r"};
        return {"Y",
                "192.168.0.10",
                "Analog Output",
                "Real",
                "1",
                "Present Value (85)",
                "8",
                "4",
                "N",
                "",
                "",
                "",
                "N",
                "N",
                "1000",
                "0",
                "0",
                "0",
                "",
                "",
                "w"};
    }

private:
    std::string savedParGen_;
};

class BACnetAccessRules : public BACnetAccessTable, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(BACnetAccessRules, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string R = "Error in Read, row 4";
const std::string W = "Error in Write, row 4";

INSTANTIATE_TEST_SUITE_P(
    ReadTable, BACnetAccessRules,
    ::testing::Values(
        RuleCase{"a valid read row", Read, {}, ""},
        RuleCase{"an address of three parts", Read, {{2, "192.168.0"}}, R + "!! IP Address is not correct"},
        RuleCase{"an address with blanks around it", Read, {{2, " 192.168.0.10 "}}, ""},
        RuleCase{"an object type of the write table only",
                 Read,
                 {{3, "Multi State Value"}},
                 R + "!! Object Type is not correct. Select one from the list"},
        RuleCase{"instance 4294967295", Read, {{4, "4294967295"}}, ""},
        RuleCase{"instance 4294967296", Read, {{4, "4294967296"}}, R + "!! Instance must be between 0 and 4294967295"},
        RuleCase{"scale of an analog input",
                 Read,
                 {{5, "Scale (187)"}},
                 R + "!! Property is not correct. Select one from the list"},
        RuleCase{"scale of an accumulator", Read, {{3, "Accumulator"}, {5, "Scale (187)"}}, ""},
        RuleCase{"NByte 256", Read, {{6, "256"}}, R + "!! NByte must be between 0 and 255"},
        RuleCase{
            "poll time 100000001", Read, {{11, "100000001"}}, R + "!! Poll Time must be between 0 and 100000000 ms"},
        RuleCase{"max err 65535", Read, {{12, "65535"}}, ""},
        RuleCase{"max err 65536", Read, {{12, "65536"}}, R + "!! Max Err must be between 0 and 655535"},
        RuleCase{"position start bit and mnemonic are not tested", Read, {{13, ""}, {14, "x"}, {17, ""}}, ""},
        RuleCase{"a disabled row", Read, {{1, "N"}, {3, "x"}}, ""},
        RuleCase{"an enable cell with a blank is not exactly Y", Read, {{1, " Y"}, {3, "x"}}, ""}),
    testsupport::kNameByWhat);

INSTANTIATE_TEST_SUITE_P(
    WriteTable, BACnetAccessRules,
    ::testing::Values(
        RuleCase{"a valid write row", Write, {}, ""},
        RuleCase{"an address of five parts", Write, {{2, "1.2.3.4.5"}}, W + "!! IP Address is not correct"},
        RuleCase{"an input in the write table",
                 Write,
                 {{3, "Analog Input"}},
                 W + "!! Object Type is not correct. Select one from the list"},
        RuleCase{"instance not a number", Write, {{5, "one"}}, W + "!! Instance must be between 0 and 4294967295"},
        RuleCase{"a read property in the write table",
                 Write,
                 {{6, "Status Flags (111)"}},
                 W + "!! Property is not correct. Select one from the list"},
        RuleCase{"real to a positive integer value",
                 Write,
                 {{3, "Positive Integer Value"}},
                 W + "!! Data Type is not correct. Aspected Data Type is Unsigned Int"},
        RuleCase{"any type to a life safety point",
                 Write,
                 {{3, "Life Safety Point"}, {4, "Enumerated"}},
                 W + "!! Data Type is not correct"},
        RuleCase{"property 600 takes an octet string of 255", Write, {{4, "Octet String"}, {6, "600"}, {8, "255"}}, ""},
        RuleCase{"property 600 and a bit string of 121",
                 Write,
                 {{4, "Bit String"}, {6, "600"}, {8, "121"}},
                 W + "!! NByte must be between 0 and 120"},
        RuleCase{"property 600 and null of 1",
                 Write,
                 {{4, "Null"}, {6, "600"}, {8, "1"}},
                 W + "!! NByte must be between 0 and 0"},
        RuleCase{"priority 17", Write, {{7, "17"}}, W + "!! Priority must be between 0 and 16"},
        RuleCase{"a real of 5 bytes", Write, {{8, "5"}}, W + "!! NByte must be between 0 and 4"},
        RuleCase{"no poll time without the timer", Write, {{15, ""}}, ""},
        RuleCase{"no poll time with the timer",
                 Write,
                 {{14, "y"}, {15, ""}},
                 W + "!! Poll Time must be between 0 and 100000000"},
        RuleCase{"poll time 100000000 with the timer", Write, {{14, "Y"}, {15, "100000000"}}, ""},
        RuleCase{"max err 65536", Write, {{16, "65536"}}, W + "!! Max Err must be between 0 and 655535"}),
    testsupport::kNameByWhat);

// The destination columns: read 7 to 10, write 9 to 12.
INSTANTIATE_TEST_SUITE_P(
    Destinations, BACnetAccessRules,
    ::testing::Values(
        RuleCase{"a destination not ticked is not tested", Read, {{8, "0"}, {9, "x"}}, ""},
        RuleCase{"network 0",
                 Read,
                 {{7, "Y"}, {8, "0"}, {9, "1"}, {10, "5"}},
                 R + "!! Destination Network must be between 1 and 65535"},
        RuleCase{"length 1 and address 255", Read, {{7, "y"}, {8, "1"}, {9, "1"}, {10, "255"}}, ""},
        RuleCase{"length 1 and address 256",
                 Read,
                 {{7, "Y"}, {8, "1"}, {9, "1"}, {10, "256"}},
                 R + "!! Destination Address must be between 0 and 255"},
        RuleCase{"length 2 and address 0",
                 Write,
                 {{9, "Y"}, {10, "7"}, {11, "2"}, {12, "0"}},
                 W + "!! Destination Address must be between 1 and 65535"},
        RuleCase{"length 6 and address with port",
                 Write,
                 {{9, "Y"}, {10, "7"}, {11, "6"}, {12, " 192.168.0.15:47808 "}},
                 ""},
        RuleCase{"length 6 and address without port",
                 Read,
                 {{7, "Y"}, {8, "7"}, {9, "6"}, {10, "192.168.0.15"}},
                 R + "!! Destination Address must be in correct form, IP Address plus Port (ex. 192.168.0.15:47808)"},
        RuleCase{"length m3 in lower case", Read, {{7, "Y"}, {8, "7"}, {9, "m3"}, {10, "10,20,30"}}, ""},
        RuleCase{"length M3 with two bytes",
                 Write,
                 {{9, "Y"}, {10, "7"}, {11, "M3"}, {12, "10,20"}},
                 W + "!! Destination Address has too few bytes"},
        RuleCase{"length M9",
                 Read,
                 {{7, "Y"}, {8, "7"}, {9, "M9"}, {10, "1"}},
                 R + "!! Destination Length is Wrong, choose one in List"},
        RuleCase{"no length",
                 Write,
                 {{9, "Y"}, {10, "7"}, {11, ""}, {12, "1"}},
                 W + "!! Destination Length is Wrong, choose one in List"},
        RuleCase{"length 3",
                 Read,
                 {{7, "Y"}, {8, "7"}, {9, "3"}, {10, "1"}},
                 R + "!! Destination Lenght must be 1 or 2 or 6"},
        RuleCase{"length 3 in the write table",
                 Write,
                 {{9, "Y"}, {10, "7"}, {11, "3"}, {12, "1"}},
                 W + "!! Destination Lenght must be 1 or 2 or 6"}),
    testsupport::kNameByWhat);

TEST_F(BACnetAccessTable, WriteDestinationIsTestedOnItsOwnCells)
{
    // The read table's row 1 holds a good M2 list; the write row's own cells are what count.
    Put_Changed(Read, 1, {{7, "Y"}, {8, "7"}, {9, "M2"}, {10, "1,2"}});
    Put_Changed(Write, 1, {{9, "Y"}, {10, "7"}, {11, "M2"}, {12, "1,2,3"}});
    EXPECT_EQ(Check(), "Error in Write, row 1!! Destination Address has too many bytes");
}

TEST_F(BACnetAccessTable, SlaveIdsUnderMSTP)
{
    Set_Type("1");
    EXPECT_EQ(state.Var(ms7::Var_App_BACnet_Type), 1);
    EXPECT_EQ(state.Var(ms7::Var_BACnet_Type_Missing), 0);
    Put_Changed(Read, 1, {{2, "254"}});
    Put_Changed(Write, 1, {{2, "254"}});
    EXPECT_EQ(Check(), "");
    Put_Changed(Read, 1, {{2, "255"}});
    EXPECT_EQ(Check(), "Error in Read, row 1!! Slave ID must be between 0 and 254");
    Put_Changed(Read, 1, {{2, "192.168.0.10"}});
    EXPECT_EQ(Check(), "Error in Read, row 1!! Slave ID must be between 0 and 254");
    Put_Changed(Read, 1, {});
    Put_Changed(Read, 1, {{2, "0"}});
    Put_Changed(Write, 1, {{2, "255"}});
    EXPECT_EQ(Check(), "Error in Write, row 1!! Slave ID must be between 0 and 254");
}

TEST_F(BACnetAccessTable, WithoutAddressColumnTheObjectTypeIsTheKey)
{
    Set_Type("2");
    // No address is tested, and a row counts while its Object Type is filled.
    Put_Changed(Read, 1, {{2, ""}});
    Put_Changed(Read, 2, {{2, "kept"}});
    EXPECT_EQ(Check(), "");
    const std::string text = Text();
    EXPECT_NE(text.find("IP_Address_Slave_ID=\"kept\""), std::string::npos) << "hidden cells are still written";
    EXPECT_EQ(Load(text), "");
    EXPECT_EQ(Cell(Read, 2, 2), "kept");
    // With the type 0 of the settings the first row, without an address, would end the table.
    Set_Type("0");
    Put_Changed(Read, 1, {{2, ""}});
    Put_Changed(Read, 2, {});
    EXPECT_NE(Check(), "") << "row 2 would be dropped";
}

TEST_F(BACnetAccessTable, MissingOrUnreadableSettingGivesIPAddressesAndIsSaid)
{
    for (const char* pargen : {"", "<Par_Gen><Other>1</Other></Par_Gen>", "<Par_Gen><BACnet_Master_Type>1"}) {
        std::filesystem::remove(File_ParGen);
        if (*pargen)
            testsupport::WriteFile(File_ParGen, pargen);
        Show();
        EXPECT_EQ(state.Var(ms7::Var_BACnet_Type_Missing), 1) << pargen;
        EXPECT_EQ(state.Var(ms7::Var_App_BACnet_Type), 0) << pargen;
    }
    Set_Type("serial");
    EXPECT_EQ(state.Var(ms7::Var_BACnet_Type_Missing), 0) << "a text that is not a number is type 0, not missing";
    EXPECT_EQ(state.Var(ms7::Var_App_BACnet_Type), 0);
}

TEST_F(BACnetAccessTable, FileRoundTripWithoutSwapAndConvertion)
{
    Put_Changed(Read, 1, {{15, "Y"}, {16, "Float to Int"}, {17, "boiler <1> & \"2\""}});
    Put_Changed(Write, 1, {{13, "Y"}, {14, "Y"}});
    const std::string text = Text();
    EXPECT_EQ(text.find("Swap"), std::string::npos);
    EXPECT_EQ(text.find("Convertion"), std::string::npos);
    EXPECT_EQ(text.substr(0, 58), "<BACnet_Master_Access><BACnet_Read><row Enable=\"Y\" IP_Addr");
    EXPECT_NE(text.find("<row Enable=\"Y\" IP_Address_Slave_ID=\"192.168.0.10\" Object_Type=\"Analog Output\" "
                        "Data_Type=\"Real\" Instance=\"1\" Property=\"Present Value (85)\" Priority=\"8\" "
                        "NumByte=\"4\" Enable_Destination=\"N\" Destination_Network=\"\" Destination_Length=\"\" "
                        "Destination_Address=\"\" OnChange=\"Y\" OnTimer=\"Y\" PollTime=\"1000\" MaxError=\"0\" "
                        "Position=\"0\" StartBit=\"0\" Mnemonic=\"w\"/>"),
              std::string::npos)
        << text;
    EXPECT_EQ(Load(text), "");
    EXPECT_EQ(Cell(Read, 15, 1), "") << "Swap is not loaded";
    EXPECT_EQ(Cell(Read, 17, 1), "boiler <1> & \"2\"");
    EXPECT_EQ(Text(), text);
}

TEST_F(BACnetAccessTable, EveryAttributeHasItsFallback)
{
    // The write table first: the row taken apart must be the first of the file.
    for (int g : {Write, Read}) {
        std::map<std::string, std::string> expected;
        for (const TAttributeDesc& a : desc.Grids[static_cast<std::size_t>(g)].Attributes)
            expected[std::string(a.Name)] = "";
        expected["Enable"] = "Y";
        expected["Enable_Destination"] = "N";
        if (g == Write)
            expected["OnChange"] = expected["OnTimer"] = "N";
        EXPECT_EQ(Missing_Attribute_Results(g), expected) << g;
    }
}

}  // namespace
