#pragma once
// "ParGen.xml": the gateway's general parameters, one element per key under
// the root `Par_Gen`, the value as the element's text. The parameter window
// reads and writes the whole file through these functions; the image builder
// reads the keys on its own terms (ImageBuilder.h).

#include <string>
#include <string_view>
#include <vector>

namespace plat {
class TXmlNode;
}

namespace gw {

// Every value exactly as the window's controls show it; flags are "1"/"0".
struct TParGenData {
    std::string Eth_Conn_Device_Name;
    std::string Eth_Conn_DHCP_Cable;
    std::string Eth_Conn_DHCP_WiFi;
    std::string Eth_Conn_Enable_DNS;
    std::string Eth_Conn_Primary_DNS1, Eth_Conn_Primary_DNS2, Eth_Conn_Primary_DNS3, Eth_Conn_Primary_DNS4;
    std::string Eth_Conn_Secondary_DNS1, Eth_Conn_Secondary_DNS2, Eth_Conn_Secondary_DNS3,
        Eth_Conn_Secondary_DNS4;
    std::string LoRaWAN_Mode;
    std::string LoRaWAN_RF_Band;
    std::string LoRaWAN_Server_Address;
    std::string LoRaWAN_Server_Port_Up;
    std::string LoRaWAN_Server_Port_Down;
    std::string LoRaWAN_KeepAlive_Interval;
    std::string LoRaWAN_Network_Type;
    std::string LoRaWAN_Adaptive_DataRate;
    std::string LoRaWAN_DataRate;
    std::string LoRaWAN_Transmission_Type;
    std::string LoRaWAN_Join_EUI;
    std::string LoRaWAN_Activation_Method;
    std::string LoRaWAN_Device_Address;
    std::string LoRaWAN_Network_Session_Key;
    std::string LoRaWAN_Application_Session_Key;
    std::string LoRaWAN_Application_Key;
    std::string LoRaWAN_Class;
    std::string LoRaWAN_Diagostic_Position;
    std::string LoRaWAN_RX2_Datarate;
    std::string LoRaWAN_Frequency_Sub_Band;
    std::string EtherNetIP_IP1, EtherNetIP_IP2, EtherNetIP_IP3, EtherNetIP_IP4;
    std::string EtherNetIP_SM1, EtherNetIP_SM2, EtherNetIP_SM3, EtherNetIP_SM4;
    std::string EtherNetIP_GAT1, EtherNetIP_GAT2, EtherNetIP_GAT3, EtherNetIP_GAT4;
    std::string EtherNetIP_EN_GAT;
    std::string EtherNetIP_NB_Input;
    std::string EtherNetIP_NB_Output;

    bool operator==(const TParGenData&) const = default;
};

// One key of the file: its element name, where it lives in TParGenData and
// the value the window shows when the file or the key is missing. The data-rate
// and RX2 defaults depend on the band and are empty here (ParGenDefaultFor).
struct TParGenKey {
    const char* name;
    std::string TParGenData::*field;
    const char* windowDefault;
};

// The 47 keys in write order.
const std::vector<TParGenKey>& ParGenKeys();

// The host the gateway's packet forwarder talks to when the file names none.
inline constexpr const char* Default_Server_Address = "localhost";

// The window's default for a key, given the band text in force: the data-rate
// and RX2 lists default to the first entry the band offers.
std::string ParGenDefaultFor(const TParGenKey& key, std::string_view bandName);

// What the window shows for a new configuration.
TParGenData ParGenDefaults();

// Root `Par_Gen`, the 47 keys in order, then the version comment.
std::string ParGenToXml(const TParGenData& data);
// Atomic: a failed save leaves the old file as it was.
bool SaveParGen(const TParGenData& data, const std::string& path, std::string* error = nullptr);

// Fills data from the keys under root; a missing key takes the window
// default. Texts are taken as stored (no trimming); matching a stored list
// text to a list entry, and forcing the mode to "Gateway", is the window's.
void ReadParGen(const plat::TXmlNode& root, TParGenData& data);
// False with a message naming the text's problem; data then holds the defaults.
bool ParGenFromXml(std::string_view xml, TParGenData& data, std::string* error = nullptr);
// A missing file is a new configuration: every default, and true.
bool LoadParGen(const std::string& path, TParGenData& data, std::string* error = nullptr);

}  // namespace gw
