#pragma once
// What the family's two-table dialogs (a read table and a write table on two tab sheets) share:
// their copy flags and the sizes of the data arrays the two tables index.

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TReadWriteTables : public dlg::TFTableFrame {
public:
    TReadWriteTables(ui::TComponent* AOwner, const tables::TDialogDesc& desc)
        : dlg::TFTableFrame(AOwner, desc), Do_Copy_In_Read(Copy_Flags[0]), Do_Copy_In_Write(Copy_Flags[1])
    {}

    bool& Do_Copy_In_Read;
    bool& Do_Copy_In_Write;
    // Bytes of the array read rules fill and of the array write rules take from; set at every show.
    std::int64_t NByte_IN() const { return State.Var("NByte_IN"); }
    std::int64_t NByte_OUT() const { return State.Var("NByte_OUT"); }
};
