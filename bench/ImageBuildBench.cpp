// The "Update Device" build of a full gateway: 1000 devices with 8 rules
// each, the files already loaded (reading them from disk is not timed).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "gateway/ImageBuilder.h"
#include "platform/XmlDom.h"

namespace {

std::string MakeLoRaWANFile(int devices, int rulesPerDevice) {
    std::string xml = "<LoRaWAN_Gateway><LoRaWAN_Devices_List>";
    for (int d = 0; d < devices; ++d) {
        char eui[32];
        std::snprintf(eui, sizeof(eui), "70B3D57ED%07X", static_cast<unsigned>(d));
        xml += std::string("<LoRaWAN_Device Enable=\"Y\" DeviceEUI=\"") + eui +
               "\" JoinEUI=\"0000000000000000\" DeviceName=\"Device " + std::to_string(d) +
               "\" ActivationMethod=\"Activation by Personalization [ABP]\" "
               "NetworkSessionKey=\"2B7E151628AED2A6ABF7158809CF4F3C\" "
               "ApplicationSessionKey=\"3C4FCF098815F7ABA6D2AE2816157E2B\" ApplicationKey=\"\" "
               "DeviceAddress=\"260B1A2C\" Class=\"A\" DiagTimeOut=\"600000\" RX2_Datarate=\"SF9BW125\" "
               "Mnemonic=\"\"><LoRaWAN_Rules><LoRaWAN_UpLink_Rules>";
        for (int r = 0; r < rulesPerDevice / 2; ++r) {
            xml += "<Rule Enable=\"Y\" Port=\"" + std::to_string(r + 1) +
                   "\" StartTest=\"0\" LenTest=\"2\" HexTest=\"Y\" ValueTest=\"01A0\" StartBit=\"2\" "
                   "NumberBits=\"1\" PositionBit=\"" +
                   std::to_string(r) + "\" Mnemonic=\"\"/>";
        }
        xml += "</LoRaWAN_UpLink_Rules><LoRaWAN_DownLink_Rules>";
        for (int r = 0; r < rulesPerDevice - rulesPerDevice / 2; ++r) {
            xml +=
                "<Rule Enable=\"Y\" Port=\"" + std::to_string(r + 10) +
                "\" StartBit=\"0\" NumberBits=\"1\" OnChange=\"Y\" OnCommand=\"N\" OnTimer=\"N\" Time=\"0\" "
                "PositionBit=\"" +
                std::to_string(700 + r) + "\" Mnemonic=\"\"/>";
        }
        xml += "</LoRaWAN_DownLink_Rules></LoRaWAN_Rules></LoRaWAN_Device>";
    }
    return xml + "</LoRaWAN_Devices_List></LoRaWAN_Gateway>";
}

void BM_BuildImage(benchmark::State& state) {
    plat::TXmlDocument parGen, loRaWAN;
    parGen.LoadFromString("<Par_Gen><LoRaWAN_RF_Band>EU868</LoRaWAN_RF_Band></Par_Gen>");
    loRaWAN.LoadFromString(MakeLoRaWANFile(static_cast<int>(state.range(0)), 8));
    for (auto _ : state) {
        gw::TDeviceImage image;
        std::string error;
        if (!gw::Build_Banks(&parGen, &loRaWAN, image, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(image.Bank2.data());
    }
}
BENCHMARK(BM_BuildImage)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
