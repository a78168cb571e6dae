#include "tables/can_family/UDMXDefVal.h"

#include "common/UComon.h"
#include "core/tables/can_family/DMXDefValTable.h"
#include "platform/ui/Dialogs.h"

TFDMXDefVal* FDMXDefVal = nullptr;

TFDMXDefVal::TFDMXDefVal(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::DMX_Def_Val_Desc()),
      ACG_DMX_Def_Val(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint(Hint_Lists[0])
{}

void TFDMXDefVal::Prepare_Show()
{
    const tables::can::TDMXChannels channels = tables::can::DMX_Channels(File_ParGen);
    ACG_DMX_Def_Val->SetRowCount(channels.Count + 1);
    channelsNote_ = channels.Note;
}

void TFDMXDefVal::Shown()
{
    if (!channelsNote_.empty())
        ui::MessageDlg(channelsNote_, ui::TMsgDlgType::mtWarning, ui::mbOK);
}
