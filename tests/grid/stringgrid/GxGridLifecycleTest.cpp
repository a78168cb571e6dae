// A string grid comes into being with every default and owned object, copies another grid's
// settings and cells, chains its owning form's resize event, runs its window timer once parented
// and frees all it owns (LeakSanitizer checks the last).
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridModule.h"

#include <gtest/gtest.h>

#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"

namespace gx {
namespace {

TEST(GxGridLifecycle, NewGridHasTheDefaultsAndOwnsEverySettingsObjectAndPanel)
{
    TGxStringGrid grid(nullptr);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Width(), 400);
    EXPECT_EQ(grid.Height(), 250);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.FixedRowHeight(), 22);
    EXPECT_EQ(grid.Look, glXP);
    EXPECT_EQ(grid.CheckTrue, "Y");
    EXPECT_EQ(grid.CheckFalse, "N");
    EXPECT_EQ(grid.SelectionColor, 0xEACAB6u);
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(grid.NormalRowCount(), 10);
    EXPECT_EQ(grid.MaxRowCount(), 10);
    EXPECT_EQ(grid.XYOffset(), ui::TPoint(2, 2));
    EXPECT_EQ(grid.Version(), "6.2.1.3");

    // The objects other code reaches through the grid exist from construction on.
    EXPECT_NE(grid.Navigation(), nullptr);
    EXPECT_NE(grid.MouseActions(), nullptr);
    EXPECT_EQ(grid.ColumnSize()->StretchColumn, -1);
    EXPECT_EQ(grid.PrintSettings()->DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(grid.HTMLSettings()->Width, 100);
    EXPECT_EQ(grid.SortSettings()->Column, -1);
    EXPECT_EQ(grid.ControlLook()->CheckSize(), 15);
    EXPECT_EQ(grid.BackGround()->Display(), bdTile);
    EXPECT_FALSE(grid.FloatingFooter()->Visible());
    EXPECT_EQ(grid.Filter()->Count(), 0);
    ASSERT_NE(grid.FooterPanel(), nullptr);
    ASSERT_NE(grid.SearchPanel(), nullptr);
    EXPECT_EQ(grid.SearchPanel()->Height(), 0);
    ASSERT_NE(grid.FilterDropList(), nullptr);
    EXPECT_FALSE(grid.FilterDropList()->Visible());
    ASSERT_NE(grid.HeaderDragButton(), nullptr);
    EXPECT_FALSE(grid.HeaderDragButton()->Enabled());
    EXPECT_EQ(grid.ArrowWindows(3)->Dir(), arrRight);
    EXPECT_EQ(grid.FilterDropDown()->Height, 150);
}

TEST(GxGridLifecycle, GridFilledShapedAndDestroyedFreesWhatItOwns)
{
    // Hidden rows, hidden columns, properties with owned graphics and merged ranges all go with it.
    TGxStringGrid grid(nullptr);
    grid.SetColCount(8);
    grid.SetRowCount(30);
    grid.LinearFill(true);
    grid.CreateCellGraphic(2, 3)->SetAngle(45);
    grid.SetColors(4, 5, 0x00FF00);
    grid.MergeCells(1, 1, 2, 2);
    grid.HideRows(4, 9);
    grid.HideColumn(3);
    grid.CreateCellGraphic(5, 20);
    grid.HideRow(grid.RealRowIndex(20));
    EXPECT_EQ(grid.NumHiddenRows(), 7);
    grid.FloatingFooter()->SetVisible(true);
    ASSERT_NE(grid.PaintToBuffer(), nullptr);  // painting a shaped grid headless does not fail
}

TEST(GxGridLifecycle, TheOwningFormsResizeEventRunsOnAndComesBackAlone)
{
    ui::TForm form(nullptr);
    int formResizes = 0;
    form.OnResize = [&](TObject*) { ++formResizes; };
    auto* grid = new TGxStringGrid(&form);
    form.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(formResizes, 1);
    delete grid;
    form.SetBounds(0, 0, 320, 200);
    EXPECT_EQ(formResizes, 2);
    ASSERT_TRUE(form.OnResize);

    // An exception in the form's earlier handler stays inside the grid's handler.
    ui::TForm throwing(nullptr);
    throwing.OnResize = [](TObject*) { throw rtl::Exception("form handler"); };
    new TGxStringGrid(&throwing);
    EXPECT_NO_THROW(throwing.SetBounds(0, 0, 300, 200));
}

TEST(GxGridLifecycle, ParentingCreatesTheWindowPartsAndTheTimer)
{
    ui::TForm form(nullptr);
    auto* grid = new TGxStringGrid(&form);
    EXPECT_EQ(grid->GridTimerID(), 0u);
    grid->SetParent(&form);
    EXPECT_EQ(grid->GridTimerID(), 111u);
    EXPECT_EQ(grid->FooterPanel()->Parent(), grid);
    EXPECT_EQ(grid->SearchPanel()->Parent(), grid);
    ui::TMessage tick{ui::WM_TIMER, 111, 0};
    static_cast<ui::TControl*>(grid)->WndProc(tick);
    EXPECT_EQ(grid->GridTimerTicks(), 1);
}

TEST(GxGridLifecycle, AssignCopiesSettingsShapeAndCellsFromAStringGridOnly)
{
    TGxStringGrid source(nullptr), target(nullptr);
    source.SetColCount(4);
    source.SetRowCount(6);
    source.SetColWidths(2, 90);
    source.Navigation()->SetAdvanceOnEnter(true);
    source.SortSettings()->Column = 2;
    source.SetCells(1, 1, "text");
    source.SetColors(2, 3, 0x112233);
    source.ColumnHeaders()->Add("h0");

    target.Assign(&source);
    EXPECT_EQ(target.ColCount(), 4);
    EXPECT_EQ(target.RowCount(), 6);
    EXPECT_EQ(target.ColWidths(2), 90);
    EXPECT_TRUE(target.Navigation()->AdvanceOnEnter());
    EXPECT_EQ(target.SortSettings()->Column, 2);
    EXPECT_EQ(target.Cells(1, 1), "text");
    EXPECT_EQ(target.Colors(2, 3), 0x112233u);
    EXPECT_EQ(target.Cells(0, 0), "h0");

    TBaseGrid other(nullptr);
    target.Assign(&other);  // not a string grid: nothing happens
    EXPECT_EQ(target.ColCount(), 4);
}

TEST(GxGridLifecycle, BoundsRoundToWholeRowsOnlyOutsideAnUpdate)
{
    TGxStringGrid grid(nullptr);
    grid.IntegralHeight = true;
    grid.SetColCount(2);
    grid.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid.Height() % grid.DefaultRowHeight(), 0);
    grid.BeginUpdate();
    grid.SetBounds(0, 0, 400, 101);
    EXPECT_EQ(grid.Height(), 101);
    grid.EndUpdate();
}

TEST(GxGridModule, StartUpRegistersTheMessagesFormatAndClasses)
{
    GxGridInitialization();
    const GxGridModuleState& state = GxGridModule();
    EXPECT_TRUE(state.Started);
    EXPECT_EQ(state.EditDoneMessage, ui::RegisterWindowMessage("GridEditDone"));
    EXPECT_EQ(state.DTPShiftFocusMessage, ui::RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_NE(state.EditDoneMessage, state.DTPShiftFocusMessage);
    EXPECT_NE(state.CellsClipboardFormat, 0u);

    // Form data create the grid's classes by name; parts of a grid need a grid as owner.
    std::unique_ptr<ui::TComponent> grid(CreateGridClass("TGxStringGrid", nullptr));
    ASSERT_NE(dynamic_cast<TGxStringGrid*>(grid.get()), nullptr);
    EXPECT_EQ(CreateGridClass("TFooterPanel", nullptr), nullptr);
    EXPECT_NE(dynamic_cast<TFooterPanel*>(CreateGridClass("TFooterPanel", grid.get())), nullptr);
    EXPECT_EQ(CreateGridClass("TNoSuchGridClass", nullptr), nullptr);
}

}  // namespace
}  // namespace gx
