// The analog watch: geometry, setting the time by click and key (animated or not), change
// notices, hands on the dial, live mode, styles and colour presets.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxWatch.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

using namespace dropdown;
using namespace dropdown_test;
using rtl::EncodeTime;

namespace {

struct HM {
    int H, M;
};

HM HourMinute(rtl::TDateTime t)
{
    int h = 0, m = 0, s = 0, ms = 0;
    rtl::DecodeTime(t, h, m, s, ms);
    return {h, m};
}

// A default 180 x 180 watch in set mode on a form, counting its change notices.
class WatchTest : public ::testing::Test {
protected:
    WatchTest()
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 300);
        watch = new TGxWatch(form.get());
        watch->SetParent(form.get());
        watch->OnChange = [this](ui::TObject*) { ++changes; };
    }

    void At(int h, int m)
    {
        watch->SetTime(EncodeTime(h, m, 0, 0));
        changes = 0;
    }
    HM Now() const { return HourMinute(watch->Time()); }
    // Runs a started animation to its end.
    void Finish()
    {
        for (int i = 0; i < 200 && watch->Animating(); ++i)
            watch->AnimationStep();
        ASSERT_FALSE(watch->Animating());
    }
    void Click(int x, int y)
    {
        ui::SendMouseDown(watch, ui::TMouseButton::mbLeft, x, y);
        ui::SendMouseUp(watch, ui::TMouseButton::mbLeft, x, y);
    }

    std::unique_ptr<ui::TForm> form;
    TGxWatch* watch;
    int changes = 0;
};

}  // namespace

TEST_F(WatchTest, DefaultFaceGeometry)
{
    EXPECT_EQ(watch->Width(), 180);
    EXPECT_EQ(watch->GetFaceRect(), ui::Bounds(10, 10, 160, 160));
    EXPECT_EQ(watch->GetFaceCenter(), ui::TPoint(90, 90));
    EXPECT_EQ(watch->GetFaceRadius(), 80);
    EXPECT_EQ(watch->DialPoint(1, 90), ui::TPoint(170, 90));
    EXPECT_EQ(watch->DialPoint(0.5, 0), ui::TPoint(90, 50));
    EXPECT_EQ(watch->DialPoint(-0.1, 180), ui::TPoint(90, 82));
    watch->Appearance()->SetSize(100);
    EXPECT_EQ(watch->GetFaceRect(), ui::Bounds(40, 40, 100, 100));
    EXPECT_TRUE(watch->AM());
    EXPECT_EQ(watch->Style(), TWatchStyle::wsClassic);
}

TEST_F(WatchTest, HourAndMinuteFromThePointer)
{
    EXPECT_EQ(watch->MinuteAtPoint(170, 90), 15);
    EXPECT_EQ(watch->MinuteAtPoint(90, 170), 30);
    EXPECT_EQ(watch->MinuteAtPoint(10, 90), 45);
    EXPECT_EQ(watch->MinuteAtPoint(90, 10), 0);
    EXPECT_EQ(watch->HourAtPoint(170, 90), 3);
    At(15, 0);  // PM
    EXPECT_EQ(watch->HourAtPoint(170, 90), 15);
    EXPECT_EQ(watch->HourAtPoint(90, 10), 12) << "12 o'clock in the afternoon";
    At(3, 0);
    EXPECT_EQ(watch->HourAtPoint(90, 10), 0) << "12 o'clock at night";
}

TEST_F(WatchTest, ClickOnTheDialSetsTheHourAnimated)
{
    At(0, 30);
    Click(165, 90);  // the 3 o'clock point, inside the face
    EXPECT_TRUE(watch->Animating());
    EXPECT_EQ(changes, 0) << "nothing reported while the hand moves";
    Finish();
    EXPECT_EQ(Now().H, 3);
    EXPECT_EQ(Now().M, 30);
    EXPECT_EQ(changes, 1);
}

TEST_F(WatchTest, ClickOutsideTheFaceSetsTheMinute)
{
    watch->SetAnimation(false);
    At(7, 0);
    Click(177, 90);  // right of the dial, level with the centre
    EXPECT_EQ(Now().M, 15);
    EXPECT_EQ(Now().H, 7);
    EXPECT_EQ(changes, 1) << "every change is reported, also without animation";
}

namespace {

struct MinuteZeroCase {
    const char* Name;
    bool Animation;
    int From;
    int ExpectedHour;
};

class WatchMinuteZero : public WatchTest, public ::testing::WithParamInterface<MinuteZeroCase> {};

}  // namespace

TEST_P(WatchMinuteZero, PassingTwelveForwardAdvancesTheHour)
{
    const MinuteZeroCase& c = GetParam();
    watch->SetAnimation(c.Animation);
    At(4, c.From);
    watch->HandleWatchKey(ui::VK_END);
    Finish();
    EXPECT_EQ(Now().M, 0);
    EXPECT_EQ(Now().H, c.ExpectedHour);
    EXPECT_EQ(changes, 1);
}

INSTANTIATE_TEST_SUITE_P(Watch, WatchMinuteZero,
                         ::testing::Values(MinuteZeroCase{"From45Animated", true, 45, 5},
                                           MinuteZeroCase{"From45Immediate", false, 45, 5},
                                           MinuteZeroCase{"From20Animated", true, 20, 4},
                                           MinuteZeroCase{"From20Immediate", false, 20, 4}),
                         [](const auto& info) { return std::string(info.param.Name); });

namespace {

struct KeyCase {
    const char* Name;
    int H, M;
    unsigned Key;
    int ExpectedH, ExpectedM;
};

class WatchKeys : public WatchTest, public ::testing::WithParamInterface<KeyCase> {};

}  // namespace

TEST_P(WatchKeys, StepTheTimeAndReportOnce)
{
    const KeyCase& c = GetParam();
    for (bool animation : {true, false}) {
        watch->SetAnimation(animation);
        At(c.H, c.M);
        watch->HandleWatchKey(c.Key);
        Finish();
        EXPECT_EQ(Now().H, c.ExpectedH) << (animation ? "animated" : "immediate");
        EXPECT_EQ(Now().M, c.ExpectedM) << (animation ? "animated" : "immediate");
        EXPECT_EQ(changes, 1) << (animation ? "animated" : "immediate");
    }
}

INSTANTIATE_TEST_SUITE_P(Watch, WatchKeys,
                         ::testing::Values(KeyCase{"LeftAtFullHour", 10, 0, ui::VK_LEFT, 9, 59},
                                           KeyCase{"LeftAtMidnight", 0, 0, ui::VK_LEFT, 23, 59},
                                           KeyCase{"Left", 10, 5, ui::VK_LEFT, 10, 4},
                                           KeyCase{"RightAtEndOfHour", 10, 59, ui::VK_RIGHT, 11, 0},
                                           KeyCase{"PageUp", 10, 5, ui::VK_PRIOR, 11, 5},
                                           KeyCase{"PageUpWraps", 23, 5, ui::VK_PRIOR, 0, 5},
                                           KeyCase{"PageDownWraps", 0, 7, ui::VK_NEXT, 23, 7},
                                           KeyCase{"HomeIsNoon", 3, 7, ui::VK_HOME, 12, 7},
                                           KeyCase{"A", 15, 7, 'A', 3, 7}, KeyCase{"P", 3, 7, 'P', 15, 7}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WatchTest, WrappingHourKeysDoNotAnimate)
{
    At(0, 7);
    watch->HandleWatchKey(ui::VK_NEXT);
    EXPECT_FALSE(watch->Animating());
    EXPECT_EQ(Now().H, 23);
    watch->HandleWatchKey(ui::VK_UP);
    watch->HandleWatchKey(ui::VK_DOWN);
    EXPECT_EQ(Now().H, 23) << "Up and Down do nothing";
    At(15, 0);
    watch->HandleWatchKey('P');
    EXPECT_EQ(changes, 0) << "P in the afternoon changes nothing";
}

TEST_F(WatchTest, MinuteOfSixtyIsRefused)
{
    At(1, 2);
    EXPECT_THROW(watch->SetMinute(60), rtl::Exception);
    EXPECT_EQ(Now().M, 2);
}

TEST_F(WatchTest, AMPMLabelClickSwitchesHalfOfTheDay)
{
    watch->SetAnimation(false);
    At(9, 30);
    const ui::TRect label = watch->GetAMPMRect();
    ASSERT_FALSE(label.IsEmpty());
    Click(label.Left + 2, label.Top + 2);
    EXPECT_EQ(Now().H, 21);
    EXPECT_FALSE(watch->AM());
    EXPECT_EQ(changes, 1);
    watch->SetShowAMPM(false);
    EXPECT_TRUE(watch->GetAMPMRect().IsEmpty());
}

TEST_F(WatchTest, LiveModeFollowsTheClockAndIgnoresInput)
{
    watch->Settings()->SetTimeOffset(60);
    watch->Settings()->SetAuto(true);
    const double expected = rtl::Now() + 1.0 / 24;
    EXPECT_NEAR(watch->GetCurrentTime(), expected, 2.0 / 86400);
    const rtl::TDateTime before = watch->Time();
    watch->HandleWatchKey(ui::VK_PRIOR);
    Click(165, 90);
    EXPECT_EQ(watch->Time(), before);
    EXPECT_EQ(changes, 0);
    watch->Settings()->SetAuto(false);
}

namespace {

constexpr ui::TColor kHour = 0x0000FF, kMinute = 0x00FF00, kCentre = 0xFF0000;

// A bare face: only the hands and the centre point in colours of their own.
void Bare(TGxWatch& w)
{
    TWatchAppearance& a = *w.Appearance();
    a.SetTickMarks(TTickMarks::tmNone);
    a.SetHourPointerShadow(ui::clNone);
    a.SetMinutePointerShadow(ui::clNone);
    a.SetHourPointer(kHour);
    a.SetMinutePointer(kMinute);
    a.SetCenterPointColor(kCentre);
    w.SetShowAMPM(false);
}

}  // namespace

TEST_F(WatchTest, HandsPointAtTheTime)
{
    Bare(*watch);
    At(3, 0);
    ui::TBitmap bmp;
    Paint(*watch, bmp);
    EXPECT_EQ(bmp.Pixel(90 + 30, 90), kHour) << "hour hand towards 3";
    EXPECT_EQ(bmp.Pixel(90, 90 - 45), kMinute) << "minute hand towards 12";
    EXPECT_EQ(bmp.Pixel(90, 90), kCentre);
    EXPECT_EQ(CountColor(bmp, {0, 0, 180, 85}, kHour), 0);

    At(9, 30);
    Paint(*watch, bmp);
    EXPECT_EQ(bmp.Pixel(90, 90 + 45), kMinute) << "minute hand towards 6";
    EXPECT_GT(CountColor(bmp, {40, 80, 86, 110}, kHour), 0) << "hour hand between 9 and 10";
}

TEST_F(WatchTest, ShortLinePointersDrawOnlyTheCentre)
{
    Bare(*watch);
    watch->Appearance()->SetPointerStyle(TPointerStyle::psShortLine);
    ui::TBitmap bmp;
    Paint(*watch, bmp);
    EXPECT_EQ(CountColor(bmp, {0, 0, 180, 180}, kHour), 0);
    EXPECT_EQ(CountColor(bmp, {0, 0, 180, 180}, kMinute), 0);
    EXPECT_GT(CountColor(bmp, {0, 0, 180, 180}, kCentre), 0);
}

TEST_F(WatchTest, PointerStyleFillsTheHands)
{
    Bare(*watch);
    watch->Appearance()->SetPointerStyle(TPointerStyle::psPointer);
    At(3, 0);
    ui::TBitmap bmp;
    Paint(*watch, bmp);
    EXPECT_GT(CountColor(bmp, {95, 80, 135, 100}, kHour), 40) << "a filled shape, wider than a line";
}

TEST(WatchAppearance, DefaultsAreSilentAndSizesStayOneByte)
{
    TWatchAppearance a;
    EXPECT_EQ(a.BackgroundColor(), 16777215u);
    EXPECT_EQ(a.MinuteColor(), 8421504u);
    EXPECT_EQ(a.HourFont()->Name(), "Tahoma");
    EXPECT_EQ(a.HourFont()->Size(), 8);
    EXPECT_EQ(a.AMPMFont()->Size(), 10);
    EXPECT_EQ(a.HourFont()->Color(), ui::clWindowText);
    int changes = 0;
    a.OnChange = [&](ui::TObject*) { ++changes; };
    a.SetHourMarkLength(300);
    EXPECT_EQ(a.HourMarkLength(), 255);
    a.HourFont()->SetName("Other");
    a.SetDefaults();
    EXPECT_EQ(a.HourMarkLength(), 0);
    EXPECT_EQ(a.HourFont()->Name(), "Tahoma");
    EXPECT_EQ(changes, 1) << "only the setter fired";

    TWatchAppearance b;
    b.SetTickMarks(TTickMarks::tmHours);
    b.AMPMColor = 0x123456;
    a.Assign(b);
    EXPECT_EQ(a.TickMarks(), TTickMarks::tmHours);
    EXPECT_EQ(a.AMPMColor, 0x123456u);
}

TEST_F(WatchTest, StylesSetACompleteLook)
{
    watch->SetStyle(TWatchStyle::wsSuperNova);
    EXPECT_EQ(watch->Appearance()->HourMarkLength(), 40);
    EXPECT_EQ(watch->Appearance()->MinuteMarkLength(), 60);
    EXPECT_FALSE(watch->ShowAMPM());
    watch->SetStyle(TWatchStyle::wsSports);
    EXPECT_EQ(watch->Appearance()->CenterPointSize(), 50);
    EXPECT_EQ(watch->Appearance()->HourMarkLength(), 0) << "back to the default before the style";
    EXPECT_EQ(watch->Appearance()->HourFont()->Name(), "Times New Roman");

    watch->SetShowAMPM(true);
    watch->SetStyle(TWatchStyle::wsTower);
    EXPECT_FALSE(watch->ShowNumbers());
    EXPECT_TRUE(watch->ShowAMPM()) << "not listed by the style: kept";
    EXPECT_EQ(watch->Appearance()->Shape(), TWatchShape::wsRect);

    watch->Appearance()->SetBorderWidth(9);
    watch->SetStyle(TWatchStyle::wsTower);
    EXPECT_EQ(watch->Appearance()->BorderWidth(), 9) << "the same style again is not re-applied";
}

TEST_F(WatchTest, LargeWatchesKeepMarkLengthsInRange)
{
    watch->SetBounds(0, 0, 1500, 1500);
    watch->SetStyle(TWatchStyle::wsSuperNova);
    EXPECT_EQ(watch->Appearance()->HourMarkLength(), 255);
    EXPECT_EQ(watch->Appearance()->MinuteMarkLength(), 255);
    watch->SetStyle(TWatchStyle::wsSports);
    EXPECT_EQ(watch->Appearance()->CenterPointSize(), 255);
}

TEST_F(WatchTest, ColourPresetsRecolourOnly)
{
    TWatchAppearance& a = *watch->Appearance();
    a.SetShape(TWatchShape::wsRoundRect);
    a.HourFont()->SetColor(0x0000FF);
    a.SetCenterPointOuterBorderColor(0x00FF00);
    a.SetBackgroundColor(0x111111);
    watch->SetComponentStyle(gx::TGxStyle::tsCustom);
    EXPECT_EQ(a.HourFont()->Color(), 0u);
    EXPECT_EQ(a.CenterPointOuterBorderColor(), 0u);
    EXPECT_EQ(a.BackgroundColor(), 0x111111u) << "custom: only the fonts and the outer border";

    watch->SetComponentStyle(gx::TGxStyle::tsOffice2003Blue);
    EXPECT_EQ(a.BackgroundColor(), 16765615u);
    EXPECT_EQ(a.AMPMBorderColor, 9841920u);
    EXPECT_EQ(a.SecondPointer(), 16777215u);
    EXPECT_EQ(a.Shape(), TWatchShape::wsRoundRect);
    watch->SetComponentStyle(gx::TGxStyle::tsOffice2007Obsidian);
    EXPECT_EQ(a.HourFont()->Color(), 15921648u);
    EXPECT_EQ(a.AMPMFont()->Color(), 15921648u);
}
