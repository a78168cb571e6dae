#pragma once
// The EDE export: the BACnet objects of the server tables (BACnet_Slave.xml) as an EDE file, the
// ";"-separated list that a BACnet client's engineering tool takes over. Seven header lines, then
// one line per object: key name, device instance, name, object type, instance, description and
// unit, each followed by ";". Windows-1252, CR LF, no byte-order mark; a text that file cannot
// carry stops the export, which then writes nothing.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

namespace tables::modbus_s7_bacnet {

// One object line.
struct TBACnet_EDE_Obj {
    std::string Keyname;         // device instance, "_", the whole Mnemonic, "_", the object instance
    std::string DevObjInstance;  // device instance
    std::string ObjectName;      // the first 16 (or 32) characters of the Mnemonic
    std::string ObjectType;      // object type number
    std::string ObjectInstance;  // running instance per object type
    std::string Description;     // as ObjectName
    std::string UnitCode;        // the Eng. Unit as typed
    // Where it comes from: 0 the read table, 1 the write table; the row from 1.
    int Table = 0;
    int Row = 0;
};

// The device of the communication settings.
struct TEDE_Device {
    std::string Dev_Instance;  // empty when the settings do not give one
    int Name_Limit = 16;       // 32 with BACnet_Desc_Chars_Limit "1"
};

// The export stopped; Message says why for the user.
class EEDEExport : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// BACnet_Type, then BACnet_Ser_DEV_IDE (type 1) or BACnet_DEV_IDE, and BACnet_Desc_Chars_Limit of
// ParGen.xml; a missing or unreadable file or key gives the defaults.
TEDE_Device Read_BACnet_Device_Param(const std::filesystem::path& parGen);

// The object type number of a server row's Data Type (trimmed, upper case); 0 for an unknown text.
int Get_Object_Type_Num(std::string_view dataType);

// One running instance per object type the export knows, from 0.
class TObjectInstances {
public:
    void Reset_Object_Instances() { counters_.fill(0); }
    // The type's counter before counting up; 0 for a type without a counter.
    int Next_Object_Instance(int number);

private:
    std::array<int, 18> counters_{};
};

// The objects of the server file, read table first, in row order; empty when the file does not
// exist. Throws EEDEExport for a file that is not well-formed or a row without Data_Type, Eng_Unit
// or Mnemonic (naming the table, the row and the attribute).
std::vector<TBACnet_EDE_Obj> Read_BACnet_Slave_Objects(const std::filesystem::path& slaveFile,
                                                       const TEDE_Device& device);

// hh:mm:ss dd/mm/yyyy.
std::string Get_EDE_TimeStamp(rtl::TDateTime now);

// The file's lines as text (UTF-8), without line ends.
std::vector<std::string> EDE_File_Lines(std::string_view projectName, std::string_view timeStamp,
                                        const std::vector<TBACnet_EDE_Obj>& objects);

// The bytes of the file: Windows-1252, every line ended by CR LF. Throws EEDEExport naming the
// table, row and character of an object text that the file cannot carry (a character outside the
// code page, or a ";", CR or LF, which would split the line's fields), or the configuration name
// or device instance that holds one.
std::string EDE_File_Bytes(std::string_view projectName, std::string_view timeStamp,
                           const std::vector<TBACnet_EDE_Obj>& objects);

// The whole export to the file, from File_ParGen, File_BACnet_Slave, Name_Project and the clock;
// an existing file is replaced only once the new one is complete. Throws EEDEExport (nothing
// written) or the file error of the write.
void Make_EDE_File(const std::string& fileName);

}  // namespace tables::modbus_s7_bacnet
