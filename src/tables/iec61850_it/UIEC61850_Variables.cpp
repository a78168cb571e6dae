#include "tables/iec61850_it/UIEC61850_Variables.h"

#include "core/tables/iec61850_it/IEC61850VariablesTable.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

TFIEC61850_Variables::TFIEC61850_Variables(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::iec::IEC61850_Variables_Desc()),
      ACG(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_List(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
