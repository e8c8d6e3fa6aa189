// What the user of a protocol table window waits for with full tables: the
// Modbus TCP master file with all 512 rows used on both pages is read,
// checked and written, as opening the window and pressing OK do. The same
// text parsed and written back by pugixml alone is the baseline; the
// combined benchmark reports its time as a ratio to it (counter
// "x_pugixml"). The data is made before the timed loops.

#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "protocols/AccessTable.h"
#include "protocols/ModbusCheck.h"
#include "protocols/Modbus_TCP_Master_Set_Access.h"

namespace {

using proto::Modbus_TCP_Member;

// Every row valid and enabled, so the check walks all of them.
std::vector<proto::TTable> FullTables() {
    std::vector<proto::TTable> tables = proto::Reset_Tables(Modbus_TCP_Member.File);
    for (int r = 1; r <= 512; ++r) {
        const std::string ip = "192.168." + std::to_string(r / 250) + "." + std::to_string(r % 250 + 1);
        const std::string position = std::to_string((r * 2) % 1498);
        tables[0][static_cast<size_t>(r - 1)] = {std::to_string(r), "Y", ip, "502", "1", "Holding Register",
                                                 std::to_string(r), "1", "1000", "0", position, "0", "N", "N",
                                                 "", "read rule " + std::to_string(r)};
        tables[1][static_cast<size_t>(r - 1)] = {std::to_string(r), "Y", ip, "502", "2", "Coil Status",
                                                 std::to_string(r), "8", "0", "Y", "N", "3", position, "0", "N",
                                                 "N", "write rule " + std::to_string(r)};
    }
    return tables;
}

const std::string& FullXml() {
    static const std::string xml = proto::Access_To_Xml(Modbus_TCP_Member.File, FullTables());
    return xml;
}

std::string PugixmlRoundTrip(const std::string& xml) {
    pugi::xml_document doc;
    doc.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_comments);
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_indent | pugi::format_no_declaration);
    return out.str();
}

// One window opening and OK: read into reset tables, check, write.
std::string LoadCheckSave(const std::string& xml) {
    std::vector<proto::TTable> tables = proto::Reset_Tables(Modbus_TCP_Member.File);
    proto::Read_Access_Xml(Modbus_TCP_Member.File, xml, tables);
    const proto::TCheckOutcome outcome =
        proto::Check_Modbus_Tables(Modbus_TCP_Member.File, tables, proto::Modbus_TCP_Read_Rules, {},
                                   proto::Modbus_TCP_Write_Rules, {});
    if (!outcome.Ok()) return {};
    return proto::Access_To_Xml(Modbus_TCP_Member.File, tables);
}

double SecondsEach(std::string (*fn)(const std::string&), int rounds) {
    const std::string& xml = FullXml();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) benchmark::DoNotOptimize(fn(xml));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void BM_Pugixml_ParseSerialize(benchmark::State& state) {
    const std::string& xml = FullXml();
    for (auto _ : state) benchmark::DoNotOptimize(PugixmlRoundTrip(xml));
    state.counters["bytes"] = static_cast<double>(xml.size());
}
BENCHMARK(BM_Pugixml_ParseSerialize)->Unit(benchmark::kMillisecond);

void BM_AccessTable_LoadCheckSave(benchmark::State& state) {
    const std::string& xml = FullXml();
    if (LoadCheckSave(xml).empty()) state.SkipWithError("the benchmark data fails the check");
    const double baseline = SecondsEach(PugixmlRoundTrip, 20);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) benchmark::DoNotOptimize(LoadCheckSave(xml));
    const double each = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                        static_cast<double>(state.iterations());
    state.counters["x_pugixml"] = each / baseline;
}
BENCHMARK(BM_AccessTable_LoadCheckSave)->Unit(benchmark::kMillisecond);

void BM_AccessTable_Load(benchmark::State& state) {
    const std::string& xml = FullXml();
    for (auto _ : state) {
        std::vector<proto::TTable> tables = proto::Reset_Tables(Modbus_TCP_Member.File);
        benchmark::DoNotOptimize(proto::Read_Access_Xml(Modbus_TCP_Member.File, xml, tables));
    }
}
BENCHMARK(BM_AccessTable_Load)->Unit(benchmark::kMillisecond);

void BM_AccessTable_Check(benchmark::State& state) {
    const std::vector<proto::TTable> tables = FullTables();
    for (auto _ : state)
        benchmark::DoNotOptimize(proto::Check_Modbus_Tables(Modbus_TCP_Member.File, tables,
                                                            proto::Modbus_TCP_Read_Rules, {},
                                                            proto::Modbus_TCP_Write_Rules, {}));
}
BENCHMARK(BM_AccessTable_Check)->Unit(benchmark::kMillisecond);

void BM_AccessTable_Save(benchmark::State& state) {
    const std::vector<proto::TTable> tables = FullTables();
    for (auto _ : state) benchmark::DoNotOptimize(proto::Access_To_Xml(Modbus_TCP_Member.File, tables));
}
BENCHMARK(BM_AccessTable_Save)->Unit(benchmark::kMillisecond);

}  // namespace
