#pragma once
// What the two Modbus master dialogs (serial and TCP) share: their tab sheets, grids and hint lists
// under the same names, and their list of topics.

#include "core/tables/modbus_s7_bacnet/ModbusTopics.h"
#include "tables/modbus_s7_bacnet/UReadWriteTables.h"

class TModbusTables : public TReadWriteTables {
public:
    TModbusTables(ui::TComponent* AOwner, const tables::TDialogDesc& desc, tables::modbus_s7_bacnet::TTopicList& topics,
                  int topicColumn)
        : TReadWriteTables(AOwner, desc),
          TS_Modbus_Read(Sheets[0]),
          TS_Modbus_Write(Sheets[1]),
          ACG_Modbus_Read(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
          ACG_Modbus_Write(static_cast<dlg::TFrameColumnGrid*>(Grids[1])),
          Hint_Modbus_Set_Access_Read(Hint_Lists[0]),
          Hint_Modbus_Set_Access_Write(Hint_Lists[1]),
          List_Publish_Topic(topics),
          topicColumn_(topicColumn)
    {}

    ui::TTabSheet* TS_Modbus_Read;
    ui::TTabSheet* TS_Modbus_Write;
    dlg::TFrameColumnGrid* ACG_Modbus_Read;
    dlg::TFrameColumnGrid* ACG_Modbus_Write;
    rtl::TStringList& Hint_Modbus_Set_Access_Read;
    rtl::TStringList& Hint_Modbus_Set_Access_Write;
    // The topics the read table's Topic column offers (nothing fills them in this build).
    tables::modbus_s7_bacnet::TTopicList& List_Publish_Topic;

protected:
    // Every show offers the list's topics in the read table's Topic column.
    void Shown() override;

private:
    int topicColumn_;
};
