#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "TestData.h"
#include "core/EdsConnections.h"
#include "core/EtherNetIPRules.h"

using namespace core;
using namespace coretest;

namespace {

// One entry's text as gathered from the file: trigger, parameters, fields 3 to 12, name, help
// string, path.
std::string Entry(const std::string& path, const std::string& params = "0x44640405",
                  const std::string& name = "\"Exclusive Owner\"", const std::string& help = "\"\"")
{
    return "0x04010002," + params + ",Param1,,Assem150,Param1,,Assem100,,,,," + name + "," + help + ",\"" + path +
           "\";";
}

std::vector<TConnData> Decoded(const std::string& entry)
{
    std::vector<TConnData> list;
    DecodeConnStr(entry, list);
    return list;
}

// The list's columns 3 to 8 as the EDS dialog shows them, joined by blanks.
std::string Columns(const TConnData& c)
{
    const auto t = EDS_Connection_Texts(c);
    return t[3] + " " + t[4] + " " + t[5] + " " + t[6] + " " + t[7] + " " + t[8];
}

std::string Section(const std::string& body)
{
    return "[File]\nDescText = \"x\";\n[Connection Manager]\n" + body + "\n[Assembly]\nRevision = 2;\n";
}

}  // namespace

TEST(EdsDecode, PathsGiveInstancesAndConnectionPoints)
{
    struct Case {
        const char* path;
        const char* columns;  // Instance O>T, Conn. Point O>T, Instance T>O, Conn. Point T>O, headers; "" unusable
    };
    const Case cases[] = {
        {"20 04 24 80 2C 96 2C 64", "128 150 128 100 Default Default"},
        {"20 04 24 01 2C 65 24 02 2C 64", "1 101 2 100 Default Default"},
        {"20 04 2C 96 2C 64", "1 150 1 100 Default Default"},
        {"20 04 25 00 96 00 2C 96 2C 64", "150 150 150 100 Default Default"},
        // 16- and 32-bit segments give their whole value, and a value byte is never taken for a segment.
        {"20 04 25 00 2C 01 2C 96 2C 64", "300 150 300 100 Default Default"},
        {"20 04 26 00 01 00 01 00 2C 96 2C 64", "65537 150 65537 100 Default Default"},
        {"20 04 24 01 2D 00 34 12 2C 64", "1 4660 1 100 Default Default"},
        {"20 04 24 01 2C 65 25 00 00 01 2E 00 78 56 34 12", "1 101 256 305419896 Default Default"},
        {"20  04 24 01 zz 2C 65 2C 64 100", "1 101 1 100 Default Default"},
        // Unusable paths.
        {"20 04 24 01 2C 64", ""},
        {"20 04 24 01 2C", ""},
        {"21 04 24 01 2C 65 2C 64", ""},
        {"20 04 25 00 96", ""},
        {"20 04 26 00 01 00 2C 96", ""},
        {"20 04 24 01 2C 65 2D 00 64", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto list = Decoded(Entry(c.path));
        if (*c.columns == 0) {
            EXPECT_TRUE(list.empty()) << c.path;
            continue;
        }
        ASSERT_EQ(list.size(), 1u) << c.path;
        EXPECT_EQ(Columns(list[0]), c.columns) << c.path;
    }
}

TEST(EdsDecode, ParametersNamesAndNumbering)
{
    // Bits 8 to 10 and 12 to 14 of the connection parameters; a field that is not a number gives 7.
    const std::pair<const char*, const char*> headers[] = {
        {"0x44640405", "Default Default"}, {"0x44643305", "3 3"}, {"0x00000000", "0 Default"}, {"Param", "7 7"}};
    for (const auto& [params, expected] : headers) {
        const auto list = Decoded(Entry("20 04 24 01 2C 65 2C 64", params));
        ASSERT_EQ(list.size(), 1u) << params;
        const auto t = EDS_Connection_Texts(list[0]);
        EXPECT_EQ(t[7] + " " + t[8], expected) << params;
    }
    std::vector<TConnData> list;
    DecodeConnStr(Entry("20 04 24 01 2C 65 2C 64", "0", "\"Exclusive Owner \"", "\"first\""), list);
    DecodeConnStr(Entry("20 04 24 01 2C 65"), list);
    DecodeConnStr(Entry("20 04 24 02 2C 66 2C 67", "0", "Input Only", ""), list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(EDS_Connection_Texts(list[0])[0], "Connection1");
    EXPECT_EQ(list[0].ConnName, "\"Exclusive Owner \"") << "names keep their quotation marks";
    EXPECT_EQ(list[0].HelpStr, "\"first\"");
    EXPECT_EQ(EDS_Connection_Texts(list[1])[0], "Connection2") << "numbered without the unusable entry";
    EXPECT_EQ(list[1].ConnName, "Input Only");
    EXPECT_EQ(list[1].InstanceOT, 2u);
}

TEST(EdsRead, EntriesOverSeveralLinesWithComments)
{
    const std::string oneLine = "Connection1 = " + Entry("20 04 24 80 2C 96 2C 64", "0x44643305") + "\n";
    const std::string split = "Object_Name = \"Connection Manager Object\";\n"
                              "Connection1 =\n"
                              "  0x04010002,   $ trigger\n"
                              "  0x44643305,   $ parameters\n"
                              "  Param1,,Assem150,  $ O->T\n"
                              "  Param1,,Assem100,  $ T->O\n"
                              "  ,,,,\n"
                              "  \"Exclusive Owner\",\t$ name\n"
                              "  \"\",  $ help\n"
                              "  \"20 04 24 80 2C 96 2C 64\"; $ path\n";
    const auto a = Read_EDS_Connections_Text(Section(oneLine), "a.eds");
    const auto b = Read_EDS_Connections_Text(Section(split), "b.eds");
    ASSERT_EQ(a.List_Conn.size(), 1u);
    EXPECT_EQ(a.List_Conn, b.List_Conn);
    EXPECT_EQ(Columns(b.List_Conn[0]), "128 150 128 100 3 3");
    EXPECT_EQ(b.Message, "");
}

TEST(EdsRead, OnlyConnectionKeysStartEntriesAndQuotedDollarsStay)
{
    // A name holding the word Connection on a line of its own, and a "$" inside a quoted name,
    // stay part of their entry; other keys of the section start nothing.
    const std::string body = "Revision = 1;\n"
                             "Object_Name = \"Connection Manager Object\";\n"
                             "Connection1 = 0x04010002, 0x44640405, P,,A, P,,B, ,,,,\n"
                             "  \"Connection to the $5 adapter\",\n"
                             "  \"Connection help\", \"20 04 24 01 2C 65 2C 64\";\n"
                             "MaxConnections = 2;\n"
                             "Connection12 =" +
                             Entry("20 04 24 07 2C 70 2C 71") +
                             "\n"
                             "connection3 = " +
                             Entry("20 04 24 09 2C 70 2C 71") + "\n";
    const auto read = Read_EDS_Connections_Text(Section(body), "x.eds");
    ASSERT_EQ(read.List_Conn.size(), 2u);
    EXPECT_EQ(read.List_Conn[0].ConnName, "\"Connection to the $5 adapter\"");
    EXPECT_EQ(read.List_Conn[0].HelpStr, "\"Connection help\"");
    EXPECT_EQ(read.List_Conn[1].InstanceOT, 7u) << "a lower-case key is not an entry key: it joins Connection12";
}

TEST(EdsRead, TheSectionOpensAndClosesAtItsHeaders)
{
    const std::string entry = Entry("20 04 24 01 2C 65 2C 64");
    const std::string text = "Connection1 = " + entry +
                             "\n"
                             "[Connection Manager] $ opens\n"
                             "Connection1 = " +
                             entry +
                             "\n"
                             "[Params]\n"
                             "Connection2 = " +
                             entry +
                             "\n"
                             "[Connection Manager]\n"
                             "Connection3 = " +
                             entry + "\n";
    const auto read = Read_EDS_Connections_Text(text, "x.eds");
    EXPECT_EQ(read.List_Conn.size(), 2u) << "only the entries inside the section";
}

TEST(EdsRead, RealFilesListWhatTheirConnectionManagerHolds)
{
    {
        CFG_TESTDATA_FILE(file, "eds/opener_sample_app.eds");
        const auto read = Read_EDS_Connections(file);
        EXPECT_EQ(read.Message, "");
        ASSERT_EQ(read.List_Conn.size(), 3u);
        const std::pair<const char*, const char*> expected[] = {
            {"\"Exlusive Owner\"", "151 150 151 100 Default Default"},
            {"\"Input Only\"", "151 152 151 100 3 Default"},
            {"\"Listen Only\"", "151 153 151 100 3 Default"},
        };
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(read.List_Conn[i].ConnIndex, int(i + 1));
            EXPECT_EQ(read.List_Conn[i].ConnName, expected[i].first);
            EXPECT_EQ(read.List_Conn[i].HelpStr, "\"\"");
            EXPECT_EQ(Columns(read.List_Conn[i]), expected[i].second) << i;
        }
    }
    {
        CFG_TESTDATA_FILE(file, "eds/eds_pie_demo.eds");
        const auto read = Read_EDS_Connections(file);
        EXPECT_EQ(read.Message, "");
        ASSERT_EQ(read.List_Conn.size(), 1u);
        EXPECT_EQ(read.List_Conn[0].ConnName, "\"Exclusive Owner \"");
        EXPECT_EQ(read.List_Conn[0].HelpStr, "");
        EXPECT_EQ(Columns(read.List_Conn[0]), "1 2 1 3 Default Default");
    }
}

TEST(EdsRead, FilesWithoutUsableConnectionsGiveAnEmptyListAndAMessage)
{
    TScratchDir dir;
    const std::string usable = Section("Connection1 = " + Entry("20 04 24 01 2C 65 2C 64"));
    std::string huge = usable;
    huge.resize(10 * 1000 * 1000, ' ');
    std::string utf16 = "\xFF\xFE";
    for (char c : usable) {
        utf16 += c;
        utf16 += '\0';
    }
    struct Case {
        const char* name;
        std::optional<std::string> content;  // nullopt: no such file
        std::size_t listed;
        const char* reason;  // the line after "Error!! No Valid Connection found"; "" none, nullptr no message
    };
    const Case cases[] = {
        {"usable", usable, 1, nullptr},
        {"UTF-16 with a byte-order mark", utf16, 1, nullptr},
        {"missing", std::nullopt, 0, "The file cannot be read: "},
        {"binary",
         std::string("\x7F"
                     "ELF\0\0\x01[Connection Manager]\n",
                     24) +
             "Connection1 = " + Entry("20 04 24 01 2C 65 2C 64"),
         0, "The file is not a text file: "},
        {"10 MB", huge, 0, "The file is larger than 8388608 bytes, more than an EDS file holds: "},
        {"no section", "[File]\nConnection1 = " + Entry("20 04 24 01 2C 65 2C 64"), 0,
         "The file has no [Connection Manager] section: "},
        {"no usable entry", Section("Connection1 = " + Entry("20 04 24 01 2C 65")), 0, ""},
        {"empty", "", 0, "The file has no [Connection Manager] section: "},
    };
    for (const auto& c : cases) {
        const auto file = dir / "device.eds";
        std::filesystem::remove(file);
        if (c.content)
            Write_File(file, *c.content);
        const auto read = Read_EDS_Connections(file);
        EXPECT_EQ(read.List_Conn.size(), c.listed) << c.name;
        if (!c.reason) {
            EXPECT_EQ(read.Message, "") << c.name;
        } else if (*c.reason == 0) {
            EXPECT_EQ(read.Message, "Error!! No Valid Connection found") << c.name;
        } else {
            EXPECT_EQ(read.Message, "Error!! No Valid Connection found\n" + std::string(c.reason) + file.string())
                << c.name;
        }
    }
    EXPECT_EQ(Read_EDS_Connections(dir.Path()).List_Conn.size(), 0u) << "a folder";
}
