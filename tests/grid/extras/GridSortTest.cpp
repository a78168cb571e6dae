// Sorting: the comparison styles on awkward values, blank placement, one-column, indexed and
// header-click sorts, unsort, and a sort that fails midway.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ExtrasFixture.h"
#include "grid/extras/GridExtras.h"
#include "grid/extras/GridSort.h"
#include "grid/extras/GridSortCompare.h"
#include "platform/rtl/Regional.h"

namespace gx {
namespace {

using extrastest::CellsOf;
using extrastest::Fill;
using Table = std::vector<std::vector<std::string>>;

std::vector<std::string> Column(TGxStringGrid& g, int c)
{
    std::vector<std::string> out;
    for (int r = 0; r < g.RowCount(); ++r)
        out.push_back(g.Cells(c, r));
    return out;
}

struct StyleCase {
    TSortStyle Style;
    std::string A, B;
    int Expected;
    std::string Prefix = {}, Suffix = {};
};

TEST(GridSortCompare, EveryStyleOnAwkwardValues)
{
    const std::vector<StyleCase> cases = {
        {ssAutomatic, "12", "9", 1},
        {ssAutomatic, "b", "A", 1},  // ordinal: capitals first
        {ssAutomatic, "1e3", "999", 1},
        {ssAutomatic, "01/02/2020", "12/31/2019", 1},  // detected as a date
        // Whether a text counts as a number decides between value and text order.
        {ssAutomatic, "-5", "-3", -1},
        {ssAutomatic, "1,000", "999", 1},  // a number by its shape, no value: after the numbers
        {ssAutomatic, "+50", "10", -1},    // a plus sign in front makes it text
        {ssAutomatic, "-", "5", 1},
        {ssAutomatic, ".", "5", 1},
        {ssAutomatic, "-.", "5", 1},
        {ssAutomatic, "1.2.3", "5", -1},
        {ssAutomatic, "-1-2", "5", -1},
        {ssAutomatic, "1e5", "2", 1},
        {ssAutomatic, "e5", "2", 1},
        {ssAlphabetic, "a", "B", 1},
        {ssAlphaCase, "abc", "abcd", -1},
        {ssAlphaNoCase, "a", "B", -1},
        {ssAlphaNoCase, "Straße", "STRASSE", 1},
        {ssAnsiAlphaNoCase, "a", "B", -1},
        {ssAnsiAlphaCase, "b", "b", 0},
        {ssNumeric, "", "5", -1},  // an empty cell is 0
        {ssNumeric, "-1", "", -1},
        {ssNumeric, "x", "y", 0},     // two texts that are no numbers are equal
        {ssNumeric, "2", "abc", -1},  // numbers before texts that are none
        {ssNumeric, "$10 kg", "$9 kg", 1, "$", " kg"},
        {ssFinancial, "1,000.5", "999", 1},
        {ssDate, "01/02/2020", "12/31/2019", 1},
        {ssDate, "", "01/01/1900", -1},
        {ssDateTime, "01/02/2020 10:00", "01/02/2020 09:00", 1},
        {ssTime, "10:00", "9:30", 1},
        {ssTime, "nonsense", "", 0},
        {ssShortDateEU, "01/02/2020", "15/01/2020", 1},
        {ssShortDateUS, "01/02/2020", "12/01/2019", 1},
        {ssAlphaNumeric, "10", "9", 1},
        {ssAlphaNumeric, "10", "a", -1},
        {ssAlphaNumericNoCase, "a", "B", -1},
        {ssHTML, "<b>b</b>", "a", 1},
        {ssCustom, "a", "b", 0},  // no handler: equal
        {ssRaw, "a", "b", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Style) + " " + c.A + " | " + c.B);
        TGxStringGrid g(nullptr);
        Fill(g, {{c.A}, {c.B}});
        g.OnGetFormat = [&](TObject*, int, TSortStyle& s, std::string& p, std::string& x) {
            s = c.Style;
            p = c.Prefix;
            x = c.Suffix;
        };
        EXPECT_EQ(CompareCells(g, 0, 0, sdAscending, 1), c.Expected);
    }
}

TEST(GridSortCompare, CheckBoxesImagesAndHandlerStyles)
{
    TGxStringGrid g(nullptr);
    g.SetRowCount(2);
    g.SetColCount(2);
    g.AddCheckBox(0, 0, true, false);
    g.AddCheckBox(0, 1, false, false);
    EXPECT_EQ(CompareCells(g, 0, 0, sdAscending, 1), 1);  // automatic picks the check-box style
    EXPECT_EQ(CompareCells(g, 0, 1, sdAscending, 0), -1);

    g.SetCells(1, 0, "x");
    g.SetCells(1, 1, "y");
    TSortStyle style = ssCustom;
    g.OnGetFormat = [&](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = style; };
    g.OnCustomCompare = [](TObject*, const std::string& a, const std::string& b, int& res) {
        res = a == "x" && b == "y" ? 1 : -1;
    };
    g.OnRawCompare = [](TObject*, int col, int r1, int r2, int& res) { res = col == 1 && r1 == 0 && r2 == 1 ? -1 : 1; };
    EXPECT_EQ(CompareCells(g, 1, 0, sdAscending, 1), 1);
    style = ssRaw;
    EXPECT_EQ(CompareCells(g, 1, 0, sdAscending, 1), -1);
}

TEST(GridSortCompare, DatesAndNumbersFollowTheProgramsRegionalSettings)
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.DateSeparator = '.';
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ".";
    fs.ShortDateFormat = "d.M.yyyy";
    rtl::TRegionalScope scope(fs);
    TGxStringGrid g(nullptr);
    // As text "01..." sorts first; as dates 1 February comes after 15 January.
    Fill(g, {{"01.02.2020", "1,5", "2020.01.02"}, {"15.01.2020", "1,25", "2019.12.31"}});
    EXPECT_EQ(CompareCells(g, 0, 0, sdAscending, 1), 1);
    g.OnGetFormat = [](TObject*, int c, TSortStyle& s, std::string&, std::string&) {
        if (c == 1)
            s = ssNumeric;
    };
    EXPECT_EQ(CompareCells(g, 1, 0, sdAscending, 1), 1);  // 1.5 > 1.25
    // A date separator at position 5 is no date: compared as text.
    EXPECT_EQ(CompareCells(g, 2, 0, sdAscending, 1), 1);
    g.SetCells(2, 1, "2100.01.01");
    EXPECT_EQ(CompareCells(g, 2, 0, sdAscending, 1), -1);
}

TEST(GridSortCompare, BlanksArePlacedByBlankPosInEitherDirection)
{
    InstallGridExtras();
    TGxStringGrid g(nullptr);
    Fill(g, {{""}, {"b"}});
    g.SortSettings()->IgnoreBlanks = true;
    struct Case {
        TSortBlankPosition Pos;
        TSortDirection Dir;
        int Expected;
    };
    for (const Case& c : std::vector<Case>{{blLast, sdAscending, 1},
                                           {blLast, sdDescending, -1},
                                           {blFirst, sdAscending, -1},
                                           {blFirst, sdDescending, 1}}) {
        g.SortSettings()->BlankPos = c.Pos;
        EXPECT_EQ(CompareCells(g, 0, 0, c.Dir, 1), c.Expected) << c.Pos << " " << c.Dir;
        EXPECT_EQ(CompareCells(g, 0, 1, c.Dir, 0), -c.Expected);
    }
    // Sorted both ways, the blanks stay last.
    Fill(g, {{"h"}, {""}, {"c"}, {"a"}, {""}, {"b"}});
    g.SetFixedRows(1);
    g.SortSettings()->BlankPos = blLast;
    Sort(g, 0, sdAscending);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"h", "a", "b", "c", "", ""}));
    Sort(g, 0, sdDescending);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"h", "c", "b", "a", "", ""}));
}

TEST(GridSortCompare, TiesAndIgnoredColumns)
{
    TGxStringGrid g(nullptr);
    Fill(g, {{"1", "b"}, {"1", "a"}});
    EXPECT_EQ(CompareRows(g, 0, 0, 1), 1);  // Full: the next column decides
    g.SortSettings()->Full = false;
    EXPECT_EQ(CompareRows(g, 0, 0, 1), 0);
    g.SortSettings()->Full = true;
    g.SetCells(0, 1, "0");
    g.IgnoreColumns()->Add(0);  // compares equal; the next column decides
    EXPECT_EQ(CompareRows(g, 0, 0, 1), 1);
    g.SortIndexes()->AddIndex(1, false);
    EXPECT_EQ(CompareRowsIndexed(g, 0, 0, 1), -1);  // descending entry negates
}

class GridSort : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        Fill(g, {{"#", "name", "n"},
                 {"1", "pear", "10"},
                 {"2", "apple", "9"},
                 {"3", "fig", "10"},
                 {"4", "apple", ""},
                 {"5", "kiwi", "100"},
                 {"sum", "", "129"}});
        g.SetFixedRows(1);
        g.SetFixedFooters(1);
    }
    TGxStringGrid g{nullptr};
};

TEST_F(GridSort, OneColumnKeepsFixedAndFooterRowsAndBreaksTies)
{
    Sort(g, 2, sdAscending);
    // Blank counts as 0; the two 10s have no column to their right and keep their order.
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"name", "apple", "apple", "pear", "fig", "kiwi", ""}));
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"#", "4", "2", "1", "3", "5", "sum"}));
    Sort(g, 1, sdDescending);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"name", "pear", "kiwi", "fig", "apple", "apple", ""}));
    EXPECT_EQ(Column(g, 2)[4], "9");  // the two apples ordered by the next column, descending
}

TEST_F(GridSort, EqualRowsKeepTheirOrderWithoutTieBreak)
{
    g.SortSettings()->Full = false;
    Sort(g, 2, sdAscending);  // 10 (pear) and 10 (fig) stay as they were
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"#", "4", "2", "1", "3", "5", "sum"}));
    Sort(g, 2, sdDescending);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"#", "5", "1", "3", "2", "4", "sum"}));
}

TEST_F(GridSort, HiddenCellsTravelAndNormalCellsOnlyKeepsTheFixedColumn)
{
    g.SetFixedCols(1);
    g.SortSettings()->NormalCellsOnly = true;
    g.HideColumn(2);
    Sort(g, 1, sdAscending);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"#", "1", "2", "3", "4", "5", "sum"}));
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"name", "apple", "apple", "fig", "kiwi", "pear", ""}));
    EXPECT_EQ(Column(g, 2), (std::vector<std::string>{"n", "", "9", "10", "100", "10", "129"}));
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.ColCount(), 2);
}

TEST_F(GridSort, IndexedSortAndUnsortAfterManySorts)
{
    const Table before = CellsOf(g);
    EXPECT_THROW(QSortIndexed(g), VIdiRazeRaduz);
    EXPECT_EQ(CellsOf(g), before);
    g.SortIndexes()->AddIndex(1, true);
    g.SortIndexes()->AddIndex(2, false);
    QSortIndexed(g);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"#", "2", "4", "3", "5", "1", "sum"}));
    Sort(g, 2, sdDescending);
    EXPECT_EQ(g.SortIndexes()->Count(), 0);  // a one-column sort clears the index list
    QUnSort(g);
    EXPECT_EQ(CellsOf(g), before);
    for (int i = 0; i < g.RowCount(); ++i)
        EXPECT_EQ(g.SortRowXRef()->GetInteger(i), i);
}

TEST_F(GridSort, NothingHappensWithoutAColumnOrWithOneRow)
{
    const Table before = CellsOf(g);
    g.SortSettings()->Column = -1;
    QSort(g);
    EXPECT_EQ(CellsOf(g), before);
    TGxStringGrid one(nullptr);
    Fill(one, {{"b"}});
    SortByColumn(one, 0);
    EXPECT_EQ(one.SortSettings()->Column, -1);
}

TEST_F(GridSort, AFailingComparisonLeavesTheGridAsItWas)
{
    const Table before = CellsOf(g);
    const int rows = g.RowCount();
    int calls = 0;
    g.OnGetFormat = [](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = ssCustom; };
    g.OnCustomCompare = [&](TObject*, const std::string&, const std::string&, int& res) {
        if (++calls == 5)
            throw std::runtime_error("compare failed");
        res = 1;
    };
    EXPECT_THROW(Sort(g, 1, sdAscending), std::runtime_error);
    EXPECT_EQ(CellsOf(g), before);
    EXPECT_EQ(g.RowCount(), rows);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.UpdateCount(), 0);
}

TEST_F(GridSort, SortLineExchangesOnlyRowsOutOfOrder)
{
    EXPECT_TRUE(SortLine(g, 1, 1, 2));  // pear after apple
    EXPECT_EQ(g.Cells(1, 1), "apple");
    EXPECT_FALSE(SortLine(g, 1, 1, 2));
    g.SortSettings()->Direction = sdDescending;
    EXPECT_TRUE(SortLine(g, 1, 1, 2));
    EXPECT_EQ(g.Cells(1, 1), "pear");
    // Equal rows (both "apple", then decided by the next columns): 9 before "" ascending.
    g.SortSettings()->Direction = sdAscending;
    EXPECT_TRUE(SortLine(g, 1, 2, 4));
    EXPECT_EQ(g.Cells(2, 2), "");
}

TEST_F(GridSort, HeaderClicksCycleAndBuildTheIndexList)
{
    const Table before = CellsOf(g);
    g.SortSettings()->UndoSort = true;
    std::vector<int> clicked;
    g.OnClickSort = [&](TObject*, int c) { clicked.push_back(c); };
    g.DoClickSort(1);
    EXPECT_EQ(Column(g, 1)[1], "apple");
    g.DoClickSort(1);
    EXPECT_EQ(Column(g, 1)[1], "pear");
    EXPECT_EQ(g.SortSettings()->Direction, sdDescending);
    g.DoClickSort(1);  // third click: unsorted
    EXPECT_EQ(CellsOf(g), before);
    EXPECT_EQ(clicked, (std::vector<int>{1, 1, -1}));

    g.OnCanSort = [](TObject*, int c, bool& doSort) { doSort = c != 0; };
    g.DoClickSort(0);
    EXPECT_EQ(CellsOf(g), before);

    g.SortSettings()->IndexShow = true;
    HeaderClickSort(g, 1, false);
    HeaderClickSort(g, 2, true);
    EXPECT_EQ(g.SortIndexes()->SaveToString(), "u1;u2");
    HeaderClickSort(g, 2, true);
    EXPECT_EQ(g.SortIndexes()->SaveToString(), "u1;d2");
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"#", "2", "4", "3", "5", "1", "sum"}));
    HeaderClickSort(g, 2, false);
    EXPECT_EQ(g.SortIndexes()->SaveToString(), "u2");
    EXPECT_EQ(g.SortSettings()->Column, 2);
}

TEST_F(GridSort, CurrentRowFollowsItsRowWithMoveRowOnSort)
{
    g.SetRow(1);  // pear
    Sort(g, 1, sdAscending);
    EXPECT_EQ(g.Row(), 1);
    g.Navigation()->SetMoveRowOnSort(true);
    Sort(g, 1, sdDescending);  // "apple" was at row 1: it goes to row 4 or 5
    EXPECT_EQ(g.Cells(1, g.Row()), "apple");
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// A column whose rows all compare by one plain rule sorts by keys prepared once; blanks placed by
// IgnoreBlanks always take the full comparison. Without blanks both must give the same order.
TEST(GridSortKeys, PreparedKeysOrderAsTheFullComparison)
{
    InstallGridExtras();
    struct Case {
        const char* Name;
        std::vector<std::string> Values;
        TSortStyle Style;  // ssAutomatic: no format handler
        bool IgnoreCase;
    };
    const std::vector<Case> cases = {
        {"numbers", {"10", "9.5", "-3", "1e2", "9.50", "0"}, ssAutomatic, false},
        {"texts", {"b", "A", "a", "B", "ab", "Ab"}, ssAutomatic, false},
        {"texts no case", {"b", "A", "a", "B", "ab", "Ab"}, ssAutomatic, true},
        {"mixed", {"10", "x", "-1", "#", "2"}, ssAutomatic, false},
        {"dates", {"01/02/2020", "12/31/2019", "x"}, ssAutomatic, false},
        {"numeric with texts", {"3", "zz", "1", "aa", "2"}, ssNumeric, false},
        {"financial", {"1,000", "999", "x", "12"}, ssFinancial, false},
        {"equal keys", {"x", "y", "x", "x", "y", "x"}, ssAutomatic, false},
        {"long texts",
         {"abcdefghijklmnopB", "abcdefghijklmnopA", "abcdefghijklmnop", "abcdefghijklmno", "abcdefghijklmnopAB",
          "abcdefghijklmnoq", "abcdefghijklmnop", "abcdefghijklmnopA"},
         ssAutomatic,
         false},
        {"long texts no case",
         {"abcdefghijklmnopqrB", "ABCDEFGHIJKLMNOPQRa", "abcdefghijklmnopqr", "ABCDEFGHIJKLMNOPqr",
          "abcdefghijklmnopq["},
         ssAlphaNoCase,
         true},
        {"bytes above 127 and NUL",
         {"\xc3\xa9t\xc3\xa9", "ete", std::string("a\0b", 3), "a", std::string("a\0", 2), "\x7f", "\xff"},
         ssAlphabetic,
         false},
    };
    for (const Case& c : cases) {
        for (const bool full : {false, true}) {
            for (const TSortDirection dir : {sdAscending, sdDescending}) {
                SCOPED_TRACE(std::string(c.Name) + (full ? " full" : "") + (dir == sdAscending ? " up" : " down"));
                std::vector<std::vector<std::string>> orders;
                for (const bool ignoreBlanks : {false, true}) {
                    TGxStringGrid g(nullptr);
                    g.SetColCount(2);
                    g.SetRowCount(static_cast<int>(c.Values.size()) + 1);
                    g.SetFixedRows(1);
                    for (std::size_t i = 0; i < c.Values.size(); ++i) {
                        g.SetCells(0, static_cast<int>(i) + 1, c.Values[i]);
                        g.SetCells(1, static_cast<int>(i) + 1, std::to_string(c.Values.size() - i));
                    }
                    if (c.Style != ssAutomatic)
                        g.OnGetFormat = [&c](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = c.Style; };
                    g.SortSettings()->IgnoreCase = c.IgnoreCase;
                    g.SortSettings()->IgnoreBlanks = ignoreBlanks;
                    g.SortSettings()->Full = full;
                    Sort(g, 0, dir);
                    std::vector<std::string> order;
                    for (int r = 1; r < g.RowCount(); ++r)
                        order.push_back(g.Cells(0, r) + "/" + g.Cells(1, r));
                    orders.push_back(order);
                }
                EXPECT_EQ(orders[0], orders[1]);
            }
        }
    }
}

// Rows equal in the sort column are ordered by the next columns, run by run and column by column;
// the full comparison (blanks placed apart) must give the same order.
TEST(GridSortKeys, TiesOrderByTheNextColumnsAsTheFullComparison)
{
    InstallGridExtras();
    struct Case {
        const char* Name;
        Table Rows;  // sorted by column 0
        bool IgnoreColumn1;
        bool CheckBoxes1 = false;  // column 1 holds check boxes, checked where it reads "o"
    };
    const std::vector<Case> cases = {
        {"two levels of ties",
         {{"b", "x", "3"}, {"a", "y", "1"}, {"b", "x", "1"}, {"a", "x", "2"}, {"b", "y", "0"}, {"a", "x", "1"}},
         false},
        {"an ignored column between",
         {{"b", "z", "3"}, {"a", "y", "1"}, {"b", "x", "1"}, {"a", "x", "2"}, {"b", "y", "2"}},
         true},
        {"numbers and texts in one run",
         {{"a", "10", "1"}, {"a", "x", "2"}, {"a", "9", "3"}, {"b", "2", "1"}, {"b", "10", "2"}, {"a", "x", "0"}},
         false},
        {"equal in every column", {{"a", "1", "1"}, {"a", "1", "1"}, {"b", "1", "1"}, {"a", "1", "1"}}, false},
        {"check boxes next",
         {{"a", "x", "1"}, {"b", "o", "2"}, {"a", "o", "3"}, {"b", "x", "1"}, {"a", "x", "0"}, {"a", "o", "2"}},
         false,
         true},
    };
    for (const Case& c : cases) {
        for (const TSortDirection dir : {sdAscending, sdDescending}) {
            SCOPED_TRACE(std::string(c.Name) + (dir == sdAscending ? " up" : " down"));
            std::vector<std::vector<std::string>> orders;
            for (const bool blanksApart : {false, true}) {
                TGxStringGrid g(nullptr);
                Table cells = c.Rows;
                for (std::size_t i = 0; i < cells.size(); ++i)
                    cells[i].push_back(std::to_string(i));  // tells equal rows apart
                Fill(g, cells);
                if (c.IgnoreColumn1)
                    g.IgnoreColumns()->Add(1);
                if (c.CheckBoxes1)
                    for (int r = 0; r < g.RowCount(); ++r)
                        g.AddCheckBox(1, r, g.Cells(1, r) == "o", false);
                g.SortSettings()->IgnoreBlanks = blanksApart;
                Sort(g, 0, dir);
                orders.push_back(Column(g, 3));
            }
            EXPECT_EQ(orders[0], orders[1]);
        }
    }
}

// An indexed sort orders by its list of columns and directions, by keys level by level; the full
// comparison (blanks placed apart) must give the same order.
TEST(GridSortKeys, IndexedSortOrdersAsTheFullComparison)
{
    InstallGridExtras();
    struct Case {
        const char* Name;
        std::vector<std::pair<int, bool>> Indexes;  // column, ascending
        bool IgnoreColumn1;
    };
    const std::vector<Case> cases = {
        {"one column down", {{1, false}}, false},
        {"text then number", {{0, true}, {2, false}}, false},
        {"number down then text", {{2, false}, {0, true}, {1, true}}, false},
        {"mixed column first", {{1, true}, {0, false}}, false},
        {"ignored column between", {{0, false}, {1, true}, {2, true}}, true},
    };
    const Table rows = {{"b", "10", "3"}, {"a", "x", "1"},  {"b", "9", "1"}, {"a", "10", "2"},
                        {"b", "x", "3"},  {"a", "10", "1"}, {"c", "2", "2"}, {"b", "9", "1"}};
    for (const Case& c : cases) {
        for (const bool full : {false, true}) {
            SCOPED_TRACE(std::string(c.Name) + (full ? " full" : ""));
            std::vector<std::vector<std::string>> orders;
            for (const bool blanksApart : {false, true}) {
                TGxStringGrid g(nullptr);
                Table cells = rows;
                for (std::size_t i = 0; i < cells.size(); ++i)
                    cells[i].push_back(std::to_string(i));  // tells equal rows apart
                Fill(g, cells);
                if (c.IgnoreColumn1)
                    g.IgnoreColumns()->Add(1);
                for (const auto& [col, ascending] : c.Indexes)
                    g.SortIndexes()->AddIndex(col, ascending);
                g.SortSettings()->IgnoreBlanks = blanksApart;
                g.SortSettings()->Full = full;
                QSortIndexed(g);
                orders.push_back(Column(g, 3));
            }
            EXPECT_EQ(orders[0], orders[1]);
        }
    }
}

// Long columns of numbers sort by the bytes of their keys; the full comparison (blanks placed
// apart) must give the same order: signs, zero and minus zero, extreme exponents, equal values
// keeping their order or ordered by the next column, texts that are none after the numbers.
TEST(GridSortKeys, LongNumberColumnsOrderAsTheFullComparison)
{
    InstallGridExtras();
    std::mt19937 rng(7);
    const std::vector<std::string> awkward = {"0", "-0", "1e300", "-1e300", "1e-300", "-1e-300", "0.5", "-0.5"};
    std::vector<std::string> values;
    for (int i = 0; i < 3000; ++i) {
        if (i % 7 == 0)
            values.push_back(awkward[rng() % awkward.size()]);
        else
            values.push_back((rng() % 2 ? "-" : "") + std::to_string(rng() % 500) + "." + std::to_string(rng() % 10));
    }
    for (const bool withTexts : {false, true}) {  // texts force the numeric style instead of the automatic one
        for (const bool full : {false, true}) {
            for (const TSortDirection dir : {sdAscending, sdDescending}) {
                SCOPED_TRACE(std::string(withTexts ? "with texts" : "numbers") + (full ? " full" : "") +
                             (dir == sdAscending ? " up" : " down"));
                std::vector<std::vector<std::string>> orders;
                for (const bool blanksApart : {false, true}) {
                    TGxStringGrid g(nullptr);
                    g.SetColCount(3);
                    g.SetRowCount(static_cast<int>(values.size()));
                    for (std::size_t i = 0; i < values.size(); ++i) {
                        const int r = static_cast<int>(i);
                        g.SetCells(0, r, withTexts && i % 11 == 0 ? "n/a" : values[i]);
                        g.SetCells(1, r, std::to_string(i % 5));
                        g.SetCells(2, r, std::to_string(i));
                    }
                    if (withTexts)
                        g.OnGetFormat = [](TObject*, int c, TSortStyle& s, std::string&, std::string&) {
                            if (c == 0)
                                s = ssNumeric;
                        };
                    g.SortSettings()->IgnoreBlanks = blanksApart;
                    g.SortSettings()->Full = full;
                    Sort(g, 0, dir);
                    orders.push_back(Column(g, 2));
                }
                EXPECT_EQ(orders[0], orders[1]);
            }
        }
    }
}

// A grid that records the row exchanges its sorts make.
class TSwapRecordingGrid : public TGxStringGrid {
public:
    using TGxStringGrid::TGxStringGrid;
    void SortSwapRows(int ARow1, int ARow2) override
    {
        Exchanges.emplace_back(ARow1, ARow2);
        TGxStringGrid::SortSwapRows(ARow1, ARow2);
    }
    std::vector<std::pair<int, int>> Exchanges;
};

// The string grid moves the rows of a sort in one step; what it leaves (texts, heights, modified
// flags, the cross-reference, the current row followed through the sort, the exchange count) is what
// the exchanges a descendant's SortSwapRows sees leave.
TEST(GridSortKeys, OneStepReorderLeavesWhatTheExchangesLeave)
{
    InstallGridExtras();
    TGxStringGrid direct(nullptr);
    TSwapRecordingGrid exchanged(nullptr);
    for (TGxStringGrid* g : {static_cast<TGxStringGrid*>(&direct), static_cast<TGxStringGrid*>(&exchanged)}) {
        g->SetColCount(2);
        g->SetRowCount(60);
        g->SetFixedRows(1);
        g->ShowModified()->Enabled = true;
        g->Navigation()->SetMoveRowOnSort(true);
        for (int r = 1; r < g->RowCount(); ++r) {
            g->SetCells(0, r, std::to_string((r * 17) % 23));
            g->SetCells(1, r, std::to_string(r));
            if (r % 7 == 0)
                g->SetRowHeights(r, 30 + r);
            if (r % 5 == 0)
                g->SetRowModified(r, true);
        }
        g->SetRow(13);
        g->Swaps = 0;
    }
    const auto state = [](TGxStringGrid& g) {
        std::vector<std::string> s;
        for (int r = 0; r < g.RowCount(); ++r)
            s.push_back(g.Cells(0, r) + "|" + g.Cells(1, r) + "|" + std::to_string(g.RowHeights(r)) + "|" +
                        (g.RowModified(r) ? "m" : "-") + "|" + std::to_string(g.SortRowXRef()->GetInteger(r)));
        s.push_back("row " + std::to_string(g.Row()) + ", swaps " + std::to_string(g.Swaps));
        return s;
    };
    for (const TSortDirection dir : {sdAscending, sdDescending}) {
        Sort(direct, 0, dir);
        Sort(exchanged, 0, dir);
        EXPECT_EQ(state(direct), state(exchanged));
    }
    QUnSort(direct);
    QUnSort(exchanged);
    EXPECT_EQ(state(direct), state(exchanged));
    EXPECT_FALSE(exchanged.Exchanges.empty());
}

// Descendants follow a sort through SortSwapRows: replaying its exchanges on the column as it was
// must give the column as it is, for sorts by key, by the full comparison and for the unsort.
TEST(GridSortKeys, RowsMoveOnlyThroughSortSwapRows)
{
    InstallGridExtras();
    TSwapRecordingGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(41);
    g.SetFixedRows(1);
    for (int r = 1; r < g.RowCount(); ++r) {
        g.SetCells(0, r, std::string(1, static_cast<char>('a' + (r * 7) % 11)));
        g.SetCells(1, r, std::to_string((r * 13) % 17));
    }
    const auto replayed = [&](std::vector<std::string> col) {
        for (const auto& [a, b] : g.Exchanges)
            std::swap(col[static_cast<std::size_t>(a)], col[static_cast<std::size_t>(b)]);
        return col;
    };
    const std::vector<std::string> original = Column(g, 0);
    for (const bool blanksApart : {false, true}) {  // keys, or the full comparison
        SCOPED_TRACE(blanksApart ? "full comparison" : "keys");
        g.SortSettings()->IgnoreBlanks = blanksApart;
        g.Exchanges.clear();
        std::vector<std::string> before = Column(g, 0);
        Sort(g, 1, sdDescending);
        EXPECT_FALSE(g.Exchanges.empty());
        EXPECT_EQ(replayed(before), Column(g, 0));
        g.Exchanges.clear();
        before = Column(g, 0);
        Sort(g, 0, sdAscending);
        EXPECT_EQ(replayed(before), Column(g, 0));
    }
    g.Exchanges.clear();
    const std::vector<std::string> sorted = Column(g, 0);
    QUnSort(g);
    EXPECT_EQ(Column(g, 0), original);
    EXPECT_EQ(replayed(sorted), original);
}

// A cross-reference edited into no permutation (two rows claiming one place) still unsorts by
// its entries, rows with equal entries keeping their order.
TEST(GridSortKeys, UnsortFollowsACrossReferenceThatIsNoPermutation)
{
    InstallGridExtras();
    TGxStringGrid g(nullptr);
    Fill(g, {{"h"}, {"a"}, {"b"}, {"c"}, {"d"}});
    InitSortXRef(g);
    const std::vector<int> entries = {0, 3, 1, 3, 2};
    for (int i = 0; i < g.RowCount(); ++i)
        g.SortRowXRef()->SetInteger(i, entries[static_cast<std::size_t>(i)]);
    QUnSort(g);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"h", "b", "d", "a", "c"}));
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

TEST(GridSortHeaderClick, AutoColumnMergeSplitsBeforeAndMergesTheMergedColumnsAfter)
{
    InstallGridExtras();
    TGxStringGrid g(nullptr);
    Fill(g, {{"k", "n"}, {"a", "3"}, {"a", "1"}, {"b", "2"}, {"b", "4"}});
    g.SetFixedRows(1);
    g.MergedColumns()->Add(0);  // merges rows 1-2 (a) and 3-4 (b)
    ASSERT_TRUE(g.IsMergedCell(0, 2));
    g.SortSettings()->AutoColumnMerge = true;
    HeaderClickSort(g, 1, false);  // n: 1 a, 2 b, 3 a, 4 b
    std::vector<std::string> keys;
    for (int r = 1; r < g.RowCount(); ++r) {
        keys.push_back(g.GridCells(0, r));
        EXPECT_FALSE(g.IsMergedCell(0, r)) << r;
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"a", "b", "a", "b"}));
    HeaderClickSort(g, 0, false);  // k: a a b b merged again
    EXPECT_TRUE(g.IsMergedCell(0, 2));
    EXPECT_TRUE(g.IsBaseCell(0, 3));
}

}  // namespace
}  // namespace gx
