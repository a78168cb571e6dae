#include "common/UComon.h"

std::string Name_Project;
std::string Path_Project;
std::string Path_Projects;
std::string Path_Exe;
std::string Path_Master;
std::string Path_Language;

std::string Title_SW;
std::string SW_Code = SW_Code_Init;
std::string SW_Desc = SW_Desc_Init;

std::string Last_IP_Address;
int Update_Option_Index = 0;
bool Update_Read_Back = true;
std::string Language_Name = Language_Name_Default;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field = false;
bool Enable_DblClick_AutoSize = false;
std::string Last_EDE_Path;

std::string File_ParGen;
std::string File_EtherCAT_Slave;
std::string File_ModbusM_SetAccess;
std::string File_ModbusTCPM_SetAccess;
std::string File_BACnet_Master_Access;
std::string File_BACnet_Slave;
std::string File_CAN_Rec_Frames;
std::string File_CAN_Send_Frames;
std::string File_SDO_Server_CANopen;
std::string File_SDO_Client_CANopen;
std::string File_PDO_CANopen;
std::string File_DNETM_Net;
std::string File_DNETM_DefOff;
std::string File_DMX_Default_Values;
std::string File_IEC_61850_Client;
std::string File_TLS_Known_Cert;
std::string File_IEC61850_Variables;
std::string File_J1939_Rec_Frames;
std::string File_J1939_Send_Frames;
std::string File_MQTT_Set_Topic;
std::string File_NMEA_Rec_Frames;
std::string File_NMEA_Send_Frames;
std::string File_OPC_UA_Client;
std::string File_OPC_UA_Server;
std::string File_SNMP_Manager;
std::string File_SNMP_Trap;
std::string File_EtherNetIP_Master_Rules;
std::string File_S7_Protocol;

const std::vector<TableFileGlobal>& Table_File_Globals()
{
    static const std::vector<TableFileGlobal> list = {
        {&File_ParGen, "ParGen"},
        {&File_EtherCAT_Slave, "EtherCAT_Slave"},
        {&File_ModbusM_SetAccess, "ModbusM_SetAccess"},
        {&File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess"},
        {&File_BACnet_Master_Access, "BACnet_Master_Access"},
        {&File_BACnet_Slave, "BACnet_Slave"},
        {&File_CAN_Rec_Frames, "CAN_Rec_Frames"},
        {&File_CAN_Send_Frames, "CAN_Send_Frames"},
        {&File_SDO_Server_CANopen, "SDO_Server_CANopen"},
        {&File_SDO_Client_CANopen, "SDO_Client_CANopen"},
        {&File_PDO_CANopen, "PDO_CANopen"},
        {&File_DNETM_Net, "DNETM_Net"},
        {&File_DNETM_DefOff, "DNETM_DefOff"},
        {&File_DMX_Default_Values, "DMX_Default_Values"},
        {&File_IEC_61850_Client, "IEC_61850_Client"},
        {&File_TLS_Known_Cert, "TLS_Known_Cert"},
        {&File_IEC61850_Variables, "IEC61850_Variables"},
        {&File_J1939_Rec_Frames, "J1939_Rec_Frames"},
        {&File_J1939_Send_Frames, "J1939_Send_Frames"},
        {&File_MQTT_Set_Topic, "MQTT_Set_Topic"},
        {&File_NMEA_Rec_Frames, "NMEA_Rec_Frames"},
        {&File_NMEA_Send_Frames, "NMEA_Send_Frames"},
        {&File_OPC_UA_Client, "OPC_UA_Client"},
        {&File_OPC_UA_Server, "OPC_UA_Server"},
        {&File_SNMP_Manager, "SNMP_Manager"},
        {&File_SNMP_Trap, "SNMP_Trap"},
        {&File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules"},
        {&File_S7_Protocol, "S7_Protocol"},
    };
    return list;
}

std::vector<std::string> Row_Copy_List;
std::vector<bool> Row_Copy_Check_Cols;
std::vector<std::string> SNMP_Trap_Read_List;
std::vector<std::string> SNMP_Trap_Write_List;

std::vector<std::string> Lang_List;
int Lang_Count = 0;
