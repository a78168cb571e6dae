#pragma once
// What the three CANopen table dialogs share on the frame: the two grids sga and sgb on their tab
// sheets, the data array sizes set at every show, and their own row deletion.

#include <cstdint>

#include "core/tables/canopen/CANopenColumns.h"
#include "dialogs/UGridRows.h"
#include "dialogs/UTableFrame.h"

class TCANopenTables : public dlg::TFTableFrame {
public:
    TCANopenTables(ui::TComponent* AOwner, const tables::TDialogDesc& desc)
        : dlg::TFTableFrame(AOwner, desc),
          sga(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
          sgb(static_cast<dlg::TFrameColumnGrid*>(Grids[1]))
    {}

    dlg::TFrameColumnGrid* sga;
    dlg::TFrameColumnGrid* sgb;
    // The size of the data array the first and the second table address; set at every show.
    std::int64_t PROFINET_NByte_IN() const { return State.Var(tables::canopen::NByte_IN); }
    std::int64_t PROFINET_NByte_OUT() const { return State.Var(tables::canopen::NByte_OUT); }

    // The rows below move up one, the last is emptied; the row numbers stay.
    void Delete_Row(int ARow, gx::TGxColumnGrid* grid) { ColGrid_Del_Row(ARow, grid); }
};
