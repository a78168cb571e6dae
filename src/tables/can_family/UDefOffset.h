#pragma once
// The DeviceNet byte offsets: the slaves of the DeviceNet network table in a list; for the one
// picked, each input and each output byte's offset in the exchange array ("None" or 0 to 1439)
// and a mnemonic, on two pages; stored in DNETM_DefOff.xml. The byte pages are the rule-table
// frame's (OK and Cancel only); the slaves, the file and the check are
// core/tables/can_family/DefOffsetTable's.

#include <cstdint>
#include <vector>

#include "core/tables/can_family/DefOffsetTable.h"
#include "dialogs/UTableFrame.h"

class TFDefOffset : public dlg::TFTableFrame {
public:
    explicit TFDefOffset(ui::TComponent* AOwner);

    ui::TPanel* Panel1;
    ui::TLabel* Label1;
    dlg::TFrameColumnGrid* ACG_DN_Slaves;
    ui::TSplitter* Splitter1;
    ui::TPanel* Panel3;
    ui::TLabel* Label2;
    ui::TLabel* Label3;
    ui::TTabSheet* TabSheet1;
    ui::TTabSheet* TabSheet2;
    dlg::TFrameColumnGrid* ACG_ByteIN;
    dlg::TFrameColumnGrid* ACG_ByteOUT;

    std::vector<tables::can::TSlave_DN> List_Slaves_DN;
    int Slave_Before_Select = -1;  // the slave whose maps the byte grids show; -1: none
    std::int64_t MAX_BYTE_IN() const { return State.Var("MAX_BYTE_IN"); }
    std::int64_t MAX_BYTE_OUT() const { return State.Var("MAX_BYTE_OUT"); }

    void Set_Lang() override;
    // The slave grid and List_Slaves_DN from the network file; the maps from DNETM_DefOff.xml.
    // Each returns what could not be read (empty when all could).
    std::string Load_Slave_DN();
    std::string Load_Offset_Slave_DN();
    void Select_First();
    // The byte grids' edits go back into the slave they show; then the clicked slave is shown.
    void ACG_DN_SlavesClick(ui::TObject* Sender);
    void Update_Slave_DN();
    bool Save_Data_ByteIN_ByteOUT();
    // The check; shows its first fault and returns false.
    bool Check_Data();
    void bitbtn1Click(ui::TObject* Sender);
    // OK is bitbtn1Click: the maps are the slaves', not the frame's tables.
    void Btn_OKClick(ui::TObject* Sender) override { bitbtn1Click(Sender); }

protected:
    // After the frame has emptied the byte pages and filled their offset lists.
    void Shown() override;

private:
    void Build_Slaves_Panel();
};

extern TFDefOffset* FDefOffset;
