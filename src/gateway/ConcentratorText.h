#pragma once
// The configuration text of the gateway's LoRa concentrator: a JSON text with
// C-style comments, one template per radio band, with the network server
// settings of "ParGen.xml" inserted. The device's packet forwarder parses it
// at start-up, so every inserted value must keep the text valid.

#include <string>
#include <string_view>
#include <vector>

#include "gateway/ImageModel.h"

namespace gw {

// The lines of the text for parGen.RF_Band (no line ends); empty for a band
// code outside 0 to 3.
std::vector<std::string> Build_ConfFile(const TLoRaWAN_ParGen& parGen);

// A number as the packet forwarder reads it: the text trimmed, a decimal or
// "$"/"0x" hexadecimal integer written in decimal; anything else gives def.
std::string JsonNumberText(std::string_view text, std::string_view def);

}  // namespace gw
