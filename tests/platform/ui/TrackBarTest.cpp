// The track bar: range and position, keys, mouse and wheel, and its picture.
#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"
#include "platform/ui/TrackBar.h"

using namespace ui;

namespace {

struct TrackBarTest : ::testing::Test {
    TrackBarTest()
    {
        bar->SetParent(&form);
        bar->SetBounds(0, 0, 200, 40);
        bar->OnChange = [this](TObject*) { ++changes; };
    }
    TForm form{nullptr};
    TTrackBar* bar = new TTrackBar(&form);
    int changes = 0;
};

}  // namespace

TEST_F(TrackBarTest, RangeIsRefusedWhenInvertedAndClampsThePosition)
{
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 10);
    bar->SetPosition(15);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(bar->SetMax(-1), rtl::ERangeError);
    EXPECT_THROW(bar->SetMin(11), rtl::ERangeError);
    EXPECT_EQ(bar->Max(), 10) << "a refused range changes nothing";
    bar->SetMax(4);
    EXPECT_EQ(bar->Position(), 4) << "moved to the nearer end of the new range";
    EXPECT_EQ(changes, 2);
    bar->SetMin(4);
    EXPECT_EQ(bar->PixelOf(4), bar->ChannelRect().Left) << "a one-value range: no division by zero";
    EXPECT_EQ(bar->PositionAt(150), 4);
    bar->SetPosition(4);
    EXPECT_EQ(changes, 2) << "the same position fires nothing";
}

TEST_F(TrackBarTest, KeysMoveByLineAndPage)
{
    bar->SetFocus();
    bar->SetPosition(5);
    const struct {
        unsigned Key;
        int Expected;
    } steps[] = {{VK_RIGHT, 6}, {VK_LEFT, 5}, {VK_DOWN, 6}, {VK_UP, 5},   {VK_NEXT, 7},
                 {VK_PRIOR, 5}, {VK_END, 10}, {VK_HOME, 0}, {VK_LEFT, 0}, {VK_TAB, 0}};
    for (const auto& s : steps) {
        SendKeyStroke(bar, s.Key);
        EXPECT_EQ(bar->Position(), s.Expected) << "key " << s.Key;
    }
}

TEST_F(TrackBarTest, MousePagesTowardsAPressAndDragsTheThumb)
{
    const TRect thumb = bar->ThumbRect();
    const int y = (thumb.Top + thumb.Bottom) / 2;
    SendMouseDown(bar, TMouseButton::mbLeft, 190, y);
    SendMouseUp(bar, TMouseButton::mbLeft, 190, y);
    EXPECT_EQ(bar->Position(), 2) << "one page of 2";
    SendMouseDown(bar, TMouseButton::mbLeft, bar->PixelOf(2), y);
    SendMouseMove(bar, bar->PixelOf(7), y);
    EXPECT_EQ(bar->Position(), 7);
    SendMouseMove(bar, 1000, y);
    EXPECT_EQ(bar->Position(), 10);
    SendMouseUp(bar, TMouseButton::mbLeft, 1000, y);
    SendMouseMove(bar, bar->PixelOf(3), y);
    EXPECT_EQ(bar->Position(), 10) << "released: moving no longer drags";
    SendMouseWheel(bar, WHEEL_DELTA, 50, y);
    EXPECT_EQ(bar->Position(), 9);
}

TEST_F(TrackBarTest, TicksEveryFrequencyAndAThumb)
{
    bar->SetColor(clWhite);
    bar->SetFrequency(5);
    TBitmap bmp;
    RenderControl(*bar, bmp);
    const int tickRow = bar->ThumbRect().Bottom + 3;
    int ticks = 0;
    for (int x = 0; x < 200; ++x)
        if (bmp.Pixel(x, tickRow) != clWhite)
            ++ticks;
    EXPECT_EQ(ticks, 3) << "at 0, 5 and 10";
    bar->SetTickStyle(TTickStyle::tsNone);
    RenderControl(*bar, bmp);
    EXPECT_EQ(bmp.Pixel(bar->PixelOf(5), tickRow), clWhite);
    EXPECT_NE(bmp.Pixel(bar->PixelOf(0), (bar->ThumbRect().Top + bar->ThumbRect().Bottom) / 2), clWhite);
}
