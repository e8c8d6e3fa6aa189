// Row insertion and removal, duplicate removal, distinct values and column
// fitting on a 100,000-row grid. Each reports its time as a ratio to
// filling the same grid (counter x_fill), measured in the same run, so the
// figures compare across machines; none of them may grow with the square
// of the row count.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "grid/ExtGrid.h"
#include "BenchSupport.h"

namespace {

const bool kGuiReady = bench_support::MakeOffscreenGui();

constexpr int kRows = 100'000;
constexpr int kCols = 10;

// Every third text of column 1 repeats an earlier one, in another case
// every so often, so duplicates lie scattered over the whole table.
std::string Text(int r, int c) {
    if (c == 1) return (r % 7 == 0 ? "Key" : "key") + std::to_string(r % (kRows * 2 / 3));
    return std::to_string(r * 31 + c);
}

void FillGrid(grid::TExtStringGrid& g, int rows) {
    g.SetColCount(kCols);
    g.SetRowCount(rows + 1);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c) g.SetCells(c, r + 1, Text(r, c));
}

std::unique_ptr<grid::TExtStringGrid> MakeGrid() {
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    FillGrid(*g, kRows);
    return g;
}

using bench_support::Seconds;

// Times the work once per iteration on a fresh grid (made outside the
// timing) and the filling of a grid of the same size as the baseline.
void VersusFill(benchmark::State& state, const std::function<void(grid::TExtStringGrid&)>& work) {
    double oursTotal = 0, fillTotal = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto g = MakeGrid();
        state.ResumeTiming();
        oursTotal += Seconds([&] { work(*g); });
        state.PauseTiming();
        grid::TExtStringGrid baseline(nullptr);
        fillTotal += Seconds([&] { FillGrid(baseline, kRows); });
        state.ResumeTiming();
    }
    state.counters["x_fill"] = fillTotal > 0 ? oursTotal / fillTotal : 0;
}

void BM_InsertRemoveRowsAtTop(benchmark::State& state) {
    VersusFill(state, [](grid::TExtStringGrid& g) {
        for (int k = 0; k < 1'000; ++k) g.InsertRows(1, 1);
        for (int k = 0; k < 1'000; ++k) g.RemoveRows(1, 1);
        benchmark::DoNotOptimize(g.RowCount());
    });
}
BENCHMARK(BM_InsertRemoveRowsAtTop)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_RemoveDuplicates(benchmark::State& state) {
    const bool doCase = state.range(0) != 0;
    VersusFill(state, [doCase](grid::TExtStringGrid& g) {
        g.RemoveDuplicates(1, doCase);
        benchmark::DoNotOptimize(g.RowCount());
    });
}
BENCHMARK(BM_RemoveDuplicates)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ColumnDistinct(benchmark::State& state) {
    VersusFill(state, [](grid::TExtStringGrid& g) { benchmark::DoNotOptimize(g.ColumnDistinct(2, -1, -1)); });
}
BENCHMARK(BM_ColumnDistinct)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_AutoSizeColumns(benchmark::State& state) {
    VersusFill(state, [](grid::TExtStringGrid& g) {
        g.AutoSizeColumns(false, 4);
        benchmark::DoNotOptimize(g.ColWidths(1));
    });
}
BENCHMARK(BM_AutoSizeColumns)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
