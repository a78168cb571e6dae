// Column layout kept outside the grid: the column states string (its fields, a round trip with
// moved, hidden and resized columns, texts refused before anything changes), and the widths and
// column order in an INI file and in the per-user settings store, through the grid's own slots.
#include "grid/extras/GridColumnLayout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "grid/extras/GridExtras.h"
#include "grid/stringgrid/GxGridSettings.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SettingsStore.h"

namespace gx {
namespace {

// Five columns headed A..E (the header says which column stands where), order list in place.
void FiveColumns(TGxStringGrid& g)
{
    g.SetColCount(5);
    g.SetRowCount(2);
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 0, std::string(1, static_cast<char>('A' + c)));
    g.SetColumnOrder();
}

// The headers of the shown columns, left to right.
std::string Headers(TGxStringGrid& g)
{
    std::string s;
    for (int c = 0; c < g.ColCount(); ++c)
        s += g.Cells(g.RealColIndex(c), 0);
    return s;
}

std::vector<int> Widths(TGxStringGrid& g)
{
    std::vector<int> w;
    for (int c = 0; c < g.ColCount(); ++c)
        w.push_back(g.ColWidths(c));
    return w;
}

TEST(GridColumnLayout, StatesStringListsCountWidthsOrderAndHiddenColumns)
{
    TGxStringGrid plain(nullptr);
    plain.SetColCount(3);
    plain.SetDefaultColWidth(64);
    EXPECT_EQ(ColumnStatesToString(plain), "3#64,64,64#0,1,2#1,1,1");

    TGxStringGrid g(nullptr);
    FiveColumns(g);
    g.SetColWidths(0, 30);
    g.HideColumn(3);
    g.HideColumn(1);
    const int d = g.DefaultColWidth();
    EXPECT_EQ(ColumnStatesToString(g), "5#30," + std::to_string(d) + "," + std::to_string(d) + "," + std::to_string(d) +
                                           "," + std::to_string(d) + "#0,1,2,3,4#1,0,1,0,1");
}

TEST(GridColumnLayout, StatesStringRestoresMovedHiddenAndResizedColumns)
{
    TGxStringGrid g(nullptr);
    FiveColumns(g);
    g.MoveColumn(4, 0);  // E A B C D
    g.MoveColumn(3, 1);  // E C A B D
    for (int c = 0; c < 5; ++c)
        g.SetColWidths(c, 20 + 10 * c);
    g.HideColumn(g.RealColIndex(2));  // hides A
    const std::string states = ColumnStatesToString(g);
    const std::string headers = Headers(g);
    const std::vector<int> widths = Widths(g);
    ASSERT_EQ(headers, "ECBD");

    StringToColumnStates(g, states);  // the same grid: nothing changes
    EXPECT_EQ(Headers(g), headers);
    EXPECT_EQ(Widths(g), widths);
    EXPECT_EQ(ColumnStatesToString(g), states);

    TGxStringGrid fresh(nullptr);  // a grid in its first order takes the layout
    FiveColumns(fresh);
    StringToColumnStates(fresh, states);
    EXPECT_EQ(Headers(fresh), headers);
    EXPECT_EQ(Widths(fresh), widths);
    EXPECT_EQ(ColumnStatesToString(fresh), states);
}

TEST(GridColumnLayout, BadStatesStringsChangeNothing)
{
    struct Case {
        const char* text;
        bool raises;
    } cases[] = {
        {"no separators at all", false},
        {"5#10,20,x,40,50#0,1,2,3,4#1,1,1,1,1", true},
        {"5#10,20,30#0,1,2,3,4#1,1,1,1,1", true},
        {"5#10,20,30,40,50#0,1,2,3,4#1,1", true},
        {"many#10#0#1", true},
        {"5#10,20,30,40,50", true},
        {"5#10,-20,30,40,50#0,1,2,3,4#1,1,1,1,1", true},
        {"0###", true},  // a grid keeps one column, which needs a width
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TGxStringGrid g(nullptr);
        FiveColumns(g);
        g.MoveColumn(0, 2);
        const std::string before = ColumnStatesToString(g);
        if (c.raises)
            EXPECT_THROW(StringToColumnStates(g, c.text), rtl::EConvertError);
        else
            StringToColumnStates(g, c.text);
        EXPECT_EQ(ColumnStatesToString(g), before);
        EXPECT_EQ(Headers(g), "BCADE");
    }
}

TEST(GridColumnLayout, AnOrderThatIsNoPermutationLeavesTheColumnsWhereTheyStand)
{
    for (const char* order : {"0,0,1,2,3", "4,3,2,1", "0,1,2,3,9"}) {
        SCOPED_TRACE(order);
        TGxStringGrid g(nullptr);
        FiveColumns(g);
        StringToColumnStates(g, std::string("5#11,12,13,14,15#") + order + "#1,1,1,1,1");
        EXPECT_EQ(Headers(g), "ABCDE");
        EXPECT_EQ(Widths(g), (std::vector<int>{11, 12, 13, 14, 15}));
    }
}

class ColumnLayoutStore : public ::testing::TestWithParam<TColumnSizeLocation> {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        rtl::TSettingsStore::SetConfigRoot(dir_.File("config"));
    }
    void TearDown() override { rtl::TSettingsStore::SetConfigRoot(""); }
    void Point(TGxStringGrid& g, const std::string& section = "Columns")
    {
        TColumnSize& cs = *g.ColumnSize();
        cs.Location = GetParam();
        cs.Key = GetParam() == clIniFile ? dir_.File("layout.ini") : std::string("Software\\Grid Test");
        cs.Section = section;
    }
    testsupport::ScratchDir dir_;
};

TEST_P(ColumnLayoutStore, WidthsOfShownColumnsGoAndComeBackMissingKeysKeepTheirWidths)
{
    TGxStringGrid out(nullptr);
    FiveColumns(out);
    Point(out);
    for (int c = 0; c < 5; ++c)
        out.SetColWidths(c, 40 + c);
    out.HideColumn(4);
    SaveColSizes(out);

    TGxStringGrid in(nullptr);
    FiveColumns(in);
    in.SetColWidths(4, 99);
    Point(in);
    LoadColSizes(in);
    EXPECT_EQ(Widths(in), (std::vector<int>{40, 41, 42, 43, 99}));  // no Col4 was written

    TGxStringGrid other(nullptr);
    FiveColumns(other);
    Point(other, "Nothing here");
    const std::vector<int> before = Widths(other);
    LoadColSizes(other);
    EXPECT_EQ(Widths(other), before);
}

TEST_P(ColumnLayoutStore, PositionsComeBackThroughTheGridsSlotsOnlyAsAPermutation)
{
    TGxStringGrid out(nullptr);
    FiveColumns(out);
    Point(out);
    out.MoveColumn(0, 4);  // B C D E A
    out.MoveColumn(0, 1);  // C B D E A
    out.SaveColPositions();

    TGxStringGrid in(nullptr);
    FiveColumns(in);
    in.HideColumn(1);
    Point(in);
    in.LoadColPositions();
    in.UnHideColumnsAll();
    EXPECT_EQ(Headers(in), "CBDEA");

    // Positions of another column set are left alone.
    TGxStringGrid wider(nullptr);
    FiveColumns(wider);
    wider.SetColCount(6);
    wider.SetColumnOrder();
    Point(wider);
    wider.LoadColPositions();
    EXPECT_EQ(Headers(wider), "ABCDE");
}

TEST_P(ColumnLayoutStore, TheGridSavesWidthsWhenDestroyedAndLoadsThemAfterLoading)
{
    {
        TGxStringGrid g(nullptr);
        FiveColumns(g);
        Point(g);
        g.ColumnSize()->Save = true;
        g.SetColWidths(2, 77);
    }
    TGxStringGrid again(nullptr);
    FiveColumns(again);
    Point(again);
    again.ColumnSize()->Save = true;
    again.Loaded();
    EXPECT_EQ(again.ColWidths(2), 77);
}

INSTANTIATE_TEST_SUITE_P(IniFileAndSettingsStore, ColumnLayoutStore, ::testing::Values(clIniFile, clRegistry),
                         [](const ::testing::TestParamInfo<TColumnSizeLocation>& info) {
                             return std::string(info.param == clIniFile ? "IniFile" : "SettingsStore");
                         });

TEST(GridColumnLayout, WithoutKeyOrSectionNothingIsTouched)
{
    InstallGridExtras();
    testsupport::ScratchDir dir;
    rtl::TSettingsStore::SetConfigRoot(dir.File("config"));
    for (TColumnSizeLocation where : {clIniFile, clRegistry}) {
        TGxStringGrid g(nullptr);
        FiveColumns(g);
        g.ColumnSize()->Save = true;
        g.ColumnSize()->Location = where;
        g.ColumnSize()->Section = "Columns";  // Key empty
        g.Loaded();
        g.SaveColPositions();
        g.LoadColPositions();
    }
    {
        TGxStringGrid g(nullptr);
        g.ColumnSize()->Save = true;
        g.ColumnSize()->Location = clIniFile;
        g.ColumnSize()->Key = dir.File("never.ini");  // Section empty
    }
    rtl::TSettingsStore::SetConfigRoot("");
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace gx
