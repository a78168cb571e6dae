// The OPC UA client dialog: the model through its three grids, the focus order that stores an
// open cell edit before any button acts, the grids following the selected server, the row buttons,
// the browse end to end through the test library, and OK.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OpcUaClientFixture.h"
#include "core/tables/opcua/OPCUAClientTable.h"
#include "platform/ui/Input.h"

namespace {

using namespace tables::opcua;
using opcuatest::ClientDialog;

constexpr int Read = 0, Write = 1;

TEST_F(ClientDialog, WithoutAFileOneEmptyServerRowAndEnabledEmptyVariables)
{
    Show();
    ExpectFrameLayout(1150, 660);
    EXPECT_EQ(form->ACG_OPC_UA_Server->RowCount(), 2);
    EXPECT_EQ(form->ACG_OPC_UA_Server->Cells(2, 1), "");
    EXPECT_EQ(Cell(1, 1, Read), "Y");
    EXPECT_EQ(Cell(1, 1024, Write), "Y");
    EXPECT_EQ(Cell(2, 1, Read), "");
    EXPECT_EQ(form->Shown_Server, -1);
    // Header hints: the server grid's own list; "On Change" 4184, "On CMD" 4183.
    std::string hint;
    form->ACG_OPC_UA_Server->OnGridHint(form->ACG_OPC_UA_Server, 0, 2, hint);
    EXPECT_EQ(hint, "URL of OPC UA Server address");
    EXPECT_EQ(Header_Hint(7, Write), "Enable/Disable the Possibility to Write the OPC UA Variable on Data Change");
    EXPECT_EQ(Header_Hint(8, Write), "Enable/Disable the Possibility to Write the OPC UA Variable on Command");
}

TEST_F(ClientDialog, LoadsTheServersAndTheFirstServersVariables)
{
    Two_Servers();
    Show();
    EXPECT_EQ(form->ACG_OPC_UA_Server->RowCount(), 3);
    EXPECT_EQ(form->ACG_OPC_UA_Server->Cells(2, 2), "opc.tcp://plant-b:4840");
    EXPECT_EQ(form->ACG_OPC_UA_Server->Cells(5, 2), "pw");  // in clear
    EXPECT_EQ(form->Shown_Server, 0);
    EXPECT_EQ(Cell(2, 1, Read), "Temp");
    EXPECT_EQ(Cell(2, 1, Write), "Out");
    EXPECT_EQ(Cell(7, 1, Write), "N");
}

// An edit left open in a variable cell reaches the model before the pressed button acts: the
// button takes the focus on the press, the grid's exit stores it, then the click runs.
TEST_F(ClientDialog, AnOpenCellEditIsStoredBeforeScanAndOKAct)
{
    Two_Servers();
    Show();
    form->Show();
    std::vector<std::string> order;
    const auto exit = form->ACG_OPC_UA_Var_R->OnExit;
    form->ACG_OPC_UA_Var_R->OnExit = [&](ui::TObject* s) {
        exit(s);
        order.push_back("exit:" + form->OPC_UA_Server_List[0].Var_List_R[0].DispalyName);
    };
    Modal = [&](ui::TForm&) {
        order.push_back("scan:" + form->OPC_UA_Server_List[0].Var_List_R[0].DispalyName);
        return ui::mrCancel;
    };
    auto open_edit = [&](const std::string& text) {
        dlg::TFrameColumnGrid* grid = form->ACG_OPC_UA_Var_R;
        grid->SetFocus();
        grid->MoveToCell(Var_Col_Name, 1);
        grid->ShowInplaceEdit();
        ASSERT_TRUE(grid->EditorMode());
        grid->InplaceEditor()->SetText(text);
    };
    auto press = [&](controls::TLbButton* button) {
        ui::SendMouseDown(button, ui::TMouseButton::mbLeft, 5, 5);
        ui::SendMouseUp(button, ui::TMouseButton::mbLeft, 5, 5);
    };

    open_edit("Before scan");
    press(form->Btn_Scan_Server);
    EXPECT_EQ(order, (std::vector<std::string>{"exit:Before scan", "scan:Before scan"}));

    open_edit("Before OK");
    press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), ui::mrOk) << Last_Message();
    EXPECT_NE(File_Text().find("DisplayName=\"Before OK\""), std::string::npos);
    form->Hide();
}

TEST_F(ClientDialog, TheGridsAlwaysShowTheSelectedServer)
{
    Two_Servers();
    Show();
    Put(3, {"Y", "Typed"}, Read);
    // The keyboard moves the selection: the typed row goes into server 1, server 2's are shown.
    form->ACG_OPC_UA_Server->SetFocus();
    ui::SendKeyStroke(form->ACG_OPC_UA_Server, ui::VK_DOWN);
    ASSERT_EQ(form->ACG_OPC_UA_Server->Row(), 2);
    EXPECT_EQ(form->Shown_Server, 1);
    EXPECT_EQ(Cell(2, 1, Read), "");
    ASSERT_EQ(form->OPC_UA_Server_List[0].Var_List_R.size(), 3u);
    EXPECT_EQ(form->OPC_UA_Server_List[0].Var_List_R[2].DispalyName, "Typed");
    Put(1, {"Y", "Of B"}, Read);
    // A click on the first row stores server 2's grid into server 2 and shows server 1 again.
    form->ACG_OPC_UA_Server->SetRow(1);
    form->ACG_OPC_UA_ServerClickCell(form->ACG_OPC_UA_Server, 1, 2);
    EXPECT_EQ(Cell(2, 3, Read), "Typed");
    EXPECT_EQ(form->OPC_UA_Server_List[1].Var_List_R.at(0).DispalyName, "Of B");

    // Deleting the selected first server shows the server now selected, and a store goes there.
    dialogs.MessageAnswers.push_back(ui::IDYES);
    form->Delete_Server();
    ASSERT_EQ(form->OPC_UA_Server_List.size(), 1u);
    EXPECT_EQ(form->Shown_Server, 0);
    EXPECT_EQ(Cell(2, 1, Read), "Of B");
    EXPECT_EQ(Cell(2, 3, Read), "");
}

TEST_F(ClientDialog, InsertRowLosesNothingBelowIt)
{
    Two_Servers();
    Show();
    Put(2, {"Y", "Second"}, Read);
    Put(3, {"Y", "Third"}, Read);
    form->ACG_OPC_UA_Var_R->SetRow(2);
    form->Btn_InsRowClick(form->Btn_InsRow);
    // Another server and back: every variable is still there, the new row empty between them.
    form->ACG_OPC_UA_ServerClickCell(form->ACG_OPC_UA_Server, 2, 1);
    form->ACG_OPC_UA_Server->SetRow(2);
    form->ACG_OPC_UA_ServerClickCell(form->ACG_OPC_UA_Server, 2, 1);
    form->ACG_OPC_UA_Server->SetRow(1);
    form->ACG_OPC_UA_ServerClickCell(form->ACG_OPC_UA_Server, 1, 1);
    const auto& vars = form->OPC_UA_Server_List[0].Var_List_R;
    ASSERT_EQ(vars.size(), 4u);
    EXPECT_EQ(vars[2].DispalyName, "Second");
    EXPECT_EQ(vars[3].DispalyName, "Third");
    EXPECT_EQ(Cell(2, 4, Read), "Third");
    // The empty row is enabled: OK says so instead of saving a nameless variable.
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error in Server Number 1 in Read Variable 2!! Display Name cannot be empty");
}

TEST_F(ClientDialog, CopyOnOnePageIsNotPastedOnTheOther)
{
    Two_Servers();
    Show();
    form->ACG_OPC_UA_Var_R->SetRow(1);
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    form->PC_OPC_UA_Vars->SetActivePage(form->TS_OPC_UA_Var_Write);
    form->ACG_OPC_UA_Var_W->SetRow(2);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(Last_Message(), "Error!!! Copy a valid row before Paste it");
    EXPECT_EQ(form->OPC_UA_Server_List[0].Var_List_W.size(), 1u);
}

TEST_F(ClientDialog, ServersAreAddedModifiedAndDeletedThroughTheEntry)
{
    Show();
    Modal = [&](ui::TForm&) {
        entry->FormShow(entry.get());
        entry->E_Server_Add->SetText("opc.tcp://127.0.0.1:4840");
        entry->CB_Auth->SetItemIndex(2);
        entry->RE_Certificate->SetText("CERT\nLINE");
        entry->RE_Priv_Key->SetText("KEY");
        entry->CB_Sec_Type->SetItemIndex(1);
        entry->CB_Sec_Policy->SetItemIndex(3);
        entry->E_Mnemonic->SetText("Plant A");
        return ui::mrOk;
    };
    form->Add_Server();
    ASSERT_EQ(form->OPC_UA_Server_List.size(), 1u);
    const TOPC_UA_Server& s = form->OPC_UA_Server_List[0];
    EXPECT_TRUE(s.Enable);
    EXPECT_EQ(s.Authorization, "Certificate");
    EXPECT_EQ(s.Certificate, "CERT\nLINE");
    EXPECT_EQ(s.SecurityType, "Sign");
    EXPECT_EQ(s.SecurityPolicy, "Basic 256 SHA 256");
    EXPECT_EQ(form->ACG_OPC_UA_Server->Cells(10, 1), "Plant A");
    EXPECT_EQ(form->Shown_Server, 0) << "the first server is selected and its grids are shown";

    // Modify: the entry shows the server's values; Cancel changes nothing.
    std::string shown;
    Modal = [&](ui::TForm&) {
        entry->FormShow(entry.get());
        shown = entry->E_Mnemonic->Text() + "|" + entry->CB_Auth->Text() + "|" + entry->L_SW_Desc->Caption();
        entry->E_Mnemonic->SetText("changed");
        return ui::mrCancel;
    };
    form->ACG_OPC_UA_ServerDblClickCell(form->ACG_OPC_UA_Server, 1, 2);
    EXPECT_EQ(shown, "Plant A|Certificate|Modify OPC UA Server");
    EXPECT_EQ(form->OPC_UA_Server_List[0].Mnemonic, "Plant A");

    // A double click below the rows adds.
    int shows = 0;
    Modal = [&](ui::TForm&) {
        ++shows;
        EXPECT_EQ(entry->FormType, 1);
        return ui::mrCancel;
    };
    form->ACG_OPC_UA_ServerDblClickCell(form->ACG_OPC_UA_Server, -1, -1);
    EXPECT_EQ(shows, 1);

    dialogs.MessageAnswers.push_back(ui::IDNO);
    form->Delete_Server();
    EXPECT_EQ(form->OPC_UA_Server_List.size(), 1u);
    dialogs.MessageAnswers.push_back(ui::IDYES);
    form->Delete_Server();
    EXPECT_TRUE(form->OPC_UA_Server_List.empty());
    EXPECT_EQ(form->ACG_OPC_UA_Server->RowCount(), 2);
    EXPECT_EQ(form->ACG_OPC_UA_Server->Cells(2, 1), "");
}

TEST_F(ClientDialog, ScanAddsTheTickedRecordsOfTheSelectedServer)
{
    Two_Servers();
    Show();
    bool first = true;
    Modal = [&](ui::TForm&) {
        const ui::TModalResult r = Browse_And_OK();
        if (first)
            scan->ACG_OPC_UA_Scan_Var->SetCells(1, 2, "N");  // Pressure not in read
        first = false;
        return r;
    };
    dialogs.MessageAnswers = {ui::IDYES, ui::IDNO};  // read: append; write: replace
    form->Scan_Server();
    const TOPC_UA_Server& s = form->OPC_UA_Server_List[0];
    // Read: the one loaded, then the records ticked Read (access levels 0, 1, 3; Pressure unticked).
    std::vector<std::string> read, write;
    for (const auto& v : s.Var_List_R)
        read.push_back(v.DispalyName);
    for (const auto& v : s.Var_List_W)
        write.push_back(v.DispalyName);
    EXPECT_EQ(read, (std::vector<std::string>{"Temp", "Temperature", "Counter", "Odd"}));
    EXPECT_EQ(write, (std::vector<std::string>{"Temperature", "Setpoint", "Counter"}));
    const TOPC_UA_Variable& t = s.Var_List_R[1];
    EXPECT_TRUE(t.Enable);
    EXPECT_EQ(t.NodeID(), "4294967295");
    EXPECT_EQ(t.nameSpaceIndex, 2);
    EXPECT_EQ(t.VarType(), "Float");
    EXPECT_EQ(t.Position + t.Time + t.VarArray, "");
    EXPECT_EQ(Cell(4, 2, Read), "4294967295");
    // The new variables still need their positions and times: OK refuses them.
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error in Server Number 1 in Read Variable 2!! Var/Array cannot be empty");

    // The second server is browsed with its own address and credentials and gets its own records.
    form->ACG_OPC_UA_Server->SetRow(2);
    form->ACG_OPC_UA_ServerClickCell(form->ACG_OPC_UA_Server, 2, 1);
    form->Scan_Server();
    EXPECT_EQ(scan->Server.server_address, "opc.tcp://plant-b:4840");
    EXPECT_EQ(scan->Server.user_pass_auth_flag, 1);
    EXPECT_EQ(scan->Server.password, "pw");
    ASSERT_EQ(form->OPC_UA_Server_List[1].Var_List_R.size(), 1u);
    EXPECT_EQ(form->OPC_UA_Server_List[1].Var_List_R[0].DispalyName, "Flow");
    EXPECT_EQ(form->OPC_UA_Server_List[1].Var_List_W.size(), 2u);
}

TEST_F(ClientDialog, ScanWithoutAServerIsRefused)
{
    Show();
    form->Scan_Server();
    EXPECT_EQ(Last_Message(), "Error!! Select one Server OPC UA before use the Scan operation");
}

TEST_F(ClientDialog, AutoPosNumbersTheSelectedServersVariables)
{
    Two_Servers();
    Show();
    Put(2, {"Y", "B", "Numeric", "5", "Double"}, Read);
    dialogs.MessageAnswers.push_back(ui::IDNO);
    form->Btn_AutoPositionClick(form->Btn_AutoPosition);
    EXPECT_EQ(Cell(11, 2, Read), "");
    dialogs.MessageAnswers.push_back(ui::IDYES);
    form->Btn_AutoPositionClick(form->Btn_AutoPosition);
    EXPECT_EQ(Cell(11, 1, Read), "0");  // Boolean: 1 byte
    EXPECT_EQ(Cell(11, 2, Read), "1");
    EXPECT_EQ(form->OPC_UA_Server_List[0].Var_List_R[1].Position, "1");
}

}  // namespace
