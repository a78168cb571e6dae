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
#include "dialogs/UBoot.h"
#include "dialogs/UEtherCATSlave.h"
#include "dialogs/UEtherNetIP_EDS.h"
#include "dialogs/UEtherNetIP_Master_Access.h"
#include "dialogs/UParGen.h"
#include "grid/extras/GridExtras.h"
#include "platform/ui/Application.h"
#include "tables/can_family/UDMXDefVal.h"
#include "tables/can_family/UDNet.h"
#include "tables/can_family/UDefOffset.h"
#include "tables/can_family/UReceiveCAN.h"
#include "tables/can_family/UReceiveJ1939.h"
#include "tables/can_family/UReceiveNMEA.h"
#include "tables/can_family/UTransmitCAN.h"
#include "tables/can_family/UTransmitJ1939.h"
#include "tables/can_family/UTransmitNMEA.h"
#include "tables/modbus_s7_bacnet/UModbus_TCP_Master_Set_Access.h"
#include "tables/modbus_s7_bacnet/US7_Protocol_Set_Access.h"
#include "tables/modbus_s7_bacnet/USetAccess.h"
#include "tables/mqtt_snmp/UMQTT_Set_Topic.h"
#include "tables/mqtt_snmp/USNMPManagerAccess.h"
#include "tables/mqtt_snmp/USNMP_MIB_Save.h"
#include "tables/mqtt_snmp/USNMP_Trap_Access.h"
#include "tables/mqtt_snmp/UTopicTemplate.h"

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
    Create(FReceiveCAN, "TFReceiveCAN", [] { FReceiveCAN->Set_Lang(); });
    Create(FTransmitCAN, "TFTransmitCAN", [] { FTransmitCAN->Set_Lang(); });
    Create(FDefOffset, "TFDefOffset", [] { FDefOffset->Set_Lang(); });
    Create(FDNet, "TFDNet", [] { FDNet->Set_Lang(); });
    Create(FDMXDefVal, "TFDMXDefVal", [] { FDMXDefVal->Set_Lang(); });
    Create(FReceiveJ1939, "TFReceiveJ1939", [] { FReceiveJ1939->Set_Lang(); });
    Create(FTransmitJ1939, "TFTransmitJ1939", [] { FTransmitJ1939->Set_Lang(); });
    Create(FMQTT_Set_Topic, "TFMQTT_Set_Topic", [] { FMQTT_Set_Topic->Set_Lang(); });
    Create(FTopicTemplate, "TFTopicTemplate", [] { FTopicTemplate->Set_Lang(); });
    Create(FReceiveNMEA, "TFReceiveNMEA", [] { FReceiveNMEA->Set_Lang(); });
    Create(FTransmitNMEA, "TFTransmitNMEA", [] { FTransmitNMEA->Set_Lang(); });
    Create(FSNMPManagerAccess, "TFSNMPManagerAccess", [] { FSNMPManagerAccess->Set_Lang(); });
    Create(FSNMP_Trap_Access, "TFSNMP_Trap_Access", [] { FSNMP_Trap_Access->Set_Lang(); });
    FBrevandoreFirmWare->Create_SNMP_MIB_File = [] { Create_SNMP_MIB_File(*FBrevandoreFirmWare->SaveMIB); };
    Create(FEtherNEtIP_EDS, "TFEtherNEtIP_EDS", [] { FEtherNEtIP_EDS->Set_Lang(); });
    Create(FEtherNetIP_Master_Access, "TFEtherNetIP_Master_Access", [] { FEtherNetIP_Master_Access->Set_Lang(); });
    Create(FS7_Protocol_Set_Access, "TFS7_Protocol_Set_Access", [] { FS7_Protocol_Set_Access->Set_Lang(); });
}

void Destroy_Windows()
{
    auto& created = Created();
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        delete *it;
    created.clear();
    Clear_Windows();
    FS7_Protocol_Set_Access = nullptr;
    FEtherNetIP_Master_Access = nullptr;
    FEtherNEtIP_EDS = nullptr;
    FSNMP_Trap_Access = nullptr;
    FSNMPManagerAccess = nullptr;
    FTransmitNMEA = nullptr;
    FReceiveNMEA = nullptr;
    FTopicTemplate = nullptr;
    FMQTT_Set_Topic = nullptr;
    FTransmitJ1939 = nullptr;
    FReceiveJ1939 = nullptr;
    FDMXDefVal = nullptr;
    FDNet = nullptr;
    FDefOffset = nullptr;
    FTransmitCAN = nullptr;
    FReceiveCAN = nullptr;
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
