#pragma once
// The entry of one OPC UA server of the client configuration: enabled or not, its address, how
// the converter logs on (anonymous, user name and password, or a certificate with its private
// key), the message security and a description. The client dialog sets FormType (1 add, 2
// modify), fills the controls when modifying, shows it and reads the controls back after OK.

#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFOPC_UA_Add_Server : public ui::TForm {
public:
    explicit TFOPC_UA_Add_Server(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TCheckBox* CB_OPC_UA_Server_Enable;
    ui::TLabel* L_Server_Add;
    ui::TEdit* E_Server_Add;
    ui::TLabel* L_Auth;
    ui::TComboBox* CB_Auth;
    ui::TLabel* L_User;
    ui::TEdit* E_User;
    ui::TLabel* L_Pass;
    ui::TEdit* E_Pass;
    ui::TLabel* L_Certificate;
    ui::TMemo* RE_Certificate;
    ui::TLabel* L_Priv_Key;
    ui::TMemo* RE_Priv_Key;
    ui::TLabel* L_Sec_Type;
    ui::TComboBox* CB_Sec_Type;
    ui::TLabel* L_Sec_Policy;
    ui::TComboBox* CB_Sec_Policy;
    ui::TLabel* L_Mnemonic;
    ui::TEdit* E_Mnemonic;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;

    int FormType = 1;  // 1 add a server, 2 modify the selected one

    void Set_Lang();
    void FormShow(ui::TObject* Sender);
    void CB_AuthChange(ui::TObject* Sender);
    void CB_Sec_TypeChange(ui::TObject* Sender);
    // Shows the fields of the chosen authorization, moves the ones below and sizes the form.
    void Change_Fields();
    // With no message security the policy is "None" and greyed.
    void Check_Authorization();
    // The entry check: shows the first fault and returns false.
    bool Controlla_Dati();
    void Btn_OKClick(ui::TObject* Sender);
};

extern TFOPC_UA_Add_Server* FOPC_UA_Add_Server;
