#include "app/UWindows.h"

#include <map>

namespace {

struct TEntry {
    ui::TCustomForm* window = nullptr;
    std::function<void()> setLang;
};

std::map<std::string, TEntry>& Registry()
{
    static std::map<std::string, TEntry> registry;
    return registry;
}

}  // namespace

const std::vector<std::string>& Window_Creation_Order()
{
    static const std::vector<std::string> order = {
        "TFBrevandoreFirmWare",
        "TFNew_Project",
        "TFOpenConf",
        "TFAbout",
        "TFSoftOptions",
        "TFParGen",
        "TFEtherCATSlave",
        "TFBoot",
        "TFSetAccess",
        "TFModbus_TCP_Master_Set_Access",
        "TFBACnetAccess",
        "TFImportEDEFile",
        "TFBACnet_Eng_Unit",
        "TFBACnetSlaveSetAccess",
        "TFReceiveCAN",
        "TFTransmitCAN",
        "TFSet_PDO_Access",
        "TFSet_SDO_Client_Access",
        "TFSet_SDO_Server_Access",
        "TFDefOffset",
        "TFDNet",
        "TFDMXDefVal",
        "TFIEC_61850_Access",
        "TFIEC61850_Variables",
        "TFTLS_Server_Known_Cert",
        "TFReceiveJ1939",
        "TFTransmitJ1939",
        "TFMQTT_Set_Topic",
        "TFTopicTemplate",
        "TFReceiveNMEA",
        "TFTransmitNMEA",
        "TFOPC_UA_Add_Server",
        "TFOPC_UA_Client_Access",
        "TFOPC_UA_Scan_Server",
        "TFOPC_UA_Server_Access",
        "TFSNMPManagerAccess",
        "TFSNMP_Trap_Access",
        "TFProfinetFileName",
        "TFEtherNEtIP_EDS",
        "TFEtherNetIP_Master_Access",
        "TFS7_Protocol_Set_Access",
    };
    return order;
}

const std::vector<std::string>& Window_Language_Order()
{
    static const std::vector<std::string> order = {
        "TFBrevandoreFirmWare",
        "TFNew_Project",
        "TFOpenConf",
        "TFSoftOptions",
        "TFBoot",
        "TFParGen",
        "TFEtherCATSlave",
        "TFSetAccess",
        "TFModbus_TCP_Master_Set_Access",
        "TFBACnetAccess",
        "TFImportEDEFile",
        "TFBACnetSlaveSetAccess",
        "TFBACnet_Eng_Unit",
        "TFReceiveCAN",
        "TFTransmitCAN",
        "TFSet_PDO_Access",
        "TFSet_SDO_Client_Access",
        "TFSet_SDO_Server_Access",
        "TFDNet",
        "TFDefOffset",
        "TFDMXDefVal",
        "TFIEC_61850_Access",
        "TFTLS_Server_Known_Cert",
        "TFIEC61850_Variables",
        "TFReceiveJ1939",
        "TFTransmitJ1939",
        "TFMQTT_Set_Topic",
        "TFTopicTemplate",
        "TFReceiveNMEA",
        "TFTransmitNMEA",
        "TFOPC_UA_Client_Access",
        "TFOPC_UA_Add_Server",
        "TFOPC_UA_Scan_Server",
        "TFOPC_UA_Server_Access",
        "TFSNMPManagerAccess",
        "TFSNMP_Trap_Access",
        "TFProfinetFileName",
        "TFEtherNetIP_Master_Access",
        "TFEtherNEtIP_EDS",
        "TFS7_Protocol_Set_Access",
    };
    return order;
}

void Register_Window(const std::string& className, ui::TCustomForm* window, std::function<void()> setLang)
{
    Registry()[className] = {window, std::move(setLang)};
}

ui::TCustomForm* Find_Window(const std::string& className)
{
    const auto it = Registry().find(className);
    return it == Registry().end() ? nullptr : it->second.window;
}

void Clear_Windows()
{
    Registry().clear();
}

std::vector<std::string> Relabel_Windows()
{
    std::vector<std::string> done;
    for (const std::string& name : Window_Language_Order()) {
        const auto it = Registry().find(name);
        if (it != Registry().end() && it->second.setLang) {
            it->second.setLang();
            done.push_back(name);
        }
    }
    return done;
}
