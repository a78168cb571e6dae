#pragma once
// Step 4: the I/O connections the converter opens as EtherNet/IP scanner, one row per connection
// (at most 10): the target's address, the input and output bytes taken, the request period, the
// instances, connection points and header settings of both directions, a mnemonic. A button imports
// the instance, connection-point and header values of one connection from an EDS file. A rule table
// on the frame (core/EtherNetIPRules holds the table): showing it loads
// EtherNetIP_Master_Rules.xml of the open configuration; OK checks and writes the file.

#include <cstdint>
#include <string>
#include <vector>

#include "core/EtherNetIPRules.h"
#include "dialogs/UTableFrame.h"
#include "platform/ui/Dialogs.h"

class TFEtherNEtIP_EDS;
using TConnGrid = dlg::TFrameColumnGrid;

class TFEtherNetIP_Master_Access : public dlg::TFTableFrame {
public:
    explicit TFEtherNetIP_Master_Access(ui::TComponent* AOwner);

    TConnGrid* ACG;
    controls::TLbButton* Btn_Import_EDS = nullptr;
    ui::TOpenDialog* OD_EDS;
    rtl::TStringList& Hint;
    bool& Do_Copy;
    // The EDS dialog the import shows (the program's own unless replaced).
    TFEtherNEtIP_EDS* EDS_Dialog = nullptr;

    // Largest totals of input and output bytes; set at every show.
    std::int64_t Num_Byte_In() const { return State.Var("Num_Byte_In"); }
    std::int64_t Num_Byte_Out() const { return State.Var("Num_Byte_Out"); }

    void Set_Lang() override;
    void Btn_Import_EDSClick(ui::TObject* Sender);
    // Puts a chosen connection into the first free row; false when every row is in use.
    bool Import_Connection(const core::TConnData& conn);

    // The table as rows, and rows put into the grid.
    std::vector<core::TEtherNetIP_Row> Grid_Rows();
    void Set_Grid_Rows(const std::vector<core::TEtherNetIP_Row>& rows);
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
