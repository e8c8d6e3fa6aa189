// The EDE export and import at the server table's largest size (2000
// objects). Building the data is not timed; the baseline counts the
// separators of the same text, which any reading must at least do.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "base/DateTime.h"
#include "protocols/BACnetSlaveData.h"
#include "protocols/BACnet_EDE_File.h"
#include "protocols/EDEReader.h"

namespace {

proto::TEDEExport MakeExport(int objects) {
    proto::TEDEExport data;
    data.Conf_Name = "Plant";
    data.Device_Instance = "1234";
    data.Time = base::EncodeDate(2026, 12, 3);
    const char* types[] = {"Analog Input", "Analog Value", "Binary Input", "Multi State Value"};
    for (int i = 0; i < objects; ++i) {
        proto::TTableRow row(proto::bac_slave::Count);
        row[proto::bac_slave::Data_Type] = types[i % 4];
        row[proto::bac_slave::Eng_Unit] = "62";
        row[proto::bac_slave::Mnemonic] = "Boiler room temperature " + std::to_string(i);
        (i % 2 ? data.Write : data.Read).push_back(std::move(row));
    }
    return data;
}

std::string MakeFile(int objects) {
    std::ostringstream out;
    proto::Write_EDE(MakeExport(objects), out, nullptr);
    return out.str();
}

void BM_WriteEDE(benchmark::State& state) {
    const proto::TEDEExport data = MakeExport(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ostringstream out;
        benchmark::DoNotOptimize(proto::Write_EDE(data, out, nullptr));
    }
}
BENCHMARK(BM_WriteEDE)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_ReadEDE(benchmark::State& state) {
    const std::string file = MakeFile(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(proto::Read_EDE(file).size());
}
BENCHMARK(BM_ReadEDE)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_CountSeparatorsBaseline(benchmark::State& state) {
    const std::string file = MakeFile(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(std::count(file.begin(), file.end(), ';'));
}
BENCHMARK(BM_CountSeparatorsBaseline)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
