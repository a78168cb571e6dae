// Sizing to contents and the looks: AutoSizeCol (margins, grow-only, limits), AutoFitColumns
// (rounding, an exact fit, all widths 0), numbering, rotated text extents and origins, the balloon
// text, and the style presets with the Look setter.
#include <gtest/gtest.h>

#include <array>

#include "GxGridPaintFixture.h"
#include "platform/ui/Application.h"

namespace gx {
namespace {

TEST(GxGridSizing, AutoSizeColMarginsGrowOnlyAndLimits)
{
    TGxStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(4);
    testing::UseTestFont(*g.Font());
    testing::UseTestFont(*g.FixedFont());
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), 8);  // empty: margins 2 x 2 and lines 2 x (1 + 1)
    g.SetCells(2, 1, "WWWWWWWWWW");
    g.AutoSizeCol(2);
    const int fitted = g.ColWidths(2);
    EXPECT_EQ(fitted, g.Canvas()->TextWidth("WWWWWWWWWW") + 8);
    g.AutoSizeCol(2, 5);
    EXPECT_EQ(g.ColWidths(2), fitted + 5);
    g.SetCells(2, 1, "W");
    g.SizeGrowOnly = true;
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), fitted + 5);
    g.SizeGrowOnly = false;
    g.MinColWidth = g.MaxColWidth = 40;  // equal limits: none
    g.AutoSizeCol(2);
    EXPECT_LT(g.ColWidths(2), 40);
    g.MaxColWidth = 60;
    g.SetCells(2, 1, std::string(40, 'W'));
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), 60);
}

TEST(GxGridSizing, AutoFitColumnsRoundsAndFillsTheWidth)
{
    testing::ShownGrid shown(4, 3, 300, 120);
    TGxStringGrid& g = *shown.grid;
    g.SetBorderStyle(ui::TBorderStyle::bsNone);
    g.SetOptions(g.Options() & ~(ui::goVertLine | ui::goFixedVertLine));
    const int widths[] = {10, 20, 30, 40};
    for (int c = 0; c < 4; ++c)
        g.SetColWidths(c, widths[c]);
    g.AutoFitColumns(true);
    int sum = 0;
    for (int c = 0; c < 4; ++c)
        sum += g.ColWidths(c);
    EXPECT_EQ(sum, g.Width());
    EXPECT_LT(g.ColWidths(0), g.ColWidths(3));
    // An exact fit changes nothing.
    const int before = g.ColWidths(1);
    g.AutoFitColumns(true);
    EXPECT_EQ(g.ColWidths(1), before);
    // All widths 0 share the width out instead of dividing by their sum.
    for (int c = 0; c < 4; ++c)
        g.SetColWidths(c, 0);
    g.AutoFitColumns(true);
    sum = 0;
    for (int c = 0; c < 4; ++c)
        sum += g.ColWidths(c);
    EXPECT_EQ(sum, g.Width());
}

// Widths scaled by (280 / 160) land on halves: they round to the even neighbour, so the columns fill
// the width without a remainder; the border takes 4 pixels (2 for a flat grid) from the room.
TEST(GxGridSizing, AutoFitColumnsRoundsHalvesToEven)
{
    testing::ShownGrid shown(4, 3, 400, 120);
    TGxStringGrid& g = *shown.grid;
    g.SetAlign(ui::TAlign::alNone);
    g.SetOptions(g.Options() & ~(ui::goVertLine | ui::goFixedVertLine));
    struct Case {
        ui::TBorderStyle border;
        bool flat;
        int width;
        std::array<int, 4> expected;
    };
    const Case cases[] = {
        {ui::TBorderStyle::bsNone, false, 280, {18, 52, 70, 140}},
        {ui::TBorderStyle::bsSingle, false, 284, {18, 52, 70, 140}},
        {ui::TBorderStyle::bsSingle, true, 282, {18, 52, 70, 140}},
    };
    for (const Case& c : cases) {
        g.SetBorderStyle(c.border);
        g.SetFlat(c.flat);
        g.SetBounds(0, 0, c.width, 120);
        const int widths[] = {10, 30, 40, 80};
        for (int col = 0; col < 4; ++col)
            g.SetColWidths(col, widths[col]);
        g.AutoFitColumns(true);
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(g.ColWidths(col), c.expected[col]) << c.width << " column " << col;
    }
}

TEST(GxGridSizing, AutoNumberSkipsTheStartRows)
{
    TGxStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(5);
    g.AutoNumberStart = 1;
    g.AutoNumberCol(1);
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(1, 2), "2");
    EXPECT_EQ(g.Cells(1, 4), "4");
    g.ClearCols(1, 1);
    g.AutoNumberDirection = sdDescending;
    g.AutoNumberCol(1);
    EXPECT_EQ(g.Cells(1, 4), "");
    EXPECT_EQ(g.Cells(1, 1), "4");
}

TEST(GxGridSizing, RotatedTextExtentAddsBothComponents)
{
    TGxStringGrid g(nullptr);
    testing::UseTestFont(*g.Font());
    g.SetCells(1, 1, "WWWW");
    const ui::TSize plain = g.GetCellTextSize(1, 1);
    g.CreateCellGraphic(1, 1)->SetAngle(90);
    const ui::TSize turned = g.GetCellTextSize(1, 1);
    EXPECT_EQ(turned.cx, plain.cy + 12);
    EXPECT_EQ(turned.cy, plain.cx + 12);
    g.GetCellGraphic(1, 1)->SetAngle(45);
    const ui::TSize diagonal = g.GetCellTextSize(1, 1);
    EXPECT_GT(diagonal.cx, plain.cx * 7 / 10);
    ui::TRect r(0, 0, 100, 50);
    TGxStringGrid::RotatedTextOrigin(r, 1, 2, 0, 30, 0, 0, 10);
    EXPECT_EQ(r.Left, 70);
    EXPECT_EQ(r.Top, 40);
}

TEST(GxGridSizing, BalloonTextStripsTagsAndIsCut)
{
    TGxStringGrid g(nullptr);
    g.SetCells(1, 1, "<b>word</b>");
    EXPECT_EQ(g.BalloonText(1, 1), "word");
    g.SetCells(1, 2, "\r\n\ta\tb\t");
    EXPECT_EQ(g.BalloonText(1, 2), "a b\t");
    g.SetCells(1, 3, std::string(3000, 'x'));
    const std::string cut = g.BalloonText(1, 3);
    EXPECT_EQ(cut.size(), 2048u);
    EXPECT_EQ(cut.substr(2045), "...");
    // The limit counts characters: 2048 two-byte characters stay whole, one more is cut whole.
    std::string accents;
    for (int i = 0; i < 2048; ++i)
        accents += "\xC3\xA9";
    g.SetCells(1, 4, accents);
    EXPECT_EQ(g.BalloonText(1, 4), accents);
    g.SetCells(1, 4, accents + "\xC3\xA9");
    EXPECT_EQ(g.BalloonText(1, 4), accents.substr(0, 2 * 2045) + "...");
    // Rich text shows as its plain text.
    g.SetCells(1, 5, "{\\rtf1\\ansi {\\b bold} plain\\par}");
    EXPECT_EQ(g.BalloonText(1, 5).substr(0, 10), "bold plain");
}

TEST(GxGridLooks, PresetsAndTheLookSetter)
{
    TGxStringGrid g(nullptr);
    g.SetStyle(gsOffice2003Blue);
    EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), ui::TColor(0xFCE1CB));
    EXPECT_EQ(g.SearchFooter()->Color(), ui::TColor(0xFCE1CB));
    EXPECT_EQ(g.SearchFooter()->ColorTo(), ui::clNone);
    EXPECT_EQ(g.SelectionColor, ui::TColor(0x94E6FB));
    g.SetStyle(gsWindowsVista);
    EXPECT_EQ(g.Look, glVista);
    EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), ui::clNone);
    EXPECT_EQ(g.FixedGradients()[TControlLook::kMirrorFrom], ui::TColor(0xFAF8F7));
    EXPECT_EQ(g.SelectionStyle(), ssVista);
    const TGridLook before = g.Look;
    g.SetStyle(gsWhidbey);
    EXPECT_EQ(g.Look, before);
    g.SetStyle(gsCustom);
    EXPECT_EQ(g.SelectionColor, ui::clHighlight);
    g.SetLook(glXP);
    EXPECT_EQ(g.SelectionStyle(), ssDefault);
    EXPECT_EQ(g.SelectionColor, ui::TColor(0xEACAB6));
    EXPECT_EQ(g.SelectionTextColor, ui::TColor(0));
    g.ScrollType = ssMetro;
    g.SetComponentStyle(TGxStyle::tsCustom);
    EXPECT_EQ(g.ScrollType, ssMetro);
    g.SetComponentStyle(TGxStyle::tsOffice2007Luna);
    EXPECT_EQ(g.ScrollType, ssNormal);
}

TEST(GxGridLooks, ColorTonesDarkenTheFixedLines)
{
    TGxStringGrid g(nullptr);
    TColorTones tones;
    tones.Foreground.BrushColor = 0x6496C8;
    tones.Background.BrushColor = 0xFFFFFF;
    g.SetColorTones(tones);
    EXPECT_EQ(g.GridFixedLineColor(), ui::RGB(160, 120, 80));
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csGlyph);
    EXPECT_FALSE(g.ControlLook()->CheckedGlyph()->Empty());
    EXPECT_TRUE(g.Flat());
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// The hint the application asks for over a cell: the cell's text without tags for a normal cell,
// nothing of the text for a header, and the handler's text wins; its column is the display column.
TEST(GxGridHints, CellTextsAndTheHandler)
{
    testing::ShownGrid shown(4, 4);
    TGxStringGrid& g = *shown.grid;
    shown.form.Show();
    g.SetShowHint(true);
    g.HintShowCells = true;
    g.SetCells(2, 2, "<b>abc</b>");
    g.SetCells(2, 0, "head");
    const auto hintAt = [&](int c, int r) {
        const ui::TRect rect = g.CellRect(c, r);
        ui::THintInfo info;
        ui::GetApplication()->RequestHint(&g, {rect.Left + 3, rect.Top + 3}, info);
        return info.HintStr;
    };
    EXPECT_EQ(hintAt(2, 2), "abc");
    EXPECT_EQ(hintAt(2, 0), "");
    g.HTMLHint = true;
    EXPECT_EQ(hintAt(2, 2), "<b>abc</b>");
    int seenCol = -1;
    g.OnGridHint = [&](TObject*, int, int ACol, std::string& hint) {
        seenCol = ACol;
        hint = "from handler";
    };
    g.HideColumn(1);
    EXPECT_EQ(hintAt(1, 2), "from handler");
    EXPECT_EQ(seenCol, 1);
}

}  // namespace
}  // namespace gx
