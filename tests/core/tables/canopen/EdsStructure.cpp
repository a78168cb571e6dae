// What CiA 306 asks of an EDS file's structure:
// - sections and keys appear once each (keys compared without letter case);
// - [FileInfo], [DeviceInfo] and [MandatoryObjects] are there; 0x1000, 0x1001 and 0x1018 are
//   mandatory;
// - each object list ([MandatoryObjects], [OptionalObjects], [ManufacturerObjects]) holds
//   SupportedObjects=N and the entries 1 to N, nothing else; every object it names has its section,
//   no object is listed twice, and every object section is listed; manufacturer objects lie in
//   0x2000 to 0x5FFF and the other lists hold none of them;
// - an object is a variable (ObjectType 0x7) without sub-indexes, or an array or record (0x8,
//   0x9) whose SubNumber is the number of its sub-index sections, each a variable;
// - a variable has a legal DataType (the basic types 0x0001 to 0x001B), AccessType (ro, wo, rw,
//   rwr, rww, const) and PDOMapping (0 or 1);
// - NrOfRXPDO and NrOfTXPDO count the PDO communication parameters (0x1400 to 0x15FF, 0x1800 to
//   0x19FF), each of which has its mapping parameter; a mapping entry names a sub-index that
//   exists and may be mapped.
#include "EdsStructure.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

namespace canopentest {

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

// "0x..." in hexadecimal or plain decimal; nothing else.
std::optional<std::int64_t> Number(const std::string& text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 16)
        return std::nullopt;
    for (const char c : digits)
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c))))
            return std::nullopt;
    return std::stoll(digits, nullptr, hex ? 16 : 10);
}

struct Section {
    std::map<std::string, std::string> Keys;  // lower-case key → value
    std::string Key(const std::string& k) const
    {
        const auto it = Keys.find(Lower(k));
        return it == Keys.end() ? std::string() : it->second;
    }
    bool Has(const std::string& k) const { return Keys.count(Lower(k)) != 0; }
};

struct Parsed {
    std::map<std::string, Section> Sections;  // upper-case name
    std::vector<std::string> Faults;
};

Parsed Parse(const std::string& text)
{
    Parsed p;
    std::string current;
    std::size_t start = 0;
    int lineNo = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ++lineNo;
        if (end == std::string::npos) {
            p.Faults.push_back("the file does not end with CR LF");
            break;
        }
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos)
            p.Faults.push_back("line " + std::to_string(lineNo) + " holds a bare CR or LF");
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']') {
                p.Faults.push_back("line " + std::to_string(lineNo) + " opens a section it does not close");
                continue;
            }
            current = Upper(line.substr(1, line.size() - 2));
            if (!p.Sections.emplace(current, Section{}).second)
                p.Faults.push_back("section [" + current + "] appears twice");
            continue;
        }
        const std::size_t eq = line.find('=');
        if (current.empty() || eq == std::string::npos || eq == 0) {
            p.Faults.push_back("line " + std::to_string(lineNo) + " is no key of a section: " + line);
            continue;
        }
        if (!p.Sections[current].Keys.emplace(Lower(line.substr(0, eq)), line.substr(eq + 1)).second)
            p.Faults.push_back("[" + current + "] has the key " + line.substr(0, eq) + " twice");
    }
    return p;
}

std::string Hex4(std::int64_t v)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string s(4, '0');
    for (int i = 3; i >= 0; --i, v >>= 4)
        s[static_cast<std::size_t>(i)] = digits[v & 0xF];
    return s;
}

std::string Sub_Section(std::int64_t index, std::int64_t sub)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), digits[sub & 0xF]);
        sub >>= 4;
    } while (sub != 0);
    return Hex4(index) + "SUB" + s;
}

bool Legal_Data_Type(std::int64_t t)
{
    return t >= 0x0001 && t <= 0x001B && t != 0x000E && t != 0x0017;
}

void Check_Variable(const std::string& name, const Section& s, std::vector<std::string>& faults)
{
    static const std::set<std::string> access = {"ro", "wo", "rw", "rwr", "rww", "const"};
    const std::optional<std::int64_t> type = Number(s.Key("DataType"));
    if (!type || !Legal_Data_Type(*type))
        faults.push_back("[" + name + "] has the data type '" + s.Key("DataType") + "'");
    if (!access.count(Lower(s.Key("AccessType"))))
        faults.push_back("[" + name + "] has the access type '" + s.Key("AccessType") + "'");
    const std::string mapping = s.Key("PDOMapping");
    if (s.Has("PDOMapping") && mapping != "0" && mapping != "1")
        faults.push_back("[" + name + "] has PDOMapping=" + mapping);
    if (!s.Has("ParameterName"))
        faults.push_back("[" + name + "] has no ParameterName");
}

}  // namespace

std::vector<std::string> EDS_Structure_Faults(const std::string& text)
{
    Parsed p = Parse(text);
    std::vector<std::string>& faults = p.Faults;
    for (const char* required : {"FILEINFO", "DEVICEINFO", "MANDATORYOBJECTS"})
        if (!p.Sections.count(required))
            faults.push_back(std::string("no section [") + required + "]");

    // The object lists.
    std::map<std::int64_t, std::string> listed;  // object → its list
    for (const char* list : {"MANDATORYOBJECTS", "OPTIONALOBJECTS", "MANUFACTUREROBJECTS"}) {
        const auto it = p.Sections.find(list);
        if (it == p.Sections.end())
            continue;
        const Section& s = it->second;
        const std::optional<std::int64_t> n = Number(s.Key("SupportedObjects"));
        if (!n) {
            faults.push_back(std::string("[") + list + "] has no number of SupportedObjects");
            continue;
        }
        if (static_cast<std::int64_t>(s.Keys.size()) != *n + 1)
            faults.push_back(std::string("[") + list + "] says " + std::to_string(*n) + " objects and holds " +
                             std::to_string(s.Keys.size() - 1) + " entries");
        for (std::int64_t k = 1; k <= *n; ++k) {
            const std::string entry = s.Key(std::to_string(k));
            const std::optional<std::int64_t> index = Number(entry);
            if (!index || *index > 0xFFFF) {
                faults.push_back(std::string("[") + list + "] entry " + std::to_string(k) + " is '" + entry + "'");
                continue;
            }
            const bool manufacturer = *index >= 0x2000 && *index <= 0x5FFF;
            if (manufacturer != (std::string(list) == "MANUFACTUREROBJECTS"))
                faults.push_back(std::string("[") + list + "] lists 0x" + Hex4(*index));
            if (!listed.emplace(*index, list).second)
                faults.push_back("0x" + Hex4(*index) + " is listed twice");
            if (!p.Sections.count(Hex4(*index)))
                faults.push_back(std::string("[") + list + "] lists 0x" + Hex4(*index) + ", which has no section");
        }
    }
    for (const std::int64_t mandatory : {0x1000, 0x1001, 0x1018})
        if (const auto it = listed.find(mandatory); it == listed.end() || it->second != "MANDATORYOBJECTS")
            faults.push_back("0x" + Hex4(mandatory) + " is not among the mandatory objects");

    // The objects and their sub-indexes.
    std::map<std::int64_t, int> subsFound;
    for (const auto& [name, s] : p.Sections) {
        const std::size_t sub = name.find("SUB");
        const std::string objectName = name.substr(0, sub);
        const std::optional<std::int64_t> index =
            objectName.size() == 4 ? Number("0x" + objectName) : std::optional<std::int64_t>();
        if (!index)
            continue;  // a section of another kind
        const std::optional<std::int64_t> type = Number(s.Key("ObjectType"));
        if (sub == std::string::npos) {
            if (!listed.count(*index))
                faults.push_back("[" + name + "] is in no object list");
            if (type == 0x7)
                Check_Variable(name, s, faults);
            else if (type != 0x8 && type != 0x9)
                faults.push_back("[" + name + "] has the object type '" + s.Key("ObjectType") + "'");
            continue;
        }
        const std::optional<std::int64_t> subIndex = Number("0x" + name.substr(sub + 3));
        if (!subIndex || *subIndex > 0xFF || Sub_Section(*index, *subIndex) != name)
            faults.push_back("[" + name + "] names no sub-index");
        ++subsFound[*index];
        if (type != 0x7)
            faults.push_back("[" + name + "] has the object type '" + s.Key("ObjectType") + "'");
        Check_Variable(name, s, faults);
    }
    for (const auto& [index, list] : listed) {
        const auto it = p.Sections.find(Hex4(index));
        if (it == p.Sections.end())
            continue;
        const std::optional<std::int64_t> type = Number(it->second.Key("ObjectType"));
        const int found = subsFound.count(index) ? subsFound[index] : 0;
        if (type == 0x7 && found != 0)
            faults.push_back("the variable [" + Hex4(index) + "] has sub-indexes");
        if ((type == 0x8 || type == 0x9) && Number(it->second.Key("SubNumber")) != found)
            faults.push_back("[" + Hex4(index) + "] says SubNumber=" + it->second.Key("SubNumber") + " and has " +
                             std::to_string(found) + " sub-indexes");
    }

    // The PDOs.
    int rx = 0, tx = 0;
    for (const auto& [index, list] : listed) {
        if (index >= 0x1400 && index <= 0x15FF) {
            ++rx;
            if (!listed.count(index + 0x200))
                faults.push_back("receive PDO 0x" + Hex4(index) + " has no mapping");
        }
        if (index >= 0x1800 && index <= 0x19FF) {
            ++tx;
            if (!listed.count(index + 0x200))
                faults.push_back("transmit PDO 0x" + Hex4(index) + " has no mapping");
        }
        if ((index >= 0x1600 && index <= 0x17FF) || (index >= 0x1A00 && index <= 0x1BFF))
            for (const auto& [name, s] : p.Sections) {
                if (name.rfind(Hex4(index) + "SUB", 0) != 0 || name == Hex4(index) + "SUB0")
                    continue;
                const std::optional<std::int64_t> entry = Number(s.Key("DefaultValue"));
                const std::string target =
                    entry ? Sub_Section(*entry >> 16, (*entry >> 8) & 0xFF) : std::string("(none)");
                const auto t = p.Sections.find(target);
                if (t == p.Sections.end() || t->second.Key("PDOMapping") != "1")
                    faults.push_back("[" + name + "] maps [" + target + "], which cannot be mapped");
            }
    }
    const auto device = p.Sections.find("DEVICEINFO");
    if (device != p.Sections.end()) {
        if (Number(device->second.Key("NrOfRXPDO")) != rx)
            faults.push_back("NrOfRXPDO=" + device->second.Key("NrOfRXPDO") + " for " + std::to_string(rx) +
                             " receive PDOs");
        if (Number(device->second.Key("NrOfTXPDO")) != tx)
            faults.push_back("NrOfTXPDO=" + device->second.Key("NrOfTXPDO") + " for " + std::to_string(tx) +
                             " transmit PDOs");
    }
    return faults;
}

}  // namespace canopentest
