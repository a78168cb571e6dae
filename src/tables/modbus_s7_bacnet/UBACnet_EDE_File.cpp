#include "tables/modbus_s7_bacnet/UBACnet_EDE_File.h"

#include "core/tables/modbus_s7_bacnet/BACnetEDEFile.h"
#include "platform/ui/Dialogs.h"

void Save_EDE_File(const std::string& fileName)
{
    try {
        tables::modbus_s7_bacnet::Make_EDE_File(fileName);
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
    }
}
