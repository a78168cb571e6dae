// Typed cell access of the string grid (integers, floats, dates), its errors, fills, headers, the
// print measurements and cell checking.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Regional.h"

namespace gx {
namespace {

class GxGridTyped : public ::testing::Test {
protected:
    void SetUp() override { regional.emplace(rtl::TFormatSettings::Neutral()); }
    std::optional<rtl::TRegionalScope> regional;
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridTyped, IntegersAndFloatsReadTheCellTextOrRaise)
{
    struct IntCase {
        const char* text;
        int value;
    } ints[] = {{" 42 ", 42}, {"", 0}, {"-", 0}, {"<b>7</b>", 7}, {"-13", -13}};
    for (const IntCase& c : ints) {
        grid.SetCells(1, 1, c.text);
        EXPECT_EQ(grid.Ints(1, 1), c.value) << c.text;
    }
    struct FloatCase {
        const char* text;
        double value;
    } floats[] = {{"(12.5)", -12.5}, {"1,234.5", 1234.5}, {"", 0}, {"-", 0}, {"<i>2.25</i>", 2.25}};
    for (const FloatCase& c : floats) {
        grid.SetCells(1, 1, c.text);
        EXPECT_DOUBLE_EQ(grid.Floats(1, 1), c.value) << c.text;
    }
    for (const char* text : {"4x", "abc"}) {
        grid.SetCells(1, 1, text);
        try {
            grid.Ints(1, 1);
            ADD_FAILURE() << text;
        } catch (const VIdiRazeRaduz& e) {
            EXPECT_EQ(e.Message, "Cell does not contain integer value");
        }
        EXPECT_EQ(grid.Cells(1, 1), text);  // a failed read changes nothing
    }
    for (const char* text : {"1.2.3", "text"}) {
        grid.SetCells(1, 1, text);
        try {
            grid.Floats(1, 1);
            ADD_FAILURE() << text;
        } catch (const VIdiRazeRaduz& e) {
            EXPECT_EQ(e.Message, "Cell does not contain a float value");
        }
    }
    grid.SetFloats(2, 2, 3.14159);
    EXPECT_EQ(grid.Cells(2, 2), "3.14");
    grid.SetInts(2, 3, -8);
    EXPECT_EQ(grid.Cells(2, 3), "-8");
    grid.HideRow(3);
    EXPECT_EQ(grid.AllInts(2, 3), -8);
    grid.SetAllFloats(2, 3, 0.5);
    EXPECT_DOUBLE_EQ(grid.AllFloats(2, 3), 0.5);
}

TEST_F(GxGridTyped, DatesWriteZeroOnlyWhenAsked)
{
    grid.SetDates(1, 1, 0);
    EXPECT_FALSE(grid.Cells(1, 1).empty());
    grid.ShowNullDates = false;
    grid.SetDates(1, 1, 0);
    EXPECT_EQ(grid.Cells(1, 1), "");
    const rtl::TDateTime day = rtl::EncodeDate(2024, 3, 5);
    grid.SetDates(1, 2, day);
    EXPECT_DOUBLE_EQ(grid.Dates(1, 2), day);
    grid.SetCells(1, 3, "no date");
    EXPECT_THROW(grid.Dates(1, 3), rtl::EConvertError);
}

TEST_F(GxGridTyped, FillsCoverTheNormalCellsOrAll)
{
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.LinearFill(false);
    EXPECT_EQ(grid.Cells(1, 1) + grid.Cells(2, 1) + grid.Cells(1, 2) + grid.Cells(2, 2), "1:12:11:22:2");
    EXPECT_EQ(grid.Cells(0, 0), "");
    grid.FormatFill(false, "C%dR%d");
    EXPECT_EQ(grid.Cells(1, 1), "C1R1");
    grid.TextFill(true, "t");
    EXPECT_EQ(grid.Cells(0, 0), "t");
    grid.RandomFill(false, 3);
    EXPECT_LT(grid.Ints(2, 2), 3);
}

TEST_F(GxGridTyped, HeadersBreakLinesAndPrintColumnsStayInTheirRange)
{
    grid.ColumnHeaders()->Add("first\\nsecond");
    grid.ColumnHeaders()->Add("b");
    EXPECT_EQ(grid.Cells(0, 0), "first\rsecond");
    EXPECT_EQ(grid.Cells(1, 0), "b");
    rtl::TStringList shorter;
    shorter.Add("only");
    grid.SetColumnHeaders(shorter);  // clears the row first
    EXPECT_EQ(grid.Cells(1, 0), "");
    grid.RowHeaders()->Add("r0");
    grid.RowHeaders()->Add("r1");
    EXPECT_EQ(grid.Cells(0, 1), "r1");

    grid.SetPrintColWidth(511, 40);
    EXPECT_EQ(grid.PrintColWidth(511), 40);
    for (int c : {512, -1}) {
        try {
            grid.PrintColOffset(c);
            ADD_FAILURE() << c;
        } catch (const VIdiRazeRaduz& e) {
            EXPECT_EQ(e.Message, "Columns is not in valid range");
        }
    }
}

class MarkingChecker : public TGxStringGridCheck {
public:
    using TGxStringGridCheck::TGxStringGridCheck;
    std::string MarkError(int, int, std::string s) override { return s.find("bad") == 0 ? "<e>" + s + "</e>" : s; }
};

TEST_F(GxGridTyped, CheckingMarksFaultsOnceAndLeavesOtherTextsAsWritten)
{
    MarkingChecker checker(nullptr);
    checker.UseMarkError = true;
    grid.CellChecker = &checker;
    grid.SetCells(1, 1, "bad");
    grid.SetCells(1, 2, "a &lt; b");
    EXPECT_FALSE(grid.CheckCells(1, 1, 1, 2));
    EXPECT_EQ(grid.Cells(1, 1), "<e>bad</e>");
    EXPECT_EQ(grid.Cells(1, 2), "a &lt; b");
    EXPECT_FALSE(grid.CheckCell(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), "<e>bad</e>");  // marked once, not twice
    grid.CellChecker = nullptr;
    EXPECT_TRUE(grid.CheckGrid(true));
}

}  // namespace
}  // namespace gx
