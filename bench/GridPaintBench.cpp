// Times what a user waits for on a long table: one full screen of a
// column grid painted into an offscreen image, and paging through it.
// The grid is filled outside the timed loop; one screen is painted from
// the middle of the table.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

#include "grid/ExtCGrid.h"
#include "grid/ExtGridPaint.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"

using namespace grid;

namespace {

struct RuleGrid {
    std::unique_ptr<plat::TForm> form;
    TExtColumnGrid* g = nullptr;
    void Fill(int r) {
        g->SetCells(0, r, std::to_string(r));
        g->SetCells(1, r, r % 2 ? "Y" : "N");
        g->SetCells(2, r, std::to_string(r * 7));
        g->SetCells(3, r, "Uplink");
        g->SetCells(10, r, "rule " + std::to_string(r));
    }
    explicit RuleGrid(int rows) {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 1040, 700);
        g = new TExtColumnGrid(form.get());
        g->SetColCount(11);
        g->SetRowCount(rows);
        g->Columns().Items(1).SetEditor(edDataCheckBox);
        g->Columns().Items(2).SetAlignment(plat::taRightJustify);
        g->Columns().Items(3).SetEditor(edComboList);
        g->ControlLook().SetControlStyle(csWinXP);
        for (int c = 0; c < 11; ++c) g->SetColWidths(c, c == 10 ? 200 : 80);
        for (int r = 1; r < rows; ++r) Fill(r);
        g->SetParent(form.get());
        g->SetBounds(0, 0, 1000, 660);
    }
};

}  // namespace

static void BM_PaintScreen(benchmark::State& state) {
    RuleGrid t(int(state.range(0)));
    plat::TBitmap screen(t.g->Width(), t.g->Height());
    TExtGridPainter& painter = t.g->Painter();
    t.g->SetTopRow(std::max(1, t.g->RowCount() / 2));
    for (auto _ : state) {
        painter.Paint(screen.Canvas());
        benchmark::DoNotOptimize(painter.PaintedCells());
    }
    state.counters["cells"] = painter.PaintedCells();
}
BENCHMARK(BM_PaintScreen)->Arg(1'025)->Arg(100'000)->Unit(benchmark::kMillisecond);

static void BM_PageThrough(benchmark::State& state) {
    RuleGrid t(int(state.range(0)));
    plat::TBitmap screen(t.g->Width(), t.g->Height());
    TExtGridPainter& painter = t.g->Painter();
    const int pages = 50;
    for (auto _ : state) {
        t.g->SetTopRow(1);
        for (int p = 0; p < pages; ++p) {
            t.g->SetTopRow(std::min(t.g->TopRow() + t.g->VisibleRowCount(), t.g->RowCount() - t.g->VisibleRowCount()));
            painter.Paint(screen.Canvas());
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PageThrough)->Arg(100'000)->Unit(benchmark::kMillisecond);
