#pragma once
// The EDE import dialog: reads the EDE file the client dialog chose into a list of objects, lists
// them with Import, Read and Write boxes for the engineer to pick, and asks for the address of the
// BACnet device. The client dialog reads the list and the address after OK and fills its tables.
// A frame dialog without a table file (core/tables/modbus_s7_bacnet/ImportEDETable holds the list).

#include <string>
#include <vector>

#include "core/tables/modbus_s7_bacnet/BACnetEDEImport.h"
#include "dialogs/UTableFrame.h"

class TFImportEDEFile : public dlg::TFTableFrame {
public:
    explicit TFImportEDEFile(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG;
    ui::TPanel* P_ID_IP;
    ui::TLabel* LID_IP;
    ui::TEdit* E_ID_IP;  // keeps its text from one show to the next
    controls::TLbButton* Btn_Select_All = nullptr;
    controls::TLbButton* Btn_Unselect_All = nullptr;

    std::string EDE_File;                                             // set by the opener
    std::vector<tables::modbus_s7_bacnet::TBACnet_Var> List_EDE_Var;  // the objects of the last file shown
    int App_BACnet_Type = 0;                                          // set by the opener

    void Set_Lang() override;
    void Cancel_EDE_List_Vars();
    // Reads EDE_File; a file that cannot be read is said and gives an empty list.
    void Load_EDE_File();
    void Show_Data_in_Grid();
    void ACGCheckBoxClick(ui::TObject* Sender, int ACol, int ARow, bool State);
    void Btn_Select_AllClick(ui::TObject* Sender);
    void Btn_Unselect_AllClick(ui::TObject* Sender);
    // The device address is tested by the BACnet type; the list itself is not.
    void Btn_OKClick(ui::TObject* Sender) override;

protected:
    void Shown() override;

private:
    void Select_All(bool state);
};

extern TFImportEDEFile* FImportEDEFile;
