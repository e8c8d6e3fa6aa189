// The "Update Device" build over both files of a configuration at once
// ("ParGen.xml", a line "=====", then "LoRaWAN_Gateway.xml"), in gateway and
// end-node mode alike: a build either says why it refuses or gives banks of
// the device's sizes, and building again from the same files gives the same
// bytes, since nothing of an earlier build is carried over.

#include "FuzzSupport.h"
#include "gateway/ImageBuilder.h"
#include "platform/XmlDom.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [parGenText, loRaWANText] = fuzz::SplitAt(fuzz::Bytes(data, size), "\n=====\n");
    plat::TXmlDocument parGen, loRaWAN;
    const bool hasParGen = parGen.LoadFromString(parGenText);
    const bool hasLoRaWAN = loRaWAN.LoadFromString(loRaWANText);
    gw::TDeviceImage image;
    std::string error;
    if (!gw::Build_Banks(hasParGen ? &parGen : nullptr, hasLoRaWAN ? &loRaWAN : nullptr, image, &error)) {
        FUZZ_REQUIRE(!error.empty(), "a refused build says why");
        return 0;
    }
    FUZZ_REQUIRE(image.Bank1.size() == 2048, std::to_string(image.Bank1.size()));
    FUZZ_REQUIRE(!image.Bank2.empty(), "bank2 holds at least the block header");
    gw::TDeviceImage again;
    FUZZ_REQUIRE(gw::Build_Banks(hasParGen ? &parGen : nullptr, hasLoRaWAN ? &loRaWAN : nullptr, again, &error),
                 error);
    FUZZ_REQUIRE(again.Bank1 == image.Bank1 && again.Bank2 == image.Bank2, "the same files build the same image");
    return 0;
}
