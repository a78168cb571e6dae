#pragma once
// The engineering-unit picker: the unit number of a BACnet server object chosen by quantity group
// and name. The opener puts the cell's number into E_Selected_EU and its name into Label5 before
// showing it, and after OK takes E_Selected_EU as it stands (a number may also be typed there).

#include <string>

#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFBACnet_Eng_Unit : public ui::TForm {
public:
    explicit TFBACnet_Eng_Unit(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TLabel* Label1;
    ui::TEdit* E_Selected_EU;
    ui::TLabel* Label5;  // "-> " and the name of the selected unit
    ui::TShape* Shape1;
    ui::TLabel* Label2;
    ui::TLabel* Label3;
    ui::TComboBox* CB_Select_Type;  // the 23 quantity groups
    ui::TLabel* Label4;
    ui::TComboBox* CB_Select_Unit;  // the units of the chosen group
    controls::TLbButton* Btn_Select_Eng_Unit;
    ui::TShape* Shape2;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;

    void Set_Lang();
    void FormShow(ui::TObject* Sender);
    void CB_Select_TypeSelect(ui::TObject* Sender);
    void Btn_Select_Eng_UnitClick(ui::TObject* Sender);
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
