#pragma once
// Serial Modbus master rules: the converter polls coils, inputs and registers of slaves on its
// serial line (read rules) and writes coils and registers to them (write rules), each slave named by
// its slave ID; ModbusM_SetAccess.xml. A rule table on the frame
// (core/tables/modbus_s7_bacnet/SetAccessTable holds the tables). No button of this build opens it.

#include "tables/modbus_s7_bacnet/UModbusTables.h"

class TFSetAccess : public TModbusTables {
public:
    explicit TFSetAccess(ui::TComponent* AOwner);

    // The item index last chosen in the Topic cell of a read row; -1 when none.
    int ComboItem_Topic(int row) const;
    // The read grid's OnComboChange: a topic chosen is remembered for its row.
    void ComboChange(ui::TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection);
};

extern TFSetAccess* FSetAccess;
