#include "dialogs/UParGen.h"

#include "common/UComon.h"
#include "core/ParGenPanels.h"
#include "core/UParGenCheck.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Messages.h"

TFParGen* FParGen = nullptr;

TFParGen* Create_FParGen(ui::TComponent* owner)
{
    if (!FParGen)
        FParGen = new TFParGen(owner);
    return FParGen;
}

namespace {

constexpr int Client_Width = 460;
constexpr int Client_Height = 700;
// The panels' headers: a gradient down to this colour, captions in bold gray 15-pixel Verdana.
constexpr ui::TColor Panel_Header_Gradient = 14211303;
constexpr int Panel_Header_Font_Height = -15;

template <class T>
T* Find_As(const TFParGen& form, const std::string& name)
{
    auto* c = dynamic_cast<T*>(form.Control(name));
    if (!c)
        throw std::logic_error("The communication settings dialog lacks " + name);
    return c;
}

template <class T>
std::array<T*, 4> Find_Octets(const TFParGen& form, const std::string& prefix)
{
    std::array<T*, 4> edits{};
    for (std::size_t i = 0; i < 4; ++i)
        edits[i] = Find_As<T>(form, prefix + char('1' + i));
    return edits;
}

std::array<std::string, 4> Texts_Of(const std::array<ui::TEdit*, 4>& edits)
{
    std::array<std::string, 4> t;
    for (std::size_t i = 0; i < 4; ++i)
        t[i] = edits[i]->Text();
    return t;
}

void Set_Texts(const std::array<ui::TEdit*, 4>& edits, const std::array<std::string, 4>& texts)
{
    for (std::size_t i = 0; i < 4; ++i)
        edits[i]->SetText(texts[i]);
}

// A key whose element is empty counts as missing: its control gets the value shown when nothing
// is stored. A blank is text and is kept.
core::TParGenSettings Empty_Keys_As_Missing(core::TParGenSettings s)
{
    const core::TParGenSettings fallback;
    auto keep = [](std::string& value, const std::string& def) {
        if (value.empty())
            value = def;
    };
    auto keep_octets = [&](std::array<std::string, 4>& values, const std::array<std::string, 4>& defs) {
        for (std::size_t i = 0; i < 4; ++i)
            keep(values[i], defs[i]);
    };
    keep(s.Device_Name, fallback.Device_Name);
    keep_octets(s.Primary_DNS, fallback.Primary_DNS);
    keep_octets(s.Secondary_DNS, fallback.Secondary_DNS);
    keep(s.Revision_Number, fallback.Revision_Number);
    keep(s.Slave_Name, fallback.Slave_Name);
    keep(s.Node_Address, fallback.Node_Address);
    keep_octets(s.Master_IP, fallback.Master_IP);
    keep_octets(s.Master_SM, fallback.Master_SM);
    keep_octets(s.Master_GAT, fallback.Master_GAT);
    return s;
}

}  // namespace

TFParGen::TFParGen(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetName("FParGen");
    Build_Form();
    Build_Panels();
    Find_58E26_Controls();
    OnCreate = [this](ui::TObject* s) { FormCreate(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    OnResize = [this](ui::TObject* s) { FormResize(s); };
    OnMouseWheel = [this](ui::TObject* s, ui::TShiftState sh, int d, ui::TPoint p, bool& h) {
        FormMouseWheel(s, sh, d, p, h);
    };
    // The wheel reaches the window under the pointer first; over the panel group the dialog's own
    // scrolling applies rather than the group's default step.
    CPG->OnMouseWheel = [this](ui::TObject*, ui::TShiftState sh, int d, ui::TPoint p, bool& h) {
        FormMouseWheel(this, sh, d, p, h);
    };
    DoCreate();
}

TFParGen::~TFParGen()
{
    if (FParGen == this)
        FParGen = nullptr;
}

void TFParGen::Build_Form()
{
    // The design size, so that the right-anchored buttons keep their design places.
    dlg::Dialog_Frame(*this, Client_Width, Client_Height, "Verdana", dlg::TFrameBorder::Sizeable);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;

    P_Button = dlg::Button_Panel(*this);
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", 217);
    Btn_OK->SetAnchors(ui::akTop | ui::akRight);
    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", 335, ui::mrCancel);
    Btn_Cancel->SetAnchors(ui::akTop | ui::akRight);

    CPG = new ui::TCategoryPanelGroup(this);
    CPG->SetName("CPG");
    CPG->SetParent(this);
    CPG->SetAlign(ui::TAlign::alClient);
    CPG->SetParentColor(true);
    CPG->SetGradientColor(Panel_Header_Gradient);
    CPG->HeaderFont()->SetName("Verdana");
    CPG->HeaderFont()->SetHeight(Panel_Header_Font_Height);
    CPG->HeaderFont()->SetStyle(ui::fsBold);
    CPG->HeaderFont()->SetColor(ui::clGray);
}

void TFParGen::Build_Panels()
{
    core::TParGenHandlers handlers;
    handlers.Octet_KeyPress = [this](ui::TObject* s, char32_t& k) { KeyPress(s, k); };
    handlers.On_Change = [this](ui::TObject* s) { On_Change(s); };
    handlers.On_Click = [this](ui::TObject* s) { On_Click(s); };
    for (const auto& def : core::ParGen_Panels()) {
        auto* panel = new ui::TCategoryPanel(this);
        panel->SetParent(CPG);
        panel->SetPanelGroup(CPG);
        panel->SetWidth(CPG->ClientWidth());
        core::Build_ParGen_Panel(*panel, *this, def, handlers, texts_);
        panels_.push_back(panel);
    }
}

void TFParGen::Find_58E26_Controls()
{
    CP_Ethernet_Connection = Find_As<ui::TCategoryPanel>(*this, "CP_Ethernet_Connection");
    CP_EtherCAT_Slave = Find_As<ui::TCategoryPanel>(*this, "CP_EtherCAT_Slave");
    CP_EtherNetIP_Master = Find_As<ui::TCategoryPanel>(*this, "CP_EtherNetIP_Master");
    E_EthConn_Device_Name = Find_As<ui::TEdit>(*this, "E_EthConn_Device_Name");
    CB_EthConn_En_DHCP_Cable = Find_As<ui::TCheckBox>(*this, "CB_EthConn_En_DHCP_Cable");
    CB_EthConn_En_DHCP_WiFi = Find_As<ui::TCheckBox>(*this, "CB_EthConn_En_DHCP_WiFi");
    CB_EthConn_Enable_DNS = Find_As<ui::TCheckBox>(*this, "CB_EthConn_Enable_DNS");
    E_EthConn_Pri_DNS = Find_Octets<ui::TEdit>(*this, "E_EthConn_Pri_DNS_IP");
    E_EthConn_Sec_DNS = Find_Octets<ui::TEdit>(*this, "E_EthConn_Sec_DNS_IP");
    E_EtherCAT_Slave_Revision_Number = Find_As<ui::TEdit>(*this, "E_EtherCAT_Slave_Revision_Number");
    E_EtherCAT_Slave_Name = Find_As<ui::TEdit>(*this, "E_EtherCAT_Slave_Name");
    E_EtherCAT_Slave_Node_Address = Find_As<ui::TEdit>(*this, "E_EtherCAT_Slave_Node_Address");
    E_EtherNetIP_Master_IP = Find_Octets<ui::TEdit>(*this, "E_EtherNetIP_Master_IP");
    E_EtherNetIP_Master_SM = Find_Octets<ui::TEdit>(*this, "E_EtherNetIP_Master_SM");
    CB_EtherNetIP_Master_GAT = Find_As<ui::TCheckBox>(*this, "CB_EtherNetIP_Master_GAT");
    E_EtherNetIP_Master_GAT = Find_Octets<ui::TEdit>(*this, "E_EtherNetIP_Master_GAT");
    E_EtherNetIP_Master_Port = Find_As<ui::TEdit>(*this, "E_EtherNetIP_Master_Port");

    // The "." key moves along these chains of octet edits.
    for (const auto& chain : {std::vector{E_EthConn_Pri_DNS, E_EthConn_Sec_DNS},
                              std::vector{E_EtherNetIP_Master_IP, E_EtherNetIP_Master_SM, E_EtherNetIP_Master_GAT}}) {
        std::vector<ui::TEdit*> edits;
        for (const auto& octets : chain)
            edits.insert(edits.end(), octets.begin(), octets.end());
        for (std::size_t i = 0; i + 1 < edits.size(); ++i)
            nextOctet_[edits[i]] = edits[i + 1];
    }
}

ui::TControl* TFParGen::Control(std::string_view name) const
{
    return dynamic_cast<ui::TControl*>(FindComponent(std::string(name)));
}

ui::TCategoryPanel* TFParGen::Panel(std::string_view name) const
{
    return dynamic_cast<ui::TCategoryPanel*>(Control(name));
}

void TFParGen::FormCreate(ui::TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    for (auto* p : panels_)
        p->SetVisible(false);
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::FormShow(ui::TObject*)
{
    try {
        Show_Settings(Empty_Keys_As_Missing(core::Read_ParGen_Settings(File_ParGen)));
    } catch (const std::exception& e) {
        // An unreadable file must not be replaced by whatever the controls still hold from an
        // earlier show: report it and close without writing.
        ui::MessageDlg(e.what(), ui::TMsgDlgType::mtError, ui::mbOK);
        SetModalResult(ui::mrCancel);
    }
    Move_GroupBoxs();
}

void TFParGen::FormResize(ui::TObject*)
{
    if (ClientWidth() != Client_Width)
        SetClientWidth(Client_Width);
}

void TFParGen::FormMouseWheel(ui::TObject*, ui::TShiftState, int WheelDelta, ui::TPoint MousePos, bool& Handled)
{
    // The position arrives in screen coordinates, as the desktop sends it with the wheel.
    const ui::TPoint p = CPG->ScreenToClient(MousePos);
    if (!CPG->ClientRect().Contains(p))
        return;
    Handled = true;
    const unsigned code = WheelDelta > 0 ? ui::SB_LINEUP : ui::SB_LINEDOWN;
    for (int i = 0, lines = Wheel_Scroll_Lines(); i < lines; ++i) {
        Scroll_Group(code);
        Scroll_Group(ui::SB_ENDSCROLL);
    }
}

// One vertical-scroll step of the panel group; a line is one panel header high.
void TFParGen::Scroll_Group(unsigned code)
{
    if (code == ui::SB_LINEUP)
        CPG->SetVertScrollPosition(CPG->VertScrollPosition() - CPG->HeaderHeight());
    else if (code == ui::SB_LINEDOWN)
        CPG->SetVertScrollPosition(CPG->VertScrollPosition() + CPG->HeaderHeight());
}

core::TParGenSettings TFParGen::Settings() const
{
    core::TParGenSettings s;
    s.Device_Name = E_EthConn_Device_Name->Text();
    s.DHCP_Cable = CB_EthConn_En_DHCP_Cable->Checked();
    s.Enable_DNS = CB_EthConn_Enable_DNS->Checked();
    s.Primary_DNS = Texts_Of(E_EthConn_Pri_DNS);
    s.Secondary_DNS = Texts_Of(E_EthConn_Sec_DNS);
    s.Revision_Number = E_EtherCAT_Slave_Revision_Number->Text();
    s.Slave_Name = E_EtherCAT_Slave_Name->Text();
    s.Node_Address = E_EtherCAT_Slave_Node_Address->Text();
    s.Master_IP = Texts_Of(E_EtherNetIP_Master_IP);
    s.Master_SM = Texts_Of(E_EtherNetIP_Master_SM);
    s.Master_GAT = Texts_Of(E_EtherNetIP_Master_GAT);
    s.Enable_Gateway = CB_EtherNetIP_Master_GAT->Checked();
    return s;
}

void TFParGen::Show_Settings(const core::TParGenSettings& s)
{
    E_EthConn_Device_Name->SetText(s.Device_Name);
    CB_EthConn_En_DHCP_Cable->SetChecked(s.DHCP_Cable);
    CB_EthConn_En_DHCP_WiFi->SetChecked(false);
    CB_EthConn_Enable_DNS->SetChecked(s.Enable_DNS);
    Set_Texts(E_EthConn_Pri_DNS, s.Primary_DNS);
    Set_Texts(E_EthConn_Sec_DNS, s.Secondary_DNS);
    E_EtherCAT_Slave_Revision_Number->SetText(s.Revision_Number);
    E_EtherCAT_Slave_Name->SetText(s.Slave_Name);
    E_EtherCAT_Slave_Node_Address->SetText(s.Node_Address);
    Set_Texts(E_EtherNetIP_Master_IP, s.Master_IP);
    Set_Texts(E_EtherNetIP_Master_SM, s.Master_SM);
    Set_Texts(E_EtherNetIP_Master_GAT, s.Master_GAT);
    CB_EtherNetIP_Master_GAT->SetChecked(s.Enable_Gateway);
    E_EtherNetIP_Master_Port->SetText(std::string(core::EtherNetIP_Port_Text));
}

bool TFParGen::Controllo_Dati()
{
    const int fault = core::ParGen_First_Fault(Settings());
    if (fault == 0)
        return true;
    ui::MessageDlg(core::ParGen_Text(fault), ui::TMsgDlgType::mtError, ui::mbOK);
    return false;
}

void TFParGen::Btn_OKClick(ui::TObject*)
{
    if (!Controllo_Dati())
        return;
    core::Write_ParGen_Settings(File_ParGen, Settings());
    SetModalResult(ui::mrOk);
}

void TFParGen::Set_Lang()
{
    SetCaption(core::ParGen_Text(400));
    L_SW_Desc->SetCaption(core::ParGen_Text(401));
    Btn_OK->SetCaption(core::ParGen_Text(402));
    Btn_OK->SetHint(core::ParGen_Text(404));
    Btn_Cancel->SetCaption(core::ParGen_Text(403));
    Btn_Cancel->SetHint(core::ParGen_Text(405));
    core::Apply_ParGen_Texts(texts_);
    // The numbered panel captions are composed once, at creation: they keep the language the
    // program started with.
}

void TFParGen::KeyPress(ui::TObject* Sender, char32_t& Key)
{
    if (Key != U'.')
        return;
    Key = 0;
    const auto next = nextOctet_.find(dynamic_cast<const ui::TControl*>(Sender));
    if (next != nextOctet_.end() && next->second->CanFocus())
        next->second->SetFocus();
}

void TFParGen::On_Change(ui::TObject* Sender)
{
    if (auto* c = dynamic_cast<ui::TComponent*>(Sender); c && core::Changes_ParGen_Layout(c->Name()))
        Move_GroupBoxs();
}

void TFParGen::On_Click(ui::TObject* Sender)
{
    On_Change(Sender);
}
