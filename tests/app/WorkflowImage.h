#pragma once
// The device image the command-line builder makes for a configuration
// folder, apart from the window headers: the image builder and the gateway
// windows cannot share one translation unit.

#include <string>

namespace apptest {

struct TBuiltImage {
    bool ok = false;
    std::string error;
    std::string bank1, bank2;
};

// Reads the folder's ParGen.xml and LoRaWAN_Gateway.xml and builds in
// memory, writing nothing.
TBuiltImage BuildImageOf(const std::string& confFolder);

}  // namespace apptest
