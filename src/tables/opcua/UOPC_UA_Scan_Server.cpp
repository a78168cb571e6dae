#include "tables/opcua/UOPC_UA_Scan_Server.h"

#include "core/tables/TableTexts.h"
#include "core/tables/opcua/OPCUAScanTable.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;

using dlg::Txt;
using namespace tables::opcua;

namespace {

constexpr unsigned Scan_Delay_ms = 100;

}  // namespace

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, Scan_Server_Desc()), ACG_OPC_UA_Scan_Var(static_cast<dlg::TFrameColumnGrid*>(Grids[0]))
{
    SetBorderIcons(ui::biSystemMenu | ui::biMaximize);
    LWaiting = dlg::Place_Label(this, P_Title, "LWaiting", 0, 20, true, ui::clRed);
    LWaiting->Font()->SetHeight(-24);
    LWaiting->SetVisible(false);
    controls::TLbButton** buttons[] = {&Btn_SelectAllRead, &Btn_ClearAllRead, &Btn_SelectAllWrite, &Btn_ClearAllWrite};
    const char* names[] = {"Btn_SelectAllRead", "Btn_ClearAllRead", "Btn_SelectAllWrite", "Btn_ClearAllWrite"};
    for (int i = 0; i < 4; ++i)
        *buttons[i] = dlg::Panel_Button(*this, P_Button, names[i], dlg::Button_Left(i + 2));
    Btn_SelectAllRead->OnClick = Btn_SelectAllWrite->OnClick = [this](ui::TObject* s) { Btn_SelectAllReadClick(s); };
    Btn_ClearAllRead->OnClick = Btn_ClearAllWrite->OnClick = [this](ui::TObject* s) { Btn_ClearAllReadClick(s); };
    Timer_Scan = new ui::TTimer(this);
    Timer_Scan->SetName("Timer_Scan");
    Timer_Scan->SetEnabled(false);
    Timer_Scan->SetInterval(Scan_Delay_ms);
    Timer_Scan->OnTimer = [this](ui::TObject* s) { Timer_ScanTimer(s); };
    Set_Lang();
}

void TFOPC_UA_Scan_Server::Set_Lang()
{
    dlg::TFTableFrame::Set_Lang();
    const std::pair<controls::TLbButton*, std::pair<int, int>> texts[] = {{Btn_SelectAllRead, {4404, 4408}},
                                                                          {Btn_ClearAllRead, {4405, 4409}},
                                                                          {Btn_SelectAllWrite, {4426, 4428}},
                                                                          {Btn_ClearAllWrite, {4427, 4429}}};
    for (const auto& [button, numbers] : texts) {
        button->SetCaption(Txt(numbers.first));
        button->SetHint(Txt(numbers.second));
    }
    LWaiting->SetCaption(Txt(4423));
    // Centred over the title band.
    LWaiting->SetLeft((Desc.Client_Width - LWaiting->Width()) / 2);
}

void TFOPC_UA_Scan_Server::Shown()
{
    // Nothing of an earlier browse is offered again.
    List_Var.clear();
    Erase_Table();
    if (!Server.server_address.empty()) {
        LWaiting->SetVisible(true);
        Timer_Scan->SetEnabled(true);
    } else {
        Show_Variables_List();
    }
}

void TFOPC_UA_Scan_Server::Timer_ScanTimer(ui::TObject*)
{
    Timer_Scan->SetEnabled(false);
    std::filesystem::path folder = Library_Folder;
    if (folder.empty() && !ui::Application->ExeName().empty())
        folder = std::filesystem::path(ui::Application->ExeName()).parent_path();
    TBrowse_Result result = Browse_OPC_UA_Server(Server, folder);
    if (result.Status == TBrowse_Status::Library_Missing) {
        ui::MessageDlg(Txt(4430), ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    if (result.Status == TBrowse_Status::Functions_Missing) {
        ui::MessageDlg(Txt(4431), ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    List_Var = std::move(result.Vars);
    LWaiting->SetVisible(false);
    Show_Variables_List();
    if (result.Count > static_cast<std::int32_t>(List_Var.size()))
        ui::MessageDlg(core::Lang_Format(4432, {result.Count, static_cast<int>(List_Var.size())}),
                       ui::TMsgDlgType::mtWarning, ui::mbOK);
}

void TFOPC_UA_Scan_Server::Erase_Table()
{
    ACG_OPC_UA_Scan_Var->SetRowCount(2);
    for (int c = 0; c < Scan_Col_Count; ++c)
        ACG_OPC_UA_Scan_Var->SetCells(c, 1, "");
}

void TFOPC_UA_Scan_Server::Show_Variables_List()
{
    if (List_Var.empty()) {
        Erase_Table();
        return;
    }
    gx::TGxStringGrid* grid = ACG_OPC_UA_Scan_Var;
    grid->BeginUpdate();
    grid->SetRowCount(static_cast<int>(List_Var.size()) + 1);
    for (std::size_t i = 0; i < List_Var.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        grid->SetCells(0, r, std::to_string(r));
        const auto row = Browse_Row(List_Var[i]);
        for (int c = 1; c < Scan_Col_Count; ++c)
            grid->SetCells(c, r, row[static_cast<std::size_t>(c) - 1]);
    }
    grid->EndUpdate();
}

void TFOPC_UA_Scan_Server::Btn_SelectAllReadClick(ui::TObject* Sender)
{
    if (List_Var.empty())
        return;
    const int col = Sender == Btn_SelectAllWrite ? Scan_Col_Write : Scan_Col_Read;
    for (int r = 1; r < ACG_OPC_UA_Scan_Var->RowCount(); ++r)
        ACG_OPC_UA_Scan_Var->SetCells(col, r, "Y");
}

void TFOPC_UA_Scan_Server::Btn_ClearAllReadClick(ui::TObject* Sender)
{
    if (List_Var.empty())
        return;
    const int col = Sender == Btn_ClearAllWrite ? Scan_Col_Write : Scan_Col_Read;
    for (int r = 1; r < ACG_OPC_UA_Scan_Var->RowCount(); ++r)
        ACG_OPC_UA_Scan_Var->SetCells(col, r, "N");
}

void TFOPC_UA_Scan_Server::Btn_OKClick(ui::TObject*)
{
    SetModalResult(ui::mrOk);
}

bool TFOPC_UA_Scan_Server::Ticked(int row, bool write) const
{
    return row >= 1 && row <= static_cast<int>(List_Var.size()) &&
           ACG_OPC_UA_Scan_Var->Cells(write ? Scan_Col_Write : Scan_Col_Read, row) == "Y";
}
