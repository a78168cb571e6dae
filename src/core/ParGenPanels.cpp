#include "core/ParGenPanels.h"

#include <initializer_list>

namespace core {

namespace {

using K = TParGenRowKind;

TParGenRow Edit(std::string name, int caption, int hint, std::string text = "", int maxLength = 0)
{
    TParGenRow r;
    r.Kind = K::Edit;
    r.Name = std::move(name);
    r.Caption = caption;
    r.Hint = hint;
    r.Text = std::move(text);
    r.MaxLength = maxLength;
    return r;
}

// An edit that accepts only digits when typed.
TParGenRow Digits(std::string name, int caption, int hint, std::string text, int maxLength = 0)
{
    TParGenRow r = Edit(std::move(name), caption, hint, std::move(text), maxLength);
    r.DigitsOnly = true;
    return r;
}

TParGenRow Fixed(std::string name, int caption, int hint, std::string text)
{
    TParGenRow r = Edit(std::move(name), caption, hint, std::move(text));
    r.Disabled = true;
    return r;
}

TParGenRow Memo(std::string name, int caption, int hint)
{
    TParGenRow r = Edit(std::move(name), caption, hint);
    r.Kind = K::Memo;
    return r;
}

TParGenRow Combo(std::string name, int caption, int hint, std::string items, int itemIndex)
{
    TParGenRow r = Edit(std::move(name), caption, hint, std::move(items));
    r.Kind = K::Combo;
    r.ItemIndex = itemIndex;
    return r;
}

// A combo box whose items are texts of the table, refilled on every language change.
TParGenRow Lang_Combo(std::string name, int caption, int hint, int firstItem, int itemCount)
{
    TParGenRow r = Combo(std::move(name), caption, hint, "", 0);
    r.LangItemFirst = firstItem;
    r.LangItemCount = itemCount;
    return r;
}

TParGenRow Octets(std::string prefix, int caption, int firstHint, std::string dotted)
{
    TParGenRow r = Edit(std::move(prefix), caption, firstHint, std::move(dotted));
    r.Kind = K::Octets;
    return r;
}

// Address block of the given key; base is the text number of its "IP Address" label.
TParGenRow Block(std::string key, int base, std::string ip = "192.168.0.10", std::string mask = "255.255.255.0",
                 std::string gateway = "192.168.0.1")
{
    TParGenRow r = Edit(std::move(key), base, 0, ip + "|" + mask + "|" + gateway);
    r.Kind = K::Block;
    return r;
}

TParGenRow Check(std::string name, int caption, int hint, bool disabled = false)
{
    TParGenRow r = Edit(std::move(name), caption, hint);
    r.Kind = K::Check;
    r.Disabled = disabled;
    return r;
}

TParGenRow Check_Edit(std::string name, int caption, int hint, std::string edit, int editHint, std::string editText)
{
    TParGenRow r = Check(std::move(name), caption, hint);
    r.Kind = K::CheckEdit;
    r.Extra = std::move(edit);
    r.ExtraHint = editHint;
    r.ExtraText = std::move(editText);
    return r;
}

TParGenRow Versions(std::string prefix, int caption, int firstHint)
{
    TParGenRow r = Edit(std::move(prefix), caption, firstHint);
    r.Kind = K::Versions;
    return r;
}

TParGenRow Heading(std::string name, int caption)
{
    TParGenRow r = Edit(std::move(name), caption, 0);
    r.Kind = K::Heading;
    return r;
}

// A control that is created but never shown or used.
TParGenRow Unused(TParGenRow r)
{
    r.Invisible = true;
    r.Caption = 0;
    return r;
}

const char* const Serial_Baudrates = "1200|2400|4800|9600|19200|38400|57600|115200";
const char* const CAN_Baudrates = "10K|20K|50K|62.5K|100K|125K|250K|500K|800K|1000K";
const char* const BACnet_Types = "BACnet/IP|BACnet MS/TP";
const char* const BACnet_Baudrates = "9600|19200|38400|57600|76800|115200";
const char* const Parities = "NONE|ODD|EVEN";

// The four serial-line rows (port, baud rate, parity, stop bits); base is the first label's text.
std::vector<TParGenRow> Serial_Rows(const std::string& key, int base)
{
    return {Combo("CB_" + key + "_Serial", base, base + 1, "RS232|RS485", 0),
            Combo("CB_" + key + "_Baudrate", base + 2, base + 3, Serial_Baudrates, 7),
            Combo("CB_" + key + "_Parity", base + 4, base + 5, Parities, 0),
            Combo("CB_" + key + "_StopBits", base + 6, base + 7, "1 Stop Bits|2 Stop Bits", 0)};
}

// Type, BACnet/IP and MS/TP rows of a BACnet panel; base is the type label's text. The client
// has a polling time-out among its BACnet/IP rows.
std::vector<TParGenRow> BACnet_Rows(const std::string& key, int base, bool client)
{
    const std::string e = "E_" + key + "_";
    std::vector<TParGenRow> rows{Combo("CB_" + key + "_Type", base, base + 1, BACnet_Types, 0), Block(key, base + 2),
                                 Edit(e + "Port", base + 18, base + 19, "502"),
                                 Edit(e + "DeviceName", base + 20, base + 21, "devicename1", 15),
                                 Edit(e + "DeviceID", base + 22, base + 23, "1")};
    if (client)
        rows.push_back(Edit(e + "TimeOut", base + 24, base + 25, "2000"));
    const int s = base + (client ? 26 : 24);
    for (TParGenRow r :
         {Combo("CB_" + key + "_Baudrate", s, s + 1, BACnet_Baudrates, 5),
          Combo("CB_" + key + "_Parity", s + 2, s + 3, Parities, 0),
          Edit(e + "Ser_DeviceName", s + 4, s + 5, "devicename1", 15), Edit(e + "MAC", s + 6, s + 7, "1"),
          Edit(e + "MaxMaster", s + 8, s + 9, "127", 15), Edit(e + "MaxInfoFrame", s + 10, s + 11, "1"),
          Edit(e + "DeviceInstance", s + 12, s + 13, "1", 15)})
        rows.push_back(std::move(r));
    return rows;
}

std::vector<TParGenRow> Rows(std::initializer_list<std::vector<TParGenRow>> parts)
{
    std::vector<TParGenRow> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The converter's own side and the serial and Modbus panels.
void Converter_Panels(std::vector<TParGenPanel>& p)
{
    p.push_back({"CP_Ethernet_Connection",
                 1544,
                 {Edit("E_EthConn_Device_Name", 1545, 1546, "", 31), Check("CB_EthConn_En_DHCP_Cable", 1547, 1548),
                  Check("CB_EthConn_En_DHCP_WiFi", 1549, 1550, true), Check("CB_EthConn_Enable_DNS", 1551, 1552),
                  Octets("E_EthConn_Pri_DNS_IP", 1553, 1554, "8.8.8.8"),
                  Octets("E_EthConn_Sec_DNS_IP", 1558, 1559, "8.8.4.4")}});
    p.push_back({"CP_EtherCAT_Slave",
                 406,
                 {Digits("E_EtherCAT_Slave_Revision_Number", 413, 414, "0"),
                  Edit("E_EtherCAT_Slave_Name", 415, 416, "devicename1", 15),
                  Digits("E_EtherCAT_Slave_Node_Address", 987, 988, "1")}});
    p.push_back({"CP_EtherNetIP_Master",
                 1624,
                 {Block("EtherNetIP_Master", 1625, "192.168.0.5", "255.255.255.0", "192.168.0.1"),
                  Fixed("E_EtherNetIP_Master_Port", 1641, 1642, "44818")}});
    p.push_back(
        {"CP_Modbus_TCP_Slave", 417, {Block("ModbusTCPSlave", 418), Edit("E_ModbusTCPSlave_Port", 434, 435, "502")}});
    p.push_back({"CP_Serial", 449, Serial_Rows("Serial", 450)});
    p.push_back({"CP_Modbus_Master", 459,
                 Rows({Serial_Rows("ModbusMaster", 460),
                       {Edit("E_ModbusMaster_TimeOut", 468, 469, "1000"),
                        Edit("E_ModbusMaster_CyclicDelay", 470, 471, "100")}})});
    p.push_back(
        {"CP_Modbus_Slave", 475,
         Rows({Serial_Rows("ModbusSlave", 476),
               {Edit("E_ModbusSlave_ID_Device", 484, 485, "1"), Check("CB_ModbusSlave_ReadInput", 486, 487)}})});
    p.push_back({"CP_Modbus_TCP_Master",
                 490,
                 {Block("ModbusTCPMaster", 491), Edit("E_ModbusTCPMaster_TimeOut", 507, 508, "1000"),
                  Edit("E_ModbusTCPMaster_CyclicDelay", 509, 510, "100")}});
}

// BACnet, CAN, CANopen, DeviceNet and DMX.
void Building_And_Fieldbus_Panels(std::vector<TParGenPanel>& p)
{
    p.push_back({"CP_BACnet_Master", 525, BACnet_Rows("BACnet_Master", 526, true)});
    p.push_back({"CP_BACnet_Slave", 587,
                 Rows({BACnet_Rows("BACnet_Slave", 588, false),
                       {Edit("E_BACnet_Slave_NetWork", 626, 627, "1"), Check("CB_BACnet_Slave_Desc32", 628, 629)}})});
    p.push_back({"CP_CAN", 651, {Combo("CB_CAN_Baudrate", 652, 653, CAN_Baudrates, 9)}});
    p.push_back({"CP_CANopen",
                 654,
                 {Edit("E_CANopen_ID_Device", 655, 656, "1"),
                  Combo("CB_CANopen_Baudrate", 657, 658, "10K|20K|50K|100K|125K|250K|500K|800K|1000K|", 8),
                  Check("CB_CANopen_Operational", 659, 660),
                  Check_Edit("CB_CANopen_NetworkStart", 661, 662, "E_CANopen_NetworkStart_Delay", 663, "0"),
                  Edit("E_CANopen_SDO_Timeout", 664, 665, "1")}});
    p.push_back({"CP_DeviceNet_Master",
                 669,
                 {Edit("E_DeviceNet_Master_ID_Device", 670, 671, "0"),
                  Combo("CB_DeviceNet_Master_Baudrate", 672, 673, "125K|250K|500K", 2)}});
    p.push_back({"CP_DeviceNet_Slave",
                 675,
                 {Edit("E_DeviceNet_Slave_ID_Device", 676, 677, "0"),
                  Combo("CB_DeviceNet_Slave_Baudrate", 678, 679, "125K|250K|500K", 2),
                  Edit("E_DeviceNet_Slave_NumByteIn", 680, 681, "455"),
                  Edit("E_DeviceNet_Slave_NumByteOut", 682, 683, "455")}});
    p.push_back(
        {"CP_DMX", 687, {Combo("CB_DMX_Mode", 688, 689, "IN|OUT", 1), Edit("E_DMX_ChannelNum", 690, 691, "0")}});
}

// Ethernet protocols, IEC 61850, J1939, TLS, NTP, NMEA 2000, OPC UA, PROFINET and SNMP.
void Network_Panels(std::vector<TParGenPanel>& p)
{
    p.push_back(
        {"CP_Ethernet",
         693,
         {Block("Ethernet", 694), Edit("E_Ethernet_TCP_Port", 716, 717), Edit("E_Ethernet_UDP_Port", 718, 719)}});
    p.push_back({"CP_EtherNetIP",
                 738,
                 {Block("EtherNetIP", 739), Fixed("E_EtherNetIP_Port", 755, 756, "44818"),
                  Edit("E_EtherNetIP_NByte_In", 757, 758, "496"), Edit("E_EtherNetIP_NByte_Out", 759, 760, "496")}});
    p.push_back({"CP_IEC61850_Client",
                 780,
                 {Block("IEC61850_Client", 781), Digits("E_IEC61850_Client_VLAN", 797, 798, "0", 8),
                  Edit("E_IEC61850_Client_AppID", 799, 800, "0")}});
    p.push_back({"CP_IEC61850_Server",
                 813,
                 {Block("IEC61850_Server", 818), Edit("E_IEC61850_Server_Port", 814, 815, "102"),
                  Edit("E_IEC61850_Server_Password", 816, 817)}});
    p.push_back({"CP_J1939",
                 847,
                 {Combo("CB_J1939_Baudrate", 848, 849, CAN_Baudrates, 9), Edit("E_J1939_TimeOut", 850, 851, "0"),
                  Check("CB_J1939_Peer_To_Peer", 852, 853), Edit("E_J1939_ID_Device", 854, 855, "1")}});
    p.push_back({"CP_TLS",
                 1300,
                 {Check("CB_TLS_Enable", 1301, 1302), Check("CB_TLS_En_Server_Auth", 1303, 1304),
                  Memo("E_TLS_Server_Cert", 1305, 1306), Check("CB_TLS_En_Client_Auth", 1307, 1308),
                  Memo("E_TLS_Client_Cert", 1309, 1310), Memo("E_TLS_Client_Key", 1311, 1312),
                  Edit("E_TLS_Client_Key_Password", 1313, 1314)}});
    p.push_back({"CP_NTP", 1315, {Edit("E_NTP_Server_URL", 1316, 1317), Edit("E_NTP_Poll_Time", 1318, 1319)}});
    p.push_back({"CP_NMEA2000",
                 1321,
                 {Combo("CB_NMEA2000_Baudrate", 1322, 1323, CAN_Baudrates, 9),
                  Edit("E_NMEA2000_TimeOut", 1324, 1325, "0"), Check("CB_NMEA2000_Peer_To_Peer", 1326, 1327)}});
    p.push_back({"CP_OPC_UA_Client", 1329, {Block("OPC_UA_Client", 1330)}});
    p.push_back(
        {"CP_OPC_UA_Server", 1368, {Block("OPC_UA_Server", 1369), Edit("E_OPC_UA_Server_Port", 1391, 1392, "4840")}});
    p.push_back({"CP_PROFINET",
                 1406,
                 {Block("PROFINET", 1407), Edit("E_PROFINET_Tunneling_Port", 1423, 1424, "502"),
                  Edit("E_PROFINET_NameStation", 1425, 1426, "devicename1", 15),
                  Edit("E_PROFINET_NByte_In", 1427, 1428, "1438"), Edit("E_PROFINET_NByte_Out", 1429, 1430, "1438"),
                  Check_Edit("CB_PROFINET_Diagnostic", 1431, 1432, "E_PROFINET_Diagnostic", 1433, "0")}});
    p.push_back({"CP_SNMP_Manager",
                 1450,
                 {Block("SNMP_Manager", 1451), Edit("E_SNMP_Manager_NameStation", 1467, 0, "devicename1", 15)}});
    p.push_back({"CP_SNMP_Agent",
                 1480,
                 {Block("SNMP_Agent", 1481), Edit("E_SNMP_Agent_NameStation", 1497, 1498, "devicename1", 15),
                  Edit("E_SNMP_Agent_Contact", 1499, 1500, "", 16), Edit("E_SNMP_Agent_Location", 1501, 1502, "", 16),
                  Versions("CB_SNMP_Agent_Version", 1503, 1504), Edit("E_SNMP_Agent_User", 1507, 1508, "", 19),
                  Combo("CB_SNMP_Agent_SecurityLevel", 1509, 1510,
                        "NoAuthority NoPrivacy|Authority NoPrivacy|Authority Privacy", 0),
                  Edit("E_SNMP_Agent_Authority", 1511, 1512, "", 15),
                  Combo("CB_SNMP_Agent_AuthorityMode", 1513, 1514, "MD5|SHA", 0),
                  Edit("E_SNMP_Agent_Privacy", 1515, 1516, "", 15),
                  Combo("CB_SNMP_Agent_PrivacyMode", 1517, 1518, "DES|AES", 0)}});
    p.push_back({"CP_TLS_Server",
                 1531,
                 {Check("CB_TLS_Server_Enable", 1532, 1533), Memo("E_TLS_Server_Key", 1534, 1535),
                  Edit("E_TLS_Server_Key_Password", 1536, 1537), Memo("E_TLS_Server_Server_Cert", 1538, 1539),
                  Memo("E_TLS_Server_Root_Cert", 1540, 1541), Check("CB_TLS_Server_Only_Known", 1542, 1543)}});
}

// MQTT, Wi-Fi, mobile connection, device choice and S7.
void Device_Panels(std::vector<TParGenPanel>& p)
{
    p.push_back({"CP_MQTT",
                 858,
                 {Edit("E_MQTT_Server_URL", 859, 860),
                  Edit("E_MQTT_Server_Port", 861, 862, "1883"),
                  Edit("E_MQTT_Client_ID", 863, 864),
                  Edit("E_MQTT_Keep_Alive", 865, 866),
                  Check("CB_MQTT_CleanSession", 867, 868),
                  Check("CB_MQTT_WillFlag", 869, 870),
                  Edit("E_MQTT_Topic_Will", 871, 872),
                  Edit("E_MQTT_Message_Will", 873, 874),
                  Check("CB_MQTT_RetainedWill", 875, 876),
                  Combo("CB_MQTT_QoS_Will", 877, 878, "0|1|2", 0),
                  Check("CB_MQTT_PublishTopicConnection", 1571, 1572),
                  Edit("E_MQTT_Topic_Connection", 1573, 1574),
                  Edit("E_MQTT_Message_Connection", 1575, 1576),
                  Check("CB_MQTT_RetainedConnection", 1577, 1578),
                  Edit("E_MQTT_Username", 879, 880),
                  Memo("E_MQTT_Password", 881, 882),
                  Unused(Edit("E_MQTT_Password__", 0, 0)),
                  Edit("E_MQTT_Send_Time", 883, 884),
                  Edit("E_MQTT_DALI_Topic", 1579, 1580),
                  Check("CB_MQTT_Reprogramming", 1581, 1582),
                  Edit("E_MQTT_Reprogramming_Topic", 1583, 1584),
                  Edit("E_MQTT_Reprogramming_Value", 1585, 1586)}});
    p.push_back(
        {"CP_WiFi2",
         885,
         {Lang_Combo("CB_WiFi2_Type", 886, 887, 888, 2), Heading("L_WiFi2_IP_Address_1", 890), Block("WiFi2", 891),
          Heading("L_WiFi2_IP_Address_2", 907), Block("WiFi2_2", 908), Edit("E_WiFi2_SSID", 924, 925),
          Edit("E_WiFi2_Password", 926, 927), Lang_Combo("CB_WiFi2_Secure_Type", 928, 929, 930, 4),
          Check("CB_WiFi2_En_DHCP", 934, 935), Octets("E_WiFi2_DHCP_IP", 936, 937, "192.168.0.100"),
          Octets("E_WiFi2_DHCP_SM", 941, 942, "255.255.255.0"), Edit("E_WiFi2_Lease_Time", 946, 947),
          Combo("CB_WiFi2_Max_Client", 948, 949, "1|2|3|4|5|6|7|8|9|10", 9),
          Lang_Combo("CB_WiFi2_Channel", 950, 951, 952, 12)}});
    p.push_back({"CP_GSM_GPRS",
                 1613,
                 {Digits("E_GSM_GPRS_PIN", 1614, 1615, "0", 8), Edit("E_GSM_GPRS_APN", 1616, 1617),
                  Combo("CB_GSM_GPRS_Auth_Type", 1618, 1619, "None|PAP|CHAP|PAP or CHAP", 0),
                  Edit("E_GSM_GPRS_Username", 1620, 1621, "", 32), Edit("E_GSM_GPRS_Password", 1622, 1623, "", 32)}});
    p.push_back({"CP_Select_Device",
                 1610,
                 {Combo("CB_Select_Device_Device", 1611, 1612,
                        "Only Ethernet Cable |Ethernet Cable + Wi-Fi|Ethernet Cable + Mobile Connection", 0)}});
    p.push_back({"CP_S7_Protocol", 1655, {Block("S7_Protocol", 1656)}});
}

std::vector<TParGenPanel> Build_Panels()
{
    std::vector<TParGenPanel> p;
    Converter_Panels(p);
    Building_And_Fieldbus_Panels(p);
    Network_Panels(p);
    Device_Panels(p);
    return p;
}

}  // namespace

const std::vector<TParGenPanel>& ParGen_Panels()
{
    static const std::vector<TParGenPanel> panels = Build_Panels();
    return panels;
}

const TParGenPanel* Find_ParGen_Panel(const std::string& name)
{
    for (const auto& p : ParGen_Panels())
        if (p.Name == name)
            return &p;
    return nullptr;
}

int Row_Span(const TParGenRow& row)
{
    if (row.Invisible)
        return 0;
    return row.Kind == TParGenRowKind::Block ? 3 : 1;
}

}  // namespace core
