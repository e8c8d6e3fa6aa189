#pragma once
// Builds images from XML texts and reads little-endian fields back, so each
// test states only the file content it is about.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gateway/ImageBuilder.h"
#include "platform/XmlDom.h"

namespace gwtest {

// parGen or loRaWAN null: that file is missing. Fails the test on a load error.
inline bool BuildFromTexts(const char* parGen, const char* loRaWAN, gw::TDeviceImage& image,
                           std::string* error = nullptr) {
    plat::TXmlDocument p, l;
    if (parGen && !p.LoadFromString(parGen, error)) return false;
    if (loRaWAN && !l.LoadFromString(loRaWAN, error)) return false;
    return gw::Build_Banks(parGen ? &p : nullptr, loRaWAN ? &l : nullptr, image, error);
}

inline uint32_t U8(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b.at(at));
}
inline uint32_t U16(const std::string& b, size_t at) {
    return U8(b, at) | (U8(b, at + 1) << 8);
}
inline uint32_t U32(const std::string& b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

inline std::string Hex(const std::string& bytes, size_t at, size_t n) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = static_cast<uint8_t>(bytes.at(at + i));
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// A device element with every attribute the window writes; extra attributes
// (or replacements) go in attrs, rules in rules.
inline std::string Device(const std::string& attrs, const std::string& up = "",
                          const std::string& down = "") {
    return "<LoRaWAN_Device " + attrs + "><LoRaWAN_Rules><LoRaWAN_UpLink_Rules>" + up +
           "</LoRaWAN_UpLink_Rules><LoRaWAN_DownLink_Rules>" + down +
           "</LoRaWAN_DownLink_Rules></LoRaWAN_Rules></LoRaWAN_Device>";
}

// The standard device attributes with some replaced (a value) or left out
// (nullopt); attributes not in the standard set are appended.
inline std::string AttrsWith(const std::vector<std::pair<std::string, std::optional<std::string>>>& changes) {
    std::vector<std::pair<std::string, std::optional<std::string>>> attrs = {
        {"Enable", "Y"},
        {"DeviceEUI", "0102030405060708"},
        {"JoinEUI", "1112131415161718"},
        {"DeviceName", "Dev"},
        {"ActivationMethod", "Activation by Personalization [ABP]"},
        {"NetworkSessionKey", "000102030405060708090A0B0C0D0E0F"},
        {"ApplicationSessionKey", "101112131415161718191A1B1C1D1E1F"},
        {"ApplicationKey", "202122232425262728292A2B2C2D2E2F"},
        {"DeviceAddress", "26011BDA"},
        {"Class", "A"},
        {"DiagTimeOut", "1000"},
        {"RX2_Datarate", "SF12BW125"},
        {"Mnemonic", "m"}};
    for (const auto& [name, value] : changes) {
        bool found = false;
        for (auto& a : attrs) {
            if (a.first == name) {
                a.second = value;
                found = true;
            }
        }
        if (!found) attrs.emplace_back(name, value);
    }
    std::string out;
    for (const auto& [name, value] : attrs) {
        if (value) out += name + "=\"" + *value + "\" ";
    }
    return out;
}

inline std::string StdAttrs(const std::string& enable = "Y", const std::string& eui = "0102030405060708") {
    return AttrsWith({{"Enable", enable}, {"DeviceEUI", eui}});
}

inline std::string UpRule(const std::string& extra, const std::string& enable = "Y") {
    return "<Rule Enable=\"" + enable +
           "\" Port=\"1\" StartBit=\"0\" NumberBits=\"2\" PositionBit=\"10\" Mnemonic=\"\" " + extra + "/>";
}

inline std::string DownRule(const std::string& flags, const std::string& enable = "Y") {
    return "<Rule Enable=\"" + enable + "\" Port=\"2\" StartBit=\"1\" NumberBits=\"4\" " + flags +
           " Time=\"5000\" PositionBit=\"20\" Mnemonic=\"\"/>";
}

inline std::string LoRaWANFile(const std::string& devices) {
    return "<LoRaWAN_Gateway><LoRaWAN_Devices_List>" + devices + "</LoRaWAN_Devices_List></LoRaWAN_Gateway>";
}

}  // namespace gwtest
