// Native input against controls that repaint themselves inside their own input handling, and the
// hint window's life, on the offscreen platform.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/qt/NativeTesting.h"
#include <chrono>
#include <string>
#include <vector>

using namespace ui;

namespace {
// A custom-drawn push button as the program has them: it lights up when the pointer enters, shows
// itself pressed and takes the focus on a press, and repaints at once each time.
class RepaintingButton : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> seen;
    int clicks = 0;

protected:
    void MouseEnter() override
    {
        TCustomControl::MouseEnter();
        Repaint();
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        seen.push_back("down");
        TCustomControl::MouseDown(button, shift, x, y);
        if (CanFocus())
            SetFocus();
        Repaint();
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override
    {
        seen.push_back("up");
        TCustomControl::MouseUp(button, shift, x, y);
        Repaint();
    }
    void Click() override
    {
        ++clicks;
        TCustomControl::Click();
    }
};

// The native hint window fades out: it is gone within a short while, not at once.
bool HintWindowCloses()
{
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (qt::NativeHintShown() && std::chrono::steady_clock::now() < until)
        Application->HandleMessage(20);
    return !qt::NativeHintShown();
}

struct ButtonsOnAForm : ::testing::Test {
    TForm form{nullptr};
    RepaintingButton* update = nullptr;
    RepaintingButton* cancel = nullptr;

    RepaintingButton* AddButton(int left, const char* hint)
    {
        auto* b = new RepaintingButton(&form);
        b->SetParent(&form);
        b->SetBounds(left, 40, 100, 26);
        b->SetHint(hint);
        b->SetShowHint(true);
        return b;
    }
    void SetUp() override
    {
        form.SetClientWidth(240);
        form.SetClientHeight(80);
        update = AddButton(10, "Start the update");
        cancel = AddButton(120, "Exit without to do the Update");
        form.Show();
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        Application->CancelHint();
        form.Hide();
        Application->ProcessMessages();
    }
};
}  // namespace

// The window system hands a quick click over in one burst. A button that repaints while it handles
// the press must not get the release before the press: that lost the click and left the mouse
// captured, so the next click anywhere went to the wrong control.
TEST_F(ButtonsOnAForm, AClickInOneBurstClicksOnceAndReleasesTheMouse)
{
    for (RepaintingButton* button : {update, cancel, update}) {
        SCOPED_TRACE(button == update ? "update" : "cancel");
        button->seen.clear();
        button->clicks = 0;
        qt::QueueClickNative(button, 5, 5);
        Application->ProcessMessages();
        EXPECT_EQ(button->seen, (std::vector<std::string>{"down", "up"}));
        EXPECT_EQ(button->clicks, 1);
        EXPECT_EQ(CaptureControl(), nullptr);
        EXPECT_TRUE(button->Focused());
    }
}

TEST_F(ButtonsOnAForm, AHintGoesWhenItsControlOrItsFormIsHiddenOrDestroyed)
{
    struct Case {
        const char* what;
        void (*takeAway)(ButtonsOnAForm&);
    };
    const Case cases[] = {
        {"form hidden", [](ButtonsOnAForm& f) { f.form.Hide(); }},
        {"button hidden", [](ButtonsOnAForm& f) { f.cancel->Hide(); }},
        {"button destroyed",
         [](ButtonsOnAForm& f) {
             delete f.cancel;
             f.cancel = nullptr;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!cancel)
            cancel = AddButton(120, "Exit without to do the Update");
        form.Show();
        cancel->Show();
        Application->ProcessMessages();
        Application->ActivateHint(cancel, {5, 5});
        ASSERT_EQ(Application->CurrentHint(), "Exit without to do the Update");
        ASSERT_TRUE(qt::NativeHintShown());
        c.takeAway(*this);
        EXPECT_EQ(Application->CurrentHint(), "");
        EXPECT_EQ(Application->HintControl(), nullptr);
        EXPECT_TRUE(HintWindowCloses());
    }
}

TEST_F(ButtonsOnAForm, AHintStaysWhenSomethingElseHides)
{
    Application->ActivateHint(update, {5, 5});
    cancel->Hide();
    EXPECT_EQ(Application->CurrentHint(), "Start the update");
    EXPECT_EQ(Application->HintControl(), update);
}
