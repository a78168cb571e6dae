#include "app/UConfigurator.h"

#include <cstdlib>
#include <string_view>
#include <vector>

#include "app/UAbout.h"
#include "app/UBrevandoreFirmWare.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UProgramFolder.h"
#include "app/USoftOptions.h"
#include "app/UWindows.h"
#include "common/UComon.h"
#include "controls/gridinplace/GxGridInplaceDropDown.h"
#include "core/tables/canopen/UEds.h"
#include "dialogs/UBoot.h"
#include "dialogs/UEtherCATSlave.h"
#include "dialogs/UEtherNetIP_EDS.h"
#include "dialogs/UEtherNetIP_Master_Access.h"
#include "dialogs/UParGen.h"
#include "grid/extras/GridExtras.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "tables/can_family/UDMXDefVal.h"
#include "tables/can_family/UDNet.h"
#include "tables/can_family/UDefOffset.h"
#include "tables/can_family/UReceiveCAN.h"
#include "tables/can_family/UReceiveJ1939.h"
#include "tables/can_family/UReceiveNMEA.h"
#include "tables/can_family/UTransmitCAN.h"
#include "tables/can_family/UTransmitJ1939.h"
#include "tables/can_family/UTransmitNMEA.h"
#include "tables/canopen/USet_PDO_Access.h"
#include "tables/canopen/USet_SDO_Client_Access.h"
#include "tables/canopen/USet_SDO_Server_Access.h"
#include "tables/iec61850_it/UIEC61850_Variables.h"
#include "tables/iec61850_it/UIEC_61850_Access.h"
#include "tables/iec61850_it/UTLS_Server_Known_Cert.h"
#include "tables/modbus_s7_bacnet/UBACnetAccess.h"
#include "tables/modbus_s7_bacnet/UBACnetSlaveSetAccess.h"
#include "tables/modbus_s7_bacnet/UBACnet_EDE_File.h"
#include "tables/modbus_s7_bacnet/UBACnet_Eng_Unit.h"
#include "tables/modbus_s7_bacnet/UImportEDEFile.h"
#include "tables/modbus_s7_bacnet/UModbus_TCP_Master_Set_Access.h"
#include "tables/modbus_s7_bacnet/US7_Protocol_Set_Access.h"
#include "tables/modbus_s7_bacnet/USetAccess.h"
#include "tables/mqtt_snmp/UMQTT_Set_Topic.h"
#include "tables/mqtt_snmp/USNMPManagerAccess.h"
#include "tables/mqtt_snmp/USNMP_MIB_Save.h"
#include "tables/mqtt_snmp/USNMP_Trap_Access.h"
#include "tables/mqtt_snmp/UTopicTemplate.h"
#include "tables/opcua/UOPC_UA_Add_Server.h"
#include "tables/opcua/UOPC_UA_Client_Access.h"
#include "tables/opcua/UOPC_UA_Scan_Server.h"
#include "tables/opcua/UOPC_UA_Server_Access.h"
#include "tables/profinet/UProfinetFileName.h"
#include "tables/profinet/UProfinetXMLExport.h"

namespace {

// Windows in creation order, destroyed in reverse.
std::vector<ui::TCustomForm*>& Created()
{
    static std::vector<ui::TCustomForm*> created;
    return created;
}

template <class F>
F* Create(F*& global, const char* className, std::function<void()> setLang)
{
    global = ui::Application->CreateForm<F>();
    Created().push_back(global);
    Register_Window(className, global, std::move(setLang));
    return global;
}

}  // namespace

void Create_Windows()
{
    // The main window comes first: it fills the texts, the paths and the settings the others read.
    Create(FBrevandoreFirmWare, "TFBrevandoreFirmWare", [] { FBrevandoreFirmWare->Set_Lang(); });
    Create(FNew_Project, "TFNew_Project", [] { FNew_Project->Set_Lang(); });
    Create(FOpenConf, "TFOpenConf", [] { FOpenConf->Set_Lang(); });
    Create(FAbout, "TFAbout", {});
    Create(FSoftOptions, "TFSoftOptions", [] { FSoftOptions->Set_Lang(); });
    Create(FParGen, "TFParGen", [] { FParGen->Set_Lang(); });
    Create(FEtherCATSlave, "TFEtherCATSlave", [] { FEtherCATSlave->Set_Lang(); });
    Create(FBoot, "TFBoot", [] { FBoot->Set_Lang(); });
    FBoot->Start_Program = [](const std::string& program, const std::string& parameter, bool hidden) {
        FBrevandoreFirmWare->Start_Program(program, parameter, hidden);
    };
    // The tables of the other converter models join here in the order of Window_Creation_Order().
    Create(FSetAccess, "TFSetAccess", [] { FSetAccess->Set_Lang(); });
    Create(FModbus_TCP_Master_Set_Access, "TFModbus_TCP_Master_Set_Access",
           [] { FModbus_TCP_Master_Set_Access->Set_Lang(); });
    Create(FBACnetAccess, "TFBACnetAccess", [] { FBACnetAccess->Set_Lang(); });
    Create(FImportEDEFile, "TFImportEDEFile", [] { FImportEDEFile->Set_Lang(); });
    Create(FBACnet_Eng_Unit, "TFBACnet_Eng_Unit", [] { FBACnet_Eng_Unit->Set_Lang(); });
    Create(FBACnetSlaveSetAccess, "TFBACnetSlaveSetAccess", [] { FBACnetSlaveSetAccess->Set_Lang(); });
    FBrevandoreFirmWare->Save_EDE_File = [](const std::string& file) { Save_EDE_File(file); };
    Create(FReceiveCAN, "TFReceiveCAN", [] { FReceiveCAN->Set_Lang(); });
    Create(FTransmitCAN, "TFTransmitCAN", [] { FTransmitCAN->Set_Lang(); });
    Create(FSet_PDO_Access, "TFSet_PDO_Access", [] { FSet_PDO_Access->Set_Lang(); });
    Create(FSet_SDO_Client_Access, "TFSet_SDO_Client_Access", [] { FSet_SDO_Client_Access->Set_Lang(); });
    Create(FSet_SDO_Server_Access, "TFSet_SDO_Server_Access", [] { FSet_SDO_Server_Access->Set_Lang(); });
    Create(FDefOffset, "TFDefOffset", [] { FDefOffset->Set_Lang(); });
    Create(FDNet, "TFDNet", [] { FDNet->Set_Lang(); });
    Create(FDMXDefVal, "TFDMXDefVal", [] { FDMXDefVal->Set_Lang(); });
    Create(FIEC_61850_Access, "TFIEC_61850_Access", [] { FIEC_61850_Access->Set_Lang(); });
    Create(FIEC61850_Variables, "TFIEC61850_Variables", [] { FIEC61850_Variables->Set_Lang(); });
    Create(FTLS_Server_Known_Cert, "TFTLS_Server_Known_Cert", [] { FTLS_Server_Known_Cert->Set_Lang(); });
    Create(FReceiveJ1939, "TFReceiveJ1939", [] { FReceiveJ1939->Set_Lang(); });
    Create(FTransmitJ1939, "TFTransmitJ1939", [] { FTransmitJ1939->Set_Lang(); });
    Create(FMQTT_Set_Topic, "TFMQTT_Set_Topic", [] { FMQTT_Set_Topic->Set_Lang(); });
    Create(FTopicTemplate, "TFTopicTemplate", [] { FTopicTemplate->Set_Lang(); });
    Create(FReceiveNMEA, "TFReceiveNMEA", [] { FReceiveNMEA->Set_Lang(); });
    Create(FTransmitNMEA, "TFTransmitNMEA", [] { FTransmitNMEA->Set_Lang(); });
    Create(FProfinetFileName, "TFProfinetFileName", [] { FProfinetFileName->Set_Lang(); });
    FBrevandoreFirmWare->Create_PROFINET_XML_File = [] {
        tables::profinet::Create_PROFINET_XML_File(FProfinetFileName->Name_File_XML);
    };
    Create(FOPC_UA_Add_Server, "TFOPC_UA_Add_Server", [] { FOPC_UA_Add_Server->Set_Lang(); });
    Create(FOPC_UA_Client_Access, "TFOPC_UA_Client_Access", [] { FOPC_UA_Client_Access->Set_Lang(); });
    Create(FOPC_UA_Scan_Server, "TFOPC_UA_Scan_Server", [] { FOPC_UA_Scan_Server->Set_Lang(); });
    Create(FOPC_UA_Server_Access, "TFOPC_UA_Server_Access", [] { FOPC_UA_Server_Access->Set_Lang(); });
    Create(FSNMPManagerAccess, "TFSNMPManagerAccess", [] { FSNMPManagerAccess->Set_Lang(); });
    Create(FSNMP_Trap_Access, "TFSNMP_Trap_Access", [] { FSNMP_Trap_Access->Set_Lang(); });
    FBrevandoreFirmWare->Create_SNMP_MIB_File = [] { Create_SNMP_MIB_File(*FBrevandoreFirmWare->SaveMIB); };
    Create(FEtherNEtIP_EDS, "TFEtherNEtIP_EDS", [] { FEtherNEtIP_EDS->Set_Lang(); });
    Create(FEtherNetIP_Master_Access, "TFEtherNetIP_Master_Access", [] { FEtherNetIP_Master_Access->Set_Lang(); });
    Create(FS7_Protocol_Set_Access, "TFS7_Protocol_Set_Access", [] { FS7_Protocol_Set_Access->Set_Lang(); });
    // The EDS export reads the saved CANopen tables; what stops it is said, and no file is written.
    FBrevandoreFirmWare->Save_EDS_File = [](const std::string& file) {
        try {
            tables::canopen::Save_EDS_File(file);
        } catch (const tables::canopen::EEdsError& e) {
            ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        }
    };
}

void Destroy_Windows()
{
    auto& created = Created();
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        delete *it;
    created.clear();
    Clear_Windows();
    FSet_SDO_Server_Access = nullptr;
    FSet_SDO_Client_Access = nullptr;
    FSet_PDO_Access = nullptr;
    FS7_Protocol_Set_Access = nullptr;
    FEtherNetIP_Master_Access = nullptr;
    FEtherNEtIP_EDS = nullptr;
    FProfinetFileName = nullptr;
    FOPC_UA_Server_Access = nullptr;
    FOPC_UA_Scan_Server = nullptr;
    FOPC_UA_Client_Access = nullptr;
    FOPC_UA_Add_Server = nullptr;
    FSNMP_Trap_Access = nullptr;
    FSNMPManagerAccess = nullptr;
    FTransmitNMEA = nullptr;
    FReceiveNMEA = nullptr;
    FTopicTemplate = nullptr;
    FMQTT_Set_Topic = nullptr;
    FTransmitJ1939 = nullptr;
    FReceiveJ1939 = nullptr;
    FTLS_Server_Known_Cert = nullptr;
    FIEC61850_Variables = nullptr;
    FIEC_61850_Access = nullptr;
    FDMXDefVal = nullptr;
    FDNet = nullptr;
    FDefOffset = nullptr;
    FTransmitCAN = nullptr;
    FReceiveCAN = nullptr;
    FBACnetSlaveSetAccess = nullptr;
    FBACnet_Eng_Unit = nullptr;
    FImportEDEFile = nullptr;
    FBACnetAccess = nullptr;
    FModbus_TCP_Master_Set_Access = nullptr;
    FSetAccess = nullptr;
    FBoot = nullptr;
    FEtherCATSlave = nullptr;
    FParGen = nullptr;
    FSoftOptions = nullptr;
    FAbout = nullptr;
    FOpenConf = nullptr;
    FNew_Project = nullptr;
    FBrevandoreFirmWare = nullptr;
    ui::Application->SetMainForm(nullptr);
}

int Run_Configurator(int argc, char** argv)
{
    Set_Program_Folder(Program_Folder_Of(argc > 0 ? argv[0] : nullptr));
    ui::Application->Initialize();
    ui::Application->SetTitle(SW_Code_Init);
    // Every grid of the program sorts, filters and finds through the grid extras and edits its
    // drop-down cells with the drop-down editors.
    gx::InstallGridExtras();
    gridinplace::InstallGridDropDownEditors();
    Create_Windows();
    // The loop ends when the main window closes. The main window is not made the application's
    // main form: closing that would end the application object for the rest of the process,
    // and the program must be able to run again in one process (the end-to-end tests do).
    ui::Application->SetMainForm(nullptr);
    // Start-up timing: with CONFIGURATOR_EXIT_AFTER_FIRST_PAINT=1 in the environment the program
    // ends as soon as its main window has been painted once (the start-up benchmark sets it).
    bool painted = false;
    const char* exitAfterPaint = std::getenv("CONFIGURATOR_EXIT_AFTER_FIRST_PAINT");
    if (exitAfterPaint && std::string_view(exitAfterPaint) == "1")
        FBrevandoreFirmWare->OnPaint = [&painted](ui::TObject*) { painted = true; };
    FBrevandoreFirmWare->Show();
    while (FBrevandoreFirmWare->Visible() && !painted)
        ui::Application->HandleMessage(50);
    if (painted)
        ui::Application->HandleMessage(0);  // what the paint left to do (the window's flush)
    Destroy_Windows();
    return 0;
}
