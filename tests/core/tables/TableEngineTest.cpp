// The rule-table engine on a small two-table dialog of its own: the cell rules, reset, load with
// fallbacks and guards, the data check and the save, without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchDir.h"
#include "common/ULanguage.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"

namespace {

using namespace tables;

TEST(CellRules, IntegerReadingRule)
{
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},
        {"12", 12},
        {"   12", 12},  // leading blanks are skipped
        {"12 ", -1},    // a number followed by a blank is not one
        {"", -1},
        {" ", -1},
        {"+7", 7},
        {"-7", -7},
        {"--7", -1},
        {"$1F", 31},
        {"x1f", 31},
        {"X1F", 31},
        {"0x7FF", 2047},
        {"0X7ff", 2047},
        {"-0x10", -16},
        {"0x", -1},
        {"$", -1},
        {"0x1G", -1},
        {"1.5", -1},
        {"abc", -1},
        {"2147483647", 2147483647},
        {"2147483648", -1},
        {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -1},  // eight hexadecimal digits beyond the signed range read -1 too
        {"0xFFFFFFFF", -1},
        {"0x1FFFFFFF", 0x1FFFFFFF},
        {"99999999999999999999", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Cell_Int(c.text), c.value) << '"' << c.text << '"';
}

TEST(CellRules, TrimmedCellRule)
{
    struct Case {
        const char* text;
        const char* trimmed;
    };
    const Case cases[] = {
        {"", ""},
        {"   ", ""},
        {" a ", "a"},
        {"\ta\r\n", "a"},
        {"\x01"
         "a b\x1f",
         "a b"},                    // control characters go as blanks do, inner blanks stay
        {"\xC3\xA9 ", "\xC3\xA9"},  // letters beyond ASCII stay
        {"None", "None"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Cell_Trim(c.text), c.trimmed) << '"' << c.text << '"';
}

TEST(CellRules, EnableCellComparisons)
{
    struct Case {
        TEnableCompare compare;
        const char* cell;
        bool enabled;
    };
    const Case cases[] = {
        {TEnableCompare::TrimmedExact, "Y", true},  {TEnableCompare::TrimmedExact, " Y ", true},
        {TEnableCompare::TrimmedExact, "y", false}, {TEnableCompare::TrimmedUpper, "y ", true},
        {TEnableCompare::TrimmedUpper, "N", false}, {TEnableCompare::Upper, "y", true},
        {TEnableCompare::Upper, " Y", false},       {TEnableCompare::TrimmedExact, "", false},
    };
    for (const Case& c : cases) {
        TGridDesc g;
        g.Enable_Column = 1;
        g.Enable_Compare = c.compare;
        TTable t(3, 2);
        t.SetCell(1, 1, c.cell);
        EXPECT_EQ(Row_Enabled(g, t, 1), c.enabled) << '"' << c.cell << '"';
    }
}

// A dialog of two tables. "Read" (section Tables/Read): enable column 1, key column 2 (trimmed),
// a number 0 to 10 in column 3, a check box with a fallback in column 4. "Write" (section
// Tables/Write): no enable column, key column 1 compared untrimmed, a column 2 without fallback.
class TableEngine : public ::testing::Test {
protected:
    TableEngine()
    {
        Load_Default_Lang();
        TGridDesc read;
        read.Columns = {{.Caption = "N"},
                        {.Caption = "Enable", .Editor = TEditor::CheckBox},
                        {.Caption = "Name"},
                        {.Caption = "Count"},
                        {.Caption = "Swap", .Editor = TEditor::CheckBox},
                        {.Caption = "Position", .ReadOnly = true}};
        read.Section = {"Tables", "Read"};
        read.Attributes = {{.Name = "Enable", .Column = 1, .Fallback = "Y"},
                           {.Name = "Name", .Column = 2},
                           {.Name = "Count", .Column = 3, .Fallback = "0"},
                           {.Name = "Swap", .Column = 4, .Fallback = "N"}};
        read.Write_Key = read.Check_Key = {.Column = 2, .Compare = TKeyCompare::Trimmed};
        read.Enable_Column = 1;
        read.Rules = {Int_Range(3, 0, 10, 2447)};
        TGridDesc write;
        write.Columns = {{.Caption = "N"}, {.Caption = "Id"}, {.Caption = "Text"}};
        write.Section = {"Tables", "Write"};
        write.Attributes = {{.Name = "Id", .Column = 1}, {.Name = "Text", .Column = 2}};
        write.Write_Key = write.Check_Key = {.Column = 1, .Compare = TKeyCompare::Untrimmed};
        write.Rules = {Int_Range(1, 0, 99, 2448)};
        desc.Grids = {read, write};
        desc.Root = "Test_Tables";
        desc.Texts.Row_Prefix = 2444;
        Reset_Rows(desc.Grids[0], readCells);
        Reset_Rows(desc.Grids[1], writeCells);
    }
    std::vector<TCells*> Grids() { return {&readCells, &writeCells}; }
    std::vector<const TCells*> Const_Grids() { return {&readCells, &writeCells}; }
    void Put(TTable& t, int row, std::vector<std::string> cells)
    {
        for (std::size_t c = 0; c < cells.size(); ++c)
            t.SetCell(static_cast<int>(c) + 1, row, cells[c]);
    }
    std::optional<TTableFault> Check() { return First_Fault(desc, Const_Grids(), state); }
    std::string Load(std::string_view text)
    {
        testsupport::WriteFile(file, text);
        Reset_Rows(desc.Grids[0], readCells);
        Reset_Rows(desc.Grids[1], writeCells);
        return Load_Table_File(desc, file, Grids(), state);
    }

    TDialogDesc desc;
    TTable readCells{6, 5};   // four data rows
    TTable writeCells{3, 4};  // three data rows
    TTableState state;
    testsupport::ScratchDir dir;
    std::filesystem::path file = dir / "Test_Tables.xml";
};

TEST_F(TableEngine, ResetNumbersTheRowsItHasAndEnablesThem)
{
    readCells.SetCell(3, 2, "typed");
    Reset_Rows(desc.Grids[0], readCells);
    for (int r = 1; r < readCells.RowCount(); ++r) {
        EXPECT_EQ(readCells.Cell(0, r), std::to_string(r));
        EXPECT_EQ(readCells.Cell(1, r), "Y");
        for (int c = 2; c < readCells.ColCount(); ++c)
            EXPECT_EQ(readCells.Cell(c, r), "") << c << "," << r;
    }
    EXPECT_EQ(writeCells.Cell(1, 1), "") << "a table without enable column gets no \"Y\"";
}

TEST_F(TableEngine, SavesSectionsAlongTheirPathUpToTheFirstEmptyKey)
{
    Put(readCells, 1, {"Y", " a ", "1", "N"});
    Put(readCells, 2, {"N", "b", "x", "Y"});  // disabled rows are written as they stand
    Put(writeCells, 1, {" ", "blank key counts as filled"});
    Put(writeCells, 2, {"7", "t"});
    EXPECT_EQ(Table_File_Text(desc, Const_Grids(), state),
              "<Test_Tables><Tables><Read>"
              "<row Enable=\"Y\" Name=\" a \" Count=\"1\" Swap=\"N\"/>"
              "<row Enable=\"N\" Name=\"b\" Count=\"x\" Swap=\"Y\"/>"
              "</Read><Write>"
              "<row Id=\" \" Text=\"blank key counts as filled\"/><row Id=\"7\" Text=\"t\"/>"
              "</Write></Tables></Test_Tables><!--SW_VERSION = 1.000-->");
}

TEST_F(TableEngine, LoadThenSaveGivesTheSameBytes)
{
    Put(readCells, 1, {"Y", "a & <b>", "1", "N"});
    Put(readCells, 3, {"Y", "", "", ""});
    Put(writeCells, 1, {"1", "\"q\""});
    Save_Table_File(desc, file, Const_Grids(), state);
    const std::string first = testsupport::ReadFile(file);
    EXPECT_EQ(Load(first), "");
    EXPECT_EQ(readCells.Cell(2, 1), "a & <b>");
    EXPECT_EQ(readCells.Cell(2, 3), "") << "rows after the first empty key are not written";
    Save_Table_File(desc, file, Const_Grids(), state);
    EXPECT_EQ(testsupport::ReadFile(file), first);
}

TEST_F(TableEngine, FallbacksFillMissingAttributesAndTheRootNameIsNotCompared)
{
    EXPECT_EQ(Load("<?xml version=\"1.0\"?>\n<Other>\n  <Tables><Read><row Name=\"a\"/><x Name=\"b\" Count=\"3\"/>"
                   "</Read><Write/></Tables></Other>"),
              "");
    EXPECT_EQ(readCells.Cell(1, 1), "Y");
    EXPECT_EQ(readCells.Cell(3, 1), "0");
    EXPECT_EQ(readCells.Cell(4, 1), "N");
    EXPECT_EQ(readCells.Cell(2, 2), "b") << "every child fills the next row, whatever its name";
    EXPECT_EQ(readCells.Cell(3, 2), "3");
}

TEST_F(TableEngine, MissingAttributeWithoutFallbackStopsTheLoadAndKeepsTheRowsRead)
{
    const std::string text = "<T><Tables><Read><row Name=\"a\"/><row Count=\"2\"/><row Name=\"c\"/></Read>"
                             "<Write><row Id=\"1\" Text=\"t\"/></Write></Tables></T>";
    const std::string note = Load(text);
    EXPECT_NE(note.find(file.string()), std::string::npos) << note;
    EXPECT_NE(note.find("Row 2 has no attribute Name"), std::string::npos) << note;
    EXPECT_EQ(readCells.Cell(2, 1), "a");
    EXPECT_EQ(readCells.Cell(3, 2), "") << "the row with the missing attribute stops where it is";
    EXPECT_EQ(readCells.Cell(2, 3), "");
    EXPECT_EQ(writeCells.Cell(1, 1), "") << "the loading ends there, the later tables included";
    EXPECT_EQ(testsupport::ReadFile(file), text) << "loading never writes the file";
}

TEST_F(TableEngine, UnreadableFilesLeaveTheResetRowsAndSayWhy)
{
    struct Case {
        const char* what;
        std::string text;
        std::string note;
    };
    const Case cases[] = {
        {"not well-formed", "<T><Tables><Read><row Name=\"a\"></T>", "The file cannot be read: " + file.string()},
        {"empty", "", "The file cannot be read: " + file.string()},
        {"no section", "<T><Tables><Write/></Tables></T>", "Tables/Read: the file has no section for this table."},
        {"more rows than the grid",
         "<T><Tables><Read><row Name=\"1\"/><row Name=\"2\"/><row Name=\"3\"/><row Name=\"4\"/><row Name=\"5\"/>"
         "</Read><Write/></Tables></T>",
         "Tables/Read: the file holds 5 rows; the rows after row 4 were not loaded."},
    };
    for (const Case& c : cases) {
        const std::string note = Load(c.text);
        EXPECT_NE(note.find(c.note), std::string::npos) << c.what << ": " << note;
        EXPECT_EQ(testsupport::ReadFile(file), c.text) << c.what;
    }
    EXPECT_EQ(readCells.Cell(2, 4), "4") << "what fits is loaded";
}

TEST_F(TableEngine, CheckReportsTheFirstBrokenRuleOfTheFirstTable)
{
    Put(readCells, 1, {"Y", "a", "10"});
    Put(readCells, 2, {"N", "b", "11"});  // disabled: not tested
    Put(readCells, 3, {"Y", "c", "11"});
    Put(writeCells, 1, {"100"});
    const auto fault = Check();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Grid, 0);
    EXPECT_EQ(fault->Row, 3);
    EXPECT_EQ(fault->Message, "Error row 3!! Dimension must be between 1 and 8");
    readCells.SetCell(3, 3, "0x0A");
    const auto second = Check();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Message, "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds");
    writeCells.SetCell(1, 1, "99");
    EXPECT_FALSE(Check());
    EXPECT_EQ(readCells.Cell(3, 3), "0x0A") << "the check never changes a cell";
}

TEST_F(TableEngine, RowsAfterTheEndOfTheTableMustBeEmpty)
{
    Put(readCells, 1, {"Y", "a", "1"});
    Put(readCells, 3, {"Y", "", "5"});  // row 2 has no Name: row 3 would be dropped
    const auto fault = Check();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Row, 2);
    EXPECT_EQ(fault->Message, "Row 2 has no Name. Rows are saved only up to the first row without it, so this row "
                              "and the rows after it would not be saved. Fill it in or delete the rows.");
    readCells.SetCell(3, 3, "");
    readCells.SetCell(4, 3, "Y");  // a ticked box or a computed cell is not something typed
    readCells.SetCell(5, 3, "9");
    EXPECT_FALSE(Check());
}

TEST_F(TableEngine, EnableBeforeKeyPassesOverDisabledRowsWithoutKey)
{
    desc.Grids[0].Enable_Before_Key = true;
    desc.Grids[0].Write_Key.Column = 3;  // keep row 3 written, so that nothing is dropped
    Put(readCells, 1, {"N", "", "1"});
    Put(readCells, 2, {"Y", "b", "11"});
    ASSERT_TRUE(Check());
    EXPECT_EQ(Check()->Row, 2);
    desc.Grids[0].Enable_Before_Key = false;
    EXPECT_FALSE(Check()) << "without it the check ends at row 1";
}

TEST_F(TableEngine, HooksTakeRunningTotalsAndFaultsWithoutRow)
{
    desc.Before_Check = [](TTableState& s) { s.Vars["total"] = 0; };
    desc.Grids[0].Rules.push_back([](const TRowView& row) -> std::optional<TRuleFault> {
        row.State.Vars["total"] += row.Int(3);
        if (row.State.Var("total") > 12)
            return TRuleFault{.Text = 2450, .Suffix = "!", .Row_Prefix = false};
        return std::nullopt;
    });
    Put(readCells, 1, {"Y", "a", "6"});
    Put(readCells, 2, {"Y", "b", "6"});
    EXPECT_FALSE(Check());
    EXPECT_FALSE(Check()) << "the total starts afresh at every check";
    Put(readCells, 3, {"Y", "c", "1"});
    const auto fault = Check();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Message, " or None!");
    EXPECT_EQ(fault->Row, 0);
}

}  // namespace
