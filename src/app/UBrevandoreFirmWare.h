// The main window: the six numbered steps of the converter, the configuration lines, the About,
// options and close buttons, the maker link and the new-version link. It owns the objects the
// other parts borrow: the XML document, the version-check timer and the file-save dialogs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "platform/xml/Xml.h"

class TFBrevandoreFirmWare : public ui::TForm {
public:
    explicit TFBrevandoreFirmWare(ui::TComponent* AOwner);
    ~TFBrevandoreFirmWare() override;

    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TLinkLabel* LL_Update;
    controls::TLbButton* Btn_Info;
    controls::TLbButton* Btn_Opz;
    controls::TLbButton* Btn_Close;
    ui::TLabel* L_Begin;
    ui::TLabel* L_Name_Conf;
    ui::TLabel* L_Name_Conf_L2;
    ui::TShape* Shape2;
    ui::TLabel* L_Step[8];  // L_Step_1 .. L_Step_8
    ui::TShape* Shape1;
    ui::TLabel* L_Varnok;
    controls::TLbButton* Btn_New;
    controls::TLbButton* Btn_Open;
    controls::TLbButton* Btn_Prm_Gen;
    controls::TLbButton* Btn_CreateBin;
    controls::TLbButton* Btn_EtherCAT_Set_Access;
    ui::TTimer* Timer_Update;
    xml::Document XML1;
    controls::TLbButton* Btn_Modbus_Set_Access;
    controls::TLbButton* Btn_BACnet_SetAccess;
    controls::TLbButton* Btn_BACnet_EDE_File;
    controls::TLbButton* Btn_CAN_Rec_Frame;
    controls::TLbButton* Btn_CAN_Send_Frame;
    controls::TLbButton* Btn_SDO_Server_CANopen;
    controls::TLbButton* Btn_SDO_Client_CANopen;
    controls::TLbButton* Btn_PDO_CANopen;
    controls::TLbButton* Btn_CANopen_EDS;
    controls::TLbButton* Btn_DNet_Net;
    controls::TLbButton* Btn_DNet_Offset;
    controls::TLbButton* Btn_DMX_Default;
    controls::TLbButton* Btn_IEC61850_Client;
    controls::TLbButton* Btn_IEC61850_Access;
    controls::TLbButton* Btn_TLS_List_Certificates;
    controls::TLbButton* Btn_MQTT_Set_Topic;
    controls::TLbButton* Btn_SNMP_Trap;
    controls::TLbButton* Btn_SNMP_MIB;
    controls::TLbButton* Btn_SNMP_Manager_Access;
    controls::TLbButton* Btn_OPC_UA_Client_Access;
    controls::TLbButton* Btn_OPC_UA_Server_Access;
    controls::TLbButton* Btn_PROFINET_XML;
    ui::TSaveDialog* SD1;
    ui::TSaveDialog* SaveEDS;
    ui::TSaveDialog* SaveMIB;
    controls::TLbButton* Btn_EtherCAT_ESI_File;
    ui::TSaveDialog* SaveESI;
    controls::TLbButton* Btn_EtherNetIP_Access;
    controls::TLbButton* Btn_S7_Protocol_Access;

    // Writers of the other converter models; each joins the program with its own table dialogs
    // and is skipped while it is not there.
    std::function<void(const std::string& file)> Save_EDE_File;
    std::function<void(const std::string& file)> Save_EDS_File;
    std::function<void()> Create_SNMP_MIB_File;
    std::function<void()> Create_PROFINET_XML_File;  // reads the file name from its own dialog

    void FormCreate(ui::TObject* Sender);
    void FormClose(ui::TObject* Sender, ui::TCloseAction& Action);
    void Btn_Click(ui::TObject* Sender);
    void Set_Lang();
    void Change_Language();
    void Create_New_Project();
    void Open_Project();
    void Save_Setting();
    void Timer_UpdateTimer(ui::TObject* Sender);
    void LL_UpdateLinkClick(ui::TObject* Sender, const std::string& Link);
    void L_VarnokClick(ui::TObject* Sender);
    void Update_Device();
    void Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo);
    void PROFINET_XML();
    void Build_EDS_File();
    void BACnet_EDE_File();
    int Get_Type_BACnet();
    // Enables the version-check timer exactly when internet access and the periodic check are on.
    void Update_Timer_State();
    // The configuration lines follow Name_Project.
    void Show_Configuration();
    // All 33 buttons in declaration order.
    std::vector<controls::TLbButton*> Buttons() const;

private:
    struct TButtonSpec;
    // The settings file could not be read at start: closing keeps it for the user to repair;
    // confirming the options dialog writes it anew.
    bool settingsUnreadable_ = false;
    void Build_Controls();
    void Apply_Layout();
    static const std::vector<TButtonSpec>& Button_Specs();
    void Show_Step_Window(const char* className);
};

extern TFBrevandoreFirmWare* FBrevandoreFirmWare;
