#include "protocols/BACnet_EDE_File.h"

#include <map>
#include <sstream>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "platform/XmlDom.h"
#include "protocols/BACnetSlaveData.h"
#include "protocols/Generators.h"
#include "shell/Comon.h"

namespace proto {

namespace {

struct TEDEType {
    const char* Text;
    int Number;
};

// Every type the server table may name has its own instance counter.
const TEDEType EDE_Types[] = {
    {"ANALOG INPUT", 0},        {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},        {"BINARY INPUT", 3},
    {"BINARY OUT", 4},          {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},  {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},  {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},   {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},        {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},     {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46}, {"POSITIVE INTEGER VALUE", 48},
};

// The first count characters (not bytes) of a UTF-8 text.
std::string Left_Chars(const std::string& text, int count) {
    size_t at = 0;
    for (int n = 0; n < count && at < text.size(); ++n) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return text.substr(0, at);
}

std::string Two(int value) {
    return base::Format("%02d", value);
}

bool Refuse_Field(const std::string& text, const std::string& where, std::string* error) {
    if (!Breaks_EDE_Field(text)) return false;
    if (error)
        *error = where + " \"" + text +
                 "\" holds a \";\" or a line break, which would shift the columns of the EDE file; "
                 "nothing was written";
    return true;
}

bool Add_Rows(const TTableRows& rows, const char* section, const TEDEExport& data,
              std::map<int, int>& counters, std::vector<TBACnet_EDE_Obj>& objects, std::string* error) {
    using namespace bac_slave;
    for (size_t i = 0; i < rows.size(); ++i) {
        const TTableRow& row = rows[i];
        const std::string where =
            std::string("BACnet_Slave.xml, ") + section + " row " + std::to_string(i + 1);
        if (Refuse_Field(row[Mnemonic], where + ": the Mnemonic", error)) return false;
        if (Refuse_Field(row[Eng_Unit], where + ": the Eng. Unit", error)) return false;
        const int type = Get_EDE_Object_Type(row[Data_Type]);
        const int instance = counters[type]++;
        const std::string name = Left_Chars(row[Mnemonic], data.Long_Names ? 32 : 16);
        TBACnet_EDE_Obj o;
        o.Keyname = data.Device_Instance + "_" + row[Mnemonic] + "_" + std::to_string(instance);
        o.DevObjInstance = data.Device_Instance;
        o.ObjectName = name;
        o.ObjectType = std::to_string(type);
        o.ObjectInstance = std::to_string(instance);
        o.Description = name;
        o.UnitCode = row[Eng_Unit];
        objects.push_back(std::move(o));
    }
    return true;
}

}  // namespace

int Get_EDE_Object_Type(const std::string& Text) {
    const std::string key = base::UpperCase(base::Trim(Text));
    for (const TEDEType& t : EDE_Types)
        if (key == t.Text) return t.Number;
    return 0;
}

std::string EDE_Timestamp(base::TDateTime Time) {
    const base::TDateParts d = base::DecodeDate(Time);
    const base::TTimeParts t = base::DecodeTime(Time);
    return Two(t.hour) + ":" + Two(t.minute) + ":" + Two(t.second) + " " + Two(d.day) + "/" + Two(d.month) +
           "/" + base::Format("%04d", d.year);
}

bool Build_EDE_Objects(const TEDEExport& data, std::vector<TBACnet_EDE_Obj>& objects, std::string* error) {
    objects.clear();
    if (Refuse_Field(data.Device_Instance, "ParGen.xml: the BACnet device instance", error)) return false;
    std::map<int, int> counters;
    return Add_Rows(data.Read, "BACnet_in_Read", data, counters, objects, error) &&
           Add_Rows(data.Write, "BACnet_in_Write", data, counters, objects, error);
}

bool Write_EDE(const TEDEExport& data, std::ostream& out, std::string* error) {
    if (Refuse_Field(data.Conf_Name, "The configuration name", error)) return false;
    std::vector<TBACnet_EDE_Obj> objects;
    if (!Build_EDE_Objects(data, objects, error)) return false;
    const std::string end = ";;;;;;\r\n";
    std::string text = "PROJECT_NAME; Vekrun--" + data.Conf_Name + end;
    text += "VERSION_OF_REFERENCEFILE;1.0" + end;
    text += "TIMESTAMP_OF_LAST_CHANGE;" + EDE_Timestamp(data.Time) + end;
    text += "AUTHOR_OF_LAST_CHANGE;Vekrun" + end;
    text += "VERSION_OF_LAYOUT;2" + end;
    text += "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n";
    text +=
        "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n";
    for (const TBACnet_EDE_Obj& o : objects)
        text += o.Keyname + ";" + o.DevObjInstance + ";" + o.ObjectName + ";" + o.ObjectType + ";" +
                o.ObjectInstance + ";" + o.Description + ";" + o.UnitCode + ";\r\n";
    // The tools that read EDE files expect the 8-bit code page; a character
    // it lacks is written as "?".
    out << base::Utf8ToWindows1252(text, '?');
    if (!out && error) *error = "The EDE file could not be written";
    return static_cast<bool>(out);
}

bool Save_EDE(const TEDEExport& data, const std::string& path, std::string* error) {
    std::ostringstream out;
    if (!Write_EDE(data, out, error)) return false;
    return base::WriteFileAtomic(path, out.str(), error);
}

bool Read_EDE_Device_Settings(const std::string& parGenPath, TEDEExport& data, std::string* error) {
    data.Device_Instance.clear();
    data.Long_Names = false;
    if (!base::FileExists(parGenPath)) return true;
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(parGenPath, error)) return false;
    const plat::TXmlNode root = doc.Root();
    const int type = base::StrToIntDef(root.FindNode("BACnet_Type").Text(), 0);
    data.Device_Instance = root.FindNode(type == 1 ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE").Text();
    data.Long_Names = root.FindNode("BACnet_Desc_Chars_Limit").Text() == "1";
    return true;
}

bool Load_EDE_Objects(const std::string& slavePath, TEDEExport& data, std::string* error) {
    data.Read.clear();
    data.Write.clear();
    const TAccessFile file = BACnet_Slave_Access_File(false);
    std::vector<TTable> tables = Reset_Tables(file);
    const TLoadReport report = Load_Access_File(file, slavePath, tables);
    // Only a whole file is exported: a part of it would hand the tools a
    // device that lacks objects.
    if (!report.Clean()) {
        if (error) *error = report.Error;
        return false;
    }
    // Every element is an object, whatever its Data Type says.
    tables[0].resize(static_cast<size_t>(report.Loaded_Rows[0]));
    tables[1].resize(static_cast<size_t>(report.Loaded_Rows[1]));
    data.Read = std::move(tables[0]);
    data.Write = std::move(tables[1]);
    return true;
}

bool Write_EDE_File(const std::string& FileName, std::string* error) {
    TEDEExport data;
    data.Conf_Name = shell::Conf_Name;
    data.Time = Generated_File_Time();
    return Read_EDE_Device_Settings(shell::ParGen_File, data, error) &&
           Load_EDE_Objects(shell::BACnet_Slave_File, data, error) && Save_EDE(data, FileName, error);
}

}  // namespace proto
