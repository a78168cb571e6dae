#include "tables/modbus_s7_bacnet/UBACnetSlaveSetAccess.h"

#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/modbus_s7_bacnet/BACnetSlaveTable.h"
#include "core/tables/modbus_s7_bacnet/BACnetUnits.h"
#include "dialogs/UGridRows.h"

namespace ms7 = tables::modbus_s7_bacnet;

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, ms7::BACnet_Slave_Desc()),
      TS_BACnet_in_Read(Sheets[0]),
      TS_BACnet_in_Write(Sheets[1]),
      ACG_BACnet_in_Read(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      ACG_BACnet_in_Write(static_cast<dlg::TFrameColumnGrid*>(Grids[1])),
      Do_Copy_Read(Copy_Flags[0]),
      Do_Copy_Write(Copy_Flags[1])
{
    for (dlg::TFrameColumnGrid* grid : {ACG_BACnet_in_Read, ACG_BACnet_in_Write})
        grid->OnCellDblClick = [this](ui::TObject* s, int r, int c) { DblClickCell(s, r, c); };
    ACG_BACnet_in_Write->OnComboChange = [this](ui::TObject* s, int c, int r, int i, const std::string& t) {
        ACG_BACnet_in_WriteComboChange(s, c, r, i, t);
    };
}

void TFBACnetSlaveSetAccess::Prepare_Show()
{
    const bool limit = ms7::Read_BACnet_Desc_Lenght(File_ParGen);
    for (dlg::TFrameColumnGrid* grid : {ACG_BACnet_in_Read, ACG_BACnet_in_Write})
        grid->SetRowCount(ms7::BACnet_Slave_Max_Objects(limit) + 1);
}

void TFBACnetSlaveSetAccess::DblClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    const int gi = Grid_Index(Sender);
    if (gi < 0)
        return;
    gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(gi)];
    TFBACnet_Eng_Unit* picker = Eng_Unit_Dialog ? Eng_Unit_Dialog : FBACnet_Eng_Unit;
    if (picker && ARow >= 1 && ARow < grid->RowCount() && grid->RealColIndex(ACol) == ms7::bacnet_slave::Eng_Unit) {
        const std::string unit = Cells(gi).Cell(ms7::bacnet_slave::Eng_Unit, ARow);
        picker->E_Selected_EU->SetText(unit);
        picker->Label5->SetCaption("-> " + ms7::Desc_Unit(tables::Cell_Int(unit)));
        if (picker->ShowModal() == ui::mrOk)
            Cells(gi).SetCell(ms7::bacnet_slave::Eng_Unit, ARow, picker->E_Selected_EU->Text());
    }
    Grid_DblClick_AutoSize(grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteComboChange(ui::TObject*, int ACol, int ARow, int,
                                                            const std::string& ASelection)
{
    if (ACol != ms7::bacnet_slave::Data_Type || ARow < 1)
        return;
    const std::string length = ms7::BACnet_Slave_Default_Length(ASelection);
    if (!length.empty())
        Cells(1).SetCell(ms7::bacnet_slave::Length, ARow, length);
}
