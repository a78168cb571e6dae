#include "app/UNew_Project.h"

#include "app/UProjects.h"
#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Dialogs.h"

using namespace dlg;

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    Dialog_Frame(*this, 331, 162);
    const TTitlePanel title = Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = Place_Label(this, this, "Label1", 16, 76, false, ui::clBlack);
    E_New_Proj = Place<ui::TEdit>(this, this, "E_New_Proj", 16, 94, 297, 21);
    E_New_Proj->SetShowHint(true);
    P_Button = Button_Panel(*this);
    Btn_OK = Panel_Button(*this, P_Button, "Btn_OK", 90);
    Btn_Cancel = Panel_Button(*this, P_Button, "Btn_Cancel", 210, ui::mrCancel);

    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };
    E_New_Proj->OnKeyPress = [this](ui::TObject* s, char32_t& k) { E_New_ProjKeyPress(s, k); };
    OnCreate = [this](ui::TObject* s) { FormCreate(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    DoCreate();
}

void TFNew_Project::FormCreate(ui::TObject*)
{
    SetClientWidth(331);
    SetClientHeight(162);
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFNew_Project::FormShow(ui::TObject*)
{
    E_New_Proj->SetText("");
    if (E_New_Proj->CanFocus())
        E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(ui::TObject* Sender, char32_t& Key)
{
    if (Key == 13) {
        Key = 0;
        Btn_OKClick(Sender);
    }
}

void TFNew_Project::Btn_OKClick(ui::TObject*)
{
    const TNewProjectResult r = Create_Project(E_New_Proj->Text());
    if (r.Text != 0) {
        std::string message = Txt(r.Text);
        if (r.Reason != 0)
            message += "\n(" + Txt(r.Reason) + ")";
        ui::MessageDlg(message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    SetModalResult(ui::mrOk);
}

void TFNew_Project::Set_Lang()
{
    SetCaption(Txt(100));
    L_SW_Desc->SetCaption(Txt(101));
    Label1->SetCaption(Txt(102));
    Btn_OK->SetCaption(Txt(103));
    Btn_Cancel->SetCaption(Txt(104));
    E_New_Proj->SetHint(Txt(108));
    Btn_OK->SetHint(Txt(109));
    Btn_Cancel->SetHint(Txt(110));
}
