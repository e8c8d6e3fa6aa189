// What a user waits for when a table window opens or scrolls: every visible
// cell of the grid painted through the base grid's cell frame.
#include <benchmark/benchmark.h>

#include <memory>

#include "grid/BaseGrid.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"

namespace {

void BM_PaintVisibleCells(benchmark::State& state) {
    plat::EnsureGuiApplication();
    auto form = std::make_unique<plat::TForm>(nullptr);
    auto* grid = new grid::TBaseGrid(form.get());
    grid->SetParent(form.get());
    grid->SetColCount(14);
    grid->SetRowCount(int(state.range(0)));
    for (int r = 1; r < grid->RowCount(); ++r)
        for (int c = 1; c < grid->ColCount(); ++c) grid->SetCells(c, r, "Cell " + std::to_string(r));
    if (state.range(1)) grid->MergeCells(1, 1, 3, 2);
    const int rows = 40;  // about one screen of rows
    plat::TBitmap bmp(14 * 64, rows * 24);
    for (auto _ : state) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < 14; ++c)
                grid->PaintCell(bmp.Canvas(), c, r, grid->CellRect(c, r), grid::TGridDrawState{});
        benchmark::DoNotOptimize(bmp.Pixel(100, 100));
    }
}
BENCHMARK(BM_PaintVisibleCells)->Args({1001, 0})->Args({1001, 1});

}  // namespace
