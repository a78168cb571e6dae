#pragma once
// The DMX default values: one row per DMX channel with its default value and a mnemonic, stored
// in DMX_Default_Values.xml. A rule table on the frame without row buttons
// (core/tables/can_family/DMXDefValTable holds the table itself); the number of channels, and so
// of rows, is read from the communication settings at every show.

#include <string>

#include "dialogs/UTableFrame.h"

class TFDMXDefVal : public dlg::TFTableFrame {
public:
    explicit TFDMXDefVal(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG_DMX_Def_Val;
    rtl::TStringList& Hint;
    // The channels of the last show.
    int Num_Channels() const { return ACG_DMX_Def_Val->RowCount() - 1; }

protected:
    // The grid gets a row per channel before the rows are reset.
    void Prepare_Show() override;
    // A number of channels the settings give outside 1 to 512 is said.
    void Shown() override;

private:
    std::string channelsNote_;
};

extern TFDMXDefVal* FDMXDefVal;
