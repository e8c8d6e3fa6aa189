#pragma once
// "Ethernet_Update.xml": the parameter file the external updater reads from
// its own folder. It names the device, the ports of its boot loader and, per
// file to send, where the file lies and where it goes in the device.

#include <string>

namespace gw {

// The update options in the order the dialog lists them.
enum TUpdateOption { Update_Firmware_And_Configuration = 0, Update_Firmware = 1, Update_Configuration = 2 };

struct TEthernetUpdateParams {
    std::string ipAddress;  // the four address texts joined with "."
    int option = Update_Firmware_And_Configuration;
    bool readBack = true;
    std::string masterDir;  // folder of the firmware file
    std::string confPath;   // configuration folder holding bin/bank1.bin and bin/bank2.bin
};

inline constexpr const char* Ethernet_Update_File_Name = "Ethernet_Update.xml";
inline constexpr const char* Firmware_File_Name = "Sim4A902.sim";

// The whole document. An option outside the three writes no operation, so
// the updater has nothing to send rather than something unintended.
std::string EthernetUpdateToXml(const TEthernetUpdateParams& params);

// Atomic: a failed save leaves the old file as it was; false with the reason.
bool SaveEthernetUpdate(const TEthernetUpdateParams& params, const std::string& path,
                        std::string* error = nullptr);

}  // namespace gw
