// The stand-in updater's verdict window, built and driven without a display.
#include "VerdictWindow.h"

#include <gtest/gtest.h>

#include "controls/button/LbButton.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

TEST(VerdictWindow, ShowsTheVerdictAndEveryLineAndOkClosesIt)
{
    struct Case {
        bool accepted;
        const char* heading;
    };
    for (const Case c : {Case{true, "Update job accepted"}, Case{false, "Update job refused"}}) {
        const std::vector<std::string> lines = {"Update job /prog/Ethernet_Update.xml refused:",
                                                "  the firmware image /prog/MASTER/Sim58E26.sim is missing"};
        std::unique_ptr<ui::TForm> form = updater::BuildVerdictWindow(c.accepted, lines);
        auto* heading = dynamic_cast<ui::TLabel*>(form->FindComponent("L_Verdict"));
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->Caption(), c.heading);
        auto* report = dynamic_cast<ui::TMemo*>(form->FindComponent("M_Report"));
        ASSERT_NE(report, nullptr);
        ASSERT_EQ(report->Lines()->Count(), 2);
        EXPECT_EQ(report->Lines()->Strings(1), lines[1]);
        EXPECT_TRUE(report->ReadOnly());
        auto* ok = dynamic_cast<controls::TLbButton*>(form->FindComponent("Btn_OK"));
        ASSERT_NE(ok, nullptr);
        form->Show();
        ui::SendClick(ok, 5, 5);
        EXPECT_EQ(form->ModalResult(), ui::mrOk);
        form->Hide();
    }
}

}  // namespace
