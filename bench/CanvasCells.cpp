// Times the canvas calls one screenful of grid cells makes: background,
// text and the two grid lines of each cell, as a grid repaint does.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

using namespace plat;

static void BM_PaintCells(benchmark::State& state) {
    const int cols = 12;
    const int rows = int(state.range(0));
    TBitmap screen(cols * 80, rows * 20);  // not timed
    std::vector<std::string> texts;
    for (int i = 0; i < cols * rows; ++i) texts.push_back("Cell " + std::to_string(i * 7919));
    TCanvas& c = screen.Canvas();
    for (auto _ : state) {
        for (int r = 0; r < rows; ++r) {
            for (int k = 0; k < cols; ++k) {
                TRect cell = Bounds(k * 80, r * 20, 80, 20);
                c.Brush().SetColor(r == 0 ? clBtnFace : clWindow);
                c.FillRect(cell);
                c.Pen().SetColor(r == 0 ? clGray : clSilver);
                c.MoveTo(cell.Left, cell.Bottom - 1);
                c.LineTo(cell.Right, cell.Bottom - 1);
                c.MoveTo(cell.Right - 1, cell.Top);
                c.LineTo(cell.Right - 1, cell.Bottom);
                InflateRect(cell, -2, -1);
                c.Brush().SetStyle(bsClear);
                c.DrawText(texts[size_t(r * cols + k)], cell, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
            }
        }
        benchmark::DoNotOptimize(screen.Pixel(1, 1));
    }
    state.SetItemsProcessed(state.iterations() * cols * rows);
}
BENCHMARK(BM_PaintCells)->Arg(40)->Unit(benchmark::kMillisecond);

static void BM_MeasureText(benchmark::State& state) {
    TCanvas c;  // unbound: measuring only, as column fitting does
    const std::string text = "A typical cell text 12345";
    for (auto _ : state) benchmark::DoNotOptimize(c.TextWidth(text));
}
BENCHMARK(BM_MeasureText);
