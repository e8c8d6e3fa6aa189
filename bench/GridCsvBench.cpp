// CSV import and export of a grid of 100,000 rows x 10 columns, against a
// bare loop over the same file in the same run: reading the bytes and
// splitting them into lines and fields, and joining the fields and writing
// them. The file and the filled grid are built outside the timed loops;
// compare BM_LoadFromCSV with BM_BareReadSplit and BM_SaveToCSV with
// BM_BareJoinWrite (bytes_per_second). The two "_VsBare" benchmarks run the
// pairs interleaved and print "of_bare": our throughput as a share of the
// bare loop's (1 is as fast), on this thread's processor time.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "grid/ExtGrid.h"

namespace {

const bool kGuiReady = bench_support::MakeOffscreenGui();

constexpr int kRows = 100'000;
constexpr int kCols = 10;

std::string Cell(int r, int c) { return c % 3 == 0 ? "item " + std::to_string(r) : std::to_string(r * 10 + c); }

const std::string& CsvPath() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "vastrimo-grid-bench.csv";
        std::ofstream out(p, std::ios::binary);
        for (int r = 0; r < kRows; ++r) {
            std::string line;
            for (int c = 0; c < kCols; ++c) {
                if (c) line += ',';
                line += Cell(r, c);
            }
            out << line << "\r\n";
        }
        return p.string();
    }();
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t BareReadSplit(const std::string& path) {
    const std::string text = ReadAll(path);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(kRows);
    size_t i = 0;
    while (i < text.size()) {
        size_t e = text.find('\n', i);
        if (e == std::string::npos) e = text.size();
        std::vector<std::string> fields;
        size_t s = i;
        const size_t end = (e > i && text[e - 1] == '\r') ? e - 1 : e;
        for (size_t k = i; k <= end; ++k)
            if (k == end || text[k] == ',') {
                fields.emplace_back(text, s, k - s);
                s = k + 1;
            }
        rows.push_back(std::move(fields));
        i = e + 1;
    }
    benchmark::DoNotOptimize(rows.data());
    return text.size();
}

void BM_BareReadSplit(benchmark::State& state) {
    const std::string& path = CsvPath();
    for (auto _ : state) state.SetBytesProcessed(state.bytes_processed() + std::int64_t(BareReadSplit(path)));
}
BENCHMARK(BM_BareReadSplit)->Unit(benchmark::kMillisecond);

void BM_LoadFromCSV(benchmark::State& state) {
    const std::string& path = CsvPath();
    const auto size = std::int64_t(std::filesystem::file_size(path));
    for (auto _ : state) {
        grid::TExtStringGrid g(nullptr);
        g.LoadFromCSV(path);
        benchmark::DoNotOptimize(g.RowCount());
        state.SetBytesProcessed(state.bytes_processed() + size);
    }
}
BENCHMARK(BM_LoadFromCSV)->Unit(benchmark::kMillisecond);

grid::TExtStringGrid& FilledGrid() {
    static grid::TExtStringGrid* g = [] {
        auto* grid = new grid::TExtStringGrid(nullptr);
        grid->LoadFromCSV(CsvPath());
        return grid;
    }();
    return *g;
}

void BareJoinWrite(grid::TExtStringGrid& g, const std::string& out) {
    std::string text;
    for (int r = 0; r < g.RowCount(); ++r) {
        for (int c = 0; c < g.ColCount(); ++c) {
            if (c) text += ',';
            text += g.Cells(c, r);
        }
        text += "\r\n";
    }
    std::ofstream(out, std::ios::binary) << text;
}

void BM_BareJoinWrite(benchmark::State& state) {
    const auto out = (std::filesystem::temp_directory_path() / "vastrimo-grid-bench-bare.csv").string();
    grid::TExtStringGrid& g = FilledGrid();
    for (auto _ : state) {
        BareJoinWrite(g, out);
        state.SetBytesProcessed(state.bytes_processed() + std::int64_t(std::filesystem::file_size(out)));
    }
}
BENCHMARK(BM_BareJoinWrite)->Unit(benchmark::kMillisecond);

void BM_SaveToCSV(benchmark::State& state) {
    const auto out = (std::filesystem::temp_directory_path() / "vastrimo-grid-bench-out.csv").string();
    grid::TExtStringGrid& g = FilledGrid();
    g.SetQuoteEmptyCells(false);
    for (auto _ : state) {
        g.SaveToCSV(out);
        state.SetBytesProcessed(state.bytes_processed() + std::int64_t(std::filesystem::file_size(out)));
    }
}
BENCHMARK(BM_SaveToCSV)->Unit(benchmark::kMillisecond);

using bench_support::Timed;

void BM_LoadFromCSV_VsBare(benchmark::State& state) {
    const std::string& path = CsvPath();
    double ours = 0, bare = 0;
    for (auto _ : state) {
        Timed(ours, [&] {
            grid::TExtStringGrid g(nullptr);
            g.LoadFromCSV(path);
            benchmark::DoNotOptimize(g.RowCount());
        });
        Timed(bare, [&] { BareReadSplit(path); });
    }
    state.counters["of_bare"] = bare / ours;
}
BENCHMARK(BM_LoadFromCSV_VsBare)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_SaveToCSV_VsBare(benchmark::State& state) {
    const auto tmp = std::filesystem::temp_directory_path();
    const auto ours_out = (tmp / "vastrimo-grid-bench-out.csv").string();
    const auto bare_out = (tmp / "vastrimo-grid-bench-bare.csv").string();
    grid::TExtStringGrid& g = FilledGrid();
    g.SetQuoteEmptyCells(false);
    double ours = 0, bare = 0;
    for (auto _ : state) {
        Timed(ours, [&] { g.SaveToCSV(ours_out); });
        Timed(bare, [&] { BareJoinWrite(g, bare_out); });
    }
    state.counters["of_bare"] = bare / ours;
}
BENCHMARK(BM_SaveToCSV_VsBare)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
