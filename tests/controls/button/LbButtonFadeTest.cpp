// The slow fade of the hover highlight: eight steps about 30 ms apart, safe to interrupt.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "controls/button/LbButton.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"

using namespace controls;
using Clock = std::chrono::steady_clock;
using ui::RGB;

namespace {

constexpr ui::TColor kFace = RGB(0xF8, 0xF7, 0xED);
constexpr ui::TColor kHover = RGB(0xFF, 0xFF, 0x00);

// Records the highlight step after every timer tick, with the time. Ticks are recorded rather than
// paints: on a loaded machine two ticks may come before one paint, and the test is about the ticks.
class RecordingButton : public TLbButton {
public:
    using TLbButton::TLbButton;
    struct Paint_ {
        int step;
        Clock::time_point at;
    };
    std::vector<Paint_> paints;

protected:
    void WndProc(ui::TMessage& message) override
    {
        TLbButton::WndProc(message);
        if (message.Msg == ui::WM_TIMER)
            paints.push_back({HotTrackStep(), Clock::now()});
    }
};

class FadeTest : public ::testing::Test {
protected:
    FadeTest()
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        button = new RecordingButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(10, 10, 110, 28);
        button->SetColor(kFace);
        button->SetHotTrackColor(kHover);
        button->SetSlowDecease(true);
        form->Show();
        // On screen before the test starts: the first paint of the new window is not counted.
        ui::Application->ProcessMessages();
    }
    ~FadeTest() override
    {
        if (form)
            form->Hide();
    }

    void Hover()
    {
        ui::SendMouseMove(button, 5, 5);
        ASSERT_EQ(button->HotTrackStep(), 8);
    }
    void Leave() { ui::SendMouseMove(form.get(), 250, 150); }

    // Runs the message loop until pred holds or the time is up.
    template <class Pred>
    bool RunUntil(Pred pred, int ms = 3000)
    {
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (!pred() && Clock::now() < end)
            ui::Application->HandleMessage(5);
        return pred();
    }

    ui::TColor FacePixel()
    {
        ui::TBitmap* shot = button->PaintToBuffer();
        return shot->Pixel(5, 5);
    }

    std::unique_ptr<ui::TForm> form;
    RecordingButton* button;
};

}  // namespace

TEST_F(FadeTest, LeavingFadesInEightStepsAboutThirtyMillisecondsApart)
{
    Hover();
    EXPECT_EQ(FacePixel(), kHover);
    button->paints.clear();
    Leave();
    EXPECT_TRUE(button->Fading());
    EXPECT_EQ(button->HotTrackStep(), 8) << "the highlight stays until the first step";
    ASSERT_TRUE(RunUntil([&] { return !button->Fading(); }));

    std::vector<RecordingButton::Paint_> steps;
    for (const auto& p : button->paints)
        if (steps.empty() || steps.back().step != p.step)
            steps.push_back(p);
    ASSERT_EQ(steps.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(steps[i].step, 7 - i);
    for (int i = 1; i < 8; ++i) {
        const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(steps[i].at - steps[i - 1].at);
        EXPECT_GE(gap.count(), 25) << "step " << i;  // the timer never runs early
    }
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(FacePixel(), kFace);
}

TEST_F(FadeTest, WithoutSlowDeceaseTheHighlightGoesAtOnce)
{
    button->SetSlowDecease(false);
    Hover();
    Leave();
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->Fading());
}

TEST_F(FadeTest, EnteringDuringAFadeDoesNotStopIt)
{
    Hover();
    Leave();
    ASSERT_TRUE(RunUntil([&] { return button->HotTrackStep() < 7; }));
    Hover();
    EXPECT_TRUE(button->Fading());
    ASSERT_TRUE(RunUntil([&] { return !button->Fading(); }));
    EXPECT_EQ(button->HotTrackStep(), 0);
}

TEST_F(FadeTest, SwitchingSlowDeceaseOffEndsTheFadeAtOnce)
{
    Hover();
    Leave();
    ASSERT_TRUE(RunUntil([&] { return button->HotTrackStep() < 7; }));
    button->SetSlowDecease(false);
    EXPECT_FALSE(button->Fading());
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(FacePixel(), kFace);
    button->SetSlowDecease(true);
    EXPECT_FALSE(button->Fading());
    Hover();
    Leave();
    EXPECT_TRUE(RunUntil([&] { return !button->Fading(); }));
}

TEST_F(FadeTest, SwitchingSlowDeceaseOffUnderThePointerDropsTheHighlightOnce)
{
    Hover();
    button->SetSlowDecease(false);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(FacePixel(), kFace);
    // Already off: nothing left to switch off, the highlight of a new hover stays.
    ui::SendMouseMove(form.get(), 250, 150);
    Hover();
    button->SetSlowDecease(false);
    EXPECT_EQ(button->HotTrackStep(), 8);
}

TEST_F(FadeTest, LeavingADisabledButtonRunsOneStepThatStaysAtZero)
{
    button->SetEnabled(false);
    button->paints.clear();
    button->Perform(ui::CM_MOUSELEAVE);
    EXPECT_TRUE(button->Fading());
    ASSERT_TRUE(RunUntil([&] { return !button->Fading(); }));
    EXPECT_EQ(button->HotTrackStep(), 0);
    ASSERT_EQ(button->paints.size(), 1u);
    EXPECT_EQ(button->paints[0].step, 0);
}

TEST_F(FadeTest, DestroyingTheFormMidFadeIsClean)
{
    Hover();
    Leave();
    ASSERT_TRUE(RunUntil([&] { return button->HotTrackStep() <= 5; }));
    form->Hide();
    form.reset();
    // Nothing may reach the destroyed button afterwards.
    const auto end = Clock::now() + std::chrono::milliseconds(150);
    while (Clock::now() < end)
        ui::Application->HandleMessage(5);
    SUCCEED();
}
