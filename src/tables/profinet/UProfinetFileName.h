// The GSDML file-name dialog: a fixed first part, the user's part and a fixed last part with the
// date the program was started on.
#pragma once

#include <string>

#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFProfinetFileName : public ui::TForm {
public:
    explicit TFProfinetFileName(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TLabel* L_Select_Name;
    ui::TLabel* L_FixPart_1;
    ui::TLabel* L_XML_Fix1;
    ui::TLabel* L_UsedPart;
    ui::TEdit* E_XML_User;
    ui::TLabel* L_FixPart_2;
    ui::TLabel* L_XML_Fix2;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;

    // The composed name, without folder; set by OK.
    std::string Name_File_XML;

    void FormCreate(ui::TObject* Sender);
    void Btn_OK_Click(ui::TObject* Sender);
    void Set_Lang();
};

extern TFProfinetFileName* FProfinetFileName;
