#include "core/tables/opcua/OPCUAClientFile.h"

#include <algorithm>
#include <array>
#include <vector>

#include "common/LangFormat.h"
#include "common/NumConv.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/xml/Xml.h"

namespace tables::opcua {

namespace {

// Texts of the frame's load notes, and of the client's block.
constexpr int Text_Load_Header = 1107;
constexpr int Text_Load_Unreadable = 1108;
constexpr int Text_Load_Missing_Attribute = 1109;
constexpr int Text_Load_Missing_Section = 1111;
constexpr int Text_Bad_Namespace = 4219;

constexpr std::string_view Server_Attributes[] = {"ServerAddress", "Authorization",  "UserName",
                                                  "Password",      "Certificate",    "PrivateKey",
                                                  "SecurityType",  "SecurityPolicy", "Mnemonic"};

std::string Note_Line(int text, const std::vector<rtl::TVarRec>& args)
{
    return "\n" + core::Lang_Format(text, args);
}

// An attribute read without a fallback: false, with the note, when it is missing.
bool Required(const xml::Element& e, std::string_view name, int k, const std::string& where, std::string& value,
              std::string& notes)
{
    const std::optional<std::string_view> v = e.Attribute(name);
    if (!v) {
        notes += Note_Line(Text_Load_Missing_Attribute, {k, std::string(name) + " (" + where + ")"});
        return false;
    }
    value = std::string(*v);
    return true;
}

std::string Flag(const xml::Element& e, std::string_view name)
{
    return e.Attribute(name, "") == "1" ? "Y" : "N";
}

// The variables of one list; false when an attribute without a fallback was missing.
bool Read_Variables(const xml::Element& list, const std::string& where, std::vector<TOPC_UA_Variable>& vars,
                    std::string& notes)
{
    int k = 0;
    for (const xml::Element& node : list.Elements()) {
        ++k;
        TOPC_UA_Variable v;
        std::string nodeType, nodeId, varType, ns;
        v.Enable = node.Attribute("Enable", "") == "1";
        if (!Required(node, "DisplayName", k, where, v.DispalyName, notes) ||
            !Required(node, "NodeType", k, where, nodeType, notes) ||
            !Required(node, "NodeID", k, where, nodeId, notes) ||
            !Required(node, "VarType", k, where, varType, notes) ||
            !Required(node, "NameSpaceIndex", k, where, ns, notes))
            return false;
        v.SetNodeType(nodeType);
        v.SetNodeID(nodeId);
        v.SetVarType(varType);
        const std::optional<std::int32_t> index = Str_To_Int(Cell_Trim(ns));
        if (!index || *index < 0 || *index > 0xFFFF)
            notes += Note_Line(Text_Bad_Namespace, {where + " " + std::to_string(k), ns});
        v.nameSpaceIndex = static_cast<std::uint16_t>(index && *index >= 0 && *index <= 0xFFFF ? *index : 0);
        v.VarArray = node.Attribute("VarArray", "Variable");
        v.Start = node.Attribute("Start", "0");
        v.Len = node.Attribute("Length", "0");
        v.OnChange = Flag(node, "OnChange");
        v.OnCMD = Flag(node, "OnCMD");
        v.OnTimer = Flag(node, "OnTimer");
        if (!Required(node, "Time", k, where, v.Time, notes) ||
            !Required(node, "Position", k, where, v.Position, notes) ||
            !Required(node, "Mnemonic", k, where, v.Mnemonic, notes))
            return false;
        vars.push_back(std::move(v));
    }
    return true;
}

// One server element; false when the reading ends here.
bool Read_Server(const xml::Element& node, int k, TOPC_UA_Server_List& servers, std::string& notes)
{
    TOPC_UA_Server s;
    // In the file's order of attributes.
    std::string* ordered[] = {&s.ServerAddress, &s.Authorization, &s.UserName,       &s.Password, &s.Certificate,
                              &s.PrivateKey,    &s.SecurityType,  &s.SecurityPolicy, &s.Mnemonic};
    const std::string where = std::string(Client_Servers);
    s.Enable = node.Attribute("Enable", "") == "1";
    for (std::size_t a = 0; a < std::size(Server_Attributes); ++a)
        if (!Required(node, Server_Attributes[a], k, where, *ordered[a], notes))
            return false;
    const std::string self = std::string(node.Name()) + " " + std::to_string(k);
    const xml::Element vars = node.ChildByName("OPC_UA_Variables");
    bool whole = true;
    if (!vars) {
        notes += Note_Line(Text_Load_Missing_Section, {self + "/OPC_UA_Variables"});
    } else {
        const std::pair<std::string_view, std::vector<TOPC_UA_Variable>*> lists[] = {
            {"OPC_UA_Read_Var", &s.Var_List_R}, {"OPC_UA_Write_Var", &s.Var_List_W}};
        for (const auto& [name, list] : lists) {
            const std::string path = self + "/OPC_UA_Variables/" + std::string(name);
            const xml::Element section = vars.ChildByName(name);
            if (!section)
                notes += Note_Line(Text_Load_Missing_Section, {path});
            else if (!Read_Variables(section, path, *list, notes)) {
                whole = false;
                break;
            }
        }
    }
    // A server whose variables stopped the reading keeps those read so far.
    servers.push_back(std::move(s));
    return whole;
}

xml::Document Client_Document(const TOPC_UA_Server_List& servers)
{
    xml::Document doc;
    xml::Element list = doc.CreateRoot(Client_Root).AppendChild(Client_Servers);
    for (const TOPC_UA_Server& s : servers) {
        xml::Element e = list.AppendChild("OPC_UA_Server");
        e.SetAttribute("Enable", s.Enable ? "1" : "0");
        e.SetAttribute("ServerAddress", s.ServerAddress);
        e.SetAttribute("Authorization", s.Authorization);
        e.SetAttribute("UserName", s.UserName);
        e.SetAttribute("Password", s.Password);
        e.SetAttribute("Certificate", s.Certificate);
        e.SetAttribute("PrivateKey", s.PrivateKey);
        e.SetAttribute("SecurityType", s.SecurityType);
        e.SetAttribute("SecurityPolicy", s.SecurityPolicy);
        e.SetAttribute("Mnemonic", s.Mnemonic);
        xml::Element vars = e.AppendChild("OPC_UA_Variables");
        for (int w = 0; w < 2; ++w) {
            xml::Element section = vars.AppendChild(w == 0 ? "OPC_UA_Read_Var" : "OPC_UA_Write_Var");
            for (const TOPC_UA_Variable& v : w == 0 ? s.Var_List_R : s.Var_List_W) {
                xml::Element r = section.AppendChild("Variable");
                r.SetAttribute("Enable", v.Enable ? "1" : "0");
                r.SetAttribute("DisplayName", v.DispalyName);
                r.SetAttribute("NodeType", v.NodeType());
                r.SetAttribute("NodeID", v.NodeID());
                r.SetAttribute("VarType", v.VarType());
                r.SetAttribute("NameSpaceIndex", std::to_string(v.nameSpaceIndex));
                r.SetAttribute("VarArray", w == 0 ? v.VarArray : "Var");
                r.SetAttribute("Start", w == 0 ? v.Start : "0");
                r.SetAttribute("Length", w == 0 ? v.Len : "0");
                r.SetAttribute("OnChange", w == 1 && v.OnChange == "Y" ? "1" : "0");
                r.SetAttribute("OnCMD", w == 1 && v.OnCMD == "Y" ? "1" : "0");
                r.SetAttribute("OnTimer", w == 1 && v.OnTimer == "Y" ? "1" : "0");
                r.SetAttribute("Time", v.Time);
                r.SetAttribute("Position", v.Position);
                r.SetAttribute("Mnemonic", v.Mnemonic);
            }
        }
    }
    return doc;
}

// The data check's numbers: the field read by the integer rule (-1 for anything else).
std::int32_t Number(const std::string& text)
{
    return Cell_Int(text);
}

std::string Type_Key(const TOPC_UA_Variable& v)
{
    return rtl::UpperCase(Cell_Trim(v.VarType()));
}

// The rules of one variable in order: the text number of the first broken one (with the bound
// for the position texts), or 0.
int Read_Fault(const TOPC_UA_Variable& v)
{
    if (v.DispalyName.empty())
        return 4220;
    if (v.identifierType == IdType_Numeric && v.Bad_Numeric)
        return 4217;
    const std::string type = Type_Key(v);
    const bool text = type == "STRING" || type == "BYTESTRING";
    const std::string kind = rtl::UpperCase(Cell_Trim(v.VarArray));
    if (kind.empty())
        return 4211;
    if (kind != "ARRAY" && text) {
        if (Number(v.Start) < 0)
            return 4212;
        if (Number(v.Len) < 0)
            return 4213;
    }
    if (kind == "ARRAY") {
        if (text)
            return 4214;
        if (Number(v.Start) < 0)
            return 4215;
        if (Number(v.Len) < 0)
            return 4216;
    }
    if (Cell_Trim(v.Time).empty())
        return 4197;
    if (Number(v.Time) < 1)
        return 4198;
    if (Cell_Trim(v.Position).empty())
        return 4199;
    const std::int32_t p = Number(v.Position);
    if (p < 0 || p > Client_Max_Position)
        return 4200;
    return 0;
}

int Write_Fault(const TOPC_UA_Variable& v)
{
    if (v.DispalyName.empty())
        return 4221;
    if (v.identifierType == IdType_Numeric && v.Bad_Numeric)
        return 4218;
    if (v.OnTimer == "Y") {
        if (Cell_Trim(v.Time).empty())
            return 4201;
        if (Number(v.Time) < 1)
            return 4202;
    }
    if (Cell_Trim(v.Position).empty())
        return 4203;
    const std::int32_t p = Number(v.Position);
    if (p < 0 || p > Client_Max_Position)
        return 4204;
    return 0;
}

// The first free position after a list: its largest Position plus its type's size.
int List_End(const std::vector<TOPC_UA_Variable>& vars)
{
    int end = 0;
    bool any = false;
    for (const TOPC_UA_Variable& v : vars) {
        const std::int32_t p = Number(v.Position);
        const int at = (p < 0 ? 0 : p) + GetLenVarType(v.VarType());
        end = any ? std::max(end, at) : at;
        any = true;
    }
    return end;
}

}  // namespace

TClient_Read Load_OPC_UA_Client(const std::filesystem::path& file)
{
    TClient_Read read;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return read;
    std::string notes;
    try {
        xml::Document doc;
        doc.LoadFromFile(file);
        xml::Element root;
        for (const xml::Node& n : doc.ChildNodes())
            if (n.Kind() == xml::NodeKind::Element && n.Name() == Client_Root) {
                root = n.AsElement();
                break;
            }
        const xml::Element list = root.ChildByName(Client_Servers);
        if (!root)
            notes += Note_Line(Text_Load_Missing_Section, {std::string(Client_Root)});
        else if (!list)
            notes +=
                Note_Line(Text_Load_Missing_Section, {std::string(Client_Root) + "/" + std::string(Client_Servers)});
        int k = 0;
        for (const xml::Element& node : list.Elements())
            if (!Read_Server(node, ++k, read.Servers, notes))
                break;
    } catch (const rtl::EFileError& e) {
        notes += Note_Line(Text_Load_Unreadable, {std::string(e.what())});
    }
    if (!notes.empty())
        read.Note = core::Lang_Format(Text_Load_Header, {file.string()}) + notes;
    return read;
}

std::string Client_File_Text(const TOPC_UA_Server_List& servers)
{
    return Client_Document(servers).SaveToString();
}

void Save_OPC_UA_Client(const std::filesystem::path& file, const TOPC_UA_Server_List& servers)
{
    const std::string text = Client_Document(servers).SaveToString();
    try {
        // The owner alone reads and writes the file: it holds passwords and private keys.
        rtl::WriteFileAtomic(file.string(), text, rtl::FileAccess::OwnerOnly);
    } catch (const rtl::EFCreateError& e) {
        throw xml::XmlError(file.string(), e.Message);
    }
}

std::optional<TClient_Fault> Controllo_Dati(const TOPC_UA_Server_List& servers)
{
    for (std::size_t s = 0; s < servers.size(); ++s) {
        for (int w = 0; w < 2; ++w) {
            const std::vector<TOPC_UA_Variable>& vars = w == 0 ? servers[s].Var_List_R : servers[s].Var_List_W;
            for (std::size_t k = 0; k < vars.size(); ++k) {
                if (!vars[k].Enable)
                    continue;
                const int text = w == 0 ? Read_Fault(vars[k]) : Write_Fault(vars[k]);
                if (text == 0)
                    continue;
                TClient_Fault f{static_cast<int>(s) + 1, static_cast<int>(k) + 1, w == 1, text, {}};
                std::vector<rtl::TVarRec> args = {f.Server, f.Variable};
                if (text == 4200 || text == 4204)
                    args.emplace_back(Client_Max_Position);
                // A translated text whose placeholders went wrong still gives its message.
                f.Message = Lang_Safe_Format(text, args);
                return f;
            }
        }
    }
    return std::nullopt;
}

int GetLenVarType(const std::string& type)
{
    const std::string t = rtl::UpperCase(type);
    if (t == "BOOLEAN" || t == "INT8" || t == "UINT8")
        return 1;
    if (t == "INT16" || t == "UINT16")
        return 2;
    if (t == "INT32" || t == "UINT32" || t == "FLOAT")
        return 4;
    if (t == "INT64" || t == "UINT64" || t == "DOUBLE" || t == "DATETIME")
        return 8;
    if (t == "GUID")
        return 16;
    if (t == "STRING" || t == "BYTESTRING")
        return 20;
    return 0;
}

void Start_Position(const TOPC_UA_Server_List& servers, int selected, int& readStart, int& writeStart)
{
    readStart = writeStart = 0;
    if (selected < 1 || selected >= static_cast<int>(servers.size()))
        return;
    const TOPC_UA_Server& before = servers[static_cast<std::size_t>(selected) - 1];
    readStart = List_End(before.Var_List_R);
    writeStart = List_End(before.Var_List_W);
}

void Auto_Position(TOPC_UA_Server_List& servers, int selected)
{
    if (selected < 0 || selected >= static_cast<int>(servers.size()))
        return;
    int starts[2] = {0, 0};
    Start_Position(servers, selected, starts[0], starts[1]);
    TOPC_UA_Server& s = servers[static_cast<std::size_t>(selected)];
    for (int w = 0; w < 2; ++w)
        for (TOPC_UA_Variable& v : w == 0 ? s.Var_List_R : s.Var_List_W) {
            v.Position = std::to_string(starts[w]);
            starts[w] += GetLenVarType(v.VarType());
        }
}

}  // namespace tables::opcua
