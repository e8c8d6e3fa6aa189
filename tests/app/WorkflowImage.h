#pragma once
// The device image the command-line builder makes for a configuration
// folder. Apart from the window headers: the image builder and the gateway
// windows cannot share one translation unit.

#include <string>

namespace apptest {

struct TBuiltImage {
    bool ok = false;
    bool byDriver = false;  // made by the image-build program, not in-process
    std::string error;
    std::string bank1, bank2;
};

// Copies the folder's ParGen.xml and LoRaWAN_Gateway.xml into scratch and
// runs the image-build program on the copy, as a user would. The program
// is built beside the test programs; without it, the builder call it makes
// runs in-process on the copy instead.
TBuiltImage BuildImageOf(const std::string& confFolder, const std::string& scratch);

}  // namespace apptest
