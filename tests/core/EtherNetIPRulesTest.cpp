#include <gtest/gtest.h>

#include "core/EdsConnections.h"
#include "core/EtherNetIPRules.h"

using namespace core;

namespace {

TEtherNetIP_Row Valid_Row()
{
    TEtherNetIP_Row r;
    r.IP_Address = "127.0.0.1";
    r.Start_Input = "0";
    r.Num_Input = "10";
    r.Start_Output = "0";
    r.Num_Output = "4";
    r.Time_Poll = "100";
    r.Instance_T_O = "1";
    r.Connection_Point_T_O = "100";
    r.Instance_O_T = "1";
    r.Connection_Point_O_T = "101";
    r.Dim_Header_T_O = "Default";
    r.Dim_Header_O_T = " default ";
    return r;
}

std::vector<TEtherNetIP_Row> Table(std::initializer_list<TEtherNetIP_Row> rows)
{
    std::vector<TEtherNetIP_Row> t(rows);
    t.resize(EtherNetIP_Rows);
    return t;
}

TEtherNetIP_Row With(TEtherNetIP_Row r, std::string TEtherNetIP_Row::*field, std::string value)
{
    r.*field = std::move(value);
    return r;
}

std::string Fault_Message(const std::vector<TEtherNetIP_Row>& rows)
{
    const auto fault = EtherNetIP_First_Fault(rows);
    return fault ? fault->Message : "passes";
}

}  // namespace

// Each rule's message, in the check's order: a row that breaks a rule and every rule after it
// reports that rule.
TEST(EtherNetIPCheck, EveryRuleInItsOrder)
{
    using R = TEtherNetIP_Row;
    const std::pair<std::string R::*, const char*> broken[] = {
        {&R::IP_Address, "1.2.3.256"},         {&R::Start_Input, "70000"},       {&R::Num_Input, "x"},
        {&R::Start_Output, "65536"},           {&R::Num_Output, "-5"},           {&R::Time_Poll, "0"},
        {&R::Instance_T_O, "65536"},           {&R::Connection_Point_T_O, "-1"}, {&R::Instance_O_T, ""},
        {&R::Connection_Point_O_T, "0x10000"}, {&R::Dim_Header_T_O, "8"},        {&R::Dim_Header_O_T, "Defaults"},
    };
    const char* messages[] = {
        "Error row 2!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)",
        "Error row 2!! Start Input must be major or equal to 0",
        "Error row 2!! Num Input must be major or equal to 0",
        "Error row 2!! Start Output must be major or equal to 0",
        "Error row 2!! Num Output must be major or equal to 0",
        "Error row 2!! Poll Time must be between 1 and 100000000",
        "Error row 2!! Instance T > O must be between 0 and 65535. Default Value 1",
        "Error row 2!! Connection Point T > O must be between 0 and 65535. Default Value 100",
        "Error row 2!! Instance O > T must be between 0 and 65535. Default Value 1",
        "Error row 2!! Connection Point O > T must be between 0 and 65535. Default Value 101",
        "Error row 2!! Dimension Header T > O must be between 0 and 7. Default Value 0",
        "Error row 2!! Dimension Header O > T must be between 0 and 7. Default Value 4",
    };
    for (std::size_t k = 0; k < std::size(broken); ++k) {
        TEtherNetIP_Row r = Valid_Row();
        for (std::size_t j = k; j < std::size(broken); ++j)
            r.*broken[j].first = broken[j].second;
        const auto fault = EtherNetIP_First_Fault(Table({Valid_Row(), r}));
        ASSERT_TRUE(fault) << messages[k];
        EXPECT_EQ(fault->Row, 2u);
        EXPECT_EQ(fault->Message, messages[k]);
    }
    EXPECT_EQ(Fault_Message(Table({Valid_Row(), Valid_Row()})), "passes");
}

TEST(EtherNetIPCheck, ByteTotalsOfTheEnabledRows)
{
    using R = TEtherNetIP_Row;
    auto inputs = [](const char* n) { return With(Valid_Row(), &R::Num_Input, n); };
    auto outputs = [](const char* n) { return With(Valid_Row(), &R::Num_Output, n); };
    EXPECT_EQ(Fault_Message(Table({inputs("1000"), inputs("438")})), "passes");
    EXPECT_EQ(Fault_Message(Table({inputs("1000"), inputs("439")})),
              "Error!! The Total Number of Input Bytes must be between 0 and 1438");
    EXPECT_EQ(Fault_Message(Table({inputs("1000"), With(inputs("439"), &R::Enable, "N")})), "passes")
        << "a disabled row never counts";
    EXPECT_EQ(Fault_Message(Table({outputs("1438"), outputs("1")})),
              "Error!! The Total Number of Output Bytes must be between 0 and 1438");
    EXPECT_EQ(Fault_Message(Table({With(inputs("1439"), &R::Num_Output, "1439")})),
              "Error!! The Total Number of Input Bytes must be between 0 and 1438")
        << "inputs are reported first";
    const auto fault = EtherNetIP_First_Fault(Table({outputs("2")}), 1438, 1);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Row, 0u);
    EXPECT_EQ(fault->Message, "Error!! The Total Number of Output Bytes must be between 0 and 1");
}

TEST(EtherNetIPCheck, BoundariesOfTheRules)
{
    using R = TEtherNetIP_Row;
    struct Case {
        std::string R::*field;
        const char* value;
        bool passes;
    };
    const Case cases[] = {
        {&R::Time_Poll, "0", false},
        {&R::Time_Poll, "100000000", true},
        {&R::Time_Poll, "100000001", false},
        {&R::Dim_Header_T_O, "DEFAULT", true},
        {&R::Dim_Header_T_O, " Default ", true},
        {&R::Dim_Header_O_T, "0", true},
        {&R::Dim_Header_O_T, "7", true},
        {&R::Dim_Header_O_T, "8", false},
        {&R::Dim_Header_O_T, "-1", false},
        {&R::Dim_Header_O_T, "", false},
        {&R::Start_Input, "65535", true},
        {&R::Start_Input, "0x10", true},
        {&R::Num_Output, "1.5", false},
        {&R::IP_Address, " 10 . 0.0.1 ", true},
        {&R::IP_Address, "10.0.0", false},
        {&R::Instance_O_T, "65535", true},
    };
    for (const auto& c : cases) {
        const auto fault = EtherNetIP_First_Fault(Table({With(Valid_Row(), c.field, c.value)}));
        EXPECT_EQ(!fault, c.passes) << "'" << c.value << "': " << (fault ? fault->Message : "");
    }
}

TEST(EtherNetIPCheck, WhatSavingWouldDropIsRefused)
{
    using R = TEtherNetIP_Row;
    const TEtherNetIP_Row empty;
    const auto disabled = [](TEtherNetIP_Row r) { return With(std::move(r), &R::Enable, "N"); };
    const char* dropped =
        "Row 2 has no IP Address. Rows are saved only up to the first row without an IP Address, so "
        "this row and the rows after it would not be saved. Fill in the IP Address or delete the rows.";
    struct Case {
        const char* name;
        std::vector<TEtherNetIP_Row> rows;
        const char* message;
    };
    const Case cases[] = {
        {"ten empty rows, as a new configuration has", Table({}), "passes"},
        {"a disabled row with a bad address and empty numbers",
         Table({disabled(With(empty, &R::IP_Address, "300.1.1.1"))}), "passes"},
        {"a filled row after an empty one", Table({Valid_Row(), empty, Valid_Row()}), dropped},
        {"a filled row after an empty disabled one, with a fault of its own",
         Table({Valid_Row(), disabled(empty), With(Valid_Row(), &R::Time_Poll, "0")}), dropped},
        {"an imported connection without its address", Table({Valid_Row(), With(empty, &R::Instance_T_O, "5")}),
         dropped},
        {"a Mnemonic alone in the last row",
         [&] {
             auto t = Table({Valid_Row()});
             t[9].Mnemonic = "later";
             return t;
         }(),
         dropped},
        {"a fault before the empty row is reported first",
         Table({With(Valid_Row(), &R::Start_Input, "-1"), empty, Valid_Row()}),
         "Error row 1!! Start Input must be major or equal to 0"},
        {"blanks and unticked boxes are nothing typed", Table({Valid_Row(), disabled(With(empty, &R::Mnemonic, "  "))}),
         "passes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fault_Message(c.rows), c.message) << c.name;
}

TEST(EtherNetIPColumns, HeadersHintsAndAttributes)
{
    ASSERT_EQ(EtherNetIP_Columns.size(), 14u);
    EXPECT_EQ(EtherNetIP_Cell_Hint(1, 0), "Enable or Disable the Row");
    EXPECT_EQ(EtherNetIP_Cell_Hint(8, 0), "Insert the Instance Target To Oginator (T > O). Default Value 1");
    EXPECT_EQ(EtherNetIP_Cell_Hint(13, 0), "Insert the Dimension Header Oginator To Target (O > T). Default Value 4");
    EXPECT_EQ(EtherNetIP_Cell_Hint(14, 0), "Description of Slave EtherNet/IP");
    EXPECT_FALSE(EtherNetIP_Cell_Hint(0, 0));
    EXPECT_FALSE(EtherNetIP_Cell_Hint(15, 0));
    EXPECT_FALSE(EtherNetIP_Cell_Hint(2, 1)) << "data cells keep the grid's own hint";
    EXPECT_EQ(EtherNetIP_Columns[8].Attribute, "Connection_Point_T_O");
    EXPECT_EQ(EtherNetIP_Columns[9].Attribute, "Instance_O_T");
}

TEST(EtherNetIPImport, FillsTheFirstRowWithoutAddressAndInstance)
{
    TConnData c;
    c.ConnIndex = 1;
    c.InstanceOT = 150;
    c.ConnPointOT = 151;
    c.InstanceTO = 152;
    c.ConnPointTO = 153;
    c.DimHeaderOT = 4;
    c.DimHeaderTO = 3;
    TEtherNetIP_Row instanceOnly;
    instanceOnly.Instance_T_O = "9";
    auto rows = Table({Valid_Row(), instanceOnly, With(TEtherNetIP_Row{}, &TEtherNetIP_Row::Mnemonic, "kept")});
    const auto target = Import_EDS_Connection(rows, c);
    ASSERT_EQ(target, 2u);
    const auto& r = rows[2];
    EXPECT_EQ(r.Instance_O_T, "150");
    EXPECT_EQ(r.Connection_Point_O_T, "151");
    EXPECT_EQ(r.Instance_T_O, "152");
    EXPECT_EQ(r.Connection_Point_T_O, "153");
    EXPECT_EQ(r.Dim_Header_O_T, "Default");
    EXPECT_EQ(r.Dim_Header_T_O, "3");
    EXPECT_EQ(r.Mnemonic, "kept");
    EXPECT_EQ(r.Enable, "Y");
    EXPECT_EQ(r.IP_Address, "");

    c.DimHeaderTO = 0;
    EXPECT_EQ(EDS_Connection_Texts(c)[8], "Default");
    std::vector<TEtherNetIP_Row> full(EtherNetIP_Rows, Valid_Row());
    const auto before = full;
    EXPECT_FALSE(Import_EDS_Connection(full, c));
    EXPECT_EQ(full, before) << "a full table changes nothing";
}
