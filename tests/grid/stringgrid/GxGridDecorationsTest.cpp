// Cell decorations: each kind is added, queried and removed on its own cells only; markers ride on
// any graphic; balloons hang on check boxes and go with them; the empty answers of queries.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/ui/ImgList.h"

namespace gx {
namespace {

class GxGridDecorations : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(5);
        grid.SetRowCount(5);
    }
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridDecorations, QueriesOfUndecoratedCellsGiveTheirEmptyValues)
{
    EXPECT_EQ(grid.GetShapeColor(1, 1), ui::TColor(536870911));
    EXPECT_EQ(grid.GetScrollPosition(1, 1), -1);
    EXPECT_EQ(grid.GetScrollProp(1, 1).PageSize, -1);
    EXPECT_EQ(grid.GetScrollProp(1, 1).Range, -1);
    EXPECT_EQ(grid.GetExpandHeight(1, 1, true), grid.DefaultRowHeight());
    EXPECT_EQ(grid.GetBitmap(1, 1), nullptr);
    EXPECT_EQ(grid.GetComment(1, 1), "");
    int pos = 7, len = 7;
    grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
    int idx = 3;
    EXPECT_FALSE(grid.GetImageIdx(1, 1, idx));
}

TEST_F(GxGridDecorations, RemoveTakesOnlyItsOwnKind)
{
    grid.AddShape(1, 1, csCircle, ui::clRed, ui::clBlack, haCenter, vaCenter);
    grid.RemoveProgress(1, 1);
    grid.RemoveComment(1, 1);
    EXPECT_EQ(grid.GetShapeColor(1, 1), ui::clRed);
    grid.SetShapeColor(1, 1, ui::clBlue);
    EXPECT_EQ(grid.GetShapeColor(1, 1), ui::clBlue);
    grid.RemoveShape(1, 1);
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);

    grid.AddProgressPie(2, 2, ui::clGreen, 30);
    grid.SetProgressPie(2, 2, 60);
    EXPECT_EQ(grid.GetCellGraphic(2, 2)->CellAngle, 60);
    grid.SetProgressPie(3, 3, 60);  // no pie there: nothing made
    EXPECT_EQ(grid.GetCellType(3, 3), ctEmpty);
}

TEST_F(GxGridDecorations, MarkersRideOnAnyGraphic)
{
    grid.AddProgress(1, 1, ui::clBlue, ui::clWhite);
    EXPECT_TRUE(grid.HasProgress(1, 1));
    grid.AddMarker(1, 1, 3, 4);  // overwrites the bar's minimum and maximum
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellErrFrom, 3);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellErrLen, 4);
    grid.RemoveMarker(1, 1);
    EXPECT_EQ(grid.GetCellType(1, 1), ctProgress);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellErrLen, 0);

    grid.AddMarker(2, 2, 1, 2);
    EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty);
    EXPECT_NE(grid.GetCellGraphic(2, 2), nullptr);
    grid.RemoveMarker(2, 2);
    EXPECT_EQ(grid.GetCellGraphic(2, 2), nullptr);
}

TEST_F(GxGridDecorations, BalloonsHangOnBoxesAndGoWithThem)
{
    std::string title, text;
    TBalloonIcon icon = biNone;
    grid.CreateBitmap(1, 1, false, haLeft, vaTop);
    grid.AddBalloon(1, 1, "t", "x", biInfo);
    EXPECT_EQ(grid.GetCellType(1, 1), ctBitmap);
    EXPECT_FALSE(grid.IsBalloon(1, 1, title, text, icon));

    grid.AddCheckBox(2, 2, true, false);
    grid.AddBalloon(2, 2, "Title", "Text", biWarning);
    grid.AddBalloon(2, 2, "Again", "Text", biError);  // the earlier list is freed, not lost
    EXPECT_EQ(grid.GetCellType(2, 2), ctCheckBox);
    ASSERT_TRUE(grid.IsBalloon(2, 2, title, text, icon));
    EXPECT_EQ(title, "Again");
    EXPECT_EQ(icon, biError);
    EXPECT_FALSE(grid.HasBalloon(2, 2));
    grid.RemoveCheckBox(2, 2);  // frees the list with the box (LeakSanitizer watches)
    EXPECT_EQ(grid.GetCellGraphic(2, 2), nullptr);

    grid.AddBalloon(3, 3, "T", "X", biInfo);
    EXPECT_TRUE(grid.HasBalloon(3, 3));
    grid.AddCheckBox(4, 4, false, false);
    grid.AddBalloon(4, 4, "T", "X", biInfo);
    grid.RemoveBalloon(4, 4);
    EXPECT_EQ(grid.GetCellType(4, 4), ctCheckBox);
    EXPECT_FALSE(grid.IsBalloon(4, 4, title, text, icon));
    grid.AddRadioButton(4, 3, true);
    grid.AddBalloon(4, 3, "T", "X", biInfo);  // freed with the grid
}

TEST_F(GxGridDecorations, CommentsButtonsAndDataImages)
{
    grid.SetComment(1, 1, "first");
    EXPECT_EQ(grid.GetComment(1, 1), "first");
    grid.SetComment(1, 1, "second");
    std::string comment;
    EXPECT_TRUE(grid.IsComment(1, 1, comment));
    EXPECT_EQ(comment, "second");
    grid.AddButton(2, 1, 30, 20, "Go", haLeft, vaTop);
    grid.SetComment(2, 1, "ignored");
    EXPECT_EQ(grid.GetButtonText(2, 1), "Go");
    EXPECT_TRUE(grid.HasButton(2, 1));
    grid.PushButton(2, 1, true);
    EXPECT_TRUE(grid.GetCellGraphic(2, 1)->CellBoolean);
    grid.RemoveAllComments();
    grid.RemoveAllButtons();
    EXPECT_EQ(grid.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(grid.GetCellGraphic(2, 1), nullptr);

    grid.AddDataImage(1, 2, 3, haLeft, vaTop);  // without images nothing happens
    EXPECT_EQ(grid.GetCellType(1, 2), ctEmpty);
    ui::TImageList images(nullptr);
    grid.GridImages = &images;
    grid.AddDataImage(1, 2, 3, haLeft, vaTop);
    EXPECT_EQ(grid.Cells(1, 2), "3");
    grid.SetCells(1, 3, "text");
    grid.AddDataImage(1, 3, 3, haLeft, vaTop);
    EXPECT_EQ(grid.Cells(1, 3), "text");
    grid.RemoveDataImage(1, 2);
    EXPECT_EQ(grid.Cells(1, 2), "");
    grid.GridImages = nullptr;
}

TEST_F(GxGridDecorations, ScrollBarsExpandCellsAndProgressLooks)
{
    grid.AddScrollBar(1, 1, false);
    EXPECT_EQ(grid.GetScrollPosition(1, 1), 0);
    grid.SetScrollPosition(1, 1, 40);
    grid.SetScrollProp(1, 1, {10, 200});
    EXPECT_EQ(grid.GetScrollPosition(1, 1), 40);
    EXPECT_EQ(grid.GetScrollProp(1, 1).Range, 200);
    EXPECT_FALSE(grid.HasAutoRangeScrollBar(1, 1));

    grid.SetRowHeights(2, 18);
    grid.AddExpand(1, 2, 60);
    EXPECT_EQ(grid.GetExpandHeight(1, 2, false), 18);
    EXPECT_EQ(grid.GetExpandHeight(1, 2, true), 60);
    EXPECT_TRUE(grid.ToggleExpand(1, 2));
    EXPECT_TRUE(grid.GetExpandState(1, 2));
    EXPECT_FALSE(grid.ToggleExpand(1, 2));

    grid.AutoNumAlign = true;
    grid.AddProgressFormatted(2, 3, ui::clBlue, ui::clWhite, ui::clSilver, ui::clBlack, "%d units", 10, 50);
    const TCellGraphic* g = grid.GetCellGraphic(2, 3);
    EXPECT_TRUE(g->CellBoolean);
    EXPECT_EQ(g->CellText, "%d units");
    EXPECT_EQ(g->CellErrFrom, 10);
    EXPECT_EQ(g->CellErrLen, 50);
    EXPECT_EQ(grid.Alignments(2, 3), ui::TAlignment::taRightJustify);
}

}  // namespace
}  // namespace gx
