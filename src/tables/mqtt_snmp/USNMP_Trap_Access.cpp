#include "tables/mqtt_snmp/USNMP_Trap_Access.h"

#include "core/tables/mqtt_snmp/SNMPTrapTable.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

namespace mq = tables::mqtt_snmp;

TFSNMP_Trap_Access::TFSNMP_Trap_Access(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, mq::SNMP_Trap_Desc()),
      ACG_SNMP_Read(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      ACG_SNMP_Write(static_cast<dlg::TFrameColumnGrid*>(Grids[1])),
      Hint_SNMP_Read(Hint_Lists[0]),
      Hint_SNMP_Write(Hint_Lists[1]),
      Do_Copy_In_Read(Copy_Flags[0]),
      Do_Copy_In_Write(Copy_Flags[1])
{
    ACG_SNMP_Read->Columns()->Items(mq::snmp_read::Community)->EditLength = mq::SNMP_Trap_Name_Length;
    ACG_SNMP_Read->Columns()->Items(mq::snmp_read::Description)->EditLength = mq::SNMP_Trap_Name_Length;
    ACG_SNMP_Write->Columns()->Items(mq::snmp_write::Community)->EditLength = mq::SNMP_Trap_Name_Length;
    ACG_SNMP_Write->Columns()->Items(mq::snmp_write::Description)->EditLength = mq::SNMP_Trap_Name_Length;
    for (dlg::TFrameColumnGrid* grid : {ACG_SNMP_Read, ACG_SNMP_Write})
        grid->OnCheckBoxToggled = [this](ui::TObject* s, int c, int r, bool st) {
            ACG_SNMP_ReadCheckBoxClick(s, c, r, st);
        };
    if (PageControl1 && !Sheets.empty())
        lastPage_ = Sheets.front();
}

void TFSNMP_Trap_Access::Index_Row_Build(gx::TGxStringGrid* app_SGA)
{
    const int gi = Grid_Index(app_SGA);
    if (gi >= 0)
        mq::Index_Row_Build(Cells(gi));
}

void TFSNMP_Trap_Access::ACG_SNMP_ReadCheckBoxClick(ui::TObject* Sender, int ACol, int, bool)
{
    const int gi = Grid_Index(Sender);
    if (gi >= 0 && ACol == 1)
        Index_Row_Build(Grids[static_cast<std::size_t>(gi)]);
}

void TFSNMP_Trap_Access::Prepare_Show()
{
    if (PageControl1 && PageControl1->ActivePage())
        lastPage_ = PageControl1->ActivePage();
}

void TFSNMP_Trap_Access::Shown()
{
    if (PageControl1 && lastPage_)
        PageControl1->SetActivePage(lastPage_);
}
