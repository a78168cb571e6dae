#include "tables/mqtt_snmp/UMQTT_Set_Topic.h"

#include "core/tables/mqtt_snmp/MQTTSetTopicTable.h"
#include "tables/mqtt_snmp/UTopicTemplate.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {

namespace mq = tables::mqtt_snmp;

int Template_Column(int grid)
{
    return grid == 0 ? mq::mqtt_pub::Template : mq::mqtt_sub::Template;
}

}  // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, mq::MQTT_Set_Topic_Desc()),
      ACG_Pub(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      ACG_Sub(static_cast<dlg::TFrameColumnGrid*>(Grids[1])),
      Hint_MQTT_Set_Topic_Pub(Hint_Lists[0]),
      Hint_MQTT_Set_Topic_Sub(Hint_Lists[1]),
      Do_Copy_Pub(Copy_Flags[0]),
      Do_Copy_Sub(Copy_Flags[1])
{
    for (dlg::TFrameColumnGrid* grid : {ACG_Pub, ACG_Sub})
        grid->OnCellDblClick = [this](ui::TObject* s, int r, int c) { ACG_MQTT_DblClickCell(s, r, c); };
}

void TFMQTT_Set_Topic::ACG_MQTT_DblClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    DblClickCell(Sender, ARow, ACol);
    const int gi = Grid_Index(Sender);
    if (gi < 0)
        return;
    gx::TGxStringGrid* grid = Grids[static_cast<std::size_t>(gi)];
    // The current cell decides, not the one double-clicked (a header double click leaves it).
    if (grid->Row() >= 1 && grid->RealCol() == Template_Column(gi))
        Show_Form_Topic(grid, grid->Row(), grid->RealCol());
}

void TFMQTT_Set_Topic::Show_Form_Topic(gx::TGxStringGrid* grid, int row, int col)
{
    if (!FTopicTemplate)
        return;
    const int gi = Grid_Index(grid);
    FTopicTemplate->TopicTemplate = gi >= 0 && col == Template_Column(gi) ? 1 : 0;
    FTopicTemplate->RE_TopicTemplate->Clear();
    FTopicTemplate->RE_TopicTemplate->SetText(grid->Cells(col, row));
    if (FTopicTemplate->ShowModal() == ui::mrOk)
        grid->SetCells(col, row, FTopicTemplate->RE_TopicTemplate->Text());
}
