// Printing a 10,000-row table to PDF, timed against Qt drawing the same
// texts in the same rows and columns onto a PDF writer by hand (counter
// x_qt, measured in the same run): the price of the grid's layout, cell
// looks and borders over bare text output.

#include <benchmark/benchmark.h>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "grid/ExtGrid.h"
#include "platform/GuiApp.h"
#include "platform/Printers.h"

namespace {

// The grid is a control and needs the application object; no window is
// shown, so the offscreen platform serves when none is chosen.
const bool kGuiReady = bench_support::MakeOffscreenGui();

constexpr int kCols = 6;

std::string Text(int r, int c) { return "Device " + std::to_string(r * 31 + c); }

std::unique_ptr<grid::TExtStringGrid> MakeGrid(int rows) {
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(rows + 1);
    for (int c = 0; c < kCols; ++c) g->SetCells(c, 0, "Column " + std::to_string(c));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c) g->SetCells(c, r + 1, Text(r, c));
    return g;
}

// The same texts, a row of cells at a time, with a page break every
// RowsPerPage rows.
void QtPdf(const std::string& Path, int Rows, int RowsPerPage) {
    QPdfWriter pdf(QString::fromStdString(Path));
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QPainter p(&pdf);
    QFont f("Tahoma");
    f.setPixelSize(33);
    p.setFont(f);
    const int rowH = 50, colW = 380;
    for (int r = 0; r < Rows; ++r) {
        if (r > 0 && r % RowsPerPage == 0) pdf.newPage();
        const int y = (r % RowsPerPage) * rowH;
        for (int c = 0; c < kCols; ++c) {
            const QRect box(c * colW, y, colW, rowH);
            p.drawRect(box);
            p.drawText(box.adjusted(8, 4, -8, -4), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(Text(r, c)));
        }
    }
    p.end();
}

void BM_PrintToPdf(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const auto g = MakeGrid(rows);
    const std::string ours = "/tmp/grid-print-bench.pdf", qt = "/tmp/grid-print-bench-qt.pdf";
    plat::Printer().SetOutputFileName(ours);
    bench_support::Compare(
        state, [&] { g->Print(); },
        [&] {
            const int pages = std::max(1, g->PrintNrOfPages());
            QtPdf(qt, rows, (rows + pages - 1) / pages);
        });
    state.counters["pages"] = g->PrintNrOfPages();
    plat::Printer().SetOutputFileName("");
    std::remove(ours.c_str());
    std::remove(qt.c_str());
}
BENCHMARK(BM_PrintToPdf)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
