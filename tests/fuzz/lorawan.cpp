// "LoRaWAN_Gateway.xml": the LoRaWAN window's reader, its check and the
// image build. What is saved reads back the same; every uplink test of a
// file that passes the check reaches the image as exactly the typed bytes.

#include "FuzzSupport.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "gateway/ImageBuilder.h"
#include "gateway/LoRaWANCheck.h"
#include "gateway/LoRaWANFile.h"
#include "platform/XmlDom.h"

namespace {

// The bytes a test value stands for, as the user reads the table: hex
// digits pair by pair, a text one byte per UTF-16 unit.
std::string TypedBytes(const gw::TRuleLoRa& rule) {
    std::string bytes;
    if (rule.HexTest) {
        const std::string digits = base::Trim(rule.ValueTest);
        for (size_t i = 0; i + 1 < digits.size(); i += 2)
            bytes.push_back(static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    } else {
        for (char16_t u : base::Utf8ToUtf16(rule.ValueTest)) bytes.push_back(static_cast<char>(u & 0xFF));
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Bytes(data, size);
    for (bool master : {true, false}) {
        gw::TLoRaWANConfig config;
        std::string error;
        if (!gw::LoRaWANFromXml(text, master, config, &error)) continue;
        if (!master) {
            (void)gw::Check_End_Node(config.Devices);
            continue;
        }
        const std::string saved = gw::LoRaWANToXml(config);
        gw::TLoRaWANConfig again;
        FUZZ_REQUIRE(gw::LoRaWANFromXml(saved, master, again, &error), error + "\n" + saved);
        // Rows with a blank Device EUI are empty table rows and are not saved.
        gw::TLoRaWANConfig kept;
        for (const gw::TDeviceLoRa& d : config.Devices)
            if (!base::Trim(d.DeviceEUI).empty()) kept.Devices.push_back(d);
        FUZZ_REQUIRE(again == kept, saved);

        if (!gw::Check_Data(kept.Devices).Ok()) continue;
        plat::TXmlDocument doc;
        FUZZ_REQUIRE(doc.LoadFromString(saved, &error), error);
        gw::TLoRaWAN_Infos infos;
        FUZZ_REQUIRE(gw::Load_LoRaWAN_Devices(&doc, gw::Default_ParGen(), infos, gw::Bank2_Base_Address, &error),
                     error + "\n" + saved);
        size_t next = 0;
        for (const gw::TDeviceLoRa& d : kept.Devices) {
            if (!d.Enable) continue;
            for (const gw::TRuleLoRa& r : d.UpLinkRules) {
                if (!r.Enable) continue;
                FUZZ_REQUIRE(next < infos.Rules_List.size(), saved);
                const gw::TLoRaWAN_Rule& built = infos.Rules_List[next++];
                if (!base::Trim(r.StartTest).empty())
                    FUZZ_REQUIRE(built.data_test == TypedBytes(r), "test value \"" + r.ValueTest + "\"");
            }
            for (const gw::TRuleLoRa& r : d.DownLinkRules) next += r.Enable ? 1 : 0;
        }
        FUZZ_REQUIRE(next == infos.Rules_List.size(), saved);
        gw::TDeviceImage image;
        FUZZ_REQUIRE(gw::Build_Banks(nullptr, &doc, image, &error), error + "\n" + saved);
    }
    return 0;
}
