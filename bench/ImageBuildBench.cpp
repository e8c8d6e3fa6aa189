// The "Update Device" build of a full gateway: 1000 devices with 8 rules
// each, the files already loaded (reading them from disk is not timed).
// Two ratios are measured in one run: the build of 2000 devices over the
// build of 1000, two rules each so that both fit the device ("x_1000":
// linear is 2), and parsing the LoRaWAN text and
// building against pugixml parsing the same text and visiting every device
// and rule attribute ("x_pugixml": the median of interleaved pairs, with
// its quartiles).

#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
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

using bench_support::SecondsEach;

// Every benchmark here runs on the heap the program prepares at start.
const bool Heap_Prepared = bench_support::PrepareHeapAsTheProgram();

double BuildSeconds(const plat::TXmlDocument& parGen, const plat::TXmlDocument& loRaWAN) {
    return SecondsEach([&] {
        gw::TDeviceImage image;
        gw::Build_Banks(&parGen, &loRaWAN, image, nullptr);
        benchmark::DoNotOptimize(image.Bank2.data());
    });
}

void BM_BuildImage_Growth(benchmark::State& state) {
    plat::TXmlDocument parGen, small, large;
    parGen.LoadFromString("<Par_Gen><LoRaWAN_RF_Band>EU868</LoRaWAN_RF_Band></Par_Gen>");
    small.LoadFromString(MakeLoRaWANFile(1000, 2));
    large.LoadFromString(MakeLoRaWANFile(2000, 2));
    double smallSeconds = 0, largeSeconds = 0;
    for (auto _ : state) {
        smallSeconds += BuildSeconds(parGen, small);
        largeSeconds += BuildSeconds(parGen, large);
    }
    state.counters["x_1000"] = largeSeconds / smallSeconds;
}
BENCHMARK(BM_BuildImage_Growth)->Iterations(3)->Unit(benchmark::kSecond);

// The baseline reads what the build reads: every attribute of every device
// and rule.
size_t PugixmlParseAndWalk(const std::string& xml) {
    pugi::xml_document doc;
    doc.load_buffer(xml.data(), xml.size());
    size_t seen = 0;
    for (pugi::xml_node device : doc.child("LoRaWAN_Gateway").child("LoRaWAN_Devices_List").children()) {
        for (pugi::xml_attribute a : device.attributes()) seen += a.value()[0] != 0;
        for (pugi::xml_node way : device.child("LoRaWAN_Rules").children())
            for (pugi::xml_node rule : way.children())
                for (pugi::xml_attribute a : rule.attributes()) seen += a.value()[0] != 0;
    }
    return seen;
}

void BM_BuildImage_VsPugixml(benchmark::State& state) {
    const std::string xml = MakeLoRaWANFile(1000, 8);
    plat::TXmlDocument parGen;
    parGen.LoadFromString("<Par_Gen><LoRaWAN_RF_Band>EU868</LoRaWAN_RF_Band></Par_Gen>");
    for (auto _ : state) {
        const auto ours = [&] {
            plat::TXmlDocument loRaWAN;
            loRaWAN.LoadFromString(xml);
            gw::TDeviceImage image;
            gw::Build_Banks(&parGen, &loRaWAN, image, nullptr);
            benchmark::DoNotOptimize(image.Bank2.data());
        };
        const auto baseline = [&] { benchmark::DoNotOptimize(PugixmlParseAndWalk(xml)); };
        bench_support::ReportRatio(state, "x_pugixml", bench_support::PairedRatio(31, ours, baseline));
    }
}
BENCHMARK(BM_BuildImage_VsPugixml)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
