#include "protocols/BACnetAccessData.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "protocols/BACnetVocabulary.h"

namespace proto {

namespace {

// The BACnet tables write every cell as typed and take a missing attribute
// as its default: the file has grown columns over time.
TTableColumn Text(int Header, const char* Attribute, int Width, TColorGroup Group) {
    return Text_Column(Header, Attribute, Width, Group, 0, false);
}

TTableColumn List(int Header, const char* Attribute, std::vector<std::string> Items, int Width,
                  TColorGroup Group) {
    return List_Column(Header, Attribute, std::move(Items), Width, Group, 0, false);
}

// A list that also takes a typed text (a proprietary number).
TTableColumn Free_List(int Header, const char* Attribute, std::vector<std::string> Items, int Width) {
    TTableColumn column = List(Header, Attribute, std::move(Items), Width, cgAddress);
    column.Editor = grid::edComboEdit;
    return column;
}

TTableColumn Hidden(TTableColumn Column) {
    Column.Attribute = nullptr;
    Column.Hidden = true;
    return Column;
}

const std::vector<std::string>& Start_Bits() {
    static const std::vector<std::string> bits = {"0", "1", "2", "3", "4", "5", "6", "7"};
    return bits;
}

TTableDescription Read_Table() {
    return {.Grid = "ACG1",
            .Page = "TS_BACnet_Read",
            .Page_Caption = 2006,
            .Section = "BACnet_Read",
            .Columns = {Row_Number_Column(2008, 32), Enable_Column(2090, 0, 45),
                        Text(2009, "IP_Address_Slave_ID", 90, cgAddress),
                        Free_List(2011, "Object_Type", Read_Object_Type_Items(), 125),
                        Text(2012, "Instance", 56, cgAddress),
                        Free_List(2013, "Property", Read_Property_Items(), 115),
                        Text(2014, "NumByte", 45, cgAddress),
                        Check_Column(2062, "Enable_Destination", 50, cgTopic, 0),
                        Text(2063, "Destination_Network", 45, cgTopic),
                        List(2064, "Destination_Length", Destination_Length_Items(), 45, cgTopic),
                        Text(2065, "Destination_Address", 60, cgTopic), Text(2015, "PollTime", 58, cgTiming),
                        Text(2016, "MaxError", 50, cgSwap),
                        Position_Column(2017, "Position", 56, 0, BACnet_Access_Area, false, false),
                        List(2018, "StartBit", Start_Bits(), 56, cgPosition),
                        Hidden(Check_Column(2060, "Swap", 38, cgEnable, 0)),
                        Hidden(List(2080, "Convertion",
                                    {"None", "Float to Int", "(Float to Int) * 10", "(Float to Int) * 100"},
                                    115, cgEnable)),
                        Text(2019, "Mnemonic", 307, cgMnemonic)},
            .Key_Column = 2,
            .Events = 0,
            .Show_Hint = true};
}

TTableDescription Write_Table() {
    return {.Grid = "ACG2",
            .Page = "TS_BACnet_Write",
            .Page_Caption = 2007,
            .Section = "BACnet_Write",
            .Columns = {Row_Number_Column(2020, 32),
                        Enable_Column(2091, 0, 45),
                        Text(2021, "IP_Address_Slave_ID", 90, cgAddress),
                        Free_List(2023, "Object_Type", Write_Object_Type_Items(), 125),
                        List(2024, "Data_Type", Data_Type_Items(), 100, cgAddress),
                        Text(2025, "Instance", 56, cgAddress),
                        Free_List(2026, "Property", Write_Property_Items(), 100),
                        Text(2027, "Priority", 56, cgAddress),
                        Text(2028, "NumByte", 45, cgAddress),
                        Check_Column(2066, "Enable_Destination", 50, cgTopic, 0),
                        Text(2067, "Destination_Network", 45, cgTopic),
                        List(2068, "Destination_Length", Destination_Length_Items(), 45, cgTopic),
                        Text(2069, "Destination_Address", 60, cgTopic),
                        Check_Column(2029, "OnChange", 55, cgTiming, 0),
                        Check_Column(2030, "OnTimer", 45, cgTiming, 0),
                        Text(2031, "PollTime", 58, cgTiming),
                        Text(2032, "MaxError", 50, cgSwap),
                        Position_Column(2033, "Position", 56, 0, BACnet_Access_Area, false, false),
                        List(2034, "StartBit", Start_Bits(), 56, cgPosition),
                        Hidden(Check_Column(2061, "Swap", 38, cgEnable, 0)),
                        Hidden(List(2081, "Convertion",
                                    {"None", "Int to Float", "(Int to Float) / 10", "(Int to Float) / 100"},
                                    115, cgEnable)),
                        Text(2035, "Mnemonic", 66, cgMnemonic)},
            .Key_Column = 2,
            .Events = 0};
}

}  // namespace

int BACnet_Key_Column(int Kind) {
    return Kind == BACnet_IP || Kind == BACnet_MSTP ? 2 : 3;
}

TAccessFile BACnet_Access_File(int Kind) {
    TAccessFile file{.Root = "BACnet_Master_Access", .Tables = {Read_Table(), Write_Table()}};
    for (TTableDescription& table : file.Tables) table.Key_Column = BACnet_Key_Column(Kind);
    return file;
}

TBACnetAccessData Empty_BACnet_Access() {
    std::vector<TTable> tables = Reset_Tables(BACnet_Access_File());
    return {std::move(tables[0]), std::move(tables[1])};
}

bool Load_BACnet_Access(const std::string& path, TBACnetAccessData& data, std::string* error) {
    std::vector<TTable> tables = Reset_Tables(BACnet_Access_File());
    const TLoadReport report = Load_Access_File(BACnet_Access_File(), path, tables);
    data = {std::move(tables[0]), std::move(tables[1])};
    if (report.Clean()) return true;
    if (error) *error = report.Error;
    return false;
}

bool Save_BACnet_Access(const std::string& path, const TBACnetAccessData& data, int Kind,
                        std::string* error) {
    return Save_Access_File(BACnet_Access_File(Kind), {data.Read, data.Write}, path, error);
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
