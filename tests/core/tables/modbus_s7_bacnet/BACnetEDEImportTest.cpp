// The EDE import: where the data of a file start, how a line splits into its sixteen fields, which
// objects are kept, the encodings a file comes in and bad files; then the picked objects appended
// to the client's tables with consecutive positions.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "ScratchDir.h"
#include "core/tables/TableEngine.h"
#include "core/tables/modbus_s7_bacnet/BACnetAccessTable.h"
#include "core/tables/modbus_s7_bacnet/BACnetEDEImport.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace tables::modbus_s7_bacnet;

// A file of the published template: five header lines, the column states on line 7, titles on 8.
const std::string Template_Header =
    "PROJECT_NAME;Demo\r\nVERSION_OF_REFERENCEFILE;1\r\nTIMESTAMP_OF_LAST_CHANGE;x\r\nAUTHOR_OF_LAST_CHANGE;x\r\n"
    "VERSION_OF_LAYOUT;2\r\n\r\n# mandatory;mandatory;mandatory;mandatory;mandatory;optional\r\n"
    "# keyname;device obj.-instance;object-name;object-type;object-instance;description\r\n";

std::vector<std::string> Names(const std::vector<TBACnet_Var>& vars)
{
    std::vector<std::string> names;
    for (const TBACnet_Var& v : vars)
        names.push_back(v.object_name);
    return names;
}

TEST(EdeReader, FieldsOfATemplateLine)
{
    const auto vars = Parse_EDE_Text(Template_Header +
                                     " k1 ; 7 ; Boiler ; 0 ; 12 ; Flow temperature ; 20.5 ; 0 ; 100 ; y ; Y ; 90 ; 5 ; "
                                     "st ; 62 ; addr;with;semicolons; \r\n");
    ASSERT_EQ(vars.size(), 1u);
    const TBACnet_Var& v = vars[0];
    EXPECT_EQ(v.keyname, "k1");
    EXPECT_EQ(v.device_obj_instance, 7);
    EXPECT_EQ(v.object_name, "Boiler");
    EXPECT_EQ(v.object_type, 0);
    EXPECT_EQ(v.object_instance, 12);
    EXPECT_EQ(v.description, "Flow temperature");
    EXPECT_EQ(v.present_value_default, "20.5");
    EXPECT_EQ(v.min_present_value, "0");
    EXPECT_EQ(v.max_present_value, "100");
    EXPECT_TRUE(v.commandable);
    EXPECT_TRUE(v.support_COV);
    EXPECT_EQ(v.hi_limit, "90");
    EXPECT_EQ(v.low_limit, "5");
    EXPECT_EQ(v.stete_text_reference, "st");
    EXPECT_EQ(v.unit_code, "62");
    EXPECT_EQ(v.vendor_specific_address, "addr;with;semicolons") << "the rest of the line, one trailing ; dropped";
    EXPECT_TRUE(v.import);
    EXPECT_TRUE(v.read);
    EXPECT_TRUE(v.write) << "commandable";
}

struct ReaderCase {
    const char* what;
    std::string text;
    std::vector<std::string> names;  // of the objects kept, in order
};

class EdeReaderFinds : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(EdeReaderFinds, TheObjects)
{
    EXPECT_EQ(Names(Parse_EDE_Text(GetParam().text)), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EdeReaderFinds,
    ::testing::Values(
        ReaderCase{"data after the titles of line 8", Template_Header + "k;1;a;0;0;d\r\nk;1;b;3;0;d\r\n", {"a", "b"}},
        ReaderCase{"a short file is scanned", "# mandatory;mandatory\n# titles\nk;1;a;2;0;d\n", {"a"}},
        ReaderCase{"the last mandatory line wins",
                   "# mandatory\ntitles\nk;1;a;0;0;d\n#mandatory again\ntitles\nk;1;b;0;0;d\n",
                   {"b"}},
        ReaderCase{"mandatory must be lower case", "# Mandatory\ntitles\nk;1;a;0;0;d\n", {}},
        ReaderCase{"no mandatory line", "k;1;a;0;0;d\nk;1;b;0;0;d\n", {}},
        ReaderCase{"devices and notification classes are not listed",
                   "# mandatory\nt\nk;1;dev;8;0;d\nk;1;nc;15;0;d\nk;1;mv;19;0;d\nk;1;piv;48;0;d\n",
                   {"mv", "piv"}},
        ReaderCase{"blank lines skipped and comment marks not looked at after the start",
                   "# mandatory\nt\n\n   \n# k;1;c;0;0;d\nk;1;a;1;0;d\n",
                   {"c", "a"}},
        ReaderCase{"lines end with CR alone", "# mandatory\rt\rk;1;a;4;0;d\rk;1;b;5;0;d", {"a", "b"}},
        ReaderCase{"a type beyond 32 bits", "# mandatory\nt\nk;1;big;4294967296;0;d\n", {}},
        ReaderCase{"a line without semicolons", "# mandatory\nt\n0\n", {}}, ReaderCase{"empty", "", {}}),
    testsupport::kNameByWhat);

TEST(EdeReader, NumbersThatAreNotNumbersReadMinusOne)
{
    const auto vars = Parse_EDE_Text("# mandatory\nt\nk;dev;a;2;4294967296;d;;;;n;\n");
    ASSERT_EQ(vars.size(), 1u);
    EXPECT_EQ(vars[0].device_obj_instance, -1);
    EXPECT_EQ(vars[0].object_instance, -1);
    EXPECT_FALSE(vars[0].commandable);
    EXPECT_FALSE(vars[0].write);
}

TEST(EdeReader, EncodingsByByteOrderMarkElseWindows1252)
{
    const std::string text = "# mandatory\r\nt\r\nk;1;K\xC3\xBChler;0;0;d\r\n";  // UTF-8 "Kühler"
    auto utf16 = [&](bool big) {
        std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
        for (char c : std::string("# mandatory\r\nt\r\nk;1;K\xFChler;0;0;d\r\n")) {
            const char pair[2] = {big ? '\0' : c, big ? c : '\0'};
            bytes.append(pair, 2);
        }
        return bytes;
    };
    const std::pair<const char*, std::string> files[] = {
        {"UTF-8 with mark", "\xEF\xBB\xBF" + text},
        {"Windows-1252", "# mandatory\r\nt\r\nk;1;K\xFChler;0;0;d\r\n"},
        {"UTF-16 little endian", utf16(false)},
        {"UTF-16 big endian", utf16(true)},
    };
    for (const auto& [what, bytes] : files) {
        const auto vars = Parse_EDE_Text(Decode_EDE_Bytes(bytes));
        EXPECT_EQ(Names(vars), std::vector<std::string>{"K\xC3\xBChler"}) << what;
    }
    // UTF-16 without a mark reads as Windows-1252: no line is "# mandatory", so nothing is listed.
    std::string unmarked = utf16(false).substr(2);
    EXPECT_TRUE(Parse_EDE_Text(Decode_EDE_Bytes(unmarked)).empty());
}

TEST(EdeReader, BadFilesGiveAnEmptyListOrAnError)
{
    testsupport::ScratchDir dir;
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 37) & 0xFF);
    testsupport::WriteFile(dir / "binary.csv", binary);
    EXPECT_TRUE(Load_EDE_File(dir / "binary.csv").empty());
    testsupport::WriteFile(dir / "empty.csv", "");
    EXPECT_TRUE(Load_EDE_File(dir / "empty.csv").empty());
    EXPECT_THROW(Load_EDE_File(dir / "missing.csv"), rtl::Exception);

    // A line of 10,000 fields keeps the rest from field 16 on.
    std::string wide = "# mandatory\nt\nk;1;wide;0;0";
    for (int i = 5; i < 10000; ++i)
        wide += ";" + std::to_string(i);
    const auto vars = Parse_EDE_Text(wide);
    ASSERT_EQ(vars.size(), 1u);
    EXPECT_TRUE(vars[0].vendor_specific_address.starts_with("15;16;17;"));
    EXPECT_TRUE(vars[0].vendor_specific_address.ends_with(";9999"));

    // 10 MB of objects.
    std::string big = "# mandatory\nt\n";
    while (big.size() < 10'000'000)
        big += "key;1;name;3;" + std::to_string(big.size()) + ";a binary input;0;0;1;N;N;;;;95;\n";
    EXPECT_GT(Parse_EDE_Text(big).size(), 100000u);
}

// The client's tables as plain cells, reset as a show leaves them.
class EdeImportIntoTables : public ::testing::Test {
protected:
    EdeImportIntoTables()
        : read(BACnet_Access_Desc().Grids[0].Col_Count(), 513), write(BACnet_Access_Desc().Grids[1].Col_Count(), 513)
    {
        tables::Reset_Rows(BACnet_Access_Desc().Grids[0], read);
        tables::Reset_Rows(BACnet_Access_Desc().Grids[1], write);
    }
    static TBACnet_Var Var(const std::string& name, int type, int instance, bool commandable = false)
    {
        TBACnet_Var v;
        v.object_name = name;
        v.object_type = type;
        v.object_instance = instance;
        v.description = "d";
        v.commandable = commandable;
        v.import = v.read = true;
        v.write = commandable;
        return v;
    }
    std::vector<std::string> Column(const tables::TCells& cells, int col, int rows) const
    {
        std::vector<std::string> texts;
        for (int r = 1; r <= rows; ++r)
            texts.push_back(cells.Cell(col, r));
        return texts;
    }

    tables::TTable read, write;
};

TEST_F(EdeImportIntoTables, ConsecutivePositionsFromAnEmptyTable)
{
    const auto result = Import_EDE_Objects(read, write, bacnet_read::Address, "192.168.0.20",
                                           {Var("b1", 3, 1), Var("b2", 3, 2), Var("b3", 3, 3), Var("av", 2, 7)});
    EXPECT_EQ(result.Read_Rows, 4);
    EXPECT_EQ(result.Write_Rows, 0);
    EXPECT_EQ(Column(read, bacnet_read::Position, 5), (std::vector<std::string>{"0", "1", "2", "3", ""}));
    EXPECT_EQ(Column(read, bacnet_read::NByte, 4), (std::vector<std::string>{"1", "1", "1", "4"}));
    std::vector<std::string> row;
    for (int c = 1; c < read.ColCount(); ++c)
        row.push_back(read.Cell(c, 4));
    EXPECT_EQ(row, (std::vector<std::string>{"Y", "192.168.0.20", "Analog Value", "7", "Present Value (85)", "4", "N",
                                             "", "", "", "1000", "0", "3", "0", "N", "", "av - d"}));
}

TEST_F(EdeImportIntoTables, AfterTheHighestByteUsedAndInBothTables)
{
    // Row 1 at 10 with 4 bytes, row 2 at 0 with 2: the next byte is 14; row 3 is the first free row.
    for (const auto& [r, position, bytes] : {std::tuple{1, "10", "4"}, std::tuple{2, "0", "2"}}) {
        read.SetCell(bacnet_read::Address, r, "10.0.0.1");
        read.SetCell(bacnet_read::Position, r, position);
        read.SetCell(bacnet_read::NByte, r, bytes);
    }
    // A row after the first empty one counts for the position, not for where rows go.
    read.SetCell(bacnet_read::Address, 9, "10.0.0.1");
    read.SetCell(bacnet_read::Position, 9, "x");
    read.SetCell(bacnet_read::NByte, 9, "4");
    const auto result = Import_EDE_Objects(read, write, bacnet_read::Address, "10.0.0.2",
                                           {Var("ao", 1, 1, true), Var("lav", 46, 2, true)});
    EXPECT_EQ(Column(read, bacnet_read::Position, 4), (std::vector<std::string>{"10", "0", "14", "18"}));
    EXPECT_EQ(Column(write, bacnet_write::Position, 2), (std::vector<std::string>{"0", "4"}));
    EXPECT_EQ(Column(write, bacnet_write::Data_Type, 2), (std::vector<std::string>{"Real", "Double"}));
    EXPECT_EQ(result.Write_Rows, 2);
    std::vector<std::string> row;
    for (int c = 1; c < write.ColCount(); ++c)
        row.push_back(write.Cell(c, 2));
    EXPECT_EQ(row, (std::vector<std::string>{"Y",      "10.0.0.2", "Large Analog Value",
                                             "Double", "2",        "Present Value (85)",
                                             "0",      "8",        "N",
                                             "",       "",         "",
                                             "N",      "N",        "1000",
                                             "0",      "4",        "0",
                                             "N",      "",         "lav - d"}));
}

TEST_F(EdeImportIntoTables, WithoutAddressTheObjectTypeIsTheKey)
{
    read.SetCell(bacnet_read::Object_Type, 1, "Analog Input");
    read.SetCell(bacnet_read::Address, 2, "left from before");
    Import_EDE_Objects(read, write, bacnet_read::Object_Type, "", {Var("a", 0, 1)});
    EXPECT_EQ(read.Cell(bacnet_read::Object_Type, 2), "Analog Input");
    EXPECT_EQ(read.Cell(bacnet_read::Address, 2), "");
}

TEST_F(EdeImportIntoTables, NothingPickedNothingImported)
{
    TBACnet_Var v = Var("a", 0, 1, true);
    v.import = false;
    const auto result = Import_EDE_Objects(read, write, bacnet_read::Address, "10.0.0.2", {v});
    EXPECT_EQ(result.Read_Rows + result.Write_Rows, 0);
    EXPECT_EQ(read.Cell(bacnet_read::Address, 1), "");
}

TEST_F(EdeImportIntoTables, MoreObjectsThanRowsImportWhatFits)
{
    for (int r = 1; r <= 500; ++r)
        read.SetCell(bacnet_read::Address, r, "10.0.0.1");
    std::vector<TBACnet_Var> vars;
    for (int i = 0; i < 20; ++i)
        vars.push_back(Var("o" + std::to_string(i), 0, i, i < 3));
    const auto result = Import_EDE_Objects(read, write, bacnet_read::Address, "10.0.0.2", vars);
    EXPECT_EQ(result.Read_Rows, 12);
    EXPECT_EQ(result.Read_Left_Out, 8);
    EXPECT_EQ(result.Write_Rows, 3);
    EXPECT_EQ(result.Write_Left_Out, 0);
    EXPECT_EQ(read.Cell(bacnet_read::Mnemonic, 512), "o11 - d");
    EXPECT_EQ(read.RowCount(), 513) << "nothing past the last data row";
}

}  // namespace
