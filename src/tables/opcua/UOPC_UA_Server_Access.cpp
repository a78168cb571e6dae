#include "tables/opcua/UOPC_UA_Server_Access.h"

#include "core/tables/opcua/OPCUAServerTable.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

using namespace tables::opcua;

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, Server_Access_Desc()),
      GSG(static_cast<dlg::TFrameStringGrid*>(Grids[0])),
      Do_Copy(Copy_Flags[0])
{
    GSG->OnComboChange = [this](ui::TObject* s, int c, int r, int i, const std::string& t) {
        GSGComboChange(s, c, r, i, t);
    };
}

void TFOPC_UA_Server_Access::VarSetLength(const std::string& type, int ARow)
{
    if (const std::optional<bool> fixed = tables::opcua::VarSetLength(type, Cells(0), ARow))
        GSG->SetReadOnly(Srv_Col_Length, ARow, *fixed);
}

void TFOPC_UA_Server_Access::GSGComboChange(ui::TObject*, int ACol, int ARow, int, const std::string& ASelection)
{
    if (GSG->RealColIndex(ACol) == Srv_Col_Type)
        VarSetLength(ASelection, ARow);
}

void TFOPC_UA_Server_Access::Shown()
{
    // The loaded rows' Length cells: read only where the type fixes the length (the stored
    // Length stays as the file gives it).
    for (int r = 1; r < GSG->RowCount(); ++r) {
        const std::string length = Cells(0).Cell(Srv_Col_Length, r);
        const std::string rw = Cells(0).Cell(Srv_Col_RW, r);
        VarSetLength(Cells(0).Cell(Srv_Col_Type, r), r);
        Cells(0).SetCell(Srv_Col_Length, r, length);
        Cells(0).SetCell(Srv_Col_RW, r, rw);
    }
}

void TFOPC_UA_Server_Access::Row_Pasted(int, int row)
{
    const std::string length = Cells(0).Cell(Srv_Col_Length, row);
    VarSetLength(Cells(0).Cell(Srv_Col_Type, row), row);
    Cells(0).SetCell(Srv_Col_Length, row, length);
}
