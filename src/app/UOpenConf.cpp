#include "app/UOpenConf.h"

#include "app/UProjects.h"
#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"

using namespace dlg;

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    Dialog_Frame(*this, 377, 351, "Verdana", TFrameBorder::Sizeable);
    SetBorderIcons(ui::biSystemMenu | ui::biMinimize | ui::biMaximize);
    const TTitlePanel title = Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = Place_Label(this, this, "Label1", 12, 76, false, ui::clBlack);
    ListBox1 = Place<ui::TListBox>(this, this, "ListBox1", 12, 94, 353, 213);
    ListBox1->SetAnchors(ui::akLeft | ui::akTop | ui::akRight | ui::akBottom);
    ListBox1->SetShowHint(true);
    P_Button = Button_Panel(*this);
    Btn_OK = Panel_Button(*this, P_Button, "Btn_OK", 135, ui::mrOk);
    Btn_Cancel = Panel_Button(*this, P_Button, "Btn_Cancel", 255, ui::mrCancel);

    Btn_OK->SetDefault(true);  // Enter opens the chosen configuration

    ListBox1->OnClick = [this](ui::TObject* s) { ListBox1Click(s); };
    ListBox1->OnMouseDown = [this](ui::TObject*, ui::TMouseButton, ui::TShiftState, int x, int y) {
        pressedItem_ = ListBox1->ItemAtPos({x, y});
    };
    ListBox1->OnDblClick = [this](ui::TObject* s) { ListBox1DblClick(s); };
    OnCreate = [this](ui::TObject* s) { FormCreate(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    DoCreate();
}

void TFOpenConf::FormCreate(ui::TObject*)
{
    SetClientWidth(377);
    SetClientHeight(351);
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL = ::Load_Existing_Configuration();
}

int TFOpenConf::Search_Open_Conf(const std::string& name) const
{
    return ::Search_Open_Conf(SL, name);
}

void TFOpenConf::FormShow(ui::TObject*)
{
    Load_Existing_Configuration();
    ListBox1->Items()->Clear();
    for (const std::string& name : SL)
        ListBox1->Items()->Add(name);
    const int found = Search_Open_Conf(Open_Configuration_Name());
    const int pick = found >= 0 ? found : (SL.empty() ? -1 : 0);
    ListBox1->SetItemIndex(pick);
    Name_Conf = pick >= 0 ? SL[static_cast<std::size_t>(pick)] : std::string();
}

void TFOpenConf::ListBox1Click(ui::TObject*)
{
    const int i = ListBox1->ItemIndex();
    if (i >= 0 && i < static_cast<int>(SL.size()))
        Name_Conf = SL[static_cast<std::size_t>(i)];
}

void TFOpenConf::ListBox1DblClick(ui::TObject* Sender)
{
    // Only a double click on an entry: one beside the entries opens nothing.
    if (pressedItem_ < 0 || pressedItem_ != ListBox1->ItemIndex())
        return;
    ListBox1Click(Sender);
    SetModalResult(ui::mrOk);
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Txt(200));
    L_SW_Desc->SetCaption(Txt(201));
    Label1->SetCaption(Txt(202));
    Btn_OK->SetCaption(Txt(203));
    Btn_Cancel->SetCaption(Txt(204));
    ListBox1->SetHint(Txt(205));
    Btn_OK->SetHint(Txt(206));
    Btn_Cancel->SetHint(Txt(207));
}
