// Grouping a big table by one column, and taking the grouping away again:
// what a user waits for after asking for groups. Both are measured against
// filling the same grid with its cells in the same run; the ratios are
// counters of one run.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "grid/ExtGrid.h"
#include "platform/GuiApp.h"

namespace {

// The grid is a control and needs the application object; no window is
// shown, so the offscreen platform serves when none is chosen.
const bool kGuiReady = bench_support::MakeOffscreenGui();

constexpr int kCols = 8;
constexpr int kGroupCol = 2;

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// Column 2 holds one of Groups values, spread over the rows unsorted.
std::vector<std::vector<std::string>> Cells(int Rows, int Groups) {
    std::vector<std::vector<std::string>> cells(static_cast<size_t>(Rows));
    for (int r = 0; r < Rows; ++r) {
        auto& row = cells[static_cast<size_t>(r)];
        for (int c = 0; c < kCols; ++c) row.push_back("c" + std::to_string(c) + "r" + std::to_string(r));
        row[kGroupCol] = "group " + std::to_string((r * 7919) % Groups);
    }
    return cells;
}

std::unique_ptr<grid::TExtStringGrid> Fill(const std::vector<std::vector<std::string>>& Cells) {
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(static_cast<int>(Cells.size()) + 1);
    for (size_t r = 0; r < Cells.size(); ++r)
        for (int c = 0; c < kCols; ++c) g->SetGridCell(c, static_cast<int>(r) + 1, Cells[r][static_cast<size_t>(c)]);
    return g;
}

using TStep = std::function<void(grid::TExtStringGrid&)>;

// Fills a grid from Cells (the baseline), prepares it untimed, then times
// First and Second on it; their ratios to the fill are the run's counters.
void TimeAgainstFill(benchmark::State& state, const std::vector<std::vector<std::string>>& Cells,
                     const TStep& Prepare, const TStep& First, const TStep& Second, const std::string& FirstName,
                     const std::string& SecondName) {
    double fill = 0, first = 0, second = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        auto g = Fill(Cells);
        const auto t1 = Clock::now();
        Prepare(*g);
        const auto t2 = Clock::now();
        First(*g);
        const auto t3 = Clock::now();
        Second(*g);
        const auto t4 = Clock::now();
        fill += Seconds(t0, t1);
        first += Seconds(t2, t3);
        second += Seconds(t3, t4);
        state.SetIterationTime(Seconds(t2, t3));
    }
    state.counters[FirstName + "_over_fill"] = first / fill;
    state.counters[SecondName + "_over_fill"] = second / fill;
    state.counters[FirstName + "_ms"] = 1000 * first / static_cast<double>(state.iterations());
}

void BM_GroupRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int groups = static_cast<int>(state.range(1));
    TimeAgainstFill(
        state, Cells(rows, groups), [](grid::TExtStringGrid& g) { g.Grouping().Summary = true; },
        [](grid::TExtStringGrid& g) { g.Group(kGroupCol); }, [](grid::TExtStringGrid& g) { g.UnGroup(); }, "group",
        "ungroup");
}
BENCHMARK(BM_GroupRows)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->Args({50'000, 50})
    ->Args({50'000, 5'000});

// Sub-groups inside the groups, by a column whose value changes on most
// rows: nearly one sub-header per data row, the case that once cost an
// insertion per header.
void BM_SubGroupRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto cells = Cells(rows, 50);
    for (int r = 0; r < rows; ++r) cells[static_cast<size_t>(r)][kGroupCol + 1] = "sub " + std::to_string(r % 5);
    // Once grouped, the grouping column has left: the next one takes its
    // index.
    TimeAgainstFill(
        state, cells,
        [](grid::TExtStringGrid& g) {
            g.Grouping().Summary = true;
            g.Group(kGroupCol);
        },
        [](grid::TExtStringGrid& g) { g.SubGroup(kGroupCol); },
        [](grid::TExtStringGrid& g) { g.SubUnGroup(kGroupCol); }, "subgroup", "subungroup");
}
BENCHMARK(BM_SubGroupRows)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond)->Arg(50'000);

}  // namespace
