#include "app/USoftOptions.h"

#include <filesystem>

#include "app/UBrevandoreFirmWare.h"
#include "app/ULanguageFiles.h"
#include "app/UMakerLink.h"
#include "app/UVersionCheck.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "dialogs/UDialogFrame.h"
#include "platform/sys/Folders.h"
#include "platform/ui/Dialogs.h"

using namespace dlg;

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr int kSlotPos[6][4] = {
    // picture left, top; name left, top
    {24, 40, 80, 56},   {26, 94, 80, 110},   {24, 148, 80, 164},
    {254, 40, 310, 56}, {254, 94, 310, 110}, {254, 148, 310, 164},
};

}  // namespace

TFSoftOptions::TFSoftOptions(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    Dialog_Frame(*this, 509, 373);
    const TTitlePanel title = Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = Button_Panel(*this);
    Btn_OK = Panel_Button(*this, P_Button, "Btn_OK", 263);
    Btn_Cancel = Panel_Button(*this, P_Button, "Btn_Cancel", 383, ui::mrCancel);

    PC_Options = Place<ui::TPageControl>(this, this, "PC_Options", 0, 69, 509, 264);
    PC_Options->SetAlign(ui::TAlign::alClient);
    auto page = [this](ui::TTabSheet*& sheet, const char* name) {
        sheet = new ui::TTabSheet(this);
        sheet->SetName(name);
        sheet->SetPageControl(PC_Options);
    };
    page(TS_Language, "TS_Language");
    page(TS_Con_Options, "TS_Con_Options");
    page(TS_Soft_Settings, "TS_Soft_Settings");

    L_Sel_Lang = Place_Label(this, TS_Language, "L_Sel_Lang", 12, 11, true, ui::clBlack);
    for (int k = 0; k < 6; ++k) {
        const std::string n = std::to_string(k + 1);
        I_L[k] = Place<ui::TImage>(this, TS_Language, "I_L" + n, kSlotPos[k][0], kSlotPos[k][1], 48, 48);
        I_L[k]->SetStretch(true);
        I_L[k]->SetCursor(ui::crHandPoint);
        I_L[k]->SetTag(k + 1);
        L_L[k] = Place_Label(this, TS_Language, "L_L" + n, kSlotPos[k][2], kSlotPos[k][3], false, ui::clBlack);
        L_L[k]->SetCursor(ui::crHandPoint);
        L_L[k]->SetTag(k + 1);
        I_L[k]->OnClick = [this](ui::TObject* s) { LangClick(s); };
        L_L[k]->OnClick = [this](ui::TObject* s) { LangClick(s); };
    }
    L_Page_Lang = Place_Label(this, TS_Language, "L_Page_Lang", 220, 212, false, ui::clBlack);
    Btn_Prev = Place<controls::TLbButton>(this, TS_Language, "Btn_Prev", 12, 204, 110, 28);
    Btn_Next = Place<controls::TLbButton>(this, TS_Language, "Btn_Next", 379, 205, 110, 28);
    Btn_Next->SetLayout(controls::blGlyphRight);
    Button_Look(*Btn_Prev, "LBRETRY");
    Button_Look(*Btn_Next, "LBRETRY");
    Btn_Prev->OnClick = [this](ui::TObject* s) { Btn_NextClick(s); };
    Btn_Next->OnClick = [this](ui::TObject* s) { Btn_NextClick(s); };

    CB_En_Con = Place<ui::TCheckBox>(this, TS_Con_Options, "CB_En_Con", 12, 16, 400, 17);
    CB_Update = Place<ui::TCheckBox>(this, TS_Con_Options, "CB_Update", 36, 47, 400, 17);
    Btn_Check_Update = Place<controls::TLbButton>(this, TS_Con_Options, "Btn_Check_Update", 36, 78, 204, 28);
    Button_Look(*Btn_Check_Update, "LBHELP");
    LL_Check_Update = Place<ui::TLinkLabel>(this, TS_Con_Options, "LL_Check_Update", 40, 120, 440, 17);
    CB_Soft_Set_Jump_Table = Place<ui::TCheckBox>(this, TS_Soft_Settings, "CB_Soft_Set_Jump_Table", 12, 16, 460, 17);
    CB_DoubleClick_Auto_Size =
        Place<ui::TCheckBox>(this, TS_Soft_Settings, "CB_DoubleClick_Auto_Size", 12, 39, 460, 17);
    for (ui::TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        box->OnClick = [this](ui::TObject* s) { CB_En_ConClick(s); };
    Btn_Check_Update->OnClick = [this](ui::TObject* s) { Btn_Check_UpdateClick(s); };
    LL_Check_Update->OnLinkClick = [this](ui::TObject* s, const std::string& link, ui::TSysLinkType) {
        LL_Check_Update_LinkClick(s, link);
    };
    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };

    OnCreate = [this](ui::TObject* s) { FormCreate(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    DoCreate();
}

void TFSoftOptions::FormCreate(ui::TObject*)
{
    SL_Languages.clear();
    L_SW_Code->SetCaption(SW_Code);
    TS_Con_Options->SetTabVisible(true);
    Set_Lang();
}

void TFSoftOptions::FormShow(ui::TObject*)
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->Hide();
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Enable_Internet);
    CB_Update->SetChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Enable_Jump_Field);
    CB_DoubleClick_Auto_Size->SetChecked(Enable_DblClick_AutoSize);
    Update_CheckBox();
}

int TFSoftOptions::Page_Count() const
{
    return Lang_Page_Count(static_cast<int>(SL_Languages.size()));
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages = List_Language_Files(Path_Language);
    Show_Page = 1;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    const int files = static_cast<int>(SL_Languages.size());
    L_Sel_Lang->SetCaption(Txt(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Txt(305) + std::to_string(Num_Page) + Txt(306) + std::to_string(Page_Count()));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != Page_Count());
    const int shown = Lang_Slots_On_Page(files, Num_Page);
    for (int k = 0; k < 6; ++k) {
        const bool visible = k < shown;
        L_L[k]->SetVisible(visible);
        I_L[k]->SetVisible(visible);
        if (!visible)
            continue;
        const std::string name = Lang_Name_Of(SL_Languages[static_cast<std::size_t>((Num_Page - 1) * 6 + k)]);
        L_L[k]->SetCaption(name);
        const std::filesystem::path folder(Path_Language);
        std::filesystem::path flag = folder / (name + ".bmp");
        if (!sys::FileExists(flag))
            flag = folder / "DefaultFlag.bmp";
        bool loaded = false;
        if (sys::FileExists(flag)) {
            try {
                I_L[k]->Picture()->LoadFromFile(flag.string());
                loaded = true;
            } catch (const std::exception&) {
                // An unreadable flag is left out like a missing one.
            }
        }
        I_L[k]->SetVisible(loaded);
    }
}

void TFSoftOptions::Btn_NextClick(ui::TObject* Sender)
{
    if (Sender == Btn_Next) {
        if (Page_Count() >= Show_Page + 1)
            ++Show_Page;
    } else if (Show_Page - 1 > 0) {
        --Show_Page;
    }
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(ui::TObject* Sender)
{
    const auto* control = dynamic_cast<ui::TComponent*>(Sender);
    if (!control)
        return;
    const int index = (Show_Page - 1) * 6 + static_cast<int>(control->Tag()) - 1;
    if (index < 0 || index >= static_cast<int>(SL_Languages.size()))
        return;
    const std::string name = Lang_Name_Of(SL_Languages[static_cast<std::size_t>(index)]);
    const std::string question = Txt(316) + Language_In_Use + Txt(317) + name + Txt(318);
    if (ui::MessageDlg(question, ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) != ui::IDYES)
        return;
    Language_In_Use = name;
    const std::string remembered = Language_Name;
    Language_Name = name;
    Init_Language();
    Language_Name = remembered;
    if (FBrevandoreFirmWare)
        FBrevandoreFirmWare->Change_Language();
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::CB_En_ConClick(ui::TObject*)
{
    Update_CheckBox();
}

void TFSoftOptions::Btn_OKClick(ui::TObject*)
{
    Language_Name = Language_In_Use;
    Enable_Internet = CB_En_Con->Checked();
    Enable_Update = CB_Update->Checked();
    if (FBrevandoreFirmWare)
        FBrevandoreFirmWare->Update_Timer_State();
    Enable_Jump_Field = CB_Soft_Set_Jump_Table->Checked();
    Enable_DblClick_AutoSize = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(ui::mrOk);
}

void TFSoftOptions::Btn_Check_UpdateClick(ui::TObject*)
{
    if (Check_Version())
        LL_Check_Update->SetCaption("<a href=\"" + Download_Link() + "\">" + Txt(314) + "</a>");
    else
        LL_Check_Update->SetCaption(Txt(315));
    LL_Check_Update->Show();
}

void TFSoftOptions::LL_Check_Update_LinkClick(ui::TObject*, const std::string& Link)
{
    Open_Url(Link);
}

void TFSoftOptions::Set_Lang()
{
    SetCaption(Txt(300));
    L_SW_Desc->SetCaption(Txt(301));
    TS_Language->SetCaption(Txt(302));
    TS_Con_Options->SetCaption(Txt(303));
    TS_Soft_Settings->SetCaption(Txt(319));
    if (SL_Languages.empty() && L_Page_Lang->Caption().empty())
        L_Page_Lang->SetCaption(Txt(305) + "1" + Txt(306) + "1");
    else
        Update_Lang_Page(Show_Page);
    Btn_Prev->SetCaption(Txt(307));
    Btn_Next->SetCaption(Txt(308));
    CB_En_Con->SetCaption(Txt(309));
    CB_Update->SetCaption(Txt(310));
    Btn_Check_Update->SetCaption(Txt(311));
    Btn_OK->SetCaption(Txt(312));
    Btn_Cancel->SetCaption(Txt(313));
    CB_Soft_Set_Jump_Table->SetCaption(Txt(320));
    CB_DoubleClick_Auto_Size->SetCaption(Txt(321));
}
