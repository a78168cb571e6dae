#include "core/TableRows.h"

#include <string>
#include <system_error>

#include "platform/xml/Xml.h"

namespace core {

std::optional<std::string> TTableRow::Attr(std::string_view name) const
{
    for (const auto& [n, v] : attributes_)
        if (n == name)
            return v;
    return std::nullopt;
}

std::string TTableRow::Attr(std::string_view name, std::string_view fallback) const
{
    auto v = Attr(name);
    return v ? *v : std::string(fallback);
}

std::vector<TTableRow> Read_Table_Rows(const xml::Element& section)
{
    std::vector<TTableRow> rows;
    for (const auto& e : section.Children()) {
        std::vector<std::pair<std::string, std::string>> attributes;
        for (const auto& [name, value] : e.Attributes())
            attributes.emplace_back(name, value);
        rows.emplace_back(std::move(attributes));
    }
    return rows;
}

bool Table_File_Exists(const std::filesystem::path& file)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(file, ec);
    if (link.type() == fs::file_type::not_found)
        return false;
    const fs::file_status target = ec ? link : fs::status(file, ec);
    if (target.type() == fs::file_type::regular)
        return true;
    const std::string reason = target.type() == fs::file_type::directory   ? "it is a folder"
                               : target.type() == fs::file_type::not_found ? "its link leads nowhere"
                               : ec                                        ? ec.message()
                                                                           : "it is not a file";
    throw xml::XmlError(file.string(), "the file cannot be read: " + reason);
}

namespace {

// Loads the file; nullopt when it does not exist.
std::optional<xml::Document> Load_If_Exists(const std::filesystem::path& file)
{
    if (!Table_File_Exists(file))
        return std::nullopt;
    xml::Document doc;
    doc.LoadFromFile(file);
    return doc;
}

}  // namespace

std::optional<TEtherCAT_Slave_Table> Load_EtherCAT_Slave_Table(const std::filesystem::path& file)
{
    auto doc = Load_If_Exists(file);
    if (!doc)
        return std::nullopt;
    const xml::Element vars = doc->DocumentElement().ChildByName(EtherCAT_Variables_Element);
    const xml::Element toMaster = vars.ChildByName(EtherCAT_Slave_To_Master_Element);
    const xml::Element toSlave = vars.ChildByName(EtherCAT_Master_To_Slave_Element);
    TEtherCAT_Slave_Table table;
    table.Has_Variables = static_cast<bool>(vars);
    table.Has_Slave_To_Master = static_cast<bool>(toMaster);
    table.Has_Master_To_Slave = static_cast<bool>(toSlave);
    if (toMaster)
        table.Slave_To_Master = Read_Table_Rows(toMaster);
    if (toSlave)
        table.Master_To_Slave = Read_Table_Rows(toSlave);
    return table;
}

std::optional<TEtherCAT_Slave_Table> Read_EtherCAT_Slave_File(const std::filesystem::path& file)
{
    auto table = Load_EtherCAT_Slave_Table(file);
    if (!table)
        return table;
    auto missing = [&](std::string_view name) {
        throw xml::XmlError(file.string(), "element " + std::string(name) + " is missing");
    };
    if (!table->Has_Variables)
        missing(EtherCAT_Variables_Element);
    if (!table->Has_Slave_To_Master)
        missing(EtherCAT_Slave_To_Master_Element);
    if (!table->Has_Master_To_Slave)
        missing(EtherCAT_Master_To_Slave_Element);
    return table;
}

std::optional<std::vector<TTableRow>> Read_EtherNetIP_Master_Rules_File(const std::filesystem::path& file)
{
    auto doc = Load_If_Exists(file);
    if (!doc)
        return std::nullopt;
    return Read_Table_Rows(doc->DocumentElement());
}

}  // namespace core
