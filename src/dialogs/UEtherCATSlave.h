#pragma once
// Step 3: the EtherCAT process-data variables of both directions, one tab and one table of 256
// rows each (enable box, type, length, name, initial value for slave to master, computed byte
// position and start bit, mnemonic). Showing it loads EtherCAT_Slave.xml of the open
// configuration; OK checks the tables and writes the file; Cancel writes nothing.

#include <string>

#include "controls/button/LbButton.h"
#include "core/EtherCATSlaveVars.h"
#include "dialogs/UTableGrid.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

using TVarGrid = dlg::TTableGrid<gx::TGxStringGrid>;

class TFEtherCATSlave : public ui::TForm {
public:
    explicit TFEtherCATSlave(ui::TComponent* AOwner);

    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;
    controls::TLbButton* Btn_DelRow;
    controls::TLbButton* Btn_InsRow;
    controls::TLbButton* Btn_CopyRow;
    controls::TLbButton* Btn_PasteRow;
    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TPageControl* PageControl1;
    ui::TTabSheet* TS_SlaveToMaster;
    ui::TTabSheet* TS_MasterToSlave;
    TVarGrid* GSG_SlaveMaster;
    TVarGrid* GSG_MasterSlave;
    rtl::TStringList Hint_StM;
    rtl::TStringList Hint_MtS;
    rtl::TStringList VarType;
    bool Do_Copy_StM = false;
    bool Do_Copy_MtS = false;

    void Init_Table();
    void Set_Lang();
    void FormShow(ui::TObject* Sender);
    void Btn_OKClick(ui::TObject* Sender);
    // The tables are checked before they are saved: String lengths one byte can carry, and no row
    // typed after the first row without a Type (saving stops there). Shows the first fault.
    bool Controllo_dati();
    void VarSetLength(ui::TObject* Sender, const std::string& ASelection, int ACol, int ARow);
    void Calc_Position_Bit(TVarGrid* grid, bool SlaveMaster);

    // Grid events (the same handlers serve both grids).
    void GSG_SlaveMasterGetEditorType(ui::TObject* Sender, int ACol, int ARow, gx::TEditorType& AEditor);
    void GSG_SlaveMasterComboChange(ui::TObject* Sender, int ACol, int ARow, int AItemIndex,
                                    const std::string& ASelection);
    void GSG_SlaveMasterCheckBoxChange(ui::TObject* Sender, int ACol, int ARow, bool State);
    void GSG_SlaveMasterCellValidate(ui::TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid);
    void ClickCell(ui::TObject* Sender, int ARow, int ACol);
    void DblClickCell(ui::TObject* Sender, int ARow, int ACol);
    void GridKeyPress(ui::TObject* Sender, char32_t& Key);
    void GridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr);

    void Btn_DelRowClick(ui::TObject* Sender);
    void Btn_InsRowClick(ui::TObject* Sender);
    void Btn_CopyRowClick(ui::TObject* Sender);
    void Btn_PasteRowClick(ui::TObject* Sender);

    // The grid of a direction, the direction of a grid, and the grid of the active tab.
    TVarGrid* Grid(core::TEtherCAT_Direction d) const;
    core::TEtherCAT_Direction Direction(const ui::TObject* grid) const;
    TVarGrid* Active_Grid() const;
    // A direction's table as rows, and rows put into its grid.
    std::vector<core::TEtherCAT_Var> Grid_Rows(core::TEtherCAT_Direction d) const;
    void Set_Grid_Rows(core::TEtherCAT_Direction d, const std::vector<core::TEtherCAT_Var>& rows);
    core::TEtherCAT_Slave_Vars Grid_Vars() const;

private:
    // A cell the user finished editing: the Type column takes only the offered names.
    void Cell_Done(ui::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void Recalc(ui::TObject* Sender);
};

extern TFEtherCATSlave* FEtherCATSlave;
