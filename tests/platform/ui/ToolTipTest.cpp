// The balloon tool tip over a control: when it asks its tool for the text, how it waits, shows,
// goes and comes back, where the balloon stands, and what its picture and outline are. The timer
// is stood in for by Tick.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/PixelFormat.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/ToolTip.h"

using namespace ui;

namespace {

// A panel as the tool, answering text requests with Answer and counting them.
class TTool : public TWinControl {
public:
    explicit TTool(TComponent* AOwner) : TWinControl(AOwner) {}
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_NOTIFY) {
            auto* request = reinterpret_cast<TToolTipText*>(message.LParam);
            ++requests;
            asked = request->CursorPos;
            request->Text = Answer;
            return;
        }
        if (message.Msg == WM_LBUTTONDOWN)
            ++presses;
        TWinControl::WndProc(message);
    }
    std::string Answer = "Tip text";
    int requests = 0;
    int presses = 0;
    TPoint asked{-1, -1};
};

class ToolTip : public ::testing::Test {
protected:
    void SetUp() override
    {
        const TRect work = GetScreen()->WorkAreaRect();
        form.SetBounds(work.Left + 20, work.Top + 20, 400, 300);
        tool->SetParent(&form);
        tool->SetBounds(10, 10, 300, 200);
        tip.SetTool(tool);
    }
    void Move(int x, int y) { RouteMouseEvent(&form, WM_MOUSEMOVE, x + 10, y + 10); }

    TForm form{nullptr};
    TTool* tool = new TTool(&form);
    TToolTip tip{nullptr};
};

TEST_F(ToolTip, AsksTheToolWhenTheMouseHasRested)
{
    Move(40, 30);
    EXPECT_TRUE(tip.Waiting());
    EXPECT_FALSE(tip.Showing());
    EXPECT_EQ(tool->requests, 0);
    tip.Tick();
    EXPECT_TRUE(tip.Showing());
    EXPECT_EQ(tool->requests, 1);
    EXPECT_EQ(tool->asked, TPoint(40, 30));
    EXPECT_EQ(tip.Text(), "Tip text");

    tip.Pop();
    tool->Answer.clear();  // an empty answer shows nothing
    tip.Tick();
    EXPECT_EQ(tool->requests, 2);
    EXPECT_FALSE(tip.Showing());
}

TEST_F(ToolTip, GoesAndComesBackAsTheMouseDoes)
{
    struct Step {
        const char* action;
        bool waiting, showing;
    } steps[] = {
        {"move", true, false},   {"tick", false, true},  {"move", false, true},  // moving keeps it up
        {"press", false, false}, {"move", false, false},                         // pressed away: no new wait
        {"pop", true, false},    {"tick", false, true},                          // Pop: the next one follows
        {"tick", false, false},  {"move", false, false},                         // timed out: stays away
        {"leave", false, false}, {"move", true, false},  {"leave", false, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.action);
        const std::string action = s.action;
        if (action == "move")
            Move(50 + tool->requests, 40);
        else if (action == "tick")
            tip.Tick();
        else if (action == "press")
            SendClick(tool, 50, 40);
        else if (action == "pop")
            tip.Pop();
        else
            RouteMouseEvent(&form, WM_MOUSEMOVE, 350, 5);  // off the tool
        EXPECT_EQ(tip.Waiting(), s.waiting);
        EXPECT_EQ(tip.Showing(), s.showing);
    }
    EXPECT_EQ(tool->presses, 1);  // the tool still gets its messages
    EXPECT_EQ(tip.DelayTime(TToolTipDelay::Initial), 500);
    EXPECT_EQ(tip.DelayTime(TToolTipDelay::Reshow), 100);
    EXPECT_EQ(tip.DelayTime(TToolTipDelay::AutoPop), 5000);
    tip.SetDelayTime(TToolTipDelay::Initial, 200);
    EXPECT_EQ(tip.DelayTime(TToolTipDelay::AutoPop), 2000);
}

TEST_F(ToolTip, TheBalloonPointsAtTheMouseBelowOrAboveIt)
{
    const TRect work = GetScreen()->WorkAreaRect();
    Move(40, 30);
    tip.Tick();
    const TPoint mouse = tool->ClientToScreen({40, 30});
    EXPECT_FALSE(tip.Above());
    EXPECT_EQ(tip.StemPoint(), TPoint(mouse.X, mouse.Y + 18));
    EXPECT_EQ(tip.ScreenPos().Y, tip.StemPoint().Y);
    tip.Pop();

    // With no room below the pointer, the balloon stands above it.
    form.SetTop(form.Top() + work.Bottom - 5 - tool->ClientToScreen({0, 200}).Y);
    Move(40, 190);
    tip.Tick();
    ASSERT_TRUE(tip.Showing());
    EXPECT_TRUE(tip.Above());
    EXPECT_EQ(tip.StemPoint(), tool->ClientToScreen({40, 190}));
    EXPECT_EQ(tip.ScreenPos().Y + tip.Picture().Height(), tip.StemPoint().Y + 1);
    EXPECT_LE(tip.ScreenPos().Y + tip.Picture().Height(), work.Bottom);
    tip.Pop();

    // At the right edge it stays on the work area.
    form.SetBounds(work.Right - 320, work.Top + 20, 400, 300);
    Move(295, 30);
    tip.Tick();
    EXPECT_LE(tip.ScreenPos().X + tip.Picture().Width(), work.Right);
}

TEST_F(ToolTip, ThePictureIsTheBalloonAndItsOutline)
{
    tip.SetTitle("Title", ttiWarning);
    tip.SetTipBkColor(RGB(255, 255, 200));
    tip.SetMaxTipWidth(120);
    tool->Answer = "a text long enough to be wrapped at the width of the tip, over some lines";
    Move(40, 30);
    tip.Tick();
    const TBitmap& picture = tip.Picture();
    ASSERT_GT(picture.Width(), 0);
    EXPECT_LE(picture.Width(), 120 + 2 * 10);  // wrapped at the maximum width
    EXPECT_GT(picture.Height(), 60);
    const TPoint stem = {tip.StemPoint().X - tip.ScreenPos().X, tip.StemPoint().Y - tip.ScreenPos().Y};
    // Around the balloon nothing; the outline; inside the background colour.
    EXPECT_EQ(picture.ScanLine(0)[0], 0u);
    EXPECT_EQ(picture.ScanLine(picture.Height() - 1)[0], 0u);
    EXPECT_EQ(picture.Pixel(stem.X, stem.Y), RGB(0x50, 0x50, 0x50));
    EXPECT_EQ(picture.Pixel(picture.Width() - 3, picture.Height() - 10), RGB(255, 255, 200));
    // The outline of the window is exactly the pixels that are not transparent.
    std::vector<std::uint32_t> cut(static_cast<std::size_t>(picture.Width() * picture.Height()), 0);
    for (const TRect& r : tip.Shape())
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                cut[static_cast<std::size_t>(y * picture.Width() + x)] = 1;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            ASSERT_EQ(cut[static_cast<std::size_t>(y * picture.Width() + x)] != 0, picture.ScanLine(y)[x] != 0)
                << x << "," << y;
    tip.Pop();

    tip.SetAlpha(200);  // a constant alpha, premultiplied
    tip.Tick();
    const std::uint32_t inside = tip.Picture().ScanLine(tip.Picture().Height() - 10)[tip.Picture().Width() - 3];
    EXPECT_EQ(inside >> 24, 200u);
    EXPECT_EQ(inside & 0xFF, 200u * 200 / 255);  // blue 200 scaled
}

TEST_F(ToolTip, ToolAndTipMayGoInEitherOrder)
{
    tip.SetTitle("x", 7);  // no such icon
    EXPECT_EQ(tip.TitleIcon(), ttiNone);
    {
        TToolTip second(nullptr);
        second.SetTool(tool);  // stacked on the first one's subclassing
        Move(60, 60);
        EXPECT_TRUE(second.Waiting());
        EXPECT_TRUE(tip.Waiting());
    }
    SendClick(tool, 5, 5);
    EXPECT_EQ(tool->presses, 1);
    delete tool;
    EXPECT_EQ(tip.Tool(), nullptr);
    tip.Tick();  // nothing to ask
    EXPECT_FALSE(tip.Showing());
}

}  // namespace
