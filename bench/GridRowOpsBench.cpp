// Row operations and cell access on a 100,000-row table, each timed against
// what a Qt developer would use instead: a QStandardItemModel shown by a
// QTableView. Every benchmark of ours reports its time as a ratio to the
// same work on the model (counter x_qt), measured in the same run.

#include <benchmark/benchmark.h>

#include <QStandardItemModel>
#include <QTableView>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "BenchSupport.h"

namespace {

const bool kGuiReady = bench_support::MakeOffscreenGui();

constexpr int kRows = 100'000;
constexpr int kCols = 10;
constexpr int kOps = 200;  // row operations per timed round

std::string Text(int r, int c) { return std::to_string(r * 31 + c); }

std::unique_ptr<grid::TExtStringGrid> MakeGrid(int rows) {
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(rows + 1);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c) g->SetCells(c, r + 1, Text(r, c));
    return g;
}

struct TQtTable {
    QStandardItemModel model;
    QTableView view;
    explicit TQtTable(int rows) : model(rows, kCols) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; ++c)
                model.setItem(r, c, new QStandardItem(QString::fromStdString(Text(r, c))));
        view.setModel(&model);
        view.resize(800, 600);
    }
};

using bench_support::Compare;
using bench_support::Seconds;

// Inserting and then removing a row at the same place leaves both tables as
// they were, so every round starts alike.
void InsertRemove(benchmark::State& state, int where) {
    const auto g = MakeGrid(kRows);
    TQtTable q(kRows);
    const int row = where < 0 ? kRows / 2 : where;
    Compare(
        state,
        [&] {
            for (int i = 0; i < kOps; ++i) g->InsertRows(row + 1, 1);
            for (int i = 0; i < kOps; ++i) g->RemoveRows(row + 1, 1);
        },
        [&] {
            for (int i = 0; i < kOps; ++i) q.model.insertRow(row);
            for (int i = 0; i < kOps; ++i) q.model.removeRow(row);
        });
    state.SetItemsProcessed(state.iterations() * kOps * 2);
}

void BM_InsertRemoveRowsAtTheTop(benchmark::State& state) { InsertRemove(state, 0); }
BENCHMARK(BM_InsertRemoveRowsAtTheTop)->Unit(benchmark::kMillisecond);

void BM_InsertRemoveRowsInTheMiddle(benchmark::State& state) { InsertRemove(state, -1); }
BENCHMARK(BM_InsertRemoveRowsInTheMiddle)->Unit(benchmark::kMillisecond);

// 100 rows taken from a quarter down and put back three quarters down, and
// back again.
void BM_MoveRows(benchmark::State& state) {
    const auto g = MakeGrid(kRows);
    TQtTable q(kRows);
    const int from = kRows / 4, to = kRows * 3 / 4, count = 100;
    auto qtMove = [&q, count](int src, int dst) {
        std::vector<QList<QStandardItem*>> taken;
        for (int i = 0; i < count; ++i) taken.push_back(q.model.takeRow(src));
        for (int i = 0; i < count; ++i) q.model.insertRow(dst - count + i, taken[static_cast<size_t>(i)]);
    };
    Compare(
        state,
        [&] {
            g->MoveRows(from, to, count);
            g->MoveRows(to - count, from, count);
        },
        [&] {
            qtMove(from, to);
            qtMove(to - count, from + count);
        });
}
BENCHMARK(BM_MoveRows)->Unit(benchmark::kMillisecond);

void BM_ReadEveryCell(benchmark::State& state) {
    const auto g = MakeGrid(kRows);
    TQtTable q(kRows);
    Compare(
        state,
        [&] {
            size_t n = 0;
            for (int r = 1; r <= kRows; ++r)
                for (int c = 0; c < kCols; ++c) n += g->Cells(c, r).size();
            benchmark::DoNotOptimize(n);
        },
        [&] {
            qsizetype n = 0;
            for (int r = 0; r < kRows; ++r)
                for (int c = 0; c < kCols; ++c) n += q.model.data(q.model.index(r, c)).toString().size();
            benchmark::DoNotOptimize(n);
        });
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}
BENCHMARK(BM_ReadEveryCell)->Unit(benchmark::kMillisecond);

// Both sides fill an empty table each round, made and thrown away untimed.
// Setting an item over an existing one makes the model search for the old
// item's place, so refilling one model grows with its size: that measures
// a replace, not a fill.
void BM_FillEveryCell(benchmark::State& state) {
    std::vector<std::string> texts;
    std::vector<QString> qtexts;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            texts.push_back(Text(r, c));
            qtexts.push_back(QString::fromStdString(texts.back()));
        }
    double oursTotal = 0, qtTotal = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        g->SetColCount(kCols);
        g->SetRowCount(kRows + 1);
        // The model alone: a view attached repaints on every item set, which
        // no program filling a table would let it do.
        auto model = std::make_unique<QStandardItemModel>(kRows, kCols);
        state.ResumeTiming();
        oursTotal += Seconds([&] {
            for (int r = 0; r < kRows; ++r)
                for (int c = 0; c < kCols; ++c) g->SetCells(c, r + 1, texts[static_cast<size_t>(r) * kCols + c]);
        });
        state.PauseTiming();
        qtTotal += Seconds([&] {
            for (int r = 0; r < kRows; ++r)
                for (int c = 0; c < kCols; ++c)
                    model->setItem(r, c, new QStandardItem(qtexts[static_cast<size_t>(r) * kCols + c]));
        });
        g.reset();
        model.reset();
        state.ResumeTiming();
    }
    state.counters["x_qt"] = qtTotal > 0 ? oursTotal / qtTotal : 0;
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}
BENCHMARK(BM_FillEveryCell)->Unit(benchmark::kMillisecond);

}  // namespace
