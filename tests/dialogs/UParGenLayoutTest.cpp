#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "UParGenFixture.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"

using namespace coretest;

namespace {

int Bottom(const ui::TControl* c)
{
    return c->Top() + c->Height();
}

std::vector<std::string> Visible_Panels(const TFParGen& f)
{
    std::vector<std::string> names;
    for (int i = 0; i < f.CPG->PanelCount(); ++i)
        if (f.CPG->Panels(i)->Visible())
            names.push_back(f.CPG->Panels(i)->Name());
    return names;
}

TEST_F(ParGenDialog, ShowsTheThreeNumberedPanelsOfTheModelStackedAndSizedToTheirContent)
{
    Show();
    EXPECT_EQ(form->CPG->PanelCount(), 34);
    EXPECT_EQ(Visible_Panels(*form),
              (std::vector<std::string>{"CP_Ethernet_Connection", "CP_EtherCAT_Slave", "CP_EtherNetIP_Master"}));
    EXPECT_EQ(form->CP_Ethernet_Connection->Caption(), "1. Ethernet Connection");
    EXPECT_EQ(form->CP_EtherCAT_Slave->Caption(), "2. EtherCAT Slave");
    EXPECT_EQ(form->CP_EtherNetIP_Master->Caption(), "3. EtherNet/IP Master");

    const int extra = form->CPG->HeaderHeight() + 12;
    EXPECT_EQ(form->CP_Ethernet_Connection->Height(), Bottom(form->E_EthConn_Sec_DNS[3]) + extra);
    EXPECT_EQ(form->CP_EtherCAT_Slave->Height(), Bottom(form->E_EtherCAT_Slave_Node_Address) + extra);
    EXPECT_EQ(form->CP_EtherNetIP_Master->Height(), Bottom(form->E_EtherNetIP_Master_Port) + extra);
    EXPECT_EQ(form->CP_Ethernet_Connection->Top(), 0);
    EXPECT_EQ(form->CP_EtherCAT_Slave->Top(), Bottom(form->CP_Ethernet_Connection));
    EXPECT_EQ(form->CP_EtherNetIP_Master->Top(), Bottom(form->CP_EtherCAT_Slave));

    EXPECT_EQ(form->ClientWidth(), 460);
    EXPECT_EQ(form->ClientHeight(), 700);
    EXPECT_EQ(form->Btn_OK->Left(), 217);
    EXPECT_EQ(form->Btn_Cancel->Left(), 335);
    EXPECT_FALSE(form->CB_EthConn_En_DHCP_WiFi->Enabled());
}

TEST_F(ParGenDialog, TabOrderFollowsTheRows)
{
    std::vector<std::string> names;
    std::vector<ui::TWinControl*> list;
    form->CP_EtherNetIP_Master->GetTabOrderList(list);
    for (const auto* c : list)
        names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string>{
                         "E_EtherNetIP_Master_IP1", "E_EtherNetIP_Master_IP2", "E_EtherNetIP_Master_IP3",
                         "E_EtherNetIP_Master_IP4", "E_EtherNetIP_Master_SM1", "E_EtherNetIP_Master_SM2",
                         "E_EtherNetIP_Master_SM3", "E_EtherNetIP_Master_SM4", "CB_EtherNetIP_Master_GAT",
                         "E_EtherNetIP_Master_GAT1", "E_EtherNetIP_Master_GAT2", "E_EtherNetIP_Master_GAT3",
                         "E_EtherNetIP_Master_GAT4", "E_EtherNetIP_Master_Port"}));
}

TEST_F(ParGenDialog, DhcpForTheCableGreysOutTheScannerAddressButNotTheGatewayBox)
{
    Show();
    std::vector<ui::TEdit*> edits;
    for (const auto* octets :
         {&form->E_EtherNetIP_Master_IP, &form->E_EtherNetIP_Master_SM, &form->E_EtherNetIP_Master_GAT})
        edits.insert(edits.end(), octets->begin(), octets->end());

    for (bool dhcp : {true, false}) {
        form->CB_EthConn_En_DHCP_Cable->SetChecked(dhcp);
        for (const auto* e : edits)
            EXPECT_EQ(e->Enabled(), !dhcp) << e->Name() << " with DHCP " << dhcp;
        EXPECT_TRUE(form->CB_EtherNetIP_Master_GAT->Enabled());
        // Neither the gateway box nor the DNS box enables or disables anything.
        form->CB_EtherNetIP_Master_GAT->SetChecked(true);
        form->CB_EthConn_Enable_DNS->SetChecked(false);
        EXPECT_EQ(form->E_EtherNetIP_Master_GAT[0]->Enabled(), !dhcp);
        EXPECT_TRUE(form->E_EthConn_Pri_DNS[0]->Enabled());
    }
}

TEST_F(ParGenDialog, ControlsOfHiddenPanelsChangeNothingVisible)
{
    Show();
    const int height = form->CPG->ContentHeight();
    for (const char* name : {"CB_TLS_Enable", "CB_MQTT_WillFlag", "CB_WiFi2_En_DHCP"})
        dynamic_cast<ui::TCheckBox*>(form->Control(name))->SetChecked(true);
    dynamic_cast<ui::TComboBox*>(form->Control("CB_BACnet_Master_Type"))->UserSelect(1);
    EXPECT_EQ(Visible_Panels(*form).size(), 3u);
    EXPECT_EQ(form->CPG->ContentHeight(), height);
}

// Typing "." in an octet edit: never typed; moves on along the address where there is a next edit.
struct DotCase {
    const char* edit;
    const char* focus_after;
};

[[maybe_unused]] void PrintTo(const DotCase& c, std::ostream* os)
{
    *os << c.edit;
}

class ParGenDot : public ParGenDialog, public ::testing::WithParamInterface<DotCase> {};

TEST_P(ParGenDot, IsSwallowedAndMovesTheFocus)
{
    Show();
    auto* edit = dynamic_cast<ui::TEdit*>(form->Control(GetParam().edit));
    ASSERT_NE(edit, nullptr);
    const std::string before = edit->Text();
    if (edit->CanFocus())
        edit->SetFocus();
    char32_t key = U'.';
    edit->DoKeyPress(key);
    EXPECT_EQ(edit->Text(), before);
    if (GetParam().focus_after) {
        EXPECT_EQ(form->ActiveControl(), form->Control(GetParam().focus_after));
    }
}

const DotCase Dots[] = {
    {"E_EthConn_Pri_DNS_IP1", "E_EthConn_Pri_DNS_IP2"},
    {"E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1"},
    {"E_EthConn_Sec_DNS_IP4", "E_EthConn_Sec_DNS_IP4"},
    {"E_EtherNetIP_Master_IP4", "E_EtherNetIP_Master_SM1"},
    {"E_EtherNetIP_Master_SM4", "E_EtherNetIP_Master_GAT1"},
    {"E_EtherNetIP_Master_GAT4", "E_EtherNetIP_Master_GAT4"},
    {"E_Ethernet_IP1", nullptr},  // an octet edit of a hidden panel
};

// Each case is named for the edit the dot is typed into.
INSTANTIATE_TEST_SUITE_P(OctetEdits, ParGenDot, ::testing::ValuesIn(Dots),
                         [](const ::testing::TestParamInfo<DotCase>& info) {
                             return testsupport::CaseName(info.param.edit);
                         });

TEST_F(ParGenDialog, KeyFiltersOfTheEdits)
{
    Show();
    struct Typed {
        ui::TEdit* edit;
        char32_t key;
        bool kept;
    };
    const Typed cases[] = {
        {form->E_EtherNetIP_Master_IP[0], U'7', true},
        {form->E_EtherCAT_Slave_Revision_Number, U'a', false},
        {form->E_EtherCAT_Slave_Revision_Number, U'7', true},
        {form->E_EtherCAT_Slave_Node_Address, U'-', false},
        {form->E_EtherCAT_Slave_Name, U'a', true},
    };
    for (const auto& c : cases) {
        c.edit->SetFocus();
        c.edit->SetSelStart(c.edit->TextLength());
        const std::string before = c.edit->Text();
        char32_t key = c.key;
        c.edit->DoKeyPress(key);
        EXPECT_EQ(c.edit->Text() != before, c.kept) << c.edit->Name() << " " << static_cast<char>(c.key);
    }
}

TEST_F(ParGenDialog, TypedNamesStopAtTheirLimits)
{
    Show();
    const struct {
        ui::TEdit* edit;
        std::size_t limit;
    } cases[] = {{form->E_EthConn_Device_Name, 31}, {form->E_EtherCAT_Slave_Name, 15}};
    for (const auto& c : cases) {
        c.edit->SetText("");
        c.edit->SetFocus();
        ui::SendText(c.edit, std::string(40, 'n'));
        EXPECT_EQ(c.edit->Text(), std::string(c.limit, 'n')) << c.edit->Name();
    }
}

TEST_F(ParGenDialog, LanguageChangeRelabelsTheDialogAndRefillsTheWiFiLists)
{
    auto* type = dynamic_cast<ui::TComboBox*>(form->Control("CB_WiFi2_Type"));
    auto* channel = dynamic_cast<ui::TComboBox*>(form->Control("CB_WiFi2_Channel"));
    ASSERT_EQ(type->Items()->Count(), 2);
    ASSERT_EQ(channel->Items()->Count(), 12);
    EXPECT_EQ(channel->Items()->Strings(0), "Auto Search");
    EXPECT_EQ(channel->Items()->Strings(11), "11");
    type->SetItemIndex(1);
    channel->SetItemIndex(5);

    Lang_List[400] = "Impostazioni";
    Lang_List[402] = "Conferma";
    Lang_List[1545] = "Nome";
    Lang_List[1546] = "Inserire il nome";
    Lang_List[888] = "Punto di accesso";
    Lang_List[1544] = "Connessione";
    form->Set_Lang();

    EXPECT_EQ(form->Caption(), "Impostazioni");
    EXPECT_EQ(form->Btn_OK->Caption(), "Conferma");
    EXPECT_EQ(form->Control("L_EthConn_Device_Name")->Caption(), "Nome");
    EXPECT_EQ(form->E_EthConn_Device_Name->Hint(), "Inserire il nome");
    EXPECT_EQ(form->CP_Ethernet_Connection->Caption(), "1. Ethernet Connection");  // the start-up language
    EXPECT_EQ(type->Items()->Strings(0), "Punto di accesso");
    EXPECT_EQ(type->ItemIndex(), 0);
    EXPECT_EQ(channel->ItemIndex(), 0);
    EXPECT_EQ(channel->Items()->Count(), 12);
}

TEST_F(ParGenDialog, OnlyTheHeightFollowsAResize)
{
    form->SetClientWidth(600);
    form->SetClientHeight(500);
    EXPECT_EQ(form->ClientWidth(), 460);
    EXPECT_EQ(form->ClientHeight(), 500);
}

TEST_F(ParGenDialog, PanelsCollapseAndTheGroupScrollsWithTheWheel)
{
    Show();
    form->SetClientHeight(300);
    ASSERT_GT(form->CPG->ContentHeight(), form->CPG->ClientHeight());
    const int header = form->CPG->HeaderHeight();
    form->Wheel_Scroll_Lines = [] { return 2; };

    // The handler gets the screen point, as the desktop sends it.
    const ui::TPoint inside = form->CPG->ClientToScreen({10, 10});
    bool handled = false;
    form->FormMouseWheel(form.get(), 0, -120, inside, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(form->CPG->VertScrollPosition(), 2 * header);
    handled = false;
    form->FormMouseWheel(form.get(), 0, 120, inside, handled);
    EXPECT_EQ(form->CPG->VertScrollPosition(), 0);

    handled = false;
    form->FormMouseWheel(form.get(), 0, -120, form->P_Title->ClientToScreen({10, 10}), handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(form->CPG->VertScrollPosition(), 0);

    form->CP_Ethernet_Connection->Collapse();
    EXPECT_EQ(form->CP_EtherCAT_Slave->Top(), form->CP_Ethernet_Connection->Height());
    EXPECT_EQ(form->CP_Ethernet_Connection->Height(), header);
    form->CP_Ethernet_Connection->Expand();
    EXPECT_EQ(form->CP_EtherCAT_Slave->Top(), Bottom(form->CP_Ethernet_Connection));
}

// The wheel as the desktop delivers it: to the window under the pointer, with the screen point.
TEST_F(ParGenDialog, TheWheelScrollsTheGroupByTheDesktopsLinesOnlyOverTheGroup)
{
    Show();
    form->SetClientHeight(300);
    form->SetLeft(300);
    form->SetTop(200);
    const int header = form->CPG->HeaderHeight();
    int lines = 1;
    form->Wheel_Scroll_Lines = [&lines] { return lines; };

    ui::SendMouseWheel(form->E_EthConn_Device_Name, -120, 5, 5);
    EXPECT_EQ(form->CPG->VertScrollPosition(), header);
    ui::SendMouseWheel(form->CPG, -120, 10, 10);
    EXPECT_EQ(form->CPG->VertScrollPosition(), 2 * header);
    lines = 0;
    ui::SendMouseWheel(form->CPG, 120, 10, 10);
    EXPECT_EQ(form->CPG->VertScrollPosition(), 2 * header);
    lines = 1;
    ui::SendMouseWheel(form->CPG, 120, 10, 10);
    EXPECT_EQ(form->CPG->VertScrollPosition(), header);

    // Over the title or the button panel the group stays where it is.
    ui::SendMouseWheel(form->P_Title, -120, 10, 10);
    ui::SendMouseWheel(form->P_Button, -120, 10, 10);
    EXPECT_EQ(form->CPG->VertScrollPosition(), header);
}

TEST_F(ParGenDialog, RendersItsClientAreaAndWritesAPicture)
{
    Show();
    ui::TBitmap bitmap;
    ui::RenderControl(*form, bitmap);
    ASSERT_EQ(bitmap.Width(), 460);
    ASSERT_EQ(bitmap.Height(), 700);
    // The button panel shows the form's colour; the first panel's header is painted over the group.
    const ui::TPoint button_panel = form->P_Button->ClientToParent({4, 4});
    EXPECT_EQ(ui::ColorToRGB(bitmap.Pixel(button_panel.X, button_panel.Y)), 15595512u);
    const ui::TPoint header = form->CP_Ethernet_Connection->ClientToParent({10, -5}, form.get());
    EXPECT_NE(bitmap.Pixel(header.X, header.Y), bitmap.Pixel(button_panel.X, button_panel.Y));

    // The header shades down to its gradient colour; its caption is gray, nowhere black.
    ui::TCategoryPanel* panel = form->CP_Ethernet_Connection;
    const ui::TPoint top = panel->ClientToParent({panel->Width() / 2, 1 - panel->HeaderHeight()}, form.get());
    const ui::TPoint bottom = panel->ClientToParent({panel->Width() / 2, -1}, form.get());
    const auto near = [](ui::TColor c, ui::TColor want) {
        for (auto channel : {ui::GetRValue, ui::GetGValue, ui::GetBValue})
            if (std::abs(static_cast<int>(channel(c)) - static_cast<int>(channel(want))) > 2)
                return false;
        return true;
    };
    EXPECT_TRUE(near(bitmap.Pixel(top.X, top.Y), ui::ColorToRGB(ui::clBtnFace)));
    EXPECT_EQ(bitmap.Pixel(bottom.X, bottom.Y), 14211303u);
    int gray = 0, dark = 0;
    const ui::TPoint caption = panel->ClientToParent({0, -panel->HeaderHeight()}, form.get());
    for (int y = caption.Y; y < caption.Y + panel->HeaderHeight(); ++y)
        for (int x = caption.X + 2; x < caption.X + panel->Width() / 2; ++x) {
            const ui::TColor c = bitmap.Pixel(x, y);
            gray += c == ui::clGray;
            dark += ui::GetRValue(c) < 0x60 && ui::GetGValue(c) < 0x60 && ui::GetBValue(c) < 0x60;
        }
    EXPECT_GT(gray, 20);
    EXPECT_EQ(dark, 0);

    if (!ui::Backend())
        return;  // PNG files are written by the native backend
    const std::filesystem::path png = std::filesystem::path(CFG_BIN_DIR) / "pargen_dialog.png";
    std::filesystem::remove(png);
    ASSERT_TRUE(ui::RenderToPng(*form, png.string()));
    EXPECT_GT(std::filesystem::file_size(png), 1000u);
}

}  // namespace

TEST_F(ParGenDialog, AShortDialogShowsAScrollBarThatTheMouseMoves)
{
    Show();
    form->SetClientHeight(300);
    ui::TCategoryPanelGroup* group = form->CPG;
    ASSERT_TRUE(group->ScrollBarVisible(ui::SB_VERT));
    const int barX = group->ClientWidth() + ui::TWinControl::ScrollBarSize / 2;
    const ui::TPoint barAt = form->ScreenToClient(group->ClientToScreen({barX, 0}));

    ui::TBitmap shot;
    ui::RenderControl(*form, shot);
    const ui::TColor thumb = shot.Pixel(barAt.X, barAt.Y + 5);
    EXPECT_EQ(thumb, ui::ColorToRGB(ui::clBtnShadow));  // the thumb at the top of the bar
    EXPECT_EQ(shot.Pixel(barAt.X, barAt.Y + group->ClientHeight() - 3), ui::ColorToRGB(ui::clScrollBar));

    // Presses on the track below the thumb page down until the last row, the port, is in view.
    auto portVisible = [&] {
        const ui::TPoint port = group->ScreenToClient(form->E_EtherNetIP_Master_Port->ClientToScreen({0, 0}));
        return port.Y >= 0 && port.Y + form->E_EtherNetIP_Master_Port->Height() <= group->ClientHeight();
    };
    EXPECT_FALSE(portVisible());
    for (int i = 0; i < 10 && !portVisible(); ++i) {
        ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, barAt.X, barAt.Y + group->ClientHeight() - 3,
                            ui::MK_LBUTTON);
        ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, barAt.X, barAt.Y + group->ClientHeight() - 3);
    }
    EXPECT_TRUE(portVisible());
}
