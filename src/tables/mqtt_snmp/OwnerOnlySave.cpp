#include "tables/mqtt_snmp/OwnerOnlySave.h"

#include "core/tables/mqtt_snmp/TableBlocks.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Dialogs.h"

void Save_Owner_Only(dlg::TFTableFrame& form)
{
    if (!form.Controllo_dati())
        return;
    try {
        std::vector<tables::TCells*> cells;
        for (std::size_t g = 0; g < form.Grids.size(); ++g)
            cells.push_back(&form.Cells(static_cast<int>(g)));
        tables::mqtt_snmp::Save_Tables_Owner_Only(form.Desc, form.Table_File(), cells, form.State);
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    form.SetModalResult(ui::mrOk);
}
