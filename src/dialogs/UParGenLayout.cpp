// Panel set, numbering and re-layout of the communication settings dialog.

#include <string>

#include "core/ParGenPanels.h"
#include "dialogs/UParGen.h"

using core::pargen_layout::Bottom_Margin;

void TFParGen::Order_TAB_Panels()
{
    Order_TAB_Panels_58E26();
}

void TFParGen::Move_GroupBoxs()
{
    RePosition_Objects_58E26();
}

void TFParGen::Order_TAB_Panels_58E26()
{
    Order_TAB_Panels_Model("58E26");
}

void TFParGen::RePosition_Objects_58E26()
{
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_EtherCAT_Slave();
    RePosition_Object_EtherNetIP_Master();
    CPG->Relayout();
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    RePosition_Panel("CP_Ethernet_Connection");
}

void TFParGen::RePosition_Object_EtherCAT_Slave()
{
    RePosition_Panel("CP_EtherCAT_Slave");
}

void TFParGen::RePosition_Object_EtherNetIP_Master()
{
    RePosition_Panel("CP_EtherNetIP_Master");
}

void TFParGen::Order_TAB_Panels_Model(std::string_view model)
{
    const core::TParGenModel* m = core::Find_ParGen_Model(model);
    if (!m)
        return;
    shown_.clear();
    int top = 0;
    int order = 0;
    for (const std::string& name : m->Panels) {
        ui::TCategoryPanel* p = Panel(name);
        // The group stacks its panels in child order, so the model's order is made the child
        // order; hidden panels take no room wherever they stand.
        p->BringToFront();
        p->SetVisible(true);
        p->SetTop(top);
        top += p->Height();
        p->SetTabOrder(order++);
        shown_.emplace_back(p, core::Find_ParGen_Panel(name)->Caption);
    }
    CPG->Relayout();
    Number_Panel_Captions();
}

void TFParGen::RePosition_Objects_Model(std::string_view model)
{
    if (const core::TParGenModel* m = core::Find_ParGen_Model(model))
        for (const std::string& name : m->Panels)
            RePosition_Panel(name);
    Model_Extra_Steps(model);
    CPG->Relayout();
}

// "1. Ethernet Connection", "2. EtherCAT Slave", ... in the current language.
void TFParGen::Number_Panel_Captions()
{
    int number = 0;
    for (const auto& [panel, text] : shown_) {
        panel->SetCaption(std::to_string(++number) + ". " + core::ParGen_Text(text));
    }
}

void TFParGen::Set_Height_From(ui::TCategoryPanel* panel, const ui::TControl* last)
{
    if (!last)
        return;
    const int height = last->Top() + last->Height() + CPG->HeaderHeight() + Bottom_Margin;
    // A collapsed panel keeps showing its header only; the height is the one it expands to.
    const bool collapsed = panel->Collapsed();
    if (collapsed)
        panel->SetCollapsed(false);
    panel->SetHeight(height);
    if (collapsed)
        panel->SetCollapsed(true);
}

void TFParGen::Apply_Dhcp_Rule(const core::TParGenPanelRule& rule)
{
    if (rule.Dhcp != core::TParGenDhcpRule::None)
        Enable_Block(rule.Address_Key, !CB_EthConn_En_DHCP_Cable->Checked(),
                     rule.Dhcp == core::TParGenDhcpRule::EditsAndGateway);
}

void TFParGen::RePosition_Panel(std::string_view name)
{
    const core::TParGenPanelRule* rule = core::Find_ParGen_Rule(name);
    ui::TCategoryPanel* panel = Panel(name);
    if (!rule || !panel)
        return;
    for (const std::string& hidden : rule->Hidden)
        if (ui::TControl* c = Control(hidden))
            c->SetVisible(false);
    for (const std::string& disabled : rule->Disabled)
        if (ui::TControl* c = Control(disabled))
            c->SetEnabled(false);
    Apply_Dhcp_Rule(*rule);
    Apply_Switch(*rule, panel);
}
