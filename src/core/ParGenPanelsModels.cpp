#include "core/ParGenPanelsModels.h"

#include <algorithm>
#include <array>

namespace core {

namespace {

TParGenModel Model(std::string name, std::vector<std::string> own)
{
    TParGenModel m{std::move(name), {"CP_Ethernet_Connection", "CP_EtherCAT_Slave"}};
    m.Panels.insert(m.Panels.end(), own.begin(), own.end());
    return m;
}

std::vector<TParGenModel> Build_Models()
{
    return {
        Model("58E00", {"CP_Serial", "CP_Ethernet"}),
        Model("58E01", {"CP_Modbus_Master", "CP_Ethernet"}),
        Model("58E02", {"CP_Modbus_Slave", "CP_Ethernet"}),
        Model("58E03", {"CP_Modbus_TCP_Master"}),
        Model("58E04", {"CP_Modbus_TCP_Slave"}),
        Model("58E05", {"CP_BACnet_Master", "CP_Ethernet"}),
        Model("58E06", {"CP_BACnet_Slave", "CP_Ethernet"}),
        Model("58E07", {"CP_CAN", "CP_Ethernet"}),
        Model("58E08", {"CP_CANopen", "CP_Ethernet"}),
        Model("58E09", {"CP_DeviceNet_Master", "CP_Ethernet"}),
        Model("58E10", {"CP_DeviceNet_Slave", "CP_Ethernet"}),
        Model("58E11", {"CP_DMX", "CP_Ethernet"}),
        Model("58E12", {"CP_Ethernet"}),
        Model("58E13", {"CP_EtherNetIP"}),
        Model("58E14", {"CP_IEC61850_Client"}),
        Model("58E15", {"CP_IEC61850_Server", "CP_TLS_Server"}),
        Model("58E16", {"CP_J1939", "CP_Ethernet"}),
        Model("58E17", {"CP_Select_Device", "CP_MQTT", "CP_Ethernet", "CP_TLS", "CP_NTP", "CP_WiFi2", "CP_GSM_GPRS"}),
        Model("58E19", {"CP_NMEA2000", "CP_Ethernet"}),
        Model("58E20", {"CP_OPC_UA_Client", "CP_NTP"}),
        Model("58E21", {"CP_OPC_UA_Server", "CP_NTP"}),
        Model("58E23", {"CP_PROFINET"}),
        Model("58E24", {"CP_SNMP_Manager"}),
        Model("58E25", {"CP_SNMP_Agent"}),
        Model("58E26", {"CP_EtherNetIP_Master"}),
        Model("58E27", {"CP_EtherNetIP"}),
        Model("58E28", {"CP_S7_Protocol"}),
    };
}

using D = TParGenDhcpRule;
using S = TParGenSwitch;

std::vector<TParGenPanelRule> Build_Rules()
{
    return {
        {.Panel = "CP_Ethernet_Connection",
         .Height_From = "E_EthConn_Sec_DNS_IP4",
         .Disabled = {"CB_EthConn_En_DHCP_WiFi"}},
        {.Panel = "CP_EtherCAT_Slave", .Height_From = "E_EtherCAT_Slave_Node_Address"},
        {.Panel = "CP_EtherNetIP_Master",
         .Height_From = "E_EtherNetIP_Master_Port",
         .Address_Key = "EtherNetIP_Master",
         .Dhcp = D::Edits},
        {.Panel = "CP_S7_Protocol",
         .Height_From = "E_S7_Protocol_GAT4",
         .Address_Key = "S7_Protocol",
         .Dhcp = D::Edits},
        {.Panel = "CP_Modbus_TCP_Master",
         .Height_From = "E_ModbusTCPMaster_CyclicDelay",
         .Address_Key = "ModbusTCPMaster",
         .Dhcp = D::EditsAndGateway},
        {.Panel = "CP_Ethernet",
         .Height_From = "E_Ethernet_GAT4",
         .Address_Key = "Ethernet",
         .Dhcp = D::EditsAndGateway,
         .Hidden = {"L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port"}},
        {.Panel = "CP_IEC61850_Client",
         .Height_From = "E_IEC61850_Client_AppID",
         .Address_Key = "IEC61850_Client",
         .Dhcp = D::EditsAndGateway},
        {.Panel = "CP_IEC61850_Server",
         .Height_From = "E_IEC61850_Server_Password",
         .Address_Key = "IEC61850_Server",
         .Dhcp = D::EditsAndGateway},
        {.Panel = "CP_OPC_UA_Client",
         .Height_From = "E_OPC_UA_Client_GAT4",
         .Address_Key = "OPC_UA_Client",
         .Dhcp = D::EditsAndGateway},
        {.Panel = "CP_OPC_UA_Server",
         .Height_From = "E_OPC_UA_Server_Port",
         .Address_Key = "OPC_UA_Server",
         .Dhcp = D::EditsAndGateway},
        {.Panel = "CP_SNMP_Manager",
         .Height_From = "E_SNMP_Manager_NameStation",
         .Address_Key = "SNMP_Manager",
         .Dhcp = D::EditsAndGateway},
        {.Panel = "CP_PROFINET",
         .Height_From = "E_PROFINET_NByte_Out",
         .Address_Key = "PROFINET",
         .Dhcp = D::EditsAndGateway,
         .Hidden = {"CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic"}},
        {.Panel = "CP_Modbus_TCP_Slave", .Height_From = "E_ModbusTCPSlave_Port"},
        {.Panel = "CP_Serial", .Height_From = "CB_Serial_StopBits"},
        {.Panel = "CP_Modbus_Master", .Height_From = "E_ModbusMaster_CyclicDelay"},
        {.Panel = "CP_Modbus_Slave", .Height_From = "CB_ModbusSlave_ReadInput"},
        {.Panel = "CP_CAN", .Height_From = "CB_CAN_Baudrate"},
        {.Panel = "CP_CANopen", .Height_From = "E_CANopen_SDO_Timeout"},
        {.Panel = "CP_DeviceNet_Master", .Height_From = "CB_DeviceNet_Master_Baudrate"},
        {.Panel = "CP_DeviceNet_Slave", .Height_From = "E_DeviceNet_Slave_NumByteOut"},
        {.Panel = "CP_DMX", .Height_From = "E_DMX_ChannelNum"},
        {.Panel = "CP_EtherNetIP", .Height_From = "E_EtherNetIP_NByte_Out"},
        {.Panel = "CP_J1939", .Height_From = "E_J1939_ID_Device"},
        {.Panel = "CP_NTP", .Height_From = "E_NTP_Poll_Time"},
        {.Panel = "CP_NMEA2000", .Height_From = "CB_NMEA2000_Peer_To_Peer"},
        {.Panel = "CP_Select_Device", .Height_From = "CB_Select_Device_Device"},
        {.Panel = "CP_GSM_GPRS", .Height_From = "E_GSM_GPRS_Password"},
        {.Panel = "CP_BACnet_Master", .Address_Key = "BACnet_Master", .Dhcp = D::EditsAndGateway, .Switch = S::BACnet},
        {.Panel = "CP_BACnet_Slave", .Address_Key = "BACnet_Slave", .Dhcp = D::EditsAndGateway, .Switch = S::BACnet},
        {.Panel = "CP_MQTT", .Height_From = "E_MQTT_Password", .Switch = S::MQTT},
        {.Panel = "CP_TLS", .Switch = S::TLS},
        {.Panel = "CP_TLS_Server", .Switch = S::TLS_Server},
        {.Panel = "CP_SNMP_Agent", .Address_Key = "SNMP_Agent", .Dhcp = D::EditsAndGateway, .Switch = S::SNMP_Agent},
        {.Panel = "CP_WiFi2", .Address_Key = "WiFi2", .Switch = S::WiFi2},
    };
}

}  // namespace

const std::vector<TParGenModel>& ParGen_Models()
{
    static const std::vector<TParGenModel> models = Build_Models();
    return models;
}

const TParGenModel* Find_ParGen_Model(std::string_view model)
{
    for (const auto& m : ParGen_Models())
        if (m.Model == model)
            return &m;
    return nullptr;
}

const TParGenPanelRule* Find_ParGen_Rule(std::string_view panel)
{
    static const std::vector<TParGenPanelRule> rules = Build_Rules();
    for (const auto& r : rules)
        if (r.Panel == panel)
            return &r;
    return nullptr;
}

bool Changes_ParGen_Layout(std::string_view control)
{
    static constexpr std::array<std::string_view, 16> names{"CB_BACnet_Master_Type",          "CB_BACnet_Slave_Type",
                                                            "CB_SNMP_Agent_SecurityLevel",    "CB_WiFi2_Type",
                                                            "CB_WiFi2_Secure_Type",           "CB_Select_Device_Device",
                                                            "CB_EthConn_En_DHCP_Cable",       "CB_EthConn_En_DHCP_WiFi",
                                                            "CB_SNMP_Agent_Version3",         "CB_MQTT_WillFlag",
                                                            "CB_MQTT_PublishTopicConnection", "CB_TLS_Enable",
                                                            "CB_TLS_En_Server_Auth",          "CB_TLS_En_Client_Auth",
                                                            "CB_TLS_Server_Enable",           "CB_WiFi2_En_DHCP"};
    return std::find(names.begin(), names.end(), control) != names.end();
}

}  // namespace core
