#pragma once
// bank2.bin: the LoRaWAN block the device loads at Bank2_Base_Address: a
// 36-byte header, the 96-byte device records, the 24-byte rule records, the
// rules' test bytes and the concentrator text closed by a zero byte. No
// padding anywhere; numbers little-endian; addresses absolute.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gateway/ImageModel.h"

namespace gw {

inline constexpr size_t Bank2_Header_Size = 36;
inline constexpr size_t Device_Record_Size = 96;
inline constexpr size_t Rule_Record_Size = 24;
// What the device reserves for the block.
inline constexpr size_t Bank2_Max_Size = 524288;

// Sets the list addresses, every rule's data_test_add and Address_ConfFile
// from the counts and test bytes in infos.
void Assign_Addresses(TLoRaWAN_Infos& infos, uint32_t base);

// The text as the device reads it: every line followed by a line feed,
// carriage returns left out, then one zero byte.
std::string ConfFile_Bytes(const std::vector<std::string>& lines);

// Appends the block to buffer. Refuses (false and a message, buffer as it
// was) a block larger than Bank2_Max_Size: the device would cut it short.
bool Write_Bank2(const TLoRaWAN_Infos& infos, const std::vector<std::string>& confLines, std::string& buffer,
                 std::string* error = nullptr);

}  // namespace gw
