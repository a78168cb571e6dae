// The DeviceNet byte-offset dialog in its window (offscreen): the slave list above the two byte
// pages, a slave's maps shown and kept as the user goes from slave to slave, OK with its check
// and the save, and the maps staying with the slave's position in the network.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/can_family/UDefOffset.h"

namespace {

class DefOffsetDialog : public frametest::TableFrameTest<TFDefOffset> {
protected:
    DefOffsetDialog() : TableFrameTest(File_DNETM_DefOff, "DNETM_DefOff.xml")
    {
        savedNet_ = File_DNETM_Net;
        File_DNETM_Net = dir.File("DNETM_Net.xml");
    }
    ~DefOffsetDialog() override { File_DNETM_Net = savedNet_; }
    // The network: ID and the numbers of input and output bytes per slave.
    void Network(const std::vector<std::array<int, 3>>& slaves)
    {
        std::string text = "<DNET_Net>";
        for (const auto& s : slaves)
            text += "<row ID=\"" + std::to_string(s[0]) + "\" NB_IN=\"" + std::to_string(s[1]) + "\" NB_OUT=\"" +
                    std::to_string(s[2]) + "\" Mnemonic=\"slave " + std::to_string(s[0]) + "\"/>";
        testsupport::WriteFile(File_DNETM_Net, text + "</DNET_Net>");
    }
    void Click_Slave(int row)
    {
        form->ACG_DN_Slaves->SetRow(row);
        form->ACG_DN_Slaves->OnCellClick(form->ACG_DN_Slaves, row, 0);
    }
    std::string In(int c, int r) { return form->ACG_ByteIN->Cells(c, r); }
    std::string Out(int c, int r) { return form->ACG_ByteOUT->Cells(c, r); }

private:
    std::string savedNet_;
};

TEST_F(DefOffsetDialog, SlaveListAboveTheTwoBytePages)
{
    EXPECT_EQ(form->ClientWidth(), 482);
    EXPECT_EQ(form->ClientHeight(), 610);
    EXPECT_EQ(form->Caption(), "Define Offset");
    EXPECT_EQ(form->L_SW_Desc->Caption(), "Define DeviceNet Offset");
    EXPECT_EQ(form->Btn_Cancel->ModalResult(), ui::mrCancel);
    EXPECT_EQ(form->Btn_DelRow, nullptr) << "no row buttons";
    EXPECT_EQ(form->Label3->Caption(), "Use \"None\" to not pass the byte from DeviceNet to EtherCAT");
    EXPECT_EQ(form->ACG_DN_Slaves->Cells(3, 0), "Mnemonic");
    EXPECT_EQ(form->ACG_DN_Slaves->FixedCols(), 0);
    EXPECT_EQ(form->TabSheet1->Caption(), "Byte In");
    EXPECT_EQ(form->TabSheet2->Caption(), "Byte Out");
    EXPECT_EQ(form->ACG_ByteOUT->Cells(1, 0), "Offset");
    EXPECT_EQ(form->PageControl1->Parent(), form->Panel3);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    EXPECT_EQ(form->Splitter1->Top(), form->Panel1->Top() + form->Panel1->Height());
    EXPECT_EQ(form->Panel3->Top(), form->Splitter1->Top() + 3);
    EXPECT_EQ(form->ACG_ByteIN->RowCount(), 1) << "the header row only, until a slave is shown";
    EXPECT_EQ(form->ACG_ByteIN->Columns()->Items(1)->ComboItems.Count(), 1) << "offsets are listed at a show";
    Lang_List[3008] = "Scegliere lo slave";
    form->Set_Lang();
    EXPECT_EQ(form->Label1->Caption(), "Scegliere lo slave");
}

TEST_F(DefOffsetDialog, NoNetworkGivesEmptyPagesAndAFileOfTheRootOnly)
{
    Show();
    EXPECT_EQ(form->ACG_DN_Slaves->RowCount(), 1);
    EXPECT_EQ(form->ACG_ByteIN->RowCount(), 1);
    EXPECT_EQ(form->ACG_ByteOUT->RowCount(), 1);
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), "<Define_Offset/><!--SW_VERSION = 1.000-->");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(DefOffsetDialog, EditsStayWithTheirSlaveFromClickToClickAndAreSaved)
{
    Network({{3, 2, 1}, {8, 0, 0}, {12, 1, 2}});
    Show();
    EXPECT_EQ(form->ACG_DN_Slaves->RowCount(), 4);
    EXPECT_EQ(form->ACG_DN_Slaves->Cells(3, 3), "slave 12");
    EXPECT_EQ(form->Slave_Before_Select, 0) << "the first slave is shown";
    EXPECT_EQ(form->MAX_BYTE_OUT(), 1440);
    EXPECT_EQ(form->ACG_ByteOUT->Columns()->Items(1)->ComboItems.Count(), 1441);
    ASSERT_EQ(form->ACG_ByteIN->RowCount(), 3);
    EXPECT_EQ(In(0, 1), "0");
    EXPECT_EQ(In(0, 2), "1") << "bytes are counted from 0";
    EXPECT_EQ(In(1, 2), "None");
    form->ACG_ByteIN->SetCells(1, 2, "100");
    form->ACG_ByteOUT->SetCells(1, 1, "7");
    form->ACG_ByteOUT->SetCells(2, 1, "valve");

    Click_Slave(2);
    EXPECT_EQ(form->ACG_ByteIN->RowCount(), 1) << "a slave without bytes";
    EXPECT_EQ(form->ACG_ByteOUT->RowCount(), 1);
    Click_Slave(3);
    EXPECT_EQ(Out(1, 2), "None");
    form->ACG_ByteOUT->SetCells(1, 2, "8");
    Click_Slave(1);
    EXPECT_EQ(In(1, 2), "100");
    EXPECT_EQ(Out(2, 1), "valve");

    ASSERT_TRUE(Press_OK()) << Last_Message();
    EXPECT_EQ(File_Text(),
              "<Define_Offset><Nodo_DNET><ByteIN><row Offset=\"None\" Mnemonic=\"\"/><row Offset=\"100\" "
              "Mnemonic=\"\"/></ByteIN><ByteOUT><row Offset=\"7\" Mnemonic=\"valve\"/></ByteOUT></Nodo_DNET>"
              "<Nodo_DNET><ByteIN/><ByteOUT/></Nodo_DNET><Nodo_DNET><ByteIN><row Offset=\"None\" Mnemonic=\"\"/>"
              "</ByteIN><ByteOUT><row Offset=\"None\" Mnemonic=\"\"/><row Offset=\"8\" Mnemonic=\"\"/></ByteOUT>"
              "</Nodo_DNET></Define_Offset><!--SW_VERSION = 1.000-->");
}

TEST_F(DefOffsetDialog, ConflictKeepsTheDialogOpenWithTheEditsAndTheFileUntouched)
{
    Network({{3, 0, 1}, {8, 0, 1}});
    Show();
    form->ACG_ByteOUT->SetCells(1, 1, "20");
    Click_Slave(2);
    form->ACG_ByteOUT->SetCells(1, 1, "20");
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet.\n\r( First "
                              "ID = 3 Byte = 0, Second ID = 8 Byte = 0)");
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(form->List_Slaves_DN[1].SL_ByteOUT[0], "20") << "the shown page went back into its slave";
    form->ACG_ByteOUT->SetCells(1, 1, "21");
    EXPECT_TRUE(Press_OK());
}

TEST_F(DefOffsetDialog, MapsBelongToThePositionInTheNetwork)
{
    Network({{3, 1, 0}, {8, 2, 0}});
    Show();
    form->ACG_ByteIN->SetCells(1, 1, "5");
    Click_Slave(2);
    form->ACG_ByteIN->SetCells(1, 1, "6");
    form->ACG_ByteIN->SetCells(1, 2, "7");
    ASSERT_TRUE(Press_OK());
    Network({{8, 2, 0}});  // the first slave was deleted from the network
    Show();
    EXPECT_EQ(In(1, 1), "5") << "the former second slave gets the first position's map";
    EXPECT_EQ(In(1, 2), "None");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(Last_Message().find("Define_Offset: the file holds 2 rows; the rows after row 1 were not loaded."),
              std::string::npos)
        << Last_Message();
}

TEST_F(DefOffsetDialog, NetworkRowThatIsNoNumberIsRefusedByOK)
{
    testsupport::WriteFile(File_DNETM_Net,
                           "<DNET_Net><row ID=\"3\" NB_IN=\"x\" NB_OUT=\"1\" Mnemonic=\"\"/></DNET_Net>");
    Show();
    EXPECT_EQ(form->ACG_DN_Slaves->Cells(1, 1), "x") << "shown as the network file holds it";
    EXPECT_EQ(form->ACG_ByteIN->RowCount(), 1);
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(),
              "Error! The slave in row 1 of the DeviceNet network has NB_IN \"x\", which is not a number "
              "from 0 to 65535. Correct it in the DeviceNet Network table.");
}

}  // namespace
