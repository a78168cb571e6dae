#pragma once
// The variables the converter offers as an OPC UA server: per variable its type, position and
// length in the internal data array, name, whether clients may write it, and a description;
// stored in OPC_UA_Server.xml. A rule table on the frame with a string grid whose Length follows
// the Type (core/tables/opcua/OPCUAServerTable holds the table).

#include "dialogs/UTableFrame.h"

class TFOPC_UA_Server_Access : public dlg::TFTableFrame {
public:
    explicit TFOPC_UA_Server_Access(ui::TComponent* AOwner);

    dlg::TFrameStringGrid* GSG;
    bool& Do_Copy;

    // A type chosen in column 2.
    void GSGComboChange(ui::TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection);
    // The row's Length by its type; the Length cell read only for the fixed-size types.
    void VarSetLength(const std::string& type, int ARow);

protected:
    void Shown() override;
    void Row_Pasted(int grid, int row) override;
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
