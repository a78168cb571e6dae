#pragma once
// The SNMP MIB export: the module SNMP managers load to know the objects of a converter working as
// SNMP agent. Read from the saved agent table (SNMP_Trap.xml), never from its dialog: one object
// per enabled read row (read-only) and per enabled write row (read-write), and one notification
// per enabled read row, numbered by their order among the enabled rows. GUI-free; the main
// window asks for the file name.

#include <filesystem>
#include <string>
#include <vector>

namespace tables::mqtt_snmp {

// Entry k is true when entry k of SNMP_Trap_Read_List (SNMP_Trap_Write_List) is of integer type.
// They grow with the lists: any number of enabled rows is exported.
extern std::vector<bool> SNMP_Trap_Read_Is_Int;
extern std::vector<bool> SNMP_Trap_Write_Is_Int;

// Fills SNMP_Trap_Read_List, SNMP_Trap_Write_List and their type flags from File_SNMP_Trap: the
// descriptions of the enabled rows (Enable "Y" in either case) of each section in file order. A
// missing file or section gives empty lists. Throws xml::XmlError (naming the file) when the file
// cannot be read or is not well-formed XML; the lists are then empty.
void Load_SNMP_Trap_Vars();

// The module's text from the two lists and their flags, lines ending with CR LF.
std::string SNMP_MIB_Text();

// Writes SNMP_MIB_Text to the file, replacing it whole, in the ANSI code page without byte-order
// mark. Throws rtl::EFCreateError naming the file when it cannot be written.
void Write_SNMP_MIB(const std::filesystem::path& file);

}  // namespace tables::mqtt_snmp
