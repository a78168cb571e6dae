// The raw CAN transmit dialog's own departures in its window: the eight position lists of 2500
// places are filled at a show, not when the dialog is created at start-up.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/can_family/UTransmitCAN.h"

namespace {

class TransmitCANDialog : public frametest::TableFrameTest<TFTransmitCAN> {
protected:
    TransmitCANDialog() : TableFrameTest(File_CAN_Send_Frames, "CAN_Send_Frames.xml") {}
    const rtl::TStringList& Items(int c) { return form->ACG_CAN_Transmit->Columns()->Items(c)->ComboItems; }
};

TEST_F(TransmitCANDialog, PositionListsAreFilledAtEveryShowNotAtCreation)
{
    for (int c = 9; c <= 16; ++c) {
        ASSERT_EQ(Items(c).Count(), 1) << c;
        EXPECT_EQ(Items(c)[0], "None");
    }
    EXPECT_EQ(Cell(0, 1), "") << "rows are numbered at a show";
    Show();
    Show();
    EXPECT_EQ(form->MAX_Byte(), 2500);
    for (int c = 9; c <= 16; ++c) {
        ASSERT_EQ(Items(c).Count(), 2501) << c;
        EXPECT_EQ(Items(c)[1], "0");
        EXPECT_EQ(Items(c)[2500], "2499");
    }
    EXPECT_EQ(Items(3).Count(), 2) << "the Type list is fixed";
}

}  // namespace
