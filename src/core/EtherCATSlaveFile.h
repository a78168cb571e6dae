#pragma once
// EtherCAT_Slave.xml as the variables dialog loads and saves it: root EtherCAT_Slave, the comment
// "SW_VERSION = 1.000" after it, EtherCAT_Slave_Variables holding EtherCAT_Slave_To_Master and
// EtherCAT_Master_To_Slave, one row element per variable with its cells as attributes.

#include <filesystem>
#include <string>

#include "core/EtherCATSlaveVars.h"

namespace core {

struct TEtherCAT_Slave_Load {
    TEtherCAT_Slave_Vars Vars;  // the tables as the dialog shows them, positions computed
    // What could not be loaded (a file that cannot be read or is not well-formed, a missing
    // section, rows beyond 256), for a warning; empty when the file loaded whole or does not exist.
    std::string Message;
};

// Reads the file through the compilers' reader. Every row starts ticked and empty; the i-th row
// element of a section fills row i + 1. Enable unticks only for exactly "N"; the type rule is
// applied for the Type read, and then the file's Length (when it has one) replaces the rule's.
// Nothing is written: the file stays as it is until the tables are saved.
TEtherCAT_Slave_Load Load_EtherCAT_Slave_Vars(const std::filesystem::path& file);

// Replaces the file with the rows of each direction up to its first row without a Type, Position
// and BitStart computed afresh, cell texts untrimmed. Throws xml::XmlError naming the file when it
// cannot be written; the earlier file then stays as it was.
void Write_EtherCAT_Slave_File(const std::filesystem::path& file, const TEtherCAT_Slave_Vars& vars);

}  // namespace core
