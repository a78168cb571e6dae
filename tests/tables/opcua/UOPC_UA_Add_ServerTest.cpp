// The server entry: its three layouts by authorization, the security policy that follows the
// security mode, add and modify titles, and the five rules of its check.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/ULanguage.h"
#include "platform/ui/Dialogs.h"
#include "tables/opcua/UOPC_UA_Add_Server.h"

namespace {

class EntryDialog : public ::testing::Test {
protected:
    EntryDialog()
    {
        Load_Default_Lang();
        form = std::make_unique<TFOPC_UA_Add_Server>(nullptr);
        form->FormType = 1;
        form->FormShow(form.get());
    }
    void Choose_Auth(int index) { form->CB_Auth->UserSelect(index); }
    // Rule messages: the last box, empty when OK closed the dialog.
    std::string Press_OK()
    {
        dialogs.Messages.clear();
        form->SetModalResult(ui::mrNone);
        form->Btn_OKClick(form->Btn_OK);
        if (form->ModalResult() == ui::mrOk)
            return "";
        return dialogs.Messages.empty() ? "(no message)" : dialogs.Messages.back().Text;
    }

    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TFOPC_UA_Add_Server> form;
};

TEST_F(EntryDialog, AddModeStartsEmptyAnonymousWithoutSecurity)
{
    EXPECT_EQ(form->ClientWidth(), 407);
    EXPECT_EQ(form->ClientHeight(), 308);
    EXPECT_EQ(form->Caption(), "Add OPC UA Server");
    EXPECT_TRUE(form->CB_OPC_UA_Server_Enable->Checked());
    EXPECT_EQ(form->CB_Auth->Text(), "Anonymous");
    EXPECT_EQ(form->CB_Sec_Policy->Text(), "None");
    EXPECT_FALSE(form->CB_Sec_Policy->Enabled());
    EXPECT_FALSE(form->E_User->Visible());
    EXPECT_FALSE(form->RE_Certificate->Visible());
}

TEST_F(EntryDialog, EachAuthorizationHasItsLayout)
{
    const struct {
        int auth;
        bool user, cert;
        int secType, secPolicy, mnemonic, height;
    } cases[] = {{2, false, true, 368, 400, 432, 508},
                 {1, true, false, 232, 264, 296, 372},
                 {0, false, false, 168, 200, 232, 308}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.auth);
        Choose_Auth(c.auth);
        EXPECT_EQ(form->E_User->Visible(), c.user);
        EXPECT_EQ(form->L_Pass->Visible(), c.user);
        EXPECT_EQ(form->RE_Priv_Key->Visible(), c.cert);
        EXPECT_EQ(form->CB_Sec_Type->Top(), c.secType);
        EXPECT_EQ(form->L_Sec_Type->Top(), c.secType + 3);
        EXPECT_EQ(form->CB_Sec_Policy->Top(), c.secPolicy);
        EXPECT_EQ(form->E_Mnemonic->Top(), c.mnemonic);
        EXPECT_EQ(form->ClientHeight(), c.height);
        EXPECT_EQ(form->P_Button->Top() + form->P_Button->Height(), form->ClientHeight());
    }
    // A typed authorization outside the list changes no layout.
    Choose_Auth(1);
    form->CB_Auth->SetEditText("Kerberos");
    form->Change_Fields();
    EXPECT_EQ(form->CB_Auth->ItemIndex(), -1);
    EXPECT_TRUE(form->E_User->Visible());
    EXPECT_EQ(form->ClientHeight(), 372);
}

TEST_F(EntryDialog, PolicyFollowsTheSecurityMode)
{
    form->CB_Sec_Type->UserSelect(2);
    EXPECT_TRUE(form->CB_Sec_Policy->Enabled());
    form->CB_Sec_Policy->UserSelect(4);
    form->CB_Sec_Type->UserSelect(1);
    EXPECT_EQ(form->CB_Sec_Policy->ItemIndex(), 4);
    form->CB_Sec_Type->UserSelect(0);
    EXPECT_EQ(form->CB_Sec_Policy->Text(), "None");
    EXPECT_FALSE(form->CB_Sec_Policy->Enabled());
}

TEST_F(EntryDialog, RulesInOrder)
{
    EXPECT_EQ(Press_OK(), "Error!! The Server Address cannot be empty");
    form->E_Server_Add->SetText("   ");
    EXPECT_EQ(Press_OK(), "Error!! The Server Address cannot be empty");
    form->E_Server_Add->SetText("opc.tcp://127.0.0.1:4840");
    EXPECT_EQ(Press_OK(), "");
    // A certificate typed earlier does not stand in for a password.
    Choose_Auth(2);
    EXPECT_EQ(Press_OK(), "Error!! The Certificate cannot be empty");
    form->RE_Certificate->SetText("CERT");
    EXPECT_EQ(Press_OK(), "Error!! The Private Key cannot be empty");
    form->RE_Priv_Key->SetText("KEY");
    EXPECT_EQ(Press_OK(), "");
    Choose_Auth(1);
    EXPECT_EQ(Press_OK(), "Error!! The Username cannot be empty");
    form->E_User->SetText("op");
    EXPECT_EQ(Press_OK(), "Error!! The Password cannot be empty");
    form->E_Pass->SetText("pw");
    EXPECT_EQ(Press_OK(), "");
}

TEST_F(EntryDialog, ModifyModeKeepsWhatTheCallerPutIn)
{
    form->E_Mnemonic->SetText("Plant A");
    form->CB_Auth->SetItemIndex(1);
    form->FormType = 2;
    form->FormShow(form.get());
    EXPECT_EQ(form->Caption(), "Modify OPC UA Server");
    EXPECT_EQ(form->L_SW_Desc->Caption(), "Modify OPC UA Server");
    EXPECT_EQ(form->E_Mnemonic->Text(), "Plant A");
    EXPECT_TRUE(form->E_User->Visible());
    // Add mode resets them.
    form->FormType = 1;
    form->FormShow(form.get());
    EXPECT_EQ(form->E_Mnemonic->Text(), "");
    EXPECT_EQ(form->CB_Auth->ItemIndex(), 0);
}

}  // namespace
