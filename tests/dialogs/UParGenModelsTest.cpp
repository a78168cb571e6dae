#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "UParGenFixture.h"
#include "core/ParGenPanelsModels.h"

using namespace coretest;

namespace {

// The routines of the family's other models, run on the dialog by hand (this build never runs
// them itself).
class ParGenOtherModel : public ParGenDialog {
protected:
    void Use(const char* model)
    {
        for (int i = 0; i < form->CPG->PanelCount(); ++i)
            form->CPG->Panels(i)->SetVisible(false);
        form->Order_TAB_Panels_Model(model);
        form->RePosition_Objects_Model(model);
        model_ = model;
    }
    void Relayout() { form->RePosition_Objects_Model(model_); }
    ui::TCheckBox* Box(const char* name) { return dynamic_cast<ui::TCheckBox*>(form->Control(name)); }
    ui::TComboBox* List(const char* name) { return dynamic_cast<ui::TComboBox*>(form->Control(name)); }
    // Height a panel takes when its last shown control is `last`.
    int Height_From(const char* last)
    {
        const ui::TControl* c = form->Control(last);
        return c->Top() + c->Height() + form->CPG->HeaderHeight() + 12;
    }

private:
    const char* model_ = "";
};

TEST_F(ParGenOtherModel, BACnetClientShowsTheEthernetPanelOnlyForTheSerialVariant)
{
    Use("58E05");
    auto* ethernet = form->Panel("CP_Ethernet");
    EXPECT_EQ(ethernet->Caption(), "4. Ethernet");
    EXPECT_FALSE(ethernet->Visible());
    EXPECT_FALSE(form->Control("CB_BACnet_Master_Baudrate")->Visible());
    EXPECT_EQ(form->Panel("CP_BACnet_Master")->Height(), Height_From("E_BACnet_Master_TimeOut"));

    List("CB_BACnet_Master_Type")->SetItemIndex(1);
    Relayout();
    EXPECT_TRUE(ethernet->Visible());
    EXPECT_EQ(ethernet->Caption(), "4. Ethernet");
    EXPECT_FALSE(form->Control("E_BACnet_Master_IP1")->Visible());
    // The serial rows move up into the address rows.
    EXPECT_EQ(form->Control("CB_BACnet_Master_Baudrate")->Top(), form->Control("E_BACnet_Master_IP1")->Top());
    EXPECT_EQ(form->Panel("CP_BACnet_Master")->Height(), Height_From("E_BACnet_Master_DeviceInstance"));
    // The Ethernet panel's rule hides its port rows.
    EXPECT_FALSE(form->Control("E_Ethernet_TCP_Port")->Visible());
}

TEST_F(ParGenOtherModel, TlsPanelShrinksToItsEnableBoxAndGrowsWithItsSwitches)
{
    Use("58E17");
    auto* tls = form->Panel("CP_TLS");
    EXPECT_EQ(tls->Height(), Height_From("CB_TLS_Enable"));
    EXPECT_FALSE(form->Control("CB_TLS_En_Server_Auth")->Visible());

    Box("CB_TLS_Enable")->SetChecked(true);
    Box("CB_TLS_En_Client_Auth")->SetChecked(true);
    Relayout();
    EXPECT_FALSE(form->Control("E_TLS_Server_Cert")->Visible());
    EXPECT_EQ(form->Control("CB_TLS_En_Client_Auth")->Top(), form->Control("CB_TLS_En_Server_Auth")->Top() + 28);
    EXPECT_EQ(tls->Height(), Height_From("E_TLS_Client_Key_Password"));
}

TEST_F(ParGenOtherModel, ConnectionTypeOpensTheWiFiOrTheMobilePanel)
{
    Use("58E17");
    auto* wifi = form->Panel("CP_WiFi2");
    auto* gsm = form->Panel("CP_GSM_GPRS");
    EXPECT_TRUE(wifi->Collapsed());
    EXPECT_FALSE(gsm->Enabled());

    List("CB_Select_Device_Device")->SetItemIndex(1);
    Relayout();
    EXPECT_FALSE(wifi->Collapsed());
    EXPECT_TRUE(wifi->Enabled());
    EXPECT_TRUE(gsm->Collapsed());

    List("CB_Select_Device_Device")->SetItemIndex(2);
    Relayout();
    EXPECT_TRUE(wifi->Collapsed());
    EXPECT_FALSE(gsm->Collapsed());
    EXPECT_TRUE(gsm->Enabled());
}

TEST_F(ParGenOtherModel, WiFiStationFollowsTheWiFiDhcpBoxAndDropsTheAccessPointRows)
{
    Use("58E17");
    // Collapsed while the connection type leaves Wi-Fi out, but sized for when it opens.
    EXPECT_EQ(form->Panel("CP_WiFi2")->Height(), form->CPG->HeaderHeight());
    EXPECT_EQ(form->Panel("CP_WiFi2")->ExpandedHeight(), Height_From("CB_WiFi2_Channel"));
    EXPECT_FALSE(form->Control("E_WiFi2_Password")->Visible());  // "Unsecured"

    List("CB_WiFi2_Type")->SetItemIndex(1);
    form->CB_EthConn_En_DHCP_WiFi->SetChecked(true);
    Relayout();
    EXPECT_FALSE(form->Control("CB_WiFi2_Channel")->Visible());
    EXPECT_FALSE(form->Control("E_WiFi2_IP1")->Enabled());
    EXPECT_FALSE(form->Control("CB_WiFi2_GAT")->Enabled());
    EXPECT_FALSE(form->Control("L_WiFi2_IP_Address_1")->Visible());
    EXPECT_EQ(form->Panel("CP_WiFi2")->Height(), form->CPG->HeaderHeight());
    EXPECT_EQ(form->Panel("CP_WiFi2")->ExpandedHeight(), Height_From("E_WiFi2_Password"));
}

// Every model's panels stand top to bottom in the order of their numbers.
TEST_F(ParGenOtherModel, PanelsStackInTheOrderOfTheirNumbers)
{
    for (const auto& m : core::ParGen_Models()) {
        Use(m.Model.c_str());
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < m.Panels.size(); ++i) {
            const ui::TCategoryPanel* p = form->Panel(m.Panels[i]);
            EXPECT_EQ(p->Caption().substr(0, p->Caption().find(' ')), std::to_string(i + 1) + ".") << m.Model;
            if (p->Visible())
                expected.push_back(m.Panels[i]);
        }
        std::vector<const ui::TCategoryPanel*> shown;
        for (int i = 0; i < form->CPG->PanelCount(); ++i)
            if (form->CPG->Panels(i)->Visible())
                shown.push_back(form->CPG->Panels(i));
        std::sort(shown.begin(), shown.end(), [](auto* a, auto* b) { return a->Top() < b->Top(); });
        std::vector<std::string> stacked;
        for (const auto* p : shown)
            stacked.push_back(p->Name());
        EXPECT_EQ(stacked, expected) << m.Model;
    }
}

}  // namespace
