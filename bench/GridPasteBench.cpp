// Pasting a spreadsheet block of 10,000 rows by 10 columns into a grid that
// must grow to hold it, against writing the same cells one by one into a
// grid already of that size. The counter x_direct is the paste's time as a
// ratio to the direct fill, measured in the same run: a paste that grew the
// grid row by row, or repainted per cell, shows as a large ratio.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "grid/ExtGrid.h"
#include "platform/GuiApp.h"

namespace {

// The grid is a control and needs the application object; no window is
// shown, so the offscreen platform serves when none is chosen.
const bool kGuiReady = bench_support::MakeOffscreenGui();

constexpr int kCols = 10;

std::string Text(int r, int c) { return std::to_string(r * 31 + c); }

std::string Block(int rows) {
    std::string text;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            if (c) text += '\t';
            text += Text(r, c);
        }
        text += "\r\n";
    }
    return text;
}

std::unique_ptr<grid::TExtStringGrid> EmptyGrid(int rows) {
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(kCols + 1);
    g->SetRowCount(rows);
    g->SetOptions(g->Options() + plat::TGridOptions{plat::goEditing});
    return g;
}

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_PasteBlock(benchmark::State& state) {
    const int rows = int(state.range(0));
    const std::string text = Block(rows);
    double pasteTotal = 0, directTotal = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto pasted = EmptyGrid(2);  // the paste grows it
        auto direct = EmptyGrid(rows + 1);
        state.ResumeTiming();
        double t0 = ThreadSeconds();
        int pr = 0, pc = 0;
        benchmark::DoNotOptimize(pasted->PasteText(1, 1, pr, pc, text));
        pasteTotal += ThreadSeconds() - t0;
        state.PauseTiming();
        t0 = ThreadSeconds();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; ++c) direct->SetCells(c + 1, r + 1, Text(r, c));
        directTotal += ThreadSeconds() - t0;
        state.ResumeTiming();
    }
    state.counters["x_direct"] = directTotal > 0 ? pasteTotal / directTotal : 0;
}
BENCHMARK(BM_PasteBlock)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
