#pragma once
// Radio band vocabulary shared by the parameter window, the LoRaWAN window and
// the image builder: the band codes, the data-rate lists offered per band and
// the mapping of RX2 data-rate names to the device's data-rate indexes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gw {

// Band codes as the device knows them.
enum : int { Band_EU868 = 0, Band_US915 = 1, Band_KR920 = 2, Band_AS923 = 3 };

// The band names in code order: "EU868", "US915", "KR920", "AS923".
const std::vector<std::string>& BandNames();

// Exact match on the band name; any other text (lower case, blanks, empty)
// gives EU868, which is what the device falls back to as well.
int BandCode(std::string_view name);

// Entries of the parameter window's data-rate list for a band name (compared
// exactly); KR920, AS923 and unknown names have none.
std::vector<std::string> DataRateEntries(std::string_view bandName);

// RX2 data-rate names offered for a band name (compared exactly); an unknown
// name has none.
std::vector<std::string> RX2DataRateNames(std::string_view bandName);

// The data-rate index of an RX2 name for a band code: the name is trimmed and
// upper-cased first; a name the band does not offer gives def.
uint8_t RX2_DataRate_Index(std::string_view name, int band, uint8_t def);

}  // namespace gw
