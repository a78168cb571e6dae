// The open-configuration dialog: lists the configuration folders and hands back the pick.
#pragma once

#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFOpenConf : public ui::TForm {
public:
    explicit TFOpenConf(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TLabel* Label1;
    ui::TListBox* ListBox1;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;

    std::vector<std::string> SL;  // folder names found
    std::string Name_Conf;        // the pick handed back

    void FormCreate(ui::TObject* Sender);
    void FormShow(ui::TObject* Sender);
    void ListBox1Click(ui::TObject* Sender);
    // A double click on a configuration opens it, as Enter (OK is the default button) does.
    void ListBox1DblClick(ui::TObject* Sender);
    void Load_Existing_Configuration();
    int Search_Open_Conf(const std::string& name) const;
    void Set_Lang();

private:
    int pressedItem_ = -1;  // the entry under the last press of the list (-1: none)
};

extern TFOpenConf* FOpenConf;
