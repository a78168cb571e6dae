#pragma once
// The variables the converter offers as IEC 61850 server: name, type, length, read-only flag,
// where the value lies in the internal data array, conversion, factor and swaps, stored in
// IEC61850_Variables.xml. A rule table on the frame (the table itself is
// core/tables/iec61850_it/IEC61850VariablesTable).

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFIEC61850_Variables : public dlg::TFTableFrame {
public:
    explicit TFIEC61850_Variables(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG;
    rtl::TStringList& Hint_List;
    bool& Do_Copy;
    // Bytes of the internal data array a Position may name; set at every show.
    std::int64_t NByte_IN() const { return State.Var("NByte_IN"); }
};

extern TFIEC61850_Variables* FIEC61850_Variables;
