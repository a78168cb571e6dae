// Pixel tests of the button face drawn on a bitmap canvas.
#include <gtest/gtest.h>

#include <vector>

#include "ButtonTestSupport.h"
#include "controls/button/LbButtonDraw.h"

using namespace controls;
using namespace button_test;
using ui::RGB;
using ui::TBitmap;

namespace {

constexpr ui::TColor kFace = RGB(0xF8, 0xF7, 0xED);
constexpr ui::TColor kLight = RGB(0xFF, 0xFF, 0xFF);
constexpr ui::TColor kShadow = RGB(0x40, 0x40, 0x40);
constexpr ui::TColor kPressed = RGB(0xFF, 0x80, 0x00);
constexpr ui::TColor kMagenta = 0xFF00FF;

class DrawTest : public ::testing::Test {
protected:
    DrawTest()
    {
        UseTestFont(font);
        face.Width = 110;
        face.Height = 28;
        face.Color = kFace;
        face.LightColor = kLight;
        face.ShadowColor = kShadow;
        face.Font = &font;
    }

    // Draws the face on a fresh bitmap of its size.
    TBitmap& Draw()
    {
        bmp.SetSize(face.Width, face.Height);
        DrawLbButton(*bmp.Canvas(), face);
        return bmp;
    }

    // A glyph strip of `cells` cells of size x size in the colours kCells.
    void UseGlyph(int cells, int size);

    // Pixels inside the frame that are not the given face colour.
    ui::TRect Ink(ui::TColor faceColour)
    {
        return InkBounds(bmp, ui::Rect(1, 1, face.Width - 1, face.Height - 1), faceColour);
    }

    ui::TFont font;
    TLbButtonFace face;
    TBitmap bmp;
    TBitmap strip;
};

const ui::TColor kCells[4] = {RGB(0, 0, 200), RGB(0, 200, 0), RGB(200, 0, 0), RGB(200, 200, 0)};

void DrawTest::UseGlyph(int cells, int size)
{
    MakeStrip(strip, cells, size, kCells);
    face.Glyph = &strip;
    face.NumGlyphs = cells;
}

}  // namespace

TEST_F(DrawTest, EncartaPressedShowsPressedColourAndBoldCaptionInPlace)
{
    face.Style = bsEncarta;
    face.ColorWhenDown = kPressed;
    face.Caption = "Apply";
    Draw();
    const ui::TRect upInk = Ink(kFace);
    const int upCount = CountInk(bmp, ui::Rect(1, 1, face.Width - 1, face.Height - 1), kFace);

    face.Pressed = true;
    Draw();
    EXPECT_EQ(bmp.Pixel(2, 2), kPressed);
    const ui::TRect downInk = Ink(kPressed);
    const int downCount = CountInk(bmp, ui::Rect(1, 1, face.Width - 1, face.Height - 1), kPressed);
    EXPECT_GT(downCount, upCount) << "bold caption";
    // Centred bold text grows to both sides but is not moved right and down by a pixel.
    EXPECT_LE(downInk.Left, upInk.Left);
    EXPECT_EQ(downInk.Top, upInk.Top);
}

TEST_F(DrawTest, NormalPressedShiftsContentAndSwapsFrameColours)
{
    UseGlyph(1, 8);
    face.Style = bsNormal;
    face.Caption = "Go";
    Draw();
    EXPECT_EQ(bmp.Pixel(0, 0), kLight);
    EXPECT_EQ(bmp.Pixel(0, face.Height - 2), kLight);
    EXPECT_EQ(bmp.Pixel(face.Width - 1, face.Height - 1), kShadow);
    EXPECT_EQ(bmp.Pixel(face.Width - 1, 0), kShadow);
    const ui::TRect up = Ink(kFace);

    face.Pressed = true;
    Draw();
    EXPECT_EQ(bmp.Pixel(0, 0), kShadow);
    EXPECT_EQ(bmp.Pixel(face.Width - 1, face.Height - 1), kLight);
    const ui::TRect down = Ink(kFace);
    EXPECT_EQ(down, up.Offset(1, 1));
}

TEST_F(DrawTest, FaceColourFollowsHoverStepPressAndEnabledState)
{
    struct Case {
        ui::TColor faceColour, hover, pressedColour;
        int step;
        bool pressed, enabled;
        ui::TColor expected;
    } cases[] = {
        {kFace, RGB(0xFF, 0xFF, 0x00), ui::clNone, 8, false, true, RGB(0xFF, 0xFF, 0x00)},
        {RGB(0, 0, 0), RGB(0xFF, 0xFF, 0xFF), ui::clNone, 4, false, true, RGB(0x7F, 0x7F, 0x7F)},
        {kFace, ui::clNone, ui::clNone, 8, false, true, kFace},              // no hover colour
        {kFace, RGB(0xFF, 0xFF, 0x00), ui::clNone, 8, false, false, kFace},  // disabled: no highlight
        {kFace, RGB(0xFF, 0xFF, 0x00), kPressed, 8, true, true, kPressed},   // pressed wins
        {kFace, RGB(0xFF, 0xFF, 0x00), kPressed, 0, true, false, kFace},     // disabled is never pressed
        {kFace, RGB(0xFF, 0xFF, 0x00), ui::clNone, 8, true, true, RGB(0xFF, 0xFF, 0x00)},
    };
    face.Style = bsEncarta;
    for (const auto& c : cases) {
        face.Color = c.faceColour;
        face.HotTrackColor = c.hover;
        face.ColorWhenDown = c.pressedColour;
        face.HotTrackStep = c.step;
        face.Pressed = c.pressed;
        face.Enabled = c.enabled;
        Draw();
        EXPECT_EQ(bmp.Pixel(5, 5), c.expected) << "step " << c.step << " pressed " << c.pressed;
    }
}

TEST_F(DrawTest, DisabledCaptionIsGrey)
{
    face.Style = bsNormal;
    face.Caption = "Disabled";
    face.Enabled = false;
    Draw();
    // The darkest caption pixel is the grey itself (smoothed edges are lighter).
    unsigned darkest = 0xFFFFFFFF;
    ui::TColor darkestColour = kFace;
    for (int y = 2; y < face.Height - 2; ++y)
        for (int x = 2; x < face.Width - 2; ++x) {
            const ui::TColor c = bmp.Pixel(x, y);
            const unsigned sum = ui::GetRValue(c) + ui::GetGValue(c) + ui::GetBValue(c);
            if (sum < darkest) {
                darkest = sum;
                darkestColour = c;
            }
        }
    EXPECT_EQ(darkestColour, RGB(0x80, 0x80, 0x80));
}

TEST_F(DrawTest, TooWideCaptionIsCutFromTheEndWithoutEllipsis)
{
    face.Style = bsNormal;
    face.Width = 60;
    face.Alignment = ui::TAlignment::taLeftJustify;
    const std::string longCaption = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // The longest start of the caption that fits into the text width (W - 8).
    bmp.SetSize(1, 1);
    bmp.Canvas()->Font()->Assign(font);
    std::string fits = longCaption;
    while (bmp.Canvas()->TextWidth(fits) > face.Width - 8)
        fits.pop_back();
    ASSERT_FALSE(fits.empty());
    ASSERT_LT(fits.size(), longCaption.size());

    face.Caption = fits;
    TBitmap expected;
    expected.Assign(Draw());
    face.Caption = longCaption;
    EXPECT_TRUE(SamePixels(Draw(), expected));
    EXPECT_LE(Ink(kFace).Right, face.Width - 4);

    // Word wrap keeps the whole caption, broken into lines.
    face.WordWrap = true;
    face.Height = 60;
    face.Caption = "ABCDE";
    Draw();
    const int lineHeight = Ink(kFace).Height();
    face.Caption = "ABCDE FGHIJ KLMNO";
    Draw();
    const ui::TRect wrapped = Ink(kFace);
    EXPECT_GT(wrapped.Height(), 2 * lineHeight);
    // Vertically centred as a block.
    EXPECT_NEAR(wrapped.Top - 1, face.Height - 1 - wrapped.Bottom, 4);
}

TEST_F(DrawTest, GlyphCellFollowsState)
{
    struct Case {
        int cells;
        bool enabled, pressed, hot;
        int expectedCell;
    } cases[] = {
        {4, true, false, false, 0},  {4, false, false, false, 1}, {4, true, false, true, 3}, {4, true, true, true, 2},
        {3, true, false, true, 0},   {3, true, true, false, 2},   {2, true, true, true, 0},  {2, false, true, true, 1},
        {1, false, false, false, 0},  // one picture only: shown also when disabled
    };
    face.Style = bsNormal;
    face.Alignment = ui::TAlignment::taLeftJustify;
    for (const auto& c : cases) {
        UseGlyph(c.cells, 10);
        face.Enabled = c.enabled;
        face.Pressed = c.pressed;
        face.Hot = c.hot;
        Draw();
        const int O = (c.pressed && c.enabled) ? 1 : 0;
        // Glyph left of a left-aligned caption: at (4, (H - 10) / 2) plus the pressed offset.
        const int gx = 4 + O, gy = (face.Height - 10) / 2 + O;
        EXPECT_EQ(bmp.Pixel(gx + 5, gy + 5), kCells[c.expectedCell]) << c.cells << " cells";
        EXPECT_NE(bmp.Pixel(gx, gy + 9), kMagenta) << "bottom-left colour is transparent";
    }
}

TEST_F(DrawTest, GlyphLeftOfCentredCaptionSitsHalfTheCaptionWidthLeftOfCentre)
{
    UseGlyph(1, 10);
    face.Style = bsNormal;
    face.Caption = "Wide caption";
    Draw();
    bmp.Canvas()->Font()->Assign(font);
    ui::TRect calc(0, 0, face.Width - 8 - 14, 0);
    bmp.Canvas()->DrawText(face.Caption, calc, ui::DT_CALCRECT | ui::DT_WORDBREAK | ui::DT_CENTER);
    const int expectedLeft = (face.Width - 10) / 2 - (calc.Width() + 4) / 2;
    const ui::TRect ink = InkBounds(bmp, ui::Rect(1, 1, face.Width - 1, face.Height - 1), kFace);
    EXPECT_EQ(ink.Left, expectedLeft);
    EXPECT_EQ(bmp.Pixel(expectedLeft, (face.Height - 10) / 2), kCells[0]);
}

TEST_F(DrawTest, FlatFrameShowsOnlyWhenHotOrPressed)
{
    struct Case {
        bool enabled, hot, pressed, frame;
    } cases[] = {
        {true, false, false, false}, {true, true, false, true},   {true, false, true, true},
        {false, true, false, false}, {false, false, true, false},
    };
    face.Style = bsNormal;
    face.Flat = true;
    for (const auto& c : cases) {
        face.Enabled = c.enabled;
        face.Hot = c.hot;
        face.Pressed = c.pressed;
        Draw();
        EXPECT_EQ(bmp.Pixel(face.Width - 1, face.Height / 2) != kFace, c.frame)
            << "enabled " << c.enabled << " hot " << c.hot << " pressed " << c.pressed;
    }
}

TEST_F(DrawTest, ModernFaceHasTwoGradientsAndRoundedCorners)
{
    face.Style = bsModern;
    face.Width = 100;
    face.Height = 24;
    face.Color = RGB(0xC0, 0xC0, 0xC0);
    face.LightColor = RGB(0xFF, 0xFF, 0xFF);
    face.ShadowColor = RGB(0x80, 0x80, 0x80);
    bmp.SetSize(100, 24);
    bmp.Canvas()->Brush()->SetColor(kMagenta);
    bmp.Canvas()->FillRect(ui::Rect(0, 0, 100, 24));
    DrawLbButton(*bmp.Canvas(), face);
    // Upper gradient from the light colour at row 2 toward the face at row 6, lower one from the
    // face back to light at row 23. The bands are one row high and the later band wins a row:
    // row 2 shows band 7 (255 - 7 x 63/31), row 5 band 30; row 6 band 1 and row 21 band 29 of the
    // lower one. Columns 2 to 97 are filled.
    struct Row {
        int y;
        unsigned grey;
    } rows[] = {{2, 240}, {3, 224}, {5, 194}, {6, 194}, {21, 250}};
    for (const auto& r : rows)
        for (int x : {3, 50, 96})
            EXPECT_EQ(bmp.Pixel(x, r.y), RGB(r.grey, r.grey, r.grey)) << "row " << r.y << " column " << x;
    EXPECT_EQ(bmp.Pixel(2, 12), bmp.Pixel(50, 12));
    EXPECT_EQ(bmp.Pixel(97, 12), bmp.Pixel(50, 12));
    // Inner frame in the face colour, outer rounded frame in the shadow colour.
    EXPECT_EQ(bmp.Pixel(50, 1), RGB(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(bmp.Pixel(50, 0), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(bmp.Pixel(0, 0), kMagenta);
    EXPECT_EQ(bmp.Pixel(99, 23), kMagenta);
}

TEST_F(DrawTest, ShapeStyleLeavesOnlyGlyphAndCaption)
{
    UseGlyph(1, 8);
    face.Style = bsShape;
    Draw();
    EXPECT_EQ(bmp.Pixel(0, 0), kMagenta);
    EXPECT_EQ(bmp.Pixel(face.Width - 1, face.Height - 1), kMagenta);
    EXPECT_EQ(bmp.Pixel((face.Width - 8) / 2 + 4, (face.Height - 8) / 2 + 4), kCells[0]);
}

TEST_F(DrawTest, PopupArrowIsDrawnAtTheRightEdge)
{
    face.Style = bsNormal;
    face.HasPopupMenu = true;
    Draw();
    const ui::TRect arrow = InkBounds(bmp, ui::Rect(face.Width - 11, 1, face.Width - 1, face.Height - 1), kFace);
    EXPECT_FALSE(arrow.IsEmpty());
    EXPECT_GE(arrow.Left, face.Width - 11);
    EXPECT_GE(arrow.Top, face.Height / 2 - 1);
}

TEST_F(DrawTest, GlyphAndCaptionTakeTheirPlacesInEveryLayout)
{
    using ui::TAlignment;
    UseGlyph(1, 10);
    face.Style = bsNormal;
    face.Width = 120;
    face.Height = 60;
    face.Caption = "Go on";
    bmp.SetSize(1, 1);
    bmp.Canvas()->Font()->Assign(font);
    ui::TRect calc(0, 0, face.Width - 8 - 14, 0);
    bmp.Canvas()->DrawText(face.Caption, calc, ui::DT_CALCRECT | ui::DT_WORDBREAK);
    const int TW = calc.Width() + 4;
    const int TH = calc.Height();
    const int sideY = (60 - 10) / 2;
    const int topY = (60 - (TH + 14)) / 2;

    // Where the glyph's top-left corner lands, and on which side of the glyph the caption is.
    enum Side { captionRight, captionLeft, captionBelow, captionAbove };
    struct Case {
        TLbButtonLayout layout;
        TAlignment alignment;
        bool wordWrap, pressed;
        int gx, gy;
        Side side;
    } cases[] = {
        {blGlyphLeft, TAlignment::taLeftJustify, false, false, 4, sideY, captionRight},
        {blGlyphLeft, TAlignment::taRightJustify, false, false, 120 - 4 - 10 - TW, sideY, captionRight},
        {blGlyphLeft, TAlignment::taCenter, false, false, 55 - TW / 2, sideY, captionRight},
        {blGlyphLeft, TAlignment::taCenter, true, false, 4, sideY, captionRight},  // word wrap: always left
        {blGlyphLeft, TAlignment::taCenter, false, true, 56 - TW / 2, sideY + 1, captionRight},
        {blGlyphRight, TAlignment::taLeftJustify, false, false, 4 + TW, sideY, captionLeft},
        {blGlyphRight, TAlignment::taRightJustify, false, false, 106, sideY, captionLeft},
        {blGlyphRight, TAlignment::taCenter, false, false, 55 + TW / 2, sideY, captionLeft},
        {blGlyphRight, TAlignment::taLeftJustify, true, true, 5 + TW, sideY + 1, captionLeft},
        {blGlyphTop, TAlignment::taLeftJustify, false, false, 4, topY, captionBelow},
        {blGlyphTop, TAlignment::taRightJustify, false, false, 106, topY, captionBelow},
        {blGlyphTop, TAlignment::taCenter, false, true, 56, topY + 1, captionBelow},
        {blGlyphBottom, TAlignment::taCenter, false, false, 55, topY + TH, captionAbove},
    };
    for (const auto& c : cases) {
        face.Layout = c.layout;
        face.Alignment = c.alignment;
        face.WordWrap = c.wordWrap;
        face.Pressed = c.pressed;
        Draw();
        const ui::TRect area(1, 1, face.Width - 1, face.Height - 1);
        ui::TRect glyph{area.Right, area.Bottom, area.Left, area.Top}, caption = glyph;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) {
                const ui::TColor p = bmp.Pixel(x, y);
                if (p == kFace)
                    continue;
                ui::TRect& r = p == kCells[0] ? glyph : caption;
                r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
            }
        const std::string what = "layout " + std::to_string(c.layout) + " alignment " +
                                 std::to_string(static_cast<int>(c.alignment)) + " wrap " + std::to_string(c.wordWrap) +
                                 " pressed " + std::to_string(c.pressed);
        EXPECT_EQ(glyph, ui::Rect(c.gx, c.gy, c.gx + 10, c.gy + 10)) << what;
        ASSERT_FALSE(caption.IsEmpty()) << what;
        switch (c.side) {
        case captionRight:
            EXPECT_GE(caption.Left, glyph.Right) << what;
            break;
        case captionLeft:
            EXPECT_LE(caption.Right, glyph.Left) << what;
            break;
        case captionBelow:
            EXPECT_GE(caption.Top, glyph.Bottom) << what;
            break;
        case captionAbove:
            EXPECT_LE(caption.Bottom, glyph.Top) << what;
            break;
        }
    }
}

TEST_F(DrawTest, GlyphWithoutCellsIsNotDrawnButKeepsItsRoomAboveTheCaption)
{
    // A strip narrower than high gives no cells; its height still counts in the glyph-top layout.
    face.Style = bsNormal;
    face.Layout = blGlyphTop;
    face.Height = 60;
    face.Caption = "Go";
    bmp.SetSize(1, 1);
    bmp.Canvas()->Font()->Assign(font);
    const int TH = bmp.Canvas()->TextHeight("Go");
    Draw();
    const ui::TRect plain = Ink(kFace);

    const ui::TColor blue[1] = {RGB(0, 0, 200)};
    MakeStrip(strip, 1, 16, blue);
    strip.SetSize(10, 16);
    face.Glyph = &strip;
    face.NumGlyphs = 0;
    Draw();
    const int dy = ((60 - (TH + 16 + 4)) / 2 + 16) - (60 - TH) / 2;
    EXPECT_EQ(Ink(kFace), plain.Offset(0, dy));
}

TEST_F(DrawTest, FramesOfTheClassicQuickenAndModernStyles)
{
    const ui::TColor dark = ui::ColorToRGB(ui::cl3DDkShadow);
    struct Pixel {
        int x, y;
        ui::TColor colour;
    };
    struct Case {
        TLbButtonStyle style;
        bool pressed;
        std::vector<Pixel> pixels;
    } cases[] = {
        // 110 x 28. Classic: inner shadow edge right and bottom, light top-left, dark outer right-bottom.
        {bsOld,
         false,
         {{108, 10, kShadow},
          {50, 26, kShadow},
          {0, 10, kLight},
          {50, 0, kLight},
          {108, 0, kLight},
          {109, 10, dark},
          {50, 27, dark},
          {0, 27, dark},
          {0, 26, kLight},
          {107, 10, kFace}}},
        // Pressed: the inner shadow edge moves to the top-left, outer colours swap.
        {bsOld,
         true,
         {{1, 10, kShadow},
          {50, 1, kShadow},
          {0, 10, dark},
          {50, 0, dark},
          {109, 10, kLight},
          {50, 27, kLight},
          {108, 10, kFace},
          {2, 10, kFace}}},
        // Rounded face one row down, shadow lines along top and bottom that stop short of the corners.
        {bsQuicken,
         false,
         {{50, 0, kShadow},
          {4, 0, kShadow},
          {104, 0, kShadow},
          {3, 0, kMagenta},
          {105, 0, kMagenta},
          {50, 27, kShadow},
          {50, 10, kFace},
          {0, 14, kFace},
          {0, 1, kMagenta}}},
        // Modern: inner rectangle in the face colour, in the shadow colour while pressed.
        {bsModern, false, {{50, 1, kFace}, {1, 14, kFace}, {50, 0, kShadow}, {0, 0, kMagenta}}},
        {bsModern, true, {{50, 1, kShadow}, {1, 14, kShadow}, {50, 0, kShadow}, {0, 0, kMagenta}}},
    };
    for (const auto& c : cases) {
        face.Style = c.style;
        face.Pressed = c.pressed;
        bmp.SetSize(face.Width, face.Height);
        bmp.Canvas()->Brush()->SetColor(kMagenta);
        bmp.Canvas()->FillRect(ui::Rect(0, 0, face.Width, face.Height));
        DrawLbButton(*bmp.Canvas(), face);
        for (const auto& p : c.pixels)
            EXPECT_EQ(bmp.Pixel(p.x, p.y), p.colour)
                << "style " << c.style << " pressed " << c.pressed << " at " << p.x << "," << p.y;
    }
}
