#include "protocols/BACnetAccessData.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"

namespace proto {

namespace {

TStoredColumn S(int column, const char* attribute, const char* def = "") {
    return {column, shell::TXmlColumn{attribute, def, true}};
}

TTableRows Empty_Rows(int columns) {
    TTableRows rows(BACnet_Access_Rows, TTableRow(columns));
    for (int r = 0; r < BACnet_Access_Rows; ++r) {
        rows[r][0] = std::to_string(r + 1);
        rows[r][1] = "Y";
    }
    return rows;
}

}  // namespace

bool Read_Stored_Section(const plat::TXmlNode& root, const char* section,
                         const std::vector<TStoredColumn>& stored, TTableRows& rows, int Grow_Columns,
                         std::string* error) {
    const plat::TXmlNode parent = root.FindNode(section);
    if (parent.IsNull()) {
        if (error) *error = std::string("the section ") + section + " is missing";
        return false;
    }
    const int count = parent.ChildCount();
    if (Grow_Columns > 0 && static_cast<int>(rows.size()) < count)
        rows.resize(static_cast<size_t>(count), TTableRow(static_cast<size_t>(Grow_Columns)));
    for (int i = 0; i < count && i < static_cast<int>(rows.size()); ++i) {
        const plat::TXmlNode element = parent.Child(i);
        for (const TStoredColumn& s : stored) rows[i][s.column] = shell::Read_Project_Cell(element, s.xml);
    }
    return true;
}

void Write_Stored_Section(plat::TXmlNode root, const char* section, const std::vector<TStoredColumn>& stored,
                          const TTableRows& rows, int key) {
    std::vector<shell::TXmlColumn> columns;
    for (const TStoredColumn& s : stored) columns.push_back(s.xml);
    std::vector<shell::TXmlRow> cells;
    int keyIndex = -1;
    for (size_t i = 0; i < stored.size(); ++i)
        if (stored[i].column == key) keyIndex = static_cast<int>(i);
    for (const TTableRow& row : rows) {
        shell::TXmlRow r;
        for (const TStoredColumn& s : stored)
            r.push_back(s.column < static_cast<int>(row.size()) ? row[s.column] : "");
        cells.push_back(std::move(r));
    }
    shell::Write_Project_Rows(root.AddChild(section), columns, cells, keyIndex);
}

bool Load_Stored_Tables(const std::string& path,
                        const std::function<bool(const plat::TXmlDocument&, std::string*)>& Read,
                        std::string* error) {
    plat::TXmlDocument doc;
    switch (shell::Load_Project_XML(doc, path, error)) {
        case shell::TXmlLoad::Missing:
            return true;
        case shell::TXmlLoad::Malformed:
            return false;
        case shell::TXmlLoad::Loaded:
            break;
    }
    std::string why;
    if (Read(doc, &why)) return true;
    if (error) *error = path + ": " + why;
    return false;
}

int BACnet_Key_Column(int Kind) {
    return Kind == BACnet_IP || Kind == BACnet_MSTP ? 2 : 3;
}

const std::vector<TStoredColumn>& BACnet_Read_Stored() {
    using namespace bac_read;
    static const std::vector<TStoredColumn> stored = {
        S(Enable, "Enable", "Y"),
        S(Address, "IP_Address_Slave_ID"),
        S(Object_Type, "Object_Type"),
        S(Instance, "Instance"),
        S(Property, "Property"),
        S(NByte, "NumByte"),
        S(En_Dest, "Enable_Destination", "N"),
        S(D_Net, "Destination_Network"),
        S(D_Len, "Destination_Length"),
        S(D_Add, "Destination_Address"),
        S(Poll_Time, "PollTime"),
        S(Max_Err, "MaxError"),
        S(Position, "Position"),
        S(Start_Bit, "StartBit"),
        S(Mnemonic, "Mnemonic"),
    };
    return stored;
}

const std::vector<TStoredColumn>& BACnet_Write_Stored() {
    using namespace bac_write;
    static const std::vector<TStoredColumn> stored = {
        S(Enable, "Enable", "Y"),
        S(Address, "IP_Address_Slave_ID"),
        S(Object_Type, "Object_Type"),
        S(Data_Type, "Data_Type"),
        S(Instance, "Instance"),
        S(Property, "Property"),
        S(Priority, "Priority"),
        S(NByte, "NumByte"),
        S(En_Dest, "Enable_Destination", "N"),
        S(D_Net, "Destination_Network"),
        S(D_Len, "Destination_Length"),
        S(D_Add, "Destination_Address"),
        S(Change, "OnChange", "N"),
        S(Timer, "OnTimer", "N"),
        S(Poll_Time, "PollTime"),
        S(Max_Err, "MaxError"),
        S(Position, "Position"),
        S(Start_Bit, "StartBit"),
        S(Mnemonic, "Mnemonic"),
    };
    return stored;
}

TBACnetAccessData Empty_BACnet_Access() {
    return {Empty_Rows(bac_read::Count), Empty_Rows(bac_write::Count)};
}

bool Read_BACnet_Access(const plat::TXmlDocument& doc, TBACnetAccessData& data, std::string* error) {
    const plat::TXmlNode root = doc.Root();
    return Read_Stored_Section(root, "BACnet_Read", BACnet_Read_Stored(), data.Read, 0, error) &&
           Read_Stored_Section(root, "BACnet_Write", BACnet_Write_Stored(), data.Write, 0, error);
}

void Write_BACnet_Access(const TBACnetAccessData& data, int Kind, plat::TXmlDocument& doc) {
    plat::TXmlNode root = shell::Begin_Project_XML(doc, "BACnet_Master_Access");
    const int key = BACnet_Key_Column(Kind);
    Write_Stored_Section(root, "BACnet_Read", BACnet_Read_Stored(), data.Read, key);
    Write_Stored_Section(root, "BACnet_Write", BACnet_Write_Stored(), data.Write, key);
}

bool Load_BACnet_Access(const std::string& path, TBACnetAccessData& data, std::string* error) {
    data = Empty_BACnet_Access();
    return Load_Stored_Tables(
        path,
        [&](const plat::TXmlDocument& doc, std::string* why) { return Read_BACnet_Access(doc, data, why); },
        error);
}

bool Save_BACnet_Access(const std::string& path, const TBACnetAccessData& data, int Kind,
                        std::string* error) {
    plat::TXmlDocument doc;
    Write_BACnet_Access(data, Kind, doc);
    return doc.SaveToFile(path, error);
}

bool Read_BACnet_Master_Type(const std::string& parGenPath, int& Kind) {
    Kind = BACnet_IP;
    plat::TXmlDocument doc;
    if (!base::FileExists(parGenPath) || !doc.LoadFromFile(parGenPath)) return false;
    const plat::TXmlNode element = doc.Root().FindNode("BACnet_Master_Type");
    int value = 0;
    if (element.IsNull() || !base::TryStrToInt(base::Trim(element.Text()), value)) return false;
    Kind = value;
    return true;
}

}  // namespace proto
