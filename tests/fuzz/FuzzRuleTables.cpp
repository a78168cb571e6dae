// The table file of every rule-table dialog as the frame loads it: the first byte picks the dialog
// ('0' + its place in Dialogs below), the rest is the file. Loading never writes the file; what was loaded, whole
// or in part, saves so that loading and saving again gives the same file; the data check runs on
// whatever was loaded.
#include "FuzzSupport.h"
#include "core/EtherCATSlaveVars.h"
#include "core/EtherNetIPRules.h"
#include "core/tables/TableEngine.h"
#include "core/tables/can_family/DMXDefValTable.h"
#include "core/tables/can_family/DNetTable.h"
#include "core/tables/can_family/ReceiveCANTable.h"
#include "core/tables/can_family/ReceiveJ1939Table.h"
#include "core/tables/can_family/ReceiveNMEATable.h"
#include "core/tables/can_family/TransmitCANTable.h"
#include "core/tables/can_family/TransmitJ1939Table.h"
#include "core/tables/can_family/TransmitNMEATable.h"
#include "core/tables/canopen/PDOTable.h"
#include "core/tables/canopen/SDOClientTable.h"
#include "core/tables/canopen/SDOServerTable.h"
#include "core/tables/iec61850_it/IEC61850VariablesTable.h"
#include "core/tables/iec61850_it/TLSServerKnownCertTable.h"
#include "core/tables/modbus_s7_bacnet/BACnetAccessTable.h"
#include "core/tables/modbus_s7_bacnet/BACnetSlaveTable.h"
#include "core/tables/modbus_s7_bacnet/ModbusTCPMasterTable.h"
#include "core/tables/modbus_s7_bacnet/S7ProtocolTable.h"
#include "core/tables/modbus_s7_bacnet/SetAccessTable.h"
#include "core/tables/mqtt_snmp/MQTTSetTopicTable.h"
#include "core/tables/mqtt_snmp/SNMPManagerTable.h"
#include "core/tables/mqtt_snmp/SNMPTrapTable.h"
#include "core/tables/opcua/OPCUAServerTable.h"
#include "platform/rtl/Exceptions.h"

#include <memory>
#include <vector>

namespace {

// One line per dialog on the frame.
const std::vector<const tables::TDialogDesc*>& Dialogs()
{
    // A seed's first byte is '0' + its dialog's place here: new dialogs go at the end, so that the
    // seeds of the others keep their dialog.
    static const std::vector<const tables::TDialogDesc*> dialogs = {
        &tables::can::Receive_CAN_Desc(),
        &core::EtherNetIP_Desc(),
        &core::EtherCAT_Slave_Desc(),
        &tables::modbus_s7_bacnet::Set_Access_Desc(),
        &tables::modbus_s7_bacnet::Modbus_TCP_Master_Desc(),
        &tables::modbus_s7_bacnet::S7_Protocol_Desc(),
        &tables::can::Transmit_CAN_Desc(),
        &tables::can::Receive_J1939_Desc(),
        &tables::can::Transmit_J1939_Desc(),
        &tables::can::Receive_NMEA_Desc(),
        &tables::can::Transmit_NMEA_Desc(),
        &tables::can::DNet_Desc(),
        &tables::can::DMX_Def_Val_Desc(),
        &tables::canopen::Set_PDO_Access_Desc(),
        &tables::canopen::Set_SDO_Client_Access_Desc(),
        &tables::canopen::Set_SDO_Server_Access_Desc(),
        &tables::modbus_s7_bacnet::BACnet_Access_Desc(),
        &tables::modbus_s7_bacnet::BACnet_Slave_Desc(),
        &tables::iec::IEC61850_Variables_Desc(),
        &tables::iec::TLS_Server_Known_Cert_Desc(),
        &tables::opcua::Server_Access_Desc(),
        &tables::mqtt_snmp::MQTT_Set_Topic_Desc(),
        &tables::mqtt_snmp::SNMP_Manager_Desc(),
        &tables::mqtt_snmp::SNMP_Trap_Desc(),
    };
    return dialogs;
}

struct TTables {
    std::vector<std::unique_ptr<tables::TTable>> Owned;
    std::vector<tables::TCells*> Grids;
    tables::TTableState State;

    explicit TTables(const tables::TDialogDesc& dialog)
    {
        for (const tables::TGridDesc& g : dialog.Grids) {
            Owned.push_back(std::make_unique<tables::TTable>(g.Col_Count(), g.Rows + 1));
            Grids.push_back(Owned.back().get());
        }
    }
    std::string Load(const tables::TDialogDesc& dialog, const std::filesystem::path& file)
    {
        if (dialog.Prepare)
            dialog.Prepare(State);
        for (std::size_t g = 0; g < Grids.size(); ++g)
            tables::Reset_Rows(dialog.Grids[g], *Grids[g]);
        std::string note = tables::Load_Table_File(dialog, file, Grids, State);
        if (dialog.After_Load)
            dialog.After_Load(Grids, State);
        return note;
    }
    std::vector<const tables::TCells*> Const() const { return {Grids.begin(), Grids.end()}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // '0' + place picks that dialog; any other byte (the fuzzer's) picks one by its value.
    const std::size_t place = static_cast<std::size_t>(data[0] - '0');
    const tables::TDialogDesc& dialog =
        *Dialogs()[data[0] >= '0' && place < Dialogs().size() ? place : data[0] % Dialogs().size()];
    const std::string_view text = fuzz::Text(data + 1, size - 1);
    const auto file = fuzz::WriteInput("table.xml", text);

    TTables loaded(dialog);
    loaded.Load(dialog, file);
    FUZZ_CHECK(fuzz::ReadFile(file) == text, "loading changed the file");
    tables::First_Fault(dialog, loaded.Const(), loaded.State);

    const auto first = fuzz::ScratchFolder() / "table_saved.xml";
    try {
        tables::Save_Tables(dialog, first, loaded.Grids, loaded.State);
    } catch (const rtl::EFileError&) {
        return 0;  // a cell XML cannot carry is refused with an error
    }
    TTables again(dialog);
    const std::string note = again.Load(dialog, first);
    FUZZ_CHECK(note.empty(), "the saved table does not load whole: " + note);
    const auto second = fuzz::ScratchFolder() / "table_saved_again.xml";
    tables::Save_Tables(dialog, second, again.Grids, again.State);
    FUZZ_CHECK(fuzz::ReadFile(first) == fuzz::ReadFile(second), "the saved table reads back differently");
    return 0;
}
