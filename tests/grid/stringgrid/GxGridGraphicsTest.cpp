// The cell graphic object of the string grid: its setters and picture sizes, the size it claims in
// a cell, and who frees it (a cell frees only a graphic it owns, never a shared one).
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(GxCellGraphic, AnglesAreBroughtIntoOneTurn)
{
    struct Case {
        int in, out;
    } cases[] = {{-90, 270}, {725, 5}, {360, 360}, {0, 0}};
    for (const Case& c : cases) {
        TCellGraphic g;
        g.SetAngle(c.in);
        EXPECT_EQ(g.CellType, ctRotated);
        EXPECT_EQ(g.CellAngle, c.out) << c.in;
    }
}

TEST(GxCellGraphic, PictureSizeByStretchMode)
{
    ui::TPicture picture;
    picture.SetGraphic(std::make_unique<ui::TBitmap>(200, 100));
    struct Case {
        TStretchMode mode;
        ui::TPoint size;
    } cases[] = {{Stretch, {100, 100}},
                 {StretchWithAspectRatio, {100, 50}},
                 {Shrink, {100, 100}},
                 {ShrinkWithAspectRatio, {100, 50}},
                 {noStretch, {200, 100}}};
    for (const Case& c : cases) {
        TCellGraphic g;
        g.SetPicture(&picture, false, c.mode, 0, haLeft, vaTop);
        EXPECT_EQ(g.GetPictureSize(100, 100, true), c.size) << c.mode;
    }
    TCellGraphic fits;
    fits.SetPicture(&picture, false, ShrinkWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(fits.GetPictureSize(400, 400, false), ui::TPoint(200, 100));
}

TEST(GxCellGraphic, ABitmapBesideTheTextCountsItsWidthOnly)
{
    TGxStringGrid grid(nullptr);
    ui::TBitmap bitmap(16, 12);
    grid.SetCells(1, 1, "text");
    grid.CreateCellGraphic(1, 1)->SetBitmap(&bitmap, false, haBeforeText, vaTop);
    EXPECT_EQ(grid.CalcCellGraphicSize(1, 1, 0), ui::TPoint(16, 0));
    grid.GetCellGraphic(1, 1)->CellVAlign = vaUnderText;
    EXPECT_EQ(grid.CalcCellGraphicSize(1, 1, 0), ui::TPoint(16, 12));
    grid.CreateCellGraphic(2, 1)->SetBitmap(&bitmap, false, haLeft, vaTop);  // no text: both
    EXPECT_EQ(grid.GetCellGraphicSize(2, 1), ui::TPoint(16, 12));
    EXPECT_EQ(grid.GetCellGraphicSize(3, 1), ui::TPoint(0, 0));
}

int gDestroyed = 0;
struct CountedGraphic : TCellGraphic {
    ~CountedGraphic() override { ++gDestroyed; }
};

TEST(GxGridGraphics, ACellFreesOnlyAGraphicItOwns)
{
    gDestroyed = 0;
    TGxStringGrid grid(nullptr);
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(-1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellGraphic(1, 1), nullptr);

    // A shared graphic (a column's virtual check box) stored in cells is never freed through them.
    CountedGraphic shared;
    shared.CellType = ctVirtCheckBox;
    grid.SetGraphicObjects(1, 1, &shared);
    grid.SetGraphicObjects(1, 2, &shared);
    grid.CreateCellGraphic(1, 1);
    EXPECT_TRUE(grid.RemoveCellGraphic(1, 2));
    grid.SetGraphicObjects(1, 3, &shared);
    grid.ClearCellProperties(1, 3);
    EXPECT_EQ(gDestroyed, 0);

    // An owned graphic goes when it is replaced, removed or cleared.
    grid.SetGraphicObjects(2, 1, new CountedGraphic);
    grid.CreateCellGraphic(2, 1);
    EXPECT_EQ(gDestroyed, 1);
    grid.SetGraphicObjects(2, 2, new CountedGraphic);
    EXPECT_TRUE(grid.RemoveCellGraphicOfType(2, 2, ctNone));
    EXPECT_EQ(gDestroyed, 2);
    EXPECT_FALSE(grid.RemoveCellGraphic(2, 2));
    EXPECT_EQ(grid.Cells(2, 2), "");  // attaching left no text behind
}

TEST(GxGridGraphics, CheckBoxStatesOfTheKinds)
{
    TGxStringGrid grid(nullptr);
    grid.CreateCellGraphic(1, 1)->CellType = ctCheckBox;
    grid.GetCellGraphic(1, 1)->CellBoolean = true;
    grid.CreateCellGraphic(1, 2)->CellType = ctDataCheckBox;
    grid.SetCells(1, 2, "Y");
    grid.CreateCellGraphic(1, 3)->CellType = ctDataCheckBox;
    grid.SetCells(1, 3, "N");
    bool state = false;
    EXPECT_TRUE(grid.GetCheckBoxState(1, 1, state) && state);
    EXPECT_TRUE(grid.GetCheckBoxState(1, 2, state) && state);
    EXPECT_TRUE(grid.GetCheckBoxState(1, 3, state) && !state);
    state = true;
    EXPECT_FALSE(grid.GetCheckBoxState(2, 2, state));
    EXPECT_TRUE(state);  // untouched without a box
    EXPECT_TRUE(grid.IsDataGraphicCell(1, 2));
    EXPECT_FALSE(grid.IsDataGraphicCell(1, 1));
}

TEST(GxGridGraphics, ButtonAndExpandRectanglesSitInTheirCell)
{
    TGxStringGrid grid(nullptr);
    TCellGraphic* button = grid.CreateCellGraphic(1, 1);
    button->SetButton(20, 10, "b", haLeft, vaTop);
    button->CellValue = 3 + 65536 * 4;
    const ui::TRect cell = grid.CellRect(1, 1);
    EXPECT_EQ(grid.CellButtonRect(1, 1), ui::TRect(cell.Left + 3, cell.Top + 4, cell.Left + 23, cell.Top + 14));
    grid.CreateCellGraphic(2, 1)->CellType = ctExpand;
    const ui::TRect expandCell = grid.CellRect(2, 1);
    EXPECT_EQ(grid.ExpandButtonRect(2, 1),
              ui::TRect(expandCell.Right - 13, expandCell.Top + 2, expandCell.Right - 2, expandCell.Top + 13));
    EXPECT_TRUE(grid.ExpandButtonRect(3, 1).IsEmpty());
}

}  // namespace
}  // namespace gx
