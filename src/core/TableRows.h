#pragma once
// Row readers of the two table files the converter's compilers read: EtherCAT_Slave.xml (the
// process-data variables of both directions) and EtherNetIP_Master_Rules.xml (the scanner's
// connections). A row is the attribute set of one element, kept as written; each reader decides
// its own fallbacks for missing attributes.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xml {
class Element;
}

namespace core {

class TTableRow {
public:
    TTableRow() = default;
    explicit TTableRow(std::vector<std::pair<std::string, std::string>> attributes) : attributes_(std::move(attributes))
    {}

    // The attribute's value, or nullopt when the row has no such attribute.
    std::optional<std::string> Attr(std::string_view name) const;
    // The attribute's value, or the fallback when missing.
    std::string Attr(std::string_view name, std::string_view fallback) const;

private:
    std::vector<std::pair<std::string, std::string>> attributes_;
};

// Whether a table file is there to be read: false when nothing of that name exists (its part keeps
// its defaults), true for a file. Something else under the name (a folder, a link that leads
// nowhere, a device) throws xml::XmlError naming the file: a build must not take it for a missing
// file and report success with empty tables.
bool Table_File_Exists(const std::filesystem::path& file);

// The rows of a section: one per child element, in document order.
std::vector<TTableRow> Read_Table_Rows(const xml::Element& section);

struct TEtherCAT_Slave_Table {
    std::vector<TTableRow> Slave_To_Master;  // the master's inputs
    std::vector<TTableRow> Master_To_Slave;  // the master's outputs
    // Whether the file holds EtherCAT_Slave_Variables and, inside it, each direction's section.
    bool Has_Variables = true;
    bool Has_Slave_To_Master = true;
    bool Has_Master_To_Slave = true;
};

// Names of the elements of EtherCAT_Slave.xml.
inline constexpr std::string_view EtherCAT_Variables_Element = "EtherCAT_Slave_Variables";
inline constexpr std::string_view EtherCAT_Slave_To_Master_Element = "EtherCAT_Slave_To_Master";
inline constexpr std::string_view EtherCAT_Master_To_Slave_Element = "EtherCAT_Master_To_Slave";

// What the file holds, a missing section giving no rows and its flag false (the variables dialog
// loads the other direction). nullopt when the file does not exist. Throws xml::XmlError naming
// the file when it cannot be read (Table_File_Exists) or is not well-formed.
std::optional<TEtherCAT_Slave_Table> Load_EtherCAT_Slave_Table(const std::filesystem::path& file);

// The same for the compilers, which need both sections: throws xml::XmlError naming the file also
// when it lacks EtherCAT_Slave_Variables or one of its two direction sections.
std::optional<TEtherCAT_Slave_Table> Read_EtherCAT_Slave_File(const std::filesystem::path& file);

// The connection rows under the root; nullopt when the file does not exist. Throws xml::XmlError
// naming the file when it cannot be read or is not well-formed.
std::optional<std::vector<TTableRow>> Read_EtherNetIP_Master_Rules_File(const std::filesystem::path& file);

}  // namespace core
