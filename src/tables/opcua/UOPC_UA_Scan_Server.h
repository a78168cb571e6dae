#pragma once
// The browse of one OPC UA server: the client dialog fills Server and shows it; 100 ms after the
// show (so that the window is drawn first) the search library is asked for the server's variables,
// which are listed with a Read and a Write tick each. After OK the client dialog reads the ticks
// and List_Var. Every show starts with an empty list.

#include <filesystem>
#include <vector>

#include "core/tables/opcua/OPCUABrowse.h"
#include "dialogs/UTableFrame.h"

class TFOPC_UA_Scan_Server : public dlg::TFTableFrame {
public:
    explicit TFOPC_UA_Scan_Server(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG_OPC_UA_Scan_Var;
    ui::TLabel* LWaiting;
    controls::TLbButton* Btn_SelectAllRead;
    controls::TLbButton* Btn_ClearAllRead;
    controls::TLbButton* Btn_SelectAllWrite;
    controls::TLbButton* Btn_ClearAllWrite;
    ui::TTimer* Timer_Scan;

    tables::opcua::TBrowse_Server Server;              // the server to browse, set before each show
    std::vector<tables::opcua::TBrowse_Var> List_Var;  // the records of the browse, index = row - 1
    // Where libOPC_UA_Search.so is looked for first; empty: the program's own folder.
    std::filesystem::path Library_Folder;

    void Set_Lang() override;
    void Timer_ScanTimer(ui::TObject* Sender);
    void Show_Variables_List();
    void Erase_Table();
    // Ticks (select) or clears every row's Read cell, or its Write cell for the write buttons.
    void Btn_SelectAllReadClick(ui::TObject* Sender);
    void Btn_ClearAllReadClick(ui::TObject* Sender);
    // OK only closes the dialog: the client reads the ticks.
    void Btn_OKClick(ui::TObject* Sender) override;
    // Whether data row `row` is ticked in the Read (or Write) column.
    bool Ticked(int row, bool write) const;

protected:
    void Shown() override;
};

extern TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server;
