#include "protocols/Eds.h"

#include <algorithm>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "shell/Comon.h"

namespace proto {

namespace {

bool Refuse(std::string* Error, const std::string& Text) {
    if (Error) *Error = Text;
    return false;
}

std::string Quoted(const std::string& File_Name) {
    return "\"" + File_Name + "\"";
}

bool Wrong_Root(const plat::TXmlDocument& Doc, const char* Root, const std::string& File_Name,
                std::string* Error) {
    const plat::TXmlNode root = Doc.Root();
    if (root && root.Name() == Root) return false;
    Refuse(Error, Quoted(File_Name) + ": the root element is not \"" + Root + "\"");
    return true;
}

bool Read_PDO_Section(const plat::TXmlNode& Root, const char* Section, std::vector<TEDS_PDO>& Out,
                      const std::string& File_Name, std::string* Error) {
    Out.clear();
    const plat::TXmlNode list = Root.FindNode(Section);
    if (!list) return true;
    const int count = list.ChildCount();
    // The gateway's tables end at this size; a longer list cannot be
    // described, and dropping rows silently would hide PDOs from the master.
    if (count > EDS_PDO_Max)
        return Refuse(Error, Quoted(File_Name) + ": " + Section + " holds " + std::to_string(count) +
                                 " PDOs; the gateway holds at most " + std::to_string(EDS_PDO_Max));
    for (int i = 0; i < count; ++i) {
        const plat::TXmlNode row = list.Child(i);
        std::string cob, dimension;
        const char* missing = nullptr;
        if (!row.GetAttribute("COB-ID", cob))
            missing = "COB-ID";
        else if (!row.GetAttribute("Dimension", dimension))
            missing = "Dimension";
        if (missing)
            return Refuse(Error, Quoted(File_Name) + ": attribute \"" + missing + "\" is missing in " +
                                     Section + " row " + std::to_string(i + 1));
        Out.push_back({base::StrToIntDef(cob, 0), base::StrToIntDef(dimension, 8)});
    }
    return true;
}

bool Read_SDO_Section(const plat::TXmlNode& Root, const char* Section, bool Readonly, TSDO_Index_List& List,
                      const std::string& File_Name, std::string* Error) {
    const plat::TXmlNode list = Root.FindNode(Section);
    if (!list) return true;
    for (int i = 0; i < list.ChildCount(); ++i) {
        const plat::TXmlNode row = list.Child(i);
        const std::string where = std::string(" in ") + Section + " row " + std::to_string(i + 1);
        int values[3] = {};
        const char* const names[3] = {"Index", "SubIndex", "NByte"};
        for (int k = 0; k < 3; ++k) {
            std::string text;
            if (!row.GetAttribute(names[k], text))
                return Refuse(Error,
                              Quoted(File_Name) + ": attribute \"" + names[k] + "\" is missing" + where);
            if (!base::TryStrToInt(text, values[k]))
                return Refuse(Error, Quoted(File_Name) + ": '" + text + "' is not a valid integer value (" +
                                         names[k] + where + ")");
        }
        SDO_Sub_Type entry;
        entry.Sub = static_cast<uint8_t>(values[1]);
        entry.Quantity = static_cast<uint8_t>(values[2]);
        entry.Readonly = Readonly;
        const int at = Find_SDO_Index(List, static_cast<uint16_t>(values[0]));
        if (at < 0)
            List.push_back({static_cast<uint16_t>(values[0]), {entry}});
        else
            List[static_cast<size_t>(at)].Sub_Indexs.push_back(entry);
    }
    return true;
}

}  // namespace

bool Read_EDS_PDO_List(const plat::TXmlDocument& Doc, TEDS_PDO_Table& Table, std::string* Error,
                       const std::string& File_Name) {
    Table = {};
    if (Wrong_Root(Doc, "PDO_CANopen", File_Name, Error)) return false;
    const plat::TXmlNode root = Doc.Root();
    if (!Read_PDO_Section(root, "Receive_PDO", Table.Receive, File_Name, Error) ||
        !Read_PDO_Section(root, "Transmit_PDO", Table.Transmit, File_Name, Error)) {
        Table = {};
        return false;
    }
    return true;
}

bool Load_EDS_PDO_List(const std::string& Path, TEDS_PDO_Table& Table, std::string* Error) {
    Table = {};
    if (!base::FileExists(Path)) return true;
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(Path, Error)) return false;
    return Read_EDS_PDO_List(doc, Table, Error, base::ExtractFileName(Path));
}

bool Read_EDS_SDO_Objects(const plat::TXmlDocument& Doc, TSDO_Index_List& List, std::string* Error,
                          const std::string& File_Name) {
    if (Wrong_Root(Doc, "SDO_Server_CANopen", File_Name, Error)) return false;
    const plat::TXmlNode root = Doc.Root();
    return Read_SDO_Section(root, "SDO_Read", true, List, File_Name, Error) &&
           Read_SDO_Section(root, "SDO_Write", false, List, File_Name, Error);
}

bool Load_EDS_SDO_Objects(const std::string& Path, TSDO_Index_List& List, std::string* Error) {
    if (!base::FileExists(Path)) return true;
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(Path, Error)) return false;
    return Read_EDS_SDO_Objects(doc, List, Error, base::ExtractFileName(Path));
}

int Find_SDO_Index(const TSDO_Index_List& List, int Index) {
    for (size_t i = 0; i < List.size(); ++i)
        if (List[i].Index == Index) return static_cast<int>(i);
    return -1;
}

void Sort_SDO_Sub_Indexes(TSDO_Index_List& List) {
    for (SDO_Index& index : List)
        std::stable_sort(index.Sub_Indexs.begin(), index.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

bool Load_EDS_Model(TEdsModel& Model, std::string* Error) {
    Model = {};
    if (!Load_EDS_PDO_List(shell::PDO_CANopen_File, Model.PDO, Error)) return false;
    if (!Load_EDS_SDO_Objects(shell::SDO_Server_CANopen_File, Model.SDO_Index_List, Error)) return false;
    Sort_SDO_Sub_Indexes(Model.SDO_Index_List);
    return true;
}

}  // namespace proto
