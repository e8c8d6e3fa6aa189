// "ParGen.xml": the parameter window's reader, its check and the image build
// over the same bytes. What is saved reads back the same; a file the build
// takes gives a concentrator text that parses as JSON.

#include <nlohmann/json.hpp>

#include "FuzzSupport.h"
#include "gateway/ConcentratorText.h"
#include "gateway/ImageBuilder.h"
#include "gateway/ParGenCheck.h"
#include "gateway/ParGenFile.h"
#include "gateway/ParGenLoad.h"
#include "platform/XmlDom.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Bytes(data, size);
    gw::TParGenData stored;
    std::string error;
    if (!gw::ParGenFromXml(text, stored, &error)) return 0;

    const std::string saved = gw::ParGenToXml(stored);
    gw::TParGenData again;
    FUZZ_REQUIRE(gw::ParGenFromXml(saved, again, &error), error + "\n" + saved);
    FUZZ_REQUIRE(again == stored, saved);

    const gw::TParGenData shown = gw::ParGen_Shown_Values(stored);
    (void)gw::Controllo_Dati(shown, gw::LayoutOf(shown));

    // The build either refuses the file and says why, or gives the device
    // a concentrator text its packet forwarder can read.
    plat::TXmlDocument doc;
    FUZZ_REQUIRE(doc.LoadFromString(text, &error), error);
    gw::TDeviceImage image;
    error.clear();
    if (!gw::Build_Banks(&doc, nullptr, image, &error)) {
        FUZZ_REQUIRE(!error.empty(), "a refused build says why");
        return 0;
    }
    FUZZ_REQUIRE(image.Bank1.size() == 2048, std::to_string(image.Bank1.size()));
    gw::TBank1_Data bank1;
    gw::TLoRaWAN_ParGen parGen;
    gw::TLoRaWAN_Infos infos;
    gw::Load_ParGen(doc.Root(), bank1, parGen, infos);
    const std::string conf = Joined(gw::Build_ConfFile(parGen));
    FUZZ_REQUIRE(nlohmann::json::accept(conf, /*ignore_comments=*/true), conf);
    return 0;
}
