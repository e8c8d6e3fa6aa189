#include "protocols/ProfinetXML.h"

#include <initializer_list>
#include <string_view>
#include <tuple>
#include <utility>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "protocols/Generators.h"
#include "shell/Comon.h"

namespace proto {

namespace {

// The maker's PROFINET identifiers.
constexpr const char* Vendor_ID = "0x0577";
constexpr const char* Device_ID = "0x0902";
constexpr const char* Device_Profile_Namespace = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";

using TAttributes = std::initializer_list<std::pair<const char*, std::string>>;

std::string Escaped(const std::string& Text) {
    std::string out;
    for (const char c : Text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

class TGsdmlLines {
public:
    void Line(int Depth, const std::string& Text) {
        text_.append(static_cast<size_t>(Depth), '\t');
        text_ += Text;
        text_ += "\r\n";
    }
    static std::string Tag(const char* Name, TAttributes Attributes, bool Empty) {
        std::string s = "<" + std::string(Name);
        for (const auto& [name, value] : Attributes) s += std::string(" ") + name + "=\"" + Escaped(value) + "\"";
        return s + (Empty ? "/>" : ">");
    }
    void Open(int Depth, const char* Name, TAttributes Attributes = {}) { Line(Depth, Tag(Name, Attributes, false)); }
    void Close(int Depth, const char* Name) { Line(Depth, "</" + std::string(Name) + ">"); }
    void Empty(int Depth, const char* Name, TAttributes Attributes) { Line(Depth, Tag(Name, Attributes, true)); }
    // An element whose only attribute is its text reference.
    void Text_Ref(int Depth, const char* Name, const char* Id) { Empty(Depth, Name, {{"TextId", Id}}); }
    void Comment(int Depth, const std::string& Text) { Line(Depth, "<!-- " + Text + " -->"); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

const std::pair<const char*, const char*> External_Texts[] = {
    {"IDT_INFO_Device", "Vekrun Gateways"},
    {"IDT_NAME_DAP1", "LoRaWANGateway"},
    {"IDT_INFO_DAP1", "Profinet LoRaWAN Gateway Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device LoRaWAN"},
    {"IDT_NAME_FAP", "FAP for LoRaWAN"},
    {"IDT_INFO_FAP", "Description of FAP for LoRaWAN"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "LoRaWAN Device "},
    {"IDT_INFO_M_PB1", "Description of LoRaWAN"},
    {"IDT_NAME_S_PB1", "Module of a LoRaWAN"},
    {"IDT_INFO_S_PB1", "Description of module of a LoRaWAN"},
    {"IDT_PB_Input", "Digital input LoRaWAN"},
    {"IDT_PB_InputBit0", "Digital input bit LoRaWAN"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
};
// The last three rows of the list, the texts of the assignments, carry
// Value before TextId.
const std::pair<const char*, const char*> External_Texts_Value_First[] = {
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};

void Write_Profile_Header(TGsdmlLines& L) {
    L.Open(1, "ProfileHeader");
    L.Text_Ref(2, "ProfileIdentification", "PROFINET Device Profile");
    L.Text_Ref(2, "ProfileRevision", "1.00");
    L.Text_Ref(2, "ProfileName", "Device Profile for PROFINET Devices");
    L.Text_Ref(2, "ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
    L.Text_Ref(2, "ProfileClassID", "Device");
    L.Open(2, "ISO15745Reference");
    L.Text_Ref(3, "ISO15745Part", "4");
    L.Text_Ref(3, "ISO15745Edition", "1");
    L.Text_Ref(3, "ProfileTechnology", "GSDML");
    L.Close(2, "ISO15745Reference");
    L.Close(1, "ProfileHeader");
}

void Write_Access_Point(TGsdmlLines& L, const TProfinetParams& P) {
    L.Open(3, "DeviceAccessPointList");
    L.Open(4, "DeviceAccessPointItem",
           {{"PNIO_Version", "V2.3"},
            {"RequiredSchemaVersion", "V2.25"},
            {"ID", "IDD_1"},
            {"PhysicalSlots", "0..4"},
            {"ModuleIdentNumber", "0x00000001"},
            {"MinDeviceInterval", "64"},
            {"ImplementationType", P.Station_Name},
            {"DNS_CompatibleName", P.Station_Name},
            {"FixedInSlots", "0"},
            {"ObjectUUID_LocalIndex", "1"},
            {"MultipleWriteSupported", "true"},
            {"MaxSupportedRecordSize", "8192"},
            {"ParameterizationSpeedupSupported", "true"},
            {"PowerOnToCommReady", "350"},
            {"DeviceAccessSupported", "true"},
            {"SharedDeviceSupported", "true"},
            {"CheckDeviceID_Allowed", "false"},
            {"NameOfStationNotTransferable", "true"}});
    L.Open(5, "ModuleInfo");
    L.Text_Ref(6, "Name", "IDT_NAME_DAP1");
    L.Text_Ref(6, "InfoText", "IDT_INFO_DAP1");
    L.Empty(6, "VendorName", {{"Value", "Vekrun"}});
    L.Empty(6, "OrderNumber", {{"Value", "KV4C577"}});
    L.Close(5, "ModuleInfo");
    L.Open(5, "SubslotList");
    for (const auto& [number, id] : {std::pair{"0", "IDT_SUBSLOT_1"}, std::pair{"32768", "IDT_SUBSLOT_Interface"},
                                     std::pair{"32769", "IDT_SUBSLOT_Port1"}, std::pair{"32770", "IDT_SUBSLOT_Port2"}})
        L.Empty(6, "SubslotItem", {{"SubslotNumber", number}, {"TextId", id}});
    L.Close(5, "SubslotList");
    // The gateway's buffers are fixed; the module's own lengths say what it uses.
    L.Empty(5, "IOConfigData", {{"MaxInputLength", "1440"}, {"MaxOutputLength", "1440"}, {"MaxDataLength", "2880"}});
    L.Open(5, "UseableModules");
    L.Empty(6, "ModuleItemRef", {{"ModuleItemTarget", "IDM_1"}, {"FixedInSlots", "1"}});
    L.Close(5, "UseableModules");
    L.Open(5, "VirtualSubmoduleList");
    L.Open(6, "VirtualSubmoduleItem", {{"ID", "IDS_V1"}, {"SubmoduleIdentNumber", "0x00000000"}});
    L.Empty(7, "IOData", {{"IOPS_Length", "1"}, {"IOCS_Length", "1"}});
    L.Open(7, "ModuleInfo");
    L.Text_Ref(8, "Name", "IDT_NAME_VS1");
    L.Text_Ref(8, "InfoText", "IDT_INFO_VS1");
    L.Close(7, "ModuleInfo");
    L.Close(6, "VirtualSubmoduleItem");
    L.Close(5, "VirtualSubmoduleList");
    L.Open(5, "SystemDefinedSubmoduleList");
    L.Open(6, "InterfaceSubmoduleItem",
           {{"ID", "IDS_I"},
            {"SubmoduleIdentNumber", "0x00000001"},
            {"SubslotNumber", "32768"},
            {"TextId", "IDT_NAME_IS"},
            {"SupportedRT_Classes", "RT_CLASS_1"},
            {"SupportedProtocols", "SNMP;LLDP"},
            {"SupportedMibs", "MIB2"}});
    L.Open(7, "ApplicationRelations");
    L.Empty(8, "TimingProperties", {{"SendClock", "32"}, {"ReductionRatio", "1 2 4 8 16 32 64 128 256 512"}});
    L.Close(7, "ApplicationRelations");
    L.Close(6, "InterfaceSubmoduleItem");
    for (const auto& [id, slot, text] : {std::tuple{"IDS_P1", "32769", "IDT_NAME_PS1"},
                                         std::tuple{"IDS_P2", "32770", "IDT_NAME_PS2"}})
        L.Empty(6, "PortSubmoduleItem",
                {{"ID", id},
                 {"SubmoduleIdentNumber", "0x00000002"},
                 {"SubslotNumber", slot},
                 {"TextId", text},
                 {"MaxPortRxDelay", "350"},
                 {"MaxPortTxDelay", "160"}});
    L.Close(5, "SystemDefinedSubmoduleList");
    L.Comment(5,
              "This element tells the engineering tool that the DAP supports fieldbus integration (slot "
              "clusters).");
    L.Comment(5, "<FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/>");
    L.Close(4, "DeviceAccessPointItem");
    L.Close(3, "DeviceAccessPointList");
}

void Write_Module(TGsdmlLines& L, const TProfinetParams& P) {
    L.Open(3, "ModuleList");
    L.Comment(4, "The \"normal\" module carrying the FAP.");
    L.Open(4, "ModuleItem", {{"ID", "IDM_1"}, {"ModuleIdentNumber", "0x00000001"}});
    L.Open(5, "ModuleInfo");
    L.Text_Ref(6, "Name", "IDT_NAME_M1");
    L.Text_Ref(6, "InfoText", "IDT_INFO_M1");
    L.Empty(6, "OrderNumber", {{"Value", "12345-0040-M"}});
    L.Close(5, "ModuleInfo");
    L.Open(5, "VirtualSubmoduleList");
    L.Open(6, "VirtualSubmoduleItem", {{"ID", "IDM_1"}, {"SubmoduleIdentNumber", "0x00000001"}});
    L.Open(7, "IOData", {{"IOPS_Length", "1"}, {"IOCS_Length", "1"}});
    // The directions cross: the controller's input is what the gateway sends.
    L.Line(8, "<Input>" +
                  TGsdmlLines::Tag("DataItem",
                                   {{"DataType", "OctetString"},
                                    {"Length", std::to_string(P.Output_Bytes)},
                                    {"TextId", "IDT_Input_1"}},
                                   true) +
                  "</Input>");
    L.Line(8, "<Output>" +
                  TGsdmlLines::Tag("DataItem",
                                   {{"DataType", "OctetString"},
                                    {"Length", std::to_string(P.Input_Bytes)},
                                    {"TextId", "IDT_Output_1"}},
                                   true) +
                  "</Output>");
    L.Close(7, "IOData");
    L.Open(7, "RecordDataList");
    L.Open(8, "ParameterRecordDataItem", {{"Index", "128"}, {"Length", "2"}});
    L.Text_Ref(9, "Name", "IDT_NAME_M1_IDT_REF_channel");
    L.Empty(9, "Const", {{"ByteOffset", "0"}, {"Data", "0x00,0x00"}});
    L.Empty(9, "Ref",
            {{"TextId", "IDT_REF_reaction_to_cpu_stop"},
             {"Visible", "true"},
             {"DataType", "BitArea"},
             {"ByteOffset", "0"},
             {"BitOffset", "0"},
             {"BitLength", "2"},
             {"DefaultValue", "2"},
             {"AllowedValues", "0..2"},
             {"ValueItemTarget", "IDV_reaction_to_cpu_stop"},
             {"ID", "IDT_REF_reaction_to_cpu_stop"}});
    L.Open(9, "MenuList");
    L.Open(10, "MenuItem", {{"ID", "IDT_NAME_M1_IDT_REF_channel"}});
    L.Text_Ref(11, "Name", "IDT_NAME_M1_IDT_REF_channel");
    L.Empty(11, "MenuRef", {{"MenuTarget", "IDT_NAME_M1_Base_Parameters"}});
    L.Close(10, "MenuItem");
    L.Open(10, "MenuItem", {{"ID", "IDT_NAME_M1_Base_Parameters"}});
    L.Text_Ref(11, "Name", "IDT_NAME_M1_Base_Parameters");
    L.Empty(11, "ParameterRef", {{"ParameterTarget", "IDT_REF_reaction_to_cpu_stop"}});
    L.Close(10, "MenuItem");
    L.Close(9, "MenuList");
    L.Close(8, "ParameterRecordDataItem");
    L.Close(7, "RecordDataList");
    L.Open(7, "ModuleInfo");
    L.Text_Ref(8, "Name", "IDT_NAME_M1");
    L.Text_Ref(8, "InfoText", "IDT_INFO_M1");
    L.Close(7, "ModuleInfo");
    L.Close(6, "VirtualSubmoduleItem");
    L.Close(5, "VirtualSubmoduleList");
    L.Close(4, "ModuleItem");
    L.Close(3, "ModuleList");
}

void Write_Lists(TGsdmlLines& L) {
    L.Open(3, "ValueList");
    L.Open(4, "ValueItem", {{"ID", "IDV_reaction_to_cpu_stop"}});
    L.Open(5, "Assignments");
    L.Empty(6, "Assign", {{"TextId", "IDT_ASSIGN_do_set_substitude_values"}, {"Content", "0"}});
    L.Empty(6, "Assign", {{"TextId", "IDT_ASSIGN_do_values_will_hold"}, {"Content", "1"}});
    L.Empty(6, "Assign", {{"TextId", "IDT_ASSIGN_do_continue_counting"}, {"Content", "2"}});
    L.Close(5, "Assignments");
    L.Close(4, "ValueItem");
    L.Close(3, "ValueList");
    L.Open(3, "CategoryList");
    for (const char* kind : {"DI", "DO"}) {
        const std::string k = kind;
        L.Open(4, "CategoryItem", {{"ID", "IDC_" + k}, {"TextId", "IDT_CATEGORY_" + k}});
        L.Empty(5, "InfoText", {{"TextId", "IDT_INFO_" + k}});
        L.Close(4, "CategoryItem");
    }
    L.Close(3, "CategoryList");
    L.Open(3, "ExternalTextList");
    L.Open(4, "PrimaryLanguage");
    for (const auto& [id, value] : External_Texts) L.Empty(5, "Text", {{"TextId", id}, {"Value", value}});
    for (const auto& [id, value] : External_Texts_Value_First) L.Empty(5, "Text", {{"Value", value}, {"TextId", id}});
    L.Close(4, "PrimaryLanguage");
    L.Close(3, "ExternalTextList");
}

std::string Two(int Value) {
    return Value < 10 ? "0" + std::to_string(Value) : std::to_string(Value);
}

}  // namespace

bool Read_PROFINET_Param(const std::string& ParGen_Path, TProfinetParams& Params, std::string* Error) {
    Params = TProfinetParams{};
    Params.Station_Name.clear();
    if (base::FileExists(ParGen_Path)) {
        plat::TXmlDocument doc;
        if (!doc.LoadFromFile(ParGen_Path, Error)) return false;
        const plat::TXmlNode root = doc.Root();
        Params.Input_Bytes = base::StrToIntDef(root.FindNode("PROFINET_NB_IN").Text(), 1438);
        Params.Output_Bytes = base::StrToIntDef(root.FindNode("PROFINET_NB_OUT").Text(), 1438);
        Params.Station_Name = root.FindNode("PROFINET_NAME_STA").Text();
    }
    // A negative length is no length: the controller would refuse the file.
    if (Params.Input_Bytes < 0) Params.Input_Bytes = 0;
    if (Params.Output_Bytes < 0) Params.Output_Bytes = 0;
    if (base::Trim(Params.Station_Name).empty()) Params.Station_Name = "SERIAL";
    return true;
}

std::string Build_GSDML_Text(const TProfinetParams& Params) {
    TGsdmlLines L;
    L.Line(0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    L.Comment(0, "A fieldbus integration example.");
    L.Open(0, "ISO15745Profile",
           {{"xmlns", Device_Profile_Namespace},
            {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
            {"xsi:schemaLocation", std::string(Device_Profile_Namespace) + " ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd"}});
    Write_Profile_Header(L);
    L.Open(1, "ProfileBody");
    L.Open(2, "DeviceIdentity", {{"VendorID", Vendor_ID}, {"DeviceID", Device_ID}});
    L.Empty(3, "InfoText", {{"TextId", "IDT_INFO_Device"}});
    L.Empty(3, "VendorName", {{"Value", "Vekrun"}});
    L.Close(2, "DeviceIdentity");
    L.Open(2, "DeviceFunction");
    L.Empty(3, "Family", {{"MainFamily", "Gateway"}, {"ProductFamily", "KV4C577"}});
    L.Close(2, "DeviceFunction");
    L.Open(2, "ApplicationProcess");
    Write_Access_Point(L, Params);
    Write_Module(L, Params);
    Write_Lists(L);
    L.Close(2, "ApplicationProcess");
    L.Close(1, "ProfileBody");
    L.Close(0, "ISO15745Profile");
    return "\xEF\xBB\xBF" + L.Text();
}

std::string GSDML_Date_Part(base::TDateTime When) {
    const base::TDateParts d = base::DecodeDate(When);
    return "-" + std::to_string(d.year) + Two(d.month) + Two(d.day) + ".xml";
}

std::string GSDML_File_Name(const std::string& User_Part, const std::string& Date_Part) {
    if (base::Trim(User_Part).empty()) return GSDML_Fixed_Part + Date_Part;
    if (User_Part[0] == '_') return GSDML_Fixed_Part + User_Part + Date_Part;
    return GSDML_Fixed_Part + ("_" + User_Part) + Date_Part;
}

bool GSDML_User_Part_Valid(const std::string& User_Part) {
    if (User_Part.find("..") != std::string::npos) return false;
    for (const unsigned char c : User_Part)
        if (c < 0x20 || c == 0x7F || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    return true;
}

bool Write_GSDML_File(const std::string& File_Name, std::string* Error) {
    TProfinetParams params;
    if (!Read_PROFINET_Param(shell::ParGen_File, params, Error)) return false;
    return base::WriteFileAtomic(File_Name, Build_GSDML_Text(params), Error);
}

}  // namespace proto
