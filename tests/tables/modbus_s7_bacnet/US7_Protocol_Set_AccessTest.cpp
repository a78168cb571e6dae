// The S7comm client dialog in its window (offscreen): its tab captions replacing the form's, hints
// over the buttons and the read table, the delete question's own text, the ten-connection limit on
// OK, and a file without Rack and Slot.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/modbus_s7_bacnet/US7_Protocol_Set_Access.h"

namespace {

class S7ProtocolDialog : public frametest::TableFrameTest<TFS7_Protocol_Set_Access> {
protected:
    S7ProtocolDialog() : TableFrameTest(File_S7_Protocol, "S7_Protocol.xml") {}
    // A valid read row to that address.
    void Put_Read(int r, const std::string& address)
    {
        Put(r, {"Y", address, "102", "S71500", "0", "1", "Real", "DB", "1", "Output (Q)", "0", "0", "100", "0", "0"});
    }
};

TEST_F(S7ProtocolDialog, LayoutTextsAndHints)
{
    ExpectFrameLayout(1350, 337);
    EXPECT_EQ(form->Caption(), "S7comm Access");
    EXPECT_EQ(form->TS_S7_Read->Name(), "TS_S7_Read");
    EXPECT_EQ(form->TS_S7_Read->Caption(), "S7comm Read") << "not the form's \"S7 Protocol Read\"";
    EXPECT_EQ(form->TS_S7_Write->Caption(), "S7comm Write");
    EXPECT_EQ(form->ACG_S7_Read->Columns()->Items(18)->Width(), 204);
    EXPECT_EQ(form->ACG_S7_Write->Cells(15, 0), "On CMD");
    EXPECT_EQ(form->ACG_S7_Write->Columns()->Items(10)->ComboItems[3], "Flags (M) (Merker)");
    EXPECT_TRUE(form->Btn_OK->ShowHint());
    EXPECT_EQ(form->Btn_OK->Hint(), "Confirm and save the S7comm Set Access List");
    EXPECT_TRUE(form->ACG_S7_Read->ShowHint());
    EXPECT_FALSE(form->ACG_S7_Write->ShowHint());
    EXPECT_EQ(Header_Hint(5), "Insert the Rack number (0..3)");
    EXPECT_EQ(form->Hint_S7_Set_Access_Write.Count(), 20);
}

TEST_F(S7ProtocolDialog, DeleteAsksWithItsOwnText)
{
    Show();
    Put_Read(3, "127.0.0.1");
    form->ACG_S7_Read->SetRow(3);
    dialogs.MessageAnswers.push_back(ui::IDYES);
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(Last_Message(), "Are you sure to delete the Row number 3");
    EXPECT_EQ(Cell(2, 3), "");
    Lang_List[5225] = "Cancellare la riga ";
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(Last_Message(), "Cancellare la riga 3");
}

TEST_F(S7ProtocolDialog, AnEleventhConnectionIsRefusedOnOk)
{
    Show();
    for (int r = 1; r <= 10; ++r)
        Put_Read(r, "127.0.0." + std::to_string(r));
    ASSERT_TRUE(Press_OK()) << Last_Message();
    const std::string saved = File_Text();
    Put(1,
        {"Y", "127.0.0.99", "102", "S7300", "0", "2", "Word", "DB", "1", "Inputs (I)", "0", "0", "0", "N", "N", "0",
         "0"},
        1);
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 1!! [S7comm Write] Device support 10 connection");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_S7_Write);
    EXPECT_EQ(File_Text(), saved);
}

TEST_F(S7ProtocolDialog, RowsWithoutRackAndSlotLoadWithZero)
{
    testsupport::WriteFile(
        File(), "<S7_Protocol><S7_Protocol_Read><row Enable=\"Y\" PLC_Address=\"127.0.0.1\" PLC_Port=\"102\" "
                "PLC_Type=\"S7200\" Data_Type=\"Bit\" Data_Identifier=\"DB\" DB_Number=\"1\" PLC_Area=\"Inputs (I)\" "
                "PLC_Add=\"0\" PLC_Bit=\"3\" PollTime=\"10\" Position=\"0\" Bit=\"0\" Swap=\"N\" SwapWord=\"N\" "
                "Mnemonic=\"\"/></S7_Protocol_Read><S7_Protocol_Write/></S7_Protocol>");
    Show();
    EXPECT_TRUE(dialogs.Messages.empty()) << Last_Message();
    EXPECT_EQ(Cell(5, 1), "0");
    EXPECT_EQ(Cell(6, 1), "0");
    EXPECT_TRUE(Press_OK()) << Last_Message();
    EXPECT_NE(File_Text().find(" Rack=\"0\" Slot=\"0\" "), std::string::npos);
}

TEST_F(S7ProtocolDialog, RowWithoutSwapStopsTheLoadingWithANote)
{
    testsupport::WriteFile(
        File(), "<S7_Protocol><S7_Protocol_Read><row Enable=\"Y\" PLC_Address=\"127.0.0.1\" PLC_Port=\"102\" "
                "PLC_Type=\"S7200\" Rack=\"0\" Slot=\"1\" Data_Type=\"Bit\" Data_Identifier=\"DB\" DB_Number=\"1\" "
                "PLC_Area=\"Inputs (I)\" PLC_Add=\"0\" PLC_Bit=\"3\" PollTime=\"10\" Position=\"0\" Bit=\"0\" "
                "SwapWord=\"N\" Mnemonic=\"\"/></S7_Protocol_Read><S7_Protocol_Write/></S7_Protocol>");
    Show();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(Last_Message().find("Row 1 has no attribute Swap"), std::string::npos) << Last_Message();
    EXPECT_EQ(Cell(2, 1), "127.0.0.1") << "what was read before stays";
}

}  // namespace
