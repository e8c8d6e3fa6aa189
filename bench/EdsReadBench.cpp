// Reading the connections of a 5 MB EtherNet/IP EDS file (a large modular
// device: long parameter sections, then many connection entries written over
// several commented lines). Building the text is not timed; the baseline
// splits the same text into trimmed lines, which any reading must at least do.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "protocols/EtherNetIP_EDS_Reader.h"

namespace {

std::string Make_Eds(size_t Bytes) {
    std::string text = "$ EDS of a large modular device\r\n[File]\r\nDescText = \"Bench\";\r\n[Params]\r\n";
    int n = 0;
    while (text.size() < Bytes / 2)
        text += "Param" + std::to_string(++n) + " = 0,,,0x0000,0xC7,2,\"Parameter " + std::to_string(n) +
                "\",\"\",\"Help text of the parameter\",0,65535,0,,,,,,,;  $ a parameter\r\n";
    text += "[Connection Manager]\r\n";
    n = 0;
    while (text.size() < Bytes)
        text += "Connection" + std::to_string(++n) +
                " =\r\n    0x04010002,  $ trigger and transport\r\n    0x44640405,  $ parameters\r\n"
                "    ,,,,,,,,,,\r\n    \"Exclusive Owner " + std::to_string(n) +
                "\", \"\",\r\n    \"20 04 24 01 2C 64 2C 65\";  $ path\r\n";
    return text;
}

const std::string& Eds_Text() {
    static const std::string text = Make_Eds(5u << 20);
    return text;
}

void BM_SplitLines(benchmark::State& state) {
    const std::string& text = Eds_Text();
    for (auto _ : state) {
        size_t lines = 0, chars = 0;
        std::string_view rest = text;
        while (!rest.empty()) {
            const size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
            while (!line.empty() && static_cast<unsigned char>(line.front()) <= ' ') line.remove_prefix(1);
            chars += line.size();
            ++lines;
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
        benchmark::DoNotOptimize(lines + chars);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond);

void BM_ReadEdsConnections(benchmark::State& state) {
    const std::string& text = Eds_Text();
    for (auto _ : state) benchmark::DoNotOptimize(proto::Read_EDS_Connections(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadEdsConnections)->Unit(benchmark::kMillisecond);

}  // namespace
