// Layout rules of the panels whose rows depend on their own switches, and the extra steps of the
// models that show or open panels by the state of another panel. Rows are stacked downward;
// hidden rows keep their place.

#include <string>
#include <vector>

#include "common/OpcUaSnmp.h"
#include "dialogs/UParGen.h"

using namespace core::pargen_layout;

namespace {

bool Checked(const TFParGen& f, const std::string& name)
{
    const auto* c = dynamic_cast<const ui::TButtonControl*>(f.Control(name));
    return c && c->Checked();
}

int Item_Index(const TFParGen& f, const std::string& name)
{
    const auto* c = dynamic_cast<const ui::TComboBox*>(f.Control(name));
    return c ? c->ItemIndex() : -1;
}

}  // namespace

// Shows a row at `row` or hides it. A row is a field with its label, or four octet edits (name is
// their prefix) with their label and "." labels.
void TFParGen::Set_Row(const std::string& name, int row, bool visible)
{
    auto place = [&](ui::TControl* c, int top) {
        if (!c)
            return;
        c->SetVisible(visible);
        if (visible)
            c->SetTop(top);
    };
    const std::string label = core::Label_Name(name);
    place(Control(label), Field_Top(row) + Label_Drop);
    if (ui::TControl* field = Control(name)) {
        place(field, Field_Top(row) + (dynamic_cast<ui::TButtonControl*>(field) ? 2 : 0));
        return;
    }
    for (char i = '1'; i <= '4'; ++i)
        place(Control(name + i), Field_Top(row));
    for (char i = '1'; i <= '3'; ++i)
        place(Control(label + "_Dot" + i), Field_Top(row) + Label_Drop);
}

// IP-address, subnet-mask and gateway rows of an address block from `row` on.
void TFParGen::Set_Block(const std::string& key, int row, bool visible)
{
    Set_Row("E_" + key + "_IP", row, visible);
    Set_Row("E_" + key + "_SM", row + 1, visible);
    Set_Row("CB_" + key + "_GAT", row + 2, visible);
    Set_Row("E_" + key + "_GAT", row + 2, visible);
}

void TFParGen::Apply_Switch(const core::TParGenPanelRule& rule, ui::TCategoryPanel* panel)
{
    using S = core::TParGenSwitch;
    std::string last;
    switch (rule.Switch) {
    case S::BACnet:
        last = RePosition_BACnet(rule.Address_Key);
        break;
    case S::MQTT:
        last = RePosition_MQTT();
        break;
    case S::TLS:
        last = RePosition_TLS();
        break;
    case S::TLS_Server:
        last = RePosition_TLS_Server();
        break;
    case S::SNMP_Agent:
        last = RePosition_SNMP_Agent();
        break;
    case S::WiFi2:
        last = RePosition_WiFi2();
        break;
    case S::None:
        last = rule.Height_From;
        break;
    }
    Set_Height_From(panel, Control(last));
}

// BACnet/IP shows the address block and the IP rows; MS/TP shows its own rows from the address
// row down. The slave's 32-character box follows the last row.
std::string TFParGen::RePosition_BACnet(const std::string& key)
{
    const std::string e = "E_" + key + "_";
    const bool slave = key == "BACnet_Slave";
    const bool ip = Item_Index(*this, "CB_" + key + "_Type") == 0;
    std::vector<std::string> ip_rows{e + "Port", e + "DeviceName", e + "DeviceID"};
    if (!slave)
        ip_rows.push_back(e + "TimeOut");
    std::vector<std::string> mstp_rows{
        "CB_" + key + "_Baudrate", "CB_" + key + "_Parity", e + "Ser_DeviceName", e + "MAC",
        e + "MaxMaster",           e + "MaxInfoFrame",      e + "DeviceInstance"};
    if (slave)
        mstp_rows.push_back(e + "NetWork");

    Set_Block(key, 1, ip);
    int row = 4;
    for (const auto& r : ip_rows)
        Set_Row(r, row++, ip);
    int mstp_row = 1;
    for (const auto& r : mstp_rows)
        Set_Row(r, mstp_row++, !ip);
    if (!slave)
        return ip ? ip_rows.back() : mstp_rows.back();
    const std::string desc = "CB_BACnet_Slave_Desc32";
    Set_Row(desc, ip ? row : mstp_row, true);
    return desc;
}

std::string TFParGen::RePosition_MQTT()
{
    const bool will = Checked(*this, "CB_MQTT_WillFlag");
    int row = 6;
    for (const char* r : {"E_MQTT_Topic_Will", "E_MQTT_Message_Will", "CB_MQTT_RetainedWill", "CB_MQTT_QoS_Will"})
        Set_Row(r, row++, will);
    if (!will)
        row = 6;
    Set_Row("CB_MQTT_PublishTopicConnection", row, true);
    const bool publish = Checked(*this, "CB_MQTT_PublishTopicConnection");
    int next = row + 1;
    for (const char* r : {"E_MQTT_Topic_Connection", "E_MQTT_Message_Connection", "CB_MQTT_RetainedConnection"})
        Set_Row(r, next++, publish);
    if (!publish)
        next = row + 1;
    Set_Row("E_MQTT_Username", next, true);
    Set_Row("E_MQTT_Password", next + 1, true);
    for (const char* r : {"E_MQTT_Send_Time", "E_MQTT_DALI_Topic", "CB_MQTT_Reprogramming",
                          "E_MQTT_Reprogramming_Topic", "E_MQTT_Reprogramming_Value"})
        Set_Row(r, 0, false);
    return "E_MQTT_Password";
}

std::string TFParGen::RePosition_TLS()
{
    const bool on = Checked(*this, "CB_TLS_Enable");
    const bool server = on && Checked(*this, "CB_TLS_En_Server_Auth");
    const bool client = on && Checked(*this, "CB_TLS_En_Client_Auth");
    Set_Row("CB_TLS_En_Server_Auth", 1, on);
    Set_Row("E_TLS_Server_Cert", 2, server);
    const int client_row = server ? 3 : 2;
    Set_Row("CB_TLS_En_Client_Auth", client_row, on);
    int row = client_row + 1;
    for (const char* r : {"E_TLS_Client_Cert", "E_TLS_Client_Key", "E_TLS_Client_Key_Password"})
        Set_Row(r, row++, client);
    if (!on)
        return "CB_TLS_Enable";
    return client ? "E_TLS_Client_Key_Password" : "CB_TLS_En_Client_Auth";
}

std::string TFParGen::RePosition_TLS_Server()
{
    const bool on = Checked(*this, "CB_TLS_Server_Enable");
    int row = 1;
    for (const char* r : {"E_TLS_Server_Key", "E_TLS_Server_Key_Password", "E_TLS_Server_Server_Cert",
                          "E_TLS_Server_Root_Cert", "CB_TLS_Server_Only_Known"})
        Set_Row(r, row++, on);
    return on ? "CB_TLS_Server_Only_Known" : "CB_TLS_Server_Enable";
}

std::string TFParGen::RePosition_SNMP_Agent()
{
    const bool v3 = Checked(*this, "CB_SNMP_Agent_Version3");
    const int level = v3 ? Item_Index(*this, "CB_SNMP_Agent_SecurityLevel") : -1;
    Set_Row("E_SNMP_Agent_User", 7, v3);
    Set_Row("CB_SNMP_Agent_SecurityLevel", 8, v3);
    Set_Row("E_SNMP_Agent_Authority", 9, level >= 1);
    Set_Row("CB_SNMP_Agent_AuthorityMode", 10, level >= 1);
    Set_Row("E_SNMP_Agent_Privacy", 11, level >= 2);
    Set_Row("CB_SNMP_Agent_PrivacyMode", 12, level >= 2);
    if (!v3)
        return "CB_SNMP_Agent_Version3";
    if (level >= 2)
        return "CB_SNMP_Agent_PrivacyMode";
    return level == 1 ? "CB_SNMP_Agent_AuthorityMode" : "CB_SNMP_Agent_SecurityLevel";
}

// Enables or disables the edits of an address block and, when asked, its gateway box.
void TFParGen::Enable_Block(const std::string& key, bool enabled, bool gateway_box)
{
    for (const char* part : {"_IP", "_SM", "_GAT"})
        for (char i = '1'; i <= '4'; ++i)
            if (ui::TControl* c = Control("E_" + key + part + i))
                c->SetEnabled(enabled);
    if (gateway_box)
        if (ui::TControl* c = Control("CB_" + key + "_GAT"))
            c->SetEnabled(enabled);
}

std::string TFParGen::RePosition_WiFi2()
{
    const bool station = Item_Index(*this, "CB_WiFi2_Type") == 1;
    int row = 1;
    if (!station) {
        Set_Row("L_WiFi2_IP_Address_1", 0, false);
        Set_Row("L_WiFi2_IP_Address_2", 0, false);
        Set_Block("WiFi2_2", 0, false);
        Set_Block("WiFi2", row, true);
        Enable_Block("WiFi2", true);
        row += 3;
        Set_Row("E_WiFi2_SSID", row++, true);
        Set_Row("CB_WiFi2_Secure_Type", row++, true);
        const bool secured = Item_Index(*this, "CB_WiFi2_Secure_Type") != 0;
        Set_Row("E_WiFi2_Password", secured ? row++ : row, secured);
        Set_Row("CB_WiFi2_En_DHCP", row++, true);
        const bool dhcp = Checked(*this, "CB_WiFi2_En_DHCP");
        for (const char* r : {"E_WiFi2_DHCP_IP", "E_WiFi2_DHCP_SM", "E_WiFi2_Lease_Time"})
            Set_Row(r, dhcp ? row++ : row, dhcp);
        Set_Row("CB_WiFi2_Max_Client", row++, true);
        Set_Row("CB_WiFi2_Channel", row, true);
        return "CB_WiFi2_Channel";
    }
    std::string first, second;
    const bool two = Get_WiFi2_Protocols(first, second) >= 2;
    const bool enabled = !Checked(*this, "CB_EthConn_En_DHCP_WiFi");
    Set_Row("L_WiFi2_IP_Address_1", row, two);
    if (two) {
        Control("L_WiFi2_IP_Address_1")->SetCaption(core::ParGen_Text(890) + " - " + first);
        ++row;
    }
    Set_Block("WiFi2", row, true);
    Enable_Block("WiFi2", enabled);
    row += 3;
    Set_Row("L_WiFi2_IP_Address_2", row, two);
    Set_Block("WiFi2_2", row + 1, two);
    if (two) {
        Control("L_WiFi2_IP_Address_2")->SetCaption(core::ParGen_Text(907) + " - " + second);
        Enable_Block("WiFi2_2", enabled);
        row += 4;
    }
    Set_Row("E_WiFi2_SSID", row++, true);
    Set_Row("E_WiFi2_Password", row, true);
    for (const char* r : {"CB_WiFi2_Secure_Type", "CB_WiFi2_En_DHCP", "E_WiFi2_DHCP_IP", "E_WiFi2_DHCP_SM",
                          "E_WiFi2_Lease_Time", "CB_WiFi2_Max_Client", "CB_WiFi2_Channel"})
        Set_Row(r, 0, false);
    return "E_WiFi2_Password";
}

// Steps some models run after their panels' rules.
void TFParGen::Model_Extra_Steps(std::string_view model)
{
    if (model == "58E05" || model == "58E06") {
        const std::string type = model == "58E05" ? "CB_BACnet_Master_Type" : "CB_BACnet_Slave_Type";
        Panel("CP_Ethernet")->SetVisible(Item_Index(*this, type) != 0);
    } else if (model == "58E17") {
        const int connection = Item_Index(*this, "CB_Select_Device_Device");
        auto open = [](ui::TCategoryPanel* p, bool on) {
            p->SetEnabled(on);
            p->SetCollapsed(!on);
        };
        open(Panel("CP_WiFi2"), connection == 1);
        open(Panel("CP_GSM_GPRS"), connection == 2);
    }
}
