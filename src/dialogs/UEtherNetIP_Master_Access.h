#pragma once
// Step 4: the I/O connections the converter opens as EtherNet/IP scanner, one row per connection
// (at most 10): the target's address, the input and output bytes taken, the request period, the
// instances, connection points and header settings of both directions, a mnemonic. A button imports
// the instance, connection-point and header values of one connection from an EDS file. Showing it
// loads EtherNetIP_Master_Rules.xml of the open configuration; OK checks and writes the file.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "core/EtherNetIPRules.h"
#include "dialogs/UTableGrid.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFEtherNEtIP_EDS;
using TConnGrid = dlg::TTableGrid<gx::TGxColumnGrid>;

class TFEtherNetIP_Master_Access : public ui::TForm {
public:
    explicit TFEtherNetIP_Master_Access(ui::TComponent* AOwner);

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;
    controls::TLbButton* Btn_DelRow;
    controls::TLbButton* Btn_InsRow;
    controls::TLbButton* Btn_CopyRow;
    controls::TLbButton* Btn_PasteRow;
    TConnGrid* ACG;
    controls::TLbButton* Btn_Import_EDS;
    ui::TOpenDialog* OD_EDS;
    rtl::TStringList Hint;
    bool Do_Copy = false;
    std::int32_t Num_Byte_In = core::EtherNetIP_Max_Bytes;
    std::int32_t Num_Byte_Out = core::EtherNetIP_Max_Bytes;
    // The EDS dialog the import shows (the program's own unless replaced).
    TFEtherNEtIP_EDS* EDS_Dialog = nullptr;

    void Set_Lang();
    void FormShow(ui::TObject* Sender);
    bool Controllo_dati();
    void Btn_OKClick(ui::TObject* Sender);
    void Btn_Import_EDSClick(ui::TObject* Sender);
    // Puts a chosen connection into the first free row; false when every row is in use.
    bool Import_Connection(const core::TConnData& conn);
    void Btn_DelRowClick(ui::TObject* Sender);
    void Btn_InsRowClick(ui::TObject* Sender);
    void Btn_CopyRowClick(ui::TObject* Sender);
    void Btn_PasteRowClick(ui::TObject* Sender);
    void DblClickCell(ui::TObject* Sender, int ARow, int ACol);
    void GridKeyPress(ui::TObject* Sender, char32_t& Key);
    void GridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr);

    // The table as rows, and rows put into the grid.
    std::vector<core::TEtherNetIP_Row> Grid_Rows();
    void Set_Grid_Rows(const std::vector<core::TEtherNetIP_Row>& rows);
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
