#pragma once
// Step 3: the EtherCAT process-data variables of both directions, one tab and one table of 256
// rows each (enable box, type, length, name, initial value for slave to master, computed byte
// position and start bit, mnemonic). A rule table on the frame (core/EtherCATSlaveVars holds the
// tables): showing it loads EtherCAT_Slave.xml of the open configuration; OK checks the tables and
// writes the file; Cancel writes nothing. What the frame leaves to it: the type rule of the Type
// column and the positions, recomputed after every edit that moves them.

#include <string>
#include <vector>

#include "core/EtherCATSlaveVars.h"
#include "dialogs/UTableFrame.h"

using TVarGrid = dlg::TFrameStringGrid;

class TFEtherCATSlave : public dlg::TFTableFrame {
public:
    explicit TFEtherCATSlave(ui::TComponent* AOwner);

    ui::TTabSheet* TS_SlaveToMaster;
    ui::TTabSheet* TS_MasterToSlave;
    TVarGrid* GSG_SlaveMaster;
    TVarGrid* GSG_MasterSlave;
    rtl::TStringList& Hint_StM;
    rtl::TStringList& Hint_MtS;
    rtl::TStringList VarType;
    bool& Do_Copy_StM;
    bool& Do_Copy_MtS;

    void VarSetLength(ui::TObject* Sender, const std::string& ASelection, int ACol, int ARow);
    void Calc_Position_Bit(TVarGrid* grid, bool SlaveMaster);

    // Grid events (the same handlers serve both grids).
    void GSG_SlaveMasterGetEditorType(ui::TObject* Sender, int ACol, int ARow, gx::TEditorType& AEditor);
    void GSG_SlaveMasterComboChange(ui::TObject* Sender, int ACol, int ARow, int AItemIndex,
                                    const std::string& ASelection);
    void GSG_SlaveMasterCheckBoxChange(ui::TObject* Sender, int ACol, int ARow, bool State);
    void GSG_SlaveMasterCellValidate(ui::TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid);

    // The grid of a direction and the direction of a grid.
    TVarGrid* Grid(core::TEtherCAT_Direction d) const;
    core::TEtherCAT_Direction Direction(const ui::TObject* grid) const;

protected:
    void Shown() override;
    void Row_Deleted(int grid, int row) override;
    void Row_Inserted(int grid, int row) override;
    void Row_Pasted(int grid, int row) override;

private:
    // A cell the user finished editing: the Type column takes only the offered names.
    void Cell_Done(ui::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void Recalc(ui::TObject* Sender);
};

extern TFEtherCATSlave* FEtherCATSlave;
