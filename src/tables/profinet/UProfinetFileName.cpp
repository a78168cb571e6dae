#include "tables/profinet/UProfinetFileName.h"

#include "common/UComon.h"
#include "core/UProfinetXML.h"
#include "dialogs/UDialogFrame.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Dialogs.h"

using namespace dlg;

TFProfinetFileName* FProfinetFileName = nullptr;

TFProfinetFileName::TFProfinetFileName(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    Dialog_Frame(*this, 540, 205);
    const TTitlePanel title = Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    L_Select_Name = Place_Label(this, this, "L_Select_Name", 16, 70, false, ui::clBlack);
    L_FixPart_1 = Place_Label(this, this, "L_FixPart_1", 16, 107, true);
    L_XML_Fix1 = Place_Label(this, this, "L_XML_Fix1", 16, 126, false, ui::clBlack);
    L_XML_Fix1->SetCaption(std::string(core::GSDML_Fixed_First_Part));
    L_UsedPart = Place_Label(this, this, "L_UsedPart", 179, 107, true);
    E_XML_User = Place<ui::TEdit>(this, this, "E_XML_User", 179, 123, 267, 21);
    L_FixPart_2 = Place_Label(this, this, "L_FixPart_2", 447, 107, true);
    L_XML_Fix2 = Place_Label(this, this, "L_XML_Fix2", 447, 126, false, ui::clBlack);
    P_Button = Button_Panel(*this);
    Btn_OK = Panel_Button(*this, P_Button, "Btn_OK", Button_Left(0));
    Btn_Cancel = Panel_Button(*this, P_Button, "Btn_Cancel", Button_Left(1), ui::mrCancel);
    Btn_OK->SetShowHint(false);
    Btn_Cancel->SetShowHint(false);

    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OK_Click(s); };
    OnCreate = [this](ui::TObject* s) { FormCreate(s); };
    DoCreate();
}

void TFProfinetFileName::FormCreate(ui::TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientHeight(205);
    SetClientWidth(540);
    L_UsedPart->SetLeft(179);
    E_XML_User->SetLeft(179);
    L_FixPart_2->SetLeft(447);
    L_XML_Fix2->SetLeft(447);
    // The date of the start of the program: a name composed after midnight keeps it.
    int year = 0;
    int month = 0;
    int day = 0;
    rtl::DecodeDate(rtl::Date(), year, month, day);
    L_XML_Fix2->SetCaption(core::GSDML_Fixed_Last_Part(year, month, day));
    Set_Lang();
}

void TFProfinetFileName::Btn_OK_Click(ui::TObject*)
{
    const std::string user = E_XML_User->Text();
    if (!core::GSDML_User_Part_Allowed(user)) {
        // A name the file system cannot hold would only fail once the folder was chosen.
        ui::MessageDlg(Txt(4809), ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    Name_File_XML = core::Compose_GSDML_File_Name(L_XML_Fix1->Caption(), user, L_XML_Fix2->Caption());
    SetModalResult(ui::mrOk);
}

void TFProfinetFileName::Set_Lang()
{
    SetCaption(Txt(4800));
    L_SW_Desc->SetCaption(Txt(4801));
    L_Select_Name->SetCaption(Txt(4802));
    L_FixPart_1->SetCaption(Txt(4803));
    L_UsedPart->SetCaption(Txt(4804));
    L_FixPart_2->SetCaption(Txt(4805));
    Btn_OK->SetCaption(Txt(4806));
    Btn_Cancel->SetCaption(Txt(4807));
}
