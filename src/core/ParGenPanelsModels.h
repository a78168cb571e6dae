#pragma once
// Which panels each converter model shows, the re-layout rule of every panel and the controls
// whose change re-lays the panels out.

#include <string>
#include <string_view>
#include <vector>

namespace core {

// The model this program is built for.
inline constexpr std::string_view ParGen_Built_Model = "58E26";

struct TParGenModel {
    std::string Model;                // "58E00" .. "58E28"
    std::vector<std::string> Panels;  // in display order, starting with the two common panels
};

// The 27 models of the family.
const std::vector<TParGenModel>& ParGen_Models();
const TParGenModel* Find_ParGen_Model(std::string_view model);

// How DHCP for the cable connection acts on a panel's address block.
enum class TParGenDhcpRule {
    None,
    Edits,           // the twelve address edits are disabled while DHCP is on
    EditsAndGateway  // the same, and the gateway check box with them
};

// The switch of a panel whose layout depends on its own controls.
enum class TParGenSwitch { None, BACnet, MQTT, TLS, TLS_Server, SNMP_Agent, WiFi2 };

struct TParGenPanelRule {
    std::string Panel{};
    std::string Height_From{};  // control whose bottom sets the panel's height (switch panels: none)
    std::string Address_Key{};  // key of the panel's address block, when the DHCP rule applies to one
    TParGenDhcpRule Dhcp = TParGenDhcpRule::None;
    std::vector<std::string> Hidden{};  // controls the rule always hides
    TParGenSwitch Switch = TParGenSwitch::None;
    std::vector<std::string> Disabled{};  // controls the rule always disables
};

const TParGenPanelRule* Find_ParGen_Rule(std::string_view panel);

// Whether a change (combo boxes) or click (check boxes) of this control re-lays the panels out.
bool Changes_ParGen_Layout(std::string_view control);

}  // namespace core
