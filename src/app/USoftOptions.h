// The options dialog: language of the user interface (chosen from the language files, six to a
// page), internet access and the periodic version check, a check on demand, and two table options.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFSoftOptions : public ui::TForm {
public:
    explicit TFSoftOptions(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;
    ui::TPageControl* PC_Options;
    ui::TTabSheet* TS_Language;
    ui::TTabSheet* TS_Con_Options;
    ui::TTabSheet* TS_Soft_Settings;
    ui::TLabel* L_Sel_Lang;
    std::array<ui::TImage*, 6> I_L{};  // I_L1 .. I_L6
    std::array<ui::TLabel*, 6> L_L{};  // L_L1 .. L_L6
    ui::TLabel* L_Page_Lang;
    controls::TLbButton* Btn_Prev;
    controls::TLbButton* Btn_Next;
    ui::TCheckBox* CB_En_Con;
    ui::TCheckBox* CB_Update;
    controls::TLbButton* Btn_Check_Update;
    ui::TLinkLabel* LL_Check_Update;
    ui::TCheckBox* CB_Soft_Set_Jump_Table;
    ui::TCheckBox* CB_DoubleClick_Auto_Size;

    int Show_Page = 1;
    std::vector<std::string> SL_Languages;
    std::string Language_In_Use;

    void FormCreate(ui::TObject* Sender);
    void FormShow(ui::TObject* Sender);
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Btn_NextClick(ui::TObject* Sender);
    void LangClick(ui::TObject* Sender);
    void Update_CheckBox();
    void CB_En_ConClick(ui::TObject* Sender);
    void Btn_OKClick(ui::TObject* Sender);
    void Btn_Check_UpdateClick(ui::TObject* Sender);
    void LL_Check_Update_LinkClick(ui::TObject* Sender, const std::string& Link);
    void Set_Lang();

private:
    int Page_Count() const;
};

extern TFSoftOptions* FSoftOptions;
