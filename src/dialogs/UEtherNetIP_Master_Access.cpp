#include "dialogs/UEtherNetIP_Master_Access.h"

#include "dialogs/UDialogFrame.h"
#include "dialogs/UEtherNetIP_EDS.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

using dlg::Txt;

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, core::EtherNetIP_Desc()),
      ACG(static_cast<TConnGrid*>(Grids[0])),
      Hint(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{
    // The import sits after the row buttons, a little apart.
    Btn_Import_EDS = dlg::Panel_Button(*this, P_Button, "Btn_Import_EDS", dlg::Button_Left(4) + 24);
    Btn_Import_EDS->OnClick = [this](ui::TObject* s) { Btn_Import_EDSClick(s); };
    OD_EDS = new ui::TOpenDialog(this);
    OD_EDS->Filter = "EtherNet/IP EDS (*.eds)|*.eds";
    Set_Lang();
}

void TFEtherNetIP_Master_Access::Set_Lang()
{
    TFTableFrame::Set_Lang();
    if (!Btn_Import_EDS)
        return;
    Btn_Import_EDS->SetCaption(Txt(4959));
    Btn_Import_EDS->SetHint(Txt(4960));
}

std::vector<core::TEtherNetIP_Row> TFEtherNetIP_Master_Access::Grid_Rows()
{
    return core::EtherNetIP_Rows_Of(Cells(0));
}

void TFEtherNetIP_Master_Access::Set_Grid_Rows(const std::vector<core::TEtherNetIP_Row>& rows)
{
    const tables::TTable table = core::EtherNetIP_Table(rows);
    ACG->BeginUpdate();
    for (int r = 1; r < ACG->RowCount() && r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColCount(); ++c)
            ACG->SetCells(c, r, table.Cell(c, r));
    ACG->EndUpdate();
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick(ui::TObject*)
{
    TFEtherNEtIP_EDS* eds = EDS_Dialog ? EDS_Dialog : FEtherNEtIP_EDS;
    if (!eds || !OD_EDS->Execute())
        return;
    eds->EDS_FileName = OD_EDS->FileName;
    if (eds->ShowModal() != ui::mrOk)
        return;
    const int chosen = eds->ACG->Row() - 1;
    if (chosen < 0 || chosen >= static_cast<int>(eds->List_Conn.size()))
        return;
    Import_Connection(eds->List_Conn[static_cast<std::size_t>(chosen)]);
}

bool TFEtherNetIP_Master_Access::Import_Connection(const core::TConnData& conn)
{
    std::vector<core::TEtherNetIP_Row> rows = Grid_Rows();
    if (!core::Import_EDS_Connection(rows, conn))
        return false;
    Set_Grid_Rows(rows);
    return true;
}
