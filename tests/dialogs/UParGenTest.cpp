#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include "BankFixture.h"
#include "CaseName.h"
#include "UParGenFixture.h"
#include "core/ParGenFile.h"
#include "platform/ui/Input.h"

using namespace coretest;
using core::TParGenSettings;

namespace {

// A file with every key at the dialog's defaults, as the settings writer produces it.
std::string Default_File_Text(const TScratchDir& dir)
{
    core::Write_ParGen_Settings(dir / "expected.xml", TParGenSettings{});
    return Read_File(dir / "expected.xml");
}

TEST_F(ParGenDialog, WithoutAFileShowsTheDefaultsAndOkWritesThem)
{
    Show();
    EXPECT_EQ(form->Settings(), TParGenSettings{});
    EXPECT_FALSE(form->CB_EthConn_En_DHCP_WiFi->Checked());
    EXPECT_EQ(form->E_EtherNetIP_Master_Port->Text(), "44818");
    EXPECT_FALSE(form->E_EtherNetIP_Master_Port->Enabled());

    ASSERT_TRUE(Press_OK());
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(File_Text(), Default_File_Text(dir));
}

// The dialog's default file is what the bank compiler turns into the documented bank1.
class ParGenDialogBank : public BankFixture {};

TEST_F(ParGenDialogBank, DefaultFileCompilesToTheDocumentedBank1)
{
    Load_Default_Lang();
    ui::ScriptedDialogs dialogs;
    const std::string saved = File_ParGen;
    File_ParGen = Sources().ParGen.string();
    {
        TFParGen form(nullptr);
        form.FormShow(&form);
        form.Btn_OKClick(form.Btn_OK);
        EXPECT_EQ(form.ModalResult(), ui::mrOk);
    }
    File_ParGen = saved;
    EXPECT_TRUE(Same_Bytes(Bank1(), Load_Hex_Golden("bank1_default_pargen.hex")));
}

TEST_F(ParGenDialog, ReloadingAWrittenFileAndPressingOkRewritesItUnchanged)
{
    Show();
    form->E_EthConn_Device_Name->SetText("plant 7");
    form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
    form->CB_EthConn_Enable_DNS->SetChecked(true);
    form->E_EthConn_Pri_DNS[0]->SetText("08");
    form->E_EtherCAT_Slave_Revision_Number->SetText("$10");
    form->E_EtherCAT_Slave_Name->SetText(" slave ");
    form->E_EtherCAT_Slave_Node_Address->SetText("192");
    form->E_EtherNetIP_Master_IP[0]->SetText(" 10");
    form->CB_EtherNetIP_Master_GAT->SetChecked(true);
    form->E_EtherNetIP_Master_GAT[3]->SetText("254");
    ASSERT_TRUE(Press_OK());
    const std::string written = File_Text();

    // A fresh dialog (nothing left in the controls) reads back exactly what was typed.
    form = std::make_unique<TFParGen>(nullptr);
    Show();
    EXPECT_EQ(form->E_EthConn_Pri_DNS[0]->Text(), "08");
    EXPECT_EQ(form->E_EtherCAT_Slave_Name->Text(), " slave ");
    EXPECT_EQ(form->E_EtherNetIP_Master_IP[0]->Text(), " 10");
    EXPECT_TRUE(form->CB_EthConn_En_DHCP_Cable->Checked());
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), written);
}

TEST_F(ParGenDialog, KeysReadOneByOneWithTheirOwnFallbacks)
{
    // Keys in another order, indentation, a missing slave name and node address, a Wi-Fi DHCP
    // and a port the dialog does not take over.
    Write_File(dir / "ParGen.xml", "<Par_Gen>\n  <EtherNetIP_Master_Port>1234</EtherNetIP_Master_Port>\n"
                                   "  <EtherNetIP_Master_IP4>77</EtherNetIP_Master_IP4>\n"
                                   "  <Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>\n"
                                   "  <Eth_Conn_Enable_DNS>yes</Eth_Conn_Enable_DNS>\n"
                                   "  <EtherNetIP_Master_EN_GAT>1</EtherNetIP_Master_EN_GAT>\n"
                                   "  <Eth_Conn_Device_Name>host</Eth_Conn_Device_Name>\n</Par_Gen>");
    Show();
    TParGenSettings expected;
    expected.Device_Name = "host";
    expected.Master_IP[3] = "77";
    expected.Enable_Gateway = true;
    EXPECT_EQ(form->Settings(), expected);
    EXPECT_FALSE(form->CB_EthConn_En_DHCP_WiFi->Checked());
    EXPECT_EQ(form->E_EtherNetIP_Master_Port->Text(), "44818");

    ASSERT_TRUE(Press_OK());
    const auto reread = core::TParGenFile::Open(dir / "ParGen.xml");
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Key("Eth_Conn_DHCP_WiFi"), "0");
    EXPECT_EQ(reread->Key("EtherNetIP_Master_Port"), "44818");
}

TEST_F(ParGenDialog, AnEmptyKeyTakesItsFallbackWhileABlankIsKept)
{
    Write_File(
        dir / "ParGen.xml",
        "<Par_Gen><EtherCAT_Slave_Name></EtherCAT_Slave_Name><EtherNetIP_Master_IP1/>"
        "<Eth_Conn_Primary_DNS2></Eth_Conn_Primary_DNS2><EtherCAT_Slave_Node_Address> </EtherCAT_Slave_Node_Address>"
        "<EtherCAT_Slave_Revision_Number>7</EtherCAT_Slave_Revision_Number></Par_Gen>");
    Show();
    TParGenSettings expected;
    expected.Node_Address = " ";
    expected.Revision_Number = "7";
    EXPECT_EQ(form->Settings(), expected);
}

// Only the Cancel button and the close box throw typed values away; Escape in an edit does not.
TEST_F(ParGenDialog, EscapeInAnEditKeepsTheDialogOpen)
{
    Show();
    form->SetModalResult(ui::mrNone);
    form->E_EtherCAT_Slave_Name->SetFocus();
    ui::SendKeyStroke(form.get(), ui::VK_ESCAPE, 0, U'\x1b');
    EXPECT_EQ(form->ModalResult(), ui::mrNone);
}

TEST_F(ParGenDialog, EveryShowRefillsTheControlsFromTheFile)
{
    Show();
    form->E_EtherCAT_Slave_Name->SetText("typed but cancelled");
    Show();
    EXPECT_EQ(form->E_EtherCAT_Slave_Name->Text(), "devicename1");
}

// A failing check shows its one message, keeps the dialog open and writes nothing.
struct FaultCase {
    const char* what;
    std::function<void(TFParGen&)> edit;
    const char* message;
};

[[maybe_unused]] void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.what;
}

class ParGenDialogFault : public ParGenDialog, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ParGenDialogFault, ShowsTheFirstFaultAndWritesNothing)
{
    Write_File(dir / "ParGen.xml", "<Par_Gen/>");
    Show();
    GetParam().edit(*form);
    EXPECT_FALSE(Press_OK());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, GetParam().message);
    EXPECT_EQ(dialogs.Messages[0].Flags & ui::MB_ICONERROR, ui::MB_ICONERROR);
    EXPECT_EQ(File_Text(), "<Par_Gen/>");
}

const FaultCase Faults[] = {
    {"primary DNS with DNS on",
     [](TFParGen& f) {
         f.CB_EthConn_Enable_DNS->SetChecked(true);
         f.E_EthConn_Pri_DNS[1]->SetText("300");
     },
     "Error Primary DNS!! DNS 2 must be between 0 and 255"},
    {"revision beyond 32 bits, before a blank name",
     [](TFParGen& f) {
         f.E_EtherCAT_Slave_Revision_Number->SetText("4294967296");
         f.E_EtherCAT_Slave_Name->SetText(" ");
     },
     "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF"},
    {"blank slave name", [](TFParGen& f) { f.E_EtherCAT_Slave_Name->SetText("   "); },
     "Error EtherCAT Slave!! Slave Name cannot be empty"},
    {"node address 193", [](TFParGen& f) { f.E_EtherCAT_Slave_Node_Address->SetText("193"); },
     "Error EtherCAT Slave!! Node Address must be between 1 and 192"},
    {"scanner address greyed out by DHCP is still checked",
     [](TFParGen& f) {
         f.CB_EthConn_En_DHCP_Cable->SetChecked(true);
         f.E_EtherNetIP_Master_IP[0]->SetText("10 ");
     },
     "Error EtherNet/IP Master!! IP Address 1 must be between 0 and 255"},
    {"subnet mask", [](TFParGen& f) { f.E_EtherNetIP_Master_SM[3]->SetText("256"); },
     "Error EtherNet/IP Master!! SUBNET Mask 4 must be between 0 and 255"},
    {"gateway when enabled",
     [](TFParGen& f) {
         f.CB_EtherNetIP_Master_GAT->SetChecked(true);
         f.E_EtherNetIP_Master_GAT[0]->SetText("");
     },
     "Error EtherNet/IP Master!! GATEWAY IP 1 must be between 0 and 255"},
};

INSTANTIATE_TEST_SUITE_P(Messages, ParGenDialogFault, ::testing::ValuesIn(Faults), testsupport::kNameByWhat);

TEST_F(ParGenDialog, UncheckedOctetsAreWrittenAsTyped)
{
    Show();
    form->E_EthConn_Sec_DNS[2]->SetText("word");
    form->E_EtherNetIP_Master_GAT[1]->SetText("999");
    ASSERT_TRUE(Press_OK());
    const auto f = core::TParGenFile::Open(dir / "ParGen.xml");
    EXPECT_EQ(f->Key("Eth_Conn_Secondary_DNS3"), "word");
    EXPECT_EQ(f->Key("EtherNetIP_Master_GAT2"), "999");
}

TEST_F(ParGenDialog, AnUnreadableFileIsReportedAndNeverOverwritten)
{
    Write_File(dir / "ParGen.xml", "<Par_Gen><Eth_Conn_Device_Name>");
    Show();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(Last_Message().find("ParGen.xml"), std::string::npos) << Last_Message();
    EXPECT_EQ(form->ModalResult(), ui::mrCancel);
    EXPECT_EQ(File_Text(), "<Par_Gen><Eth_Conn_Device_Name>");

    // Shown modally, the dialog closes at once with Cancel.
    EXPECT_EQ(form->ShowModal(), ui::mrCancel);
    EXPECT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(File_Text(), "<Par_Gen><Eth_Conn_Device_Name>");
}

TEST_F(ParGenDialog, AFailedWriteKeepsTheDialogOpen)
{
    File_ParGen = (dir / "no such folder" / "ParGen.xml").string();
    Show();
    form->SetModalResult(ui::mrNone);
    EXPECT_THROW(form->Btn_OKClick(form->Btn_OK), std::exception);
    EXPECT_EQ(form->ModalResult(), ui::mrNone);
}

}  // namespace
