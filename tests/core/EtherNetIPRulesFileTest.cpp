#include <gtest/gtest.h>

#include "BankFixture.h"
#include "core/EtherNetIPRulesFile.h"
#include "platform/xml/Xml.h"

using namespace core;
using namespace coretest;

namespace {

std::string Row(const std::string& ip, const std::string& extra = "")
{
    return "<row Enable=\"Y\" IP_Address=\"" + ip + "\"" + extra + "/>";
}

std::string Rows(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += Row("127.0.0." + std::to_string(i + 1));
    return s;
}

std::string File_With(const std::string& rows)
{
    return "<EtherNetIP_Master_Access>" + rows + "</EtherNetIP_Master_Access><!--SW_VERSION = 1.000-->";
}

class EtherNetIPRulesFile : public BankFixture {
protected:
    std::filesystem::path file = dir / "EtherNetIP_Master_Rules.xml";
};

}  // namespace

TEST_F(EtherNetIPRulesFile, WritesRowsUpToTheFirstWithoutAddressAndReadsThemBackByteForByte)
{
    std::vector<TEtherNetIP_Row> rows(EtherNetIP_Rows);
    const char* cells[] = {"Y", "127.0.0.1", "0", "10",  "2",       "4", "100",
                           "1", "100",       "1", "101", "default", "3", " a <\"&'> Ä "};
    for (std::size_t c = 0; c < EtherNetIP_Columns.size(); ++c)
        rows[0].*EtherNetIP_Columns[c].Field = cells[c];
    rows[1].Enable = "N";
    rows[1].IP_Address = "bad address";
    rows[3].IP_Address = "127.0.0.4";  // after the first row without an address: not saved
    Write_EtherNetIP_Rules_File(file, rows);
    const std::string text = Read_File(file);
    EXPECT_EQ(text, File_With("<row Enable=\"Y\" IP_Address=\"127.0.0.1\" Start_Input=\"0\" Num_Input=\"10\" "
                              "Start_Output=\"2\" Num_Output=\"4\" Time_Poll=\"100\" Instance_T_O=\"1\" "
                              "Connection_Point_T_O=\"100\" Instance_O_T=\"1\" Connection_Point_O_T=\"101\" "
                              "Dim_Header_T_O=\"default\" Dim_Header_O_T=\"3\" Mnemonic=\" a &lt;&quot;&amp;'> Ä \"/>"
                              "<row Enable=\"N\" IP_Address=\"bad address\" Start_Input=\"\" Num_Input=\"\" "
                              "Start_Output=\"\" Num_Output=\"\" Time_Poll=\"\" Instance_T_O=\"\" "
                              "Connection_Point_T_O=\"\" Instance_O_T=\"\" Connection_Point_O_T=\"\" "
                              "Dim_Header_T_O=\"\" Dim_Header_O_T=\"\" Mnemonic=\"\"/>"));
    const auto load = Load_EtherNetIP_Rules(file);
    EXPECT_EQ(load.Message, "");
    ASSERT_EQ(load.Rows.size(), EtherNetIP_Rows);
    EXPECT_EQ(load.Rows[0], rows[0]);
    EXPECT_EQ(load.Rows[1], rows[1]);
    EXPECT_EQ(load.Rows[3], TEtherNetIP_Row{});
    Write_EtherNetIP_Rules_File(file, load.Rows);
    EXPECT_EQ(Read_File(file), text);

    // The bank compiler reads what was written: the enabled row only, with its totals.
    const auto bank1 = Bank1();
    EXPECT_EQ(U32_At(bank1, 1552), 1u);
    EXPECT_EQ(U32_At(bank1, 116), 10u);
    EXPECT_EQ(U32_At(bank1, 120), 4u);
}

TEST_F(EtherNetIPRulesFile, MissingAttributesTakeTheDialogsFallbacks)
{
    Write_File(file, File_With("<row IP_Address=\"127.0.0.1\"/><row/>"));
    const auto load = Load_EtherNetIP_Rules(file);
    const auto& r = load.Rows[0];
    EXPECT_EQ(r.Enable, "N");
    EXPECT_EQ(r.Dim_Header_T_O, "Default");
    EXPECT_EQ(r.Dim_Header_O_T, "Default");
    EXPECT_EQ(r.Time_Poll, "");
    EXPECT_EQ(r.Mnemonic, "");
    EXPECT_EQ(load.Rows[1].Enable, "N") << "an element without attributes still fills its row";
    EXPECT_EQ(load.Rows[2].Enable, "Y") << "rows the file does not fill start enabled";
}

TEST_F(EtherNetIPRulesFile, BadFilesLoadWhatTheyCanAndSayWhatWasIgnored)
{
    struct Case {
        const char* name;
        std::optional<std::string> content;
        std::size_t rows;
        const char* said;  // nullptr: nothing to say
    };
    const Case cases[] = {
        {"missing", std::nullopt, 0, nullptr},
        {"with a declaration and indentation", "<?xml version=\"1.0\"?>\n<root>\n  " + Rows(2) + "\n</root>\n", 2,
         nullptr},
        {"empty", "", 0, "The file cannot be read: "},
        {"not well-formed", File_With(Rows(3)).substr(0, 70), 0, "The file cannot be read: "},
        {"12 rows", File_With(Rows(12)), 10,
         "The file holds 12 connections; the connections after row 10 were not loaded."},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(file);
        if (c.content)
            Write_File(file, *c.content);
        const auto load = Load_EtherNetIP_Rules(file);
        EXPECT_EQ(EtherNetIP_Saved_Row_Count(load.Rows), c.rows) << c.name;
        EXPECT_EQ(load.Rows.size(), EtherNetIP_Rows) << c.name;
        if (!c.said) {
            EXPECT_EQ(load.Message, "") << c.name;
        } else {
            EXPECT_EQ(load.Message.rfind("Not everything in the connections file could be loaded. The file stays as "
                                         "it is until OK saves the table over it.\n",
                                         0),
                      0u)
                << c.name << ": " << load.Message;
            EXPECT_NE(load.Message.find(c.said), std::string::npos) << c.name << ": " << load.Message;
        }
        if (c.content) {
            EXPECT_EQ(Read_File(file), *c.content) << c.name << ": loading keeps the file as it is";
        }
    }
}

TEST_F(EtherNetIPRulesFile, AFailedSaveKeepsTheEarlierFile)
{
    Write_File(file, "earlier");
    std::vector<TEtherNetIP_Row> rows(1);
    rows[0].IP_Address = "127.0.0.1";
    rows[0].Mnemonic = std::string("\x01");
    EXPECT_THROW(Write_EtherNetIP_Rules_File(file, rows), xml::XmlError);
    EXPECT_EQ(Read_File(file), "earlier");
}
