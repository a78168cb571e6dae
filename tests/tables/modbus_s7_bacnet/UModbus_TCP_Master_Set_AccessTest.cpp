// The Modbus TCP master dialog in its window (offscreen): where it departs from its serial twin —
// no hints shown at all, Enter walking the write table only, Copy Row and Paste Row captions that no
// language changes — and the show/OK round trip with Index_Topic "-1".
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/modbus_s7_bacnet/UModbus_TCP_Master_Set_Access.h"

namespace {

class ModbusTCPMasterDialog : public frametest::TableFrameTest<TFModbus_TCP_Master_Set_Access> {
protected:
    ModbusTCPMasterDialog() : TableFrameTest(File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml") {}
};

TEST_F(ModbusTCPMasterDialog, LayoutTextsAndColumns)
{
    ExpectFrameLayout(1150, 337);
    EXPECT_EQ(form->Caption(), "Set Modbus TCP Master Access");
    EXPECT_EQ(form->TS_Modbus_Read->Caption(), "Modbus Read");
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(2, 0), "Slave IP Address");
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(13, 0), "Swap Word");
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(10, 0), "On CMD");
    EXPECT_EQ(form->ACG_Modbus_Write->Columns()->Items(16)->Width(), 150);
    EXPECT_EQ(form->Hint_Modbus_Set_Access_Read.Count(), 15);
    EXPECT_EQ(form->Hint_Modbus_Set_Access_Write[3], "Insert the Slave ID of Modbus Slave");
    EXPECT_EQ(form->Btn_PasteRow->Hint(), "Paste the Copied Fields in the Selected Row");
}

TEST_F(ModbusTCPMasterDialog, HintsAreSetButNeverShown)
{
    EXPECT_FALSE(form->ACG_Modbus_Read->ShowHint());
    EXPECT_FALSE(form->ACG_Modbus_Write->ShowHint());
    for (controls::TLbButton* b : {form->Btn_OK, form->Btn_Cancel, form->Btn_InsRow, form->Btn_CopyRow})
        EXPECT_FALSE(b->ShowHint()) << b->Name();
    EXPECT_FALSE(form->ACG_Modbus_Read->OnGridHint) << "the read table has no hint handler";
    EXPECT_EQ(Header_Hint(2, 1), "Insert the IP Address of Modbus TCP Slave");
}

TEST_F(ModbusTCPMasterDialog, EnterWalksTheWriteTableOnly)
{
    Enable_Jump_Field = true;
    Show();
    EXPECT_FALSE(form->ACG_Modbus_Read->OnGridKeyPress) << "Enter gets the read grid's own handling";
    form->ACG_Modbus_Write->SetRow(1);
    form->ACG_Modbus_Write->SetCol(16);
    char32_t key = 13;
    ASSERT_TRUE(form->ACG_Modbus_Write->OnGridKeyPress);
    form->ACG_Modbus_Write->OnGridKeyPress(form->ACG_Modbus_Write, key);
    EXPECT_EQ(form->ACG_Modbus_Write->Row(), 2);
    EXPECT_EQ(form->ACG_Modbus_Write->Col(), 1);
    EXPECT_EQ(key, 0u);
    Enable_Jump_Field = false;
}

TEST_F(ModbusTCPMasterDialog, CopyAndPasteCaptionsStayInEveryLanguage)
{
    Lang_List[1802] = "Conferma";
    Lang_List[1806] = "Lettura Modbus";
    Lang_List[1810] = "Indirizzo IP";
    form->Set_Lang();
    EXPECT_EQ(form->Btn_OK->Caption(), "Conferma");
    EXPECT_EQ(form->TS_Modbus_Read->Caption(), "Lettura Modbus");
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(2, 0), "Indirizzo IP");
    EXPECT_EQ(form->Btn_CopyRow->Caption(), "Copy Row");
    EXPECT_EQ(form->Btn_PasteRow->Caption(), "Paste Row");
}

TEST_F(ModbusTCPMasterDialog, OkSavesTheTopicIndexAsANumberAndTheNextShowLoadsTheSame)
{
    Show();
    Put(1, {"Y", "127.0.0.1", "502", "1", "Holding Register", "0", "125", "1000", "0", "0"});
    Put(1, {"Y", "127.0.0.1", "502", "2", "Coil Status", "0", "8", "0", "Y", "N", "0", "1499", "0"}, 1);
    ASSERT_TRUE(Press_OK()) << Last_Message();
    const std::string first = File_Text();
    EXPECT_NE(first.find(" Index_Topic=\"-1\" "), std::string::npos) << first;
    Show();
    EXPECT_TRUE(form->ACG_Modbus_Read->IsHiddenColumn(14));
    EXPECT_EQ(Cell(14, 1), "");
    EXPECT_EQ(Cell(12, 1, 1), "1499");
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), first);
}

TEST_F(ModbusTCPMasterDialog, BadAddressIsReportedFirstAndDeleteAsksItsOwnQuestion)
{
    Show();
    Put(1, {"Y", "192.168.1.125.7", "65536"});
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(),
              "Error row 1!! [Modbus Read] Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)");
    form->ACG_Modbus_Read->SetRow(1);
    dialogs.MessageAnswers.push_back(ui::IDNO);
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(Last_Message(), "Are you sure to delete the Row number 1");
    EXPECT_EQ(Cell(2, 1), "192.168.1.125.7");
}

}  // namespace
