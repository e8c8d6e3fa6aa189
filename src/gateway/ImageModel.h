#pragma once
// The LoRaWAN part of the device image as binary values, built afresh from
// the files on disk by every build (ImageBuilder.h) and serialized by
// Write_Bank2 (LoRaWANBlock.h). Byte arrays hold exactly the bytes that go
// into the image.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gw {

// Device address of the LoRaWAN block; every address inside it is absolute.
inline constexpr uint32_t Bank2_Base_Address = 0x80000;

// options bits of a device record.
inline constexpr uint32_t Device_Option_Always = 0x20;
inline constexpr uint32_t Device_Option_OTAA = 0x100;

// options bits of a downlink rule.
inline constexpr uint16_t Rule_Option_OnChange = 0x01;
inline constexpr uint16_t Rule_Option_OnCommand = 0x02;
inline constexpr uint16_t Rule_Option_OnTimer = 0x04;
inline constexpr uint16_t Rule_Option_Downlink = 0x08;

// Mode word of the block header (the window lists the modes by text:
// Mode_Gateway and Mode_End_Node in ParGenLayout.h).
inline constexpr uint32_t Mode_Word_Gateway = 4369;
inline constexpr uint32_t Mode_Word_End_Node = 8448;

// No test configured: start_test and len_test of an uplink rule.
inline constexpr uint16_t No_Test = 0xFFFF;

struct TLoRaWAN_Device {
    std::array<uint8_t, 8> DevEUI{};   // least significant byte first
    std::array<uint8_t, 8> JoinEUI{};  // least significant byte first
    std::array<uint8_t, 16> DevNAME{};
    std::array<uint8_t, 16> NwkSKey{};  // text order
    std::array<uint8_t, 16> AppSKey{};
    std::array<uint8_t, 16> AppKey{};
    std::array<uint8_t, 4> DevADDR{};  // least significant byte first
    uint32_t options = 0;
    uint32_t timeout = 0;
    uint8_t DL_settings = 0;
};

struct TLoRaWAN_Rule {
    uint16_t num_device = 0;
    uint16_t port = 0;
    uint16_t start_test = 0;
    uint16_t len_test = 0;
    uint32_t data_test_add = 0;
    std::string data_test;  // bytes
    uint32_t time_poll = 0;
    uint16_t byte_offset_frame = 0;
    uint16_t byte_offset_memory = 0;
    uint16_t num_bytes = 0;
    uint16_t options = 0;
};

struct TLoRaWAN_Infos {
    uint32_t Num_Devices = 0;
    uint32_t Num_Rules = 0;
    uint32_t Address_DevList = 0;
    uint32_t Address_RuleList = 0;
    uint32_t Address_ConfFile = 0;
    uint32_t opzioni_funzionamento = 0;
    uint8_t RF_Band = 0;
    uint8_t DataRate = 0;
    uint8_t Adaptive_DataRate = 0;
    uint8_t Transmission_Type = 0;
    uint32_t position_diagnostic = 0;
    uint8_t Freq_SubBand = 0;
    std::vector<TLoRaWAN_Device> Devices_List;  // file order
    std::vector<TLoRaWAN_Rule> Rules_List;      // per device: uplink rules, then downlink rules
};

// The LoRaWAN settings of "ParGen.xml". The four server texts are inserted
// into the concentrator text.
struct TLoRaWAN_ParGen {
    bool ModeMaster = true;
    int RF_Band = 0;
    std::string Server_Add;
    std::string Server_Port_Up;
    std::string Server_Port_Down;
    std::string KA_Interval;
    std::string NetworkType = "false";  // "true" for a public network
    std::array<uint8_t, 8> JoinEUI{};
    uint8_t Activation_method = 0;  // 1 over-the-air, 0 by personalization
    std::array<uint8_t, 16> DevNAME{};
    std::array<uint8_t, 4> Dev_Address{};
    std::array<uint8_t, 16> NwkSKey{};
    std::array<uint8_t, 16> AppSKey{};
    std::array<uint8_t, 16> AppKey{};
    uint8_t LoRaWAN_Class = 0;
};

}  // namespace gw
