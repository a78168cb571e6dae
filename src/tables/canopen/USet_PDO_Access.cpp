#include "tables/canopen/USet_PDO_Access.h"

#include "core/tables/canopen/PDOTable.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

TFSet_PDO_Access::TFSet_PDO_Access(ui::TComponent* AOwner)
    : TCANopenTables(AOwner, tables::canopen::Set_PDO_Access_Desc()),
      TS_Receive_PDO(Sheets[0]),
      TS_Transmit_PDO(Sheets[1]),
      Hint_PDO_Receive(Hint_Lists[0]),
      Hint_PDO_Transmit(Hint_Lists[1]),
      Do_Copy_Receive_PDO(Copy_Flags[0]),
      Do_Copy_Transmit_PDO(Copy_Flags[1])
{}
