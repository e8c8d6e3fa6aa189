#include "protocols/IEC_Client_File.h"

#include "base/Files.h"
#include "platform/XmlDom.h"

namespace proto {

using plat::TXmlNode;

const std::array<const char*, DA_Columns - 1> DA_Item_Attributes = {
    "Index",    "bType",  "fc",      "Reference", "StartByte", "NumByte",    "IPAddress", "Port",     "OnChange",
    "OnCMD",    "OnTimer", "Time",   "Position",  "StartBit",  "ReadWrite", "Convertion", "MoltFact", "Mnemonic"};

const std::array<const char*, DS_Columns - 1> DataSet_Item_Attributes = {
    "Index", "Reference", "GooseName", "EnGoose", "IPAddress", "Port", "Time", "Mnemonic"};

namespace {

constexpr const char* Root_Name = "IEC_68850_Client";

struct TMemberField {
    const char* attribute;
    std::string TIEC_DataSet_DA_Item::*text;
};

constexpr TMemberField Member_Fields[] = {
    {"bType", &TIEC_DataSet_DA_Item::bType},         {"Reference", &TIEC_DataSet_DA_Item::Reference},
    {"Position", &TIEC_DataSet_DA_Item::Position},   {"StartBit", &TIEC_DataSet_DA_Item::StartBit},
    {"Convertion", &TIEC_DataSet_DA_Item::Convertion}, {"MoltFact", &TIEC_DataSet_DA_Item::MoltFact},
    {"Mnemonic", &TIEC_DataSet_DA_Item::Mnemonic},
};

template <typename Row, std::size_t N>
void Write_Cells(TXmlNode item, const Row& row, const std::array<const char*, N>& attributes) {
    for (std::size_t a = 0; a < N; ++a) item.SetAttribute(attributes[a], row[a + 1]);
}

template <typename Row, std::size_t N>
void Read_Cells(const TXmlNode& item, Row& row, const std::array<const char*, N>& attributes) {
    for (std::size_t a = 0; a < N; ++a) row[a + 1] = item.Attribute(attributes[a]);
}

void Build(const TIEC_Client_File& file, plat::TXmlDocument& doc) {
    doc.Clear();
    TXmlNode root = doc.AddRoot(Root_Name);
    doc.AddComment("SW_VERSION = 1.000");
    TXmlNode devices = root.AddChild("List_ICD_Files");
    TXmlNode variables = root.AddChild("List_DA_Selected");
    TXmlNode dataSets = root.AddChild("List_DataSet_Selected");
    for (const TIEC_ICD_File& device : file.Devices) {
        TXmlNode item = devices.AddChild("ICD_File");
        item.SetAttribute("Name", device.Name);
        item.SetAttribute("FileName", device.FileName);
    }
    if (!(file.Variables.size() == 1 && file.Variables[0][DA_Col_Index].empty()))
        for (const TIEC_DA_Row& row : file.Variables) Write_Cells(variables.AddChild("DA_Item"), row, DA_Item_Attributes);
    if (file.DataSets.size() == 1 && file.DataSets[0].Cells[DS_Col_Index].empty()) return;
    for (const TIEC_DataSet_Item& dataSet : file.DataSets) {
        TXmlNode item = dataSets.AddChild("DataSet_Item");
        Write_Cells(item, dataSet.Cells, DataSet_Item_Attributes);
        TXmlNode members = item.AddChild("DataSet_List_DAs");
        for (const TIEC_DataSet_DA_Item& member : dataSet.Members) {
            TXmlNode m = members.AddChild("DataSet_DA_Item");
            for (const TMemberField& field : Member_Fields) m.SetAttribute(field.attribute, member.*field.text);
        }
    }
}

void Read(const plat::TXmlDocument& doc, TIEC_Client_File& file) {
    const TXmlNode root = doc.Root().Name() == Root_Name ? doc.Root() : TXmlNode();
    for (TXmlNode item = root.FindNode("List_ICD_Files").FirstChild(); item; item = item.NextSibling())
        file.Devices.push_back({item.Attribute("Name"), item.Attribute("FileName")});
    for (TXmlNode item = root.FindNode("List_DA_Selected").FirstChild(); item; item = item.NextSibling()) {
        TIEC_DA_Row& row = file.Variables.emplace_back();
        row[DA_Col_Num] = std::to_string(file.Variables.size());
        Read_Cells(item, row, DA_Item_Attributes);
    }
    for (TXmlNode item = root.FindNode("List_DataSet_Selected").FirstChild(); item; item = item.NextSibling()) {
        TIEC_DataSet_Item& dataSet = file.DataSets.emplace_back();
        dataSet.Cells[DS_Col_Num] = std::to_string(file.DataSets.size());
        Read_Cells(item, dataSet.Cells, DataSet_Item_Attributes);
        for (TXmlNode m = item.FindNode("DataSet_List_DAs").FirstChild(); m; m = m.NextSibling()) {
            TIEC_DataSet_DA_Item& member = dataSet.Members.emplace_back();
            for (const TMemberField& field : Member_Fields) member.*field.text = m.Attribute(field.attribute);
        }
    }
}

}  // namespace

std::string IEC_Client_To_Xml(const TIEC_Client_File& file) {
    plat::TXmlDocument doc;
    Build(file, doc);
    return doc.SaveToString();
}

bool Save_IEC_Client(const TIEC_Client_File& file, const std::string& path, std::string* error) {
    plat::TXmlDocument doc;
    Build(file, doc);
    return doc.SaveToFile(path, error);
}

bool IEC_Client_From_Xml(std::string_view xml, TIEC_Client_File& file, std::string* error,
                         std::string_view fileName) {
    file = {};
    plat::TXmlDocument doc;
    std::string parseError;
    if (!doc.LoadFromString(xml, &parseError)) {
        if (error) *error = (fileName.empty() ? std::string() : "\"" + std::string(fileName) + "\": ") + parseError;
        return false;
    }
    Read(doc, file);
    return true;
}

bool Load_IEC_Client(const std::string& path, TIEC_Client_File& file, std::string* error) {
    file = {};
    if (!base::FileExists(path)) return true;
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(path, error)) return false;
    Read(doc, file);
    return true;
}

}  // namespace proto
