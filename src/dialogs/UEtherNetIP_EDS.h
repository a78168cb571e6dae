#pragma once
// The EDS import: reads the I/O connections an EtherNet/IP EDS file lists in its
// [Connection Manager] section and lists them, decoded, for the engineer to choose one. The caller
// sets EDS_FileName before showing it and, after OK, reads the chosen row. A file without a usable
// connection gives an error and closes the dialog with Cancel.

#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "core/EdsConnections.h"
#include "dialogs/UTableGrid.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

using TEdsGrid = dlg::TTableGrid<gx::TGxColumnGrid>;

class TFEtherNEtIP_EDS : public ui::TForm {
public:
    explicit TFEtherNEtIP_EDS(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;
    TEdsGrid* ACG;
    ui::TTimer* TClose;
    std::string EDS_FileName;
    std::vector<core::TConnData> List_Conn;
    // Why the list is empty (shown by the close timer).
    std::string Read_Message;

    void Set_Lang();
    void FormShow(ui::TObject* Sender);
    void ShowDatainGrid();
    void TCloseTimer(ui::TObject* Sender);
    // The chosen connection as the list shows it (columns 0 to 8 of the current row).
    std::vector<std::string> Chosen_Row();
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
