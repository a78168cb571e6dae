// The new-configuration dialog: asks for a name and creates the configuration's folder.
#pragma once

#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFNew_Project : public ui::TForm {
public:
    explicit TFNew_Project(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TLabel* Label1;
    ui::TEdit* E_New_Proj;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;

    void FormCreate(ui::TObject* Sender);
    void FormShow(ui::TObject* Sender);
    void Btn_OKClick(ui::TObject* Sender);
    void E_New_ProjKeyPress(ui::TObject* Sender, char32_t& Key);
    void Set_Lang();
};

extern TFNew_Project* FNew_Project;
