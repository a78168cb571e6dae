#include "tables/opcua/UOPC_UA_Client_Access.h"

#include <algorithm>

#include "common/OpcUaSnmp.h"
#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/opcua/OPCUAClientFile.h"
#include "core/tables/opcua/OPCUAClientTable.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Dialogs.h"
#include "tables/opcua/UOPC_UA_Add_Server.h"
#include "tables/opcua/UOPC_UA_Scan_Server.h"

TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;

using dlg::Txt;
using namespace tables::opcua;

namespace {

constexpr int Server_Panel_Height = 220, Server_Title_Height = 24, Server_Buttons_Height = 38;
constexpr int Server_Cols = 11;
constexpr int Server_Widths[Server_Cols] = {40, 50, 200, 100, 100, 90, 100, 100, 100, 100, 140};
constexpr int Grid_Read = 0, Grid_Write = 1;

// The server list: a press remembers where it was, so that a double click tells a row from the
// empty area below the rows (row -1).
class TServer_Grid : public dlg::TFrameColumnGrid {
public:
    using dlg::TFrameColumnGrid::TFrameColumnGrid;
    std::function<void(ui::TObject* Sender, int ARow, int ACol)> OnServerDblClick;

protected:
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override
    {
        lastX_ = x;
        lastY_ = y;
        dlg::TFrameColumnGrid::MouseDown(button, shift, x, y);
    }
    void DblClick() override
    {
        dlg::TFrameColumnGrid::DblClick();
        int col = -1, row = -1;
        MouseToCell(lastX_, lastY_, col, row);
        if (OnServerDblClick)
            OnServerDblClick(this, row, col);
    }

private:
    int lastX_ = -1, lastY_ = -1;
};

std::string Server_Cell(const TOPC_UA_Server& s, int col)
{
    const std::string* texts[] = {&s.ServerAddress, &s.Authorization, &s.UserName,       &s.Password, &s.Certificate,
                                  &s.PrivateKey,    &s.SecurityType,  &s.SecurityPolicy, &s.Mnemonic};
    if (col == 1)
        return s.Enable ? "Y" : "N";
    return col >= 2 && col < Server_Cols ? *texts[col - 2] : std::string();
}

// A browse record as a new variable: enabled, identifier, namespace index and data type of the
// record, its texts copied; every other field still to be filled in.
TOPC_UA_Variable Variable_Of_Record(const TBrowse_Var& r)
{
    TOPC_UA_Variable v;
    v.Enable = true;
    v.nameSpaceIndex = r.nameSpaceIndex;
    v.DispalyName = r.displayName;
    v.identifierType = r.identifierType;
    v.numeric = r.numeric;
    v.stringname = r.stringname;
    v.guide1 = r.guide1;
    v.guide2 = r.guide2;
    v.guide3 = r.guide3;
    v.guide4 = r.guide4;
    v.byteString = r.byteString;
    v.dataType = r.dataType;
    return v;
}

}  // namespace

TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, Client_Access_Desc()),
      PC_OPC_UA_Vars(PageControl1),
      TS_OPC_UA_Var_Read(Sheets[Grid_Read]),
      TS_OPC_UA_Var_Write(Sheets[Grid_Write]),
      ACG_OPC_UA_Var_R(static_cast<dlg::TFrameColumnGrid*>(Grids[Grid_Read])),
      ACG_OPC_UA_Var_W(static_cast<dlg::TFrameColumnGrid*>(Grids[Grid_Write])),
      Do_Copy_Read(Copy_Flags[Grid_Read]),
      Do_Copy_Write(Copy_Flags[Grid_Write]),
      Hint_Var_R_List(Hint_Lists[Grid_Read]),
      Hint_Var_W_List(Hint_Lists[Grid_Write])
{
    Build_Server_Panel();
    Btn_AutoPosition = dlg::Panel_Button(*this, P_Button, "Btn_AutoPosition", dlg::Button_Left(6));
    Btn_AutoPosition->SetCaption("Auto Pos");
    Btn_AutoPosition->OnClick = [this](ui::TObject* s) { Btn_AutoPositionClick(s); };
    for (dlg::TFrameColumnGrid* grid : {ACG_OPC_UA_Var_R, ACG_OPC_UA_Var_W}) {
        grid->OnEnter = [this](ui::TObject* s) { ACG_OPC_UA_Var_Enter(s); };
        grid->OnExit = [this](ui::TObject* s) { ACG_OPC_UA_Var_Exit(s); };
    }
    Set_Lang();
}

void TFOPC_UA_Client_Access::Build_Server_Panel()
{
    const int width = Desc.Client_Width;
    constexpr ui::TAnchors all = ui::akLeft | ui::akTop | ui::akRight | ui::akBottom;
    P_OPC_UA_Server_List =
        dlg::Place<ui::TPanel>(this, this, "P_OPC_UA_Server_List", 0, dlg::Title_Height, width, Server_Panel_Height);
    P_OPC_UA_Server_List->SetAlign(ui::TAlign::alTop);
    P_OPC_UA_Server_List->SetBevelOuter(ui::TBevelCut::bvNone);
    P_OPC_UA_Server_List->SetShowCaption(false);
    P_OPC_UA_Server_List->SetParentColor(true);
    L_Server_List_Title = dlg::Place_Label(this, P_OPC_UA_Server_List, "L_Server_List_Title", 8, 5, true);
    auto* grid = dlg::Place<TServer_Grid>(this, P_OPC_UA_Server_List, "ACG_OPC_UA_Server", 0, Server_Title_Height,
                                          width, Server_Panel_Height - Server_Title_Height - Server_Buttons_Height);
    ACG_OPC_UA_Server = grid;
    grid->SetAnchors(all);
    grid->SetColCount(Server_Cols);
    grid->SetRowCount(2);
    grid->SetFixedCols(1);
    grid->SetFixedRowAlways(true);
    grid->SetFixedRows(1);
    grid->SetOptions((grid->Options() | ui::goRowSelect | ui::goColSizing) & ~ui::goEditing);
    grid->SetWordWrap(false);  // one line a server: a long text is cut at its column, not broken in two
    grid->Columns()->BeginUpdate();
    for (int c = 0; c < Server_Cols; ++c) {
        grid->Columns()->Items(c)->SetWidth(Server_Widths[c]);
        grid->Columns()->Items(c)->ReadOnly = true;
    }
    grid->Columns()->Items(0)->SetFixed(true);
    grid->Columns()->EndUpdate();
    grid->SetShowHint(true);
    grid->HintShowCells = false;
    grid->OnCellClick = [this](ui::TObject* s, int r, int c) { ACG_OPC_UA_ServerClickCell(s, r, c); };
    grid->OnServerDblClick = [this](ui::TObject* s, int r, int c) { ACG_OPC_UA_ServerDblClickCell(s, r, c); };
    grid->OnGridHint = [this](ui::TObject*, int r, int c, std::string& hint) {
        hint = r == 0 && c >= 1 && c - 1 < Hint_Server_List.Count() ? Hint_Server_List[c - 1] : std::string();
    };
    // The selection moves (keys, a click): the grids follow it.
    grid->OnSelectCell = [this](ui::TObject*, int, int ARow, bool&) {
        if (!rebuilding_ && ARow - 1 != Shown_Server)
            Select_Server(ARow - 1);
    };

    P_Server_Buttons =
        dlg::Place<ui::TPanel>(this, P_OPC_UA_Server_List, "P_Server_Buttons", 0,
                               Server_Panel_Height - Server_Buttons_Height, width, Server_Buttons_Height);
    P_Server_Buttons->SetAlign(ui::TAlign::alBottom);
    P_Server_Buttons->SetBevelOuter(ui::TBevelCut::bvNone);
    P_Server_Buttons->SetShowCaption(false);
    P_Server_Buttons->SetParentColor(true);
    controls::TLbButton** buttons[] = {&Btn_Add_Server, &Btn_Modify_Server, &Btn_Delete_Server, &Btn_Scan_Server};
    const char* names[] = {"Btn_Add_Server", "Btn_Modify_Server", "Btn_Delete_Server", "Btn_Scan_Server"};
    for (int i = 0; i < 4; ++i)
        *buttons[i] = dlg::Panel_Button(*this, P_Server_Buttons, names[i], dlg::Button_Left(i));
    Btn_Add_Server->OnClick = [this](ui::TObject*) { Add_Server(); };
    Btn_Modify_Server->OnClick = [this](ui::TObject*) { Modify_Server(); };
    Btn_Delete_Server->OnClick = [this](ui::TObject*) { Delete_Server(); };
    Btn_Scan_Server->OnClick = [this](ui::TObject*) { Scan_Server(); };

    Splitter1 =
        dlg::Place<ui::TSplitter>(this, this, "Splitter1", 0, dlg::Title_Height + Server_Panel_Height, width, 3);
    Splitter1->SetAlign(ui::TAlign::alTop);
    Splitter1->SetColor(dlg::Form_Color);

    const int rest = Desc.Client_Height - dlg::Title_Height - dlg::Button_Panel_Height - Server_Panel_Height - 3;
    P_OPC_UA_Var_List = dlg::Place<ui::TPanel>(this, this, "P_OPC_UA_Var_List", 0, 0, width, rest);
    P_OPC_UA_Var_List->SetBevelOuter(ui::TBevelCut::bvNone);
    P_OPC_UA_Var_List->SetShowCaption(false);
    P_OPC_UA_Var_List->SetParentColor(true);
    P_OPC_UA_Var_List->SetAlign(ui::TAlign::alClient);
    L_Variables_List_Title = dlg::Place_Label(this, P_OPC_UA_Var_List, "L_Variables_List_Title", 8, 5, true);
    PageControl1->SetParent(P_OPC_UA_Var_List);
    PageControl1->SetAlign(ui::TAlign::alNone);
    PageControl1->SetBounds(0, Server_Title_Height, width, rest - Server_Title_Height);
    PageControl1->SetAnchors(all);
}

void TFOPC_UA_Client_Access::Set_Lang()
{
    dlg::TFTableFrame::Set_Lang();
    L_Server_List_Title->SetCaption(Txt(4102));
    controls::TLbButton* buttons[] = {Btn_Add_Server, Btn_Modify_Server, Btn_Delete_Server, Btn_Scan_Server};
    for (int i = 0; i < 4; ++i) {
        buttons[i]->SetCaption(Txt(4103 + i));
        buttons[i]->SetHint(Txt(4107 + i));
    }
    Hint_Server_List.Clear();
    for (int c = 0; c < Server_Cols; ++c) {
        const std::string header = Txt(4111 + c);
        ACG_OPC_UA_Server->Columns()->Items(c)->SetHeaderDirect(header);
        ACG_OPC_UA_Server->SetCells(c, 0, header);
        if (c > 0)
            Hint_Server_List.Add(Txt(4121 + c));
    }
    ACG_OPC_UA_Server->UpdateColumnHeaders();
    L_Variables_List_Title->SetCaption(Txt(4132));
}

// --- show -----------------------------------------------------------------------------------------

void TFOPC_UA_Client_Access::Shown()
{
    Delete_Server_Var_OPC_UA();
    Shown_Server = Ind_Server = -1;
    TClient_Read read = Load_OPC_UA_Client(File_OPC_UA_Client);
    OPC_UA_Server_List = std::move(read.Servers);
    Show_OPC_UA_Server_List();
    Show_OPC_UA_Var_List();
    if (!read.Note.empty())
        ui::MessageDlg(read.Note, ui::TMsgDlgType::mtWarning, ui::mbOK);
}

void TFOPC_UA_Client_Access::Delete_Server_Var_OPC_UA()
{
    OPC_UA_Server_List.clear();
}

int TFOPC_UA_Client_Access::Selected_Server() const
{
    const int k = ACG_OPC_UA_Server->Row() - 1;
    return k >= 0 && k < static_cast<int>(OPC_UA_Server_List.size()) ? k : -1;
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Server_List()
{
    rebuilding_ = true;
    gx::TGxStringGrid* grid = ACG_OPC_UA_Server;
    const int row = grid->Row();
    const int n = static_cast<int>(OPC_UA_Server_List.size());
    grid->BeginUpdate();
    grid->SetRowCount(std::max(n, 1) + 1);
    if (n == 0)
        for (int c = 0; c < Server_Cols; ++c)
            grid->SetCells(c, 1, "");
    for (int k = 0; k < n; ++k) {
        grid->SetCells(0, k + 1, std::to_string(k + 1));
        for (int c = 1; c < Server_Cols; ++c)
            grid->SetCells(c, k + 1, Server_Cell(OPC_UA_Server_List[static_cast<std::size_t>(k)], c));
    }
    grid->SetRow(std::clamp(row, 1, grid->RowCount() - 1));
    grid->EndUpdate();
    rebuilding_ = false;
}

void TFOPC_UA_Client_Access::Erase_OPC_UA_Var_R_List()
{
    ACG_OPC_UA_Var_R->SetRowCount(Var_Grid_Rows + 1);
    tables::Reset_Rows(Desc.Grids[Grid_Read], Cells(Grid_Read));
}

void TFOPC_UA_Client_Access::Erase_OPC_UA_Var_W_List()
{
    ACG_OPC_UA_Var_W->SetRowCount(Var_Grid_Rows + 1);
    tables::Reset_Rows(Desc.Grids[Grid_Write], Cells(Grid_Write));
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Var_List()
{
    Show_Vars_Of(Selected_Server());
}

void TFOPC_UA_Client_Access::Show_Vars_Of(int server)
{
    Shown_Server = server >= 0 && server < static_cast<int>(OPC_UA_Server_List.size()) ? server : -1;
    for (int g : {Grid_Read, Grid_Write}) {
        gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(g)];
        grid->BeginUpdate();
        if (grid->EditorMode())
            grid->SetEditorMode(false);
        const std::vector<TOPC_UA_Variable>* list = nullptr;
        if (Shown_Server >= 0) {
            const TOPC_UA_Server& s = OPC_UA_Server_List[static_cast<std::size_t>(Shown_Server)];
            list = g == Grid_Read ? &s.Var_List_R : &s.Var_List_W;
        }
        // A list longer than the grid (a large browse) gets the rows it needs: nothing of it is
        // left out, so nothing is lost when the grid is stored again.
        const int rows = std::max(Var_Grid_Rows, list ? static_cast<int>(list->size()) : 0);
        grid->SetRowCount(rows + 1);
        tables::Reset_Rows(Desc.Grids[static_cast<std::size_t>(g)], Cells(g));
        if (list)
            for (std::size_t k = 0; k < list->size(); ++k)
                Show_Variable((*list)[k], g == Grid_Write, Cells(g), static_cast<int>(k) + 1);
        // Without a server there is nothing to store the variables into.
        const ui::TGridOptions options = grid->Options();
        grid->SetOptions(Shown_Server >= 0 ? options | ui::goEditing : options & ~ui::goEditing);
        grid->EndUpdate();
    }
}

// --- storing the grids ----------------------------------------------------------------------------

void TFOPC_UA_Client_Access::Store_Grid(int g, int server)
{
    if (server < 0 || server >= static_cast<int>(OPC_UA_Server_List.size()))
        return;
    const tables::TGridDesc& desc = Desc.Grids[static_cast<std::size_t>(g)];
    const tables::TCells& cells = Cells(g);
    // Every row up to the last one that holds anything typed: a row left empty among them (an
    // inserted one) does not cut the rows below it out of the model.
    int last = 0;
    for (int r = cells.RowCount() - 1; r >= 1 && last == 0; --r)
        if (!cells.Cell(Var_Col_Name, r).empty() || tables::Row_Holds_Text(desc, cells, r))
            last = r;
    std::vector<TOPC_UA_Variable>& list = g == Grid_Read
                                              ? OPC_UA_Server_List[static_cast<std::size_t>(server)].Var_List_R
                                              : OPC_UA_Server_List[static_cast<std::size_t>(server)].Var_List_W;
    list.clear();
    for (int r = 1; r <= last; ++r)
        list.push_back(Variable_Of_Row(cells, r, g == Grid_Write));
}

void TFOPC_UA_Client_Access::Save_Variable_in_Read(int server)
{
    Store_Grid(Grid_Read, server);
}

void TFOPC_UA_Client_Access::Save_Variable_in_Write(int server)
{
    Store_Grid(Grid_Write, server);
}

void TFOPC_UA_Client_Access::Store_Shown()
{
    for (gx::TGxStringGrid* grid : Grids)
        if (grid->EditorMode())
            grid->SetEditorMode(false);
    Save_Variable_in_Read(Shown_Server);
    Save_Variable_in_Write(Shown_Server);
}

void TFOPC_UA_Client_Access::Select_Server(int index)
{
    Store_Shown();
    rebuilding_ = true;
    Show_Vars_Of(index);
    rebuilding_ = false;
}

void TFOPC_UA_Client_Access::ACG_OPC_UA_Var_Enter(ui::TObject*)
{
    Ind_Server = Shown_Server;
}

void TFOPC_UA_Client_Access::ACG_OPC_UA_Var_Exit(ui::TObject* Sender)
{
    if (Ind_Server >= 0) {
        if (Sender == ACG_OPC_UA_Var_R)
            Save_Variable_in_Read(Ind_Server);
        else
            Save_Variable_in_Write(Ind_Server);
    }
    Ind_Server = -1;
}

void TFOPC_UA_Client_Access::Row_Deleted(int grid, int)
{
    Store_Grid(grid, Shown_Server);
}

void TFOPC_UA_Client_Access::Row_Inserted(int grid, int)
{
    Store_Grid(grid, Shown_Server);
}

void TFOPC_UA_Client_Access::Row_Pasted(int grid, int)
{
    Store_Grid(grid, Shown_Server);
}

// --- the server list ------------------------------------------------------------------------------

void TFOPC_UA_Client_Access::ACG_OPC_UA_ServerClickCell(ui::TObject*, int ARow, int)
{
    if (ARow > 0) {
        Store_Shown();
        Show_OPC_UA_Var_List();
    }
}

void TFOPC_UA_Client_Access::ACG_OPC_UA_ServerDblClickCell(ui::TObject*, int ARow, int)
{
    if (ARow == -1)
        Add_Server();
    else if (ARow > 0)
        Modify_Server();
}

ui::TModalResult TFOPC_UA_Client_Access::Run_Modal(ui::TForm& dialog)
{
    return Show_Modal ? Show_Modal(dialog) : dialog.ShowModal();
}

namespace {

void Read_Entry(const TFOPC_UA_Add_Server& e, TOPC_UA_Server& s)
{
    s.Enable = e.CB_OPC_UA_Server_Enable->Checked();
    s.ServerAddress = e.E_Server_Add->Text();
    OPC_UA_Auth_To_Str(e.CB_Auth->ItemIndex(), s.Authorization);
    s.UserName = e.E_User->Text();
    s.Password = e.E_Pass->Text();
    s.Certificate = e.RE_Certificate->Text();
    s.PrivateKey = e.RE_Priv_Key->Text();
    OPC_UA_SecMode_To_Str(e.CB_Sec_Type->ItemIndex(), s.SecurityType);
    OPC_UA_SecPolicy_To_Str(e.CB_Sec_Policy->ItemIndex(), s.SecurityPolicy);
    s.Mnemonic = e.E_Mnemonic->Text();
}

}  // namespace

void TFOPC_UA_Client_Access::Add_Server()
{
    TFOPC_UA_Add_Server* entry = FOPC_UA_Add_Server;
    if (!entry)
        return;
    entry->FormType = 1;
    if (Run_Modal(*entry) == ui::mrOk) {
        TOPC_UA_Server s;
        Read_Entry(*entry, s);
        OPC_UA_Server_List.push_back(std::move(s));
    }
    Show_OPC_UA_Server_List();
    // The first server of an empty list is the selected one from now on.
    if (Shown_Server != Selected_Server()) {
        Store_Shown();
        Show_OPC_UA_Var_List();
    }
}

void TFOPC_UA_Client_Access::Modify_Server()
{
    TFOPC_UA_Add_Server* entry = FOPC_UA_Add_Server;
    const int k = Selected_Server();
    if (!entry || k < 0)
        return;
    TOPC_UA_Server& s = OPC_UA_Server_List[static_cast<std::size_t>(k)];
    entry->FormType = 2;
    entry->CB_OPC_UA_Server_Enable->SetChecked(s.Enable);
    entry->E_Server_Add->SetText(s.ServerAddress);
    entry->E_User->SetText(s.UserName);
    entry->E_Pass->SetText(s.Password);
    entry->RE_Certificate->SetText(s.Certificate);
    entry->RE_Priv_Key->SetText(s.PrivateKey);
    entry->E_Mnemonic->SetText(s.Mnemonic);
    entry->CB_Auth->SetItemIndex(Str_To_OPC_UA_Auth(s.Authorization));
    entry->CB_Sec_Type->SetItemIndex(Str_To_OPC_UA_SecMode(s.SecurityType));
    entry->CB_Sec_Policy->SetItemIndex(Str_To_OPC_UA_SecPolicy(s.SecurityPolicy));
    if (Run_Modal(*entry) == ui::mrOk)
        Read_Entry(*entry, OPC_UA_Server_List[static_cast<std::size_t>(k)]);
    Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Delete_Server()
{
    const int k = Selected_Server();
    if (k < 0)
        return;
    if (ui::MessageDlg(Txt(4189), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo | ui::mbCancel) != ui::mrYes)
        return;
    Store_Shown();
    OPC_UA_Server_List.erase(OPC_UA_Server_List.begin() + k);
    Shown_Server = -1;
    Show_OPC_UA_Server_List();
    // The grids show the server now selected, not the one deleted.
    Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Scan_Server()
{
    const int k = Selected_Server();
    if (k < 0) {
        ui::MessageDlg(Txt(4190), ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    TFOPC_UA_Scan_Server* scan = FOPC_UA_Scan_Server;
    if (!scan)
        return;
    Store_Shown();
    const TOPC_UA_Server& s = OPC_UA_Server_List[static_cast<std::size_t>(k)];
    scan->Server = {s.ServerAddress,
                    Str_To_OPC_UA_Auth(s.Authorization),
                    s.UserName,
                    s.Password,
                    s.Certificate,
                    s.PrivateKey,
                    Str_To_OPC_UA_SecMode(s.SecurityType),
                    Str_To_OPC_UA_SecPolicy(s.SecurityPolicy)};
    if (Run_Modal(*scan) != ui::mrOk)
        return;
    if (!scan->List_Var.empty()) {
        TOPC_UA_Server& server = OPC_UA_Server_List[static_cast<std::size_t>(k)];
        const std::pair<std::vector<TOPC_UA_Variable>*, int> lists[] = {{&server.Var_List_R, 4191},
                                                                        {&server.Var_List_W, 4192}};
        for (const auto& [list, question] : lists) {
            ui::TModalResult answer = ui::mrYes;
            if (!list->empty())
                answer =
                    ui::MessageDlg(Txt(question), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo | ui::mbCancel);
            if (answer == ui::mrCancel)
                continue;
            if (answer == ui::mrNo)
                list->clear();
            if (list == &server.Var_List_R)
                Add_Variables_In_Read(*list);
            else
                Add_Variables_In_Write(*list);
        }
    }
    Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Add_Variables_In_Read(std::vector<TOPC_UA_Variable>& list)
{
    for (std::size_t i = 0; i < FOPC_UA_Scan_Server->List_Var.size(); ++i)
        if (FOPC_UA_Scan_Server->Ticked(static_cast<int>(i) + 1, false))
            list.push_back(Variable_Of_Record(FOPC_UA_Scan_Server->List_Var[i]));
}

void TFOPC_UA_Client_Access::Add_Variables_In_Write(std::vector<TOPC_UA_Variable>& list)
{
    for (std::size_t i = 0; i < FOPC_UA_Scan_Server->List_Var.size(); ++i)
        if (FOPC_UA_Scan_Server->Ticked(static_cast<int>(i) + 1, true))
            list.push_back(Variable_Of_Record(FOPC_UA_Scan_Server->List_Var[i]));
}

void TFOPC_UA_Client_Access::Btn_AutoPositionClick(ui::TObject*)
{
    const int k = Selected_Server();
    if (k < 0)
        return;
    if (ui::MessageDlg(Txt(4194), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) != ui::mrYes)
        return;
    Store_Shown();
    Auto_Position(OPC_UA_Server_List, k);
    Show_OPC_UA_Var_List();
}

// --- OK -------------------------------------------------------------------------------------------

void TFOPC_UA_Client_Access::Btn_OKClick(ui::TObject*)
{
    // Whatever is still open in a grid (OK pressed from the keyboard) reaches the model too.
    Store_Shown();
    if (const std::optional<TClient_Fault> fault = Controllo_Dati(OPC_UA_Server_List)) {
        ui::MessageDlg(fault->Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    try {
        Save_OPC_UA_Client(File_OPC_UA_Client, OPC_UA_Server_List);
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    SetModalResult(ui::mrOk);
}
