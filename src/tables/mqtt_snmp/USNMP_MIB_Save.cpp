#include "tables/mqtt_snmp/USNMP_MIB_Save.h"

#include <filesystem>

#include "common/UComon.h"
#include "core/tables/mqtt_snmp/USNMP_MIB.h"
#include "dialogs/UDialogFrame.h"
#include "platform/rtl/Exceptions.h"

bool Create_SNMP_MIB_File(ui::TSaveDialog& SaveMIB)
{
    SaveMIB.InitialDir = Path_Project;
    SaveMIB.FileName = std::filesystem::path(SaveMIB.FileName).filename().string();
    if (!SaveMIB.Execute())
        return false;
    std::filesystem::path file(SaveMIB.FileName);
    if (!file.has_extension())
        file += ".mib";
    std::error_code ec;
    if (std::filesystem::exists(file, ec) &&
        ui::MessageDlg(dlg::Txt(1105), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) != ui::IDYES)
        return false;
    try {
        tables::mqtt_snmp::Load_SNMP_Trap_Vars();
        tables::mqtt_snmp::Write_SNMP_MIB(file);
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return false;
    }
    return true;
}
