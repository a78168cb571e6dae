#pragma once
// The OPC UA client configuration: the servers the converter connects to as a client (added and
// changed through the server entry dialog) and, for the server selected, the variables it reads
// and writes, on two pages. The variable grids always show the selected server and are stored
// back into it when they lose the focus (every button takes the focus when pressed, so an open
// cell edit reaches the model before the button acts), by the row buttons, and before the
// selection moves. A server can be browsed for its variables; "Auto Pos" numbers their positions.
// The model, file, check and positions are core/tables/opcua's; the two variable grids are a
// descriptor of the rule-table frame.

#include <functional>

#include "core/tables/opcua/OPCUAClientModel.h"
#include "dialogs/UTableFrame.h"
#include "platform/ui/ExtCtrls.h"

class TFOPC_UA_Client_Access : public dlg::TFTableFrame {
public:
    explicit TFOPC_UA_Client_Access(ui::TComponent* AOwner);

    ui::TPanel* P_OPC_UA_Server_List;
    ui::TLabel* L_Server_List_Title;
    dlg::TFrameColumnGrid* ACG_OPC_UA_Server;
    ui::TPanel* P_Server_Buttons;
    controls::TLbButton* Btn_Add_Server;
    controls::TLbButton* Btn_Modify_Server;
    controls::TLbButton* Btn_Delete_Server;
    controls::TLbButton* Btn_Scan_Server;
    ui::TSplitter* Splitter1;
    ui::TPanel* P_OPC_UA_Var_List;
    ui::TLabel* L_Variables_List_Title;
    ui::TPageControl* PC_OPC_UA_Vars;
    ui::TTabSheet* TS_OPC_UA_Var_Read;
    ui::TTabSheet* TS_OPC_UA_Var_Write;
    dlg::TFrameColumnGrid* ACG_OPC_UA_Var_R;
    dlg::TFrameColumnGrid* ACG_OPC_UA_Var_W;
    controls::TLbButton* Btn_AutoPosition;

    tables::opcua::TOPC_UA_Server_List OPC_UA_Server_List;
    // The server a variable grid being edited is stored into; -1 while none is edited.
    int Ind_Server = -1;
    // The server whose variables the grids show; -1 when they show none.
    int Shown_Server = -1;
    bool& Do_Copy_Read;
    bool& Do_Copy_Write;
    rtl::TStringList Hint_Server_List;
    rtl::TStringList& Hint_Var_R_List;
    rtl::TStringList& Hint_Var_W_List;
    // Shows the entry and browse dialogs modally (a test answers in their place).
    std::function<ui::TModalResult(ui::TForm& dialog)> Show_Modal;

    void Set_Lang() override;
    void Btn_OKClick(ui::TObject* Sender) override;
    // The server grid's current row minus 1 when that is a server, else -1.
    int Selected_Server() const;
    void Show_OPC_UA_Server_List();
    // Both variable grids emptied, then filled from the selected server.
    void Show_OPC_UA_Var_List();
    void Erase_OPC_UA_Var_R_List();
    void Erase_OPC_UA_Var_W_List();
    // A variable grid into server `server`'s list (nothing for -1).
    void Save_Variable_in_Read(int server);
    void Save_Variable_in_Write(int server);
    void ACG_OPC_UA_ServerClickCell(ui::TObject* Sender, int ARow, int ACol);
    void ACG_OPC_UA_ServerDblClickCell(ui::TObject* Sender, int ARow, int ACol);
    void Add_Server();
    void Modify_Server();
    void Delete_Server();
    void Scan_Server();
    void Add_Variables_In_Read(std::vector<tables::opcua::TOPC_UA_Variable>& list);
    void Add_Variables_In_Write(std::vector<tables::opcua::TOPC_UA_Variable>& list);
    void Btn_AutoPositionClick(ui::TObject* Sender);
    void ACG_OPC_UA_Var_Enter(ui::TObject* Sender);
    void ACG_OPC_UA_Var_Exit(ui::TObject* Sender);
    void Delete_Server_Var_OPC_UA();

protected:
    void Shown() override;
    void Row_Deleted(int grid, int row) override;
    void Row_Inserted(int grid, int row) override;
    void Row_Pasted(int grid, int row) override;

private:
    void Build_Server_Panel();
    // The grids' edits into the server they show, then the variables of server `index`.
    void Select_Server(int index);
    // Both variable grids emptied, then filled from server `server` (none for an invalid index).
    void Show_Vars_Of(int server);
    // Both grids (an open cell edit committed first) into the server they show.
    void Store_Shown();
    void Store_Grid(int grid, int server);
    ui::TModalResult Run_Modal(ui::TForm& dialog);
    bool rebuilding_ = false;
};

extern TFOPC_UA_Client_Access* FOPC_UA_Client_Access;
