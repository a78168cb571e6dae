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
        {"CP_Ethernet_Connection", "E_EthConn_Sec_DNS_IP4", "", D::None, {}, S::None, {"CB_EthConn_En_DHCP_WiFi"}},
        {"CP_EtherCAT_Slave", "E_EtherCAT_Slave_Node_Address", "", D::None, {}, S::None, {}},
        {"CP_EtherNetIP_Master", "E_EtherNetIP_Master_Port", "EtherNetIP_Master", D::Edits, {}, S::None, {}},
        {"CP_S7_Protocol", "E_S7_Protocol_GAT4", "S7_Protocol", D::Edits, {}, S::None, {}},
        {"CP_Modbus_TCP_Master",
         "E_ModbusTCPMaster_CyclicDelay",
         "ModbusTCPMaster",
         D::EditsAndGateway,
         {},
         S::None,
         {}},
        {"CP_Ethernet",
         "E_Ethernet_GAT4",
         "Ethernet",
         D::EditsAndGateway,
         {"L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port"},
         S::None,
         {}},
        {"CP_IEC61850_Client", "E_IEC61850_Client_AppID", "IEC61850_Client", D::EditsAndGateway, {}, S::None, {}},
        {"CP_IEC61850_Server", "E_IEC61850_Server_Password", "IEC61850_Server", D::EditsAndGateway, {}, S::None, {}},
        {"CP_OPC_UA_Client", "E_OPC_UA_Client_GAT4", "OPC_UA_Client", D::EditsAndGateway, {}, S::None, {}},
        {"CP_OPC_UA_Server", "E_OPC_UA_Server_Port", "OPC_UA_Server", D::EditsAndGateway, {}, S::None, {}},
        {"CP_SNMP_Manager", "E_SNMP_Manager_NameStation", "SNMP_Manager", D::EditsAndGateway, {}, S::None, {}},
        {"CP_PROFINET",
         "E_PROFINET_NByte_Out",
         "PROFINET",
         D::EditsAndGateway,
         {"CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic"},
         S::None,
         {}},
        {"CP_Modbus_TCP_Slave", "E_ModbusTCPSlave_Port", "", D::None, {}, S::None, {}},
        {"CP_Serial", "CB_Serial_StopBits", "", D::None, {}, S::None, {}},
        {"CP_Modbus_Master", "E_ModbusMaster_CyclicDelay", "", D::None, {}, S::None, {}},
        {"CP_Modbus_Slave", "CB_ModbusSlave_ReadInput", "", D::None, {}, S::None, {}},
        {"CP_CAN", "CB_CAN_Baudrate", "", D::None, {}, S::None, {}},
        {"CP_CANopen", "E_CANopen_SDO_Timeout", "", D::None, {}, S::None, {}},
        {"CP_DeviceNet_Master", "CB_DeviceNet_Master_Baudrate", "", D::None, {}, S::None, {}},
        {"CP_DeviceNet_Slave", "E_DeviceNet_Slave_NumByteOut", "", D::None, {}, S::None, {}},
        {"CP_DMX", "E_DMX_ChannelNum", "", D::None, {}, S::None, {}},
        {"CP_EtherNetIP", "E_EtherNetIP_NByte_Out", "", D::None, {}, S::None, {}},
        {"CP_J1939", "E_J1939_ID_Device", "", D::None, {}, S::None, {}},
        {"CP_NTP", "E_NTP_Poll_Time", "", D::None, {}, S::None, {}},
        {"CP_NMEA2000", "CB_NMEA2000_Peer_To_Peer", "", D::None, {}, S::None, {}},
        {"CP_Select_Device", "CB_Select_Device_Device", "", D::None, {}, S::None, {}},
        {"CP_GSM_GPRS", "E_GSM_GPRS_Password", "", D::None, {}, S::None, {}},
        {"CP_BACnet_Master", "", "BACnet_Master", D::EditsAndGateway, {}, S::BACnet, {}},
        {"CP_BACnet_Slave", "", "BACnet_Slave", D::EditsAndGateway, {}, S::BACnet, {}},
        {"CP_MQTT", "E_MQTT_Password", "", D::None, {}, S::MQTT, {}},
        {"CP_TLS", "", "", D::None, {}, S::TLS, {}},
        {"CP_TLS_Server", "", "", D::None, {}, S::TLS_Server, {}},
        {"CP_SNMP_Agent", "", "SNMP_Agent", D::EditsAndGateway, {}, S::SNMP_Agent, {}},
        {"CP_WiFi2", "", "WiFi2", D::None, {}, S::WiFi2, {}},
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
