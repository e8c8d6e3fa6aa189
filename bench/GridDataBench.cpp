// Filling and reading a large table, hiding columns on it and moving rows
// in it: what a window waits for when it loads a big access table, switches
// a mode that hides a group of columns, or moves a block of rows.

#include <benchmark/benchmark.h>

#include <cstdlib>
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

constexpr int kCols = 10;

std::vector<std::string> MakeTexts(int rows) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(rows) * kCols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c) texts.push_back(std::to_string(r * 31 + c));
    return texts;
}

std::unique_ptr<grid::TExtStringGrid> MakeGrid(int rows, const std::vector<std::string>& texts) {
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(rows + 1);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c) g->SetCells(c, r + 1, texts[static_cast<size_t>(r) * kCols + c]);
    return g;
}

void BM_FillCells(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string> texts = MakeTexts(rows);
    grid::TExtStringGrid g(nullptr);
    g.SetColCount(kCols);
    g.SetRowCount(rows + 1);
    for (auto _ : state) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; ++c) g.SetCells(c, r + 1, texts[static_cast<size_t>(r) * kCols + c]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * rows * kCols);
}
BENCHMARK(BM_FillCells)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ReadCells(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const auto g = MakeGrid(rows, MakeTexts(rows));
    for (auto _ : state) {
        size_t total = 0;
        for (int r = 1; r <= rows; ++r)
            for (int c = 0; c < kCols; ++c) total += g->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * rows * kCols);
}
BENCHMARK(BM_ReadCells)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ReadInts(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const auto g = MakeGrid(rows, MakeTexts(rows));
    for (auto _ : state) {
        long long total = 0;
        for (int r = 1; r <= rows; ++r) total += g->Ints(3, r);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ReadInts)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_HideUnhideColumns(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const auto g = MakeGrid(rows, MakeTexts(rows));
    for (auto _ : state) {
        g->HideColumns(2, 5);
        g->UnHideColumns(2, 5);
    }
}
BENCHMARK(BM_HideUnhideColumns)->Arg(100'000)->Unit(benchmark::kMicrosecond);

void BM_ReadAllColumnsWithHiddenOnes(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const auto g = MakeGrid(rows, MakeTexts(rows));
    g->HideColumns(2, 5);
    for (auto _ : state) {
        size_t total = 0;
        const int all = g->ColCount() + g->NumHiddenColumns();
        for (int r = 1; r <= rows; ++r)
            for (int c = 0; c < all; ++c) total += g->AllCells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadAllColumnsWithHiddenOnes)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A block of 100 rows moved from the top half to the bottom half and back:
// every row in between moves with its cells.
void BM_MoveRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const auto g = MakeGrid(rows, MakeTexts(rows));
    const int from = rows / 4;
    const int to = rows * 3 / 4;
    for (auto _ : state) {
        g->MoveRows(from, to, 100);
        g->MoveRows(to - 100, from, 100);
    }
}
BENCHMARK(BM_MoveRows)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// One row moved across the table, as a dragged row does.
void BM_MoveRow(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const auto g = MakeGrid(rows, MakeTexts(rows));
    for (auto _ : state) {
        g->MoveRow(1, rows);
        g->MoveRow(rows, 1);
    }
}
BENCHMARK(BM_MoveRow)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
