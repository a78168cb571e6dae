#pragma once
// The communication settings dialog: Ethernet interface, DNS, EtherCAT slave identity and
// EtherNet/IP scanner address of the open configuration, kept in its ParGen.xml.
//
// The panel group holds the category panels of every converter model of the family; the panels
// of the model this program is built for are shown, numbered, and laid out again whenever a
// control that changes the layout is clicked or changed.

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "controls/button/LbButton.h"
#include "core/ParGenFile.h"
#include "core/ParGenPanelsModels.h"
#include "dialogs/ParGenPanelsBuild.h"
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

class TFParGen : public ui::TForm {
public:
    explicit TFParGen(ui::TComponent* AOwner);
    ~TFParGen() override;

    ui::TPanel* P_Title = nullptr;
    ui::TLabel* L_SW_Code = nullptr;
    ui::TLabel* L_SW_Desc = nullptr;
    ui::TCategoryPanelGroup* CPG = nullptr;
    ui::TPanel* P_Button = nullptr;
    controls::TLbButton* Btn_OK = nullptr;
    controls::TLbButton* Btn_Cancel = nullptr;

    // Panels of model 58E26 and their controls.
    ui::TCategoryPanel* CP_Ethernet_Connection = nullptr;
    ui::TCategoryPanel* CP_EtherCAT_Slave = nullptr;
    ui::TCategoryPanel* CP_EtherNetIP_Master = nullptr;
    ui::TEdit* E_EthConn_Device_Name = nullptr;
    ui::TCheckBox* CB_EthConn_En_DHCP_Cable = nullptr;
    ui::TCheckBox* CB_EthConn_En_DHCP_WiFi = nullptr;
    ui::TCheckBox* CB_EthConn_Enable_DNS = nullptr;
    std::array<ui::TEdit*, 4> E_EthConn_Pri_DNS{};  // E_EthConn_Pri_DNS_IP1 .. IP4
    std::array<ui::TEdit*, 4> E_EthConn_Sec_DNS{};  // E_EthConn_Sec_DNS_IP1 .. IP4
    ui::TEdit* E_EtherCAT_Slave_Revision_Number = nullptr;
    ui::TEdit* E_EtherCAT_Slave_Name = nullptr;
    ui::TEdit* E_EtherCAT_Slave_Node_Address = nullptr;
    std::array<ui::TEdit*, 4> E_EtherNetIP_Master_IP{};  // E_EtherNetIP_Master_IP1 .. IP4
    std::array<ui::TEdit*, 4> E_EtherNetIP_Master_SM{};  // E_EtherNetIP_Master_SM1 .. SM4
    ui::TCheckBox* CB_EtherNetIP_Master_GAT = nullptr;
    std::array<ui::TEdit*, 4> E_EtherNetIP_Master_GAT{};  // E_EtherNetIP_Master_GAT1 .. GAT4
    ui::TEdit* E_EtherNetIP_Master_Port = nullptr;

    // Any panel or control of the form by its name, or nullptr.
    ui::TControl* Control(std::string_view name) const;
    ui::TCategoryPanel* Panel(std::string_view name) const;

    void FormCreate(ui::TObject* Sender);
    void FormShow(ui::TObject* Sender);
    void FormResize(ui::TObject* Sender);
    void FormMouseWheel(ui::TObject* Sender, ui::TShiftState Shift, int WheelDelta, ui::TPoint MousePos, bool& Handled);
    void Btn_OKClick(ui::TObject* Sender);
    // True when every checked value is valid; otherwise shows the message of the first fault.
    bool Controllo_Dati();
    void Set_Lang();
    void Order_TAB_Panels();
    void Move_GroupBoxs();
    // Shared key handler of the octet edits: "." moves on to the next octet and is never typed.
    void KeyPress(ui::TObject* Sender, char32_t& Key);
    void On_Change(ui::TObject* Sender);
    void On_Click(ui::TObject* Sender);

    void Order_TAB_Panels_58E26();
    void RePosition_Objects_58E26();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_EtherCAT_Slave();
    void RePosition_Object_EtherNetIP_Master();

    // Panel set, order and numbering of any model of the family; re-layout of its panels.
    void Order_TAB_Panels_Model(std::string_view model);
    void RePosition_Objects_Model(std::string_view model);
    // The re-layout rule of one panel.
    void RePosition_Panel(std::string_view panel);

    // The settings as the controls hold them, and the controls set from settings.
    core::TParGenSettings Settings() const;
    void Show_Settings(const core::TParGenSettings& settings);

    // The desktop's "lines per wheel notch" setting; tests may replace it.
    std::function<int()> Wheel_Scroll_Lines = [] { return ui::Screen->WheelScrollLines(); };

protected:
    using ui::TForm::KeyPress;

private:
    void Build_Form();
    void Build_Panels();
    void Find_58E26_Controls();
    void Number_Panel_Captions();
    void Scroll_Group(unsigned code);
    void Set_Row(const std::string& name, int row, bool visible);
    void Set_Block(const std::string& key, int row, bool visible);
    void Enable_Block(const std::string& key, bool enabled, bool gateway_box = true);
    // Switch rules; each returns the control whose bottom sets the panel's height.
    std::string RePosition_BACnet(const std::string& key);
    std::string RePosition_MQTT();
    std::string RePosition_TLS();
    std::string RePosition_TLS_Server();
    std::string RePosition_SNMP_Agent();
    std::string RePosition_WiFi2();
    void Model_Extra_Steps(std::string_view model);
    void Set_Height_From(ui::TCategoryPanel* panel, const ui::TControl* last);
    void Apply_Dhcp_Rule(const core::TParGenPanelRule& rule);
    void Apply_Switch(const core::TParGenPanelRule& rule, ui::TCategoryPanel* panel);

    std::vector<ui::TCategoryPanel*> panels_;                 // all panels, in the order of the panel table
    std::vector<std::pair<ui::TCategoryPanel*, int>> shown_;  // numbered panels and their caption texts
    core::TParGenPanelTexts texts_;
    std::map<const ui::TControl*, ui::TWinControl*> nextOctet_;  // focus chain of the "." key
};

// The dialog's single instance, created with the program's other windows and kept until exit.
extern TFParGen* FParGen;
// Creates FParGen (owned by owner) unless it exists; returns it.
TFParGen* Create_FParGen(ui::TComponent* owner);
