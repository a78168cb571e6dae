#include "core/ParGenFile.h"

#include "core/TableRows.h"

namespace core {

std::optional<TParGenFile> TParGenFile::Open(const std::filesystem::path& file)
{
    if (!Table_File_Exists(file))
        return std::nullopt;
    TParGenFile f;
    f.doc_.LoadFromFile(file);
    return f;
}

std::optional<std::string> TParGenFile::Key(std::string_view name) const
{
    const xml::Element key = doc_.DocumentElement().ChildByName(name);
    if (!key)
        return std::nullopt;
    return key.InnerText();
}

bool ParGen_Flag(const std::optional<std::string>& value)
{
    return value && *value == "1";
}

namespace {

// Key names of a four-octet address: prefix + "1" .. prefix + "4".
std::string Octet_Key(std::string_view prefix, std::size_t i)
{
    return std::string(prefix) + char('1' + i);
}

void Read_Octets(const TParGenFile& f, std::string_view prefix, std::array<std::string, 4>& octets)
{
    for (std::size_t i = 0; i < 4; ++i)
        if (auto v = f.Key(Octet_Key(prefix, i)))
            octets[i] = *v;
}

void Write_Octets(xml::Element& root, std::string_view prefix, const std::array<std::string, 4>& octets)
{
    for (std::size_t i = 0; i < 4; ++i)
        root.AppendTextChild(Octet_Key(prefix, i), octets[i]);
}

const char* Flag_Text(bool on)
{
    return on ? "1" : "0";
}

}  // namespace

TParGenSettings Read_ParGen_Settings(const std::filesystem::path& file)
{
    TParGenSettings s;
    const auto f = TParGenFile::Open(file);
    if (!f)
        return s;
    auto text = [&](std::string_view key, std::string& target) {
        if (auto v = f->Key(key))
            target = *v;
    };
    text("Eth_Conn_Device_Name", s.Device_Name);
    s.DHCP_Cable = ParGen_Flag(f->Key("Eth_Conn_DHCP_Cable"));
    s.Enable_DNS = ParGen_Flag(f->Key("Eth_Conn_Enable_DNS"));
    Read_Octets(*f, "Eth_Conn_Primary_DNS", s.Primary_DNS);
    Read_Octets(*f, "Eth_Conn_Secondary_DNS", s.Secondary_DNS);
    text("EtherCAT_Slave_Revision_Number", s.Revision_Number);
    text("EtherCAT_Slave_Name", s.Slave_Name);
    text("EtherCAT_Slave_Node_Address", s.Node_Address);
    Read_Octets(*f, "EtherNetIP_Master_IP", s.Master_IP);
    Read_Octets(*f, "EtherNetIP_Master_SM", s.Master_SM);
    Read_Octets(*f, "EtherNetIP_Master_GAT", s.Master_GAT);
    s.Enable_Gateway = ParGen_Flag(f->Key("EtherNetIP_Master_EN_GAT"));
    return s;
}

void Write_ParGen_Settings(const std::filesystem::path& file, const TParGenSettings& s)
{
    xml::Document doc;
    xml::Element root = doc.CreateRoot("Par_Gen");
    doc.AppendComment(Table_File_Comment);
    root.AppendTextChild("Eth_Conn_Device_Name", s.Device_Name);
    root.AppendTextChild("Eth_Conn_DHCP_Cable", Flag_Text(s.DHCP_Cable));
    root.AppendTextChild("Eth_Conn_DHCP_WiFi", Flag_Text(false));
    root.AppendTextChild("Eth_Conn_Enable_DNS", Flag_Text(s.Enable_DNS));
    Write_Octets(root, "Eth_Conn_Primary_DNS", s.Primary_DNS);
    Write_Octets(root, "Eth_Conn_Secondary_DNS", s.Secondary_DNS);
    root.AppendTextChild("EtherCAT_Slave_Revision_Number", s.Revision_Number);
    root.AppendTextChild("EtherCAT_Slave_Name", s.Slave_Name);
    root.AppendTextChild("EtherCAT_Slave_Node_Address", s.Node_Address);
    Write_Octets(root, "EtherNetIP_Master_IP", s.Master_IP);
    Write_Octets(root, "EtherNetIP_Master_SM", s.Master_SM);
    Write_Octets(root, "EtherNetIP_Master_GAT", s.Master_GAT);
    root.AppendTextChild("EtherNetIP_Master_EN_GAT", Flag_Text(s.Enable_Gateway));
    root.AppendTextChild("EtherNetIP_Master_Port", EtherNetIP_Port_Text);
    doc.SaveToFile(file);
}

}  // namespace core
