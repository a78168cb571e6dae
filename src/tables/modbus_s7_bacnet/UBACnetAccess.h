#pragma once
// BACnet client rules: the objects the converter reads from BACnet devices into its exchange area
// (read table) and the bytes it writes to BACnet objects (write table), devices named by IP address
// or slave ID as the communication settings' BACnet type says; BACnet_Master_Access.xml. A rule
// table on the frame (core/tables/modbus_s7_bacnet/BACnetAccessTable holds the tables) with the
// "Import EDE" button in place of copy and paste; the main window's hidden button
// Btn_BACnet_SetAccess opens it.

#include <string>

#include "dialogs/UTableFrame.h"
#include "platform/ui/Dialogs.h"
#include "tables/modbus_s7_bacnet/UImportEDEFile.h"

class TFBACnetAccess : public dlg::TFTableFrame {
public:
    explicit TFBACnetAccess(ui::TComponent* AOwner);

    ui::TTabSheet* TS_BACnet_Read;
    ui::TTabSheet* TS_BACnet_Write;
    dlg::TFrameColumnGrid* ACG1;
    dlg::TFrameColumnGrid* ACG2;
    controls::TLbButton* Btn_Import_CSV = nullptr;
    ui::TOpenDialog* OD_EDE_File;
    // The import dialog the button shows; the one created at start-up when null.
    TFImportEDEFile* Import_Dialog = nullptr;

    // The BACnet type of the current show: 0 IP address, 1 slave ID, other: no address column.
    int App_BACnet_Type() const;

    void Set_Lang() override;
    void Btn_Import_CSVClick(ui::TObject* Sender);
    // OnGridHint of both grids: the byte count over the read table's NByte cells, nothing elsewhere.
    void ACG1GridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr);

protected:
    // The setting missing is said; the address column follows the type.
    void Shown() override;
};

extern TFBACnetAccess* FBACnetAccess;
