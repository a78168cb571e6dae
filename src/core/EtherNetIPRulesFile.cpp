#include "core/EtherNetIPRulesFile.h"

#include "core/ParGenFile.h"
#include "core/TableRows.h"
#include "core/TableTexts.h"
#include "platform/xml/Xml.h"

namespace core {

namespace {

TEtherNetIP_Row Row_From(const TTableRow& r)
{
    TEtherNetIP_Row row;
    for (const auto& c : EtherNetIP_Columns) {
        std::string_view fallback;
        if (c.Field == &TEtherNetIP_Row::Enable)
            fallback = "N";
        else if (c.Field == &TEtherNetIP_Row::Dim_Header_T_O || c.Field == &TEtherNetIP_Row::Dim_Header_O_T)
            fallback = "Default";
        row.*c.Field = r.Attr(c.Attribute, fallback);
    }
    return row;
}

}  // namespace

TEtherNetIP_Rules_Load Load_EtherNetIP_Rules(const std::filesystem::path& file)
{
    TEtherNetIP_Rules_Load load;
    load.Rows.resize(EtherNetIP_Rows);
    std::string notes;
    try {
        if (const auto rows = Read_EtherNetIP_Master_Rules_File(file)) {
            for (std::size_t i = 0; i < rows->size() && i < load.Rows.size(); ++i)
                load.Rows[i] = Row_From((*rows)[i]);
            if (rows->size() > load.Rows.size())
                notes += "\n" + Lang_Format(4963, {rows->size()});
        }
    } catch (const rtl::EFileError& e) {
        notes += "\n" + Lang_Format(4962, {std::string(e.what())});
    }
    if (!notes.empty())
        load.Message = Lang_Text(4961) + notes;
    return load;
}

void Write_EtherNetIP_Rules_File(const std::filesystem::path& file, const std::vector<TEtherNetIP_Row>& rows)
{
    xml::Document doc;
    xml::Element root = doc.CreateRoot("EtherNetIP_Master_Access");
    doc.AppendComment(Table_File_Comment);
    const std::size_t saved = EtherNetIP_Saved_Row_Count(rows);
    for (std::size_t i = 0; i < saved; ++i) {
        xml::Element row = root.AppendChild("row");
        for (const auto& c : EtherNetIP_Columns)
            row.SetAttribute(c.Attribute, rows[i].*c.Field);
    }
    doc.SaveToFile(file);
}

}  // namespace core
