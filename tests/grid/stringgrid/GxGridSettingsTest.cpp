// The string grid's settings objects: what Assign copies and keeps, the setters with an effect, the
// control look's fixed-cell gradients, the sort state's text form, filter conditions and
// hidden-row records.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"

#include <gtest/gtest.h>

#include "GridExtrasDouble.h"

namespace gx {
namespace {

TEST(GxGridSettings, AssignCopiesFromTheSameClassOnly)
{
    TColumnSize size(nullptr), other(nullptr);
    other.Key = "k";
    other.StretchColumn = 3;
    size.Assign(&other);
    EXPECT_EQ(size.Key, "k");
    EXPECT_EQ(size.StretchColumn, 3);

    THTMLSettings html;
    html.Assign(&size);  // another class: nothing
    EXPECT_EQ(html.Width, 100);
    TPrintSettings print(nullptr), printSource(nullptr);
    try {
        print.Assign(&size);
        ADD_FAILURE() << "accepted";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message, "Invalid class typecast");
    }
    printSource.TitleLines()->Add("title");
    printSource.Font()->SetName("Verdana");
    printSource.FixedCellsAlways = true;
    print.Assign(&printSource);
    EXPECT_EQ(print.TitleLines()->Count(), 1);
    EXPECT_EQ(print.Font()->Name(), "Verdana");
    EXPECT_FALSE(print.FixedCellsAlways);

    TGrouping grouping, groupingSource;
    groupingSource.HeaderLineWidth = 5;
    groupingSource.ShowGroupCount = true;
    grouping.Assign(&groupingSource);
    EXPECT_TRUE(grouping.ShowGroupCount);
    EXPECT_EQ(grouping.HeaderLineWidth, 2);

    TBalloonSettings balloon, balloonSource;
    balloonSource.Transparency = 9;
    balloonSource.SetEnable(true);
    int enableChanges = 0;
    balloon.OnEnableChange = [&](TObject*) { ++enableChanges; };
    balloon.Assign(&balloonSource);
    EXPECT_TRUE(balloon.Enable());
    EXPECT_EQ(balloon.Transparency, 0);
    EXPECT_EQ(enableChanges, 0);
    balloon.SetEnable(true);  // fires also without a change
    EXPECT_EQ(enableChanges, 1);
}

TEST(GxGridSettings, ProgressAppearanceReportsRealChangesAndOneAfterAssign)
{
    TGridProgressAppearance look, source;
    int changes = 0;
    look.OnChange = [&](TObject*) { ++changes; };
    look.SetSteps(11);
    EXPECT_EQ(changes, 0);
    look.SetSteps(12);
    EXPECT_EQ(changes, 1);
    source.SetLevel1Perc(10);
    source.SetStyle(psClassic);
    look.Assign(&source);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(look.Level1Perc(), 10);
    EXPECT_EQ(look.Steps(), 11);
}

TEST(GxGridSettings, ControlLookKeepsTheGridsGradientCopiesInStep)
{
    TGxStringGrid grid(nullptr);
    TControlLook* look = grid.ControlLook();
    auto& copies = grid.FixedGradients();
    EXPECT_EQ(copies[TControlLook::kHoverFrom], ui::clGray);
    EXPECT_EQ(copies[TControlLook::kHoverTo], ui::clWhite);
    EXPECT_EQ(copies[TControlLook::kDownFrom], ui::clGray);
    EXPECT_EQ(copies[TControlLook::kDownTo], ui::clSilver);

    const ui::TColor from = grid.DUDGradientFrom();
    look->SetFixedGradientFrom(ui::clNone);  // clNone leaves the grid's start colour
    EXPECT_EQ(grid.DUDGradientFrom(), from);
    look->SetFixedGradientFrom(0x102030);
    EXPECT_EQ(grid.DUDGradientFrom(), 0x102030u);
    look->SetFixedGradientMirrorFrom(0x405060);
    look->SetFixedGradientMirrorFrom(ui::clNone);  // a mirror colour follows even to clNone
    EXPECT_EQ(grid.DUDGradientMirrorFrom(), ui::clNone);

    TGxStringGrid other(nullptr);
    TControlLook* source = other.ControlLook();
    source->SetCheckSize(20);
    source->SetFlatButton(true);
    source->SetFixedGradientTo(0x0A0B0C);
    source->DropDownHeader()->Caption = "head";
    look->Assign(source);
    EXPECT_EQ(look->CheckSize(), 20);
    EXPECT_EQ(look->FixedGradientTo(), 0x0A0B0Cu);
    EXPECT_EQ(look->DropDownHeader()->Caption, "head");
    EXPECT_FALSE(look->FlatButton());
    EXPECT_NE(grid.DUDGradientTo(), 0x0A0B0Cu);  // Assign stores only
}

TEST(GxGridSettings, SortStateTextRoundTrip)
{
    TGridExtrasDouble extras;  // a loaded state sorts: here through extras that sort nothing
    TGxStringGrid grid(nullptr, extras);
    TSortSettings* sort = grid.SortSettings();
    EXPECT_EQ(sort->SaveToString(), "u-1");
    struct Case {
        const char* text;
        TSortDirection direction;
        int column;
        bool index;
    } cases[] = {{"d3", sdDescending, 3, false}, {"u0", sdAscending, 0, false}, {"i;u1;d3", sdAscending, 0, true}};
    for (const Case& c : cases) {
        TGxStringGrid g(nullptr, extras);
        g.SortSettings()->LoadFromString(c.text);
        EXPECT_TRUE(g.SortSettings()->Show());
        EXPECT_EQ(g.SortSettings()->IndexShow, c.index) << c.text;
        EXPECT_EQ(g.SortSettings()->SaveToString(), c.text);
        if (!c.index) {
            EXPECT_EQ(g.SortSettings()->Direction, c.direction) << c.text;
            EXPECT_EQ(g.SortSettings()->Column, c.column) << c.text;
        }
    }
    sort->Column = 4;
    sort->LoadFromString("dx");  // the direction only
    EXPECT_EQ(sort->Direction, sdDescending);
    EXPECT_EQ(sort->Column, 4);
    sort->LoadFromString("");
    EXPECT_EQ(sort->SaveToString(), "d4");
    try {
        sort->LoadFromString("u");
        ADD_FAILURE() << "accepted";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message, "Invalid sort settings specifier");
    }

    sort->SetRow(0);
    EXPECT_THROW(sort->SetRow(1), rtl::Exception);
    EXPECT_EQ(sort->Row(), 0);
}

TEST(GxGridFilter, ConditionsPerColumn)
{
    TGxStringGrid grid(nullptr);
    TFilter* filter = grid.Filter();
    TFilterData* first = filter->GetColFilter(3);
    EXPECT_EQ(first->Column, 3);
    EXPECT_EQ(first->Operation, foNONE);
    EXPECT_EQ(filter->GetColFilter(5)->Operation, foAND);
    EXPECT_EQ(filter->GetColFilter(3), first);
    EXPECT_EQ(filter->Insert(0)->Operation, foSHORT);
    filter->Add()->Column = 3;
    filter->Add()->Column = 3;
    filter->RemoveColumnFilter(3);
    ASSERT_EQ(filter->Count(), 2);
    EXPECT_EQ(filter->Items(0)->Column, 5);
    EXPECT_FALSE(filter->HasFilter(3));

    TFilter copy(nullptr);
    copy.Add()->Method = fmLiteral;
    filter->Items(0)->Method = fmLiteral;
    TFilterData target(&copy);
    target.Assign(filter->Items(0));  // copies all but the method
    EXPECT_EQ(target.Column, 5);
    EXPECT_EQ(target.Method, fmExpression);
    target.Column = -32768;
    EXPECT_EQ(target.Column, -32768);
}

TEST(GxGridFilter, HiddenRowRecordsHoldTheirCellsAsAStringList)
{
    TGxStringGrid grid(nullptr);
    grid.SetCells(1, 4, "one");
    grid.SetCells(3, 4, "three");
    grid.HideRow(4);
    rtl::TStrings* items = grid.GridItems(0)->Items();
    EXPECT_EQ(items->Count(), 4);
    EXPECT_EQ((*items)[3], "three");
    items->SetStrings(6, "grown");
    EXPECT_EQ(grid.AllCells(6, 4), "grown");
    TObject user;
    items->SetObjects(2, &user);
    EXPECT_EQ(grid.AllObjects(2, 4), &user);
    items->Clear();
    EXPECT_EQ(grid.AllCells(1, 4), "");
}

TEST(GxGridSettings, FloatingFooterSettingsDriveTheFooterRow)
{
    TGxStringGrid grid(nullptr);
    TFloatingFooter* footer = grid.FloatingFooter();
    footer->SetVisible(true);
    EXPECT_EQ(grid.FixedFooters(), 1);
    EXPECT_EQ(grid.FooterPanel()->Height(), 21);
    footer->SetFooterStyle(fsColumnPreview);  // the last row scrolls again, the footers stay
    EXPECT_FALSE(grid.HideLastRow());
    EXPECT_EQ(grid.FixedFooters(), 1);
    footer->SetVisible(false);
    EXPECT_EQ(grid.FixedFooters(), 0);
    EXPECT_EQ(grid.FooterPanel()->Height(), 0);
    EXPECT_EQ(footer->GetColumnCalc(2), acNONE);
}

}  // namespace
}  // namespace gx
