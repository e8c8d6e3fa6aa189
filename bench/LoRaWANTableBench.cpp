// What the user of the LoRaWAN window waits for with a full gateway: 1000
// devices with 8 uplink and 8 downlink rules each. The file is read, checked
// and written; the window's records are loaded and every device row is
// visited once, as a user stepping down the device table does. The data is
// made before the timed loops. pugixml parsing and writing the same text is
// the baseline: the "x_pugixml" counters are our time over its time, both
// measured in the same run.

#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "gateway/LoRaWANCheck.h"
#include "gateway/LoRaWANFile.h"
#include "gateway/LoRaWANModel.h"

namespace {

constexpr int Devices = gw::Device_Rows;
constexpr int Rules_Each_Way = 8;

// Every rule owns its own bits of the exchange memory, so the check has to
// go through all of them instead of stopping at a first fault.
gw::TLoRaWANConfig FullGateway() {
    gw::TLoRaWANConfig config;
    for (int d = 0; d < Devices; ++d) {
        gw::TDeviceLoRa dev;
        char eui[17];
        std::snprintf(eui, sizeof(eui), "70B3D57E%08X", static_cast<unsigned>(d));
        dev.DeviceEUI = eui;
        dev.JoinEUI = "0000000000000000";
        dev.DeviceName = "Device " + std::to_string(d);
        dev.ActMethod = gw::Act_Meth_SL()[0];
        dev.NetSessKey = "2B7E151628AED2A6ABF7158809CF4F3C";
        dev.AppSessKey = "3C4FCF098815F7ABA6D2AE2816157E2B";
        dev.DevAdd = "260B1A2C";
        dev.ClassLoRa = "A";
        dev.DiagTimeOut = "600000";
        dev.RX2Datarate = "SF9BW125";
        dev.Mnemonic = "dev" + std::to_string(d);
        for (int r = 0; r < Rules_Each_Way; ++r) {
            gw::TRuleLoRa up;
            up.Port = std::to_string(r + 1);
            up.StartTest = "0";
            up.LenTest = "2";
            up.HexTest = true;
            up.ValueTest = "01A0";
            up.StartBit = "2";
            up.NumBits = "1";
            up.PosBit = std::to_string(r);
            up.Mnemonic = "up" + std::to_string(r);
            dev.UpLinkRules.push_back(up);
            gw::TRuleLoRa down;
            down.Port = std::to_string(r + 10);
            down.StartBit = "0";
            down.NumBits = "1";
            down.OnChange = true;
            down.OnTimer = true;
            down.Time = "60000";
            down.PosBit = std::to_string(700 + r);
            down.Mnemonic = "down" + std::to_string(r);
            dev.DownLinkRules.push_back(down);
        }
        config.Devices.push_back(dev);
    }
    return config;
}

const gw::TLoRaWANConfig& Gateway() {
    static const gw::TLoRaWANConfig config = FullGateway();
    return config;
}

const std::string& GatewayXml() {
    static const std::string xml = gw::LoRaWANToXml(Gateway());
    return xml;
}

struct TStringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

using bench_support::PairedRatio;
using bench_support::ReportRatio;

// Every benchmark here runs on the heap the program prepares at start.
const bool Heap_Prepared = bench_support::PrepareHeapAsTheProgram();

void PugixmlParse(const std::string& xml, pugi::xml_document& doc) {
    doc.load_buffer(xml.data(), xml.size());
}

std::string PugixmlSave(const pugi::xml_document& doc) {
    TStringWriter out;
    doc.save(out, "  ");
    return std::move(out.text);
}

// Reading the file into the configuration against pugixml parsing it, and
// writing it against pugixml writing the parsed document: medians of
// interleaved pairs, with their quartiles.
void BM_LoadSave_VsPugixml(benchmark::State& state) {
    const std::string& xml = GatewayXml();
    const gw::TLoRaWANConfig& config = Gateway();
    pugi::xml_document parsed;
    PugixmlParse(xml, parsed);
    // What a load makes is kept, as the window keeps it: letting it go is
    // no part of loading, on either side.
    gw::TLoRaWANConfig loaded;
    pugi::xml_document doc;
    const auto letGo = [&] {
        loaded = gw::TLoRaWANConfig{};
        doc.reset();
    };
    const auto ourLoad = [&] {
        gw::LoRaWANFromXml(xml, true, loaded, nullptr);
        benchmark::DoNotOptimize(loaded.Devices.data());
    };
    const auto pugiLoad = [&] {
        PugixmlParse(xml, doc);
        benchmark::DoNotOptimize(doc.first_child());
    };
    const auto ourSave = [&] { benchmark::DoNotOptimize(gw::LoRaWANToXml(config)); };
    const auto pugiSave = [&] { benchmark::DoNotOptimize(PugixmlSave(parsed)); };
    const auto ourBoth = [&] {
        ourLoad();
        ourSave();
    };
    const auto pugiBoth = [&] {
        pugiLoad();
        pugiSave();
    };
    constexpr int Pairs = 31;
    for (auto _ : state) {
        ReportRatio(state, "load_x_pugixml", PairedRatio(Pairs, ourLoad, pugiLoad, letGo));
        ReportRatio(state, "save_x_pugixml", PairedRatio(Pairs, ourSave, pugiSave));
        ReportRatio(state, "both_x_pugixml", PairedRatio(Pairs, ourBoth, pugiBoth, letGo));
    }
}
BENCHMARK(BM_LoadSave_VsPugixml)->Iterations(1)->Unit(benchmark::kSecond);

void BM_PugixmlParse(benchmark::State& state) {
    const std::string& xml = GatewayXml();
    for (auto _ : state) {
        pugi::xml_document doc;
        PugixmlParse(xml, doc);
        benchmark::DoNotOptimize(doc.first_child());
    }
}
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

void BM_PugixmlSave(benchmark::State& state) {
    pugi::xml_document parsed;
    PugixmlParse(GatewayXml(), parsed);
    for (auto _ : state) benchmark::DoNotOptimize(PugixmlSave(parsed));
}
BENCHMARK(BM_PugixmlSave)->Unit(benchmark::kMillisecond);

void BM_LoadLoRaWANFile(benchmark::State& state) {
    const std::string& xml = GatewayXml();
    for (auto _ : state) {
        gw::TLoRaWANConfig config;
        std::string error;
        if (!gw::LoRaWANFromXml(xml, true, config, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(config.Devices.data());
    }
    state.counters["bytes"] = static_cast<double>(xml.size());
}
BENCHMARK(BM_LoadLoRaWANFile)->Unit(benchmark::kMillisecond);

void BM_CheckLoRaWAN(benchmark::State& state) {
    const auto& devices = Gateway().Devices;
    for (auto _ : state) {
        const gw::TCheckResult result = gw::Check_Data(devices);
        if (!result.Ok()) state.SkipWithError("the benchmark data fails the check");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CheckLoRaWAN)->Unit(benchmark::kMillisecond);

void BM_WriteLoRaWANXml(benchmark::State& state) {
    const gw::TLoRaWANConfig& config = Gateway();
    for (auto _ : state) {
        std::string xml = gw::LoRaWANToXml(config);
        benchmark::DoNotOptimize(xml.data());
    }
}
BENCHMARK(BM_WriteLoRaWANXml)->Unit(benchmark::kMillisecond);

// The whole save the OK button does, through the atomic helper onto disk.
void BM_SaveLoRaWANFile(benchmark::State& state) {
    const gw::TLoRaWANConfig& config = Gateway();
    const std::string path =
        (std::filesystem::temp_directory_path() / "vastrimo_bench_LoRaWAN_Gateway.xml").string();
    for (auto _ : state) {
        std::string error;
        if (!gw::SaveLoRaWAN(config, path, &error)) state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveLoRaWANFile)->Unit(benchmark::kMillisecond);

void BM_ModelLoad(benchmark::State& state) {
    const auto& devices = Gateway().Devices;
    for (auto _ : state) {
        gw::TLoRaWANModel model;
        model.Load(true, devices);
        benchmark::DoNotOptimize(model.Devices().data());
    }
}
BENCHMARK(BM_ModelLoad)->Unit(benchmark::kMillisecond);

// Row after row, each move hands back the rule rows the tables show, as the
// window does.
void BM_ModelVisitEveryRow(benchmark::State& state) {
    gw::TLoRaWANModel model;
    model.Load(true, Gateway().Devices);
    for (auto _ : state) {
        gw::TLoRaWANModel::TShownRules shown = model.Show_Rules_Data();
        for (int row = 1; row <= Devices; ++row) {
            shown = model.Current_Device_Changed(row % Devices + 1, shown.upLink, shown.downLink);
        }
        benchmark::DoNotOptimize(shown.upLink.data());
    }
}
BENCHMARK(BM_ModelVisitEveryRow)->Unit(benchmark::kMillisecond);

}  // namespace
