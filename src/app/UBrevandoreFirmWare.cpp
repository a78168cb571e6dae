#include "app/UBrevandoreFirmWare.h"

#include <utility>

#include "app/UAbout.h"
#include "app/UMakerLink.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UProgramFolder.h"
#include "app/UProjects.h"
#include "app/USettingsFile.h"
#include "app/USoftOptions.h"
#include "app/UStartProgram.h"
#include "app/UVersionCheck.h"
#include "app/UWindows.h"
#include "common/NumConv.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "common/UMaker.h"
#include "controls/button/LbGlyphs.h"
#include "core/USaveBincc.h"
#include "dialogs/UBoot.h"
#include "dialogs/UDialogFrame.h"
#include "dialogs/UEtherCAT_ESI_Create.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/Folders.h"

using namespace dlg;
using Btn = controls::TLbButton* TFBrevandoreFirmWare::*;

TFBrevandoreFirmWare* FBrevandoreFirmWare = nullptr;

struct TFBrevandoreFirmWare::TButtonSpec {
    Btn Field = nullptr;
    int Caption = -1;              // text number of the caption, -1: none from the text table
    int Hint = -1;                 // text number of the hint, -1: none
    bool Shown = false;            // part of the 58E26 steps (or the header)
    int Left = 0, Top = 0;         // where it is shown
    bool Needs_Project = false;    // refused while no configuration is open
    const char* Window = nullptr;  // window shown modally, or nullptr
    void (TFBrevandoreFirmWare::*Action)() = nullptr;
};

namespace {

constexpr unsigned kFirstInterval = 60000;
constexpr unsigned kNextInterval = 7200000;
constexpr int kStepTops[8] = {128, 172, 216, 260, 304, 348, 392, 436};

}  // namespace

const std::vector<TFBrevandoreFirmWare::TButtonSpec>& TFBrevandoreFirmWare::Button_Specs()
{
    using F = TFBrevandoreFirmWare;
    static const std::vector<TButtonSpec> specs = {
        {.Field = &F::Btn_Info, .Hint = 12, .Shown = true, .Left = 516, .Top = 8, .Window = "TFAbout"},
        {.Field = &F::Btn_Opz, .Hint = 13, .Shown = true, .Left = 574, .Top = 8},
        {.Field = &F::Btn_Close, .Hint = 14, .Shown = true, .Left = 632, .Top = 8},
        {.Field = &F::Btn_New,
         .Caption = 15,
         .Hint = 22,
         .Shown = true,
         .Left = 80,
         .Top = 112,
         .Action = &F::Create_New_Project},
        {.Field = &F::Btn_Open,
         .Caption = 16,
         .Hint = 23,
         .Shown = true,
         .Left = 258,
         .Top = 112,
         .Action = &F::Open_Project},
        {.Field = &F::Btn_Prm_Gen,
         .Caption = 20,
         .Hint = 24,
         .Shown = true,
         .Left = 80,
         .Top = 156,
         .Needs_Project = true,
         .Window = "TFParGen"},
        {.Field = &F::Btn_CreateBin,
         .Caption = 17,
         .Hint = 26,
         .Shown = true,
         .Left = 80,
         .Top = 332,
         .Needs_Project = true,
         .Action = &F::Update_Device},
        {.Field = &F::Btn_EtherCAT_Set_Access,
         .Caption = 21,
         .Hint = 25,
         .Shown = true,
         .Left = 80,
         .Top = 200,
         .Needs_Project = true,
         .Window = "TFEtherCATSlave"},
        {.Field = &F::Btn_Modbus_Set_Access,
         .Caption = 27,
         .Hint = 28,
         .Needs_Project = true,
         .Window = "TFModbus_TCP_Master_Set_Access"},
        {.Field = &F::Btn_BACnet_SetAccess,
         .Caption = 29,
         .Hint = 30,
         .Needs_Project = true,
         .Window = "TFBACnetAccess"},
        {.Field = &F::Btn_BACnet_EDE_File,
         .Caption = 31,
         .Hint = 32,
         .Needs_Project = true,
         .Action = &F::BACnet_EDE_File},
        {.Field = &F::Btn_CAN_Rec_Frame, .Caption = 33, .Hint = 34, .Needs_Project = true, .Window = "TFReceiveCAN"},
        {.Field = &F::Btn_CAN_Send_Frame, .Caption = 35, .Hint = 36, .Needs_Project = true, .Window = "TFTransmitCAN"},
        {.Field = &F::Btn_SDO_Server_CANopen,
         .Caption = 41,
         .Hint = 42,
         .Needs_Project = true,
         .Window = "TFSet_SDO_Server_Access"},
        {.Field = &F::Btn_SDO_Client_CANopen,
         .Caption = 43,
         .Hint = 44,
         .Needs_Project = true,
         .Window = "TFSet_SDO_Client_Access"},
        {.Field = &F::Btn_PDO_CANopen, .Caption = 45, .Hint = 46, .Needs_Project = true, .Window = "TFSet_PDO_Access"},
        {.Field = &F::Btn_CANopen_EDS, .Caption = 47, .Hint = 48, .Needs_Project = true, .Action = &F::Build_EDS_File},
        {.Field = &F::Btn_DNet_Net, .Caption = 49, .Hint = 50, .Needs_Project = true, .Window = "TFDNet"},
        {.Field = &F::Btn_DNet_Offset, .Caption = 51, .Hint = 52, .Needs_Project = true, .Window = "TFDefOffset"},
        {.Field = &F::Btn_DMX_Default, .Caption = 53, .Hint = 54, .Needs_Project = true, .Window = "TFDMXDefVal"},
        {.Field = &F::Btn_IEC61850_Client,
         .Caption = 55,
         .Hint = 56,
         .Needs_Project = true,
         .Window = "TFIEC_61850_Access"},
        {.Field = &F::Btn_IEC61850_Access,
         .Caption = 57,
         .Hint = 58,
         .Needs_Project = true,
         .Window = "TFIEC61850_Variables"},
        {.Field = &F::Btn_TLS_List_Certificates,
         .Caption = 59,
         .Hint = 60,
         .Needs_Project = true,
         .Window = "TFTLS_Server_Known_Cert"},
        {.Field = &F::Btn_MQTT_Set_Topic,
         .Caption = 61,
         .Hint = 62,
         .Needs_Project = true,
         .Window = "TFMQTT_Set_Topic"},
        {.Field = &F::Btn_SNMP_Trap, .Caption = 63, .Hint = 64, .Needs_Project = true, .Window = "TFSNMP_Trap_Access"},
        {.Field = &F::Btn_SNMP_MIB, .Caption = 65, .Hint = 66, .Needs_Project = true},
        {.Field = &F::Btn_SNMP_Manager_Access,
         .Caption = 67,
         .Hint = 68,
         .Needs_Project = true,
         .Window = "TFSNMPManagerAccess"},
        {.Field = &F::Btn_OPC_UA_Client_Access,
         .Caption = 69,
         .Hint = 70,
         .Needs_Project = true,
         .Window = "TFOPC_UA_Client_Access"},
        {.Field = &F::Btn_OPC_UA_Server_Access,
         .Caption = 71,
         .Hint = 72,
         .Needs_Project = true,
         .Window = "TFOPC_UA_Server_Access"},
        {.Field = &F::Btn_PROFINET_XML, .Caption = 73, .Hint = 74, .Needs_Project = true, .Action = &F::PROFINET_XML},
        {.Field = &F::Btn_EtherCAT_ESI_File, .Shown = true, .Left = 80, .Top = 288, .Needs_Project = true},
        {.Field = &F::Btn_EtherNetIP_Access,
         .Caption = 75,
         .Hint = 76,
         .Shown = true,
         .Left = 80,
         .Top = 244,
         .Needs_Project = true,
         .Window = "TFEtherNetIP_Master_Access"},
        {.Field = &F::Btn_S7_Protocol_Access,
         .Caption = 77,
         .Hint = 78,
         .Needs_Project = true,
         .Window = "TFS7_Protocol_Set_Access"},
    };
    return specs;
}

TFBrevandoreFirmWare::TFBrevandoreFirmWare(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    Build_Controls();
    OnCreate = [this](ui::TObject* s) { FormCreate(s); };
    OnClose = [this](ui::TObject* s, ui::TCloseAction& a) { FormClose(s, a); };
    DoCreate();
}

TFBrevandoreFirmWare::~TFBrevandoreFirmWare()
{
    if (FBrevandoreFirmWare == this)
        FBrevandoreFirmWare = nullptr;
}

void TFBrevandoreFirmWare::Build_Controls()
{
    Dialog_Frame(*this, 694, 484);
    const TTitleLabels title = Title_Labels(*this, this);
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    LL_Update = Place<ui::TLinkLabel>(this, this, "LL_Update", 208, 19, 300, 17);
    LL_Update->Hide();
    LL_Update->OnLinkClick = [this](ui::TObject* s, const std::string& link, ui::TSysLinkType) {
        LL_UpdateLinkClick(s, link);
    };
    auto square = [this](const char* name, const char* glyph) {
        auto* b = Place<controls::TLbButton>(this, this, name, 0, 0, 50, 50);
        Button_Look(*b, glyph, controls::bsNormal, Button_Hover_Blue);
        b->SetShowHint(true);
        return b;
    };
    Btn_Info = square("Btn_Info", "LBHELP");
    Btn_Opz = square("Btn_Opz", "LBALL");
    Btn_Close = square("Btn_Close", "LBCLOSE");
    L_Begin = Place_Label(this, this, "L_Begin", 16, 84, true);
    L_Name_Conf = Place_Label(this, this, "L_Name_Conf", 87, 75, false);
    L_Name_Conf_L2 = Place_Label(this, this, "L_Name_Conf_L2", 87, 88, false);
    Shape2 = Place<ui::TShape>(this, this, "Shape2", 80, 70, 348, 36);
    Shape2->Pen()->SetColor(ui::clSilver);
    Shape2->Brush()->SetStyle(ui::TBrushStyle::bsClear);
    for (int i = 0; i < 8; ++i)
        L_Step[i] = Place_Label(this, this, "L_Step_" + std::to_string(i + 1), 16, kStepTops[i], true);
    Shape1 = Place<ui::TShape>(this, this, "Shape1", 10, 383, 674, 1);
    L_Varnok = Place_Label(this, this, "L_Varnok", 565, 348, true);
    L_Varnok->SetCursor(ui::crHandPoint);
    L_Varnok->SetCaption(std::string(maker::Web_Domain));
    L_Varnok->OnClick = [this](ui::TObject* s) { L_VarnokClick(s); };
    auto step = [this](const char* name, const char* glyph = "LBRETRY") {
        auto* b = Place<controls::TLbButton>(this, this, name, 0, 0, 170, 36);
        Button_Look(*b, glyph);
        b->SetAlignment(ui::TAlignment::taLeftJustify);
        b->SetShowHint(true);
        return b;
    };
    Btn_New = step("Btn_New", "LBYES");
    Btn_Open = step("Btn_Open", "LBALL");
    Btn_Prm_Gen = step("Btn_Prm_Gen");
    Btn_Prm_Gen->SetStyle(controls::bsNormal);
    Btn_CreateBin = step("Btn_CreateBin");
    Btn_EtherCAT_Set_Access = step("Btn_EtherCAT_Set_Access");
    Timer_Update = new ui::TTimer(this);
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(kFirstInterval);
    Timer_Update->OnTimer = [this](ui::TObject* s) { Timer_UpdateTimer(s); };
    using F = TFBrevandoreFirmWare;
    const std::pair<Btn, const char*> other_models[] = {
        {&F::Btn_Modbus_Set_Access, "Btn_Modbus_Set_Access"},
        {&F::Btn_BACnet_SetAccess, "Btn_BACnet_SetAccess"},
        {&F::Btn_BACnet_EDE_File, "Btn_BACnet_EDE_File"},
        {&F::Btn_CAN_Rec_Frame, "Btn_CAN_Rec_Frame"},
        {&F::Btn_CAN_Send_Frame, "Btn_CAN_Send_Frame"},
        {&F::Btn_SDO_Server_CANopen, "Btn_SDO_Server_CANopen"},
        {&F::Btn_SDO_Client_CANopen, "Btn_SDO_Client_CANopen"},
        {&F::Btn_PDO_CANopen, "Btn_PDO_CANopen"},
        {&F::Btn_CANopen_EDS, "Btn_CANopen_EDS"},
        {&F::Btn_DNet_Net, "Btn_DNet_Net"},
        {&F::Btn_DNet_Offset, "Btn_DNet_Offset"},
        {&F::Btn_DMX_Default, "Btn_DMX_Default"},
        {&F::Btn_IEC61850_Client, "Btn_IEC61850_Client"},
        {&F::Btn_IEC61850_Access, "Btn_IEC61850_Access"},
        {&F::Btn_TLS_List_Certificates, "Btn_TLS_List_Certificates"},
        {&F::Btn_MQTT_Set_Topic, "Btn_MQTT_Set_Topic"},
        {&F::Btn_SNMP_Trap, "Btn_SNMP_Trap"},
        {&F::Btn_SNMP_MIB, "Btn_SNMP_MIB"},
        {&F::Btn_SNMP_Manager_Access, "Btn_SNMP_Manager_Access"},
        {&F::Btn_OPC_UA_Client_Access, "Btn_OPC_UA_Client_Access"},
        {&F::Btn_OPC_UA_Server_Access, "Btn_OPC_UA_Server_Access"},
        {&F::Btn_PROFINET_XML, "Btn_PROFINET_XML"},
    };
    for (const auto& [field, name] : other_models)
        this->*field = step(name);
    SD1 = new ui::TSaveDialog(this);
    SD1->Filter = "CSV (MS-DOS) (*.csv)|*.csv";
    SaveEDS = new ui::TSaveDialog(this);
    SaveEDS->Filter = "Electronic Data Sheet (*.eds)|*.eds";
    // The dialog adds "." and the default extension to a name typed without one, so the extension
    // is given without its pattern: "*.eds" would turn "net" into "net.*.eds".
    SaveEDS->DefaultExt = "eds";
    SaveMIB = new ui::TSaveDialog(this);
    SaveMIB->Filter = "Management Information Base (*.mib)|*.mib";
    SaveMIB->DefaultExt = "mib";
    Btn_EtherCAT_ESI_File = step("Btn_EtherCAT_ESI_File");
    Btn_EtherCAT_ESI_File->SetCaption("EtherCAT ESI File");
    Btn_EtherCAT_ESI_File->SetShowHint(false);
    SaveESI = new ui::TSaveDialog(this);
    core::Setup_ESI_Save_Dialog(*SaveESI);
    Btn_EtherNetIP_Access = step("Btn_EtherNetIP_Access");
    Btn_S7_Protocol_Access = step("Btn_S7_Protocol_Access");

    for (controls::TLbButton* b : Buttons())
        b->OnClick = [this](ui::TObject* s) { Btn_Click(s); };
}

std::vector<controls::TLbButton*> TFBrevandoreFirmWare::Buttons() const
{
    std::vector<controls::TLbButton*> list;
    for (const TButtonSpec& s : Button_Specs())
        list.push_back(this->*s.Field);
    return list;
}

void TFBrevandoreFirmWare::Apply_Layout()
{
    for (int i = 0; i < 8; ++i) {
        L_Step[i]->SetLeft(16);
        L_Step[i]->SetTop(kStepTops[i]);
        L_Step[i]->SetVisible(i < 6);
    }
    for (const TButtonSpec& s : Button_Specs()) {
        controls::TLbButton* b = this->*s.Field;
        b->SetVisible(s.Shown);
        if (s.Shown)
            b->SetBounds(s.Left, s.Top, b->Width(), b->Height());
    }
    L_Varnok->SetLeft(565);
    L_Varnok->SetTop(L_Step[5]->Top());
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientWidth(694);
    SetClientHeight(Btn_CreateBin->Top() + 152);
}

void TFBrevandoreFirmWare::FormCreate(ui::TObject*)
{
    Lang_List.clear();
    Apply_Layout();

    Path_Exe = Program_Folder();
    Path_Master = Path_Exe + "/MASTER";
    Path_Projects = Path_Exe + "/PROJECTS";
    Path_Language = Path_Exe + "/LANGUAGE";
    for (const std::string& folder : {Path_Master, Path_Projects, Path_Language})
        if (!sys::FolderExists(folder))
            sys::CreateFolder(folder);

    Name_Project.clear();
    Update_Read_Back = true;
    const std::string settingsError = Read_Setting(XML1);
    Update_Timer_State();

    const std::string description = SW_Desc_Init;
    const std::string ending = " - Converter";
    Title_SW = std::string(maker::Title_Prefix) + " - Configurator " + SW_Code_Init + " - " +
               description.substr(0, description.size() - ending.size()) + " ";
    SW_Code = SW_Code_Init;
    SW_Desc = SW_Desc_Init;
    SetCaption(Title_SW);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);

    Init_Language();

    // The remembered name comes from a file anyone can edit: it is reopened only when it names a
    // folder directly below PROJECTS (no separators, "." or ".."), and that very folder exists and
    // stays inside PROJECTS when links are followed.
    const std::string remembered = Path_Projects + "/" + Name_Project;
    if (!Name_Project.empty() && Project_Name_Problem(Name_Project) == 0 && Project_Folder_Inside(Name_Project))
        Path_Project = remembered;
    else
        Apply_Open_Project("");
    Set_Lang();
    Set_Files();

    Row_Copy_List.clear();
    SNMP_Trap_Read_List.clear();
    SNMP_Trap_Write_List.clear();
    Register_Window("TFBrevandoreFirmWare", this, [this] { Set_Lang(); });

    // A settings file that cannot be read is kept as it is (neither closing nor the options
    // dialog overwrite it); the user hears so once, now.
    settingsUnreadable_ = !settingsError.empty();
    if (settingsUnreadable_)
        ui::MessageDlg(Txt(79) + "\n" + settingsError, ui::TMsgDlgType::mtError, ui::mbOK);
}

void TFBrevandoreFirmWare::FormClose(ui::TObject*, ui::TCloseAction&)
{
    if (settingsUnreadable_)
        return;
    try {
        Save_Setting();
    } catch (const std::exception& e) {
        // The window still closes: the program ends with the settings of the previous run.
        ui::MessageDlg(e.what(), ui::TMsgDlgType::mtError, ui::mbOK);
    }
}

void TFBrevandoreFirmWare::Save_Setting()
{
    XML1.Clear();
    ::Save_Setting(XML1);
}

void TFBrevandoreFirmWare::Update_Timer_State()
{
    Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
}

void TFBrevandoreFirmWare::Show_Configuration()
{
    if (Name_Project.empty()) {
        L_Name_Conf->SetCaption(Txt(9));
        L_Name_Conf_L2->SetCaption(Txt(10));
    } else {
        L_Name_Conf->SetCaption(Txt(11));
        L_Name_Conf_L2->SetCaption(Name_Project);
    }
}

void TFBrevandoreFirmWare::Set_Lang()
{
    L_Begin->SetCaption(Txt(0));
    for (int i = 0; i < 8; ++i)
        L_Step[i]->SetCaption(Txt(1 + i));
    Show_Configuration();
    for (const TButtonSpec& s : Button_Specs()) {
        controls::TLbButton* b = this->*s.Field;
        if (s.Caption >= 0)
            b->SetCaption(Txt(s.Caption));
        if (s.Hint >= 0)
            b->SetHint(Txt(s.Hint));
    }
}

void TFBrevandoreFirmWare::Change_Language()
{
    Relabel_Windows();
}

void TFBrevandoreFirmWare::Show_Step_Window(const char* className)
{
    // Windows of later parts of the program join through Register_Window when they are created.
    if (ui::TCustomForm* window = Find_Window(className))
        window->ShowModal();
}

void TFBrevandoreFirmWare::Btn_Click(ui::TObject* Sender)
{
    for (const TButtonSpec& s : Button_Specs()) {
        if (this->*s.Field != Sender)
            continue;
        if (Sender == Btn_Close) {
            Close();
            return;
        }
        if (Sender == Btn_Opz) {
            if (FSoftOptions && FSoftOptions->ShowModal() == ui::mrOk) {
                if (!settingsUnreadable_)
                    Save_Setting();
                Update_Timer_State();
            }
            return;
        }
        if (s.Needs_Project && Path_Project.empty()) {
            ui::MessageDlg(Txt(18), ui::TMsgDlgType::mtError, ui::mbOK);
            return;
        }
        if (Sender == Btn_EtherCAT_ESI_File)
            core::Create_ESI_File(*SaveESI);
        else if (Sender == Btn_SNMP_MIB) {
            if (Create_SNMP_MIB_File)
                Create_SNMP_MIB_File();
        } else if (s.Window)
            Show_Step_Window(s.Window);
        else if (s.Action)
            (this->*s.Action)();
        return;
    }
}

void TFBrevandoreFirmWare::Create_New_Project()
{
    if (FNew_Project && FNew_Project->ShowModal() == ui::mrOk)
        Show_Configuration();
}

void TFBrevandoreFirmWare::Open_Project()
{
    if (!FOpenConf || FOpenConf->ShowModal() != ui::mrOk)
        return;
    Apply_Open_Project(FOpenConf->Name_Conf);
    Show_Configuration();
}

void TFBrevandoreFirmWare::Timer_UpdateTimer(ui::TObject*)
{
    Timer_Update->SetEnabled(false);
    if (Check_Version()) {
        LL_Update->SetCaption("<a href=\"" + Download_Link() + "\">" + Txt(19) + "</a>");
        LL_Update->Show();
    } else {
        LL_Update->Hide();
    }
    Timer_Update->SetInterval(kNextInterval);
    Timer_Update->SetEnabled(true);
}

void TFBrevandoreFirmWare::LL_UpdateLinkClick(ui::TObject*, const std::string& Link)
{
    Open_Url(Link);
}

void TFBrevandoreFirmWare::L_VarnokClick(ui::TObject*)
{
    Open_Url(Maker_Home_Url());
}

void TFBrevandoreFirmWare::Update_Device()
{
    try {
        core::Build_Banks();
        core::Save_Banks();
    } catch (const rtl::EFileError& e) {
        // Updating the converter with images that were not written would send stale files.
        ui::MessageDlg(e.what(), ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    if (!FBoot)
        return;
    FBoot->Form_Type = 1;
    FBoot->ShowModal();
}

void TFBrevandoreFirmWare::Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo)
{
    ::Start_Program(NomeSW, Parameter, tipo);
}

void TFBrevandoreFirmWare::PROFINET_XML()
{
    ui::TCustomForm* window = Find_Window("TFProfinetFileName");
    if (window && window->ShowModal() == ui::mrOk && Create_PROFINET_XML_File)
        Create_PROFINET_XML_File();
}

void TFBrevandoreFirmWare::Build_EDS_File()
{
    SaveEDS->InitialDir = Path_Project;
    if (SaveEDS->Execute() && Save_EDS_File)
        Save_EDS_File(SaveEDS->FileName);
}

void TFBrevandoreFirmWare::BACnet_EDE_File()
{
    SD1->InitialDir = Path_Project;
    if (!SD1->Execute())
        return;
    std::string file = SD1->FileName;
    if (file.size() < 4 || rtl::UpperCase(file.substr(file.size() - 4)) != ".CSV")
        file += ".csv";
    if (sys::FileExists(file) &&
        ui::MessageDlg(Txt(1105), ui::TMsgDlgType::mtConfirmation, ui::mbYesNoCancel) != ui::IDYES)
        return;
    if (Save_EDE_File)
        Save_EDE_File(file);
}

int TFBrevandoreFirmWare::Get_Type_BACnet()
{
    if (!sys::FileExists(File_ParGen))
        return 0;
    try {
        XML1.LoadFromFile(File_ParGen);
        // Read like every other number of a table file (decimal, or hexadecimal after "$" or "0x").
        return Str_To_Int_Def(XML1.DocumentElement().ChildByName("BACnet_Type").Text().value_or(""), 0);
    } catch (const std::exception&) {
        return 0;
    }
}
