#include "tables/modbus_s7_bacnet/UBACnetAccess.h"

#include <filesystem>

#include "common/UComon.h"
#include "core/tables/TableTexts.h"
#include "core/tables/modbus_s7_bacnet/BACnetAccessTable.h"
#include "core/tables/modbus_s7_bacnet/BACnetEDEImport.h"
#include "core/tables/modbus_s7_bacnet/BACnetValueRules.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Application.h"

namespace ms7 = tables::modbus_s7_bacnet;

TFBACnetAccess* FBACnetAccess = nullptr;

namespace {

constexpr int Text_Import_EDE = 2059, Text_Type_Missing = 2057, Text_Left_Out = 2122;

}  // namespace

TFBACnetAccess::TFBACnetAccess(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, ms7::BACnet_Access_Desc()),
      TS_BACnet_Read(Sheets[0]),
      TS_BACnet_Write(Sheets[1]),
      ACG1(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      ACG2(static_cast<dlg::TFrameColumnGrid*>(Grids[1]))
{
    // Narrower screens get a narrower dialog.
    SetClientWidth(ui::GetScreen()->Width() > 1270 ? 1305 : 1000);
    Btn_Import_CSV = dlg::Panel_Button(*this, P_Button, "Btn_Import_CSV", dlg::Button_Left(4));
    Btn_Import_CSV->SetShowHint(false);
    Btn_Import_CSV->OnClick = [this](ui::TObject* s) { Btn_Import_CSVClick(s); };
    OD_EDE_File = new ui::TOpenDialog(this);
    OD_EDE_File->SetName("OD_EDE_File");
    OD_EDE_File->Filter = "BACnet EDE File (*.csv)|*.csv";
    OD_EDE_File->InitialDir = Last_EDE_Path;
    for (dlg::TFrameColumnGrid* grid : {ACG1, ACG2})
        grid->OnGridHint = [this](ui::TObject* s, int r, int c, std::string& h) { ACG1GridHint(s, r, c, h); };
    Set_Lang();
}

int TFBACnetAccess::App_BACnet_Type() const
{
    return static_cast<int>(State.Var(ms7::Var_App_BACnet_Type));
}

void TFBACnetAccess::Set_Lang()
{
    dlg::TFTableFrame::Set_Lang();
    if (Btn_Import_CSV)
        Btn_Import_CSV->SetCaption(dlg::Txt(Text_Import_EDE));
}

void TFBACnetAccess::Shown()
{
    if (State.Var(ms7::Var_BACnet_Type_Missing))
        ui::MessageDlg(dlg::Txt(Text_Type_Missing), ui::TMsgDlgType::mtError, ui::mbOK);
    const int type = App_BACnet_Type();
    const int address = ms7::bacnet_read::Address;
    for (dlg::TFrameColumnGrid* grid : {ACG1, ACG2}) {
        if (type == 0 || type == 1) {
            const std::string header = dlg::Txt(grid == ACG1 ? (type == 0 ? 2009 : 2010) : (type == 0 ? 2021 : 2022));
            grid->Columns()->Items(address)->SetHeaderDirect(header);
            grid->SetCells(address, 0, header);
            grid->UpdateColumnHeaders();
            grid->UnHideColumn(address);
        } else {
            // The header keeps its last text.
            grid->HideColumn(address);
        }
    }
}

void TFBACnetAccess::ACG1GridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr)
{
    hintstr.clear();
    if (Sender != ACG1 || ARow < 1)
        return;
    if (ACG1->RealColIndex(ACol) != ms7::bacnet_read::NByte)
        return;
    hintstr = ms7::Str_Hint_Read(ACG1->Cells(ms7::bacnet_read::Object_Type, ARow),
                                 ACG1->Cells(ms7::bacnet_read::Property, ARow));
}

void TFBACnetAccess::Btn_Import_CSVClick(ui::TObject*)
{
    TFImportEDEFile* import = Import_Dialog ? Import_Dialog : FImportEDEFile;
    if (!import)
        return;
    import->App_BACnet_Type = App_BACnet_Type();
    OD_EDE_File->InitialDir = Last_EDE_Path;
    if (!OD_EDE_File->Execute())
        return;
    const std::filesystem::path file = OD_EDE_File->FileName;
    // The folder is remembered whatever follows.
    Last_EDE_Path = file.parent_path().string();
    OD_EDE_File->InitialDir = Last_EDE_Path;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return;
    import->EDE_File = file.string();
    if (import->ShowModal() != ui::mrOk)
        return;
    const ms7::TEDE_Import_Result result = ms7::Import_EDE_Objects(
        Cells(0), Cells(1), ms7::BACnet_Key_Column(App_BACnet_Type()), import->E_ID_IP->Text(), import->List_EDE_Var);
    if (result.Read_Left_Out || result.Write_Left_Out)
        ui::MessageDlg(core::Lang_Format(Text_Left_Out, {result.Read_Left_Out, result.Write_Left_Out}),
                       ui::TMsgDlgType::mtWarning, ui::mbOK);
}
