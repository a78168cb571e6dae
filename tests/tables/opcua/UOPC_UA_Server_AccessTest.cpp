// The OPC UA server variables dialog: the Length that follows the Type in the window (read only for
// the fixed sizes), the load and the paste keeping the stored Length, and the frame's round trip.
#include <gtest/gtest.h>

#include <string>

#include "common/UComon.h"
#include "core/tables/opcua/OPCUAServerTable.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/opcua/UOPC_UA_Server_Access.h"

namespace {

using namespace tables::opcua;

class ServerVariables : public frametest::TableFrameTest<TFOPC_UA_Server_Access> {
protected:
    ServerVariables() : TableFrameTest(File_OPC_UA_Server, "OPC_UA_Server.xml") {}
    bool Length_Read_Only(int r) { return form->GSG->ReadOnly(Srv_Col_Length, r); }
};

TEST_F(ServerVariables, ChoosingATypeSetsTheLength)
{
    Show();
    ExpectFrameLayout(1200, 337);
    EXPECT_EQ(form->GSG->RowCount(), 251);
    EXPECT_EQ(Cell(1, 250), "Y");
    form->GSG->OnComboChange(form->GSG, Srv_Col_Type, 1, 5, "Int32");
    EXPECT_EQ(Cell(Srv_Col_Length, 1), "4");
    EXPECT_TRUE(Length_Read_Only(1));
    EXPECT_EQ(Cell(Srv_Col_RW, 1), "Read/Write");
    form->GSG->OnComboChange(form->GSG, Srv_Col_Type, 1, 11, "String");
    EXPECT_EQ(Cell(Srv_Col_Length, 1), "10");
    EXPECT_FALSE(Length_Read_Only(1));
}

TEST_F(ServerVariables, LoadAndPasteKeepTheStoredLength)
{
    testsupport::WriteFile(File(), "<OPC_UA_Server><OPC_UA_Server_Variables>"
                                   "<row Enable=\"Y\" Type=\"Float\" Position=\"0\" Length=\"7\" Name=\"a\" "
                                   "ReadWrite=\"\" Mnemonic=\"\"/>"
                                   "<row Enable=\"Y\" Type=\"String\" Position=\"8\" Length=\"32\" Name=\"b\" "
                                   "ReadWrite=\"Read Only\" Mnemonic=\"\"/>"
                                   "<row Type=\"Byte\" Position=\"40\" Length=\"3\"/>"
                                   "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.000-->");
    Show();
    EXPECT_EQ(Cell(Srv_Col_Length, 1), "7");
    EXPECT_TRUE(Length_Read_Only(1));
    EXPECT_EQ(Cell(Srv_Col_RW, 1), "");
    EXPECT_EQ(Cell(Srv_Col_Length, 2), "32");
    EXPECT_FALSE(Length_Read_Only(2));
    // A copied Byte row pasted keeps its Length, read only.
    form->GSG->SetRow(3);
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    form->GSG->SetRow(5);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(Cell(Srv_Col_Type, 5), "Byte");
    EXPECT_EQ(Cell(Srv_Col_Length, 5), "3");
    EXPECT_TRUE(Length_Read_Only(5));
    EXPECT_EQ(Cell(Srv_Col_RW, 5), "Read/Write");
}

TEST_F(ServerVariables, OKWritesTheTableAfterThePositionCheck)
{
    Show();
    Put(1, {"Y", "Int16", "2000", "2", "x", "Read Only", ""});
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 1!! Position Must be Between 0 and 2000");
    Put(1, {"Y", "Int16", "1999", "2", "x", "Read Only", ""});
    EXPECT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), "<OPC_UA_Server><OPC_UA_Server_Variables><row Enable=\"Y\" Type=\"Int16\" "
                           "Position=\"1999\" Length=\"2\" Name=\"x\" ReadWrite=\"Read Only\" Mnemonic=\"\"/>"
                           "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.000-->");
}

}  // namespace
