#include "dialogs/UEtherNetIP_EDS.h"

#include "common/UComon.h"
#include "core/EtherNetIPRules.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Dialogs.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

using dlg::Txt;

namespace {

constexpr int Column_Widths[] = {100, 200, 100, 110, 120, 110, 120, 125, 125};

}  // namespace

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetName("FEtherNEtIP_EDS");
    dlg::Dialog_Frame(*this, 1150, 337);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = dlg::Button_Panel(*this);
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", 1150 - 2 * (dlg::Button_Width + 8) - 8, ui::mrOk);
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", 1150 - (dlg::Button_Width + 8) - 8, ui::mrCancel);

    ACG = dlg::Place<TEdsGrid>(this, this, "ACG", 0, 0, 1150, 337 - 69 - 40);
    ACG->SetAlign(ui::TAlign::alClient);
    ACG->SetColCount(9);
    ACG->SetRowCount(2);
    ACG->SetFixedCols(0);
    ACG->SetFixedRows(1);
    ACG->SetOptions((ACG->Options() | ui::goRowSelect | ui::goColSizing) & ~ui::goEditing);
    ACG->HintShowCells = true;
    ACG->SetShowHint(true);
    for (int c = 0; c < 9; ++c) {
        ACG->Columns()->Items(c)->SetWidth(Column_Widths[c]);
        ACG->Columns()->Items(c)->SetColor(ui::clWhite);
        ACG->Columns()->Items(c)->ReadOnly = true;
    }

    TClose = new ui::TTimer(this);
    TClose->SetInterval(10);
    TClose->SetEnabled(false);
    TClose->OnTimer = [this](ui::TObject* s) { TCloseTimer(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };

    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFEtherNEtIP_EDS::Set_Lang()
{
    SetCaption(Txt(5000));
    L_SW_Desc->SetCaption(Txt(5001));
    Btn_OK->SetCaption(Txt(5002));
    Btn_Cancel->SetCaption(Txt(5003));
    Btn_OK->SetHint(Txt(5004));
    Btn_Cancel->SetHint(Txt(5005));
    for (int c = 0; c < 9; ++c)
        ACG->Columns()->Items(c)->SetHeader(Txt(5006 + c));
}

void TFEtherNEtIP_EDS::FormShow(ui::TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    core::TEDS_Read read = core::Read_EDS_Connections(EDS_FileName);
    List_Conn = std::move(read.List_Conn);
    Read_Message = std::move(read.Message);
    ShowDatainGrid();
}

void TFEtherNEtIP_EDS::ShowDatainGrid()
{
    ACG->SetRowCount(2);
    for (int c = 0; c < 9; ++c)
        ACG->SetCells(c, 1, "");
    if (List_Conn.empty()) {
        TClose->SetEnabled(true);
        return;
    }
    ACG->SetRowCount(static_cast<int>(List_Conn.size()) + 1);
    for (std::size_t k = 0; k < List_Conn.size(); ++k) {
        const std::array<std::string, 9> texts = core::EDS_Connection_Texts(List_Conn[k]);
        for (int c = 0; c < 9; ++c)
            ACG->SetCells(c, static_cast<int>(k) + 1, texts[static_cast<std::size_t>(c)]);
    }
    ACG->SetRow(1);
}

void TFEtherNEtIP_EDS::TCloseTimer(ui::TObject*)
{
    TClose->SetEnabled(false);
    ui::MessageDlg(Read_Message.empty() ? Txt(5015) : Read_Message, ui::TMsgDlgType::mtError, ui::mbOK);
    SetModalResult(ui::mrCancel);
}

std::vector<std::string> TFEtherNEtIP_EDS::Chosen_Row()
{
    std::vector<std::string> row;
    for (int c = 0; c < 9; ++c)
        row.push_back(ACG->Cells(c, ACG->Row()));
    return row;
}
