// Program-wide state shared by the main window and every dialog: configuration
// and table-file paths, software identity, user options and the row clipboard.
// Everything here is used from the user-interface thread only.
#pragma once

#include <string>
#include <vector>

// Software identity copied into SW_Code / SW_Desc when the main window is created.
inline constexpr const char* SW_Code_Init = "SW58E26";
inline constexpr const char* SW_Desc_Init = "EtherCAT Slave / EtherNet/IP Master - Converter";
// Device address used when the settings file names none.
inline constexpr const char* Last_IP_Address_Default = "192.168.2.205";
inline constexpr const char* Language_Name_Default = "English";

// ---- configuration and program paths (no trailing separator) ----
extern std::string Name_Project;   // open configuration; empty when none
extern std::string Path_Project;   // <Path_Projects>/<Name_Project>; empty when none open
extern std::string Path_Projects;  // <Path_Exe>/PROJECTS
extern std::string Path_Exe;       // folder of the program file
extern std::string Path_Master;    // <Path_Exe>/MASTER
extern std::string Path_Language;  // <Path_Exe>/LANGUAGE

// ---- software identity ----
extern std::string Title_SW;  // main window caption
extern std::string SW_Code;   // starts as SW_Code_Init
extern std::string SW_Desc;   // starts as SW_Desc_Init

// ---- device update and user options ----
extern std::string Last_IP_Address;  // empty until the settings are read
extern int Update_Option_Index;      // 0 firmware and configuration, 1 firmware, 2 configuration
extern bool Update_Read_Back;        // true at start
extern std::string Language_Name;    // "English" by default
extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field;
extern bool Enable_DblClick_AutoSize;
extern std::string Last_EDE_Path;

// ---- table files of the open configuration: <Path_Project>/<table>.xml ----
extern std::string File_ParGen;
extern std::string File_EtherCAT_Slave;
extern std::string File_ModbusM_SetAccess;
extern std::string File_ModbusTCPM_SetAccess;
extern std::string File_BACnet_Master_Access;
extern std::string File_BACnet_Slave;
extern std::string File_CAN_Rec_Frames;
extern std::string File_CAN_Send_Frames;
extern std::string File_SDO_Server_CANopen;
extern std::string File_SDO_Client_CANopen;
extern std::string File_PDO_CANopen;
extern std::string File_DNETM_Net;
extern std::string File_DNETM_DefOff;
extern std::string File_DMX_Default_Values;
extern std::string File_IEC_61850_Client;
extern std::string File_TLS_Known_Cert;
extern std::string File_IEC61850_Variables;
extern std::string File_J1939_Rec_Frames;
extern std::string File_J1939_Send_Frames;
extern std::string File_MQTT_Set_Topic;
extern std::string File_NMEA_Rec_Frames;
extern std::string File_NMEA_Send_Frames;
extern std::string File_OPC_UA_Client;
extern std::string File_OPC_UA_Server;
extern std::string File_SNMP_Manager;
extern std::string File_SNMP_Trap;
extern std::string File_EtherNetIP_Master_Rules;
extern std::string File_S7_Protocol;

// One entry per table-file global: the global and its table name (file = name + ".xml").
struct TableFileGlobal {
    std::string* file;
    const char* table;
};
// The 28 table-file globals in their fixed order.
const std::vector<TableFileGlobal>& Table_File_Globals();

// ---- row clipboard of the table row tools ----
extern std::vector<std::string> Row_Copy_List;  // one string per copied column
extern std::vector<bool> Row_Copy_Check_Cols;   // true where the copied column held a check box

// ---- descriptions collected for the SNMP MIB file ----
extern std::vector<std::string> SNMP_Trap_Read_List;
extern std::vector<std::string> SNMP_Trap_Write_List;

// ---- text table (filled by ULanguage) ----
extern std::vector<std::string> Lang_List;  // index = text number
extern int Lang_Count;                      // 0 until filled, then 5300
