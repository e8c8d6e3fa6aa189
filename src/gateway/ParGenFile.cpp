#include "gateway/ParGenFile.h"

#include "base/Files.h"
#include "gateway/LoRaWANBands.h"
#include "platform/XmlDom.h"
#include "shell/ProjectXmlFile.h"

namespace gw {

namespace {

constexpr const char* kRoot = "Par_Gen";

}  // namespace

const std::vector<TParGenKey>& ParGenKeys() {
    using D = TParGenData;
    static const std::vector<TParGenKey> keys = {
        {"Eth_Conn_Device_Name", &D::Eth_Conn_Device_Name, ""},
        {"Eth_Conn_DHCP_Cable", &D::Eth_Conn_DHCP_Cable, "0"},
        {"Eth_Conn_DHCP_WiFi", &D::Eth_Conn_DHCP_WiFi, "0"},
        {"Eth_Conn_Enable_DNS", &D::Eth_Conn_Enable_DNS, "0"},
        {"Eth_Conn_Primary_DNS1", &D::Eth_Conn_Primary_DNS1, "8"},
        {"Eth_Conn_Primary_DNS2", &D::Eth_Conn_Primary_DNS2, "8"},
        {"Eth_Conn_Primary_DNS3", &D::Eth_Conn_Primary_DNS3, "8"},
        {"Eth_Conn_Primary_DNS4", &D::Eth_Conn_Primary_DNS4, "8"},
        {"Eth_Conn_Secondary_DNS1", &D::Eth_Conn_Secondary_DNS1, "8"},
        {"Eth_Conn_Secondary_DNS2", &D::Eth_Conn_Secondary_DNS2, "8"},
        {"Eth_Conn_Secondary_DNS3", &D::Eth_Conn_Secondary_DNS3, "8"},
        {"Eth_Conn_Secondary_DNS4", &D::Eth_Conn_Secondary_DNS4, "8"},
        {"LoRaWAN_Mode", &D::LoRaWAN_Mode, "Gateway"},
        {"LoRaWAN_RF_Band", &D::LoRaWAN_RF_Band, "EU868"},
        {"LoRaWAN_Server_Address", &D::LoRaWAN_Server_Address, Default_Server_Address},
        {"LoRaWAN_Server_Port_Up", &D::LoRaWAN_Server_Port_Up, "1780"},
        {"LoRaWAN_Server_Port_Down", &D::LoRaWAN_Server_Port_Down, "1780"},
        {"LoRaWAN_KeepAlive_Interval", &D::LoRaWAN_KeepAlive_Interval, "10"},
        {"LoRaWAN_Network_Type", &D::LoRaWAN_Network_Type, "Private"},
        {"LoRaWAN_Adaptive_DataRate", &D::LoRaWAN_Adaptive_DataRate, "0"},
        {"LoRaWAN_DataRate", &D::LoRaWAN_DataRate, ""},
        {"LoRaWAN_Transmission_Type", &D::LoRaWAN_Transmission_Type, "Unconfirmed"},
        {"LoRaWAN_Join_EUI", &D::LoRaWAN_Join_EUI, ""},
        {"LoRaWAN_Activation_Method", &D::LoRaWAN_Activation_Method, "Activation by Personalization [ABP]"},
        {"LoRaWAN_Device_Address", &D::LoRaWAN_Device_Address, ""},
        {"LoRaWAN_Network_Session_Key", &D::LoRaWAN_Network_Session_Key, ""},
        {"LoRaWAN_Application_Session_Key", &D::LoRaWAN_Application_Session_Key, ""},
        {"LoRaWAN_Application_Key", &D::LoRaWAN_Application_Key, ""},
        {"LoRaWAN_Class", &D::LoRaWAN_Class, "A"},
        {"LoRaWAN_Diagostic_Position", &D::LoRaWAN_Diagostic_Position, "0"},
        {"LoRaWAN_RX2_Datarate", &D::LoRaWAN_RX2_Datarate, ""},
        {"LoRaWAN_Frequency_Sub_Band", &D::LoRaWAN_Frequency_Sub_Band, "1"},
        {"EtherNetIP_IP1", &D::EtherNetIP_IP1, "192"},
        {"EtherNetIP_IP2", &D::EtherNetIP_IP2, "168"},
        {"EtherNetIP_IP3", &D::EtherNetIP_IP3, "0"},
        {"EtherNetIP_IP4", &D::EtherNetIP_IP4, "5"},
        {"EtherNetIP_SM1", &D::EtherNetIP_SM1, "255"},
        {"EtherNetIP_SM2", &D::EtherNetIP_SM2, "255"},
        {"EtherNetIP_SM3", &D::EtherNetIP_SM3, "255"},
        {"EtherNetIP_SM4", &D::EtherNetIP_SM4, "0"},
        {"EtherNetIP_GAT1", &D::EtherNetIP_GAT1, "192"},
        {"EtherNetIP_GAT2", &D::EtherNetIP_GAT2, "168"},
        {"EtherNetIP_GAT3", &D::EtherNetIP_GAT3, "0"},
        {"EtherNetIP_GAT4", &D::EtherNetIP_GAT4, "1"},
        {"EtherNetIP_EN_GAT", &D::EtherNetIP_EN_GAT, "0"},
        {"EtherNetIP_NB_Input", &D::EtherNetIP_NB_Input, "496"},
        {"EtherNetIP_NB_Output", &D::EtherNetIP_NB_Output, "496"},
    };
    return keys;
}

std::string ParGenDefaultFor(const TParGenKey& key, std::string_view bandName) {
    if (key.field == &TParGenData::LoRaWAN_DataRate) {
        const auto entries = DataRateEntries(bandName);
        return entries.empty() ? std::string() : entries.front();
    }
    if (key.field == &TParGenData::LoRaWAN_RX2_Datarate) {
        const auto names = RX2DataRateNames(bandName);
        return names.empty() ? std::string() : names.front();
    }
    return key.windowDefault;
}

TParGenData ParGenDefaults() {
    TParGenData data;
    for (const auto& key : ParGenKeys()) data.*key.field = ParGenDefaultFor(key, "EU868");
    return data;
}

namespace {

void BuildDocument(const TParGenData& data, plat::TXmlDocument& doc) {
    plat::TXmlNode root = shell::Begin_Project_XML(doc, kRoot);
    for (const auto& key : ParGenKeys()) root.AddChild(key.name).SetText(data.*key.field);
}

}  // namespace

std::string ParGenToXml(const TParGenData& data) {
    plat::TXmlDocument doc;
    BuildDocument(data, doc);
    return doc.SaveToString();
}

bool SaveParGen(const TParGenData& data, const std::string& path, std::string* error) {
    plat::TXmlDocument doc;
    BuildDocument(data, doc);
    return doc.SaveToFile(path, error);
}

void ReadParGen(const plat::TXmlNode& root, TParGenData& data) {
    // The band decides the defaults of the two band lists, so it is read first.
    const plat::TXmlNode bandNode = root.FindNode("LoRaWAN_RF_Band");
    const std::string band = bandNode ? bandNode.Text() : std::string("EU868");
    for (const auto& key : ParGenKeys()) {
        const plat::TXmlNode node = root.FindNode(key.name);
        data.*key.field = node ? node.Text() : ParGenDefaultFor(key, band);
    }
}

bool ParGenFromXml(std::string_view xml, TParGenData& data, std::string* error) {
    plat::TXmlDocument doc;
    if (!doc.LoadFromString(xml, error)) {
        data = ParGenDefaults();
        return false;
    }
    ReadParGen(doc.Root(), data);
    return true;
}

bool LoadParGen(const std::string& path, TParGenData& data, std::string* error) {
    if (!base::FileExists(path)) {
        data = ParGenDefaults();
        return true;
    }
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(path, error)) {
        data = ParGenDefaults();
        return false;
    }
    ReadParGen(doc.Root(), data);
    return true;
}

}  // namespace gw
