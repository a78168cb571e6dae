// The About box: program name, description, software code, version and document code, and the
// link to the maker's home page. Its texts are fixed and follow no language.
#pragma once

#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFAbout : public ui::TForm {
public:
    explicit TFAbout(ui::TComponent* AOwner);

    ui::TImage* Image1;
    ui::TLabel* L_Title;
    ui::TLabel* L_Desc;
    ui::TLabel* L_Code_Caption;
    ui::TLabel* L_Version_Caption;
    ui::TLabel* L_Doc_Caption;
    ui::TLabel* L_Code;
    ui::TLabel* L_Version;
    ui::TLabel* L_Doc;
    ui::TLabel* L_Web;
    controls::TLbButton* Btn_OK;

    void FormShow(ui::TObject* Sender);
    void LinkClick(ui::TObject* Sender);

private:
    // The maker's logo as the picture.
    void Load_Logo();
};

extern TFAbout* FAbout;
