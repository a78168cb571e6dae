// Pixels of a painted string grid: the header gradient and its 3D lines, the selected cell, a cell's
// own brush and alignment, data check boxes in the themed and classic looks (enabled and read-only),
// the focus rectangle, the border ring; and the visual properties behind them.
#include <gtest/gtest.h>

#include "GxGridPaintFixture.h"
#include "grid/base/VozEdidDraw.h"
#include "grid/stringgrid/GxGridPaint.h"

namespace gx {
namespace {

using testing::ShownGrid;
using ui::TColor;
using ui::TRect;

TColor At(const ui::TBitmap& bmp, const TGxStringGrid& g, int x, int y)
{
    const ui::TPoint o = g.ClientOrigin();
    return ui::ColorToRGB(bmp.Pixel(o.X + x, o.Y + y));
}

// Columns (x) of r holding pixels other than background.
int InkLeft(const ui::TBitmap& bmp, const TGxStringGrid& g, const TRect& r, TColor background)
{
    for (int x = r.Left; x < r.Right; ++x)
        for (int y = r.Top; y < r.Bottom; ++y)
            if (At(bmp, g, x, y) != background)
                return x;
    return -1;
}

int InkRight(const ui::TBitmap& bmp, const TGxStringGrid& g, const TRect& r, TColor background)
{
    for (int x = r.Right - 1; x >= r.Left; --x)
        for (int y = r.Top; y < r.Bottom; ++y)
            if (At(bmp, g, x, y) != background)
                return x;
    return -1;
}

TEST(GxGridPaint, HeaderGradientWithItsLinesAndFlatHeaders)
{
    ShownGrid shown(4, 4);
    TGxStringGrid& g = *shown.grid;
    ui::TBitmap bmp;
    shown.Paint(bmp);
    const TRect h = g.CellRect(2, 0);
    const TColor face = ui::ColorToRGB(ui::clBtnFace);
    // White to button face from top to bottom, a white line along top and left, the half fixed
    // colour along the bottom.
    EXPECT_EQ(At(bmp, g, h.Left + 6, h.Top), ui::clWhite);
    EXPECT_EQ(At(bmp, g, h.Left, h.Top + 6), ui::clWhite);
    EXPECT_GT(ui::GetGValue(At(bmp, g, h.Left + 6, h.Top + 2)), ui::GetGValue(At(bmp, g, h.Left + 6, h.Bottom - 3)));
    EXPECT_LE(std::abs(int(ui::GetGValue(At(bmp, g, h.Left + 6, h.Bottom - 3))) - int(ui::GetGValue(face))), 2);
    EXPECT_EQ(At(bmp, g, h.Left + 6, h.Bottom - 1), ui::ColorToRGB(VozEdid::HalfColor(g.FixedColor())));
    g.SetFlat(true);
    shown.Paint(bmp);
    EXPECT_EQ(At(bmp, g, h.Left + 6, h.Top + 2), ui::ColorToRGB(g.FixedColor()));
    EXPECT_EQ(At(bmp, g, h.Left + 6, h.Bottom - 4), ui::ColorToRGB(g.FixedColor()));
}

TEST(GxGridPaint, SelectionOwnBrushAndAlignment)
{
    ShownGrid shown(4, 4);
    TGxStringGrid& g = *shown.grid;
    g.SetSelection({1, 1, 2, 1});
    g.SetColors(1, 2, 0x00C0FF);
    g.SetCells(1, 2, "WWW");
    g.SetAlignments(1, 2, THAlignment::taRightJustify);
    g.SetCells(2, 2, "WWW");
    g.SetCells(3, 2, "WWW");
    g.SetAlignments(3, 2, THAlignment::taCenter);
    ui::TBitmap bmp;
    shown.Paint(bmp);
    const TRect sel = g.CellRect(2, 1);
    EXPECT_EQ(At(bmp, g, sel.Left + 3, sel.Bottom - 3), g.SelectionColor);
    const TRect own = g.CellRect(1, 2);
    EXPECT_EQ(At(bmp, g, own.Left + 3, own.Bottom - 3), TColor(0x00C0FF));
    // Right-aligned text keeps the margin of 2 pixels plus the line from the right edge;
    // left-aligned starts after the left margin; centred lies in the middle.
    const TRect inside(own.Left, own.Top + 1, own.Right - 1, own.Bottom - 1);  // without the grid lines
    const int right = InkRight(bmp, g, inside, 0x00C0FF);
    EXPECT_GE(right, own.Right - 5);
    EXPECT_LE(right, own.Right - 3);
    const TRect left = g.CellRect(2, 2);
    EXPECT_LE(InkLeft(bmp, g, left, ui::clWhite), left.Left + 4);
    const TRect mid = g.CellRect(3, 2);
    const int l = InkLeft(bmp, g, mid, ui::clWhite), r = InkRight(bmp, g, mid, ui::clWhite);
    EXPECT_LE(std::abs((l - mid.Left) - (mid.Right - 1 - r)), 3);
    g.XYOffsetTopLeftOnly = true;
    shown.Paint(bmp);
    EXPECT_GE(InkRight(bmp, g, inside, 0x00C0FF), own.Right - 3);
}

TEST(GxGridPaint, FocusRectangleOnlyWithTheFocus)
{
    ShownGrid shown(4, 4);
    TGxStringGrid& g = *shown.grid;
    g.SetCol(2);
    g.SetRow(2);
    ui::TBitmap plain;
    shown.Paint(plain);
    shown.form.Show();
    g.SetFocus();
    ASSERT_TRUE(g.Focused());
    ui::TBitmap focused;
    shown.Paint(focused);
    const TRect c = g.CellRect(2, 2);
    // The dotted frame changes pixels along the cell's edge, the focus alone does not.
    int changed = 0;
    for (int x = c.Left; x < c.Right; ++x)
        changed += At(plain, g, x, c.Top) != At(focused, g, x, c.Top);
    EXPECT_GT(changed, c.Width() / 4);
    g.HideFocusRect = true;
    ui::TBitmap hidden;
    shown.Paint(hidden);
    for (int x = c.Left; x < c.Right; ++x)
        EXPECT_EQ(At(hidden, g, x, c.Top), At(plain, g, x, c.Top));
}

// The check box of a data cell: the picture inside the cell for "Y" and "N", editable and
// read-only, in the themed and the classic look.
int Luma(TColor c)
{
    return (ui::GetRValue(c) * 3 + ui::GetGValue(c) * 6 + ui::GetBValue(c)) / 10;
}

struct BoxPixels {
    TRect box;               // the pixels that are not the cell's background
    int dark = 0, grey = 0;  // inside the box's frame: near black, and grey (a disabled mark)
    std::vector<TColor> px;
};

BoxPixels ReadBox(const ui::TBitmap& bmp, const TGxStringGrid& g, int col, int row)
{
    const TRect cell = g.CellRect(col, row);
    const TRect inside(cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1);  // without the grid lines
    const TColor background = At(bmp, g, inside.Left + 1, inside.Top + 1);
    BoxPixels b;
    b.box = TRect(inside.Right, inside.Bottom, inside.Left, inside.Top);
    for (int y = inside.Top; y < inside.Bottom; ++y)
        for (int x = inside.Left; x < inside.Right; ++x) {
            const TColor c = At(bmp, g, x, y);
            b.px.push_back(c);
            if (c == background)
                continue;
            b.box.Left = std::min(b.box.Left, x);
            b.box.Top = std::min(b.box.Top, y);
            b.box.Right = std::max(b.box.Right, x + 1);
            b.box.Bottom = std::max(b.box.Bottom, y + 1);
        }
    for (int y = b.box.Top + 3; y < b.box.Bottom - 3; ++y)
        for (int x = b.box.Left + 3; x < b.box.Right - 3; ++x) {
            const int l = Luma(At(bmp, g, x, y));
            b.dark += l < 0x40;
            b.grey += l >= 0x40 && l < 0xD0;
        }
    return b;
}

TEST(GxGridPaint, DataCheckBoxesByStateLookAndEditability)
{
    ShownGrid shown(3, 3);
    TGxStringGrid& g = *shown.grid;
    g.SetOptions(g.Options() | ui::goEditing);
    g.AddCheckBox(1, 1, true, true);
    g.AddCheckBox(1, 2, false, true);
    g.SetAlignments(1, 1, THAlignment::taCenter);
    g.SetAlignments(1, 2, THAlignment::taCenter);
    g.SetCol(2);  // the current cell away from the boxes
    g.SetRow(2);
    ASSERT_EQ(g.Cells(1, 1), "Y");
    ASSERT_EQ(g.Cells(1, 2), "N");
    const auto boxes = [&] {
        ui::TBitmap bmp;
        shown.Paint(bmp);
        return std::pair{ReadBox(bmp, g, 1, 1), ReadBox(bmp, g, 1, 2)};
    };
    std::vector<TColor> themedYes;
    for (TControlStyle style : {csTheme, csClassic}) {
        g.ControlLook()->SetControlStyle(style);
        const auto [yes, no] = boxes();
        const TRect cell = g.CellRect(1, 1);
        for (const BoxPixels& b : {yes, no}) {
            // Only the box shows, never the "Y"/"N" text: a box of the check size, centred.
            EXPECT_GE(b.box.Width(), 13) << style;
            EXPECT_LE(b.box.Width(), g.ControlLook()->CheckSize()) << style;
            EXPECT_LE(b.box.Height(), g.ControlLook()->CheckSize()) << style;
            EXPECT_LE(std::abs((b.box.Left - cell.Left) - (cell.Right - 1 - b.box.Right)), 1) << style;
        }
        // "Y" carries a black mark, "N" an empty box.
        EXPECT_GT(yes.dark, 8) << style;
        EXPECT_EQ(no.dark + no.grey, 0) << style;
        if (style == csTheme)
            themedYes = yes.px;
        else
            EXPECT_TRUE(yes.px != themedYes) << "the classic look is a look of its own";

        // Read-only cells show the disabled look: a grey mark, an empty box for "N".
        g.SetReadOnly(1, 1, true);
        g.SetReadOnly(1, 2, true);
        const auto [yesOff, noOff] = boxes();
        EXPECT_EQ(yesOff.dark, 0) << style;
        EXPECT_GT(yesOff.grey, 8) << style;
        EXPECT_EQ(noOff.dark, 0) << style;
        EXPECT_NE(noOff.px, no.px) << style;
        g.ControlLook()->CheckAlwaysActive = true;
        EXPECT_EQ(boxes().first.px, yes.px) << style;
        g.ControlLook()->CheckAlwaysActive = false;
        g.SetReadOnly(1, 1, false);
        g.SetReadOnly(1, 2, false);
    }
}

TEST(GxGridPaint, BorderRingInTheBorderColour)
{
    ShownGrid shown(3, 3);
    TGxStringGrid& g = *shown.grid;
    ui::TBitmap bmp;
    shown.Paint(bmp);
    const int w = g.Width(), h = g.Height();
    for (const ui::TPoint p : {ui::TPoint{1, 5}, ui::TPoint{w - 2, 5}, ui::TPoint{5, 1}, ui::TPoint{5, h - 2}})
        EXPECT_EQ(ui::ColorToRGB(bmp.Pixel(p.X, p.Y)), g.BorderColor) << p.X << "," << p.Y;
    g.SetFlat(true);
    shown.Paint(bmp);
    EXPECT_NE(ui::ColorToRGB(bmp.Pixel(1, 5)), g.BorderColor);
}

TEST(GxGridVisual, HeaderAndSelectionColours)
{
    TGxStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(4);
    const auto visual = [&](int c, int r, ui::TGridDrawState state, TColor& to, TColor& mirror) {
        ui::TBrush brush;
        ui::TFont font;
        TColor mirrorTo = ui::clNone;
        THAlignment ha;
        TVAlignment va;
        bool ww = true;
        TCellGradientDirection gd = GradientHorizontal;
        g.GetVisualProperties(c, r, state, false, true, true, &brush, to, mirror, mirrorTo, &font, ha, va, ww, gd);
        return brush.Color();
    };
    TColor to = 0, mirror = 0;
    EXPECT_EQ(visual(2, 0, 0, to, mirror), ui::clWhite);
    EXPECT_EQ(to, ui::ColorToRGB(ui::clBtnFace));
    EXPECT_EQ(mirror, ui::clNone);
    // A header with its own brush keeps it.
    g.SetColors(2, 0, 0x112233);
    EXPECT_EQ(visual(2, 0, 0, to, mirror), TColor(0x112233));
    // Selection mixing into a coloured cell.
    g.SetSelection({1, 1, 1, 1});
    g.SetColors(1, 1, 0x000000);
    g.SelectionColorMixer = true;
    struct Case {
        int factor;
        TColor expected;
    } cases[] = {{0, 0x000000}, {100, g.SelectionColor}, {50, MixColors(g.SelectionColor, 0, 50)}};
    for (const Case& c : cases) {
        g.SetSelectionColorMixerFactor(c.factor);
        EXPECT_EQ(visual(1, 1, 0, to, mirror), c.expected) << c.factor;
    }
    // A selected cell in the grid colour always takes the selection colour.
    EXPECT_EQ(visual(1, 2, 0, to, mirror), g.Color());
    g.SetSelection({1, 2, 1, 2});
    EXPECT_EQ(visual(1, 2, 0, to, mirror), g.SelectionColor);
    // Other rows of a disjunct row selection are a little lighter, a light colour stays light.
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SelectionColor = 0xF8F0E0;
    g.SetRowSelect(3, true);
    EXPECT_EQ(visual(2, 3, 0, to, mirror), ui::RGB(0xF0, 0xFF, 0xFF));
}

TEST(GxGridVisual, BandsCountFromTheFirstNormalRow)
{
    TGxStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(9);
    g.SetFixedFooters(1);
    g.Bands()->SetActive(true);
    g.Bands()->SetPrimaryColor(0x0000AA);
    g.Bands()->SetSecondaryColor(0x00AA00);
    g.Bands()->SetPrimaryLength(2);
    g.Bands()->SetSecondaryLength(1);
    const auto brush = [&](int r) {
        ui::TBrush b;
        ui::TFont f;
        TColor to, m, mt;
        THAlignment ha;
        TVAlignment va;
        bool ww;
        TCellGradientDirection gd;
        ui::TGridDrawState s = 0;
        g.GetVisualProperties(1, r, s, false, false, true, &b, to, m, mt, &f, ha, va, ww, gd);
        return b.Color();
    };
    const TColor expected[] = {0x0000AA, 0x0000AA, 0x00AA00, 0x0000AA, 0x0000AA, 0x00AA00, 0x0000AA};
    for (int r = 1; r < 8; ++r)
        EXPECT_EQ(brush(r), expected[r - 1]) << r;
    EXPECT_EQ(brush(8), ui::clWhite);  // the footer row: the fixed look's first colour
}

TEST(GxGridVisual, FormattedCellsFollowTheFloatFormatEvent)
{
    TGxStringGrid g(nullptr);
    g.SetCells(1, 1, "3.14159");
    g.SetCells(1, 2, "abc");
    g.SetCells(1, 3, "42");
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14159");
    g.OnGetFloatFormat = [](TObject*, int, int ARow, bool&, std::string& f) {
        f = ARow == 3 ? "%05d" : ARow == 4 ? "%s%s" : "%.2f";
    };
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14");
    EXPECT_EQ(g.GetFormattedCell(1, 2), "abc");
    EXPECT_EQ(g.GetFormattedCell(1, 3), "00042");
    // A format that would read arguments that are not there leaves the text alone.
    g.SetCells(1, 4, "7");
    EXPECT_EQ(g.GetFormattedCell(1, 4), "7");
}

TEST(GxGridVisual, BandGradient)
{
    ui::TBitmap bmp(10, 64);
    ui::TCanvas& c = *bmp.Canvas();
    DrawGradient(c, 0x0000FF, 0x0000FF, false, TRect(0, 0, 10, 64), 0);
    EXPECT_EQ(bmp.Pixel(5, 63), TColor(0x0000FF));
    DrawGradient(c, 0x000000, 0xFF0000, false, TRect(0, 0, 10, 64), 128);
    EXPECT_LE(ui::GetBValue(bmp.Pixel(5, 0)), 4);  // bands overlap: a later one wins
    EXPECT_GT(ui::GetBValue(bmp.Pixel(5, 63)), 250);
    for (int y = 1; y < 64; ++y)
        EXPECT_GE(ui::GetBValue(bmp.Pixel(5, y)), ui::GetBValue(bmp.Pixel(5, y - 1)));
}

}  // namespace
}  // namespace gx
