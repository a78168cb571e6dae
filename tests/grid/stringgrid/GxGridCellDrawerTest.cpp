// Cells whose object draws itself: the rectangle and flags the object is given, whether the cell
// text goes over it or under it, and the size it claims for auto-sizing.
#include <gtest/gtest.h>

#include <vector>

#include "GxGridPaintFixture.h"
#include "grid/stringgrid/GxGridCellDrawer.h"

namespace gx {
namespace {

using testing::ShownGrid;
using ui::TColor;
using ui::TRect;

// Fills what it is given and remembers every call.
struct Swatch : rtl::TObject, IGridCellDrawer {
    struct Call {
        TRect rect;
        int col;
        int row;
        bool selected;
    };
    int w = 0, h = 0;
    bool first = false;
    TColor color = ui::clRed;
    std::vector<Call> calls;

    Swatch(int W, int H, bool First) : w(W), h(H), first(First) {}
    void Draw(ui::TCanvas& Canvas, const TRect& Rect, TGxStringGrid&, int Col, int Row, bool Selected) override
    {
        calls.push_back({Rect, Col, Row, Selected});
        Canvas.Brush()->SetColor(color);
        Canvas.Pen()->SetColor(ui::clLime);  // the grid must not keep this pen for its own lines
        Canvas.FillRect(Rect);
    }
    int Width() const override { return w; }
    int Height() const override { return h; }
    bool DrawsFirst() const override { return first; }
};

TColor At(const ui::TBitmap& bmp, const TGxStringGrid& g, int x, int y)
{
    const ui::TPoint o = g.ClientOrigin();
    return ui::ColorToRGB(bmp.Pixel(o.X + x, o.Y + y));
}

bool Dark(TColor c)
{
    return ui::GetRValue(c) < 100 && ui::GetGValue(c) < 100 && ui::GetBValue(c) < 100;
}

TEST(GxGridCellDrawer, DrawsIntoTheCellLessItsMarginWithTheSelectedFlag)
{
    struct Case {
        ui::TPoint offset;
        bool first;
        // The rectangle relative to the cell's: the object gets the cell less (offset - 2) on the
        // left and top and less (offset - 1) on the right and bottom, the grid line included.
        TRect inset;
    } cases[] = {
        {{2, 2}, false, {0, 0, 1, 1}},
        {{2, 2}, true, {0, 0, 1, 1}},
        {{4, 3}, false, {2, 1, 3, 2}},
        {{4, 3}, true, {2, 1, 3, 2}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "offset " << k.offset.X << "," << k.offset.Y << " first " << k.first);
        ShownGrid shown(5, 4);
        TGxStringGrid& g = *shown.grid;
        g.SetXYOffset(k.offset);
        g.HideColumn(1);  // display column 2 shows real column 3
        Swatch selected(0, 0, k.first), plain(0, 0, k.first);
        g.AddInterfacedCell(3, 1, &selected);
        g.AddInterfacedCell(3, 2, &plain);
        g.SetSelection({2, 1, 2, 1});
        ui::TBitmap bmp;
        shown.Paint(bmp);
        ASSERT_EQ(selected.calls.size(), 1u);
        ASSERT_EQ(plain.calls.size(), 1u);
        const TRect cell = g.CellRect(2, 1);
        const TRect want(cell.Left + k.inset.Left, cell.Top + k.inset.Top, cell.Right - k.inset.Right,
                         cell.Bottom - k.inset.Bottom);
        const Swatch::Call& c = selected.calls[0];
        EXPECT_EQ(c.rect, want);
        EXPECT_EQ(c.col, 3);
        EXPECT_EQ(c.row, 1);
        EXPECT_TRUE(c.selected);
        EXPECT_FALSE(plain.calls[0].selected);
        EXPECT_EQ(plain.calls[0].row, 2);
        EXPECT_EQ(At(bmp, g, want.Left, want.Top), ui::clRed);
        EXPECT_EQ(At(bmp, g, want.Right - 1, want.Bottom - 1), ui::clRed);
    }
}

TEST(GxGridCellDrawer, TextGoesOverAnObjectDrawnFirstAndUnderTheOthers)
{
    struct Case {
        const char* name;
        bool drawer;  // false: an object that does not draw itself
        bool first;
        bool textShows;
        bool redShows;
    } cases[] = {
        {"drawn first", true, true, true, true},
        {"drawn after the text", true, false, false, true},
        {"object without a drawing", false, false, true, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ShownGrid shown(3, 3);
        TGxStringGrid& g = *shown.grid;
        g.SetColWidths(1, 120);
        g.SetCells(1, 1, "WWWWWWWW");
        g.SetColors(1, 1, ui::clWhite);
        Swatch swatch(0, 0, k.first);
        rtl::TObject mute;
        g.AddInterfacedCell(1, 1, k.drawer ? static_cast<rtl::TObject*>(&swatch) : &mute);
        ui::TBitmap bmp;
        shown.Paint(bmp);
        const TRect r = g.CellRect(1, 1);
        int dark = 0, red = 0;
        for (int y = r.Top + 1; y < r.Bottom - 2; ++y)
            for (int x = r.Left + 1; x < r.Right - 2; ++x) {
                const TColor p = At(bmp, g, x, y);
                dark += Dark(p);
                red += p == ui::clRed;
            }
        EXPECT_EQ(dark > 10, k.textShows);
        EXPECT_EQ(red > 100, k.redShows);
        // The lines of the cells after it are the grid's, not the object's pen.
        EXPECT_NE(At(bmp, g, g.CellRect(2, 1).Right - 1, g.CellRect(2, 1).Top + 5), ui::clLime);
    }
}

TEST(GxGridCellDrawer, ClaimsItsOwnSizeOrTheCellsWhenItGivesNone)
{
    struct Case {
        const char* name;
        bool drawer;
        int w, h;
        bool wholeCell;
    } cases[] = {
        {"own size", true, 90, 40, false},
        {"no width", true, 0, 40, true},
        {"no height", true, 90, 0, true},
        {"object without a drawing", false, 0, 0, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TGxStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(3);
        Swatch swatch(k.w, k.h, false);
        rtl::TObject mute;
        g.AddInterfacedCell(1, 1, k.drawer ? static_cast<rtl::TObject*>(&swatch) : &mute);
        const TRect cell = g.CellRect(1, 1);
        const ui::TPoint want = k.wholeCell ? ui::TPoint(cell.Width(), cell.Height()) : ui::TPoint(k.w, k.h);
        EXPECT_EQ(g.GetCellGraphicSize(1, 1), want);
        EXPECT_EQ(g.CalcCellGraphicPrintSize(1, 1, 500, 500, 1.0),
                  k.drawer ? ui::TPoint(k.w ? k.w : cell.Width(), k.h ? k.h : cell.Height()) : want);
    }
}

TEST(GxGridCellDrawer, AutoSizeMakesRoomForTheObject)
{
    TGxStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetColWidths(1, 30);
    g.SetRowHeights(1, 20);
    Swatch swatch(90, 40, false);
    g.AddInterfacedCell(1, 1, &swatch);
    g.AutoSizeCells(false);
    // The object's size and the cell margin.
    EXPECT_EQ(g.ColWidths(1), 90 + g.XYOffset().X);
    EXPECT_EQ(g.RowHeights(1), 40 + g.XYOffset().Y);
}

}  // namespace
}  // namespace gx
