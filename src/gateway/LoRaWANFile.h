#pragma once
// "LoRaWAN_Gateway.xml": the LoRaWAN end devices with their uplink and
// downlink rules, as the LoRaWAN window edits them. Every value is the text
// typed in the tables; only the flags are Booleans ("Y"/"N" in the file).

#include <array>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace plat {
class TXmlDocument;
}

namespace gw {

// One rule; a direction leaves the fields it does not use at their defaults.
struct TRuleLoRa {
    bool Enable = true;
    std::string Port;
    std::string StartTest;  // uplink
    std::string LenTest;    // uplink
    bool HexTest = false;   // uplink
    std::string ValueTest;  // uplink
    std::string StartBit;
    std::string NumBits;
    bool OnChange = false;  // downlink
    bool OnCMD = false;     // downlink
    bool OnTimer = false;   // downlink
    std::string Time;       // downlink
    std::string PosBit;
    std::string Mnemonic;

    bool operator==(const TRuleLoRa&) const = default;
};

// One field of a rule as the file and the rule tables both lay it out: the
// file writes the attributes and the tables show the columns in this order.
// A field is either text or a flag ("Y"/"N").
struct TRuleField {
    const char* attribute;
    std::string TRuleLoRa::*text;  // nullptr for a flag
    bool TRuleLoRa::*flag;         // nullptr for text
    bool required;                 // a file rule without it is refused
};

inline constexpr TRuleField UpLink_Rule_Fields[] = {
    {"Enable", nullptr, &TRuleLoRa::Enable, true},
    {"Port", &TRuleLoRa::Port, nullptr, true},
    {"StartTest", &TRuleLoRa::StartTest, nullptr, false},
    {"LenTest", &TRuleLoRa::LenTest, nullptr, false},
    {"HexTest", nullptr, &TRuleLoRa::HexTest, false},
    {"ValueTest", &TRuleLoRa::ValueTest, nullptr, false},
    {"StartBit", &TRuleLoRa::StartBit, nullptr, true},
    {"NumberBits", &TRuleLoRa::NumBits, nullptr, true},
    {"PositionBit", &TRuleLoRa::PosBit, nullptr, true},
    {"Mnemonic", &TRuleLoRa::Mnemonic, nullptr, true},
};

inline constexpr TRuleField DownLink_Rule_Fields[] = {
    {"Enable", nullptr, &TRuleLoRa::Enable, true},
    {"Port", &TRuleLoRa::Port, nullptr, true},
    {"StartBit", &TRuleLoRa::StartBit, nullptr, true},
    {"NumberBits", &TRuleLoRa::NumBits, nullptr, true},
    {"OnChange", nullptr, &TRuleLoRa::OnChange, true},
    {"OnCommand", nullptr, &TRuleLoRa::OnCMD, true},
    {"OnTimer", nullptr, &TRuleLoRa::OnTimer, true},
    {"Time", &TRuleLoRa::Time, nullptr, true},
    {"PositionBit", &TRuleLoRa::PosBit, nullptr, true},
    {"Mnemonic", &TRuleLoRa::Mnemonic, nullptr, true},
};

struct TDeviceLoRa {
    bool Enable = true;
    std::string DeviceEUI;
    std::string JoinEUI;
    std::string DeviceName;
    std::string ActMethod;
    std::string NetSessKey;
    std::string AppSessKey;
    std::string AppKey;
    std::string DevAdd;
    std::string ClassLoRa;
    std::string DiagTimeOut;
    std::string RX2Datarate;
    std::string Mnemonic;
    std::vector<TRuleLoRa> UpLinkRules;
    std::vector<TRuleLoRa> DownLinkRules;

    bool operator==(const TDeviceLoRa&) const = default;
};

// The text fields of a device in the order the file writes its attributes
// and the device table shows its columns (after the Enable box, which is a
// flag of its own).
struct TDeviceField {
    const char* attribute;
    std::string TDeviceLoRa::*text;
    bool required;  // a file device without it is refused
};

inline constexpr TDeviceField Device_Text_Fields[] = {
    {"DeviceEUI", &TDeviceLoRa::DeviceEUI, true},
    {"JoinEUI", &TDeviceLoRa::JoinEUI, true},
    {"DeviceName", &TDeviceLoRa::DeviceName, true},
    {"ActivationMethod", &TDeviceLoRa::ActMethod, true},
    {"NetworkSessionKey", &TDeviceLoRa::NetSessKey, true},
    {"ApplicationSessionKey", &TDeviceLoRa::AppSessKey, true},
    {"ApplicationKey", &TDeviceLoRa::AppKey, true},
    {"DeviceAddress", &TDeviceLoRa::DevAdd, true},
    {"Class", &TDeviceLoRa::ClassLoRa, false},
    {"DiagTimeOut", &TDeviceLoRa::DiagTimeOut, false},
    {"RX2_Datarate", &TDeviceLoRa::RX2Datarate, false},
    {"Mnemonic", &TDeviceLoRa::Mnemonic, true},
};

// The attribute names of a field table in its order, after first when one
// is given: readers take an element's attributes in one pass by them.
template <size_t N, typename Field, size_t M>
constexpr std::array<std::string_view, N> Attribute_Names(const Field (&fields)[M],
                                                          std::string_view first = {}) {
    std::array<std::string_view, N> names{};
    size_t i = 0;
    if (!first.empty()) names[i++] = first;
    for (const Field& f : fields) names[i++] = f.attribute;
    return names;
}

inline constexpr auto UpLink_Attribute_Names =
    Attribute_Names<std::size(UpLink_Rule_Fields)>(UpLink_Rule_Fields);
inline constexpr auto DownLink_Attribute_Names =
    Attribute_Names<std::size(DownLink_Rule_Fields)>(DownLink_Rule_Fields);
// The device's Enable flag, then its text fields.
inline constexpr auto Device_Attribute_Names =
    Attribute_Names<1 + std::size(Device_Text_Fields)>(Device_Text_Fields, "Enable");

struct TLoRaWANConfig {
    std::vector<TDeviceLoRa> Devices;

    bool operator==(const TLoRaWANConfig&) const = default;
};

// A device whose Device EUI is blank after trimming is an empty table row
// and is not written, rules and all; the devices after it are, in order.
// (Ending the list there lost every device below a row whose EUI the user
// had cleared, although the data check had passed them.)
std::string LoRaWANToXml(const TLoRaWANConfig& config);
// Atomic: a failed save leaves the old file as it was.
bool SaveLoRaWAN(const TLoRaWANConfig& config, const std::string& path, std::string* error = nullptr);

// Reads the devices of a loaded document. In end-node mode (modeMaster false)
// only the first device is read. A missing element or required attribute is
// refused with a message naming it (and the file, when fileName is given);
// config then holds what was read before.
bool ReadLoRaWAN(const plat::TXmlDocument& doc, bool modeMaster, TLoRaWANConfig& config,
                 std::string* error = nullptr, std::string_view fileName = {});
bool LoRaWANFromXml(std::string_view xml, bool modeMaster, TLoRaWANConfig& config,
                    std::string* error = nullptr);
// A missing file is a configuration without devices, and true.
bool LoadLoRaWAN(const std::string& path, bool modeMaster, TLoRaWANConfig& config,
                 std::string* error = nullptr);

}  // namespace gw
