#pragma once
// The IEC 61850 client: the SCL files of the servers in the configuration's
// catalog, each server's model as a tree, and the data attributes and data sets
// picked from the tree in three grids, stored in IEC_61850_Client.xml. The
// window holds the controls and shows what its model
// (core/iec61850/UIEC_61850_AccessModel: devices, catalog, tables, check, file)
// does.

#include <memory>
#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "core/iec61850/UIEC_61850_AccessModel.h"
#include "dialogs/UTableFrame.h"
#include "grid/columngrid/GxColumnGrid.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/TreeView.h"

class TFIEC_61850_Access : public ui::TForm {
public:
    explicit TFIEC_61850_Access(ui::TComponent* AOwner);
    ~TFIEC_61850_Access() override;

    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TPanel* PDevIEC;
    ui::TPanel* PDevIECList;
    controls::TLbButton* Btn_Add_IEC_Device;
    ui::TListBox* LB_IEC_Devices;
    controls::TLbButton* Btn_Remove_IEC_Device;
    ui::TSplitter* SplitterDev;
    ui::TPanel* PDevIECTree;
    ui::TTreeView* TV_IEC_Device;
    ui::TImageList* IL_IEC;
    ui::TSplitter* SplitterTable;
    ui::TPanel* PTable;
    ui::TPageControl* PC_DA_DataSet;
    ui::TTabSheet* TS_DA;
    ui::TTabSheet* TS_DataSet;
    dlg::TFrameColumnGrid* ACG_DA;
    dlg::TFrameColumnGrid* ACG_DataSet;
    ui::TSplitter* SplitterDS;
    dlg::TFrameColumnGrid* ACG_DS_Vars;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;
    controls::TLbButton* Btn_AddVar;
    controls::TLbButton* Btn_RemoveVar;
    controls::TLbButton* Btn_MoveUp;
    controls::TLbButton* Btn_ModeDown;
    ui::TOpenDialog* OD_IcdFile;

    // What the dialog edits; the fields below are its own.
    iec::ClientModel Model;
    // The devices of the catalog, in the order of LB_IEC_Devices (a device's
    // place is its index).
    std::vector<std::unique_ptr<iec::TIEC_Device>>& List_IEC_Dev;
    std::vector<std::unique_ptr<iec::TDataSet>>& List_DataSet;
    int& DataSet_Row_Select;
    iec::TIEC_DA*& Selected_IEC_DA;
    iec::TIEC_DataSet*& Selected_IEC_DS;
    ui::TTreeNode* NODE_ORIG = nullptr;
    // Header hints of ACG_DA, entry c for column c (the data-set grids show the
    // same positions).
    rtl::TStringList Hint;

    void Set_Lang();
    void FormShow(ui::TObject* Sender);
    void Show_IEC_Devices();
    void Btn_Add_IEC_DeviceClick(ui::TObject* Sender);
    void Btn_Remove_IEC_DeviceClick(ui::TObject* Sender);

    // The tables.
    void Btn_AddVarClick(ui::TObject* Sender);
    void Btn_RemoveVarClick(ui::TObject* Sender);
    void Btn_OKClick(ui::TObject* Sender);
    bool Controllo_dati();
    void Show_DataSet_DAs();
    void ClickCell(ui::TObject* Sender, int ARow, int ACol);
    void ACG_DADblClickCell(ui::TObject* Sender, int ARow, int ACol);
    void ACG_DAKeyPress(ui::TObject* Sender, char32_t& Key);
    void ACG_DAGridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr);
    void ACG_DS_VarsSelectCell(ui::TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void ACG_DS_VarsEditCellDone(ui::TObject* Sender, int ACol, int ARow);

    // The device list and the model tree.
    void LB_IEC_DevicesClick(ui::TObject* Sender);
    void TV_IEC_DeviceClick(ui::TObject* Sender);
    void TV_IEC_DeviceCustomDrawItem(ui::TTreeView* Sender, ui::TTreeNode* Node, ui::TCustomDrawState State,
                                     bool& DefaultDraw);
    void Show_Tree_IEC_Device(iec::TIEC_Device* device);
    // Empties the tree; every object that it showed forgets its node.
    void Clear_Tree();

    // The device selected in the list box, or nullptr.
    iec::TIEC_Device* Selected_Device() const;

private:
    void Build_Device_Panel();
    void Build_Table_Panel();
    void Build_Buttons();
    void Build_Pictures();
    void Build_Grids();
    void Set_Lang_Tables();
    // The grids as the model reads and writes them.
    std::unique_ptr<iec::TClientGrid> daCells_, dataSetCells_, memberCells_;
    void Show_Tree_IEC_LDevice(ui::TTreeNode* parent, iec::TIEC_LDevice* ld);
    void Show_Tree_IEC_LN(ui::TTreeNode* parent, iec::TIEC_LN* ln);
    void Show_Tree_IEC_DO(ui::TTreeNode* parent, iec::TIEC_DO* dobj);
    void Show_Tree_IEC_DA(ui::TTreeNode* parent, iec::TIEC_DA* da);
    void Show_Tree_IEC_DataSet(ui::TTreeNode* parent, iec::TIEC_DataSet* ds);
};

extern TFIEC_61850_Access* FIEC_61850_Access;
