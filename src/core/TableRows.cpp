#include "core/TableRows.h"

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

namespace {

// Loads the file; nullopt when it does not exist.
std::optional<xml::Document> Load_If_Exists(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    xml::Document doc;
    doc.LoadFromFile(file);
    return doc;
}

xml::Element Required_Child(const xml::Element& parent, std::string_view name, const std::filesystem::path& file)
{
    xml::Element e = parent.ChildByName(name);
    if (!e)
        throw xml::XmlError(file.string(), "element " + std::string(name) + " is missing");
    return e;
}

}  // namespace

std::optional<TEtherCAT_Slave_Table> Read_EtherCAT_Slave_File(const std::filesystem::path& file)
{
    auto doc = Load_If_Exists(file);
    if (!doc)
        return std::nullopt;
    const xml::Element vars = Required_Child(doc->DocumentElement(), "EtherCAT_Slave_Variables", file);
    TEtherCAT_Slave_Table table;
    table.Slave_To_Master = Read_Table_Rows(Required_Child(vars, "EtherCAT_Slave_To_Master", file));
    table.Master_To_Slave = Read_Table_Rows(Required_Child(vars, "EtherCAT_Master_To_Slave", file));
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
