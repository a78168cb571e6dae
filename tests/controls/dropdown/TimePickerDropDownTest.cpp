// The time picker drop-down: the time in the masked text, stepping fields, typed text read back,
// the watch in the window and the reports of changes.
#include <gtest/gtest.h>

#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxTimePickerDropDown.h"
#include "controls/dropdown/GxWatch.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/PopupWindow.h"

using namespace dropdown;
using namespace dropdown_test;
using rtl::EncodeTime;

namespace {

class TimePicker : public DropDownFixture<TGxTimePickerDropDown> {
protected:
    TimePicker()
    {
        edit->OnTimeChange = [this](ui::TObject*) { ++changes; };
    }
    ~TimePicker() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }
    void FinishWatch()
    {
        for (int i = 0; i < 200 && edit->Watch()->Animating(); ++i)
            edit->Watch()->AnimationStep();
    }
    int changes = 0;
};

}  // namespace

TEST_F(TimePicker, TimeIsShownInTheMask)
{
    EXPECT_EQ(edit->Text(), "00:00:00");
    EXPECT_EQ(edit->EditMask(), "!90:00:00;1; ");
    edit->SetTime(EncodeTime(9, 5, 7, 0));
    EXPECT_EQ(edit->Text(), "09:05:07");
    EXPECT_EQ(changes, 0) << "writing Time reports nothing";
    edit->SetShowSeconds(false);
    EXPECT_EQ(edit->Text(), "09:05") << "the text is rewritten in the new format";
    edit->SetTime(EncodeTime(10, 20, 30, 0));
    EXPECT_EQ(edit->Text(), "10:20");
    EXPECT_DOUBLE_EQ(edit->Time(), EncodeTime(10, 20, 0, 0)) << "read back from the text: whole minutes";
}

namespace {

struct StepCase {
    const char* Name;
    bool Seconds;
    int H, M, S;
    int Caret;
    unsigned Key;
    const char* Result;
};

class TimePickerSteps : public TimePicker, public ::testing::WithParamInterface<StepCase> {};

}  // namespace

TEST_P(TimePickerSteps, UpAndDownStepTheFieldAtTheCaret)
{
    const StepCase& c = GetParam();
    edit->SetEditorEnabled(true);
    edit->SetShowSeconds(c.Seconds);
    edit->SetTime(EncodeTime(c.H, c.M, c.S, 0));
    edit->SetSelStart(c.Caret);
    Key(c.Key);
    EXPECT_EQ(edit->Text(), c.Result);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->SelStart(), c.Caret);
}

INSTANTIATE_TEST_SUITE_P(TimePicker, TimePickerSteps,
                         ::testing::Values(StepCase{"MinuteDown", true, 9, 15, 0, 4, ui::VK_DOWN, "09:16:00"},
                                           StepCase{"HourUpWraps", true, 0, 15, 0, 0, ui::VK_UP, "23:15:00"},
                                           StepCase{"SecondDown", true, 1, 2, 59, 7, ui::VK_DOWN, "01:02:00"},
                                           StepCase{"NoSecondsStepsMinutes", false, 1, 2, 0, 5, ui::VK_UP, "01:01"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TimePicker, StepsNeedTypingOnAndNoModifier)
{
    edit->SetTime(EncodeTime(9, 15, 0, 0));
    edit->SetSelStart(4);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->Text(), "09:15:00") << "typing off: the keys are not the edit's";
    edit->SetEditorEnabled(true);
    Key(ui::VK_DOWN, ui::ssCtrl);
    EXPECT_EQ(edit->Text(), "09:15:00");
    Key(ui::VK_DOWN, ui::ssAlt);
    EXPECT_TRUE(edit->DroppedDown()) << "Alt+Down opens instead";
    EXPECT_EQ(changes, 0);
}

TEST_F(TimePicker, TypedTextIsReadBack)
{
    edit->SetTextDirect("1 :15:00");
    EXPECT_DOUBLE_EQ(edit->Time(), EncodeTime(10, 15, 0, 0)) << "a blank reads as 0";
    EXPECT_EQ(edit->Text(), "1 :15:00") << "minutes not 0: the text stays as typed";
    edit->SetTextDirect("12:  :  ");
    EXPECT_DOUBLE_EQ(edit->Time(), EncodeTime(10, 15, 0, 0)) << "incomplete: nothing changes";
    EXPECT_THROW(edit->SetTextDirect("25:00:00"), rtl::EConvertError);
    EXPECT_DOUBLE_EQ(edit->Time(), EncodeTime(10, 15, 0, 0));
}

TEST_F(TimePicker, TheWatchTakesTheTimeAndGivesItBack)
{
    edit->SetAnimation(false);
    edit->SetTime(EncodeTime(9, 30, 0, 0));
    edit->ShowDropDown();
    ASSERT_NE(edit->Watch(), nullptr);
    EXPECT_DOUBLE_EQ(edit->Watch()->Time(), EncodeTime(9, 30, 0, 0));
    Key(ui::VK_PRIOR);  // Page Up on the open window: the watch's next hour
    EXPECT_EQ(edit->Text(), "10:30:00");
    EXPECT_EQ(changes, 1);
    Key(ui::VK_RETURN);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_DOUBLE_EQ(edit->Time(), EncodeTime(10, 30, 0, 0));
}

TEST_F(TimePicker, AnimatedWatchReportsOnceWhenTheHandArrives)
{
    edit->SetTime(EncodeTime(3, 0, 0, 0));
    edit->ShowDropDown();
    Key(ui::VK_PRIOR);
    EXPECT_EQ(changes, 0);
    FinishWatch();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->Text(), "04:00:00");
}

TEST_F(TimePicker, EscapeBringsBackTheTimeOfTheOpening)
{
    edit->SetAnimation(false);
    edit->SetTime(EncodeTime(8, 0, 0, 0));
    edit->ShowDropDown();
    Key(ui::VK_PRIOR);
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->Text(), "08:00:00");
    EXPECT_DOUBLE_EQ(edit->Time(), EncodeTime(8, 0, 0, 0));
    EXPECT_DOUBLE_EQ(edit->Watch()->Time(), EncodeTime(8, 0, 0, 0));
}

TEST_F(TimePicker, StylePresetRecoloursTheWatchLook)
{
    edit->SetComponentStyle(gx::TGxStyle::tsOffice2003Blue);
    EXPECT_EQ(edit->WatchAppearance()->BackgroundColor(), 16765615u);
    EXPECT_EQ(edit->DropDownColor(), 0xFFFFFFu);
}
