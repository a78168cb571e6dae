#pragma once
// EtherNetIP_Master_Rules.xml as the connections dialog loads and saves it: root
// EtherNetIP_Master_Access, the comment "SW_VERSION = 1.000" after it, one row element per
// connection with its 14 cells as attributes.

#include <filesystem>
#include <string>
#include <vector>

#include "core/EtherNetIPRules.h"

namespace core {

struct TEtherNetIP_Rules_Load {
    std::vector<TEtherNetIP_Row> Rows;  // EtherNetIP_Rows rows, as the dialog shows them
    // What could not be loaded (a file that cannot be read or is not well-formed, rows beyond 10),
    // for a warning; empty when the file loaded whole or does not exist.
    std::string Message;
};

// Reads the file through the compiler's reader. Every row starts with Enable "Y" and empty
// cells; the i-th row element fills row i + 1, each attribute on its own, a missing one giving
// "N" for Enable, "Default" for the two header settings and an empty text otherwise. Nothing is
// written: the file stays as it is until the table is saved.
TEtherNetIP_Rules_Load Load_EtherNetIP_Rules(const std::filesystem::path& file);

// Replaces the file with the rows up to the first row without an IP Address, cell texts
// untrimmed. Throws xml::XmlError naming the file when it cannot be written; the earlier file then
// stays as it was.
void Write_EtherNetIP_Rules_File(const std::filesystem::path& file, const std::vector<TEtherNetIP_Row>& rows);

}  // namespace core
