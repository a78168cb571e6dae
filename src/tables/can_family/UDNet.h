#pragma once
// The DeviceNet network: the slaves the converter scans as DeviceNet scanner, each with its ID,
// numbers of input and output bytes and a mnemonic, stored in DNETM_Net.xml. A rule table on the
// frame (core/tables/can_family/DNetTable holds the table itself); the byte-offset dialog
// (UDefOffset) reads the same file.

#include "dialogs/UTableFrame.h"

class TFDNet : public dlg::TFTableFrame {
public:
    explicit TFDNet(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* GSG;
    rtl::TStringList& Hint_DeviceNet;
    bool& Do_Copy;
    bool controllo_dati() { return Controllo_dati(); }
    void bitbtn1Click(ui::TObject* Sender) { Btn_OKClick(Sender); }
    void Btn_DelRow_Click(ui::TObject* Sender) { Btn_DelRowClick(Sender); }
};

extern TFDNet* FDNet;
