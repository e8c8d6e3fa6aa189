#include "shell/Settings.h"

#include "base/Files.h"
#include "platform/XmlDom.h"

namespace shell {

namespace {

// The text of parent/group/name, or def when an element is missing or holds
// elements instead of plain text. The text is taken exactly, blanks included,
// and an empty element gives an empty value, not the default.
std::string ReadValue(const plat::TXmlNode& group, std::string_view name, const std::string& def) {
    const plat::TXmlNode value = group.FindNode(name);
    if (value.IsNull() || value.ChildCount() > 0)
        return def;
    return value.Text();
}

bool ReadFlag(const plat::TXmlNode& group, std::string_view name) {
    return ReadValue(group, name, "0") == "1";
}

}  // namespace

bool Parse_Settings(std::string_view xml, TSettings& settings, std::string* error) {
    settings = TSettings{};
    plat::TXmlDocument doc;
    if (!doc.LoadFromString(xml, error))
        return false;
    // The root is taken by position, not by name, as the file has always been read.
    const plat::TXmlNode root = doc.Root();
    settings.Conf_Name = ReadValue(root.FindNode("lastproj"), "projectname", "");
    settings.Last_IP_Address = ReadValue(root.FindNode("lastipadd"), "ipaddress", Default_IP_Address);
    settings.Language_Name = ReadValue(root.FindNode("lastlang"), "language", Default_Language_Name);
    const plat::TXmlNode options = root.FindNode("lastinternet");
    settings.Opt_Enable_Internet = ReadFlag(options, "enable_internet");
    settings.Opt_Enable_Update = ReadFlag(options, "enable_update");
    settings.Opt_Jump_Field_Tables = ReadFlag(options, "enable_jump_field_tables");
    settings.Opt_DblClick_Auto_Size = ReadFlag(options, "Double_Click_Auto_Size");
    return true;
}

namespace {

void BuildSettings(plat::TXmlDocument& doc, const TSettings& settings) {
    doc.Clear();
    plat::TXmlNode root = doc.AddRoot("Conf_Settings");
    root.AddChild("lastproj").AddChild("projectname").SetText(settings.Conf_Name);
    root.AddChild("lastipadd").AddChild("ipaddress").SetText(settings.Last_IP_Address);
    root.AddChild("lastlang").AddChild("language").SetText(settings.Language_Name);
    plat::TXmlNode options = root.AddChild("lastinternet");
    options.AddChild("enable_internet").SetText(settings.Opt_Enable_Internet ? "1" : "0");
    options.AddChild("enable_update").SetText(settings.Opt_Enable_Update ? "1" : "0");
    options.AddChild("enable_jump_field_tables").SetText(settings.Opt_Jump_Field_Tables ? "1" : "0");
    options.AddChild("Double_Click_Auto_Size").SetText(settings.Opt_DblClick_Auto_Size ? "1" : "0");
}

}  // namespace

std::string Settings_To_Xml(const TSettings& settings) {
    plat::TXmlDocument doc;
    BuildSettings(doc, settings);
    return doc.SaveToString();
}

bool Load_Settings(const std::string& path, TSettings& settings, std::string* error) {
    settings = TSettings{};
    if (!base::FileExists(path))
        return true;
    std::string bytes;
    if (!base::ReadFileBytes(path, bytes, error))
        return false;
    if (!Parse_Settings(bytes, settings, error)) {
        if (error != nullptr)
            *error = path + ": " + *error;
        return false;
    }
    return true;
}

bool Save_Settings(const std::string& path, const TSettings& settings, std::string* error) {
    plat::TXmlDocument doc;
    BuildSettings(doc, settings);
    return doc.SaveToFile(path, error);
}

std::string Settings_Path() { return Exe_Dir + base::PathDelim + Settings_File_Name; }

bool Read_Setting(std::string* error) {
    TSettings settings;
    const bool ok = Load_Settings(Settings_Path(), settings, error);
    Conf_Name = settings.Conf_Name;
    Conf_Path.clear();
    Last_IP_Address = settings.Last_IP_Address;
    Language_Name = settings.Language_Name;
    Opt_Enable_Internet = settings.Opt_Enable_Internet;
    Opt_Enable_Update = settings.Opt_Enable_Update;
    Opt_Jump_Field_Tables = settings.Opt_Jump_Field_Tables;
    Opt_DblClick_Auto_Size = settings.Opt_DblClick_Auto_Size;
    return ok;
}

bool Save_Setting(std::string* error) {
    TSettings settings;
    settings.Conf_Name = Conf_Name;
    settings.Last_IP_Address = Last_IP_Address;
    settings.Language_Name = Language_Name;
    settings.Opt_Enable_Internet = Opt_Enable_Internet;
    settings.Opt_Enable_Update = Opt_Enable_Update;
    settings.Opt_Jump_Field_Tables = Opt_Jump_Field_Tables;
    settings.Opt_DblClick_Auto_Size = Opt_DblClick_Auto_Size;
    return Save_Settings(Settings_Path(), settings, error);
}

}  // namespace shell
