#include "app/USettingsFile.h"

#include "common/UComon.h"

namespace {

constexpr const char* kSettingsFileName = "Brevandor.xml";

struct Flag {
    const char* name;
    bool* value;
};

const Flag kFlags[] = {
    {"enable_internet", &Enable_Internet},
    {"enable_update", &Enable_Update},
    {"enable_jump_field_tables", &Enable_Jump_Field},
    {"Double_Click_Auto_Size", &Enable_DblClick_AutoSize},
};

void Set_Defaults()
{
    Name_Project.clear();
    Last_IP_Address = Last_IP_Address_Default;
    Language_Name = Language_Name_Default;
    for (const Flag& f : kFlags)
        *f.value = false;
}

// Text of <group>/<name> below the root, kept as written; nullopt when a step is missing or the
// element holds more than one text.
std::optional<std::string> Value(const xml::Element& root, const char* group, const char* name)
{
    return root.ChildByName(group).ChildByName(name).Text();
}

}  // namespace

std::filesystem::path Settings_File_Path()
{
    return std::filesystem::path(Path_Exe) / kSettingsFileName;
}

std::string Read_Setting(xml::Document& doc)
{
    Set_Defaults();
    const auto file = Settings_File_Path();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return {};
    try {
        doc.LoadFromFile(file);
    } catch (const rtl::EFileError& e) {
        return e.what();
    }
    const xml::Element root = doc.DocumentElement();
    Name_Project = Value(root, "lastproj", "projectname").value_or("");
    Last_IP_Address = Value(root, "lastipadd", "ipaddress").value_or(Last_IP_Address_Default);
    Language_Name = Value(root, "lastlang", "language").value_or(Language_Name_Default);
    for (const Flag& f : kFlags)
        *f.value = Value(root, "lastinternet", f.name).value_or("") == "1";
    return {};
}

void Save_Setting(xml::Document& doc)
{
    xml::Element root = doc.CreateRoot("Conf_Settings");
    root.AppendChild("lastproj").AppendTextChild("projectname", Name_Project);
    root.AppendChild("lastipadd").AppendTextChild("ipaddress", Last_IP_Address);
    root.AppendChild("lastlang").AppendTextChild("language", Language_Name);
    xml::Element flags = root.AppendChild("lastinternet");
    for (const Flag& f : kFlags)
        flags.AppendTextChild(f.name, *f.value ? "1" : "0");
    doc.SaveToFile(Settings_File_Path());
}
