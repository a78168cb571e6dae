#include "core/EtherCATSlaveFile.h"

#include "core/ParGenFile.h"
#include "core/TableTexts.h"
#include "platform/xml/Xml.h"

namespace core {

namespace {

TEtherCAT_Var Var_From_Row(const TTableRow& r, TEtherCAT_Direction d)
{
    TEtherCAT_Var v;
    v.Enable = r.Attr("Enable", "Y") != "N";
    v.Type = r.Attr("Type", "");
    if (const auto rule = Type_Rule(v.Type))
        v.Length = rule->Length;
    if (auto length = r.Attr("Length"))
        v.Length = std::move(*length);
    v.Name = r.Attr("Name", "");
    if (d == TEtherCAT_Direction::Slave_To_Master)
        v.InitValue = r.Attr("InitValue", "");
    v.Position = r.Attr("Position", "");
    v.BitStart = r.Attr("BitStart", "");
    v.Mnemonic = r.Attr("Mnemonic", "");
    return v;
}

// Fills a direction's table from its section; a note for rows beyond the table.
void Fill(std::vector<TEtherCAT_Var>& target, const std::vector<TTableRow>& rows, TEtherCAT_Direction d,
          std::string& notes)
{
    for (std::size_t i = 0; i < rows.size() && i < target.size(); ++i)
        target[i] = Var_From_Row(rows[i], d);
    if (rows.size() > target.size())
        notes += "\n" + Lang_Format(1054, {Lang_Text(EtherCAT_Direction_Text(d)), rows.size()});
}

void Write_Section(xml::Element parent, std::string_view name, std::vector<TEtherCAT_Var> rows, TEtherCAT_Direction d)
{
    xml::Element section = parent.AppendChild(name);
    Calc_Position_Bit(rows);
    const std::size_t saved = Saved_Row_Count(rows);
    for (std::size_t i = 0; i < saved; ++i) {
        const TEtherCAT_Var& v = rows[i];
        xml::Element row = section.AppendChild("row");
        row.SetAttribute("Enable", v.Enable ? "Y" : "N");
        row.SetAttribute("Type", v.Type);
        row.SetAttribute("Length", v.Length);
        row.SetAttribute("Name", v.Name);
        if (d == TEtherCAT_Direction::Slave_To_Master)
            row.SetAttribute("InitValue", v.InitValue);
        row.SetAttribute("Position", v.Position);
        row.SetAttribute("BitStart", v.BitStart);
        row.SetAttribute("Mnemonic", v.Mnemonic);
    }
}

}  // namespace

TEtherCAT_Slave_Load Load_EtherCAT_Slave_Vars(const std::filesystem::path& file)
{
    TEtherCAT_Slave_Load load;
    std::string notes;
    try {
        if (const auto table = Load_EtherCAT_Slave_Table(file)) {
            const std::pair<TEtherCAT_Direction, bool> present[] = {
                {TEtherCAT_Direction::Slave_To_Master, table->Has_Slave_To_Master},
                {TEtherCAT_Direction::Master_To_Slave, table->Has_Master_To_Slave}};
            for (const auto& [d, has] : present) {
                if (!has)
                    notes += "\n" + Lang_Format(1053, {Lang_Text(EtherCAT_Direction_Text(d))});
                const auto& rows =
                    d == TEtherCAT_Direction::Slave_To_Master ? table->Slave_To_Master : table->Master_To_Slave;
                Fill(load.Vars.Rows(d), rows, d, notes);
            }
        }
    } catch (const rtl::EFileError& e) {
        load.Vars = {};
        notes += "\n" + Lang_Format(1052, {std::string(e.what())});
    }
    Calc_Position_Bit(load.Vars.Slave_To_Master);
    Calc_Position_Bit(load.Vars.Master_To_Slave);
    if (!notes.empty())
        load.Message = Lang_Text(1051) + notes;
    return load;
}

void Write_EtherCAT_Slave_File(const std::filesystem::path& file, const TEtherCAT_Slave_Vars& vars)
{
    xml::Document doc;
    xml::Element root = doc.CreateRoot("EtherCAT_Slave");
    doc.AppendComment(Table_File_Comment);
    xml::Element variables = root.AppendChild(EtherCAT_Variables_Element);
    Write_Section(variables, EtherCAT_Slave_To_Master_Element, vars.Slave_To_Master,
                  TEtherCAT_Direction::Slave_To_Master);
    Write_Section(variables, EtherCAT_Master_To_Slave_Element, vars.Master_To_Slave,
                  TEtherCAT_Direction::Master_To_Slave);
    doc.SaveToFile(file);
}

}  // namespace core
